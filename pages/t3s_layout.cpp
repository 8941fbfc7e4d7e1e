// Pages of Form T3S, supplementary unemployment benefit plan return:
// identification, then the tax and the certification (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT3SPages("T3S", R"PAGES(
form T3S
choices trustee "Option 1 - an individual" "Option 2 - not an individual"
choices language "English" "French"

page TaxForm_T3S_tab1 1
title "T3S - Identification"
columns 2
section "Plan"
field - "Is this an amended return?" fld_is_amended:yesno
field - "Is this the first year of filing?" fld_is_first_year:yesno
field - "Tax year" fld_tax_year
field - "Name of plan" fld_plan_name
field - "Trust's account number" fld_trust_num
field - "Province or territory of residence" fld_trust_iprov:province
field - "Registration number of the plan" fld_reg_number
field - "Language of correspondence" fld_lang:language
section "Trustee"
field - "The trustee is" fld_bTrusteeIsPerson:trustee
note "Option 1 - Individual trustee"
field - "First name, last name" fld_indv_fname fld_indv_lname
field - "Telephone number" fld_indv_phone
field - "Address" fld_indv_addr
field - "City" fld_indv_city
field - "Province or territory, country" fld_indv_prov:province fld_indv_country:country
field - "Postal or ZIP code" fld_indv_postcode
note "Option 2 - Trustee that is not an individual"
field - "Name of the trustee" fld_trustee_orgname
field - "Contact person: first name, last name" fld_trustee_fname fld_trustee_lname
field - "Telephone number" fld_trustee_phone
field - "Address" fld_trustee_addr
field - "City" fld_trustee_city
field - "Province or territory, country" fld_trustee_prov:province fld_trustee_country:country
field - "Postal or ZIP code" fld_trustee_postcode
section "Address of the trust"
field - "Address" fld_trust_addr
field - "City" fld_trust_city
field - "Province or territory, country" fld_trust_prov:province fld_trust_country:country
field - "Postal or ZIP code" fld_trust_postcode
section "Plan information"
field - "Date the plan was registered" fld_register_date
field - "Date the plan ceased" fld_ceased_date
field - "Was a T3 return filed for a related trust?" fld_has_t3_return:yesno
field - "If yes, its account number" fld_related_trust_num

page TaxForm_T3S_tab2 2
title "T3S - Tax"
columns 2
line 241 "Tax on agreements to acquire shares (Form T2000)" . fld_241
line 190 "Total tax payable" . fld_190
line 10 "Instalments and other payments" . fld_010
line 90 "Balance owing (refund): line 190 minus line 10" . fld_090
line 95 "Amount enclosed" . fld_095
line 102 "Refund requested" . fld_102
section "Certification"
field - "Name of the trustee (print)" fld_trusteeNamePrint
field - "Signature" fld_trusteeSignature
field - "Position or title" fld_trusteePosition
field - "Telephone number" fld_trusteePhone
field - "Date signed" fld_trusteeSignedDate
)PAGES");
