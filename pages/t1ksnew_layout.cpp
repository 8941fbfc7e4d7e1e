// Pages of T1-KS, the result summary and invoice (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT1KSPages("T1KSNew", R"PAGES(
form T1KSNew
list language "English" "French"
list fileStatus "Not filed" "Filed" "Accepted" "Rejected"

page TaxForm_T1KSNew_Page1 1
title "Tax Result Summary"
field - "Business name" fld_BusiName
field - "Telephone" fld_Phone
field - "Audit and legal text" fld_AuditLegalTxt
field - "Address for printing" fld_AddrForPrint
field - "Address" fld_Addr
field - "Care of" fld_Careof
field - "PO box" fld_LargerPOBox
field - "City" fld_LargerCity
field - "Province" fld_Province
field - "Postal code" fld_PostCode
field - "Authorized person" fld_AuthPerson
field - "Language" fld_nLanguage:language
field - "E-file number" fld_EFileNumber
field - "E-file confirmation" fld_EFileConfirmation
field - "Date the file was saved" fld_DateOfSavingFile
field - "Filing status" fld_FileStatus:fileStatus
field - "Confirmation number" fld_ConfirmCode
field - "Filing date" fld_FileDate
field - "AT1 filing status" fld_AT1FileStatus
field - "AT1 confirmation number" fld_AT1ConfirmCode
field - "AT1 filing date" fld_AT1FileDate
section "Result summary"
columns 2
line - "Business limit" fld_BusinessLimit .
line - "Federal tax" fld_fedtax .
line - "Line 400" fld_400 .
line - "Provincial tax" fld_provtax .
line - "Line 700" fld_700 .
line - "Total tax" fld_totaltax .
line - "Line 712" fld_712 .
line - "Provincial tax as a percentage of total tax" . =fld_PcntProvTax
line - "Net income" fld_netincome .
line - "Taxable income" fld_taxincome .
line - "Total tax as a percentage of taxable income" . =fld_PcntTaxInc
line - "Line 432" fld_432 .
line - "Refund" fld_Refund .
line - "Balance owing" fld_Balance .
line - "Tax rate" fld_taxrate .
line - "AT1 refund" fld_AT1Refund .
line - "AT1 balance owing" fld_AT1Balance .
line - "AT1 tax rate" fld_AT1taxrate .
field - "Timer running" fld_bStartTimer

page TaxForm_T1KSNew_T1KSNewPage2 2
title "Invoice Amounts"
field - "Preparer" fld_profname
field - "Telephone" fld_profphone
field - "Address" fld_profaddr1
field - "Address line 2" fld_profaddr2
field - "Address line 3" fld_profaddr3
field - "Invoice number" fld_InvNumber
columns "No tax" "Amount"
line - "Preparation fee" fld_item_notax_1 fld_item_1
specify - fld_item_spec_2 fld_item_notax_2 fld_item_2
specify - fld_item_spec_3 fld_item_notax_3 fld_item_3
specify - fld_item_spec_4 fld_item_notax_4 fld_item_4
specify - fld_item_spec_5 fld_item_notax_5 fld_item_5
specify - fld_item_spec_6 fld_item_notax_6 fld_item_6
specify - fld_item_spec_7 fld_item_notax_7 fld_item_7
specify - fld_item_spec_8 fld_item_notax_8 fld_item_8
line - "Subtotal" . =fld_sub_total
line - "Tax rate" . fld_tax_rate
line - "Tax" . fld_fee_tax
line - "Total" . =fld_fee_total
)PAGES");
