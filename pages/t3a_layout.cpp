// Pages of Form T3A, request for loss carryback by a trust: the losses of
// the year, then the parts applied to the three prior years (language:
// docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT3APages("T3A", R"PAGES(
form T3A

page TaxForm_T3A_tab1 1
title "T3A - Non-capital loss of the year"
columns "Income" "Loss"
field - "Tax year" =fld_Year
field - "Trust account number" fld_TN
line - "Taxable capital gains; allowable capital losses" fld_inc_CapGain fld_loss_CapGainDed
line - "Pension income" fld_inc_Pension .
line - "Investment income; investment loss" fld_inc_Ivst fld_loss_Ivst
line - "Business income; business loss" fld_inc_Busi fld_loss_Busi
line - "Farming or fishing income; loss" fld_inc_Farm fld_loss_Farm
line - "Rental income; rental loss" fld_inc_Rental fld_loss_Rental
line - "AgriInvest income" fld_income_AgriIvst .
line - "Deemed dispositions" fld_inc_DeemedDisp .
line - "Other income" fld_inc_Other .
line - "Business investment loss" . fld_loss_BusiIvst
line - "Exempt income deductions" . fld_loss_ExemInc
line - "Net capital losses of other years" . fld_loss_CapOtherYears
line - "Subtotals" fld_inc_Subtotal1 fld_loss_Subtotal1
line - "Other deductions" fld_inc_OtherDed .
line - "Income less other deductions (if negative, enter 0)" fld_inc_Subtotal2 .
line - "Losses less that income (if negative, enter 0)" . fld_loss_Subtotal3
line - "Farming or fishing part of the loss" . fld_LossFarm
line - "Non-capital loss of the year" . fld_LossForYear
section "Non-capital loss to carry back"
columns 2
line 66270 "To the 3rd preceding year" fld_66270 .
line 66260 "To the 2nd preceding year" fld_66260 .
line 66250 "To the 1st preceding year" fld_66250 .
line - "Total carried back" . fld_LossPriorYear
line - "Non-capital loss left to carry forward" . fld_NonCapLossEnd

page TaxForm_T3A_tab2 2
title "T3A - Other losses to carry back"
columns 2
section "Farming or fishing loss"
line - "Farming or fishing loss" fld_LossFarmFish .
line - "Farming or fishing income" fld_IncomeFarmFish .
line - "Net loss (if negative, enter 0)" . fld_SubTotalFarmFish
line - "Farming or fishing loss available" . fld_AvailFarmFish
line 66320 "To the 3rd preceding year" fld_66320 .
line 66310 "To the 2nd preceding year" fld_66310 .
line 66300 "To the 1st preceding year" fld_66300 .
line - "Total carried back" . fld_CarrybackFarmFish
line - "Left to carry forward" . fld_LeftoverFarmFish
section "Net capital loss"
line - "Net capital loss available" . fld_AvailCapLoss
line 66380 "To the 3rd preceding year" fld_66380 .
line 66370 "To the 2nd preceding year" fld_66370 .
line 66360 "To the 1st preceding year" fld_66360 .
line - "Total carried back" . fld_CarrybackCapLoss
line - "Left to carry forward" . fld_LeftoverCapLoss
section "Limited partnership loss"
line - "Limited partnership loss available" . fld_AvailLPPLoss
line 66440 "To the 3rd preceding year" fld_66440 .
line 66430 "To the 2nd preceding year" fld_66430 .
line 66420 "To the 1st preceding year" fld_66420 .
line - "Total carried back" . fld_CarrybackLPP
line - "Left to carry forward" . fld_LeftoverLPP
section "Restricted farm loss"
line - "Restricted farm loss available" . fld_AvailResFarmLoss
line 66500 "To the 3rd preceding year" fld_66500 .
line 66490 "To the 2nd preceding year" fld_66490 .
line 66480 "To the 1st preceding year" fld_66480 .
line - "Total carried back" . fld_CarrybackResFarmLoss
line - "Left to carry forward" . fld_LeftoverResFarmLoss
section "Certification"
field 66800 "Question at line 66800" fld_66800:yesno
field 66810 "Question at line 66810" fld_66810:yesno
field - "Name (print)" fld_PrintName
field - "Position or title" fld_Position
field - "Telephone number" fld_phone
field - "Date signed" fld_66550
)PAGES");
