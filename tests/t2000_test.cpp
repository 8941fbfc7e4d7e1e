// Form T2000: the agreement columns, the totals, line 2411 and the balance.
#include "taxcalc/t2000.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(T2000, EachRowTakesOnePercentAndTheLesserOfKAndL)
{
    const struct {
        double b, c, d, e, f, g, h;
        double i, j, m, n;
    } rows[] = {
        {1000.0, 2000.0, 3000.0, 500.0, 400.0, 50.0, 20.0, 10.0, 20.0, 30.0, 30.0},     // L 100 above K 30
        {0.0, 0.0, 3000.0, 25.0, 0.0, 0.0, 0.0, 0.0, 0.0, 25.0, 0.0},                   // L 25 below K 30
        {0.0, 0.0, 3000.0, 30.0, 0.0, 0.0, 0.0, 0.0, 0.0, 30.0, 0.0},                   // L equals K
        {0.0, 0.0, 3000.0, 10.0, 40.0, 20.0, 70.0, 0.0, 0.0, -30.0, -50.0},             // L and N negative
        {99.99, 0.01, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9999, 0.0001, 0.0, 0.0},
    };
    for (const auto& r : rows) {
        TaxData_T2000 form;
        auto& row = form.m_rows[11];
        row.B = r.b, row.C = r.c, row.D = r.d, row.E = r.e, row.F = r.f, row.G = r.g, row.H = r.h;
        form.Calculate01();
        EXPECT_NEAR(row.I, r.i, kTol);
        EXPECT_NEAR(row.J, r.j, kTol);
        EXPECT_NEAR(row.M, r.m, kTol);
        EXPECT_NEAR(row.N, r.n, kTol);
        EXPECT_NEAR(form.fld_2411, r.i + r.j + r.m + r.n, kTol);
    }
}

TEST(T2000, TotalsOfAllTwelveRowsMakeLine2411AndTheBalance)
{
    TaxData_T2000 form;
    for (int k = 0; k < 12; ++k) {
        form.m_rows[k].B = 100.0 * (k + 1);  // I: 1 .. 12, total 78
        form.m_rows[k].G = 1.0;              // N: 1 each, total 12
    }
    form.m_rows[0].C = 500.0;  // J 5
    form.m_rows[0].D = 700.0;  // K 7, L 9: M 7
    form.m_rows[0].E = 9.0;
    form.fld_PayOnAcct = 150.0;
    form.Calculate01();
    EXPECT_NEAR(form.fld_totalI, 78.0, kTol);
    EXPECT_NEAR(form.fld_totalJ, 5.0, kTol);
    EXPECT_NEAR(form.fld_totalM, 7.0, kTol);
    EXPECT_NEAR(form.fld_totalN, 12.0, kTol);
    EXPECT_NEAR(form.fld_2411, 102.0, kTol);
    EXPECT_NEAR(form.fld_BalOrRef, -48.0, kTol);  // a refund
}

}  // namespace
