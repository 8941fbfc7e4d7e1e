#include "host/calc_engine.h"

#include "host/copy_rules.h"
#include "host/form_calculations.h"

#include <algorithm>

const std::vector<CalcStep>& calculationSteps()
{
    static const std::vector<CalcStep> steps = [] {
        std::vector<CalcStep> all;
        for (const FormCalculation& form : formCalculations())
            all.insert(all.end(), form.steps.begin(), form.steps.end());
        std::stable_sort(all.begin(), all.end(),
                         [](const CalcStep& a, const CalcStep& b) { return a.order < b.order; });
        return all;
    }();
    return steps;
}

void calculatePass(TaxReturn& ret)
{
    CalcPass pass{ret, {}};
    const std::vector<CopyRule>& rules = copyRules();
    auto nextRule = rules.begin();
    // The rules placed at a step's key or before run ahead of it.
    auto applyRulesUpTo = [&](const CalcOrder* limit) {
        for (; nextRule != rules.end() && (!limit || !(*limit < nextRule->at)); ++nextRule)
            if (nextRule->kind != CopyRule::Source::Operation && !nextRule->byStep)
                applyRule(*nextRule, ret, pass.slipTotals);
    };
    for (const CalcStep& step : calculationSteps()) {
        applyRulesUpTo(&step.order);
        step.run(pass);
    }
    applyRulesUpTo(nullptr);
}

void calculateReturn(TaxReturn& ret)
{
    calculatePass(ret);
    calculatePass(ret);
}
