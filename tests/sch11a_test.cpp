// Schedule 11A: the donations limit, the amount claimed and the credit at
// its three rates around the income threshold.
#include "taxcalc/sch11a.h"

#include "host/calc_engine.h"
#include "returns/t3ret.h"
#include "taxcalc/sch11.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(Sch11A, CreditAtItsThreeRates)
{
    const struct {
        const char* what;
        bool graduated;
        double taxInc, claimed, ecological;
        double at33, at29, credit;
    } cases[] = {
        {"150 of donations", false, 50000.0, 150.0, 0.0, 0.0, 0.0, 22.5},
        {"other trust: all above 200 at 33%", false, 50000.0, 1200.0, 0.0, 1000.0, 0.0, 360.0},
        {"ecological gifts at 29%", false, 50000.0, 1200.0, 400.0, 600.0, 400.0, 344.0},
        {"estate below the threshold", true, 100000.0, 1200.0, 0.0, 0.0, 1000.0, 320.0},
        {"estate just below the threshold", true, 221707.995, 1200.0, 0.0, 0.0, 1000.0, 320.0},
        {"estate above the threshold", true, 222008.0, 1200.0, 0.0, 300.0, 700.0, 332.0},
    };
    for (const auto& c : cases) {
        TaxData_Sch11A s;
        s.m_isGraduatedRate = c.graduated;
        s.fld_TaxInc = c.taxInc;
        s.fld_NetInc = 100000.0;
        s.fld_11126 = 5000.0;
        s.fld_11125 = c.claimed;
        s.fld_11119 = c.ecological;
        s.Calculate();
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(s.fld_Pcnt33Amt, c.at33, kTol);
        EXPECT_NEAR(s.fld_Pcnt29Amt, c.at29, kTol);
        EXPECT_NEAR(s.fld_11120, c.credit, kTol);
    }
}

TEST(Sch11A, DonationsLimitAndClaimCaps)
{
    const struct {
        double netInc, donations, gains, claimed;
        double limit, allowable, line14, line7;
    } cases[] = {
        {10000.0, 5000.0, 1000.0, 9000.0, 0.0, 5000.0, 5000.0, 0.0},     // 75% of net income above line 5
        {4000.0, 5000.0, 1000.0, 9000.0, 4000.0, 4000.0, 4000.0, 1000.0},  // line 9 cut to net income
        {4000.0, 5000.0, 500.0, 3400.0, 3500.0, 3500.0, 3400.0, 500.0},
    };
    for (const auto& c : cases) {
        TaxData_Sch11A s;
        s.fld_NetInc = c.netInc;
        s.fld_11126 = c.donations;
        s.fld_11123 = c.gains;
        s.fld_11125 = c.claimed;
        s.fld_11119 = 99999.0;  // cut to line 14
        s.fld_11129 = 99999.0;  // cut to lines 1 to 3 and 11
        s.Calculate();
        SCOPED_TRACE(c.netInc);
        EXPECT_NEAR(s.fld_after_11124, c.limit, kTol);
        EXPECT_NEAR(s.fld_AllowableDonAmt, c.allowable, kTol);
        EXPECT_NEAR(s.fld_11125, c.line14, kTol);
        EXPECT_NEAR(s.fld_11119, c.line14, kTol);
        EXPECT_NEAR(s.fld_11123, c.line7, kTol);
        EXPECT_NEAR(s.fld_11129, c.donations, kTol);
    }
}

TEST(Sch11A, CreditReachesScheduleEleven)
{
    TaxReturn ret;
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    t3->fld_ws_othertype = true;
    t3->fld_other_inv = 10000.0;
    auto* sch11a = static_cast<TaxData_Sch11A*>(ret.add(std::make_unique<TaxData_Sch11A>()));
    sch11a->fld_11126 = 1200.0;
    sch11a->fld_11125 = 1200.0;
    auto* sch11 = static_cast<TaxData_Sch11*>(ret.add(std::make_unique<TaxData_Sch11>()));
    calculateReturn(ret);
    EXPECT_NEAR(sch11a->fld_NetInc, 10000.0, kTol);
    EXPECT_NEAR(sch11->fld_Line16, 360.0, kTol);
    EXPECT_NEAR(sch11->fld_BasicTax, 3300.0 - 360.0, kTol);
}

}  // namespace
