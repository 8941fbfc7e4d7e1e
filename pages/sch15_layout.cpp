// Pages of Schedule 15, Beneficial Ownership Information of a Trust
// (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch15Pages("Sch15", R"PAGES(
form Sch15
choices partAnswer "1-Yes" "2-No"
choices addOrModify "1-Add reportable entity" "2-Modify reportable entity"
choices entityType "1-Trustee" "2-Settlor" "3-Beneficiary" "4-Controlling person"
choices entityClass "1-Natural person" "2-Corporation" "3-Trust" "4-Other"
list idType "SIN" "TTN" "ITN" "BN" "TN" "International"
choices residence "1-Canada" "2-United States" "3-Other"

page TaxForm_Sch15_tab1 1
title "Schedule 15 - Beneficial Ownership Information of a Trust"
section "Part A - Trust information"
field - "Is this the first time the trust is providing beneficial ownership information?" fld_bFirstYear:partAnswer
field - "Has the beneficial ownership information of the trust changed?" fld_partATrustChanged:partAnswer
section "Part B - Reportable entity"
field - "Action" fld_partBAddOrMod:addOrModify
field - "Reportable entity type" fld_partBEntityType:entityType
field - "Entity classification" fld_partBEntityClass:entityClass
field - "Entity name (if not a natural person)" fld_entityName
field - "First name" fld_firstName
field - "Last name" fld_lastName
field - "Date of birth (if natural person)" fld_dob
field - "Tax identification number type" fld_taxNumberTypes:idType
field - "Tax identification number" fld_taxNumber
field - "Country of residence" fld_resCountry:residence
field - "Other country" fld_otherCountry
field - "Address" fld_addr
field - "Country" fld_iCountry:country
field - "City" fld_city
field - "Province, territory or state" fld_iProv:province
field - "Postal code or ZIP code" fld_postalCode
field - "Did the entity’s association with the trust end during the year?" fld_associationEnd:partAnswer

page TaxForm_Sch15_AmendNote 2
title "Part C - Beneficiaries unable to be listed"
field - "Details of the beneficiaries who cannot be listed by name" fld_detailsNote:multiline
)PAGES");
