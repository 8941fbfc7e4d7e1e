// Schedule 11A: net and taxable income from the return and the trust's
// graduated rates, before Schedule 11 takes its line 30 as the donations credit.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "taxcalc/sch11a.h"

namespace {
void donations(CalcPass& pass)
{
    auto* sch11a = pass.ret.first<TaxData_Sch11A>();
    if (!sch11a)
        return;
    const auto* t3 = pass.ret.first<TaxData_T3Ret>();
    sch11a->m_isGraduatedRate = t3 && t3->isGREorQDT();
    sch11a->Calculate();
}

using T3 = TaxData_T3Ret;
using S11A = TaxData_Sch11A;
}  // namespace

FormCalculation sch11aCalculation()
{
    return {
        {{{6, 2}, "Schedule 11A: donations and gifts tax credit", &donations}},
        {
            copyField<T3, S11A>({6, 2}, "fld_net_inc", "fld_NetInc", "T3 return line 50"),
            copyField<T3, S11A>({6, 2}, "fld_taxinc", "fld_TaxInc", "T3 return line 56"),
        },
    };
}
