// Form T3-RCA, Part XI.3 tax return for a retirement compensation
// arrangement: the refundable tax of 50 % on the contributions and income of
// the year (lines 601 to 617), less the refunds for distributions (lines 618
// to 624), the election for the balance of the refundable tax account
// (lines 627 to 646), the employer's own tax (lines 650 to 653) and the
// balance owing (line 663).
#pragma once

#include "framework/field_rows.h"
#include "returns/mailing_block.h"
#include "returns/t3base.h"
#include "returns/trustee_block.h"

class TaxData_T3RCA : public TaxData_T3Base {
    Q_OBJECT
public:
    TaxData_T3RCA() : TaxData_T3Base(3)
    {
        bindBasicInfo({&fld_trust_name, &fld_trust_num, nullptr, &fld_601,
                       "F617=%1, F618=%2, F646=%3, due/refund=%4", {&fld_617, &fld_618, &fld_646, &fld_663}});
    }

    int Calculate(TaxData_T2000* t2000) override;
    int updateT183Trust(TaxData_T183Trust* t183) override;
    // Next year opens with this year's closing refundable tax account (line
    // 629) on line 601; a copy for the same year keeps it.
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;

    // ---- JSON filing document (efile/t3rca_json.cpp)
    int writeJsonHeader(json& doc) override;
    int writeJsonMainPart1(json& doc) override;
    int writeJsonPrimaryTrustee(json& doc) override;

    // A contribution row: the date, its details and the amount.
    struct EmployerRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CDateField, DateEmployer);
        ROW_FLD(CStringField, DetailEmployer, 0, "", 200, 0x10000);
        ROW_FLD(CFloatField, AmtEmployer);
    };
    struct MemberRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CDateField, DateRCAMember);
        ROW_FLD(CStringField, DetailRCAMember, 0, "", 200, 0x10000);
        ROW_FLD(CFloatField, AmtRCAMember);
    };
    // A transfer from another RCA trust: the date, the trust's name and the amount.
    struct TransferRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CDateField, DateRCATRust);
        ROW_FLD(CStringField, NameRCATRust, 0, "", 80, 0x10000);
        ROW_FLD(CFloatField, AmtRCATRust);
    };

    // ---- Identification
    FLD(CStringField, fld_tax_year, 0, "", 4, 0x10000);
    FLD(CIntField, fld_first_year, -1, 0x10000);
    FLD(CIntField, fld_final_year, -1, 0x10000);
    FLD(CIntField, fld_iLang, -1, 0x10000);  // 0 English, 1 French
    FLD(CStringField, fld_trust_name, 0, "", 60, 0x10000);
    FLD(CStringField, fld_trust_num, 0, "", 9, 0x10000);
    TrusteeBlock m_trustee{this};
    MailingBlock m_mailing{this};
    // ---- Questions
    FLD(CIntField, fld_iChangeTerm, -1, 0x10000);
    FLD(CIntField, fld_iTransferBeneficial, -1, 0x10000);
    FLD(CStringField, fld_nameDispose, 0, "", 80, 0x10000);
    FLD(CStringField, fld_addrDispose, 0, "", 80, 0x10000);
    FLD(CStringField, fld_IDDispose, 0, "", 20, 0x10000);
    FLD(CStringField, fld_nameBought, 0, "", 80, 0x10000);
    FLD(CStringField, fld_addrBought, 0, "", 80, 0x10000);
    FLD(CStringField, fld_IDBought, 0, "", 20, 0x10000);
    FLD(CIntField, fld_iAmtReturned, -1, 0x10000);
    FLD(CStringField, fld_PayrollAcctNum, 0, "", 15, 0x10000);
    FLD(CStringField, fld_NonResiRemitAcctNum, 0, "", 9, 0x10000);
    FLD(CFloatField, fld_NumOfMemebers, Decimals(0));
    FLD(CIntField, fld_iNonCash, -1, 0x10000);
    FLD(CIntField, fld_iPropertyDeal, -1, 0x10000);
    FLD(CIntField, fld_iPropertyUsed, -1, 0x10000);
    FLD(CDateField, fld_dateLoan);
    FLD(CStringField, fld_anotherTrustNumber, 0, "", 9, 0x10000);
    FLD(CDateField, fld_dateDetermination);
    FLD(CIntField, fld_radio11, -1, 0x10000);  // resident trust not under subsection 150(1.2)
    FLD(CIntField, fld_radio12, -1, 0x10000);  // specified arrangement
    // ---- Contributions received in the year
    FieldRows<EmployerRow, 12> m_employer{this, "fld_", "_"};
    FLD(CFloatField, fld_TotalAmtEmployer, Computed);
    FLD(CFloatField, fld_6021, Line("6021", C), Computed);  // employer contributions x 2
    FieldRows<MemberRow, 12> m_member{this, "fld_", "_"};
    FLD(CFloatField, fld_6031, Line("6031", C), Computed);  // member contributions
    FieldRows<TransferRow, 2> m_transfer{this, "fld_", "_"};
    FLD(CFloatField, fld_RCATrustSubtotal, Computed);
    FLD(CFloatField, fld_6041, Line("6041", C), Computed);  // transfers x 2
    // ---- Refundable tax
    FLD(CFloatField, fld_601, Line("601", C));  // refundable tax account at the end of last year
    FLD(CFloatField, fld_602, Line("602", C), Computed);
    FLD(CFloatField, fld_603, Line("603", C), Computed);
    FLD(CFloatField, fld_604, Line("604", C), Computed);
    FLD(CFloatField, fld_after_604, Computed);  // 602 + 603 + 604
    FLD(CFloatField, fld_b4_606, Computed);     // half of it
    FLD(CFloatField, fld_606, Line("606", C), Computed);
    FLD(CFloatField, fld_607, Line("607", C));  // income: interest, dividends, other
    FLD(CFloatField, fld_608, Line("608", C));
    FLD(CFloatField, fld_609, Line("609", C));
    FLD(CFloatField, fld_610, Line("610", C), Computed);
    FLD(CFloatField, fld_611, Line("611", C));  // deductible expenses and losses
    FLD(CFloatField, fld_612, Line("612", C));
    FLD(CFloatField, fld_613, Line("613", C));
    FLD(CFloatField, fld_614, Line("614", C), Computed);
    FLD(CFloatField, fld_b4_616, Computed);  // 610 - 614, at least 0
    FLD(CFloatField, fld_616, Line("616", C), Computed);
    FLD(CFloatField, fld_617, Line("617", C), Computed);  // 606 + 616
    FLD(CFloatField, fld_618, Line("618", C));  // distributions and refunds
    FLD(CFloatField, fld_619, Line("619", C));
    FLD(CFloatField, fld_620, Line("620", C));
    FLD(CFloatField, fld_621, Line("621", C));
    FLD(CFloatField, fld_double621, Computed);
    FLD(CFloatField, fld_6211, Line("6211", C));
    FLD(CFloatField, fld_622, Line("622", C), Computed);
    FLD(CFloatField, fld_fromLine18, Computed);  // line 617
    FLD(CFloatField, fld_fromLine24, Computed);  // line 622
    FLD(CFloatField, fld_refundableTax, Computed);  // half of line 622
    FLD(CFloatField, fld_624, Line("624", C), Computed);  // refundable tax account at the end of the year
    FLD(CIntField, fld_OptionABC, -1, 0x10000);  // 1: the election under subsection 207.5(2)
    FLD(CFloatField, fld_from624, Computed);  // line 624 again
    FLD(CFloatField, fld_627, Line("627", C), Computed);
    FLD(CFloatField, fld_after627, Computed);
    FLD(CFloatField, fld_629, Line("629", C), Computed);
    FLD(CFloatField, fld_631, Line("631", C));
    FLD(CFloatField, fld_PrincipalAmt_1);
    FLD(CFloatField, fld_PrincipalAmt_2);
    FLD(CFloatField, fld_PrincipalAmt_3);
    FLD(CFloatField, fld_marketValue_1);
    FLD(CFloatField, fld_marketValue_2);
    FLD(CFloatField, fld_marketValue_3);
    FLD(CFloatField, fld_debt_1, Computed);  // the larger of principal and market value
    FLD(CFloatField, fld_debt_2, Computed);
    FLD(CFloatField, fld_debt_3, Computed);
    FLD(CFloatField, fld_634, Line("634", C), Computed);
    FLD(CFloatField, fld_635, Line("635", C));
    FLD(CFloatField, fld_636, Line("636", C), Computed);
    // ---- Election
    FLD(CStringField, fld_election_name, 0, "", 80, 0x10000);
    FLD(CStringField, fld_RCATrust_name, 0, "", 80, 0x10000);
    FLD(CStringField, fld_tax_year_elect, 0, "", 4, 0x10000);
    FLD(CDateField, fld_cert_date);
    FLD(CStringField, fld_custodianSignature, 0, "", 80, 0x10000);
    // ---- Tax payable
    FLD(CFloatField, fld_641, Line("641", C), Computed);
    FLD(CFloatField, fld_642, Line("642", C));
    FLD(CFloatField, fld_643, Line("643"));
    FLD(CFloatField, fld_644, Line("644"));
    FLD(CFloatField, fld_after644, Computed);  // 642 - 643 + 644
    FLD(CFloatField, fld_646, Line("646", C), Computed);  // refundable tax payable: 641 - the above
    FLD(CFloatField, fld_before650);
    FLD(CFloatField, fld_650, Line("650", C), Computed);
    FLD(CFloatField, fld_before651);
    FLD(CFloatField, fld_651, Line("651", C), Computed);
    FLD(CFloatField, fld_652, Line("652", C));
    FLD(CFloatField, fld_653, Line("653", C), Computed);
    FLD(CFloatField, fld_taxDeducted);
    FLD(CFloatField, fld_paymentRemitted);
    FLD(CFloatField, fld_662, Line("662"), Computed);
    FLD(CFloatField, fld_663, Line("663", C), Computed);  // balance owing (refund)
    FLD(CFloatField, fld_95, Line("95"));
    FLD(CIntField, fld_RefCode, -1, 0x10000);
    FLD(CStringField, fld_trusteeNamePrint, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteePosition, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteePhone, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trusteeSignedDate, 0, "", 80, 0x10000);
};
