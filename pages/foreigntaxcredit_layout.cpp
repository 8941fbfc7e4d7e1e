// Pages of Form T3 FFT, the trust's foreign tax credits (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kForeignTaxCreditPages("ForeignTaxCredit", R"PAGES(
form ForeignTaxCredit

page TaxForm_ForeignTaxCredit_tab1 "Federal Foreign Tax Credit"
title "Form T3 FFT - Federal foreign tax credit"
columns 3
field - "Foreign country" fld_Country
field - "Worksheet amounts entered by hand" fld_ws_overwrite
section "Federal foreign non-business income tax credit"
line 1 "Non-business income tax paid to the foreign country" . . fld_22091
line - "Net foreign non-business income" fld_22092 . .
line - "Net income (line 50 of the return)" fld_NonBusiNetInc . .
line - "Basic federal tax (line 21 of Schedule 11)" fld_NonBusiBasicFedTax . .
line 2 "Net foreign non-business income divided by net income, multiplied by basic federal tax" . . fld_NonBusiLine2
line 3 "Federal foreign non-business income tax credit (the lesser of lines 1 and 2)" . . fld_NonBusiTC
section "Federal foreign business income tax credit"
line 4 "Business income tax paid to the foreign country" . . fld_22093
line - "Net foreign business income" fld_22094 . .
line - "Net income (line 50 of the return)" fld_BusiNetInc . .
line - "Basic federal tax (line 21 of Schedule 11)" fld_BusiBasicFedTax . .
line 5 "Net foreign business income divided by net income, multiplied by basic federal tax" . fld_BusiLine5 .
line 6 "Surtax (line 22 of Schedule 11)" . fld_BusiFedSurtax .
line 7 "Add lines 5 and 6" . . fld_BusiLine7
line 8 "Basic federal tax plus the surtax" fld_BusiLine8 . .
line 9 "Amount from line 3" fld_Line3Again . .
line 10 "Line 8 minus line 9 (if negative, enter 0)" . . fld_Busiline10
line 11 "Federal foreign business income tax credit (the least of lines 4, 7 and 10)" . . fld_BusiTC
line 12 "Federal foreign tax credit (add lines 3 and 11; line 24 of Schedule 11)" . . fld_FedForeignTC

page TaxForm_ForeignTaxCredit_tab2 "Provincial Foreign Tax Credit"
title "Form T3 FFT - Provincial foreign tax credit"
columns 3
field - "Foreign country" =fld_Country_prov
line 1 "Non-business income tax paid to the foreign country" . . fld_ProvLine1
line 2 "Federal foreign non-business income tax credit (line 3 of the federal credit)" . . fld_ProvLine2
line 3 "Line 1 minus line 2 (if negative, enter 0)" . . fld_ProvTCMax
line - "Net foreign non-business income" fld_ProvNonBusiInc . .
line - "Net income" fld_ProvNetInc . .
line - "Provincial or territorial tax otherwise payable" fld_ProvBasicTax . .
line 4 "Net foreign non-business income divided by net income, multiplied by provincial tax" . . fld_ProvLine4
line 5 "Provincial foreign tax credit (the lesser of lines 3 and 4)" . . fld_ProvTaxCredit
)PAGES");
