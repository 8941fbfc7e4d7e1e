// Pages of Schedule 4, Cumulative Net Investment Loss (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch4Pages("Sch4", R"PAGES(
form Sch4

page TaxForm_Sch4_tab1 1
title "Schedule 4 - Cumulative Net Investment Loss (CNIL)"
section "Investment expenses claimed in {taxYear}"
columns 2
line 1 "Carrying charges and interest expenses (line 21 of the return)" fld_CarryCharge .
line 2 "Accounting fees" fld_4020 .
line 3 "Trustee fees deducted against property income" fld_4030 .
line 4 "Foreign taxes paid on property income deducted under subsections 20(11) and 20(12)" fld_4040 .
line 5 "Amounts deducted on debt obligations under subsection 20(21)" fld_4050 .
line 6 "Net rental losses (line 09 of the return, when a loss)" fld_investmentNetRentalLoss .
line 7 "Share of the net loss of a partnership of which the trust is a limited or non-active partner" fld_4070 .
line 8 "Other property expenses" fld_4080 .
line 9 "Net capital losses of other years deducted (line 52 of the return)" fld_investmentNetLossOther .
line 10 "Amount from line 9 of Schedule 3" fld_amtLine9Sch3 .
line 11 "Line 9 minus line 10 (if negative, enter 0)" fld_investmentSubtotal .
line 12 "Total investment expenses for {taxYear} (add lines 1 to 8 and line 11)" . fld_4112
line 13 "Total investment expenses claimed in previous years (line 14 of last year's Schedule 4)" . fld_4130
line 14 "Cumulative investment expenses (line 12 plus line 13)" . fld_4140

page TaxForm_Sch4_tab2 2
title "Schedule 4 - Investment income reported in {taxYear}"
columns 2
line 14 "Cumulative investment expenses (amount from line 14)" . fld_temp4140
line 15 "Taxable amount of eligible dividends: line 2 of Schedule 8 x 138%" fld_line2Sch8 fld_taxableFromEligible
line 16 "Taxable amount of dividends other than eligible dividends: line 1 of Schedule 8 x 115%" fld_line1Sch8 fld_taxableNoneEligible
line 17 "Foreign investment income (line 04 of the return)" . fld_foreignInvestment
line 18 "Other investment income (line 05 of the return)" . fld_otherInvestment
line 19 "Net rental income (line 09 of the return, when income)" . fld_netRental
line 20 "Specified member's share of the income of a partnership" . fld_4250
line 21 "Other property income" . fld_4260
line 22 "Taxable capital gains (line 5 of Schedule 3)" fld_taxableCC .
line 23 "Amount from line 6 of Schedule 3" fld_amtLine6Sch3 .
line 24 "Line 22 minus line 23 (if negative, enter 0)" . fld_Subtotal
line 25 "Total investment income for {taxYear} (add lines 15 to 21 and line 24)" . fld_4300
line 26 "Total investment income reported in previous years (line 27 of last year's Schedule 4)" . fld_4310
line 27 "Cumulative investment income (line 25 plus line 26)" . fld_4320
line 28 "Cumulative net investment loss: line 14 minus line 27 (if negative, enter 0)" . =fld_4330
)PAGES");
