// Each form's part of the calculation: its steps, placed in the pass by their
// order keys, and the copy rules it brought. The table in
// form_calculations.cpp lists one entry per form; the entries live in
// host/forms/, one file per form.
#pragma once

#include "host/calc_engine.h"
#include "host/copy_rules.h"

#include <vector>

struct FormCalculation {
    std::vector<CalcStep> steps;
    std::vector<CopyRule> rules;
};

// Every form's calculation, in table order (which orders steps of equal keys).
const std::vector<FormCalculation>& formCalculations();
