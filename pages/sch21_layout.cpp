// Pages of Schedule 21, Federal and Provincial or Territorial Foreign Income
// Tax Credits and Federal Logging Tax Credit (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch21Pages("Sch21", R"PAGES(
form Sch21
choices foreignBank "No" "Yes"

page TaxForm_Sch21_tab1 1
title "Schedule 21 - Part 1 - Foreign non-business income tax credit"
columns "100 Country" "110 Net foreign non-business income" "120 Non-business income tax paid" "130 Tax deductible under subsection 20(12)" "E: 120 minus 130"
repeat 5
line - "Row {n}" fld_100_{n}:country fld_110_{n} fld_120_{n} fld_130_{n} fld_Part1_E_{n}
end repeat
columns "F: Line 600" "G: Line 610" "H: G x 110 / F" "180 Credit (lesser of E and H)" "Credit claimed"
repeat 5
line - "Row {n}" =fld_Part1_F_{n} =fld_Part1_G_{n} fld_Part1_H_{n} fld_180_{n} fld_non_busi_credit_claimed_{n}
end repeat
line - "Totals" . . . =fld_180_total =fld_non_busi_credit_total
section "Part 2 - Foreign business income tax credit"
columns "200 Country" "210 Net foreign business income" "220 Business income tax paid" "230 Unused credits" "E: 220 plus 230" "F: Line 600"
repeat 5
line - "Row {n}" =fld_200_{n}:country fld_210_{n} fld_220_{n} fld_230_{n} fld_Part2_E_{n} =fld_Part2_F_{n}
end repeat
columns "G: Line 620" "H: G minus the non-business credit claimed" "I: G x 210 / F" "280 Credit (least of E, H and I)" "Credit claimed"
repeat 5
line - "Row {n}" =fld_Part2_G_{n} =fld_Part2_H_{n} fld_Part2_I_{n} fld_280_{n} fld_busi_credit_claimed_{n}
end repeat
line - "Totals" . . . =fld_280_total =fld_busi_credit_total

page TaxForm_Sch21_tab2 2
title "Schedule 21 - Part 3 - Continuity of unused foreign business income tax credits"
columns "345 Country" "L: Balance at the end of the previous year" "348 Expired credits" "350 Opening balance" "360 Transferred on amalgamation or wind-up"
repeat 5
line - "Row {n}" =fld_345_{n}:country fld_Part3_L_{n} fld_348_{n} =fld_350_{n} fld_360_{n}
end repeat
columns "P: Business income tax paid (line 220)" "Q: Credit claimed" "R: Carried back (Part 4)" "380 Closing balance"
repeat 5
line - "Row {n}" =fld_Part3_P_{n} =fld_Part3_Q_{n} =fld_Part3_R_{n} =fld_380_{n}
end repeat
section "Part 4 - Request for carryback of unused foreign business income tax credits"
columns "900 Country" "U: Unused credit" "901 1st previous year" "902 2nd previous year" "903 3rd previous year"
repeat 5
line - "Row {n}" =fld_900_{n}:country =fld_Part4_U_{n} fld_901_{n} fld_902_{n} fld_903_{n}
end repeat
section "Part 5 - Federal logging tax credit"
columns "Logging tax paid" "Logging income" "C: tax x 2 / 30" "E: income x 2 / 3" "F: lesser of C and E"
line - "Province 1" fld_500 fld_510 =fld_Part5_C_1 =fld_Part5_E_1 =fld_Part5_F_1
line - "Province 2" fld_520 fld_530 =fld_Part5_C_2 =fld_Part5_E_2 =fld_Part5_F_2
columns 2
line G "Total of column F" . =fld_Part5_G
line - "Taxable income earned in Canada" fld_Part5_TaxIncCAN .
line H "Taxable income x 2 / 30" . =fld_Part5_H
line 580 "Federal logging tax credit (lesser of G and H)" . =fld_580

page TaxForm_Sch21_tab3 3
title "Schedule 21 - Part 6 - Adjusted net income"
field - "Is the corporation an authorized foreign bank?" fld_Part6IsNotBank:foreignBank
columns 2
line 300 "Net income (line 300 of the T2 return)" fld_F300T2 .
line 332 "Deductions (line 332 of the T2 return)" fld_F332T2 .
line - "Deductions under section 112 or 113" fld_FromSection112_113 .
line 350 "Line 350 of the T2 return" fld_F350T2 .
line - "Subtotal (if negative, enter 0)" . =fld_SubTotalAfterF350T2
line 355 "Line 355 of the T2 return" fld_F355T2 .
line A "Adjusted net income" . =fld_Part6_A
line 360 "Taxable income (line 360 or amount Z if applicable, on page 3 of the T2 return)" fld_F360T2 .
line - "Income from the Canadian banking business" fld_IncCanBank .
line - "Amount under subparagraph 115(1)(a)(vii)" fld_AmtSubPara115 .
line C "Add the two lines above" . =fld_Part6_C
line D "Lesser of line 360 and amount C" . =fld_Part6_D
line 600 "Adjusted net income" . =fld_600
section "Part 7 - Part I tax otherwise payable for the non-business income tax credit"
line 550 "Line 550 of the T2 return" fld_F550T2 .
line 608 "Line 608 of the T2 return" fld_F608T2 .
line 620 "Line 620 of the T2 return" fld_F620T2 .
line 639 "Line 639 of the T2 return" fld_F639T2 .
line - "Subtotal" . =fld_Part7Subtotal1
line 602 "Line 602 of the T2 return" fld_F602T2 .
line 604 "Line 604 of the T2 return" fld_F604T2 .
line - "Subtotal" . =fld_Part7Subtotal2
line 610 "Part I tax otherwise payable" . =fld_610

page TaxForm_Sch21_tab4 4
title "Schedule 21 - Part 8 - Part I tax otherwise payable for the business income tax credit"
columns 2
line 550 "Line 550 of the T2 return" fld_Line550T2 .
line 620 "Line 620 of the T2 return" fld_Line620T2 .
line 628 "Line 628 of the T2 return" fld_Line628T2 .
line 638 "Line 638 of the T2 return" fld_Line638T2 .
line 639 "Line 639 of the T2 return" fld_Line639T2 .
line - "Subtotal" . =fld_Part8SubTotal1
line 600 "Line 600 of the T2 return" fld_Line600T2 .
line 602 "Line 602 of the T2 return" fld_Line602T2 .
line 620 "Part I tax otherwise payable" . =fld_620
section "Part 9 - Provincial or territorial foreign tax credit"
field - "Province or territory" fld_Part9_prov:province
field - "Country" fld_Part9_country:country
line A "Non-business income tax paid to the foreign country" fld_Part9_A .
line B "Federal foreign non-business income tax credit" fld_Part9_B .
line C "Line A minus line B" . =fld_Part9_C
line D "Other deductions" fld_Part9_D .
line E "Line C minus line D (if negative, enter 0)" . =fld_Part9_E
line - "Taxable income earned in the province" fld_TaxIncInProv .
line - "Taxable income earned in Canada" fld_TaxIncTotalCanada .
line F "Line E x taxable income in the province / taxable income in Canada" . =fld_Part9_F
line G "Net foreign non-business income" fld_Part9_G .
line - "Provincial or territorial tax rate" fld_ProvTaxRate .
line H "Line G x rate" . =fld_Part9_H
line - "Taxable income (T2 return)" fld_TaxIncFromT2 .
line I "Line H x taxable income in the province / taxable income" . =fld_Part9_I
line J "Provincial or territorial foreign tax credit (lesser of F and I)" . =fld_Part9_J
)PAGES");
