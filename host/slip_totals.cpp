#include "host/slip_totals.h"

STRU_SLIPDATA_CALCULATION slipTotalsOf(const TaxReturn& ret)
{
    STRU_SLIPDATA_CALCULATION totals;
    // The return keeps its forms by class, so no form is cast to find them.
    for (const CSlipTaxDataBase01* slip : ret.all<CSlipTaxDataBase01>())
        if (!slip->issuedByTrust())
            slip->addToSlipTotals(totals);
    return totals;
}
