// Form T2042: former class row names read from a stored return, the vehicle
// charts' limits, business use of home limited by the income and carried
// forward, and the farm's name and address.
#include "host/return_json.h"
#include "statements/t2042new.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(T2042New, FormerClassRowNamesAreReadIntoTheCurrentFields)
{
    const TaxReturn ret = returnFromJson(R"({"trustella": "return", "version": 1, "forms": [{"form": "T2042New",
        "fields": {"fld_a_1_1": "8", "fld_a_2_1": 1000.0, "fld_a_3_1": 500.0, "fld_a_8_18": 12.5,
                   "fld_a_10_18": 77.0}}]})",
                                         QStringLiteral("old.json"));
    auto& farm = *static_cast<TaxData_T2042New*>(ret.form(0));
    EXPECT_EQ(farm.m_cca.classes[0].ucc.value(), 1000.0);
    EXPECT_EQ(farm.m_cca.classes[0].additions.value(), 500.0);
    EXPECT_EQ(farm.m_cca.claims[17].rate.value(), 12.5);
    EXPECT_EQ(farm.m_cca.claims[17].uccEnd.value(), 77.0);
}

TEST(T2042New, VehicleChartsTakeTheInterestAndLeasingLimitsOfTheirOwnVehicle)
{
    TaxData_T2042New f;
    VehicleCharts& first = f.m_vehicles.vehicles[0];
    first.interestPaid = 2000.0;
    first.interestPerDay = 10.0;
    first.interestDays = 100.0;
    first.parking = 50.0;  // no kilometres: only parking counts
    VehicleCharts& second = f.m_vehicles.vehicles[1];
    second.leaseCharges = 12000.0;
    second.leaseDays = 365.0;
    second.listPrice = 50000.0;
    second.salesTaxPercent = 13.0;
    second.km = 15000.0;
    second.totalKm = 20000.0;
    second.fuel = 3000.0;
    second.parking = 100.0;
    f.Calculate01();
    EXPECT_EQ(first.interest.value(), 1000.0);
    EXPECT_EQ(first.allowable.value(), 50.0);
    EXPECT_NEAR(second.line5.value(), 42500.0, kTol);
    EXPECT_NEAR(second.line6.value(), 12373.5, kTol);
    EXPECT_NEAR(second.leasing.value(), 10848.0, kTol);
    EXPECT_NEAR(second.allowable.value(), 0.75 * 13848.0 + 100.0, kTol);
    EXPECT_NEAR(f.fld_9819.value(), 10536.0, kTol);
    EXPECT_EQ(f.m_vehicles.vehicles[2].leasing.value(), 0.0);
}

TEST(T2042New, HomeUseIsLimitedByTheIncomeAndTheRestCarriedForward)
{
    TaxData_T2042New f;
    f.fld_inc_1 = 1000.0;
    f.m_net.home.heat = 2000.0;
    f.m_net.home.usePersonalRate = true;
    f.m_net.home.personalRate = 25.0;
    f.m_net.home.carriedFromLastYear = 300.0;
    f.m_cca.classes[0].cls = "8";
    f.m_cca.classes[0].ucc = 5000.0;
    f.m_cca.totals.homeUse = 6000.0;  // cut to the claims: no CCA left for the farm
    f.Calculate01();
    EXPECT_EQ(f.m_cca.totals.homeUse.value(), 1000.0);
    EXPECT_EQ(f.fld_cca.value(), 0.0);
    EXPECT_EQ(f.m_net.home.business.value(), 1500.0);
    EXPECT_EQ(f.m_net.homeUse.value(), 1000.0);
    EXPECT_EQ(f.m_net.home.carriedToNextYear.value(), 800.0);
    EXPECT_EQ(f.m_net.netIncome.value(), 0.0);

    f.fld_percentowner = 50.0;  // a partner's share of the allowable claim
    f.Calculate01();
    EXPECT_EQ(f.m_net.homeUse.value(), 250.0);
    EXPECT_EQ(f.m_net.home.carriedToNextYear.value(), 1300.0);

    f.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM{});
    EXPECT_EQ(f.m_net.home.carriedFromLastYear.value(), 1300.0);
    EXPECT_EQ(f.m_net.home.heat.value(), 0.0);
    EXPECT_EQ(f.m_cca.classes[0].ucc.value(), 4000.0);
}

TEST(T2042New, GrossIncomeFarmNameAndAddress)
{
    TaxData_T2042New f;
    f.fld_inc_5 = 100.0;
    f.fld_inc_33 = -100.01;
    f.Calculate01();
    EXPECT_EQ(f.fld_inc_34.value(), 0.0);
    std::list<CString> messages;
    EXPECT_EQ(f.Validate(0, messages), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages.front().indexOf(QStringLiteral("Farm name is missing")), -1);
    f.fld_farmname = "Green Acres";
    messages.clear();
    EXPECT_EQ(f.Validate(0, messages), 0);
    f.fld_farmaddr = " 12 Concession Rd ";
    EXPECT_EQ(f.getEfileFarmAddress(), QStringLiteral("12 Concession Rd"));
    f.fld_town = "Elora";
    EXPECT_EQ(f.getEfileFarmAddress(), QStringLiteral("12 Concession Rd Elora"));
}

}  // namespace
