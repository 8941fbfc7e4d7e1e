// Page of Form T183 TRUST, the authorization to file a trust's return
// electronically (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT183TrustPages("T183Trust", R"PAGES(
form T183Trust
choices contact "In person" "By telephone, email or another means"
choices received "In person" "By mail, fax or email"

page TaxForm_T183Trust_tab1 1
title "Form T183 TRUST - Information Return for Electronic Filing of a Trust's Return"
columns 3
section "Part A - Identification of the trust"
field - "Tax year" =fld_TaxYearPrint
field - "Name of the trust" fld_trust_name
field - "Trust's account number" fld_TN
field - "Province or territory of residence" fld_trust_prov:jurisdiction
field - "Country of residence" fld_trust_country:country
field - "This is the first return of the trust" fld_bFirstTime
field - "Name of the amateur athlete (amateur athlete trusts only)" fld_athlete_name
section "Part B - Trustee, executor, liquidator or administrator"
field - "Name" fld_trustee_name
field - "Telephone number" fld_phone
field - "Address" fld_addr
field - "City" fld_city
field - "Province or territory, country" fld_prov:province fld_country:country
field - "Postal or ZIP code" fld_postcode
section "Part C - Summary of the return (filled from the return)"
columns 1
line 20 "Total income" =fld_t3_total_inc
line 50 "Net income" =fld_t3_net_inc
line 56 "Taxable income" =fld_t3_tax_inc
line 84 "Total taxes payable" =fld_t3_payable
line 93 "Total credits" =fld_t3_credit
line 94 "Refund or balance owing" =fld_t3_bal
line - "Part XI.3 tax payable (T3-RCA)" =fld_t3_XI3_payable
line - "Tax on investment income" =fld_t3_taxOnInv
line - "Refund or balance owing (T3-RCA)" =fld_t3_rca_bal
line - "Tax payable (T3M, T3ATH-IND)" =fld_t3_other_payable
line - "Refund or balance owing (T3M, T3ATH-IND)" =fld_t3_other_bal
section "Part D - Electronic filer"
columns 3
field - "Name of the electronic filer" fld_efiler
field - "Electronic filer number" fld_efilenum
field - "Control number of the document (six letters or digits)" fld_controlnum
button btnT183_ControlNum1 "Control number from the trust's name and today's date"
button btnT183_ControlNum2 "Control number from today's date and the trust's name"
button btnT183_ControlNum3 "Control number from the trust's name and the form's number"
field - "Document control number as printed" =fld_DCNPrint
section "Part E - Representative and contact"
field - "A representative is authorized for this trust" fld_represent
field - "Representative identifier (RepID)" fld_RepID
field - "Expiry date of the authorization" fld_expirydate
field - "Name of the legal representative" fld_LegalRepName2
field - "The electronic filer was in contact with the trustee" fld_contactmethod:contact
field - "The signed authorization was received" fld_contactmethod_post:received
section "Electronic signature"
field - "The trustee signed electronically" fld_ws_bESigned
field - "Signed on" fld_ws_ESignedDate
field - "Request number of the signed return" =fld_ws_ESignedReturnReqID
field - "Signing date and time as printed" =fld_printSignDate =fld_printSignTime
button btnT183_RequestESignature "Request the trustee's e-signature"
button btnT183_GetESignatureTime "Get the e-signature time"
)PAGES");
