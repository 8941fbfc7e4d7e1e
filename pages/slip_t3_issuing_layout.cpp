// Pages of the T3 slip issued to a beneficiary (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipT3IssuingPages("Slip_T3_Issuing", R"PAGES(
form Slip_T3_Issuing
choices recipientType "1-Individual" "2-Business or organisation"

page TaxForm_Slip_T3_Issuing_tab1 1
title "T3 slip issued - Statement of Trust Income Allocations and Designations"
section "Recipient"
field - "Recipient type" box_EntityType:recipientType
field - "First name, or business or organisation name" box_name
field - "Last name" box_lastname
field - "Social insurance number or business number" box_id
field - "E-mail address" box_email
field - "Address" box_addr
field - "City" box_city
field - "Province or territory" box_iProv:province
field - "Country" box_iCountry:country
field - "Postal code" box_PostalCode
section "Amounts"
field - "Fill the boxes from Schedule 9 by the beneficiary's share" box_bUsePcnt
field - "Beneficiary's share of Schedule 9 (%)" box_Pcnt
columns 1
line - "Box 21 - Capital gains" box_21
line - "Box 22 - Lump-sum pension benefits" box_22
line - "Box 23 - Actual amount of dividends other than eligible dividends" box_23
line - "Box 24 - Foreign business income" box_24
line - "Box 25 - Foreign non-business income" box_25
line - "Box 26 - Other income" box_26
line - "Box 30 - Capital gains eligible for deduction" box_30
line - "Box 31 - Qualifying pension income" box_31
line - "Box 32 - Taxable amount of dividends other than eligible dividends" =box_32
line - "Box 33 - Foreign business income tax paid" box_33
line - "Box 34 - Foreign non-business income tax paid" box_34
line - "Box 35 - Eligible death benefits" box_35
line - "Box 37 - Insurance segregated fund capital losses" box_37
line - "Box 38 - Part XII.2 tax credit" box_38
line - "Box 39 - Dividend tax credit for dividends other than eligible dividends" =box_39
line - "Box 42 - Amount resulting in cost base adjustment" box_42
line - "Box 49 - Actual amount of eligible dividends" box_49
line - "Box 50 - Taxable amount of eligible dividends" =box_50
line - "Box 51 - Dividend tax credit for eligible dividends" =box_51
line - "Box 52 - Capital gains: Period 1 (before June 25, 2024)" box_52
line - "Box 53 - Capital gains: Period 2 (after June 24, 2024)" =box_53
line - "Box 58 - Insurance segregated fund capital losses: Period 1" box_58
line - "Box 59 - Insurance segregated fund capital losses: Period 2" =box_59
)PAGES");
