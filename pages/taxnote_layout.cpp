// Page of the tax note (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kTaxNotePages("TaxNote", R"PAGES(
form TaxNote

page TaxForm_TaxNote_tab1 1
title "Tax note"
note "A note kept with the return: describe up to fifteen amounts; the total is added for you."
columns 3
field - "Title of the note" box_name
columns "Amount"
specify 1 box_spec_1 box_1
specify 2 box_spec_2 box_2
specify 3 box_spec_3 box_3
specify 4 box_spec_4 box_4
specify 5 box_spec_5 box_5
specify 6 box_spec_6 box_6
specify 7 box_spec_7 box_7
specify 8 box_spec_8 box_8
specify 9 box_spec_9 box_9
specify 10 box_spec_10 box_10
specify 11 box_spec_11 box_11
specify 12 box_spec_12 box_12
specify 13 box_spec_13 box_13
specify 14 box_spec_14 box_14
specify 15 box_spec_15 box_15
line 16 "Total" box_16
)PAGES");
