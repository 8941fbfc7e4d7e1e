// A provincial component plugged into the host: it is called before
// Schedule 5's last step and before Netfile output, and its messages reach
// the return's validation. Schedule 5 line 255 reaches line 82 of the return
// and its outside-Canada share Schedule 11 line 22's base.
#include "host/calc_engine.h"
#include "host/provincial_components.h"
#include "host/validation.h"

#include "framework/geo_tables.h"
#include "returns/t3ret.h"
#include "taxcalc/sch11.h"
#include "taxcalc/sch5.h"

#include <gtest/gtest.h>

namespace {

// Claims an Ontario refundable credit of 40 and asks for a certificate.
class TestComponent : public CProvincialTaxManager {
public:
    int operation6() override { return 0; }
    int operation23() override { return 0; }
    int CalculateBefore_S5StepLast(TaxData_T3Ret* ret, TaxData_Sch5* sch5, TaxData_Sch7* /*sch7*/) override
    {
        ++calculations;
        sawReturn = ret != nullptr;
        sch5->fld_ON_450 = 40.0;
        return 0;
    }
    bool AnyMsgBeforeNetfile(TaxData_T3Ret* /*ret*/, TaxData_Sch5* /*sch5*/, std::list<CString>& messages) override
    {
        messages.push_back("Ontario certificate missing.");
        return false;
    }
    int calculations = 0;
    bool sawReturn = false;
};

// Keeps a component registered for the life of a test.
struct Registration {
    explicit Registration(std::shared_ptr<CProvincialTaxManager> c) : component(std::move(c))
    {
        registerProvincialComponent(component);
    }
    ~Registration() { unregisterProvincialComponent(component.get()); }
    std::shared_ptr<CProvincialTaxManager> component;
};

struct MultiJurisdictionReturn {
    TaxReturn ret;
    TaxData_T3Ret* t3;
    TaxData_Sch11* sch11;
    TaxData_Sch5* sch5;

    MultiJurisdictionReturn()
    {
        t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
        t3->fld_i903_904 = 0;
        t3->fld_trust_icountry = COUNTRY_CANADA;
        t3->fld_trust_iprov = PROV_ON;  // Schedule 11 then taxes the base of line 22 it is given
        t3->fld_other_inv = 100000.0;
        t3->fld_prov_tax = 77.0;
        sch11 = static_cast<TaxData_Sch11*>(ret.add(std::make_unique<TaxData_Sch11>()));
        sch5 = static_cast<TaxData_Sch5*>(ret.add(std::make_unique<TaxData_Sch5>()));
        sch5->fld_iRegulationType = 1;
        sch5->m_ON.colB = 75000.0;
        sch5->m_OutCAN.colB = 25000.0;
        sch5->fld_ON_270 = 1000.0;
    }
};

TEST(ProvincialComponents, NoneRegisteredLine255ReachesLine82)
{
    ASSERT_TRUE(provincialComponents().empty());
    MultiJurisdictionReturn r;
    calculateReturn(r.ret);
    EXPECT_EQ(r.sch5->fld_taxinc.value(), r.t3->fld_taxinc.value());
    EXPECT_EQ(r.sch5->m_jurisdiction, PROV_MULTIPLE);
    EXPECT_EQ(r.sch5->fld_255.value(), 1000.0);
    EXPECT_EQ(r.t3->fld_prov_tax.value(), 1000.0);
    EXPECT_NEAR(r.sch11->fld_Line20Part.value(), r.sch11->fld_BasicTax * 0.25, 1e-6);
    EXPECT_TRUE(messagesBeforeNetfile(r.ret).empty());
}

TEST(ProvincialComponents, UnclaimedScheduleLeavesLine82ToTheUser)
{
    MultiJurisdictionReturn r;
    r.sch5->m_OutCAN.colB = 0.0;  // Ontario alone, nothing that claims the schedule
    calculateReturn(r.ret);
    EXPECT_FALSE(r.sch5->m_claimT2Line205);
    EXPECT_EQ(r.t3->fld_prov_tax.value(), 77.0);
    EXPECT_EQ(r.sch11->fld_Line20Part.value(), 0.0);
}

TEST(ProvincialComponents, ComponentIsCalledAtBothPoints)
{
    auto component = std::make_shared<TestComponent>();
    const Registration registration(component);
    MultiJurisdictionReturn r;
    calculateReturn(r.ret);
    EXPECT_EQ(component->calculations, 0);  // not needed yet

    component->setDataForJurisdiction(true, 0.0f);
    calculateReturn(r.ret);
    EXPECT_EQ(component->calculations, 2);  // once per pass
    EXPECT_TRUE(component->sawReturn);
    EXPECT_EQ(r.sch5->fld_ON_J6.value(), 40.0);
    EXPECT_EQ(r.t3->fld_prov_tax.value(), 960.0);

    r.sch5->fld_iRegulationType = 3;  // banks: not filed yet
    calculateReturn(r.ret);
    const std::vector<ValidationMessage> blockers = messagesBeforeNetfile(r.ret);
    ASSERT_EQ(blockers.size(), 2u);
    EXPECT_EQ(blockers[0].form, QStringLiteral("Sch5"));
    EXPECT_EQ(blockers[0].index, 2);
    EXPECT_EQ(blockers[1].text, QStringLiteral("Ontario certificate missing."));
    const std::vector<ValidationMessage> all = validateReturn(r.ret);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().form, QStringLiteral("Provincial"));
}

}  // namespace
