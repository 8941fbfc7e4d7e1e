#include "slips/slip_t5013.h"

#include "framework/amounts.h"
#include "framework/validation_messages.h"
#include "slips/slip_totals_members.h"

int TaxData_Slip_T5013::Calculate02()
{
    floorAtZero({&box_108});
    return 0;
}

int TaxData_Slip_T5013::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (!amountPresent(box_percent))
        addMessage(messages, box_percent, "ownership percentage is zero");
    return int(messages.size() - before);
}

int TaxData_Slip_T5013::SyncSharedData(CTaxData_Form* other)
{
    auto* partner = dynamic_cast<TaxData_Slip_T5013*>(other);
    if (!partner || partner == this)
        return 0;
    CTaxData_Form::operator=(*partner);
    m_confirmationCode = partner->m_confirmationCode;
    m_fileDate = partner->m_fileDate;
    box_percent = 100.0 - partner->box_percent;
    return 0;
}

void TaxData_Slip_T5013::addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const
{
    addToTotals(totals, {{slip_members::kT5013CapitalGains, box_151}}, box_percent / 100.0);
}

std::vector<SlipKeyBox> TaxData_Slip_T5013::slipKeyBoxes() const
{
    auto keys = boxesByNumber({&box_151});
    keys.push_back({QStringLiteral("%"), box_percent});
    return keys;
}
