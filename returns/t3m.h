// Form T3M, environmental trust income tax return: Part XII.4 tax on the
// income of a qualifying environmental trust (line 175) and the provincial
// tax at the rate of the trust's province (line 176).
#pragma once

#include "returns/mailing_block.h"
#include "returns/t3base.h"
#include "returns/trustee_block.h"

class TaxData_T3M : public TaxData_T3Base {
    Q_OBJECT
public:
    TaxData_T3M() : TaxData_T3Base(4)
    {
        bindBasicInfo({&fld_trust_name, &fld_trust_num, &fld_trust_iprov, &fld_090,
                       "F295=%1, F176=%2, F190=%3, due/refund=%4", {&fld_295, &fld_176, &fld_190, &fld_090}});
    }

    int Calculate(TaxData_T2000* t2000) override;
    // Percent of line 295 a province levies (line 176); 0 where none applies.
    static double provincialRate(int province);

    int updateT183Trust(TaxData_T183Trust* t183) override;

    // ---- JSON filing document (efile/t3other_json.cpp)
    int writeJsonHeader(json& doc) override;
    int writeJsonMainPart1(json& doc) override;
    int writeJsonPrimaryTrustee(json& doc) override;

    FLD(CStringField, fld_tax_year, 0, "", 4, 0x10000);
    FLD(CIntField, fld_trust_iprov, 0, 0, 0x10000);
    FLD(CStringField, fld_trust_num, 0, "", 9, 0x10000);
    FLD(CStringField, fld_trust_name, 0, "", 60, 0x10000);
    TrusteeBlock m_trustee{this};
    MailingBlock m_mailing{this};
    FLD(CIntField, fld_iProvSite, 0, 0, 0x10000);  // province of the qualifying site
    FLD(CIntField, fld_iLang, -1, 0x10000);        // 0 English, 1 French
    // 0 mining reclamation, 1 waste, 2 quarry reclamation, 3 pipeline
    FLD(CIntField, fld_iTypeTrust, -1, 0x10000);
    FLD(CDateField, fld_trust_create_date);
    FLD(CDateField, fld_FinalDate);
    FLD(CIntField, fld_isFirstYear, -1, 0x10000);
    FLD(CFloatField, fld_beneficiariesNo, Decimals(0));
    FLD(CFloatField, fld_totalContribution);
    FLD(CFloatField, fld_totalWithdrawn);
    FLD(CFloatField, fld_295, Line("295", W));             // income subject to tax
    FLD(CFloatField, fld_295_1, Computed);            // line 295 again
    FLD(CFloatField, fld_175, Line("175", C), Computed);   // Part XII.4 tax: line 295 x 15 %
    FLD(CFloatField, fld_295_2, Computed);            // line 295 again
    FLD(CPercentField, fld_provRate);       // rate of the trust's province
    FLD(CFloatField, fld_176, Line("176", C), Computed);   // provincial tax: line 295 x rate
    FLD(CFloatField, fld_190, Line("190", C), Computed);   // total tax payable: 175 + 176
    FLD(CFloatField, fld_010, Line("10", C));         // instalments and other payments
    FLD(CFloatField, fld_090, Line("90", C), Computed);  // balance: 190 - 10
    FLD(CFloatField, fld_AmtEnclosed);
    FLD(CIntField, fld_RefCode, -1, 0x10000);
    FLD(CStringField, fld_trusteeNamePrint, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteePosition, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteePhone, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteeSignedDate, 0, "", 80, 0x10000);
};
