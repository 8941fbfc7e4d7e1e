// Schedule 4, "Cumulative Net Investment Loss" (CNIL): the trust's
// cumulative investment expenses (line 14) against its cumulative investment
// income (line 27); line 28 goes to Schedule 3 line 21.
//
// Lines 1, 6, 9, 10, 15 to 19, 22 and 23 are filled by the calculation
// engine from the return and Schedules 3 and 8; lines 13 and 26 are last
// year's lines 14 and 27, typed by the user.
#pragma once

#include "framework/form.h"

class TaxData_Sch4 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch4() : CTaxDataBase01(16) {}

    int Calculate();
    // Always carried into the new year, where the framework resets its amounts.
    bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov) override;
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;

    // Investment expenses
    FLD(CFloatField, fld_CarryCharge, 0.0, 0);                // line 1
    FLD(CFloatField, fld_4020, Record(W), 0.0, 4020);         // line 2
    FLD(CFloatField, fld_4030, Record(W), 0.0, 4030);         // line 3
    FLD(CFloatField, fld_4040, Record(W), 0.0, 4040);         // line 4
    FLD(CFloatField, fld_4050, Record(W), 0.0, 4050);         // line 5
    FLD(CFloatField, fld_investmentNetRentalLoss, 0.0, 0);    // line 6
    FLD(CFloatField, fld_4070, Record(W), 0.0, 4070);         // line 7
    FLD(CFloatField, fld_4080, Record(W), 0.0, 4080);         // line 8
    FLD(CFloatField, fld_investmentNetLossOther, 0.0, 0);     // line 9
    FLD(CFloatField, fld_amtLine9Sch3, 0.0, 0);               // line 10
    FLD(CFloatField, fld_investmentSubtotal, Computed);       // line 11
    FLD(CFloatField, fld_4112, Computed);                     // line 12
    FLD(CFloatField, fld_4130, Record(W), 0.0, 4130);         // line 13
    FLD(CFloatField, fld_4140, Computed);                     // line 14
    FLD(CFloatField, fld_temp4140, Computed);                 // line 14 on page 2

    // Investment income
    FLD(CFloatField, fld_line2Sch8, 0.0, 0);                  // line 15
    FLD(CFloatField, fld_taxableFromEligible, Computed);
    FLD(CFloatField, fld_line1Sch8, 0.0, 0);                  // line 16
    FLD(CFloatField, fld_taxableNoneEligible, Computed);
    FLD(CFloatField, fld_foreignInvestment, 0.0, 0);          // line 17
    FLD(CFloatField, fld_otherInvestment, 0.0, 0);            // line 18
    FLD(CFloatField, fld_netRental, Computed);                // line 19
    FLD(CFloatField, fld_4250, Record(W), 0.0, 4250);         // line 20
    FLD(CFloatField, fld_4260, Record(W), 0.0, 4260);         // line 21
    FLD(CFloatField, fld_taxableCC, 0.0, 0);                  // line 22
    FLD(CFloatField, fld_amtLine6Sch3, Computed);             // line 23
    FLD(CFloatField, fld_Subtotal, Computed);                 // line 24
    FLD(CFloatField, fld_4300, Computed);                     // line 25
    FLD(CFloatField, fld_4310, Record(W), 0.0, 4310);         // line 26
    FLD(CFloatField, fld_4320, Computed);                     // line 27
    FLD(CFloatField, fld_4330, 0.0, 4330);                    // line 28
};
