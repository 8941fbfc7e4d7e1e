// Form T3A, request for loss carryback by a trust: the trust's income and
// losses of the year, the non-capital loss it leaves, and the parts of each
// kind of loss applied to the three prior years.
#pragma once

#include "framework/form.h"

#include <QDate>

class TaxData_T3A : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_T3A() : CTaxDataBase01(52) {}

    // Twice settles the result: the farming split reads the farming
    // subtotal before this pass recomputes it.
    int Calculate();
    // Record 66100 (the end of the trust's tax year) first, then the declared records.
    int WriteNetfile(unsigned char purpose, NetfileGenObjParamStruct* ctx) override;

    // End of the tax year the losses come from (record 66100); set by the
    // host from the T3 return, invalid otherwise.
    QDate m_taxYearEnd;

    FLD(CStringField, fld_Year, 0, "", 4, 0x10000);
    FLD(CStringField, fld_TN, 0, "", 9, 0x10000);
    // Income and losses of the year
    FLD(CFloatField, fld_inc_CapGain);
    FLD(CFloatField, fld_loss_CapGainDed);
    FLD(CFloatField, fld_inc_Pension);
    FLD(CFloatField, fld_inc_Ivst);
    FLD(CFloatField, fld_loss_Ivst);
    FLD(CFloatField, fld_inc_Busi);
    FLD(CFloatField, fld_loss_Busi);
    FLD(CFloatField, fld_inc_Farm);
    FLD(CFloatField, fld_loss_Farm);
    FLD(CFloatField, fld_inc_Rental);
    FLD(CFloatField, fld_loss_Rental);
    FLD(CFloatField, fld_income_AgriIvst);
    FLD(CFloatField, fld_inc_DeemedDisp);
    FLD(CFloatField, fld_inc_Other);
    FLD(CFloatField, fld_loss_BusiIvst);
    FLD(CFloatField, fld_loss_ExemInc);
    FLD(CFloatField, fld_loss_CapOtherYears);
    FLD(CFloatField, fld_inc_Subtotal1, Computed);
    FLD(CFloatField, fld_loss_Subtotal1, Computed);
    FLD(CFloatField, fld_inc_OtherDed);
    FLD(CFloatField, fld_inc_Subtotal2, Computed);   // income less other deductions, at least 0
    FLD(CFloatField, fld_loss_Subtotal3, Computed);  // losses less that income, at least 0
    FLD(CFloatField, fld_LossFarm, Computed);        // the farming or fishing part
    FLD(CFloatField, fld_LossForYear, Computed);     // non-capital loss of the year
    // Non-capital loss applied to the three prior years
    FLD(CFloatField, fld_66270, Line("66270", W));
    FLD(CFloatField, fld_66260, Line("66260", W));
    FLD(CFloatField, fld_66250, Line("66250", W));
    FLD(CFloatField, fld_LossPriorYear, Computed);
    FLD(CFloatField, fld_NonCapLossEnd, Computed);
    // Farming or fishing loss
    FLD(CFloatField, fld_LossFarmFish);
    FLD(CFloatField, fld_IncomeFarmFish);
    FLD(CFloatField, fld_SubTotalFarmFish, Computed);
    FLD(CFloatField, fld_AvailFarmFish, Computed);
    FLD(CFloatField, fld_66320, Line("66320", W));
    FLD(CFloatField, fld_66310, Line("66310", W));
    FLD(CFloatField, fld_66300, Line("66300", W));
    FLD(CFloatField, fld_CarrybackFarmFish, Computed);
    FLD(CFloatField, fld_LeftoverFarmFish, Computed);
    // Net capital loss
    FLD(CFloatField, fld_AvailCapLoss);
    FLD(CFloatField, fld_66380, Line("66380", W));
    FLD(CFloatField, fld_66370, Line("66370", W));
    FLD(CFloatField, fld_66360, Line("66360", W));
    FLD(CFloatField, fld_CarrybackCapLoss, Computed);
    FLD(CFloatField, fld_LeftoverCapLoss, Computed);
    // Limited partnership loss
    FLD(CFloatField, fld_AvailLPPLoss);
    FLD(CFloatField, fld_66440, Line("66440", W));
    FLD(CFloatField, fld_66430, Line("66430", W));
    FLD(CFloatField, fld_66420, Line("66420", W));
    FLD(CFloatField, fld_CarrybackLPP, Computed);
    FLD(CFloatField, fld_LeftoverLPP, Computed);
    // Restricted farm loss
    FLD(CFloatField, fld_AvailResFarmLoss);
    FLD(CFloatField, fld_66500, Line("66500", W));
    FLD(CFloatField, fld_66490, Line("66490", W));
    FLD(CFloatField, fld_66480, Line("66480", W));
    FLD(CFloatField, fld_CarrybackResFarmLoss, Computed);
    FLD(CFloatField, fld_LeftoverResFarmLoss, Computed);
    FLD(CIntField, fld_66800, Line("66800", Y), -1, 0x10000);
    FLD(CIntField, fld_66810, Line("66810", Y), -1, 0x10000);
    FLD(CStringField, fld_PrintName, 0, "", 80, 0x10000);
    FLD(CStringField, fld_Position, 0, "", 80, 0x10000);
    FLD(CStringField, fld_phone, 0, "", 20, 0x10000);
    FLD(CDateField, fld_66550);  // date signed (record 66550 when valid)
};
