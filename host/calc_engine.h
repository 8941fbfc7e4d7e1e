// The calculation engine: one pass runs every form's calculation steps in the
// order of their keys, and applies the copy rules (copy_rules.h) between them.
// Each form's steps and rules are in its own file under host/forms/, listed in
// host/form_calculations.cpp; docs/calculation.md gives the whole pass.
#pragma once

#include "framework/slipcalc.h"
#include "host/calc_order.h"
#include "host/tax_return.h"

#include <vector>

// What a step works on: the return, and the slip totals of this pass.
struct CalcPass {
    TaxReturn& ret;
    // Amounts totalled from the received slips of the return, built at step 2.2.
    STRU_SLIPDATA_CALCULATION slipTotals;
};

// One step of a pass: its place, a name for people, and the code that runs
// it. A step finds its forms itself (`pass.ret.first<T>()`) and does nothing
// when they are absent.
struct CalcStep {
    CalcOrder order;
    const char* name;
    void (*run)(CalcPass& pass);
};

// The steps of one pass, in order.
const std::vector<CalcStep>& calculationSteps();

// One pass over the return: each step, preceded by the copy rules placed at
// or before it.
void calculatePass(TaxReturn& ret);
// A full calculation: the pass runs twice, so that values that feed back
// (Schedule 12's carryover, the T3A farming subtotal) settle.
void calculateReturn(TaxReturn& ret);
