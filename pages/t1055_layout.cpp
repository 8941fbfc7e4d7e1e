// Pages of Form T1055, Summary of Deemed Dispositions (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT1055Pages("T1055", R"PAGES(
form T1055
choices events "1-Yes" "2-No"
choices election "Yes-1" "No-2" "No Answer"

page TaxForm_T1055_tab1 1
title "Summary of Deemed Dispositions - Situations"
section "Situations A and B: deceased beneficiary spouse or common-law partner"
field - "First name" fld_FirstName_A_B
field - "Last name" fld_LastName_A_B
field - "Address" fld_Addr_A_B
field - "Social insurance number" fld_sin_A_B
field - "Date of death" fld_dd_A_B
section "Situations C and F: deceased settlor or transferor"
field - "First name" fld_FirstName_C_F
field - "Last name" fld_LastName_C_F
field - "Address" fld_Addr_C_F
field - "Social insurance number" fld_sin_C_F
field - "Date of death" fld_dd_C_F
section "Situations D and E"
field - "Did any of the events described in D or E above occur?" fld_iDE:events
field - "Date of the event" fld_dd_D_E

page TaxForm_T1055_tab2 2
title "Deemed dispositions of property"
section "1 - Qualified small business corporation shares"
columns "Number" "Name of corporation" "Year of acquisition" "Proceeds of disposition" "Adjusted cost base" "Gain (or loss)"
repeat 4
line - "Property {n}" fld_bizSharesNum_{n} fld_bizSharesName_{n} fld_bizSharesYear_{n} fld_bizSharesDisp_{n} fld_bizSharesAcb_{n} =fld_bizSharesGain_{n}
end repeat
line 55011 "Total" . . . =fld_55011 . =fld_55012
section "2 - Qualified farm or fishing property"
columns "Address or legal description" "Year of acquisition" "Proceeds of disposition" "Adjusted cost base" "Gain (or loss)"
repeat 4
line - "Property {n}" fld_farmAddr_{n} fld_farmSharesYear_{n} fld_farmSharesDisp_{n} fld_farmSharesAcb_{n} =fld_farmSharesGain_{n}
end repeat
line 55021 "Total" . . =fld_55021 . =fld_55022
section "3 - Mutual fund units and other shares"
columns "Number" "Name of corporation" "Year of acquisition" "Proceeds of disposition" "Adjusted cost base" "Gain (or loss)"
repeat 4
line - "Property {n}" fld_mutualSharesNum_{n} fld_mutualSharesName_{n} fld_mutualSharesYear_{n} fld_mutualSharesDisp_{n} fld_mutualSharesAcb_{n} =fld_mutualSharesGain_{n}
end repeat
line 55031 "Total" . . . =fld_55031 . =fld_55032
section "4 - Real estate and depreciable property"
columns "Address or legal description" "Year of acquisition" "Proceeds of disposition" "Adjusted cost base" "Gain (or loss)"
repeat 4
line - "Property {n}" fld_realEstateAddr_{n} fld_realEstateSharesYear_{n} fld_realEstateSharesDisp_{n} fld_realEstateSharesAcb_{n} =fld_realEstateSharesGain_{n}
end repeat
line 55041 "Total" . . =fld_55041 . =fld_55042
section "5 - Bonds, debentures, promissory notes, crypto-assets, and other similar properties"
columns "Face value" "Maturity date" "Name of issuer" "Year of acquisition" "Proceeds of disposition" "Adjusted cost base" "Gain (or loss)"
repeat 4
line - "Property {n}" fld_bondsFaceValue_{n} fld_bondsMatDate_{n} fld_bondsIssuerName_{n} fld_bondsSharesYear_{n} fld_bondsSharesDisp_{n} fld_bondsSharesAcb_{n} =fld_bondsSharesGain_{n}
end repeat
line 55051 "Total" . . . . =fld_55051 . =fld_55052
section "6 - Personal-use property"
columns "Description" "Year of acquisition" "Proceeds of disposition" "Adjusted cost base" "Gain (or loss)"
repeat 4
line - "Property {n}" fld_personalPropDesc_{n} fld_personalPropSharesYear_{n} fld_personalPropSharesDisp_{n} fld_personalPropSharesAcb_{n} =fld_personalPropSharesGain_{n}
end repeat
line 55061 "Total" . . =fld_55061 . =fld_55062
section "7 - Listed personal property (LPP)"
columns "Description" "Year of acquisition" "Proceeds of disposition" "Adjusted cost base" "Gain (or loss)"
line - "Property" fld_LPPDesc fld_LPPSharesYear fld_LPPSharesDisp fld_LPPSharesAcb =fld_LPPSharesGain
line 55071 "Total" . . =fld_55071 . =fld_55072
columns 2
line 55080 "Minus: LPP losses" fld_55080 .
line 9 "Net gain on LPP (line 7 minus line 8; if negative, enter 0)" . =fld_after55080
line 10 "Add lines 1 to 6 and line 9" . =fld_allNetGainLoss
line 10A "Deemed dispositions on or before June 24, 2024" fld_allNetGainLoss_prd1 .
line 10B "Deemed dispositions after June 24, 2024 (line 10 minus line 10A)" =fld_allNetGainLoss_prd2 .

page TaxForm_T1055_tab3 3
title "Taxable capital gains and recapture"
columns 2
line - "Line 10" . =fld_Line10
line - "X Incl. Rate %" fld_InclRate .
line 55250 "Taxable capital gains (allowable capital losses) on deemed dispositions" . =fld_55250
line 12 "Line 11, if positive" . =fld_deemedTCC
line 55310 "Net capital losses of other years applied (line 45 of Schedule 1)" fld_55310 .
line 55320 "Line 12 minus line 13 (if negative, enter 0)" . =fld_55320
section "Recapture of capital cost allowance"
columns "Class number" "Capital cost (or fair market value if lower)" "Undepreciated capital cost" "Recapture"
repeat 4
line - "Class {n}" fld_depreciableNumber_{n} fld_depreciableCC_{n} fld_undepreciatedCC_{n} =fld_recaptureAmt_{n}
end repeat
line 55331 "Totals" . =fld_55331 =fld_55332 =fld_55333
columns 2
line 55340 "Income from resource property" fld_55340 .
line 55350 "Deduction" fld_55350 .
line 18 "Line 16 minus line 17 (if negative, enter 0)" . =fld_netCanForeignProp
line 55370 "Land held in inventory" fld_55370 .
line 55420 "Total deemed income (lines 14, 15, 18 and 19): enter on line 11 of the T3 return" . =fld_55420
line 21 "Taxable capital gains (line 45 of Schedule 1)" fld_taxableCC .
line 22 "Line 11" . =fld_deemedAllowableLosses
line 55530 "Line 21 minus line 22 (if negative, enter 0): enter on line 01 of the T3 return" . =fld_55530
section "Election under subsection 159(6.1) to defer tax (Form T2223)"
field 55800 "Is the trust electing under subsection 159(6.1)?" fld_55800:election
line 24 "Total tax payable" fld_totalTaxPayable .
line 55820 "Taxable income without the deemed dispositions" fld_55820 .
line 55830 "Tax payable without the deemed dispositions" fld_55830 .
line 55840 "Tax on which payment may be deferred (line 24 minus line 26): enter on Form T2223" . =fld_55840
)PAGES");
