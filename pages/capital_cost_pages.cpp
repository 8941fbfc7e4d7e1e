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

std::string assetAreasDescription(const char* const (&prefixes)[4], const char* part, int rows)
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
        for (int row = 1; row <= rows; ++row) {
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
repeat 18
line - "{n}" fld_a_1_{n} fld_a_UCC1_{n} fld_a_Add_{n} fld_a_AddDiep_{n} fld_a_Disp_{n} fld_a_DispDiep_{n} =fld_a_UCC2_{n} fld_a_ImmExpDiep_{n}
end repeat
columns "4 AIIP additions" "7 AIIP reduction" "8 AIIP adjustment" "9 Half-year" "10 Base" "Enter rate" "11 Rate %" "Enter claim" "12 CCA" "13 UCC at the end"
repeat 18
line - "{n}" fld_a_AdditionAIIP_{n} =fld_a_DispReduceAIIP_{n} fld_a_AdjAIIP_{n} =fld_a_AdjHalfY_{n} =fld_a_BaseAmt_{n} fld_ws_rate_overwrite_{n} fld_a_Rate_{n} fld_ws_claim_overwrite_{n} fld_a_Claim_{n} =fld_a_End_{n}
end repeat
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
columns "First name" "Last name" "Address"
repeat 4
line - "Partner {n}" fld_coowner_name_{n} fld_coowner_lastname_{n} fld_coowner_addr_{n}
end repeat
columns "Province" "Postal code" "Share of net income (loss)" "Percentage"
repeat 4
line - "Partner {n}" fld_coowner_iprov_{n}:province fld_coowner_postcode_{n} =fld_coowner_netincome_{n} fld_coowner_percent_{n}
end repeat
title "Details of equity"
columns 1
line 9931 "Total business liabilities" fld_9931
line 9932 "Drawings in 2024" fld_9932
line 9933 "Capital contributions in 2024" fld_9933
)PAGES",
                       firstPart, 3);
}
