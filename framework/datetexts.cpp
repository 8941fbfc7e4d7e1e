#include "framework/datetexts.h"

namespace {
QDateTime& fixedNow()
{
    static QDateTime fixed;
    return fixed;
}

// SOURCE_DATE_EPOCH (seconds since 1970, UTC) pins the clock, as reproducible
// builds do, so that scripted runs write the same bytes on any day.
QDateTime sourceDateEpoch()
{
    static const QDateTime pinned = [] {
        bool ok = false;
        const qint64 secs = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
        return ok && secs >= 0 ? QDateTime::fromSecsSinceEpoch(secs, Qt::UTC) : QDateTime();
    }();
    return pinned;
}
}  // namespace

QDateTime CurrentDateTime()
{
    if (fixedNow().isValid())
        return fixedNow();
    const QDateTime pinned = sourceDateEpoch();
    return pinned.isValid() ? pinned : QDateTime::currentDateTime();
}

void setCurrentDateTimeForTesting(const QDateTime& fixed)
{
    fixedNow() = fixed;
}

CString GetCurTime(int format)
{
    const QDateTime now = CurrentDateTime();
    switch (format) {
    case 1: return now.toString(QStringLiteral("yyyyMMddHHmmss"));
    case 2: return now.toString(QStringLiteral("HH:mm:ss"));
    default: return now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
}

CString GetDateStr(const QDate& date, int format)
{
    if (!date.isValid())
        return CString();
    switch (format) {
    case 0: return date.toString(QStringLiteral("MM/dd/yyyy"));
    case 1: return date.toString(QStringLiteral("yyyyMMdd"));
    default: return date.toString(QStringLiteral("yyyy-MM-dd"));
    }
}

void FormatQDate(CString& out, const QDate& date, int format)
{
    switch (format) {
    case 18: out = GetDateStr(date, 1); break;
    case 19: out = GetDateStr(date, 2); break;
    default: out = GetDateStr(date, format); break;
    }
}

QDate ReadDateStr(const CString& mmddyyyy)
{
    return QDate::fromString(mmddyyyy.trimmed(), QStringLiteral("MM/dd/yyyy"));
}
