// Page of the T3 slips filing information (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipFilingInfoPages("Slip_Issuing_FilingInfo", R"PAGES(
form Slip_Issuing_FilingInfo
choices language "1-English" "2-French"
choices accountOption "1-The trust's account number" "2-A program account number" "3-A representative identifier"

page TaxForm_Slip_Issuing_FilingInfo_tab1 1
title "T3 slips - Filing information"
section "Transmitter"
field - "Transmitter name" box_name
field - "Country" box_iCountry:country
field - "Language of correspondence" box_lang:language
field - "The transmitter is identified by" box_AcctNumOption:accountOption
field - "Program account number" box_AcctNum
field - "Representative identifier" box_RepID
section "Contact person"
field - "Name" box_ContactName
field - "Telephone number" box_ContactPhone
field - "E-mail address" box_ContactEmail
)PAGES");
