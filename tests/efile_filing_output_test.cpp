// Netfile record sets of a list of forms: file order, forms that ask not to
// be written and forms without records. Whole returns' records and filing
// documents are scenarios (tests/scenarios/filing-*).
#include "host/filing_output.h"
#include "returns/t183trust.h"
#include "returns/t3ret.h"
#include "slips/t3_filinginfo.h"
#include "slips/t3slip_issuing.h"
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

TEST(FilingOutput, RecordSetsInFileOrderWithoutSkippedOrSilentForms)
{
    TaxData_T3Ret ret;
    TaxData_Sch9 sch9;
    SkippedForm skipped;
    TaxData_Sch11 sch11;
    TaxData_T183Trust t183;
    ret.fld_taxable_capgain.store(12345.4);
    ret.fld_agri2_101.store(10.0);
    ret.fld_RefDue.store(-50.255);
    sch9.fld_9005 = 0;
    sch9.fld_9211.store(100.5);
    sch11.fld_11080.store(7.0);
    const std::vector<FormNetfileRecords> sets = collectNetfileRecords({&ret, &sch9, &skipped, &sch11, &t183});
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
    // The JSON keeps the codes in numeric order too.
    EXPECT_EQ(netfileRecordsJson(sets)[0].dump(),
              R"({"form":"T3Ret","index":0,"records":{"01":"12345","94":"-50.26","101":"10"}})");
    EXPECT_EQ(netfileRecordsJson({}).dump(), "[]");
}

// The document written slip by slip is the library's own print of the
// document built as values, byte for byte: compact and indented, with names
// that need escaping (quotes, backslashes, control characters, accents), both
// kinds of recipient, other boxes, and without any slip.
TEST(FilingOutput, DocumentTextIsTheLibrarysPrintOfTheDocument)
{
    TaxData_T3Ret ret;
    ret.fld_trust_name = QStringLiteral("Fiducie \"Zoë\" \\ Tremblay");
    TaxData_Slip_Issuing_FilingInfo info;
    info.box_name = QStringLiteral("Tab\there");
    TaxData_Slip_T3_Issuing person, company;
    person.box_name = QStringLiteral("Ann\x01\n\r\b\f\x1f\x7f");
    person.box_lastname = QStringLiteral("O'Brien-Lefèvre");
    person.box_21.store(1234.5);
    person.box_38.store(-0.5);
    company.box_EntityType = TaxData_Slip_T3_Issuing::kEntity;
    company.box_name = QStringLiteral("Numbered \"Co\"");
    const std::vector<std::vector<CTaxData_Form*>> returns = {
        {&ret, &person, &info, &company},
        {&ret, &info},
    };
    for (const auto& forms : returns)
        for (int indent : {-1, 0, 2, 4}) {
            json doc;
            std::string text;
            QString error;
            ASSERT_TRUE(buildFilingDocument(forms, doc, error));
            ASSERT_TRUE(filingDocumentText(forms, indent, text, error));
            EXPECT_EQ(text, doc.dump(indent)) << "indent " << indent << ", " << forms.size() << " forms";
        }
    std::string text;
    QString error;
    EXPECT_FALSE(filingDocumentText(std::vector<CTaxData_Form*>{&person}, 2, text, error));
    EXPECT_EQ(error, "the return has no trust return form to file");
}

}  // namespace
