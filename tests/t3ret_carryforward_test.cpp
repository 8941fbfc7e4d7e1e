// Carry-forward of the T3 return into the next tax year (the whole return's
// step, with a non-calendar year, is in host_carry_forward_test.cpp).
#include "t3ret_test_support.h"

namespace {

void fileLastYear(TaxData_T3Ret& r)
{
    fillCompleteReturn2024(r);
    r.fld_start_date = QDate(2023, 1, 1);
    r.fld_end_date = QDate(2023, 12, 31);
    r.fld_year_last = "2022";
    r.fld_taxable_capgain = 1234.56;
    r.fld_RefCode = 1;
    r.fld_ws_bSetStatus = true;
    r.fld_ws_FileStatus = 1;
    r.fld_ws_ConfirmCode = "ABC123";
    r.fld_ws_FileDate = "2024-03-01 10:00:00";
}

TEST(T3RetCarryForward, NewYearMovesThePeriodClearsTheStatusAndKeepsTheRest)
{
    for (const bool sameYear : {false, true}) {
        SCOPED_TRACE(sameYear);
        TaxData_T3Ret r;
        fileLastYear(r);
        STRUCT_IMPORT_LASTYEAR_PARAM p;
        p.bSameYear = sameYear;
        EXPECT_TRUE(r.ShouldBeImported(0, PROV_ON));
        EXPECT_EQ(r.ChangeToNewYearData(p), 0);

        const int year = sameYear ? 2023 : 2024;
        EXPECT_EQ(r.fld_start_date.value(), QDate(year, 1, 1));
        EXPECT_EQ(r.fld_end_date.value(), QDate(year, 12, 31));
        EXPECT_EQ(r.fld_first_year.value(), sameYear ? 0 : 1);
        EXPECT_EQ(r.fld_year_last.value(), sameYear ? "2022" : "2023");
        EXPECT_EQ(r.fld_ws_FileStatus.value(), 0);
        EXPECT_EQ(r.fld_ws_ConfirmCode.value(), "");
        EXPECT_EQ(r.fld_ws_FileDate.value(), "");
        EXPECT_DOUBLE_EQ(r.fld_taxable_capgain.value(), 1234.56);
        EXPECT_EQ(r.fld_RefCode.value(), 1);
        EXPECT_EQ(r.fld_trust_num.value(), "T12345678");
        EXPECT_EQ(r.fld_q_pay_bnf.value(), 1);
        EXPECT_EQ(r.fld_cert_date.value(), QDate(2025, 3, 14));
    }
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
        r.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM());
        EXPECT_EQ(r.fld_year_last.value(), c.expected) << c.stored;
    }
}

}  // namespace
