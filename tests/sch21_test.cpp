// Schedule 21: line 600 by the foreign bank answer, the credit columns of
// Parts 1 and 2 with their caps, the carryback caps of Part 4, Parts 5 and 9,
// and its message.
#include "schedules/sch21.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(Sch21, Line600FollowsTheForeignBankAnswer)
{
    TaxData_Sch21 s;
    s.fld_F300T2 = 100000.0;
    s.fld_F332T2 = 10000.0;
    s.fld_FromSection112_113 = 5000.0;
    s.fld_F350T2 = 5000.0;
    s.fld_F355T2 = 1000.0;
    s.fld_F360T2 = 30000.0;
    s.fld_IncCanBank = 20000.0;
    s.fld_AmtSubPara115 = 15000.0;
    s.fld_600 = 7.0;
    s.Calculate();
    EXPECT_EQ(s.fld_600.value(), 7.0);  // unanswered: left as it is

    s.fld_Part6IsNotBank = 0;
    s.Calculate();
    EXPECT_EQ(s.fld_SubTotalAfterF350T2.value(), 80000.0);
    EXPECT_EQ(s.fld_Part6_A.value(), 81000.0);
    EXPECT_EQ(s.fld_600.value(), 81000.0);
    EXPECT_EQ(s.fld_F360T2.value(), 0.0);

    s.fld_F360T2 = 30000.0;
    s.fld_IncCanBank = 20000.0;
    s.fld_AmtSubPara115 = 15000.0;
    s.fld_Part6IsNotBank = 1;
    s.Calculate();
    EXPECT_EQ(s.fld_F300T2.value(), 0.0);
    EXPECT_EQ(s.fld_Part6_A.value(), 0.0);
    EXPECT_EQ(s.fld_Part6_C.value(), 35000.0);
    EXPECT_EQ(s.fld_600.value(), 30000.0);
}

TEST(Sch21, NonBusinessAndBusinessCreditsOfARow)
{
    TaxData_Sch21 s;
    s.fld_Part6IsNotBank = 0;
    s.fld_F300T2 = 200000.0;  // line 600
    s.fld_F550T2 = 30000.0;   // line 610
    s.fld_Line550T2 = 40000.0;
    s.fld_Line620T2 = 4000.0;  // line 620 = 36,000
    s.fld_110_2 = 10000.0;
    s.fld_120_2 = 2000.0;
    s.fld_130_2 = 2500.0;  // capped at 120
    s.fld_non_busi_credit_claimed_2 = 900.0;
    s.fld_100_2 = 7;
    s.fld_210_2 = 50000.0;
    s.fld_220_2 = 12000.0;
    s.fld_230_2 = 100.0;
    s.fld_busi_credit_claimed_2 = 9999.0;
    s.Calculate();
    EXPECT_EQ(s.fld_130_2.value(), 2000.0);
    EXPECT_EQ(s.fld_Part1_E_2.value(), 0.0);
    EXPECT_NEAR(s.fld_Part1_H_2.value(), 1500.0, kTol);  // 30,000 x 10,000 / 200,000
    EXPECT_EQ(s.fld_180_2.value(), 0.0);
    EXPECT_EQ(s.fld_non_busi_credit_claimed_2.value(), 0.0);
    EXPECT_EQ(int(s.fld_200_2), 7);
    EXPECT_EQ(s.fld_620.value(), 36000.0);
    EXPECT_EQ(s.fld_Part2_E_2.value(), 12100.0);
    EXPECT_EQ(s.fld_Part2_H_2.value(), 36000.0);
    EXPECT_NEAR(s.fld_Part2_I_2.value(), 9000.0, kTol);  // 36,000 x 50,000 / 200,000
    EXPECT_NEAR(s.fld_280_2.value(), 9000.0, kTol);
    EXPECT_NEAR(s.fld_busi_credit_claimed_2.value(), 9000.0, kTol);
    EXPECT_NEAR(s.fld_busi_credit_total.value(), 9000.0, kTol);
    // Part 3 and 4: 12,000 paid less 9,000 claimed leaves 3,000 to carry back.
    s.fld_901_2 = 2000.0;
    s.fld_902_2 = 2000.0;
    s.fld_903_2 = 500.0;
    s.Calculate();
    EXPECT_NEAR(s.fld_Part4_U_2.value(), 3000.0, kTol);
    EXPECT_NEAR(s.fld_901_2.value(), 2000.0, kTol);
    EXPECT_NEAR(s.fld_902_2.value(), 1000.0, kTol);
    EXPECT_NEAR(s.fld_903_2.value(), 0.0, kTol);
    EXPECT_NEAR(s.fld_Part3_R_2.value(), 4500.0, kTol);  // before the caps
    EXPECT_NEAR(s.fld_380_2.value(), 0.0, kTol);         // 12,000 - 9,000 - 4,500, not below 0
}

TEST(Sch21, EmptyRowsClearOnlyTheirLineColumns)
{
    TaxData_Sch21 s;
    s.fld_Part1_F_1 = 5.0;
    s.fld_Part1_E_1 = 5.0;
    s.fld_110_1 = 0.008;
    s.Calculate();
    EXPECT_EQ(s.fld_Part1_F_1.value(), 0.0);
    EXPECT_EQ(s.fld_Part1_E_1.value(), 5.0);
}

TEST(Sch21, LoggingAndProvincialCredits)
{
    TaxData_Sch21 s;
    s.fld_500 = 3000.0;  // C = 200
    s.fld_510 = 150.0;   // E = 100
    s.fld_Part5_TaxIncCAN = 6000.0;
    s.fld_Part9_A = 1000.0;
    s.fld_Part9_B = 200.0;
    s.fld_Part9_D = 900.0;
    s.fld_TaxIncInProv = 50.0;
    s.fld_Part9_G = 500.0;
    s.fld_ProvTaxRate = 10.0;
    s.Calculate();
    EXPECT_NEAR(s.fld_Part5_F_1.value(), 100.0, kTol);
    EXPECT_NEAR(s.fld_Part5_H.value(), 400.0, kTol);
    EXPECT_NEAR(s.fld_580.value(), 100.0, kTol);
    EXPECT_EQ(s.fld_Part9_E.value(), 0.0);
    EXPECT_EQ(s.fld_Part9_F.value(), 0.0);  // no taxable income in Canada: no division
    EXPECT_NEAR(s.fld_Part9_H.value(), 50.0, kTol);
    EXPECT_EQ(s.fld_Part9_I.value(), 0.0);
}

TEST(Sch21, AsksWhetherTheCorporationIsAForeignBank)
{
    TaxData_Sch21 s;
    std::list<CString> messages;
    EXPECT_EQ(s.Validate(0, messages), 1);
    EXPECT_EQ(messages.front().toStdString(),
              "Please choose an option at field of whether the corporation is a foreign bank in Part 6..");
    s.fld_Part6IsNotBank = 1;
    messages.clear();
    EXPECT_EQ(s.Validate(0, messages), 0);
}

}  // namespace
