// Page of the received T4NR slip, Statement of Amounts Paid or Credited to
// Non-Residents (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipT4NRPages("Slip_T4NR", R"PAGES(
form Slip_T4NR

page TaxForm_Slip_T4NR_tab1 "T4NR slip"
title "T4NR - Statement of Amounts Paid or Credited to Non-Residents"
columns 1
field - "Individual name" fld_personName
field - "Country of residence" fld_country
field - "Address" fld_address
line 18 "Gross income" fld_18
line 22 "Income tax deducted" fld_22
line 26 "Days in Canada" fld_26
field - "Notes" fld_FreeText:multiline
)PAGES");
