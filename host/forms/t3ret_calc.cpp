// The T3 return's steps: its own calculation operations, which the other
// forms' steps and rules fill around.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "slips/slip_totals_members.h"

namespace {
template <int (TaxData_T3Ret::*Operation)()>
void onReturn(CalcPass& pass)
{
    // Only when the T3 return is the return (the first return-type form).
    if (auto* t3 = qobject_cast<TaxData_T3Ret*>(pass.ret.first<TaxData_T3Base>()))
        (t3->*Operation)();
}
}  // namespace

FormCalculation t3retCalculation()
{
    return {
        {
            {{1, 1}, "T3 return: independent part", &onReturn<&TaxData_T3Ret::Calculate_NoOrderPart>},
            {{3, 1}, "T3 return: total income", &onReturn<&TaxData_T3Ret::Calculate_TotalInc>},
            {{5, 1}, "T3 return: net income", &onReturn<&TaxData_T3Ret::Calculate_NetInc>},
            {{5, 3}, "T3 return: taxable income", &onReturn<&TaxData_T3Ret::Calculate_TaxInc>},
            {{8, 2}, "T3 return: summary of tax and credits", &onReturn<&TaxData_T3Ret::Calculate_Step5>},
        },
        {
            fromSlipTotals<TaxData_T3Ret>({8, 1}, {slip_members::kT3PartXII2Credit}, "fld_part7_2_credit",
                                          "received slips: T3 box 38"),
            fromSlipTotals<TaxData_T3Ret>({8, 1}, {slip_members::kPensionTaxDeducted}, "fld_tax_deducted",
                                          "received slips: T4A box 22, T4A(P) box 22, T4RIF box 28"),
        },
    };
}
