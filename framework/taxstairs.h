// A tax bracket table: levels of (threshold, rate, tax on income up to the threshold).
#pragma once

#include <vector>

struct STRUCT_TAX_STAIRS_JURISDICTION {
    struct Level {
        double threshold;
        double rate;
        double baseTax;
    };

    void addLevel(double threshold, double rate, double baseTax) { levels.push_back({threshold, rate, baseTax}); }
    bool isEmpty() const { return levels.empty(); }
    int size() const { return int(levels.size()); }

    // The level that applies to `income`: the last one whose threshold lies
    // below the income (an income equal to a threshold stays in the lower
    // level, where the tax is the same); the first level for an income at or
    // below 0. Answers the level's index, or -1 (all outputs 0) when empty.
    int CalcAlgoForSetFieldsToCalcTax(double income, double* threshold, double* rate, double* baseTax) const;

    std::vector<Level> levels;
};
