// Recipients of issued T3 slips imported from a CSV file as one undo step:
// slips whose id matches are updated, the others are added at the end.
#pragma once

#include "host/recipients_import.h"

#include <QUndoCommand>
#include <deque>
#include <memory>

class ReturnSession;

class ImportRecipientsCommand : public QUndoCommand {
public:
    ImportRecipientsCommand(ReturnSession& session, std::vector<RecipientRow> rows);
    void undo() override;
    void redo() override;
    const RecipientsApplied& applied() const { return m_applied; }

private:
    struct Change {
        int formIndex;
        const char* field;
        QString oldText, newText;
    };
    void firstRun();
    void setAll(bool newValues);

    ReturnSession& m_session;
    std::vector<RecipientRow> m_rows;
    bool m_ran = false;
    RecipientsApplied m_applied;
    std::vector<Change> m_changes;                      // on slips that were there before
    std::deque<std::unique_ptr<CTaxData_Form>> m_held;  // the added slips while undone
};
