// Schedule 9's Netfile records: the three yes/no questions and the amounts of
// the questions, Part A and Part B in whole dollars; line 947, the totals and
// Part C have none.
#include "framework/netfile.h"
#include "schedules/sch9.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Records = std::map<std::string, std::string>;

Records write(TaxData_Sch9& s)
{
    NetfileGenObjParamStruct ctx;
    EXPECT_EQ(s.WriteNetfile(0, &ctx), 0);
    Records out;
    for (const auto& [code, value] : ctx.records)
        out[code] = value.toStdString();
    return out;
}

CFloatField& amount(TaxData_Sch9& s, const std::string& name)
{
    auto* f = dynamic_cast<CFloatField*>(s.findField(name));
    EXPECT_NE(f, nullptr) << name;
    static CFloatField missing;
    return f ? *f : missing;
}

const int kAmountCodes[] = {
    9001, 9002, 9003, 9004, 9211, 9212, 9213, 9221, 9222, 9231, 9232, 9233, 9241, 9242, 9243,
    9251, 9252, 9253, 9261, 9262, 9263, 9491, 9492, 9493, 9301, 9302, 9303, 9311, 9321, 9323,
    9331, 9332, 9333, 9341, 9342, 9343, 9351, 9352, 9361, 9362, 9381, 9391, 9393, 9401, 9402,
    9403, 9411, 9412, 9413, 9551, 9552, 9553, 9451, 9452, 9461, 9462, 9481, 9482, 9501, 9503,
    9511, 9513};

TEST(Sch9Netfile, EveryListedAmountInWholeDollarsAndNothingElse)
{
    TaxData_Sch9 s;
    Records expected;
    for (int code : kAmountCodes) {
        amount(s, "fld_" + std::to_string(code)).store(code + 0.5);  // rounds up
        expected[std::to_string(code)] = std::to_string(code + 1);
    }
    for (const char* unwritten : {"fld_9561", "fld_9562", "fld_19211", "fld_29371", "fld_49303",
                                  "fld_total_A_resident", "fld_total_A_nonresident", "fld_total_A_elect"})
        amount(s, unwritten).store(1000.0);
    EXPECT_EQ(write(s), expected);
}

TEST(Sch9Netfile, QuestionsWriteOnlyWhenAnsweredYesOrNo)
{
    TaxData_Sch9 s;
    EXPECT_TRUE(write(s).empty());  // all three unanswered
    s.fld_9005 = 0;
    s.fld_9006 = 1;
    s.fld_9007 = 2;  // "3 n/a" is not a yes/no answer
    EXPECT_EQ(write(s), (Records{{"9005", "1"}, {"9006", "2"}}));
    s.fld_9007 = 0;
    s.fld_9005 = -1;
    EXPECT_EQ(write(s), (Records{{"9006", "2"}, {"9007", "1"}}));
}

TEST(Sch9Netfile, NegativeAndSmallAmounts)
{
    TaxData_Sch9 s;
    s.fld_9001.store(3.0);
    s.fld_9211.store(-250.5);
    s.fld_9212.store(0.49);
    s.fld_9213.store(0.009);
    s.fld_9511.store(-0.6);
    EXPECT_EQ(write(s), (Records{{"9001", "3"}, {"9211", "-251"}, {"9511", "-1"}}));
}

}  // namespace
