#include "host/slip_totals.h"

STRU_SLIPDATA_CALCULATION slipTotalsOf(const TaxReturn& ret)
{
    STRU_SLIPDATA_CALCULATION totals;
    for (const auto& form : ret.forms())
        if (const auto* slip = dynamic_cast<const CSlipTaxDataBase01*>(form.get()); slip && !slip->issuedByTrust())
            slip->addToSlipTotals(totals);
    return totals;
}
