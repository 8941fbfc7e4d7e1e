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

int TaxData_T3M::updateT183Trust(TaxData_T183Trust* t183)
{
    if (!t183)
        return 0;
    TaxData_T3Base::updateT183Trust(t183);
    fillT183Trustee(t183, m_trustee.firstName(), m_trustee.lastName(), m_trustee.address());
    t183->fld_t3_type = 5;
    t183->fld_trust_prov = fld_trust_iprov.value();
    t183->fld_t3_other_payable = fld_190.value();
    t183->fld_t3_other_bal = fld_090.value();
    return 0;
}
