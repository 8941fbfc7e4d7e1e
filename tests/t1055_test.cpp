// Form T1055: the floors of lines 9, 12, 14, 18, 23 and of each recapture,
// line 11 at the inclusion rate, line 22 keeping a loss, line 27 without a
// floor, and the records it hands to the JSON filing document.
#include "schedules/t1055.h"

#include "framework/netfile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

constexpr double kTol = 1e-9;

struct LossCase {
    double lppGain, lppLoss, otherGain, rate, line13, line21;
    double line9, line10, line11, line14, line23;
};

TEST(T1055, FloorsAndInclusionRate)
{
    const LossCase cases[] = {
        // LPP gain 100 against losses 300; a net loss on line 10
        {100.0, 300.0, -1000.0, 50.0, 0.0, 400.0, 0.0, -1000.0, -500.0, 0.0, 900.0},
        // LPP gain one cent above its losses
        {300.01, 300.0, 0.0, 50.0, 0.0, 0.0, 0.01, 0.01, 0.005, 0.005, 0.0},
        // inclusion rate left at 0
        {0.0, 0.0, 5000.0, 0.0, 0.0, 100.0, 0.0, 5000.0, 0.0, 0.0, 100.0},
        // line 13 one cent below and above line 12
        {0.0, 0.0, 2000.0, 50.0, 999.99, 1000.0, 0.0, 2000.0, 1000.0, 0.01, 0.0},
        {0.0, 0.0, 2000.0, 50.0, 1000.01, 1000.01, 0.0, 2000.0, 1000.0, 0.0, 0.01},
    };
    for (const LossCase& c : cases) {
        TaxData_T1055 f;
        f.fld_LPPSharesDisp = c.lppGain + 50.0;
        f.fld_LPPSharesAcb = 50.0;
        f.fld_55080 = c.lppLoss;
        f.m_realEstate[3].SharesDisp = 10000.0;
        f.m_realEstate[3].SharesAcb = 10000.0 - c.otherGain;
        f.fld_InclRate = c.rate;
        f.fld_55310 = c.line13;
        f.fld_taxableCC = c.line21;
        f.Calculate();
        SCOPED_TRACE(testing::Message() << c.lppGain << " " << c.otherGain << " " << c.line13);
        EXPECT_NEAR(f.fld_after55080.value(), c.line9, kTol);
        EXPECT_NEAR(f.fld_allNetGainLoss.value(), c.line10, kTol);
        EXPECT_NEAR(f.fld_55250.value(), c.line11, kTol);
        EXPECT_NEAR(f.fld_deemedTCC.value(), c.line11 > 0.0 ? c.line11 : 0.0, kTol);
        EXPECT_NEAR(f.fld_55320.value(), c.line14, kTol);
        EXPECT_NEAR(f.fld_deemedAllowableLosses.value(), c.line11, kTol);
        EXPECT_NEAR(f.fld_55530.value(), c.line23, kTol);
    }
}

TEST(T1055, SectionTotalsPeriodsRecaptureAndDeferral)
{
    TaxData_T1055 f;
    f.m_bizShares[0].Disp = 700.0;
    f.m_bizShares[0].Acb = 200.0;
    f.m_bizShares[3].Disp = 100.0;
    f.m_bizShares[3].Acb = 150.0;
    f.m_bonds[1].SharesDisp = 80.0;
    f.m_personalProp[2].SharesDisp = 30.0;
    f.m_personalProp[2].SharesAcb = 10.0;
    f.fld_allNetGainLoss_prd1 = 100.0;
    f.m_recapture[0].depreciableCC = 5000.0;
    f.m_recapture[0].undepreciatedCC = 4999.99;
    f.m_recapture[1].depreciableCC = 3000.0;
    f.m_recapture[1].undepreciatedCC = 3000.01;
    f.fld_55340 = 200.0;
    f.fld_55350 = 200.01;
    f.fld_55370 = 7.0;
    f.fld_InclRate = 50.0;
    f.fld_totalTaxPayable = 100.0;
    f.fld_55830 = 150.0;
    f.Calculate();
    EXPECT_EQ(f.m_bizShares[3].Gain.value(), -50.0);
    EXPECT_EQ(f.fld_55011.value(), 800.0);
    EXPECT_EQ(f.fld_55012.value(), 450.0);
    EXPECT_EQ(f.fld_55051.value(), 80.0);
    EXPECT_EQ(f.fld_55052.value(), 80.0);
    EXPECT_EQ(f.fld_55062.value(), 20.0);
    EXPECT_EQ(f.fld_allNetGainLoss.value(), 550.0);
    EXPECT_EQ(f.fld_allNetGainLoss_prd2.value(), 450.0);
    EXPECT_EQ(f.fld_Line10.value(), 550.0);
    EXPECT_NEAR(f.m_recapture[0].recaptureAmt.value(), 0.01, kTol);
    EXPECT_EQ(f.m_recapture[1].recaptureAmt.value(), 0.0);
    EXPECT_NEAR(f.fld_55332.value(), 7999.99 + 0.01, kTol);
    EXPECT_EQ(f.fld_netCanForeignProp.value(), 0.0);
    EXPECT_NEAR(f.fld_55420.value(), 275.0 + 0.01 + 7.0, kTol);
    EXPECT_EQ(f.fld_55840.value(), -50.0);  // no floor
}

TEST(T1055, FreeDataCarriesTheRecordsNetfileSkips)
{
    TaxData_T1055 f;
    f.fld_55011 = 1234.56;
    f.fld_55830 = 10.5;
    f.fld_55800 = 1;
    EXPECT_TRUE(f.shouldSkipWriteNetfile());
    NetfileGenObjParamStruct ctx;
    EXPECT_EQ(f.WriteFreeData(0, &ctx), 0);
    EXPECT_EQ(ctx.records.size(), 3u);
}

TEST(T1055, JsonPartTakesTheSettlorOfCAndFWhenAAndBIsEmpty)
{
    TaxData_T1055 f;
    f.fld_LastName_A_B = "Ignored";  // no first name: situations A and B are left out
    f.fld_FirstName_C_F = "Ada";
    f.fld_LastName_C_F = "Lovelace";
    f.fld_dd_C_F = QDate(2024, 3, 9);
    f.fld_iDE = 0;
    f.fld_dd_D_E = QDate(2024, 7, 1);
    f.fld_55012 = 10.0;
    json doc = json::object();
    EXPECT_EQ(f.WriteJsonFile(0, doc), 0);
    EXPECT_EQ(doc["deceasedSettlorName"]["lastName"], "Lovelace");
    EXPECT_EQ(doc["deceasedSettlorDateOfDeath"], "2024-03-09");
    EXPECT_EQ(doc["propertyTransferredIndicator"], true);
    EXPECT_EQ(doc["ceasedToBeResidentDate"], "2024-07-01");
    EXPECT_EQ(doc["returnLines"].dump(), R"({"55012":10})");

    TaxData_T1055 none;
    none.fld_iDE = 1;
    json bare = json::object();
    none.WriteJsonFile(0, bare);
    EXPECT_EQ(bare.dump(), R"({"propertyTransferredIndicator":false,"returnLines":{}})");
}

}  // namespace
