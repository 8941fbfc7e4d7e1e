// Pages of Form T184, Capital Gains Refund to a Mutual Fund Trust
// (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT184Pages("T184", R"PAGES(
form T184

page TaxForm_T184_tab1 1
title "Form T184 - Federal capital gains refund"
columns 3
section "Refundable capital gains tax on hand"
line A "Taxable income x {t184Rate}" fld_TaxableIncome . fld_lineA
line B "Taxed capital gains x {t184Rate}" fld_84000 . fld_lineB
line C "Part I tax payable" . . fld_LineC
line 84002 "The least of lines A, B and C" . fld_84002 .
line 84001 "Refundable capital gains tax on hand at the end of the previous year" . fld_84001 .
line - "Add lines 84001 and 84002" . . fld_after84002
line 84004 "Capital gains refund for the previous year" . . fld_84004
line 84005 "Refundable capital gains tax on hand at the end of the year (if negative, enter 0)" . . fld_84005
section "Capital gains redemptions"
line - "Line 84005 divided by {t184RefundRate}" . . fld_after84005
line 84007 "Total of all amounts paid on redemptions" fld_84007 . .
line 84008 "Other amounts" fld_84008 fld_after84008 .
line 84010 "Amounts deducted" fld_84010 . .
line 84011 "Other deductions" fld_84011 fld_after84011 .
line - "Subtotal (if negative, enter 0)" . . fld_federalCCSubtotal
line - "Net total: the subtotal plus line 84005 divided by {t184RefundRate}" . . fld_federalCCNetTotal
line 84015 "Fair market value of the issued units" . . fld_84015
line - "Net total x line 84015" . . fld_netTotalByUnits
line - "Line 84007 plus line 84015" . . fld_netTotalByMarket
line - "Net total x line 84015, divided by the line above" . . fld_CCSubtotal
line 84021 "Capital gains designated to redeeming unit holders" fld_84021 . .
line - "Line 84021 x 2" . . fld_CCDesignatedAmt
line 84045 "Capital gains redemptions (if negative, enter 0)" . . fld_84045
line - "Line 84045 x {t184RefundRate}" fld_84045_1 . fld_84045Rated
line 84050 "Capital gains refund (the lesser of line 84005 and {t184RefundRate} of line 84045)" . . fld_84050

page TaxForm_T184_tab2 2
title "Form T184 - Provincial and territorial capital gains refund"
columns 3
line 84050 "Federal capital gains refund" fld_84050_1 . .
line - "Rate of the province or territory (%)" . =fld_provRate .
line 84051 "Provincial or territorial capital gains refund" . . fld_84051
section "Ontario capital gains refund"
line - "Ontario taxable income" fld_ONtaxableIncome . .
line - "Ontario taxable income x {t184OntarioRate}" . fld_ONLineA .
line - "Taxed capital gains x {t184OntarioRate}" . fld_ONLineB .
line - "Ontario tax payable" . fld_ONTaxPayable .
line 84100 "The least of the three" . . fld_84100
line 84102 "Ontario refundable capital gains tax on hand at the end of the previous year" fld_84102 . .
line 84103 "Ontario capital gains refund for the previous year" fld_84103 . .
line 84104 "Other adjustments" fld_84104 fld_ONBasicTax .
line 84105 "Ontario refundable capital gains tax on hand" . . fld_84105
line - "Line 84045 x {t184OntarioRefundRate}" . fld_ON84045Rated .
line 84107 "Ontario capital gains refund (the lesser of the two)" . . fld_84107
line - "Amount from line 84105" fld_ONtemp84105 . .
line - "Amount from line 84107" fld_ONtemp84007 . .
line 84116 "Other Ontario amounts" fld_84116 . .
line 84117 "Balance (if negative, enter 0)" . . fld_84117
line 84120 "Ontario refundable amounts of earlier years" fld_84120 . .
line - "Refunds for 1996 to 1999" fld_ONCCRefund96_99 . .
line - "Refunds for 2000 to 2008" fld_ONCCRefund00_08 . .
line - "Refunds for 2009 to 2015" fld_ONCCRefund09_15 . .
line 84122 "Total refunds" . fld_84122 .
line - "Surtax for 2000 to 2008" fld_ONSurtax00_08 . .
line - "Surtax for 2009 to 2015" fld_ONSurtax09_15 . .
line - "Surtax for 2016 to 2021" fld_ONSurtax16_21 . .
line 84124 "Total surtaxes" . fld_84124 .
line 84126 "Balance (if negative, enter 0)" . . fld_84126
line 84115 "Ontario capital gains refund (add lines 84107, 84117 and 84126)" . . fld_84115

page TaxForm_T184_tab3 3
title "Form T184 - Manitoba and Alberta capital gains refunds"
columns 3
section "Manitoba capital gains refund"
line - "Manitoba taxable income" fld_MBTaxableIncome . .
line 1 "The lesser of taxable income and taxed capital gains, x {t184ManitobaRate}" . fld_MBLine1 .
line - "Manitoba tax payable" . fld_MBTaxPayable .
line 84403 "The lesser of the two" . fld_84403 .
line 84404 "Manitoba refundable capital gains tax on hand at the end of the previous year" . fld_84404 .
line - "Subtotal" . . fld_MBSubtotal
line 84408 "Lines 8 and 11 of last year's form" . . fld_84408
line 9 "Subtotal minus line 84408 (if negative, enter 0)" . . fld_MBLine9
line - "Line 84045 x {t184ManitobaRefundRate}" . . fld_MB84045Rated
line 84307 "Manitoba capital gains refund (the lesser of the two)" . . fld_84307
section "Alberta capital gains refund"
line 84204 "Alberta refundable capital gains tax on hand at the end of the previous year" fld_84204 . .
line - "Alberta taxable income" fld_TaxableIncome_AB . .
line 2 "Taxable income x {t184AlbertaRate}" . fld_ABLine2 .
line 3 "Taxed capital gains x {t184AlbertaRate}" . fld_ABLine3 .
line - "Alberta tax payable" . fld_ABTaxPayable .
line 84205 "The least of lines 2, 3 and the Alberta tax payable" . fld_84205 .
line 84209 "Alberta capital gains refund for the previous year" . fld_84209 .
line 84210 "Alberta refundable capital gains tax on hand (if negative, enter 0)" . . fld_84210
line 8 "Amount from line 84210" fld_ABLine8 . .
line 9 "Line 8 divided by {t184AlbertaRefundRate}" fld_ABLine9 . .
line 84211 "Federal subtotal plus line 9" . fld_84211 .
line 15 "Federal line 84015" fld_FedLine15 . .
line 12 "Line 15 x line 84211" . fld_ABLine12 .
line 17 "Federal line 84007 plus line 84015" fld_FedLine17 . .
line 14 "Line 12 divided by line 17" . fld_ABLine14 .
line 16 "Line 14 minus the designated amount (if negative, enter 0)" . fld_ABLine16 .
line 84218 "Line 16 x {t184AlbertaRefundRate}" . . fld_84218
line 84203 "Alberta capital gains refund (the lesser of lines 84210 and 84218)" . . fld_84203

page TaxForm_T184_tab4 4
title "Form T184 - Total capital gains refund"
columns 1
line 84050 "Federal capital gains refund" fld_federalCCRefund
line 84051 "Provincial or territorial capital gains refund" fld_federalCCRefundProvs
line 84115 "Ontario capital gains refund" fld_From84115
line 84307 "Manitoba capital gains refund" fld_From84307
line 84203 "Alberta capital gains refund" fld_From84203
line - "Total capital gains refund" fld_totalCCRefund
)PAGES");
