// Carry-forward of the T3 return into the next tax year.
#include "t3ret_test_support.h"

namespace {

void fileLastYear(TaxData_T3Ret& r)
{
    r.fld_ws_bSetStatus = true;
    r.fld_ws_FileStatus = 1;
    r.fld_ws_ConfirmCode = "ABC123";
    r.fld_ws_FileDate = "2024-03-01 10:00:00";
}

STRUCT_IMPORT_LASTYEAR_PARAM newYear(bool sameYear = false)
{
    STRUCT_IMPORT_LASTYEAR_PARAM p;
    p.bSameYear = sameYear ? 1 : 0;
    return p;
}

TEST(T3RetCarryForward, CalendarYearMovesOneYearOn)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_start_date = QDate(2023, 1, 1);
    r.fld_end_date = QDate(2023, 12, 31);
    fileLastYear(r);
    EXPECT_TRUE(r.ShouldBeImported(0, PROV_ON));
    EXPECT_EQ(r.ChangeToNewYearData(newYear()), 0);

    EXPECT_EQ(r.fld_start_date.value(), QDate(2024, 1, 1));
    EXPECT_EQ(r.fld_end_date.value(), QDate(2024, 12, 31));
    EXPECT_EQ(r.fld_first_year.value(), 1);
    EXPECT_EQ(r.fld_year_last.value(), "2023");
    EXPECT_EQ(r.fld_ws_FileStatus.value(), 0);
    EXPECT_EQ(r.fld_ws_ConfirmCode.value(), "");
    EXPECT_EQ(r.fld_ws_FileDate.value(), "");
}

TEST(T3RetCarryForward, NonCalendarYear)
{
    TaxData_T3Ret r;
    r.fld_start_date = QDate(2023, 7, 1);
    r.fld_end_date = QDate(2024, 6, 30);
    r.ChangeToNewYearData(newYear());
    EXPECT_EQ(r.fld_start_date.value(), QDate(2024, 7, 1));
    EXPECT_EQ(r.fld_end_date.value(), QDate(2025, 6, 30));
}

TEST(T3RetCarryForward, YearOfTheLastReturn)
{
    const struct {
        const char* stored;
        const char* expected;
    } cases[] = {{"", "2023"}, {"2022", "2023"}, {"2021", "2022"}, {" 999", "2023"}, {"203 ", "2023"}, {"2001", "2002"},
                 {"2000", "2023"}, {"abcd", "2023"}, {"99", "2023"}};
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        r.fld_year_last = c.stored;
        r.ChangeToNewYearData(newYear());
        EXPECT_EQ(r.fld_year_last.value(), c.expected) << c.stored;
    }
}

TEST(T3RetCarryForward, AnswersAmountsAndIdentificationStay)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_taxable_capgain = 1234.56;
    r.fld_total_inc = 1234.56;
    r.fld_RefCode = 1;
    r.ChangeToNewYearData(newYear());
    EXPECT_DOUBLE_EQ(r.fld_taxable_capgain.value(), 1234.56);
    EXPECT_DOUBLE_EQ(r.fld_total_inc.value(), 1234.56);
    EXPECT_EQ(r.fld_RefCode.value(), 1);
    EXPECT_EQ(r.fld_trust_num.value(), "T12345678");
    EXPECT_EQ(r.fld_q_pay_bnf.value(), 1);
    EXPECT_EQ(r.fld_cert_date.value(), QDate(2025, 3, 14));
}

TEST(T3RetCarryForward, SameYearClearsOnlyTheFilingStatus)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_year_last = "2022";
    fileLastYear(r);
    r.ChangeToNewYearData(newYear(true));
    EXPECT_EQ(r.fld_start_date.value(), QDate(2024, 1, 1));
    EXPECT_EQ(r.fld_end_date.value(), QDate(2024, 12, 31));
    EXPECT_EQ(r.fld_first_year.value(), 0);
    EXPECT_EQ(r.fld_year_last.value(), "2022");
    EXPECT_EQ(r.fld_ws_FileStatus.value(), 0);
    EXPECT_EQ(r.fld_ws_ConfirmCode.value(), "");
    EXPECT_EQ(r.fld_ws_FileDate.value(), "");
}

TEST(T3RetCarryForward, BaseOfEveryReturnTypeClearsTheStatusOnly)
{
    TaxData_T3Base base(5);
    base.fld_ws_FileStatus = 2;
    base.fld_ws_ConfirmCode = "X";
    base.fld_ws_FileDate = "Y";
    EXPECT_EQ(base.ChangeToNewYearData(newYear()), 0);
    EXPECT_EQ(base.fld_ws_FileStatus.value(), 0);
    EXPECT_EQ(base.fld_ws_ConfirmCode.value(), "");
    EXPECT_EQ(base.fld_ws_FileDate.value(), "");
}

}  // namespace
