#include "statements/vehicle_charts.h"

#include "framework/checks.h"
#include "framework/year_figures.h"

#include <algorithm>

using namespace year_figures;

double VehicleCharts::calculate()
{
    // Chart B: interest, at most the daily limit times the days.
    interestLimit = interestPerDay * interestDays;
    interestAllowed = std::max(0.0, std::min<double>(interestPaid, interestLimit));
    interest = interestAllowed.value();

    // Chart C: leasing, limited by the list price and the monthly limit, sales taxes included.
    listPriceLimit = kVehicleListPriceLimit;
    monthlyLeaseLimit = kVehicleMonthlyLeaseLimit;
    capitalCostLimit = kVehicleCapitalCostLimit;
    const double withTaxes = 1.0 + salesTaxPercent / 100.0;
    line5a = std::max<double>(withTaxes * kVehicleListPriceLimit, listPrice);
    line5 = line5a * 0.85;
    line6a = withTaxes * kVehicleMonthlyLeaseLimit * leaseDays / 30.0;
    line6b = leaseDeductedBefore.value();
    line6 = line6a - line6b;
    line7 = div(withTaxes * kVehicleCapitalCostLimit * leaseCharges, line5, 0.0);
    line8 = std::max(0.0, std::min<double>(line6, line7));
    leasing = line8.value();

    // Chart A: the business share of the expenses by kilometres.
    total = fuel + interest + insurance + licence + maintenance + leasing + electricCharging + other9 + other10;
    if (km < 0.0)
        km = 0.0;
    if (totalKm < 0.0)
        totalKm = 0.0;
    businessPart = totalKm > 0.0 ? km / totalKm * total : 0.0;
    allowable = businessPart + parking + supplementaryInsurance;
    return allowable;
}

double VehicleChartSet::calculate()
{
    double total = 0.0;
    for (VehicleCharts& vehicle : vehicles)
        total += vehicle.calculate();
    return total;
}
