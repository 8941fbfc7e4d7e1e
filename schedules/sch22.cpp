#include "schedules/sch22.h"

#include "framework/geo_tables.h"

namespace {
// United States: states and the District of Columbia in the order of their
// names, numbered from 1 as the page lists them.
const char* const kStates[] = {
    "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID", "IL", "IN", "IA", "KS",
    "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC",
    "ND", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY",
};
constexpr int kStateCount = int(sizeof(kStates) / sizeof(kStates[0]));
}  // namespace

QString provinceShortName(int country, int prov)
{
    if (country == COUNTRY_CANADA) {
        const STRUCT_PROV_INFO* info = provinceInfo(prov);
        return info ? QString::fromUtf8(info->abbr) : QString();
    }
    if (country == COUNTRY_USA && prov >= 1 && prov <= kStateCount)
        return QString::fromUtf8(kStates[prov - 1]);
    return QString();
}

int TaxData_Sch22::Calculate()
{
    for (AddressRow& a : m_addresses) {
        if (a.Country < 0) {
            a.Country = 0;
            a.Prov_Print = QString();
        }
        if (a.Country == COUNTRY_CANADA || a.Country == COUNTRY_USA) {
            if (a.Prov < 1)
                a.Prov = 1;
            a.Prov_Print = provinceShortName(a.Country, a.Prov);
        } else {
            a.Prov_Print = QString();
        }
        const STRUCT_COUNTRY_INFO* country = countryInfo(a.Country);
        a.Country_Print = country ? QString::fromUtf8(country->name) : QString();
    }
    return 0;
}
