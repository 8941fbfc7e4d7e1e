// Schedule 12: whether minimum tax applies at the 0.009 edge, the carryover
// and its user amount, the special foreign tax credit's choices, the
// provincial chart, and the records a minimum-tax-exempt trust writes.
#include "taxcalc/sch12.h"

#include "framework/netfile.h"
#include "framework/province.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

// Net adjusted taxable income 1,000: minimum amount 205; line 91 300.
void runFromLine42(TaxData_Sch12& s)
{
    s.fld_12270 = 1000.0;
    s.fld_payableB4Carryover = 300.0;
    s.fld_12680 = 500.0;
    s.CalculatePart2or3();
    s.CalculateFedTax();
    s.CalculateTillEnd();
    s.CalculateProvTax();
}

TEST(Sch12, MinimumTaxAndCarryover)
{
    const struct {
        const char* what;
        bool exempt;
        double fedTax;
        bool userLine99;
        double line99In;
        bool subject;
        double line72, line89, line98, line99;
    } cases[] = {
        {"line 66 of 0.008 does not apply", false, 204.992, false, 0.0, false, 0.0, 0.0, 95.0, 95.0},
        {"line 66 of 0.009 applies", false, 204.99099999999999, false, 0.0, true, 205.0, 205.0, 0.0, 0.0},
        {"exempt trust", true, 0.0, false, 0.0, false, 0.0, 0.0, 300.0, 300.0},
        {"user amount below the limit", false, 204.992, true, 50.0, false, 0.0, 0.0, 95.0, 50.0},
        {"user amount cut to the limit", false, 204.992, true, 120.0, false, 0.0, 0.0, 95.0, 95.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TaxData_Sch12 s;
        s.m_isMinTaxExempt = c.exempt;
        s.fld_FedTaxPayable = c.fedTax;
        s.fld_ws_overwrite_line71 = c.userLine99;
        s.fld_CryOvrApplied = c.line99In;
        runFromLine42(s);
        EXPECT_EQ(s.isSubjectMinimumTax(), c.subject);
        EXPECT_NEAR(s.fld_12550, c.line72, kTol);
        EXPECT_NEAR(s.fld_12670, c.line89, kTol);
        EXPECT_NEAR(s.fld_line70, c.line98, kTol);
        EXPECT_NEAR(s.fld_CryOvrApplied, c.line99, kTol);
        EXPECT_NEAR(s.fld_12690, 500.0 - c.line99 + c.line89, kTol);
    }
}

TEST(Sch12, CapitalGainsKeptInTheTrustFloored)
{
    TaxData_Sch12 s;
    s.fld_TaxCapGain = 1000.0;
    s.fld_CapGainAllocToBen = 1500.0;
    s.fld_Line5 = 100.0;
    s.CalculatePart1BeforeBasicExempt();
    EXPECT_NEAR(s.fld_CapGainInTrust, 0.0, kTol);
    EXPECT_NEAR(s.fld_12030, 30.0, kTol);
}

TEST(Sch12, SpecialForeignTaxCredit)
{
    const struct {
        double income, nonBusinessTax, businessTax, deductible;
        double line52, line54, line87B;
    } cases[] = {
        {1000.0, 0.0, 205.0, 0.0, 205.0, 205.0, 1.0},    // line 48 equal to line 51
        {1000.0, 150.0, 0.0, 300.0, 100.005, 300.0, 0.6667},  // line 53 above line 52
        {1000.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},          // line 86 of 0
    };
    for (const auto& c : cases) {
        TaxData_Sch12 s;
        s.fld_FrgnBusiInc = c.income;
        s.fld_FrgnNonBusiIncTax = c.nonBusinessTax;
        s.fld_FrgnBusiIncTax = c.businessTax;
        s.fld_FrgnTaxCredit = c.deductible;
        s.CalculatePart2or3();
        s.CalculateTillEnd();
        EXPECT_NEAR(s.fld_FrgnLesserAmt, c.line52, kTol);
        EXPECT_NEAR(s.fld_12290, c.line54, kTol);
        EXPECT_NEAR(s.fld_line64B, c.line87B, kTol);
    }
}

TEST(Sch12, ProvincialChartAndQuebecAbatement)
{
    // Minimum tax applies: line 60 205, line 75 100, line 89 105.
    const struct {
        int jurisdiction;
        double quebec, nl, ab, bc, on;
    } cases[] = {
        {PROV_QC, 205.0 * 0.165, 0.0, 0.0, 0.0, 0.0},
        {PROV_NL, 0.0, 105.0 * 0.58, 0.0, 0.0, 0.0},
        {PROV_AB, 0.0, 0.0, 105.0 * 0.35, 0.0, 0.0},
        {PROV_BC, 0.0, 0.0, 0.0, 105.0 * 0.337, 0.0},
        {PROV_ON, 0.0, 0.0, 0.0, 0.0, 77.0},
    };
    for (const auto& c : cases) {
        TaxData_Sch12 s;
        s.setProvince(c.jurisdiction);
        s.fld_BasicFedTaxSch11 = 100.0;
        s.fld_on_amt = 77.0;
        runFromLine42(s);
        SCOPED_TRACE(c.jurisdiction);
        EXPECT_NEAR(s.fld_RefQCRebate, c.quebec, kTol);
        EXPECT_NEAR(s.fld_nl_amt, c.nl, kTol);
        EXPECT_NEAR(s.fld_ab_amt, c.ab, kTol);
        EXPECT_NEAR(s.fld_bc_amt, c.bc, kTol);
        EXPECT_NEAR(s.fld_on_amt, c.on, kTol);
    }
}

TEST(Sch12, RecordsOfMinimumTax)
{
    const struct {
        bool exempt;
        double fedTax;
        bool line72, line41;
    } cases[] = {
        {false, 204.99099999999999, true, true},
        {false, 204.992, false, true},
        {true, 0.0, false, false},
    };
    for (const auto& c : cases) {
        TaxData_Sch12 s;
        s.m_isMinTaxExempt = c.exempt;
        s.fld_FedTaxPayable = c.fedTax;
        s.fld_12260 = 40000.0;
        runFromLine42(s);
        NetfileGenObjParamStruct ctx;
        s.WriteNetfile(0, &ctx);
        EXPECT_EQ(ctx.records.count("12550"), c.line72 ? 1u : 0u);
        EXPECT_EQ(ctx.records.count("12670"), c.line72 ? 1u : 0u);
        EXPECT_EQ(ctx.records.count("12260"), c.line41 ? 1u : 0u);
    }
}

}  // namespace
