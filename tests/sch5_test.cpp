// Schedule 5: allocation of taxable income among jurisdictions, the computed
// jurisdiction, the farmers' credits, its messages and their switches, and
// its line stream.
#include "taxcalc/sch5.h"

#include "host/filing_output.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

struct AllocationCase {
    int regulationType;
    double onB, onD, bcB, bcD, abD;
    double onC, onE, onF, bcF, abF;
};

// Taxable income 100,000 among Ontario, British Columbia and Alberta.
TEST(Sch5, AllocationByColumnsCAndE)
{
    const AllocationCase cases[] = {
        // salaries 60/40, revenue 50/30/20: F the mean of C and E
        {1, 60000, 500000, 40000, 300000, 200000, 60000, 50000, 55000, 35000, 10000},
        // banks: the revenue share counts twice
        {3, 60000, 500000, 40000, 300000, 200000, 60000, 50000, (60000 + 2 * 50000) / 3.0, 100000 / 3.0, 40000 / 3.0},
        // no salaries (G of 0): revenue alone
        {1, 0, 500000, 0, 300000, 200000, 0, 50000, 50000, 30000, 20000},
        // no revenue (H of 0): salaries alone
        {1, 60000, 0, 40000, 0, 0, 60000, 0, 60000, 40000, 0},
        // neither
        {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        // insurance: revenue only, column C left alone (0 here)
        {2, 60000, 500000, 40000, 300000, 200000, 0, 50000, 50000, 30000, 20000},
    };
    for (const AllocationCase& c : cases) {
        TaxData_Sch5 s;
        s.fld_iRegulationType = c.regulationType;
        s.fld_taxinc = 100000.0;
        s.m_ON.colB = c.onB;
        s.m_ON.colD = c.onD;
        s.m_BC.colB = c.bcB;
        s.m_BC.colD = c.bcD;
        s.m_AB.colD = c.abD;
        s.Calculate_Step1();
        SCOPED_TRACE(c.regulationType);
        EXPECT_NEAR(s.m_ON.colC, c.onC, kTol);
        EXPECT_NEAR(s.m_ON.colE, c.onE, kTol);
        EXPECT_NEAR(s.m_ON.colF, c.onF, kTol);
        EXPECT_NEAR(s.m_BC.colF, c.bcF, kTol);
        EXPECT_NEAR(s.m_AB.colF, c.abF, kTol);
        EXPECT_EQ(s.fld_colG.value(), c.onB + c.bcB);
        EXPECT_EQ(s.fld_colH.value(), c.onD + c.bcD + c.abD);
    }
}

TEST(Sch5, PipelineAllocationIsTheUsers)
{
    TaxData_Sch5 s;
    s.fld_iRegulationType = 10;
    s.fld_taxinc = 1000.0;
    s.m_SK.colB = 10.0;
    s.m_SK.colC = s.m_SK.colE = s.m_SK.colF = 1.0;
    s.Calculate_Step1();
    EXPECT_EQ(s.fld_RegulationType.value(), QStringLiteral("411"));
    EXPECT_EQ(s.m_SK.colC + s.m_SK.colE + s.m_SK.colF, 3.0);
}

TEST(Sch5, JurisdictionFromActiveRows)
{
    struct Case {
        double nsB, nbD, outB;
        ENUMTYPE_PROVINCE expected;
    } cases[] = {
        {0, 0, 0, PROV_NONE},          {100, 0, 0, PROV_NS},        {0, 0.009, 0, PROV_NB},
        {100, 0.008, 0, PROV_NS},      {100, 5, 0, PROV_MULTIPLE},  {0, 5, 5, PROV_MULTIPLE},
        {0, 0, 5, PROV_OUTSIDE_CANADA},
    };
    for (const Case& c : cases) {
        TaxData_Sch5 s;
        s.m_NS.colB = c.nsB;
        s.m_NB.colD = c.nbD;
        s.m_OutCAN.colB = c.outB;
        s.Calculate_Step1();
        EXPECT_EQ(s.m_jurisdiction, c.expected) << c.nsB << "/" << c.nbD << "/" << c.outB;
        EXPECT_EQ(bool(s.m_NB.Yes), c.nbD >= 0.009);
        EXPECT_EQ(bool(s.m_OutCAN.Yes), c.outB > 0);
    }
}

TEST(Sch5, PermanentEstablishmentOutsideCanadaIsNotDomesticIncome)
{
    TaxData_Sch5 s;
    s.fld_taxinc = 90000.0;
    s.m_QC.colB = 20000.0;
    s.m_QC.colD = 100000.0;
    s.m_OutCAN.colB = 10000.0;
    s.m_OutCAN.colD = 50000.0;
    s.Calculate_Step1();
    EXPECT_EQ(s.m_jurisdiction, PROV_MULTIPLE);
    EXPECT_NEAR(s.m_OutCAN.colF, 30000.0, kTol);
    EXPECT_NEAR(s.getDomesticInc(), 60000.0, kTol);
}

TEST(Sch5, FarmersCreditsAreCappedByTheTaxTheyReduce)
{
    struct Case {
        double credit, tax, expected;
    } cases[] = {{500, 300, 300}, {200, 300, 200}, {500, -100, 0}};
    for (const Case& c : cases) {
        TaxData_Sch5 s;
        s.fld_NS_215 = c.tax;
        s.fld_BC_240 = c.tax;
        s.fld_ON_270 = c.tax;
        s.m_nsFarmersFoodBankCredit = s.m_bcFarmersFoodDonationCredit = s.m_onFarmersCommunityFoodCredit = c.credit;
        s.Calculate_Step10();
        s.Calculate_StepB4RefundableCredit();
        s.Calculate_StepLast();
        EXPECT_EQ(s.fld_NS_570.value(), c.expected) << c.credit << "/" << c.tax;
        EXPECT_EQ(s.fld_BC_683.value(), c.expected);
        EXPECT_EQ(s.fld_ON_420.value(), c.expected);
        EXPECT_EQ(s.fld_NS_224.value(), std::max(c.tax - c.expected, 0.0));
    }
}

TEST(Sch5, NetLinesMayBeRefundableAndSumToLine255)
{
    TaxData_Sch5 s;
    s.fld_NL_200 = 1000.0;
    s.fld_NL_500 = 1200.0;   // C1 floored to 0
    s.fld_NL_520 = 250.0;    // line 209: -250
    s.fld_BC_240 = 4000.0;
    s.fld_BC_886 = 1000.0;   // line 665: 900; line 244: 3,100
    s.fld_NT_250 = -50.0;    // floored
    s.fld_NU_260 = 100.0;
    s.fld_NU_725 = 150.0;
    s.fld_NU_740 = 20.0;     // line 264: -20
    s.Calculate_Step0();
    s.Calculate_Step1();
    s.Calculate_Step10();
    s.Calculate_StepB4RefundableCredit();
    s.Calculate_StepLast();
    EXPECT_EQ(s.fld_NL_209.value(), -250.0);
    EXPECT_NEAR(s.fld_BC_665.value(), 900.0, kTol);
    EXPECT_NEAR(s.fld_BC_244.value(), 3100.0, kTol);
    EXPECT_EQ(s.fld_NT_254.value(), 0.0);
    EXPECT_EQ(s.fld_NU_264.value(), -20.0);
    EXPECT_NEAR(s.fld_255.value(), 2830.0, kTol);
    EXPECT_TRUE(s.m_claimT2Line205);  // B1 present
}

TEST(Sch5, ClaimFlag)
{
    TaxData_Sch5 single;
    single.m_ON.colB = 100.0;
    single.fld_ON_270 = 5000.0;  // Ontario tax alone is not claimed here
    single.Calculate_Step1();
    single.Calculate_StepLast();
    EXPECT_FALSE(single.m_claimT2Line205);
    EXPECT_TRUE(single.shouldSkipWriteNetfile());
    single.fld_ON_418 = 1.0;
    single.Calculate_StepLast();
    EXPECT_TRUE(single.m_claimT2Line205);
}

std::list<CString> messagesOf(TaxData_Sch5& s)
{
    std::list<CString> messages;
    s.Validate(0, messages);
    return messages;
}

TEST(Sch5, MessagesInOrder)
{
    TaxData_Sch5 s;
    s.m_jurisdiction = PROV_MULTIPLE;
    s.fld_NL_500 = 1.0;
    s.fld_NS_834 = QStringLiteral("AB\x01");
    s.fld_NL_521 = 1.0;
    s.fld_SK_624 = 1.0;
    s.fld_BC_653 = 1.0;
    s.fld_BC_656 = 1.0;
    s.fld_BC_881 = 1.0;
    s.fld_NU_725 = 1.0;
    const std::list<CString> expected = {
        "Choose business regulation type on page 1.",
        "Field 500 needs an amount in field 891.",
        "NS field 834 contains invalid character(s).",
        "Field 521 needs field 821.",
        "Field 556 needs field 834, and vice versa.",
        "Field 624 requires an amount in field 890 on page 5.",
        "Field 653 needs field 896.",
        "Field 881 needs field 882.",
        "Field 725 needs field 899.",
    };
    EXPECT_EQ(messagesOf(s), expected);
    s.fld_BC_881 = 0.0;
    EXPECT_EQ(messagesOf(s).size(), expected.size());  // 656 now needs 880 or 881 instead
    EXPECT_EQ(*std::next(messagesOf(s).begin(), 7), CString("Field 656 needs field 880 or 881."));
}

TEST(Sch5, EachCertificateNumberAndItsSwitch)
{
    struct Case {
        CFloatField TaxData_Sch5::*credit;
        CStringField TaxData_Sch5::*certificate;
        bool TaxData_Sch5::*skip;
        const char* message;
    } cases[] = {
        {&TaxData_Sch5::fld_NL_521, &TaxData_Sch5::fld_NL_821, &TaxData_Sch5::m_skipCheck521, "Field 521 needs field 821."},
        {&TaxData_Sch5::fld_NL_522, &TaxData_Sch5::fld_NL_840, &TaxData_Sch5::m_skipCheck522, "Field 522 needs field 840."},
        {&TaxData_Sch5::fld_NS_565, &TaxData_Sch5::fld_NS_836, &TaxData_Sch5::m_skipCheck565, "Field 565 needs field 836."},
        {&TaxData_Sch5::fld_NS_567, &TaxData_Sch5::fld_NS_838, &TaxData_Sch5::m_skipCheck567, "Field 567 needs field 838."},
        {&TaxData_Sch5::fld_NS_569, &TaxData_Sch5::fld_NS_839, &TaxData_Sch5::m_skipCheck569, "Field 569 needs field 839."},
        {&TaxData_Sch5::fld_NB_595, &TaxData_Sch5::fld_NB_850, &TaxData_Sch5::m_skipCheck595, "Field 595 needs field 850."},
    };
    for (const Case& c : cases) {
        TaxData_Sch5 s;
        s.*c.credit = 0.01;
        EXPECT_EQ(messagesOf(s), std::list<CString>{c.message});
        s.*c.skip = true;
        EXPECT_TRUE(messagesOf(s).empty()) << c.message;
        s.*c.skip = false;
        s.*c.certificate = "12345";
        EXPECT_TRUE(messagesOf(s).empty()) << c.message;
    }
}

TEST(Sch5, LineStreamOnlyForSeveralJurisdictions)
{
    TaxData_Sch5 s;
    s.fld_iRegulationType = 1;
    s.fld_taxinc = 1000.0;
    s.m_ON.colB = 10.0;
    s.fld_NS_838 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    s.fld_NS_567 = 12.5;
    s.Calculate_Step1();
    EXPECT_TRUE(lineStreamOf(s).isEmpty());  // Ontario alone

    s.m_OutCAN.colD = 20.4;
    s.Calculate_Step1();
    const QStringList expected = {"100402", "0131", "11310", "0271", "16720", "12910", "16920",
                                  "56713", "838ABCDEFGHIJKLMNOPQRST"};
    EXPECT_EQ(lineStreamOf(s), expected);
    CString reason;
    EXPECT_FALSE(s.IsEligibleForPurpose(0, reason));
    s.fld_iRegulationType = 7;
    EXPECT_TRUE(s.IsEligibleForPurpose(0, reason));
    EXPECT_EQ(reason, CString(".cor file can NOT be created becasue the business regulation type specified in "
                              "schedule 5 is not supported yet."));
}

}  // namespace
