// Filing information of the trust's T3 slip return: the transmitter, the
// number that identifies it, its contact person and language.
#pragma once

#include "framework/form.h"
#include "framework/jsonhelpers.h"

class TaxData_Slip_Issuing_FilingInfo : public CSlipTaxDataBase01 {
    Q_OBJECT
public:
    static constexpr ENUMTYPE_SLIP kSlipType = 1002;
    static constexpr int kTrustAccount = 0;
    static constexpr int kProgramAccount = 1;
    static constexpr int kRepresentativeId = 2;
    static constexpr int kFrench = 1;
    TaxData_Slip_Issuing_FilingInfo() : CSlipTaxDataBase01(kSlipType, kSlipIssuedByTrust) {}

    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    bool GetDisplayName(CString& out) override;
    CString slipParty() const override { return box_name.str(); }
    int getTransmitterData(json& out);  // efile/t3slip_json.cpp

    FLD(CStringField, box_name, 0, "", 180);  // transmitter name, line 1
    FLD(CIntField, box_iCountry, 0);          // 0: not chosen
    FLD(CIntField, box_lang, -1);             // 1 French, otherwise English
    FLD(CIntField, box_AcctNumOption, -1);    // trust account, program account, representative
    FLD(CStringField, box_AcctNum, 0, "", 20);
    FLD(CStringField, box_RepID, 0, "", 10);
    FLD(CStringField, box_ContactName, 0, "", 80);
    FLD(CStringField, box_ContactPhone, 0, "", 20);
    FLD(CStringField, box_ContactEmail, 0, "", 80);

    CString m_trustAcctNum;  // the trust's account number, set by the engine
};
