// Page of the received T5 slip, Statement of Investment Income (language:
// docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipT5Pages("Slip_T5", R"PAGES(
form Slip_T5

page TaxForm_Slip_T5_tab1 "T5 slip"
title "T5 - Statement of Investment Income"
columns 1
field - "Payer's name" box_name
field - "Currency (blank for Canadian dollars)" box_curcy_name
line - "Exchange rate" box_curcy_rate
field - "Enter the trust's share of a joint slip" box_bOverwritePercentIfShared
line - "Trust's share (%)" box_percent
section "Dividends"
line 10 "Actual amount of dividends other than eligible dividends" box_10
line 11 "Taxable amount of dividends other than eligible dividends" box_11
line 12 "Dividend tax credit for dividends other than eligible dividends" box_12
line 24 "Actual amount of eligible dividends" box_24
line 25 "Taxable amount of eligible dividends" box_25
line 26 "Dividend tax credit for eligible dividends" box_26
section "Interest and other income"
line 9909 "Interest from bank deposits" box_9909
line 9910 "Interest from bonds" box_9910
line 9911 "Interest from other Canadian sources" box_9911
line 9912 "Interest from a trust company" box_9912
line 13 "Interest from Canadian sources (boxes 9909 to 9912)" =box_13
line 14 "Other income from Canadian sources" box_14
line 15 "Foreign income" box_15
line 16 "Foreign tax paid" box_16
line 17 "Royalties from Canadian sources" box_17
field - "Royalties from a work or invention of the trust" box_17_workorinvention
line 18 "Capital gains dividends" box_18
line 19 "Accrued income: Annuities" box_19
)PAGES");
