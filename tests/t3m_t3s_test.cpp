// Forms T3M and T3S: their lines on the cent, their result texts and
// balances, their fill of the T183 authorization, and the engine's pass when
// one of them is the return.
#include "host/calc_engine.h"
#include "returns/t183trust.h"
#include "returns/t3m.h"
#include "returns/t3s.h"
#include "taxcalc/t2000.h"

#include <gtest/gtest.h>

TEST(T3M, TaxByProvinceOfTheTrust)
{
    struct Case {
        int prov;
        double line295, payments;
        double fed, prov176, total, balance;
    } cases[] = {
        {2, 100.00, 0.00, 15.00, 12.00, 27.00, 27.00},
        {5, 100.00, 0.00, 15.00, 0.00, 15.00, 15.00},
        {1, 1000.01, 0.00, 150.0015, 80.0008, 230.0023, 230.0023},
        {9, 200.00, 300.00, 30.00, 23.00, 53.00, -247.00},
        {12, 50.00, 0.00, 7.50, 6.00, 13.50, 13.50},
        {13, 100.00, 0.00, 15.00, 0.00, 15.00, 15.00},
        {14, 100.00, 0.00, 15.00, 0.00, 15.00, 15.00},
        {-1, 100.00, 0.00, 15.00, 0.00, 15.00, 15.00},
    };
    for (const Case& c : cases) {
        TaxData_T3M t3m;
        t3m.fld_trust_iprov = c.prov;
        t3m.fld_295 = c.line295;
        t3m.fld_010 = c.payments;
        t3m.Calculate(nullptr);
        SCOPED_TRACE(c.prov);
        EXPECT_DOUBLE_EQ(t3m.fld_175.value(), c.fed);
        EXPECT_DOUBLE_EQ(t3m.fld_176.value(), c.prov176);
        EXPECT_DOUBLE_EQ(t3m.fld_190.value(), c.total);
        EXPECT_DOUBLE_EQ(t3m.getBalOrDue(), c.balance);
        EXPECT_EQ(t3m.getProvince(), c.prov);
        EXPECT_EQ(t3m.fld_tax_year.value(), QStringLiteral("2024"));
    }
}

TEST(T3M, ResultTextAndNameFallback)
{
    TaxData_T3M t3m;
    t3m.fld_trust_iprov = 2;
    t3m.fld_295 = 100.0;
    t3m.fld_010 = 30.01;
    t3m.Calculate(nullptr);
    CString text;
    EXPECT_TRUE(t3m.getTaxReturnResult(text));
    EXPECT_EQ(text, QStringLiteral("F295=100.00, F176=12.00, F190=27.00, due/refund=-3.01"));
    t3m.getName(text);
    EXPECT_EQ(text, QStringLiteral("_unamed"));
}

TEST(T3S, LinesFromLine241AndTheT2000GetsThePlan)
{
    TaxData_T3S t3s;
    TaxData_T2000 t2000;
    t3s.fld_plan_name = "Plan A";
    t3s.fld_trust_num = "T12345678";
    t3s.fld_241 = 1234.56;
    t3s.fld_010 = 1300.00;
    t3s.Calculate(&t2000);
    EXPECT_EQ(t2000.fld_trust_name.value(), QStringLiteral("Plan A"));
    EXPECT_EQ(t2000.fld_trust_num.value(), QStringLiteral("T12345678"));
    EXPECT_DOUBLE_EQ(t3s.fld_190.value(), 1234.56);
    EXPECT_DOUBLE_EQ(t3s.getBalOrDue(), 1234.56 - 1300.00);
    CString text;
    t3s.getTaxReturnResult(text);
    EXPECT_EQ(text, QStringLiteral("F241=1234.56, F010=1300.00, F190=1234.56, due/refund=-65.44"));
    t3s.Calculate(nullptr);  // without a T2000 the lines still follow
    EXPECT_DOUBLE_EQ(t3s.fld_190.value(), 1234.56);
}

// The trustee of the authorization: the individual for answer 0, the
// non-individual's contact for any other answer (unanswered included).
TEST(T3M, AuthorizationTakesTheTrusteeOfTheAnswer)
{
    struct Case {
        int answer;
        const char* name;
        const char* city;
    } cases[] = {{0, "Ann Lee", "Halifax"}, {1, "Bo Chan", "Regina"}, {-1, "Bo Chan", "Regina"}};
    for (const Case& c : cases) {
        TaxData_T3M t3m;
        TaxData_T183Trust t183;
        t3m.m_trustee.bTrusteeIsPerson = c.answer;
        t3m.m_trustee.indv_fname = "Ann";
        t3m.m_trustee.indv_lname = "Lee";
        t3m.m_trustee.indv_city = "Halifax";
        t3m.m_trustee.trustee_orgname = "Trust Co";
        t3m.m_trustee.trustee_fname = "Bo";
        t3m.m_trustee.trustee_lname = "Chan";
        t3m.m_trustee.trustee_city = "Regina";
        t3m.fld_trust_iprov = 9;
        t3m.fld_295 = 100.0;
        t3m.Calculate(nullptr);
        t3m.updateT183Trust(&t183);
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(t183.fld_trustee_name.value(), QString::fromUtf8(c.name));
        EXPECT_EQ(t183.fld_city.value(), QString::fromUtf8(c.city));
        EXPECT_EQ(t183.fld_t3_type.value(), 5);
        EXPECT_EQ(t183.fld_trust_prov.value(), 9);
        EXPECT_DOUBLE_EQ(t183.fld_t3_other_payable.value(), 26.5);
        EXPECT_DOUBLE_EQ(t183.fld_t3_other_bal.value(), 26.5);
    }
}

TEST(T3S, PassCopiesT2000Line2411AndFillsTheAuthorization)
{
    TaxReturn ret;
    auto* t3s = static_cast<TaxData_T3S*>(ret.add(std::make_unique<TaxData_T3S>()));
    auto* t2000 = static_cast<TaxData_T2000*>(ret.add(std::make_unique<TaxData_T2000>()));
    auto* t183 = static_cast<TaxData_T183Trust*>(ret.add(std::make_unique<TaxData_T183Trust>()));
    auto* second = static_cast<TaxData_T3M*>(ret.add(std::make_unique<TaxData_T3M>()));
    t3s->fld_plan_name = "Plan A";
    t3s->fld_trust_prov = 9;
    t3s->fld_010 = 10.0;
    second->fld_295 = 100.0;
    t183->fld_trust_prov = 4;
    calculatePass(ret);
    EXPECT_EQ(t3s->fld_241.value(), t2000->fld_2411.value());
    EXPECT_DOUBLE_EQ(t3s->fld_090.value(), t2000->fld_2411 - 10.0);
    EXPECT_EQ(t2000->fld_trust_name.value(), QStringLiteral("Plan A"));
    EXPECT_EQ(t183->fld_t3_type.value(), 9);
    EXPECT_EQ(t183->fld_trust_prov.value(), 0);
    EXPECT_DOUBLE_EQ(second->fld_190.value(), 15.0);  // calculated, but fills nothing
}
