// A return: the ordered list of its form objects. The return owns them; the
// order is the order of the file, of validation and of filing output.
#pragma once

#include "framework/form.h"

#include <map>
#include <unordered_map>
#include <memory>
#include <type_traits>
#include <vector>

class TaxReturn {
public:
    using FormList = std::vector<std::unique_ptr<CTaxData_Form>>;

    TaxReturn() = default;
    TaxReturn(TaxReturn&&) = default;
    TaxReturn& operator=(TaxReturn&&) = default;  // the lookups move with the forms they point to

    const FormList& forms() const { return m_forms; }
    int size() const { return int(m_forms.size()); }
    bool empty() const { return m_forms.empty(); }
    CTaxData_Form* form(int index) const { return m_forms[size_t(index)].get(); }
    // The forms as plain pointers, in order (for code that takes a form list).
    std::vector<CTaxData_Form*> formPointers() const;
    // Position of `form` in the return, or -1.
    int indexOf(const CTaxData_Form* form) const;

    // Appends a form and gives it the next sequence number of its class.
    CTaxData_Form* add(std::unique_ptr<CTaxData_Form> form);
    // Removes the form at `index` and renumbers the rest of its class.
    std::unique_ptr<CTaxData_Form> remove(int index);
    // Sequence numbers 1, 2, ... per class, in list order.
    void renumber();

    // The first form of a class (or of a class derived from it), or nullptr.
    template <class Form>
    Form* first() const
    {
        static_assert(declaresQObject<Form>(), "a form class declares Q_OBJECT: its forms are found by its class");
        return static_cast<Form*>(first(Form::staticMetaObject));
    }
    // The first form of the class `cls` (or of a class derived from it), or nullptr.
    CTaxData_Form* first(const QMetaObject& cls) const;
    // Every form of a class (or of a class derived from it), in list order.
    template <class Form>
    std::vector<Form*> all() const
    {
        static_assert(declaresQObject<Form>(), "a form class declares Q_OBJECT: its forms are found by its class");
        const std::vector<CTaxData_Form*>& forms = formsOfClass(Form::staticMetaObject);
        std::vector<Form*> out;
        out.reserve(forms.size());
        for (CTaxData_Form* f : forms)
            out.push_back(static_cast<Form*>(f));
        return out;
    }
    // The same, as the base class: no copy.
    const std::vector<CTaxData_Form*>& formsOfClass(const QMetaObject& cls) const;

private:
    template <class Form>
    static constexpr bool declaresQObject()
    {
        return std::is_same_v<decltype(&Form::qt_metacast), void* (Form::*)(const char*)>;
    }

    FormList m_forms;
    // Forms of each class in the list, so that adding to a return of
    // thousands of slips stays linear.
    std::map<const QMetaObject*, int> m_countByClass;
    // The forms of each class asked for, found once per change of the list:
    // every calculation step looks its forms up, and a return of thousands
    // of slips must not be scanned by each step that finds none.
    mutable std::unordered_map<const QMetaObject*, std::vector<CTaxData_Form*>> m_byClass;
};

// The first amount or percentage field of `form` that holds NaN or an
// infinity, or nullptr. Such values cannot come from entry or calculation;
// the readers refuse them.
const CField* firstNonFiniteAmount(const CTaxData_Form& form);
// The first text field of `form` longer than its maximum length, or nullptr.
// Forms clip what they compose and pages limit typing, so only a damaged or
// hand-made file holds one; the readers refuse it.
const CStringField* firstOverlongText(const CTaxData_Form& form);
