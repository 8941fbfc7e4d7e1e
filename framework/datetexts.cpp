#include "framework/datetexts.h"

namespace {
QDateTime& fixedNow()
{
    static QDateTime fixed;
    return fixed;
}
}  // namespace

QDateTime CurrentDateTime()
{
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
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
