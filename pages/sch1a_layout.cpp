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
line - "1" fld_1542_num_1 fld_1542_name_1 fld_1542_year_1 fld_1542_disposition_1 fld_1542_costbase_1 fld_1542_outlays_1 fld_1542_gain_1 fld_1542_eligibleamt_1 fld_1542_col7_1 fld_1542_col8_1
line - "2" fld_1542_num_2 fld_1542_name_2 fld_1542_year_2 fld_1542_disposition_2 fld_1542_costbase_2 fld_1542_outlays_2 fld_1542_gain_2 fld_1542_eligibleamt_2 fld_1542_col7_2 fld_1542_col8_2
line - "3" fld_1542_num_3 fld_1542_name_3 fld_1542_year_3 fld_1542_disposition_3 fld_1542_costbase_3 fld_1542_outlays_3 fld_1542_gain_3 fld_1542_eligibleamt_3 fld_1542_col7_3 fld_1542_col8_3
line - "4" fld_1542_num_4 fld_1542_name_4 fld_1542_year_4 fld_1542_disposition_4 fld_1542_costbase_4 fld_1542_outlays_4 fld_1542_gain_4 fld_1542_eligibleamt_4 fld_1542_col7_4 fld_1542_col8_4
line - "5" fld_1542_num_5 fld_1542_name_5 fld_1542_year_5 fld_1542_disposition_5 fld_1542_costbase_5 fld_1542_outlays_5 fld_1542_gain_5 fld_1542_eligibleamt_5 fld_1542_col7_5 fld_1542_col8_5
line - "6" fld_1542_num_6 fld_1542_name_6 fld_1542_year_6 fld_1542_disposition_6 fld_1542_costbase_6 fld_1542_outlays_6 fld_1542_gain_6 fld_1542_eligibleamt_6 fld_1542_col7_6 fld_1542_col8_6
line - "Total" . . . =fld_1541 . . . . =fld_1542 =fld_1542_col8_total
section "Bonds, debentures, promissory notes, and other properties (including land)"
columns "Face value" "Maturity date" "Name of issuer" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
line - "1" fld_1552_facevalue_1 fld_1552_maturitydate_1 fld_1552_issuer_1 fld_1552_year_1 fld_1552_disposition_1 fld_1552_costbase_1 fld_1552_outlays_1 fld_1552_gain_1 fld_1552_eligibleamt_1 fld_1552_col7_1 fld_1552_col8_1
line - "2" fld_1552_facevalue_2 fld_1552_maturitydate_2 fld_1552_issuer_2 fld_1552_year_2 fld_1552_disposition_2 fld_1552_costbase_2 fld_1552_outlays_2 fld_1552_gain_2 fld_1552_eligibleamt_2 fld_1552_col7_2 fld_1552_col8_2
line - "3" fld_1552_facevalue_3 fld_1552_maturitydate_3 fld_1552_issuer_3 fld_1552_year_3 fld_1552_disposition_3 fld_1552_costbase_3 fld_1552_outlays_3 fld_1552_gain_3 fld_1552_eligibleamt_3 fld_1552_col7_3 fld_1552_col8_3
line - "4" fld_1552_facevalue_4 fld_1552_maturitydate_4 fld_1552_issuer_4 fld_1552_year_4 fld_1552_disposition_4 fld_1552_costbase_4 fld_1552_outlays_4 fld_1552_gain_4 fld_1552_eligibleamt_4 fld_1552_col7_4 fld_1552_col8_4
line - "5" fld_1552_facevalue_5 fld_1552_maturitydate_5 fld_1552_issuer_5 fld_1552_year_5 fld_1552_disposition_5 fld_1552_costbase_5 fld_1552_outlays_5 fld_1552_gain_5 fld_1552_eligibleamt_5 fld_1552_col7_5 fld_1552_col8_5
line - "6" fld_1552_facevalue_6 fld_1552_maturitydate_6 fld_1552_issuer_6 fld_1552_year_6 fld_1552_disposition_6 fld_1552_costbase_6 fld_1552_outlays_6 fld_1552_gain_6 fld_1552_eligibleamt_6 fld_1552_col7_6 fld_1552_col8_6
line - "Total" . . . . =fld_1551 . . . . =fld_1552 =fld_1552_col8_total
section "Ecologically sensitive land (including a covenant, an easement, or in the case of land in Quebec, a real servitude)"
columns "Address or legal description" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
line - "1" fld_1562_addr_1 fld_1562_year_1 fld_1562_disposition_1 fld_1562_costbase_1 fld_1562_outlays_1 fld_1562_gain_1 fld_1562_eligibleamt_1 fld_1562_col7_1 fld_1562_col8_1
line - "2" fld_1562_addr_2 fld_1562_year_2 fld_1562_disposition_2 fld_1562_costbase_2 fld_1562_outlays_2 fld_1562_gain_2 fld_1562_eligibleamt_2 fld_1562_col7_2 fld_1562_col8_2
line - "3" fld_1562_addr_3 fld_1562_year_3 fld_1562_disposition_3 fld_1562_costbase_3 fld_1562_outlays_3 fld_1562_gain_3 fld_1562_eligibleamt_3 fld_1562_col7_3 fld_1562_col8_3
line - "4" fld_1562_addr_4 fld_1562_year_4 fld_1562_disposition_4 fld_1562_costbase_4 fld_1562_outlays_4 fld_1562_gain_4 fld_1562_eligibleamt_4 fld_1562_col7_4 fld_1562_col8_4
line - "5" fld_1562_addr_5 fld_1562_year_5 fld_1562_disposition_5 fld_1562_costbase_5 fld_1562_outlays_5 fld_1562_gain_5 fld_1562_eligibleamt_5 fld_1562_col7_5 fld_1562_col8_5
line - "6" fld_1562_addr_6 fld_1562_year_6 fld_1562_disposition_6 fld_1562_costbase_6 fld_1562_outlays_6 fld_1562_gain_6 fld_1562_eligibleamt_6 fld_1562_col7_6 fld_1562_col8_6
line - "Total" . . =fld_1561 . . . . =fld_1562 =fld_1562_col8_total
columns 1
line 3 "Add lines 1542, 1552 and 1562." =fld_TotalPrd1

page TaxForm_Sch1A_Page1 2
title "Schedule 1A - Capital Gains on Gifts of Certain Capital Property - Dispositions from June 25 to December 31, 2024"
section "Public traded shares, other shares and mutual fund units"
columns "Number of shares or units" "Name of corporation or fund" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
line - "1" fld_share_num_1 fld_share_name_1 fld_share_year_1 fld_share_disposition_1 fld_share_costbase_1 fld_share_outlays_1 fld_share_gain_1 fld_share_eligibleamt_1 fld_share_col7_1 fld_share_col8_1
line - "2" fld_share_num_2 fld_share_name_2 fld_share_year_2 fld_share_disposition_2 fld_share_costbase_2 fld_share_outlays_2 fld_share_gain_2 fld_share_eligibleamt_2 fld_share_col7_2 fld_share_col8_2
line - "3" fld_share_num_3 fld_share_name_3 fld_share_year_3 fld_share_disposition_3 fld_share_costbase_3 fld_share_outlays_3 fld_share_gain_3 fld_share_eligibleamt_3 fld_share_col7_3 fld_share_col8_3
line - "4" fld_share_num_4 fld_share_name_4 fld_share_year_4 fld_share_disposition_4 fld_share_costbase_4 fld_share_outlays_4 fld_share_gain_4 fld_share_eligibleamt_4 fld_share_col7_4 fld_share_col8_4
line - "5" fld_share_num_5 fld_share_name_5 fld_share_year_5 fld_share_disposition_5 fld_share_costbase_5 fld_share_outlays_5 fld_share_gain_5 fld_share_eligibleamt_5 fld_share_col7_5 fld_share_col8_5
line - "6" fld_share_num_6 fld_share_name_6 fld_share_year_6 fld_share_disposition_6 fld_share_costbase_6 fld_share_outlays_6 fld_share_gain_6 fld_share_eligibleamt_6 fld_share_col7_6 fld_share_col8_6
line - "Total" . . . =fld_1511 . . . . =fld_1512 =fld_share_col8_total
section "Bonds, debentures, promissory notes, and other properties (including land)"
columns "Face value" "Maturity date" "Name of issuer" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
line - "1" fld_bond_facevalue_1 fld_maturitydate_1 fld_issuer_1 fld_bond_year_1 fld_bond_disposition_1 fld_bond_costbase_1 fld_bond_outlays_1 fld_bond_gain_1 fld_bond_eligibleamt_1 fld_bond_col7_1 fld_bond_col8_1
line - "2" fld_bond_facevalue_2 fld_maturitydate_2 fld_issuer_2 fld_bond_year_2 fld_bond_disposition_2 fld_bond_costbase_2 fld_bond_outlays_2 fld_bond_gain_2 fld_bond_eligibleamt_2 fld_bond_col7_2 fld_bond_col8_2
line - "3" fld_bond_facevalue_3 fld_maturitydate_3 fld_issuer_3 fld_bond_year_3 fld_bond_disposition_3 fld_bond_costbase_3 fld_bond_outlays_3 fld_bond_gain_3 fld_bond_eligibleamt_3 fld_bond_col7_3 fld_bond_col8_3
line - "4" fld_bond_facevalue_4 fld_maturitydate_4 fld_issuer_4 fld_bond_year_4 fld_bond_disposition_4 fld_bond_costbase_4 fld_bond_outlays_4 fld_bond_gain_4 fld_bond_eligibleamt_4 fld_bond_col7_4 fld_bond_col8_4
line - "5" fld_bond_facevalue_5 fld_maturitydate_5 fld_issuer_5 fld_bond_year_5 fld_bond_disposition_5 fld_bond_costbase_5 fld_bond_outlays_5 fld_bond_gain_5 fld_bond_eligibleamt_5 fld_bond_col7_5 fld_bond_col8_5
line - "6" fld_bond_facevalue_6 fld_maturitydate_6 fld_issuer_6 fld_bond_year_6 fld_bond_disposition_6 fld_bond_costbase_6 fld_bond_outlays_6 fld_bond_gain_6 fld_bond_eligibleamt_6 fld_bond_col7_6 fld_bond_col8_6
line - "Total" . . . . =fld_1521 . . . . =fld_1522 =fld_bond_col8_total
section "Ecologically sensitive land (including a covenant, an easement, or in the case of land in Quebec, a real servitude)"
columns "Address or legal description" "(1) Year of acquisition" "(2) Proceeds of disposition" "(3) Adjusted cost base" "(4) Outlays and expenses" "(5) Gain (or loss): col. 2 - (3 + 4)" "(6) Eligible amount of gift" "(7) Gain eligible for 0% inclusion rate" "(8) Gain eligible for 50% inclusion rate"
line - "1" fld_land_addr_1 fld_land_year_1 fld_land_disposition_1 fld_land_costbase_1 fld_land_outlays_1 fld_land_gain_1 fld_land_eligibleamt_1 fld_land_col7_1 fld_land_col8_1
line - "2" fld_land_addr_2 fld_land_year_2 fld_land_disposition_2 fld_land_costbase_2 fld_land_outlays_2 fld_land_gain_2 fld_land_eligibleamt_2 fld_land_col7_2 fld_land_col8_2
line - "3" fld_land_addr_3 fld_land_year_3 fld_land_disposition_3 fld_land_costbase_3 fld_land_outlays_3 fld_land_gain_3 fld_land_eligibleamt_3 fld_land_col7_3 fld_land_col8_3
line - "4" fld_land_addr_4 fld_land_year_4 fld_land_disposition_4 fld_land_costbase_4 fld_land_outlays_4 fld_land_gain_4 fld_land_eligibleamt_4 fld_land_col7_4 fld_land_col8_4
line - "5" fld_land_addr_5 fld_land_year_5 fld_land_disposition_5 fld_land_costbase_5 fld_land_outlays_5 fld_land_gain_5 fld_land_eligibleamt_5 fld_land_col7_5 fld_land_col8_5
line - "6" fld_land_addr_6 fld_land_year_6 fld_land_disposition_6 fld_land_costbase_6 fld_land_outlays_6 fld_land_gain_6 fld_land_eligibleamt_6 fld_land_col7_6 fld_land_col8_6
line - "Total" . . =fld_1531 . . . . =fld_1532 =fld_land_col8_total
columns 1
line 3 "Add lines 1512, 1522 and 1532." =fld_TotalPrd2
)PAGES");
