// Form T2125: business and professional income, the trust's share, the
// records a professional leaves out, the accounting method of other form
// types, the pages to print, and the extra class rows rebuilt on loading.
#include "framework/datastream.h"
#include "framework/netfile.h"
#include "host/return_json.h"
#include "statements/t2125new.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;
constexpr ENUMTYPE_FORM kType = TaxData_T2125_New::kKeepsAccountingMethod;

TEST(T2125New, BusinessSalesLessCostOfGoodsAndExpenses)
{
    TaxData_T2125_New f(kType);
    f.fld_ws_busi_sales.fld_ws_a = 50000.0;
    f.fld_busi_gst = 2500.0;
    f.fld_busi_ii = 300.0;
    f.fld_busi_iii = 100.0;
    f.fld_8230 = 500.0;
    f.fld_8300 = 4000.0;
    f.fld_8320 = 10000.0;
    f.fld_8500 = 20000.0;  // cut to the total before it
    f.fld_exp_8521 = 700.0;
    f.fld_percentowner = 40.0;
    f.fld_accountmethod = 1;
    f.Calculate01();
    EXPECT_NEAR(f.fld_8000.value(), 47700.0, kTol);
    EXPECT_NEAR(f.fld_8299.value(), 48200.0, kTol);
    EXPECT_EQ(f.fld_8500.value(), 14000.0);
    EXPECT_EQ(f.fld_8518.value(), 0.0);
    EXPECT_NEAR(f.fld_9369.value(), 47500.0, kTol);
    EXPECT_NEAR(f.m_net.netIncome.value(), 19000.0, kTol);
    EXPECT_EQ(f.fld_accountmethod.value(), 1);  // kept for this form type
    TaxData_T2125_New other(60);
    other.fld_accountmethod = 1;
    other.Calculate01();
    EXPECT_EQ(other.fld_accountmethod.value(), 0);
}

TEST(T2125New, NeitherKindLeavesNoStaleSubtotals)
{
    TaxData_T2125_New f(kType);
    f.fld_IsBusiOrProf = 2;  // neither business nor professional
    f.fld_ws_busi_sales.fld_ws_a = 5000.0;
    f.fld_b4_8000_busi = 123.0;
    f.fld_busi_ii = 300.0;
    f.fld_busi_iv = 45.0;
    f.fld_prof_8000 = 67.0;
    f.fld_8230 = 10.0;
    f.Calculate01();
    for (const CFloatField* line : {&f.fld_b4_8000_busi, &f.fld_busi_iv, &f.fld_8000_busi, &f.fld_prof_after_wip1,
                                    &f.fld_prof_iv, &f.fld_prof_8000, &f.fld_8000})
        EXPECT_EQ(line->value(), 0.0);
    EXPECT_EQ(f.fld_8299.value(), 10.0);
}

TEST(T2125New, ProfessionalHasNoCostOfGoodsSoldRecords)
{
    TaxData_T2125_New f(kType);
    f.fld_IsBusiOrProf = TaxData_T2125_New::Professional;
    f.fld_ws_prof_fee.fld_ws_a = 9000.0;
    f.fld_prof_wip2 = -1000.0;
    f.fld_8320 = 500.0;
    f.fld_exp_8860 = 1000.0;
    f.Calculate01();
    EXPECT_EQ(f.fld_8320.value(), 0.0);
    EXPECT_NEAR(f.fld_grossprofit_b4_expense.value(), 8000.0, kTol);
    EXPECT_NEAR(f.fld_9369.value(), 7000.0, kTol);
    NetfileGenObjParamStruct ctx;
    f.WriteFreeData(0, &ctx);
    EXPECT_EQ(ctx.records.count("8320"), 0u);
    EXPECT_EQ(ctx.records.count("8519"), 0u);
    EXPECT_EQ(ctx.records.at("8299"), QStringLiteral("8000"));
    EXPECT_EQ(ctx.records.at("9369"), QStringLiteral("7000"));
}

TEST(T2125New, EnteredShareStaysBetweenZeroAndTheNetIncome)
{
    const struct { double net, entered, share; } cases[] = {
        {1000.0, 1500.0, 1000.0}, {1000.0, -5.0, 0.0}, {-1000.0, -2000.0, -1000.0}, {-1000.0, -400.0, -400.0},
    };
    for (const auto& c : cases) {
        TaxData_T2125_New f(kType);
        f.fld_8230 = c.net > 0 ? c.net : 0.0;
        f.fld_exp_8521 = c.net < 0 ? -c.net : 0.0;
        f.fld_ow_9369_yourshare = true;
        f.fld_9369_yourshare = c.entered;
        f.Calculate01();
        EXPECT_NEAR(f.fld_9369_yourshare.value(), c.share, kTol) << c.net << " " << c.entered;
    }
    TaxData_T2125_New f(kType);
    f.fld_percentowner = 99.995;
    EXPECT_FALSE(f.IsShared());
    f.fld_percentowner = 99.99;
    EXPECT_TRUE(f.IsShared());
}

TEST(T2125New, ExtraPagesAndExtraClassRows)
{
    TaxData_T2125_New f(kType);
    f.m_assets.buildingAdditions.rows[2].cls = "1";
    EXPECT_EQ(f.calcIfPrintExtraPages(), 2);
    EXPECT_EQ(f.fld_printMoreCCA.value(), 2);
    f.m_cca.classes[4].cls = "8";
    EXPECT_EQ(f.calcIfPrintExtraPages(), 3);

    f.m_cca.totals.extraRowCount = 2;
    MyDataStream out = MyDataStream::forStoring();
    f.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out);
    MyDataStream in = MyDataStream::forLoading(out.finish());
    TaxData_T2125_New back(kType);
    EXPECT_EQ(back.Serialize(in.version(), CString(), in), 0);
    EXPECT_EQ(back.extraClassRows().size(), 2u);

    f.m_cca.totals.extraRowCount = TaxData_T2125_New::kMaxExtraClassRows + 1;
    MyDataStream damaged = MyDataStream::forStoring();
    f.Serialize(TRUSTELLA_STREAM_VERSION, CString(), damaged);
    MyDataStream load = MyDataStream::forLoading(damaged.finish());
    EXPECT_NE(back.Serialize(load.version(), CString(), load), 0);
    EXPECT_FALSE(load.ok());
}

// The worksheets' fields are stored under the statement's names, as before
// the worksheet was a class: such a file loads into the worksheets, whose
// own names reach the same fields, and line 3A takes the sales worksheet.
TEST(T2125New, StoredWorksheetFieldsLoadIntoTheWorksheets)
{
    const TaxReturn ret = returnFromJson(
        R"({"trustella": "return", "version": 1, "forms": [{"form": "T2125_New", "typeId": 61,
            "fields": {"fld_ws_busi_sales_a": 1234.5, "fld_ws_prof_fee_6765": 20.25}}]})",
        QStringLiteral("r.json"));
    auto& f = static_cast<TaxData_T2125_New&>(*ret.form(0));
    EXPECT_EQ(f.fld_ws_busi_sales.fld_ws_a.value(), 1234.5);
    EXPECT_EQ(f.fld_ws_prof_fee.fld_ws_6765.value(), 20.25);
    EXPECT_EQ(f.fld_ws_prof_fee.findField("fld_ws_6765"), &f.fld_ws_prof_fee.fld_ws_6765);
    EXPECT_EQ(f.fieldIndex("fld_ws_busi_sales_a"), f.fieldIndex("fld_busi_sales") + 1);
    f.Calculate01();
    EXPECT_EQ(f.fld_busi_sales.value(), 1234.5);
}

}  // namespace
