// Schedule 20: the lines of Parts 1 and 2 and the allowance at their floors,
// a Part 6 period, and the line stream's choice of lines.
#include "schedules/sch20.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr double kTol = 1e-9;

TEST(Sch20, BaseAmountDeductionsAndAllowance)
{
    TaxData_Sch20 s;
    s.fld_Part1_A = 400000.0;
    s.fld_099 = 100000.0;  // line 100: 300,000
    s.fld_101 = 1000.0;
    s.fld_103 = 5000.0;
    s.fld_104 = 4000.0;
    s.fld_105 = 2000.0;    // line 107: 5,000 - 6,000, floored
    s.fld_109 = 700.0;
    s.fld_110 = 200.0;     // line 111: 500
    s.fld_114 = 30000.0;
    s.fld_115 = 10000.0;   // K 40,000; line 116: 40,000 x 300,000 / 400,000
    s.fld_117 = 1500.0;
    s.fld_120 = 100.0;
    s.fld_121 = 80.0;
    s.fld_122 = 30.0;      // line 123: 100 - 110, floored
    s.fld_200 = 250000.0;
    s.fld_210 = 9000.0;
    s.fld_211 = 8000.0;    // line 212: 8,000
    s.fld_214 = 50000.0;
    s.Calculate();
    EXPECT_EQ(s.fld_100.value(), 300000.0);
    EXPECT_EQ(s.fld_107.value(), 0.0);
    EXPECT_EQ(s.fld_111.value(), 500.0);
    EXPECT_EQ(s.fld_113.value(), 301500.0);
    EXPECT_NEAR(s.fld_116.value(), 30000.0, kTol);
    EXPECT_EQ(s.fld_123.value(), 0.0);
    EXPECT_EQ(s.fld_213.value(), 258000.0);
    EXPECT_EQ(s.fld_222.value(), 208000.0);
    EXPECT_NEAR(s.fld_223.value(), 208000.0, kTol);  // below 301,500 - 30,000 - 1,500
    s.fld_117 = 300000.0;
    s.Calculate();
    EXPECT_EQ(s.fld_223.value(), 0.0);

    TaxData_Sch20 noIncome;
    noIncome.fld_114 = 10.0;
    noIncome.Calculate();
    EXPECT_EQ(noIncome.fld_116.value(), 0.0);  // amount A of 0: no division
}

TEST(Sch20, ForeignBankPeriod)
{
    TaxData_Sch20 s;
    s.fld_Part6BankAssets_12 = 1000000.0;  // C 50,000
    s.fld_Part6BankLiability_12 = 600000.0;
    s.fld_Part6BankAdvance_12 = 100000.0;  // G 700,000
    s.fld_Part6ColH_12 = 400000.0;         // capped at 1,000,000 - 750,000
    s.fld_Part6BankCost_12 = 990000.0;
    s.Calculate();
    EXPECT_EQ(s.fld_Part6ColC_12.value(), 50000.0);
    EXPECT_EQ(s.fld_Part6ColH_12.value(), 250000.0);
    EXPECT_EQ(s.fld_Part6ColI_12.value(), 950000.0);
    EXPECT_EQ(s.fld_Part6ColJ_12.value(), 40000.0);
    EXPECT_EQ(s.fld_Part6ColK_12.value(), 40000.0);
    s.fld_Part6ColH_12 = -5.0;
    s.fld_Part6BankCost_12 = 1.0;
    s.Calculate();
    EXPECT_EQ(s.fld_Part6ColH_12.value(), 0.0);
    EXPECT_EQ(s.fld_Part6ColJ_12.value(), 0.0);
}

TEST(Sch20, StreamWritesLine200OnlyWithoutTheForeignBankLines)
{
    for (bool bank : {false, true}) {
        TaxData_Sch20 s;
        s.fld_Part6ForeignBank = bank;
        s.fld_099 = 12.4;
        s.fld_200 = 5.0;
        s.fld_650 = 7.0;
        s.fld_223 = 0.008;
        NetfileTypedMap typed;
        int reserved = 7;
        s.WriteNetfile(0, typed, nullptr, reserved);
        EXPECT_EQ(reserved, 7) << "the host's argument is left alone";
        EXPECT_EQ(typed.count("99-1"), 1u);
        EXPECT_EQ(typed.count("200-1"), bank ? 0u : 1u);
        EXPECT_EQ(typed.count("650-1"), bank ? 1u : 0u);
        EXPECT_EQ(typed.count("223-1"), 0u);
    }
}

}  // namespace
