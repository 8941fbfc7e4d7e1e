// Form T3 FFT: the federal credits at their limits, a zero net income, the
// provincial credit, and the offset records.
#include "taxcalc/foreigntaxcredit.h"

#include "framework/netfile.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(ForeignTaxCredit, FederalCreditsAreTheSmallestLimit)
{
    // Net income 100,000, basic federal tax 20,000, surtax 1,000.
    const struct {
        const char* what;
        double netInc, paid1, income1, paid4, income4;
        double line2, line3, line5, line10, line11;
    } cases[] = {
        {"zero net income: only the surtax limits line 11", 0.0, 900.0, 5000.0, 900.0, 5000.0, 0.0, 0.0, 0.0, 21000.0, 900.0},
        {"tax paid below line 2", 100000.0, 999.99, 5000.0, 0.0, 0.0, 1000.0, 999.99, 0.0, 20000.01, 0.0},
        {"tax paid above line 2", 100000.0, 1000.01, 5000.0, 0.0, 0.0, 1000.0, 1000.0, 0.0, 20000.0, 0.0},
        {"business tax above lines 7 and 10", 100000.0, 0.0, 0.0, 9000.0, 4000.0, 0.0, 0.0, 800.0, 21000.0, 1800.0},
        {"business tax below line 7", 100000.0, 0.0, 0.0, 1799.99, 4000.0, 0.0, 0.0, 800.0, 21000.0, 1799.99},
        {"line 10 the least", 100000.0, 25000.0, 150000.0, 50000.0, 100000.0, 30000.0, 25000.0, 20000.0, 0.0, 0.0},
    };
    for (const auto& c : cases) {
        TaxData_ForeignTaxCredit f;
        f.fld_NonBusiNetInc = f.fld_BusiNetInc = c.netInc;
        f.fld_NonBusiBasicFedTax = f.fld_BusiBasicFedTax = 20000.0;
        f.fld_BusiFedSurtax = 1000.0;
        f.fld_22091 = c.paid1;
        f.fld_22092 = c.income1;
        f.fld_22093 = c.paid4;
        f.fld_22094 = c.income4;
        f.CalculateFed();
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(f.fld_NonBusiLine2, c.line2, kTol);
        EXPECT_NEAR(f.fld_NonBusiTC, c.line3, kTol);
        EXPECT_NEAR(f.fld_BusiLine5, c.line5, kTol);
        EXPECT_NEAR(f.fld_BusiLine7, c.line5 + 1000.0, kTol);
        EXPECT_NEAR(f.fld_Busiline10, c.line10, kTol);
        EXPECT_NEAR(f.fld_BusiTC, c.line11, kTol);
        EXPECT_NEAR(f.fld_FedForeignTC, c.line3 + c.line11, kTol);
    }
}

TEST(ForeignTaxCredit, ProvincialCreditOnTheTaxTheFederalCreditLeaves)
{
    const struct {
        double paid, netInc, provTax;
        double max, line4, credit;
    } cases[] = {
        {1500.0, 100000.0, 8000.0, 500.0, 400.0, 400.0},  // federal line 2: 1,000
        {1500.0, 100000.0, 20000.0, 500.0, 1000.0, 500.0},
        {800.0, 100000.0, 8000.0, 0.0, 400.0, 0.0},       // all used federally
        {1500.0, 0.0, 8000.0, 1500.0, 0.0, 0.0},          // zero net income
    };
    for (const auto& c : cases) {
        TaxData_ForeignTaxCredit f;
        f.fld_Country = "France";
        f.fld_NonBusiNetInc = c.netInc;
        f.fld_NonBusiBasicFedTax = 20000.0;
        f.fld_22091 = c.paid;
        f.fld_22092 = 5000.0;
        f.fld_ProvBasicTax = c.provTax;
        f.CalculateFed();
        f.CalculateProv();
        SCOPED_TRACE(c.paid);
        EXPECT_EQ(f.fld_Country_prov.utf8(), "France");
        EXPECT_NEAR(f.fld_ProvTCMax, c.max, kTol);
        EXPECT_NEAR(f.fld_ProvLine4, c.line4, kTol);
        EXPECT_NEAR(f.fld_ProvTaxCredit, c.credit, kTol);
    }
}

TEST(ForeignTaxCredit, RecordsInCentsUnderOffsetCodes)
{
    TaxData_ForeignTaxCredit f;
    f.fld_22091 = 12.5;
    f.fld_22092 = 0.005;  // below a cent: left out
    f.fld_22093 = -3.0;
    f.fld_22094 = 100.0;
    NetfileGenObjParamStruct ctx;
    f.WriteJsonFile(0, 100, &ctx);
    std::string all;
    for (const auto& [code, value] : ctx.records)
        all += code + "=" + value.toStdString() + " ";
    EXPECT_EQ(all, "5376=-3.00 5377=12.50 5380=100.00 ");
    EXPECT_EQ(f.WriteJsonFile(0, 0, nullptr), 0);
}

}  // namespace
