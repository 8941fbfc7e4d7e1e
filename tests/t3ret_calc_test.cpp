// Operations of the T3 return called alone: what a file cannot hold (the
// SIFT flag kept between passes, the unfloored taxable income, this pass's
// designation line), the basic information and the predicates. The lines of
// steps 2 to 5 for whole returns are scenarios (tests/scenarios/calc-*).
#include "returns/t3ret.h"

#include "framework/geo_tables.h"

#include <gtest/gtest.h>

namespace {

TEST(T3RetTotalIncome, SiftMutualFundFlagForOtherTrustOfCode338Only)
{
    const struct {
        bool otherType;
        const char* code;
        bool expected;
    } cases[] = {
        {true, "338", true}, {true, " 338", true}, {true, "324", false},
        {false, "338", false}, {true, "", false},
    };
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        r.fld_ws_othertype = c.otherType;
        r.fld_trust_code = c.code;
        r.Calculate_TotalInc();
        EXPECT_EQ(r.m_siftMutualFundTrust, c.expected) << c.code << " other type " << c.otherType;
        r.fld_trust_code = "300";
        r.Calculate_TotalInc();  // never cleared by the calculation
        EXPECT_EQ(r.m_siftMutualFundTrust, c.expected) << c.code << " other type " << c.otherType;
    }
}

TEST(T3RetTaxableIncome, NegativeResultIsFlooredButKeptUnfloored)
{
    TaxData_T3Ret r;
    r.fld_net_inc = 100.00;
    r.fld_noncap_loss = 250.40;
    r.Calculate_TaxInc();
    EXPECT_EQ(r.fld_taxinc.value(), 0.0);
    EXPECT_NEAR(r.m_taxableIncomeUnfloored, -150.40, 1e-7);
}

TEST(T3RetNoOrderPart, OtherCountryIsClearedOnlyForANonDeemedTrust)
{
    for (const int deemed : {-1, 0, 1}) {
        TaxData_T3Ret r;
        r.fld_is_deemed = deemed;
        r.fld_other_icountry = COUNTRY_USA;
        r.Calculate_NoOrderPart();
        EXPECT_EQ(r.fld_other_icountry.value(), deemed == 1 ? 0 : COUNTRY_USA) << deemed;
    }
}

TEST(T3RetNoOrderPart, DesignationLineFromTheGreOrQdtAnswer)
{
    const struct {
        int answer;
        int line;
    } cases[] = {{0, 903}, {1, 904}, {-1, 0}, {2, 0}};
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        r.m_designationLine = 999;
        r.fld_i903_904 = c.answer;
        r.Calculate_NoOrderPart();
        EXPECT_EQ(r.m_designationLine, c.line) << c.answer;
        EXPECT_EQ(r.fld_i903_904.value(), c.answer);
    }
}

TEST(T3RetNoOrderPart, OtherTypeClearsTheAnswerButKeepsThisPassDesignation)
{
    TaxData_T3Ret r;
    r.fld_i903_904 = 1;
    r.fld_ws_othertype = true;
    r.Calculate_NoOrderPart();
    EXPECT_EQ(r.fld_i903_904.value(), -1);
    EXPECT_EQ(r.m_designationLine, 904);
    r.Calculate_TotalInc();  // the next pass
    EXPECT_EQ(r.m_designationLine, 0);
}

TEST(T3RetBasicInfo, ProvinceBelow14SetsResidenceInCanada)
{
    TaxData_T3Ret r;
    EXPECT_TRUE(r.setBasicInfo("Dupont Family Trust", PROV_ON));
    EXPECT_EQ(r.fld_trust_iprov.value(), PROV_ON);
    EXPECT_EQ(r.fld_trust_icountry.value(), COUNTRY_CANADA);
    EXPECT_EQ(r.fld_trust_name.value(), "Dupont Family Trust");

    TaxData_T3Ret offshore;
    offshore.fld_trust_iprov = PROV_AB;
    EXPECT_TRUE(offshore.setBasicInfo("Offshore Trust", PROV_NS_OFFSHORE));
    EXPECT_EQ(offshore.fld_trust_iprov.value(), PROV_AB);
    EXPECT_EQ(offshore.fld_trust_icountry.value(), 0);
    EXPECT_EQ(offshore.fld_trust_name.value(), "Offshore Trust");
}

TEST(T3RetPredicates, SiftFlagNeededForCodes324And338)
{
    const struct {
        const char* code;
        bool expected;
    } cases[] = {{"324", true}, {"338", true}, {"300", false}, {"", false}, {" 324", false}};
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        r.fld_trust_code = c.code;
        EXPECT_EQ(r.isSIFTFlagNeeded(), c.expected) << c.code;
    }
}

}  // namespace
