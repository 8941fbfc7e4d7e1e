// Pages of the T3 return, as the printed T3RET lays them out: Step 1 with the
// trust's identification, type and the other required information, then
// Steps 2 to 5 and the certification (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT3RetPages("T3Ret", R"PAGES(
form T3Ret
choices trustee "Option 1 - an individual" "Option 2 - not an individual"
list section216 "Not applicable" "Election under subsection 216(1)" "Election under subsection 216(4)" "Election under subsection 216(5)"
choices language "English" "French"
choices designation "Graduated rate estate (903)" "Qualified disability trust (904)"
choices documents "Already sent to the CRA" "Sent with Form T3APP" "Sent with the deceased's final T1 return" "Not applicable"
choices refundcode "Refund the credit" "Apply it to next year's instalments" "Hold the credit"

page TaxForm_T3Ret_tab1 "Identification"
title "Step 1 - Identification and other required information"
columns 3
section "Trust"
field - "Trust's account number" fld_trust_num
field - "Tax year: from (YYYY-MM-DD)" fld_start_date "to" fld_end_date
field - "Name of trust" fld_trust_name
field - "Country of residence" fld_trust_icountry:country
field - "Province or territory of residence" fld_trust_iprov:jurisdiction
field - "Non-resident trust: election under section 216" fld_ws_bSection216:section216
section "Trustee, executor, liquidator or administrator"
field - "The trustee is" fld_bTrusteeIsPerson:trustee
note "Option 1 - Individual trustee"
field - "First name, last name" fld_indv_fname fld_indv_lname
field - "Telephone number" fld_indv_phone
field - "Address" fld_indv_addr
field - "City" fld_indv_city
field - "Province or territory, country" fld_indv_prov:province fld_indv_country:country
field - "Postal or ZIP code" fld_indv_postcode
note "Option 2 - Trustee that is not an individual (trust company, corporation)"
field - "Name of the trustee" fld_trustee_orgname
field - "Contact person: first name, last name" fld_trustee_fname fld_trustee_lname
field - "Telephone number" fld_trustee_phone
field - "Address" fld_trustee_addr
field - "City" fld_trustee_city
field - "Province or territory, country" fld_trustee_prov:province fld_trustee_country:country
field - "Postal or ZIP code" fld_trustee_postcode
section "Mailing address of the trust"
field - "Same as the trustee's address" fld_bSameMailAddr
field - "In care of" fld_mail_careof
field - "Address" fld_mail_addr
field - "Telephone number" fld_mail_phone
field - "City" fld_mail_city
field - "Province or territory, country" fld_mail_iprov:province fld_mail_icountry:country
field - "Postal or ZIP code" fld_mail_postcode
section "Residency information"
field - "Was the trust resident on designated Aboriginal settlement lands?" fld_is_aboriginal:yesno
field - "If yes, enter the settlement number" fld_settlement_num
field - "Province or territory where the trust carries on business" fld_business_prov_1:jurisdiction
field - "If the trust became resident in Canada in the year, enter the date" fld_became_date
field - "If the trust ceased to be resident in Canada in the year, enter the date" fld_cease_date
field - "Is this a deemed resident trust?" fld_is_deemed:yesno
field - "If yes, enter its country of residence" fld_other_icountry:country fld_other_country
field - "Language of correspondence" fld_lang:language
section "Type of trust"
field - "Is this the first year of filing a T3 return for this trust?" fld_first_year:yesno
field - "If no, enter the year of the last return filed" fld_year_last
field - "Testamentary trust" fld_i903_904:designation
field - "Other type of trust (not a graduated rate estate or qualified disability trust)" fld_ws_othertype
field - "Type of trust code" fld_trust_code
field - "Description of the other type" fld_other_spec
field - "First year of filing: the trust document or will and the list of assets at death were" fld_attach_flag:documents
field - "Date of death of the deceased" fld_decease_date1
field - "Social insurance number of the deceased" fld_decease_sin1
field - "Date the trust was created" fld_trust_create_date
section "Return information"
field - "Is this an amended return?" fld_amended:yesno
field - "Is the trust a non-profit organization described in paragraph 149(1)(l)?" fld_iNonProfit:yesno
field - "If yes, enter its business number" fld_nonprofit_bn
field - "Is this the final return of the trust?" fld_is_final:yesno
field - "If yes, enter the date the trust was wound up" fld_trust_wound_date
section "Other required information"
field - "Did the trust own or hold specified foreign property at any time in the year with a total cost of more than CAN$100,000? If yes, complete Form T1135." fld_T1135_flag:yesno
field 1 "Is the trust a deemed resident trust that is an electing trust under section 94? If yes, enter the year of the election under paragraph 94(3)(f)." fld_q_sect94:yesno "Year" fld_year_sect94
field 2 "Does the will, trust document or court order require the trust to pay all of its current-year income to the beneficiaries? If yes, complete Schedule 9." fld_q_pay_bnf:yesno
field 3 "Did the trust distribute any of its assets other than cash to a beneficiary in the year?" fld_q_other_cash:yesno
field 4 "Has there been a change to the beneficiaries of the trust?" fld_q_change_bnf:yesno
field 5 "Did a lifetime beneficiary of the trust die in the year? If yes, enter the date of death." fld_q_bnf_die:yesno "Date" fld_bnf_death_date
field 6 "Did the trust borrow money or incur a debt in a non-arm's length transaction? If yes, enter the year." fld_q_borrow_nonarm:yesno "Year" fld_year_borrow_nonarm
field 7 "Since 1984, has there been a change of ownership of capital or income interests in the trust? If yes, enter the year." fld_q_chg_1984:yesno "Year" fld_year_chg_1984
field 8 "Does the trust hold shares of a private corporation?" fld_q_hold_shares:yesno
field 9 "Has the trust received additional property by way of a contribution since June 22, 2000? If yes, enter the year." fld_q_recv_prop:yesno "Year" fld_year_recv_prop
field 10 "Is this a public trust or public investment trust that has to post information under section 204.1 of the Income Tax Regulations?" fld_q_public:yesno
field 11 "Were the trust's financial statements prepared under International Financial Reporting Standards (IFRS)?" fld_q_ifrs:yesno
field 12 "Is the tax year deemed to have ended because of a loss restriction event? If yes, enter the date of the event." fld_q_loss_event:yesno "Date" fld_date_loss_event
field 13 "Are the trust's only assets those described in paragraph 150(1.2)(b), with a total fair market value of $50,000 or less?" fld_q_parag150:yesno
field 14 "Is the trust required by rules of professional conduct or by law to hold funds for a regulated activity of its trustee?" fld_q_RqrdHoldFund:yesno
field 15 "Is the trust subject to the excessive interest and financing expenses limitation (EIFEL) rules, or a party to an EIFEL election? If yes, complete Schedule T3SCH130." fld_q_17:yesno
field 16 "Is the trust a unit trust under subsection 108(2) whose units are listed on a designated stock exchange?" fld_q_18:yesno
field 17 "Are all of the units of the trust listed on a designated stock exchange (paragraph 150(1.2)(h))?" fld_q_19:yesno

page TaxForm_T3Ret_tab2 "Total Income"
title "Step 2 - Calculating total income"
line 01 "Taxable capital gains (line 24 of Schedule 1)" . fld_taxable_capgain
line 02 "Pension income" . fld_pension_inc
line 03 "Actual amount of dividends from taxable Canadian corporations (line 3 of Schedule 8)" . fld_total_div
line 3A "Actual amount of dividends other than eligible dividends (line 1 of Schedule 8)" fld_noneligible_div .
line 04 "Foreign investment income (line 6 of Schedule 8)" . fld_foreign_inv
line 05 "Other investment income (line 12 of Schedule 8)" . fld_other_inv
line 96 "Business income: gross income" fld_total_busi .
line 06 "Business income: net income" . fld_net_busi
line 97 "Farming or fishing income: gross income" fld_total_farm .
line 07 "Farming or fishing income: net income" . fld_net_farm
line 99 "Rental income: gross income" fld_total_rental .
line 09 "Rental income: net income" . fld_net_rental
line 10 "AgriInvest Fund No. 2 payments" . fld_agri2_pmt
line 101 "Part of line 10 received while the beneficiary spouse or common-law partner was alive, or received by a communal organization" fld_agri2_101 .
line 11 "Deemed disposition of property (line 20 of Form T1055)" . fld_deemed_disp
line - "Excessive interest and financing expenses inclusion (line 535 of Schedule T3SCH130)" . fld_Line535T3Sch130
line 13 "Minus: capital gain reduction of a graduated rate estate or qualified disability trust (Schedule 1)" . fld_CapGainReduction
section "Other income (specify)"
specify - fld_other_spec_1 fld_other_1 .
specify - fld_other_spec_2 fld_other_2 .
specify - fld_other_spec_3 fld_other_3 .
line 19 "Total other income" . fld_other_total
line 20 "Total income (add lines 01 to 19, minus line 13)" . fld_total_inc

page TaxForm_T3Ret_tab3 "Net Income"
title "Step 3 - Calculating net income"
line 20 "Total income (line 20)" . fld_total_inc1
section "Deductions"
line 21 "Carrying charges (line 17 of Schedule 8)" fld_charges .
line 22 "Trustee fees" fld_trustee_fee .
line 23 "Minus: the part of trustee fees that does not relate to earning income" fld_trustee_fee_notrel .
line - "Deductible trustee fees (line 22 minus line 23)" fld_trustee_fee_ded .
line 25 "Allowable business investment losses" fld_allow_bil .
note "Other deductions (specify)"
specify - fld_other_ded_spec_1 fld_other_ded_1 .
specify - fld_other_ded_spec_2 fld_other_ded_2 .
specify - fld_other_ded_spec_3 fld_other_ded_3 .
line 40 "Total other deductions" fld_other_ded_total .
line - "Total deductions (lines 21, 22 minus 23, 25 and 40)" . fld_after_40
line 42 "Line 20 minus total deductions" . fld_line42
line 43 "Value of benefits under subsection 105(1)" fld_taxable_bnf .
line 44 "Upkeep, maintenance and taxes of property used or occupied by a beneficiary (subsection 105(2))" fld_other_bnf .
line - "Total of lines 43 and 44" . fld_bnf
line - "Income before allocations (line 42 plus lines 43 and 44)" . fld_inc_b4_alc
section "Allocations and designations"
field - "Enter line 471 yourself instead of taking it from Schedule 9" fld_overwrite_line471
line 471 "Amounts paid or payable to beneficiaries (from Schedule 9)" fld_line471 .
line 472 "Minus: amounts designated under subsections 104(13.1) and 104(13.2)" fld_line472 .
line 47 "Allocations deducted (line 471 minus line 472)" . fld_total_ded
line - "Income after allocations and designations" . fld_inc_after_alc
line 49 "Gross-up amount of dividends retained or not designated by the trust (line 32 of Schedule 8)" . fld_gross_div
line 50 "Net income (loss) for tax purposes" . fld_net_inc

page TaxForm_T3Ret_tab4 "Taxable Income"
title "Step 4 - Calculating taxable income"
line 50 "Net income (loss) for tax purposes (line 50)" . fld_net_inc_1
line 51 "Non-capital losses of other years" fld_noncap_loss .
line 52 "Net capital losses of other years" fld_netcap_loss .
section "Other deductions to income"
line 541 "Foreign income exempt under a tax treaty" fld_foreignIncomeExempt .
line 542 "Income of a non-profit organization exempt under paragraph 149(1)(l)" fld_nonProfitOrg .
line 543 "Farming or fishing losses of other years" fld_farmingFishing .
line 544 "Restricted farm losses of other years" fld_restrictedFarmLosses .
line 545 "Limited partnership losses of other years" fld_limitedPartnership .
line 547 "Restricted interest and financing expenses (line 537 of Schedule T3SCH130)" fld_547 .
line 549 "Other deductions" fld_taxinc_ded .
line 54 "Total other deductions (add lines 541 to 549)" fld_totalOtherDeductions .
line - "Total deductions (add lines 51, 52 and 54)" . fld_line55
line 55 "Add: capital gain reduction add-back (Schedule 1)" . fld_CapGainAddBack
line 56 "Taxable income (line 50 minus total deductions, plus line 55; if negative, enter 0)" . fld_taxinc

page TaxForm_T3Ret_tab5 "Result"
title "Step 5 - Summary of tax and credits"
section "Taxes"
line 80 "Part II.2 tax payable (line 53 of Schedule T3SCH10)" fld_80 .
line 81 "Federal tax payable for the year (line 34 of Schedule 11)" fld_fed_tax .
line 82 "Provincial or territorial tax payable" fld_prov_tax .
line 83 "Part XII.2 tax payable (line 12 of Schedule 10)" fld_part7_2_tax .
line 84 "Total taxes payable (add lines 80 to 83)" . fld_tax_pay
section "Credits"
line 85 "Tax paid by instalments" fld_instalment .
line C "Total tax deducted" fld_tax_deducted .
line D "Minus: tax transferred to Quebec" fld_tax_toqc .
line 86 "Net tax deducted (line C minus line D)" fld_net_deducted .
line 87 "Refundable Quebec abatement (line 35 of Schedule 11, or line 73 of Schedule 12)" fld_ref_qc_abatement .
line 88 "Refundable investment tax credit (Form T2038(IND))" fld_ref_inv_credit .
line 881 "Refundable clean technology investment tax credit" fld_881 .
line 89 "Capital gains refund (Form T184)" fld_capgain_refund .
line 90 "Part XII.2 tax credit (box 38 of all T3 slips)" fld_part7_2_credit .
note "Other credits"
line 901 "Newfoundland and Labrador research and development tax credit" fld_nl_rd .
line 903 "British Columbia mining exploration tax credit" fld_bc_mining .
line 911 "Federal environmental trust tax credit" fld_fed_environmental .
line 912 "British Columbia environmental trust tax credit" fld_bc_environmental .
line 913 "Saskatchewan environmental trust tax credit" fld_sk_environmental .
line 914 "Canadian journalism labour tax credit" fld_canadianJournalism .
line 915 "Yukon research and development tax credit" fld_yk_rd .
line 916 "Manitoba paid work experience tax credit" fld_mb_workExp .
line 917 "Manitoba odour-control tax credit" fld_mb_odour .
line 918 "Manitoba green energy equipment tax credit" fld_mb_greenEnergy .
line 920 "Return of fuel charge proceeds to farmers tax credit" fld_fuel_charge .
line 921 "British Columbia clean buildings tax credit" fld_bc_clean .
line 922 "Ontario environmental trust tax credit" fld_on_environ .
line 923 "Yukon government carbon price rebate" fld_yk_carbon .
line 924 "Yukon mining business carbon price rebate" fld_yk_MineCarbon .
line 91 "Total other credits (add lines 901 to 924)" fld_other_credit .
line 93 "Total credits (add lines 85 to 91)" . fld_total_credit
line 94 "Refund or balance owing (line 84 minus line 93)" . fld_RefDue
line 95 "Amount enclosed" . fld_AmtEnclosed
field 102 "If the trust has a credit" fld_RefCode:refundcode
section "Result"
display resultText "Calculation summary"
display balanceText "Balance owing or refund"
section "Electronic filing"
display efileStatus "Filing status"
field - "Confirmation number" =fld_ws_ConfirmCode
field - "Date filed" =fld_ws_FileDate
section "Certification"
field - "Name of the trustee, executor, liquidator or administrator signing" fld_cert_name
field - "Position or title" fld_cert_pos
field - "Date signed" fld_cert_date
section "Person or firm who prepared this return"
field - "Name" fld_preparer_name
field - "Address" fld_preparer_addr1
field - "" fld_preparer_addr2
field - "" fld_preparer_addr3
field - "Postal code" fld_preparer_postal
field - "Telephone number" fld_preparer_phone
)PAGES");
