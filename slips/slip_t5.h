// T5 slip received by the trust: investment income, in any currency, of
// which the trust may hold a share.
#pragma once

#include "slips/received_slip.h"

#include <array>

class TaxData_Slip_T5 : public ReceivedSlip {
    Q_OBJECT
public:
    explicit TaxData_Slip_T5(int from = kSlipReceivedByTrust) : ReceivedSlip(5, from)
    {
        addFieldOldName("box_percent", "fld_percent");
    }
    int Calculate02() override;
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    void addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const override;
    std::vector<SlipKeyBox> slipKeyBoxes() const override;
    // The trust's converted share of box `box` (box x rate x percent / 100)
    // as the last Calculate02 left it; 0 for a box without a share.
    double share(int box) const;

    FLD(CStringField, box_name, 0, "", 120);  // payer
    FLD(CStringField, box_curcy_name, 0, "", 20);
    FLD(CFloatField, box_curcy_rate, Decimals(4), 1.0);
    FLD(CBoolField, box_bOverwritePercentIfShared);
    FLD(CPercentField, box_percent, 100.0);
    FLD(CFloatField, box_10, 0.0, 10);      // actual dividends other than eligible
    FLD(CFloatField, box_11, 0.0, 11);
    FLD(CFloatField, box_12, 0.0, 12);
    FLD(CFloatField, box_13, 0.0, 13);      // interest: boxes 9909 to 9912
    FLD(CFloatField, box_9909, 0.0, 9909);
    FLD(CFloatField, box_9910, 0.0, 9910);
    FLD(CFloatField, box_9911, 0.0, 9911);
    FLD(CFloatField, box_9912, 0.0, 9912);
    FLD(CFloatField, box_14, 0.0, 14);
    FLD(CFloatField, box_15, 0.0, 15);      // foreign income
    FLD(CFloatField, box_16, 0.0, 16);      // foreign tax paid
    FLD(CFloatField, box_17, 0.0, 17);
    FLD(CBoolField, box_17_workorinvention);
    FLD(CFloatField, box_18, 0.0, 18);
    FLD(CFloatField, box_19, 0.0, 19);
    FLD(CFloatField, box_24, 0.0, 24);
    FLD(CFloatField, box_25, 0.0, 25);
    FLD(CFloatField, box_26, 0.0, 26);

protected:
    const CStringField* payerField() const override { return box_name.isBlank() ? nullptr : &box_name; }

private:
    static constexpr size_t kSharedBoxCount = 17;
    // The boxes with a share, in the order they are converted.
    std::array<const CFloatField*, kSharedBoxCount> sharedBoxes() const;
    std::array<double, kSharedBoxCount> m_shares{};  // not stored: recomputed
};
