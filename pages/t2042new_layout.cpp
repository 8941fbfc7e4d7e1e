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

)PAGES") + netIncomeLinesDescription(5) + R"PAGES(
page TaxForm_T2042New_tab3 3
)PAGES" + partnerAndHomeDescription(5) + R"PAGES(

page TaxForm_T2042New_CCA01 4
)PAGES" + classAreaDescription() + R"PAGES(
title "Allowance on eligible capital property"
columns "Year" "Kind of property" "Month of disposition" "Cost" "Rate %" "Allowance" "Total allowance"
line - "1" fld_year_1 fld_kindprop_1 fld_month_disposition_1 fld_cost_1 fld_rate_1 =fld_allowance_1 fld_totalallowance_1
line - "2" fld_year_2 fld_kindprop_2 fld_month_disposition_2 fld_cost_2 fld_rate_2 =fld_allowance_2 fld_totalallowance_2
line - "3" fld_year_3 fld_kindprop_3 fld_month_disposition_3 fld_cost_3 fld_rate_3 =fld_allowance_3 fld_totalallowance_3
line - "4" fld_year_4 fld_kindprop_4 fld_month_disposition_4 fld_cost_4 fld_rate_4 =fld_allowance_4 fld_totalallowance_4
line - "Total allowance" . . . . . =fld_allowance_5 .

page TaxForm_T2042New_CCA02 5
)PAGES" + assetAreasDescription(kAreaPrefixes, "Business part") + R"PAGES(
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
