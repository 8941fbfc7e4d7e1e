// Page of the T3 slip received by the trust (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipT3Pages("Slip_T3", R"PAGES(
form Slip_T3
choices businessKind "1-Small business" "2-Farm"

page TaxForm_Slip_T3_tab1 1
title "T3 slip received - Statement of Trust Income Allocations and Designations"
columns 2
field - "Name of the trust that issued the slip" box_name
field - "Currency of the slip amounts (CAD, USD, ...)" box_curcy_name
field - "Exchange rate to Canadian dollars" box_curcy_rate
field - "Set the trust's share of the slip" box_bOverwritePercentIfShared
field - "Trust's share of the slip (%)" box_percent
columns "Amount on the slip" "Trust's share in $CAD"
line - "Box 21 - Capital gains" box_21 =box_21_percent
field - "Eligible for the capital gains deduction (line 5365)" box_21_5365
line - "Box 22 - Lump-sum pension benefits" box_22 =box_22_percent
line - "Box 23 - Actual amount of dividends other than eligible dividends" box_23 =box_23_percent
line - "Box 24 - Foreign business income" box_24 =box_24_percent
field - "Business income reported on Form T2125" box_24_T2125
line - "Box 25 - Foreign non-business income" box_25 =box_25_percent
line - "Box 26 - Other income" box_26 =box_26_percent
field - "Business income reported on Form T2125" box_26_T2125
field - "Other income reported on line 6810" box_26_6810
field - "Other income reported on line 53650" box_26_53650
line - "Box 30 - Capital gains eligible for deduction" box_30 =box_30_percent
field - "Capital gains from a small business or a farm" box_iSmallBusinessOrFarm:businessKind
line - "Box 31 - Qualifying pension income" box_31 =box_31_percent
line - "Box 32 - Taxable amount of dividends other than eligible dividends" box_32 =box_32_percent
line - "Box 33 - Foreign business income tax paid" box_33 =box_33_percent
line - "Box 34 - Foreign non-business income tax paid" box_34 =box_34_percent
line - "Box 35 - Eligible death benefits" box_35 =box_35_percent
line - "Box 37 - Insurance segregated fund capital losses" box_37 =box_37_percent
line - "Box 38 - Part XII.2 tax credit" box_38 =box_38_percent
line - "Box 39 - Dividend tax credit for dividends other than eligible dividends" box_39 =box_39_percent
line - "Box 42 - Amount resulting in cost base adjustment" box_42 =box_42_percent
line - "Box 49 - Actual amount of eligible dividends" box_49 =box_49_percent
line - "Box 50 - Taxable amount of eligible dividends" box_50 =box_50_percent
line - "Box 51 - Dividend tax credit for eligible dividends" box_51 =box_51_percent
)PAGES");
