// T4NR slip received by the trust: amounts paid to a non-resident. Kept as
// an attached document; no amount of it reaches the return.
#pragma once

#include "slips/received_slip.h"

class TaxData_Slip_T4NR : public ReceivedSlip {
    Q_OBJECT
public:
    explicit TaxData_Slip_T4NR(int from = kSlipReceivedByTrust) : ReceivedSlip(2, from) {}
    int getSlipContentForAttachDoc(CString& out, std::map<CString, CString>& values) override;
    CString slipParty() const override { return fld_personName.str(); }
    std::vector<SlipKeyBox> slipKeyBoxes() const override;

    FLD(CFloatField, fld_18, 0.0, 18);  // gross income
    FLD(CFloatField, fld_22, 0.0, 22);  // income tax deducted
    FLD(CFloatField, fld_26, Decimals(0), 0.0, 26);  // days in Canada
    FLD(CStringField, fld_personName, 0, "", 80);
    FLD(CStringField, fld_country, 0, "", 80);
    FLD(CStringField, fld_address, 0, "", 80);
    FLD(CStringField, fld_FreeText, 0, "", 200);
};
