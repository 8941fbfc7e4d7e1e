// Steps 2 to 5 of the T3 return. No amount is rounded here; only the lines
// said to be floored are stored as 0 when negative.
#include "returns/t3ret.h"

#include "framework/amounts.h"

namespace {
enum DesignationLine { kNoDesignation = 0, kGRELine = 903, kQDTLine = 904 };
}  // namespace

int TaxData_T3Ret::Calculate_NoOrderPart()
{
    // Another country of residence only matters for a deemed resident trust.
    if (fld_is_deemed == 1)
        fld_other_icountry = 0;
    m_designationLine = isGRE() ? kGRELine : isQDT() ? kQDTLine : kNoDesignation;
    // A trust of another type is neither a GRE nor a QDT; the designation line
    // keeps this pass's value until the next pass.
    if (fld_ws_othertype)
        fld_i903_904 = -1;
    return 0;
}

int TaxData_T3Ret::Calculate_TotalInc()
{
    Calculate_NoOrderPart();
    if (fld_ws_othertype && fld_trust_code.trimmed().compare(QLatin1String("338"), Qt::CaseInsensitive) == 0)
        m_siftMutualFundTrust = true;

    // Line 3A is part of line 03.
    if (amountExceeds(fld_noneligible_div, fld_total_div))
        fld_noneligible_div = fld_total_div.value();

    fld_other_total = fld_other_1 + fld_other_2 + fld_other_3;
    // Lines 96, 97, 99 (gross), 3A and 101 are memo amounts, not added.
    fld_total_inc = fld_taxable_capgain + fld_pension_inc + fld_total_div + fld_foreign_inv + fld_other_inv +
                    fld_net_busi + fld_net_farm + fld_net_rental + fld_agri2_pmt + fld_deemed_disp +
                    fld_Line535T3Sch130 - fld_CapGainReduction + fld_other_total;
    return 0;
}

int TaxData_T3Ret::Calculate_NetInc()
{
    fld_total_inc1 = fld_total_inc.value();
    fld_trustee_fee_ded = fld_trustee_fee - fld_trustee_fee_notrel;
    fld_other_ded_total = fld_other_ded_1 + fld_other_ded_2 + fld_other_ded_3;
    fld_after_40 = fld_charges + fld_trustee_fee_ded + fld_allow_bil + fld_other_ded_total;
    fld_line42 = fld_total_inc - fld_after_40;
    fld_bnf = fld_taxable_bnf + fld_other_bnf;
    fld_inc_b4_alc = fld_line42 + fld_bnf;
    fld_total_ded = fld_line471 - fld_line472;
    fld_inc_after_alc = fld_inc_b4_alc - fld_total_ded;
    // Net income may be negative.
    fld_net_inc = fld_inc_after_alc + fld_gross_div;
    fld_net_inc_1 = fld_net_inc.value();
    return 0;
}

int TaxData_T3Ret::Calculate_TaxInc()
{
    const double otherDeductions = fld_foreignIncomeExempt + fld_nonProfitOrg + fld_farmingFishing +
                                   fld_restrictedFarmLosses + fld_limitedPartnership + fld_547 + fld_taxinc_ded;
    fld_totalOtherDeductions = otherDeductions;
    fld_totalOtherDeductions_1 = otherDeductions;
    fld_line55 = fld_totalOtherDeductions + fld_noncap_loss + fld_netcap_loss;
    const double taxable = fld_net_inc - fld_line55 + fld_CapGainAddBack;
    m_taxableIncomeUnfloored = taxable;
    fld_taxinc = taxable < 0.0 ? 0.0 : taxable;
    return 0;
}

int TaxData_T3Ret::Calculate_Step5()
{
    fld_tax_pay = fld_80 + fld_fed_tax + fld_prov_tax + fld_part7_2_tax;
    const double netDeducted = fld_tax_deducted - fld_tax_toqc;
    fld_net_deducted = netDeducted < 0.0 ? 0.0 : netDeducted;

    const CFloatField* const otherCredits[] = {
        &fld_nl_rd,      &fld_bc_mining,      &fld_fed_environmental, &fld_bc_environmental, &fld_sk_environmental,
        &fld_canadianJournalism, &fld_yk_rd,  &fld_mb_workExp,        &fld_mb_odour,         &fld_mb_greenEnergy,
        &fld_fuel_charge, &fld_bc_clean,      &fld_on_environ,        &fld_yk_carbon,        &fld_yk_MineCarbon};
    double otherCredit = 0.0;
    for (const CFloatField* credit : otherCredits)
        otherCredit += *credit;
    fld_other_credit = otherCredit;

    fld_total_credit = fld_instalment + fld_net_deducted + fld_ref_qc_abatement + fld_ref_inv_credit + fld_881 +
                       fld_capgain_refund + fld_part7_2_credit + fld_other_credit;
    // Positive: balance owing; negative: refund.
    fld_RefDue = fld_tax_pay - fld_total_credit;
    return 0;
}
