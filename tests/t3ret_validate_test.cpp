// Validation messages of the T3 return: texts, order and conditions.
#include "t3ret_test_support.h"

#include <functional>

namespace {

TEST(T3RetValidate, EmptyReturnListsEveryMissingItemInPageOrder)
{
    TaxData_T3Ret r;
    const Messages expected = {
        "Trust number is empty or invalid, it starts with 'T' and 8 digits.",
        "Trust tax return period must be between 01/01/2023 and 12/31/2025. You need another version of "
        "Trustella to handle it.",
        "Trust tax return period should include dates in year 2024.",
        "Please answer the option of whether the trustee is an individual",
        "Please answer the question of the trust on Aboriginal Settlement Land",
        "Please answer the trust is of type GRE or QDT",
        "Please answer if it is the first year of return filing.",
        "Please answer the question of correspondence language option",
        "Please answer whether it is an amended return",
        "Please answer whether it is a final return",
        "Please answer whether the trust holds foreign property over 100k",
        "Please answer the question related to section 94",
        "Please answer the question about requirement to pay beneficiaries",
        "Please answer whether the trust distributes asset other-than cash",
        "Please answer whether there are changes in trust beneficiaries",
        "Please answer whether lifetime beneficiary dies in the year",
        "Please answer the question about borrowing from non-arm's length",
        "Please answer the question 7 on page 2",
        "Please answer whether the trust hold shares in private corp.",
        "Please answer whether the trust receives additional property",
        "Please answer whether it is a public trust",
        "Please answer whether the trust uses IFRS",
        "Please answer the question about loss restriction event",
        "Please answer the question about paragraph 150(1.2)(b)",
        "name and/or position in [certification] is empty or invalid.",
        "Date field of certification is invalid.",
    };
    EXPECT_EQ(validationMessages(r), expected);
}

TEST(T3RetValidate, CompleteReturnFor2024HasNoMessage)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    EXPECT_EQ(validationMessages(r), Messages());
}

TEST(T3RetValidate, MessagesAreAppendedAfterExistingOnesAndCounted)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_lang = -1;
    r.fld_cert_date = QDate();
    std::list<CString> messages = {"from another form"};
    EXPECT_EQ(r.Validate(1, messages), 2);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages.front(), "from another form");
    EXPECT_EQ(messages.back(), "Date field of certification is invalid.");
}

const char* const kRangeMessage =
    "Trust tax return period must be between 01/01/2023 and 12/31/2025. You need another version of Trustella "
    "to handle it.";
const char* const kYearMessage = "Trust tax return period should include dates in year 2024.";

TEST(T3RetValidate, ReturnPeriods)
{
    const struct {
        QDate start, end;
        bool rangeMessage, yearMessage;
    } cases[] = {
        {QDate(2024, 1, 1), QDate(2024, 12, 31), false, false},
        {QDate(2025, 1, 1), QDate(2025, 12, 31), false, false},  // ends in 2025
        {QDate(2023, 7, 1), QDate(2024, 6, 30), false, false},   // ends in 2024
        {QDate(2024, 7, 1), QDate(2025, 6, 30), false, false},
        {QDate(2023, 1, 1), QDate(2023, 12, 31), false, true},   // handled, but not a 2024 period
        {QDate(2026, 1, 1), QDate(2026, 12, 31), true, true},
        {QDate(2024, 2, 1), QDate(2026, 1, 1), true, false},     // ends after the last date
        {QDate(2022, 12, 31), QDate(2023, 12, 30), true, true},  // starts before the first date
        {QDate(2022, 12, 31), QDate(2024, 12, 30), true, false},
        {QDate(2023, 1, 1), QDate(2025, 12, 31), false, false},  // the widest period handled
        {QDate(2024, 12, 31), QDate(2024, 1, 1), true, false},   // start after end
        {QDate(), QDate(2024, 12, 31), true, false},
        {QDate(2024, 1, 1), QDate(), true, false},
        {QDate(), QDate(), true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.start.toString(Qt::ISODate) + " to " + c.end.toString(Qt::ISODate)).toStdString());
        TaxData_T3Ret r;
        fillCompleteReturn2024(r);
        r.fld_start_date = c.start;
        r.fld_end_date = c.end;
        Messages expected;
        if (c.rangeMessage)
            expected.push_back(kRangeMessage);
        if (c.yearMessage)
            expected.push_back(kYearMessage);
        EXPECT_EQ(validationMessages(r), expected);
    }
}

TEST(T3RetValidate, TrustNumberIsTrimmedThenChecked)
{
    const struct {
        const char* number;
        bool accepted;
    } cases[] = {{"T12345678", true}, {"T1234567 ", false}, {"t12345678", false}, {"T1234567", false},
                 {"T1234567X", false}, {"123456789", false}, {"", false}};
    for (const auto& c : cases) {
        TaxData_T3Ret r;
        fillCompleteReturn2024(r);
        r.fld_trust_num = c.number;
        const Messages messages = validationMessages(r);
        EXPECT_EQ(messages.empty(), c.accepted) << c.number;
        if (!c.accepted) {
            EXPECT_EQ(messages, Messages{"Trust number is empty or invalid, it starts with 'T' and 8 digits."});
        }
    }
}

TEST(T3RetValidate, IndividualTrusteeAddress)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_indv_addr = "  ";
    r.fld_indv_city = "";
    r.fld_indv_postcode = "H2X 1Y4";  // a Quebec code for an Ontario address
    // The non-individual address is not looked at.
    r.fld_trustee_country = COUNTRY_CANADA;
    EXPECT_EQ(validationMessages(r), (Messages{
                                         "Street address in [individual trustee address] is empty or invalid.",
                                         "City in [individual trustee address] is empty or invalid.",
                                         "Postal code in [individual trustee address] is empty or invalid.",
                                     }));
}

TEST(T3RetValidate, NonIndividualTrusteeAddress)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_bTrusteeIsPerson = 1;
    r.fld_trustee_addr = "1 Bay Street";
    r.fld_trustee_city = "Toronto";
    EXPECT_EQ(validationMessages(r), (Messages{
                                         "Country in [non-individual trustee address] is empty or invalid.",
                                     }));
    r.fld_trustee_country = COUNTRY_CANADA;
    r.fld_trustee_prov = PROV_ON;
    r.fld_trustee_postcode = "M5J 2N8";
    EXPECT_EQ(validationMessages(r), Messages());
}

TEST(T3RetValidate, UnansweredTrusteeOptionChecksNoAddress)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_bTrusteeIsPerson = -1;
    r.fld_indv_addr = "";
    EXPECT_EQ(validationMessages(r), Messages{"Please answer the option of whether the trustee is an individual"});
}

// One change to a complete return and the messages it must give, in order.
struct Case {
    const char* what;
    std::function<void(TaxData_T3Ret&)> change;
    Messages messages;
};

void runCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TaxData_T3Ret r;
        fillCompleteReturn2024(r);
        c.change(r);
        EXPECT_EQ(validationMessages(r), c.messages);
    }
}

using R = TaxData_T3Ret;

TEST(T3RetValidate, TypeOfTrustFirstYearAndDeceased)
{
    runCases({
        {"GRE/QDT unanswered", [](R& r) { r.fld_i903_904 = -1; }, {"Please answer the trust is of type GRE or QDT"}},
        {"other type needs no GRE/QDT answer but a code",
         [](R& r) {
             r.fld_i903_904 = -1;
             r.fld_ws_othertype = true;
             r.fld_trust_code = "  ";
         },
         {"Please answer the other trust type code"}},
        {"other type with a code",
         [](R& r) {
             r.fld_ws_othertype = true;
             r.fld_trust_code = "300";
         },
         {}},
        {"not the first year, no year", [](R& r) { r.fld_first_year = 1; },
         {"Please answer the year of last return filed."}},
        {"not the first year, two digits",
         [](R& r) {
             r.fld_first_year = 1;
             r.fld_year_last = "23";
         },
         {"Please answer the year of last return filed."}},
        {"not the first year, year with blanks",
         [](R& r) {
             r.fld_first_year = 1;
             r.fld_year_last = " 23 ";
         },
         {"Please answer the year of last return filed."}},
        {"not the first year, four digits between blanks",
         [](R& r) {
             r.fld_first_year = 1;
             r.fld_year_last = " 2023 ";
         },
         {}},
        {"not the first year, four digits",
         [](R& r) {
             r.fld_first_year = 1;
             r.fld_year_last = "2023";
         },
         {}},
        {"first year, document sending unanswered", [](R& r) { r.fld_attach_flag = -1; },
         {"Please answer how the trust document is/will be sent"}},
        {"first year unanswered",
         [](R& r) {
             r.fld_first_year = -1;
             r.fld_attach_flag = -1;
         },
         {"Please answer if it is the first year of return filing."}},
        {"date of death without SIN", [](R& r) { r.fld_decease_date1 = QDate(2023, 11, 2); },
         {"S.I.N. of the deceased is empty or invalid is invalid."}},
        {"date of death with a wrong SIN",
         [](R& r) {
             r.fld_decease_date1 = QDate(2023, 11, 2);
             r.fld_decease_sin1 = "123456789";
         },
         {"S.I.N. of the deceased is empty or invalid is invalid."}},
        {"date of death with a valid SIN",
         [](R& r) {
             r.fld_decease_date1 = QDate(2023, 11, 2);
             r.fld_decease_sin1 = "130692544";
         },
         {}},
        {"no date of death: SIN not checked", [](R& r) { r.fld_decease_sin1 = "12"; }, {}},
        {"language", [](R& r) { r.fld_lang = -1; }, {"Please answer the question of correspondence language option"}},
        {"aboriginal land", [](R& r) { r.fld_is_aboriginal = -1; },
         {"Please answer the question of the trust on Aboriginal Settlement Land"}},
    });
}

TEST(T3RetValidate, YesAnswersAskForTheirYearOrDate)
{
    runCases({
        {"final return without wound-up date", [](R& r) { r.fld_is_final = 0; },
         {"Date field of trust wound-up date is invalid."}},
        {"final return with wound-up date",
         [](R& r) {
             r.fld_is_final = 0;
             r.fld_trust_wound_date = QDate(2024, 12, 31);
         },
         {}},
        {"section 94 without year", [](R& r) { r.fld_q_sect94 = 0; },
         {"Please answer the year related to section 94"}},
        {"section 94 with its year",
         [](R& r) {
             r.fld_q_sect94 = 0;
             r.fld_year_sect94 = "2020";
         },
         {}},
        {"beneficiary died without date", [](R& r) { r.fld_q_bnf_die = 0; },
         {"Date field of lifetime beneficiary death date is invalid."}},
        {"borrowing with a year padded to four characters",
         [](R& r) {
             r.fld_q_borrow_nonarm = 0;
             r.fld_year_borrow_nonarm = " 24 ";
         },
         {"Please answer the year of non-arm's length borrowing"}},
        {"borrowing with a short year",
         [](R& r) {
             r.fld_q_borrow_nonarm = 0;
             r.fld_year_borrow_nonarm = "24";
         },
         {"Please answer the year of non-arm's length borrowing"}},
        {"change since 1984 without year", [](R& r) { r.fld_q_chg_1984 = 0; }, {"Please answer the year of question 7"}},
        {"additional property without year", [](R& r) { r.fld_q_recv_prop = 0; },
         {"Please answer the year of receving additional property"}},
        {"loss restriction event without date", [](R& r) { r.fld_q_loss_event = 0; },
         {"Date field of a loss retriction event is invalid."}},
        {"Yes without follow-up question",
         [](R& r) {
             for (CIntField* q : {&r.fld_amended, &r.fld_T1135_flag, &r.fld_q_pay_bnf, &r.fld_q_other_cash,
                                  &r.fld_q_change_bnf, &r.fld_q_hold_shares, &r.fld_q_public, &r.fld_q_ifrs,
                                  &r.fld_q_parag150})
                 *q = 0;
         },
         {}},
        {"questions 14 to 17 are not checked",
         [](R& r) {
             for (CIntField* q : {&r.fld_q_RqrdHoldFund, &r.fld_q_17, &r.fld_q_18, &r.fld_q_19})
                 *q = -1;
         },
         {}},
        {"the unanswered come in page order",
         [](R& r) {
             r.fld_q_parag150 = -1;
             r.fld_q_sect94 = 0;
             r.fld_amended = -1;
             r.fld_q_loss_event = 0;
         },
         {"Please answer whether it is an amended return", "Please answer the year related to section 94",
          "Date field of a loss retriction event is invalid.", "Please answer the question about paragraph 150(1.2)(b)"}},
    });
}

TEST(T3RetValidate, Certification)
{
    const std::string nameOrPosition = "name and/or position in [certification] is empty or invalid.";
    runCases({
        {"blank name", [](R& r) { r.fld_cert_name = "   "; }, {nameOrPosition}},
        {"no position", [](R& r) { r.fld_cert_pos = ""; }, {nameOrPosition}},
        {"neither", [](R& r) { r.fld_cert_pos = ""; r.fld_cert_name = ""; }, {nameOrPosition}},
        {"no date", [](R& r) { r.fld_cert_date = QDate(); }, {"Date field of certification is invalid."}},
    });
}

TEST(T3RetValidate, ValidatingChangesNothing)
{
    TaxData_T3Ret r, copy;
    r.fld_trust_num = " T12345678 ";
    r.fld_year_last = " 23 ";
    copy = r;
    validationMessages(r);
    EXPECT_FALSE(r != copy);
}

}  // namespace
