// Pages of Schedule 8, Investment Income, Carrying Charges, and Gross-up
// Amount of Dividends Retained by the Trust (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch8Pages("Sch8", R"PAGES(
form Sch8

page TaxForm_Sch8_tab1 1
title "Part A - Calculating investment income and carrying charges"
columns "From slips" "Other" "Total"
line 1 "Dividends other than eligible dividends (box 23 of T3 slips, box 10 of T5 slips) (8110)" fld_ws_8110_slip fld_ws_8110_other fld_8110
line 2 "Eligible dividends (box 49 of T3 slips, box 24 of T5 slips) (8120)" fld_ws_8120_slip fld_ws_8120_other fld_8120
line 3 "Total dividends (line 1 plus line 2): enter on line 03 of the T3 return" . . fld_after_8120
line 4 "Interest from foreign sources" . fld_FrgnInterest .
line 5 "Other foreign investment income" fld_ws_OtherFrgnInvInc_slip fld_ws_OtherFrgnInvInc_other fld_FrgnOtherInvInc
line 6 "Total foreign investment income (line 4 plus line 5): enter on line 04 of the T3 return" . . fld_TotalFrnInvInc
line 7 "Interest from bonds, trust companies and banks" fld_ws_interest_fromslip fld_ws_interest_other fld_Interest
line 8 "Other deposits" . . fld_OtherDeposits
line 9 "Mortgages, notes and other securities" . . fld_Mortgages
line 10 "Other dividends" . . fld_OtherDiv
line 11 "Other" fld_ws_OtherOther_slip fld_ws_OtherOther_1 fld_OtherInv
line 12 "Total other investment income (add lines 7 to 11): enter on line 05 of the T3 return" . . fld_TotalOther
section "Carrying charges and interest expenses"
line 13 "Interest on money borrowed to earn investment income (8160)" . . fld_8160
line 14 "Management, safe custody or accounting fees (8170)" . . fld_8170
line 15 "Investment counsel fees under paragraph 20(1)(bb) (8180)" . . fld_8180
line 16 "Other carrying charges (8190)" . . fld_8190
line 17 "Total carrying charges and interest expenses (add lines 13 to 16): enter on line 21 of the T3 return" . . fld_after_8190
title "Part B - Calculating the gross-up amount of dividends retained or not designated by the trust"
columns 2
section "Eligible dividends"
line 18 "Total eligible dividends before expenses (line 2)" . fld_TotalEgblDiv
line 19 "Eligible dividends designated to beneficiaries (line 949 of Schedule 9)" fld_EgblDivToBene .
line 20 "Line 18 minus line 19 (if negative, enter 0)" . fld_EgblDivNotDsgn
line 21 "Eligible dividends allocated but not designated to non-resident beneficiaries (included in line 926, column 2 of Schedule 9) (8239)" fld_8239 .
line 22 "Eligible dividends available for gross-up (line 20 minus line 21)" . fld_EgblDivToGrossup
line 24 "Gross-up amount of eligible dividends (line 22 x {eligibleGrossUpRate}): enter on line 14 of Schedule 11" . fld_EgblDivGrossedup
section "Dividends other than eligible dividends"
line 25 "Total dividends other than eligible dividends before expenses (line 1)" . fld_NonEgblDiv
line 26 "Dividends other than eligible dividends designated to beneficiaries (line 923 of Schedule 9)" fld_NonEgblDivToBene .
line 27 "Line 25 minus line 26 (if negative, enter 0)" . fld_NonEgblDivNotDsgn
line 28 "Dividends other than eligible dividends allocated but not designated to non-resident beneficiaries (included in line 926, column 2 of Schedule 9) (8240)" fld_8240 .
line 29 "Dividends other than eligible dividends available for gross-up (line 27 minus line 28)" . fld_NonEgblDivToGrossup
line 31 "Gross-up amount of dividends other than eligible dividends (line 29 x {nonEligibleGrossUpRate}): enter on line 15 of Schedule 11" . fld_NonEgblDivGrossedup
line 32 "Total gross-up amount of dividends retained or not designated by the trust (line 24 plus line 31): enter on line 49 of the T3 return" . fld_TotallDivGrossedup
)PAGES");
