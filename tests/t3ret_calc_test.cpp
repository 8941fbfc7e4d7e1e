// Steps 2 to 5 of the T3 return, the independent part, the basic
// information and the predicates.
#include "returns/t3ret.h"

#include "framework/geo_tables.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Amounts are compared on the cent: a sum of decimal amounts in doubles may
// differ from the decimal result only far below a cent.
constexpr double kCent = 1e-7;

void fillStep2(TaxData_T3Ret& r)
{
    r.fld_taxable_capgain = 1000.10;
    r.fld_pension_inc = 200.20;
    r.fld_total_div = 300.30;
    r.fld_noneligible_div = 100.00;
    r.fld_foreign_inv = 400.40;
    r.fld_other_inv = 50.05;
    r.fld_total_busi = 99999.0;  // gross amounts are memo lines
    r.fld_net_busi = 600.60;
    r.fld_total_farm = 88888.0;
    r.fld_net_farm = -70.70;
    r.fld_total_rental = 77777.0;
    r.fld_net_rental = 80.80;
    r.fld_agri2_pmt = 90.90;
    r.fld_agri2_101 = 66666.0;  // part of line 10, not added again
    r.fld_deemed_disp = 110.11;
    r.fld_Line535T3Sch130 = 12.12;
    r.fld_CapGainReduction = 13.13;
    r.fld_other_1 = 1.01;
    r.fld_other_2 = 2.02;
    r.fld_other_3 = 3.03;
}

TEST(T3RetTotalIncome, AddsTheIncomeLinesLessTheCapitalGainReduction)
{
    TaxData_T3Ret r;
    fillStep2(r);
    EXPECT_EQ(r.Calculate_TotalInc(), 0);
    EXPECT_NEAR(r.fld_other_total, 6.06, kCent);
    EXPECT_NEAR(r.fld_total_inc, 2767.81, kCent);
    EXPECT_NEAR(r.fld_noneligible_div, 100.00, kCent);
}

TEST(T3RetTotalIncome, NonEligibleDividendsAreCappedAtTotalDividends)
{
    const struct {
        double total, nonEligible, expected;
    } cases[] = {
        {300.30, 400.00, 300.30},    // larger: lowered
        {300.30, 300.31, 300.30},    // one cent more: lowered
        {300.30, 300.305, 300.305},  // within the tolerance: kept
        {300.30, 300.30, 300.30},
        {300.30, 120.45, 120.45},
        {0.0, 50.00, 0.0},
    };
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        r.fld_total_div = c.total;
        r.fld_noneligible_div = c.nonEligible;
        r.Calculate_TotalInc();
        EXPECT_DOUBLE_EQ(r.fld_noneligible_div.value(), c.expected) << c.nonEligible;
        EXPECT_DOUBLE_EQ(r.fld_total_inc.value(), c.total);  // line 3A is never added
    }
}

TEST(T3RetTotalIncome, SiftMutualFundFlagForOtherTrustOfCode338Only)
{
    const struct {
        bool otherType;
        const char* code;
        bool expected;
    } cases[] = {
        {true, "338", true}, {true, " 338", true}, {true, "324", false},
        {false, "338", false}, {true, "", false},
    };
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        r.fld_ws_othertype = c.otherType;
        r.fld_trust_code = c.code;
        r.Calculate_TotalInc();
        EXPECT_EQ(r.m_siftMutualFundTrust, c.expected) << c.code << " other type " << c.otherType;
        r.fld_trust_code = "300";
        r.Calculate_TotalInc();  // never cleared by the calculation
        EXPECT_EQ(r.m_siftMutualFundTrust, c.expected) << c.code << " other type " << c.otherType;
    }
}

void fillStep3(TaxData_T3Ret& r)
{
    r.fld_total_inc = 2767.81;
    r.fld_charges = 10.10;
    r.fld_trustee_fee = 500.50;
    r.fld_trustee_fee_notrel = 100.25;
    r.fld_allow_bil = 20.20;
    r.fld_other_ded_1 = 1.11;
    r.fld_other_ded_2 = 2.22;
    r.fld_other_ded_3 = 3.33;
    r.fld_taxable_bnf = 40.40;
    r.fld_other_bnf = 5.05;
    r.fld_line471 = 1500.75;
    r.fld_line472 = 200.25;
    r.fld_gross_div = 30.03;
}

TEST(T3RetNetIncome, EveryIntermediateLine)
{
    TaxData_T3Ret r;
    fillStep3(r);
    EXPECT_EQ(r.Calculate_NetInc(), 0);
    EXPECT_NEAR(r.fld_total_inc1, 2767.81, kCent);
    EXPECT_NEAR(r.fld_trustee_fee_ded, 400.25, kCent);
    EXPECT_NEAR(r.fld_other_ded_total, 6.66, kCent);
    EXPECT_NEAR(r.fld_after_40, 437.21, kCent);
    EXPECT_NEAR(r.fld_line42, 2330.60, kCent);
    EXPECT_NEAR(r.fld_bnf, 45.45, kCent);
    EXPECT_NEAR(r.fld_inc_b4_alc, 2376.05, kCent);
    EXPECT_NEAR(r.fld_total_ded, 1300.50, kCent);
    EXPECT_NEAR(r.fld_inc_after_alc, 1075.55, kCent);
    EXPECT_NEAR(r.fld_net_inc, 1105.58, kCent);
    EXPECT_NEAR(r.fld_net_inc_1, 1105.58, kCent);
}

TEST(T3RetNetIncome, NetIncomeMayBeNegative)
{
    TaxData_T3Ret r;
    r.fld_total_inc = 1000.00;
    r.fld_trustee_fee = 150.50;
    r.fld_trustee_fee_notrel = 200.00;  // a negative fee line is not floored either
    r.fld_line471 = 1200.00;
    r.Calculate_NetInc();
    EXPECT_NEAR(r.fld_trustee_fee_ded, -49.50, kCent);
    EXPECT_NEAR(r.fld_line42, 1049.50, kCent);
    EXPECT_NEAR(r.fld_net_inc, -150.50, kCent);
    EXPECT_NEAR(r.fld_net_inc_1, -150.50, kCent);
}

TEST(T3RetTaxableIncome, DeductionsAndTheCapitalGainAddBack)
{
    TaxData_T3Ret r;
    r.fld_net_inc = 1105.58;
    r.fld_foreignIncomeExempt = 1.00;
    r.fld_nonProfitOrg = 2.00;
    r.fld_farmingFishing = 3.00;
    r.fld_restrictedFarmLosses = 4.00;
    r.fld_limitedPartnership = 5.00;
    r.fld_547 = 6.00;
    r.fld_taxinc_ded = 7.00;
    r.fld_noncap_loss = 100.50;
    r.fld_netcap_loss = 200.25;
    r.fld_CapGainAddBack = 50.10;
    EXPECT_EQ(r.Calculate_TaxInc(), 0);
    EXPECT_NEAR(r.fld_totalOtherDeductions, 28.00, kCent);
    EXPECT_NEAR(r.fld_totalOtherDeductions_1, 28.00, kCent);
    EXPECT_NEAR(r.fld_line55, 328.75, kCent);
    EXPECT_NEAR(r.fld_taxinc, 826.93, kCent);
    EXPECT_NEAR(r.m_taxableIncomeUnfloored, 826.93, kCent);
}

TEST(T3RetTaxableIncome, NegativeResultIsFlooredButKeptUnfloored)
{
    TaxData_T3Ret r;
    r.fld_net_inc = 100.00;
    r.fld_noncap_loss = 250.40;
    r.Calculate_TaxInc();
    EXPECT_EQ(r.fld_taxinc.value(), 0.0);
    EXPECT_NEAR(r.m_taxableIncomeUnfloored, -150.40, kCent);
}

// The fifteen other-credit lines, 901 to 924.
std::array<CFloatField*, 15> otherCreditLines(TaxData_T3Ret& r)
{
    return {&r.fld_nl_rd,      &r.fld_bc_mining,      &r.fld_fed_environmental, &r.fld_bc_environmental,
            &r.fld_sk_environmental, &r.fld_canadianJournalism, &r.fld_yk_rd, &r.fld_mb_workExp,
            &r.fld_mb_odour,   &r.fld_mb_greenEnergy, &r.fld_fuel_charge,       &r.fld_bc_clean,
            &r.fld_on_environ, &r.fld_yk_carbon,      &r.fld_yk_MineCarbon};
}

TEST(T3RetStep5, BalanceOwing)
{
    TaxData_T3Ret r;
    r.fld_80 = 10.00;
    r.fld_fed_tax = 2000.55;
    r.fld_prov_tax = 1000.45;
    r.fld_part7_2_tax = 5.00;
    r.fld_instalment = 500.00;
    r.fld_tax_deducted = 300.30;
    r.fld_tax_toqc = 100.10;
    r.fld_ref_qc_abatement = 40.04;
    r.fld_ref_inv_credit = 30.03;
    r.fld_881 = 20.02;
    r.fld_capgain_refund = 10.01;
    r.fld_part7_2_credit = 5.05;
    const auto credits = otherCreditLines(r);
    for (size_t i = 0; i < credits.size(); ++i)
        *credits[i] = double(i + 1) + 0.01;  // 1.01 .. 15.01
    EXPECT_EQ(r.Calculate_Step5(), 0);
    EXPECT_NEAR(r.fld_tax_pay, 3016.00, kCent);
    EXPECT_NEAR(r.fld_net_deducted, 200.20, kCent);
    EXPECT_NEAR(r.fld_other_credit, 120.15, kCent);
    EXPECT_NEAR(r.fld_total_credit, 925.50, kCent);
    EXPECT_NEAR(r.fld_RefDue, 2090.50, kCent);
    EXPECT_NEAR(r.getBalOrDue(), 2090.50, kCent);
}

TEST(T3RetStep5, RefundAndNegativeNetTaxDeducted)
{
    TaxData_T3Ret r;
    r.fld_fed_tax = 100.00;
    r.fld_instalment = 250.25;
    r.fld_tax_deducted = 50.00;
    r.fld_tax_toqc = 80.00;
    r.Calculate_Step5();
    EXPECT_EQ(r.fld_net_deducted.value(), 0.0);
    EXPECT_NEAR(r.fld_total_credit, 250.25, kCent);
    EXPECT_NEAR(r.fld_RefDue, -150.25, kCent);
    EXPECT_NEAR(r.getBalOrDue(), -150.25, kCent);
}

TEST(T3RetNoOrderPart, OtherCountryIsClearedOnlyForANonDeemedTrust)
{
    for (const int deemed : {-1, 0, 1}) {
        TaxData_T3Ret r;
        r.fld_is_deemed = deemed;
        r.fld_other_icountry = COUNTRY_USA;
        r.Calculate_NoOrderPart();
        EXPECT_EQ(r.fld_other_icountry.value(), deemed == 1 ? 0 : COUNTRY_USA) << deemed;
    }
}

TEST(T3RetNoOrderPart, DesignationLineFromTheGreOrQdtAnswer)
{
    const struct {
        int answer;
        int line;
    } cases[] = {{0, 903}, {1, 904}, {-1, 0}, {2, 0}};
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        r.m_designationLine = 999;
        r.fld_i903_904 = c.answer;
        r.Calculate_NoOrderPart();
        EXPECT_EQ(r.m_designationLine, c.line) << c.answer;
        EXPECT_EQ(r.fld_i903_904.value(), c.answer);
    }
}

TEST(T3RetNoOrderPart, OtherTypeClearsTheAnswerButKeepsThisPassDesignation)
{
    TaxData_T3Ret r;
    r.fld_i903_904 = 1;
    r.fld_ws_othertype = true;
    r.Calculate_NoOrderPart();
    EXPECT_EQ(r.fld_i903_904.value(), -1);
    EXPECT_EQ(r.m_designationLine, 904);
    r.Calculate_TotalInc();  // the next pass
    EXPECT_EQ(r.m_designationLine, 0);
}

TEST(T3RetBasicInfo, ProvinceBelow14SetsResidenceInCanada)
{
    TaxData_T3Ret r;
    EXPECT_TRUE(r.setBasicInfo("Dupont Family Trust", PROV_ON));
    EXPECT_EQ(r.fld_trust_iprov.value(), PROV_ON);
    EXPECT_EQ(r.fld_trust_icountry.value(), COUNTRY_CANADA);
    EXPECT_EQ(r.fld_trust_name.value(), "Dupont Family Trust");

    TaxData_T3Ret offshore;
    offshore.fld_trust_iprov = PROV_AB;
    EXPECT_TRUE(offshore.setBasicInfo("Offshore Trust", PROV_NS_OFFSHORE));
    EXPECT_EQ(offshore.fld_trust_iprov.value(), PROV_AB);
    EXPECT_EQ(offshore.fld_trust_icountry.value(), 0);
    EXPECT_EQ(offshore.fld_trust_name.value(), "Offshore Trust");
}

TEST(T3RetPredicates, SiftFlagNeededForCodes324And338)
{
    const struct {
        const char* code;
        bool expected;
    } cases[] = {{"324", true}, {"338", true}, {"300", false}, {"", false}, {" 324", false}};
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        r.fld_trust_code = c.code;
        EXPECT_EQ(r.isSIFTFlagNeeded(), c.expected) << c.code;
    }
}

}  // namespace
