// T3 slip received by the trust from another trust: each box as printed and
// the trust's own share of it, converted to Canadian dollars.
#pragma once

#include "framework/form.h"

class TaxData_Slip_T3 : public CSlipTaxDataBase01 {
    Q_OBJECT
public:
    static constexpr ENUMTYPE_SLIP kSlipType = 6;
    explicit TaxData_Slip_T3(ENUMTYPE_FROM from = kSlipReceivedByTrust) : CSlipTaxDataBase01(kSlipType, from) {}

    int Calculate02() override;
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;
    bool GetDisplayName(CString& out) override;
    void addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const override;
    CString slipParty() const override { return box_name.str(); }
    std::vector<SlipKeyBox> slipKeyBoxes() const override;

    // A printed box, its share field and the slip totals member it feeds (-1: none).
    struct Box {
        int number;
        CFloatField TaxData_Slip_T3::*amount;
        CFloatField TaxData_Slip_T3::*share;
        int totalsMember;
    };
    static const std::vector<Box>& boxes();

    FLD(CStringField, box_name, 0, "", 120);       // payer (issuing trust)
    FLD(CStringField, box_curcy_name, 0, "", 20);  // "CAD", "USD" or another
    FLD(CFloatField, box_curcy_rate, Decimals(4));             // to Canadian dollars
    FLD(CBoolField, box_bOverwritePercentIfShared);
    FLD(CPercentField, box_percent);               // the trust's share, 0 to 100
    FLD(CFloatField, box_21, 0.0, 21);
    FLD(CFloatField, box_21_percent, 0.0, 0);
    FLD(CBoolField, box_21_5365);
    FLD(CFloatField, box_22, 0.0, 22);
    FLD(CFloatField, box_22_percent, 0.0, 0);
    FLD(CFloatField, box_23, 0.0, 23);
    FLD(CFloatField, box_23_percent, 0.0, 0);
    FLD(CFloatField, box_24, 0.0, 24);
    FLD(CFloatField, box_24_percent, 0.0, 0);
    FLD(CBoolField, box_24_T2125);
    FLD(CFloatField, box_25, 0.0, 25);
    FLD(CFloatField, box_25_percent, 0.0, 0);
    FLD(CFloatField, box_26, 0.0, 26);
    FLD(CFloatField, box_26_percent, 0.0, 0);
    FLD(CBoolField, box_26_T2125);
    FLD(CBoolField, box_26_6810);
    FLD(CBoolField, box_26_53650);
    FLD(CFloatField, box_30, 0.0, 30);
    FLD(CFloatField, box_30_percent, 0.0, 0);
    FLD(CIntField, box_iSmallBusinessOrFarm, -1);
    FLD(CFloatField, box_31, 0.0, 31);
    FLD(CFloatField, box_31_percent, 0.0, 0);
    FLD(CFloatField, box_32, 0.0, 32);
    FLD(CFloatField, box_32_percent, 0.0, 0);
    FLD(CFloatField, box_33, 0.0, 33);
    FLD(CFloatField, box_33_percent, 0.0, 0);
    FLD(CFloatField, box_34, 0.0, 34);
    FLD(CFloatField, box_34_percent, 0.0, 0);
    FLD(CFloatField, box_35, 0.0, 35);
    FLD(CFloatField, box_35_percent, 0.0, 0);
    FLD(CFloatField, box_37, 0.0, 37);
    FLD(CFloatField, box_37_percent, 0.0, 0);
    FLD(CFloatField, box_38, 0.0, 38);
    FLD(CFloatField, box_38_percent, 0.0, 0);
    FLD(CFloatField, box_39, 0.0, 39);
    FLD(CFloatField, box_39_percent, 0.0, 0);
    FLD(CFloatField, box_42, 0.0, 42);
    FLD(CFloatField, box_42_percent, 0.0, 0);
    FLD(CFloatField, box_49, 0.0, 49);
    FLD(CFloatField, box_49_percent, 0.0, 0);
    FLD(CFloatField, box_50, 0.0, 50);
    FLD(CFloatField, box_50_percent, 0.0, 0);
    FLD(CFloatField, box_51, 0.0, 51);
    FLD(CFloatField, box_51_percent, 0.0, 0);
};
