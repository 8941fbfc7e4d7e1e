// Schedule 10: Part II.2 tax of Part C, the Part XII.2 tax lines 11 to 14 and
// Part B's totals, and the return's lines 80 and 83.
#include "schedules/sch10.h"

#include "host/calc_engine.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(Sch10, PartIIPoint2TaxOnRepurchases)
{
    const struct {
        double line48, a, b, c, d;
        double line49, line52, tax;
    } cases[] = {
        {1000.0, 500.0, 200.0, 100.0, 50.0, 300.0, 1150.0, 23.0},
        {1000.0, 200.0, 200.01, 0.0, 0.0, 0.0, 1000.0, 20.0},  // A below B
        {1000.0, 0.0, 0.0, 600.0, 400.01, 0.0, 0.0, 0.0},      // line 51 above line 50
    };
    for (const auto& c : cases) {
        TaxData_Sch10 s;
        s.fld_10300 = c.line48;
        s.fld_10310_A = c.a, s.fld_10310_B = c.b, s.fld_10320_C = c.c, s.fld_10320_D = c.d;
        s.Calculate01();
        EXPECT_NEAR(s.fld_10310, c.line49, kTol);
        EXPECT_NEAR(s.fld_after_10320, c.line52, kTol);
        EXPECT_NEAR(s.fld_Part2_2Tax, c.tax, kTol);
    }
}

TEST(Sch10, PartXIIPoint2TaxAndItsShareOfDesignatedBeneficiaries)
{
    const struct {
        double income, toBeneficiaries, benefits;
        double line12, line13;
    } cases[] = {
        {1000.0, 5000.0, 0.0, 400.0, 100.0},   // line 6 the lesser; a quarter to designated beneficiaries
        {9000.0, 5000.0, 1000.0, 1600.0, 500.0},  // line 11 the lesser
        {1000.0, 1000.0, 1000.0, 0.0, 0.0},    // line 11 of 0: nothing to divide by
    };
    for (const auto& c : cases) {
        TaxData_Sch10 s;
        s.fld_10010 = c.income;
        s.fld_ResBeneficiaries = c.toBeneficiaries;
        s.fld_TaxableBenefit = c.benefits;
        s.fld_IncAllocBene = c.toBeneficiaries / 4;
        s.fld_b4_10210 = 10.0, s.fld_10210 = 5.0, s.fld_10230 = 1.0, s.fld_10240 = 2.0, s.fld_10250 = 3.0;
        s.Calculate01();
        s.CalculatePartsAB();
        EXPECT_NEAR(s.fld_TaxPayable, c.line12, kTol);
        EXPECT_NEAR(s.fld_Line13, c.line13, kTol);
        EXPECT_NEAR(s.fld_Credit, c.line12 - c.line13, kTol);
        EXPECT_NEAR(s.fld_after10210, 15.0, kTol);
        EXPECT_NEAR(s.fld_SubtotalB, 6.0 + c.line13, kTol);
    }
}

TEST(Sch10, TaxesReachLines80And83)
{
    TaxReturn ret;
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    t3->fld_other_inv = 10000.0;
    auto* sch9 = static_cast<TaxData_Sch9*>(ret.add(std::make_unique<TaxData_Sch9>()));
    sch9->fld_9261 = 3000.0;
    auto* sch10 = static_cast<TaxData_Sch10*>(ret.add(std::make_unique<TaxData_Sch10>()));
    sch10->fld_10010 = 5000.0;
    sch10->fld_10300 = 100.0;
    calculateReturn(ret);
    EXPECT_NEAR(sch10->fld_ResBeneficiaries, 3000.0, kTol);
    EXPECT_NEAR(t3->fld_part7_2_tax, 1200.0, kTol);
    EXPECT_NEAR(t3->fld_80, 2.0, kTol);
}

}  // namespace
