// Pages of the SIFT trust charts (language: docs/pages.md): charts 1 to 5
// worked out, charts 6 to 8 entered.
#include "framework/page_description.h"

static const PageDescriptionSource kSiftPages("CHRTS_SIFT", R"PAGES(
form CHRTS_SIFT

page TaxForm_CHRTS_SIFT_tab1 1
title "SIFT trust charts 1 to 5"
section "Chart 1 - Taxable SIFT distributions"
columns 2
line - "Taxable income (line 56 of the return)" . fld_taxableIncome
line 473 "Non-deductible distributions amount" fld_473 .
line - "Rate (%)" fld_rate1 .
line B "Line 473 divided by the rate" . fld_chart1LineB
line 57 "Taxable SIFT distributions (the lesser of taxable income and line B)" . fld_57
section "Chart 2 - SIFT trust tax"
line A "Taxable income x {siftRate}" fld_chart2TaxableIncome fld_chart2LineA
line - "Amount from line 57" fld_chart2From57 .
line - "Rate (%); a negative rate gives a deduction" fld_rate2 .
line B "Line 57 x rate" . fld_chart2LineB
line 10 "Federal tax (line A plus line B; line 10 of Schedule 11)" . fld_11080
line - "Amount from line 57" fld_11152 .
line - "Rate (%)" fld_rate3 .
line D "Line 57 x rate" . fld_chart2LineD
section "Chart 3 - Provincial taxable income"
line - "Taxable income" fld_chart3TaxableIncome .
line - "Amount from line 57" fld_chart3From57 .
line 58 "Taxable income minus line 57" . fld_58
section "Chart 4 - Adjusted net income"
line - "Net income (line 50 of the return)" fld_chart4NetIncome .
line - "Amount from line 57" fld_chart4From57 .
line - "Adjusted net income" . fld_chart4AdjNetIncome
section "Chart 5 - Eligible dividends"
line 949 "Line 949 of Schedule 9" fld_chart5From949 .
line 473 "Amount from line 473" fld_chart5From473 .
line 8241 "Line 949 minus line 473 (if negative, enter 0)" . fld_8241

page TaxForm_CHRTS_SIFT_tab2 2
title "SIFT trust charts 6 to 8"
section "Chart 6 - Refundable Quebec abatement"
columns 2
line 1 "Net income earned in the province" fld_chart6NetProvIncome .
line 2 "Total net income" fld_chart6TotalNetIncome .
line 3 "Line 1 divided by line 2" fld_chart6Line1Divide .
line 4 "Amount from line 20 or line 51" fld_chart6FromLine20Or51 .
line 5 "Line 3 x line 4" fld_chart6Line1MultLine5 .
line 6 "Refundable Quebec abatement" . fld_chart6QCRefund
section "Chart 7 - Net corporate income tax rate"
columns "Days in the period" "Days in the year" "Ratio" "Rate (%)" "Line"
line 1 "Period 1" fld_chart7DaysPeriod1 fld_chart7DaysYear1 fld_chart7DaysRatio1 fld_chart7Rate1 fld_chart7Line1
line 2 "Period 2" fld_chart7DaysPeriod2 fld_chart7DaysYear2 fld_chart7DaysRatio2 fld_chart7Rate2 fld_chart7Line2
line 3 "Net corporate income tax rate (line 1 plus line 2)" . . . . fld_chart7NetIncomeRate
section "Chart 8 - Provincial SIFT tax rate"
columns "Days at the rate" "Days in the year" "Ratio" "Rate (%)" "Line"
line 1 "Rate 1" fld_chart8DaysInRate1 fld_chart8DaysYear1 fld_chart8DaysRatio1 fld_chart8Rate1 fld_chart8Line1
line 2 "Rate 2" fld_chart8DaysInRate2 fld_chart8DaysYear2 fld_chart8DaysRatio2 fld_chart8Rate2 fld_chart8Line2
line 3 "General provincial income tax rate" . . . . fld_chart8GenIncomeRate
columns "Distributions in the province" "Total distributions" "Ratio" "Rate (%)" "Line"
line 4 "Province of the trust" fld_chart8ProvDist fld_chart8TotalDist1 fld_chart8DistRatio1 fld_chart8DistRate1 fld_chart8Line4
line 5 "Total provincial SIFT tax rate" . . . . fld_chart8TotalProvSIFT
columns "Distributions in the provinces" "Total distributions" "Ratio" "Rate (%)" "Line"
line 6 "Other provinces" fld_chart8ProvsDist fld_chart8TotalDist2 fld_chart8DistRatio2 . fld_chart8Line6
line 7 "Provincial SIFT tax rate for all provinces" . . . . fld_chart8AllProvsRate
)PAGES");
