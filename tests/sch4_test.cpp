// Schedule 4: cumulative net investment loss, its floors, and its carry
// into a new year.
#include "schedules/sch4.h"

#include "host/calc_engine.h"
#include "returns/t3ret.h"
#include "schedules/sch3.h"

#include <gtest/gtest.h>

namespace {
constexpr double kTol = 1e-9;

// Expenses of lines 1 to 8 (1 + 2 + ... + 128 = 255) and last year's 1,000.
void fillExpenses(TaxData_Sch4& s)
{
    double v = 1.0;
    for (CFloatField* f : {&s.fld_CarryCharge, &s.fld_4020, &s.fld_4030, &s.fld_4040, &s.fld_4050,
                           &s.fld_investmentNetRentalLoss, &s.fld_4070, &s.fld_4080}) {
        *f = v;
        v *= 2.0;
    }
    s.fld_4130 = 1000.0;
}
}  // namespace

TEST(Sch4Calculate, ExpensesAgainstIncomeGiveTheCumulativeNetInvestmentLoss)
{
    TaxData_Sch4 s;
    fillExpenses(s);
    s.fld_investmentNetLossOther = 500.0;
    s.fld_amtLine9Sch3 = 200.0;  // line 11: 300
    s.fld_line2Sch8 = 100.0;     // x 1.38
    s.fld_line1Sch8 = 100.0;     // x 1.15
    s.fld_foreignInvestment = 10.0;
    s.fld_otherInvestment = 20.0;
    s.fld_netRental = 30.0;
    s.fld_4250 = 40.0;
    s.fld_4260 = 50.0;
    s.fld_taxableCC = 900.0;
    s.fld_amtLine6Sch3 = 600.0;  // line 24: 300
    s.fld_4310 = 100.0;
    s.Calculate();
    EXPECT_NEAR(s.fld_investmentSubtotal, 300.0, kTol);
    EXPECT_NEAR(s.fld_4112, 555.0, kTol);
    EXPECT_NEAR(s.fld_4140, 1555.0, kTol);
    EXPECT_NEAR(s.fld_temp4140, 1555.0, kTol);
    EXPECT_NEAR(s.fld_taxableFromEligible, 138.0, kTol);
    EXPECT_NEAR(s.fld_taxableNoneEligible, 115.0, kTol);
    EXPECT_NEAR(s.fld_Subtotal, 300.0, kTol);
    EXPECT_NEAR(s.fld_4300, 703.0, kTol);
    EXPECT_NEAR(s.fld_4320, 803.0, kTol);
    EXPECT_NEAR(s.fld_4330, 752.0, kTol);
}

TEST(Sch4Calculate, LinesElevenTwentyFourAndTwentyEightAreFlooredAtZero)
{
    TaxData_Sch4 s;
    fillExpenses(s);                 // line 14: 1,255
    s.fld_investmentNetLossOther = 100.0;
    s.fld_amtLine9Sch3 = 100.01;     // line 11 just below 0
    s.fld_taxableCC = 500.0;
    s.fld_amtLine6Sch3 = 500.01;     // line 24 just below 0
    s.fld_4310 = 1255.01;            // income just above expenses
    s.Calculate();
    EXPECT_EQ(s.fld_investmentSubtotal.value(), 0.0);
    EXPECT_EQ(s.fld_Subtotal.value(), 0.0);
    EXPECT_NEAR(s.fld_4320, 1255.01, kTol);
    EXPECT_EQ(s.fld_4330.value(), 0.0);

    s.fld_4310 = 1254.99;  // just below: one cent of loss
    s.Calculate();
    EXPECT_NEAR(s.fld_4330, 0.01, kTol);
}

TEST(Sch4CarryForward, IsAlwaysImportedAndStartsTheYearWithoutAmounts)
{
    TaxData_Sch4 s;
    fillExpenses(s);
    s.Calculate();
    EXPECT_TRUE(s.ShouldBeImported(0, PROV_NONE));
    EXPECT_EQ(s.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM{}), 0);
    for (const CField* f : s.fields())
        EXPECT_TRUE(f->isDefault()) << f->name();
}

// One pass: Schedule 3 lines 5, 6 and 9 reach Schedule 4, and its line 28 is
// back on Schedule 3 line 21; a rental loss is an expense, not income.
TEST(Sch4Engine, OnePassSettlesSchedulesThreeAndFour)
{
    TaxReturn ret;
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    auto* sch3 = static_cast<TaxData_Sch3*>(ret.add(std::make_unique<TaxData_Sch3>()));
    auto* sch4 = static_cast<TaxData_Sch4*>(ret.add(std::make_unique<TaxData_Sch4>()));
    t3->fld_charges = 5000.0;
    t3->fld_net_rental = -500.0;
    t3->fld_other_inv = 200.0;
    t3->fld_netcap_loss = 400.0;
    sch3->fld_partEligibleCC = 2000.0;       // line 6: 1,000
    sch3->fld_part1TotalTaxableCC = 3000.0;  // line 9: 400 - 2,000, floored
    calculatePass(ret);
    EXPECT_NEAR(sch4->fld_CarryCharge, 5000.0, kTol);
    EXPECT_NEAR(sch4->fld_investmentNetRentalLoss, 500.0, kTol);
    EXPECT_EQ(sch4->fld_netRental.value(), 0.0);
    EXPECT_NEAR(sch4->fld_investmentSubtotal, 400.0, kTol);
    EXPECT_NEAR(sch4->fld_Subtotal, 2000.0, kTol);
    EXPECT_NEAR(sch4->fld_4330, 3700.0, kTol);  // 5,900 - 2,200
    EXPECT_NEAR(sch3->fld_part2CumulativeNetLoss, 3700.0, kTol);
    EXPECT_NEAR(sch3->fld_part2TotalLoss, 3700.0, kTol);  // line 20 (0) + line 21
}
