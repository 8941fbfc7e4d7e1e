// Pages of Form T2043, Return of Fuel Charge Proceeds to Farmers Tax Credit
// (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT2043Pages("T2043", R"PAGES(
form T2043

page TaxForm_T2043_tab1 1
title "Part 3 - Eligible farming expenses and credit"
columns 2
line 67061 "Total eligible farming expenses (line 6 of Chart A)" . =fld_67061
field 67062 "The trust has farming businesses in more than one of these provinces" =fld_b67062
columns "Eligible farming expenses" "Credit"
line 67063 "Ontario" fld_67063 fld_67063Credit
line 67064 "Manitoba" fld_67064 fld_67064Credit
line 67065 "Saskatchewan" fld_67065 fld_67065Credit
line 67066 "Alberta" fld_67066 fld_67066Credit
line - "Total credit" . fld_TotalFarmCredit
columns "Ontario" "Manitoba" "Saskatchewan" "Alberta" "Total"
line - "Gross farming revenue in the province (line 1 of Chart B)" =fld_67067 =fld_67068 =fld_67069 =fld_67070 =fld_67075
line - "Salaries and wages in the province (line 4 of Chart B)" =fld_67071 =fld_67072 =fld_67073 =fld_67074 =fld_67076
title "Part 4 - Farming businesses in more than one province"
columns 1
line 4A "Line 4A" fld_part4_4A
line 4B "Line 4B" fld_part4_4B
line 4C "Line 4C" fld_part4_4C
line 4D "Line 4D" fld_part4_4D
line 4E "Line 4E" fld_part4_4E
title "Part 5 - Return of fuel charge proceeds to farmers tax credit"
columns 2
line 5A "Credit for the trust's eligible farming expenses" . fld_part5_5A
line 5B "Credit from Part 4 (line 4E)" . fld_part5_5B
line 67079 "Allocated from partnerships (box 237 of T5013 slips): Ontario" fld_67079 .
line 67080 "Manitoba" fld_67080 .
line 67081 "Saskatchewan" fld_67081 .
line 67082 "Alberta" fld_67082 .
line 5C "Total allocated from partnerships" . fld_part5_5C
line 5D "Return of fuel charge proceeds to farmers tax credit (add lines 5A to 5C): enter on line 920 of the T3 return" . fld_part5_5D

page TaxForm_T2043_tab2 2
title "Chart A - Eligible farming expenses"
columns 1
line 1 "Total farming expenses" fld_ChartA_line1
line 2 "Expenses not eligible: capital cost allowance" fld_ChartA_line2
line 3 "Expenses not eligible: other" fld_ChartA_line3
line 4 "Expenses not eligible: amounts not paid to arm's length persons" fld_ChartA_line4
line 5 "Add lines 2 to 4" =fld_ChartA_line5
line 6 "Eligible farming expenses (line 1 minus line 5; if negative, enter 0)" =fld_ChartA_line6
title "Chart B - Farming expenses by province"
columns "Ontario" "Manitoba" "Saskatchewan" "Alberta"
line 1 "Gross farming revenue in the province" fld_chartB_ON_1 fld_chartB_MB_1 fld_chartB_SK_1 fld_chartB_AB_1
line 2 "Total gross farming revenue" fld_chartB_ON_2 fld_chartB_MB_2 fld_chartB_SK_2 fld_chartB_AB_2
line 3 "Line 1 divided by line 2, x 100" =fld_chartB_ON_3 =fld_chartB_MB_3 =fld_chartB_SK_3 =fld_chartB_AB_3
line 4 "Salaries and wages paid in the province" fld_chartB_ON_4 fld_chartB_MB_4 fld_chartB_SK_4 fld_chartB_AB_4
line 5 "Total salaries and wages" fld_chartB_ON_5 fld_chartB_MB_5 fld_chartB_SK_5 fld_chartB_AB_5
line 6 "Line 4 divided by line 5, x 100" =fld_chartB_ON_6 =fld_chartB_MB_6 =fld_chartB_SK_6 =fld_chartB_AB_6
line 7 "Line 3 plus line 6" =fld_chartB_ON_7 =fld_chartB_MB_7 =fld_chartB_SK_7 =fld_chartB_AB_7
line 8 "Line 7 divided by 2 when lines 2 and 5 are both entered, otherwise line 7" =fld_chartB_ON_8 =fld_chartB_MB_8 =fld_chartB_SK_8 =fld_chartB_AB_8
line 9 "Line 8 x line 6 of Chart A / 100" =fld_chartB_ON_9 =fld_chartB_MB_9 =fld_chartB_SK_9 =fld_chartB_AB_9
)PAGES");
