// Pages of Schedule 9, Income Allocations and Designations to Beneficiaries
// (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch9Pages("Sch9", R"PAGES(
form Sch9
choices answer "1-Yes" "2-No" "3 n/a"

page TaxForm_Sch9_tab1 1
title "Schedule 9 - Income Allocations and Designations to Beneficiaries"
section "Information about the allocations"
columns 1
line - "1. Number of beneficiaries to whom income on line 928 is being allocated" fld_9001
line - "2. Total resident income allocated of less than $100 per beneficiary, for which no T3 slip was prepared" fld_9002
line - "3. Total resident income allocated to non-taxable entities" fld_9003
line - "4. Total taxable capital gains, excluding return of capital, allocated to redeeming unit holders using Form T5008" fld_9004
field - "5. Do the T3 slips include amounts attributed to a person under a provision other than subsection 75(2)?" fld_9005:answer
field - "6. Is the trust reporting income, losses, taxable capital gains or allowable capital losses to which subsection 75(2) applies?" fld_9006:answer
field - "7. Was each beneficiary allocated an equal share of the income?" fld_9007:answer
button btnT3Sch9_Alloc_Full_Income "Auto allocate all dividend and income received"
field - "Always Allocate All" fld_ws_bAutoAlloc
section "Part A - Income allocated to beneficiaries"
columns "Resident" "Non-resident" "By pref. ben. election"
line 921 "Box 21: taxable capital gains" fld_9211 fld_9212 fld_9213
line 922 "Box 22: lump-sum pension income" fld_9221 fld_9222 .
line 923 "Box 23: actual amount of dividends other than eligible dividends" fld_9231 fld_9232 fld_9233
line 924 "Box 24: foreign business income" fld_9241 fld_9242 fld_9243
line 925 "Box 25: foreign non-business income" fld_9251 fld_9252 fld_9253
line 926 "Box 26: other income" fld_9261 fld_9262 fld_9263
line 949 "Box 49: actual amount of eligible dividends" fld_9491 fld_9492 fld_9493
line 928 "Total" fld_total_A_resident fld_total_A_nonresident fld_total_A_elect
section "Part B - Other amounts designated to beneficiaries"
columns "Resident" "Non-resident" "By pref. ben. election"
line 930 "Box 30: taxable capital gains eligible for deduction" fld_9301 fld_9302 fld_9303
line 931 "Box 31: qualifying pension income" fld_9311 . .
line 932 "Box 32: taxable amount of dividends other than eligible dividends" fld_9321 . fld_9323
line 933 "Box 33: foreign business income tax paid" fld_9331 fld_9332 fld_9333
line 934 "Box 34: foreign non-business income tax paid" fld_9341 fld_9342 fld_9343
line 935 "Box 35: eligible death benefits" fld_9351 fld_9352 .
line 937 "Box 37: insurance segregated fund net capital losses" fld_9361 fld_9362 .
line 938 "Box 38: Part XII.2 tax credit" fld_9381 . .
line 939 "Box 39: dividend tax credit for dividends other than eligible dividends (line 932 x 9.0301%)=" fld_9391 . fld_9393
line 940 "Box 40: investment cost or expenditures for investment tax credit" fld_9401 fld_9402 fld_9403
line 941 "Box 41: investment tax credit" fld_9411 fld_9412 fld_9413
line 942 "Box 42: amount resulting in cost base adjustment" fld_9551 fld_9552 fld_9553
line 945 "Box 45: other credits" fld_9451 fld_9452 .
line 946 "Box 46: pension income qualifying for an eligible annuity for a minor" fld_9461 fld_9462 .
line 947 "Box 47: retiring allowance qualifying for transfer to an RPP or RRSP" fld_9561 fld_9562 .
line 948 "Box 48: eligible amount of charitable donations" fld_9481 fld_9482 .
line 950 "Box 50: taxable amount of eligible dividends" fld_9501 . fld_9503
line 951 "Box 51: dividend tax credit for eligible dividends (line 950 x 15.0198%) =" fld_9511 . fld_9513
field - "Keep the amounts entered in column 1 of lines 932, 939, 950 and 951" fld_overwrite_9511 "overwrite"

page TaxForm_Sch9_tab2 2
title "Part C - Summary of Period 1 and Period 2 amounts designated to beneficiaries"
columns "Resident" "Non-resident" "By pref. ben. election"
line 921-1A "Box 21 Taxable capital gains from dispositions in Period 1" fld_19211 fld_19212 fld_19213
line 921-1B "Box 21 Taxable capital gains from dispositions in Period 2" fld_29211 fld_29212 fld_29213
line 930-1A "Box 30 Taxable capital gains eligible for deduction from dispositions of qualified farm or fishing property (QFFP) in Period 1" fld_19301 fld_19302 fld_19303
line 930-1B "Box 30 Taxable capital gains eligible for deduction from dispositions of QFFP in Period 2" fld_29301 fld_29302 fld_29303
line 930-2A "Box 30 Taxable capital gains eligible for deduction from dispositions of qualified small business corporation shares (QSBCS) in Period 1" fld_39301 fld_39302 fld_39303
line 930-2B "Box 30 Taxable capital gains eligible for deduction from dispositions of QSBCS in Period 2" fld_49301 fld_49302 fld_49303
line 937-1 "Box 37 Insurance segregated fund net capital losses from dispositions in Period 1" fld_19371 fld_19372 .
line 937-2 "Box 37 Insurance segregated fund net capital losses from dispositions in Period 2" fld_29371 fld_29372 .
)PAGES");
