// Netfile field records: value formats, rounding, key order, table rows; and
// the line stream with its typed records.
#include "efile/netfile_records.h"
#include "framework/form.h"

#include <gtest/gtest.h>

#include <map>

#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace {

using Expected = std::optional<const char*>;  // nullopt: nothing written
constexpr std::nullopt_t kNone = std::nullopt;

struct AmountCase {
    double amount;
    Expected text;
};

Expected written(double amount, NetfileFormat format)
{
    NetfileRecordMap records;
    writeNetfileAmount(records, 1, amount, format);
    if (records.empty())
        return kNone;
    EXPECT_EQ(records.size(), 1u);
    static std::string keep;
    keep = records.begin()->second.toStdString();
    EXPECT_EQ(records.begin()->first, "01");
    return keep.c_str();
}

void expectFormat(NetfileFormat format, const std::vector<AmountCase>& cases)
{
    for (const AmountCase& c : cases) {
        const Expected got = written(c.amount, format);
        SCOPED_TRACE(testing::Message() << "amount " << c.amount);
        ASSERT_EQ(got.has_value(), c.text.has_value());
        if (got) {
            EXPECT_STREQ(*got, *c.text);
        }
    }
}

TEST(NetfileFormats, WholeDollarsRoundHalfAwayFromZeroAndSkipZero)
{
    expectFormat(NetfileFormat::W, {
        {2.5, "3"}, {-2.5, "-3"}, {0.5, "1"}, {-0.5, "-1"}, {1.49, "1"}, {-1.49, "-1"},
        {-0.6, "-1"}, {0.4, kNone}, {-0.4, kNone}, {0.005, kNone}, {0.009, kNone},
        {0.01, kNone}, {0.0, kNone}, {1234567.5, "1234568"}, {-98765.51, "-98766"},
        {12345678901.5, "12345678902"},
    });
}

TEST(NetfileFormats, CentsNudgedToTwoDecimals)
{
    expectFormat(NetfileFormat::C, {
        {12.5, "12.50"}, {-12, "-12.00"}, {1.005, "1.01"}, {-1.005, "-1.01"},
        {0.009, kNone}, {-0.009, kNone}, {0.005, kNone}, {0.0, kNone},
        {0.01, "0.01"}, {-0.01, "-0.01"}, {0.0091, "0.01"}, {2.675, "2.68"},
        {1234567.894, "1234567.89"}, {99.999, "100.00"},
    });
}

TEST(NetfileFormats, AtLeastOneDollarAlwaysWritten)
{
    expectFormat(NetfileFormat::M, {
        {0.0, "1"}, {-0.5, "1"}, {0.99999999, "1"}, {-0.99, "1"}, {0.4, "1"},
        {-3.2, "-3"}, {2.5, "3"}, {1.4, "1"}, {-1.5, "-2"}, {250.0, "250"},
    });
}

TEST(NetfileFormats, NonFiniteAmountsAreLeftOut)
{
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        EXPECT_FALSE(written(bad, NetfileFormat::W));
        EXPECT_FALSE(written(bad, NetfileFormat::C));
        EXPECT_STREQ(*written(bad, NetfileFormat::M), "1");
    }
}

// Yes/no answers 0 and 1 are written 1 and 2; a flag only when set; a text always.
TEST(NetfileFormats, AnswersFlagsAndTexts)
{
    NetfileRecordMap records;
    for (int stored : {-1, 2, -5})
        writeNetfileYesNo(records, 9005, stored);
    writeNetfileFlag(records, 67062, false);
    EXPECT_TRUE(records.empty());
    writeNetfileYesNo(records, 9005, 0);
    writeNetfileYesNo(records, 9006, 1);
    writeNetfileFlag(records, 67062, true);
    writeNetfileText(records, 66100, CString());
    writeNetfileText(records, 66550, CString("20240315"));
    const NetfileRecordMap expected = {{"9005", CString("1")}, {"9006", CString("2")}, {"66100", CString()},
                                       {"66550", CString("20240315")}, {"67062", CString("1")}};
    EXPECT_EQ(records, expected);
}

TEST(NetfileCodes, AtLeastTwoDigitsInNumericOrderWhateverTheWritingOrder)
{
    NetfileRecordMap records;
    for (int code : {101, 96, 10, 66100, 56, 9, 99, 1, 471})
        writeNetfileAmount(records, code, code, NetfileFormat::W);
    std::vector<std::string> keys;
    for (const auto& entry : records)
        keys.push_back(entry.first);
    EXPECT_EQ(keys, (std::vector<std::string>{"01", "09", "10", "56", "96", "99", "101", "471", "66100"}));
}

TEST(NetfileCodes, RewritingACodeReplacesItsValueAndAFailedValueKeepsIt)
{
    NetfileRecordMap records;
    writeNetfileAmount(records, 10, 5.0, NetfileFormat::W);
    writeNetfileAmount(records, 10, 7.25, NetfileFormat::C);
    writeNetfileAmount(records, 10, 0.0, NetfileFormat::C);  // nothing to write
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records["10"].toStdString(), "7.25");
}

class RecordsSample : public CTaxDataBase01 {
public:
    RecordsSample() : CTaxDataBase01(98) {}
    FLD(CFloatField, fld_a, Line("07", W));
    FLD(CFloatField, fld_8, Record(C));
    FLD(CFloatField, fld_c, Record(9, M));
    FLD(CFloatField, fld_3A, Line("3A"));
    FLD(CIntField, fld_q, Record(11, Y), -1, 0x10000);
    FLD(CBoolField, fld_12, Record(F));
    FLD(CFloatField, fld_plain);
};

TEST(NetfileRecords, DeclaredFieldsWriteUnderTheirCodesInTheirFormats)
{
    RecordsSample form;
    EXPECT_EQ(form.fld_8.netfileCode(), 8);
    EXPECT_STREQ(form.fld_3A.craLine(), "3A");
    EXPECT_EQ(form.fld_3A.netfileCode(), 0);
    form.fld_a = 10.5;
    form.fld_8 = 10.5;
    form.fld_3A = 33.0;
    form.fld_q = 1;
    form.fld_12 = true;
    form.fld_plain = 99.0;
    NetfileGenObjParamStruct ctx;
    form.WriteNetfile(0, &ctx);
    const std::map<std::string, std::string> expected = {
        {"07", "11"}, {"08", "10.50"}, {"09", "1"}, {"11", "2"}, {"12", "1"}};
    std::map<std::string, std::string> written;
    for (const auto& [code, value] : ctx.records)
        written[code] = value.toStdString();
    EXPECT_EQ(written, expected);
}

// ---- line stream

// What was printed to a temporary stream.
std::string contents(FILE* f)
{
    std::string text;
    std::rewind(f);
    char buf[512];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        text.append(buf, n);
    return text;
}

// Each value is printed rounded after its code of at least three digits; the
// typed record keeps the unrounded amount, the stored answer, the text cut to
// 128 bytes, and is replaced by a later value of the same code.
TEST(NetfileLineStream, PrintsEachValueAndKeepsItsTypedRecord)
{
    const std::string longText(200, 'x');
    for (const bool toFile : {true, false}) {
        SCOPED_TRACE(toFile);
        FILE* out = toFile ? std::tmpfile() : nullptr;
        NetfileTypedMap typed;
        NetfileLineStream stream(typed, out);
        stream.amount(103, 1234.5);
        stream.amount(3, 0.009);     // present: printed as 0
        stream.amount(4, 0.005);     // absent
        stream.amount(143, -2.5);
        stream.amount(5, -0.3);      // present, rounds to 0
        stream.amount(1000, 77.49);  // four digits printed in full
        stream.amount(129, 10.0);
        stream.amount(129, 20.0);
        stream.text(100, CString(""));
        stream.text(838, CString(longText + "y"));
        stream.text(821, CString("Réglement 402"));
        stream.flag(6, true);
        stream.flag(7, false);
        stream.choice(75, -1);
        stream.choice(75, 0);
        stream.choice(76, 2);
        if (out) {
            EXPECT_EQ(contents(out), "1031235\n0030\n143-3\n0050\n100077\n12910\n12920\n838" + longText +
                                         "y\n821Réglement 402\n0061\n0751\n0763\n");
            std::fclose(out);
        }
        std::vector<std::string> keys;
        for (const auto& e : typed)
            keys.push_back(e.first);
        EXPECT_EQ(keys, (std::vector<std::string>{"1000-1", "103-1", "129-1", "143-1", "3-1", "5-1", "6-1",
                                                  "75-1", "76-1", "821-1", "838-1"}));
        using T = STRUCT_NETFILE_TIA_FIELD_TYPE;
        EXPECT_EQ(typed.at("103-1").type, T::TYPE_DOUBLE);
        EXPECT_EQ(typed.at("103-1").dValue, 1234.5);
        EXPECT_EQ(typed.at("3-1").dValue, 0.009);
        EXPECT_EQ(typed.at("143-1").dValue, -2.5);
        EXPECT_EQ(typed.at("129-1").dValue, 20.0);
        const T& cut = typed.at("838-1");
        EXPECT_EQ(cut.type, T::TYPE_TEXT);
        EXPECT_EQ(std::string(cut.sValue, strnlen(cut.sValue, sizeof cut.sValue)), std::string(128, 'x'));
        EXPECT_STREQ(typed.at("821-1").sValue, "Réglement 402");
        EXPECT_EQ(typed.at("6-1").type, T::TYPE_INT);
        EXPECT_EQ(typed.at("6-1").iValue, 1);
        EXPECT_EQ(typed.at("75-1").type, T::TYPE_INT);
        EXPECT_EQ(typed.at("75-1").iValue, 0);  // the stored answer, not the printed one
        EXPECT_EQ(typed.at("76-1").iValue, 2);
    }
}

}  // namespace
