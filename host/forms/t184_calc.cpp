// Form T184: taxable income from the return, the trust's jurisdiction for its
// provincial refunds; its federal refund is line 89 of the return.
#include "host/form_calculations.h"
#include "host/trust_jurisdiction.h"
#include "returns/t3ret.h"
#include "taxcalc/t184.h"

namespace {
void capitalGainsRefund(CalcPass& pass)
{
    auto* t184 = pass.ret.first<TaxData_T184>();
    if (!t184)
        return;
    const auto* t3 = pass.ret.first<TaxData_T3Ret>();
    t184->setProvince(t3 ? trustJurisdiction(*t3) : PROV_NONE);
    t184->CalculateFed();
    t184->CalculateProv();
}

using T3 = TaxData_T3Ret;
using T184 = TaxData_T184;
}  // namespace

FormCalculation t184Calculation()
{
    FormCalculation calc{{{{7, 2}, "Form T184: capital gains refund", &capitalGainsRefund}}, {}};
    for (const char* field : {"fld_TaxableIncome", "fld_ONtaxableIncome", "fld_MBTaxableIncome", "fld_TaxableIncome_AB"})
        calc.rules.push_back(copyField<T3, T184>({7, 2}, "fld_taxinc", field, "T3 return line 56"));
    calc.rules.push_back(
        copyField<T184, T3>({8, 1}, "fld_federalCCRefund", "fld_capgain_refund", "Form T184 line 84050"));
    return calc;
}
