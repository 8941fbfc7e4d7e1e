#include "host/tax_return.h"

#include <cmath>

std::vector<CTaxData_Form*> TaxReturn::formPointers() const
{
    std::vector<CTaxData_Form*> out;
    out.reserve(m_forms.size());
    for (const auto& f : m_forms)
        out.push_back(f.get());
    return out;
}

const std::vector<CTaxData_Form*>& TaxReturn::formsOfClass(const QMetaObject& cls) const
{
    const auto found = m_byClass.find(&cls);
    if (found != m_byClass.end())
        return found->second;
    std::vector<CTaxData_Form*>& forms = m_byClass[&cls];
    for (const auto& f : m_forms)
        if (f->metaObject()->inherits(&cls))
            forms.push_back(f.get());
    return forms;
}

CTaxData_Form* TaxReturn::first(const QMetaObject& cls) const
{
    const std::vector<CTaxData_Form*>& forms = formsOfClass(cls);
    return forms.empty() ? nullptr : forms.front();
}

int TaxReturn::indexOf(const CTaxData_Form* form) const
{
    for (size_t i = 0; i < m_forms.size(); ++i)
        if (m_forms[i].get() == form)
            return int(i);
    return -1;
}

CTaxData_Form* TaxReturn::add(std::unique_ptr<CTaxData_Form> form)
{
    form->setSeqNum(++m_countByClass[form->metaObject()]);
    m_byClass.clear();
    m_forms.push_back(std::move(form));
    return m_forms.back().get();
}

std::unique_ptr<CTaxData_Form> TaxReturn::remove(int index)
{
    std::unique_ptr<CTaxData_Form> removed = std::move(m_forms[size_t(index)]);
    m_forms.erase(m_forms.begin() + index);
    m_byClass.clear();
    renumber();
    return removed;
}

void TaxReturn::renumber()
{
    m_countByClass.clear();
    for (const auto& f : m_forms)
        f->setSeqNum(++m_countByClass[f->metaObject()]);
}

const CField* firstNonFiniteAmount(const CTaxData_Form& form)
{
    for (const CField* f : form.fields())
        if ((f->kind() == FIELD_FLOAT || f->kind() == FIELD_PERCENT) &&
            !std::isfinite(static_cast<const CFloatField*>(f)->value()))
            return f;
    return nullptr;
}

const CStringField* firstOverlongText(const CTaxData_Form& form)
{
    for (const CField* f : form.fields()) {
        if (f->kind() != FIELD_STRING)
            continue;
        const auto* text = static_cast<const CStringField*>(f);
        if (text->value().size() > text->maxLength())
            return text;
    }
    return nullptr;
}
