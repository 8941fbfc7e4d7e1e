// Form T183 TRUST: the trust's authorization to file electronically. It takes
// the trust's identification and totals from the return being filed
// (TaxData_T3Base::updateT183Trust), holds the electronic filer, the
// representative and the e-signature, and builds the document control number.
#pragma once

#include "framework/address_fields.h"
#include "framework/trust_identification.h"
#include "framework/form.h"

#include <nlohmann/json_fwd.hpp>

using json = nlohmann::ordered_json;

class TaxData_T183Trust : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_T183Trust();

    int Calculate();
    // "24" followed by the first six characters of the control number.
    void getDCN(CString& out) const;
    // Trims fld_controlnum in place; true when it is then six letters or digits.
    bool checkDCNStr();
    bool hasSignDate() const;

    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    // The representative's data of the JSON filing document (efile/t183_json.cpp).
    int toJsonProfData(json& obj);
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;

    // The page's three control-number buttons: from the trust name's first
    // three characters, the current day and month digit, or the form's
    // sequence number. Each result is upper case.
    void generateControlNumber1();
    void generateControlNumber2();
    void generateControlNumber3();

    // Form-type id of the return that filled this form.
    int m_returnType = 0;

    FLD(CStringField, fld_TaxYearPrint, 0, "", 10, 0x10000);
    FLD(CBoolField, fld_bFirstTime, false, 0x10000);
    FLD(CStringField, fld_trust_name, 0, "", 80, 0x10000);
    FLD(CIntField, fld_trust_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_trust_country, 0, 0, 0x10000);
    FLD(CStringField, fld_TN, 0, "", 9, 0x10000);
    FLD(CStringField, fld_athlete_name, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trustee_name, 0, "", 80, 0x10000);
    FLD(CStringField, fld_phone, 0, "(000)-0000000", 20, 0x10000);
    FLD(CStringField, fld_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_city, 0, "", 80, 0x10000);
    FLD(CIntField, fld_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_country, 0, 0, 0x10000);
    FLD(CStringField, fld_postcode, 0, "", 20, 0x10000);
    // The trustee's address, filled by the return being filed.
    TrustIdentification m_trust{fld_trust_name, fld_TN, fld_trust_prov, fld_trust_country};
    AddressFields m_address{fld_addr, fld_city, fld_prov, fld_country, fld_postcode, fld_phone};
    // 0 T3 return, 1 T3-RCA, 2 T3ATH-IND, 5 T3M, 9 T3S
    FLD(CIntField, fld_t3_type, -1, 0x10000);
    FLD(CFloatField, fld_t3_total_inc, 0.0, 0);
    FLD(CFloatField, fld_t3_net_inc, 0.0, 0);
    FLD(CFloatField, fld_t3_tax_inc, 0.0, 0);
    FLD(CFloatField, fld_t3_payable, 0.0, 0);
    FLD(CFloatField, fld_t3_credit, 0.0, 0);
    FLD(CFloatField, fld_t3_bal, 0.0, 0);
    FLD(CFloatField, fld_t3_XI3_payable, 0.0, 0);
    FLD(CFloatField, fld_t3_taxOnInv, 0.0, 0);
    FLD(CFloatField, fld_t3_rca_bal, 0.0, 0);
    FLD(CFloatField, fld_t3_other_payable, 0.0, 0);
    FLD(CFloatField, fld_t3_other_bal, 0.0, 0);
    FLD(CStringField, fld_efiler, 0, "", 160, 0x10000);
    FLD(CStringField, fld_efilenum, 0, "", 20, 0x10000);
    FLD(CStringField, fld_RepID, 0, "", 10, 0x10000);
    FLD(CBoolField, fld_represent, false, 0x10000);
    FLD(CDateField, fld_expirydate);
    FLD(CIntField, fld_contactmethod, -1, 0x10000);
    FLD(CIntField, fld_contactmethod_post, -1, 0x10000);
    FLD(CStringField, fld_controlnum, 0, "", 6, 0x10000);
    FLD(CStringField, fld_DCNPrint, 0, "", 25, 0x10000);
    FLD(CStringField, fld_LegalRepName2, 0, "", 120, 0x10000);
    FLD(CBoolField, fld_ws_bESigned, false, 0x10000);
    // Registered right after the e-signed flag (its place in the stored data).
    FLD(CDateTimeField, fld_ws_ESignedDate);
    FLD(CStringField, fld_ws_ESignedReturnReqID, 0, "", 32, 0x10000);
    FLD(CStringField, fld_printSignDate, 0, "", 8, 0x10000);  // yyyyMMdd
    FLD(CStringField, fld_printSignTime, 0, "", 6, 0x10000);  // HHmmss
};
