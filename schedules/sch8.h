// Schedule 8, "Investment Income, Carrying Charges, and Gross-up Amount of
// Dividends Retained by the Trust".
//
// Part A (lines 1 to 17) gathers the investment income and carrying charges
// that go to lines 03, 3A, 04, 05 and 21 of the return; Part B (lines 18 to
// 32) grosses up the dividends the trust keeps, for line 49 of the return and
// lines 14 and 15 of Schedule 11. Lines 19 and 26 are Schedule 9's lines 949
// and 923, so the host calculates the schedule before total income and again
// after Schedule 9. Lines 21 and 28 (allocated but not designated to
// non-resident beneficiaries) are entered.
#pragma once

#include "framework/form.h"

class TaxData_Sch8 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch8() : CTaxDataBase01(23) {}

    int Calculate();
    // Whether an amount of the line `code` is prorated by days: every line
    // but 14 and 15.
    bool isDaysProrateApplicable(const CString& code) const;

    // Part A
    FLD(CFloatField, fld_ws_8110_slip, 0.0, 0);           // line 1: T3 box 23, T5 box 10
    FLD(CFloatField, fld_ws_8110_other, 0.0, 0);
    FLD(CFloatField, fld_8110, Record(W), Computed);      // line 1: other than eligible dividends
    FLD(CFloatField, fld_ws_8120_slip, 0.0, 0);           // line 2: T3 box 49, T5 box 24
    FLD(CFloatField, fld_ws_8120_other, 0.0, 0);
    FLD(CFloatField, fld_8120, Record(W), Computed);      // line 2: eligible dividends
    FLD(CFloatField, fld_after_8120, Computed);           // line 3: to line 03 of the return
    FLD(CFloatField, fld_FrgnInterest, 0.0, 0);           // line 4
    FLD(CFloatField, fld_ws_OtherFrgnInvInc_slip, 0.0, 0);  // line 5
    FLD(CFloatField, fld_ws_OtherFrgnInvInc_other, 0.0, 0);
    FLD(CFloatField, fld_FrgnOtherInvInc, Computed);
    FLD(CFloatField, fld_TotalFrnInvInc, Computed);       // line 6: to line 04 of the return
    FLD(CFloatField, fld_ws_interest_fromslip, 0.0, 0);   // line 7
    FLD(CFloatField, fld_ws_interest_other, 0.0, 0);
    FLD(CFloatField, fld_Interest, Computed);
    FLD(CFloatField, fld_OtherDeposits, 0.0, 0);          // line 8
    FLD(CFloatField, fld_Mortgages, 0.0, 0);              // line 9
    FLD(CFloatField, fld_OtherDiv, 0.0, 0);               // line 10
    FLD(CFloatField, fld_ws_OtherOther_slip, 0.0, 0);     // line 11
    FLD(CFloatField, fld_ws_OtherOther_1, 0.0, 0);
    FLD(CFloatField, fld_OtherInv, Computed);
    FLD(CFloatField, fld_TotalOther, Computed);           // line 12: to line 05 of the return
    FLD(CFloatField, fld_8160, Record(W), 0.0, 8160);     // line 13: interest on money borrowed
    FLD(CFloatField, fld_8170, Record(W), 0.0, 8170);     // line 14: management, safe custody, accounting fees
    FLD(CFloatField, fld_8180, Record(W), 0.0, 8180);     // line 15: investment counsel fees, 20(1)(bb)
    FLD(CFloatField, fld_8190, Record(W), 0.0, 8190);     // line 16
    FLD(CFloatField, fld_after_8190, Computed);           // line 17: to line 21 of the return

    // Part B
    FLD(CFloatField, fld_TotalEgblDiv, Computed);         // line 18: line 2
    FLD(CFloatField, fld_EgblDivToBene, 0.0, 0);          // line 19: Schedule 9 line 949
    FLD(CFloatField, fld_EgblDivNotDsgn, Computed);       // line 20
    FLD(CFloatField, fld_8239, Record(W), 0.0, 8239);     // line 21
    FLD(CFloatField, fld_EgblDivToGrossup, Computed);     // line 22
    FLD(CFloatField, fld_EgblDivGrossedup, Computed);     // line 24: to Schedule 11 line 14
    FLD(CFloatField, fld_NonEgblDiv, Computed);           // line 25: line 1
    FLD(CFloatField, fld_NonEgblDivToBene, 0.0, 0);       // line 26: Schedule 9 line 923
    FLD(CFloatField, fld_NonEgblDivNotDsgn, Computed);    // line 27
    FLD(CFloatField, fld_8240, Record(W), 0.0, 8240);     // line 28
    FLD(CFloatField, fld_NonEgblDivToGrossup, Computed);  // line 29
    FLD(CFloatField, fld_NonEgblDivGrossedup, Computed);  // line 31: to Schedule 11 line 15
    FLD(CFloatField, fld_TotallDivGrossedup, Computed);   // line 32: to line 49 of the return
};
