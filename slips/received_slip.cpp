#include "slips/received_slip.h"

bool ReceivedSlip::GetDisplayName(CString& out)
{
    const CStringField* payer = payerField();
    if (!payer || payer->isEmpty())
        return CSlipTaxDataBase01::GetDisplayName(out);
    out = payer->str();
    return true;
}

CString ReceivedSlip::slipParty() const
{
    const CStringField* payer = payerField();
    return payer ? payer->str() : CString();
}

void ReceivedSlip::floorAtZero(std::initializer_list<CFloatField*> boxes)
{
    for (CFloatField* box : boxes)
        if (*box < 0.0)
            *box = 0.0;
}

void ReceivedSlip::addToTotals(STRU_SLIPDATA_CALCULATION& totals, std::initializer_list<SlipTotalsFeed> feeds,
                               double factor)
{
    for (const SlipTotalsFeed& feed : feeds)
        totals.add(feed.member, feed.amount * factor);
}

std::vector<SlipKeyBox> ReceivedSlip::boxesByNumber(std::initializer_list<const CFloatField*> boxes)
{
    std::vector<SlipKeyBox> keys;
    for (const CFloatField* box : boxes)
        keys.push_back({QString::number(box->lineNum()), box->value()});
    return keys;
}
