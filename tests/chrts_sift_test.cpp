// SIFT trust charts: line 57 at its limits, the SIFT trust tax into
// Schedule 11 line 10, line 8241 floored.
#include "taxcalc/chrts_sift.h"

#include "framework/geo_tables.h"
#include "host/calc_engine.h"
#include "returns/t3ret.h"
#include "taxcalc/sch11.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(SiftCharts, Line57AndTheChartsThatFollowIt)
{
    const struct {
        double taxable, line473, rate1, rate2, line949;
        double lineB, line57, line11080, line8241;
    } cases[] = {
        {10000.0, 1000.0, 0.0, 10.0, 0.0, 0.0, 0.0, 3300.0, 0.0},          // rate 1 of 0: line B 0
        {10000.0, 1000.0, 20.0, 10.0, 999.99, 5000.0, 5000.0, 3800.0, 0.0},  // line 949 just below 473
        {4999.99, 1000.0, 20.0, 10.0, 1000.01, 5000.0, 4999.99, 2149.9957, 0.01},
        {10000.0, 1000.0, 20.0, -5.0, 3000.0, 5000.0, 5000.0, 3050.0, 2000.0},  // a deduction
        {-200.0, 1000.0, 20.0, 10.0, 0.0, 5000.0, -200.0, -86.0, 0.0},
    };
    for (const auto& c : cases) {
        TaxData_CHRTS_SIFT s;
        s.fld_taxableIncome = c.taxable;
        s.fld_chart2TaxableIncome = c.taxable;
        s.fld_chart3TaxableIncome = c.taxable;
        s.fld_chart4NetIncome = c.taxable + 100.0;
        s.fld_473 = c.line473;
        s.fld_rate1 = c.rate1;
        s.fld_rate2 = c.rate2;
        s.fld_rate3 = 50.0;
        s.fld_chart5From949 = c.line949;
        s.Calculate();
        SCOPED_TRACE(c.taxable);
        EXPECT_NEAR(s.fld_chart1LineB, c.lineB, kTol);
        EXPECT_NEAR(s.fld_57, c.line57, kTol);
        EXPECT_NEAR(s.fld_11080, c.line11080, kTol);
        EXPECT_NEAR(s.fld_chart2LineD, c.line57 / 2, kTol);
        EXPECT_NEAR(s.fld_58, c.taxable - c.line57, kTol);
        EXPECT_NEAR(s.fld_chart4AdjNetIncome, c.taxable + 100.0 - c.line57, kTol);
        EXPECT_NEAR(s.fld_8241, c.line8241, kTol);
    }
}

// A trust (not graduated) with the charts: Schedule 11 line 10 is the SIFT
// tax, not 33 % of taxable income; a graduated rate estate keeps its chart.
TEST(SiftCharts, ReplaceScheduleElevenLine10OfAFlatRateTrust)
{
    for (const bool estate : {false, true}) {
        TaxReturn ret;
        auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
        t3->fld_ws_othertype = !estate;
        t3->fld_trust_icountry = COUNTRY_CANADA;
        t3->fld_trust_iprov = PROV_ON;
        t3->fld_other_inv = 10000.0;
        auto* sift = static_cast<TaxData_CHRTS_SIFT*>(ret.add(std::make_unique<TaxData_CHRTS_SIFT>()));
        sift->fld_473 = 1000.0;
        sift->fld_rate1 = 20.0;
        sift->fld_rate2 = 10.0;
        auto* sch11 = static_cast<TaxData_Sch11*>(ret.add(std::make_unique<TaxData_Sch11>()));
        calculateReturn(ret);
        SCOPED_TRACE(estate);
        EXPECT_NEAR(sift->fld_taxableIncome, 10000.0, kTol);
        EXPECT_NEAR(sift->fld_57, 5000.0, kTol);
        EXPECT_NEAR(sch11->fld_11080, estate ? 1500.0 : 3800.0, kTol);
        EXPECT_NEAR(sch11->fld_line9, 0.0, kTol);
    }
}

}  // namespace
