// Form T184: the federal refund at its two limits, the refund of each kind of
// jurisdiction, the Ontario carry lines, and line 89 of the return.
#include "taxcalc/t184.h"

#include "framework/geo_tables.h"
#include "host/calc_engine.h"
#include "returns/t3ret.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

// Refundable tax on hand 1,650 (line 84005), grossed up to 10,000; redemptions
// 45,000 less twice the designated gains.
void enter(TaxData_T184& t, int jurisdiction, double designated)
{
    t.setProvince(jurisdiction);
    t.fld_TaxableIncome = t.fld_ONtaxableIncome = t.fld_MBTaxableIncome = t.fld_TaxableIncome_AB = 100000.0;
    t.fld_84000 = 30000.0;
    t.fld_LineC = 1750.0;
    t.fld_84004 = 100.0;
    t.fld_84007 = 50000.0;
    t.fld_84015 = 150000.0;
    t.fld_84021 = designated;
    t.fld_ONTaxPayable = 5000.0;
    t.fld_84102 = 3000.0, t.fld_84103 = 500.0, t.fld_84104 = 500.0, t.fld_84116 = 380.75, t.fld_84120 = 1000.0;
    t.fld_ONCCRefund96_99 = 100.0, t.fld_ONCCRefund00_08 = 200.0, t.fld_ONCCRefund09_15 = 300.0;
    t.fld_ONSurtax00_08 = 10.0, t.fld_ONSurtax09_15 = 20.0, t.fld_ONSurtax16_21 = 30.0;
    t.fld_MBTaxPayable = 4000.0, t.fld_84404 = 500.0, t.fld_84408 = 700.0;
    t.fld_ABTaxPayable = 3000.0, t.fld_84204 = 750.0;
    t.CalculateFed();
    t.CalculateProv();
}

TEST(T184, FederalRefundIsTheLesserOfTaxOnHandAndRatedRedemptions)
{
    TaxData_T184 t;
    enter(t, PROV_NONE, 0.0);
    EXPECT_NEAR(t.fld_84002, 1750.0, kTol);
    EXPECT_NEAR(t.fld_84005, 1650.0, kTol);
    EXPECT_NEAR(t.fld_after84005, 10000.0, 1e-8);
    EXPECT_NEAR(t.fld_CCSubtotal, 45000.0, 1e-8);  // 60,000 x 150,000 / 200,000
    EXPECT_NEAR(t.fld_84050, 1650.0, kTol);

    enter(t, PROV_NONE, 20000.0);  // 84045 of 5,000: 16.5 % is 825
    EXPECT_NEAR(t.fld_84045, 5000.0, 1e-8);
    EXPECT_NEAR(t.fld_84050, 825.0, 1e-8);

    for (int jurisdiction : {PROV_ON, PROV_MB}) {  // designated gains above the redemptions: no refund
        enter(t, jurisdiction, 30000.0);
        EXPECT_EQ(t.fld_84045, 0.0);
        EXPECT_EQ(t.fld_totalCCRefund, 0.0);
    }

    t.fld_84007 = 0.0;
    t.fld_84015 = 0.0;
    t.fld_84021 = 0.0;
    t.CalculateFed();
    EXPECT_EQ(t.fld_CCSubtotal, 0.0);  // nothing to divide by
    EXPECT_EQ(t.fld_84050, 0.0);
}

TEST(T184, RefundOfEachJurisdiction)
{
    const struct {
        const char* what;
        int jurisdiction;
        double designated;
        double provs, on, mb, ab;
    } cases[] = {
        {"British Columbia: 62.12 %", PROV_BC, 0.0, 1024.98, 0.0, 0.0, 0.0},
        {"Quebec: none", PROV_QC, 0.0, 0.0, 0.0, 0.0, 0.0},
        {"several jurisdictions: none", PROV_MULTIPLE, 0.0, 0.0, 0.0, 0.0, 0.0},
        {"Ontario with its carry lines", PROV_ON, 0.0, 0.0, 6959.25, 0.0, 0.0},
        {"Ontario limited by redemptions", PROV_ON, 20000.0, 0.0, 513.25, 0.0, 0.0},
        {"Manitoba", PROV_MB, 0.0, 0.0, 0.0, 3800.0, 0.0},
        {"Alberta", PROV_AB, 0.0, 0.0, 0.0, 0.0, 3750.0},
    };
    for (const auto& c : cases) {
        TaxData_T184 t;
        enter(t, c.jurisdiction, c.designated);
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(t.fld_federalCCRefundProvs, c.provs, 1e-8);
        EXPECT_NEAR(t.fld_From84115, c.on, 1e-8);
        EXPECT_NEAR(t.fld_From84307, c.mb, 1e-8);
        EXPECT_NEAR(t.fld_From84203, c.ab, 1e-8);
        EXPECT_NEAR(t.fld_totalCCRefund, t.fld_84050 + c.provs + c.on + c.mb + c.ab, 1e-8);
        // The parts of other jurisdictions are cleared, entries included.
        EXPECT_EQ(t.fld_84102 == 0.0, c.jurisdiction != PROV_ON);
        EXPECT_EQ(t.fld_84404 == 0.0, c.jurisdiction != PROV_MB);
        EXPECT_EQ(t.fld_84204 == 0.0, c.jurisdiction != PROV_AB);
    }
}

TEST(T184, OntarioCarryLinesOnlyWhileTheRefundIsTheWholeTaxOnHand)
{
    TaxData_T184 t;
    enter(t, PROV_ON, 0.0);
    EXPECT_NEAR(t.fld_84107, 4619.25, 1e-8);
    EXPECT_NEAR(t.fld_84117, 2000.0, 1e-8);
    EXPECT_NEAR(t.fld_84122, 600.0, kTol);
    EXPECT_NEAR(t.fld_84124, 60.0, kTol);
    EXPECT_NEAR(t.fld_84126, 340.0, kTol);

    enter(t, PROV_ON, 20000.0);
    for (double v : {t.fld_ONtemp84105.value(), t.fld_84117.value(), t.fld_84122.value(), t.fld_84124.value(),
                     t.fld_84126.value()})
        EXPECT_EQ(v, 0.0);
}

TEST(T184, FederalRefundIsLine89OfTheReturn)
{
    TaxReturn ret;
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    t3->fld_trust_icountry = COUNTRY_CANADA;
    t3->fld_trust_iprov = PROV_BC;
    t3->fld_other_inv = 100000.0;
    auto* t184 = static_cast<TaxData_T184*>(ret.add(std::make_unique<TaxData_T184>()));
    t184->fld_84000 = 30000.0;
    t184->fld_LineC = 1750.0;
    t184->fld_84004 = 100.0;
    t184->fld_84007 = 50000.0;
    t184->fld_84015 = 150000.0;
    calculateReturn(ret);
    EXPECT_NEAR(t184->fld_TaxableIncome, 100000.0, kTol);
    EXPECT_NEAR(t184->fld_84051, 1024.98, 1e-8);
    EXPECT_NEAR(t3->fld_capgain_refund, 1650.0, 1e-8);
}

}  // namespace
