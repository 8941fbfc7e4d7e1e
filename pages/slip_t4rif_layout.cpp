// Page of the received T4RIF slip, Statement of Income from a Registered
// Retirement Income Fund (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipT4RIFPages("Slip_T4RIF", R"PAGES(
form Slip_T4RIF

page TaxForm_Slip_T4RIF_tab1 "T4RIF slip"
title "T4RIF - Statement of Income from a Registered Retirement Income Fund"
columns 1
field - "Payer's name" box_title
field - "Paid on the death of the spouse or common-law partner" box_spousedeath
field - "Paid on the death of the annuitant" box_deathRRIF
line 16 "Taxable amounts" box_16
line 18 "Amounts deemed received by the annuitant - deceased" box_18
line 20 "Amounts deemed received by the annuitant - deregistration" box_20
line 22 "Other income or deductions" box_22
line 24 "Excess amount" box_24
field 26 "Spouse or common-law partner contributor" box_26:yesno
line 28 "Income tax deducted" box_28
line 36 "Box 36" box_36
line 37 "Advanced life deferred annuity purchase" box_37
)PAGES");
