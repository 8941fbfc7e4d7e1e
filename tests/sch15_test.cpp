// Schedule 15: Part A's answers settle whether Part B is asked, the entity
// takes the trust's answers, and the messages in their order.
#include "schedules/sch15.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> messagesOf(TaxData_Sch15& s)
{
    std::list<CString> messages;
    const int count = s.Validate(0, messages);
    std::vector<std::string> out;
    for (const CString& m : messages)
        out.push_back(m.toStdString());
    EXPECT_EQ(count, int(out.size()));
    return out;
}

TEST(Sch15, TwoNoAnswersEndTheTrustSchedulesChecks)
{
    TaxData_Sch15 trust(TaxData_Sch15::kTrustSchedule);
    trust.fld_bFirstYear = 1;
    trust.fld_partATrustChanged = 1;
    EXPECT_FALSE(trust.isPartBNeeded());
    EXPECT_TRUE(messagesOf(trust).empty());

    TaxData_Sch15 entity(TaxData_Sch15::kReportableEntity);
    entity.syncFromMainSch15(&trust);
    EXPECT_EQ(int(entity.fld_partATrustChanged), 1);
    EXPECT_TRUE(entity.isPartBNeeded());
    EXPECT_EQ(messagesOf(entity), (std::vector<std::string>{
                                      "Please answer whether add or modify the reportable entity",
                                      "Please answer the type of reportable entity.",
                                      "Please answer the classification of reportable entity.",
                                  }));
}

struct NumberCase {
    int type;
    const char* number;
    const char* message;  // nullptr: none
};

TEST(Sch15, IdentificationNumberChecks)
{
    const NumberCase cases[] = {
        {-1, "123456782", "Please answer the type of entity ID."},
        {0, "123456782", nullptr},
        {0, "123456783", "The S.I.N. (123456783, 9 digits only) provided is invalid."},
        {3, "123456783", nullptr},
        {-1, "   ", nullptr},
    };
    for (const NumberCase& c : cases) {
        TaxData_Sch15 s(TaxData_Sch15::kReportableEntity);
        s.fld_bFirstYear = 0;
        s.fld_partATrustChanged = 0;
        s.fld_partBAddOrMod = 1;
        s.fld_partBEntityType = 0;
        s.fld_partBEntityClass = 0;
        s.fld_taxNumberTypes = c.type;
        s.fld_taxNumber = c.number;
        const auto messages = messagesOf(s);
        SCOPED_TRACE(c.number);
        if (c.message)
            EXPECT_EQ(messages, std::vector<std::string>{c.message});
        else
            EXPECT_TRUE(messages.empty());
    }
}

TEST(Sch15, FirstReportAndAddedEntityAnswerTheFollowingQuestions)
{
    TaxData_Sch15 s(TaxData_Sch15::kTrustSchedule);
    s.fld_bFirstYear = 0;
    s.fld_partATrustChanged = 0;
    s.fld_partBAddOrMod = 0;
    s.fld_associationEnd = 0;
    s.Calculate01();
    EXPECT_EQ(int(s.fld_partATrustChanged), 1);
    EXPECT_EQ(int(s.fld_associationEnd), 1);
}

}  // namespace
