// Date and date-and-time widgets that can show the null date: the earliest
// date they allow stands for "no date" and is shown blank; the Delete key
// blanks the widget unless it is read-only. Keyboard tracking is off, so a
// typed date is reported once, when the edit is finished.
#pragma once

#include <QDateEdit>
#include <QDateTimeEdit>

class StyledDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit StyledDateEdit(QWidget* parent = nullptr);
    QDate value() const;            // the null date when blank
    void setValue(const QDate& date);
    static QDate nullStandIn();     // the earliest date, shown blank

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class StyledDateTimeEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit StyledDateTimeEdit(QWidget* parent = nullptr);
    QDateTime value() const;        // invalid when blank
    void setValue(const QDateTime& moment);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
