// A place in the calculation pass: the phase (0 to 8: set-up, independent
// part, inputs of total income, total income, allocations, net and taxable
// income, federal and provincial tax, other forms, summary) and the step
// within it, as docs/calculation.md numbers them ("6.4" is {6, 4}).
#pragma once

#include <tuple>

struct CalcOrder {
    int phase;
    int step;
};

inline bool operator<(CalcOrder a, CalcOrder b)
{
    return std::tie(a.phase, a.step) < std::tie(b.phase, b.step);
}
