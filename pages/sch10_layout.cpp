// Pages of Schedule 10, Part XII.2 Tax and Part XIII Non-Resident
// Withholding Tax (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch10Pages("Sch10", R"PAGES(
form Sch10

page TaxForm_Sch10_tab1 1
title "Schedule 10 - Part A - Part XII.2 tax payable and refundable credit"
columns 3
line 1 "Income from businesses carried on in Canada" . fld_10010 .
line 2 "Income from real or immovable property in Canada" . fld_10020 .
line 3 "Income from timber resource property" . fld_10030 .
line 4 "Income from Canadian resource property" . fld_10040 .
line 5 "Taxable capital gains from dispositions of taxable Canadian property" . fld_10050 .
line 6 "Total income (add lines 1 to 5)" . . fld_TotalIncome
line 7 "Amounts paid or payable to resident beneficiaries (line 928, column 1 of Schedule 9)" . fld_ResBeneficiaries .
line 8 "Amounts paid or payable to non-resident beneficiaries (line 928, column 2 of Schedule 9)" . fld_NonResBeneficiaries .
line 9 "Add lines 7 and 8" . . fld_Subtotal_1
line 10 "Taxable benefits (line 43 of the return)" . . fld_TaxableBenefit
line 11 "Line 9 minus line 10" . . fld_Adjusted
line 12 "Part XII.2 tax payable: the lesser of lines 6 and 11, x {partXII2TaxRate}" fld_b4Rate40Pcnt . fld_TaxPayable
line - "Income allocated to designated beneficiaries" fld_IncAllocBene . .
line - "Amount from line 11" fld_FromLine11 . .
line 13 "Part XII.2 tax on the income of designated beneficiaries (income allocated x line 12 / line 11)" . . fld_Line13
line 14 "Refundable Part XII.2 tax credit (line 12 minus line 13)" . . fld_Credit

page TaxForm_Sch10_tab2 2
title "Schedule 10 - Part B - Part XIII non-resident withholding tax"
columns 3
field - "Payer's non-resident remittance number" fld_10200
line 15 "Amounts paid or credited to non-resident beneficiaries" . fld_b4_10210 .
line 16 "Adjustment for non-cash items" . fld_10210 .
line 17 "Add lines 15 and 16" . . fld_after10210
line 18 "Non-resident tax on amounts paid or credited" . fld_10230 .
line 19 "Non-resident tax on other amounts" . fld_10240 .
line 20 "Other adjustments" . fld_10250 .
line 21 "Amount from line 13" . fld_Line13FromA .
line 22 "Add lines 18 to 21" . . fld_SubtotalB
line - "Capital gains distributed to non-resident beneficiaries" fld_NonResDistGains . .
line - "Taxable amount" fld_NonResTaxableAmt . .
line - "Non-resident tax payable" fld_NonResTaxPayable . .
line - "Non-resident tax remitted" fld_NonResRemitted . .
line - "Balance" . . fld_10280
section "Taxable Canadian property gains"
line - "Balance at the end of the previous year" fld_TCPBalancePrev . .
line - "Capital gains on taxable Canadian property" fld_TCPCapGain . .
line - "Gains received" fld_TCPGainsRecd . .
line - "Subtotal" . fld_TCPGainsSubtotal .
line - "Losses of non-residents" fld_NonResLoss . .
line - "Balance" . fld_TCPBalance .
line - "Balance of gains" . fld_TCPBalanceGain .
line - "Gains designated" fld_TCCDesignated . .
line - "Gains designated to all beneficiaries" fld_TCCDesignatedAll . .
line - "Ratio" fld_ProDataRatio . .
line - "Non-residents' pro rata share" . fld_NonResProRata .
line - "Non-residents' gains on taxable Canadian property" . fld_NonResTCPGains .
line - "Gains designated" fld_TCCDesignated_2 . .
line - "Non-residents' gains on taxable Canadian property" fld_NonResTCPGains_1 . .
line 42 "Subtotal" . fld_Line42 .
line - "Non-residents' capital gains" . fld_NonResCCPart8 .
line - "Balance" fld_TCPBalanceAgain . .
line - "Gains designated to all beneficiaries" fld_TCCDesignatedAll_1 . .
line 45 "Subtotal" . fld_Line45 .
line - "Gains of all beneficiaries" fld_TCPGainsAll . .
line - "Balance at the end of the year" . . fld_TCPGainsBalance

page TaxForm_Sch10_tab3 3
title "Schedule 10 - Part C - Part II.2 tax on repurchases of equity"
columns 2
line 48 "Fair market value of equity redeemed, acquired or cancelled in the year" . fld_10300
line A "Fair market value of equity issued in the year" fld_10310_A .
line B "Equity issued in exchange" fld_10310_B .
line 49 "Line A minus line B (if negative, enter 0)" . fld_10310
line 50 "Add lines 48 and 49" . fld_after_10310
line C "Equity redeemed in the ordinary course" fld_10320_C .
line D "Other excluded equity" fld_10320_D .
line 51 "Add lines C and D" . fld_10320
line 52 "Line 50 minus line 51 (if negative, enter 0)" . fld_after_10320
line 53 "Part II.2 tax: line 52 x {partII2TaxRate}" . fld_Part2_2Tax
)PAGES");
