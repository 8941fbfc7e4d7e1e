// The return file in both representations: round trips, the documented
// layout, every rejection with its message (the JSON ones are tests/bad_input/),
// and atomic saving.
#include "host_test_forms.h"

#include "framework/crc32.h"
#include "framework/datastream.h"
#include "host/return_binary.h"
#include "host/return_error.h"
#include "host/return_file.h"
#include "host/return_json.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cmath>
#include <functional>
#include <limits>
#include <sys/resource.h>

namespace {

const FormCatalogue& cat() { return hostTestCatalogue(); }

// A return with every field kind set to a value that is easy to get wrong.
TaxReturn sampleReturn()
{
    TaxReturn ret;
    auto sample = std::make_unique<TaxData_FrameworkSample>();
    sample->fld_name = QStringLiteral("Émile Tr");
    sample->fld_amount = -1234567.891;
    sample->fld_total = 0.1 + 0.2;
    sample->fld_answer = 1;
    sample->fld_prov = PROV_QC;
    sample->fld_flag = true;
    sample->fld_date = QDate(2024, 2, 29);
    sample->fld_moment = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    sample->fld_share = 37.5;
    ret.add(std::move(sample));
    auto typed = std::make_unique<TaxData_HostTyped>(7);
    typed->fld_amount = 1e-9;
    typed->fld_note = "line \"7\"\n";
    ret.add(std::move(typed));
    auto slip = std::make_unique<TaxData_Slip_HostSample>(2);
    slip->box_12 = 1500.25;
    ret.add(std::move(slip));
    ret.add(std::make_unique<TaxData_FrameworkSample>());
    return ret;
}

std::string readJsonError(const std::string& text)
{
    try {
        returnFromJson(text, QStringLiteral("r.json"), cat());
    } catch (const ReturnFileError& e) {
        return e.what();
    }
    return "(accepted)";
}

std::string readBinaryError(const std::string& bytes)
{
    try {
        returnFromBinary(bytes, QStringLiteral("r.t3r"), cat());
    } catch (const ReturnFileError& e) {
        return e.what();
    }
    return "(accepted)";
}

QStringList entriesOf(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}
QByteArray contentsOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One form's data as a test builds it, beside the one the writer builds.
struct RawForm {
    std::string className;
    int32_t typeId;
    bool slip;
    int32_t slipType;
    int32_t origin;
    std::string frame;
};

void put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(char((v >> (8 * i)) & 0xFF));
}

// The file layout of docs/file-format.md, written out independently.
std::string fileOf(const std::vector<RawForm>& forms, uint32_t streamVersion = TRUSTELLA_STREAM_VERSION)
{
    std::string out = "T3RF";
    put32(out, 1);
    put32(out, streamVersion);
    put32(out, uint32_t(forms.size()));
    for (const RawForm& f : forms) {
        out.push_back(char(f.className.size()));
        out += f.className;
        put32(out, uint32_t(f.typeId));
        out.push_back(f.slip ? 1 : 0);
        if (f.slip) {
            put32(out, uint32_t(f.slipType));
            put32(out, uint32_t(f.origin));
        }
        out += f.frame;
    }
    const uint32_t checksum = crc32(out.data(), out.size());
    out += "T3RE";
    put32(out, uint32_t(forms.size()));
    put32(out, checksum);
    return out;
}

// A frame holding one field entry written by hand.
std::string frameWithEntry(uint8_t kind, const std::string& name, const std::function<void(MyDataStream&)>& value)
{
    MyDataStream s = MyDataStream::forStoring();
    s.putU32(1);
    s.putU8(kind);
    s.putU8(uint8_t(name.size()));
    s.putBytes(name.data(), name.size());
    value(s);
    return s.finish();
}

RawForm sampleFormWithFrame(const std::string& frame)
{
    return RawForm{"TaxData_FrameworkSample", 99, false, 0, 0, frame};
}

}  // namespace

// Every registered field in registration order; unset dates are empty strings.
TEST(ReturnJson, WritesEveryKindAsDocumented)
{
    const std::string defaults = R"("fld_name":"","fld_amount":0.0,"fld_total":0.0,"fld_answer":-1,"fld_prov":0,)"
                                 R"("fld_flag":false,"fld_date":"","fld_moment":"","fld_share":0.0,)"
                                 R"("fld_phone":"(000)-0000000")";
    EXPECT_EQ(returnToJson(sampleReturn(), cat()).dump(),
              R"({"trustella":"return","version":1,"forms":[{"form":"FrameworkSample","fields":{)"
              R"("fld_name":"Émile Tr","fld_amount":-1234567.891,"fld_total":0.30000000000000004,"fld_answer":1,)"
              R"("fld_prov":11,"fld_flag":true,"fld_date":"2024-02-29","fld_moment":"2024-03-05T14:07:09",)"
              R"("fld_share":37.5,"fld_phone":"(000)-0000000"}},)"
              R"({"form":"HostTyped","typeId":7,"fields":{"fld_amount":1e-09,"fld_note":"line \"7\"\n"}},)"
              R"({"form":"Slip_HostSample","origin":2,"fields":{"box_12":1500.25,"box_payer":""}},)"
              R"({"form":"FrameworkSample","fields":{)" + defaults + "}}]}");
}

TEST(ReturnFile, JsonToBinaryToJsonGivesTheIdenticalDocument)
{
    const std::string text = returnToJsonText(sampleReturn(), cat());
    const TaxReturn fromJson = returnFromJson(text, QStringLiteral("a.json"), cat());
    EXPECT_EQ(returnToJsonText(fromJson, cat()), text);

    const std::string binary = returnToBinary(fromJson, cat());
    const TaxReturn fromBinary = returnFromBinary(binary, QStringLiteral("a.t3r"), cat());
    EXPECT_EQ(returnToJsonText(fromBinary, cat()), text);
    // And back: the bytes do not change either.
    EXPECT_EQ(returnToBinary(returnFromJson(returnToJsonText(fromBinary, cat()), "b.json", cat()), cat()), binary);

    ASSERT_EQ(fromBinary.size(), 4);
    EXPECT_EQ(fromBinary.form(1)->formType(), 7);
    EXPECT_EQ(dynamic_cast<CSlipTaxDataBase01*>(fromBinary.form(2))->slipFrom(), 2);
    EXPECT_EQ(fromBinary.form(3)->seqNum(), 2);  // second sample form
    const auto* sample = dynamic_cast<TaxData_FrameworkSample*>(fromBinary.form(0));
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->fld_total.value(), 0.1 + 0.2);  // bit for bit
}

TEST(ReturnFile, BinaryLayoutIsTheDocumentedOne)
{
    TaxReturn ret;
    auto typed = std::make_unique<TaxData_HostTyped>(7);
    typed->fld_amount = 5;
    ret.add(std::move(typed));
    ret.add(std::make_unique<TaxData_Slip_HostSample>(3));

    auto frameOf = [](CTaxData_Form& form) {
        MyDataStream s = MyDataStream::forStoring();
        form.Serialize(TRUSTELLA_STREAM_VERSION, CString(), s);
        return s.finish();
    };
    const std::string expected = fileOf({{"TaxData_HostTyped", 7, false, 0, 0, frameOf(*ret.form(0))},
                                         {"TaxData_Slip_HostSample", 0, true, 42, 3, frameOf(*ret.form(1))}});
    EXPECT_EQ(returnToBinary(ret, cat()), expected);
}

TEST(ReturnJson, FieldsLeftOutKeepTheirDefaultsAndFormerNamesAreRead)
{
    const TaxReturn ret = returnFromJson(
        R"({"trustella":"return","version":1,"forms":[
              {"form":"FrameworkSample","fields":{"fld_old_total":12.5,"fld_amount":3}},
              {"form":"TaxData_FrameworkSample"},
              {"form":"Slip_HostSample"},{"form":"Slip_HostSample","origin":3}]})",
        "r.json", cat());
    ASSERT_EQ(ret.size(), 4);
    EXPECT_EQ(dynamic_cast<CSlipTaxDataBase01*>(ret.form(2))->slipFrom(), kSlipReceivedByTrust);  // origin left out
    EXPECT_EQ(dynamic_cast<CSlipTaxDataBase01*>(ret.form(3))->slipFrom(), kSlipIssuedByTrust);
    const auto* f = dynamic_cast<TaxData_FrameworkSample*>(ret.form(0));
    EXPECT_EQ(f->fld_total.value(), 12.5);
    EXPECT_EQ(f->fld_amount.value(), 3.0);
    EXPECT_EQ(f->fld_answer.value(), -1);
    EXPECT_EQ(f->fld_phone.value(), QStringLiteral("(000)-0000000"));
    EXPECT_FALSE(f->fld_date.IsValid());
    EXPECT_EQ(ret.form(1)->seqNum(), 2);
}

// Each tests/bad_input/NAME.json is refused with the one message of NAME.message.
TEST(ReturnJson, RejectsBadInputWithOneMessageNamingTheSpot)
{
    const QDir dir(QStringLiteral(TRUSTELLA_SOURCE_DIR "/tests/bad_input"));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 27);
    for (const QString& file : files) {
        const QString base = dir.filePath(file.chopped(5));
        EXPECT_EQ(readJsonError(contentsOf(base + ".json").toStdString()),
                  contentsOf(base + ".message").trimmed().toStdString())
            << file.toStdString();
    }
}

TEST(ReturnJson, MalformedJsonNamesTheLineAndColumn)
{
    const std::string message = readJsonError("{\"trustella\": \"return\",\n  \"version\": 1,\n  \"forms\": [,]}");
    EXPECT_EQ(message.rfind("r.json: malformed JSON: parse error at line 3, column 13: syntax error", 0), 0u)
        << message;
    EXPECT_EQ(readJsonError("").rfind("r.json: malformed JSON: ", 0), 0u);
}

TEST(ReturnBinary, RejectsBadInputWithOneMessageNamingTheSpot)
{
    const std::string goodFrame = [] {
        TaxData_FrameworkSample f;
        MyDataStream s = MyDataStream::forStoring();
        f.Serialize(TRUSTELLA_STREAM_VERSION, CString(), s);
        return s.finish();
    }();
    std::string newerFrame = goodFrame;
    newerFrame[6] = 0x7F;  // version word, outside the checksum
    auto text = [](const std::string& value) { return [value](MyDataStream& s) { s.putText(value); }; };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::string withExtraByte = fileOf({sampleFormWithFrame(goodFrame)});
    withExtraByte.push_back('x');

    struct Case {
        std::string bytes;
        std::string message;
    } cases[] = {
        {"{\"trustella\":\"return\"}", "r.t3r: not a Trustella return file"},
        {"T3RF", "r.t3r: the file is truncated (16 bytes needed at byte 0, 4 present)"},
        {fileOf({}).replace(4, 1, "\x02"), "r.t3r: file format version 2 is not one this program reads (1)"},
        {fileOf({}, 0x20000), "r.t3r: written with stream version 0x20000, newer than this program reads (0x10200)"},
        {fileOf({{"TaxData_Sch99", 1, false, 0, 0, goodFrame}}), "r.t3r: forms[0]: unknown form class \"TaxData_Sch99\""},
        {fileOf({{"TaxData_FrameworkSample", 98, false, 0, 0, goodFrame}}),
         "r.t3r: forms[0] (FrameworkSample): form-type id 98 does not belong to this class (expected 99)"},
        {fileOf({{"TaxData_FrameworkSample", 99, true, 1, 1, goodFrame}}),
         "r.t3r: forms[0] (FrameworkSample): slip type and origin given for a form that is not a slip"},
        {fileOf({{"TaxData_Slip_HostSample", 0, true, 41, 1, goodFrame}}),
         "r.t3r: forms[0] (Slip_HostSample): slip type 41, origin 1 do not belong to this class (expected 42, 1)"},
        {fileOf({sampleFormWithFrame(newerFrame)}),
         "r.t3r: forms[0] (FrameworkSample): the form's data has stream version 0x7f0200, newer than this program "
         "reads (0x10200)"},
        {fileOf({sampleFormWithFrame(frameWithEntry(FIELD_FLOAT, "fld_zzz", [](MyDataStream& s) { s.putF64(1); }))}),
         "r.t3r: forms[0] (FrameworkSample): unknown field fld_zzz"},
        {fileOf({sampleFormWithFrame(frameWithEntry(FIELD_STRING, "fld_amount", text("12")))}),
         "r.t3r: forms[0] (FrameworkSample): field fld_amount is stored as text, expected amount"},
        {fileOf({sampleFormWithFrame(frameWithEntry(FIELD_STRING, "fld_name", text("12345678901")))}),
         "r.t3r: forms[0] (FrameworkSample): field fld_name: the text has 11 characters, more than the field's "
         "maximum of 10"},
        {fileOf({sampleFormWithFrame(frameWithEntry(FIELD_FLOAT, "fld_amount", [&](MyDataStream& s) { s.putF64(nan); }))}),
         "r.t3r: forms[0] (FrameworkSample): field fld_amount: the amount is not a finite number"},
        {fileOf({sampleFormWithFrame(frameWithEntry(FIELD_INT, "fld_answer", [](MyDataStream& s) { s.putU8(1); }))}),
         "r.t3r: forms[0] (FrameworkSample): unexpected end of form data at byte 16"},
        {fileOf({sampleFormWithFrame(frameWithEntry(FIELD_BOOL, "fld_flag", [](MyDataStream& s) { s.putU16(1); }))}),
         "r.t3r: forms[0] (FrameworkSample): unexpected bytes after the form's data"},
        {withExtraByte, "r.t3r: end of file: unexpected bytes after the end of the return"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readBinaryError(c.bytes), c.message);
}

TEST(ReturnBinary, EveryTruncationAndDamagedByteIsRefused)
{
    const std::string bytes = returnToBinary(sampleReturn(), cat());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const std::string message = readBinaryError(bytes.substr(0, i));
        ASSERT_NE(message, "(accepted)") << "length " << i;
        if (i >= 16) {
            EXPECT_NE(message.find("truncated"), std::string::npos) << message;
        }
        std::string damaged = bytes;
        damaged[i] = char(damaged[i] ^ 0x20);
        ASSERT_NE(readBinaryError(damaged), "(accepted)") << "byte " << i;
    }
}

TEST(ReturnBinary, DamageInsideAFormNamesThatForm)
{
    std::string bytes = returnToBinary(sampleReturn(), cat());
    const size_t second = bytes.find("TaxData_HostTyped");
    const size_t payload = bytes.find("TRS1", second) + MyDataStream::kFrameHeaderSize;
    bytes[payload + 6] ^= 0x01;
    EXPECT_EQ(readBinaryError(bytes), "r.t3r: forms[1] (HostTyped): form data is corrupt (checksum mismatch)");

    std::string trailer = returnToBinary(sampleReturn(), cat());
    trailer[trailer.size() - 1] ^= 0x01;
    EXPECT_EQ(readBinaryError(trailer), "r.t3r: end of file: the file is corrupt (checksum mismatch)");
}

TEST(ReturnFile, SavesAndLoadsByExtension)
{
    QTemporaryDir dir;
    const QString binary = dir.filePath("a.t3r"), text = dir.filePath("a.JSON");
    saveReturn(binary, sampleReturn(), cat());
    saveReturn(text, loadReturn(binary, cat()), cat());
    EXPECT_TRUE(contentsOf(binary).startsWith("T3RF"));
    EXPECT_TRUE(contentsOf(text).startsWith("{\n  \"trustella\": \"return\""));
    EXPECT_EQ(returnToJsonText(loadReturn(text, cat()), cat()), returnToJsonText(sampleReturn(), cat()));
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"a.JSON", "a.t3r"}));

    try {
        loadReturn(dir.filePath("a.txt"), cat());
        FAIL();
    } catch (const ReturnFileError& e) {
        EXPECT_EQ(e.what(), dir.filePath("a.txt").toStdString() +
                                ": unknown kind of return file (the name must end in .t3r or .json)");
    }
    EXPECT_THROW(loadReturn(dir.filePath("missing.t3r"), cat()), ReturnFileError);
}

TEST(ReturnFile, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.t3r");
    TaxReturn small;
    small.add(std::make_unique<TaxData_FrameworkSample>());
    saveReturn(path, small, cat());
    const QByteArray before = contentsOf(path);

    TaxReturn large = sampleReturn();
    for (int i = 0; i < 200; ++i)
        large.add(std::make_unique<TaxData_FrameworkSample>());
    // Let the system refuse to write more than the old file's size plus a little.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small_limit = saved;
    small_limit.rlim_cur = rlim_t(before.size() + 100);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small_limit), 0);
    std::string message;
    try {
        saveReturn(path, large, cat());
    } catch (const ReturnFileError& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(message.rfind(path.toStdString() + ": cannot save: ", 0), 0u) << message;
    EXPECT_EQ(contentsOf(path), before);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"r.t3r"});
    // The untouched file still loads.
    EXPECT_EQ(loadReturn(path, cat()).size(), 1);
}

TEST(ReturnFile, SavingIntoAMissingFolderFailsCleanly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/r.json");
    EXPECT_THROW(saveReturn(path, sampleReturn(), cat()), ReturnFileError);
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}
