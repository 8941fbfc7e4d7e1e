// Pages of Schedule 1, Dispositions of Capital Property (language:
// docs/pages.md): each period on two pages (sections 1 to 3, sections 4 to
// 8), then Part 3. The sections' rows repeat with the row number in their
// field names, so the description is written out here from one table of the
// sections; entries are typed in the columns of the disposition, and the
// trust's share columns and the gains are the calculation's.
#include "framework/page_description.h"

#include <string>
#include <vector>

namespace {
struct Column {
    const char* name;     // field name between "fld_" and the row suffix
    const char* heading;
    const char* kind;     // "" typed, "=" calculated, ":province" a province list
};
struct SectionLayout {
    const char* shortName;
    const char* title;
    int rows;
    int totalsBase;  // Period 1 line of the totals' tens (1710); Period 2 is 700 lower
    std::vector<Column> leading;  // the columns before the amounts
};

const std::vector<SectionLayout>& sections()
{
    static const std::vector<SectionLayout> table = {
        {"SmCorp", "1. Qualified small business corporation shares", 8, 1710,
         {{"ws_SmCorp_numofshares", "Number of shares", ""}, {"SmCorp_numofshares_percent", "Your share of the shares", "="},
          {"SmCorp_name", "Name of corporation and class of shares", ""}, {"SmCorp_year", "(1) Year of acquisition", ""}}},
        {"Farm", "2. Qualified farm and fishing property", 8, 1720,
         {{"Farm_addr", "Address or legal description", ""}, {"Farm_year", "(1) Year of acquisition", ""}}},
        {"Shares", "3 - Mutual fund units and other shares", 11, 1730,
         {{"ws_Shares_num", "Number of shares or units", ""}, {"Shares_num_percent", "Your share of the shares", "="},
          {"Shares_name", "Name of fund, corporation and class of shares", ""}, {"Shares_year", "(1) Year of acquisition", ""}}},
        {"Bond", "4 - Bonds, debentures, promissory notes, and other similar properties", 4, 1740,
         {{"Bond_facevalue", "Face value", ""}, {"Bond_date", "Maturity date", ""}, {"Bond_issuer", "Name of issuer", ""},
          {"Bond_year", "(1) Year of acquisition", ""}}},
        {"REDP", "5 - Real estate and depreciable property", 4, 1750,
         {{"REDP_addr", "Address or legal description", ""}, {"REDP_prov", "Province or territory", ":province"},
          {"REDP_year", "(1) Year of acquisition", ""}}},
        {"PUP", "6 - Personal-use property", 4, 1760,
         {{"PUP_desc", "Description", ""}, {"PUP_year", "(1) Year of acquisition", ""}}},
        {"LPP", "7 - Listed personal property (LPP)", 4, 1770,
         {{"LPP_desc", "Description", ""}, {"LPP_year", "(1) Year of acquisition", ""}}},
        {"NonQ", "8 - Non-Qualified investments for TFSA, RRSP, RDSP and RESP trusts", 4, 1790,
         {{"NonQ_desc", "Description", ""}, {"NonQ_year", "(1) Year of acquisition", ""}}},
    };
    return table;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// One section of a period: headings, rows, "Your share", the totals.
std::string sectionLines(const SectionLayout& s, bool period2, const std::string& afterRows)
{
    const std::string sep = period2 ? "_" : "_prd1_";
    const std::string S = s.shortName;
    std::vector<Column> cols = s.leading;
    const std::vector<Column> amounts = {
        {"ws_" "_disposition", "(2) Proceeds of disposition", ""}, {"ws_" "_costbase", "(3) Adjusted cost base", ""},
        {"ws_" "_expenses", "(4) Outlays and expenses", ""}, {"ws_" "_gain", "(5) Gain (or loss) column 2-(3+4)", "="},
        {"_disposition_percent", "Your share: proceeds", "="}, {"_costbase_percent", "Your share: cost base", "="},
        {"_expenses_percent", "Your share: outlays", "="}, {"_gain_percent", "Your share: gain (or loss)", "="}};
    std::string text = "section " + quoted(s.title) + "\ncolumns";
    for (const Column& c : cols)
        text += " " + quoted(c.heading);
    for (const Column& c : amounts)
        text += " " + quoted(c.heading);
    text += "\n";
    auto amountName = [&](const Column& c) {
        const std::string n = c.name;
        return n.rfind("ws_", 0) == 0 ? "ws_" + S + n.substr(3) : S + n;  // "ws__gain" -> "ws_SmCorp_gain"
    };
    for (int r = 1; r <= s.rows; ++r) {
        const std::string suffix = sep + std::to_string(r);
        text += "line - " + quoted(std::to_string(r));
        for (const Column& c : cols) {
            const std::string kind = c.kind;
            text += " " + std::string(kind == "=" ? "=" : "") + "fld_" + c.name + suffix + (kind == ":province" ? kind : "");
        }
        for (const Column& c : amounts)
            text += " " + std::string(*c.kind ? "=" : "") + "fld_" + amountName(c) + suffix;
        text += "\n";
    }
    text += afterRows;
    const int base = period2 ? s.totalsBase - 700 : s.totalsBase;
    std::string share = "fld_ws_" + S + (period2 ? "_percent" : "_percent_prd1");
    // Both lines start at the first of the trust's share columns, whatever the
    // section's leading columns: the percentage heads the columns it scales.
    std::string toShares;
    for (size_t i = 0; i < cols.size() + 4; ++i)
        toShares += " .";
    text += "line - \"Your share (%)\"" + toShares + " " + share + "\n";
    text += "line - " + quoted("Total: lines " + std::to_string(base + 1) + " and " + std::to_string(base + 2)) + toShares;
    text += " =fld_" + std::to_string(base + 1) + " . . =fld_" + std::to_string(base + 2) + "\n";
    return text;
}

std::string periodPages(bool period2)
{
    const char* page1 = period2 ? "TaxForm_Sch1_Page1" : "TaxForm_Sch1_Prd1Page1";
    const char* page2 = period2 ? "TaxForm_Sch1_Page2" : "TaxForm_Sch1_Prd1Page2";
    const std::string heading = period2 ? "Part 2 - Period 2 - after June 24, 2024" : "Part 1 - Period 1 - before June 25, 2024";
    const std::string p = period2 ? "prd2" : "prd1";
    const std::string lpp = period2 ? "1080" : "1780";
    std::string text;
    text += std::string("\npage ") + page1 + " \"Period " + (period2 ? "2" : "1") + "\"\n";
    text += "title " + quoted("Schedule 1 - Dispositions of Capital Property - " + heading) + "\n";
    for (int i = 0; i < 3; ++i) {
        std::string extra;
        if (period2 && i == 2)
            extra = "line - \"Enter the extra number entries you want for this section\" fld_ws_moreentry_num\n"
                    "button btnChangeExtraEntries \"Apply changes/View Extra Entries\"\n"
                    "button btnImportEntries \"Import Entries from .csv file\"\n";
        text += sectionLines(sections()[size_t(i)], period2, extra);
    }
    text += std::string("\npage ") + page2 + " \"Period " + (period2 ? "2" : "1") + "\"\n";
    text += "title " + quoted("Schedule 1 - Dispositions of Capital Property - " + heading) + "\n";
    for (int i = 3; i < 7; ++i)
        text += sectionLines(sections()[size_t(i)], period2, "");
    text += "columns 1\n";
    text += "line " + lpp + " \"LPP losses from line 7 of Form T1055 and unapplied LPP losses of other periods and years\" fld_" + lpp + "\n";
    text += "line 9 \"Net gain (or loss) from listed personal property\" =fld_after_" + lpp + "\n";
    text += "line 10 \"Add lines 1 to 6, plus line 9\" =fld_NetGain_" + p + "\n";
    text += sectionLines(sections()[7], period2, "");
    return text;
}

// Part 3: the two periods side by side.
const char* const kCalculationPage = R"PAGES(
page TaxForm_Sch1_CalcPage "Calculation"
title "Part 3 - Total capital gains (or losses)"
columns "Period 1" "Period 2"
line 12 "Amount from line 10 of Part 1 and Part 2" =fld_NetGainPrd1 =fld_NetGainPrd2
line - "13 Capital gains (or losses) from T3 information slips (lines 1700 and 1100)" fld_1700 fld_1100
line - "14 Capital gains from T5, T5013 and T4PS information slips (lines 1701 and 1101)" fld_1701 fld_1101
line 15 "Add lines 12 to 14" =fld_after_1701 =fld_after_1101
line - "16 Capital loss from a reduction in business investment loss (lines 1730 and 1130)" fld_1730 fld_1130
line 17 "Total of amounts in column 5 before reserves" =fld_AmtB4Reserve_prd1 =fld_AmtB4Reserve
line - "18 Reserves from line 4, column 3 of schedule 2 (lines 1770 and 1170)" fld_1770 fld_1170
line 19 "Line 17 plus line 18" =fld_after_1770 =fld_after_1170
line 20 "Capital gains on gifts eligible for the 0% inclusion rate (line 3 of Schedule 1A)" =fld_ZeroIncRateAmt_prd1 =fld_ZeroIncRateAmt
line 21 "Line 19 minus line 20" =fld_b4_1789 =fld_b4_1191
line - "22 Capital gains from gifts of other capital property (lines 1789 and 1191)" fld_1789 fld_1191
line - "23 Total capital losses transferred under subsection 164(6) (lines 1746 and 1646)" fld_1746 fld_1646
line - "24 Capital gains (or losses): line 21 plus line 23 (lines 1756 and 1656)" =fld_1756 =fld_1656
columns 1
line 24A "Line 1756 plus line 1656" =fld_TotalCapGain
line 26 "Taxable capital gains: line 24A x 50%" =fld_Line26
line 44 "Section 8 amounts (line 1091 plus line 1092)" =fld_Line44
line 1220 "Total taxable capital gains (or net capital losses)" =fld_1220
)PAGES";

std::string description()
{
    return "form Sch1\n" + periodPages(false) + periodPages(true) + kCalculationPage;
}

const std::string kText = description();
const PageDescriptionSource kSch1Pages("Sch1", kText.c_str());
}  // namespace
