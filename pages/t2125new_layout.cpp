// Pages of Form T2125, Statement of Business or Professional Activities, and
// of its Form T1139 reconciliation (language: docs/pages.md).
#include "framework/page_description.h"
#include "pages/capital_cost_pages.h"
#include "pages/vehicle_pages.h"

#include <string>

static const char* const kAreaPrefixes[4] = {"fld_b_", "fld_c_", "fld_d_", "fld_e_"};
static const std::string kT2125Text = std::string(R"PAGES(
form T2125_New
choices kind "Business" "Professional"
choices accounting "Accrual" "Cash"
list websites "0" "1" "2" "3" "4" "5"

page TaxForm_T2125_New_tab1 1
title "Part 1 - Identification"
field - "Name" fld_name
field - "Social insurance number" fld_SIN
field - "Fiscal period from" fld_beginperiod
field - "Fiscal period to" fld_endperiod
field - "Was 2024 the last year of your business?" fld_bLastYear
field - "Business name" fld_businessname
field - "Business address" fld_businessaddr
field - "City" fld_town
field - "Province or territory (from the postal code)" fld_iProv:province
field - "Postal code" fld_postcode
field - "Business number" fld_GSTNumber
field - "Main product or service" fld_mainprod
field - "Industry code" fld_industrycode
field - "Accounting method" fld_accountmethod:accounting
field - "Tax shelter identification number" fld_taxshelter_num
field - "Partnership business number" fld_partnerID
field - "Your percentage of the partnership" fld_percentowner
field - "Name and address of the person or firm preparing this form" fld_preparer
field - "Income from a placement or employment agency" fld_bPlacementAgencyIncome
section "Internet business activities"
field - "Number of websites" fld_websites:websites
field - "Website 1" fld_http_1
field - "Website 2" fld_http_2
field - "Website 3" fld_http_3
field - "Website 4" fld_http_4
field - "Website 5" fld_http_5
field - "Percentage of gross income from the Internet" fld_webincome_percent
title "Part 3 - Business or professional income"
field - "Kind of activity" fld_IsBusiOrProf:kind
section "Business income"
line - "Sales, commissions, or fees (sales worksheet)" fld_ws_busi_sales_a .
line - "Amounts of the GST/HST return: line 5345, 5507 and 6765" fld_ws_busi_sales_5345 fld_ws_busi_sales_5507
line - "Line 6765 of the GST/HST return" . fld_ws_busi_sales_6765
line 3A "Gross sales, commissions, or fees" . =fld_busi_sales
line - "Minus: GST/HST, PST, and QST collected or collectible" . fld_busi_gst
line - "Subtotal" . =fld_b4_8000_busi
line - "Returns, allowances, and discounts included in sales" fld_busi_ii .
line - "Minus: those already deducted" fld_busi_iii .
line - "Net returns, allowances, and discounts" . =fld_busi_iv
line - "Adjusted gross sales" . =fld_8000_busi
section "Professional income"
line - "Professional fees (fees worksheet)" fld_ws_prof_fee_a .
line - "Amounts of the GST/HST return: line 5345, 5507 and 6765" fld_ws_prof_fee_5345 fld_ws_prof_fee_5507
line - "Line 6765 of the GST/HST return" . fld_ws_prof_fee_6765
line 3B "Gross professional fees" . =fld_prof_fee
line - "Minus: GST/HST, PST, and QST collected or collectible" . fld_prof_gst
line - "Subtotal" . =fld_prof_after_wip1
line - "Returns, allowances, and discounts included in fees" fld_prof_ii .
line - "Minus: those already deducted" fld_prof_iii .
line - "Net returns, allowances, and discounts" . =fld_prof_iv
line - "Work in progress: start of the year minus end of the year" . fld_prof_wip2
line - "Adjusted professional fees" . =fld_prof_8000
columns 1
line 8000 "Adjusted gross sales or adjusted professional fees" =fld_8000
line 8290 "Reserves deducted last year" fld_8290
line 8230 "Other income" fld_8230
line - "Total of lines 8290 and 8230" =fld_before_8299
line 8299 "Gross business or professional income" =fld_8299

page TaxForm_T2125_New_tab2 2
title "Part 4 - Cost of goods sold and gross profit"
columns 1
line - "Gross business income" =fld_8299_1
line 8300 "Opening inventory" fld_8300
line 8320 "Purchases during the year" fld_8320
line 8340 "Direct wage costs" fld_8340
line 8360 "Subcontracts" fld_8360
line 8450 "Other costs" fld_8450
line - "Total" =fld_b4_8500
line 8500 "Minus: closing inventory" fld_8500
line 8518 "Cost of goods sold" =fld_8518
line 8519 "Gross profit" =fld_8519
line - "Gross profit (or gross professional income)" =fld_grossprofit_b4_expense
title "Part 5 - Net income (loss) before adjustments"
line 8521 "Advertising" fld_exp_8521
line 8523 "Meals and entertainment" fld_exp_8523
line 8590 "Bad debts" fld_exp_8590
line 8690 "Insurance" fld_exp_8690
line 8710 "Interest and bank charges" fld_exp_8710
line 8760 "Business taxes, licences, and memberships" fld_exp_8760
line 8810 "Office expenses" fld_exp_8810
line 8811 "Office stationery and supplies" fld_exp_8811
line 8860 "Professional fees (includes legal and accounting fees)" fld_exp_8860
line 8871 "Management and administration fees" fld_exp_8871
line 8910 "Rent" fld_exp_8910
line 8960 "Repairs and maintenance" fld_exp_8960
line 9060 "Salaries, wages, and benefits" fld_exp_9060
line 9180 "Property taxes" fld_exp_9180
line 9200 "Travel expenses" fld_exp_9200
line 9220 "Utilities" fld_exp_9220
line 9224 "Fuel costs (except for motor vehicles)" fld_exp_9224
line 9275 "Delivery, freight, and express" fld_exp_9275
line 9281 "Motor vehicle expenses (not including CCA)" =fld_exp_9281
line 9936 "Capital cost allowance" =fld_cca
specify 9270 fld_exp_9270_spec fld_exp_9270
line 9368 "Total business expenses" =fld_exp_total
line 9369 "Net income (loss) before adjustments" =fld_9369
title "Part 6 - Your net income (loss)"
field - "Enter your share of line 9369 myself" fld_ow_9369_yourshare
line - "Your share of line 9369" fld_9369_yourshare
line 9974 "GST/HST rebate for partners received in the year" fld_9974
line - "Total" =fld_after_9974
line 9943 "Other amounts deductible from your share of net partnership income (loss)" =fld_9943
line - "Net income (loss) after adjustments" =fld_b4_9945
line 9945 "Business-use-of-home expenses" =fld_9945
line 9946 "Your net income (loss)" =fld_9946

page TaxForm_T2125_New_tab3 3
title "Part 7 - Other amounts deductible from your share of net partnership income (loss)"
columns 1
specify - fld_deduct_partnership_spec_1 fld_deduct_partnership_1
specify - fld_deduct_partnership_spec_2 fld_deduct_partnership_2
specify - fld_deduct_partnership_spec_3 fld_deduct_partnership_3
specify - fld_deduct_partnership_spec_4 fld_deduct_partnership_4
specify - fld_deduct_partnership_spec_5 fld_deduct_partnership_5
line - "Total" =fld_deduct_partnership_6
title "Part 8 - Business-use-of-home expenses"
line - "Heat" fld_usehome_1
line - "Electricity" fld_usehome_2
line - "Insurance" fld_usehome_3
line - "Maintenance" fld_usehome_4
line - "Mortgage interest" fld_usehome_5
line - "Property taxes" fld_usehome_6
line - "Other expenses" fld_usehome_7
line - "Subtotal" =fld_usehome_8
field - "Calculate the personal part at this rate" fld_usehome_usepersonalrate
field - "Personal rate" fld_usehome_personal_rate
line - "Minus: personal use part" fld_usehome_9
line - "Subtotal" =fld_usehome_10
line - "Plus: capital cost allowance (business part only)" fld_usehome_11
line - "Plus: amount carried forward from the previous year" fld_usehome_13
line - "Subtotal" =fld_usehome_14
line - "Net income (loss) after adjustments (if negative, enter 0)" =fld_usehome_15
line - "Amount to be carried forward to the following year" =fld_usehome_16
field - "Percentage of the home used for the business" fld_ws_pcnt_homeuse
field - "Enter the allowable claim myself" fld_ws_overwrite_homeuse
line - "Allowable claim" fld_usehome_17
title "Part 9 - Details of other partners"
columns "First name" "Last name" "Address" "Province" "Postal code" "Share of net income (loss)" "Percentage"
line - "Partner 1" fld_coowner_name_1 fld_coowner_lastname_1 fld_coowner_addr_1 fld_coowner_iprov_1:province fld_coowner_postcode_1 =fld_coowner_netincome_1 fld_coowner_percent_1
line - "Partner 2" fld_coowner_name_2 fld_coowner_lastname_2 fld_coowner_addr_2 fld_coowner_iprov_2:province fld_coowner_postcode_2 =fld_coowner_netincome_2 fld_coowner_percent_2
line - "Partner 3" fld_coowner_name_3 fld_coowner_lastname_3 fld_coowner_addr_3 fld_coowner_iprov_3:province fld_coowner_postcode_3 =fld_coowner_netincome_3 fld_coowner_percent_3
line - "Partner 4" fld_coowner_name_4 fld_coowner_lastname_4 fld_coowner_addr_4 fld_coowner_iprov_4:province fld_coowner_postcode_4 =fld_coowner_netincome_4 fld_coowner_percent_4
columns 1
line 9931 "Line 9931" fld_9931
line 9932 "Line 9932" fld_9932
line 9933 "Line 9933" fld_9933

page TaxForm_T2125_New_tab4 4
title "Area A - Calculation of capital cost allowance claim"
columns "1 Class" "2 UCC at the start" "3 Additions" "Immediate expensing additions" "5 Proceeds" "Immediate expensing dispositions" "6 UCC after" "Immediate expensing claimed"
line - "1" fld_a_1_1 fld_a_UCC1_1 fld_a_Add_1 fld_a_AddDiep_1 fld_a_Disp_1 fld_a_DispDiep_1 =fld_a_UCC2_1 fld_a_ImmExpDiep_1
line - "2" fld_a_1_2 fld_a_UCC1_2 fld_a_Add_2 fld_a_AddDiep_2 fld_a_Disp_2 fld_a_DispDiep_2 =fld_a_UCC2_2 fld_a_ImmExpDiep_2
line - "3" fld_a_1_3 fld_a_UCC1_3 fld_a_Add_3 fld_a_AddDiep_3 fld_a_Disp_3 fld_a_DispDiep_3 =fld_a_UCC2_3 fld_a_ImmExpDiep_3
line - "4" fld_a_1_4 fld_a_UCC1_4 fld_a_Add_4 fld_a_AddDiep_4 fld_a_Disp_4 fld_a_DispDiep_4 =fld_a_UCC2_4 fld_a_ImmExpDiep_4
line - "5" fld_a_1_5 fld_a_UCC1_5 fld_a_Add_5 fld_a_AddDiep_5 fld_a_Disp_5 fld_a_DispDiep_5 =fld_a_UCC2_5 fld_a_ImmExpDiep_5
line - "6" fld_a_1_6 fld_a_UCC1_6 fld_a_Add_6 fld_a_AddDiep_6 fld_a_Disp_6 fld_a_DispDiep_6 =fld_a_UCC2_6 fld_a_ImmExpDiep_6
line - "7" fld_a_1_7 fld_a_UCC1_7 fld_a_Add_7 fld_a_AddDiep_7 fld_a_Disp_7 fld_a_DispDiep_7 =fld_a_UCC2_7 fld_a_ImmExpDiep_7
line - "8" fld_a_1_8 fld_a_UCC1_8 fld_a_Add_8 fld_a_AddDiep_8 fld_a_Disp_8 fld_a_DispDiep_8 =fld_a_UCC2_8 fld_a_ImmExpDiep_8
line - "9" fld_a_1_9 fld_a_UCC1_9 fld_a_Add_9 fld_a_AddDiep_9 fld_a_Disp_9 fld_a_DispDiep_9 =fld_a_UCC2_9 fld_a_ImmExpDiep_9
line - "10" fld_a_1_10 fld_a_UCC1_10 fld_a_Add_10 fld_a_AddDiep_10 fld_a_Disp_10 fld_a_DispDiep_10 =fld_a_UCC2_10 fld_a_ImmExpDiep_10
line - "11" fld_a_1_11 fld_a_UCC1_11 fld_a_Add_11 fld_a_AddDiep_11 fld_a_Disp_11 fld_a_DispDiep_11 =fld_a_UCC2_11 fld_a_ImmExpDiep_11
line - "12" fld_a_1_12 fld_a_UCC1_12 fld_a_Add_12 fld_a_AddDiep_12 fld_a_Disp_12 fld_a_DispDiep_12 =fld_a_UCC2_12 fld_a_ImmExpDiep_12
line - "13" fld_a_1_13 fld_a_UCC1_13 fld_a_Add_13 fld_a_AddDiep_13 fld_a_Disp_13 fld_a_DispDiep_13 =fld_a_UCC2_13 fld_a_ImmExpDiep_13
line - "14" fld_a_1_14 fld_a_UCC1_14 fld_a_Add_14 fld_a_AddDiep_14 fld_a_Disp_14 fld_a_DispDiep_14 =fld_a_UCC2_14 fld_a_ImmExpDiep_14
line - "15" fld_a_1_15 fld_a_UCC1_15 fld_a_Add_15 fld_a_AddDiep_15 fld_a_Disp_15 fld_a_DispDiep_15 =fld_a_UCC2_15 fld_a_ImmExpDiep_15
line - "16" fld_a_1_16 fld_a_UCC1_16 fld_a_Add_16 fld_a_AddDiep_16 fld_a_Disp_16 fld_a_DispDiep_16 =fld_a_UCC2_16 fld_a_ImmExpDiep_16
line - "17" fld_a_1_17 fld_a_UCC1_17 fld_a_Add_17 fld_a_AddDiep_17 fld_a_Disp_17 fld_a_DispDiep_17 =fld_a_UCC2_17 fld_a_ImmExpDiep_17
line - "18" fld_a_1_18 fld_a_UCC1_18 fld_a_Add_18 fld_a_AddDiep_18 fld_a_Disp_18 fld_a_DispDiep_18 =fld_a_UCC2_18 fld_a_ImmExpDiep_18
columns "4 AIIP additions" "7 AIIP reduction" "8 AIIP adjustment" "9 Half-year" "10 Base" "Enter rate" "11 Rate %" "Enter claim" "12 CCA" "13 UCC at the end"
line - "1" fld_a_AdditionAIIP_1 =fld_a_DispReduceAIIP_1 fld_a_AdjAIIP_1 =fld_a_AdjHalfY_1 =fld_a_BaseAmt_1 fld_ws_rate_overwrite_1 fld_a_Rate_1 fld_ws_claim_overwrite_1 fld_a_Claim_1 =fld_a_End_1
line - "2" fld_a_AdditionAIIP_2 =fld_a_DispReduceAIIP_2 fld_a_AdjAIIP_2 =fld_a_AdjHalfY_2 =fld_a_BaseAmt_2 fld_ws_rate_overwrite_2 fld_a_Rate_2 fld_ws_claim_overwrite_2 fld_a_Claim_2 =fld_a_End_2
line - "3" fld_a_AdditionAIIP_3 =fld_a_DispReduceAIIP_3 fld_a_AdjAIIP_3 =fld_a_AdjHalfY_3 =fld_a_BaseAmt_3 fld_ws_rate_overwrite_3 fld_a_Rate_3 fld_ws_claim_overwrite_3 fld_a_Claim_3 =fld_a_End_3
line - "4" fld_a_AdditionAIIP_4 =fld_a_DispReduceAIIP_4 fld_a_AdjAIIP_4 =fld_a_AdjHalfY_4 =fld_a_BaseAmt_4 fld_ws_rate_overwrite_4 fld_a_Rate_4 fld_ws_claim_overwrite_4 fld_a_Claim_4 =fld_a_End_4
line - "5" fld_a_AdditionAIIP_5 =fld_a_DispReduceAIIP_5 fld_a_AdjAIIP_5 =fld_a_AdjHalfY_5 =fld_a_BaseAmt_5 fld_ws_rate_overwrite_5 fld_a_Rate_5 fld_ws_claim_overwrite_5 fld_a_Claim_5 =fld_a_End_5
line - "6" fld_a_AdditionAIIP_6 =fld_a_DispReduceAIIP_6 fld_a_AdjAIIP_6 =fld_a_AdjHalfY_6 =fld_a_BaseAmt_6 fld_ws_rate_overwrite_6 fld_a_Rate_6 fld_ws_claim_overwrite_6 fld_a_Claim_6 =fld_a_End_6
line - "7" fld_a_AdditionAIIP_7 =fld_a_DispReduceAIIP_7 fld_a_AdjAIIP_7 =fld_a_AdjHalfY_7 =fld_a_BaseAmt_7 fld_ws_rate_overwrite_7 fld_a_Rate_7 fld_ws_claim_overwrite_7 fld_a_Claim_7 =fld_a_End_7
line - "8" fld_a_AdditionAIIP_8 =fld_a_DispReduceAIIP_8 fld_a_AdjAIIP_8 =fld_a_AdjHalfY_8 =fld_a_BaseAmt_8 fld_ws_rate_overwrite_8 fld_a_Rate_8 fld_ws_claim_overwrite_8 fld_a_Claim_8 =fld_a_End_8
line - "9" fld_a_AdditionAIIP_9 =fld_a_DispReduceAIIP_9 fld_a_AdjAIIP_9 =fld_a_AdjHalfY_9 =fld_a_BaseAmt_9 fld_ws_rate_overwrite_9 fld_a_Rate_9 fld_ws_claim_overwrite_9 fld_a_Claim_9 =fld_a_End_9
line - "10" fld_a_AdditionAIIP_10 =fld_a_DispReduceAIIP_10 fld_a_AdjAIIP_10 =fld_a_AdjHalfY_10 =fld_a_BaseAmt_10 fld_ws_rate_overwrite_10 fld_a_Rate_10 fld_ws_claim_overwrite_10 fld_a_Claim_10 =fld_a_End_10
line - "11" fld_a_AdditionAIIP_11 =fld_a_DispReduceAIIP_11 fld_a_AdjAIIP_11 =fld_a_AdjHalfY_11 =fld_a_BaseAmt_11 fld_ws_rate_overwrite_11 fld_a_Rate_11 fld_ws_claim_overwrite_11 fld_a_Claim_11 =fld_a_End_11
line - "12" fld_a_AdditionAIIP_12 =fld_a_DispReduceAIIP_12 fld_a_AdjAIIP_12 =fld_a_AdjHalfY_12 =fld_a_BaseAmt_12 fld_ws_rate_overwrite_12 fld_a_Rate_12 fld_ws_claim_overwrite_12 fld_a_Claim_12 =fld_a_End_12
line - "13" fld_a_AdditionAIIP_13 =fld_a_DispReduceAIIP_13 fld_a_AdjAIIP_13 =fld_a_AdjHalfY_13 =fld_a_BaseAmt_13 fld_ws_rate_overwrite_13 fld_a_Rate_13 fld_ws_claim_overwrite_13 fld_a_Claim_13 =fld_a_End_13
line - "14" fld_a_AdditionAIIP_14 =fld_a_DispReduceAIIP_14 fld_a_AdjAIIP_14 =fld_a_AdjHalfY_14 =fld_a_BaseAmt_14 fld_ws_rate_overwrite_14 fld_a_Rate_14 fld_ws_claim_overwrite_14 fld_a_Claim_14 =fld_a_End_14
line - "15" fld_a_AdditionAIIP_15 =fld_a_DispReduceAIIP_15 fld_a_AdjAIIP_15 =fld_a_AdjHalfY_15 =fld_a_BaseAmt_15 fld_ws_rate_overwrite_15 fld_a_Rate_15 fld_ws_claim_overwrite_15 fld_a_Claim_15 =fld_a_End_15
line - "16" fld_a_AdditionAIIP_16 =fld_a_DispReduceAIIP_16 fld_a_AdjAIIP_16 =fld_a_AdjHalfY_16 =fld_a_BaseAmt_16 fld_ws_rate_overwrite_16 fld_a_Rate_16 fld_ws_claim_overwrite_16 fld_a_Claim_16 =fld_a_End_16
line - "17" fld_a_AdditionAIIP_17 =fld_a_DispReduceAIIP_17 fld_a_AdjAIIP_17 =fld_a_AdjHalfY_17 =fld_a_BaseAmt_17 fld_ws_rate_overwrite_17 fld_a_Rate_17 fld_ws_claim_overwrite_17 fld_a_Claim_17 =fld_a_End_17
line - "18" fld_a_AdditionAIIP_18 =fld_a_DispReduceAIIP_18 fld_a_AdjAIIP_18 =fld_a_AdjHalfY_18 =fld_a_BaseAmt_18 fld_ws_rate_overwrite_18 fld_a_Rate_18 fld_ws_claim_overwrite_18 fld_a_Claim_18 =fld_a_End_18
columns 1
line - "Business-use-of-home part of the CCA" fld_cca_usehome
line - "Total CCA claim for the year" =fld_a_cca

page TaxForm_T2125_New_tab5 5
)PAGES") + assetAreasDescription(kAreaPrefixes, "Business part") + vehiclePagesDescription() + R"PAGES(
page TaxForm_T2125_New_T1139Page1 "Page 9"
title "Form T1139 - Reconciliation of business income for tax purposes"
field - "Prepare Form T1139 for this business" fld_bT1139
field - "Name" fld_t1139_name
field - "Social insurance number" fld_t1139_sin
field - "Business name" fld_t1139_businame
field - "Business number" fld_t1139_bn
field - "This is the business's first fiscal period (Part 5)" fld_ws_iPart1
columns 1
line A "Net business income for the fiscal period ending in 2024" =fld_1_a
line - "Part 2 - line A" fld_2A
line - "Part 2 - line B" fld_2B
line - "Part 2 - line C" fld_2C
line - "Part 2 - line D" fld_2D
line - "Part 2 - line E" fld_2E
line - "Part 2 - line F" fld_2F
line - "Part 2 - line G" fld_2G
line B "Amount B" fld_AmtB

page TaxForm_T2125_New_T1139Page2 "Page 10"
title "Form T1139 - Business income for the tax year"
columns 1
line - "Additional business income" fld_AddBusiIncome
line D "Line A plus the additional business income" =fld_4_d
line E "Minus: amount E" fld_4_e
line F "Business income for the tax year" =fld_4_f
section "First fiscal period"
line G "Net business income for the first fiscal period" =fld_5_g
line H "Plus: amount H" fld_5_h
line I "Total" =fld_5_i
line J "Minus: amount J" fld_5_j
line K "Business income for the tax year" =fld_5_k
)PAGES";

static const PageDescriptionSource kT2125Pages("T2125_New", kT2125Text.c_str());
