// The returns the benchmarks work on: the bundled sample, and a large trust
// built from it with thousands of beneficiaries, so that stored data,
// calculations and filing output are at their largest.
#pragma once

#include "host/tax_return.h"
#include "slips/t3slip.h"
#include "slips/t3slip_issuing.h"

#include <memory>
#include <vector>

// `count` issued T3 slips with full recipients, each filled from Schedule 9
// by an equal share.
std::vector<std::unique_ptr<TaxData_Slip_T3_Issuing>> makeIssuedSlips(int count);
// `count` received T3 slips in US dollars with every box entered.
std::vector<std::unique_ptr<TaxData_Slip_T3>> makeReceivedSlips(int count);

// examples/testamentary-trust-2024.json.
TaxReturn loadSampleReturn();
// The sample return with `issued` issued T3 slips, received T3 slips (one
// per hundred issued) and the slips' filing information added.
TaxReturn makeLargeReturn(int issued);
