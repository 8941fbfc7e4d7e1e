// The T183 authorization: the updateT183Trust of the return (the first
// return-type form, whichever type) fills its copy of the trust's
// identification and totals, then the form calculates.
#include "host/form_calculations.h"
#include "returns/t183trust.h"
#include "returns/t3ret.h"

namespace {
void authorization(CalcPass& pass)
{
    auto* t183 = pass.ret.first<TaxData_T183Trust>();
    if (!t183)
        return;
    if (auto* r = pass.ret.first<TaxData_T3Base>())
        r->updateT183Trust(t183);
    t183->Calculate();
}

using T3 = TaxData_T3Ret;
using T183 = TaxData_T183Trust;

// The fields updateT183Trust fills, with the T3 return entries they come from.
const struct {
    const char* field;
    const char* comesFrom;
} kFromReturn[] = {
    {"fld_trust_prov", "T3 return: trust's province of residence"},
    {"fld_trust_country", "T3 return: trust's country of residence"},
    {"fld_trust_name", "T3 return: name of the trust"},
    {"fld_TN", "T3 return: trust account number"},
    {"fld_bFirstTime", "T3 return: first year of filing"},
    {"fld_trustee_name", "T3 return: trustee's name"},
    {"fld_addr", "T3 return: trustee's address"},
    {"fld_city", "T3 return: trustee's city"},
    {"fld_prov", "T3 return: trustee's province"},
    {"fld_postcode", "T3 return: trustee's postal code"},
    {"fld_country", "T3 return: trustee's country"},
    {"fld_phone", "T3 return: trustee's telephone number"},
    {"fld_t3_type", "T3 return: type of return"},
    {"fld_t3_total_inc", "T3 return line 20"},
    {"fld_t3_net_inc", "T3 return line 50"},
    {"fld_t3_tax_inc", "T3 return line 56"},
    {"fld_t3_payable", "T3 return line 84"},
    {"fld_t3_credit", "T3 return line 93"},
    {"fld_t3_bal", "T3 return line 94"},
};
}  // namespace

FormCalculation t183Calculation()
{
    FormCalculation calc{{{{8, 3}, "T183 authorization", &authorization}}, {}};
    for (const auto& f : kFromReturn)
        calc.rules.push_back(filledByOperation<T3, T183>({8, 3}, f.field, f.comesFrom));
    return calc;
}
