#include "slips/slip_t4a.h"

#include "slips/slip_totals_members.h"

int TaxData_Slip_T4A::Calculate02()
{
    // The two box 28 working amounts are worked out again wherever they are used.
    box_ws_28_6811 = 0.0;
    box_ws_28_6810 = 0.0;
    floorAtZero({&box_124});
    return 0;
}

void TaxData_Slip_T4A::addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const
{
    addToTotals(totals, {{slip_members::kPensionTaxDeducted, box_22}});
}

std::vector<SlipKeyBox> TaxData_Slip_T4A::slipKeyBoxes() const
{
    return boxesByNumber({&box_16, &box_18, &box_28, &box_22});
}
