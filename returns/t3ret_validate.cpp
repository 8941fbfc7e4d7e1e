// Validation of the T3 return: what is missing or wrong before filing.
// Every check runs; messages come in the order of the return's pages.
#include "returns/t3ret.h"

#include "framework/checks.h"
#include "framework/datetexts.h"
#include "framework/validation_messages.h"
#include "framework/year_figures.h"

namespace {
const char* const kPleaseAnswer = "Please answer %s";
const char* const kIsInvalid = "%s is invalid.";
const char* const kDateInvalid = "Date field of %s is invalid.";
const char* const kEmptyOrInvalidIn = "%s in [%s] is empty or invalid.";

using namespace year_figures;

bool isYearText(const CStringField& year)
{
    return year.trimmed().size() == 4;
}

// A question of the other-information part: it must be answered, and a Yes
// may ask for a year or a date.
struct QuestionCheck {
    CIntField TaxData_T3Ret::*answer;
    const char* phrase;
    CStringField TaxData_T3Ret::*yesYear;  // or nullptr
    CDateField TaxData_T3Ret::*yesDate;    // or nullptr
    const char* yesPhrase;
};

using T = TaxData_T3Ret;
const QuestionCheck kQuestionChecks[] = {
    {&T::fld_amended, "whether it is an amended return", nullptr, nullptr, nullptr},
    {&T::fld_is_final, "whether it is a final return", nullptr, &T::fld_trust_wound_date, "trust wound-up date"},
    {&T::fld_T1135_flag, "whether the trust holds foreign property over 100k", nullptr, nullptr, nullptr},
    {&T::fld_q_sect94, "the question related to section 94", &T::fld_year_sect94, nullptr,
     "the year related to section 94"},
    {&T::fld_q_pay_bnf, "the question about requirement to pay beneficiaries", nullptr, nullptr, nullptr},
    {&T::fld_q_other_cash, "whether the trust distributes asset other-than cash", nullptr, nullptr, nullptr},
    {&T::fld_q_change_bnf, "whether there are changes in trust beneficiaries", nullptr, nullptr, nullptr},
    {&T::fld_q_bnf_die, "whether lifetime beneficiary dies in the year", nullptr, &T::fld_bnf_death_date,
     "lifetime beneficiary death date"},
    {&T::fld_q_borrow_nonarm, "the question about borrowing from non-arm's length", &T::fld_year_borrow_nonarm,
     nullptr, "the year of non-arm's length borrowing"},
    {&T::fld_q_chg_1984, "the question 7 on page 2", &T::fld_year_chg_1984, nullptr, "the year of question 7"},
    {&T::fld_q_hold_shares, "whether the trust hold shares in private corp.", nullptr, nullptr, nullptr},
    {&T::fld_q_recv_prop, "whether the trust receives additional property", &T::fld_year_recv_prop, nullptr,
     "the year of receving additional property"},
    {&T::fld_q_public, "whether it is a public trust", nullptr, nullptr, nullptr},
    {&T::fld_q_ifrs, "whether the trust uses IFRS", nullptr, nullptr, nullptr},
    {&T::fld_q_loss_event, "the question about loss restriction event", nullptr, &T::fld_date_loss_event,
     "a loss retriction event"},
    {&T::fld_q_parag150, "the question about paragraph 150(1.2)(b)", nullptr, nullptr, nullptr},
};
}  // namespace

int TaxData_T3Ret::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    auto pleaseAnswer = [&](const CField& field, const char* phrase) {
        addMessage(messages, field, CString::Format(kPleaseAnswer, phrase));
    };
    auto dateInvalid = [&](const CField& field, const char* what) {
        addMessage(messages, field, CString::Format(kDateInvalid, what));
    };

    if (!CheckTrustNumber(fld_trust_num.trimmed(), nullptr))
        addMessage(messages, fld_trust_num, "Trust number is empty or invalid, it starts with 'T' and 8 digits.");

    const QDate start = fld_start_date, end = fld_end_date;
    const QDate firstDate = ReadDateStr(kFirstPeriodDate), lastDate = ReadDateStr(kLastPeriodDate);
    if (!start.isValid() || !end.isValid() || start > end || start < firstDate || end > lastDate)
        addMessage(messages, fld_start_date,
                   CString::Format("Trust tax return period must be between %s and %s. You need another "
                                   "version of Trustella to handle it.",
                                   kFirstPeriodDate, kLastPeriodDate));
    if (fld_end_date.year() != kFollowingYear && fld_end_date.year() != kTaxYear && fld_start_date.year() != kTaxYear)
        addMessage(messages, fld_start_date,
                   CString::Format("Trust tax return period should include dates in year %d.", kTaxYear));

    if (!fld_bTrusteeIsPerson.isAnswered())
        pleaseAnswer(fld_bTrusteeIsPerson, "the option of whether the trustee is an individual");
    else if (fld_bTrusteeIsPerson == 0)
        validateAddr2(m_indvAddress, kEmptyOrInvalidIn, "individual trustee address", messages);
    else if (fld_bTrusteeIsPerson == 1)
        validateAddr2(m_trusteeAddress, kEmptyOrInvalidIn, "non-individual trustee address", messages);

    if (!fld_is_aboriginal.isAnswered())
        pleaseAnswer(fld_is_aboriginal, "the question of the trust on Aboriginal Settlement Land");
    if (!fld_ws_othertype && !fld_i903_904.isAnswered())
        pleaseAnswer(fld_i903_904, "the trust is of type GRE or QDT");

    if (fld_first_year == 1 && !isYearText(fld_year_last))
        pleaseAnswer(fld_year_last, "the year of last return filed.");
    if (!fld_first_year.isAnswered())
        pleaseAnswer(fld_first_year, "if it is the first year of return filing.");
    if (fld_first_year == 0 && !fld_attach_flag.isAnswered())
        pleaseAnswer(fld_attach_flag, "how the trust document is/will be sent");

    if (!fld_lang.isAnswered())
        pleaseAnswer(fld_lang, "the question of correspondence language option");
    if (fld_decease_date1.IsValid() && (fld_decease_sin1.isBlank() || !CheckSIN(fld_decease_sin1.str())))
        addMessage(messages, fld_decease_sin1,
                   CString::Format(kIsInvalid, "S.I.N. of the deceased is empty or invalid"));
    if (fld_ws_othertype && fld_trust_code.isBlank())
        pleaseAnswer(fld_trust_code, "the other trust type code");

    for (const QuestionCheck& q : kQuestionChecks) {
        const CIntField& answer = this->*q.answer;
        if (!answer.isAnswered()) {
            pleaseAnswer(answer, q.phrase);
            continue;
        }
        if (!answer.isYes())
            continue;
        if (q.yesYear && !isYearText(this->*q.yesYear))
            pleaseAnswer(this->*q.yesYear, q.yesPhrase);
        if (q.yesDate && !(this->*q.yesDate).IsValid())
            dateInvalid(this->*q.yesDate, q.yesPhrase);
    }

    if (fld_cert_name.isBlank() || fld_cert_pos.isBlank())
        addMessage(messages, fld_cert_name.isBlank() ? fld_cert_name : fld_cert_pos,
                   CString::Format(kEmptyOrInvalidIn, "name and/or position", "certification"));
    if (!fld_cert_date.IsValid())
        dateInvalid(fld_cert_date, "certification");
    return int(messages.size() - before);
}
