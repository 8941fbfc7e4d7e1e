// Pages of Schedule 7, Pension Income Allocations and Designations
// (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch7Pages("Sch7", R"PAGES(
form Sch7

page TaxForm_Sch7_tab1 1
title "Schedule 7 - Pension Income Allocations and Designations"
columns "A: Lump-sum pension income" "B: Other pension income" "C: Qualifying pension income" "D: Qualifies for an eligible annuity for a minor"
line 1a "RPP lump-sum amount (box 018 of T4A slips) designated to the beneficiary spouse or common-law partner" fld_colA_1a . . .
line 1b "Designated to a minor child or grandchild of the deceased" . fld_colB_1b . fld_colD_1b
line 1c "Designated to a financially dependent infirm child or grandchild of the deceased" . fld_colB_1c . fld_colD_1c
line 1d "Allocated to any other beneficiary" . fld_colB_1d . .
line 2a "Life annuity out of a superannuation or pension plan (box 016 of T4A slips) designated to the beneficiary spouse or common-law partner" . fld_colB_2a fld_colC_2a .
line 2b "Allocated to any other beneficiary" . fld_colB_2b . .
line 3a "Life annuity from a plan for services rendered while not resident in Canada, designated to the beneficiary spouse or common-law partner" . fld_colB_3a fld_colC_3a .
line 3b "Allocated to any other beneficiary" . fld_colB_3b . .
line 4 "Lump sum from a plan for services rendered while not resident in Canada: a) to the spouse or former spouse, b) to any other beneficiary" fld_colA_4a fld_colB_4b . .
line 5 "Lump sum from a foreign retirement arrangement: a) to the spouse or former spouse, b) to any other beneficiary" fld_colA_5a fld_colB_5b . .
line 6 "Lump sum from a deferred profit-sharing plan: a) to the spouse or former spouse, b) to any other beneficiary" fld_colA_6a fld_colB_6b . .
line 7 "Periodic payments from an annuity of a minor" . fld_colB_7 . .
line - "Column totals" fld_colA_total fld_colB_total . fld_colD_total
line 7931 "Pension income being allocated and designated (total)" . . =fld_7931 .
columns 1
line - "Total pension income (column A total plus column B total)" fld_totalPensionIncome
note "Total pension income cannot be more than the lesser of:"
note "the amount on line 2 of the T3 return"
note "the amount on line 25 of the T3 return"
)PAGES");
