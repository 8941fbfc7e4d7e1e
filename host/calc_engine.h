// The calculation engine: runs each form's calculation operations in the
// fixed order of one pass, for the forms present, copying values between
// forms (calc_rules.h) in between. docs/calculation.md gives the whole pass.
#pragma once

#include "host/tax_return.h"

#include <vector>

struct CalcContext;

// One step of a pass: a name for people and the code that runs it.
struct CalcStep {
    const char* name;
    void (*run)(CalcContext& ctx);
};

// The steps of one pass, in order.
const std::vector<CalcStep>& calculationSteps();

// One pass over the return.
void calculatePass(TaxReturn& ret);
// A full calculation: the pass runs twice, so that values that feed back
// (Schedule 12's carryover, the T3A farming subtotal) settle.
void calculateReturn(TaxReturn& ret);
