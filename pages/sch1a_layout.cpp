// Pages of Schedule 1A, Capital Gains on Gifts of Certain Capital Property
// (language: docs/pages.md): Period 1 and Period 2, three sections of six
// rows each.
#include "framework/page_description.h"

static const PageDescriptionSource kSch1APages("Sch1A", R"PAGES(
form Sch1A

page TaxForm_Sch1A_Period1 1
title "Schedule 1A - Capital Gains on Gifts of Certain Capital Property - Dispositions made on or before June 24, 2024"
section "Public traded shares, other shares and mutual fund units"
columns "Number of shares or units" "Name of corporation or fund" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
repeat 6
line - "{n}" fld_1542_num_{n} fld_1542_name_{n} fld_1542_year_{n} fld_1542_disposition_{n} fld_1542_costbase_{n} fld_1542_outlays_{n} fld_1542_gain_{n} fld_1542_eligibleamt_{n} fld_1542_col7_{n} fld_1542_col8_{n}
end repeat
line - "Total" . . . =fld_1541 . . . . =fld_1542 =fld_1542_col8_total
section "Bonds, debentures, promissory notes, and other properties (including land)"
columns "Face value" "Maturity date" "Name of issuer" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
repeat 6
line - "{n}" fld_1552_facevalue_{n} fld_1552_maturitydate_{n} fld_1552_issuer_{n} fld_1552_year_{n} fld_1552_disposition_{n} fld_1552_costbase_{n} fld_1552_outlays_{n} fld_1552_gain_{n} fld_1552_eligibleamt_{n} fld_1552_col7_{n} fld_1552_col8_{n}
end repeat
line - "Total" . . . . =fld_1551 . . . . =fld_1552 =fld_1552_col8_total
section "Ecologically sensitive land (including a covenant, an easement, or in the case of land in Quebec, a real servitude)"
columns "Address or legal description" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
repeat 6
line - "{n}" fld_1562_addr_{n} fld_1562_year_{n} fld_1562_disposition_{n} fld_1562_costbase_{n} fld_1562_outlays_{n} fld_1562_gain_{n} fld_1562_eligibleamt_{n} fld_1562_col7_{n} fld_1562_col8_{n}
end repeat
line - "Total" . . =fld_1561 . . . . =fld_1562 =fld_1562_col8_total
columns 1
line 3 "Add lines 1542, 1552 and 1562." =fld_TotalPrd1

page TaxForm_Sch1A_Page1 2
title "Schedule 1A - Capital Gains on Gifts of Certain Capital Property - Dispositions from June 25 to December 31, 2024"
section "Public traded shares, other shares and mutual fund units"
columns "Number of shares or units" "Name of corporation or fund" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
repeat 6
line - "{n}" fld_share_num_{n} fld_share_name_{n} fld_share_year_{n} fld_share_disposition_{n} fld_share_costbase_{n} fld_share_outlays_{n} fld_share_gain_{n} fld_share_eligibleamt_{n} fld_share_col7_{n} fld_share_col8_{n}
end repeat
line - "Total" . . . =fld_1511 . . . . =fld_1512 =fld_share_col8_total
section "Bonds, debentures, promissory notes, and other properties (including land)"
columns "Face value" "Maturity date" "Name of issuer" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
repeat 6
line - "{n}" fld_bond_facevalue_{n} fld_maturitydate_{n} fld_issuer_{n} fld_bond_year_{n} fld_bond_disposition_{n} fld_bond_costbase_{n} fld_bond_outlays_{n} fld_bond_gain_{n} fld_bond_eligibleamt_{n} fld_bond_col7_{n} fld_bond_col8_{n}
end repeat
line - "Total" . . . . =fld_1521 . . . . =fld_1522 =fld_bond_col8_total
section "Ecologically sensitive land (including a covenant, an easement, or in the case of land in Quebec, a real servitude)"
columns "Address or legal description" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
repeat 6
line - "{n}" fld_land_addr_{n} fld_land_year_{n} fld_land_disposition_{n} fld_land_costbase_{n} fld_land_outlays_{n} fld_land_gain_{n} fld_land_eligibleamt_{n} fld_land_col7_{n} fld_land_col8_{n}
end repeat
line - "Total" . . =fld_1531 . . . . =fld_1532 =fld_land_col8_total
columns 1
line 3 "Add lines 1512, 1522 and 1532." =fld_TotalPrd2
)PAGES");
