// Schedule 3: the chart for line 17, and Parts 1 to 3 at their floors and
// "whichever is less" choices.
#include "schedules/sch3.h"

#include <gtest/gtest.h>

namespace {
constexpr double kTol = 1e-9;
}

// One chart year at a time: reserve, net capital losses -> column 4, column 5.
struct ChartCase {
    int year;
    double reserve, losses, taxableReserve, adjustedLoss;
};

class Sch3Chart : public testing::TestWithParam<ChartCase> {};

TEST_P(Sch3Chart, TaxableReserveAndAdjustedLossOfTheYear)
{
    const ChartCase& c = GetParam();
    TaxData_Sch3 s;
    TaxData_Sch3::ChartYear& y = *s.chartYears()[size_t(c.year - 1985)];
    y.ReservePre1985 = c.reserve;
    y.NetLossOtherYears = c.losses;
    EXPECT_NEAR(s.CalcAdjustedLoss(), c.taxableReserve, kTol);
    EXPECT_NEAR(y.TaxableReserve, c.taxableReserve, kTol);
    EXPECT_NEAR(y.AdjLoss, c.adjustedLoss, kTol);
    EXPECT_NEAR(s.fld_totalAdjLossAfter1984, c.taxableReserve, kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Years, Sch3Chart,
    testing::Values(ChartCase{1985, 1000.0, 300.0, 500.0, 300.0},     // 1/2, losses lesser
                    ChartCase{1987, 1000.0, 900.0, 500.0, 500.0},     // 1/2, reserve lesser
                    ChartCase{1988, 900.0, 1000.0, 600.0, 600.0},     // 2/3
                    ChartCase{1990, 800.0, 500.0, 600.0, 500.0},      // 3/4
                    ChartCase{1991, 800.0, 600.005, 600.0, 600.005},  // within the tolerance: column 1 stays
                    // 1985 floors the adjusted loss, and keeps a negative taxable reserve in the total
                    ChartCase{1985, -200.0, 50.0, -100.0, 0.0},
                    // later years floor the taxable reserve after taking it as the adjusted loss
                    ChartCase{1989, -300.0, 50.0, 0.0, -200.0}));

TEST(Sch3Calculate, Part1TakesTheLesserOfLines4And5AndFloorsLines9And12)
{
    TaxData_Sch3 s;
    s.fld_partEligibleCC = 10000.0;
    s.fld_part1TotalSch2 = 2000.0;      // line 4: 6,000
    s.fld_part1TotalTaxableCC = 5000.0;  // line 5 is less
    s.fld_part1NetCC = 300.0;            // line 9: 300 - (5,000 - 5,000) = 300
    s.fld_AllowableBIL = 200.0;
    s.Calculate();
    EXPECT_NEAR(s.fld_part1Subtotal_1_half, 6000.0, kTol);
    EXPECT_NEAR(s.fld_part1QualifyTaxableCC, 5000.0, kTol);
    EXPECT_NEAR(s.fld_part1Line5, 5000.0, kTol);
    EXPECT_NEAR(s.fld_part1Line6, 5000.0, kTol);
    EXPECT_NEAR(s.fld_AfterLine8, 300.0, kTol);
    EXPECT_NEAR(s.fld_TotalLoss, 500.0, kTol);
    EXPECT_NEAR(s.fld_part1AnnualGain, 4500.0, kTol);

    s.fld_part1TotalTaxableCC = 9000.0;  // line 4 is less: line 8 = 3,000, line 9 floored
    s.fld_AllowableBIL = 7000.0;         // line 12 floored
    s.Calculate();
    EXPECT_NEAR(s.fld_part1QualifyTaxableCC, 6000.0, kTol);
    EXPECT_NEAR(s.fld_Line8, 3000.0, kTol);
    EXPECT_EQ(s.fld_AfterLine8.value(), 0.0);
    EXPECT_EQ(s.fld_part1AnnualGain.value(), 0.0);
}

TEST(Sch3Calculate, Parts2And3GiveTheEligibleTaxableCapitalGains)
{
    TaxData_Sch3 s;
    s.fld_partEligibleCC = 8000.0;
    s.fld_part1TotalTaxableCC = 4000.0;    // line 6: 4,000; line 12: 4,000
    s.fld_3200 = 1000.0;                   // line 15: 5,000
    s.fld_part2LossAfter1984 = 700.0;
    s.m_1990.ReservePre1985 = 400.0;       // line 17: 300; line 18: 400
    s.fld_part2CumulativeNetLoss = 100.0;  // line 22: 500; line 23: 4,500
    s.fld_3321 = 250.0;
    s.fld_3322 = 250.25;                   // line 29: 3,999.75
    s.Calculate();
    EXPECT_NEAR(s.fld_3230, 400.0, kTol);
    EXPECT_NEAR(s.fld_part2TotalLoss, 500.0, kTol);
    EXPECT_NEAR(s.fld_part2GainsLimit, 4500.0, kTol);
    EXPECT_NEAR(s.fld_part3Subtotal, 3999.75, kTol);
    EXPECT_NEAR(s.fld_3340, 3999.75, kTol);  // line 29 is less than line 24

    s.fld_3322 = 0.0;  // line 29: 4,250, line 24 (4,000) is less
    s.Calculate();
    EXPECT_NEAR(s.fld_3340, 4000.0, kTol);

    s.fld_part2LossAfter1984 = 9000.0;  // line 23 and line 29 floored at 0
    s.Calculate();
    EXPECT_EQ(s.fld_part2GainsLimit.value(), 0.0);
    EXPECT_EQ(s.fld_part3Subtotal.value(), 0.0);
    EXPECT_EQ(s.fld_3340.value(), 0.0);
}
