#include "app/gui/import_recipients_command.h"

#include "app/gui/return_session.h"
#include "slips/t3slip_issuing.h"

ImportRecipientsCommand::ImportRecipientsCommand(ReturnSession& session, std::vector<RecipientRow> rows)
    : QUndoCommand(QObject::tr("Import T3 slip recipients")), m_session(session), m_rows(std::move(rows))
{
}

void ImportRecipientsCommand::firstRun()
{
    TaxReturn& ret = m_session.taxReturn();
    const int firstAdded = ret.size();
    QHash<QString, int> slipOfId = issuedSlipIndexById(ret);
    for (const RecipientRow& row : m_rows) {
        int index = slipOfId.value(row.id, -1);
        if (index < 0) {
            ret.add(std::make_unique<TaxData_Slip_T3_Issuing>());
            index = ret.size() - 1;
            slipOfId.insert(row.id, index);
            ++m_applied.added;
        } else {
            ++m_applied.updated;
        }
        CTaxData_Form* slip = ret.form(index);
        for (const auto& [name, text] : recipientFields(row)) {
            CField* field = slip->findField(name);
            if (index < firstAdded)
                m_changes.push_back({index, name, field->toText(), text});
            field->fromText(text);
        }
    }
    m_rows.clear();
}

void ImportRecipientsCommand::setAll(bool newValues)
{
    TaxReturn& ret = m_session.taxReturn();
    for (const Change& c : m_changes)
        ret.form(c.formIndex)->findField(c.field)->fromText(newValues ? c.newText : c.oldText);
}

void ImportRecipientsCommand::redo()
{
    if (!m_ran) {
        firstRun();
        m_ran = true;
    } else {
        for (auto& form : m_held)
            m_session.taxReturn().add(std::move(form));
        m_held.clear();
        setAll(true);
    }
    emit m_session.formsChanged();
    m_session.recalculate();
}

void ImportRecipientsCommand::undo()
{
    TaxReturn& ret = m_session.taxReturn();
    for (int i = 0; i < m_applied.added; ++i)
        m_held.push_front(ret.remove(ret.size() - 1));
    setAll(false);
    emit m_session.formsChanged();
    m_session.recalculate();
}
