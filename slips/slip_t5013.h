// T5013 slip received by the trust: its share of a partnership's income.
#pragma once

#include "slips/received_slip.h"

class TaxData_Slip_T5013 : public ReceivedSlip {
    Q_OBJECT
public:
    // Always a slip the trust received, whatever origin its creator gives.
    explicit TaxData_Slip_T5013(int /*from*/ = kSlipReceivedByTrust) : ReceivedSlip(8, kSlipReceivedByTrust) {}
    int Calculate02() override;
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    void addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const override;
    std::vector<SlipKeyBox> slipKeyBoxes() const override;
    // Makes this slip the co-owner's part of `other`, a T5013 slip of the same
    // partnership: its boxes with the rest of the ownership.
    int SyncSharedData(CTaxData_Form* other);

    FLD(CStringField, box_partnershipID, 0, "", 20);
    FLD(CStringField, box_taxshelterID, 0, "", 20);
    FLD(CStringField, box_name, 0, "", 20);  // partnership
    FLD(CStringField, box_GSTNumber, 0, "", 20);
    FLD(CBoolField, box_m_isForeignSlip);
    FLD(CFloatField, box_18_notused, 0.0, 18);
    FLD(CStringField, box_IndustryCode, 0, "", 20);
    FLD(CStringField, box_Address, 0, "", 120);
    FLD(CPercentField, box_percent, 100.0);  // the trust's ownership share
    FLD(CFloatField, box_30, 0.0, 30);
    FLD(CFloatField, box_101, 0.0, 101);
    FLD(CFloatField, box_103, 0.0, 103);
    FLD(CFloatField, box_104, 0.0, 104);
    FLD(CFloatField, box_107, 0.0, 107);
    FLD(CFloatField, box_108, 0.0, 108);
    FLD(CFloatField, box_109, 0.0, 109);
    FLD(CFloatField, box_113, 0.0, 113);
    FLD(CFloatField, box_114, 0.0, 114);
    FLD(CFloatField, box_116, 0.0, 116);
    FLD(CFloatField, box_118, 0.0, 118);
    FLD(CFloatField, box_162, 0.0, 162);
    FLD(CFloatField, box_164, 0.0, 164);
    FLD(CFloatField, box_166, 0.0, 166);
    FLD(CFloatField, box_43, 0.0, 43);
    FLD(CFloatField, box_128, 0.0, 128);
    FLD(CFloatField, box_129, 0.0, 129);
    FLD(CFloatField, box_130, 0.0, 130);
    FLD(CFloatField, box_131, 0.0, 131);
    FLD(CFloatField, box_132, 0.0, 132);
    FLD(CFloatField, box_133, 0.0, 133);
    FLD(CFloatField, box_134, 0.0, 134);
    FLD(CFloatField, box_135, 0.0, 135);
    FLD(CFloatField, box_137, 0.0, 137);
    FLD(CFloatField, box_145, 0.0, 145);
    FLD(CFloatField, box_146, 0.0, 146);
    FLD(CFloatField, box_151, 0.0, 151);  // capital gains (losses)
    FLD(CFloatField, box_168, 0.0, 168);
    FLD(CFloatField, box_171, 0.0, 171);
    FLD(CFloatField, box_172, 0.0, 172);
    FLD(CFloatField, box_210, 0.0, 210);
    FLD(CFloatField, box_236, 0.0, 236);

protected:
    const CStringField* payerField() const override { return &box_name; }
};
