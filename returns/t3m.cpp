#include "returns/t3m.h"

#include "framework/year_figures.h"
#include "returns/t183trust.h"

int TaxData_T3M::Calculate(TaxData_T2000* /*t2000*/)
{
    setProvince(fld_trust_iprov);
    fld_tax_year = QString::number(year_figures::kTaxYear);
    fld_295_1 = fld_295.value();
    fld_175 = fld_295 * year_figures::kT3MPartXII4Rate;  // line 175
    fld_295_2 = fld_295.value();
    fld_provRate = provincialRate(fld_trust_iprov);
    fld_176 = fld_295 * fld_provRate / 100.0;  // line 176
    fld_190 = fld_175 + fld_176;               // line 190
    fld_090 = fld_190 - fld_010;               // line 90
    return 0;
}

double TaxData_T3M::provincialRate(int province)
{
    constexpr int count = int(sizeof(year_figures::kT3MProvincialRates) / sizeof(double));
    return province >= 0 && province < count ? year_figures::kT3MProvincialRates[province] : 0.0;
}

bool TaxData_T3M::setBasicInfo(const CString& name, int prov)
{
    fld_trust_iprov = prov;
    fld_trust_name.setClipped(name);
    return true;
}

bool TaxData_T3M::getName(CString& out)
{
    if (fld_trust_name.value().isEmpty())
        return TaxData_T3Base::getName(out);
    out = fld_trust_name.value();
    return true;
}

bool TaxData_T3M::setTrustNumber(const CString& number)
{
    fld_trust_num.setClipped(number);
    return true;
}

bool TaxData_T3M::getTrustNumber(CString& out)
{
    out = fld_trust_num.value();
    return true;
}

bool TaxData_T3M::setTaxYearStartEnd(const QDate& /*start*/, const QDate& /*end*/)
{
    return true;
}

int TaxData_T3M::getTaxYearStartEnd(QDate& start, QDate& end)
{
    start = QDate(year_figures::kTaxYear, 1, 1);
    end = QDate(year_figures::kTaxYear, 12, 31);
    return 0;
}

double TaxData_T3M::getBalOrDue()
{
    return fld_090;
}

bool TaxData_T3M::getTaxReturnResult(CString& out)
{
    auto amount = [](double v) { return QString::number(v, 'f', 2); };
    out = QStringLiteral("F295=%1, F176=%2, F190=%3, due/refund=%4")
              .arg(amount(fld_295), amount(fld_176), amount(fld_190), amount(fld_090));
    return true;
}

int TaxData_T3M::updateT183Trust(TaxData_T183Trust* t183)
{
    if (!t183)
        return 0;
    TaxData_T3Base::updateT183Trust(t183);
    const bool individual = fld_bTrusteeIsPerson == 0;
    const CString first = individual ? fld_indv_fname.value() : fld_trustee_fname.value();
    const CString last = individual ? fld_indv_lname.value() : fld_trustee_lname.value();
    t183->fld_trustee_name.setClipped(first + QLatin1Char(' ') + last);
    t183->m_address.copyFrom(individual ? m_indvAddress : m_trusteeAddress);
    t183->fld_t3_type = 5;
    t183->fld_trust_prov = fld_trust_iprov.value();
    t183->fld_t3_other_payable = fld_190.value();
    t183->fld_t3_other_bal = fld_090.value();
    return 0;
}
