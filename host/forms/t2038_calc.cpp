// Form T2038(IND): investment tax credit. Parts A and C run before Schedule
// 11's basic federal tax (the recapture is its line 12B); Part D needs
// Schedule 11's federal tax after the foreign tax credit (lines 23 and 24,
// after Form T3 FFT) and its political contribution credit (line 26), and
// the claim is Schedule 11 line 27. The refundable part goes to line 88.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/t2038new.h"
#include "taxcalc/sch11.h"
#include "taxcalc/sch12.h"

namespace {
using T2038 = TaxData_T2038New;
using S11 = TaxData_Sch11;
using T3 = TaxData_T3Ret;

void toLineC(CalcPass& pass)
{
    if (auto* t2038 = pass.ret.first<T2038>())
        t2038->CalculateToLineC();
}

// The claim is capped at the minimum-tax limit when Schedule 12 found the
// trust subject to minimum tax. Schedule 12 runs after Schedule 11 (6.12), so
// this is its finding of the previous pass; the second pass settles it.
bool subjectToMinimumTax(CalcPass& pass)
{
    const auto* sch12 = pass.ret.first<TaxData_Sch12>();
    return sch12 && sch12->isSubjectMinimumTax();
}

void toEnd(CalcPass& pass)
{
    auto* t2038 = pass.ret.first<T2038>();
    if (!t2038)
        return;
    t2038->CalculateToLineD();
    t2038->CalculateToEnd(subjectToMinimumTax(pass));
}

// Schedule 11 line 23 minus line 24: federal tax after the foreign tax credit.
double federalTaxAfterForeignCredit(S11& sch11)
{
    return sch11.fld_Line22 - sch11.fld_11180;
}
}  // namespace

FormCalculation t2038Calculation()
{
    return {
        {
            {{6, 3}, "Form T2038(IND): Parts A and C", &toLineC},
            {{6, 10}, "Form T2038(IND): Parts D to F", &toEnd},
        },
        {
            copyField<T2038, S11>({6, 4}, "fld_406", "fld_11102", "Form T2038(IND) Part C recapture"),
            computedField<S11, T2038, &federalTaxAfterForeignCredit>({6, 10}, "fld_F40600",
                                                                     "Schedule 11 line 23 minus line 24"),
            copyField<S11, T2038>({6, 10}, "fld_11190", "fld_F41000", "Schedule 11 line 26"),
            filledByOperation<T2038, T2038>({6, 10}, "fld_ITC_claim", "Form T2038(IND) Part D: line F or line I, whichever is less")
                .unless("fld_ITC_claim_overwrite"),
            filledByOperation<T2038, T2038>({6, 10}, "fld_ITCRefundUsingAmount", "Form T2038(IND) Part E line 17")
                .unless("fld_overwrite_refund"),
            copyField<T2038, S11>({6, 11}, "fld_ITC_claim", "fld_11200", "Form T2038(IND) line 27 claim"),
            copyField<T2038, T3>({8, 1}, "fld_ITC_refund", "fld_ref_inv_credit", "Form T2038(IND) refund"),
        },
    };
}
