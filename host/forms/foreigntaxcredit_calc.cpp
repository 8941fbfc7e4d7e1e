// Form T3 FFT: basic federal tax and the surtax from Schedule 11 (after its
// lines 21 and 22), net income from the return; its line 12 goes back to
// Schedule 11 line 24 before that schedule's last step.
#include "host/form_calculations.h"
#include "host/trust_jurisdiction.h"
#include "returns/t3ret.h"
#include "taxcalc/foreigntaxcredit.h"
#include "taxcalc/sch11.h"

namespace {
void foreignTaxCredit(CalcPass& pass)
{
    auto* fft = pass.ret.first<TaxData_ForeignTaxCredit>();
    if (!fft)
        return;
    const auto* t3 = pass.ret.first<TaxData_T3Ret>();
    fft->setProvince(t3 ? trustJurisdiction(*t3) : PROV_NONE);
    fft->CalculateFed();
    fft->CalculateProv();
}

using T3 = TaxData_T3Ret;
using S11 = TaxData_Sch11;
using FFT = TaxData_ForeignTaxCredit;
}  // namespace

FormCalculation foreignTaxCreditCalculation()
{
    return {
        {{{6, 9}, "Form T3 FFT: federal and provincial foreign tax credits", &foreignTaxCredit}},
        {
            // The worksheet amounts are the user's while "entered by hand" is ticked.
            copyField<S11, FFT>({6, 9}, "fld_BasicTax", "fld_NonBusiBasicFedTax", "Schedule 11 line 21")
                .unless("fld_ws_overwrite"),
            copyField<S11, FFT>({6, 9}, "fld_BasicTax", "fld_BusiBasicFedTax", "Schedule 11 line 21")
                .unless("fld_ws_overwrite"),
            copyField<T3, FFT>({6, 9}, "fld_net_inc", "fld_NonBusiNetInc", "T3 return line 50").unless("fld_ws_overwrite"),
            copyField<T3, FFT>({6, 9}, "fld_net_inc", "fld_BusiNetInc", "T3 return line 50").unless("fld_ws_overwrite"),
            copyField<S11, FFT>({6, 9}, "fld_11160", "fld_BusiFedSurtax", "Schedule 11 line 22")
                .unless("fld_ws_overwrite"),
            copyField<FFT, S11>({6, 10}, "fld_FedForeignTC", "fld_11180", "Form T3 FFT line 12"),
        },
    };
}
