#include "slips/slip_t4rif.h"

#include "slips/slip_totals_members.h"

void TaxData_Slip_T4RIF::addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const
{
    addToTotals(totals, {{slip_members::kPensionTaxDeducted, box_28}});
}

std::vector<SlipKeyBox> TaxData_Slip_T4RIF::slipKeyBoxes() const
{
    return boxesByNumber({&box_16, &box_28});
}
