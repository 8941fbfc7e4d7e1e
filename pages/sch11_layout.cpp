// Pages of Schedule 11, Federal Income Tax (language: docs/pages.md).
// Lines 3, 5 and 7 of the chart are the bracket thresholds, rates and base
// taxes of the year, printed as on the form from the year's figures.
#include "framework/page_description.h"

static const PageDescriptionSource kSch11Pages("Sch11", R"PAGES(
form Sch11

page TaxForm_Sch11_tab1 1
title "Step 1 - Tax on taxable income"
columns 1
line 1 "Enter your taxable income from line 56 of your return." fld_taxinc
note "Graduated rate estates and qualified disability trusts: complete the chart, using the column that applies to the amount on line 1. Other trusts: complete line 9."
columns "Column 1: ${bracket2.threshold:whole} or less" "Column 2: more than ${bracket2.threshold:whole} up to ${bracket3.threshold:whole}" "Column 3: more than ${bracket3.threshold:whole} up to ${bracket4.threshold:whole}" "Column 4: more than ${bracket4.threshold:whole} up to ${bracket5.threshold:whole}" "Column 5: more than ${bracket5.threshold:whole}"
line 2 "Enter the amount from line 1 in the column that applies" fld_33_1 fld_33_2 fld_33_3 fld_33_4 fld_33_5
line 3 "Base amount" "{bracket1.threshold}" "{bracket2.threshold}" "{bracket3.threshold}" "{bracket4.threshold}" "{bracket5.threshold}"
line 4 "Line 2 minus line 3" fld_35_1 fld_35_2 fld_35_3 fld_35_4 fld_35_5
line 5 "Rate" "{bracket1.rate}" "{bracket2.rate}" "{bracket3.rate}" "{bracket4.rate}" "{bracket5.rate}"
line 6 "Line 4 multiplied by line 5" fld_37_1 fld_37_2 fld_37_3 fld_37_4 fld_37_5
line 7 "Tax on the base amount" "{bracket1.baseTax}" "{bracket2.baseTax}" "{bracket3.baseTax}" "{bracket4.baseTax}" "{bracket5.baseTax}"
line 8 "Line 6 plus line 7" fld_39_1 fld_39_2 fld_39_3 fld_39_4 fld_39_5
columns 2
line 9 "Trusts other than a graduated rate estate or qualified disability trust: taxable income (line 1) x {flatRate}" fld_line1 fld_line9
title "Step 2 - Federal tax"
columns 3
line 10 "Federal tax on taxable income (line 8 or line 9)" . . fld_11080
line 11 "Federal recovery tax (line 27 of Form T3QDT-WS)" . . fld_11100
line 12A "Additional tax from line 8 of Form T1098" . . fld_11101
line 12B "Recapture of investment tax credit" . . fld_11102
line 13 "Add lines 10 to 12B" . . fld_after_11100
line 14 "Dividend tax credit for eligible dividends: line 24 of Schedule 8 x 6/11" fld_EligibleDiv fld_11108 .
line 15 "Dividend tax credit for dividends other than eligible dividends: line 31 of Schedule 8 x 9/13" fld_NonEligibleDiv fld_11109 .
line 16 "Total federal dividend tax credit (add lines 14 and 15)" . fld_11110 .
line - "Amount from line 16" . =fld_11110@fld_11110_1 .
line 17 "Donations and gifts tax credit (line 30 of Schedule 11A)" . =fld_Line16 .
line 18 "Add lines 16 and 17" . fld_TotalCredit =fld_TotalCredit@fld_TotalCredit_1
line 19 "Tax payable before carryover (line 13 minus line 18)" . . =fld_AfterCredit
line 20 "Minimum tax carryover applied (line 99 of Schedule 12)" . . fld_11130
line 21 "Basic federal tax (line 19 minus line 20; if negative, enter 0)" . . fld_BasicTax
line 22 "{surtaxRate} surtax on income not subject to provincial or territorial tax: the part of line 21 not subject to it x {surtaxRate}" fld_Line20Part . fld_11160
line 23 "Add lines 21 and 22" . . fld_Line22

page TaxForm_Sch11_tab2 2
title "Step 2 - Continue"
columns 3
line 23 "Amount from line 23" . . fld_Line22Again
line 24 "Federal foreign tax credit (Form T3 FFT)" . fld_11180 .
line 25 "Total federal political contributions" fld_11191 . .
line 26 "Allowable federal political contribution tax credit" . fld_11190 .
line 27 "Investment tax credit (Form T2038(IND))" . fld_11200 .
line 28 "Federal logging tax credit for British Columbia" . fld_11210 .
line 29 "Federal environmental trust tax credit" . fld_11213 .
line 30 "Federal logging tax credit for Quebec" . fld_11214 .
line 31 "Total credits (add line 24 and lines 26 to 30)" . fld_after_11214 =fld_after_11214@fld_after_11214_1
line 32 "Line 23 minus line 31 (if negative, enter 0)" . . fld_Line31
line 33 "Additional tax on accumulated income payments from an RESP (Form T1172)" . . fld_FromT1172
line 34 "Federal tax payable (line 32 plus line 33)" . . fld_FedTaxPayable
line 35 "Refundable Quebec abatement: basic federal tax (line 21) x {quebecAbatementRate}" fld_Line34A . fld_RefQCAbatement
note "If minimum tax applies to the trust, continue the calculation on Schedule 12"
)PAGES");
