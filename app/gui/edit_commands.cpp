#include "app/gui/edit_commands.h"

#include "app/gui/return_session.h"
#include "framework/form.h"

namespace {
void setFieldText(ReturnSession& session, int formIndex, const QString& field, const QString& text)
{
    if (formIndex < 0 || formIndex >= session.taxReturn().size())
        return;
    if (CField* f = session.taxReturn().form(formIndex)->findField(field.toStdString()))
        f->fromText(text);
}
}  // namespace

FieldEditCommand::FieldEditCommand(ReturnSession& session, int formIndex, const FieldChange& change)
    : m_session(session), m_formIndex(formIndex), m_change(change)
{
    setText(QObject::tr("Edit %1").arg(change.field));
}

void FieldEditCommand::undo()
{
    setFieldText(m_session, m_formIndex, m_change.field, m_change.oldText);
    m_session.recalculate();
}

void FieldEditCommand::redo()
{
    if (m_applied) {  // the page made the change before it was recorded
        m_applied = false;
        return;
    }
    setFieldText(m_session, m_formIndex, m_change.field, m_change.newText);
    m_session.recalculate();
}

FormEditCommand::FormEditCommand(ReturnSession& session, int formIndex, const QString& label,
                                 const QVector<FieldChange>& changes)
    : m_session(session), m_formIndex(formIndex), m_changes(changes)
{
    setText(label);
}

void FormEditCommand::apply(bool newValues)
{
    for (const FieldChange& c : m_changes)
        setFieldText(m_session, m_formIndex, c.field, newValues ? c.newText : c.oldText);
    m_session.recalculate();
}

void FormEditCommand::undo()
{
    apply(false);
}

void FormEditCommand::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    apply(true);
}

FormDataEditCommand::FormDataEditCommand(ReturnSession& session, int formIndex, const QString& label,
                                         FormDataChangePtr change)
    : m_session(session), m_formIndex(formIndex), m_change(std::move(change))
{
    setText(label);
}

void FormDataEditCommand::apply(bool newSide)
{
    if (m_formIndex >= 0 && m_formIndex < m_session.taxReturn().size())
        m_change->apply(*m_session.taxReturn().form(m_formIndex), newSide);
    m_session.recalculate();
}

void FormDataEditCommand::undo()
{
    apply(false);
}

void FormDataEditCommand::redo()
{
    if (m_applied) {  // the page made the change before it was recorded
        m_applied = false;
        return;
    }
    apply(true);
}

AddFormCommand::AddFormCommand(ReturnSession& session, std::unique_ptr<CTaxData_Form> form, const QString& title)
    : m_session(session), m_form(std::move(form))
{
    setText(QObject::tr("Add %1").arg(title));
}

void AddFormCommand::redo()
{
    m_added = m_session.taxReturn().add(std::move(m_form));
    m_index = m_session.taxReturn().indexOf(m_added);
    emit m_session.formsChanged();
    m_session.recalculate();
}

void AddFormCommand::undo()
{
    m_form = m_session.taxReturn().remove(m_index);
    m_added = nullptr;
    emit m_session.formsChanged();
    m_session.recalculate();
}
