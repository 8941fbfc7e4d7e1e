// The T3 trust income tax and information return: identification, type of
// trust, other information, Steps 2 to 5 and the certification.
//
// The host runs one calculation pass as: Calculate_NoOrderPart (any time);
// the Step 2 schedules, copied into their lines; Calculate_TotalInc;
// Schedule 9 into line 471 (unless fld_overwrite_line471) and Schedule 8's
// lines 17 and 32 into fld_charges and fld_gross_div; Calculate_NetInc; the
// loss lines and Schedule 1's add-back; Calculate_TaxInc; the tax schedules
// and credit forms into fld_80 .. the credit lines; Calculate_Step5.
#pragma once

#include "framework/address_fields.h"
#include "returns/t3base.h"

class TaxData_T3Ret : public TaxData_T3Base {
    Q_OBJECT
public:
    TaxData_T3Ret();

    // ---- basic information
    bool setBasicInfo(const CString& name, int prov) override;
    bool getName(CString& out) override;
    bool setTrustNumber(const CString& number) override;
    bool getTrustNumber(CString& out) override;
    bool setTaxYearStartEnd(const QDate& start, const QDate& end) override;
    int getTaxYearStartEnd(QDate& start, QDate& end) override;

    // ---- results and authorization
    double getBalOrDue() override;
    bool getTaxReturnResult(CString& out) override;
    int updateT183Trust(TaxData_T183Trust* t183) override;

    void getUIPages(QList<BaseTaxPage*>& pages, QWidget* parent) override;  // pages/t3ret_pages.cpp
    int Validate(unsigned char purpose, std::list<CString>& messages) override;

    // ---- e-filing output (efile/t3ret_netfile.cpp, efile/t3ret_json.cpp)
    int WriteNetfile(unsigned char purpose, NetfileGenObjParamStruct* ctx) override;
    int writeJsonHeader(json& doc) override;
    int writeJsonMainPart1(json& doc) override;
    // Adds the primary trustee (and the mailing address) to the "trustIdentification" object.
    int writeJsonPrimaryTrustee(json& identification) override;
    int getIssuingSlipEntityData(json& doc) override;
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;

    // ---- calculation steps, in the host's order
    int Calculate_NoOrderPart();
    int Calculate_TotalInc();
    int Calculate_NetInc();
    int Calculate_TaxInc();
    int Calculate_Step5();

    // ---- predicates on the current answers
    bool isIndvTrustee() const;
    // The individual's address for an individual trustee, otherwise the
    // non-individual trustee's (an unanswered trustee option included).
    const AddressFields& primaryTrusteeAddress() const;
    bool isMailAddrSame() const;
    bool isGREorQDT() const;
    bool isGRE() const;
    bool isQDT() const;
    bool isSIFTFlagNeeded() const;

    // Set by Calculate_TotalInc for a trust of type code 338; read by the JSON writer.
    bool m_siftMutualFundTrust = false;
    // Taxable income before flooring at zero (for Schedule 12 line 27).
    double m_taxableIncomeUnfloored = 0.0;

    // ---- Step 1, identification
    FLD(CStringField, fld_trust_num, 0, "", 9, 0x10000);
    FLD(CDateField, fld_start_date);
    FLD(CDateField, fld_end_date);
    FLD(CStringField, fld_trust_name, 0, "", 120, 0x10000);
    FLD(CIntField, fld_trust_icountry, 0, 0, 0x10000);
    FLD(CIntField, fld_trust_iprov, 0, 0, 0x10000);
    // 0 N/A, 1 section 216(1), 2 section 216(4), 3 section 216(5)
    FLD(CIntField, fld_ws_bSection216, 0, 0x10000);
    // 0: the trustee is an individual; 1: a non-individual
    FLD(CIntField, fld_bTrusteeIsPerson, -1, 0x10000);
    FLD(CStringField, fld_indv_fname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_indv_lname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_indv_phone, 0, "(000)-0000000", 15, 0x10000);
    FLD(CStringField, fld_indv_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_indv_city, 0, "", 80, 0x10000);
    FLD(CIntField, fld_indv_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_indv_country, 0, 0, 0x10000);
    FLD(CStringField, fld_indv_postcode, 0, "", 10, 0x10000);
    FLD(CStringField, fld_trustee_orgname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trustee_fname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trustee_lname, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trustee_phone, 0, "(000)-0000000", 15, 0x10000);
    FLD(CStringField, fld_trustee_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trustee_city, 0, "", 80, 0x10000);
    FLD(CIntField, fld_trustee_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_trustee_country, 0, 0, 0x10000);
    FLD(CStringField, fld_trustee_postcode, 0, "", 10, 0x10000);
    FLD(CBoolField, fld_bSameMailAddr, false, 0x10000);
    FLD(CStringField, fld_mail_careof, 0, "", 80, 0x10000);
    FLD(CStringField, fld_mail_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_mail_phone, 0, "(000)-0000000", 15, 0x10000);
    FLD(CStringField, fld_mail_city, 0, "", 80, 0x10000);
    FLD(CIntField, fld_mail_iprov, 0, 0, 0x10000);
    FLD(CIntField, fld_mail_icountry, 0, 0, 0x10000);
    FLD(CStringField, fld_mail_postcode, 0, "", 10, 0x10000);
    // The address groups of the fields above.
    AddressFields m_indvAddress{fld_indv_addr,    fld_indv_city,     fld_indv_prov,
                                fld_indv_country, fld_indv_postcode, fld_indv_phone};
    AddressFields m_trusteeAddress{fld_trustee_addr,    fld_trustee_city,     fld_trustee_prov,
                                   fld_trustee_country, fld_trustee_postcode, fld_trustee_phone};
    AddressFields m_mailAddress{fld_mail_addr,     fld_mail_city,     fld_mail_iprov,
                                fld_mail_icountry, fld_mail_postcode, fld_mail_phone};
    FLD(CIntField, fld_is_aboriginal, -1, 0x10000);
    FLD(CStringField, fld_settlement_num, 0, "", 20, 0x10000);
    FLD(CIntField, fld_business_prov_1, 0, 0, 0x10000);
    FLD(CDateField, fld_became_date);
    FLD(CDateField, fld_cease_date);
    FLD(CIntField, fld_is_deemed, -1, 0x10000);
    FLD(CStringField, fld_other_country, 0, "", 50, 0x10000);
    FLD(CIntField, fld_other_icountry, 0, 0, 0x10000);
    // 0 English, 1 French
    FLD(CIntField, fld_lang, -1, 0x10000);

    // ---- type of trust and return information
    FLD(CIntField, fld_first_year, -1, 0x10000);
    // 0: graduated rate estate (903); 1: qualified disability trust (904)
    FLD(CIntField, fld_i903_904, -1, 0x10000);
    FLD(CStringField, fld_year_last, 0, "", 4, 0x10000);
    FLD(CBoolField, fld_ws_othertype, false, 0x10000);
    FLD(CStringField, fld_trust_code, 0, "", 4, 0x10000);
    FLD(CStringField, fld_other_spec, 0, "", 120, 0x10000);
    // 0 sent, 1 with the T3APP, 2 with the deceased's final T1 return, 3 not applicable
    FLD(CIntField, fld_attach_flag, -1, 0x10000);
    FLD(CDateField, fld_decease_date1);
    FLD(CStringField, fld_decease_sin1, 0, "", 9, 0x10000);
    FLD(CIntField, fld_amended, -1, 0x10000);
    FLD(CIntField, fld_iNonProfit, -1, 0x10000);
    FLD(CIntField, fld_is_final, -1, 0x10000);
    FLD(CDateField, fld_trust_create_date);
    FLD(CStringField, fld_nonprofit_bn, 0, "", 15, 0x10000);
    FLD(CDateField, fld_trust_wound_date);

    // ---- other information (question numbers of the page in comments)
    FLD(CIntField, fld_T1135_flag, -1, 0x10000);
    FLD(CIntField, fld_q_sect94, -1, 0x10000);        // 1
    FLD(CStringField, fld_year_sect94, 0, "", 4, 0x10000);
    FLD(CIntField, fld_q_pay_bnf, -1, 0x10000);       // 2
    FLD(CIntField, fld_q_other_cash, -1, 0x10000);    // 3
    FLD(CIntField, fld_q_change_bnf, -1, 0x10000);    // 4
    FLD(CIntField, fld_q_bnf_die, -1, 0x10000);       // 5
    FLD(CDateField, fld_bnf_death_date);
    FLD(CIntField, fld_q_borrow_nonarm, -1, 0x10000); // 6
    FLD(CStringField, fld_year_borrow_nonarm, 0, "", 4, 0x10000);
    FLD(CIntField, fld_q_chg_1984, -1, 0x10000);      // 7
    FLD(CStringField, fld_year_chg_1984, 0, "", 4, 0x10000);
    FLD(CIntField, fld_q_hold_shares, -1, 0x10000);   // 8
    FLD(CIntField, fld_q_recv_prop, -1, 0x10000);     // 9
    FLD(CStringField, fld_year_recv_prop, 0, "", 4, 0x10000);
    FLD(CIntField, fld_q_public, -1, 0x10000);        // 10
    FLD(CIntField, fld_q_ifrs, -1, 0x10000);          // 11
    FLD(CIntField, fld_q_loss_event, -1, 0x10000);    // 12
    FLD(CDateField, fld_date_loss_event);
    FLD(CIntField, fld_q_parag150, -1, 0x10000);      // 13
    FLD(CIntField, fld_q_RqrdHoldFund, -1, 0x10000);  // 14, formerly fld_q_NotOver250K
    FLD(CIntField, fld_q_17, -1, 0x10000);            // 15 EIFEL
    FLD(CIntField, fld_q_18, -1, 0x10000);            // 16
    FLD(CIntField, fld_q_19, -1, 0x10000);            // 17

    // ---- Step 2, total income (return lines in comments)
    FLD(CFloatField, fld_taxable_capgain, 0.0, 0);    // 01, Schedule 1 line 24
    FLD(CFloatField, fld_pension_inc, 0.0, 0);        // 02
    FLD(CFloatField, fld_total_div, 0.0, 0);          // 03, Schedule 8 line 3
    FLD(CFloatField, fld_noneligible_div, 0.0, 0);    // 3A, Schedule 8 line 1
    FLD(CFloatField, fld_foreign_inv, 0.0, 0);        // 04, Schedule 8 line 6
    FLD(CFloatField, fld_other_inv, 0.0, 0);          // 05, Schedule 8 line 12
    FLD(CFloatField, fld_total_busi, 0.0, 0);         // 96
    FLD(CFloatField, fld_net_busi, 0.0, 0);           // 06
    FLD(CFloatField, fld_total_farm, 0.0, 0);         // 97
    FLD(CFloatField, fld_net_farm, 0.0, 0);           // 07
    FLD(CFloatField, fld_total_rental, 0.0, 0);       // 99
    FLD(CFloatField, fld_net_rental, 0.0, 0);         // 09
    FLD(CFloatField, fld_agri2_pmt, 0.0, 0);          // 10
    FLD(CFloatField, fld_agri2_101, 0.0, 0);          // 101
    FLD(CFloatField, fld_deemed_disp, 0.0, 0);        // 11, T1055 line 20
    FLD(CFloatField, fld_Line535T3Sch130, 0.0, 0);    // T3SCH130 line 535
    FLD(CFloatField, fld_CapGainReduction, 0.0, 0);   // 13
    FLD(CStringField, fld_other_spec_1, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_1, 0.0, 0);
    FLD(CStringField, fld_other_spec_2, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_2, 0.0, 0);
    FLD(CStringField, fld_other_spec_3, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_3, 0.0, 0);
    FLD(CFloatField, fld_other_total, 0, 0.0, 0, 1, 0, 0, 0x10000);       // 19
    FLD(CFloatField, fld_total_inc, 0, 0.0, 0, 1, 0, 0, 0x10000);         // 20

    // ---- Step 3, net income
    FLD(CFloatField, fld_total_inc1, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_charges, 0.0, 0);            // 21, Schedule 8 line 17
    FLD(CFloatField, fld_trustee_fee, 0.0, 0);        // 22
    FLD(CFloatField, fld_trustee_fee_notrel, 0.0, 0); // 23
    FLD(CFloatField, fld_trustee_fee_ded, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_allow_bil, 0.0, 0);          // 25
    FLD(CStringField, fld_other_ded_spec_1, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_ded_1, 0.0, 0);
    FLD(CStringField, fld_other_ded_spec_2, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_ded_2, 0.0, 0);
    FLD(CStringField, fld_other_ded_spec_3, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_ded_3, 0.0, 0);
    FLD(CFloatField, fld_other_ded_total, 0, 0.0, 0, 1, 0, 0, 0x10000);   // 40
    FLD(CFloatField, fld_after_40, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_line42, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_taxable_bnf, 0.0, 0);        // 43
    FLD(CFloatField, fld_other_bnf, 0.0, 0);          // 44
    FLD(CFloatField, fld_bnf, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_inc_b4_alc, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CBoolField, fld_overwrite_line471, false, 0x10000);
    FLD(CFloatField, fld_line471, 0.0, 0);            // 471, Schedule 9
    FLD(CFloatField, fld_line472, 0.0, 0);            // 472, 104(13.1) and (13.2)
    FLD(CFloatField, fld_total_ded, 0, 0.0, 0, 1, 0, 0, 0x10000);         // 47
    FLD(CFloatField, fld_inc_after_alc, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_gross_div, 0, 0.0, 0, 1, 0, 0, 0x10000);         // 49, Schedule 8 line 32
    FLD(CFloatField, fld_net_inc, 0, 0.0, 0, 1, 0, 0, 0x10000);           // 50
    FLD(CFloatField, fld_net_inc_1, 0, 0.0, 0, 1, 0, 0, 0x10000);

    // ---- Step 4, taxable income
    FLD(CFloatField, fld_noncap_loss, 0.0, 0);            // 51
    FLD(CFloatField, fld_netcap_loss, 0.0, 0);            // 52
    FLD(CFloatField, fld_foreignIncomeExempt, 0.0, 0);    // 541
    FLD(CFloatField, fld_nonProfitOrg, 0.0, 0);           // 542
    FLD(CFloatField, fld_farmingFishing, 0.0, 0);         // 543
    FLD(CFloatField, fld_restrictedFarmLosses, 0.0, 0);   // 544
    FLD(CFloatField, fld_limitedPartnership, 0.0, 0);     // 545
    FLD(CFloatField, fld_547, 0.0, 0);                    // 547, T3SCH130 line 537
    FLD(CFloatField, fld_taxinc_ded, 0.0, 0);             // 549
    FLD(CFloatField, fld_totalOtherDeductions, 0, 0.0, 0, 1, 0, 0, 0x10000);    // 54
    FLD(CFloatField, fld_totalOtherDeductions_1, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_line55, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_CapGainAddBack, 0, 0.0, 0, 1, 0, 0, 0x10000);          // 55, Schedule 1
    FLD(CFloatField, fld_taxinc, 0, 0.0, 0, 1, 0, 0, 0x10000);                  // 56

    // ---- Step 5, summary of tax and credits
    FLD(CFloatField, fld_80, 0.0, 80);                // Part XII.2 tax, Schedule 10 line 53
    FLD(CFloatField, fld_fed_tax, 0.0, 0);            // 81
    FLD(CFloatField, fld_prov_tax, 0.0, 0);           // 82
    FLD(CFloatField, fld_part7_2_tax, 0.0, 0);        // 83, Schedule 10 line 12
    FLD(CFloatField, fld_tax_pay, 0, 0.0, 0, 1, 0, 0, 0x10000);           // 84
    FLD(CFloatField, fld_instalment, 0.0, 0);         // 85
    FLD(CFloatField, fld_tax_deducted, 0.0, 0);       // C
    FLD(CFloatField, fld_tax_toqc, 0.0, 0);           // D
    FLD(CFloatField, fld_net_deducted, 0, 0.0, 0, 1, 0, 0, 0x10000);      // 86
    FLD(CFloatField, fld_ref_qc_abatement, 0.0, 0);   // 87
    FLD(CFloatField, fld_ref_inv_credit, 0.0, 0);     // 88, T2038
    FLD(CFloatField, fld_881, 0.0, 881);              // clean technology investment tax credit
    FLD(CFloatField, fld_capgain_refund, 0.0, 0);     // 89, T184
    FLD(CFloatField, fld_part7_2_credit, 0.0, 0);     // 90, box 38 of T3 slips
    FLD(CFloatField, fld_nl_rd, 0.0, 0);              // 901
    FLD(CFloatField, fld_bc_mining, 0.0, 0);          // 903
    FLD(CFloatField, fld_fed_environmental, 0.0, 0);  // 911
    FLD(CFloatField, fld_bc_environmental, 0.0, 0);   // 912
    FLD(CFloatField, fld_sk_environmental, 0.0, 0);   // 913
    FLD(CFloatField, fld_canadianJournalism, 0.0, 0); // 914
    FLD(CFloatField, fld_yk_rd, 0.0, 0);              // 915
    FLD(CFloatField, fld_mb_workExp, 0.0, 0);         // 916
    FLD(CFloatField, fld_mb_odour, 0.0, 0);           // 917
    FLD(CFloatField, fld_mb_greenEnergy, 0.0, 0);     // 918
    FLD(CFloatField, fld_fuel_charge, 0.0, 0);        // 920
    FLD(CFloatField, fld_bc_clean, 0.0, 0);           // 921
    FLD(CFloatField, fld_on_environ, 0.0, 0);         // 922
    FLD(CFloatField, fld_yk_carbon, 0.0, 0);          // 923
    FLD(CFloatField, fld_yk_MineCarbon, 0.0, 0);      // 924
    FLD(CFloatField, fld_other_credit, 0, 0.0, 0, 1, 0, 0, 0x10000);      // 91
    FLD(CFloatField, fld_total_credit, 0, 0.0, 0, 1, 0, 0, 0x10000);      // 93
    FLD(CFloatField, fld_RefDue, 0, 0.0, 0, 1, 0, 0, 0x10000);            // 94
    FLD(CFloatField, fld_AmtEnclosed, 0.0, 0);        // 95
    // 102: 0 refund, 1 keep the credit for next year, 2 hold the credit
    FLD(CIntField, fld_RefCode, -1, 0x10000);

    // ---- certification
    FLD(CStringField, fld_preparer_name, 0, "", 80, 0x10000);
    FLD(CStringField, fld_cert_name, 0, "", 80, 0x10000);
    FLD(CStringField, fld_preparer_addr1, 0, "", 50, 0x10000);
    FLD(CStringField, fld_preparer_addr2, 0, "", 50, 0x10000);
    FLD(CStringField, fld_preparer_addr3, 0, "", 50, 0x10000);
    FLD(CStringField, fld_preparer_postal, 0, "", 10, 0x10000);
    FLD(CStringField, fld_preparer_phone, 0, "(000)-0000000", 15, 0x10000);
    FLD(CStringField, fld_cert_pos, 0, "", 40, 0x10000);
    FLD(CDateField, fld_cert_date);
};
