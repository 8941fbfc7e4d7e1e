// Pages of Schedule 5, Tax Calculation Supplementary - Provincial and
// Territorial (language: docs/pages.md). The texts follow the corporate
// schedule of the same number.
#include "framework/page_description.h"

static const PageDescriptionSource kSch5Pages("Sch5", R"PAGES(
form Sch5
list regulation "Not chosen" "402 - General" "403 - Insurance corporations" "404 - Banks" "405 - Trust and loan corporations" "406 - Railway corporations" "407 - Airline corporations" "408 - Grain elevator operators" "409 - Bus and truck operators" "410 - Ship operators" "411 - Pipeline operators" "412 - Divided businesses" "413 - Non-resident corporations" "414 - Provincial crown corporations" "415 - Central credit unions"

page TaxForm_Sch5_tab1 1
title "Schedule 5 - Tax Calculation Supplementary - Provincial and Territorial"
section "Part 1 - Allocation of taxable income"
note "Complete this part if the trust had a permanent establishment in more than one jurisdiction during the tax year. Enter the regulation that applies (402 to 413)."
field 100 "Business regulation type" fld_iRegulationType:regulation
field - "Check to change" fld_Regulation_overwrite
field - "Regulation" =fld_RegulationType
line - "Taxable income to allocate (line 56 of the return)" fld_taxinc
columns "A Permanent establishment" "B Salaries and wages" "C (B x taxable income) / G" "D Gross revenue" "E (D x taxable income) / H" "F Allocation"
line 103 "Newfoundland and Labrador" =fld_NL_Yes fld_NL_colB fld_NL_colC fld_NL_colD fld_NL_colE fld_NL_colF
line 104 "Newfoundland and Labrador offshore" =fld_NLOffshore_Yes fld_NLOffshore_colB fld_NLOffshore_colC fld_NLOffshore_colD fld_NLOffshore_colE fld_NLOffshore_colF
line 105 "Prince Edward Island" =fld_PE_Yes fld_PE_colB fld_PE_colC fld_PE_colD fld_PE_colE fld_PE_colF
line 107 "Nova Scotia" =fld_NS_Yes fld_NS_colB fld_NS_colC fld_NS_colD fld_NS_colE fld_NS_colF
line 108 "Nova Scotia offshore" =fld_NSOffshore_Yes fld_NSOffshore_colB fld_NSOffshore_colC fld_NSOffshore_colD fld_NSOffshore_colE fld_NSOffshore_colF
line 109 "New Brunswick" =fld_NB_Yes fld_NB_colB fld_NB_colC fld_NB_colD fld_NB_colE fld_NB_colF
line 111 "Quebec" =fld_QC_Yes fld_QC_colB fld_QC_colC fld_QC_colD fld_QC_colE fld_QC_colF
line 113 "Ontario" =fld_ON_Yes fld_ON_colB fld_ON_colC fld_ON_colD fld_ON_colE fld_ON_colF
line 115 "Manitoba" =fld_MB_Yes fld_MB_colB fld_MB_colC fld_MB_colD fld_MB_colE fld_MB_colF
line 117 "Saskatchewan" =fld_SK_Yes fld_SK_colB fld_SK_colC fld_SK_colD fld_SK_colE fld_SK_colF
line 119 "Alberta" =fld_AB_Yes fld_AB_colB fld_AB_colC fld_AB_colD fld_AB_colE fld_AB_colF
line 121 "British Columbia" =fld_BC_Yes fld_BC_colB fld_BC_colC fld_BC_colD fld_BC_colE fld_BC_colF
line 123 "Yukon" =fld_YT_Yes fld_YT_colB fld_YT_colC fld_YT_colD fld_YT_colE fld_YT_colF
line 125 "Northwest Territories" =fld_NT_Yes fld_NT_colB fld_NT_colC fld_NT_colD fld_NT_colE fld_NT_colF
line 126 "Nunavut" =fld_NU_Yes fld_NU_colB fld_NU_colC fld_NU_colD fld_NU_colE fld_NU_colF
line 127 "Outside Canada" =fld_OutCAN_Yes fld_OutCAN_colB fld_OutCAN_colC fld_OutCAN_colD fld_OutCAN_colE fld_OutCAN_colF
line 129 "Total salaries and wages (G)" . fld_colG . . . .
line 169 "Total gross revenue (H)" . . . fld_colH . .

page TaxForm_Sch5_tab2 2
title "Schedule 5 - Part 2 - Newfoundland and Labrador and Prince Edward Island"
section "Newfoundland and Labrador"
columns 2
line 200 "Newfoundland and Labrador tax on taxable income" fld_NL_200 .
line 205 "Newfoundland and Labrador tax on the capital gains of a mutual fund" fld_NL_205 .
line - "Subtotal (line 200 plus line 205)" . fld_NL_A1
line 500 "Newfoundland and Labrador political contribution tax credit" fld_NL_500 .
line 891 "Newfoundland and Labrador political contributions" fld_NL_891 .
line 501 "Newfoundland and Labrador small business tax credit" fld_NL_501 .
line 504 "Newfoundland and Labrador manufacturing and processing profits tax credit" fld_NL_504 .
line 505 "Newfoundland and Labrador venture capital tax credit" fld_NL_505 .
line 507 "Newfoundland and Labrador resort property investment tax credit" fld_NL_507 .
line - "Total credits" . fld_NL_B1
line - "Newfoundland and Labrador tax after credits (if negative, enter 0)" . fld_NL_C1
line 518 "Newfoundland and Labrador research and development tax credit recapture" fld_NL_518 .
line - "Newfoundland and Labrador tax payable" . fld_NL_D1
line 520 "Newfoundland and Labrador research and development tax credit (Schedule 301)" fld_NL_520 .
line 521 "Newfoundland and Labrador film and video industry tax credit" fld_NL_521 .
line 821 "Film and video industry tax credit certificate number" fld_NL_821 .
line 522 "Newfoundland and Labrador interactive digital media tax credit" fld_NL_522 .
line 840 "Interactive digital media tax credit certificate number" fld_NL_840 .
line - "Newfoundland and Labrador refundable credits" . fld_NL_E1
line 209 "Net Newfoundland and Labrador tax payable or refundable credits" . fld_NL_209
section "Prince Edward Island"
line 210 "Prince Edward Island tax on taxable income" fld_PE_210 .
line 528 "Prince Edward Island political contribution tax credit" fld_PE_528 .
line 530 "Prince Edward Island corporate investment tax credit" fld_PE_530 .
line - "Total credits" . fld_PE_B2
line 214 "Net Prince Edward Island tax payable (if negative, enter 0)" . fld_PE_214

page TaxForm_Sch5_tab3 3
title "Schedule 5 - Part 2 - Nova Scotia and New Brunswick"
section "Nova Scotia"
columns 2
line 215 "Nova Scotia tax on taxable income" fld_NS_215 .
line 220 "Nova Scotia tax on large corporations" fld_NS_220 .
line 221 "Nova Scotia recapture of tax credits" fld_NS_221 .
line - "Subtotal (lines 215 to 221)" . fld_NS_A3
line 550 "Nova Scotia political contribution tax credit" fld_NS_550 .
line 893 "Nova Scotia political contributions" fld_NS_893 .
line 554 "Nova Scotia research and development tax credit" fld_NS_554 .
line 562 "Nova Scotia capital investment tax credit" fld_NS_562 .
line 563 "Nova Scotia innovation equity tax credit" fld_NS_563 .
line 570 "Nova Scotia food bank tax credit for farmers" fld_NS_570 .
line 556 "Nova Scotia tax holiday for new small businesses" fld_NS_556 .
line 834 "Tax holiday certificate number" fld_NS_834 .
line - "Total credits" . fld_NS_B3
line - "Nova Scotia tax after credits (if negative, enter 0)" . fld_NS_C3
line 565 "Nova Scotia film industry tax credit" fld_NS_565 .
line 836 "Film industry tax credit certificate number" fld_NS_836 .
line 566 "Nova Scotia research and development tax credit (refundable)" fld_NS_566 .
line 567 "Nova Scotia digital media tax credit" fld_NS_567 .
line 838 "Digital media tax credit certificate number" fld_NS_838 .
line 568 "Nova Scotia digital animation tax credit" fld_NS_568 .
line 841 "Digital animation tax credit certificate number" fld_NS_841 .
line 569 "Nova Scotia film and television production incentive fund" fld_NS_569 .
line 839 "Production incentive certificate number" fld_NS_839 .
line - "Nova Scotia refundable credits" . fld_NS_D3
line 224 "Net Nova Scotia tax payable or refundable credits" . fld_NS_224
section "New Brunswick"
line 225 "New Brunswick tax on taxable income" fld_NB_225 .
line 573 "New Brunswick recapture of research and development tax credit" fld_NB_573 .
line - "Subtotal (line 225 plus line 573)" . fld_NB_A4
line 576 "New Brunswick political contribution tax credit" fld_NB_576 .
line 578 "New Brunswick small business investor tax credit" fld_NB_578 .
line - "Total credits" . fld_NB_B4
line - "New Brunswick tax after credits (if negative, enter 0)" . fld_NB_C4
line 595 "New Brunswick film tax credit" fld_NB_595 .
line 850 "Film tax credit certificate number" fld_NB_850 .
line 597 "New Brunswick research and development tax credit" fld_NB_597 .
line - "New Brunswick refundable credits" . fld_NB_D4
line 229 "Net New Brunswick tax payable or refundable credits" . fld_NB_229

page TaxForm_Sch5_tab4 4
title "Schedule 5 - Part 2 - Ontario"
section "Ontario"
columns 2
line 270 "Ontario basic income tax (Schedule 500)" fld_ON_270 .
line 402 "Ontario small business deduction (Schedule 500)" fld_ON_402 .
line - "Subtotal (if negative, enter 0)" . fld_ON_A6
line 276 "Ontario additional tax re Crown royalties (Schedule 504)" fld_ON_276 .
line 277 "Ontario transitional tax debits (Schedule 506)" fld_ON_277 .
line - "Subtotal (line 276 plus line 277)" . fld_ON_B6
line - "Gross Ontario tax" . fld_ON_C6
line 404 "Ontario resource tax credit (Schedule 504)" fld_ON_404 .
line 406 "Ontario tax credit for manufacturing and processing (Schedule 502)" fld_ON_406 .
line 408 "Ontario foreign tax credit (Schedule 21)" fld_ON_408 .
line 410 "Ontario credit union tax reduction (Schedule 500)" fld_ON_410 .
line 414 "Ontario political contributions tax credit (Schedule 525)" fld_ON_414 .
line 415 "Ontario transitional tax credits (Schedule 506)" fld_ON_415 .
line - "Total credits" . fld_ON_D6
line - "Ontario tax after credits (if negative, enter 0)" . fld_ON_E6
line 416 "Ontario research and development tax credit (Schedule 566)" fld_ON_416 .
line - "Ontario corporate income tax payable before the farmers' credit" . fld_ON_F6
line 418 "Ontario corporate minimum tax credit (Schedule 510)" fld_ON_418 .
line 420 "Ontario community food program donation tax credit for farmers (Schedule 2)" fld_ON_420 .
line - "Ontario corporate income tax payable (if negative, enter 0)" . fld_ON_G6
line 278 "Ontario corporate minimum tax (Schedule 510)" fld_ON_278 .
line 280 "Ontario special additional tax on life insurance corporations (Schedule 512)" fld_ON_280 .
line - "Subtotal (line 278 plus line 280)" . fld_ON_H6
line - "Total Ontario tax payable before refundable credits" . fld_ON_I6
line 450 "Ontario qualifying environmental trust tax credit" fld_ON_450 .
line 452 "Ontario co-operative education tax credit (Schedule 550)" fld_ON_452 .
line 454 "Ontario apprenticeship training tax credit (Schedule 552)" fld_ON_454 .
line 456 "Ontario computer animation and special effects tax credit (Schedule 554)" fld_ON_456 .
line 458 "Ontario film and television tax credit (Schedule 556)" fld_ON_458 .
line 460 "Ontario production services tax credit (Schedule 558)" fld_ON_460 .
line 462 "Ontario interactive digital media tax credit (Schedule 560)" fld_ON_462 .
line 466 "Ontario book publishing tax credit (Schedule 564)" fld_ON_466 .
line 468 "Ontario innovation tax credit (Schedule 566)" fld_ON_468 .
line 470 "Ontario business-research institute tax credit (Schedule 568)" fld_ON_470 .
line 472 "Ontario regional opportunities investment tax credit (Schedule 570)" fld_ON_472 .
line - "Ontario refundable credits" . fld_ON_J6
line 290 "Net Ontario tax payable or refundable credits" . fld_ON_290

page TaxForm_Sch5_tab5 5
title "Schedule 5 - Part 2 - Manitoba and Saskatchewan"
section "Manitoba"
columns 2
line 230 "Manitoba tax on taxable income" fld_MB_230 .
line 601 "Manitoba political contribution tax credit" fld_MB_601 .
line 602 "Manitoba manufacturing investment tax credit" fld_MB_602 .
line 605 "Manitoba research and development tax credit" fld_MB_605 .
line 606 "Manitoba odour control tax credit" fld_MB_606 .
line 607 "Manitoba small business venture capital tax credit" fld_MB_607 .
line 608 "Manitoba employee share purchase tax credit" fld_MB_608 .
line 609 "Manitoba mineral exploration tax credit" fld_MB_609 .
line - "Total credits" . fld_MB_B7
line - "Manitoba tax after credits (if negative, enter 0)" . fld_MB_C7
line 611 "Manitoba manufacturing investment tax credit (refundable)" fld_MB_611 .
line 613 "Manitoba research and development tax credit (refundable)" fld_MB_613 .
line 614 "Manitoba co-op education and apprenticeship tax credit" fld_MB_614 .
line 615 "Manitoba paid work experience tax credit" fld_MB_615 .
line 619 "Manitoba odour control tax credit (refundable)" fld_MB_619 .
line 620 "Manitoba cultural industries printing tax credit" fld_MB_620 .
line 621 "Manitoba film and video production tax credit" fld_MB_621 .
line 622 "Manitoba book publishing tax credit" fld_MB_622 .
line 623 "Manitoba interactive digital media tax credit" fld_MB_623 .
line 326 "Manitoba data processing investment tax credits" fld_MB_326 .
line 327 "Manitoba rental housing construction tax credit" fld_MB_327 .
line 328 "Manitoba community enterprise development tax credit" fld_MB_328 .
line 889 "Manitoba certificate number" fld_MB_889 .
line - "Manitoba refundable credits" . fld_MB_D7
line 234 "Net Manitoba tax payable or refundable credits" . fld_MB_234
section "Saskatchewan"
line 235 "Saskatchewan tax on taxable income" fld_SK_235 .
line 624 "Saskatchewan political contribution tax credit" fld_SK_624 .
line 890 "Saskatchewan political contributions" fld_SK_890 .
line 625 "Saskatchewan manufacturing and processing profits tax reduction" fld_SK_625 .
line 626 "Saskatchewan manufacturing and processing investment tax credit" fld_SK_626 .
line 631 "Saskatchewan research and development tax credit" fld_SK_631 .
line - "Total credits" . fld_SK_B8
line - "Saskatchewan tax after credits (if negative, enter 0)" . fld_SK_C8
line 641 "Saskatchewan qualifying environmental trust tax credit" fld_SK_641 .
line 644 "Saskatchewan research and development tax credit (refundable)" fld_SK_644 .
line 645 "Saskatchewan film employment tax credit" fld_SK_645 .
line - "Saskatchewan refundable credits" . fld_SK_D8
line 239 "Net Saskatchewan tax payable or refundable credits" . fld_SK_239

page TaxForm_Sch5_tab6 6
title "Schedule 5 - Part 2 - British Columbia"
section "British Columbia"
columns 2
line 240 "British Columbia tax on taxable income" fld_BC_240 .
line 241 "British Columbia tax on the capital gains of a mutual fund" fld_BC_241 .
line - "Subtotal (line 240 plus line 241)" . fld_BC_A10
line 650 "British Columbia small business venture capital tax credit" fld_BC_650 .
line 651 "British Columbia research and development tax credit" fld_BC_651 .
line 653 "British Columbia political contribution tax credit" fld_BC_653 .
line 896 "British Columbia political contributions" fld_BC_896 .
line 683 "British Columbia farmer's food donation tax credit" fld_BC_683 .
line 656 "British Columbia training tax credit" fld_BC_656 .
line 880 "Training tax credit: total from the basic and completion credits" fld_BC_880 .
line 883 "Training tax credit: credits for apprentices with disabilities" fld_BC_883 .
line 881 "Training tax credit: shipbuilding and ship repair credits" fld_BC_881 .
line 882 "Shipbuilding and ship repair certificate number" fld_BC_882 .
line 659 "British Columbia other tax credits" fld_BC_659 .
line - "Total credits" . fld_BC_B10
line - "British Columbia tax after credits (if negative, enter 0)" . fld_BC_C10
line 670 "British Columbia qualifying environmental trust tax credit" fld_BC_670 .
line 671 "British Columbia film and television tax credit" fld_BC_671 .
line 672 "British Columbia production services tax credit" fld_BC_672 .
line 673 "British Columbia research and development tax credit (refundable)" fld_BC_673 .
line 674 "British Columbia mining exploration tax credit" fld_BC_674 .
line 665 "British Columbia mining flow-through share tax credit (line 886 x 90%)" . fld_BC_665
line 886 "Mining flow-through share credit amount" fld_BC_886 .
line 679 "British Columbia book publishing tax credit" fld_BC_679 .
line 680 "British Columbia interactive digital media tax credit" fld_BC_680 .
line - "British Columbia refundable credits" . fld_BC_D10
line 244 "Net British Columbia tax payable or refundable credits" . fld_BC_244

page TaxForm_Sch5_tab7 7
title "Schedule 5 - Part 2 - Yukon, Northwest Territories and Nunavut"
section "Yukon"
columns 2
line 245 "Yukon tax on taxable income" fld_YT_245 .
line 675 "Yukon political contribution tax credit" fld_YT_675 .
line 897 "Yukon political contributions" fld_YT_897 .
line 676 "Yukon manufacturing and processing profits tax credit" fld_YT_676 .
line 677 "Yukon research and development tax credit" fld_YT_677 .
line - "Total credits" . fld_YT_B11
line - "Yukon tax after credits (if negative, enter 0)" . fld_YT_C11
line 698 "Yukon research and development tax credit (refundable)" fld_YT_698 .
line 699 "Yukon business carbon price rebate" fld_YT_699 .
line - "Yukon refundable credits" . fld_YT_699_after
line 249 "Net Yukon tax payable or refundable credits" . fld_YT_249
section "Northwest Territories"
line 250 "Northwest Territories tax on taxable income" fld_NT_250 .
line 700 "Northwest Territories political contribution tax credit" fld_NT_700 .
line 898 "Northwest Territories political contributions" fld_NT_898 .
line 701 "Northwest Territories investment tax credit" fld_NT_701 .
line - "Total credits" . fld_NT_B12
line 254 "Net Northwest Territories tax payable (if negative, enter 0)" . fld_NT_254
section "Nunavut"
line 260 "Nunavut tax on taxable income" fld_NU_260 .
line 725 "Nunavut political contribution tax credit" fld_NU_725 .
line 899 "Nunavut political contributions" fld_NU_899 .
line 730 "Nunavut business training tax credit" fld_NU_730 .
line - "Total credits" . fld_NU_B13
line - "Nunavut tax after credits (if negative, enter 0)" . fld_NU_740_b4
line 740 "Nunavut business training tax credit (refundable)" fld_NU_740 .
line 264 "Net Nunavut tax payable or refundable credits" . fld_NU_264
section "Summary"
line 255 "Net provincial and territorial tax payable or refundable credits (enter on line 82 of the return)" . fld_255
)PAGES");
