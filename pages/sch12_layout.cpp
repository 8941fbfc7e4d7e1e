// Pages of Schedule 12, Minimum Tax (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch12Pages("Sch12", R"PAGES(
form Sch12

page TaxForm_Sch12_tab1 1
title "Schedule 12 - Minimum Tax"
field - "Tax year" fld_TaxYear
section "Part 1 - Net adjusted taxable income for minimum tax purposes"
columns 3
line 1 "Taxable capital gains (line 45 of Schedule 1)" fld_TaxCapGain . .
line 2 "Amount from line 11 of Form T1055" fld_Line11T1055 . .
line 3 "Taxable capital gains allocated and designated to beneficiaries(total of all 3 columns of line 921 of Schedule 9)" fld_CapGainAllocToBen . .
line 3A "Capital gains kept in the trust (line 1 plus line 2 minus line 3; if negative, enter 0)" fld_CapGainInTrust . .
field - "Replace the capital gains conversion rate" fld_ConvRate_overwrite
line 3B "Capital gains conversion rate" fld_ConvRate . .
line 4 "Line 3A x line 3B" . fld_Line4 .
line 5 "Capital gains from gifts of publicly listed securities (fields 1512, 1522, 1542 and 1552 of Schedule 1A)" fld_Line5 . .
line 7 "Line 5 x {minTaxGiftsGainsShare}" . fld_Line7 .
line 8 "Non-taxable part of capital gains kept in the trust (line 4 plus line 7)" . . fld_12030
line 9 "CCA and carrying charges on rental and leasing property" fld_12050 . .
line 10 "Net rental income before CCA and carrying charges" fld_12060 . .
line 11 "Rental loss created by CCA (line 9 minus line 10; if negative, enter 0)" . . fld_RentalLossCCA
line 12 "CCA and carrying charges on certified film property" fld_12080 . .
line 13 "Net film income before CCA" fld_12090 . .
line 14 "Film loss created by CCA (line 12 minus line 13; if negative, enter 0)" . . fld_FilmLossCCA
line 15 "Resource deductions, allowances, depletion and carrying charges" fld_12110 . .
line 16 "Petroleum, gas and mineral production income" fld_12120 . .
line 17 "Class 43.1 and 43.2 property income and foreign resource dispositions" fld_12130 . .
line 18 "Line 16 plus line 17" fld_TotalResInc . .
line 19 "Resource loss (line 15 minus line 18; if negative, enter 0)" . . fld_ResLoss
line 20 "Limited partnership and tax shelter losses" . . fld_12160
line 21 "Excess partnership carrying charges" . . fld_12170
line 22 "Total additions (lines 8, 11, 14 and 19 to 21)" . . fld_after_12170
line 23 "Gross-up of dividends kept by the trust (line 49 of the return)" . fld_GrossUpDiv .
line 24 "Capital gain reduction claimed (line 13 of the return)" . fld_CapGainRedu .
line 25 "Capital gain reduction addback (line 55 of the return)" . fld_CapGainReduAddback .
line 26 "Line 22 minus line 23 plus line 24 minus line 25" . . fld_Line26
line 27 "Taxable income (line 56 of the return)" . . fld_OrigTaxInc

page TaxForm_Sch12_tab2 2
title "Schedule 12 - Minimum Tax (continued)"
columns 3
line 28A "Adjusted non-capital losses of years before 2012" . fld_12220 .
line 28B "Adjusted non-capital losses of 2012 and later years" . fld_12221 .
line 29 "Other non-capital and limited partnership losses of other years" fld_Line29 . .
line 31 "Line 29 x {minTaxLossShare}" . fld_Line31 .
line 32 "Net capital losses of other years deducted this year (line 52 of the return)" . fld_12240 .
line 33 "Subtotal (lines 26 to 32)" . . fld_Line33
line 34 "Interest on money borrowed to earn income or buy an annuity" fld_IntrExp . .
line 35 "Premiums on life insurance used as collateral" fld_PrumLifeIns . .
line 36 "Financing expenses" fld_FinExp . .
line 37 "Lines 34 to 36" fld_Line37 . .
line 39 "Line 37 x {minTaxLossShare}" . . fld_12241
line 40 "Adjusted taxable income for minimum tax purposes (line 33 plus line 39)" . . fld_AdjTaxInc
field - "Replace the basic exemption" fld_12260_overwrite
line 41 "Basic exemption" . . fld_12260
line 42 "Net adjusted taxable income for minimum tax purposes (line 40 minus line 41; if negative, enter 0)" . . fld_12270
section "Part 2 - Special foreign tax credit"
line 43 "Foreign non-business income" fld_FrgnNonBusiInc . .
line 44 "Foreign business income" fld_FrgnBusiInc . .
line 45 "Non-taxable part of foreign capital gains" fld_12280 . .
line 46 "Lines 43 to 45" fld_TotalFrgnInc . .
line 48 "Line 46 x {minTaxRate}" . fld_FrgnIncLimit .
line 49 "Foreign non-business income tax paid (line 1 of Form T3 FFT) x {minTaxForeignTaxShare}" fld_FrgnNonBusiIncTax fld_temp34 .
line 50 "Foreign business income tax paid (line 4 of Form T3 FFT)" . fld_FrgnBusiIncTax .
line 51 "Line 49 plus line 50" . fld_FrgnTaxSpecialCredit .
line 52 "The lesser of lines 48 and 51" . . fld_FrgnLesserAmt
line 53 "Deductible federal foreign tax credit (line 12 of Form T3 FFT)" . . fld_FrgnTaxCredit
line 54 "Special foreign tax credit (the greater of lines 52 and 53)" . . fld_12290
section "Part 3 - Is the trust subject to minimum tax?"
line 55 "Line 42 x {minTaxRate}" fld_AdjIncAMT . fld_TaxForAdjIncAMT
line 56 "Donations and gifts tax credit (line 17 of Schedule 11)" fld_DonaTCSch11 . .
line 58 "Line 56 x {minTaxDonationCreditShare}" . fld_DonaTC .
line 59 "Federal logging tax credits (fields 11210 and 11214 of Schedule 11)" . fld_LogginTaxCredit .
line 60 "Minimum amount (line 55 minus lines 58 and 59)" . . fld_MinAmt
line 61 "Special foreign tax credit (line 54)" . . fld_From12290
line 62 "Net minimum tax payable (line 60 minus line 61; if negative, enter 0)" . . fld_12340
line 63 "Federal tax payable (line 34 of Schedule 11)" fld_FedTaxPayable . .
line 64 "48% surtax on income not subject to provincial or territorial tax (line 22 of Schedule 11)" fld_SurTax48Pcnt . .
line 65 "Line 63 minus line 64" . . fld_FedTaxB4Surtax
line 66 "Line 62 minus line 65 (if negative, enter 0)" . . fld_AmtMoreFedTax

page TaxForm_Sch12_tab3 3
title "Schedule 12 - Minimum Tax (continued)"
columns 3
section "Part 4 - Basic federal tax"
line 67 "Basic federal tax (line 21 of Schedule 11)" fld_BasicFedTaxSch11 . .
line 68 "Minimum amount (line 60)" fld_MinAmtTemp50 . .
line 69 "Basic federal tax for the year (the greater of lines 67 and 68)" . . fld_BasicFedTax
section "Part 5 - Federal tax payable under minimum tax"
line 70 "Net minimum tax payable (line 62)" . . fld_MinTaxTemp52
line 71 "Part of line 69 not subject to provincial or territorial tax x {surtaxRate}" fld_SurTaxNotSbj . fld_SurTaxNotSbjCalc
line 72 "Federal tax payable (line 70 plus line 71)" . . fld_12550
line 73 "Refundable Quebec abatement (line 69 x {quebecAbatementRate})" fld_temp55from51 . fld_RefQCRebate
section "Part 6 - Additional taxes paid for minimum tax carryover"
line 74 "Minimum amount (line 60)" . . fld_from42
line 75 "Basic federal tax (line 21 of Schedule 11)" fld_basicFed . .
line 76 "Investment tax credit of Form T2038(IND) (recapture negative)" fld_TCT2038 . .
line 77 "Federal political contribution tax credit (field 11190 of Schedule 11)" fld_TCPolCntr . .
line 78 "Federal environmental trust tax credit" fld_TCEnvTrst . .
line 79 "Federal logging tax credits" fld_TCLogging . .
line 80 "Line 75 minus lines 76 to 79" . fld_TCTotalFed .
line 81 "Special foreign tax credit (line 54)" fld_specialForeign . .
line 82 "Deductible federal foreign tax credit (line 53)" fld_deductFromForeign . .
line 83 "Line 81 minus line 82" fld_line60 . .
line 84 "Foreign non-business income tax paid" fld_line61 . .
line 85 "Foreign business income tax paid" fld_line62 . .
line 86 "Line 84 plus line 85" fld_line63 . .
line 87 "Line 83 x (line 51 / line 86)" fld_line64A fld_line64B fld_line64
line 88 "Line 80 plus line 87" . . fld_line65
line 89 "Additional taxes available for carryover (line 74 minus line 88; if negative, enter 0)" . . fld_12670
section "Part 7 - Minimum tax carryover"
line 90 "Minimum tax carryover from the seven previous years" . . fld_12680
line 91 "Tax payable before carryover (line 19 of Schedule 11)" fld_payableB4Carryover . .
line 92 "Investment tax credit of Form T2038(IND)" fld_B4T2038 . .
line 93 "Federal political contribution tax credit" fld_B4PolCntr . .
line 94 "Federal environmental trust tax credit" fld_B4EnvTrst . .
line 95 "Federal logging tax credits" fld_B4Logging . .
line 96 "Line 91 minus lines 92 to 95" . fld_TotalTaxB4Carryover .
line 97 "Minimum amount (line 60)" . fld_line69 .
line 98 "Line 96 minus line 97 (if negative, enter 0)" . fld_line70 .
field - "Enter the carryover applied yourself" fld_ws_overwrite_line71
line 99 "Minimum tax carryover applied this year (the lesser of lines 90 and 98; line 20 of Schedule 11)" . . fld_CryOvrApplied
line 100 "Line 90 minus line 99" . . fld_line72
line 101 "Additional taxes available for carryover (line 89)" . . fld_line73
line 102 "Line 100 plus line 101" . . fld_line74
line 103 "Additional 2016 taxes not applied" . . fld_12760
line 104 "Minimum tax carryover available for future years (line 102 minus line 103)" . . fld_12690

page TaxForm_Sch12_tab5 "Provincial AMT"
title "Schedule 12 - Chart 3 - Provincial and territorial minimum tax"
columns "Line 60" "Line 75" "Base" "Amount"
line - "Newfoundland and Labrador (line 89 x {minTaxProvincialRate5})" . . fld_nl_line66 fld_nl_amt
line - "Nova Scotia (line 89 x {minTaxProvincialRate6})" . . fld_ns_line66 fld_ns_amt
line - "New Brunswick (line 60 minus line 75, x {minTaxProvincialRate4})" fld_nb_line56 fld_nb_line57 fld_nb_1 fld_nb_amt
line - "Prince Edward Island (line 89 x {minTaxProvincialRate10})" . . fld_pe_line66 fld_pe_amt
line - "Ontario additional tax for minimum tax purposes" . . . fld_on_amt
line - "Manitoba (line 60 minus line 75, x {minTaxProvincialRate3})" fld_mb_line56 fld_mb_line57 fld_mb_1 fld_mb_amt
line - "Saskatchewan (line 60 minus line 75, x {minTaxProvincialRate12})" fld_sk_line56 fld_sk_line57 fld_sk_1 fld_sk_amt
line - "Alberta (line 60 minus line 75, x {minTaxProvincialRate1})" fld_ab_line56 fld_ab_line57 fld_ab_1 fld_ab_amt
line - "British Columbia (line 89 x {minTaxProvincialRate2})" . . fld_bc_line66 fld_bc_amt
line - "Nunavut (line 89 x {minTaxProvincialRate8})" . . fld_nu_line66 fld_nu_amt
line - "Northwest Territories (line 89 x {minTaxProvincialRate7})" . . fld_nt_line66 fld_nt_amt
line - "Yukon (line 89 x {minTaxProvincialRate13})" . . fld_yk_line66 fld_yk_amt
)PAGES");
