#include "framework/taxstairs.h"

#include <cstddef>

int STRUCT_TAX_STAIRS_JURISDICTION::CalcAlgoForSetFieldsToCalcTax(double income, double* threshold, double* rate,
                                                                 double* baseTax) const
{
    int chosen = levels.empty() ? -1 : 0;
    for (int i = 1; i < int(levels.size()); ++i)
        if (income > levels[std::size_t(i)].threshold)
            chosen = i;
    const Level none{0.0, 0.0, 0.0};
    const Level& l = chosen < 0 ? none : levels[std::size_t(chosen)];
    if (threshold)
        *threshold = l.threshold;
    if (rate)
        *rate = l.rate;
    if (baseTax)
        *baseTax = l.baseTax;
    return chosen;
}
