// The returns the benchmarks work on: the bundled sample, and large synthetic
// returns built from it with every entry a preparer could make, so that
// stored data and calculations are at their largest.
#pragma once

#include "host/tax_return.h"
#include "returns/taxnote.h"

#include <memory>
#include <vector>

// `count` tax notes, each with a title and fifteen described amounts.
std::vector<std::unique_ptr<TaxData_TaxNote>> makeTaxNotes(int count);

// examples/testamentary-trust-2024.json.
TaxReturn loadSampleReturn();
// The sample return with `notes` filled tax notes added.
TaxReturn makeLargeReturn(int notes);
