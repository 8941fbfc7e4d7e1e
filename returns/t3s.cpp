#include "returns/t3s.h"

#include "framework/year_figures.h"
#include "taxcalc/t2000.h"
#include "returns/t183trust.h"

int TaxData_T3S::Calculate(TaxData_T2000* t2000)
{
    if (t2000) {
        t2000->fld_trust_name.setClipped(fld_plan_name);
        t2000->fld_trust_num.setClipped(fld_trust_num);
    }
    fld_190 = fld_241.value();  // line 190
    fld_090 = fld_241 - fld_010;  // line 90
    return 0;
}

bool TaxData_T3S::setBasicInfo(const CString& name, int /*prov*/)
{
    fld_plan_name.setClipped(name);
    return true;
}

bool TaxData_T3S::getName(CString& out)
{
    if (fld_plan_name.value().isEmpty())
        return TaxData_T3Base::getName(out);
    out = fld_plan_name.value();
    return true;
}

bool TaxData_T3S::setTrustNumber(const CString& number)
{
    fld_trust_num.setClipped(number);
    return true;
}

bool TaxData_T3S::getTrustNumber(CString& out)
{
    out = fld_trust_num.value();
    return true;
}

bool TaxData_T3S::setTaxYearStartEnd(const QDate& /*start*/, const QDate& /*end*/)
{
    return true;
}

int TaxData_T3S::getTaxYearStartEnd(QDate& start, QDate& end)
{
    start = QDate(year_figures::kTaxYear, 1, 1);
    end = QDate(year_figures::kTaxYear, 12, 31);
    return 0;
}

double TaxData_T3S::getBalOrDue()
{
    return fld_090;
}

bool TaxData_T3S::getTaxReturnResult(CString& out)
{
    auto amount = [](double v) { return QString::number(v, 'f', 2); };
    out = QStringLiteral("F241=%1, F010=%2, F190=%3, due/refund=%4")
              .arg(amount(fld_241), amount(fld_010), amount(fld_190), amount(fld_090));
    return true;
}

int TaxData_T3S::updateT183Trust(TaxData_T183Trust* t183)
{
    if (!t183)
        return 0;
    TaxData_T3Base::updateT183Trust(t183);
    const bool individual = fld_bTrusteeIsPerson == 0;
    const CString first = individual ? fld_indv_fname.value() : fld_trustee_fname.value();
    const CString last = individual ? fld_indv_lname.value() : fld_trustee_lname.value();
    t183->fld_trustee_name.setClipped(first + QLatin1Char(' ') + last);
    t183->m_address.copyFrom(individual ? m_indvAddress : m_trusteeAddress);
    t183->fld_t3_type = 9;
    t183->fld_trust_prov = 0;
    return 0;
}
