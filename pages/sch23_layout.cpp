// Pages of Schedule 23, Agreement Among Associated Canadian-Controlled
// Private Corporations to Allocate the Business Limit (language:
// docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch23Pages("Sch23", R"PAGES(
form Sch23
choices replacement "Yes" "No"
list association "1 - Associated for purposes of allocating the business limit (unless code 5 applies)" "2 - CCPC that is a \"third corporation\" that has elected under subsection 256(2) not to be associated for purposes of the small business deduction" "3 - Non-CCPC that is a \"third corporation\" as defined in subsection 256(2)" "4 - Associated non-CCPC"

page TaxForm_Sch23_tab1 1
title "Agreement among associated corporations to allocate the business limit"
columns 1
field 050 "Calendar year to which the agreement applies" fld_CalYear
field 075 "Is this an amended agreement for the above calendar year that is intended to replace an agreement previously filed by any of the associated corporations listed below?" fld_075:replacement
columns "Names of associated corporations (100)" "Business number (200)" "Association code (300)" "Business limit for the year" "Percentage of the business limit (350)" "Business limit allocated (400)"
line 100100 "1" fld_BusiName2_1 fld_BusiNumber_1 fld_AsscCode_1:association fld_LimitB4_1 fld_Percent_1 =fld_LimitAfter_1
line 200100 "2" fld_BusiName2_2 fld_BusiNumber_2 fld_AsscCode_2:association fld_LimitB4_2 fld_Percent_2 =fld_LimitAfter_2
line 300100 "3" fld_BusiName2_3 fld_BusiNumber_3 fld_AsscCode_3:association fld_LimitB4_3 fld_Percent_3 =fld_LimitAfter_3
line 400100 "4" fld_BusiName2_4 fld_BusiNumber_4 fld_AsscCode_4:association fld_LimitB4_4 fld_Percent_4 =fld_LimitAfter_4
line 500100 "5" fld_BusiName2_5 fld_BusiNumber_5 fld_AsscCode_5:association fld_LimitB4_5 fld_Percent_5 =fld_LimitAfter_5
line 600100 "6" fld_BusiName2_6 fld_BusiNumber_6 fld_AsscCode_6:association fld_LimitB4_6 fld_Percent_6 =fld_LimitAfter_6
line 700100 "7" fld_BusiName2_7 fld_BusiNumber_7 fld_AsscCode_7:association fld_LimitB4_7 fld_Percent_7 =fld_LimitAfter_7
line 800100 "8" fld_BusiName2_8 fld_BusiNumber_8 fld_AsscCode_8:association fld_LimitB4_8 fld_Percent_8 =fld_LimitAfter_8
line 900100 "9" fld_BusiName2_9 fld_BusiNumber_9 fld_AsscCode_9:association fld_LimitB4_9 fld_Percent_9 =fld_LimitAfter_9
line 1000100 "10" fld_BusiName2_10 fld_BusiNumber_10 fld_AsscCode_10:association fld_LimitB4_10 fld_Percent_10 =fld_LimitAfter_10
line 1100100 "11" fld_BusiName2_11 fld_BusiNumber_11 fld_AsscCode_11:association fld_LimitB4_11 fld_Percent_11 =fld_LimitAfter_11
line 1200100 "12" fld_BusiName2_12 fld_BusiNumber_12 fld_AsscCode_12:association fld_LimitB4_12 fld_Percent_12 =fld_LimitAfter_12
line 1300100 "13" fld_BusiName2_13 fld_BusiNumber_13 fld_AsscCode_13:association fld_LimitB4_13 fld_Percent_13 =fld_LimitAfter_13
line 1400100 "14" fld_BusiName2_14 fld_BusiNumber_14 fld_AsscCode_14:association fld_LimitB4_14 fld_Percent_14 =fld_LimitAfter_14
line 1500100 "15" fld_BusiName2_15 fld_BusiNumber_15 fld_AsscCode_15:association fld_LimitB4_15 fld_Percent_15 =fld_LimitAfter_15
line 1600100 "16" fld_BusiName2_16 fld_BusiNumber_16 fld_AsscCode_16:association fld_LimitB4_16 fld_Percent_16 =fld_LimitAfter_16
line 1700100 "17" fld_BusiName2_17 fld_BusiNumber_17 fld_AsscCode_17:association fld_LimitB4_17 fld_Percent_17 =fld_LimitAfter_17
line 1800100 "18" fld_BusiName2_18 fld_BusiNumber_18 fld_AsscCode_18:association fld_LimitB4_18 fld_Percent_18 =fld_LimitAfter_18
line 1900100 "19" fld_BusiName2_19 fld_BusiNumber_19 fld_AsscCode_19:association fld_LimitB4_19 fld_Percent_19 =fld_LimitAfter_19
line 2000100 "20" fld_BusiName2_20 fld_BusiNumber_20 fld_AsscCode_20:association fld_LimitB4_20 fld_Percent_20 =fld_LimitAfter_20
line 2100100 "21" fld_BusiName2_21 fld_BusiNumber_21 fld_AsscCode_21:association fld_LimitB4_21 fld_Percent_21 =fld_LimitAfter_21
line 2200100 "22" fld_BusiName2_22 fld_BusiNumber_22 fld_AsscCode_22:association fld_LimitB4_22 fld_Percent_22 =fld_LimitAfter_22
line 2300100 "23" fld_BusiName2_23 fld_BusiNumber_23 fld_AsscCode_23:association fld_LimitB4_23 fld_Percent_23 =fld_LimitAfter_23
line 2400100 "24" fld_BusiName2_24 fld_BusiNumber_24 fld_AsscCode_24:association fld_LimitB4_24 fld_Percent_24 =fld_LimitAfter_24
line 2500100 "25" fld_BusiName2_25 fld_BusiNumber_25 fld_AsscCode_25:association fld_LimitB4_25 fld_Percent_25 =fld_LimitAfter_25
line 2600100 "26" fld_BusiName2_26 fld_BusiNumber_26 fld_AsscCode_26:association fld_LimitB4_26 fld_Percent_26 =fld_LimitAfter_26
line 2700100 "27" fld_BusiName2_27 fld_BusiNumber_27 fld_AsscCode_27:association fld_LimitB4_27 fld_Percent_27 =fld_LimitAfter_27
line 2800100 "28" fld_BusiName2_28 fld_BusiNumber_28 fld_AsscCode_28:association fld_LimitB4_28 fld_Percent_28 =fld_LimitAfter_28
line 2900100 "29" fld_BusiName2_29 fld_BusiNumber_29 fld_AsscCode_29:association fld_LimitB4_29 fld_Percent_29 =fld_LimitAfter_29
line 3000100 "30" fld_BusiName2_30 fld_BusiNumber_30 fld_AsscCode_30:association fld_LimitB4_30 fld_Percent_30 =fld_LimitAfter_30
line 3100100 "31" fld_BusiName2_31 fld_BusiNumber_31 fld_AsscCode_31:association fld_LimitB4_31 fld_Percent_31 =fld_LimitAfter_31
line 3200100 "32" fld_BusiName2_32 fld_BusiNumber_32 fld_AsscCode_32:association fld_LimitB4_32 fld_Percent_32 =fld_LimitAfter_32
line 3300100 "33" fld_BusiName2_33 fld_BusiNumber_33 fld_AsscCode_33:association fld_LimitB4_33 fld_Percent_33 =fld_LimitAfter_33
line 3400100 "34" fld_BusiName2_34 fld_BusiNumber_34 fld_AsscCode_34:association fld_LimitB4_34 fld_Percent_34 =fld_LimitAfter_34
line 3500100 "35" fld_BusiName2_35 fld_BusiNumber_35 fld_AsscCode_35:association fld_LimitB4_35 fld_Percent_35 =fld_LimitAfter_35
line 3600100 "36" fld_BusiName2_36 fld_BusiNumber_36 fld_AsscCode_36:association fld_LimitB4_36 fld_Percent_36 =fld_LimitAfter_36
line 3700100 "37" fld_BusiName2_37 fld_BusiNumber_37 fld_AsscCode_37:association fld_LimitB4_37 fld_Percent_37 =fld_LimitAfter_37
line 3800100 "38" fld_BusiName2_38 fld_BusiNumber_38 fld_AsscCode_38:association fld_LimitB4_38 fld_Percent_38 =fld_LimitAfter_38
line 3900100 "39" fld_BusiName2_39 fld_BusiNumber_39 fld_AsscCode_39:association fld_LimitB4_39 fld_Percent_39 =fld_LimitAfter_39
line 4000100 "40" fld_BusiName2_40 fld_BusiNumber_40 fld_AsscCode_40:association fld_LimitB4_40 fld_Percent_40 =fld_LimitAfter_40
line - "Total" . . . . . fld_LimitAfter_total
)PAGES");
