// Form T3ATH-IND: line 4 and the balance on the cent, line 241 from Form
// T2000, its result text and name, and its messages in order.
#include "returns/t183trust.h"
#include "returns/t3ath.h"
#include "taxcalc/t2000.h"

#include <gtest/gtest.h>

TEST(T3ATH, LinesAndResult)
{
    TaxData_T3ATH_Ind ath;
    TaxData_T2000 t2000;
    t2000.fld_BalOrRef = 40.0;
    ath.fld_line1 = 100.00;
    ath.fld_line2 = 200.00;
    ath.fld_010 = 250.01;
    ath.Calculate(&t2000);
    EXPECT_DOUBLE_EQ(ath.fld_line4.value(), 200.00);
    EXPECT_DOUBLE_EQ(ath.fld_241.value(), 40.00);
    EXPECT_DOUBLE_EQ(ath.fld_190.value(), 240.00);
    EXPECT_NEAR(ath.getBalOrDue(), -10.01, 1e-9);
    CString text;
    ath.getTaxReturnResult(text);
    EXPECT_EQ(text, QStringLiteral("140=40.00, F170=200.00, F190=240.00, due/refund=-10.01"));
    ath.getName(text);
    EXPECT_EQ(text, QStringLiteral(" "));  // never "_unamed"
    ath.fld_241 = 5.0;
    ath.Calculate(nullptr);  // without a T2000 line 241 stays
    EXPECT_DOUBLE_EQ(ath.fld_190.value(), 205.00);
}

TEST(T3ATH, MessagesInOrder)
{
    struct Case {
        int trustee;
        std::vector<std::string> expected;
    } cases[] = {
        {-1,
         {"Please answer whether it is amended return.", "Please answer whether it is first year filing.",
          "Please answer the radio button of whether it is non-individual trustee", "Please answer refund option."}},
        {2,
         {"Please answer whether it is amended return.", "Please answer whether it is first year filing.",
          "Please answer the radio button of whether it is non-individual trustee", "Please answer refund option."}},
    };
    for (const Case& c : cases) {
        TaxData_T3ATH_Ind ath;
        ath.fld_iNonIndividual = c.trustee;
        std::list<CString> messages;
        EXPECT_EQ(ath.Validate(0, messages), int(c.expected.size()));
        std::vector<std::string> got;
        for (const CString& m : messages)
            got.push_back(m.toStdString());
        EXPECT_EQ(got, c.expected);
    }
}

TEST(T3ATH, AddressCheckOfTheChosenTrusteeOnly)
{
    for (int trustee : {0, 1}) {
        TaxData_T3ATH_Ind ath;
        ath.fld_amended = 1;
        ath.fld_first_year = 1;
        ath.fld_RefCode = 0;
        ath.fld_iNonIndividual = trustee;
        std::list<CString> messages;
        ath.Validate(0, messages);
        ASSERT_FALSE(messages.empty());
        const std::string label = trustee ? "[non-individual trustee address]" : "[individual trustee address]";
        for (const CString& m : messages)
            EXPECT_NE(m.toStdString().find(label), std::string::npos) << m.toStdString();
    }
}

TEST(T3ATH, AuthorizationTakesTheAthlete)
{
    TaxData_T3ATH_Ind ath;
    TaxData_T183Trust t183;
    ath.fld_fname = "Jo";
    ath.fld_lname = "Ray";
    ath.fld_trust_num = "T11111111";
    ath.fld_athlete_prov = 2;
    ath.fld_iNonIndividual = 1;
    ath.fld_trustee_fname = "Bo";
    ath.fld_trustee_lname = "Chan";
    ath.fld_line1 = 3.0;
    ath.Calculate(nullptr);
    ath.updateT183Trust(&t183);
    EXPECT_EQ(t183.fld_athlete_name.value(), QStringLiteral("Jo Ray"));
    EXPECT_EQ(t183.fld_TN.value(), QStringLiteral("T11111111"));
    EXPECT_EQ(t183.fld_trustee_name.value(), QStringLiteral("Bo Chan"));
    EXPECT_EQ(t183.fld_trust_prov.value(), 2);
    EXPECT_EQ(t183.fld_t3_type.value(), 2);
    EXPECT_DOUBLE_EQ(t183.fld_t3_other_payable.value(), 2.0);
}
