#include "slips/t3slip.h"

#include "framework/amounts.h"
#include "framework/slipcalc.h"
#include "slips/slip_texts.h"
#include "framework/year_figures.h"

#include <algorithm>

using S = TaxData_Slip_T3;

const std::vector<S::Box>& S::boxes()
{
    // Members of the slip totals record that the return and its schedules read.
    static const std::vector<Box> kBoxes = {
        {21, &S::box_21, &S::box_21_percent, 0},  {22, &S::box_22, &S::box_22_percent, 1},
        {23, &S::box_23, &S::box_23_percent, 2},  {24, &S::box_24, &S::box_24_percent, 9},
        {25, &S::box_25, &S::box_25_percent, 11}, {26, &S::box_26, &S::box_26_percent, 10},
        {30, &S::box_30, &S::box_30_percent, 8},  {31, &S::box_31, &S::box_31_percent, 12},
        {32, &S::box_32, &S::box_32_percent, 3},  {33, &S::box_33, &S::box_33_percent, 17},
        {34, &S::box_34, &S::box_34_percent, 18}, {35, &S::box_35, &S::box_35_percent, 13},
        {37, &S::box_37, &S::box_37_percent, 14}, {38, &S::box_38, &S::box_38_percent, 15},
        {39, &S::box_39, &S::box_39_percent, 4},  {42, &S::box_42, &S::box_42_percent, 23},
        {49, &S::box_49, &S::box_49_percent, 5},  {50, &S::box_50, &S::box_50_percent, 6},
        {51, &S::box_51, &S::box_51_percent, 7},
    };
    return kBoxes;
}

namespace {
// The rate a slip's currency allows: Canadian dollars always 1; US dollars the
// year's rate unless the user gave another; any other currency 1 when none given.
double settledRate(const QString& currencyText, double rate)
{
    QString currency = currencyText;
    currency.remove(QLatin1Char(' '));
    if (currency.isEmpty() || currency.compare(QLatin1String("CAD"), Qt::CaseInsensitive) == 0)
        return 1.0;
    if (currency.compare(QLatin1String("USD"), Qt::CaseInsensitive) == 0)
        return !amountPresent(rate) || !amountPresent(rate - 1.0) ? year_figures::kUsdAnnualAverageRate : rate;
    return amountPresent(rate) ? rate : 1.0;
}
}  // namespace

int S::Calculate02()
{
    box_percent = std::clamp(box_percent.value(), 0.0, 100.0);
    box_curcy_rate = settledRate(box_curcy_name, box_curcy_rate);
    for (const Box& b : boxes())
        this->*b.share = (this->*b.amount) * box_curcy_rate * box_percent / 100.0;
    return 0;
}

int S::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    if (amountPresent(box_49) != amountPresent(box_50)) {
        addMessage(messages, amountPresent(box_49) ? box_50 : box_49,
                   "box 49 and 50 should both have an amount at the same time.");
        return 1;
    }
    return 0;
}

int S::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    // The carry-forward resets every amount; the rate restarts at the year's
    // US dollar rate (a Canadian dollar slip sets it back to 1 when calculated).
    const int result = CSlipTaxDataBase01::ChangeToNewYearData(param);
    box_curcy_rate = year_figures::kUsdAnnualAverageRate;
    return result;
}

bool S::GetDisplayName(CString& out)
{
    return displayNameFrom(box_name, out);
}

void S::addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const
{
    for (const Box& b : boxes())
        totals.add(b.totalsMember, this->*b.share);
}

std::vector<SlipKeyBox> S::slipKeyBoxes() const
{
    return {{QStringLiteral("21"), box_21_percent}, {QStringLiteral("49"), box_49_percent}};
}
