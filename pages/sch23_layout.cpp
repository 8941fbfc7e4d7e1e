// Pages of Schedule 23, Agreement Among Associated Canadian-Controlled
// Private Corporations to Allocate the Business Limit (language:
// docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch23Pages("Sch23", R"PAGES(
form Sch23
choices replacement "Yes" "No"
list association "1 - Associated for purposes of allocating the business limit (unless code 5 applies)" "2 - CCPC that is a \"third corporation\" that has elected under subsection 256(2) not to be associated for purposes of the small business deduction" "3 - Non-CCPC that is a \"third corporation\" as defined in subsection 256(2)" "4 - Associated non-CCPC"

page TaxForm_Sch23_tab1 1
title "Schedule 23 - Agreement among associated corporations to allocate the business limit"
columns 1
field 050 "Calendar year to which the agreement applies" fld_CalYear
note "Is this an amended agreement for the above calendar year that is intended to replace an agreement previously filed by any of the associated corporations listed below?"
field 075 "Amended agreement" fld_075:replacement
columns "Names of associated corporations (100)" "Business number (200)" "Association code (300)" "Business limit for the year" "Percentage of the business limit (350)" "Business limit allocated (400)"
repeat 40
line - "{n}" fld_BusiName2_{n} fld_BusiNumber_{n} fld_AsscCode_{n}:association fld_LimitB4_{n} fld_Percent_{n} =fld_LimitAfter_{n}
end repeat
line - "Total" . . . . . fld_LimitAfter_total
)PAGES");
