// Value kinds of the JSON filing document that the writers share.
#pragma once

#include <QDate>
#include <string>

// Indicator of a yes/no answer stored as a choice: true exactly for 0 (Yes).
inline bool jsonIndicator(int answer)
{
    return answer == 0;
}
// GetDateStr(date, 2): "yyyy-MM-dd", "" for the null date.
std::string jsonDate(const QDate& date);
// FormatQDate(…, 19) of the slip-issuer data: "yyyy-MM-dd", "" for the null date.
std::string jsonIssuerDate(const QDate& date);
// Three-letter code of the country table entry at `index`; "" when out of range.
std::string jsonCountry(int index);
// Two-letter code of the province table entry at `code`; "" when out of range.
std::string jsonProvince(int code);
