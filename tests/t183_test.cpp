// Form T183 TRUST: registry, calculation, control numbers, validation and carry-forward.
#include "returns/t183trust.h"

#include "framework/datetexts.h"
#include "framework/geo_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Messages = std::vector<std::string>;

class T183 : public ::testing::Test {
protected:
    void SetUp() override { setCurrentDateTimeForTesting(QDateTime(QDate(2025, 3, 17), QTime(14, 5, 6))); }
    void TearDown() override { setCurrentDateTimeForTesting(QDateTime()); }

    // A form that passes every check.
    void fillValid()
    {
        f.fld_efilenum = "B7Q2X";
        f.fld_contactmethod = 0;
        f.fld_contactmethod_post = 1;
        f.fld_controlnum = "TRE171";
    }

    Messages messages()
    {
        std::list<CString> list;
        const int n = f.Validate(0, list);
        Messages out;
        for (const CString& m : list)
            out.push_back(m.utf8());
        EXPECT_EQ(size_t(n), out.size());
        return out;
    }

    TaxData_T183Trust f;
};

TEST_F(T183, RegistryOrderPutsTheSignatureMomentAfterTheSignedFlag)
{
    EXPECT_EQ(f.formType(), 63);
    ASSERT_EQ(f.fieldCount(), 41);
    EXPECT_STREQ(f.fields().front()->name(), "fld_TaxYearPrint");
    EXPECT_STREQ(f.fields().back()->name(), "fld_printSignTime");
    const int signedFlag = f.fieldIndex("fld_ws_bESigned");
    EXPECT_EQ(f.fieldIndex("fld_ws_ESignedDate"), signedFlag + 1);
    EXPECT_EQ(f.fields()[size_t(signedFlag + 1)]->kind(), FIELD_DATETIME);
    EXPECT_EQ(f.fieldIndex("fld_ws_ESignedReturnReqID"), signedFlag + 2);
    EXPECT_EQ(f.fld_t3_type.value(), -1);
    EXPECT_EQ(f.fld_contactmethod.value(), -1);
    EXPECT_EQ(f.fld_phone.value(), "(000)-0000000");
    EXPECT_EQ(f.fld_phone.maxLength(), 20);
    EXPECT_EQ(f.fld_efiler.maxLength(), 160);
}

TEST_F(T183, CalculateFillsYearPrintedControlNumberAndCountryText)
{
    f.fld_efilenum = "B7Q2X";
    f.fld_controlnum = "ABC123";
    f.fld_trust_country = COUNTRY_CANADA;
    EXPECT_EQ(f.Calculate(), 0);
    EXPECT_EQ(f.fld_TaxYearPrint.value(), "2024");
    EXPECT_EQ(f.fld_DCNPrint.value(), "B7Q2X24ABC123");
    EXPECT_EQ(f.fld_trust_country.displayText(), "Canada");
    CString dcn;
    f.getDCN(dcn);
    EXPECT_EQ(dcn, "24ABC123");

    f.fld_trust_country = 100000;  // not in the table
    f.Calculate();
    EXPECT_EQ(f.fld_trust_country.displayText(), "");
}

TEST_F(T183, SignatureMomentIsPrintedFrom2011On)
{
    f.fld_ws_ESignedDate = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    f.Calculate();
    EXPECT_EQ(f.fld_printSignDate.value(), "20240305");
    EXPECT_EQ(f.fld_printSignTime.value(), "140709");
    EXPECT_TRUE(f.hasSignDate());

    f.fld_ws_ESignedDate = QDateTime(QDate(2010, 12, 31), QTime(23, 59, 59));
    f.Calculate();
    EXPECT_EQ(f.fld_printSignDate.value(), "");
    EXPECT_EQ(f.fld_printSignTime.value(), "");
    EXPECT_FALSE(f.fld_ws_ESignedDate.date().isValid());
    EXPECT_FALSE(f.hasSignDate());

    f.fld_ws_ESignedDate = QDateTime(QDate(2011, 1, 1), QTime(0, 0, 1));
    f.Calculate();
    EXPECT_EQ(f.fld_printSignDate.value(), "20110101");
    EXPECT_EQ(f.fld_printSignTime.value(), "000001");
}

TEST_F(T183, ControlNumberCheck)
{
    const struct {
        const char* entered;
        bool accepted;
        const char* stored;
    } cases[] = {
        {" ab12CD  ", true, "ab12CD"}, {"ab12CD", true, "ab12CD"},   {"AB12CD", true, "AB12CD"}, {" ab12C", false, "ab12C"},
        {"AB12C ", false, "AB12C"},   {"AB-2CD", false, "AB-2CD"},
        {"AB12C", false, "AB12C"},    {"", false, ""},            {"AB 2CD", false, "AB 2CD"},
        {"ÉB12CD", false, "ÉB12CD"},
    };
    for (const auto& c : cases) {
        f.fld_controlnum = c.entered;
        EXPECT_EQ(f.checkDCNStr(), c.accepted) << c.entered;
        EXPECT_EQ(f.fld_controlnum.value(), QString::fromUtf8(c.stored));
    }
}

TEST_F(T183, ControlNumberButtons)
{
    // The clock reads "2025-03-17 14:05:06": day 17, month digit 3.
    const struct {
        const char* trustName;
        int seqNum;
        const char* first;
        const char* second;
        const char* third;
    } cases[] = {
        {"Tremblay Trust", 1, "TRE173", "173TRE", "TRE001"},
        {"o'neil", 12, "O'N173", "173O'N", "O'N012"},
        {"Al", 7, "ALZ173", "173AL", " AL007"},
        {" Bo", 3, "BOZ173", "173 BO", " BO003"},
        {"", 2, "ZYX173", "173", "   002"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.trustName);
        f.fld_trust_name = c.trustName;
        f.setSeqNum(c.seqNum);
        f.generateControlNumber1();
        EXPECT_EQ(f.fld_controlnum.value(), c.first);
        f.generateControlNumber2();
        EXPECT_EQ(f.fld_controlnum.value(), c.second);
        f.generateControlNumber3();
        EXPECT_EQ(f.fld_controlnum.value(), c.third);
    }
}

TEST_F(T183, ValidationTrimsTheControlNumber)
{
    fillValid();
    f.fld_controlnum = " TR17 ";
    EXPECT_EQ(messages(), Messages{"DCN is invalid, please specify 6 unique letters."});
    EXPECT_EQ(f.fld_controlnum.value(), "TR17");
}

TEST_F(T183, ESignatureMoment)
{
    const struct {
        QDateTime moment;
        const char* message;
    } cases[] = {
        {QDateTime(QDate(2025, 3, 17), QTime(14, 5, 6)), nullptr},  // now
        {QDateTime(QDate(2025, 3, 17), QTime(14, 5, 7)), "E-Signature time is not valid"},
        {QDateTime(QDate(2025, 3, 18), QTime()), "E-Signature time is not valid"},
        {QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), nullptr},
        {QDateTime(), "E-Signature date is not valid"},
    };
    for (const auto& c : cases) {
        fillValid();
        f.fld_ws_bESigned = true;
        f.fld_ws_ESignedDate = c.moment;
        EXPECT_EQ(messages(), c.message ? Messages{c.message} : Messages())
            << c.moment.toString(Qt::ISODate).toStdString();
    }
    // Not signed: the moment is not looked at.
    fillValid();
    f.fld_ws_bESigned = false;
    f.fld_ws_ESignedDate = QDateTime(QDate(2030, 1, 1), QTime(0, 0));
    EXPECT_EQ(messages(), Messages());
}

TEST_F(T183, CarryForward)
{
    fillValid();
    f.fld_t3_total_inc = 100.0;
    f.fld_ws_bESigned = true;
    f.fld_ws_ESignedDate = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    f.fld_expirydate = QDate(2024, 2, 29);
    f.fld_efiler = "Filer Inc.";
    EXPECT_EQ(f.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM()), 0);
    EXPECT_EQ(f.fld_controlnum.value(), "");
    EXPECT_EQ(f.fld_expirydate.value(), QDate(2025, 2, 28));
    EXPECT_FALSE(f.fld_ws_bESigned.value());
    EXPECT_FALSE(f.fld_ws_ESignedDate.date().isValid());
    EXPECT_EQ(f.fld_t3_total_inc.value(), 0.0);  // amounts back to their defaults
    EXPECT_EQ(f.fld_efiler.value(), "Filer Inc.");
    EXPECT_EQ(f.fld_contactmethod.value(), 0);
}

TEST_F(T183, CarryForwardDropsAnEmptyOrAncientExpiryDate)
{
    for (const QDate expiry : {QDate(), QDate(2000, 12, 31), QDate(1899, 12, 30)}) {
        f.fld_expirydate = expiry;
        f.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM());
        EXPECT_FALSE(f.fld_expirydate.IsValid()) << expiry.toString(Qt::ISODate).toStdString();
    }
    f.fld_expirydate = QDate(2001, 1, 1);
    f.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM());
    EXPECT_EQ(f.fld_expirydate.value(), QDate(2002, 1, 1));
}

}  // namespace
