// Page of Schedule 2, Reserves on Dispositions of Capital Property
// (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch2Pages("Sch2", R"PAGES(
form Sch2

page TaxForm_Sch2_tab1 1
title "Schedule 2 - Reserves on Dispositions of Capital Property"
section "Period 1 - before June 25, 2024"
columns "1) Previous year reserve" "2) Current year reserve" "3) Col 1 - Col 2"
line 1 "Qualified farm or fishing property" fld_2251 fld_2252 fld_qualifiedFarmFishing1
line 2 "Qualified small business corporation shares" fld_2221 fld_2222 fld_qualifiedBizShares1
line 3 "Other property" fld_2241 fld_2242 fld_reservesOther1
line 4 "Total (add rows 1 to 3)" fld_preYearTotal1 fld_currYearTotal1 =fld_2263
section "Period 1 - after June 24, 2024"
line 1 "Qualified farm or fishing property" fld_2351 fld_2352 fld_qualifiedFarmFishing
line 2 "Qualified small business corporation shares" fld_2321 fld_2322 fld_qualifiedBizShares
line 3 "Other property" fld_2341 fld_2342 fld_reservesOther
line 4 "Total (add rows 1 to 3)" fld_preYearTotal fld_currYearTotal =fld_2363
note "Enter the total of column 3 on line 18 of Schedule 1 for the period."
)PAGES");
