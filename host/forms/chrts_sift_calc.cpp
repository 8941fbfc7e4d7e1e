// The SIFT trust charts: taxable and net income from the return, line 949
// from Schedule 9, before Schedule 11 takes the SIFT trust tax as its line 10.
#include "host/form_calculations.h"
#include "host/trust_jurisdiction.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"
#include "taxcalc/chrts_sift.h"

namespace {
void siftCharts(CalcPass& pass)
{
    auto* sift = pass.ret.first<TaxData_CHRTS_SIFT>();
    if (!sift)
        return;
    const auto* t3 = pass.ret.first<TaxData_T3Ret>();
    sift->setProvince(t3 ? trustJurisdiction(*t3) : PROV_NONE);
    sift->Calculate();
}

double line949(TaxData_Sch9& sch9)
{
    return sch9.getRowAmount(949, 0);
}

using T3 = TaxData_T3Ret;
using S9 = TaxData_Sch9;
using SIFT = TaxData_CHRTS_SIFT;
}  // namespace

FormCalculation siftCalculation()
{
    return {
        {{{6, 1}, "SIFT charts", &siftCharts}},
        {
            copyField<T3, SIFT>({6, 1}, "fld_taxinc", "fld_taxableIncome", "T3 return line 56"),
            copyField<T3, SIFT>({6, 1}, "fld_taxinc", "fld_chart2TaxableIncome", "T3 return line 56"),
            copyField<T3, SIFT>({6, 1}, "fld_taxinc", "fld_chart3TaxableIncome", "T3 return line 56"),
            copyField<T3, SIFT>({6, 1}, "fld_net_inc", "fld_chart4NetIncome", "T3 return line 50"),
            computedField<S9, SIFT, &line949>({6, 1}, "fld_chart5From949", "Schedule 9 line 949"),
        },
    };
}
