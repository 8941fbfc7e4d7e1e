// Page of the received T4A(P) slip, Statement of Canada Pension Plan
// Benefits (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipT4APPages("CSlipData_T4AP", R"PAGES(
form CSlipData_T4AP
choices plan "Canada Pension Plan (CPP)" "Quebec Pension Plan (QPP)"

page TaxForm_Slip_T4AP_tab1 "T4A(P) slip"
title "T4A(P) - Statement of Canada Pension Plan Benefits"
columns 1
field - "Payer's name" box_title
field - "Benefits from" box_IsCPP:plan
field - "Income exempt under the Indian Act" box_IsIndian
line 14 "Retirement benefit" box_14
field - "First year of the retirement benefit" box_FirstYearRetirement
line 15 "Survivor benefit" box_15
line 16 "Disability benefit" box_16
line 17 "Child benefit" box_17
line 18 "Death benefit" box_18
line 19 "Post-retirement benefit" box_19
line 20 "Taxable CPP benefits (boxes 14 to 19)" =box_20
field - "Box 20 on the slip differs from this total" box_overwrite_20
line 21 "Number of months for disability benefit" box_21
line 22 "Income tax deducted" box_22
line 23 "Number of months for retirement benefit" box_23
)PAGES");
