// Schedule 11A, donations and gifts tax credit: the donations limit (lines
// 1 to 10), the amount claimed (lines 11 to 17) and the credit at 15 %, 29 %
// and 33 % (lines 18 to 30). Line 30 is Schedule 11 line 17.
#pragma once

#include "framework/form.h"

class TaxData_Sch11A : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch11A() : CTaxDataBase01(21) {}
    int Calculate();

    bool m_isGraduatedRate = false;  // GRE or QDT, set by the host

    FLD(CFloatField, fld_11126, Record(W));             // line 1: registered charities in Canada
    FLD(CFloatField, fld_11127, Record(W));             // line 2: universities outside Canada
    FLD(CFloatField, fld_11128, Record(W));             // line 3: United Nations, foreign charities
    FLD(CFloatField, fld_11129, Record(W));             // made in the current year (in lines 1, 2, 3 and 11)
    FLD(CFloatField, fld_11117, Record(W));             // line 4: applied to the deceased's returns
    FLD(CFloatField, fld_11121, Computed);              // line 5: total eligible charitable donations
    FLD(CFloatField, fld_NetInc);                       // line 6, first box: net income
    FLD(CFloatField, fld_75PcntNetInc, Computed);       // line 6
    FLD(CFloatField, fld_11123, Record(W));             // line 7: 25 % of taxable capital gains on gifts
    FLD(CFloatField, fld_11124, Record(W));             // line 8: 25 % of recaptured CCA on gifts
    FLD(CFloatField, fld_after_11124, Computed);        // line 9: donations limit
    FLD(CFloatField, fld_AllowableDonAmt, Computed);    // line 10
    FLD(CFloatField, fld_11122, Record(W));             // line 11: cultural and ecological gifts
    FLD(CFloatField, fld_11118, Record(W));             // line 12: of them, applied to the deceased's returns
    FLD(CFloatField, fld_TotalDonAmt, Computed);        // line 13
    FLD(CFloatField, fld_11125, Record(W));             // line 14: claimed this year
    FLD(CFloatField, fld_11119, Record(W));             // line 15: ecological gifts of 2014 and 2015
    FLD(CFloatField, fld_200orless, Computed);          // line 16
    FLD(CFloatField, fld_after_200orless, Computed);    // line 17
    FLD(CFloatField, fld_after_200orless_1, Computed);  // line 18
    FLD(CFloatField, fld_11119_1, Computed);            // line 19
    FLD(CFloatField, fld_sub_1, Computed);              // line 20
    FLD(CFloatField, fld_TaxInc);                       // line 21: taxable income
    FLD(CFloatField, fld_line23, Computed);             // line 23
    FLD(CFloatField, fld_Pcnt33Amt, Computed);          // line 24
    FLD(CFloatField, fld_Pcnt33Credit, Computed);       // line 25
    FLD(CFloatField, fld_Pcnt29Amt, Computed);          // line 26
    FLD(CFloatField, fld_Pcnt29Credit, Computed);       // line 27
    FLD(CFloatField, fld_Pcnt15Amt, Computed);          // line 28
    FLD(CFloatField, fld_Pcnt15Credit, Computed);       // line 29
    FLD(CFloatField, fld_11120, Computed);              // line 30: donations and gifts tax credit
};
