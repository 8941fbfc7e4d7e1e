// Form T3S, supplementary unemployment benefit plan return: tax under
// subsection 207.1(5) on agreements to acquire shares, worked out on Form
// T2000 and reported on line 241.
#pragma once

#include "returns/t3base.h"
#include "returns/trustee_block.h"

class TaxData_T3S : public TaxData_T3Base {
    Q_OBJECT
public:
    TaxData_T3S() : TaxData_T3Base(5)
    {
        bindBasicInfo({&fld_plan_name, &fld_trust_num, nullptr, &fld_090,
                       "F241=%1, F010=%2, F190=%3, due/refund=%4", {&fld_241, &fld_010, &fld_190, &fld_090}});
    }

    // Gives Form T2000 the plan's name and account number, then lines 190 and 90.
    int Calculate(TaxData_T2000* t2000) override;

    int updateT183Trust(TaxData_T183Trust* t183) override;

    // ---- JSON filing document (efile/t3other_json.cpp)
    int writeJsonHeader(json& doc) override;
    int writeJsonMainPart1(json& doc) override;
    int writeJsonPrimaryTrustee(json& doc) override;

    FLD(CIntField, fld_is_amended, -1, 0x10000);
    FLD(CIntField, fld_is_first_year, -1, 0x10000);
    FLD(CStringField, fld_tax_year, 0, "", 4, 0x10000);
    FLD(CStringField, fld_plan_name, 0, "", 150, 0x10000);
    FLD(CStringField, fld_trust_num, 0, "", 60, 0x10000);
    FLD(CIntField, fld_trust_iprov, 0, 0, 0x10000);
    FLD(CStringField, fld_reg_number, 0, "", 60, 0x10000);
    FLD(CIntField, fld_lang, -1, 0x10000);  // 0 English, 1 French
    TrusteeBlock m_trustee{this};
    FLD(CStringField, fld_trust_addr, 0, "", 140, 0x10000);
    FLD(CStringField, fld_trust_city, 0, "", 80, 0x10000);
    FLD(CIntField, fld_trust_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_trust_country, 0, 0, 0x10000);
    FLD(CStringField, fld_trust_postcode, 0, "", 9, 0x10000);
    FLD(CDateField, fld_register_date);
    FLD(CDateField, fld_ceased_date);
    FLD(CIntField, fld_has_t3_return, -1, 0x10000);  // a related T3 return was filed
    FLD(CStringField, fld_related_trust_num, 0, "", 9, 0x10000);
    FLD(CFloatField, fld_241, Line("241", W));                // tax payable (Form T2000 line 2411)
    FLD(CFloatField, fld_190, Line("190", C), Computed);      // total tax payable: line 241
    FLD(CFloatField, fld_010, Line("10", C));            // instalments and other payments
    FLD(CFloatField, fld_090, Line("90", C), Computed);  // balance: 241 - 10
    FLD(CFloatField, fld_095, Line("95"));
    FLD(CFloatField, fld_102, Line("102"));
    FLD(CStringField, fld_trusteeNamePrint, 0, "", 32, 0x10000);
    FLD(CStringField, fld_trusteeSignature, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteePosition, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteePhone, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteeSignedDate, 0, "", 80, 0x10000);
};
