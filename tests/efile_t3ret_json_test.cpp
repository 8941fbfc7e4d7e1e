// The T3 return's parts of the JSON filing document: key order of a full
// sample, and the keys that depend on the answers.
#include "framework/jsonhelpers.h"
#include "returns/t3ret.h"

#include <gtest/gtest.h>

namespace {

using T = TaxData_T3Ret;

// A non-individual trustee with a separate mailing address, an other-type
// trust (code 338) that files its final return for a December 15 year end.
void fillFullSample(T& r)
{
    r.fld_first_year = 1;
    r.fld_year_last = "2023";
    r.fld_ws_bSection216 = 2;
    r.fld_trust_icountry = 1;
    r.fld_trust_iprov = 9;
    r.fld_trust_name = "  Maple Family Trust ";
    r.fld_trust_num = "T12345678";
    r.fld_bTrusteeIsPerson = 1;
    r.fld_trustee_orgname = "Northern Trust Co.";
    r.fld_trustee_fname = "Anne";
    r.fld_trustee_lname = "Roy";
    r.fld_trustee_phone = "(416)-5550123";
    r.fld_trustee_addr = "100 King St W";
    r.fld_trustee_city = "Toronto";
    r.fld_trustee_prov = 9;
    r.fld_trustee_postcode = "m5x 1a9";
    r.fld_trustee_country = 1;
    r.fld_indv_fname = "Zed";  // not an individual trustee: ignored
    r.fld_bSameMailAddr = false;
    r.fld_mail_careof = "Legal Dept";
    r.fld_mail_addr = "PO Box 5";
    r.fld_mail_city = "Ottawa";
    r.fld_mail_iprov = 9;
    r.fld_mail_postcode = "K1A 0B1";
    r.fld_mail_icountry = 1;
    r.fld_is_aboriginal = 0;
    r.fld_settlement_num = "123";
    r.fld_business_prov_1 = 2;
    r.fld_became_date = QDate(2020, 5, 1);
    r.fld_is_deemed = 0;
    r.fld_other_icountry = 2;
    r.fld_lang = 1;
    r.fld_ws_othertype = true;
    r.fld_trust_code = "338";
    r.fld_trust_create_date = QDate(2010, 3, 15);
    r.fld_decease_date1 = QDate(2009, 12, 1);
    r.fld_decease_sin1 = "046454286";
    r.fld_iNonProfit = 0;
    r.fld_nonprofit_bn = "123456789RR0001";
    r.fld_start_date = QDate(2024, 1, 1);
    r.fld_end_date = QDate(2024, 12, 15);
    r.fld_is_final = 0;
    r.fld_trust_wound_date = QDate(2024, 12, 15);
    r.fld_T1135_flag = 1;
    r.fld_RefCode = 1;
    r.m_siftMutualFundTrust = true;
    r.fld_q_sect94 = 1;
    r.fld_year_sect94 = "2019";  // no key of its own
    r.fld_q_pay_bnf = 0;
    r.fld_q_other_cash = 1;
    r.fld_q_change_bnf = 0;
    r.fld_q_bnf_die = 0;
    r.fld_bnf_death_date = QDate(2024, 6, 30);
    r.fld_q_borrow_nonarm = 0;
    r.fld_year_borrow_nonarm = "2022";
    r.fld_q_chg_1984 = 1;
    r.fld_year_chg_1984 = "1999";  // answered No: not written
    r.fld_q_hold_shares = 0;
    r.fld_q_recv_prop = 0;
    r.fld_year_recv_prop = "2021";
    r.fld_q_public = 1;
    r.fld_q_ifrs = 1;
    r.fld_q_loss_event = 0;
    r.fld_date_loss_event = QDate(2024, 3, 1);
    r.fld_q_parag150 = 1;
    r.fld_q_RqrdHoldFund = 0;
    r.fld_q_17 = 1;
    r.fld_q_18 = -1;
    r.fld_q_19 = 0;
    r.fld_cert_name = "Jean Tremblay";
    r.fld_cert_pos = "Trustee officer";
}

json returnDocument(T& r)
{
    json doc = json::object();
    EXPECT_EQ(r.writeJsonHeader(doc), 0);
    EXPECT_EQ(r.writeJsonMainPart1(doc), 0);
    return doc;
}

json issuerData(T& r)
{
    json doc = json::object();
    EXPECT_EQ(r.getIssuingSlipEntityData(doc), 0);
    return doc;
}

std::vector<std::string> keysOf(const json& obj)
{
    std::vector<std::string> keys;
    for (auto it = obj.begin(); it != obj.end(); ++it)
        keys.push_back(it.key());
    return keys;
}

TEST(T3RetJson, FullSampleKeysValuesAndOrder)
{
    T r;
    fillFullSample(r);
    const json expected = json::parse(R"({
      "firstTimeFilerIndicator": false,
      "section216Indicator": true,
      "section216Type": "SECTION216_4",
      "trustIdentification": {
        "trustIdentifier": {"countryOfResidence": "CAN", "provinceOfResidence": "ON",
                            "trustName": "Maple Family Trust", "trustAccountNumber": "T12345678"},
        "primaryTrusteeContactInformation": {
          "trusteeNameChangeIndicator": false,
          "isNonIndividualIndicator": true,
          "nonIndividualTrusteeContactInformation": {
            "nonIndividualName": "Northern Trust Co.",
            "contactPerson": {"firstName": "Anne", "lastName": "Roy"},
            "address": {"streetAddress": "100 King St W", "city": "Toronto", "province": "ON",
                        "postalCode": "M5X 1A9", "country": "CAN"},
            "phoneAreaCode": "416", "phoneNumber": "5550123"}},
        "mailingInformation": {
          "careOf": "Legal Dept",
          "address": {"streetAddress": "PO Box 5", "city": "Ottawa", "province": "ON",
                      "postalCode": "K1A 0B1", "country": "CAN"}},
        "trustResidencyInformation": {"becameResident": "2020-05-01",
                                      "trustDeemedCanadianResidentIndicator": true,
                                      "deemedResidentCountry": "USA",
                                      "languageOfCorrespondence": "FRENCH"},
        "trustResidentOnDesignatedAboriginalSettlementLandIndicator": true,
        "aboriginalSettlementNumber": "SETTLEMENT_123",
        "provinceOfBusiness": "BC"},
      "trustTypeInformation": {"trustType": "TYPE_338", "trustCreationDate": "2010-03-15",
                               "testatorDeathDate": "2009-12-01",
                               "deceasedSocialInsuranceNumber": "046454286",
                               "isNonProfitOrganizationIndicator": true,
                               "nonProfitOrganizationBN": "123456789RR0001"},
      "filingInformation": {"trustFiscalPeriodStart": "2024-01-01", "trustFiscalPeriodEnd": "2024-12-15",
                            "firstYearFilingIndicator": false, "previousFilingYear": "2023",
                            "trustFinalReturnIndicator": true, "trustWindupDate": "2024-12-15"},
      "foreignPropertyInExcessOf100000": false,
      "refundCode": "TRANSFER_OVERPAYMENT_01",
      "siftMutualFundTrustIndicator": true,
      "otherInformation": {
        "electingTrustIndicator": false,
        "trustIncomePaymentToBeneficiariesRequired": true,
        "trustDistributedNonCashAssetsToBeneficiary": false,
        "trustBeneficiariesChanged": true,
        "trustDeemedDispositionBeneficiaryDeathIndicator": true,
        "trustDeemedDispositionBeneficiaryDeathDate": "2024-06-30",
        "trustNonArmsLengthDebtTransactionIndicator": true,
        "trustNonArmsLengthDebtTransactionYear": "2022",
        "trustCapitalIncomeInterestOwnershipChangeIndicator": false,
        "trustHoldsSharesInPrivateCorporation": true,
        "trustAdditionalContributionPropertyReceiptIndicator": true,
        "trustAdditionalContributionPropertyReceiptYear": "2021",
        "publicTrust": false,
        "trustUsedInternationalFinancialReportingStandards": false,
        "trustLossRestrictionEventIndicator": true,
        "assetsHeldListedUnderParagraph150NotExceeding50kIndicator": false,
        "trustRequiredToHoldFundsUnderRelevantRulesIndicator": true,
        "interestOrFinancingExpensesIndicator": false,
        "unitTrustUnderSubSection108Indicator": false,
        "trustWhichAllUnitsListedOnStockExchangeIndicator": true},
      "memoIndicators": {"alterEgoIndicator": false, "preferredBeneficiaryIndicator": false,
                         "mutualFundReorganizatonIndicator": false,
                         "mutualFundExtensionApprovalIndicator": false,
                         "insuranceSegregatedFundReorganizationIndicator": false,
                         "insuranceSegregatedFundExtensionApprovalIndicator": false,
                         "mutualFundElectingDec15FPEIndicator": true}
    })");
    EXPECT_EQ(returnDocument(r).dump(2), expected.dump(2));
}

TEST(T3RetJson, WritingTwiceKeepsKeysInPlace)
{
    T r;
    fillFullSample(r);
    json doc = returnDocument(r);
    const std::string first = doc.dump();
    r.writeJsonHeader(doc);
    r.writeJsonMainPart1(doc);
    EXPECT_EQ(doc.dump(), first);
}

TEST(T3RetJson, Section216KeysByAnswer)
{
    const std::vector<std::pair<int, const char*>> cases = {
        {1, "SECTION216_1"}, {2, "SECTION216_4"}, {3, "SECTION216_5"}, {7, "SECTION216_5"},
        {0, nullptr}, {-1, nullptr}};
    for (const auto& [answer, type] : cases) {
        T r;
        r.fld_ws_bSection216 = answer;
        const json doc = returnDocument(r);
        SCOPED_TRACE(answer);
        if (!type) {
            EXPECT_FALSE(doc.contains("section216Indicator"));
            EXPECT_FALSE(doc.contains("section216Type"));
            EXPECT_EQ(keysOf(doc)[1], "trustIdentification");
            continue;
        }
        const std::vector<std::string> keys = keysOf(doc);
        EXPECT_EQ(keys[1], "section216Indicator");
        EXPECT_EQ(keys[2], "section216Type");
        EXPECT_EQ(doc["section216Indicator"], true);
        EXPECT_EQ(doc["section216Type"], type);
    }
}

TEST(T3RetJson, TopLevelKeysOfAnEmptyReturn)
{
    T r;
    const json doc = returnDocument(r);
    EXPECT_EQ(keysOf(doc), (std::vector<std::string>{
        "firstTimeFilerIndicator", "trustIdentification", "trustTypeInformation", "filingInformation",
        "foreignPropertyInExcessOf100000", "otherInformation", "memoIndicators"}));
}

TEST(T3RetJson, December15YearEndMarksTheElectingMutualFund)
{
    const std::vector<std::pair<QDate, bool>> cases = {
        {QDate(2024, 12, 15), true}, {QDate(2024, 12, 31), false}, {QDate(2024, 11, 15), false},
        {QDate(), false}};
    for (const auto& [end, electing] : cases) {
        T r;
        r.fld_end_date = end;
        SCOPED_TRACE(end.toString().toStdString());
        EXPECT_EQ(returnDocument(r)["memoIndicators"]["mutualFundElectingDec15FPEIndicator"], electing);
    }
}

TEST(T3RetJson, TrustTypeCodes)
{
    struct Case {
        bool otherType;
        const char* code;
        int gre;
        const char* expected;
    };
    const Case cases[] = {
        {true, "210", -1, "TYPE_210"},
        {true, "210", 0, "TYPE_210"},  // an other-type trust never writes 903
        {true, "", 1, "TYPE_"},
        {false, "210", -1, "TYPE_903"},
        {false, "", 0, "TYPE_903"},
        {false, "", 1, "TYPE_904"},
        {false, "", 2, "TYPE_903"},
    };
    for (const Case& c : cases) {
        T r;
        r.fld_ws_othertype = c.otherType;
        r.fld_trust_code = c.code;
        r.fld_i903_904 = c.gre;
        r.fld_trust_create_date = QDate(2001, 2, 3);
        const json type = returnDocument(r)["trustTypeInformation"];
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(type["trustType"], c.expected);
        EXPECT_EQ(type.contains("trustCreationDate"), c.otherType);
    }
}

TEST(T3RetJson, UnansweredQuestionsAreFalseWithoutYearOrDateKeys)
{
    T r;
    r.fld_year_borrow_nonarm = "2020";
    r.fld_year_chg_1984 = "2020";
    r.fld_year_recv_prop = "2020";
    r.fld_bnf_death_date = QDate(2024, 2, 2);
    r.fld_trust_wound_date = QDate(2024, 2, 2);
    r.fld_other_icountry = 2;
    const json doc = returnDocument(r);
    const json& other = doc["otherInformation"];
    EXPECT_EQ(keysOf(other), (std::vector<std::string>{
        "electingTrustIndicator", "trustIncomePaymentToBeneficiariesRequired",
        "trustDistributedNonCashAssetsToBeneficiary", "trustBeneficiariesChanged",
        "trustDeemedDispositionBeneficiaryDeathIndicator", "trustNonArmsLengthDebtTransactionIndicator",
        "trustCapitalIncomeInterestOwnershipChangeIndicator", "trustHoldsSharesInPrivateCorporation",
        "trustAdditionalContributionPropertyReceiptIndicator", "publicTrust",
        "trustUsedInternationalFinancialReportingStandards", "trustLossRestrictionEventIndicator",
        "assetsHeldListedUnderParagraph150NotExceeding50kIndicator",
        "trustRequiredToHoldFundsUnderRelevantRulesIndicator", "interestOrFinancingExpensesIndicator",
        "unitTrustUnderSubSection108Indicator", "trustWhichAllUnitsListedOnStockExchangeIndicator"}));
    for (auto it = other.begin(); it != other.end(); ++it)
        EXPECT_EQ(it.value(), false) << it.key();
    EXPECT_EQ(doc["foreignPropertyInExcessOf100000"], false);
    EXPECT_EQ(doc["firstTimeFilerIndicator"], false);

    const json& filing = doc["filingInformation"];
    EXPECT_EQ(filing["trustFinalReturnIndicator"], false);
    EXPECT_FALSE(filing.contains("trustWindupDate"));
    EXPECT_FALSE(filing.contains("trustDocumentFilingMethod"));
    const json& residency = doc["trustIdentification"]["trustResidencyInformation"];
    EXPECT_EQ(residency, json::parse(R"({"trustDeemedCanadianResidentIndicator": false,
                                         "languageOfCorrespondence": "ENGLISH"})"));
    EXPECT_FALSE(doc["trustIdentification"].contains("trustResidentOnDesignatedAboriginalSettlementLandIndicator"));
    EXPECT_FALSE(doc["trustIdentification"].contains("provinceOfBusiness"));
}

TEST(T3RetJson, FirstYearAnswerChoosesLastYearOrTheDocumentMethod)
{
    // "No" names last year's return, "yes" how the trust document is sent;
    // an unanswered question gives neither.
    const struct {
        int firstYear, attach;
        const char* previousYear;
        const char* method;
    } cases[] = {
        {1, 0, "2023", nullptr},      {-1, 0, nullptr, nullptr},  {0, 0, nullptr, "SENT"},
        {0, 1, nullptr, "WITH_T3_APP"}, {0, 2, nullptr, "WITH_T1"}, {0, 3, nullptr, nullptr},
        {0, -1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        T r;
        r.fld_first_year = c.firstYear;
        r.fld_year_last = "2023";
        r.fld_attach_flag = c.attach;
        const json filing = returnDocument(r)["filingInformation"];
        SCOPED_TRACE(testing::Message() << c.firstYear << "/" << c.attach);
        ASSERT_EQ(filing.contains("previousFilingYear"), c.previousYear != nullptr);
        if (c.previousYear) {
            EXPECT_EQ(filing["previousFilingYear"], c.previousYear);
        }
        ASSERT_EQ(filing.contains("trustDocumentFilingMethod"), c.method != nullptr);
        if (c.method) {
            EXPECT_EQ(filing["trustDocumentFilingMethod"], c.method);
        }
    }
}

TEST(T3RetJson, IndividualTrusteeWithoutLastNameWritesNoNameButTheAddress)
{
    T r;
    r.fld_bTrusteeIsPerson = 0;
    r.fld_indv_fname = "Marie";
    r.fld_indv_lname = "   ";
    r.fld_indv_addr = "1 Rue Principale";
    r.fld_indv_city = "Gatineau";
    r.fld_indv_prov = 11;
    r.fld_indv_postcode = "J8X 1A1";
    r.fld_indv_country = 1;
    r.fld_bSameMailAddr = true;
    r.fld_mail_addr = "ignored";
    const json id = returnDocument(r)["trustIdentification"];
    const json expected = json::parse(R"({
      "trusteeNameChangeIndicator": false,
      "isIndividualIndicator": true,
      "trusteeContactInformation": {
        "address": {"streetAddress": "1 Rue Principale", "city": "Gatineau", "province": "QC",
                    "postalCode": "J8X 1A1", "country": "CAN"}}})");
    EXPECT_EQ(id["primaryTrusteeContactInformation"].dump(), expected.dump());
    EXPECT_FALSE(id.contains("mailingInformation"));
}

TEST(T3RetJson, IndividualTrusteeWithNameAndPhone)
{
    T r;
    r.fld_bTrusteeIsPerson = 0;
    r.fld_indv_fname = "Marie";
    r.fld_indv_lname = "Gagnon";
    r.fld_indv_phone = "819-555-1234x22";  // fifteen characters at most
    const json person =
        returnDocument(r)["trustIdentification"]["primaryTrusteeContactInformation"]["trusteeContactInformation"];
    EXPECT_EQ(keysOf(person), (std::vector<std::string>{
        "individualName", "address", "phoneAreaCode", "phoneNumber", "phoneExtension"}));
    EXPECT_EQ(person["individualName"], json::parse(R"({"firstName": "Marie", "lastName": "Gagnon"})"));
    EXPECT_EQ(person["phoneExtension"], "22");
}

TEST(T3RetJson, UnansweredTrusteeIsWrittenAsNonIndividual)
{
    T r;  // fld_bTrusteeIsPerson unanswered
    r.fld_trustee_orgname = "Trust Co";
    r.fld_trustee_fname = "Anne";  // no last name: no contact person
    const json contact = returnDocument(r)["trustIdentification"]["primaryTrusteeContactInformation"];
    EXPECT_EQ(keysOf(contact), (std::vector<std::string>{
        "trusteeNameChangeIndicator", "isNonIndividualIndicator", "nonIndividualTrusteeContactInformation"}));
    EXPECT_EQ(keysOf(contact["nonIndividualTrusteeContactInformation"]),
              (std::vector<std::string>{"nonIndividualName", "address"}));
}

TEST(T3RetJson, MailingInformationOnlyForAnotherNonEmptyAddress)
{
    T r;
    r.fld_bSameMailAddr = false;
    r.fld_mail_careof = "c/o";
    EXPECT_FALSE(returnDocument(r)["trustIdentification"].contains("mailingInformation"));
    r.fld_mail_addr = "PO Box 9";
    r.fld_mail_phone = "(613)-5559999";
    const json mailing = returnDocument(r)["trustIdentification"]["mailingInformation"];
    EXPECT_EQ(keysOf(mailing), (std::vector<std::string>{"careOf", "address", "phoneAreaCode", "phoneNumber"}));
    r.fld_bSameMailAddr = true;
    EXPECT_FALSE(returnDocument(r)["trustIdentification"].contains("mailingInformation"));
}

TEST(T3RetJson, SiftIndicatorForCodes324And338)
{
    struct Case {
        const char* code;
        bool member;
        bool present;
    };
    const Case cases[] = {
        {"324", false, true}, {"338", false, true}, {"338", true, true},
        {"210", false, false}, {"", true, true}, {"32", false, false},
    };
    for (const Case& c : cases) {
        T r;
        r.fld_ws_othertype = true;
        r.fld_trust_code = c.code;
        r.m_siftMutualFundTrust = c.member;
        const json doc = returnDocument(r);
        SCOPED_TRACE(c.code);
        ASSERT_EQ(doc.contains("siftMutualFundTrustIndicator"), c.present);
        if (c.present) {
            EXPECT_EQ(doc["siftMutualFundTrustIndicator"], c.member);
            const std::vector<std::string> keys = keysOf(doc);
            const auto at = std::find(keys.begin(), keys.end(), "siftMutualFundTrustIndicator");
            EXPECT_EQ(*(at + 1), "otherInformation");
        }
    }
}

TEST(T3RetJson, NonProfitAnswer)
{
    T r;
    EXPECT_FALSE(returnDocument(r)["trustTypeInformation"].contains("isNonProfitOrganizationIndicator"));
    r.fld_nonprofit_bn = "123456789RR0001";
    r.fld_iNonProfit = 1;
    EXPECT_EQ(returnDocument(r)["trustTypeInformation"],
              json::parse(R"({"trustType": "TYPE_903", "isNonProfitOrganizationIndicator": false})"));
    r.fld_iNonProfit = 0;
    r.fld_nonprofit_bn = "";
    EXPECT_EQ(returnDocument(r)["trustTypeInformation"],
              json::parse(R"({"trustType": "TYPE_903", "isNonProfitOrganizationIndicator": true})"));
}

TEST(T3RetJson, RefundCodeTexts)
{
    const std::vector<std::pair<int, const char*>> cases = {
        {0, "ISSUE_OVERPAYMENT_00"}, {1, "TRANSFER_OVERPAYMENT_01"}, {2, "ISSUE_OVERPAYMENT_02"},
        {3, nullptr}, {-1, nullptr}};
    for (const auto& [code, text] : cases) {
        T r;
        r.fld_RefCode = code;
        const json doc = returnDocument(r);
        SCOPED_TRACE(code);
        ASSERT_EQ(doc.contains("refundCode"), text != nullptr);
        if (text) {
            EXPECT_EQ(doc["refundCode"], text);
        }
    }
}

TEST(T3RetJson, ProvinceOfResidenceOnlyForACanadianProvince)
{
    T r;
    r.fld_trust_icountry = 2;
    r.fld_trust_iprov = 17;  // outside Canada
    EXPECT_EQ(returnDocument(r)["trustIdentification"]["trustIdentifier"],
              json::parse(R"({"countryOfResidence": "USA", "trustName": "", "trustAccountNumber": ""})"));
}

// ---- issuer data of the slip filing

TEST(T3RetIssuerJson, FullSampleTakesTheMailingAddressAndTheContactPerson)
{
    T r;
    fillFullSample(r);
    const json expected = json::parse(R"({
      "name": "  Maple Family Trust ",
      "trust_account": "T12345678",
      "tax_year_start": "2024-01-01",
      "tax_year_end": "2024-12-15",
      "address": {"addr_l1_txt": "PO Box 5", "cty_nm": "Ottawa", "prov_cd": "ON", "cntry_cd": "CAN",
                  "pstl_cd": "K1A 0B1"},
      "trustee": {"name": "Northern Trust Co.",
                  "address": {"addr_l1_txt": "100 King St W", "cty_nm": "Toronto", "prov_cd": "ON",
                              "cntry_cd": "CAN", "pstl_cd": "M5X 1A9"}},
      "contact": {"name": "Anne Roy", "cntc_area_cd": "416", "cntc_phn_nbr": "555-0123"},
      "first_year_filing": false,
      "certification": {"name": "Jean Tremblay", "position": "Trustee officer"}
    })");
    EXPECT_EQ(issuerData(r).dump(2), expected.dump(2));
}

TEST(T3RetIssuerJson, IndividualTrusteeWithTheSameMailingAddress)
{
    T r;
    r.fld_first_year = 0;
    r.fld_bTrusteeIsPerson = 0;
    r.fld_bSameMailAddr = true;
    r.fld_indv_fname = "Zed";
    r.fld_indv_lname = "Smith";
    r.fld_indv_addr = "9 Elm";
    r.fld_indv_city = "Regina";
    r.fld_indv_prov = 12;
    r.fld_indv_postcode = "S4P 3Y2";
    r.fld_indv_country = 1;
    r.fld_trustee_addr = "not this one";
    r.fld_mail_addr = "nor this one";
    const json expected = json::parse(R"({
      "name": "_unamed", "trust_account": "", "tax_year_start": "", "tax_year_end": "",
      "address": {"addr_l1_txt": "9 Elm", "cty_nm": "Regina", "prov_cd": "SK", "cntry_cd": "CAN",
                  "pstl_cd": "S4P 3Y2"},
      "trustee": {"name": "Zed Smith",
                  "address": {"addr_l1_txt": "9 Elm", "cty_nm": "Regina", "prov_cd": "SK",
                              "cntry_cd": "CAN", "pstl_cd": "S4P 3Y2"}},
      "contact": {"name": "Zed Smith", "cntc_area_cd": "000", "cntc_phn_nbr": "000-0000"},
      "first_year_filing": true,
      "certification": {"name": "", "position": ""}
    })");
    EXPECT_EQ(issuerData(r).dump(2), expected.dump(2));
}

TEST(T3RetIssuerJson, NonIndividualTrusteeWithTheSameMailingAddress)
{
    T r;
    r.fld_bTrusteeIsPerson = 1;
    r.fld_bSameMailAddr = true;
    r.fld_trustee_addr = "100 King St W";
    r.fld_indv_addr = "not this one";
    EXPECT_EQ(issuerData(r)["address"]["addr_l1_txt"], "100 King St W");
}

}  // namespace
