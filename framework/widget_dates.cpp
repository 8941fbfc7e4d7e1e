#include "framework/widget_dates.h"

#include <QKeyEvent>

namespace {
const QDate kNullStandIn(1900, 1, 1);

}  // namespace

StyledDateEdit::StyledDateEdit(QWidget* parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
    setMinimumDate(kNullStandIn);
    setSpecialValueText(QStringLiteral(" "));
    setKeyboardTracking(false);
    setDate(kNullStandIn);
}

QDate StyledDateEdit::nullStandIn()
{
    return kNullStandIn;
}

QDate StyledDateEdit::value() const
{
    return date() == kNullStandIn ? QDate() : date();
}

void StyledDateEdit::setValue(const QDate& date)
{
    setDate(date.isValid() && date > kNullStandIn ? date : kNullStandIn);
}

void StyledDateEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && !isReadOnly()) {
        setDate(kNullStandIn);  // reported through dateChanged when it was not blank
        return;
    }
    QDateEdit::keyPressEvent(event);
}

StyledDateTimeEdit::StyledDateTimeEdit(QWidget* parent) : QDateTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    setCalendarPopup(true);
    setMinimumDateTime(QDateTime(kNullStandIn, QTime(0, 0)));
    setSpecialValueText(QStringLiteral(" "));
    setKeyboardTracking(false);
    setDateTime(minimumDateTime());
}

QDateTime StyledDateTimeEdit::value() const
{
    return dateTime() == minimumDateTime() ? QDateTime() : dateTime();
}

void StyledDateTimeEdit::setValue(const QDateTime& moment)
{
    setDateTime(moment.isValid() && moment > minimumDateTime() ? moment : minimumDateTime());
}

void StyledDateTimeEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && !isReadOnly()) {
        setDateTime(minimumDateTime());
        return;
    }
    QDateTimeEdit::keyPressEvent(event);
}
