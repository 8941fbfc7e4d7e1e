// T1-KS: the percentages without division by zero, the fee tax on taxable
// items only and kept below a cent of rate, the timer, and the saving date.
#include "schedules/t1ksnew.h"

#include "framework/datastream.h"
#include "framework/datetexts.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

struct FeeCase {
    double rate, previousTax, tax, total;
};

TEST(T1KSNew, FeeTaxOnTaxableItemsOnly)
{
    const FeeCase cases[] = {
        {13.0, 0.0, 13.0, 163.0},
        {0.009, 0.0, 0.009, 150.009},  // a rate of 0.009 counts
        {0.008, 4.0, 4.0, 154.0},            // below: the tax stays as it was
        {-0.008, 4.0, 4.0, 154.0},
    };
    for (const FeeCase& c : cases) {
        TaxData_T1KSNew f(0);
        f.fld_tax_rate = c.rate;
        f.fld_fee_tax = c.previousTax;
        f.fld_item_1 = 100.0;
        f.fld_item_2 = 50.0;
        f.fld_item_notax_2 = true;
        f.Calculate();
        SCOPED_TRACE(c.rate);
        EXPECT_EQ(f.fld_sub_total.value(), 150.0);
        EXPECT_NEAR(f.fld_fee_tax.value(), c.tax, kTol);
        EXPECT_NEAR(f.fld_fee_total.value(), c.total, kTol);
    }
}

TEST(T1KSNew, PercentagesWithoutDivisionByZero)
{
    TaxData_T1KSNew f(0);
    f.fld_provtax = 30.0;
    f.Calculate();
    EXPECT_EQ(f.fld_PcntProvTax.value(), 0.0);
    EXPECT_EQ(f.fld_PcntTaxInc.value(), 0.0);
    f.fld_totaltax = 120.0;
    f.fld_taxincome = 480.0;
    f.Calculate();
    EXPECT_NEAR(f.fld_PcntProvTax.value(), 25.0, kTol);
    EXPECT_NEAR(f.fld_PcntTaxInc.value(), 25.0, kTol);
}

TEST(T1KSNew, TimeCountsOnlyWhileTheTimerRuns)
{
    TaxData_T1KSNew f(0);
    EXPECT_FALSE(f.increaseTimeSpent(100));
    EXPECT_EQ(int(f.fld_time01), 0);
    f.fld_bStartTimer = true;
    EXPECT_TRUE(f.increaseTimeSpent(119));
    EXPECT_EQ(int(f.fld_time02), 1);
    EXPECT_TRUE(f.increaseTimeSpent(1));
    EXPECT_EQ(int(f.fld_time01), 120);
    EXPECT_EQ(int(f.fld_time02), 2);
}

TEST(T1KSNew, SavingStampsTodayAndLoadingKeepsTheStoredDate)
{
    setCurrentDateTimeForTesting(QDateTime(QDate(2025, 3, 4), QTime(9, 0)));
    TaxData_T1KSNew f(0);
    f.fld_DateOfSavingFile = QDate(2020, 1, 2);
    MyDataStream out = MyDataStream::forStoring();
    ASSERT_EQ(f.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out), 0);
    setCurrentDateTimeForTesting(QDateTime());
    EXPECT_EQ(QDate(f.fld_DateOfSavingFile), QDate(2025, 3, 4));
    TaxData_T1KSNew loaded(0);
    MyDataStream in = MyDataStream::forLoading(out.finish());
    ASSERT_EQ(loaded.Serialize(in.version(), CString(), in), 0);
    EXPECT_EQ(QDate(loaded.fld_DateOfSavingFile), QDate(2025, 3, 4));
    EXPECT_TRUE(f.ShouldBeImported(0, PROV_NONE));
    EXPECT_TRUE(f.shouldSkipWriteNetfile());
}

}  // namespace
