#include "pages/capital_cost_pages.h"

namespace {
void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// `text` with its parts "#1", "#2"... numbered from `firstPart`.
std::string numberParts(std::string text, int firstPart, int parts)
{
    for (int k = 1; k <= parts; ++k)
        replaceAll(text, "#" + std::to_string(k), std::to_string(firstPart + k - 1));
    return text;
}
}  // namespace

std::string claimTotalsDescription()
{
    return "columns 1\n"
           "line - \"Business-use-of-home part of the CCA\" fld_cca_usehome\n"
           "line - \"Total CCA claim for the year\" =fld_a_cca\n";
}

std::string netIncomeLinesDescription(int firstPart)
{
    return numberParts(R"PAGES(line 9974 "GST/HST rebate for partners received in the year" fld_9974
line - "Total" =fld_after_9974
line 9943 "Other amounts deductible from your share of net partnership income (loss) (Part #1)" =fld_9943
line - "Net income (loss) after adjustments" =fld_b4_9945
line 9945 "Business-use-of-home expenses (Part #2)" =fld_9945
line 9946 "Your net income (loss)" =fld_9946
)PAGES",
                       firstPart, 2);
}

std::string assetAreasDescription(const char* const (&prefixes)[4], const char* part)
{
    struct Area {
        const char* title;
        const char* amount;
        const char* code;
        const char* total;
    };
    static const Area areas[4] = {
        {"Area B - Equipment additions in the year", "Total cost", "9925", "Total equipment additions in the year"},
        {"Area C - Building additions in the year", "Total cost", "9927", "Total building additions in the year"},
        {"Area D - Equipment dispositions in the year", "Proceeds", "9926", "Total equipment dispositions in the year"},
        {"Area E - Building dispositions in the year", "Proceeds", "9928", "Total building dispositions in the year"},
    };
    std::string text;
    for (int a = 0; a < 4; ++a) {
        const std::string p = prefixes[a];
        text += std::string("title \"") + areas[a].title + "\"\ncolumns \"1 Class\" \"2 Property details\" \"3 " +
                areas[a].amount + "\" \"4 Personal part\" \"5 " + part + "\"\n";
        for (int row = 1; row <= 4; ++row) {
            const std::string r = std::to_string(row);
            text += "line - \"" + r + "\"";
            for (int column = 1; column <= 5; ++column)
                text += std::string(column == 5 ? " =" : " ") + p + std::to_string(column) + "_" + r;
            text += "\n";
        }
        text += std::string("line ") + areas[a].code + " \"" + areas[a].total + "\" . . . . =fld_" +
                areas[a].code + "\n";
    }
    return text + "title \"Areas F and G - Land\"\ncolumns 1\n"
                  "line 9923 \"Total cost of all land additions in the year\" fld_9923\n"
                  "line 9924 \"Total proceeds from all land dispositions in the year\" fld_9924\n"
                  "title \"Capital cost summary by class (Areas B to E)\"\n"
                  "display cacSummary \"Additions and dispositions, to compare with columns 3 and 5 of Area A\"\n";
}

std::string classAreaDescription()
{
    return R"PAGES(
title "Area A - Calculation of capital cost allowance claim"
columns "1 Class" "2 UCC at the start" "3 Additions" "Immediate expensing additions" "5 Proceeds" "Immediate expensing dispositions" "6 UCC after" "Immediate expensing claimed"
line - "1" fld_a_1_1 fld_a_UCC1_1 fld_a_Add_1 fld_a_AddDiep_1 fld_a_Disp_1 fld_a_DispDiep_1 =fld_a_UCC2_1 fld_a_ImmExpDiep_1
line - "2" fld_a_1_2 fld_a_UCC1_2 fld_a_Add_2 fld_a_AddDiep_2 fld_a_Disp_2 fld_a_DispDiep_2 =fld_a_UCC2_2 fld_a_ImmExpDiep_2
line - "3" fld_a_1_3 fld_a_UCC1_3 fld_a_Add_3 fld_a_AddDiep_3 fld_a_Disp_3 fld_a_DispDiep_3 =fld_a_UCC2_3 fld_a_ImmExpDiep_3
line - "4" fld_a_1_4 fld_a_UCC1_4 fld_a_Add_4 fld_a_AddDiep_4 fld_a_Disp_4 fld_a_DispDiep_4 =fld_a_UCC2_4 fld_a_ImmExpDiep_4
line - "5" fld_a_1_5 fld_a_UCC1_5 fld_a_Add_5 fld_a_AddDiep_5 fld_a_Disp_5 fld_a_DispDiep_5 =fld_a_UCC2_5 fld_a_ImmExpDiep_5
line - "6" fld_a_1_6 fld_a_UCC1_6 fld_a_Add_6 fld_a_AddDiep_6 fld_a_Disp_6 fld_a_DispDiep_6 =fld_a_UCC2_6 fld_a_ImmExpDiep_6
line - "7" fld_a_1_7 fld_a_UCC1_7 fld_a_Add_7 fld_a_AddDiep_7 fld_a_Disp_7 fld_a_DispDiep_7 =fld_a_UCC2_7 fld_a_ImmExpDiep_7
line - "8" fld_a_1_8 fld_a_UCC1_8 fld_a_Add_8 fld_a_AddDiep_8 fld_a_Disp_8 fld_a_DispDiep_8 =fld_a_UCC2_8 fld_a_ImmExpDiep_8
line - "9" fld_a_1_9 fld_a_UCC1_9 fld_a_Add_9 fld_a_AddDiep_9 fld_a_Disp_9 fld_a_DispDiep_9 =fld_a_UCC2_9 fld_a_ImmExpDiep_9
line - "10" fld_a_1_10 fld_a_UCC1_10 fld_a_Add_10 fld_a_AddDiep_10 fld_a_Disp_10 fld_a_DispDiep_10 =fld_a_UCC2_10 fld_a_ImmExpDiep_10
line - "11" fld_a_1_11 fld_a_UCC1_11 fld_a_Add_11 fld_a_AddDiep_11 fld_a_Disp_11 fld_a_DispDiep_11 =fld_a_UCC2_11 fld_a_ImmExpDiep_11
line - "12" fld_a_1_12 fld_a_UCC1_12 fld_a_Add_12 fld_a_AddDiep_12 fld_a_Disp_12 fld_a_DispDiep_12 =fld_a_UCC2_12 fld_a_ImmExpDiep_12
line - "13" fld_a_1_13 fld_a_UCC1_13 fld_a_Add_13 fld_a_AddDiep_13 fld_a_Disp_13 fld_a_DispDiep_13 =fld_a_UCC2_13 fld_a_ImmExpDiep_13
line - "14" fld_a_1_14 fld_a_UCC1_14 fld_a_Add_14 fld_a_AddDiep_14 fld_a_Disp_14 fld_a_DispDiep_14 =fld_a_UCC2_14 fld_a_ImmExpDiep_14
line - "15" fld_a_1_15 fld_a_UCC1_15 fld_a_Add_15 fld_a_AddDiep_15 fld_a_Disp_15 fld_a_DispDiep_15 =fld_a_UCC2_15 fld_a_ImmExpDiep_15
line - "16" fld_a_1_16 fld_a_UCC1_16 fld_a_Add_16 fld_a_AddDiep_16 fld_a_Disp_16 fld_a_DispDiep_16 =fld_a_UCC2_16 fld_a_ImmExpDiep_16
line - "17" fld_a_1_17 fld_a_UCC1_17 fld_a_Add_17 fld_a_AddDiep_17 fld_a_Disp_17 fld_a_DispDiep_17 =fld_a_UCC2_17 fld_a_ImmExpDiep_17
line - "18" fld_a_1_18 fld_a_UCC1_18 fld_a_Add_18 fld_a_AddDiep_18 fld_a_Disp_18 fld_a_DispDiep_18 =fld_a_UCC2_18 fld_a_ImmExpDiep_18
columns "4 AIIP additions" "7 AIIP reduction" "8 AIIP adjustment" "9 Half-year" "10 Base" "Enter rate" "11 Rate %" "Enter claim" "12 CCA" "13 UCC at the end"
line - "1" fld_a_AdditionAIIP_1 =fld_a_DispReduceAIIP_1 fld_a_AdjAIIP_1 =fld_a_AdjHalfY_1 =fld_a_BaseAmt_1 fld_ws_rate_overwrite_1 fld_a_Rate_1 fld_ws_claim_overwrite_1 fld_a_Claim_1 =fld_a_End_1
line - "2" fld_a_AdditionAIIP_2 =fld_a_DispReduceAIIP_2 fld_a_AdjAIIP_2 =fld_a_AdjHalfY_2 =fld_a_BaseAmt_2 fld_ws_rate_overwrite_2 fld_a_Rate_2 fld_ws_claim_overwrite_2 fld_a_Claim_2 =fld_a_End_2
line - "3" fld_a_AdditionAIIP_3 =fld_a_DispReduceAIIP_3 fld_a_AdjAIIP_3 =fld_a_AdjHalfY_3 =fld_a_BaseAmt_3 fld_ws_rate_overwrite_3 fld_a_Rate_3 fld_ws_claim_overwrite_3 fld_a_Claim_3 =fld_a_End_3
line - "4" fld_a_AdditionAIIP_4 =fld_a_DispReduceAIIP_4 fld_a_AdjAIIP_4 =fld_a_AdjHalfY_4 =fld_a_BaseAmt_4 fld_ws_rate_overwrite_4 fld_a_Rate_4 fld_ws_claim_overwrite_4 fld_a_Claim_4 =fld_a_End_4
line - "5" fld_a_AdditionAIIP_5 =fld_a_DispReduceAIIP_5 fld_a_AdjAIIP_5 =fld_a_AdjHalfY_5 =fld_a_BaseAmt_5 fld_ws_rate_overwrite_5 fld_a_Rate_5 fld_ws_claim_overwrite_5 fld_a_Claim_5 =fld_a_End_5
line - "6" fld_a_AdditionAIIP_6 =fld_a_DispReduceAIIP_6 fld_a_AdjAIIP_6 =fld_a_AdjHalfY_6 =fld_a_BaseAmt_6 fld_ws_rate_overwrite_6 fld_a_Rate_6 fld_ws_claim_overwrite_6 fld_a_Claim_6 =fld_a_End_6
line - "7" fld_a_AdditionAIIP_7 =fld_a_DispReduceAIIP_7 fld_a_AdjAIIP_7 =fld_a_AdjHalfY_7 =fld_a_BaseAmt_7 fld_ws_rate_overwrite_7 fld_a_Rate_7 fld_ws_claim_overwrite_7 fld_a_Claim_7 =fld_a_End_7
line - "8" fld_a_AdditionAIIP_8 =fld_a_DispReduceAIIP_8 fld_a_AdjAIIP_8 =fld_a_AdjHalfY_8 =fld_a_BaseAmt_8 fld_ws_rate_overwrite_8 fld_a_Rate_8 fld_ws_claim_overwrite_8 fld_a_Claim_8 =fld_a_End_8
line - "9" fld_a_AdditionAIIP_9 =fld_a_DispReduceAIIP_9 fld_a_AdjAIIP_9 =fld_a_AdjHalfY_9 =fld_a_BaseAmt_9 fld_ws_rate_overwrite_9 fld_a_Rate_9 fld_ws_claim_overwrite_9 fld_a_Claim_9 =fld_a_End_9
line - "10" fld_a_AdditionAIIP_10 =fld_a_DispReduceAIIP_10 fld_a_AdjAIIP_10 =fld_a_AdjHalfY_10 =fld_a_BaseAmt_10 fld_ws_rate_overwrite_10 fld_a_Rate_10 fld_ws_claim_overwrite_10 fld_a_Claim_10 =fld_a_End_10
line - "11" fld_a_AdditionAIIP_11 =fld_a_DispReduceAIIP_11 fld_a_AdjAIIP_11 =fld_a_AdjHalfY_11 =fld_a_BaseAmt_11 fld_ws_rate_overwrite_11 fld_a_Rate_11 fld_ws_claim_overwrite_11 fld_a_Claim_11 =fld_a_End_11
line - "12" fld_a_AdditionAIIP_12 =fld_a_DispReduceAIIP_12 fld_a_AdjAIIP_12 =fld_a_AdjHalfY_12 =fld_a_BaseAmt_12 fld_ws_rate_overwrite_12 fld_a_Rate_12 fld_ws_claim_overwrite_12 fld_a_Claim_12 =fld_a_End_12
line - "13" fld_a_AdditionAIIP_13 =fld_a_DispReduceAIIP_13 fld_a_AdjAIIP_13 =fld_a_AdjHalfY_13 =fld_a_BaseAmt_13 fld_ws_rate_overwrite_13 fld_a_Rate_13 fld_ws_claim_overwrite_13 fld_a_Claim_13 =fld_a_End_13
line - "14" fld_a_AdditionAIIP_14 =fld_a_DispReduceAIIP_14 fld_a_AdjAIIP_14 =fld_a_AdjHalfY_14 =fld_a_BaseAmt_14 fld_ws_rate_overwrite_14 fld_a_Rate_14 fld_ws_claim_overwrite_14 fld_a_Claim_14 =fld_a_End_14
line - "15" fld_a_AdditionAIIP_15 =fld_a_DispReduceAIIP_15 fld_a_AdjAIIP_15 =fld_a_AdjHalfY_15 =fld_a_BaseAmt_15 fld_ws_rate_overwrite_15 fld_a_Rate_15 fld_ws_claim_overwrite_15 fld_a_Claim_15 =fld_a_End_15
line - "16" fld_a_AdditionAIIP_16 =fld_a_DispReduceAIIP_16 fld_a_AdjAIIP_16 =fld_a_AdjHalfY_16 =fld_a_BaseAmt_16 fld_ws_rate_overwrite_16 fld_a_Rate_16 fld_ws_claim_overwrite_16 fld_a_Claim_16 =fld_a_End_16
line - "17" fld_a_AdditionAIIP_17 =fld_a_DispReduceAIIP_17 fld_a_AdjAIIP_17 =fld_a_AdjHalfY_17 =fld_a_BaseAmt_17 fld_ws_rate_overwrite_17 fld_a_Rate_17 fld_ws_claim_overwrite_17 fld_a_Claim_17 =fld_a_End_17
line - "18" fld_a_AdditionAIIP_18 =fld_a_DispReduceAIIP_18 fld_a_AdjAIIP_18 =fld_a_AdjHalfY_18 =fld_a_BaseAmt_18 fld_ws_rate_overwrite_18 fld_a_Rate_18 fld_ws_claim_overwrite_18 fld_a_Claim_18 =fld_a_End_18
)PAGES" + claimTotalsDescription();
}

std::string partnerAndHomeDescription(int firstPart)
{
    return numberParts(R"PAGES(
title "Part #1 - Other amounts deductible from your share of net partnership income (loss)"
columns 1
specify - fld_deduct_partnership_spec_1 fld_deduct_partnership_1
specify - fld_deduct_partnership_spec_2 fld_deduct_partnership_2
specify - fld_deduct_partnership_spec_3 fld_deduct_partnership_3
specify - fld_deduct_partnership_spec_4 fld_deduct_partnership_4
specify - fld_deduct_partnership_spec_5 fld_deduct_partnership_5
line - "Total" =fld_deduct_partnership_6
title "Part #2 - Business-use-of-home expenses"
line - "Heat" fld_usehome_1
line - "Electricity" fld_usehome_2
line - "Insurance" fld_usehome_3
line - "Maintenance" fld_usehome_4
line - "Mortgage interest" fld_usehome_5
line - "Property taxes" fld_usehome_6
line - "Other expenses" fld_usehome_7
line - "Subtotal" =fld_usehome_8
field - "Calculate the personal part at this rate" fld_usehome_usepersonalrate
field - "Personal rate" fld_usehome_personal_rate
line - "Minus: personal use part" fld_usehome_9
line - "Subtotal" =fld_usehome_10
line - "Plus: capital cost allowance (business part only)" fld_usehome_11
line - "Plus: amount carried forward from the previous year" fld_usehome_13
line - "Subtotal" =fld_usehome_14
line - "Net income (loss) after adjustments (if negative, enter 0)" =fld_usehome_15
line - "Amount to be carried forward to the following year" =fld_usehome_16
field - "Percentage of the home used for the business" fld_ws_pcnt_homeuse
field - "Enter the allowable claim myself" fld_ws_overwrite_homeuse
line - "Allowable claim" fld_usehome_17
title "Part #3 - Details of other partners"
columns "First name" "Last name" "Address" "Province" "Postal code" "Share of net income (loss)" "Percentage"
line - "Partner 1" fld_coowner_name_1 fld_coowner_lastname_1 fld_coowner_addr_1 fld_coowner_iprov_1:province fld_coowner_postcode_1 =fld_coowner_netincome_1 fld_coowner_percent_1
line - "Partner 2" fld_coowner_name_2 fld_coowner_lastname_2 fld_coowner_addr_2 fld_coowner_iprov_2:province fld_coowner_postcode_2 =fld_coowner_netincome_2 fld_coowner_percent_2
line - "Partner 3" fld_coowner_name_3 fld_coowner_lastname_3 fld_coowner_addr_3 fld_coowner_iprov_3:province fld_coowner_postcode_3 =fld_coowner_netincome_3 fld_coowner_percent_3
line - "Partner 4" fld_coowner_name_4 fld_coowner_lastname_4 fld_coowner_addr_4 fld_coowner_iprov_4:province fld_coowner_postcode_4 =fld_coowner_netincome_4 fld_coowner_percent_4
title "Details of equity"
columns 1
line 9931 "Total business liabilities" fld_9931
line 9932 "Drawings in 2024" fld_9932
line 9933 "Capital contributions in 2024" fld_9933
)PAGES",
                       firstPart, 3);
}
