// Importing Schedule 1's extra share entries: the window's lenient rules and
// the command line's strict ones.
#include "schedules/sch1.h"
#include "schedules/sch1_share_import.h"

#include <gtest/gtest.h>

namespace {
using Rows = std::vector<std::vector<std::string>>;
const ShareImportColumns kColumns{2, 1, 3, 4, 5};
}  // namespace

TEST(Sch1LenientImport, ColumnsLeftAtZeroGiveEmptyEntries)
{
    TaxData_Sch1 s;
    EXPECT_EQ(importSharesLenient(s, Rows(3, {"A", "1", "2"}), ShareImportColumns{}, ShareImportMode::Overwrite), 3);
    ASSERT_EQ(s.moreEquityEntryCount(), 3);
    EXPECT_EQ(s.moreEquityEntry(2).fld_num.value(), 0.0);
    EXPECT_TRUE(s.moreEquityEntry(2).fld_name.isEmpty());
}

TEST(Sch1LenientImport, AtMostAThousandRowsTheFirstIncluded)
{
    TaxData_Sch1 s;
    Rows rows(1500, {"X", "1", "10", "4", "1"});
    rows[0] = {"Name", "Shares", "Proceeds"};  // a heading row is imported too
    importSharesLenient(s, rows, kColumns, ShareImportMode::Overwrite);
    EXPECT_EQ(s.moreEquityEntryCount(), 1000);
    EXPECT_EQ(s.fld_ws_moreentry_num.value(), 1000.0);
    EXPECT_EQ(s.moreEquityEntry(0).fld_name.value(), QStringLiteral("Name"));
    EXPECT_EQ(s.moreEquityEntry(0).fld_num.value(), 0.0);     // "Shares" is not a number
    EXPECT_EQ(s.moreEquityEntry(0).fld_costbase.value(), 0.0);  // beyond the row's cells
    EXPECT_EQ(s.moreEquityEntry(999).fld_disposition.value(), 10.0);
}

TEST(Sch1LenientImport, AppendFollowsAndOverwriteKeepsTheYears)
{
    TaxData_Sch1 s;
    s.AllocateMoreEquityEntries(2);
    s.moreEquityEntry(0).fld_year = "2015";
    importSharesLenient(s, Rows(4, {"B", "2", "$1,000.50"}), kColumns, ShareImportMode::Append);
    ASSERT_EQ(s.moreEquityEntryCount(), 6);
    EXPECT_TRUE(s.moreEquityEntry(1).fld_name.isEmpty());
    EXPECT_EQ(s.moreEquityEntry(2).fld_name.value(), QStringLiteral("B"));
    EXPECT_EQ(s.moreEquityEntry(5).fld_disposition.value(), 1000.5);

    importSharesLenient(s, Rows(6, {"C", "3"}), kColumns, ShareImportMode::Overwrite);
    ASSERT_EQ(s.moreEquityEntryCount(), 6);
    EXPECT_EQ(s.moreEquityEntry(0).fld_year.value(), QStringLiteral("2015"));
    EXPECT_EQ(s.moreEquityEntry(0).fld_name.value(), QStringLiteral("C"));
    EXPECT_EQ(s.moreEquityEntry(5).fld_disposition.value(), 0.0);
}

struct StrictCase {
    const char* csv;
    bool skipHeader;
    const char* error;
};
class Sch1StrictImport : public testing::TestWithParam<StrictCase> {};

// A refused file names its line and column and leaves the entries as they were.
TEST_P(Sch1StrictImport, RefusesNamingLineAndColumn)
{
    TaxData_Sch1 s;
    s.AllocateMoreEquityEntries(1);
    s.moreEquityEntry(0).fld_name = "kept";
    QString error;
    EXPECT_FALSE(importSharesStrict(s, GetParam().csv, QStringLiteral("t.csv"), kColumns, ShareImportMode::Overwrite,
                                    GetParam().skipHeader, error));
    EXPECT_EQ(error.toStdString(), GetParam().error);
    ASSERT_EQ(s.moreEquityEntryCount(), 1);
    EXPECT_EQ(s.moreEquityEntry(0).fld_name.value(), QStringLiteral("kept"));
}
INSTANTIATE_TEST_SUITE_P(
    Files, Sch1StrictImport,
    testing::Values(StrictCase{"Name,Shares,Proceeds,Cost,Fees\nA,1,2,3,4\n", false,
                               "t.csv: line 1, column 2: \"Shares\" is not an amount"},
                    StrictCase{"Name,Shares\r\nA,1,2,3,4\r\n\r\nB,1,2,3\r\n", true,
                               "t.csv: line 4, column 5: the row has only 4 cells"},
                    StrictCase{"\"A\nB\",1,2,3,4\nC,1,2,x,4\n", false, "t.csv: line 3, column 4: \"x\" is not an amount"},
                    StrictCase{"A,1,2,3,4\n\"B,1,2,3,4\n", false, "t.csv: line 2: a quoted cell is not closed"}));

TEST(Sch1StrictImportFile, ReadsAmountsAsPreparersTypeThem)
{
    TaxData_Sch1 s;
    s.AllocateMoreEquityEntries(2);
    QString error;
    ASSERT_TRUE(importSharesStrict(s, "\xEF\xBB\xBF\"Fund, \"\"A\"\"\",\"1,000\",\"$12,345.67\",(10.00), 9.99 \n",
                                   QStringLiteral("t.csv"), kColumns, ShareImportMode::Append, false, error))
        << error.toStdString();
    ASSERT_EQ(s.moreEquityEntryCount(), 3);
    const Type_MoreEquityEntryStruct& e = s.moreEquityEntry(2);
    EXPECT_EQ(e.fld_name.value(), QStringLiteral("Fund, \"A\""));
    EXPECT_EQ(e.fld_num.value(), 1000.0);
    EXPECT_EQ(e.fld_disposition.value(), 12345.67);
    EXPECT_EQ(e.fld_costbase.value(), -10.0);
    EXPECT_EQ(e.fld_expenses.value(), 9.99);
}
