// Form T2038(IND): the apprentice salary cap, Part C's lesser line, the
// claim under each limit and its override, the carryback cut to what is
// available, the refund and its override, and the carryback message.
#include "schedules/t2038new.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

TEST(T2038New, ApprenticeSalariesAreCappedPerApprentice)
{
    TaxData_T2038New f;
    f.m_apprentices[0].salary = 25000.0;
    f.m_apprentices[1].salary = 15000.0;
    f.m_apprentices[2].salary = 20000.01;
    f.m_apprentices[3].salary = 19999.99;
    f.CalculateToLineC();
    EXPECT_EQ(f.m_apprentices[0].salary.value(), 20000.0);
    EXPECT_EQ(f.m_apprentices[1].salary.value(), 15000.0);
    EXPECT_EQ(f.m_apprentices[2].salary.value(), 20000.0);
    EXPECT_EQ(f.m_apprentices[3].salary.value(), 19999.99);
    EXPECT_NEAR(f.fld_67180_a.value(), 7499.999, kTol);
    EXPECT_NEAR(f.fld_col_3.value(), 7499.999, kTol);
}

TEST(T2038New, PartsAAndCAndTheCreditAvailable)
{
    TaxData_T2038New f;
    f.fld_6712 = 1000.0;
    f.fld_6714 = 500.0;
    f.fld_6725 = 7.0;
    f.fld_6726 = 100.0;
    f.fld_6713 = 100.0;
    f.fld_PartCLine4 = 1.0;
    f.fld_PartCLine5 = 30.0;
    f.fld_PartCLine6 = 29.99;
    f.fld_col_1 = 40.0;
    f.fld_col_4 = 250.0;
    f.CalculateToLineC();
    EXPECT_NEAR(f.fld_col_2.value(), 150.0 + 50.0 + 7.0, kTol);
    EXPECT_NEAR(f.fld_PartCLine7.value(), 29.99, kTol);
    EXPECT_NEAR(f.fld_406.value(), 15.0 + 20.0 + 29.99 + 1.0, kTol);
    EXPECT_EQ(f.fld_PartDLineF.value(), 0.0);  // 247 - 250, floored
}

// Part D's claim: lines F, G and I, with and without the entered claim.
struct ClaimCase {
    double creditF, federalTax, political, amtAdjust, minimumTax;
    bool useMinimumTaxLimit, overwrite;
    double entered, claim;
};

TEST(T2038New, ClaimIsCappedAtTheChosenLimit)
{
    const ClaimCase cases[] = {
        {500.0, 300.0, 0.01, 0.0, 0.0, false, false, 0.0, 299.99},  // line G
        {500.0, 900.0, 0.0, 0.0, 0.0, false, false, 0.0, 500.0},    // line F
        {500.0, 300.0, 0.0, 100.0, 50.0, true, false, 0.0, 350.0},  // line I
        {500.0, 300.0, 0.0, 0.0, 300.01, true, false, 0.0, 0.0},    // line I floored
        {500.0, 300.0, 0.0, 0.0, 0.0, false, true, 300.01, 300.0},  // entered, capped
        {500.0, 300.0, 0.0, 0.0, 0.0, false, true, 120.0, 120.0},   // entered, kept
        {500.0, 300.0, 0.0, 0.0, 0.0, false, true, -5.0, 0.0},      // negative entered
    };
    for (const ClaimCase& c : cases) {
        TaxData_T2038New f;
        f.fld_col_1 = c.creditF;
        f.fld_F40600 = c.federalTax;
        f.fld_F41000 = c.political;
        f.fld_F405S1 = c.amtAdjust;
        f.fld_Line59FromT691 = c.minimumTax;
        f.fld_ITC_claim_overwrite = c.overwrite;
        f.fld_ITC_claim = c.entered;
        f.CalculateToLineC();
        f.CalculateToLineD();
        f.CalculateToEnd(c.useMinimumTaxLimit);
        SCOPED_TRACE(testing::Message() << c.federalTax << " " << c.entered);
        EXPECT_NEAR(f.fld_ITC_claim.value(), c.claim, kTol);
        EXPECT_NEAR(f.fld_BalForward.value(), c.creditF - c.claim, kTol);
    }
}

TEST(T2038New, CarrybackCutToWhatIsAvailableAndRefund)
{
    TaxData_T2038New f;
    f.fld_6712 = 10000.0;  // 1,500 of current-year credit
    f.fld_F40600 = 300.0;  // 300 claimed: 1,200 for carryback
    f.fld_6720 = 500.0;
    f.fld_6721 = 500.0;
    f.fld_6722 = 500.0;
    f.CalculateToLineC();
    f.CalculateToLineD();
    f.CalculateToEnd(false);
    EXPECT_EQ(f.fld_ITC_Avail_Carryback.value(), 1200.0);
    EXPECT_EQ(f.fld_6720.value(), 500.0);
    EXPECT_EQ(f.fld_6721.value(), 500.0);
    EXPECT_EQ(f.fld_6722.value(), 200.0);
    EXPECT_EQ(f.fld_6720_year.utf8(), "2021");
    EXPECT_EQ(f.fld_6722_year.utf8(), "2023");
    EXPECT_EQ(f.fld_totalcarryback.value(), 1200.0);
    // Refund base: 1,500 - (300 + 1,200) = 0
    EXPECT_EQ(f.fld_ITC_refund.value(), 0.0);
    EXPECT_EQ(f.fld_BalForward.value(), 0.0);

    f.fld_6720 = 100.0;
    f.fld_6721 = 0.0;
    f.fld_6722 = 0.0;
    f.fld_overwrite_refund = true;
    f.fld_ITCRefundUsingAmount = 1100.01;
    f.CalculateToEnd(false);
    EXPECT_EQ(f.fld_ITC_Avail_Refund.value(), 1100.0);
    EXPECT_EQ(f.fld_ITCRefundUsingAmount.value(), 1100.0);
    EXPECT_NEAR(f.fld_ITC_refund.value(), 440.0, kTol);
    EXPECT_NEAR(f.fld_BalForward.value(), 1500.0 - 300.0 - 100.0 - 440.0, kTol);
}

TEST(T2038New, CarrybackAboveTheAvailableAmountIsReported)
{
    for (double excess : {0.008, 0.01}) {
        TaxData_T2038New f;
        f.fld_ITC_Avail_Carryback = 100.0;
        f.fld_6720 = 50.0;
        f.fld_6722 = 50.0 + excess;
        std::list<CString> messages;
        const int count = f.Validate(0, messages);
        EXPECT_EQ(count, excess >= 0.009 ? 1 : 0) << excess;
        if (count) {
            EXPECT_EQ(messages.front().toStdString(), "carry back amount exceeds the maximum allowed.");
        }
    }
}

}  // namespace
