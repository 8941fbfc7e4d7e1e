#include "slips/t3_filinginfo.h"

#include "framework/validation_messages.h"

using F = TaxData_Slip_Issuing_FilingInfo;

namespace {
const char* const kPleaseAnswer = "Please answer %s";
const char* const kEmptyOrInvalidIn = "%s in [%s] is empty or invalid.";
const char* const kWhere = "Filing Info. Slip";

void askFor(std::list<CString>& messages, const CField& field, const char* what)
{
    addMessage(messages, field, CString::Format(kPleaseAnswer, what));
}

void requireText(std::list<CString>& messages, const CStringField& field, const char* what)
{
    if (field.isBlank())
        addMessage(messages, field, CString::Format(kEmptyOrInvalidIn, what, kWhere));
}
}  // namespace

int F::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (!box_lang.isAnswered())
        askFor(messages, box_lang, "language option of the transmitter");
    if (box_iCountry <= 0)
        askFor(messages, box_iCountry, "the country of transmitter");
    if (!box_AcctNumOption.isAnswered())
        askFor(messages, box_AcctNumOption, "the option of transmitter account number");
    else if (box_AcctNumOption == kProgramAccount && box_AcctNum.isBlank())
        askFor(messages, box_AcctNum, "the full transmitter account number");
    else if (box_AcctNumOption == kRepresentativeId && box_RepID.isBlank())
        askFor(messages, box_RepID, "the representative ID");
    requireText(messages, box_ContactName, "Transmitter name");
    requireText(messages, box_ContactPhone, "Transmitter phone");
    requireText(messages, box_ContactEmail, "Transmitter email");
    return int(messages.size() - before);
}

bool F::GetDisplayName(CString& out)
{
    if (box_name.isEmpty())
        return false;
    out = box_name.str();
    return true;
}
