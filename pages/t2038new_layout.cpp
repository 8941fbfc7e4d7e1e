// Pages of Form T2038(IND), Investment Tax Credit (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT2038Pages("T2038New", R"PAGES(
form T2038New

page TaxForm_T2038New_tab1 1
title "Part A - Calculation of current-year credit"
columns "Expenditures" "Credit"
line 6712 "Qualified SR&ED expenditures (x 15%)" fld_6712 =fld_6712_a
line 6715 "Other qualified expenditures (x 15%)" fld_6715 =fld_6715_a
line 6725 "Credit allocated from partnerships (boxes 186, 187 and 189 of T5013 slips)" . fld_6725
line 6714 "Investment in qualified property (x 10%)" fld_6714 =fld_6714_a
line A "Total current-year credit" . =fld_a
section "Apprenticeship job creation"
line - "From Form T1229" fld_ws_6717_from_T1229 .
line - "Other" fld_ws_6717_other .
line 6717 "Total (x 15%)" =fld_6717 =fld_67170_a
section "Child care spaces"
line - "From Form T1229" fld_ws_67175_from_T1229 .
line - "Other" fld_ws_67175_other .
line 67175 "Total (x 30%)" =fld_67175 =fld_67175_a
section "Eligible salaries and wages of apprentices"
columns "Social insurance number" "Name of trade" "Eligible salary"
line - "Apprentice 1" fld_6718_SIN_1 fld_6718_TradeName_1 fld_6718_salary_1
line - "Apprentice 2" fld_6718_SIN_2 fld_6718_TradeName_2 fld_6718_salary_2
line - "Apprentice 3" fld_6718_SIN_3 fld_6718_TradeName_3 fld_6718_salary_3
line - "Apprentice 4" fld_6718_SIN_4 fld_6718_TradeName_4 fld_6718_salary_4
columns "Amount" "Credit"
line 67180 "Total eligible salaries (x 10%)" =fld_67180 =fld_67180_a
line 67184 "Line 67184 (x 20%)" fld_67184 =fld_67184_a
line 67185 "Line 67185 (x 15%)" fld_67185 =fld_67185_a
line - "Total of lines 67184 and 67185" . =fld_RepaySRED
line F "Total credit (column 3 of Part D)" . =fld_LineF

page TaxForm_T2038New_tab2 2
title "Part C - Recapture of investment tax credit"
columns "Amount" "Recapture"
line 6726 "Line 6726 (x 15%)" fld_6726 =fld_6726a
line 6713 "Line 6713 (x 20%)" fld_6713 =fld_6713a
line 3 "Total of the two lines above" . =fld_PartCLine3
line 4 "Line 4" . fld_PartCLine4
line 5 "Line 5" fld_PartCLine5 .
line 6 "Line 6" fld_PartCLine6 .
line 7 "Line 5 or line 6, whichever is less" . =fld_PartCLine7
line 67197 "Line 4 plus line 7" . =fld_67197
line - "Total recapture: enter on line 12B of Schedule 11" . =fld_406
title "Part D - Investment tax credit claimed"
columns 1
line 1 "Balance at the beginning of the year and carry-forward" fld_col_1
line 2 "Current-year credit (Part A)" =fld_col_2
line 3 "Current-year credit (line F)" =fld_col_3
line 4 "Line 2 plus line 3" =fld_PartDLine4
line 5 "Line 1 plus line 4" =fld_PartDLine5
line - "Credit transferred or used" fld_col_4
line F "Total credit available (line 5 minus the credit used)" =fld_PartDLineF
line - "Federal tax after the foreign tax credit (Schedule 11 line 23 minus line 24)" fld_F40600
line - "Federal political contribution tax credit (Schedule 11 line 26)" fld_F41000
line - "Line above minus political contribution credit" =fld_AfterF41000
line - "Labour-sponsored funds tax credit" fld_F41400
line G "Limit of federal tax" =fld_AfterF41400
line - "Line F or line G, whichever is less" =fld_LessFandG
line - "Minimum tax adjustment" fld_F405S1
line - "Line G plus the adjustment" =fld_after_F405S1
line - "Minimum tax (line 59 of Form T691)" fld_Line59FromT691
line I "Limit under minimum tax" =fld_allowable_claim_AMT
line - "Line F or line I, whichever is less" =fld_LessFandI
field - "Enter the credit claimed myself" fld_ITC_claim_overwrite
line - "Investment tax credit claimed: enter on line 27 of Schedule 11" fld_ITC_claim

page TaxForm_T2038New_tab3 3
title "Part E - Carryback and refund"
columns 2
line 1 "Total credit available (line F)" . =fld_PartELine1
line 2 "Balance at the beginning of the year" . =fld_PartELine2
line 3 "Current-year credit available" . =fld_CurYCreditAvail
line 4 "Credit allowed this year" =fld_PartELine4 .
line 5 "Balance at the beginning of the year" =fld_PartELine5 .
line 6 "Part of the current-year credit allowed" . =fld_NotAllowedPart
line - "Credit available for carryback" . =fld_ITC_Avail_Carryback
columns "Tax year" "Amount"
line 6720 "Carryback to the third previous year" =fld_6720_year fld_6720
line 6721 "Carryback to the second previous year" =fld_6721_year fld_6721
line 6722 "Carryback to the previous year" =fld_6722_year fld_6722
line - "Total carryback" . =fld_totalcarryback
field 6274 "Date" fld_6274
columns 2
line 7 "Current-year credit (Part A)" . =fld_PartELine7
line 8 "Credit transferred or used" . =fld_PartELine8
line 9 "Line 7 minus line 8" . =fld_CurRefAvail
line 10 "Credit claimed" =fld_ITC_claim_1 .
line 11 "Balance at the beginning of the year" =fld_PartELine11 .
line 12 "Line 10 minus line 11" . =fld_CurYClaim
line 13 "Total carryback" . =fld_TotalCarryBack
line 14 "Line 12 plus line 13" . =fld_PartELine14
line 15 "Current-year credit (line F)" . =fld_NonRefTC
line 16 "Line 14 minus line 15" . =fld_PartELine16
line 17 "Credit available for a refund (line 9 minus line 16)" . =fld_ITC_Avail_Refund
field - "Enter the amount used for the refund myself" fld_overwrite_refund
line - "Amount used for the refund" . fld_ITCRefundUsingAmount
line - "Refundable investment tax credit (x 40%): enter on line 88 of the T3 return" . =fld_ITC_refund
title "Part F - Balance carried forward"
line 1 "Total credit available (line F)" . =fld_PartFLine1
line - "Credit claimed" =fld_PartFCurNonRefTC .
line - "Carryback" =fld_PartFCarryback .
line - "Refund" =fld_PartFITCRef .
line - "Total" . =fld_PartFSubtotal
line - "Balance carried forward" . =fld_BalForward
)PAGES");
