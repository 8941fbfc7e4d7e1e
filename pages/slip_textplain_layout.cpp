// Page of a received document kept as text (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipTextPlainPages("Slip_TextPlain", R"PAGES(
form Slip_TextPlain
list docType "Other document" "Receipt" "Information slip" "Statement of account" "Letter"

page TaxForm_Slip_TextPlain_tab1 "Document"
title "Other document received by the trust"
columns 1
field - "Type of document" fld_iDocType:docType
field - "Content" fld_content:multiline
)PAGES");
