// Pages of Schedule 3, Eligible Taxable Capital Gains (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch3Pages("Sch3", R"PAGES(
form Sch3

page TaxForm_Sch3_tab1 1
title "Schedule 3 - Eligible Taxable Capital Gains"
section "Part 1 - Annual gains limit"
columns 3
line 1 "Eligible capital gains (losses) for the year (lines 1 and 2 of Schedule 1 and of Form T1055)" . . fld_partEligibleCC
line 2 "Total of lines 1 and 2 of column 3 on Schedule 2" . . fld_part1TotalSch2
line 3 "Line 1 plus line 2" . . =fld_part1Subtotal_1
line 4 "Line 3 x 1/2" . . =fld_part1Subtotal_1_half
line 5 "Total taxable capital gains (or net capital losses) for the year" . . fld_part1TotalTaxableCC
line 6 "Enter whichever is less: line 4 or line 5" . . =fld_part1QualifyTaxableCC
line 7 "Net capital losses of other years deducted (line 52 of the return)" . . fld_part1NetCC
line 8 "Line 5 minus line 6" =fld_part1Line5 =fld_part1Line6 =fld_Line8
line 9 "Line 7 minus line 8 (if negative, enter 0)" . . =fld_AfterLine8
line 10 "Allowable business investment losses (line 25 of the return)" . . fld_AllowableBIL
line 11 "Line 9 plus line 10" . . =fld_TotalLoss
line 12 "Annual gains limit: line 6 minus line 11 (if negative, enter 0)" . . =fld_part1AnnualGain
section "Part 2 - Cumulative gains limit"
line 13 "Qualifying taxable capital gains after 1984 and before this year (line 15 of last year's Schedule 3)" . . fld_3200
line 14 "Amount from line 6" . . =fld_part2FromLine6
line 15 "Line 13 plus line 14" . . =fld_part2CCDeduction
line 16 "Cumulative loss amount of previous years after 1984 (line 20 of last year's Schedule 3)" . fld_part2LossAfter1984 .
line 17 "Adjusted net capital losses of 1985 to 1991 (from the chart on page 2)" . =fld_totalAdjLossAfter1984 .
line 18 "Line 16 minus line 17" . . =fld_3230
line 19 "Amount from line 11" . . =fld_part2LossUsed
line 20 "Line 18 plus line 19" . . =fld_part2CumulativeLoss
line 21 "Cumulative net investment loss (line 28 of Schedule 4)" . . fld_part2CumulativeNetLoss
line 22 "Line 20 plus line 21" . . =fld_part2TotalLoss
line 23 "Cumulative gains limit: line 15 minus line 22 (if negative, enter 0)" . . =fld_part2GainsLimit
section "Part 3 - Eligible taxable capital gains"
line 24 "Annual gains limit from line 12" . . =fld_part3FromLine12
line 25 "Cumulative gains limit from line 23" . . =fld_part3FromLine23
line 26 "Line 28 of last year's Schedule 3" . fld_3321 .
line 27 "Line 930 of last year's Schedule 9" . fld_3322 .
line 28 "Line 26 plus line 27" . . =fld_part3TCCSubtotal
line 29 "Line 25 minus line 28 (if negative, enter 0)" . . =fld_part3Subtotal
line 30 "Eligible taxable capital gains: whichever is less, line 24 or line 29" . . =fld_3340

page TaxForm_Sch3_tab2 2
title "Schedule 3 - Calculation for line 17"
note "Complete this chart if the trust had reserves brought into income in 1985 to 1991 and net capital losses of those years."
columns "1) Net capital losses of other years deducted" "2) Reserve brought into income before 1985" "3) Rate" "4) Column 2 x column 3" "5) Lesser of column 1 and column 4"
line - "1985" fld_1985NetLossOtherYears fld_1985ReservePre1985 "1/2" =fld_1985TaxableReserve =fld_1985AdjLoss
line - "1986" fld_1986NetLossOtherYears fld_1986ReservePre1985 "1/2" =fld_1986TaxableReserve =fld_1986AdjLoss
line - "1987" fld_1987NetLossOtherYears fld_1987ReservePre1985 "1/2" =fld_1987TaxableReserve =fld_1987AdjLoss
line - "1988" fld_1988NetLossOtherYears fld_1988ReservePre1985 "2/3" =fld_1988TaxableReserve =fld_1988AdjLoss
line - "1989" fld_1989NetLossOtherYears fld_1989ReservePre1985 "2/3" =fld_1989TaxableReserve =fld_1989AdjLoss
line - "1990" fld_1990NetLossOtherYears fld_1990ReservePre1985 "3/4" =fld_1990TaxableReserve =fld_1990AdjLoss
line - "1991" fld_1991NetLossOtherYears fld_1991ReservePre1985 "3/4" =fld_1991TaxableReserve =fld_1991AdjLoss
line 17 "Total of column 4: enter on line 17" . . . =fld_totalAdjLossAfter1984@fld_totalAdjLossAfter1984_chart .
)PAGES");
