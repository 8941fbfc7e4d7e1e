// Pages of Schedule 20, Part XIV - Additional Tax on Non-Resident
// Corporations (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch20Pages("Sch20", R"PAGES(
form Sch20

page TaxForm_Sch20_tab1 1
title "Schedule 20 - Part 1 - Base amount with additions (adjusted taxable income)"
columns 1
line A "Amount A: line 360 or amount Z if applicable, on page 3 of the T2 return" fld_Part1_A
line 099 "Exemption for the year" fld_099
line 100 "Amount A (taxable income earned in Canada) minus line 099 (if negative, enter 0)" =fld_100
line 101 "Taxable capital gains" fld_101
line 103 "Income from a business carried on in Canada" fld_103
line 104 "Losses" fld_104
line 105 "Other deductions" fld_105
line 106 "Line 104 plus line 105" =fld_106
line 107 "Line 103 minus line 106 (if negative, enter 0)" =fld_107
line 108 "Other additions" fld_108
line 109 "Income" fld_109
line 110 "Deductions" fld_110
line 111 "Line 109 minus line 110 (if negative, enter 0)" =fld_111
line 112 "Other additions" fld_112
line 113 "Base amount with additions (add lines 100, 101, 107, 108, 111 and 112)" =fld_113

page TaxForm_Sch20_tab2 2
title "Schedule 20 - Part 2 - Deductions from the base amount"
columns 1
line 114 "Deduction" fld_114
line 115 "Deduction" fld_115
line K "Line 114 plus line 115" =fld_Part2_K
line 116 "Amount K x line 100 / amount A" =fld_116
line 117 "Deduction" fld_117
line 118 "Deduction" fld_118
line 120 "Amount" fld_120
line 121 "Deduction" fld_121
line 122 "Deduction" fld_122
line P "Line 121 plus line 122" =fld_Part2_P
line 123 "Line 120 minus amount P (if negative, enter 0)" =fld_123
line 124 "Amount" fld_124
line 125 "Amount" fld_125
section "Part 3 - Part XIV tax payable"
line - "Part XIV tax rate" fld_126_rate
line 126 "Part XIV tax payable" fld_126
line R "Amount R" fld_Part3_R
line S "Amount S" fld_Part3_S
line 500 "Amount" fld_500
line 510 "Amount" fld_510
line 520 "Amount" fld_520

page TaxForm_Sch20_tab3 3
title "Schedule 20 - Part 5 - Regulation 808 - Allowance for investments in property in Canada claimed for the year"
columns 1
line 200 "Amount" fld_200
line 201 "Amount" fld_201
line 203 "Amount" fld_203
line 204 "Amount" fld_204
line 205 "Amount" fld_205
line 206 "Amount" fld_206
line 207 "Amount" fld_207
line 208 "Amount" fld_208
line 210 "Amount" fld_210
line 211 "Amount" fld_211
line 212 "Lesser of lines 210 and 211" =fld_212
line 213 "Add lines 200 to 208 and line 212" =fld_213
line 214 "Deduction" fld_214
line 215 "Deduction" fld_215
line 216 "Deduction" fld_216
line 217 "Deduction" fld_217
line 218 "Deduction" fld_218
line 219 "Deduction" fld_219
line 221 "Add lines 214 to 219" =fld_221
line 222 "Line 213 minus line 221" =fld_222
line 223 "Allowance claimed (lesser of line 222 and lines 113 - 116 - 117 - 123; if negative, enter 0)" =fld_223

page TaxForm_Sch20_tab4 4
title "Schedule 20 - Part 6 - Regulation 808 - Allowance of an authorized foreign bank for investments in property in Canada claimed for the year"
field - "The corporation is an authorized foreign bank" fld_Part6ForeignBank
columns 1
line 650 "Amount" fld_650
line 655 "Amount" fld_655
line 660 "Amount" fld_660
line 665 "Amount" fld_665
columns "Period end" "Total assets" "C: 5% of total assets" "Cost of property in Canada" "Liabilities" "Advances"
repeat 12
line - "Period {n}" fld_Part6EndDate_{n} fld_Part6BankAssets_{n} =fld_Part6ColC_{n} fld_Part6BankCost_{n} fld_Part6BankLiability_{n} fld_Part6BankAdvance_{n}
end repeat
columns "G: Liabilities plus advances" "H" "I: G plus H" "J: cost minus I" "K"
repeat 12
line - "Period {n}" =fld_Part6ColG_{n} fld_Part6ColH_{n} =fld_Part6ColI_{n} =fld_Part6ColJ_{n} =fld_Part6ColK_{n}
end repeat
columns 1
line L "Amount L" fld_Part6AmtL
)PAGES");
