// T4A(P) slip received by the trust: Canada or Quebec Pension Plan benefits.
#pragma once

#include "slips/received_slip.h"

class CSlipData_T4AP : public ReceivedSlip {
    Q_OBJECT
public:
    explicit CSlipData_T4AP(int from = kSlipReceivedByTrust) : ReceivedSlip(4, from) {}
    int Calculate02() override;
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    int Warning(std::list<CString>& messages) override;
    void addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const override;
    std::vector<SlipKeyBox> slipKeyBoxes() const override;

    FLD(CStringField, box_title, 0, "", 80);
    FLD(CBoolField, box_IsIndian);
    FLD(CIntField, box_IsCPP, -1);               // 0 CPP, 1 QPP
    FLD(CFloatField, box_14, 0.0, 14);           // retirement benefit
    FLD(CBoolField, box_FirstYearRetirement);
    FLD(CFloatField, box_15, 0.0, 15);
    FLD(CFloatField, box_16, 0.0, 16);           // disability benefit
    FLD(CFloatField, box_17, 0.0, 17);
    FLD(CFloatField, box_18, 0.0, 18);
    FLD(CFloatField, box_19, 0.0, 19);
    FLD(CFloatField, box_20, 0.0, 20);           // total of boxes 14 to 19
    FLD(CBoolField, box_overwrite_20);
    FLD(CFloatField, box_21, Decimals(0), 0.0, 21);      // months of disability benefit
    FLD(CFloatField, box_22, 0.0, 22);           // income tax deducted
    FLD(CFloatField, box_23, Decimals(0), 0.0, 23);      // months of retirement benefit

protected:
    const CStringField* payerField() const override { return &box_title; }
};
