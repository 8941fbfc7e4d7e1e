#include "app/gui/return_session.h"

#include "app/gui/edit_commands.h"
#include "host/calc_engine.h"
#include "host/new_return.h"
#include "host/return_file.h"

ReturnSession::ReturnSession(const FormCatalogue& catalogue, QObject* parent)
    : QObject(parent), m_catalogue(catalogue)
{
}

void ReturnSession::replaceReturn(TaxReturn&& ret, const QString& path)
{
    m_undo.clear();  // its steps name forms of the old return
    m_return = std::move(ret);
    m_path = path;
    calculateReturn(m_return);
    m_undo.setClean();
    emit returnReplaced();
    emit pathChanged(m_path);
}

void ReturnSession::newReturn(const QString& type)
{
    replaceReturn(newDefaultReturn(m_catalogue, type), QString());
}

void ReturnSession::open(const QString& path)
{
    replaceReturn(loadReturn(path, m_catalogue), path);
}

void ReturnSession::save()
{
    saveAs(m_path);
}

void ReturnSession::saveAs(const QString& path)
{
    saveReturn(path, m_return, m_catalogue);
    m_undo.setClean();
    if (path != m_path) {
        m_path = path;
        emit pathChanged(m_path);
    }
}

CTaxData_Form* ReturnSession::addForm(const FormClass& formClass)
{
    auto* command = new AddFormCommand(*this, formClass.create(), formClass.title);
    m_undo.push(command);
    return command->form();
}

void ReturnSession::recalculate()
{
    calculateReturn(m_return);
    emit recalculated();
}

QString ReturnSession::formTitle(int formIndex) const
{
    CTaxData_Form* form = m_return.form(formIndex);
    CString own;
    if (form->GetDisplayName(own) && !own.isEmpty())
        return own;
    const FormClass* cls = m_catalogue.classOf(*form);
    QString title = cls ? cls->title : form->shortClassName();
    if (form->seqNum() > 1)
        title += QStringLiteral(" (%1)").arg(form->seqNum());
    return title;
}

void ReturnSession::recordFieldEdit(CTaxData_Form* form, const QString& fieldName, const QString& oldText,
                                    const QString& newText)
{
    const int index = m_return.indexOf(form);
    if (index < 0)
        return;
    m_undo.push(new FieldEditCommand(*this, index, {fieldName, oldText, newText}));
    recalculate();
}

void ReturnSession::recordFormEdit(CTaxData_Form* form, const QString& label, const QVector<FieldChange>& changes)
{
    const int index = m_return.indexOf(form);
    if (index < 0)
        return;
    m_undo.push(new FormEditCommand(*this, index, label, changes));
    recalculate();
}

void ReturnSession::recordFormDataEdit(CTaxData_Form* form, const QString& label, const FormDataChangePtr& change)
{
    const int index = m_return.indexOf(form);
    if (index < 0 || !change)
        return;
    m_undo.push(new FormDataEditCommand(*this, index, label, change));
    recalculate();
}
