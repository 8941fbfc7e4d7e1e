#include "statements/cca_areas.h"

#include "framework/amounts.h"
#include "statements/cca_class_table.h"

#include <algorithm>

namespace {
double floorZero(double v)
{
    return v < 0.0 ? 0.0 : v;
}

void capAt(CFloatField& field, double cap)
{
    if (field > cap)
        field = cap;
}

// The table's rate of the class unless the user entered one; never above 100 %.
void applyClassRate(double cls, bool overwritten, CPercentField& rate)
{
    double value = rate;
    CCCAClassTable::SetCCARate(cls, overwritten, value);
    rate = std::min(value, 100.0);
}

// The claim: the maximum, or the user's claim cut to it; never negative.
double claimOf(bool overwritten, double entered, double maximum)
{
    return floorZero(overwritten ? std::min(entered, maximum) : maximum);
}

void calculateClass(CcaClassRow& a, CcaClaimRow& b)
{
    const double cls = CCCAClassTable::classNumber(a.cls);
    capAt(a.additionsImmExp, a.additions);
    capAt(a.dispositionsImmExp, a.dispositions);
    a.uccAfter = floorZero(a.ucc + a.additions - a.dispositions);  // column 6
    a.uccImmExp = floorZero(a.additionsImmExp - a.dispositionsImmExp);
    capAt(a.immExpensed, a.uccImmExp);
    a.additionsAfterImmExp = floorZero(a.uccImmExp + (a.additions - a.additionsImmExp) - a.immExpensed);
    capAt(b.additionsAiip, a.additionsAfterImmExp);
    b.uccAfterImmExp = floorZero(a.uccAfter - a.immExpensed);
    b.dispositionsAiip = floorZero(a.dispositions - a.additionsAfterImmExp + b.additionsAiip);  // column 7
    b.adjustmentAiip = floorZero(b.adjustmentAiip);                                            // column 8
    applyClassRate(cls, b.rateOverwrite, b.rate);                                              // column 11
    const double halfYearBase = a.additionsAfterImmExp + a.dispositionsImmExp - b.additionsAiip - a.dispositions;
    b.halfYear = CCCAClassTable::HasHalfYearRule(cls) ? floorZero(halfYearBase * 0.5) : 0.0;  // column 9
    b.base = a.uccAfter + b.adjustmentAiip - b.halfYear;  // column 10
    b.claim = claimOf(b.claimOverwrite, b.claim, b.base * b.rate / 100.0);
    b.uccEnd = a.uccAfter - b.claim;  // column 13
}
}  // namespace

double CcaClassArea::calculate()
{
    double claimed = 0.0;
    for (int i = 0; i < kRows; ++i) {
        calculateClass(classes[i], claims[i]);
        claimed += claims[i].claim;
    }
    return claimed;
}

void CcaClassArea::carryForward()
{
    for (int i = 0; i < kRows; ++i)
        classes[i].ucc = claims[i].uccEnd;
}

double calculateRentalCca(RentalCcaRow* begin, RentalCcaRow* end, bool claimOverwrite, double& recapture)
{
    double claimed = 0.0;
    for (RentalCcaRow* row = begin; row != end; ++row) {
        RentalCcaRow& r = *row;
        const double cls = CCCAClassTable::classNumber(r.cls);
        capAt(r.additionsAiip, r.additions);
        r.uccAfter = r.additions + r.ucc - r.proceeds;
        applyClassRate(cls, r.rateOverwrite, r.rate);
        r.dispositionsAiip = floorZero(r.proceeds - r.additions + r.additionsAiip);
        r.adjustmentAiip = floorZero(r.adjustmentAiip);
        if (r.uccAfter >= 0.0) {
            r.halfYear = CCCAClassTable::HasHalfYearRule(cls)
                             ? floorZero((r.additions - r.additionsAiip - r.proceeds) * 0.5)
                             : 0.0;
            r.base = r.uccAfter + r.adjustmentAiip - r.halfYear;
            r.claim = claimOf(claimOverwrite, r.claim, r.base * r.rate / 100.0);
            r.uccEnd = r.uccAfter - r.claim;
        } else {
            // The dispositions took more than the class held: recaptured CCA.
            recapture += -r.uccAfter;
            r.halfYear = 0.0;
            r.base = 0.0;
            r.claim = 0.0;
            r.uccEnd = 0.0;
        }
        claimed += r.claim;
    }
    return claimed;
}

bool hasClassNumber(const CStringField& cls)
{
    return amountPresent(CCCAClassTable::classNumber(cls));
}

double CcaClaimTotals::settle(double classClaims)
{
    capAt(homeUse, classClaims);
    claim = classClaims - homeUse;
    claimForPrint = claim.value();
    return claim;
}
