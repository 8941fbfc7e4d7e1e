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

// Form T2000: tax on agreements to acquire shares, per agreement (columns I, J, K).
constexpr double kT2000AgreementRate = 0.01;

// SIFT trust charts: tax on taxable income other than taxable SIFT distributions (chart 2 line A).
constexpr double kSiftTaxableIncomeRate = 0.33;

// Form T184, capital gains refund of a mutual fund trust.
constexpr double kT184TaxRate = 0.33;         // lines A and B
constexpr double kT184RefundRate = 0.165;     // refund on redemptions; line 84005 grossed up by 100/16.5
constexpr double kT184OntarioRate = 0.2053;
constexpr double kT184OntarioRefundRate = 0.10265;
constexpr double kT184ManitobaRate = 0.174;
constexpr double kT184ManitobaRefundRate = 0.087;
constexpr double kT184AlbertaRate = 0.15;
constexpr double kT184AlbertaRefundRate = 0.075;
// Provincial capital gains refund: percent of the federal refund, by
// jurisdiction code 0 to 13 (Alberta, Manitoba and Ontario have parts of
// their own, Quebec none).
struct T184ProvincialRate {
    int jurisdiction;
    double percent;
    bool applies;
};
constexpr T184ProvincialRate kT184ProvincialRates[] = {
    {0, 0.0, false},   {1, 0.0, false},    {2, 62.12, true}, {3, 0.0, false},  {4, 57.0, true},
    {5, 58.0, true},   {6, 57.5, true},    {7, 42.58, true}, {8, 34.85, true}, {9, 0.0, false},
    {10, 57.5, true},  {11, 0.0, false},   {12, 43.94, true}, {13, 42.67, true},
};

// Schedule 11A, donations and gifts tax credit.
constexpr double kDonationNetIncomeLimit = 0.75;          // line 6
constexpr double kDonationLowRateAmount = 200.0;          // line 16
constexpr double kDonationLowRate = 0.15;                 // line 29
constexpr double kDonationMiddleRate = 0.29;              // line 27
constexpr double kDonationHighRate = 0.33;                // line 25
constexpr double kDonationHighRateThreshold = 221708.0;   // line 22 (not a bracket threshold)
constexpr double kDonationGainsShare = 0.25;              // lines 7 and 8, as printed

// Schedule 10: Part XII.2 tax (line 12) and Part II.2 tax on repurchases of equity (line 53).
constexpr double kPartXII2TaxRate = 0.40;
constexpr double kPartII2TaxRate = 0.02;

// Capital gains schedules (Schedules 3 and 4).
// Schedule 3 line 4: eligible capital gains at the inclusion rate of one half.
constexpr double kSch3InclusionRate = 0.5;
// Schedule 3 chart "Calculation for line 17": the inclusion rate of each year
// 1985 to 1991, applied to the reserves brought into income.
constexpr double kSch3ChartRates[] = {0.5, 0.5, 0.5, 0.6666666666666666, 0.6666666666666666, 0.75, 0.75};
constexpr int kSch3ChartFirstYear = 1985;

// Schedule 12, minimum tax.
constexpr double kMinTaxConversionRate = 0.6;         // line 3B, before the user replaces it
constexpr double kMinTaxGiftsGainsShare = 0.3;        // line 7
constexpr double kMinTaxLossShare = 0.5;              // lines 31 and 39
constexpr double kMinTaxRate = 0.205;                 // lines 48 and 55
constexpr double kMinTaxForeignTaxShare = 0.6667;     // line 49, as printed (66.67%)
constexpr double kMinTaxDonationCreditShare = 0.8;    // line 58
constexpr double kMinTaxBasicExemption = 173205.0;    // line 41, graduated rate estates
// Chart 3: the jurisdiction's rate, and whether its base is line 89 (else
// line 60 minus line 75, floored).
struct MinTaxProvincialRate {
    int jurisdiction;
    double rate;
    bool onLine89;
};
constexpr MinTaxProvincialRate kMinTaxProvincialRates[] = {
    {5, 0.58, true},  {6, 0.575, true}, {4, 0.57, false}, {10, 0.575, true}, {3, 0.5, false},   {12, 0.5, false},
    {1, 0.35, false}, {2, 0.337, true}, {8, 0.45, true},  {7, 0.45, true},   {13, 0.4267, true},
};

constexpr double kT3MPartXII4Rate = 0.15;  // Form T3M line 175
// Form T3M line 176: percent of line 295 by province code (ENUMTYPE_PROVINCE 0 to 13).
constexpr double kT3MProvincialRates[14] = {0.0, 8.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 11.5, 0.0, 0.0, 12.0, 0.0};
// Form T3-RCA: the refundable tax of Part XI.3, 50 % of contributions and income.
constexpr double kRcaRefundableTaxRate = 0.5;


// Form T2038(IND), investment tax credit: the rates of Parts A, C and E as
// the form prints them, the salary counted per apprentice, and the number
// of previous years a credit is carried back to.
constexpr double kItcSredRate = 0.15;               // lines 6712 and 6715
constexpr double kItcQualifiedPropertyRate = 0.10;  // line 6714
constexpr double kItcApprenticeJobRate = 0.15;      // line 6717
constexpr double kItcChildCareSpacesRate = 0.30;    // line 67175
constexpr double kItcApprenticeSalaryRate = 0.10;   // line 67180
constexpr double kItcApprenticeSalaryCap = 20000.0;
constexpr double kItc67184Rate = 0.20;
constexpr double kItc67185Rate = 0.15;
constexpr double kItcRecapture6726Rate = 0.15;
constexpr double kItcRecapture6713Rate = 0.20;
constexpr double kItcRefundRate = 0.40;             // Part E: refundable part
constexpr int kItcCarrybackYears = 3;

// Schedule 5: the share of line 886 that British Columbia line 665 credits.
constexpr double kSch5BcLine665Share = 0.9;
// Passenger vehicles of the business and farming statements (Chart C):
// the list price, monthly lease and capital cost limits.
constexpr double kVehicleListPriceLimit = 40000.0;
constexpr double kVehicleMonthlyLeaseLimit = 900.0;
constexpr double kVehicleCapitalCostLimit = 34000.0;
// Received slips in US dollars: the year's annual average exchange rate,
// taken when the slip gives none.
constexpr double kUsdAnnualAverageRate = 1.3698;
}  // namespace year_figures

// Replaces each "{name}" in a page text with the figure's printed form:
//   {taxYear}                 "2024"
//   {bracketN.threshold}      "55,867.00"   (N from 1; {bracketN.threshold:whole} "55,867")
//   {bracketN.baseTax}        "8,380.05"
//   {bracketN.rate}           "20.5%"
//   {flatRate}, {surtaxRate}, {quebecAbatementRate}, {t2000Rate}, {siftRate}   "33%" ...
//   {t184Rate}, {t184RefundRate}, {t184OntarioRate} ... (Form T184's rates)
//   {donationLowRate}, {donationHighRateThreshold}, ... (Schedule 11A)
//   {partXII2TaxRate}, {partII2TaxRate}                  (Schedule 10)
//   {flatRate}, {surtaxRate}, {quebecAbatementRate}   "33%" ...
//   {eligibleGrossUpRate}, {nonEligibleGrossUpRate}     "38%", "15%"
//   {minTaxRate}, {minTaxLossShare}, {minTaxProvincialRateN} ... (Schedule 12; N the jurisdiction code)
// An unknown name is left as it is (and named in `unknown` when given).
QString expandYearFigures(const QString& text, QStringList* unknown = nullptr);
