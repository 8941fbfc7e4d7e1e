// Schedule 23: percentages brought into 0 to 100, the business number
// look-ups, the messages in their order and the line stream.
#include "schedules/sch23.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

TEST(Sch23, PercentageIsKeptWithin0To100)
{
    TaxData_Sch23 s;
    const double percents[] = {120.0, -5.0, 37.5};
    for (int i = 0; i < 3; ++i) {
        s.m_rows[i].LimitB4 = 500000.0;
        s.m_rows[i].Percent = percents[i];
    }
    s.m_rows[39].LimitB4 = 1000.0;
    s.m_rows[39].Percent = 0.01;
    s.Calculate();
    EXPECT_EQ(s.m_rows[0].Percent.value(), 100.0);
    EXPECT_EQ(s.m_rows[0].LimitAfter.value(), 500000.0);
    EXPECT_EQ(s.m_rows[1].Percent.value(), 0.0);
    EXPECT_EQ(s.m_rows[1].LimitAfter.value(), 0.0);
    EXPECT_EQ(s.m_rows[2].LimitAfter.value(), 187500.0);
    EXPECT_NEAR(s.m_rows[39].LimitAfter.value(), 0.1, 1e-12);
    EXPECT_NEAR(s.fld_LimitAfter_total.value(), 687500.1, 1e-9);
}

TEST(Sch23, BusinessNumberLookUpsIgnoreCase)
{
    TaxData_Sch23 s;
    s.m_rows[4].BusiNumber = "123456782RC0001";
    s.m_rows[4].LimitAfter = 250000.0;
    s.m_rows[9].BusiNumber = "123456782RC0001";
    s.m_rows[9].LimitAfter = 1.0;
    EXPECT_EQ(s.GetBusinessLimit("123456782rc0001"), 250000.0);
    EXPECT_TRUE(s.hasEntryForBN("123456782rc0001"));
    EXPECT_EQ(s.GetBusinessLimit("987654321RC0001"), 0.0);
    EXPECT_FALSE(s.hasEntryForBN("987654321RC0001"));
}

std::vector<std::string> messagesOf(TaxData_Sch23& s)
{
    std::list<CString> messages;
    const int count = s.Validate(0, messages);
    EXPECT_EQ(count, int(messages.size()));
    std::vector<std::string> texts;
    for (const CString& m : messages)
        texts.push_back(m.toStdString());
    return texts;
}

TEST(Sch23, MessagesInTheirOrder)
{
    TaxData_Sch23 empty;
    EXPECT_EQ(messagesOf(empty),
              (std::vector<std::string>{
                  "Enter the calendar year of agreement.",
                  "Please choose option to indicate whether the agreement is a replacement or not at field 075.",
                  "There is no valid row in Schedule 23.",
              }));

    TaxData_Sch23 s;
    s.fld_CalYear = "2024";
    s.fld_075 = 1;
    s.m_rows[0].BusiName2 = "Lavoie Holdings Inc.";
    s.m_rows[0].BusiNumber = "123456782RC0001";
    s.m_rows[0].AsscCode = 1;
    s.m_rows[2].BusiNumber = "123456782rc0001";
    s.m_rows[2].BusiName2 = "Lavoie <Farms>";
    s.m_rows[5].BusiNumber = "123456789RC0001";
    s.m_rows[5].BusiName2 = "Third Ltd";
    s.m_rows[5].AsscCode = 4;
    EXPECT_EQ(messagesOf(s), (std::vector<std::string>{
                                 "Make sure all columns at row 3 of associated corporation should be completed.",
                                 "Corporation name contains invalid character(s).",
                                 "Business number in line 6 is invalid.",
                                 "Duplicate business numbers (BN) were entered in field 200.",
                             }));
}

TEST(Sch23, LineStreamCarriesTheYearAndTheAnswer)
{
    TaxData_Sch23 s;
    s.fld_CalYear = "2024";
    s.fld_075 = 0;
    char buffer[64] = {};
    FILE* out = fmemopen(buffer, sizeof buffer, "w");
    NetfileTypedMap typed;
    int reserved = 7;
    s.WriteNetfile(0, typed, out, reserved);
    std::fclose(out);
    EXPECT_EQ(reserved, 7) << "the host's argument is left alone";
    EXPECT_NE(std::string(buffer).find("0751\n"), std::string::npos) << buffer;
    EXPECT_EQ(typed.count("50-1"), 1u);
    ASSERT_EQ(typed.count("75-1"), 1u);

    TaxData_Sch23 unanswered;
    NetfileTypedMap none;
    unanswered.WriteNetfile(0, none, nullptr, reserved);
    EXPECT_TRUE(none.empty());
}

}  // namespace
