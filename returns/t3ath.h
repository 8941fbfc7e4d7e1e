// Form T3ATH-IND, amateur athlete trust income tax return: the trust's
// Part XII.4-like tax on line 4 (two thirds of lines 1 and 2), the tax of
// Form T2000 on line 241, and the balance.
#pragma once

#include "framework/address_fields.h"
#include "returns/t3base.h"

class TaxData_T3ATH_Ind : public TaxData_T3Base {
    Q_OBJECT
public:
    TaxData_T3ATH_Ind() : TaxData_T3Base(2)
    {
        bindBasicInfo({nullptr, &fld_trust_num, &fld_trust_iprov, &fld_090,
                       "140=%1, F170=%2, F190=%3, due/refund=%4", {&fld_140, &fld_170, &fld_190, &fld_090}});
    }

    // Line 241 is Form T2000's balance when there is one.
    int Calculate(TaxData_T2000* t2000) override;
    int Validate(unsigned char purpose, std::list<CString>& messages) override;

    // The athlete's first and last name, with a space between (never "_unamed").
    bool getName(CString& out) override;
    int updateT183Trust(TaxData_T183Trust* t183) override;

    // ---- JSON filing document (efile/t3other_json.cpp)
    int writeJsonHeader(json& doc) override;
    int writeJsonMainPart1(json& doc) override;
    int writeJsonPrimaryTrustee(json& doc) override;

    FLD(CIntField, fld_amended, -1, 0x10000);
    FLD(CIntField, fld_first_year, -1, 0x10000);
    FLD(CStringField, fld_tax_year, 0, "", 4, 0x10000);
    // The athlete
    FLD(CStringField, fld_lname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_fname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trust_num, 0, "", 9, 0x10000);
    FLD(CStringField, fld_athlete_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_athlete_city, 0, "", 80, 0x10000);
    FLD(CStringField, fld_athlete_sin, 0, "", 9, 0x10000);
    FLD(CIntField, fld_athlete_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_athlete_country, 0, 0, 0x10000);
    FLD(CStringField, fld_athlete_postcode, 0, "", 9, 0x10000);
    // 0: the trustee is an individual; 1: a non-individual
    FLD(CIntField, fld_iNonIndividual, -1, 0x10000);
    FLD(CStringField, fld_Indvfname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_IndvLastname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_indv_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_indv_city, 0, "", 80, 0x10000);
    FLD(CStringField, fld_indv_phone, 0, "(000)-0000000", 20, 0x10000);
    FLD(CIntField, fld_indv_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_indv_country, 0, 0, 0x10000);
    FLD(CStringField, fld_indv_postcode, 0, "", 9, 0x10000);
    FLD(CStringField, fld_trustee_fname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trustee_lname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_rcaa_num, 0, "", 12, 0x10000);
    FLD(CStringField, fld_trustee_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trustee_city, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trustee_phone, 0, "(000)-0000000", 20, 0x10000);
    FLD(CIntField, fld_trustee_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_trustee_country, 0, 0, 0x10000);
    FLD(CStringField, fld_trustee_postcode, 0, "", 9, 0x10000);
    AddressFields m_indvAddress{fld_indv_addr,    fld_indv_city,     fld_indv_prov,
                                fld_indv_country, fld_indv_postcode, fld_indv_phone};
    AddressFields m_trusteeAddress{fld_trustee_addr,    fld_trustee_city,     fld_trustee_prov,
                                   fld_trustee_country, fld_trustee_postcode, fld_trustee_phone};
    // Where the books are kept
    FLD(CStringField, fld_book_addr, 0, "", 80, 0x10000);
    FLD(CIntField, fld_book_iprov, 0, 0, 0x10000);
    FLD(CStringField, fld_book_city, 0, "", 80, 0x10000);
    FLD(CIntField, fld_book_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_book_country, 0, 0, 0x10000);
    FLD(CStringField, fld_book_postcode, 0, "", 9, 0x10000);
    FLD(CDateField, fld_trust_create_date);
    FLD(CIntField, fld_trust_cease, -1, 0x10000);
    FLD(CDateField, fld_trust_wound_date);
    FLD(CIntField, fld_trust_iprov, 0, 0, 0x10000);
    FLD(CIntField, fld_iLang, -1, 0x10000);  // 0 English, 1 French
    // Beneficial ownership
    FLD(CIntField, fld_outsideTrust, -1, 0x10000);
    FLD(CIntField, fld_paragraph150, -1, 0x10000);
    FLD(CIntField, fld_HoldLess250K, -1, 0x10000);
    // Tax on the income of the trust
    FLD(CFloatField, fld_line1);
    FLD(CFloatField, fld_line2);
    FLD(CFloatField, fld_270, Line("270", W), Computed);  // line 1 plus line 2
    FLD(CFloatField, fld_line4, Computed);                // 2/3 of line 270
    FLD(CStringField, fld_remit_num, 0, "", 15, 0x10000);
    FLD(CFloatField, fld_241, Line("241", W));            // Form T2000 balance
    FLD(CFloatField, fld_140, Line("140"), Computed);      // line 241
    FLD(CFloatField, fld_170, Line("170", W), Computed);   // line 4
    FLD(CFloatField, fld_190, Line("190", C), Computed);   // 140 + 170
    FLD(CFloatField, fld_010, Line("10", W));
    FLD(CFloatField, fld_090, Line("90", C), Computed);    // 190 - 10
    FLD(CFloatField, fld_095, Line("95", W));
    FLD(CIntField, fld_RefCode, -1, 0x10000);
    FLD(CStringField, fld_cert_name, 0, "", 80, 0x10000);
    FLD(CStringField, fld_cert_pos, 0, "", 80, 0x10000);
    FLD(CStringField, fld_cert_phone, 0, "", 80, 0x10000);
    FLD(CStringField, fld_cert_date, 0, "", 80, 0x10000);
};
