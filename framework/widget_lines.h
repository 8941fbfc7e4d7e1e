// Line-edit widgets of the form pages: text, amount and multi-line text.
// Each shows one field; the page moves values between widget and field.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

class CField;

// One-line text bound to a text field; keeps at most the field's length.
class StringLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit StringLineEdit(QWidget* parent = nullptr);

    void showField(const CField& field);  // the field's text, not marked as modified
signals:
    // Focus gained (true) or lost (false); the page hands it to onFocussed.
    void focusChanged(bool focused, StringLineEdit* self);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Amount (or percentage) line: right-aligned, two decimals (or the field's
// own) with thousands separators, empty for zero unless read-only. Accepts "1,234.50", "$12",
// "-7" and the like.
class DoubleLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DoubleLineEdit(QWidget* parent = nullptr);

    void setPercent(bool percent) { m_percent = percent; }
    bool isPercent() const { return m_percent; }
    void setDecimals(int decimals) { m_decimals = decimals; }
    void showValue(double value);
    // The typed amount; false when the text is not an amount. Empty is 0.
    bool typedValue(double& out) const;

    // Display text of an amount: "1,234.56", "-0.10", "1.3497" with four
    // decimals; percentages keep up to four decimals ("12.5").
    static QString formatAmount(double value, bool percent, int decimals = 2);
    // Reverse of formatAmount, tolerant of blanks, '$', '%' and separators.
    static bool parseAmount(const QString& text, double& out);

private:
    bool m_percent = false;
    int m_decimals = 2;
};

// Multi-line text. textChanged() keeps the field current while typing;
// editingFinished() marks the end of one edit (focus leaves the widget).
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget* parent = nullptr);
    void showField(const CField& field);
signals:
    void editingFinished();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
