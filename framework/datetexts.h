// The framework's clock and its date and time texts.
#pragma once

#include "framework/cstring.h"

#include <QDate>
#include <QDateTime>

// Current local date and time; SOURCE_DATE_EPOCH in the environment pins it
// (UTC), and tests may fix it with setCurrentDateTimeForTesting.
QDateTime CurrentDateTime();
void setCurrentDateTimeForTesting(const QDateTime& fixed);  // an invalid value restores the real clock

// Current time as text. Format 0 (the default): "yyyy-MM-dd HH:mm:ss";
// 1: "yyyyMMddHHmmss"; 2: "HH:mm:ss".
CString GetCurTime(int format = 0);

// Date texts by format number; the null or an invalid date gives "".
//   0: "MM/dd/yyyy" (as the pages show dates)
//   1: "yyyyMMdd"   (Netfile dates)
//   2: "yyyy-MM-dd" (JSON filing document)
CString GetDateStr(const QDate& date, int format);
// 18: "yyyyMMdd", 19: "yyyy-MM-dd"; other numbers as GetDateStr.
void FormatQDate(CString& out, const QDate& date, int format);
// Reads a "MM/dd/yyyy" text; an unreadable text gives the null date.
QDate ReadDateStr(const CString& mmddyyyy);
