// Form T2043: Chart A's floor, Chart B's shares without division by zero, the
// credit at its rate, Part 5, and the messages in their order.
#include "schedules/t2043.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(T2043, ChartAFloorsEligibleExpensesAndClearsPartFour)
{
    for (double line1 : {9000.0, 10000.0, 10000.01}) {
        TaxData_T2043 f;
        f.fld_ChartA_line1 = line1;
        f.fld_ChartA_line2 = 6000.0;
        f.fld_ChartA_line3 = 3000.0;
        f.fld_ChartA_line4 = 1000.0;
        f.fld_b67062 = true;
        f.fld_part4_4E = 50.0;
        f.Calculate01();
        const double expected = line1 > 10000.0 ? line1 - 10000.0 : 0.0;
        EXPECT_EQ(f.fld_ChartA_line5.value(), 10000.0);
        EXPECT_NEAR(f.fld_ChartA_line6.value(), expected, kTol) << line1;
        EXPECT_NEAR(f.fld_67061.value(), expected, kTol) << line1;
        EXPECT_FALSE(f.fld_b67062);
        EXPECT_EQ(f.fld_part4_4E.value(), 0.0);
        EXPECT_EQ(f.fld_part5_5B.value(), 0.0);
    }
}

// Chart B of Ontario: revenue shares and wage shares, halved only when both
// totals are entered.
struct ChartBCase {
    double line1, line2, line4, line5;
    double line3, line6, line8;
};

TEST(T2043, ChartBSharesWithoutDivisionByZero)
{
    const ChartBCase cases[] = {
        {500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
        {500.0, 1000.0, 0.0, 0.0, 50.0, 0.0, 50.0},
        {500.0, 1000.0, 300.0, 1200.0, 50.0, 25.0, 37.5},
        {500.0, 1000.0, 300.0, 0.008, 50.0, 3750000.0, 3750050.0},  // line 5 below 0.009: not halved
    };
    for (const ChartBCase& c : cases) {
        TaxData_T2043 f;
        f.fld_ChartA_line1 = 40000.0;
        f.fld_chartB_ON_1 = c.line1;
        f.fld_chartB_ON_2 = c.line2;
        f.fld_chartB_ON_4 = c.line4;
        f.fld_chartB_ON_5 = c.line5;
        f.Calculate01();
        SCOPED_TRACE(testing::Message() << c.line2 << " / " << c.line5);
        EXPECT_NEAR(f.fld_chartB_ON_3.value(), c.line3, kTol);
        EXPECT_NEAR(f.fld_chartB_ON_6.value(), c.line6, kTol);
        EXPECT_NEAR(f.fld_chartB_ON_7.value(), c.line3 + c.line6, kTol);
        EXPECT_NEAR(f.fld_chartB_ON_8.value(), c.line8, 1e-6);
        EXPECT_NEAR(f.fld_chartB_ON_9.value(), c.line8 * 400.0, 1e-4);
        EXPECT_EQ(f.fld_67067.value(), c.line1);
        EXPECT_EQ(f.fld_67071.value(), c.line4);
        EXPECT_EQ(f.fld_67075.value(), c.line2);
        EXPECT_EQ(f.fld_67076.value(), c.line5);
    }
}

TEST(T2043, CreditsAtOneRateAndPartFive)
{
    TaxData_T2043 f;
    f.fld_67063 = 100000.0;
    f.fld_67064 = 20000.0;
    f.fld_67065 = 3000.0;
    f.fld_67066 = 400.0;
    f.fld_67079 = 1.0;
    f.fld_67082 = 2.5;
    f.Calculate01();
    EXPECT_NEAR(f.fld_67063Credit.value(), 229.0, kTol);
    EXPECT_NEAR(f.fld_67066Credit.value(), 0.916, kTol);
    EXPECT_NEAR(f.fld_TotalFarmCredit.value(), 282.586, kTol);
    EXPECT_NEAR(f.fld_part5_5A.value(), 282.586, kTol);
    EXPECT_NEAR(f.fld_part5_5C.value(), 3.5, kTol);
    EXPECT_NEAR(f.fld_part5_5D.value(), 286.086, kTol);
}

std::vector<std::string> messagesOf(TaxData_T2043& f)
{
    std::list<CString> messages;
    const int count = f.Validate(0, messages);
    EXPECT_EQ(count, int(messages.size()));
    std::vector<std::string> texts;
    for (const CString& m : messages)
        texts.push_back(m.toStdString());
    return texts;
}

TEST(T2043, MessagesInTheirOrder)
{
    TaxData_T2043 f;
    f.fld_67061 = 24999.99;
    f.fld_part5_5A = 0.01;
    f.fld_67063 = 25000.0;  // 0.01 above line 67061
    f.fld_67075 = 100.0;
    f.fld_67067 = 100.008;  // not above by 0.009
    f.fld_67071 = 0.009;    // above an empty 67076
    EXPECT_EQ(messagesOf(f), (std::vector<std::string>{
                                 "If Field 67061 is less than $25000.0, credit amount on line 5A and 5B cannot be claimed.",
                                 "Field 67061 cannot be less than the sum of Field 67063, 67064, 67065 and 67066.",
                                 "Field 67076 cannot be less than the sum of Field 67071, 67072, 67073 and 67074.",
                             }));

    f.fld_67061 = 24999.992;  // short of 25,000 by less than 0.009
    f.fld_67063 = 0.0;
    f.fld_67071 = 0.0;
    EXPECT_TRUE(messagesOf(f).empty());
    f.fld_67061 = 0.0;
    f.fld_part5_5A = 0.0;
    f.fld_part5_5B = 0.008;  // neither line claimed
    EXPECT_TRUE(messagesOf(f).empty());
}

}  // namespace
