// Schedule 1A: the split of each row's gain between the 0% and 50%
// inclusion rates, the section totals and what Schedule 1 takes.
#include "schedules/sch1a.h"

#include <gtest/gtest.h>

namespace {
constexpr double kTol = 1e-9;
}

struct RowCase {
    double proceeds, costBase, outlays, eligible;
    double gain, col7, col8;
};

class Sch1ARow : public testing::TestWithParam<RowCase> {};

// The same row rule in a section of each kind and period.
TEST_P(Sch1ARow, SplitsTheGainByTheEligibleShareOfTheProceeds)
{
    const RowCase& c = GetParam();
    TaxData_Sch1A s;
    auto check = [&](auto& row) {
        row.disposition = c.proceeds;
        row.costbase = c.costBase;
        row.outlays = c.outlays;
        row.eligibleamt = c.eligible;
        s.Calculate01();
        EXPECT_NEAR(row.gain, c.gain, kTol);
        EXPECT_NEAR(row.col7, c.col7, kTol);
        EXPECT_NEAR(row.col8, c.col8, kTol);
    };
    check(s.m_sharesPrd1[0]);
    check(s.m_bondsPrd1[5]);
    check(s.m_landPrd1[2]);
    check(s.m_shares[1]);
    check(s.m_bonds[3]);
    check(s.m_land[4]);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Sch1ARow,
    testing::Values(RowCase{1000.0, 400.0, 0.0, 500.0, 600.0, 300.0, 300.0},
                    RowCase{1000.0, 300.0, 100.0, 1000.0, 600.0, 600.0, 0.0},
                    RowCase{1000.0, 1200.0, 0.0, 500.0, -200.0, -100.0, -100.0},  // a loss splits alike
                    RowCase{0.005, -100.0, 0.0, 500.0, 100.005, 0.0, 0.0},        // no proceeds: nothing eligible
                    RowCase{0.009, 0.0, 0.0, 0.009, 0.009, 0.009, 0.0}));         // at the tolerance: proceeds count

TEST(Sch1ATotals, SectionsPeriodsAndTheAmountsForScheduleOne)
{
    TaxData_Sch1A s;
    auto fill = [](auto& row, double proceeds, double eligible) {
        row.disposition = proceeds;
        row.eligibleamt = eligible;  // cost base 0: the gain is the proceeds
    };
    fill(s.m_sharesPrd1[0], 100.0, 100.0);
    fill(s.m_sharesPrd1[5], 200.0, 0.0);
    fill(s.m_bondsPrd1[0], 400.0, 100.0);
    fill(s.m_landPrd1[0], 800.0, 800.0);
    fill(s.m_shares[0], 1000.0, 500.0);
    fill(s.m_bonds[5], 2000.0, 2000.0);
    fill(s.m_land[0], 4000.0, 1000.0);
    s.Calculate01();
    EXPECT_NEAR(s.fld_1541, 300.0, kTol);
    EXPECT_NEAR(s.fld_1542, 100.0, kTol);
    EXPECT_NEAR(s.fld_1542_col8_total, 200.0, kTol);
    EXPECT_NEAR(s.fld_1551, 400.0, kTol);
    EXPECT_NEAR(s.fld_1552, 100.0, kTol);
    EXPECT_NEAR(s.fld_1562, 800.0, kTol);
    EXPECT_NEAR(s.fld_TotalPrd1, 1000.0, kTol);
    EXPECT_NEAR(s.fld_1512, 500.0, kTol);
    EXPECT_NEAR(s.fld_1521, 2000.0, kTol);
    EXPECT_NEAR(s.fld_land_col8_total, 3000.0, kTol);
    EXPECT_NEAR(s.fld_TotalPrd2, 3500.0, kTol);
    EXPECT_NEAR(s.getAmtForSch1F1732(), 300.0, kTol);
    EXPECT_NEAR(s.getAmtForSch1F1742(), 400.0, kTol);
    EXPECT_NEAR(s.getAmtForSch1F1752(), 800.0, kTol);
    EXPECT_NEAR(s.getAmtForSch1F1032(), 1000.0, kTol);
    EXPECT_NEAR(s.getAmtForSch1F1042(), 2000.0, kTol);
    EXPECT_NEAR(s.getAmtForSch1F1052(), 4000.0, kTol);
}
