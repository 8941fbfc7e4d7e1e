#include "pages/capital_cost_pages.h"

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
        text += std::string("line ") + areas[a].code + " \"" + areas[a].total + "\" . . . . =fld_" + areas[a].code + "\n";
    }
    return text + "title \"Areas F and G - Land\"\ncolumns 1\n"
                  "line 9923 \"Total cost of all land additions in the year\" fld_9923\n"
                  "line 9924 \"Total proceeds from all land dispositions in the year\" fld_9924\n";
}
