// The amount conventions every calculation shares: an amount counts as
// present when its absolute value is at least 0.009, and one amount exceeds
// another only by at least that much. Nothing is rounded in calculations.
#pragma once

#include <cmath>

constexpr double AMOUNT_TOLERANCE = 0.009;

inline bool amountPresent(double x)
{
    return std::fabs(x) >= AMOUNT_TOLERANCE;
}

inline bool amountExceeds(double a, double b)
{
    return a - b >= AMOUNT_TOLERANCE;
}
