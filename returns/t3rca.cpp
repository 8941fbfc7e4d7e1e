#include "returns/t3rca.h"

#include "framework/year_figures.h"
#include "returns/t183trust.h"

#include <algorithm>

namespace {
// Half of an amount: the refundable tax rate and the halving of lines 602 to 604.
constexpr double kHalf = year_figures::kRcaRefundableTaxRate;
}  // namespace

int TaxData_T3RCA::Calculate(TaxData_T2000* /*t2000*/)
{
    // Contributions: employer and transfers count twice (Part XI.3 gross-up).
    double employer = 0.0;
    for (const EmployerRow& row : m_employer)
        employer += row.AmtEmployer;
    fld_TotalAmtEmployer = employer;
    fld_6021 = 2.0 * employer;
    double member = 0.0;
    for (const MemberRow& row : m_member)
        member += row.AmtRCAMember;
    fld_6031 = member;
    fld_RCATrustSubtotal = m_transfer[0].AmtRCATRust + m_transfer[1].AmtRCATRust;
    fld_6041 = 2.0 * fld_RCATrustSubtotal;

    fld_602 = fld_6021.value();
    fld_603 = fld_6031.value();
    fld_604 = fld_6041.value();
    fld_after_604 = fld_602 + fld_603 + fld_604;
    fld_b4_606 = fld_after_604 * kHalf;
    fld_606 = fld_601 + fld_b4_606;

    fld_610 = fld_607 + fld_608 + fld_609;
    fld_614 = fld_611 + fld_612 + fld_613;
    fld_b4_616 = std::max(0.0, fld_610 - fld_614);
    fld_616 = fld_b4_616 * kHalf;
    fld_617 = fld_606 + fld_616;

    fld_double621 = 2.0 * fld_621;
    fld_622 = fld_618 + fld_619 + fld_620 + fld_double621 + fld_6211;

    fld_fromLine18 = fld_617.value();
    fld_fromLine24 = fld_622.value();
    fld_refundableTax = kHalf * fld_fromLine24;
    fld_624 = fld_fromLine18 - fld_refundableTax;

    fld_from624 = fld_624.value();  // the election part starts from line 624
    const bool elected = fld_OptionABC == 1;
    fld_627 = elected ? fld_624.value() : 0.0;
    fld_after627 = elected ? fld_624 * kHalf : 0.0;
    fld_629 = elected ? fld_624 - fld_after627 : fld_624.value();

    // Each debt counts at the larger of its principal and its market value.
    CFloatField* const principals[] = {&fld_PrincipalAmt_1, &fld_PrincipalAmt_2, &fld_PrincipalAmt_3};
    CFloatField* const values[] = {&fld_marketValue_1, &fld_marketValue_2, &fld_marketValue_3};
    CFloatField* const debts[] = {&fld_debt_1, &fld_debt_2, &fld_debt_3};
    double debtTotal = 0.0;
    for (int i = 0; i < 3; ++i) {
        *debts[i] = std::max(principals[i]->value(), values[i]->value());
        debtTotal += *debts[i];
    }
    fld_634 = debtTotal;
    fld_636 = fld_631 + fld_634 + fld_635;

    fld_after644 = fld_642 - fld_643 + fld_644;
    fld_641 = fld_OptionABC != 0 ? fld_636.value() : fld_624.value();
    fld_646 = fld_641 - fld_after644;

    fld_650 = fld_before650 * kHalf;
    fld_651 = fld_before651.value();
    fld_653 = fld_650 + fld_651 - fld_652;

    fld_662 = fld_taxDeducted + fld_paymentRemitted;
    fld_663 = fld_646 + fld_653 - fld_662;
    return 0;
}

int TaxData_T3RCA::updateT183Trust(TaxData_T183Trust* t183)
{
    if (!t183)
        return 0;
    TaxData_T3Base::updateT183Trust(t183);
    fillT183Trustee(t183, m_trustee.firstName(), m_trustee.lastName(), m_trustee.address());
    t183->fld_t3_type = 1;
    t183->fld_trust_prov = 0;
    return 0;
}

int TaxData_T3RCA::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    TaxData_T3Base::ChangeToNewYearData(param);
    if (!param.bSameYear)
        fld_601 = fld_629.value();
    return 0;
}
