// The slip totals record of a return: each received slip adds the trust's
// share of its boxes (issued slips add nothing).
#pragma once

#include "framework/slipcalc.h"
#include "host/tax_return.h"

STRU_SLIPDATA_CALCULATION slipTotalsOf(const TaxReturn& ret);
