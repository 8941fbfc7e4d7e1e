// The figures of the tax year this version prepares, in one place: the
// calculations read them by name here, and page texts print them through
// "{name}" placeholders (expandYearFigures), so a form and its page never
// disagree. A new year changes this table and nothing else.
#pragma once

#include <QString>

namespace year_figures {

constexpr int kTaxYear = 2024;
constexpr int kPreviousYear = kTaxYear - 1;
constexpr int kFollowingYear = kTaxYear + 1;
// Return periods this version handles: from the first day of the previous
// year to the last day of the following one (as validation prints them).
constexpr const char* kFirstPeriodDate = "01/01/2023";
constexpr const char* kLastPeriodDate = "12/31/2025";

// Federal brackets: threshold, rate, tax on income up to the threshold.
struct FederalBracket {
    double threshold;
    double rate;
    double baseTax;
};
constexpr FederalBracket kFederalBrackets[] = {
    {0.00, 0.15, 0.00},
    {55867.00, 0.205, 8380.05},
    {111733.00, 0.26, 19832.58},
    {173205.00, 0.29, 35815.30},
    {246752.00, 0.33, 57143.93},
};
constexpr int kFederalBracketCount = int(sizeof(kFederalBrackets) / sizeof(kFederalBrackets[0]));

// Trusts other than a graduated rate estate or qualified disability trust.
constexpr double kFlatRate = 0.33;
// Dividend tax credit factors of Schedule 11, as printed on the form (not 6/11 and 9/13).
constexpr double kEligibleDivCreditFactor = 0.545455;
constexpr double kNonEligibleDivCreditFactor = 0.692308;
constexpr double kQuebecAbatementRate = 0.165;
// Surtax on income not subject to provincial or territorial tax.
constexpr double kSurtaxRate = 0.48;

// Political contribution credit: base credit at `from` plus `rate` on the
// part above it, for contributions up to `upTo`; above the last row, the cap.
struct PoliticalCreditRow {
    double upTo;
    double from;
    double baseCredit;
    double rate;
};
constexpr PoliticalCreditRow kPoliticalCredit[] = {
    {400.0, 0.0, 0.0, 0.75},
    {750.0, 400.0, 300.0, 0.5},
    {1275.0, 750.0, 475.0, 0.3333},  // the form's factor, not 1/3
};
constexpr double kPoliticalCreditCap = 650.0;

// Dividend gross-up and federal dividend tax credit rates (Schedule 9, T3 slips).
constexpr double kNonEligibleGrossUp = 1.15;
constexpr double kNonEligibleCreditRate = 0.090301;
constexpr double kEligibleGrossUp = 1.38;
constexpr double kEligibleCreditRate = 0.150198;
// Schedule 8 Part B: gross-up of dividends retained or not designated by the trust.
constexpr double kEligibleGrossUpRate = 0.38;
constexpr double kNonEligibleGrossUpRate = 0.15;

// Form T2043, Return of Fuel Charge Proceeds to Farmers Tax Credit: one rate
// for Ontario, Manitoba, Saskatchewan and Alberta, and the eligible farming
// expenses below which lines 5A and 5B cannot be claimed.
constexpr double kFuelChargeFarmCreditRate = 0.00229;
constexpr double kFuelChargeMinimumExpenses = 25000.0;

}  // namespace year_figures

// Replaces each "{name}" in a page text with the figure's printed form:
//   {taxYear}                 "2024"
//   {bracketN.threshold}      "55,867.00"   (N from 1; {bracketN.threshold:whole} "55,867")
//   {bracketN.baseTax}        "8,380.05"
//   {bracketN.rate}           "20.5%"
//   {flatRate}, {surtaxRate}, {quebecAbatementRate}   "33%" ...
//   {eligibleGrossUpRate}, {nonEligibleGrossUpRate}     "38%", "15%"
// An unknown name is left as it is (and named in `unknown` when given).
QString expandYearFigures(const QString& text, QStringList* unknown = nullptr);
