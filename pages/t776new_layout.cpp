// Pages of Form T776, Statement of Real Estate Rentals (language: docs/pages.md).
#include "framework/page_description.h"
#include "pages/capital_cost_pages.h"

#include <string>

static const char* const kAreaPrefixes[4] = {"fld_b_", "fld_c_", "fld_d_", "fld_e_"};
static const std::string kT776Text = std::string(R"PAGES(
form T776New
choices ownership "Sole owner" "Partnership" "Co-ownership"

page TaxForm_T776New_tab1 1
title "Part 1 - Identification"
field - "Name" fld_name
field - "Social insurance number" fld_SIN
field - "Fiscal period from" fld_begindate
field - "Fiscal period to" fld_enddate
field - "Was 2024 the last year of your rental operation?" fld_lastyear
field - "Business name" fld_businessname
field - "Address of the rental operation" fld_addr
field - "City" fld_cityprov
field - "Province or territory" fld_iprov:province
field - "Postal code" fld_postcode
field - "Business number" fld_GSTNumber
field - "Tax shelter identification number" fld_taxshelter_ID
field - "Partnership business number" fld_partnership_ID
field - "Industry code" fld_industrycode
field - "Ownership" fld_ownership:ownership
field - "Your percentage of ownership or of the partnership" fld_ownership_percent
section "Person or firm preparing this form"
field - "Address" fld_addr_preparer
field - "City" fld_city_preparer
field - "Province or territory" fld_iprov_preparer:province
field - "Postal code" fld_postcode_preparer
title "Part 2 - Details of other co-owners and partners"
columns "First name" "Last name" "Address" "Share of net income (loss)" "Percentage"
line - "Co-owner or partner 1" fld_coowner_firstname_1 fld_coowner_lastname_1 fld_coowner_addr_1 =fld_coowner_netincome_1 fld_coowner_percent_1
line - "Co-owner or partner 2" fld_coowner_firstname_2 fld_coowner_lastname_2 fld_coowner_addr_2 =fld_coowner_netincome_2 fld_coowner_percent_2
line - "Co-owner or partner 3" fld_coowner_firstname_3 fld_coowner_lastname_3 fld_coowner_addr_3 =fld_coowner_netincome_3 fld_coowner_percent_3
line - "Co-owner or partner 4" fld_coowner_firstname_4 fld_coowner_lastname_4 fld_coowner_addr_4 =fld_coowner_netincome_4 fld_coowner_percent_4

page TaxForm_T776New_tab2 2
title "Part 3 - Income"
columns "Address of the property" "Number of units" "Gross rents"
line - "Property 1" fld_property_addr_1 fld_property_units_1 fld_property_income_1
line - "Property 2" fld_property_addr_2 fld_property_units_2 fld_property_income_2
line - "Property 3" fld_property_addr_3 fld_property_units_3 fld_property_income_3
line - "Property 4" fld_property_addr_4 fld_property_units_4 fld_property_income_4
columns 1
line 8141 "Total gross rents" =fld_property_rent
line 8230 "Other related income" fld_property_other_income
line 8299 "Gross rental income" =fld_property_total_income
title "Part 4 - Expenses"
field - "Calculate the personal part of each expense at this percentage" fld_pportion_usepercent
field - "Personal percentage" fld_pportion_percent
columns "Total expense" "Personal part"
line 8521 "Advertising" fld_expense_1 fld_personalexp_1
line 8690 "Insurance" fld_expense_2 fld_personalexp_2
line 8710 "Interest and bank charges" fld_expense_3 fld_personalexp_3
line 8810 "Office expenses" fld_expense_4 fld_personalexp_4
line 8860 "Professional fees (includes legal and accounting fees)" fld_expense_5 fld_personalexp_5
line 8871 "Management and administration fees" fld_expense_6 fld_personalexp_6
line 8960 "Repairs and maintenance" fld_expense_7 fld_personalexp_7
line 9060 "Salaries, wages, and benefits (including employer's contributions)" fld_expense_8 fld_personalexp_8
line 9180 "Property taxes" fld_expense_9 fld_personalexp_9
line 9200 "Travel" fld_expense_10 fld_personalexp_10
line 9220 "Utilities" fld_expense_11 fld_personalexp_11
line 9281 "Motor vehicle expenses (not including CCA)" fld_expense_12 fld_personalexp_12
line 9270 "Other expenses" fld_expense_13 fld_personalexp_13
line 9949 "Total expenses and their personal part" =fld_expense_14 =fld_personalexp_14
title "Part 5 - Net income (loss)"
columns 1
line - "Deductible expenses (total expenses minus personal part)" =fld_b
line 9369 "Net income (loss) before adjustments" =fld_9369
field - "Co-ownership: enter your share of line 9369 myself" fld_c_overwrite
line - "Your share of line 9369" fld_c
line 9945 "Minus: other expenses of the co-owner" fld_9945
line - "Subtotal" =fld_subtotal_1
line 9947 "Plus: recaptured capital cost allowance" fld_9947
line - "Subtotal" =fld_subtotal_2
line 9948 "Minus: terminal loss" fld_9948
line - "Subtotal" =fld_subtotal_3
line 9936 "Minus: capital cost allowance" =fld_9936
line - "Net income (loss) after adjustments" =fld_d
line - "Your share of the amount above" =fld_yourshare_d
line 9974 "Plus: GST/HST rebate for partners received in the year" fld_9974
line 9943 "Minus: other expenses of the partner" fld_9943
line 9946 "Your net income (loss)" =fld_9946

page TaxForm_T776New_tab3 3
title "Area A - Calculation of capital cost allowance claim"
field - "Enter the CCA claims myself (each kept up to its maximum)" fld_CCA_overwrite
columns "1 Class" "2 UCC at the start" "3 Additions" "4 AIIP additions" "5 Proceeds" "6 UCC after" "7 AIIP reduction"
repeat 11
line - "{n}" fld_a_1_{n} fld_a_2_{n} fld_a_3_{n} fld_a_AdditionAIIP_{n} fld_a_4_{n} =fld_a_5_{n} =fld_a_DispReduceAIIP_{n}
end repeat
columns "8 AIIP adjustment" "9 Half-year" "10 Base" "Enter rate" "11 Rate %" "12 CCA" "13 UCC at the end"
repeat 11
line - "{n}" fld_a_AdjAIIP_{n} =fld_a_6_{n} =fld_a_7_{n} fld_ws_rate_overwrite_{n} fld_a_8_{n} fld_a_9_{n} =fld_a_10_{n}
end repeat
)PAGES") + claimTotalsDescription() + R"PAGES(
field - "Co-ownership: the claims are already your share" fld_dontapplycownerpcnt
)PAGES" + assetAreasDescription(kAreaPrefixes, "Rental part");

static const PageDescriptionSource kT776Pages("T776New", kT776Text.c_str());
