// The slips of a return as a list: one row per slip, issued or received, with
// its kind, the other party and its key boxes. The command line's `slips` and
// the window's slip table read the same rows.
#pragma once

#include "host/tax_return.h"

#include <vector>

struct SlipListRow {
    int formIndex = -1;  // position of the slip among the forms of the return
    QString kind;        // the class's JSON name ("Slip_T5", "CSlipData_T4AP")
    bool issued = false;
    QString party;
    std::vector<SlipKeyBox> keyBoxes;
};

// Positions of the slips among the forms of `ret`, in file order.
std::vector<int> slipPositions(const TaxReturn& ret);
// The row of the slip at `formIndex` (a position slipPositions gave).
SlipListRow slipListRow(const TaxReturn& ret, int formIndex);
// "box 16 1,200.00, box 22 180.00"
QString keyBoxesText(const std::vector<SlipKeyBox>& boxes);
