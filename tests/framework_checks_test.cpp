// Identifier checks, address validation, tax brackets, date texts, Netfile keys.
#include "framework/checks.h"
#include "framework/datetexts.h"
#include "framework/form.h"
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

// A form with one address group.
struct AddressForm : CTaxDataBase01 {
    AddressForm() : CTaxDataBase01(0) {}
    FLD(CStringField, fld_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_city, 0, "", 80, 0x10000);
    FLD(CIntField, fld_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_country, 0, 0, 0x10000);
    FLD(CStringField, fld_postcode, 0, "", 10, 0x10000);
    FLD(CStringField, fld_phone, 0, "", 15, 0x10000);
    AddressFields address{fld_addr, fld_city, fld_prov, fld_country, fld_postcode, fld_phone};
};

TEST(Addresses, EachFaultyPartAddsItsMessageAboutItsFieldInOrder)
{
    const int france = countryIndexFromIso3("FRA");
    ASSERT_GT(france, COUNTRY_USA);
    const struct {
        const char* what;
        const char* street;
        const char* city;
        int prov;
        int country;
        const char* postalCode;
        std::vector<std::string> messages;  // "text @field"
    } cases[] = {
        {"complete", "100 Main St", "Ottawa", PROV_ON, COUNTRY_CANADA, "K1A 0B1", {}},
        {"empty parts", "  ", "", PROV_NONE, COUNTRY_CANADA, "12345",
         {"Street address|x @fld_addr", "City|x @fld_city", "Province|x @fld_prov", "Postal code|x @fld_postcode"}},
        {"code of another province", "1 Rue", "Montréal", PROV_ON, COUNTRY_CANADA, "H3Z 2Y7",
         {"Postal code|x @fld_postcode"}},
        {"province without country", "1 Main", "Regina", PROV_SK, COUNTRY_NOT_CHOSEN, "S4P 3Y2", {}},
        {"neither", "1 Main", "Regina", PROV_NONE, COUNTRY_NOT_CHOSEN, "", {"Country|x @fld_country"}},
        {"foreign", "5 rue de Rivoli", "Paris", PROV_NONE, france, "75001", {}},
        {"bad zip", "5 Elm", "Boston", PROV_NONE, COUNTRY_USA, "0211", {"Postal code|x @fld_postcode"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AddressForm form;
        form.fld_addr = c.street;
        form.fld_city = c.city;
        form.fld_prov = c.prov;
        form.fld_country = c.country;
        form.fld_postcode = c.postalCode;
        std::list<CString> messages{CString("earlier message")};
        EXPECT_EQ(validateAddr2(form.address, "%s|%s", "x", messages), int(c.messages.size()));
        EXPECT_EQ(messages.front(), QStringLiteral("earlier message"));
        messages.pop_front();
        std::vector<std::string> got;
        for (const CString& m : messages)
            got.push_back(m.utf8() + " @" + (m.subject() ? m.subject() : ""));
        EXPECT_EQ(got, c.messages);
    }
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
