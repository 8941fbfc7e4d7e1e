// Pages of Form T3-RCA, Part XI.3 tax return for a retirement compensation
// arrangement: identification, questions, contributions, the refundable tax
// and the balance (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT3RCAPages("T3RCA", R"PAGES(
form T3RCA
choices trustee "Option 1 - an individual" "Option 2 - not an individual"
choices language "English" "French"
choices election "No election" "Election under subsection 207.5(2)"
choices refundcode "Refund the credit" "Apply it to next year's instalments" "Hold the credit"

page TaxForm_T3RCA_tab1 1
title "T3-RCA - Identification"
columns 2
section "Custodian and arrangement"
field - "Tax year" fld_tax_year
field - "Is this the first return of the RCA?" fld_first_year:yesno
field - "Is this the final return of the RCA?" fld_final_year:yesno
field - "Language of correspondence" fld_iLang:language
field - "Name of the RCA trust" fld_trust_name
field - "RCA account number" fld_trust_num
section "Custodian (trustee)"
field - "The custodian is" fld_bTrusteeIsPerson:trustee
note "Option 1 - Individual custodian"
field - "First name, last name" fld_indv_fname fld_indv_lname
field - "Telephone number" fld_indv_phone
field - "Address" fld_indv_addr
field - "City" fld_indv_city
field - "Province or territory, country" fld_indv_prov:province fld_indv_country:country
field - "Postal or ZIP code" fld_indv_postcode
note "Option 2 - Custodian that is not an individual"
field - "Name of the custodian" fld_trustee_orgname
field - "Contact person: first name, last name" fld_trustee_fname fld_trustee_lname
field - "Telephone number" fld_trustee_phone
field - "Address" fld_trustee_addr
field - "City" fld_trustee_city
field - "Province or territory, country" fld_trustee_prov:province fld_trustee_country:country
field - "Postal or ZIP code" fld_trustee_postcode
section "Mailing address"
field - "Same as the custodian's address" fld_bSameMailAddr
field - "In care of" fld_mail_careof
field - "Address" fld_mail_addr
field - "Telephone number" fld_mail_phone
field - "City" fld_mail_city
field - "Province or territory, country" fld_mail_prov fld_mail_country
field - "Postal or ZIP code" fld_mail_postcode

page TaxForm_T3RCA_tab2 2
title "T3-RCA - Questions"
columns 2
field - "Were the terms of the RCA changed in the year?" fld_iChangeTerm:yesno
field - "Was an interest in the RCA transferred in the year?" fld_iTransferBeneficial:yesno
field - "Disposed of by: name" fld_nameDispose
field - "Address" fld_addrDispose
field - "SIN, business or account number" fld_IDDispose
field - "Acquired by: name" fld_nameBought
field - "Address" fld_addrBought
field - "SIN, business or account number" fld_IDBought
field - "Were amounts returned to the employer or distributed?" fld_iAmtReturned:yesno
field - "Payroll program account number" fld_PayrollAcctNum
field - "Non-resident remittance account number" fld_NonResiRemitAcctNum
field - "Number of members for whom contributions were received" fld_NumOfMemebers
field - "Was property other than cash distributed?" fld_iNonCash:yesno
field - "Did the RCA acquire or dispose of property at other than fair market value?" fld_iPropertyDeal:yesno
field - "Was RCA property leased or used by a member?" fld_iPropertyUsed:yesno
field - "Date of the loan" fld_dateLoan
field - "Account number of the other RCA trust" fld_anotherTrustNumber
field - "Date of the final determination" fld_dateDetermination
field - "Is the RCA trust resident in Canada and not subject to subsection 150(1.2)?" fld_radio11:yesno
field - "Is the RCA a specified arrangement?" fld_radio12:yesno

page TaxForm_T3RCA_tab3 3
title "T3-RCA - Contributions received in the year"
# The description of each entry takes the wide label column.
section "Contributions from employers"
columns "Date" "Amount"
repeat 12
specify - fld_DetailEmployer_{n} fld_DateEmployer_{n} fld_AmtEmployer_{n}
end repeat
line - "Total employer contributions" . fld_TotalAmtEmployer
line 6021 "Employer contributions x 2" . fld_6021
section "Contributions from members"
repeat 12
specify - fld_DetailRCAMember_{n} fld_DateRCAMember_{n} fld_AmtRCAMember_{n}
end repeat
line 6031 "Total member contributions" . fld_6031
section "Transfers from other RCA trusts"
note "Name of the RCA trust, date and amount of each transfer"
repeat 2
specify - fld_NameRCATRust_{n} fld_DateRCATRust_{n} fld_AmtRCATRust_{n}
end repeat
line - "Total transfers" . fld_RCATrustSubtotal
line 6041 "Transfers x 2" . fld_6041

page TaxForm_T3RCA_tab4 4
title "T3-RCA - Refundable tax"
columns 2
section "Refundable tax account"
line 601 "Refundable tax account at the end of the previous year" . fld_601
line 602 "Employer contributions (line 6021)" fld_602 .
line 603 "Member contributions (line 6031)" fld_603 .
line 604 "Transfers (line 6041)" fld_604 .
line - "Lines 602 + 603 + 604" fld_after_604 .
line - "Refundable tax: 50% of the above" . fld_b4_606
line 606 "Line 601 plus the refundable tax" . fld_606
section "Income of the year"
line 607 "Interest" fld_607 .
line 608 "Dividends" fld_608 .
line 609 "Other income and gains" fld_609 .
line 610 "Total income" fld_610 .
line 611 "Expenses" fld_611 .
line 612 "Losses" fld_612 .
line 613 "Other deductions" fld_613 .
line 614 "Total deductions" fld_614 .
line - "Line 610 minus line 614 (if negative, enter 0)" fld_b4_616 .
line 616 "Refundable tax on income: 50% of the above" . fld_616
line 617 "Lines 606 + 616" . fld_617
section "Refunds"
line 618 "Distributions" fld_618 .
line 619 "Amounts returned to the employer" fld_619 .
line 620 "Transfers to other RCA trusts" fld_620 .
line 621 "Losses on disposal" fld_621 .
line - "Line 621 x 2" fld_double621 .
line 6211 "Other amounts" fld_6211 .
line 622 "Total" fld_622 .
line - "Amount from line 617" fld_fromLine18 .
line - "Amount from line 622" fld_fromLine24 .
line - "Refund: 50% of line 622" fld_refundableTax .
line 624 "Refundable tax account at the end of the year" . fld_624
section "Election"
field - "Election" fld_OptionABC:election
line - "Amount from line 624" fld_from624 .
line 627 "Refundable tax account subject to the election" fld_627 .
line - "50% of line 627" fld_after627 .
line 629 "Line 624 minus the above" . fld_629
line 631 "Amount owing at the end of the year" . fld_631
section "Debts of the RCA"
columns "Principal" "Market value" "Debt"
line - "Debt 1" fld_PrincipalAmt_1 fld_marketValue_1 fld_debt_1
line - "Debt 2" fld_PrincipalAmt_2 fld_marketValue_2 fld_debt_2
line - "Debt 3" fld_PrincipalAmt_3 fld_marketValue_3 fld_debt_3
line 634 "Total debts" . . fld_634
line 635 "Other amounts" . . fld_635
line 636 "Lines 631 + 634 + 635" . . fld_636

page TaxForm_T3RCA_tab5 5
title "T3-RCA - Tax payable and balance"
columns 2
section "Election of the custodian"
field - "Name of the electing custodian" fld_election_name
field - "Name of the RCA trust" fld_RCATrust_name
field - "Tax year of the election" fld_tax_year_elect
field - "Date" fld_cert_date
field - "Signature of the custodian" fld_custodianSignature
section "Refundable tax payable"
line 641 "Line 636 (or line 624 when there is no election)" . fld_641
line 642 "Refundable tax paid by the employer" fld_642 .
line 643 "Refunds received" fld_643 .
line 644 "Other adjustments" fld_644 .
line - "Line 642 minus line 643 plus line 644" fld_after644 .
line 646 "Refundable tax payable" . fld_646
section "Tax on the employer"
line - "Amount subject to the 50% tax" fld_before650 .
line 650 "Tax: 50% of the above" . fld_650
line - "Other tax of the employer" fld_before651 .
line 651 "Other tax payable" . fld_651
line 652 "Credits" . fld_652
line 653 "Lines 650 + 651 minus line 652" . fld_653
section "Summary"
line - "Tax deducted" fld_taxDeducted .
line - "Payments remitted" fld_paymentRemitted .
line 662 "Total credits" . fld_662
line 663 "Balance owing (refund): lines 646 + 653 minus line 662" . fld_663
line 95 "Amount enclosed" . fld_95
field - "Refund option" fld_RefCode:refundcode
section "Certification"
field - "Name of the custodian (print)" fld_trusteeNamePrint
field - "Position or title" fld_trusteePosition
field - "Telephone number" fld_trusteePhone
field - "Date signed" fld_trusteeSignedDate
)PAGES");
