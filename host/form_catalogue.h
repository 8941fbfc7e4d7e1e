// The form classes the host can create: one row per class, with the name the
// return file uses, the title shown to the user and a factory; then the
// classes that are parts of forms, which the host describes but never creates
// on their own. The standard catalogue (form_catalogue.cpp) is the one list
// of classes; each new form adds a single row there.
#pragma once

#include "framework/form.h"

#include <QString>
#include <memory>
#include <vector>

// What the creator of a form supplies besides its class.
enum class CreatorArg {
    None,        // the class fixes its form-type id (or slip type and origin)
    TypeId,      // one class serves several form types: the creator gives the id
    SlipOrigin,  // a received slip: the creator gives where it came from
};

// What a catalogue class is: a form a return holds, or a part of other forms
// that the catalogue describes (fields, Java declarations, pages) but that no
// return holds on its own.
enum class EntryKind {
    Form,
    Base,       // the base class of the forms named by `heldBy`
    Worksheet,  // a worksheet that the form named by `heldBy` holds
};

using FormFactory = std::unique_ptr<CTaxData_Form> (*)(int arg);

struct FormClass {
    QString className;  // "TaxData_T3Ret"
    QString jsonName;   // "T3Ret": the class name without "TaxData_"
    QString title;
    CreatorArg creatorArg;
    FormFactory factory;  // `arg` is the type id or slip origin; ignored for CreatorArg::None
    EntryKind kind = EntryKind::Form;
    QString heldBy;  // Base and Worksheet: the JSON names of the forms ("T3Ret, T3M")

    // An object of the class: a form, or for a part the part alone (to describe it).
    std::unique_ptr<CTaxData_Form> create(int arg = 0) const { return factory(arg); }
    bool isSlip() const;  // answered by creating a sample object
    bool standalone() const { return kind == EntryKind::Form; }
    // "form", "base of T3Ret, T3M ..." or "worksheet of T2125_New".
    QString kindText() const;
    // Why a return cannot hold the class on its own; empty for a form.
    QString notStandaloneReason() const;
};

class FormCatalogue {
public:
    explicit FormCatalogue(std::vector<FormClass> classes);
    // Every form class of the library.
    static const FormCatalogue& standard();

    // The form classes a return holds.
    const std::vector<FormClass>& classes() const { return m_forms; }
    // Every entry: the forms, then the parts of forms (EntryKind).
    const std::vector<FormClass>& entries() const { return m_classes; }
    // Any entry, by class name ("TaxData_T3Ret") or JSON name ("T3Ret"); nullptr when unknown.
    const FormClass* find(const QString& name) const;
    // The row of a form object's class; nullptr when the class is not listed.
    const FormClass* classOf(const CTaxData_Form& form) const;

private:
    std::vector<FormClass> m_classes;
    std::vector<FormClass> m_forms;
};

// The JSON name of a class name: "TaxData_T3Ret" -> "T3Ret"; other names unchanged.
QString jsonNameOfClass(const QString& className);

namespace catalogue_detail {
template <class Form>
std::unique_ptr<CTaxData_Form> createPlain(int)
{
    return std::make_unique<Form>();
}
template <class Form>
std::unique_ptr<CTaxData_Form> createWithArg(int arg)
{
    return std::make_unique<Form>(arg);
}
template <class Form>
FormClass row(const char* title, CreatorArg arg, FormFactory factory)
{
    const QString name = QString::fromLatin1(Form::staticMetaObject.className());
    return FormClass{name, jsonNameOfClass(name), QString::fromUtf8(title), arg, factory, EntryKind::Form, QString()};
}
}  // namespace catalogue_detail

// Rows of the catalogue, one per class; the class name comes from the class itself.
template <class Form>
FormClass plainForm(const char* title)
{
    return catalogue_detail::row<Form>(title, CreatorArg::None, &catalogue_detail::createPlain<Form>);
}
template <class Form>
FormClass formWithTypeId(const char* title)
{
    return catalogue_detail::row<Form>(title, CreatorArg::TypeId, &catalogue_detail::createWithArg<Form>);
}
template <class Form>
FormClass slipWithOrigin(const char* title)
{
    return catalogue_detail::row<Form>(title, CreatorArg::SlipOrigin, &catalogue_detail::createWithArg<Form>);
}
namespace catalogue_detail {
template <class Part>
FormClass partOfForms(const char* title, EntryKind kind, const char* heldBy, FormFactory factory)
{
    FormClass part = row<Part>(title, CreatorArg::None, factory);
    part.kind = kind;
    part.heldBy = QString::fromLatin1(heldBy);
    return part;
}
}  // namespace catalogue_detail
// The base class of the forms `heldBy`, created with form-type id 0 to be described.
template <class Base>
FormClass baseOfForms(const char* title, const char* heldBy)
{
    return catalogue_detail::partOfForms<Base>(title, EntryKind::Base, heldBy, &catalogue_detail::createWithArg<Base>);
}
// A worksheet of the form `heldBy`, created alone to be described.
template <class Worksheet>
FormClass worksheetOf(const char* title, const char* heldBy)
{
    return catalogue_detail::partOfForms<Worksheet>(title, EntryKind::Worksheet, heldBy,
                                                    &catalogue_detail::createPlain<Worksheet>);
}
