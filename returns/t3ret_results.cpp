// What the T3 return reports once calculated: the result line, the balance,
// and the e-file authorization's copy of its identification and totals.
#include "returns/t183trust.h"
#include "returns/t3ret.h"

double TaxData_T3Ret::getBalOrDue()
{
    return fld_RefDue;
}

bool TaxData_T3Ret::getTaxReturnResult(CString& out)
{
    auto amount = [](double v) { return QString::number(v, 'f', 2); };
    out = QStringLiteral("total income (%1), net income (%2), total payable (%3), due/refund=(%4)")
              .arg(amount(fld_total_inc), amount(fld_net_inc), amount(fld_tax_pay), amount(fld_RefDue));
    return true;
}

int TaxData_T3Ret::updateT183Trust(TaxData_T183Trust* t183)
{
    if (!t183)
        return 0;
    TaxData_T3Base::updateT183Trust(t183);

    t183->m_trust.copyFrom(m_trust);
    t183->fld_bFirstTime = fld_first_year == 0;

    if (fld_bTrusteeIsPerson != 0)
        t183->fld_trustee_name.setClipped(fld_trustee_orgname.value());
    else
        t183->fld_trustee_name.setClipped(fld_indv_fname.value() + QLatin1Char(' ') + fld_indv_lname.value());
    t183->m_address.copyFrom(primaryTrusteeAddress());

    t183->fld_t3_type = 0;
    t183->fld_t3_total_inc = fld_total_inc.value();
    t183->fld_t3_net_inc = fld_net_inc.value();
    t183->fld_t3_tax_inc = fld_taxinc.value();
    t183->fld_t3_payable = fld_tax_pay.value();
    t183->fld_t3_credit = fld_total_credit.value();
    t183->fld_t3_bal = fld_RefDue.value();
    return 0;
}
