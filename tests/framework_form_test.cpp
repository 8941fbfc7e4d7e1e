// Field values, each object's registry, the form stream's refusal of bad data
// and the form interface, on a form with one field of every kind.
#include "sample_form.h"

#include "framework/datastream.h"
#include "framework/field_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

void fillEveryKind(TaxData_FrameworkSample& f)
{
    f.fld_name = QStringLiteral("Émile Tr");
    f.fld_amount = -1234567.891;
    f.fld_total = 0.1 + 0.2;
    f.fld_answer = 1;
    f.fld_prov = PROV_QC;
    f.fld_flag = true;
    f.fld_date = QDate(2024, 2, 29);
    f.fld_moment = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 250));
    f.fld_share = 37.5;
    f.fld_phone = "(613)-5551234";
}

std::string store(CTaxData_Form& form)
{
    MyDataStream out = MyDataStream::forStoring();
    EXPECT_EQ(form.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out), 0);
    return out.finish();
}

// A frame built after the bytes before it in a file is the frame built alone;
// a text is stored as its UTF-8 whether short and ASCII or not.
TEST(FormStream, FrameBuiltAfterOtherBytesEqualsTheFrameAloneWithTextsInUtf8)
{
    const QString texts[] = {QString(), QStringLiteral("H3B 1A7"), QStringLiteral("Montréal"),
                             QString(128, QLatin1Char('a')), QString(129, QLatin1Char('a')), QStringLiteral("a\u20AC")};
    for (const QString& text : texts) {
        TaxData_FrameworkSample f;
        f.fld_name = text;
        const std::string alone = store(f);
        MyDataStream after = MyDataStream::forStoringAfter(std::string("prefix"));
        f.Serialize(TRUSTELLA_STREAM_VERSION, CString(), after);
        EXPECT_EQ(std::move(after).takeFinished(), "prefix" + alone) << text.toStdString();

        const QByteArray utf8 = text.toUtf8();
        const char size[4] = {char(utf8.size()), 0, 0, 0};
        const std::string entry = std::string("\x02\x08" "fld_name") + std::string(size, 4) + utf8.toStdString();
        EXPECT_EQ(alone.substr(MyDataStream::kFrameHeaderSize + 4, entry.size()), entry) << text.toStdString();
        TaxData_FrameworkSample back;
        MyDataStream in = MyDataStream::forLoadingInPlace(alone);
        EXPECT_EQ(back.Serialize(in.version(), CString(), in), 0);
        EXPECT_EQ(back.fld_name.value(), text);
    }
}

TEST(FieldRegistry, EachObjectListsItsOwnMembersInDeclarationOrder)
{
    TaxData_FrameworkSample a, b;
    ASSERT_EQ(a.fieldCount(), b.fieldCount());
    for (size_t i = 0; i < a.fields().size(); ++i)
        EXPECT_STREQ(a.fields()[i]->name(), b.fields()[i]->name());
    EXPECT_STREQ(a.fields().front()->name(), "fld_name");
    EXPECT_EQ(a.findField("fld_amount"), &a.fld_amount);
    EXPECT_EQ(b.findField("fld_amount"), &b.fld_amount);
    EXPECT_EQ(b.findField("fld_old_total"), &b.fld_total);
    EXPECT_EQ(b.findField("fld_no_such_field"), nullptr);
    EXPECT_TRUE(a.fld_total.isComputed() && !a.fld_total.isInput());
}

TEST(FieldValues, AssignmentCopiesOnlyTheValueAndTextIsCutOnlyWhenClippedOrRead)
{
    TaxData_FrameworkSample f;
    f.fld_amount = 12.5;
    f.fld_total = f.fld_amount;
    EXPECT_EQ(f.fld_total.value(), 12.5);
    EXPECT_STREQ(f.fld_total.name(), "fld_total");
    EXPECT_EQ(f.fld_total.lineNum(), 0);

    f.fld_name = " ABCDEFGHIJKLMN ";
    EXPECT_EQ(f.fld_name.value(), QStringLiteral(" ABCDEFGHIJKLMN "));
    f.fld_name.setClipped(QStringLiteral("ABCDEFGHIJKLMN"));
    EXPECT_EQ(f.fld_name.value(), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_FALSE(f.fld_name.fromText(QStringLiteral("ABCDEFGHIJK")));
    EXPECT_EQ(f.fld_name.value(), QStringLiteral("ABCDEFGHIJ"));
}

TEST(FieldValues, AmountTextIsTheShortestThatReadsBackExactly)
{
    CFloatField f(0.0, 0);
    for (double v : {1234.56, 0.1 + 0.2, -0.0049999999, 1e-300, 98765432.1}) {
        f = v;
        CFloatField back(0.0, 0);
        ASSERT_TRUE(back.fromText(f.toText())) << f.toText().toStdString();
        EXPECT_EQ(back.value(), v) << f.toText().toStdString();
    }
    f = 1234.56;
    EXPECT_EQ(f.toText(), QStringLiteral("1234.56"));
}

TEST(FieldValues, DatesAndTimes)
{
    TaxData_FrameworkSample f;
    f.fld_moment = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 999));
    EXPECT_EQ(f.fld_moment.toText(), QStringLiteral("2024-03-05T14:07:09"));  // whole seconds
    f.fld_moment.setDate(QDate());
    EXPECT_FALSE(f.fld_moment.time().isValid());  // no time without a date
    EXPECT_EQ(f.fld_moment.toText(), QString());
    EXPECT_TRUE(f.fld_moment.isDefault());

    f.fld_date = QDate(2024, 2, 29);
    f.fld_date.set1YLater();
    EXPECT_EQ(f.fld_date.value(), QDate(2025, 2, 28));
    f.fld_date.setZero();
    f.fld_date.set1YLater();  // a null date stays null
    EXPECT_FALSE(f.fld_date.IsValid());
}

// A frame written by hand: what an older version, a damaged file or another
// program may hold.
std::string frame(const std::function<void(MyDataStream&)>& body, unsigned version = TRUSTELLA_STREAM_VERSION)
{
    MyDataStream out = MyDataStream::forStoring(version);
    body(out);
    return out.finish();
}

void entry(MyDataStream& s, uint8_t kind, const std::string& name)
{
    s.putU8(kind);
    s.putU8(uint8_t(name.size()));
    s.putBytes(name.data(), name.size());
}

TEST(Stream, HandWrittenFramesAreReadOrRefusedNamingTheCause)
{
    struct Case {
        const char* what;
        std::string bytes;
        const char* error;  // nullptr: read
        std::function<void(const TaxData_FrameworkSample&)> check;
    } cases[] = {
        {"a former field name, as version 0x10100 wrote it",
         frame([](MyDataStream& s) {
             s.putU32(2);
             entry(s, FIELD_FLOAT, "fld_amount");
             s.putF64(5.0);
             entry(s, FIELD_FLOAT, "fld_old_total");
             s.putF64(77.25);
         }, 0x10100),
         nullptr,
         [](const TaxData_FrameworkSample& f) {
             EXPECT_EQ(f.fld_total.value(), 77.25);
             EXPECT_EQ(f.fld_amount.value(), 5.0);
         }},
        {"a text longer than the field loads whole",
         frame([](MyDataStream& s) {
             s.putU32(1);
             entry(s, FIELD_STRING, "fld_name");
             s.putText("ABCDEFGHIJKL");
         }),
         nullptr, [](const TaxData_FrameworkSample& f) { EXPECT_EQ(f.fld_name.value(), "ABCDEFGHIJKL"); }},
        {"unknown field",
         frame([](MyDataStream& s) {
             s.putU32(1);
             entry(s, FIELD_FLOAT, "fld_mystery");
             s.putF64(1);
         }),
         "fld_mystery", nullptr},
        {"wrong kind",
         frame([](MyDataStream& s) {
             s.putU32(1);
             entry(s, FIELD_FLOAT, "fld_name");
             s.putF64(1);
         }),
         "field fld_name is stored as amount, expected text", nullptr},
        {"impossible field count", frame([](MyDataStream& s) { s.putU32(0xFFFFFFFF); }), "impossible field count",
         nullptr},
        {"text running past the end",
         frame([](MyDataStream& s) {
             s.putU32(1);
             entry(s, FIELD_STRING, "fld_name");
             s.putU32(1000000);
         }),
         "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TaxData_FrameworkSample f;
        MyDataStream in = MyDataStream::forLoading(c.bytes);
        ASSERT_TRUE(in.ok());
        const int result = f.Serialize(in.version(), CString(), in);
        if (c.error) {
            EXPECT_EQ(result, -1);
            EXPECT_NE(in.error().find(c.error), std::string::npos) << in.error();
        } else {
            ASSERT_EQ(result, 0) << in.error();
            c.check(f);
        }
    }
}

TEST(Stream, EveryTruncationAndBitFlipIsRefused)
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
    for (size_t i = 0; i < bytes.size(); ++i)
        for (int bit = 0; bit < 8; bit += 3) {
            std::string damaged = bytes;
            damaged[i] = char(damaged[i] ^ (1 << bit));
            MyDataStream in = MyDataStream::forLoading(damaged);
            if (in.ok()) {
                // Only the version word is outside the checksum; the data still loads.
                ASSERT_TRUE(i >= 4 && i < 8) << "byte " << i;
                continue;
            }
            TaxData_FrameworkSample b;
            EXPECT_EQ(b.Serialize(0, CString(), in), -1);
        }
}

TEST(FormInterface, AssignmentComparisonAndNewYearData)
{
    TaxData_FrameworkSample a, b;
    fillEveryKind(a);
    EXPECT_TRUE(a != b);
    static_cast<CTaxData_Form&>(b) = a;
    EXPECT_FALSE(a != b);
    b.fld_share = 1.0;
    EXPECT_TRUE(a != b);

    STRUCT_IMPORT_LASTYEAR_PARAM param;
    EXPECT_EQ(a.ChangeToNewYearData(param), 0);  // amounts cleared, the rest kept
    EXPECT_EQ(a.fld_amount.value(), 0.0);
    EXPECT_EQ(a.fld_share.value(), 0.0);
    EXPECT_EQ(a.fld_name.value(), QStringLiteral("Émile Tr"));
    EXPECT_EQ(a.fld_answer.value(), 1);
    EXPECT_EQ(a.fld_date.value(), QDate(2024, 2, 29));
}

TEST(FormInterface, FieldsAreSetByLineNumber)
{
    TaxData_FrameworkSample f;
    EXPECT_EQ(f.setFloatField(10, 99.5), 0);
    EXPECT_EQ(f.fld_amount.value(), 99.5);
    EXPECT_EQ(f.setFloatField(11, 1.0), -1);
    EXPECT_EQ(f.setFieldDataByFldNumAndString(10, CString("1,234.56")), 0);
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
    for (const char* line : {"PercentField fld_share = new PercentField(\"fld_share\", 65858, 268435455);\n",
                             "DateTimeField fld_moment = new DateTimeField(\"fld_moment\", 65536, 268435455);\n",
                             "addField(fld_name);\naddField(fld_amount);\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 * f.fieldCount());
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
