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
#include "framework/trust_identification.h"
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

    int Validate(unsigned char purpose, std::list<CString>& messages) override;

    // ---- e-filing output (efile/t3ret_netfile.cpp, efile/t3ret_json.cpp)
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
    TrustIdentification m_trust{fld_trust_name, fld_trust_num, fld_trust_iprov, fld_trust_icountry};
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
    FLD(CFloatField, fld_taxable_capgain, Line("01", W));  // Schedule 1 line 24
    FLD(CFloatField, fld_pension_inc, Line("02", W));
    FLD(CFloatField, fld_total_div, Line("03", W));  // Schedule 8 line 3
    FLD(CFloatField, fld_noneligible_div, Line("3A"));  // Schedule 8 line 1
    FLD(CFloatField, fld_foreign_inv, Line("04", W));  // Schedule 8 line 6
    FLD(CFloatField, fld_other_inv, Line("05", W));  // Schedule 8 line 12
    FLD(CFloatField, fld_total_busi, Line("96", W));
    FLD(CFloatField, fld_net_busi, Line("06", W));
    FLD(CFloatField, fld_total_farm, Line("97", W));
    FLD(CFloatField, fld_net_farm, Line("07", W));
    FLD(CFloatField, fld_total_rental, Line("99", W));
    FLD(CFloatField, fld_net_rental, Line("09", W));
    FLD(CFloatField, fld_agri2_pmt, Line("10", W));
    FLD(CFloatField, fld_agri2_101, Line("101", W));
    FLD(CFloatField, fld_deemed_disp, Line("11", W));  // T1055 line 20
    FLD(CFloatField, fld_Line535T3Sch130);  // T3SCH130 line 535
    FLD(CFloatField, fld_CapGainReduction, Line("13", W));
    FLD(CStringField, fld_other_spec_1, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_1);
    FLD(CStringField, fld_other_spec_2, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_2);
    FLD(CStringField, fld_other_spec_3, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_3);
    FLD(CFloatField, fld_other_total, Line("19", W), Computed);
    FLD(CFloatField, fld_total_inc, Line("20", W), Computed);

    // ---- Step 3, net income
    FLD(CFloatField, fld_total_inc1, Computed);
    FLD(CFloatField, fld_charges, Line("21", W));  // Schedule 8 line 17
    FLD(CFloatField, fld_trustee_fee, Line("22", W));
    FLD(CFloatField, fld_trustee_fee_notrel, Line("23", W));
    FLD(CFloatField, fld_trustee_fee_ded, Computed);
    FLD(CFloatField, fld_allow_bil, Line("25", W));
    FLD(CStringField, fld_other_ded_spec_1, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_ded_1);
    FLD(CStringField, fld_other_ded_spec_2, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_ded_2);
    FLD(CStringField, fld_other_ded_spec_3, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other_ded_3);
    FLD(CFloatField, fld_other_ded_total, Line("40", W), Computed);
    FLD(CFloatField, fld_after_40, Computed);
    FLD(CFloatField, fld_line42, Computed);
    FLD(CFloatField, fld_taxable_bnf, Line("43", W));
    FLD(CFloatField, fld_other_bnf, Line("44", W));
    FLD(CFloatField, fld_bnf, Computed);
    FLD(CFloatField, fld_inc_b4_alc, Computed);
    FLD(CBoolField, fld_overwrite_line471, false, 0x10000);
    FLD(CFloatField, fld_line471, Line("471", W));  // Schedule 9
    FLD(CFloatField, fld_line472, Line("472", W));  // 104(13.1) and (13.2)
    FLD(CFloatField, fld_total_ded, Line("47", W), Computed);
    FLD(CFloatField, fld_inc_after_alc, Computed);
    FLD(CFloatField, fld_gross_div, Line("49", W), Computed);  // Schedule 8 line 32
    FLD(CFloatField, fld_net_inc, Line("50", W), Computed);
    FLD(CFloatField, fld_net_inc_1, Computed);

    // ---- Step 4, taxable income
    FLD(CFloatField, fld_noncap_loss, Line("51", W));
    FLD(CFloatField, fld_netcap_loss, Line("52", W));
    FLD(CFloatField, fld_foreignIncomeExempt, Line("541", W));
    FLD(CFloatField, fld_nonProfitOrg, Line("542", W));
    FLD(CFloatField, fld_farmingFishing, Line("543", W));
    FLD(CFloatField, fld_restrictedFarmLosses, Line("544", W));
    FLD(CFloatField, fld_limitedPartnership, Line("545", W));
    FLD(CFloatField, fld_547, Line("547", W));  // T3SCH130 line 537
    FLD(CFloatField, fld_taxinc_ded, Line("549", W));
    FLD(CFloatField, fld_totalOtherDeductions, Line("54", W), Computed);
    FLD(CFloatField, fld_totalOtherDeductions_1, Computed);
    FLD(CFloatField, fld_line55, Computed);
    FLD(CFloatField, fld_CapGainAddBack, Line("55", W), Computed);  // Schedule 1
    FLD(CFloatField, fld_taxinc, Line("56", W), Computed);

    // ---- Step 5, summary of tax and credits
    FLD(CFloatField, fld_80, Line("80", C), 0.0, 80);  // Part II.2 tax, Schedule 10 line 53
    FLD(CFloatField, fld_fed_tax, Line("81", C));
    FLD(CFloatField, fld_prov_tax, Line("82", C));
    FLD(CFloatField, fld_part7_2_tax, Line("83", C));  // Schedule 10 line 12
    FLD(CFloatField, fld_tax_pay, Line("84", C), Computed);
    FLD(CFloatField, fld_instalment, Line("85", C));
    FLD(CFloatField, fld_tax_deducted, Line("C"));
    FLD(CFloatField, fld_tax_toqc, Line("D"));
    FLD(CFloatField, fld_net_deducted, Line("86", C), Computed);
    FLD(CFloatField, fld_ref_qc_abatement, Line("87", C));
    FLD(CFloatField, fld_ref_inv_credit, Line("88", C));  // T2038
    FLD(CFloatField, fld_881, Line("881", C), 0.0, 881);  // clean technology investment tax credit
    FLD(CFloatField, fld_capgain_refund, Line("89", C));  // T184
    FLD(CFloatField, fld_part7_2_credit, Line("90", C));  // box 38 of T3 slips
    FLD(CFloatField, fld_nl_rd, Line("901", C));
    FLD(CFloatField, fld_bc_mining, Line("903", C));
    FLD(CFloatField, fld_fed_environmental, Line("911", C));
    FLD(CFloatField, fld_bc_environmental, Line("912", C));
    FLD(CFloatField, fld_sk_environmental, Line("913", C));
    FLD(CFloatField, fld_canadianJournalism, Line("914", C));
    FLD(CFloatField, fld_yk_rd, Line("915", C));
    FLD(CFloatField, fld_mb_workExp, Line("916", C));
    FLD(CFloatField, fld_mb_odour, Line("917", C));
    FLD(CFloatField, fld_mb_greenEnergy, Line("918", C));
    FLD(CFloatField, fld_fuel_charge, Line("920", C));
    FLD(CFloatField, fld_bc_clean, Line("921", C));
    FLD(CFloatField, fld_on_environ, Line("922", C));
    FLD(CFloatField, fld_yk_carbon, Line("923", C));
    FLD(CFloatField, fld_yk_MineCarbon, Line("924", C));
    FLD(CFloatField, fld_other_credit, Line("91", C), Computed);
    FLD(CFloatField, fld_total_credit, Line("93"), Computed);
    FLD(CFloatField, fld_RefDue, Line("94", C), Computed);
    FLD(CFloatField, fld_AmtEnclosed, Line("95"));
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
