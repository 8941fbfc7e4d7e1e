// The capital cost allowance shared by the statements: class rates and the
// half-year rule, one Area A class row at its limits, and the summary by class.
#include "statements/cac_summary.h"
#include "statements/cca_areas.h"
#include "statements/cca_class_table.h"
#include "pages/cac_summary_pages.h"
#include "statements/t2125new.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(CcaClassTable, RatesMatchWithinTheToleranceAndTheHalfYearRuleSparesClass52)
{
    const struct { double cls, rate; bool halfYear; } cases[] = {
        {8.1, 33.33, true}, {8.1049, 33.33, true}, {8.05, 0.0, true}, {10, 30, true},
        {43.2, 50, true},   {52, 100, false},      {53, 50, true},    {54, 0.0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cls);
        EXPECT_EQ(CCCAClassTable::GetCCARate(c.cls), c.rate);
        EXPECT_EQ(CCCAClassTable::HasHalfYearRule(c.cls), c.halfYear);
    }
    double rate = 12.0;
    EXPECT_FALSE(CCCAClassTable::SetCCARate(13, false, rate));  // no rate for class 13
    EXPECT_FALSE(CCCAClassTable::SetCCARate(8, true, rate));    // the user's rate
    EXPECT_EQ(rate, 12.0);
    EXPECT_TRUE(CCCAClassTable::SetCCARate(8, false, rate));
    EXPECT_EQ(rate, 20.0);
}

struct AreaForm : CTaxData_Form {
    CcaClassArea area{this};
};

struct RowCase {
    const char* cls;
    double ucc, additions, dispositions;
    bool rateOverwrite;
    double rate;
    bool claimOverwrite;
    double claim;
    double halfYear, base, expectedClaim, uccEnd;
};

TEST(CcaClassArea, HalfYearRateAndClaimPerClass)
{
    const RowCase cases[] = {
        {"10", 2000, 1000, 0, false, 0, false, 0, 500, 2500, 750, 2250},
        {"52", 0, 1000, 0, false, 0, false, 0, 0, 1000, 1000, 0},          // no half-year adjustment
        {"8", 1000, 400, 1000, false, 0, false, 0, 0, 400, 80, 320},       // dispositions cancel additions
        {"8", 100, 0, 500, false, 0, false, 0, 0, 0, 0, 0},                // column 6 floored
        {"13", 1000, 0, 0, true, 150, false, 0, 0, 1000, 1000, 0},         // entered rate cut to 100
        {"1", 1000, 0, 0, false, 0, true, 40.01, 0, 1000, 40, 960},        // claim cut to the maximum
        {"1", 1000, 0, 0, false, 0, true, -5, 0, 1000, 0, 1000},           // negative claim
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cls << " " << c.claim);
        AreaForm f;
        CcaClassRow& a = f.area.classes[3];
        CcaClaimRow& b = f.area.claims[3];
        a.cls = c.cls;
        a.ucc = c.ucc;
        a.additions = c.additions;
        a.dispositions = c.dispositions;
        b.rateOverwrite = c.rateOverwrite;
        b.rate = c.rate;
        b.claimOverwrite = c.claimOverwrite;
        b.claim = c.claim;
        EXPECT_NEAR(f.area.calculate(), c.expectedClaim, kTol);
        EXPECT_NEAR(b.halfYear.value(), c.halfYear, kTol);
        EXPECT_NEAR(b.base.value(), c.base, kTol);
        EXPECT_NEAR(b.uccEnd.value(), c.uccEnd, kTol);
        f.area.carryForward();
        EXPECT_NEAR(a.ucc.value(), c.uccEnd, kTol);
    }
}

TEST(CcaClassArea, ImmediateExpensingIsCappedAndLeavesTheHalfYearBase)
{
    AreaForm f;
    CcaClassRow& a = f.area.classes[0];
    CcaClaimRow& b = f.area.claims[0];
    a.cls = "8";
    a.additions = 1000;
    a.additionsImmExp = 1200;  // cut to the additions
    a.immExpensed = 300;
    f.area.calculate();
    EXPECT_EQ(a.additionsImmExp.value(), 1000.0);
    EXPECT_EQ(a.additionsAfterImmExp.value(), 700.0);
    EXPECT_EQ(b.uccAfterImmExp.value(), 700.0);
    EXPECT_EQ(b.halfYear.value(), 350.0);
    EXPECT_NEAR(b.claim.value(), (1000.0 - 350.0) * 0.2, kTol);
}

TEST(CacSummary, SixClassesAtMostSortedWithFreeEntriesLast)
{
    CacSummary s;
    for (int cls : {8, 1, 10, 43, 50, 12, 14})
        s.add(true, cls, 100.0);
    s.add(false, 8, 5.0);
    s.add(false, 0, 5.0);
    s.add(true, 1, -5.0);
    s.sort();
    const double order[] = {1, 8, 10, 12, 43, 50};
    for (int i = 0; i < CacSummary::kEntries; ++i)
        EXPECT_EQ(s.entries()[size_t(i)].cls, order[i]);
    EXPECT_EQ(s.entries()[1].first, 100.0);
    EXPECT_EQ(s.entries()[1].second, 5.0);
    s.clear();
    s.add(true, 3, 1.0);
    s.sort();
    EXPECT_EQ(s.entries()[0].cls, 3.0);
    EXPECT_EQ(s.entries()[1].cls, 0.0);
}

// The statement's calculation summarizes its Areas B to E by whole class
// number: the business part of additions first, of dispositions second; a
// personal part is never more than its row's amount.
TEST(CacSummary, StatementSummarizesItsAreasBToE)
{
    TaxData_T2125_New f(61);
    auto set = [](AssetRow& row, const char* cls, double amount, double personal) {
        row.cls = cls;
        row.amount = amount;
        row.personal = personal;
    };
    set(f.m_assets.equipmentAdditions.rows[0], "10", 10000.0, 200.0);
    set(f.m_assets.buildingAdditions.rows[1], "10.1", 50.0, 0.0);  // class 10 as well
    set(f.m_assets.equipmentAdditions.rows[1], "", 70.0, 0.0);     // no class
    set(f.m_assets.equipmentDispositions.rows[0], "8", 300.0, 0.0);
    set(f.m_assets.buildingDispositions.rows[0], "1", 0.0, 0.0);   // no amount
    set(f.m_assets.buildingAdditions.rows[2], "8", 100.0, 150.0);  // personal part cut to the cost
    f.Calculate01();
    EXPECT_EQ(f.m_assets.buildingAdditions.rows[2].personal.value(), 100.0);
    EXPECT_EQ(f.m_assets.fld_9927.value(), 50.0);
    EXPECT_EQ(cacSummaryText(TaxData_T2125_New::summary()),
              QStringLiteral("Class 8: additions 0.00, dispositions 300.00\n"
                             "Class 10: additions 9,850.00, dispositions 0.00"));
    TaxData_T2125_New(61).Calculate01();
    EXPECT_EQ(cacSummaryText(TaxData_T2125_New::summary()), QStringLiteral("No class in Areas B to E"));
}

}  // namespace
