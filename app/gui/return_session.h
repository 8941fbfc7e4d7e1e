// One open return in the desktop window: its forms, its file, the undo
// stack of the user's edits, and recalculation after every change.
#pragma once

#include "framework/page_base.h"
#include "host/form_catalogue.h"
#include "host/tax_return.h"
#include "host/validation.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <QVector>

class ReturnSession : public QObject {
    Q_OBJECT
public:
    explicit ReturnSession(const FormCatalogue& catalogue = FormCatalogue::standard(), QObject* parent = nullptr);

    TaxReturn& taxReturn() { return m_return; }
    const FormCatalogue& catalogue() const { return m_catalogue; }
    QUndoStack* undoStack() { return &m_undo; }
    const QString& path() const { return m_path; }  // empty for a return never saved
    bool isModified() const { return !m_undo.isClean(); }

    // A new return of `type` (new_return.h) with that type's forms; by
    // default the T3 return, Schedules 9 and 11 and the T183 authorization.
    void newReturn(const QString& type = QStringLiteral("T3"));
    // Opens a .t3r or .json file and calculates it. Throws ReturnFileError;
    // the open return stays as it was when loading fails.
    void open(const QString& path);
    // Save to the current path or to `path` (which then becomes current).
    // Atomic; throws ReturnFileError and keeps the return marked modified.
    void save();
    void saveAs(const QString& path);

    // Adds a new form of a catalogue class as one undoable step; answers it.
    CTaxData_Form* addForm(const FormClass& formClass);

    // Runs the calculation engine over the whole return and tells the views.
    void recalculate();
    // Every form's validation messages, in form order.
    std::vector<ValidationMessage> validate() const { return validateReturn(m_return); }

    // A title for people: the form's own name where it has one, else its
    // catalogue title (with its number when the class appears more than once).
    QString formTitle(int formIndex) const;

public slots:
    // From the pages: the user changed a field, or a page action changed several.
    void recordFieldEdit(CTaxData_Form* form, const QString& fieldName, const QString& oldText,
                         const QString& newText);
    void recordFormEdit(CTaxData_Form* form, const QString& label, const QVector<FieldChange>& changes);
    void recordFormDataEdit(CTaxData_Form* form, const QString& label, const FormDataChangePtr& change);

signals:
    void returnReplaced();   // a new or opened return: rebuild every view
    void formsChanged();     // forms added or removed
    void recalculated();     // values may have changed everywhere: redisplay
    void pathChanged(const QString& path);

private:
    void replaceReturn(TaxReturn&& ret, const QString& path);

    const FormCatalogue& m_catalogue;
    TaxReturn m_return;
    QString m_path;
    QUndoStack m_undo;
};
