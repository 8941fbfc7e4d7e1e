// Undo steps of the desktop window. Forms are named by their position in the
// return, which only add and remove steps on the same stack change.
#pragma once

#include "framework/page_base.h"

#include <QUndoCommand>
#include <memory>

class ReturnSession;
class CTaxData_Form;
struct FormClass;

// One field changed by the user. Pushed after the change was made, so the
// first redo does nothing.
class FieldEditCommand : public QUndoCommand {
public:
    FieldEditCommand(ReturnSession& session, int formIndex, const FieldChange& change);
    void undo() override;
    void redo() override;

private:
    ReturnSession& m_session;
    int m_formIndex;
    FieldChange m_change;
    bool m_applied = true;
};

// Several fields changed by one page action (an automatic allocation).
class FormEditCommand : public QUndoCommand {
public:
    FormEditCommand(ReturnSession& session, int formIndex, const QString& label, const QVector<FieldChange>& changes);
    void undo() override;
    void redo() override;

private:
    void apply(bool newValues);
    ReturnSession& m_session;
    int m_formIndex;
    QVector<FieldChange> m_changes;
    bool m_applied = true;
};

// Data a form keeps outside its fields, changed by a page action.
class FormDataEditCommand : public QUndoCommand {
public:
    FormDataEditCommand(ReturnSession& session, int formIndex, const QString& label, FormDataChangePtr change);
    void undo() override;
    void redo() override;

private:
    void apply(bool newSide);
    ReturnSession& m_session;
    int m_formIndex;
    FormDataChangePtr m_change;
    bool m_applied = true;
};

// A form added to the end of the return.
class AddFormCommand : public QUndoCommand {
public:
    AddFormCommand(ReturnSession& session, std::unique_ptr<CTaxData_Form> form, const QString& title);
    void undo() override;
    void redo() override;
    CTaxData_Form* form() const { return m_added; }

private:
    ReturnSession& m_session;
    std::unique_ptr<CTaxData_Form> m_form;  // held while the step is undone
    CTaxData_Form* m_added = nullptr;
    int m_index = -1;
};
