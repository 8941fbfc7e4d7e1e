// Schedule 11: bracket table, graduated chart, flat rate, credits, surtax,
// Quebec abatement and the political contribution credit.
#include "taxcalc/sch11.h"

#include "framework/year_figures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr double kTol = 1e-9;  // far below a cent: only binary rounding noise

// The 20 chart fields, for "every other column reads 0" checks.
std::vector<CFloatField*> allChartFields(TaxData_Sch11& s)
{
    std::vector<CFloatField*> out;
    for (int line : {2, 4, 6, 8})
        for (int column = 1; column <= 5; ++column)
            out.push_back(s.chartField(line, column));
    return out;
}

// Each base tax continues the previous bracket, so the tax has no jump; the
// forms share one table of the year's brackets, built once.
TEST(Sch11Brackets, BaseTaxesContinueThePreviousBracketAndTheTableIsBuiltOnce)
{
    using year_figures::kFederalBrackets;
    for (int i = 1; i < year_figures::kFederalBracketCount; ++i)
        EXPECT_NEAR(kFederalBrackets[i].baseTax,
                    kFederalBrackets[i - 1].baseTax +
                        kFederalBrackets[i - 1].rate * (kFederalBrackets[i].threshold - kFederalBrackets[i - 1].threshold),
                    0.005)
            << "level " << i + 1;
    TaxData_Sch11 first, second;
    TaxData_Sch11::initTaxStairs();
    EXPECT_EQ(TaxData_Sch11::m_taxStairs.levels.size(), size_t(year_figures::kFederalBracketCount));
    EXPECT_EQ(first.chartField(3, 1), nullptr);
    EXPECT_EQ(first.chartField(2, 6), nullptr);
}

// At and around every threshold: only the chosen column, and line 10, are filled.
TEST(Sch11Graduated, FillsOnlyTheChosenColumnAndLine10)
{
    const struct {
        double income;
        int column;
        double excess;       // line 4
        double taxOnExcess;  // line 6
        double total;        // line 8 and line 10
    } cases[] = {
        {0.0, 1, 0.0, 0.0, 0.0},
        {10000.0, 1, 10000.0, 1500.0, 1500.0},
        {55867.0, 1, 55867.0, 8380.05, 8380.05},
        {55868.0, 2, 1.0, 0.205, 8380.255},
        {111733.0, 2, 55866.0, 11452.53, 19832.58},
        {111734.0, 3, 1.0, 0.26, 19832.84},
        {120000.0, 3, 8267.0, 2149.42, 21982.00},
        {173205.0, 3, 61472.0, 15982.72, 35815.30},
        {173206.0, 4, 1.0, 0.29, 35815.59},
        {246752.0, 4, 73547.0, 21328.63, 57143.93},
        {246753.0, 5, 1.0, 0.33, 57144.26},
        {300000.0, 5, 53248.0, 17571.84, 74715.77},
    };
    for (const auto& c : cases) {
        TaxData_Sch11 s;
        // Leftovers of an earlier pass in every column and on line 9.
        for (CFloatField* f : allChartFields(s))
            *f = 123.45;
        s.fld_line1 = 9.0;
        s.fld_line9 = 9.0;
        s.m_isGraduatedRate = true;
        s.fld_taxinc = c.income;
        s.CalculateToBasicFedTax();
        for (int column = 1; column <= 5; ++column) {
            const bool chosen = column == c.column;
            SCOPED_TRACE(testing::Message() << "income " << c.income << " column " << column);
            EXPECT_NEAR(*s.chartField(2, column), chosen ? c.income : 0.0, kTol);
            EXPECT_NEAR(*s.chartField(4, column), chosen ? c.excess : 0.0, kTol);
            EXPECT_NEAR(*s.chartField(6, column), chosen ? c.taxOnExcess : 0.0, kTol);
            EXPECT_NEAR(*s.chartField(8, column), chosen ? c.total : 0.0, kTol);
        }
        EXPECT_NEAR(s.fld_11080, c.total, kTol) << c.income;
        EXPECT_EQ(s.fld_line1.value(), 0.0);
        EXPECT_EQ(s.fld_line9.value(), 0.0);
    }
}

TEST(Sch11FlatRate, TaxesAllIncomeAt33PercentWithAnEmptyChart)
{
    TaxData_Sch11 s;
    s.m_isGraduatedRate = true;
    s.fld_taxinc = 300000.0;
    s.CalculateToBasicFedTax();  // a graduated pass first leaves column 5 filled
    s.m_isGraduatedRate = false;
    s.CalculateToBasicFedTax();

    EXPECT_EQ(s.fld_line1.value(), 300000.0);
    EXPECT_NEAR(s.fld_line9, 99000.0, kTol);
    EXPECT_NEAR(s.fld_11080, 99000.0, kTol);
    EXPECT_NEAR(s.fld_after_11100, 99000.0, kTol);
    for (CFloatField* f : allChartFields(s))
        EXPECT_EQ(f->value(), 0.0) << f->name();
}

TEST(Sch11FlatRate, SkippedComputationKeepsLines9And10AndClearsTheIncomeBox)
{
    TaxData_Sch11 s;
    s.m_skipFlatRateTax = true;
    s.fld_taxinc = 300000.0;
    s.fld_line1 = 5.0;
    s.fld_line9 = 777.0;
    s.fld_11080 = 1234.5;
    s.fld_11100 = 100.0;
    s.CalculateToBasicFedTax();

    EXPECT_EQ(s.fld_line1.value(), 0.0);
    EXPECT_EQ(s.fld_line9.value(), 777.0);
    EXPECT_EQ(s.fld_11080.value(), 1234.5);
    EXPECT_EQ(s.fld_after_11100.value(), 1334.5);
    for (CFloatField* f : allChartFields(s))
        EXPECT_EQ(f->value(), 0.0) << f->name();
}

TEST(Sch11FederalTax, Line13AddsTheAdditionalTaxesAndDividendCreditsUseThePrintedFactors)
{
    TaxData_Sch11 s;
    s.fld_taxinc = 10000.0;
    s.fld_11100 = 10.0;
    s.fld_11101 = 20.0;
    s.fld_11102 = 30.5;
    s.fld_EligibleDiv = 1000.0;
    s.fld_NonEligibleDiv = 2000.0;
    s.CalculateToBasicFedTax();

    EXPECT_NEAR(s.fld_after_11100, 3360.5, kTol);
    EXPECT_NEAR(s.fld_11108, 545.455, kTol);   // 6/11 would give 545.4545...
    EXPECT_NEAR(s.fld_11109, 1384.616, kTol);  // 9/13 would give 1384.6153...
    EXPECT_NEAR(s.fld_11110, 1930.071, kTol);
}

// Flat rate on 10,000 (line 13 = 3,300) with eligible dividends of 1,000
// (line 16 = 545.455): room for the donations credit is 2,754.545.
void setUpDonationCase(TaxData_Sch11& s, double taxableIncome, double donationCredit)
{
    s.fld_taxinc = taxableIncome;
    s.fld_EligibleDiv = 1000.0;
    s.m_donationCredit = donationCredit;
    s.CalculateToBasicFedTax();
    s.CalculateAfter_Sch11A_Donation();
}

TEST(Sch11Donations, CreditIsCutToTheRoomAndTheCarryoverReducesBasicTaxToZeroOnly)
{
    const struct {
        const char* what;
        double income, donation, carryover, line16, totalCredit, afterCredit, basicTax;
    } cases[] = {
        {"within the room", 10000.0, 500.0, 0.0, 500.0, 1045.455, 2254.545, 2254.545},
        {"above the room", 10000.0, 3000.0, 0.0, 2754.545, 3300.0, 0.0, 0.0},
        // Above the room by half a tenth of a cent: line 17 shows the credit, line 18 uses only the room.
        {"above by less than the tolerance", 10000.0, 2754.55, 0.0, 2754.55, 3300.0, 0.0, 0.0},
        {"dividend credit above line 13", 1000.0, 100.0, 0.0, 0.0, 545.455, -215.455, 0.0},
        {"carryover", 10000.0, 500.0, 1000.0, 500.0, 1045.455, 2254.545, 1254.545},
        {"carryover equal to the tax", 10000.0, 500.0, 2254.545, 500.0, 1045.455, 2254.545, 0.0},
        {"carryover above the tax", 10000.0, 500.0, 3000.0, 500.0, 1045.455, 2254.545, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TaxData_Sch11 s;
        s.fld_11130 = c.carryover;
        setUpDonationCase(s, c.income, c.donation);
        EXPECT_NEAR(s.fld_Line16, c.line16, kTol);
        EXPECT_NEAR(s.fld_TotalCredit, c.totalCredit, kTol);
        EXPECT_NEAR(s.fld_AfterCredit, c.afterCredit, kTol);
        EXPECT_NEAR(s.fld_BasicTax, c.basicTax, kTol);
        EXPECT_GE(s.fld_BasicTax.value(), 0.0);
    }
}

TEST(Sch11QuebecAbatement, OnlyAQuebecTrustGets16AndAHalfPercentOfBasicTax)
{
    struct Case {
        int province;
        double base;
        double abatement;
    };
    for (const Case& c : {Case{PROV_QC, 1254.545, 206.999925}, Case{PROV_ON, 0.0, 0.0}, Case{PROV_NONE, 0.0, 0.0},
                          Case{PROV_OUTSIDE_CANADA, 0.0, 0.0}, Case{PROV_MULTIPLE, 0.0, 0.0}}) {
        TaxData_Sch11 s;
        s.setProvince(c.province);
        s.fld_Line34A = 99.0;  // stale values of an earlier pass
        s.fld_RefQCAbatement = 99.0;
        s.fld_11130 = 1000.0;
        setUpDonationCase(s, 10000.0, 500.0);
        EXPECT_NEAR(s.fld_Line34A, c.base, kTol) << c.province;
        EXPECT_NEAR(s.fld_RefQCAbatement, c.abatement, kTol) << c.province;
    }
}

TEST(Sch11PoliticalCredit, FollowsTheThreeRateTableUpToThe650Cap)
{
    struct Case {
        double contributions;
        double credit;
    };
    const Case cases[] = {{0.0, 0.0},     {100.0, 75.0},     {400.0, 300.0},       {400.04, 300.02},
                          {600.0, 400.0}, {750.0, 475.0},    {1000.0, 558.325},    {1275.0, 649.9825},
                          {1276.0, 650.0}, {2000.0, 650.0}};
    for (const Case& c : cases) {
        TaxData_Sch11 s;
        s.fld_11191 = c.contributions;
        s.CalculatePoliticalDonation();
        EXPECT_NEAR(s.fld_11190, c.credit, kTol) << c.contributions;
        EXPECT_NEAR(TaxData_Sch11::politicalCredit(c.contributions), c.credit, kTol) << c.contributions;
    }
}

TEST(Sch11Surtax, NonProvincialTrustPaysOnAllBasicTaxProvincialBaseIsCappedAtIt)
{
    struct Case {
        int province;
        double enteredBase;
        double base;
        double surtax;
    };
    const Case cases[] = {
        {PROV_OUTSIDE_CANADA, 200.0, 1000.0, 480.0},
        {PROV_NONE, 0.0, 1000.0, 480.0},
        {PROV_MULTIPLE, 200.0, 1000.0, 480.0},
        {PROV_ON, 1500.0, 1000.0, 480.0},
        {PROV_ON, 200.0, 200.0, 96.0},
        {PROV_ON, 1000.005, 1000.005, 480.0024},  // above basic tax by less than the tolerance
        {PROV_NL_OFFSHORE, 0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        TaxData_Sch11 s;
        s.setProvince(c.province);
        s.fld_BasicTax = 1000.0;
        s.fld_Line20Part = c.enteredBase;
        s.CalculateBeforeFFT();
        SCOPED_TRACE(testing::Message() << "province " << c.province << " base " << c.enteredBase);
        EXPECT_NEAR(s.fld_Line20Part, c.base, kTol);
        EXPECT_NEAR(s.fld_11160, c.surtax, kTol);
        EXPECT_NEAR(s.fld_Line22, 1000.0 + c.surtax, kTol);
        EXPECT_NEAR(s.fld_Line22Again, 1000.0 + c.surtax, kTol);
    }
}

TEST(Sch11ToEnd, SubtractsTheCreditsFloorsLine32AndAddsTheT1172Tax)
{
    TaxData_Sch11 s;
    s.fld_Line22 = 5000.0;
    s.fld_11190 = 1.0;  // stale: recomputed from line 25
    s.fld_11191 = 1000.0;
    s.fld_11180 = 100.0;
    s.fld_11200 = 50.0;
    s.fld_11210 = 25.0;
    s.fld_11213 = 10.0;
    s.fld_11214 = 5.0;
    s.fld_FromT1172 = 20.0;
    s.CalculateToEnd();
    EXPECT_NEAR(s.fld_11190, 558.325, kTol);
    EXPECT_NEAR(s.fld_after_11214, 748.325, kTol);
    EXPECT_NEAR(s.fld_Line31, 4251.675, kTol);
    EXPECT_NEAR(s.fld_FedTaxPayable, 4271.675, kTol);

    s.fld_Line22 = 100.0;
    s.CalculateToEnd();
    EXPECT_EQ(s.fld_Line31.value(), 0.0);
    EXPECT_NEAR(s.fld_FedTaxPayable, 20.0, kTol);
}

// A graduated rate estate in Quebec through all four steps, twice: a second
// pass over the same inputs gives the same results.
TEST(Sch11Chain, GraduatedQuebecEstateFromTaxableIncomeToTaxPayable)
{
    TaxData_Sch11 s;
    s.setProvince(PROV_QC);
    s.m_isGraduatedRate = true;
    s.fld_taxinc = 120000.0;
    s.fld_EligibleDiv = 2000.0;
    s.fld_NonEligibleDiv = 1000.0;
    s.m_donationCredit = 500.0;
    s.fld_11130 = 698.782;
    s.fld_11180 = 1000.0;
    s.fld_11191 = 400.0;
    for (int pass = 1; pass <= 2; ++pass) {
        SCOPED_TRACE(pass);
        s.CalculateToBasicFedTax();
        s.CalculateAfter_Sch11A_Donation();
        s.CalculateBeforeFFT();
        s.CalculateToEnd();
        EXPECT_NEAR(s.fld_11080, 21982.0, kTol);
        EXPECT_NEAR(s.fld_11110, 1783.218, kTol);
        EXPECT_EQ(s.fld_Line16.value(), 500.0);
        EXPECT_NEAR(s.fld_AfterCredit, 19698.782, kTol);
        EXPECT_NEAR(s.fld_BasicTax, 19000.0, 1e-8);
        EXPECT_NEAR(s.fld_RefQCAbatement, 3135.0, 1e-8);
        EXPECT_EQ(s.fld_11160.value(), 0.0);
        EXPECT_NEAR(s.fld_11190, 300.0, kTol);
        EXPECT_NEAR(s.fld_FedTaxPayable, 17700.0, 1e-8);
    }
}

}  // namespace
