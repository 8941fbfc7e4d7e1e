// Pages of Form T2042, Statement of Farming Activities (language: docs/pages.md).
#include "framework/page_description.h"
#include "pages/capital_cost_pages.h"
#include "pages/vehicle_pages.h"

#include <string>

static const char* const kAreaPrefixes[4] = {"fld_EquipAdd_", "fld_b_", "fld_c_", "fld_d_"};
static const std::string kT2042Text = std::string(R"PAGES(
form T2042New
choices accounting "Accrual" "Cash"
list websites "0" "1" "2" "3" "4" "5"

page TaxForm_T2042New_tab1 1
title "Part 1 - Identification"
field - "Name" fld_name
field - "Social insurance number" fld_SIN
field - "Fiscal period from" fld_beginperiod
field - "Fiscal period to" fld_endperiod
field - "Was 2024 the year farming activities ceased?" fld_bLastYear
field - "Farm name" fld_farmname
field - "Farm address" fld_farmaddr
field - "City" fld_town
field - "Province or territory (from the postal code)" fld_iProv:province
field - "Postal code" fld_postcode
field - "Business number" fld_GSTNumber
field - "Main product or service" fld_mainprod
field - "Industry code" fld_industrycode
field - "Accounting method" fld_accountmethod:accounting
field - "Tax shelter identification number" fld_taxshelterID
field - "Partnership business number" fld_partnerID
field - "Your percentage of the partnership" fld_percentowner
field - "Name and address of the person or firm preparing this form" fld_preparer
section "Internet business activities"
field - "Number of websites" fld_websites:websites
field - "Website 1" fld_http_1
field - "Website 2" fld_http_2
field - "Website 3" fld_http_3
field - "Website 4" fld_http_4
field - "Website 5" fld_http_5
field - "Percentage of gross income from the Internet" fld_webincome_percent
title "Part 2 - Farming income"
columns 1
line 9371 "Wheat" fld_inc_1
line 9372 "Oats" fld_inc_2
line 9373 "Barley" fld_inc_3
line 9374 "Mixed grains" fld_inc_4
line 9375 "Corn" fld_inc_5
line 9376 "Canola" fld_inc_6
line 9377 "Flaxseed" fld_inc_7
line 9378 "Soybeans" fld_inc_8
line 9370 "Other grains and oilseeds" fld_inc_9
line 9421 "Fruit" fld_inc_11
line 9422 "Potatoes" fld_inc_12
line 9423 "Vegetables (excluding potatoes)" fld_inc_13
line 9424 "Tobacco" fld_inc_14
line 9420 "Other crops" fld_inc_15
line 9425 "Greenhouse and nursery products" fld_inc_16
line 9426 "Forage crops or seeds" fld_inc_17
line 9471 "Cattle" fld_inc_18
line 9472 "Swine" fld_inc_19
line 9473 "Poultry" fld_inc_20
line 9474 "Sheep and lambs" fld_inc_21
line 9470 "Other livestock" fld_inc_22
line 9476 "Milk and cream (excluding dairy subsidies)" fld_inc_23
line 9477 "Eggs" fld_inc_24
line 9520 "Other commodities" fld_inc_25
line 9541 "Dairy subsidies" fld_inc_26
line 9542 "Crop insurance" fld_inc_27
line 9540 "Other program payments" fld_inc_28
line 9570 "Rebates" fld_inc_29
line 9601 "Custom or contract work and machine rentals" fld_inc_30
line 9604 "Insurance proceeds" fld_inc_31
line 9605 "Patronage dividends" fld_inc_32
specify 9600 fld_inc_spec_33 fld_inc_33
line 9659 "Gross income" =fld_inc_34

page TaxForm_T2042New_tab2 2
title "Part 3 - Farming expenses"
columns 1
line 9661 "Containers, twine, and baling wire" fld_9661
line 9662 "Fertilizers and lime" fld_9662
line 9663 "Pesticides (herbicides, insecticides, fungicides)" fld_9663
line 9664 "Seeds and plants" fld_9664
line 9711 "Feed, supplements, straw, and bedding" fld_9711
line 9712 "Livestock purchased" fld_9712
line 9713 "Veterinary fees, medicine, and breeding fees" fld_9713
line 9760 "Machinery expenses: repairs, licences, and insurance" fld_9760
line 9764 "Machinery expenses: gasoline, diesel fuel, and oil" fld_9764
line 9795 "Building and fence repairs" fld_9795
line 9796 "Clearing, levelling, and draining land" fld_9796
line 9797 "Crop insurance, AgriInvest, AgriStability, and stabilization premiums" fld_9797
line 9798 "Custom or contract work and machinery rental" fld_9798
line 9799 "Electricity" fld_9799
line 9802 "Heating fuel" fld_9802
line 9803 "Insurance program overpayment recapture" fld_9803
line 9804 "Other insurance premiums" fld_9804
line 9805 "Interest and bank charges" fld_9805
line 9808 "Office expenses" fld_9808
line 9809 "Legal and accounting fees" fld_9809
line 9810 "Property taxes" fld_9810
line 9811 "Rent (land, buildings, and pasture)" fld_9811
line 9814 "Salaries, wages, and benefits" fld_9814
line 9819 "Motor vehicle expenses (not including CCA)" =fld_9819
line 9820 "Small tools" fld_9820
line 9937 "Mandatory inventory adjustment included in 2023" fld_9937
line 9938 "Optional inventory adjustment included in 2023" fld_9938
specify - fld_expense_spec_28 fld_expense_28
specify - fld_expense_spec_29 fld_expense_29
line 9790 "Other expenses" =fld_9790
line - "Total farm expenses before CCA" =fld_b4_9936
line - "Allowance on eligible capital property" =fld_allowance_5
line 9936 "Capital cost allowance" =fld_cca
line 9898 "Total farm expenses" =fld_expense_total
title "Part 4 - Net income (loss)"
line 9899 "Net income (loss) before adjustments" =fld_9899
line 9941 "Optional inventory adjustment included in 2024" fld_9941
line 9942 "Mandatory inventory adjustment included in 2024" fld_9942
line - "Total net income (loss)" =fld_c
line - "Your share of the amount above" =fld_9369_yourshare
line 9951 "Other adjustments" fld_9951
line 9974 "GST/HST rebate for partners received in the year" fld_9974
line - "Total" =fld_after_9974
line 9943 "Other expenses of the partner (Part 5)" =fld_9943
line - "Net income (loss) after adjustments" =fld_b4_9945
line 9945 "Business-use-of-home expenses (Part 6)" =fld_9945
line 9946 "Your net income (loss)" =fld_9946

page TaxForm_T2042New_tab3 3
title "Part 5 - Other amounts deductible from your share of net partnership income (loss)"
columns 1
specify - fld_deduct_partnership_spec_1 fld_deduct_partnership_1
specify - fld_deduct_partnership_spec_2 fld_deduct_partnership_2
specify - fld_deduct_partnership_spec_3 fld_deduct_partnership_3
specify - fld_deduct_partnership_spec_4 fld_deduct_partnership_4
specify - fld_deduct_partnership_spec_5 fld_deduct_partnership_5
line - "Total" =fld_deduct_partnership_6
title "Part 6 - Business-use-of-home expenses"
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
title "Part 7 - Details of other partners"
columns "First name" "Last name" "Address" "Province" "Postal code" "Share of net income (loss)" "Percentage"
line - "Partner 1" fld_coowner_name_1 fld_coowner_lastname_1 fld_coowner_addr_1 fld_coowner_iprov_1:province fld_coowner_postcode_1 =fld_coowner_netincome_1 fld_coowner_percent_1
line - "Partner 2" fld_coowner_name_2 fld_coowner_lastname_2 fld_coowner_addr_2 fld_coowner_iprov_2:province fld_coowner_postcode_2 =fld_coowner_netincome_2 fld_coowner_percent_2
line - "Partner 3" fld_coowner_name_3 fld_coowner_lastname_3 fld_coowner_addr_3 fld_coowner_iprov_3:province fld_coowner_postcode_3 =fld_coowner_netincome_3 fld_coowner_percent_3
line - "Partner 4" fld_coowner_name_4 fld_coowner_lastname_4 fld_coowner_addr_4 fld_coowner_iprov_4:province fld_coowner_postcode_4 =fld_coowner_netincome_4 fld_coowner_percent_4
columns 1
line 9931 "Line 9931" fld_9931
line 9932 "Line 9932" fld_9932
line 9933 "Line 9933" fld_9933

page TaxForm_T2042New_CCA01 4
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
title "Allowance on eligible capital property"
columns "Year" "Kind of property" "Month of disposition" "Cost" "Rate %" "Allowance" "Total allowance"
line - "1" fld_year_1 fld_kindprop_1 fld_month_disposition_1 fld_cost_1 fld_rate_1 =fld_allowance_1 fld_totalallowance_1
line - "2" fld_year_2 fld_kindprop_2 fld_month_disposition_2 fld_cost_2 fld_rate_2 =fld_allowance_2 fld_totalallowance_2
line - "3" fld_year_3 fld_kindprop_3 fld_month_disposition_3 fld_cost_3 fld_rate_3 =fld_allowance_3 fld_totalallowance_3
line - "4" fld_year_4 fld_kindprop_4 fld_month_disposition_4 fld_cost_4 fld_rate_4 =fld_allowance_4 fld_totalallowance_4
line - "Total allowance" . . . . . =fld_allowance_5 .

page TaxForm_T2042New_CCA02 5
)PAGES") + assetAreasDescription(kAreaPrefixes, "Business part") + R"PAGES(
title "Election by the partnership's members"
field - "The partnership's members elect" fld_elect_105
columns "Name" "Identification number" "Percentage"
line - "1" fld_epop_name_1 fld_epop_id_1 fld_epop_pcnt_1
line - "2" fld_epop_name_2 fld_epop_id_2 fld_epop_pcnt_2
line - "3" fld_epop_name_3 fld_epop_id_3 fld_epop_pcnt_3
line - "4" fld_epop_name_4 fld_epop_id_4 fld_epop_pcnt_4
line - "5" fld_epop_name_5 fld_epop_id_5 fld_epop_pcnt_5
line - "6" fld_epop_name_6 fld_epop_id_6 fld_epop_pcnt_6
line - "7" fld_epop_name_7 fld_epop_id_7 fld_epop_pcnt_7
line - "8" fld_epop_name_8 fld_epop_id_8 fld_epop_pcnt_8
columns 1
line - "Total percentage" fld_epop_pcnt_total
line - "Limit" fld_epop_limit
line 9929 "Line 9929" fld_9929
line 9930 "Line 9930" fld_9930
)PAGES" + vehiclePagesDescription();

static const PageDescriptionSource kT2042Pages("T2042New", kT2042Text.c_str());
