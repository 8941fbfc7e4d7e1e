// Identifier checks, address validation, tax brackets, date texts, Netfile keys.
#include "framework/checks.h"
#include "framework/datetexts.h"
#include "framework/geo_tables.h"
#include "framework/netfile.h"
#include "framework/taxstairs.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(Division, ZeroDivisorGivesTheFallback)
{
    EXPECT_DOUBLE_EQ(div(10.0, 4.0, 0.0), 2.5);
    EXPECT_DOUBLE_EQ(div(10.0, 0.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(div(10.0, 0.0, -1.0), -1.0);
}

TEST(Identifiers, SinTrustAndBusinessNumbersAndElectronicFileCharacters)
{
    const auto sin = [](const char* t) { return CheckSIN(CString(t)); };
    const auto trust = [](const char* t) { return CheckTrustNumber(CString(t), nullptr); };
    const auto business = [](const char* t) { return CheckBusiNum(CString(t)); };
    const auto efileText = [](const char* t) { return CheckT2ValidChar(CString(t)); };
    const struct {
        std::function<bool(const char*)> check;
        const char* text;
        bool valid;
    } cases[] = {
        {sin, "046454286", false},  // Luhn-valid but starts with 0
        {sin, "130692544", true},   {sin, "130 692 544", true}, {sin, "130-692-544", true},
        {sin, "130692545", false},  {sin, "13069254", false},   {sin, "1306925440", false},
        {sin, "13069254A", false},  {sin, "", false},
        {sin, "812345675", false},  // 8 is for business numbers
        {trust, "T12345678", true}, {trust, "T1234567", false},  {trust, "T123456789", false},
        {trust, "t12345678", false}, {trust, "X12345678", false}, {trust, "T1234567A", false},
        {trust, "", false},          {trust, " T12345678", false},
        {business, "130692544", true},       {business, "130692544RT0001", true},
        {business, "130692544rt0001", true}, {business, "130692545RT0001", false},
        {business, "130692544RT001", false}, {business, "000000000", false},
        {efileText, "Cert. #12-A (Québec), O'Neil & Sons/Co", true}, {efileText, "", true},
        {efileText, "50% share", false},                             {efileText, "a<b", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.check(c.text), c.valid) << c.text;
    CString why;
    EXPECT_FALSE(CheckTrustNumber(CString("X12345678"), &why));
    EXPECT_EQ(why, QStringLiteral("a trust number starts with 'T'"));
}

TEST(PostalCodes, ProvinceFromTheFirstLetter)
{
    const std::pair<const char*, int> cases[] = {
        {"K1A 0B1", PROV_ON}, {"h3z2y7", PROV_QC}, {"X0A 0H0", PROV_NU}, {"X1A 2P7", PROV_NT},
        {"V6B 4Y8", PROV_BC}, {"A1C 5M2", PROV_NL}, {"D1A 1A1", PROV_NONE} /* D is never used */,
        {"K1A 0B", PROV_NONE}, {"", PROV_NONE}};
    for (const auto& [code, prov] : cases)
        EXPECT_EQ(CPostCodeInfo::GetInstance()->ProvFromPostCode(CString(code)), prov) << code;
}

TEST(Addresses, ACompleteCanadianAddressPasses)
{
    std::list<CString> msgs;
    EXPECT_EQ(validateAddr2(CString("100 Main St"), CString("Ottawa"), PROV_ON, COUNTRY_CANADA, CString("K1A 0B1"),
                            "%s in [%s] is empty or invalid.", "individual trustee address", msgs),
              0);
    EXPECT_TRUE(msgs.empty());
}

TEST(Addresses, EachFaultyPartAddsItsMessageInOrder)
{
    std::list<CString> msgs{CString("earlier message")};
    const int n = validateAddr2(CString("  "), CString(""), PROV_NONE, COUNTRY_CANADA, CString("12345"),
                                "%s in [%s] is empty or invalid.", "non-individual trustee address", msgs);
    ASSERT_EQ(n, 4);
    std::vector<CString> got(msgs.begin(), msgs.end());
    EXPECT_EQ(got[0], QStringLiteral("earlier message"));
    EXPECT_EQ(got[1], QStringLiteral("Street address in [non-individual trustee address] is empty or invalid."));
    EXPECT_EQ(got[2], QStringLiteral("City in [non-individual trustee address] is empty or invalid."));
    EXPECT_EQ(got[3], QStringLiteral("Province in [non-individual trustee address] is empty or invalid."));
    EXPECT_EQ(got[4], QStringLiteral("Postal code in [non-individual trustee address] is empty or invalid."));
}

TEST(Addresses, PostalCodeMustMatchTheProvince)
{
    std::list<CString> msgs;
    EXPECT_EQ(validateAddr2(CString("1 Rue"), CString("Montréal"), PROV_ON, COUNTRY_CANADA, CString("H3Z 2Y7"), "%s|%s",
                            "x", msgs),
              1);
    EXPECT_EQ(msgs.front(), QStringLiteral("Postal code|x"));
}

TEST(Addresses, CountryLeftEmptyWithAProvinceCountsAsCanada)
{
    std::list<CString> msgs;
    EXPECT_EQ(validateAddr2(CString("1 Main"), CString("Regina"), PROV_SK, COUNTRY_NOT_CHOSEN, CString("S4P 3Y2"),
                            "%s|%s", "x", msgs),
              0);
    EXPECT_EQ(validateAddr2(CString("1 Main"), CString("Regina"), PROV_NONE, COUNTRY_NOT_CHOSEN, CString(""),
                            "%s|%s", "x", msgs),
              1);
    EXPECT_EQ(msgs.back(), QStringLiteral("Country|x"));
}

TEST(Addresses, ForeignAddressesNeedNoProvince)
{
    std::list<CString> msgs;
    const int fr = countryIndexFromIso3("FRA");
    ASSERT_GT(fr, 2);
    EXPECT_EQ(validateAddr2(CString("5 rue de Rivoli"), CString("Paris"), PROV_NONE, fr, CString("75001"), "%s|%s",
                            "x", msgs),
              0);
    EXPECT_EQ(validateAddr2(CString("5 Elm"), CString("Boston"), PROV_NONE, COUNTRY_USA, CString("0211"), "%s|%s",
                            "x", msgs),
              1);
}

TEST(Tables, RowsSitAtTheirCodesAndProvincesAreTold)
{
    EXPECT_STREQ(Global_Provs_Info[PROV_QC].abbr, "QC");
    EXPECT_STREQ(Global_Countries_Info[COUNTRY_USA].iso3, "USA");
    for (int i = 0; i < Global_Countries_Count; ++i)
        EXPECT_EQ(Global_Countries_Info[i].index, i);
    for (int p : {PROV_AB, PROV_NL_OFFSHORE})
        EXPECT_TRUE(isCanProv(p)) << p;
    for (int p : {PROV_NONE, PROV_MULTIPLE, PROV_OUTSIDE_CANADA})
        EXPECT_FALSE(isCanProv(p)) << p;
}

TEST(TaxStairs, LevelChosenForIncomesAroundThresholds)
{
    STRUCT_TAX_STAIRS_JURISDICTION t;
    double th = -1, rate = -1, base = -1;
    EXPECT_EQ(t.CalcAlgoForSetFieldsToCalcTax(100, &th, &rate, &base), -1);
    EXPECT_EQ(base, 0.0);
    t.addLevel(0, 0.15, 0);
    t.addLevel(55867, 0.205, 8380.05);
    t.addLevel(111733, 0.26, 19832.58);
    EXPECT_EQ(t.CalcAlgoForSetFieldsToCalcTax(-5, &th, &rate, &base), 0);
    EXPECT_EQ(t.CalcAlgoForSetFieldsToCalcTax(55867, &th, &rate, &base), 0);
    EXPECT_EQ(t.CalcAlgoForSetFieldsToCalcTax(55867.01, &th, &rate, &base), 1);
    EXPECT_EQ(th, 55867.0);
    EXPECT_EQ(rate, 0.205);
    EXPECT_EQ(base, 8380.05);
    EXPECT_EQ(t.CalcAlgoForSetFieldsToCalcTax(1e9, &th, &rate, &base), 2);
}

TEST(DateTexts, FormatsByNumber)
{
    const QDate d(2024, 3, 5);
    EXPECT_EQ(GetDateStr(d, 0), QStringLiteral("03/05/2024"));
    EXPECT_EQ(GetDateStr(d, 1), QStringLiteral("20240305"));
    EXPECT_EQ(GetDateStr(d, 2), QStringLiteral("2024-03-05"));
    EXPECT_EQ(GetDateStr(QDate(), 2), QString());
    CString out;
    FormatQDate(out, d, 18);
    EXPECT_EQ(out, QStringLiteral("20240305"));
    FormatQDate(out, d, 19);
    EXPECT_EQ(out, QStringLiteral("2024-03-05"));
    EXPECT_EQ(ReadDateStr(CString("12/31/2025")), QDate(2025, 12, 31));
    EXPECT_FALSE(ReadDateStr(CString("31/12/2025")).isValid());
}

TEST(DateTexts, CurrentTimeFollowsTheTestClock)
{
    setCurrentDateTimeForTesting(QDateTime(QDate(2025, 4, 30), QTime(9, 8, 7)));
    EXPECT_EQ(GetCurTime(0), QStringLiteral("2025-04-30 09:08:07"));
    EXPECT_EQ(GetCurTime(1), QStringLiteral("20250430090807"));
    setCurrentDateTimeForTesting(QDateTime());
    EXPECT_GE(CurrentDateTime().date().year(), 2024);
}

TEST(NetfileKeys, TypedRecordKeysAndIntValues)
{
    NetfileTypedMap m;
    addIntValue(m, 75, 2, 1);
    ASSERT_EQ(m.count("75-1"), 1u);
    EXPECT_EQ(m["75-1"].type, 0);
    EXPECT_EQ(m["75-1"].iValue, 2);
    EXPECT_EQ(sizeof(STRUCT_NETFILE_TIA_FIELD_TYPE), 136u);
}

}  // namespace
