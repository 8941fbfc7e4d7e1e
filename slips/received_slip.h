// What the information slips a trust receives share: the payer's name as the
// slip's display name, boxes that cannot go below zero, and the boxes that add
// the trust's share to the slip totals of the return.
#pragma once

#include "framework/form.h"
#include "framework/slipcalc.h"

#include <initializer_list>

// One box of a slip feeding a member of the slip totals.
struct SlipTotalsFeed {
    int member;
    double amount;
};

class ReceivedSlip : public CSlipTaxDataBase01 {
    Q_OBJECT
public:
    using CSlipTaxDataBase01::CSlipTaxDataBase01;

    // The slip's name field when it holds text; otherwise the base name.
    bool GetDisplayName(CString& out) override;
    CString slipParty() const override;

protected:
    // The field that names the payer, or nullptr when there is none (or it does not count).
    virtual const CStringField* payerField() const { return nullptr; }

    static void floorAtZero(std::initializer_list<CFloatField*> boxes);
    // Adds each amount times `factor` to its member (marking it present).
    static void addToTotals(STRU_SLIPDATA_CALCULATION& totals, std::initializer_list<SlipTotalsFeed> feeds,
                            double factor = 1.0);
    // Key boxes labelled with their box numbers.
    static std::vector<SlipKeyBox> boxesByNumber(std::initializer_list<const CFloatField*> boxes);
};
