// The received information slips: their own calculations on the cent, their
// messages in order, the slip totals members each feeds, and the texts the
// T4NR and plain-text slips give for an attached document.
#include "framework/datastream.h"
#include "framework/slipcalc.h"
#include "slips/slip_t4a.h"
#include "slips/slip_t4ap.h"
#include "slips/slip_t4nr.h"
#include "slips/slip_t4rif.h"
#include "slips/slip_t5.h"
#include "slips/slip_t5013.h"
#include "slips/slip_textplain.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

std::vector<std::string> texts(const std::list<CString>& messages)
{
    std::vector<std::string> out;
    for (const CString& m : messages)
        out.push_back(m.utf8());
    return out;
}

TEST(SlipT4AP, FloorsCapsAndTotalsItsBoxes)
{
    const struct {
        double box15, box21, box23;
        double total, months21, months23;
    } cases[] = {
        {100.0, 14.0, 15.0, 1300.0, 12.0, 12.0},
        {-50.0, -1.0, -3.0, 1200.0, 0.0, -3.0},  // box 23 is only capped
        {0.01, 12.0, 12.0, 1200.01, 12.0, 12.0},
    };
    for (const auto& c : cases) {
        CSlipData_T4AP s;
        s.box_14 = 1000.0, s.box_16 = 200.0, s.box_15 = c.box15, s.box_21 = c.box21, s.box_23 = c.box23;
        s.box_20 = 99.0, s.box_overwrite_20 = true;
        s.Calculate02();
        EXPECT_NEAR(s.box_20, c.total, kTol);
        EXPECT_EQ(s.box_21.value(), c.months21);
        EXPECT_EQ(s.box_23.value(), c.months23);
    }
}

TEST(SlipT4AP, MessagesAndWarningsInOrder)
{
    CSlipData_T4AP s;
    s.box_21 = 3.0, s.box_23 = 4.0;
    std::list<CString> messages;
    EXPECT_EQ(s.Validate(0, messages), 3);
    EXPECT_EQ(texts(messages),
              (std::vector<std::string>{
                  "Please specify the T4A(P) slip is from CPP or QPP benefit.",
                  "The number of months in box 21 on T4A(P) slip is not needed since no disability benefit is entered.",
                  "The number of months in box 23 on T4A(P) slip is not needed since no retirement benefit is entered."}));
    EXPECT_STREQ(messages.front().subject(), "box_IsCPP");

    CSlipData_T4AP w;
    w.box_14 = 100.0, w.box_16 = 100.0;
    std::list<CString> warnings;
    EXPECT_EQ(w.Warning(warnings), 2);
    EXPECT_EQ(texts(warnings), (std::vector<std::string>{"IDS_WARNING_T1_F114_NOMONTH_BOX21",
                                                         "IDS_WARNING_T1_F114_NOMONTH_BOX23"}));
    w.box_21 = 5.0, w.box_23 = 6.96;  // 11.96 + 0.05 makes 12 months: no warning
    warnings.clear();
    EXPECT_EQ(w.Warning(warnings), 0);
}

TEST(SlipT5, CurrencyRateAndTheTrustsShare)
{
    const struct {
        const char* currency;
        double rate, percent, expectedRate, share10;
    } cases[] = {
        {"", 2.0, 50.0, 1.0, 500.0},
        {" cad ", 0.0, 100.0, 1.0, 1000.0},
        {"USD", 0.0, 100.0, 1.3698, 1369.8},
        {"USD", 1.008, 100.0, 1.3698, 1369.8},
        {"USD", 1.35, 100.0, 1.35, 1350.0},
        {"EUR", 0.005, 150.0, 1.0, 1000.0},  // percent held at 100
        {"EUR", 1.5, -10.0, 1.5, 0.0},
    };
    for (const auto& c : cases) {
        TaxData_Slip_T5 s;
        s.box_curcy_name = c.currency, s.box_curcy_rate = c.rate, s.box_percent = c.percent;
        s.box_10 = 1000.0;
        s.Calculate02();
        EXPECT_NEAR(s.box_curcy_rate, c.expectedRate, kTol) << c.currency << " " << c.rate;
        EXPECT_NEAR(s.share(10), c.share10, kTol) << c.currency << " " << c.rate;
    }
}

TEST(SlipT5, InterestIsTheSumOfItsFourBoxesAndOnlyBox19MayBeNegative)
{
    TaxData_Slip_T5 s;
    s.box_percent = 40.0;
    s.box_9909 = 100.0, s.box_9910 = 50.25, s.box_9911 = -30.0, s.box_9912 = 10.0;
    s.box_14 = -5.0, s.box_19 = -20.0, s.box_13 = 999.0;
    s.Calculate02();
    EXPECT_NEAR(s.box_13, 160.25, kTol);
    EXPECT_NEAR(s.share(13), 64.1, kTol);
    EXPECT_EQ(s.box_14.value(), 0.0);
    EXPECT_NEAR(s.share(19), -8.0, kTol);
}

TEST(SlipT5, PairedBoxesMessages)
{
    TaxData_Slip_T5 s;
    s.box_11 = 138.0, s.box_24 = 100.0, s.box_25 = 138.0;
    std::list<CString> messages;
    EXPECT_EQ(s.Validate(0, messages), 1);
    EXPECT_EQ(texts(messages), (std::vector<std::string>{"box 10 and 11 should both have an amount at the same time."}));
    EXPECT_STREQ(messages.front().subject(), "box_10");
    s.box_25 = 0.0;
    messages.clear();
    s.Validate(0, messages);
    EXPECT_EQ(texts(messages).back(), "box 24 and 25 should both have an amount at the same time.");
}

TEST(SlipT5013, PartnerShareAndOwnershipMessage)
{
    TaxData_Slip_T5013 partner;
    partner.box_name = "Maple LP", partner.box_percent = 30.0, partner.box_151 = 5000.0;
    partner.m_confirmationCode = "ABC";
    TaxData_Slip_T5013 s(kSlipIssuedByTrust);
    EXPECT_EQ(s.slipFrom(), kSlipReceivedByTrust);
    EXPECT_EQ(s.SyncSharedData(&partner), 0);
    EXPECT_EQ(s.box_percent.value(), 70.0);
    EXPECT_EQ(s.box_151.value(), 5000.0);
    EXPECT_EQ(s.slipParty(), QStringLiteral("Maple LP"));
    EXPECT_EQ(s.m_confirmationCode, QStringLiteral("ABC"));

    s.box_108 = -4.0, s.box_percent = 0.005;
    s.Calculate02();
    EXPECT_EQ(s.box_108.value(), 0.0);
    std::list<CString> messages;
    EXPECT_EQ(s.Validate(0, messages), 1);
    EXPECT_EQ(messages.front().utf8(), "ownership percentage is zero");
}

// Every slip's boxes reach the members of the slip totals the return reads.
TEST(ReceivedSlips, EachFeedsItsSlipTotalsMembers)
{
    TaxData_Slip_T4A t4a;
    t4a.box_22 = 150.0, t4a.box_16 = 1000.0;
    CSlipData_T4AP t4ap;
    t4ap.box_22 = 20.5;
    TaxData_Slip_T4RIF t4rif;
    t4rif.box_28 = 300.0, t4rif.box_22 = 7.0;
    TaxData_Slip_T5 t5;
    t5.box_curcy_name = "USD", t5.box_curcy_rate = 1.25, t5.box_percent = 50.0;
    t5.box_10 = 100.0, t5.box_11 = 200.0, t5.box_12 = 300.0, t5.box_9909 = 400.0, t5.box_14 = 500.0;
    t5.box_15 = 600.0, t5.box_16 = 700.0, t5.box_17 = 800.0, t5.box_18 = 900.0, t5.box_19 = 1000.0;
    t5.box_24 = 1100.0, t5.box_25 = 1200.0, t5.box_26 = 1300.0;
    TaxData_Slip_T5013 t5013;
    t5013.box_151 = 4000.0, t5013.box_percent = 25.0;
    TaxData_Slip_T4NR t4nr;
    t4nr.fld_22 = 50.0;
    TaxData_Slip_TextPlain text;
    const std::vector<CSlipTaxDataBase01*> slips{&t4a, &t4ap, &t4rif, &t5, &t5013, &t4nr, &text};

    STRU_SLIPDATA_CALCULATION totals;
    for (CSlipTaxDataBase01* slip : slips) {
        slip->Calculate02();
        slip->addToSlipTotals(totals);
    }
    const std::map<int, double> expected{{19, 62.5},   {20, 125.0},  {21, 187.5},  {22, 250.0},  {24, 312.5},
                                         {25, 500.0},  {26, 562.5},  {27, 625.0},  {28, 687.5},  {29, 750.0},
                                         {30, 812.5},  {31, 1000.0}, {32, 470.5},  {36, 375.0},  {37, 437.5}};
    for (int m = 0; m < STRU_SLIPDATA_CALCULATION::kSize; ++m) {
        const auto it = expected.find(m);
        EXPECT_EQ(totals.present[size_t(m)], it != expected.end()) << "member " << m;
        EXPECT_NEAR(totals[m], it != expected.end() ? it->second : 0.0, kTol) << "member " << m;
    }
}

TEST(SlipT4A, WorkingAmountsClearedAndBox124Floored)
{
    TaxData_Slip_T4A s;
    s.box_ws_28_6811 = 5.0, s.box_ws_28_6810 = 6.0, s.box_124 = -1.0, s.box_28 = -2.0;
    s.Calculate02();
    EXPECT_EQ(s.box_ws_28_6811.value(), 0.0);
    EXPECT_EQ(s.box_ws_28_6810.value(), 0.0);
    EXPECT_EQ(s.box_124.value(), 0.0);
    EXPECT_EQ(s.box_28.value(), -2.0);
    CString name;
    EXPECT_FALSE(s.GetDisplayName(name));
    s.box_title = " ";
    ASSERT_TRUE(s.GetDisplayName(name));  // one character is enough on a T4A
    EXPECT_EQ(name, QStringLiteral(" "));
}

TEST(SlipT4NR, AttachedDocumentTextCutsTheDays)
{
    TaxData_Slip_T4NR s;
    s.fld_18 = 1234.5, s.fld_22 = 308.6, s.fld_26 = 120.6;
    s.fld_country = "France", s.fld_address = "  ", s.fld_FreeText = "not printed";
    CString text;
    std::map<CString, CString> unused;
    EXPECT_EQ(s.getSlipContentForAttachDoc(text, unused), 0);
    EXPECT_EQ(text.utf8(), "gross income 1234.50 \nincome tax deducted 308.60 \nDays in Canada 120 \n"
                           "Country of residence: France\n");
}

TEST(SlipTextPlain, DocumentTypeContentAndItsSecondStoredCopy)
{
    TaxData_Slip_TextPlain s;
    CString name, id;
    ASSERT_TRUE(s.GetDocName(name));
    ASSERT_TRUE(s.GetDocID(id));
    EXPECT_EQ(name, QString::fromUtf8(Global_DocTypes_Info[0].docName));
    EXPECT_EQ(id, QString::fromUtf8(Global_DocTypes_Info[0].docId));
    s.fld_iDocType = 1;
    s.fld_content = "Receipt from the trustee";

    MyDataStream out = MyDataStream::forStoring();
    ASSERT_EQ(s.Serialize(out.version(), CString(), out), 0);
    TaxData_Slip_TextPlain back;
    MyDataStream in = MyDataStream::forLoading(out.finish());
    ASSERT_EQ(back.Serialize(in.version(), CString(), in), 0);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(back.fld_content.value(), QStringLiteral("Receipt from the trustee"));
    EXPECT_EQ(back.fld_iDocType.value(), 1);
}

}  // namespace
