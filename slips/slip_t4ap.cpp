#include "slips/slip_t4ap.h"

#include "framework/amounts.h"
#include "framework/validation_messages.h"
#include "slips/slip_totals_members.h"

#include <algorithm>

namespace {
constexpr double kMonthsInYear = 12.0;
}

int CSlipData_T4AP::Calculate02()
{
    floorAtZero({&box_14, &box_15, &box_16, &box_17, &box_18, &box_19, &box_20, &box_22});
    box_21 = std::clamp(box_21.value(), 0.0, kMonthsInYear);
    box_23 = std::min(box_23.value(), kMonthsInYear);  // only capped: a negative count stays
    // The total follows the benefits whatever the overwrite flag says.
    box_20 = box_14 + box_15 + box_16 + box_17 + box_18 + box_19;
    return 0;
}

int CSlipData_T4AP::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (!box_IsCPP.isAnswered())
        addMessage(messages, box_IsCPP, "Please specify the T4A(P) slip is from CPP or QPP benefit.");
    if (!amountPresent(box_16) && amountPresent(box_21))
        addMessage(messages, box_21,
                   "The number of months in box 21 on T4A(P) slip is not needed since no disability benefit is "
                   "entered.");
    if (!amountPresent(box_14) && amountPresent(box_23))
        addMessage(messages, box_23,
                   "The number of months in box 23 on T4A(P) slip is not needed since no retirement benefit is "
                   "entered.");
    return int(messages.size() - before);
}

int CSlipData_T4AP::Warning(std::list<CString>& messages)
{
    const size_t before = messages.size();
    const int months = int(box_23 + box_21 + 0.05);
    const bool partYear = months < int(kMonthsInYear);
    if (amountPresent(box_16) && box_21 < AMOUNT_TOLERANCE && partYear)
        addMessage(messages, box_21, "IDS_WARNING_T1_F114_NOMONTH_BOX21");
    if (amountPresent(box_14) && partYear && box_23 < AMOUNT_TOLERANCE)
        addMessage(messages, box_23, "IDS_WARNING_T1_F114_NOMONTH_BOX23");
    return int(messages.size() - before);
}

void CSlipData_T4AP::addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const
{
    addToTotals(totals, {{slip_members::kPensionTaxDeducted, box_22}});
}

std::vector<SlipKeyBox> CSlipData_T4AP::slipKeyBoxes() const
{
    return boxesByNumber({&box_20, &box_22});
}
