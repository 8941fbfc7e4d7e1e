// T3 slip issued by the trust to one beneficiary: the recipient, the boxes
// (entered, or filled from Schedule 9 by the beneficiary's percentage), and
// the slip's part of the slip filing document.
#pragma once

#include "framework/form.h"
#include "framework/jsonhelpers.h"

#include <vector>

class JsonSink;
class TaxData_Sch9;

class TaxData_Slip_T3_Issuing : public CSlipTaxDataBase01 {
    Q_OBJECT
public:
    static constexpr ENUMTYPE_SLIP kSlipType = 1000;
    static constexpr int kIndividual = 0;
    static constexpr int kEntity = 1;
    TaxData_Slip_T3_Issuing() : CSlipTaxDataBase01(kSlipType, kSlipIssuedByTrust) {}

    int Calculate02() override;
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    bool GetDisplayName(CString& out) override;
    CString slipParty() const override;
    std::vector<SlipKeyBox> slipKeyBoxes() const override;
    // Boxes 21 to 51 from Schedule 9's rows, by box_Pcnt, when box_bUsePcnt is set.
    void autoFillByPcntFromSch9(TaxData_Sch9* sch9);
    // What the boxes take their shares of: each box's whole from Schedule 9,
    // summed once for all the slips of a return.
    struct Sch9Wholes {
        explicit Sch9Wholes(const TaxData_Sch9& sch9);
        std::vector<double> byBox;
    };
    void autoFillByPcnt(const Sch9Wholes& wholes);
    int fillSlipData(int slipNumber, json& slip);  // efile/t3slip_json.cpp
    // The same members written into an open object of any JSON sink.
    void writeSlipData(int slipNumber, JsonSink& slip) const;

    FLD(CStringField, box_name, 0, "", 80);  // first name, or the business or organisation name
    FLD(CIntField, box_EntityType, -1);      // 0 individual, 1 entity
    FLD(CStringField, box_id, 0, "", 20);    // SIN or business number
    FLD(CStringField, box_email, 0, "", 120);
    FLD(CStringField, box_lastname, 0, "", 80);
    FLD(CStringField, box_addr, 0, "", 80);
    FLD(CStringField, box_city, 0, "", 80);
    FLD(CIntField, box_iProv, 0);
    FLD(CIntField, box_iCountry, 0);
    FLD(CBoolField, box_bUsePcnt);           // filled from Schedule 9 by percentage
    FLD(CStringField, box_PostalCode, 0, "", 10);
    FLD(CPercentField, box_Pcnt);
    FLD(CFloatField, box_21, 0.0, 21);
    FLD(CFloatField, box_22, 0.0, 22);
    FLD(CFloatField, box_23, 0.0, 23);
    FLD(CFloatField, box_24, 0.0, 24);
    FLD(CFloatField, box_25, 0.0, 25);
    FLD(CFloatField, box_26, 0.0, 26);
    FLD(CFloatField, box_30, 0.0, 30);
    FLD(CFloatField, box_31, 0.0, 31);
    FLD(CFloatField, box_32, 0.0, 32);
    FLD(CFloatField, box_33, 0.0, 33);
    FLD(CFloatField, box_34, 0.0, 34);
    FLD(CFloatField, box_35, 0.0, 35);
    FLD(CFloatField, box_37, 0.0, 37);
    FLD(CFloatField, box_38, 0.0, 38);
    FLD(CFloatField, box_39, 0.0, 39);
    FLD(CFloatField, box_42, 0.0, 42);
    FLD(CFloatField, box_49, 0.0, 49);
    FLD(CFloatField, box_50, 0.0, 50);
    FLD(CFloatField, box_51, 0.0, 51);
    FLD(CFloatField, box_52, 0.0, 52);
    FLD(CFloatField, box_53, 0.0, 53);
    FLD(CFloatField, box_58, 0.0, 58);
    FLD(CFloatField, box_59, 0.0, 59);
};
