#include "slips/slip_t5.h"

#include "framework/amounts.h"
#include "framework/validation_messages.h"
#include "framework/year_figures.h"
#include "slips/slip_totals_members.h"

#include <algorithm>
#include <cmath>

namespace {
// The rate a slip in `currency` uses when `rate` is what the user entered.
double exchangeRate(const QString& currency, double rate)
{
    if (currency.isEmpty() || currency.compare(QLatin1String("CAD"), Qt::CaseInsensitive) == 0)
        return 1.0;
    const bool noRate = !amountPresent(rate);
    if (currency == QLatin1String("USD"))
        return noRate || !amountPresent(rate - 1.0) ? year_figures::kUsdAnnualAverageRate : rate;
    return noRate ? 1.0 : rate;
}

void pairMessage(std::list<CString>& messages, const CFloatField& a, const CFloatField& b, const char* text)
{
    if (amountPresent(a) != amountPresent(b))
        addMessage(messages, amountPresent(a) ? b : a, text);
}
}  // namespace

int TaxData_Slip_T5::Calculate02()
{
    floorAtZero({&box_10, &box_11, &box_12, &box_14, &box_15, &box_16, &box_17, &box_18, &box_24, &box_25,
                 &box_26});  // box 19 may be negative
    floorAtZero({&box_9909, &box_9910, &box_9911, &box_9912});
    box_13 = box_9909 + box_9910 + box_9911 + box_9912;
    box_curcy_rate = exchangeRate(box_curcy_name.trimmed(), box_curcy_rate);
    box_percent = std::clamp(box_percent.value(), 0.0, 100.0);

    const double factor = box_curcy_rate * box_percent / 100.0;
    const auto boxes = sharedBoxes();
    double interest = 0.0;
    for (size_t i = 0; i < boxes.size(); ++i) {
        m_shares[i] = *boxes[i] * factor;
        if (boxes[i]->lineNum() >= 9909)
            interest += m_shares[i];
    }
    m_shares[3] = interest;  // box 13: the sum of the shares of 9909 to 9912
    return 0;
}

std::array<const CFloatField*, TaxData_Slip_T5::kSharedBoxCount> TaxData_Slip_T5::sharedBoxes() const
{
    return {&box_10, &box_11, &box_12, &box_13, &box_9909, &box_9910, &box_9911, &box_9912, &box_14,
            &box_15, &box_16, &box_17, &box_18, &box_19, &box_24, &box_25, &box_26};
}

double TaxData_Slip_T5::share(int box) const
{
    const auto boxes = sharedBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->lineNum() == box)
            return m_shares[i];
    return 0.0;
}

int TaxData_Slip_T5::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    pairMessage(messages, box_10, box_11, "box 10 and 11 should both have an amount at the same time.");
    pairMessage(messages, box_24, box_25, "box 24 and 25 should both have an amount at the same time.");
    return int(messages.size() - before);
}

void TaxData_Slip_T5::addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const
{
    using namespace slip_members;
    using S = STRU_SLIPDATA_CALCULATION;
    addToTotals(totals, {{kT5NonEligibleDividends, share(10)},
                         {kT5TaxableNonEligible, share(11)},
                         {kT5NonEligibleCredit, share(12)},
                         {kT5Interest, share(13)},
                         {kT5OtherIncome, share(14)},
                         {S::FOREIGN_NONBUSINESS_INCOME_2, share(15)},
                         {S::FOREIGN_NONBUSINESS_TAX_PAID_2, share(16)},
                         {kT5Royalties, share(17)},
                         {kT5CapitalGainsDividends, share(18)},
                         {kT5AccruedAnnuity, share(19)},
                         {kT5EligibleDividends, share(24)},
                         {kT5TaxableEligible, share(25)},
                         {kT5EligibleCredit, share(26)}});
}

std::vector<SlipKeyBox> TaxData_Slip_T5::slipKeyBoxes() const
{
    return boxesByNumber({&box_10, &box_13, &box_24});
}
