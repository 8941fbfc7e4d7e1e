// The T3 return's parts of the JSON filing document. Their keys and values
// for whole returns are scenarios (tests/scenarios/json-*); here what only a
// second call shows.
#include "framework/jsonhelpers.h"
#include "returns/t3ret.h"

#include <gtest/gtest.h>

namespace {

TEST(T3RetJson, WritingTwiceKeepsKeysInPlace)
{
    TaxData_T3Ret r;
    r.fld_ws_bSection216 = 2;
    r.fld_trust_num = "T12345678";
    r.fld_bTrusteeIsPerson = 1;
    r.fld_trustee_orgname = "Northern Trust Co.";
    r.fld_ws_othertype = true;
    r.fld_trust_code = "338";
    r.m_siftMutualFundTrust = true;
    r.fld_RefCode = 1;
    r.fld_q_bnf_die = 0;
    r.fld_bnf_death_date = QDate(2024, 6, 30);
    json doc = json::object();
    r.writeJsonHeader(doc);
    r.writeJsonMainPart1(doc);
    const std::string first = doc.dump();
    EXPECT_EQ(r.writeJsonHeader(doc), 0);
    EXPECT_EQ(r.writeJsonMainPart1(doc), 0);
    EXPECT_EQ(doc.dump(), first);
}

}  // namespace
