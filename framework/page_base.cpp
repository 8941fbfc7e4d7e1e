#include "framework/page_base.h"

#include "framework/form.h"
#include "framework/widget_choices.h"
#include "framework/widget_dates.h"
#include "framework/widget_lines.h"

#include <QSignalBlocker>
#include <QStyle>

const char* boundWidgetKindName(BoundWidgetKind kind)
{
    switch (kind) {
    case BoundWidgetKind::AmountLine: return "DoubleLineEdit";
    case BoundWidgetKind::TextLine: return "StringLineEdit";
    case BoundWidgetKind::CheckBox: return "StyledCheckBox";
    case BoundWidgetKind::RadioGroup: return "AnswerRadioGroup";
    case BoundWidgetKind::Date: return "StyledDateEdit";
    case BoundWidgetKind::ComboBox: return "CT2ComboBox";
    case BoundWidgetKind::DateTime: return "StyledDateTimeEdit";
    case BoundWidgetKind::MultiLine: return "MultiLineEdit";
    }
    return "";
}

namespace {
// The change signals carry these types through queued connections and spies.
void registerSignalTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<CTaxData_Form*>("CTaxData_Form*");
        qRegisterMetaType<FieldChange>("FieldChange");
        qRegisterMetaType<QVector<FieldChange>>("QVector<FieldChange>");
        return true;
    }();
    (void)registered;
}
}  // namespace

BaseTaxPage::BaseTaxPage(int id, CTaxData_Form* form, QWidget* parent) : QWidget(parent), m_id(id), m_form(form)
{
    registerSignalTypes();
}

BaseTaxPage::BaseTaxPage(const char* title, CTaxData_Form* form, QWidget* parent)
    : QWidget(parent), m_title(QString::fromUtf8(title ? title : "")), m_form(form)
{
    registerSignalTypes();
}

BaseTaxPage::BaseTaxPage(int id, const QString& title, CTaxData_Form* form, QWidget* parent)
    : QWidget(parent), m_id(id), m_title(title), m_form(form)
{
    registerSignalTypes();
}

BaseTaxPage::~BaseTaxPage()
{
    // Child widgets lose the focus while QWidget's destructor hides them;
    // their signals must not reach this half-destroyed page.
    for (const Binding& b : m_bindings)
        b.widget->disconnect(this);
}

bool BaseTaxPage::widgetKind(const QWidget* widget, BoundWidgetKind& kind)
{
    // Most specific classes first: every kind here is a distinct Qt class.
    if (qobject_cast<const DoubleLineEdit*>(widget))
        kind = BoundWidgetKind::AmountLine;
    else if (qobject_cast<const StringLineEdit*>(widget))
        kind = BoundWidgetKind::TextLine;
    else if (qobject_cast<const StyledCheckBox*>(widget))
        kind = BoundWidgetKind::CheckBox;
    else if (qobject_cast<const AnswerRadioGroup*>(widget))
        kind = BoundWidgetKind::RadioGroup;
    else if (qobject_cast<const StyledDateEdit*>(widget))
        kind = BoundWidgetKind::Date;
    else if (qobject_cast<const CT2ComboBox*>(widget))
        kind = BoundWidgetKind::ComboBox;
    else if (qobject_cast<const StyledDateTimeEdit*>(widget))
        kind = BoundWidgetKind::DateTime;
    else if (qobject_cast<const MultiLineEdit*>(widget))
        kind = BoundWidgetKind::MultiLine;
    else
        return false;
    return true;
}

bool BaseTaxPage::bindWidget(QWidget* widget, CField* field)
{
    BoundWidgetKind kind;
    if (!widget || !field || !widgetKind(widget, kind) || m_bindingOfWidget.contains(widget))
        return false;
    m_bindingOfWidget.insert(widget, m_bindings.size());
    m_bindings.push_back({widget, field, kind, isWidgetReadOnly(widget), QString(), false, QString()});
    if (!m_widgetByName.contains(widget->objectName()))
        m_widgetByName.insert(widget->objectName(), widget);

    switch (kind) {
    case BoundWidgetKind::AmountLine:
        connect(static_cast<DoubleLineEdit*>(widget), &QLineEdit::editingFinished, this,
                &BaseTaxPage::onFloatEditFinished);
        break;
    case BoundWidgetKind::TextLine: {
        auto* edit = static_cast<StringLineEdit*>(widget);
        connect(edit, &QLineEdit::editingFinished, this, &BaseTaxPage::onStringEditFinished);
        connect(edit, &StringLineEdit::focusChanged, this, &BaseTaxPage::onLineFocusChanged);
        break;
    }
    case BoundWidgetKind::CheckBox:
        connect(static_cast<StyledCheckBox*>(widget), &QCheckBox::stateChanged, this, &BaseTaxPage::onBoolChanged);
        break;
    case BoundWidgetKind::RadioGroup:
        // The group relays its buttons' idClicked(int), the buttonClicked(int) of older Qt.
        connect(static_cast<AnswerRadioGroup*>(widget), &AnswerRadioGroup::idClicked, this,
                &BaseTaxPage::onRadioIdClicked);
        break;
    case BoundWidgetKind::Date:
        connect(static_cast<StyledDateEdit*>(widget), &QDateEdit::dateChanged, this, &BaseTaxPage::onDateChanged);
        break;
    case BoundWidgetKind::ComboBox:
        connect(static_cast<CT2ComboBox*>(widget), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &BaseTaxPage::onCmbCurIndexChanged);
        break;
    case BoundWidgetKind::DateTime:
        connect(static_cast<StyledDateTimeEdit*>(widget), &QDateTimeEdit::dateTimeChanged, this,
                &BaseTaxPage::onDateTimeChanged);
        break;
    case BoundWidgetKind::MultiLine: {
        auto* edit = static_cast<MultiLineEdit*>(widget);
        connect(edit, &QPlainTextEdit::textChanged, this, &BaseTaxPage::onMultiLineEditFinished);
        connect(edit, &MultiLineEdit::editingFinished, this, &BaseTaxPage::onMultiLineFocusLeft);
        break;
    }
    }
    const QString tip = getTooltip(m_form ? m_form->fieldIndex(field->name()) : -1);
    if (!tip.isEmpty())
        widget->setToolTip(tip);
    m_bindings.last().ownToolTip = widget->toolTip();
    return true;
}

// ---- read-only widgets

void BaseTaxPage::setWidgetReadOnly(QWidget* widget, bool readOnly)
{
    BoundWidgetKind kind;
    if (!widget || !widgetKind(widget, kind))
        return;
    switch (kind) {
    case BoundWidgetKind::AmountLine:
    case BoundWidgetKind::TextLine: static_cast<QLineEdit*>(widget)->setReadOnly(readOnly); break;
    case BoundWidgetKind::MultiLine: static_cast<MultiLineEdit*>(widget)->setReadOnly(readOnly); break;
    case BoundWidgetKind::CheckBox: static_cast<StyledCheckBox*>(widget)->setReadOnly(readOnly); break;
    case BoundWidgetKind::RadioGroup: static_cast<AnswerRadioGroup*>(widget)->setReadOnly(readOnly); break;
    case BoundWidgetKind::ComboBox: static_cast<CT2ComboBox*>(widget)->setReadOnly(readOnly); break;
    case BoundWidgetKind::Date:
    case BoundWidgetKind::DateTime: {
        // Without its arrows and calendar a read-only date is a plain read-only line.
        auto* edit = static_cast<QDateTimeEdit*>(widget);
        edit->setReadOnly(readOnly);
        edit->setButtonSymbols(readOnly ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
        edit->setCalendarPopup(!readOnly);
        break;
    }
    }
    // Style sheet rules on the read-only state apply on the next polish.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->style()->unpolish(child);
        child->style()->polish(child);
    }
    widget->update();
}

bool BaseTaxPage::isWidgetReadOnly(const QWidget* widget)
{
    return widget && widget->property("readOnly").toBool();
}

// ---- fields the calculation fills

void BaseTaxPage::showEngineFilled(Binding& b, bool filled, const QString& sourceText)
{
    b.engineFilled = filled;
    b.engineSource = filled ? sourceText : QString();
    setWidgetReadOnly(b.widget, filled || b.ownReadOnly);
    QString tip = b.ownToolTip;
    if (filled) {
        const QString from = sourceText.isEmpty() ? tr("Filled in by the calculation")
                                                  : tr("Filled in from %1").arg(sourceText);
        tip = tip.isEmpty() ? from : tip + QLatin1Char('\n') + from;
    }
    b.widget->setToolTip(tip);
    showField(b);  // a read-only amount shows its zero
}

void BaseTaxPage::setEngineFilled(const QString& fieldName, const QString& sourceText)
{
    for (Binding& b : m_bindings)
        if (fieldName == QLatin1String(b.field->name()) &&
            (!b.engineFilled || b.engineSource != sourceText))
            showEngineFilled(b, true, sourceText);
}

void BaseTaxPage::clearEngineFilled(const QString& fieldName)
{
    for (Binding& b : m_bindings)
        if (b.engineFilled && fieldName == QLatin1String(b.field->name()))
            showEngineFilled(b, false, QString());
}

QStringList BaseTaxPage::engineFilledFields() const
{
    QStringList names;
    for (const Binding& b : m_bindings) {
        const QString name = QLatin1String(b.field->name());
        if (b.engineFilled && !names.contains(name))
            names << name;
    }
    return names;
}

QString BaseTaxPage::engineFilledSource(const QString& fieldName) const
{
    for (const Binding& b : m_bindings)
        if (b.engineFilled && fieldName == QLatin1String(b.field->name()))
            return b.engineSource;
    return QString();
}

QWidget* BaseTaxPage::widgetByName(const QString& objectName) const
{
    return m_widgetByName.value(objectName, nullptr);
}

CField* BaseTaxPage::fieldOf(const QWidget* widget) const
{
    const Binding* b = bindingOf(widget);
    return b ? b->field : nullptr;
}

QVector<QWidget*> BaseTaxPage::boundWidgets() const
{
    QVector<QWidget*> widgets;
    widgets.reserve(m_bindings.size());
    for (const Binding& b : m_bindings)
        widgets.push_back(b.widget);
    return widgets;
}

const BaseTaxPage::Binding* BaseTaxPage::bindingOf(const QObject* widget) const
{
    const auto it = m_bindingOfWidget.constFind(widget);
    return it == m_bindingOfWidget.cend() ? nullptr : &m_bindings[*it];
}

// ---- moving values

void BaseTaxPage::showField(const Binding& b)
{
    const QSignalBlocker blocker(b.widget);
    const CField& f = *b.field;
    switch (b.kind) {
    case BoundWidgetKind::AmountLine: {
        auto* edit = static_cast<DoubleLineEdit*>(b.widget);
        if (f.kind() == FIELD_FLOAT || f.kind() == FIELD_PERCENT)
            edit->showValue(static_cast<const CFloatField&>(f).value());
        break;
    }
    case BoundWidgetKind::TextLine: static_cast<StringLineEdit*>(b.widget)->showField(f); break;
    case BoundWidgetKind::CheckBox:
        static_cast<StyledCheckBox*>(b.widget)->setChecked(f.kind() == FIELD_BOOL && static_cast<const CBoolField&>(f));
        break;
    case BoundWidgetKind::RadioGroup:
        static_cast<AnswerRadioGroup*>(b.widget)->setValue(f.kind() == FIELD_INT ? static_cast<const CIntField&>(f).value() : -1);
        break;
    case BoundWidgetKind::Date:
        static_cast<StyledDateEdit*>(b.widget)->setValue(f.kind() == FIELD_DATE ? static_cast<const CDateField&>(f).value() : QDate());
        break;
    case BoundWidgetKind::ComboBox:
        static_cast<CT2ComboBox*>(b.widget)->showCode(f.kind() == FIELD_INT ? static_cast<const CIntField&>(f).value() : -1);
        break;
    case BoundWidgetKind::DateTime:
        static_cast<StyledDateTimeEdit*>(b.widget)->setValue(
            f.kind() == FIELD_DATETIME ? static_cast<const CDateTimeField&>(f).value() : QDateTime());
        break;
    case BoundWidgetKind::MultiLine: static_cast<MultiLineEdit*>(b.widget)->showField(f); break;
    }
}

bool BaseTaxPage::widgetText(const Binding& b, QString& text) const
{
    switch (b.kind) {
    case BoundWidgetKind::AmountLine: {
        double v = 0.0;
        if (!static_cast<DoubleLineEdit*>(b.widget)->typedValue(v))
            return false;
        text = QString::number(v, 'g', 17);
        return true;
    }
    case BoundWidgetKind::TextLine: text = static_cast<StringLineEdit*>(b.widget)->text(); return true;
    case BoundWidgetKind::CheckBox:
        text = static_cast<StyledCheckBox*>(b.widget)->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        return true;
    case BoundWidgetKind::RadioGroup:
        text = QString::number(static_cast<AnswerRadioGroup*>(b.widget)->value());
        return true;
    case BoundWidgetKind::Date: {
        const QDate d = static_cast<StyledDateEdit*>(b.widget)->value();
        text = d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
        return true;
    }
    case BoundWidgetKind::ComboBox: {
        const int code = static_cast<CT2ComboBox*>(b.widget)->currentCode();
        if (code < 0)
            return false;
        text = QString::number(code);
        return true;
    }
    case BoundWidgetKind::DateTime: {
        const QDateTime m = static_cast<StyledDateTimeEdit*>(b.widget)->value();
        text = m.isValid() ? m.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
        return true;
    }
    case BoundWidgetKind::MultiLine: text = static_cast<MultiLineEdit*>(b.widget)->toPlainText(); return true;
    }
    return false;
}

void BaseTaxPage::GetDataFromDoc()
{
    for (const Binding& b : m_bindings)
        showField(b);
}

void BaseTaxPage::PutDataToDoc()
{
    for (const Binding& b : m_bindings) {
        // An amount shows two decimals of a value that may hold more: only a
        // typed amount goes back to its field.
        if (b.kind == BoundWidgetKind::AmountLine && !static_cast<DoubleLineEdit*>(b.widget)->isModified())
            continue;
        QString text;
        if (widgetText(b, text))
            commit(b, text);
    }
}

void BaseTaxPage::commit(const Binding& b, const QString& newText)
{
    if (b.ownReadOnly || b.engineFilled) {
        showField(b);  // what is shown, never edited, is never written back
        return;
    }
    CField& f = *b.field;
    const QString oldText = f.toText();
    if (!f.fromText(newText)) {
        showField(b);
        return;
    }
    const QString nowText = f.toText();
    if (nowText == oldText) {
        showField(b);
        return;
    }
    AfterFieldChanged(f.kind(), m_form ? m_form->fieldIndex(f.name()) : -1, int(&b - m_bindings.constData()));
    CalcFormData(&f);
    for (const Binding& other : m_bindings)
        if (other.field == &f)
            showField(other);
    emit fieldEdited(m_form, QString::fromLatin1(f.name()), oldText, nowText);
}

void BaseTaxPage::commitFromSender()
{
    const Binding* b = bindingOf(sender());
    if (!b)
        return;
    QString text;
    if (widgetText(*b, text))
        commit(*b, text);
    else
        showField(*b);
}

void BaseTaxPage::runFormAction(const QString& label, const std::function<void()>& action)
{
    if (!m_form)
        return;
    const std::vector<CField*>& fields = m_form->fields();
    QVector<QString> before;
    before.reserve(int(fields.size()));
    for (const CField* f : fields)
        before.push_back(f->toText());
    action();
    QVector<FieldChange> changes;
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString after = fields[i]->toText();
        if (after != before[int(i)])
            changes.push_back({QString::fromLatin1(fields[i]->name()), before[int(i)], after});
    }
    GetDataFromDoc();
    if (!changes.isEmpty())
        emit formEdited(m_form, label, changes);
}

// ---- change slots of the binding table

void BaseTaxPage::onFloatEditFinished()
{
    auto* edit = qobject_cast<DoubleLineEdit*>(sender());
    const Binding* b = bindingOf(edit);
    if (!b || !edit->isModified())
        return;
    edit->setModified(false);
    QString text;
    if (widgetText(*b, text))
        commit(*b, text);
    else
        showField(*b);
}

void BaseTaxPage::onStringEditFinished()
{
    auto* edit = qobject_cast<StringLineEdit*>(sender());
    const Binding* b = bindingOf(edit);
    if (!b)
        return;
    if (!CheckData(b->field, edit, edit->text().toStdString())) {
        showField(*b);
        return;
    }
    commit(*b, edit->text());
}

void BaseTaxPage::onBoolChanged(int /*state*/) { commitFromSender(); }
void BaseTaxPage::onRadioIdClicked(int /*answer*/) { commitFromSender(); }
void BaseTaxPage::onDateChanged(const QDate& /*date*/) { commitFromSender(); }
void BaseTaxPage::onCmbCurIndexChanged(int /*index*/) { commitFromSender(); }
void BaseTaxPage::onDateTimeChanged(const QDateTime& /*moment*/) { commitFromSender(); }

void BaseTaxPage::onMultiLineEditFinished()
{
    // Keeps the field current while typing; the edit is reported once, when
    // the widget loses the focus (onMultiLineFocusLeft).
    const Binding* b = bindingOf(sender());
    if (!b)
        return;
    if (!m_multiLineStart.contains(b->widget))
        m_multiLineStart.insert(b->widget, b->field->toText());
    const QString text = static_cast<MultiLineEdit*>(b->widget)->toPlainText();
    if (!b->field->fromText(text)) {
        const QSignalBlocker blocker(b->widget);
        showField(*b);  // longer than the field allows: cut back
    }
}

void BaseTaxPage::onMultiLineFocusLeft()
{
    const Binding* b = bindingOf(sender());
    if (!b || !m_multiLineStart.contains(b->widget))
        return;
    const QString start = m_multiLineStart.take(b->widget);
    const QString now = b->field->toText();
    if (start == now)
        return;
    // Report the whole typing as one edit, from the text it started with.
    b->field->fromText(start);
    commit(*b, now);
}

void BaseTaxPage::onLineFocusChanged(bool focused, StringLineEdit* edit)
{
    onFocussed(focused, edit);
}

// ---- defaults of the overridable operations

void BaseTaxPage::onFocussed(bool /*focused*/, StringLineEdit* /*edit*/) {}
void BaseTaxPage::AutoDataCorrection() {}
void BaseTaxPage::AfterFieldChanged(ENUMTYPE_FIELD /*kind*/, int /*fieldIndex*/, int /*widgetIndex*/) {}
QString BaseTaxPage::getTooltip(int /*fieldIndex*/) { return QString(); }
bool BaseTaxPage::CheckData(CField* /*field*/, StringLineEdit* /*edit*/, std::string /*text*/) { return true; }
void BaseTaxPage::CalcFormData(CField* /*field*/) {}
void BaseTaxPage::AssociateFormData() {}
bool BaseTaxPage::getWSDefaultTitle(int /*which*/, QString& /*title*/) { return false; }
PpgWizardPage* BaseTaxPage::getWorksheetEditDlg(int /*which*/, long /*param*/, QString& /*title*/) { return nullptr; }

