#include "slips/t3_filinginfo.h"

#include "slips/slip_texts.h"

using F = TaxData_Slip_Issuing_FilingInfo;

namespace {
const char* const kWhere = "Filing Info. Slip";
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
    requireText(messages, box_ContactName, "Transmitter name", kWhere);
    requireText(messages, box_ContactPhone, "Transmitter phone", kWhere);
    requireText(messages, box_ContactEmail, "Transmitter email", kWhere);
    return int(messages.size() - before);
}

bool F::GetDisplayName(CString& out)
{
    return displayNameFrom(box_name, out);
}
