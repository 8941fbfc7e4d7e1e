#include "schedules/sch8.h"

#include "framework/year_figures.h"

using namespace year_figures;

namespace {
// The part not designated to beneficiaries (lines 20 and 27): not below 0.
double notDesignated(double dividends, double designated)
{
    const double rest = dividends - designated;
    return rest < 0.0 ? 0.0 : rest;
}
}  // namespace

int TaxData_Sch8::Calculate()
{
    // Part A
    fld_8110 = fld_ws_8110_slip + fld_ws_8110_other;  // line 1
    fld_8120 = fld_ws_8120_slip + fld_ws_8120_other;  // line 2
    fld_after_8120 = fld_8110 + fld_8120;             // line 3
    fld_FrgnOtherInvInc = fld_ws_OtherFrgnInvInc_slip + fld_ws_OtherFrgnInvInc_other;  // line 5
    fld_TotalFrnInvInc = fld_FrgnInterest + fld_FrgnOtherInvInc;                      // line 6
    fld_Interest = fld_ws_interest_fromslip + fld_ws_interest_other;                  // line 7
    fld_OtherInv = fld_ws_OtherOther_slip + fld_ws_OtherOther_1;                      // line 11
    fld_TotalOther = fld_Interest + fld_OtherDeposits + fld_Mortgages + fld_OtherDiv + fld_OtherInv;  // line 12
    fld_after_8190 = fld_8160 + fld_8170 + fld_8180 + fld_8190;                       // line 17

    // Part B: eligible dividends
    fld_TotalEgblDiv.store(fld_8120);                                            // line 18
    fld_EgblDivNotDsgn.store(notDesignated(fld_TotalEgblDiv, fld_EgblDivToBene));  // line 20
    fld_EgblDivToGrossup = fld_EgblDivNotDsgn - fld_8239;                        // line 22
    fld_EgblDivGrossedup = fld_EgblDivToGrossup * kEligibleGrossUpRate;          // line 24

    // Part B: dividends other than eligible dividends
    fld_NonEgblDiv.store(fld_8110);                                                    // line 25
    fld_NonEgblDivNotDsgn.store(notDesignated(fld_NonEgblDiv, fld_NonEgblDivToBene));  // line 27
    fld_NonEgblDivToGrossup = fld_NonEgblDivNotDsgn - fld_8240;                        // line 29
    fld_NonEgblDivGrossedup = fld_NonEgblDivToGrossup * kNonEligibleGrossUpRate;       // line 31

    fld_TotallDivGrossedup = fld_EgblDivGrossedup + fld_NonEgblDivGrossedup;  // line 32
    return 0;
}

bool TaxData_Sch8::isDaysProrateApplicable(const CString& code) const
{
    return !(code == QLatin1String("14") || code == QLatin1String("15"));
}
