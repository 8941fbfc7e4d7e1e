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
button btnBusiWorksheet "Business Income Worksheet..."
line 3A "Gross sales, commissions, or fees" . =fld_busi_sales
line - "Minus: GST/HST, PST, and QST collected or collectible" . fld_busi_gst
line - "Subtotal" . =fld_b4_8000_busi
line - "Returns, allowances, and discounts included in sales" fld_busi_ii .
line - "Minus: those already deducted" fld_busi_iii .
line - "Net returns, allowances, and discounts" . =fld_busi_iv
line - "Adjusted gross sales" . =fld_8000_busi
section "Professional income"
button btnProfWorksheet "Professional Income Worksheet..."
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

)PAGES") + netIncomeLinesDescription(7) + R"PAGES(
page TaxForm_T2125_New_tab3 3
)PAGES" + partnerAndHomeDescription(7) + R"PAGES(

page TaxForm_T2125_New_tab4 4
)PAGES" + classAreaDescription() + R"PAGES(

page TaxForm_T2125_New_tab5 5
)PAGES" + assetAreasDescription(kAreaPrefixes, "Business part", 8) + vehiclePagesDescription() + R"PAGES(
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
