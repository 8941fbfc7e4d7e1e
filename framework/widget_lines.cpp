#include "framework/widget_lines.h"

#include "framework/field.h"

#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <cmath>

StringLineEdit::StringLineEdit(QWidget* parent) : QLineEdit(parent) {}

void StringLineEdit::showField(const CField& field)
{
    if (field.kind() == FIELD_STRING)
        setMaxLength(static_cast<const CStringField&>(field).maxLength());
    const QString text = field.toText();
    if (this->text() != text)
        setText(text);  // also clears the modified flag
    setModified(false);
}

void StringLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit focusChanged(true, this);
}

void StringLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit focusChanged(false, this);
}

DoubleLineEdit::DoubleLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    static const QRegularExpression amountPattern(QStringLiteral(R"(^\s*[-(]?\s*\$?\s*[\d,]*(\.\d*)?\s*[)%]?\s*$)"));
    setValidator(new QRegularExpressionValidator(amountPattern, this));
}

QString DoubleLineEdit::formatAmount(double value, bool percent, int decimals)
{
    if (!std::isfinite(value))
        return QString();
    if (percent) {
        QString text = QString::number(value, 'f', 4);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        return text == QLatin1String("-0") ? QStringLiteral("0") : text;
    }
    QLocale english(QLocale::English, QLocale::Canada);
    const QString text = english.toString(value, 'f', decimals);
    const QString zero = english.toString(0.0, 'f', decimals);
    return text == QLatin1Char('-') + zero ? zero : text;
}

bool DoubleLineEdit::parseAmount(const QString& text, double& out)
{
    QString t = text;
    t.remove(QLatin1Char(',')).remove(QLatin1Char('$')).remove(QLatin1Char('%')).remove(QLatin1Char(' '));
    bool negative = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2);
    }
    if (t.isEmpty()) {
        out = 0.0;
        return true;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = negative ? -v : v;
    return true;
}

void DoubleLineEdit::showValue(double value)
{
    const QString text = (value == 0.0 && !isReadOnly()) ? QString() : formatAmount(value, m_percent, m_decimals);
    if (this->text() != text)
        setText(text);
    setModified(false);
}

bool DoubleLineEdit::typedValue(double& out) const
{
    return parseAmount(text(), out);
}

MultiLineEdit::MultiLineEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

void MultiLineEdit::showField(const CField& field)
{
    const QString text = field.toText();
    if (toPlainText() != text)
        setPlainText(text);
}

void MultiLineEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    emit editingFinished();
}
