// Field registry, value semantics, stream round trips and refusal of bad data.
#include "sample_form.h"

#include "framework/datastream.h"
#include "framework/field_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

std::string store(CTaxData_Form& form)
{
    MyDataStream out = MyDataStream::forStoring();
    EXPECT_EQ(form.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out), 0);
    return out.finish();
}

void fillEveryKind(TaxData_FrameworkSample& f)
{
    f.fld_name = QStringLiteral("Émile Tr");
    f.fld_amount = -1234567.891;
    f.fld_total = 0.1 + 0.2;  // not representable exactly: must come back bit for bit
    f.fld_answer = 1;
    f.fld_prov = PROV_QC;
    f.fld_flag = true;
    f.fld_date = QDate(2024, 2, 29);
    f.fld_moment = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 250));
    f.fld_share = 37.5;
    f.fld_phone = "(613)-5551234";
}

TEST(FieldRegistry, TwoObjectsListTheSameFieldsInDeclarationOrder)
{
    TaxData_FrameworkSample a, b;
    ASSERT_EQ(a.fieldCount(), 10);
    ASSERT_EQ(a.fieldCount(), b.fieldCount());
    const char* expected[] = {"fld_name",   "fld_amount", "fld_total",  "fld_answer", "fld_prov",
                              "fld_flag",   "fld_date",   "fld_moment", "fld_share",  "fld_phone"};
    for (int i = 0; i < a.fieldCount(); ++i) {
        EXPECT_STREQ(a.fields()[size_t(i)]->name(), expected[i]);
        EXPECT_STREQ(b.fields()[size_t(i)]->name(), expected[i]);
        EXPECT_EQ(a.fields()[size_t(i)]->kind(), b.fields()[size_t(i)]->kind());
    }
    // Each object's registry points at its own members.
    EXPECT_EQ(a.findField("fld_amount"), &a.fld_amount);
    EXPECT_EQ(b.findField("fld_amount"), &b.fld_amount);
}

TEST(FieldRegistry, DefaultsLineNumbersAndAttributesComeFromTheDeclaration)
{
    TaxData_FrameworkSample f;
    EXPECT_EQ(f.fld_amount.lineNum(), 10);
    EXPECT_EQ(f.fld_answer.value(), -1);
    EXPECT_EQ(f.fld_prov.value(), 0);
    EXPECT_EQ(f.fld_phone.value(), QStringLiteral("(000)-0000000"));
    EXPECT_EQ(f.fld_name.maxLength(), 10);
    EXPECT_TRUE(f.fld_total.isComputed());
    EXPECT_FALSE(f.fld_total.isInput());
    EXPECT_EQ(f.fld_share.attr(), FIELD_ATTR_PERCENT);
    EXPECT_FALSE(f.fld_date.IsValid());
    EXPECT_EQ(f.formType(), 99);
    EXPECT_EQ(f.shortClassName(), QStringLiteral("FrameworkSample"));
}

TEST(FieldRegistry, FormerNamesFindTheCurrentField)
{
    TaxData_FrameworkSample f;
    EXPECT_EQ(f.findField("fld_old_total"), &f.fld_total);
    EXPECT_EQ(f.findField("fld_no_such_field"), nullptr);
}

TEST(FieldValues, AssigningOneFieldToAnotherCopiesOnlyTheValue)
{
    TaxData_FrameworkSample f;
    f.fld_amount = 12.5;
    f.fld_total = f.fld_amount;
    EXPECT_DOUBLE_EQ(f.fld_total.value(), 12.5);
    EXPECT_STREQ(f.fld_total.name(), "fld_total");
    EXPECT_EQ(f.fld_total.lineNum(), 0);
}

TEST(FieldValues, TextAssignmentKeepsTheWholeTextAndClippedAssignmentCuts)
{
    TaxData_FrameworkSample f;
    f.fld_name = " ABCDEFGHIJKLMN ";
    EXPECT_EQ(f.fld_name.value(), QStringLiteral(" ABCDEFGHIJKLMN "));
    f.fld_name.setClipped(QStringLiteral("ABCDEFGHIJKLMN"));
    EXPECT_EQ(f.fld_name.value(), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_FALSE(f.fld_name.fromText(QStringLiteral("ABCDEFGHIJK")));  // typed or read text is limited
    EXPECT_EQ(f.fld_name.value(), QStringLiteral("ABCDEFGHIJ"));
}

TEST(FieldValues, AmountTextIsTheShortestThatReadsBackExactly)
{
    CFloatField f(0.0, 0);
    const double values[] = {1234.56, 0.1 + 0.2, -0.0049999999, 1e-300, 98765432.1};
    for (double v : values) {
        f = v;
        CFloatField back(0.0, 0);
        ASSERT_TRUE(back.fromText(f.toText())) << f.toText().toStdString();
        EXPECT_EQ(back.value(), v) << f.toText().toStdString();
    }
    f = 1234.56;
    EXPECT_EQ(f.toText(), QStringLiteral("1234.56"));
}

TEST(FieldValues, DateAndTimeIsHeldToTheSecondAndHasNoTimeWithoutADate)
{
    TaxData_FrameworkSample f;
    f.fld_moment = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 999));
    EXPECT_EQ(f.fld_moment.time(), QTime(14, 7, 9));
    EXPECT_EQ(f.fld_moment.toText(), QStringLiteral("2024-03-05T14:07:09"));
    f.fld_moment.setDate(QDate());
    EXPECT_FALSE(f.fld_moment.IsValid());
    EXPECT_FALSE(f.fld_moment.time().isValid());
    EXPECT_EQ(f.fld_moment.toText(), QString());
    EXPECT_TRUE(f.fld_moment.isDefault());
}

TEST(FieldValues, DateMovesOneYearLaterAndClears)
{
    TaxData_FrameworkSample f;
    f.fld_date = QDate(2024, 2, 29);
    f.fld_date.set1YLater();
    EXPECT_EQ(f.fld_date.value(), QDate(2025, 2, 28));
    f.fld_date.setZero();
    EXPECT_FALSE(f.fld_date.IsValid());
    f.fld_date.set1YLater();  // a null date stays null
    EXPECT_FALSE(f.fld_date.IsValid());
}

TEST(Stream, RoundTripRestoresEveryKindExactly)
{
    TaxData_FrameworkSample a;
    fillEveryKind(a);
    const std::string bytes = store(a);

    TaxData_FrameworkSample b;
    MyDataStream in = MyDataStream::forLoading(bytes);
    ASSERT_TRUE(in.ok()) << in.error();
    EXPECT_EQ(in.version(), TRUSTELLA_STREAM_VERSION);
    ASSERT_EQ(b.Serialize(in.version(), CString(), in), 0) << in.error();
    EXPECT_TRUE(in.atEnd());
    EXPECT_FALSE(a != b);
    double x = a.fld_total.value(), y = b.fld_total.value();
    EXPECT_EQ(std::memcmp(&x, &y, sizeof x), 0);
    EXPECT_EQ(b.fld_name.value(), QStringLiteral("Émile Tr"));
    EXPECT_EQ(b.fld_moment.value(), QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    EXPECT_EQ(b.fld_date.value(), QDate(2024, 2, 29));
    EXPECT_EQ(b.fld_answer.value(), 1);
}

TEST(Stream, NullDatesAndDefaultsRoundTrip)
{
    TaxData_FrameworkSample a;
    const std::string bytes = store(a);
    TaxData_FrameworkSample b;
    fillEveryKind(b);
    MyDataStream in = MyDataStream::forLoading(bytes);
    ASSERT_EQ(b.Serialize(in.version(), CString(), in), 0) << in.error();
    EXPECT_FALSE(a != b);
    EXPECT_FALSE(b.fld_date.IsValid());
    EXPECT_FALSE(b.fld_moment.IsValid());
}

// Builds a stream by hand, as an older version would have written it.
std::string streamWithEntries(const std::vector<std::pair<std::string, double>>& amounts)
{
    MyDataStream out = MyDataStream::forStoring(0x10100);
    out.putU32(uint32_t(amounts.size()));
    for (const auto& [name, value] : amounts) {
        out.putU8(FIELD_FLOAT);
        out.putU8(uint8_t(name.size()));
        out.putBytes(name.data(), name.size());
        out.putF64(value);
    }
    return out.finish();
}

TEST(Stream, FormerFieldNameLoadsIntoTheCurrentField)
{
    const std::string bytes = streamWithEntries({{"fld_amount", 5.0}, {"fld_old_total", 77.25}});
    TaxData_FrameworkSample f;
    MyDataStream in = MyDataStream::forLoading(bytes);
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(in.version(), 0x10100u);
    ASSERT_EQ(f.Serialize(in.version(), CString(), in), 0) << in.error();
    EXPECT_DOUBLE_EQ(f.fld_total.value(), 77.25);
    EXPECT_DOUBLE_EQ(f.fld_amount.value(), 5.0);
}

TEST(Stream, UnknownFieldIsRefusedNamingIt)
{
    const std::string bytes = streamWithEntries({{"fld_mystery", 1.0}});
    TaxData_FrameworkSample f;
    MyDataStream in = MyDataStream::forLoading(bytes);
    EXPECT_EQ(f.Serialize(in.version(), CString(), in), -1);
    EXPECT_NE(in.error().find("fld_mystery"), std::string::npos) << in.error();
}

TEST(Stream, WrongKindIsRefusedNamingTheField)
{
    const std::string bytes = streamWithEntries({{"fld_name", 1.0}});
    TaxData_FrameworkSample f;
    MyDataStream in = MyDataStream::forLoading(bytes);
    EXPECT_EQ(f.Serialize(in.version(), CString(), in), -1);
    EXPECT_EQ(in.error(), "field fld_name is stored as amount, expected text");
}

TEST(Stream, EveryTruncationIsRefusedWithoutACrash)
{
    TaxData_FrameworkSample a;
    fillEveryKind(a);
    const std::string bytes = store(a);
    for (size_t n = 0; n < bytes.size(); ++n) {
        MyDataStream in = MyDataStream::forLoading(std::string_view(bytes.data(), n));
        EXPECT_FALSE(in.ok()) << "prefix of " << n << " bytes accepted";
        TaxData_FrameworkSample b;
        EXPECT_EQ(b.Serialize(in.version(), CString(), in), -1);
    }
}

TEST(Stream, EverySingleBitFlipIsDetected)
{
    TaxData_FrameworkSample a;
    fillEveryKind(a);
    const std::string bytes = store(a);
    for (size_t i = 0; i < bytes.size(); ++i) {
        for (int bit = 0; bit < 8; bit += 3) {
            std::string damaged = bytes;
            damaged[i] = char(damaged[i] ^ (1 << bit));
            MyDataStream in = MyDataStream::forLoading(damaged);
            if (in.ok()) {
                // Only the version word is outside the checksum; the data still loads.
                ASSERT_GE(i, 4u);
                ASSERT_LT(i, 8u);
                continue;
            }
            TaxData_FrameworkSample b;
            EXPECT_EQ(b.Serialize(0, CString(), in), -1);
        }
    }
}

TEST(Stream, CorruptPayloadWithValidChecksumIsStillRefused)
{
    // A frame whose checksum is right but whose content is garbage: an
    // impossible field count, then a text that claims to run past the end.
    MyDataStream bad = MyDataStream::forStoring();
    bad.putU32(0xFFFFFFFF);
    TaxData_FrameworkSample f;
    MyDataStream in = MyDataStream::forLoading(bad.finish());
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(f.Serialize(in.version(), CString(), in), -1);
    EXPECT_NE(in.error().find("impossible field count"), std::string::npos);

    MyDataStream bad2 = MyDataStream::forStoring();
    bad2.putU32(1);
    bad2.putU8(FIELD_STRING);
    bad2.putU8(8);
    bad2.putBytes("fld_name", 8);
    bad2.putU32(1000000);
    MyDataStream in2 = MyDataStream::forLoading(bad2.finish());
    EXPECT_EQ(f.Serialize(in2.version(), CString(), in2), -1);
    EXPECT_FALSE(in2.ok());
}

TEST(Stream, TextLongerThanTheFieldLoadsWhole)
{
    // Whatever a form stored comes back: nothing is cut on the way.
    MyDataStream out = MyDataStream::forStoring();
    out.putU32(1);
    out.putU8(FIELD_STRING);
    out.putU8(8);
    out.putBytes("fld_name", 8);
    out.putText("ABCDEFGHIJKL");
    TaxData_FrameworkSample f;
    MyDataStream in = MyDataStream::forLoading(out.finish());
    EXPECT_EQ(f.Serialize(in.version(), CString(), in), 0) << in.error();
    EXPECT_EQ(f.fld_name.value(), QStringLiteral("ABCDEFGHIJKL"));
}

TEST(FormInterface, AssignmentAndComparisonWorkFieldByField)
{
    TaxData_FrameworkSample a, b;
    fillEveryKind(a);
    EXPECT_TRUE(a != b);
    static_cast<CTaxData_Form&>(b) = a;
    EXPECT_FALSE(a != b);
    b.fld_share = 1.0;
    EXPECT_TRUE(a != b);
}

TEST(FormInterface, NewYearDataClearsAmountsAndKeepsTheRest)
{
    TaxData_FrameworkSample f;
    fillEveryKind(f);
    STRUCT_IMPORT_LASTYEAR_PARAM param;
    EXPECT_EQ(f.ChangeToNewYearData(param), 0);
    EXPECT_EQ(f.fld_amount.value(), 0.0);
    EXPECT_EQ(f.fld_share.value(), 0.0);
    EXPECT_EQ(f.fld_name.value(), QStringLiteral("Émile Tr"));
    EXPECT_EQ(f.fld_answer.value(), 1);
    EXPECT_EQ(f.fld_date.value(), QDate(2024, 2, 29));
    EXPECT_TRUE(f.ShouldBeImported(0, PROV_ON));
}

TEST(FormInterface, FieldsAreSetByLineNumber)
{
    TaxData_FrameworkSample f;
    EXPECT_EQ(f.setFloatField(10, 99.5), 0);
    EXPECT_DOUBLE_EQ(f.fld_amount.value(), 99.5);
    EXPECT_EQ(f.setFloatField(11, 1.0), -1);
    EXPECT_EQ(f.setFieldDataByFldNumAndString(10, CString("1,234.56")), 0);
    EXPECT_DOUBLE_EQ(f.fld_amount.value(), 1234.56);
    EXPECT_EQ(f.setFieldDataByFldNumAndString(10, CString("abc")), -1);
    EXPECT_DOUBLE_EQ(f.fld_amount.value(), 1234.56);
}

TEST(FormInterface, JavaDeclarationsListEveryRegisteredField)
{
    TaxData_FrameworkSample f;
    char* buf = nullptr;
    size_t len = 0;
    FILE* mem = open_memstream(&buf, &len);
    f.WriteJavaFileDeclaration(mem);
    f.WriteJavaFileContruction(mem);
    std::fclose(mem);
    const std::string text(buf, len);
    std::free(buf);
    EXPECT_EQ(text.rfind("StringField fld_name = new StringField(\"fld_name\", 10, 65536, 268435455);\n"
                         "FloatField fld_amount = new FloatField(\"fld_amount\", 65536, 268435455);\n",
                         0),
              0u);
    EXPECT_NE(text.find("PercentField fld_share = new PercentField(\"fld_share\", 65858, 268435455);\n"),
              std::string::npos);
    EXPECT_NE(text.find("DateTimeField fld_moment = new DateTimeField(\"fld_moment\", 65536, 268435455);\n"),
              std::string::npos);
    EXPECT_NE(text.find("addField(fld_name);\naddField(fld_amount);\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
}

TEST(SlipBase, AttachDocumentContentDefaultsToMinus1000)
{
    CSlipTaxDataBase01 slip(6, 2);
    CString out;
    std::map<CString, CString> values;
    EXPECT_EQ(slip.getSlipContentForAttachDoc(out, values), -1000);
    EXPECT_EQ(slip.updateConfirmationCode(CString("ABC123"), CString("2025-03-01")), 0);
    EXPECT_EQ(slip.m_confirmationCode, QStringLiteral("ABC123"));
}

}  // namespace

namespace {
struct SampleRow : FieldRow {
    using FieldRow::FieldRow;
    ROW_FLD(CFloatField, B);
    ROW_FLD(CFloatField, C, Line("7"));
};
class RowsForm : public CTaxDataBase01 {
public:
    RowsForm() : CTaxDataBase01(97) {}
    FLD(CFloatField, fld_first);
    FieldRows<SampleRow, 3> m_rows{this, "fld_", "_"};
    SampleRow m_NL{this, "fld_NL_", ""};
    FLD(CFloatField, fld_last);
};
}  // namespace

TEST(FieldRegistry, RepeatedRowsRegisterRowByRowUnderTheirRowsNames)
{
    RowsForm form;
    std::vector<std::string> names;
    for (const CField* f : form.fields())
        names.push_back(f->name());
    const std::vector<std::string> expected = {"fld_first", "fld_B_1", "fld_C_1", "fld_B_2", "fld_C_2", "fld_B_3",
                                               "fld_C_3",   "fld_NL_B", "fld_NL_C", "fld_last"};
    EXPECT_EQ(names, expected);
    form.m_rows[1].B = 5.0;
    EXPECT_EQ(form.findField("fld_B_2"), &form.m_rows[1].B);
    EXPECT_EQ(RowsForm().fields()[3]->name(), form.fields()[3]->name());  // one name shared by every object
}
