// Recipients of issued T3 slips from CSV: strict rows, faults named by line
// and column, and slips updated by identification number or added.
#include "host/recipients_import.h"

#include "slips/t3slip_issuing.h"

#include <gtest/gtest.h>

namespace {

const char* const kHeader = "name,last_name,id,address,city,postal_code,percentage\n";

TEST(RecipientsImport, FaultsNameLineAndColumnAndImportNothing)
{
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"", "line 1: the header row is missing"},
        {"name,id,address,percentage\n",
         "line 1: the header has 4 columns, expected 7 (name,last_name,id,address,city,postal_code,percentage)"},
        {"name,last_name,sin,address,city,postal_code,percentage\n", "line 1, column 3 (id): the header names \"sin\""},
        {std::string(kHeader) + "Ann,Lee,1,Main,Ottawa,K1A,50\nBob,,2,Elm,Hull,J8X\n", "line 3: 6 columns, expected 7"},
        {std::string(kHeader) + "Ann,Lee,1,Main,Ottawa,K1A,fifty\n",
         "line 2, column 7 (percentage): \"fifty\" is not a percentage"},
        {std::string(kHeader) + "Ann,Lee,1,Main,Ottawa,K1A,\n", "line 2, column 7 (percentage): \"\" is not a percentage"},
        {std::string(kHeader) + "Ann,Lee,1,Main,Ottawa,K1A,100.5\n",
         "line 2, column 7 (percentage): 100.5 is not between 0 and 100"},
        {std::string(kHeader) + "\"Ann\nLee\",Lee,1,Main,Ottawa,K1A,5\n,x,2,Elm,Hull,J8X,5\n",
         "line 4, column 1 (name): empty"},
        {std::string(kHeader) + "Ann,Lee,1,Main,Ottawa,K1A,5\nBob,,1,Elm,Hull,J8X,5\n",
         "line 3, column 3 (id): 1 is also on line 2"},
        {std::string(kHeader) + "Ann,Lee,1,\"Main,Ottawa,K1A,5\n", "line 2: a quoted cell is not closed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const RecipientsImport parsed = parseRecipientsCsv(c.text);
        EXPECT_EQ(parsed.error, QString::fromUtf8(c.error));
        EXPECT_TRUE(parsed.rows.empty());
    }
}

TEST(RecipientsImport, UpdatesBySlipIdOrAddsFilledFromSchedule9)
{
    const RecipientsImport parsed = parseRecipientsCsv(
        std::string(kHeader) + "Ann, Lee ,046454286,1 Main St,Ottawa,K1A 0B1, 12.5% \n\"Acme, Inc.\",,123456789RT0001,2 Elm,Hull,J8X,87.5\n");
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    TaxReturn ret;
    auto* existing = static_cast<TaxData_Slip_T3_Issuing*>(ret.add(std::make_unique<TaxData_Slip_T3_Issuing>()));
    existing->box_id = "046454286";
    existing->box_21 = 40.0;
    const RecipientsApplied applied = applyRecipients(ret, parsed.rows);
    EXPECT_EQ(applied.updated, 1);
    EXPECT_EQ(applied.added, 1);
    ASSERT_EQ(ret.size(), 2);
    EXPECT_EQ(existing->box_lastname.toText(), "Lee");
    EXPECT_EQ(existing->box_EntityType, TaxData_Slip_T3_Issuing::kIndividual);
    EXPECT_DOUBLE_EQ(existing->box_Pcnt, 12.5);
    EXPECT_DOUBLE_EQ(existing->box_21, 40.0);
    auto* added = static_cast<TaxData_Slip_T3_Issuing*>(ret.form(1));
    EXPECT_EQ(added->box_name.toText(), "Acme, Inc.");
    EXPECT_EQ(added->box_EntityType, TaxData_Slip_T3_Issuing::kEntity);
    EXPECT_TRUE(added->box_bUsePcnt);
    EXPECT_DOUBLE_EQ(added->box_Pcnt, 87.5);
}

}  // namespace
