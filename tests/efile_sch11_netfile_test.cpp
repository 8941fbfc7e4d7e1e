// Schedule 11's Netfile records: fifteen codes, cents except line 25.
#include "efile/netfile_records.h"
#include "taxcalc/sch11.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::pair<std::string, std::string>> recordsOf(TaxData_Sch11& form)
{
    NetfileGenObjParamStruct ctx;
    EXPECT_EQ(form.WriteNetfile(0, &ctx), 0);
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [code, value] : ctx.records)
        out.emplace_back(code, value.toStdString());
    return out;
}

TEST(Sch11Netfile, EveryLineInItsFormatAndNothingElse)
{
    TaxData_Sch11 s;
    s.fld_11080.store(12345.675);   // prints 12345.68 thanks to the nudge
    s.fld_11100.store(0.009);       // not present
    s.fld_11101.store(-3.333);
    s.fld_11102.store(1.0);
    s.fld_11108.store(545.455);
    s.fld_11109.store(69.2308);
    s.fld_11110.store(614.69);      // no record of its own
    s.fld_11130.store(10.1);
    s.fld_11160.store(0.01);
    s.fld_11180.store(20.0);
    s.fld_11190.store(187.5);
    s.fld_11191.store(250.5);       // whole dollars
    s.fld_11200.store(3.0);
    s.fld_11210.store(4.004);
    s.fld_11213.store(5.5);
    s.fld_11214.store(6.0);
    s.fld_FedTaxPayable.store(999.0);  // no record
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"11080", "12345.68"}, {"11101", "-3.33"}, {"11102", "1.00"}, {"11108", "545.46"},
        {"11109", "69.23"}, {"11130", "10.10"}, {"11160", "0.01"}, {"11180", "20.00"},
        {"11190", "187.50"}, {"11191", "251"}, {"11200", "3.00"}, {"11210", "4.00"},
        {"11213", "5.50"}, {"11214", "6.00"},
    };
    EXPECT_EQ(recordsOf(s), expected);
}

TEST(Sch11Netfile, AnEmptyScheduleWritesNothingAndANullContextIsIgnored)
{
    TaxData_Sch11 s;
    EXPECT_TRUE(recordsOf(s).empty());
    EXPECT_EQ(s.WriteNetfile(0, nullptr), 0);
}

TEST(Sch11Netfile, PoliticalContributionsUnderHalfADollarAreLeftOut)
{
    TaxData_Sch11 s;
    s.fld_11191.store(0.49);
    s.fld_11190.store(0.49);
    const std::vector<std::pair<std::string, std::string>> expected = {{"11190", "0.49"}};
    EXPECT_EQ(recordsOf(s), expected);
}

}  // namespace
