// Pages of Schedule 22, Non-Resident Discretionary Trust (language:
// docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch22Pages("Sch22", R"PAGES(
form Sch22

page TaxForm_Sch22_tab1 1
title "Schedule 22 - Non-resident discretionary trusts"
note "Identify each non-resident discretionary trust of which the corporation is a beneficiary, and its trustee."
columns 3
repeat 15
section "Trust {n}"
field {n}00100 "Name of the trust" fld_TrustName_{n}
field {n}00300 "Name of the trustee" fld_TrusteeName_{n}
field - "Address" fld_Addr1_{n}
field - "" fld_Addr2_{n}
field - "City" fld_city_{n}
field - "Province or state" fld_Prov_{n}:province =fld_Prov_Print_{n}
field - "Country" fld_Country_{n}:country =fld_Country_Print_{n}
field - "Postal code or ZIP code" fld_Postcode_{n}
end repeat
)PAGES");
