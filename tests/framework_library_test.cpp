// Industry codes, the resource collection, amount texts and JSON helpers.
#include "framework/field.h"
#include "framework/jsonhelpers.h"
#include "framework/libfederal.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Order matters here: the first test must run before anything reads the
// resource list, so these are one test.
TEST(IndustryCodes, BuiltInTableFirstThenTheResourceReadOnce)
{
    const int before = naicsResourceReadCount();
    EXPECT_TRUE(CheckNAICS(CString("541110")));
    EXPECT_TRUE(CheckNAICS(CString("454390")));
    EXPECT_EQ(naicsResourceReadCount(), before) << "a built-in code must not read the resource";

    EXPECT_TRUE(CheckNAICS(CString("111110")));   // in the built-in table too
    EXPECT_FALSE(CheckOldNAICS("221111"));        // hydro-electric power: only in the list
    EXPECT_TRUE(CheckNAICS(CString("221111")));
    EXPECT_LE(naicsResourceReadCount(), before + 1);
    const int afterFirst = naicsResourceReadCount();
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(CheckNAICS(CString("221111")));
        EXPECT_FALSE(CheckNAICS(CString("999999")));
        EXPECT_FALSE(CheckNAICS(CString("")));
    }
    EXPECT_EQ(naicsResourceReadCount(), afterFirst);
    EXPECT_EQ(afterFirst, 1);
    EXPECT_TRUE(CheckOldNAICS("523999"));
    EXPECT_FALSE(CheckOldNAICS("52399"));
    EXPECT_FALSE(CheckOldNAICS(nullptr));
}

TEST(Resources, CollectionHoldsTheCodeListAndTheIcon)
{
    QFile list(QStringLiteral(":/misc/res/NAICS-2018.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readLine().startsWith("CODE\tENGLISH_TITLE\tFRENCH_TITLE"));
    QFile icon(QStringLiteral(":/misc/res/csv_4195.ico"));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    const QByteArray head = icon.read(4);
    EXPECT_EQ(head, QByteArray("\x00\x00\x01\x00", 4));
}

TEST(AmountText, ExactlyTwoDecimals)
{
    QString s;
    toAmountString(1234.5, s);
    EXPECT_EQ(s, QStringLiteral("1234.50"));
    toAmountString(-0.004, s);
    EXPECT_EQ(s, QStringLiteral("-0.00"));
    toAmountString(0, s);
    EXPECT_EQ(s, QStringLiteral("0.00"));
}

TEST(JsonHelpers, AmountFormatsRoundHalfAwayFromZero)
{
    CFloatField f(0.0, 0);
    json j;
    f = 12.5;
    JsonFloatField(j, "w", f, 0);
    JsonFloatField(j, "c", f, 2);
    JsonFloatField(j, "t", f, 101);
    f = -2.5;
    JsonFloatField(j, "neg", f, 0);
    JsonFloatFieldAsInt(j, "int", f, 0);
    f = 1.005;
    JsonFloatField(j, "nudge", f, 101);
    EXPECT_EQ(j.dump(), R"({"w":13,"c":12.5,"t":"12.50","neg":-3,"int":-3,"nudge":"1.01"})");
}

TEST(JsonHelpers, AddressesInBothModes)
{
    json a, b;
    fillJsonAddr(a, 0, CString(" 100 Main St "), CString("Ottawa"), 9, CString("k1a 0b1"), 1);
    EXPECT_EQ(a.dump(),
              R"({"streetAddress":"100 Main St","city":"Ottawa","province":"ON","postalCode":"K1A 0B1","country":"CAN"})");
    fillJsonAddr(b, 1, CString("1 Elm"), CString("Boston"), 0, CString("02110"), 2);
    EXPECT_EQ(b.dump(),
              R"({"addr_l1_txt":"1 Elm","cty_nm":"Boston","prov_cd":"","cntry_cd":"USA","pstl_cd":"02110"})");
}

TEST(JsonHelpers, PhonesAndRecordMaps)
{
    EXPECT_EQ(GetRawPhoneStr(CString("(613)-5551234"), true), QStringLiteral("6135551234"));
    EXPECT_FALSE(ChkPhoneStrHasSomething(CString("(000)-0000000")));
    EXPECT_TRUE(ChkPhoneStrHasSomething(CString("(613)-5551234")));
    json p, q;
    fillJsonPhone(p, CString("6135551234"), 0);
    EXPECT_EQ(p.dump(), R"({"phoneAreaCode":"613","phoneNumber":"5551234"})");
    fillJsonPhone(q, CString("613555123499"), 101);
    EXPECT_EQ(q.dump(), R"({"cntc_area_cd":"613","cntc_phn_nbr":"555-1234","cntc_extn_nbr":"99"})");

    NetfileRecordMap m;
    m["10"] = CString("12.50");
    m["09"] = CString("7");
    m["101"] = CString("abc");
    json r;
    convertNumStrMapToOrderedJson(m, r);
    EXPECT_EQ(r.dump(), R"({"09":7,"10":12.5,"101":"abc"})");
}

}  // namespace
