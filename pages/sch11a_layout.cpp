// Page of Schedule 11A, Donations and Gifts Tax Credit (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch11APages("Sch11A", R"PAGES(
form Sch11A

page TaxForm_Sch11A_tab1 1
title "Schedule 11A - Donations and Gifts Tax Credit"
columns 3
section "Calculating the donations limit"
line 1 "Donations to registered charities and other qualified donees in Canada" . fld_11126 .
line 2 "Donations to registered universities outside Canada" . fld_11127 .
line 3 "Donations to the United Nations and certain foreign charities" . fld_11128 .
line - "Donations made in the current tax year (included in lines 1, 2, 3 and 11)" fld_11129 . .
line 4 "Donations applied to the deceased's final or preceding return" . fld_11117 .
line 5 "Total eligible amount of charitable donations (lines 1 to 3 minus line 4)" . . fld_11121
line 6 "Net income (line 50 of the return) x {donationNetIncomeLimit}" fld_NetInc fld_75PcntNetInc .
line 7 "{donationGainsShare} of taxable capital gains from gifts of capital property" . fld_11123 .
line 8 "{donationGainsShare} of recapture of CCA on donated depreciable property" . fld_11124 .
line 9 "Total donations limit (lines 6 to 8, not more than net income)" . . fld_after_11124
line 10 "Allowable charitable donations (the lesser of lines 5 and 9)" . . fld_AllowableDonAmt
section "Calculating the donations and gifts tax credit"
line 11 "Eligible amount of cultural and ecological gifts" . fld_11122 .
line 12 "Cultural and ecological gifts applied to the deceased's returns" . fld_11118 .
line 13 "Total donations and gifts (line 10 plus line 11 minus line 12)" . . fld_TotalDonAmt
line 14 "Donations and gifts claimed for the current tax year (not more than line 13)" . . fld_11125
line 15 "Ecological gifts made after February 10, 2014 and before 2016, included in line 14" . fld_11119 .
line 16 "The lesser of {donationLowRateAmount} and line 14" . . fld_200orless
line 17 "Line 14 minus line 16" . . fld_after_200orless
line 18 "Amount from line 17" fld_after_200orless_1 . .
line 19 "Amount from line 15" fld_11119_1 . .
line 20 "Line 18 minus line 19 (if negative, enter 0)" . fld_sub_1 .
line 21 "Taxable income (line 56 of the return)" fld_TaxInc . .
line 22 "Income threshold" "{donationHighRateThreshold}" . .
line 23 "Line 21 minus line 22 (if negative, enter 0)" . fld_line23 .
line 24 "Amount credited at {donationHighRate}" fld_Pcnt33Amt . .
line 25 "Line 24 x {donationHighRate}" . . fld_Pcnt33Credit
line 26 "Line 17 minus line 24 (if negative, enter 0)" fld_Pcnt29Amt . .
line 27 "Line 26 x {donationMiddleRate}" . . fld_Pcnt29Credit
line 28 "Amount from line 16" fld_Pcnt15Amt . .
line 29 "Line 28 x {donationLowRate}" . . fld_Pcnt15Credit
line 30 "Donations and gifts tax credit (add lines 25, 27 and 29; line 17 of Schedule 11)" . . fld_11120
)PAGES");
