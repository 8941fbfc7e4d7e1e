// Large synthetic sets of forms for the benchmarks, filled with every entry a
// preparer could make so that stored data and calculations are at their largest.
#pragma once

#include "returns/taxnote.h"

#include <memory>
#include <vector>

// `count` tax notes, each with a title and fifteen described amounts.
std::vector<std::unique_ptr<TaxData_TaxNote>> makeTaxNotes(int count);
