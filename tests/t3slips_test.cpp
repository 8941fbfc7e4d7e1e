// T3 slips: the received slip's share and rate, the issued slip's derived
// boxes and its fill from Schedule 9, their messages, and their parts of the
// slip filing document.
#include "slips/t3_filinginfo.h"
#include "slips/t3slip.h"
#include "slips/t3slip_issuing.h"

#include "framework/slipcalc.h"
#include "host/copy_rules.h"
#include "schedules/sch9.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

std::vector<QString> texts(const std::list<CString>& messages)
{
    return {messages.begin(), messages.end()};
}

TEST(SlipT3, RateShareAndClampedPercentage)
{
    const struct {
        const char* currency;
        double rate, percent;
        double rateAfter, percentAfter, box21Share;
    } cases[] = {
        {"usd", 1.0, 50.0, 1.3698, 50.0, 684.9},
        {"USD", 0.0, 100.0, 1.3698, 100.0, 1369.8},
        {"USD", 1.25, 100.0, 1.25, 100.0, 1250.0},
        {" E U R ", 0.0, 100.0, 1.0, 100.0, 1000.0},
        {"EUR", 1.5, 10.0, 1.5, 10.0, 150.0},
        {"", 1.5, 100.0, 1.0, 100.0, 1000.0},
        {"cad", 2.0, 150.0, 1.0, 100.0, 1000.0},
        {"CAD", 1.0, -5.0, 1.0, 0.0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.currency);
        TaxData_Slip_T3 slip;
        slip.box_curcy_name = c.currency;
        slip.box_curcy_rate = c.rate;
        slip.box_percent = c.percent;
        slip.box_21 = 1000.0;
        slip.box_51 = 10.0;
        EXPECT_EQ(slip.Calculate02(), 0);
        EXPECT_NEAR(slip.box_curcy_rate, c.rateAfter, kTol);
        EXPECT_NEAR(slip.box_percent, c.percentAfter, kTol);
        EXPECT_NEAR(slip.box_21_percent, c.box21Share, kTol);
        EXPECT_NEAR(slip.box_51_percent, c.box21Share / 100.0, kTol);
    }
}

TEST(SlipT3, SharesGoToTheirSlipTotalsMembers)
{
    TaxData_Slip_T3 a, b;
    for (auto* slip : {&a, &b}) {
        slip->box_percent = 50.0;
        slip->box_24 = 200.0;
        slip->box_38 = 30.0;
        slip->box_42 = -8.0;
        slip->Calculate02();
    }
    STRU_SLIPDATA_CALCULATION totals;
    a.addToSlipTotals(totals);
    b.addToSlipTotals(totals);
    EXPECT_DOUBLE_EQ(totals[STRU_SLIPDATA_CALCULATION::FOREIGN_BUSINESS_INCOME], 200.0);
    EXPECT_DOUBLE_EQ(totals[15], 30.0);  // box 38, the return's line 90
    EXPECT_DOUBLE_EQ(totals[STRU_SLIPDATA_CALCULATION::COST_BASE_ADJUSTMENT], -8.0);
    EXPECT_TRUE(totals.present[STRU_SLIPDATA_CALCULATION::FOREIGN_NONBUSINESS_TAX_PAID]);
    EXPECT_FALSE(totals.present[16]);
}

TEST(SlipT3, Box49And50PairAndNewYearRate)
{
    TaxData_Slip_T3 slip;
    std::list<CString> messages;
    slip.box_49 = 0.01;
    EXPECT_EQ(slip.Validate(0, messages), 1);
    EXPECT_EQ(texts(messages), std::vector<QString>{"box 49 and 50 should both have an amount at the same time."});
    slip.box_50 = 0.009;
    messages.clear();
    EXPECT_EQ(slip.Validate(0, messages), 0);

    slip.box_curcy_rate = 1.1;
    slip.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM{});
    EXPECT_DOUBLE_EQ(slip.box_curcy_rate, 1.3698);
}

TEST(SlipT3Issuing, DerivedBoxesAndCaps)
{
    TaxData_Slip_T3_Issuing slip;
    slip.box_23 = 1000.0;
    slip.box_49 = 500.0;
    slip.box_21 = 300.0;
    slip.box_52 = 500.0;
    slip.box_37 = 200.0;
    slip.box_58 = 200.008;  // not above box 37 by the tolerance: kept
    slip.Calculate02();
    EXPECT_NEAR(slip.box_32, 1150.0, kTol);
    EXPECT_NEAR(slip.box_39, 103.84615, kTol);
    EXPECT_NEAR(slip.box_50, 690.0, kTol);
    EXPECT_NEAR(slip.box_51, 103.63662, kTol);
    EXPECT_NEAR(slip.box_52, 300.0, kTol);
    EXPECT_NEAR(slip.box_53, 0.0, kTol);
    EXPECT_NEAR(slip.box_58, 200.008, kTol);
    EXPECT_NEAR(slip.box_59, -0.008, kTol);
}

TEST(SlipT3Issuing, FillByPercentageFromSchedule9)
{
    TaxData_Sch9 sch9;
    sch9.fld_9211 = 100.0;
    sch9.fld_9213 = 50.0;
    sch9.fld_9362 = 10.0;
    sch9.fld_9231 = 400.0;
    sch9.fld_9381 = 7.0;
    sch9.fld_9551 = -20.0;
    sch9.fld_9513 = 3.0;
    TaxData_Slip_T3_Issuing slip;
    slip.box_bUsePcnt = true;
    slip.box_Pcnt = 25.0;
    slip.box_52 = 9.0;
    slip.autoFillByPcntFromSch9(&sch9);
    EXPECT_NEAR(slip.box_21, 75.0, kTol);  // (100 + 50) x 2 x 25%
    EXPECT_NEAR(slip.box_37, 5.0, kTol);
    EXPECT_NEAR(slip.box_23, 100.0, kTol);
    EXPECT_NEAR(slip.box_38, 1.75, kTol);
    EXPECT_NEAR(slip.box_42, -5.0, kTol);
    EXPECT_NEAR(slip.box_51, 0.75, kTol);
    EXPECT_NEAR(slip.box_52, 9.0, kTol);  // not a Schedule 9 row

    slip.box_Pcnt = 150.0;
    slip.autoFillByPcntFromSch9(&sch9);
    EXPECT_DOUBLE_EQ(slip.box_Pcnt, 100.0);
    EXPECT_NEAR(slip.box_21, 300.0, kTol);

    TaxData_Slip_T3_Issuing tiny, unset;
    tiny.box_bUsePcnt = true;
    tiny.box_Pcnt = 0.005;
    unset.box_Pcnt = 50.0;
    tiny.autoFillByPcntFromSch9(&sch9);
    unset.autoFillByPcntFromSch9(&sch9);
    EXPECT_DOUBLE_EQ(tiny.box_21, 0.0);
    EXPECT_DOUBLE_EQ(unset.box_21, 0.0);
}

TEST(SlipT3Issuing, RecipientMessagesInOrder)
{
    TaxData_Slip_T3_Issuing slip;
    std::list<CString> messages;
    EXPECT_EQ(slip.Validate(0, messages), 5);
    EXPECT_EQ(texts(messages), (std::vector<QString>{
                                   "Please answer Recepient type",
                                   "Recepient business/org. name in [Slip] is empty or invalid.",
                                   "Recepient SIN/BN in [Slip] is empty or invalid.",
                                   "Recepient address in [Slip] is empty or invalid.",
                                   "Recepient city in [Slip] is empty or invalid.",
                               }));
    slip.box_EntityType = TaxData_Slip_T3_Issuing::kIndividual;
    slip.box_name = " ";
    slip.box_id = "046454286";
    slip.box_addr = "1 Main St";
    slip.box_city = "Ottawa";
    messages.clear();
    EXPECT_EQ(slip.Validate(0, messages), 2);
    EXPECT_EQ(texts(messages), (std::vector<QString>{"Recepient first name in [Slip] is empty or invalid.",
                                                     "Recepient last name in [Slip] is empty or invalid."}));
}

TEST(SlipT3Issuing, SlipFilingObject)
{
    TaxData_Slip_T3_Issuing slip;
    slip.box_EntityType = TaxData_Slip_T3_Issuing::kIndividual;
    slip.box_name = "Ann";
    slip.box_lastname = "Lee";
    slip.box_id = "046454286";
    slip.box_21 = 1234.5;
    slip.box_22 = 0.008;
    slip.box_59 = -0.01;
    slip.box_38 = 140.0;
    json out = json::object();
    EXPECT_EQ(slip.fillSlipData(7, out), 0);
    std::vector<std::string> keys;
    for (auto it = out.begin(); it != out.end(); ++it)
        keys.push_back(it.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"tax_year", "box16", "box18", "financial", "otherFields", "address",
                                              "indiv_beneficiary", "sin"}));
    EXPECT_EQ(out["box18"], "7");
    EXPECT_EQ(out["financial"].dump(), R"({"box21":"1235","box23":"0","box26":"0","box30":"0","box32":"0",)"
                                       R"("box39":"0","box49":"0","box50":"0","box51":"0"})");
    EXPECT_EQ(out["otherFields"].dump(), R"([{"code":"38","amount":"140"},{"code":"59","amount":"0"}])");
    EXPECT_EQ(out["indiv_beneficiary"].dump(), R"({"last_name":"Lee","first_name":"Ann"})");

    slip.box_EntityType = TaxData_Slip_T3_Issuing::kEntity;
    json entity = json::object();
    slip.fillSlipData(1, entity);
    EXPECT_EQ(entity["entprs_beneficiary"].dump(), R"({"name":"Ann"})");
    EXPECT_EQ(entity["bn"], "046454286");
    EXPECT_FALSE(entity.contains("sin"));
}

TEST(SlipFilingInfo, MessagesAndTransmitter)
{
    TaxData_Slip_Issuing_FilingInfo info;
    std::list<CString> messages;
    EXPECT_EQ(info.Validate(0, messages), 6);
    EXPECT_EQ(texts(messages), (std::vector<QString>{
                                   "Please answer language option of the transmitter",
                                   "Please answer the country of transmitter",
                                   "Please answer the option of transmitter account number",
                                   "Transmitter name in [Filing Info. Slip] is empty or invalid.",
                                   "Transmitter phone in [Filing Info. Slip] is empty or invalid.",
                                   "Transmitter email in [Filing Info. Slip] is empty or invalid.",
                               }));
    info.box_AcctNumOption = TaxData_Slip_Issuing_FilingInfo::kRepresentativeId;
    messages.clear();
    info.Validate(0, messages);
    EXPECT_EQ(texts(messages).at(2), "Please answer the representative ID");

    json unanswered = json::object();
    info.box_AcctNumOption = -1;
    info.getTransmitterData(unanswered);
    EXPECT_EQ(unanswered.begin().key(), "lang_code");

    info.box_AcctNumOption = TaxData_Slip_Issuing_FilingInfo::kTrustAccount;
    info.box_lang = TaxData_Slip_Issuing_FilingInfo::kFrench;
    info.box_iCountry = 1;
    info.box_name = "Maple Trust Co.";
    info.box_ContactName = "Jo Roy";
    info.box_ContactPhone = "(613) 555-1234 x 77";
    info.box_ContactEmail = "jo@example.ca";
    json out = json::object();
    info.getTransmitterData(out);
    EXPECT_EQ(out.dump(), R"({"transmitter_type":"trust_acct","transmitter_number":"","lang_code":"F",)"
                          R"("transmitter":{"name_line1":"Maple Trust Co."},"transmitter_country":"CAN",)"
                          R"("contact":{"name":"Jo Roy","cntc_area_cd":"613","cntc_phn_nbr":"555-1234",)"
                          R"("cntc_extn_nbr":"77","email":"jo@example.ca"}})");
}

TEST(SlipT3Issuing, EveryFilledSlipShowsItsBoxesAsEngineFilled)
{
    TaxReturn ret;
    ret.add(std::make_unique<TaxData_Sch9>());
    auto* byHand = static_cast<TaxData_Slip_T3_Issuing*>(ret.add(std::make_unique<TaxData_Slip_T3_Issuing>()));
    auto* filled = static_cast<TaxData_Slip_T3_Issuing*>(ret.add(std::make_unique<TaxData_Slip_T3_Issuing>()));
    filled->box_bUsePcnt = true;
    EXPECT_TRUE(engineFilledFields(ret, *byHand).empty());
    const std::vector<EngineFilledField> fields = engineFilledFields(ret, *filled);
    ASSERT_EQ(fields.size(), 15u);
    EXPECT_EQ(fields.front().field, "box_21");
    EXPECT_EQ(fields.front().comesFrom, "Schedule 9 line 921 x 2 x the beneficiary's share");
    ret.remove(0);
    EXPECT_TRUE(engineFilledFields(ret, *filled).empty());
}

}  // namespace
