#include "host/copy_rules.h"

#include "host/form_calculations.h"
#include "host/slip_totals.h"

#include <QMetaObject>
#include <algorithm>

const std::vector<CopyRule>& copyRules()
{
    static const std::vector<CopyRule> rules = [] {
        std::vector<CopyRule> all;
        for (const FormCalculation& form : formCalculations())
            all.insert(all.end(), form.rules.begin(), form.rules.end());
        std::stable_sort(all.begin(), all.end(), [](const CopyRule& a, const CopyRule& b) { return a.at < b.at; });
        return all;
    }();
    return rules;
}

namespace {
// A yes/no flag counts as set when it is true; an answer, when it is answered and not 0.
bool flagSet(const CTaxData_Form& form, const char* name)
{
    const CField* flag = form.findField(name);
    return flag && !flag->isDefault() && flag->toText() != QLatin1String("0");
}

// The target keeps the user's value: its override flag is set, or its answer is the one named.
bool keepsUsersValue(const CopyRule& rule, const CTaxData_Form& target)
{
    if (!rule.overrideFlag)
        return false;
    if (rule.overrideAnswer < 0)
        return flagSet(target, rule.overrideFlag);
    const CField* answer = target.findField(rule.overrideFlag);
    return answer && answer->toText() == QString::number(rule.overrideAnswer);
}
}  // namespace

namespace {
bool anyMemberPresent(const CopyRule& rule, const STRU_SLIPDATA_CALCULATION& totals)
{
    for (signed char m : rule.slipMembers)
        if (m >= 0 && totals.present[size_t(m)])
            return true;
    return false;
}
}  // namespace

RuleForms ruleFormsNow(const CopyRule& rule, const TaxReturn& ret, const STRU_SLIPDATA_CALCULATION* totals)
{
    if (rule.kind == CopyRule::Source::SlipTotals && !anyMemberPresent(rule, totals ? *totals : slipTotalsOf(ret)))
        return {};
    CTaxData_Form* target = ret.first(*rule.targetClass);
    CTaxData_Form* source = rule.sourceClass ? ret.first(*rule.sourceClass) : nullptr;
    if (!target || (rule.sourceClass && !source))
        return {};
    if (keepsUsersValue(rule, *target))
        return {};
    if (rule.onlyWhile && !flagSet(*target, rule.onlyWhile))
        return {};
    return {source, target};
}

void applyRule(const CopyRule& rule, const TaxReturn& ret, const STRU_SLIPDATA_CALCULATION& totals)
{
    const RuleForms forms = ruleFormsNow(rule, ret, &totals);
    if (!forms.target)
        return;
    CField* to = forms.target->findField(rule.targetField);
    if (rule.kind == CopyRule::Source::Field)
        to->copyValueFrom(*forms.source->findField(rule.sourceField));
    else if (rule.kind == CopyRule::Source::Computed)
        static_cast<CFloatField*>(to)->store(rule.compute(*forms.source));
    else if (rule.kind == CopyRule::Source::SlipTotals) {
        double sum = 0.0;
        for (signed char m : rule.slipMembers)
            if (m >= 0)
                sum += totals[m];
        static_cast<CFloatField*>(to)->store(sum);
    }
}

namespace {
// A rule on every form of its class fills `target` while its source is in
// the return and the target's own flags allow.
bool fillsThisForm(const CopyRule& rule, const TaxReturn& ret, const CTaxData_Form& target)
{
    if (!target.metaObject()->inherits(rule.targetClass))
        return false;
    if (rule.sourceClass && !ret.first(*rule.sourceClass))
        return false;
    if (keepsUsersValue(rule, target))
        return false;
    return !rule.onlyWhile || flagSet(target, rule.onlyWhile);
}
}  // namespace

std::vector<EngineFilledField> engineFilledFields(const TaxReturn& ret, const CTaxData_Form& target)
{
    std::vector<EngineFilledField> out;
    const STRU_SLIPDATA_CALCULATION totals = slipTotalsOf(ret);
    for (const CopyRule& rule : copyRules()) {
        if (rule.everyForm ? !fillsThisForm(rule, ret, target) : ruleFormsNow(rule, ret, &totals).target != &target)
            continue;
        const QString field = QString::fromLatin1(rule.targetField);
        const bool listed = std::any_of(out.begin(), out.end(), [&](const auto& f) { return f.field == field; });
        if (!listed)
            out.push_back({field, QString::fromUtf8(rule.comesFrom)});
    }
    return out;
}
