// The form catalogue and the return's list of forms.
#include "host_test_forms.h"

#include "host/tax_return.h"

#include <gtest/gtest.h>

TEST(FormCatalogue, FindsAClassByClassNameOrJsonName)
{
    const FormCatalogue& cat = hostTestCatalogue();
    ASSERT_NE(cat.find("TaxData_HostTyped"), nullptr);
    EXPECT_EQ(cat.find("TaxData_HostTyped"), cat.find("HostTyped"));
    EXPECT_EQ(cat.find("HostTyped")->className, QStringLiteral("TaxData_HostTyped"));
    EXPECT_EQ(cat.find("HostTyped")->creatorArg, CreatorArg::TypeId);
    EXPECT_EQ(cat.find("hosttyped"), nullptr);
    EXPECT_EQ(cat.find("Sch99"), nullptr);

    TaxData_Slip_HostSample slip(1);
    EXPECT_EQ(cat.classOf(slip), cat.find("Slip_HostSample"));
    EXPECT_TRUE(cat.find("Slip_HostSample")->isSlip());
    EXPECT_FALSE(cat.find("FrameworkSample")->isSlip());
}

TEST(FormCatalogue, FactoriesPassTheCreatorsArgument)
{
    const FormCatalogue& cat = hostTestCatalogue();
    EXPECT_EQ(cat.find("HostTyped")->create(7)->formType(), 7);
    EXPECT_EQ(cat.find("FrameworkSample")->create(7)->formType(), 99);
    const auto slip = cat.find("Slip_HostSample")->create(3);
    EXPECT_EQ(dynamic_cast<CSlipTaxDataBase01&>(*slip).slipFrom(), 3);
}

TEST(FormCatalogue, JsonNamesDropOnlyTheTaxDataPrefix)
{
    EXPECT_EQ(jsonNameOfClass("TaxData_T3Ret"), QStringLiteral("T3Ret"));
    EXPECT_EQ(jsonNameOfClass("TaxData_Slip_T3"), QStringLiteral("Slip_T3"));
    EXPECT_EQ(jsonNameOfClass("CSlipData_T4AP"), QStringLiteral("CSlipData_T4AP"));
}

TEST(TaxReturn, NumbersFormsWithinTheirClass)
{
    TaxReturn ret;
    auto* a = ret.add(std::make_unique<TaxData_FrameworkSample>());
    auto* t = ret.add(std::make_unique<TaxData_HostTyped>(5));
    auto* b = ret.add(std::make_unique<TaxData_FrameworkSample>());
    auto* c = ret.add(std::make_unique<TaxData_FrameworkSample>());
    EXPECT_EQ(a->seqNum(), 1);
    EXPECT_EQ(t->seqNum(), 1);
    EXPECT_EQ(b->seqNum(), 2);
    EXPECT_EQ(c->seqNum(), 3);
    EXPECT_EQ(ret.indexOf(c), 3);

    ret.remove(0);
    EXPECT_EQ(ret.size(), 3);
    EXPECT_EQ(b->seqNum(), 1);
    EXPECT_EQ(c->seqNum(), 2);
    EXPECT_EQ(ret.indexOf(a), -1);
    EXPECT_EQ(ret.add(std::make_unique<TaxData_FrameworkSample>())->seqNum(), 3);  // counted after the removal
}

TEST(TaxReturn, FindsTheFirstAndAllFormsOfAClass)
{
    TaxReturn ret;
    EXPECT_EQ(ret.first<TaxData_HostTyped>(), nullptr);
    ret.add(std::make_unique<TaxData_FrameworkSample>());
    auto* t1 = static_cast<TaxData_HostTyped*>(ret.add(std::make_unique<TaxData_HostTyped>(5)));
    auto* t2 = static_cast<TaxData_HostTyped*>(ret.add(std::make_unique<TaxData_HostTyped>(6)));
    EXPECT_EQ(ret.first<TaxData_HostTyped>(), t1);
    EXPECT_EQ(ret.all<TaxData_HostTyped>(), (std::vector<TaxData_HostTyped*>{t1, t2}));
    // A base class finds its derived forms.
    EXPECT_EQ(ret.all<CTaxDataBase01>().size(), 3u);
    EXPECT_EQ(ret.first<CSlipTaxDataBase01>(), nullptr);
}
