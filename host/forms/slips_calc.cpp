// Received slips: each calculates its own boxes, then the slip totals record
// is built from them for the copies into the return and its schedules.
#include "host/form_calculations.h"
#include "host/slip_totals.h"

namespace {
void calculateReceivedSlips(CalcPass& pass)
{
    for (CSlipTaxDataBase01* slip : pass.ret.all<CSlipTaxDataBase01>())
        if (!slip->issuedByTrust())
            slip->Calculate02();
}

void totalSlips(CalcPass& pass) { pass.slipTotals = slipTotalsOf(pass.ret); }
}  // namespace

FormCalculation slipsCalculation()
{
    return {{{{2, 1}, "Received slips", &calculateReceivedSlips}, {{2, 2}, "Slip totals", &totalSlips}}, {}};
}
