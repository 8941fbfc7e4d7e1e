// Pages of Form T3ATH-IND, amateur athlete trust income tax return:
// identification, then the tax and the certification (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT3ATHPages("T3ATH_Ind", R"PAGES(
form T3ATH_Ind
choices trustee "An individual" "Not an individual"
choices language "English" "French"
choices refundcode "Refund the credit" "Apply it to next year's instalments" "Hold the credit"

page TaxForm_T3ATH_Ind_tab1 1
title "T3ATH-IND - Identification"
columns 2
section "Return"
field - "Is this an amended return?" fld_amended:yesno
field - "Is this the first year of filing?" fld_first_year:yesno
field - "Tax year" =fld_tax_year
section "Amateur athlete"
field - "Last name, first name" fld_lname fld_fname
field - "Trust's account number" fld_trust_num
field - "Social insurance number" fld_athlete_sin
field - "Address" fld_athlete_addr
field - "City" fld_athlete_city
field - "Province or territory, country" fld_athlete_prov:province fld_athlete_country:country
field - "Postal or ZIP code" fld_athlete_postcode
section "Trustee"
field - "The trustee is" fld_iNonIndividual:trustee
note "Individual trustee"
field - "First name, last name" fld_Indvfname fld_IndvLastname
field - "Address" fld_indv_addr
field - "City" fld_indv_city
field - "Telephone number" fld_indv_phone
field - "Province or territory, country" fld_indv_prov:province fld_indv_country:country
field - "Postal or ZIP code" fld_indv_postcode
note "Trustee that is not an individual"
field - "Contact person: first name, last name" fld_trustee_fname fld_trustee_lname
field - "Account number" fld_rcaa_num
field - "Address" fld_trustee_addr
field - "City" fld_trustee_city
field - "Telephone number" fld_trustee_phone
field - "Province or territory, country" fld_trustee_prov:province fld_trustee_country:country
field - "Postal or ZIP code" fld_trustee_postcode
section "Location of books and records"
field - "Address" fld_book_addr
field - "City" fld_book_city
field - "Province or territory, country" fld_book_prov:province fld_book_country:country
field - "Province or territory of the books" fld_book_iprov:province
field - "Postal or ZIP code" fld_book_postcode
section "Trust information"
field - "Date the trust was created" fld_trust_create_date
field - "Has the trust ceased?" fld_trust_cease:yesno
field - "If yes, the date it was wound up" fld_trust_wound_date
field - "Province or territory of residence" fld_trust_iprov:province
field - "Language of correspondence" fld_iLang:language
section "Beneficial ownership"
field - "Is the trust an amateur athlete trust that is not an express trust?" fld_outsideTrust:yesno
field - "Does the trust hold only assets listed under paragraph 150(1.2)(b)?" fld_paragraph150:yesno
field - "Did the trust hold assets of less than $250,000?" fld_HoldLess250K:yesno

page TaxForm_T3ATH_Ind_tab2 2
title "T3ATH-IND - Tax"
columns 2
line 1 "Income for the year" fld_line1 .
line 2 "Other income" fld_line2 .
line 270 "Line 1 plus line 2" . fld_270
line 4 "Two thirds of line 270" . fld_line4
field - "Non-resident remittance account number" fld_remit_num
line 241 "Tax on agreements to acquire shares (Form T2000)" . fld_241
line 140 "Line 241" . fld_140
line 170 "Line 4" . fld_170
line 190 "Total tax payable: line 140 plus line 170" . fld_190
line 10 "Instalments and other payments" . fld_010
line 90 "Balance owing (refund): line 190 minus line 10" . fld_090
line 95 "Amount enclosed" . fld_095
field - "Refund option" fld_RefCode:refundcode
section "Certification"
field - "Name" fld_cert_name
field - "Position or title" fld_cert_pos
field - "Telephone number" fld_cert_phone
field - "Date signed" fld_cert_date
)PAGES");
