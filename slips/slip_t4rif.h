// T4RIF slip received by the trust: income from a registered retirement income fund.
#pragma once

#include "slips/received_slip.h"

class TaxData_Slip_T4RIF : public ReceivedSlip {
    Q_OBJECT
public:
    explicit TaxData_Slip_T4RIF(int from = kSlipReceivedByTrust) : ReceivedSlip(7, from) {}
    void addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const override;
    std::vector<SlipKeyBox> slipKeyBoxes() const override;

    FLD(CStringField, box_title, 0, "", 80);
    FLD(CBoolField, box_spousedeath);
    FLD(CBoolField, box_deathRRIF);
    FLD(CFloatField, box_16, 0.0, 16);  // taxable amounts
    FLD(CFloatField, box_18, 0.0, 18);
    FLD(CFloatField, box_20, 0.0, 20);
    FLD(CFloatField, box_22, 0.0, 22);
    FLD(CFloatField, box_24, 0.0, 24);
    FLD(CIntField, box_26, 26, -1, FIELD_ATTR_DEFAULT);
    FLD(CFloatField, box_28, 0.0, 28);  // income tax deducted
    FLD(CFloatField, box_37, 0.0, 37);
    FLD(CFloatField, box_36, 0.0, 36);

protected:
    const CStringField* payerField() const override { return &box_title; }
};
