// Schedule 2: column 3 by row and the row 4 totals of each period, never
// floored, and its carry into a new year.
#include "schedules/sch2.h"

#include "host/calc_engine.h"
#include "schedules/sch3.h"

#include <gtest/gtest.h>

namespace {
constexpr double kTol = 1e-9;
}

TEST(Sch2Calculate, EachPeriodTotalsItsOwnRowsAndKeepsNegativeDifferences)
{
    TaxData_Sch2 s;
    s.fld_2251 = 1000.0;
    s.fld_2252 = 400.0;
    s.fld_2221 = 200.0;
    s.fld_2222 = 500.25;  // current reserve above the previous one
    s.fld_2241 = 50.0;
    s.fld_2242 = 0.0;
    s.fld_2351 = 10.0;
    s.fld_2352 = 20.0;
    s.fld_2321 = 30.0;
    s.fld_2322 = 40.0;
    s.fld_2341 = 50.0;
    s.fld_2342 = 60.0;
    s.Calculate();
    EXPECT_NEAR(s.fld_qualifiedFarmFishing1, 600.0, kTol);
    EXPECT_NEAR(s.fld_qualifiedBizShares1, -300.25, kTol);
    EXPECT_NEAR(s.fld_reservesOther1, 50.0, kTol);
    EXPECT_NEAR(s.fld_preYearTotal1, 1250.0, kTol);
    EXPECT_NEAR(s.fld_currYearTotal1, 900.25, kTol);
    EXPECT_NEAR(s.fld_2263, 349.75, kTol);
    EXPECT_NEAR(s.fld_qualifiedFarmFishing, -10.0, kTol);
    EXPECT_NEAR(s.fld_qualifiedBizShares, -10.0, kTol);
    EXPECT_NEAR(s.fld_reservesOther, -10.0, kTol);
    EXPECT_NEAR(s.fld_preYearTotal, 90.0, kTol);
    EXPECT_NEAR(s.fld_currYearTotal, 120.0, kTol);
    EXPECT_NEAR(s.fld_2363, -30.0, kTol);
}

TEST(Sch2CarryForward, IsAlwaysImportedAndStartsTheYearWithoutAmounts)
{
    TaxData_Sch2 s;
    s.fld_2252 = 400.0;
    s.fld_2352 = 20.0;
    s.Calculate();
    EXPECT_TRUE(s.ShouldBeImported(0, PROV_NONE));
    EXPECT_EQ(s.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM{}), 0);
    for (const CField* f : s.fields())
        EXPECT_TRUE(f->isDefault()) << f->name();
}

// Schedule 3 line 2 takes column 3 of rows 1 and 2 of both periods, not row 3.
TEST(Sch2Engine, QualifiedPropertyReservesReachScheduleThreeLineTwo)
{
    TaxReturn ret;
    auto* sch2 = static_cast<TaxData_Sch2*>(ret.add(std::make_unique<TaxData_Sch2>()));
    auto* sch3 = static_cast<TaxData_Sch3*>(ret.add(std::make_unique<TaxData_Sch3>()));
    sch2->fld_2251 = 1000.0;
    sch2->fld_2222 = 300.25;
    sch2->fld_2241 = 5000.0;
    sch2->fld_2352 = 10.0;
    sch2->fld_2321 = 20.0;
    sch2->fld_2342 = 7000.0;
    calculatePass(ret);
    EXPECT_NEAR(sch3->fld_part1TotalSch2, 709.75, kTol);
    EXPECT_NEAR(sch3->fld_part1Subtotal_1, 709.75, kTol);
}
