#include "app/gui/message_fields.h"

namespace {

struct MessageField {
    const char* form;
    const char* text;   // a part of the message that only this check writes
    const char* field;
};

// Address parts come first so that "Postal code in [individual trustee
// address]" is not taken for a message about another field.
const MessageField kMessageFields[] = {
    {"T3Ret", "Street address in [individual trustee address]", "fld_indv_addr"},
    {"T3Ret", "City in [individual trustee address]", "fld_indv_city"},
    {"T3Ret", "Country in [individual trustee address]", "fld_indv_country"},
    {"T3Ret", "Province in [individual trustee address]", "fld_indv_prov"},
    {"T3Ret", "Postal code in [individual trustee address]", "fld_indv_postcode"},
    {"T3Ret", "Street address in [non-individual trustee address]", "fld_trustee_addr"},
    {"T3Ret", "City in [non-individual trustee address]", "fld_trustee_city"},
    {"T3Ret", "Country in [non-individual trustee address]", "fld_trustee_country"},
    {"T3Ret", "Province in [non-individual trustee address]", "fld_trustee_prov"},
    {"T3Ret", "Postal code in [non-individual trustee address]", "fld_trustee_postcode"},
    {"T3Ret", "Trust number is empty or invalid", "fld_trust_num"},
    {"T3Ret", "Trust tax return period", "fld_start_date"},
    {"T3Ret", "the option of whether the trustee is an individual", "fld_bTrusteeIsPerson"},
    {"T3Ret", "the question of the trust on Aboriginal Settlement Land", "fld_is_aboriginal"},
    {"T3Ret", "the trust is of type GRE or QDT", "fld_i903_904"},
    {"T3Ret", "the year of last return filed", "fld_year_last"},
    {"T3Ret", "if it is the first year of return filing", "fld_first_year"},
    {"T3Ret", "how the trust document is/will be sent", "fld_attach_flag"},
    {"T3Ret", "correspondence language", "fld_lang"},
    {"T3Ret", "S.I.N. of the deceased", "fld_decease_sin1"},
    {"T3Ret", "the other trust type code", "fld_trust_code"},
    {"T3Ret", "whether it is an amended return", "fld_amended"},
    {"T3Ret", "whether it is a final return", "fld_is_final"},
    {"T3Ret", "trust wound-up date", "fld_trust_wound_date"},
    {"T3Ret", "foreign property over 100k", "fld_T1135_flag"},
    {"T3Ret", "the question related to section 94", "fld_q_sect94"},
    {"T3Ret", "the year related to section 94", "fld_year_sect94"},
    {"T3Ret", "requirement to pay beneficiaries", "fld_q_pay_bnf"},
    {"T3Ret", "asset other-than cash", "fld_q_other_cash"},
    {"T3Ret", "changes in trust beneficiaries", "fld_q_change_bnf"},
    {"T3Ret", "whether lifetime beneficiary dies", "fld_q_bnf_die"},
    {"T3Ret", "lifetime beneficiary death date", "fld_bnf_death_date"},
    {"T3Ret", "the question about borrowing from non-arm's length", "fld_q_borrow_nonarm"},
    {"T3Ret", "the year of non-arm's length borrowing", "fld_year_borrow_nonarm"},
    {"T3Ret", "the question 7 on page 2", "fld_q_chg_1984"},
    {"T3Ret", "the year of question 7", "fld_year_chg_1984"},
    {"T3Ret", "hold shares in private corp", "fld_q_hold_shares"},
    {"T3Ret", "receives additional property", "fld_q_recv_prop"},
    {"T3Ret", "receving additional property", "fld_year_recv_prop"},
    {"T3Ret", "whether it is a public trust", "fld_q_public"},
    {"T3Ret", "uses IFRS", "fld_q_ifrs"},
    {"T3Ret", "the question about loss restriction event", "fld_q_loss_event"},
    {"T3Ret", "a loss retriction event", "fld_date_loss_event"},
    {"T3Ret", "paragraph 150(1.2)(b)", "fld_q_parag150"},
    {"T3Ret", "name and/or position", "fld_cert_name"},
    {"T3Ret", "Date field of certification", "fld_cert_date"},
    {"T183Trust", "EFiler number", "fld_efilenum"},
    {"T183Trust", "Expiry date is not valid", "fld_expirydate"},
    {"T183Trust", "Contact method is not answered", "fld_contactmethod"},
    {"T183Trust", "DCN is invalid", "fld_controlnum"},
    {"T183Trust", "E-Signature date is not valid", "fld_ws_ESignedDate"},
    {"T183Trust", "E-Signature time is not valid", "fld_ws_ESignedDate"},
};

}  // namespace

QString fieldOfMessage(const QString& formName, const QString& message)
{
    for (const MessageField& m : kMessageFields)
        if (formName == QLatin1String(m.form) && message.contains(QLatin1String(m.text)))
            return QLatin1String(m.field);
    return QString();
}
