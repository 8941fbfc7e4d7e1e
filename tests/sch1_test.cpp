// Schedule 1: the share arithmetic of each section by period, Part 3 down to
// line 1220, the extra share entries (resizing, stream, JSON return file) and
// where the pages put each section's share percentage.
#include "framework/datastream.h"
#include "framework/page_description.h"
#include "host/calc_engine.h"
#include "host/return_json.h"
#include "returns/t3ret.h"
#include "schedules/sch1.h"
#include "schedules/sch2.h"
#include "schedules/t1055.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {
constexpr double kCent = 0.005;

template <class Row>
void enter(Row& r, double proceeds, double cost, double expenses)
{
    r.disposition = proceeds;
    r.costbase = cost;
    r.expenses = expenses;
}
}  // namespace

TEST(Sch1Sections, ShareColumnsAndTotalsAtEachSectionsPercentage)
{
    TaxData_Sch1 s;
    EXPECT_EQ(s.m_prd1.nonQ.share.value(), 0.0);  // section 8 has no share until one is entered
    EXPECT_EQ(s.m_prd2.lpp.share.value(), 100.0);
    enter(s.m_prd1.smCorp.rows[0], 1000.0, 333.33, 10.0);
    s.m_prd1.smCorp.rows[0].count = 90.0;
    s.m_prd1.smCorp.share = 33.3;
    enter(s.m_prd1.nonQ.rows[3], 500.0, 100.0, 0.0);  // share 0: nothing counts
    enter(s.m_prd1.bond.rows[1], 200.0, 150.0, 0.0);
    s.m_addGainBondPrd1 = 25.0;
    s.Calculate();
    const auto& row = s.m_prd1.smCorp.rows[0];
    EXPECT_NEAR(row.gain, 656.67, kCent);
    EXPECT_NEAR(row.countShare, 29.97, kCent);
    EXPECT_NEAR(row.dispositionShare, 333.0, kCent);
    EXPECT_NEAR(row.gainShare, 333.0 - 110.998890 - 3.33, 1e-9);
    EXPECT_NEAR(s.m_prd1.smCorp.gain, 218.67, kCent);
    EXPECT_EQ(s.m_prd1.nonQ.gain.value(), 0.0);
    EXPECT_NEAR(s.m_prd1.bond.gain, 75.0, 1e-9);  // 50 from the row, 25 from Schedule 1A
    EXPECT_NEAR(s.fld_NetGainPrd1, 218.67 + 75.0, kCent);
    EXPECT_EQ(s.fld_NetGainPrd2.value(), 0.0);
}

TEST(Sch1Sections, PersonalUseLossesStopAtZeroButNetLppMayBeNegative)
{
    TaxData_Sch1 s;
    enter(s.m_prd2.pup.rows[0], 100.0, 400.0, 0.0);
    enter(s.m_prd2.lpp.rows[2], 100.0, 300.0, 0.0);
    s.m_prd2.lppLosses = 50.0;
    enter(s.m_prd1.lpp.rows[0], 300.0, 100.0, 0.0);
    s.m_prd1.lppLosses = 350.0;
    s.Calculate();
    EXPECT_EQ(s.m_prd2.pup.gain.value(), 0.0);
    EXPECT_NEAR(s.m_prd2.pup.proceeds, 100.0, 1e-9);
    EXPECT_EQ(s.m_prd2.lpp.gain.value(), 0.0);
    EXPECT_NEAR(s.m_prd2.netLpp, -50.0, 1e-9);
    EXPECT_NEAR(s.m_prd1.netLpp, -150.0, 1e-9);
    EXPECT_NEAR(s.fld_NetGainPrd1, -150.0, 1e-9);
}

TEST(Sch1Part3, BothPeriodsToLine1220AndWhatTheOtherFormsTake)
{
    TaxData_Sch1 s;
    enter(s.m_prd1.shares.rows[0], 5000.0, 2000.0, 0.0);  // 3,000
    s.fld_1700 = 100.0;
    s.fld_1701 = 50.0;
    s.fld_1730 = 20.0;
    s.fld_1770 = 300.0;
    s.fld_ZeroIncRateAmt_prd1 = 30.0;
    s.fld_1789 = 999.0;  // not added
    s.fld_1746 = -400.0;
    enter(s.m_prd2.farm.rows[7], 1000.0, 0.0, 0.01);
    s.fld_1100 = 10.0;
    s.fld_1191 = 999.0;
    enter(s.m_prd2.nonQ.rows[0], 80.0, 30.0, 0.0);
    s.m_prd2.nonQ.share = 50.0;
    s.Calculate();
    EXPECT_NEAR(s.fld_1756, 3000.0 + 100 + 50 - 20 + 300 - 30 - 400, 1e-9);
    EXPECT_NEAR(s.fld_1656, 999.99 + 10.0, 1e-9);
    EXPECT_NEAR(s.fld_Line26, (3000.0 + 999.99 + 10.0) / 2, 1e-9);
    EXPECT_NEAR(s.fld_Line44, 40.0 + 25.0, 1e-9);  // Period 2 section 8 proceeds and gain
    EXPECT_NEAR(s.fld_1220, 2004.995 + 65.0, 1e-9);
    EXPECT_NEAR(s.getGainOrLoss(true), 2069.995, 1e-9);
    EXPECT_EQ(s.getGainOrLoss(false), 0.0);
}

TEST(Sch1Part3, GainOrLossAtTheTolerance)
{
    TaxData_Sch1 s;
    s.fld_1220 = 0.005;
    EXPECT_EQ(s.getGainOrLoss(true), 0.0);
    EXPECT_EQ(s.getGainOrLoss(false), -0.005);
    s.fld_1220 = -250.0;
    EXPECT_EQ(s.getGainOrLoss(false), 250.0);
    EXPECT_EQ(s.getGainOrLoss(true), 0.0);
}

TEST(Sch1Entries, ResizingKeepsTheFirstEntries)
{
    TaxData_Sch1 s;
    s.AllocateMoreEquityEntries(3);
    for (int i = 0; i < 3; ++i)
        s.moreEquityEntry(i).fld_name = QStringLiteral("E%1").arg(i + 1);
    s.AllocateMoreEquityEntries(5);
    EXPECT_EQ(s.moreEquityEntryCount(), 5);
    EXPECT_EQ(s.moreEquityEntry(2).fld_name.value(), QStringLiteral("E3"));
    EXPECT_TRUE(s.moreEquityEntry(4).fld_name.isEmpty());
    s.AllocateMoreEquityEntries(2);
    EXPECT_EQ(s.moreEquityEntryCount(), 2);
    EXPECT_EQ(s.moreEquityEntry(1).fld_name.value(), QStringLiteral("E2"));
    s.fld_ws_moreentry_num = 7.0;
    s.AllocateMoreEquityEntries(0);
    EXPECT_EQ(s.moreEquityEntryCount(), 0);
    EXPECT_EQ(s.fld_ws_moreentry_num.value(), 7.0);  // the callers set the requested count
}

TEST(Sch1Entries, CountInPeriodTwoSectionThreeOnly)
{
    TaxData_Sch1 s;
    s.m_prd2.shares.share = 50.0;
    enter(s.m_prd2.shares.rows[10], 100.0, 40.0, 0.0);
    s.m_addGainShares = 7.0;
    s.AllocateMoreEquityEntries(2);
    s.moreEquityEntry(0).fld_disposition = 1000.0;
    s.moreEquityEntry(0).fld_costbase = 600.0;
    s.moreEquityEntry(0).fld_expenses = 9.99;
    s.moreEquityEntry(1).fld_num = 15.0;
    s.Calculate();
    const Type_MoreEquityEntryStruct& e = s.moreEquityEntry(0);
    EXPECT_NEAR(e.fld_gain, 390.01, 1e-9);
    EXPECT_NEAR(e.fld_gain_percent, 195.005, 1e-9);
    EXPECT_NEAR(s.moreEquityEntry(1).fld_num_percent, 7.5, 1e-9);
    EXPECT_NEAR(s.m_prd2.shares.proceeds, 550.0, 1e-9);
    EXPECT_NEAR(s.m_prd2.shares.gain, 195.005 + 7.0 + 30.0, 1e-9);
    EXPECT_EQ(s.m_prd1.shares.proceeds.value(), 0.0);
}

TEST(Sch1Entries, StreamAndJsonKeepTheEntries)
{
    TaxData_Sch1 s;
    s.AllocateMoreEquityEntries(2);
    s.fld_ws_moreentry_num = 2.0;
    s.moreEquityEntry(1).fld_year = "2019";
    s.moreEquityEntry(1).fld_disposition = 12.5;
    MyDataStream out = MyDataStream::forStoring();
    ASSERT_EQ(s.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out), 0);
    MyDataStream in = MyDataStream::forLoading(out.finish());
    TaxData_Sch1 back;
    ASSERT_EQ(back.Serialize(in.version(), CString(), in), 0) << in.error();
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(back.moreEquityEntryCount(), 2);
    EXPECT_EQ(back.fld_ws_moreentry_num.value(), 2.0);
    EXPECT_FALSE(back != s);
    back.moreEquityEntry(1).fld_year = "2020";
    EXPECT_TRUE(back != s);

    TaxReturn ret;
    ret.add(std::make_unique<TaxData_Sch1>());
    *ret.form(0) = static_cast<const CTaxData_Form&>(s);
    const TaxReturn fromJson = returnFromJson(returnToJsonText(ret), QStringLiteral("r.json"));
    EXPECT_FALSE(*fromJson.form(0) != s);
}

TEST(Sch1Entries, JsonEntryOfTheWrongKindIsRefusedNamingIt)
{
    const std::string doc = R"({"trustella": "return", "version": 1, "forms": [{"form": "Sch1",
        "moreEquityEntries": [{"fld_name": "A"}, {"fld_costbase": "x"}]}]})";
    try {
        returnFromJson(doc, QStringLiteral("r.json"));
        FAIL() << "accepted";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "r.json: forms[0] (Sch1): \"moreEquityEntries\": entry 1: field fld_costbase: "
                               "expected a number, found a string");
    }
}

// Line 01 takes line 1220 unless Form T1055 is there (its line 21 takes line
// 1220 and its line 23 goes to line 01); Schedule 2's reserves reach line 18.
TEST(Sch1Engine, TaxableGainsReachLineZeroOneOrFormT1055)
{
    TaxReturn ret;
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    auto* s = static_cast<TaxData_Sch1*>(ret.add(std::make_unique<TaxData_Sch1>()));
    auto* sch2 = static_cast<TaxData_Sch2*>(ret.add(std::make_unique<TaxData_Sch2>()));
    enter(s->m_prd2.shares.rows[0], 3000.0, 1000.0, 0.0);
    sch2->fld_2341 = 500.0;  // last year's reserve on other property, none this year: column 3 is 500
    calculateReturn(ret);
    EXPECT_EQ(s->fld_1170.value(), 500.0);
    EXPECT_NEAR(s->fld_1220, 1250.0, 1e-9);
    EXPECT_NEAR(t3->fld_taxable_capgain, 1250.0, 1e-9);

    auto* t1055 = static_cast<TaxData_T1055*>(ret.add(std::make_unique<TaxData_T1055>()));
    t1055->fld_LPPSharesDisp = 400.0;  // line 11 = 200 at 50%, taken off line 21
    t1055->fld_InclRate = 50.0;
    calculateReturn(ret);
    EXPECT_NEAR(t1055->fld_taxableCC, 1250.0, 1e-9);
    EXPECT_NEAR(t3->fld_taxable_capgain, 1050.0, 1e-9);
}

// Every section's percentage and totals start under its first share column,
// wherever that column falls after the section's own leading columns.
TEST(Sch1Pages, SharePercentageHeadsTheShareColumnsOfEverySection)
{
    const FormPageDescriptions* pages = PageDescriptionRegistry::instance().form(QStringLiteral("Sch1"));
    ASSERT_NE(pages, nullptr);
    int percentages = 0;
    for (const PageDescription& page : pages->pages) {
        int shareColumn = -1;
        for (const PageRow& row : page.rows) {
            if (row.kind == PageRow::Columns)
                shareColumn = int(row.headers.indexOf(QStringLiteral("Your share: proceeds")));
            const bool percentage = row.text == QLatin1String("Your share (%)");
            if (row.kind != PageRow::Line || !(percentage || row.text.startsWith(QLatin1String("Total: lines"))))
                continue;
            ASSERT_GE(shareColumn, 0) << row.sourceLine;
            auto first = std::find_if(row.cells.begin(), row.cells.end(),
                                      [](const PageCell& c) { return c.kind == PageCell::Field; });
            EXPECT_EQ(int(first - row.cells.begin()), shareColumn) << row.text.toStdString() << " " << row.sourceLine;
            percentages += percentage;
        }
    }
    EXPECT_EQ(percentages, 16);  // eight sections in each period
}
