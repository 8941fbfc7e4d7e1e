#include "statements/home_use.h"

#include <algorithm>

double HomeUseFields::calculate(double netIncome, bool shared, double percentOwner)
{
    subtotal = heat + electricity + insurance + maintenance + mortgageInterest + propertyTaxes + other;
    personalRate = std::clamp<double>(personalRate, 0.0, 100.0);
    if (usePersonalRate)
        personal = personalRate * subtotal / 100.0;
    if (personal > subtotal)
        personal = subtotal.value();
    business = subtotal - personal;
    total = business + cca + carriedFromLastYear;
    incomeLimit = std::max(0.0, netIncome);
    carriedToNextYear = std::max(0.0, total - incomeLimit);
    const double limit = std::min<double>(incomeLimit, total);
    if (overwrite)
        allowable = std::min<double>(allowable, limit);
    else
        allowable = shared ? limit * percentOwner / 100.0 : limit;
    allowable = std::max<double>(0.0, allowable);
    return allowable;
}
