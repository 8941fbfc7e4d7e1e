// Filing output of a whole return: record sets in file order and the JSON
// filing document's top level.
#include "host/calc_engine.h"
#include "host/filing_output.h"
#include "returns/t183trust.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"
#include "taxcalc/sch11.h"

#include <gtest/gtest.h>

namespace {

// A form that writes records but asks not to be written.
class SkippedForm : public CTaxDataBase01 {
public:
    SkippedForm() : CTaxDataBase01(97) {}
    bool shouldSkipWriteNetfile() override { return true; }
    int WriteNetfile(unsigned char, NetfileGenObjParamStruct* ctx) override
    {
        ctx->records["01"] = CString("999");
        return 0;
    }
};

struct SampleReturn {
    TaxData_T3Ret ret;
    TaxData_Sch9 sch9;
    SkippedForm skipped;
    TaxData_Sch11 sch11;
    TaxData_T183Trust t183;

    SampleReturn()
    {
        ret.fld_taxable_capgain.store(12345.4);
        ret.fld_agri2_101.store(10.0);
        ret.fld_RefDue.store(-50.255);
        sch9.fld_9005 = 0;
        sch9.fld_9211.store(100.5);
        sch11.fld_11080.store(7.0);
    }
    std::vector<CTaxData_Form*> forms() { return {&ret, &sch9, &skipped, &sch11, &t183}; }
};

TEST(FilingOutput, RecordSetsInFileOrderWithoutSkippedOrSilentForms)
{
    SampleReturn r;
    const std::vector<FormNetfileRecords> sets = collectNetfileRecords(r.forms());
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0].form, "T3Ret");
    EXPECT_EQ(sets[0].index, 0);
    EXPECT_EQ(sets[1].form, "Sch9");
    EXPECT_EQ(sets[1].index, 1);
    EXPECT_EQ(sets[2].form, "Sch11");
    EXPECT_EQ(sets[2].index, 3);
    EXPECT_EQ(netfileRecordsText(sets),
              "T3Ret 01 12345\n"
              "T3Ret 94 -50.26\n"
              "T3Ret 101 10\n"
              "Sch9 9005 1\n"
              "Sch9 9211 101\n"
              "Sch11 11080 7.00\n");
}

TEST(FilingOutput, DocumentTopLevel)
{
    SampleReturn r;
    r.t183.fld_controlnum = "ABC123";
    json doc;
    QString error;
    ASSERT_TRUE(buildFilingDocument(r.forms(), doc, error));
    json body = json::object();
    r.ret.writeJsonHeader(body);
    r.ret.writeJsonMainPart1(body);
    EXPECT_EQ(doc.begin().key(), "return");
    EXPECT_EQ(doc["return"], body);
    json rest = doc;
    rest.erase("return");
    rest["slipFiling"]["issuer"] = rest["slipFiling"]["issuer"]["name"];
    EXPECT_EQ(rest.dump(), R"({"taxPreparer":{"taxPreparerReturnControlNumber":"24ABC123",)"
                           R"("taxPreparerAuthorizationIndicator":false,)"
                           R"("t183ElectronicSignature":{"t183ElectronicSignatureIndicator":false}},)"
                           R"("statements":[],"slipFiling":{"issuer":"_unamed","slips":[],"transmitter":{}}})");
}

TEST(FilingOutput, DocumentWithoutAuthorizationOrWithoutReturn)
{
    SampleReturn r;
    json doc;
    QString error;
    ASSERT_TRUE(buildFilingDocument({&r.sch9, &r.ret}, doc, error));
    EXPECT_FALSE(doc.contains("taxPreparer"));
    EXPECT_TRUE(doc.contains("return"));

    EXPECT_FALSE(buildFilingDocument({&r.sch9, &r.t183}, doc, error));
    EXPECT_EQ(error, "the return has no trust return form to file");
}

// A flat-rate trust in Ontario: its records after a calculation carry the
// engine's results (Schedule 9's allocation on line 471, Schedule 11's tax on line 81).
TEST(FilingOutput, RecordsOfACalculatedReturn)
{
    TaxReturn ret;
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    auto* sch9 = static_cast<TaxData_Sch9*>(ret.add(std::make_unique<TaxData_Sch9>()));
    ret.add(std::make_unique<TaxData_Sch11>());
    t3->fld_ws_othertype = true;
    t3->fld_trust_code = "210";
    t3->fld_trust_icountry = 1;
    t3->fld_trust_iprov = 9;
    t3->fld_pension_inc = 10000.5;
    t3->fld_other_inv = 2000.25;
    sch9->fld_9261 = 3000.25;
    calculateReturn(ret);

    // Total income 12000.75; net and taxable income 12000.75 - 3000.25 = 9000.50;
    // federal tax 33 % of it: 2970.165, the balance owing the same.
    const json expected = json::parse(R"([
      {"form": "T3Ret", "index": 0, "records": {
        "02": "10001", "05": "2000", "20": "12001", "471": "3000", "47": "3000", "50": "9001", "56": "9001",
        "81": "2970.17", "84": "2970.17", "94": "2970.17"}},
      {"form": "Sch9", "index": 1, "records": {"9261": "3000"}},
      {"form": "Sch11", "index": 2, "records": {"11080": "2970.17"}}
    ])");
    json got = netfileRecordsJson(collectNetfileRecords(ret));
    // Key order inside "records" is numeric; compare as sorted JSON to show the values first.
    EXPECT_EQ(nlohmann::json::parse(got.dump()), nlohmann::json::parse(expected.dump()));
    EXPECT_EQ(got[0]["records"].begin().key(), "02");
    EXPECT_EQ(netfileRecordsJson({}).dump(), "[]");
}

}  // namespace
