// Schedule 8: Part A before total income (lines 03, 3A, 04, 05 and 21 of the
// return), Part B after Schedule 9, whose lines 949 and 923 are its lines 19
// and 26 (line 49 of the return, lines 14 and 15 of Schedule 11).
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/sch8.h"
#include "schedules/sch9.h"
#include "slips/slip_totals_members.h"
#include "taxcalc/sch11.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch8 = pass.ret.first<TaxData_Sch8>())
        sch8->Calculate();
}

double eligibleDesignated(TaxData_Sch9& sch9)
{
    return sch9.getRowAmount(949, 0);
}

double otherDesignated(TaxData_Sch9& sch9)
{
    return sch9.getRowAmount(923, 0);
}

using T3 = TaxData_T3Ret;
using S8 = TaxData_Sch8;
using S9 = TaxData_Sch9;
using S11 = TaxData_Sch11;
using Slips = STRU_SLIPDATA_CALCULATION;
using namespace slip_members;
}  // namespace

FormCalculation sch8Calculation()
{
    return {
        {
            {{2, 8}, "Schedule 8: Part A (Part B with the last allocations)", &calculate},
            {{4, 7}, "Schedule 8: Part B after Schedule 9", &calculate},
        },
        {
            // The slip columns of lines 1, 2, 5, 7 and 11: the trust's share of its received slips.
            fromSlipTotals<S8>({2, 8}, {kT3NonEligibleDividends, kT5NonEligibleDividends}, "fld_ws_8110_slip",
                               "received slips: T3 box 23, T5 box 10"),
            fromSlipTotals<S8>({2, 8}, {kT3EligibleDividends, kT5EligibleDividends}, "fld_ws_8120_slip",
                               "received slips: T3 box 49, T5 box 24"),
            fromSlipTotals<S8>({2, 8}, {Slips::FOREIGN_NONBUSINESS_INCOME, Slips::FOREIGN_NONBUSINESS_INCOME_2},
                               "fld_ws_OtherFrgnInvInc_slip", "received slips: T3 box 25, T5 box 15"),
            fromSlipTotals<S8>({2, 8}, {kT5Interest}, "fld_ws_interest_fromslip", "received slips: T5 box 13"),
            fromSlipTotals<S8>({2, 8}, {kT3OtherIncome, kT5OtherIncome, kT5Royalties, kT5AccruedAnnuity},
                               "fld_ws_OtherOther_slip", "received slips: T3 box 26, T5 boxes 14, 17 and 19"),
            copyField<S8, T3>({2, 10}, "fld_after_8120", "fld_total_div", "Schedule 8 line 3"),
            copyField<S8, T3>({2, 10}, "fld_8110", "fld_noneligible_div", "Schedule 8 line 1"),
            copyField<S8, T3>({2, 10}, "fld_TotalFrnInvInc", "fld_foreign_inv", "Schedule 8 line 6"),
            copyField<S8, T3>({2, 10}, "fld_TotalOther", "fld_other_inv", "Schedule 8 line 12"),
            copyField<S8, T3>({2, 10}, "fld_after_8190", "fld_charges", "Schedule 8 line 17"),
            computedField<S9, S8, &eligibleDesignated>({4, 7}, "fld_EgblDivToBene", "Schedule 9 line 949"),
            computedField<S9, S8, &otherDesignated>({4, 7}, "fld_NonEgblDivToBene", "Schedule 9 line 923"),
            // After the second run: the rules at 4.7 run ahead of its step.
            copyField<S8, T3>({4, 8}, "fld_TotallDivGrossedup", "fld_gross_div", "Schedule 8 line 32"),
            copyField<S8, S11>({6, 4}, "fld_EgblDivGrossedup", "fld_EligibleDiv", "Schedule 8 line 24"),
            copyField<S8, S11>({6, 4}, "fld_NonEgblDivGrossedup", "fld_NonEligibleDiv", "Schedule 8 line 31"),
        },
    };
}
