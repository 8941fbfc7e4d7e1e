// T4A slip received by the trust: pension, retirement, annuity and other income.
#pragma once

#include "slips/received_slip.h"

class TaxData_Slip_T4A : public ReceivedSlip {
    Q_OBJECT
public:
    explicit TaxData_Slip_T4A(int from = kSlipReceivedByTrust) : ReceivedSlip(3, from) {}
    int Calculate02() override;
    void addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const override;
    std::vector<SlipKeyBox> slipKeyBoxes() const override;

    FLD(CStringField, box_title, 0, "", 80);
    FLD(CBoolField, box_spouseofdeath);
    FLD(CBoolField, box_isIndian);
    FLD(CFloatField, box_16, 0.0, 16);  // pension or superannuation
    FLD(CFloatField, box_18, 0.0, 18);  // lump-sum payments
    FLD(CFloatField, box_20, 0.0, 20);
    FLD(CFloatField, box_22, 0.0, 22);  // income tax deducted
    FLD(CFloatField, box_24, 0.0, 24);
    FLD(CFloatField, box_28, 0.0, 28);  // other income
    FLD(CBoolField, box_not_5345);
    FLD(CBoolField, box_24_6810);
    FLD(CBoolField, box_28_included);
    FLD(CFloatField, box_ws_28_6811);
    FLD(CFloatField, box_ws_28_6810);
    FLD(CFloatField, box_30, 0.0, 30);
    FLD(CBoolField, box_30_NotIncome);
    FLD(CFloatField, box_32, 0.0, 32);
    FLD(CFloatField, box_fn_rpp);
    FLD(CBoolField, box_32_CanNotClaimLine207);
    FLD(CFloatField, box_34, 0.0, 34);
    FLD(CFloatField, box_37, 0.0, 37);
    FLD(CFloatField, box_40, 0.0, 40);
    FLD(CFloatField, box_42, 0.0, 42);
    FLD(CFloatField, box_46, 0.0, 46);
    FLD(CFloatField, box_48, 0.0, 48);
    FLD(CFloatField, box_104, 0.0, 104);
    FLD(CFloatField, box_28_code04_researchexp);
    FLD(CFloatField, box_105, 0.0, 105);
    FLD(CIntField, box_105_edueligible, -1);
    FLD(CFloatField, box_106, 0.0, 106);
    FLD(CFloatField, box_107, 0.0, 107);
    FLD(CFloatField, box_109, 0.0, 109);
    FLD(CFloatField, box_117, 0.0, 117);
    FLD(CFloatField, box_wageloss_premium_9916);
    FLD(CFloatField, box_118, 0.0, 118);
    FLD(CFloatField, box_119, 0.0, 119);
    FLD(CFloatField, box_123, 0.0, 123);
    FLD(CIntField, box_124_iForZoneAorB, -1);
    FLD(CFloatField, box_124, 0.0, 124);  // board and lodging at special work sites
    FLD(CFloatField, box_125, 0.0, 125);
    FLD(CFloatField, box_127, 0.0, 127);
    FLD(CFloatField, box_128, 0.0, 128);
    FLD(CFloatField, box_129, 0.0, 129);
    FLD(CFloatField, box_130, 0.0, 130);
    FLD(CFloatField, box_131, 0.0, 131);
    FLD(CFloatField, box_132, 0.0, 132);
    FLD(CFloatField, box_133, 0.0, 133);
    FLD(CFloatField, box_134, 0.0, 134);
    FLD(CFloatField, box_135, 0.0, 135);
    FLD(CFloatField, box_136, 0.0, 136);
    FLD(CFloatField, box_150, 0.0, 150);
    FLD(CFloatField, box_152, 0.0, 152);
    FLD(CFloatField, box_154, 0.0, 154);
    FLD(CFloatField, box_156, 0.0, 156);
    FLD(CFloatField, box_194, 0.0, 194);
    FLD(CFloatField, box_196, 0.0, 196);
    FLD(CFloatField, box_197, 0.0, 197);
    FLD(CFloatField, box_198, 0.0, 198);
    FLD(CFloatField, box_199, 0.0, 199);
    FLD(CIntField, box_201_FedOrProv, -1);
    FLD(CFloatField, box_200, 0.0, 200);
    FLD(CFloatField, box_201, 0.0, 201);
    FLD(CFloatField, box_202, 0.0, 202);
    FLD(CFloatField, box_203, 0.0, 203);
    FLD(CFloatField, box_204, 0.0, 204);
    FLD(CFloatField, box_205, 0.0, 205);
    FLD(CFloatField, box_210, 0.0, 210);
    FLD(CFloatField, box_211, 0.0, 211);

protected:
    const CStringField* payerField() const override { return &box_title; }
};
