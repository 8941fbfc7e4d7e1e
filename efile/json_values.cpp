#include "efile/json_values.h"

#include "framework/datetexts.h"
#include "framework/geo_tables.h"

std::string jsonDate(const QDate& date)
{
    return GetDateStr(date, 2).toStdString();
}

std::string jsonIssuerDate(const QDate& date)
{
    CString text;
    FormatQDate(text, date, 19);
    return text.toStdString();
}

std::string jsonCountry(int index)
{
    const STRUCT_COUNTRY_INFO* c = countryInfo(index);
    return c ? c->iso3 : "";
}

std::string jsonProvince(int code)
{
    const STRUCT_PROV_INFO* p = provinceInfo(code);
    return p ? p->abbr : "";
}
