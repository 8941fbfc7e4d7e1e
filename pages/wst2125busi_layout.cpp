// The page of the business statement's sales and fees worksheets (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kWST2125BusiPages("DataWST2125Busi", R"PAGES(
form DataWST2125Busi

page WST2125Busi_tab1 1
title "Sales, commissions, or fees"
note "The amount of line A is line 3A (business) or 3B (professional) of Part 3 of the statement."
columns 1
line A "Gross sales, commissions, or fees" fld_ws_a
section "GST/HST return amounts"
line 5345 "Line 5345" fld_ws_5345
line 5507 "Line 5507" fld_ws_5507
line 6765 "Line 6765" fld_ws_6765
)PAGES");
