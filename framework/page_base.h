// The page side of the framework: BaseTaxPage binds the input widgets of a
// form page to the form's fields by name, moves values between them and
// reports every change the user makes, so that the host can recalculate the
// return and record an undo step.
#pragma once

#include "framework/field.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class CTaxData_Form;
class CWSBaseData;
class StringLineEdit;
class PpgWizardPage;

// The widget kinds that bind to fields; the name is what `trustella pages` lists.
enum class BoundWidgetKind { AmountLine, TextLine, CheckBox, RadioGroup, Date, ComboBox, DateTime, MultiLine };
const char* boundWidgetKindName(BoundWidgetKind kind);  // "DoubleLineEdit", ...

// One field's value before and after a change, as the field's plain text.
struct FieldChange {
    QString field;
    QString oldText;
    QString newText;
};
Q_DECLARE_METATYPE(FieldChange)
Q_DECLARE_METATYPE(QVector<FieldChange>)

// A change of data that a form keeps outside its fields (Schedule 1's extra
// share entries), made already, that can put either side back for undo.
class FormDataChange {
public:
    virtual ~FormDataChange() = default;
    virtual void apply(CTaxData_Form& form, bool newSide) const = 0;
};
using FormDataChangePtr = std::shared_ptr<const FormDataChange>;
Q_DECLARE_METATYPE(FormDataChangePtr)

class BaseTaxPage : public QWidget {
    Q_OBJECT
public:
    BaseTaxPage(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    BaseTaxPage(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    // An id and a title, as a page description gives them (the title, when
    // not empty, is the caption).
    BaseTaxPage(int id, const QString& title, CTaxData_Form* form, QWidget* parent = nullptr);
    ~BaseTaxPage() override;

    int pageId() const { return m_id; }
    const QString& pageTitle() const { return m_title; }
    QString caption() const { return m_title.isEmpty() ? QString::number(m_id) : m_title; }
    CTaxData_Form* form() const { return m_form; }

    // ---- the binding tables
    // Records `widget` under its object name and the field for the widget,
    // and connects the widget's change signal to the slot for its kind.
    // Answers false (binding nothing) when the widget is of no bindable kind.
    bool bindWidget(QWidget* widget, CField* field);
    QWidget* widgetByName(const QString& objectName) const;
    CField* fieldOf(const QWidget* widget) const;
    QVector<QWidget*> boundWidgets() const;  // in binding order
    static bool widgetKind(const QWidget* widget, BoundWidgetKind& kind);

    // Read-only state of a bound widget of any kind: the value shows, nothing
    // the user does changes it, and it looks like a computed total.
    static void setWidgetReadOnly(QWidget* widget, bool readOnly);
    static bool isWidgetReadOnly(const QWidget* widget);

    // ---- fields the calculation fills
    // The field's widgets become read-only and name where the value comes
    // from ("Schedule 11 line 34") until cleared; no edit of them reaches
    // the field.
    void setEngineFilled(const QString& fieldName, const QString& sourceText);
    void clearEngineFilled(const QString& fieldName);
    QStringList engineFilledFields() const;
    QString engineFilledSource(const QString& fieldName) const;  // empty when not filled

    // Runs a page action that may change many fields (an automatic
    // allocation, a generated number) and reports it as one edit.
    void runFormAction(const QString& label, const std::function<void()>& action);

    // ---- operations a page may override, in slot order
    virtual void onFocussed(bool focused, StringLineEdit* edit);
    virtual void GetDataFromDoc();   // fields -> widgets
    virtual void PutDataToDoc();     // widgets -> fields, each change reported
    virtual void AutoDataCorrection();
    // After a user change of a field: its kind, registry index and the
    // widget's position in the binding order.
    virtual void AfterFieldChanged(ENUMTYPE_FIELD kind, int fieldIndex, int widgetIndex);
    virtual QString getTooltip(int fieldIndex);
    // May refuse a typed text before it reaches the field.
    virtual bool CheckData(CField* field, StringLineEdit* edit, std::string text);
    virtual void CalcFormData(CField* field);
    virtual void AssociateFormData();
    virtual void ShowWorksheetEditDlg(int which, long param);
    virtual bool getWSDefaultTitle(int which, QString& title);
    virtual PpgWizardPage* getWorksheetEditDlg(int which, long param, QString& title);

signals:
    // The user changed one field (texts as CField::toText gives them).
    void fieldEdited(CTaxData_Form* form, const QString& fieldName, const QString& oldText, const QString& newText);
    // A page action changed several fields at once.
    void formEdited(CTaxData_Form* form, const QString& label, const QVector<FieldChange>& changes);
    // A page action changed data the form keeps outside its fields.
    void formDataEdited(CTaxData_Form* form, const QString& label, const FormDataChangePtr& change);

public slots:
    void onFloatEditFinished();
    void onStringEditFinished();
    void onBoolChanged(int state);
    void onRadioIdClicked(int answer);
    void onDateChanged(const QDate& date);
    void onCmbCurIndexChanged(int index);
    void onDateTimeChanged(const QDateTime& moment);
    void onMultiLineEditFinished();

private slots:
    void onMultiLineFocusLeft();
    void onLineFocusChanged(bool focused, StringLineEdit* edit);

private:
    struct Binding {
        QWidget* widget;
        CField* field;
        BoundWidgetKind kind;
        bool ownReadOnly;  // read-only as built (a computed total, an "=" cell)
        QString ownToolTip;
        bool engineFilled = false;
        QString engineSource;
    };
    void showEngineFilled(Binding& binding, bool filled, const QString& sourceText);
    const Binding* bindingOf(const QObject* widget) const;
    void showField(const Binding& binding);
    // The widget's value as field text; false when it holds no valid value.
    bool widgetText(const Binding& binding, QString& text) const;
    void commit(const Binding& binding, const QString& newText);
    void commitFromSender();

    int m_id = 0;
    QString m_title;
    CTaxData_Form* m_form;
    QVector<Binding> m_bindings;
    QHash<QString, QWidget*> m_widgetByName;
    QHash<const QObject*, int> m_bindingOfWidget;
    QHash<const QObject*, QString> m_multiLineStart;  // text when typing began
};
