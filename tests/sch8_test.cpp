// Schedule 8: Part A totals, the Part B gross-up at its limits, the lines
// that are not prorated by days, and its two runs in the calculation pass.
#include "schedules/sch8.h"

#include "host/calc_engine.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"
#include "taxcalc/sch11.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(Sch8PartA, LinesTakeExactlyTheirEntries)
{
    TaxData_Sch8 s;
    CFloatField* entries[] = {&s.fld_ws_8110_slip, &s.fld_ws_8110_other, &s.fld_ws_8120_slip,
                              &s.fld_ws_8120_other, &s.fld_FrgnInterest, &s.fld_ws_OtherFrgnInvInc_slip,
                              &s.fld_ws_OtherFrgnInvInc_other, &s.fld_ws_interest_fromslip,
                              &s.fld_ws_interest_other, &s.fld_OtherDeposits, &s.fld_Mortgages,
                              &s.fld_OtherDiv, &s.fld_ws_OtherOther_slip, &s.fld_ws_OtherOther_1,
                              &s.fld_8160, &s.fld_8170, &s.fld_8180, &s.fld_8190};
    double value = 1.0;
    for (CFloatField* f : entries) {
        *f = value;
        value *= 2.0;
    }
    s.Calculate();
    EXPECT_EQ(s.fld_8110.value(), 3.0);
    EXPECT_EQ(s.fld_8120.value(), 12.0);
    EXPECT_EQ(s.fld_after_8120.value(), 15.0);
    EXPECT_EQ(s.fld_FrgnOtherInvInc.value(), 96.0);
    EXPECT_EQ(s.fld_TotalFrnInvInc.value(), 112.0);
    EXPECT_EQ(s.fld_Interest.value(), 384.0);
    EXPECT_EQ(s.fld_OtherInv.value(), 12288.0);
    EXPECT_EQ(s.fld_TotalOther.value(), 16256.0);
    EXPECT_EQ(s.fld_after_8190.value(), 245760.0);
}

// One dividend kind's Part B: dividends, designated, not designated to
// non-residents; then line 20/27, 22/29 and 24/31.
struct GrossUpCase {
    double dividends, designated, nonResident;
    double notDesignated, available, grossUp;  // eligible at 38%
    double otherGrossUp;                       // the same amounts as other dividends, at 15%
};

TEST(Sch8PartB, GrossUpOfDividendsRetained)
{
    const GrossUpCase cases[] = {
        {1000.00, 0.00, 0.00, 1000.00, 1000.00, 380.00, 150.00},
        {1000.00, 999.99, 0.00, 0.01, 0.01, 0.0038, 0.0015},
        {1000.00, 1000.00, 0.00, 0.00, 0.00, 0.00, 0.00},
        {1000.00, 1200.00, 0.00, 0.00, 0.00, 0.00, 0.00},          // line 20 not below 0
        {1000.00, 1200.00, 100.00, 0.00, -100.00, -38.00, -15.00},  // line 22 may be negative
        {1234.57, 200.00, 34.57, 1034.57, 1000.00, 380.00, 150.00},
        {10000.00, 8000.00, 0.00, 2000.00, 2000.00, 760.00, 300.00},
    };
    for (const GrossUpCase& c : cases) {
        TaxData_Sch8 s;
        s.fld_ws_8120_other = c.dividends;
        s.fld_EgblDivToBene = c.designated;
        s.fld_8239 = c.nonResident;
        s.fld_ws_8110_slip = c.dividends;
        s.fld_NonEgblDivToBene = c.designated;
        s.fld_8240 = c.nonResident;
        s.Calculate();
        SCOPED_TRACE(testing::Message() << c.dividends << " less " << c.designated << " less " << c.nonResident);
        EXPECT_EQ(s.fld_TotalEgblDiv.value(), c.dividends);
        EXPECT_NEAR(s.fld_EgblDivNotDsgn.value(), c.notDesignated, kTol);
        EXPECT_NEAR(s.fld_EgblDivToGrossup.value(), c.available, kTol);
        EXPECT_NEAR(s.fld_EgblDivGrossedup.value(), c.grossUp, kTol);
        EXPECT_EQ(s.fld_NonEgblDiv.value(), c.dividends);
        EXPECT_NEAR(s.fld_NonEgblDivNotDsgn.value(), c.notDesignated, kTol);
        EXPECT_NEAR(s.fld_NonEgblDivToGrossup.value(), c.available, kTol);
        EXPECT_NEAR(s.fld_NonEgblDivGrossedup.value(), c.otherGrossUp, kTol);
        EXPECT_NEAR(s.fld_TotallDivGrossedup.value(), c.grossUp + c.otherGrossUp, kTol);
    }
}

TEST(Sch8, OnlyLines14And15AreNotProratedByDays)
{
    const TaxData_Sch8 s;
    EXPECT_FALSE(s.isDaysProrateApplicable("14"));
    EXPECT_FALSE(s.isDaysProrateApplicable("15"));
    for (const char* code : {"01", "13", "16", "140", "", "8170"})
        EXPECT_TRUE(s.isDaysProrateApplicable(code)) << code;
}

// A return whose dividends go through Schedule 8 and are partly designated
// on Schedule 9: one pass carries Part A before total income and Part B
// after the allocation.
TEST(Sch8Engine, OnePassFillsTheReturnAndScheduleElevenFromBothRuns)
{
    TaxReturn ret;
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    t3->fld_i903_904 = 0;
    t3->fld_total_div = 99.0;  // typed values the schedule replaces
    t3->fld_gross_div = 99.0;
    auto* sch8 = static_cast<TaxData_Sch8*>(ret.add(std::make_unique<TaxData_Sch8>()));
    sch8->fld_ws_8110_other = 2000.0;
    sch8->fld_ws_8120_other = 10000.0;
    sch8->fld_FrgnInterest = 300.0;
    sch8->fld_ws_interest_other = 18500.0;
    sch8->fld_8170 = 450.0;
    sch8->fld_8240 = 500.0;
    auto* sch9 = static_cast<TaxData_Sch9*>(ret.add(std::make_unique<TaxData_Sch9>()));
    sch9->fld_9491 = 6000.0;
    sch9->fld_9492 = 2000.0;
    sch9->fld_9231 = 1000.0;
    auto* sch11 = static_cast<TaxData_Sch11*>(ret.add(std::make_unique<TaxData_Sch11>()));

    calculatePass(ret);
    EXPECT_EQ(t3->fld_total_div.value(), 12000.0);
    EXPECT_EQ(t3->fld_noneligible_div.value(), 2000.0);
    EXPECT_EQ(t3->fld_foreign_inv.value(), 300.0);
    EXPECT_EQ(t3->fld_other_inv.value(), 18500.0);
    EXPECT_EQ(t3->fld_charges.value(), 450.0);
    EXPECT_EQ(sch8->fld_EgblDivToBene.value(), 8000.0);
    EXPECT_EQ(sch8->fld_NonEgblDivToBene.value(), 1000.0);
    EXPECT_NEAR(t3->fld_gross_div.value(), 760.0 + 75.0, kTol);  // 2,000 x 38% + 500 x 15%
    EXPECT_NEAR(sch11->fld_EligibleDiv.value(), 760.0, kTol);
    EXPECT_NEAR(sch11->fld_NonEligibleDiv.value(), 75.0, kTol);
    EXPECT_NEAR(t3->fld_net_inc.value(), 30800.0 - 450.0 - 9000.0 + 835.0, kTol);
}

}  // namespace
