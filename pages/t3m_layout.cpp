// Pages of Form T3M, environmental trust income tax return: identification,
// then the tax and the certification (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT3MPages("T3M", R"PAGES(
form T3M
choices trustee "Option 1 - an individual" "Option 2 - not an individual"
choices language "English" "French"
choices trusttype "Mining reclamation" "Waste" "Quarry reclamation" "Pipeline"
choices refundcode "Refund the credit" "Apply it to next year's instalments" "Hold the credit"

page TaxForm_T3M_tab1 1
title "T3M - Identification"
columns 2
section "Trust"
field - "Tax year" =fld_tax_year
field - "Name of trust" fld_trust_name
field - "Trust's account number" fld_trust_num
field - "Province or territory of residence" fld_trust_iprov:province
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
section "Mailing address of the trust"
field - "Same as the trustee's address" fld_bSameMailAddr
field - "In care of" fld_mail_careof
field - "Address" fld_mail_addr
field - "Telephone number" fld_mail_phone
field - "City" fld_mail_city
field - "Province or territory, country" fld_mail_prov fld_mail_country
field - "Postal or ZIP code" fld_mail_postcode
section "Trust information"
field - "Province or territory of the qualifying site" fld_iProvSite:province
field - "Language of correspondence" fld_iLang:language
field - "Type of trust" fld_iTypeTrust:trusttype
field - "Date the trust was created" fld_trust_create_date
field - "Date of the final return" fld_FinalDate
field - "Is this the first year of filing?" fld_isFirstYear:yesno
field - "Number of beneficiaries" fld_beneficiariesNo
field - "Total contributions to the trust in the year" fld_totalContribution
field - "Total withdrawals from the trust in the year" fld_totalWithdrawn

page TaxForm_T3M_tab2 2
title "T3M - Tax"
columns 2
section "Part XII.4 tax"
line 295 "Income subject to tax" fld_295 .
line - "Income subject to tax (line 295)" fld_295_1 .
line 175 "Part XII.4 tax: line 295 x 15%" . fld_175
section "Provincial tax"
line - "Income subject to tax (line 295)" fld_295_2 .
line - "Provincial rate (%)" =fld_provRate .
line 176 "Provincial tax" . fld_176
section "Summary"
line 190 "Total tax payable: line 175 plus line 176" . fld_190
line 10 "Instalments and other payments" . fld_010
line 90 "Balance owing (refund): line 190 minus line 10" . fld_090
line - "Amount enclosed" . fld_AmtEnclosed
field - "Refund option" fld_RefCode:refundcode
section "Certification"
field - "Name of the trustee (print)" fld_trusteeNamePrint
field - "Position or title" fld_trusteePosition
field - "Telephone number" fld_trusteePhone
field - "Date signed" fld_trusteeSignedDate
)PAGES");
