// Schedule 5's messages: the regulation type of a trust in several
// jurisdictions, and the amounts that need a contribution amount or a
// certificate number beside them.
#include "taxcalc/sch5.h"

#include "framework/amounts.h"
#include "framework/checks.h"
#include "framework/validation_messages.h"

namespace {
CString needs(const char* line, const char* other)
{
    return CString(QStringLiteral("Field %1 needs field %2.").arg(QLatin1String(line), QLatin1String(other)));
}
bool empty(const CStringField& text)
{
    return text.value().isEmpty();
}
}  // namespace

int TaxData_Sch5::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (m_jurisdiction == PROV_MULTIPLE && (fld_iRegulationType < 1 || fld_iRegulationType > 14))
        addMessage(messages, fld_iRegulationType, "Choose business regulation type on page 1.");
    if (amountPresent(fld_NL_500) && !amountPresent(fld_NL_891))
        addMessage(messages, fld_NL_891, "Field 500 needs an amount in field 891.");

    const struct {
        const CStringField& text;
        const char* name;
    } certificates[] = {{fld_NL_821, "NL field 821"}, {fld_NL_840, "NL field 840"}, {fld_NS_834, "NS field 834"},
                        {fld_NS_836, "NS field 836"}, {fld_NS_838, "NS field 838"}, {fld_NS_839, "NS field 839"},
                        {fld_NB_850, "NB field 850"}};
    for (const auto& c : certificates)
        if (!empty(c.text) && !CheckT2ValidChar(c.text.value()))
            addMessage(messages, c.text,
                       CString(QStringLiteral("%1 contains invalid character(s).").arg(QLatin1String(c.name))));

    // A credit claimed under a certificate needs its number, unless its check is switched off.
    const struct {
        const CFloatField& credit;
        const CStringField& certificate;
        bool skip;
    } credits[] = {{fld_NL_521, fld_NL_821, m_skipCheck521}, {fld_NL_522, fld_NL_840, m_skipCheck522},
                   {fld_NS_565, fld_NS_836, m_skipCheck565}, {fld_NS_567, fld_NS_838, m_skipCheck567},
                   {fld_NS_569, fld_NS_839, m_skipCheck569}, {fld_NB_595, fld_NB_850, m_skipCheck595}};
    for (const auto& c : credits)
        if (amountPresent(c.credit) && empty(c.certificate) && !c.skip)
            addMessage(messages, c.certificate, needs(c.credit.craLine(), c.certificate.craLine()));

    if (amountPresent(fld_NS_556) != !empty(fld_NS_834))
        addMessage(messages, fld_NS_834, "Field 556 needs field 834, and vice versa.");
    if (amountPresent(fld_SK_624) && !amountPresent(fld_SK_890))
        addMessage(messages, fld_SK_890, "Field 624 requires an amount in field 890 on page 5.");

    // Amounts that need another amount beside them.
    auto requireAmount = [&](const CFloatField& amount, const CFloatField& other) {
        if (amountPresent(amount) && !amountPresent(other))
            addMessage(messages, other, needs(amount.craLine(), other.craLine()));
    };
    requireAmount(fld_BC_653, fld_BC_896);
    if (amountPresent(fld_BC_656) && !amountPresent(fld_BC_880) && !amountPresent(fld_BC_881))
        addMessage(messages, fld_BC_880, needs("656", "880 or 881"));
    if (amountPresent(fld_BC_881) && empty(fld_BC_882))
        addMessage(messages, fld_BC_882, needs("881", "882"));
    requireAmount(fld_BC_665, fld_BC_886);
    requireAmount(fld_YT_675, fld_YT_897);
    requireAmount(fld_NT_700, fld_NT_898);
    requireAmount(fld_NU_725, fld_NU_899);
    return int(messages.size() - before);
}
