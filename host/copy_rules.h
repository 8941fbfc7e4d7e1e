// The copies the engine makes between forms, as data: each rule names its
// source, its target field and where in the pass it is applied. Together the
// rules are the one list of fields the engine fills, which the window shows
// read-only while the engine fills them.
//
// A rule applies when its source form is in the return (a target whose
// source is absent keeps what the user entered) and its target is the first
// form of the target class. A target may have an override flag: while the
// user has set it, the user's value is kept.
#pragma once

#include "framework/slipcalc.h"
#include "host/calc_order.h"
#include "host/tax_return.h"

#include <QString>
#include <array>
#include <initializer_list>
#include <vector>

struct QMetaObject;

struct CopyRule {
    enum class Source {
        Field,      // the source field's value, copied as it is
        Computed,   // `compute` works the amount out from the source form
        Operation,  // an operation of the source, run by the step at `at`, fills the target
        SlipTotals, // the sum of members of the slip totals record (present when a slip feeds one)
    };
    CalcOrder at;
    Source kind;
    const QMetaObject* sourceClass;  // nullptr: always present (the slip totals)
    const char* sourceField;         // Source::Field only
    double (*compute)(CTaxData_Form& source);  // Source::Computed only
    const QMetaObject* targetClass;
    const char* targetField;
    const char* comesFrom;  // where the value comes from, for people: "Schedule 11 line 34"
    const char* overrideFlag = nullptr;  // set on the target: the user's value is kept
    int overrideAnswer = -1;             // >= 0: the user's value is kept while overrideFlag has this answer
    const char* onlyWhile = nullptr;     // flag on the target that must be set for the rule to fill
    std::array<signed char, 4> slipMembers{{-1, -1, -1, -1}};  // Source::SlipTotals: members summed
    bool everyForm = false;  // the target is every form of its class (slips), not only the first
    bool byStep = false;     // the step at `at` fills the target; the rule says only when it does

    // The same rule, kept from the target while `flag` (a target field) is set.
    CopyRule unless(const char* flag) const
    {
        CopyRule r = *this;
        r.overrideFlag = flag;
        return r;
    }
    // The same rule, kept from the target while its answer `answer` (a target field) is `code`.
    CopyRule unless(const char* answer, int code) const
    {
        CopyRule r = unless(answer);
        r.overrideAnswer = code;
        return r;
    }
    // The same rule, for every form of the target class (an operation that each slip runs).
    CopyRule onEveryForm() const
    {
        CopyRule r = *this;
        r.everyForm = true;
        return r;
    }
    // The same condition, but the step at `at` works the value out (a sum
    // with the user's own part, say): the engine applies nothing itself.
    CopyRule filledByStep() const
    {
        CopyRule r = *this;
        r.byStep = true;
        return r;
    }
    // The same rule, filling the target only while `flag` (a target field) is set.
    CopyRule whileSet(const char* flag) const
    {
        CopyRule r = *this;
        r.onlyWhile = flag;
        return r;
    }
};

// Rows of the rule tables, one per target field.
template <class Source, class Target>
CopyRule copyField(CalcOrder at, const char* from, const char* to, const char* comesFrom)
{
    return {at, CopyRule::Source::Field, &Source::staticMetaObject, from, nullptr, &Target::staticMetaObject,
            to, comesFrom};
}
template <class Source, class Target, double (*Compute)(Source&)>
CopyRule computedField(CalcOrder at, const char* to, const char* comesFrom)
{
    auto compute = [](CTaxData_Form& source) { return Compute(static_cast<Source&>(source)); };
    return {at, CopyRule::Source::Computed, &Source::staticMetaObject, nullptr, compute,
            &Target::staticMetaObject, to, comesFrom};
}
template <class Source, class Target>
CopyRule filledByOperation(CalcOrder at, const char* to, const char* comesFrom)
{
    return {at, CopyRule::Source::Operation, &Source::staticMetaObject, nullptr, nullptr,
            &Target::staticMetaObject, to, comesFrom};
}
// A field an operation of the target itself fills from the slip totals.
template <class Target>
CopyRule filledFromSlipTotals(CalcOrder at, const char* to, const char* comesFrom)
{
    return {at, CopyRule::Source::Operation, nullptr, nullptr, nullptr, &Target::staticMetaObject, to, comesFrom};
}

// A field the engine sets to the sum of slip totals members (the trust's share
// of the received slips' boxes), while a slip that feeds one is present.
template <class Target>
CopyRule fromSlipTotals(CalcOrder at, std::initializer_list<int> members, const char* to, const char* comesFrom)
{
    CopyRule rule{at, CopyRule::Source::SlipTotals, nullptr, nullptr, nullptr, &Target::staticMetaObject, to, comesFrom};
    size_t i = 0;
    for (int m : members)
        rule.slipMembers.at(i++) = static_cast<signed char>(m);
    return rule;
}

// Every rule, in the order the pass applies them.
const std::vector<CopyRule>& copyRules();

// The source and target forms of `rule` in `ret`, when the rule fills its
// target now; else {nullptr, nullptr}. The source is nullptr for a rule
// without a source class.
struct RuleForms {
    CTaxData_Form* source = nullptr;
    CTaxData_Form* target = nullptr;
};
// `totals` decides whether a slip totals rule fills (without it, the totals
// of the return as it stands).
RuleForms ruleFormsNow(const CopyRule& rule, const TaxReturn& ret, const STRU_SLIPDATA_CALCULATION* totals = nullptr);

// Applies a Field or Computed rule when it fills its target now.
void applyRule(const CopyRule& rule, const TaxReturn& ret, const STRU_SLIPDATA_CALCULATION& totals);

// A field of a form that the engine fills now, and where its value comes from.
struct EngineFilledField {
    QString field;      // "fld_fed_tax"
    QString comesFrom;  // "Schedule 11 line 34"
};
// The fields of `target` that the engine fills in `ret` as it stands, in
// rule order, each once.
std::vector<EngineFilledField> engineFilledFields(const TaxReturn& ret, const CTaxData_Form& target);
