// Schedule 9: allocations to beneficiaries, and line 471 of the return.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"

namespace {
void slipAmounts(CalcPass& pass)
{
    if (auto* sch9 = pass.ret.first<TaxData_Sch9>())
        sch9->copySlipCalcAmount(pass.slipTotals, pass.ret.first<TaxData_T3Ret>());
}

// "Always Allocate All": the whole income is allocated on every calculation.
void allocateAll(CalcPass& pass)
{
    auto* sch9 = pass.ret.first<TaxData_Sch9>();
    if (sch9 && sch9->fld_ws_bAutoAlloc)
        sch9->autoSetAllAllocation();
}

void calculate(CalcPass& pass)
{
    if (auto* sch9 = pass.ret.first<TaxData_Sch9>())
        sch9->Calculate();
}

double amountsToBeneficiaries(TaxData_Sch9& sch9)
{
    return sch9.getRowAmount(471, 0);
}

using T3 = TaxData_T3Ret;
using S9 = TaxData_Sch9;
}  // namespace

FormCalculation sch9Calculation()
{
    const char* const autoAlloc = "fld_ws_bAutoAlloc";
    return {
        {
            {{4, 1}, "Schedule 9: slip totals and the return", &slipAmounts},
            {{4, 2}, "Schedule 9: Always Allocate All", &allocateAll},
            {{4, 3}, "Schedule 9: allocations", &calculate},
        },
        {
            filledByOperation<T3, S9>({4, 2}, "fld_9211", "T3 return line 01").whileSet(autoAlloc),
            filledByOperation<T3, S9>({4, 2}, "fld_9231", "T3 return line 3A").whileSet(autoAlloc),
            filledByOperation<T3, S9>({4, 2}, "fld_9261", "T3 return line 05").whileSet(autoAlloc),
            filledByOperation<T3, S9>({4, 2}, "fld_9491", "T3 return line 03 less line 3A").whileSet(autoAlloc),
            filledFromSlipTotals<S9>({4, 2}, "fld_9241", "received slips: foreign business income").whileSet(autoAlloc),
            filledFromSlipTotals<S9>({4, 2}, "fld_9251", "received slips: foreign non-business income")
                .whileSet(autoAlloc),
            filledFromSlipTotals<S9>({4, 2}, "fld_9331", "received slips: foreign business tax paid").whileSet(autoAlloc),
            filledFromSlipTotals<S9>({4, 2}, "fld_9341", "received slips: foreign non-business tax paid")
                .whileSet(autoAlloc),
            filledFromSlipTotals<S9>({4, 2}, "fld_9551", "received slips: cost base adjustment").whileSet(autoAlloc),
            computedField<S9, T3, &amountsToBeneficiaries>({4, 4}, "fld_line471", "Schedule 9 line 928")
                .unless("fld_overwrite_line471"),
        },
    };
}
