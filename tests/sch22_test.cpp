// Schedule 22: each trust's province against its country, and the printed
// province and country.
#include "schedules/sch22.h"

#include "framework/geo_tables.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    int country, prov;
    int expectedCountry, expectedProv;
    const char* provPrint;
    const char* countryPrint;
};

TEST(Sch22, ProvinceFollowsTheCountry)
{
    const AddressCase cases[] = {
        {COUNTRY_CANADA, PROV_ON, COUNTRY_CANADA, PROV_ON, "ON", "Canada"},
        {COUNTRY_CANADA, 0, COUNTRY_CANADA, PROV_AB, "AB", "Canada"},  // raised to the first province
        {COUNTRY_USA, 33, COUNTRY_USA, 33, "NY", "United States"},
        {COUNTRY_USA, -1, COUNTRY_USA, 1, "AL", "United States"},
        {0, 5, 0, 5, "", "not chosen"},  // no country: the province stays, unprinted
        {-3, 5, 0, 5, "", "not chosen"},
    };
    for (const AddressCase& c : cases) {
        TaxData_Sch22 s;
        TaxData_Sch22::AddressRow& last = s.m_addresses[TaxData_Sch22::kTrusts - 1];
        last.Country = c.country;
        last.Prov = c.prov;
        last.Prov_Print = "XX";
        s.Calculate();
        SCOPED_TRACE(testing::Message() << c.country << "/" << c.prov);
        EXPECT_EQ(int(last.Country), c.expectedCountry);
        EXPECT_EQ(int(last.Prov), c.expectedProv);
        EXPECT_EQ(last.Prov_Print.value().toStdString(), c.provPrint);
        EXPECT_EQ(last.Country_Print.value().toStdString(), c.countryPrint);
    }
}

TEST(Sch22, OtherCountryPrintsItsNameAndNoProvince)
{
    TaxData_Sch22 s;
    TaxData_Sch22::AddressRow& first = s.m_addresses[0];
    first.Country = 3;
    first.Prov = 4;
    first.Prov_Print = "NB";
    s.Calculate();
    EXPECT_TRUE(first.Prov_Print.value().isEmpty());
    EXPECT_EQ(first.Country_Print.value(), QString::fromUtf8(countryInfo(3)->name));
    EXPECT_EQ(int(first.Prov), 4);
}

}  // namespace
