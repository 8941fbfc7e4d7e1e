// Form T1055, "Summary of Deemed Dispositions": the deemed disposition of the
// trust's property (situations A to H), the deemed gains by kind of property
// (lines 1 to 10), the taxable part (lines 11 to 14), recapture on
// depreciable property (line 15), the total to line 11 of the T3 return
// (line 20), the adjusted taxable capital gains to line 01 (line 23) and the
// election under subsection 159(6.1) to defer tax (lines 24 to 27, Form
// T2223).
//
// The form is not filed as Netfile records of its own: its records (CRA
// 55011 to 55840) go into the JSON filing document through WriteFreeData.
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"
#include "framework/json_filing_part.h"

#include <nlohmann/json_fwd.hpp>

struct NetfileGenObjParamStruct;
using json = nlohmann::ordered_json;

class TaxData_T1055 : public CTaxDataBase01, public JsonStatementPart<TaxData_T1055> {
    Q_OBJECT
public:
    TaxData_T1055() : CTaxDataBase01(43) {}

    int Calculate();
    bool shouldSkipWriteNetfile() override { return true; }
    // The form's records (CRA 55011 .. 55840, 55800), for the JSON filing document.
    int WriteFreeData(unsigned char purpose, NetfileGenObjParamStruct* ctx);
    // The form's part of the JSON filing document (efile/t1055_json.cpp).
    int WriteJsonFileHeader(unsigned char purpose, json& doc);
    int WriteJsonFile(unsigned char purpose, json& doc);

    // Shares: number, name of the corporation, year acquired, proceeds, cost, gain
    struct ShareRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, Num, 0, "", 80);
        ROW_FLD(CStringField, Name, 0, "", 80);
        ROW_FLD(CStringField, Year, 0, "", 4);
        ROW_FLD(CFloatField, Disp);
        ROW_FLD(CFloatField, Acb);
        ROW_FLD(CFloatField, Gain, Computed);
    };
    // Property described by one text: address or description, then as above
    struct PropertyRow : FieldRow {
        PropertyRow(CTaxData_Form* form, std::string prefix, std::string suffix, const char* what)
            : FieldRow(form, std::move(prefix), std::move(suffix)), desc{slot(what), 0, "", 80}
        {
        }
        CStringField desc;
        ROW_FLD(CStringField, SharesYear, 0, "", 4);
        ROW_FLD(CFloatField, SharesDisp);
        ROW_FLD(CFloatField, SharesAcb);
        ROW_FLD(CFloatField, SharesGain, Computed);
    };
    struct AddrRow : PropertyRow {
        AddrRow(CTaxData_Form* form, std::string prefix, std::string suffix)
            : PropertyRow(form, std::move(prefix), std::move(suffix), "Addr")
        {
        }
    };
    struct DescRow : PropertyRow {
        DescRow(CTaxData_Form* form, std::string prefix, std::string suffix)
            : PropertyRow(form, std::move(prefix), std::move(suffix), "Desc")
        {
        }
    };
    struct BondRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, FaceValue, 0, "", 80);
        ROW_FLD(CDateField, MatDate);
        ROW_FLD(CStringField, IssuerName, 0, "", 80);
        ROW_FLD(CStringField, SharesYear, 0, "", 4);
        ROW_FLD(CFloatField, SharesDisp);
        ROW_FLD(CFloatField, SharesAcb);
        ROW_FLD(CFloatField, SharesGain, Computed);
    };
    struct RecaptureRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, depreciableNumber, 0, "", 80);  // class number
        ROW_FLD(CFloatField, depreciableCC);                   // capital cost, or FMV when lower
        ROW_FLD(CFloatField, undepreciatedCC);
        ROW_FLD(CFloatField, recaptureAmt, Computed);
    };
    static constexpr int kRows = 4;

    // Situations A and B: the deceased beneficiary spouse or common-law partner
    FLD(CStringField, fld_FirstName_A_B, 0, "", 100);
    FLD(CStringField, fld_LastName_A_B, 0, "", 100);
    FLD(CStringField, fld_Addr_A_B, 0, "", 100);
    FLD(CStringField, fld_sin_A_B, 0, "", 9);
    FLD(CDateField, fld_dd_A_B);
    // Situations C and F: the deceased settlor or transferor
    FLD(CStringField, fld_FirstName_C_F, 0, "", 100);
    FLD(CStringField, fld_LastName_C_F, 0, "", 100);
    FLD(CStringField, fld_Addr_C_F, 0, "", 100);
    FLD(CStringField, fld_sin_C_F, 0, "", 9);
    FLD(CDateField, fld_dd_C_F);
    FLD(CIntField, fld_iDE, -1);  // did an event of D or E occur: 0 yes, 1 no
    FLD(CDateField, fld_dd_D_E);

    // Line 1: qualified small business corporation shares
    FieldRows<ShareRow, kRows> m_bizShares{this, "fld_bizShares", "_"};
    FLD(CFloatField, fld_55011, Record(W), 0, 0.0, 55011, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55012, Record(W), 0, 0.0, 55012, 1, 0, 0, 0x10000);
    // Line 2: qualified farm or fishing property
    FieldRows<AddrRow, kRows> m_farm{this, "fld_farm", "_"};
    FLD(CFloatField, fld_55021, Record(W), 0, 0.0, 55021, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55022, Record(W), 0, 0.0, 55022, 1, 0, 0, 0x10000);
    // Line 3: mutual fund units and other shares
    FieldRows<ShareRow, kRows> m_mutualShares{this, "fld_mutualShares", "_"};
    FLD(CFloatField, fld_55031, Record(W), 0, 0.0, 55031, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55032, Record(W), 0, 0.0, 55032, 1, 0, 0, 0x10000);
    // Line 4: real estate and depreciable property
    FieldRows<AddrRow, kRows> m_realEstate{this, "fld_realEstate", "_"};
    FLD(CFloatField, fld_55041, Record(W), 0, 0.0, 55041, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55042, Record(W), 0, 0.0, 55042, 1, 0, 0, 0x10000);
    // Line 5: bonds, debentures, promissory notes, crypto-assets
    FieldRows<BondRow, kRows> m_bonds{this, "fld_bonds", "_"};
    FLD(CFloatField, fld_55051, Record(W), 0, 0.0, 55051, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55052, Record(W), 0, 0.0, 55052, 1, 0, 0, 0x10000);
    // Line 6: personal-use property
    FieldRows<DescRow, kRows> m_personalProp{this, "fld_personalProp", "_"};
    FLD(CFloatField, fld_55061, Record(W), 0, 0.0, 55061, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55062, Record(W), 0, 0.0, 55062, 1, 0, 0, 0x10000);
    // Line 7: listed personal property, one row
    FLD(CStringField, fld_LPPDesc, 0, "", 80);
    FLD(CStringField, fld_LPPSharesYear, 0, "", 4);
    FLD(CFloatField, fld_LPPSharesDisp);
    FLD(CFloatField, fld_LPPSharesAcb);
    FLD(CFloatField, fld_LPPSharesGain, Computed);
    FLD(CFloatField, fld_55071, Record(W), 0, 0.0, 55071, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55072, Record(W), 0, 0.0, 55072, 1, 0, 0, 0x10000);

    FLD(CFloatField, fld_55080, Record(W), 0.0, 55080);     // line 8: LPP losses
    FLD(CFloatField, fld_after55080, Computed);             // line 9
    FLD(CFloatField, fld_allNetGainLoss, Computed);         // line 10
    FLD(CFloatField, fld_allNetGainLoss_prd1);              // line 10A: on or before June 24, 2024
    FLD(CFloatField, fld_allNetGainLoss_prd2, Computed);    // line 10B: after June 24, 2024
    FLD(CFloatField, fld_Line10, Computed);                 // line 10 again
    FLD(CPercentField, fld_InclRate);                       // inclusion rate, per cent
    FLD(CFloatField, fld_55250, Record(W), 0, 0.0, 55250, 1, 0, 0, 0x10000);  // line 11
    FLD(CFloatField, fld_deemedTCC, Computed);              // line 12
    FLD(CFloatField, fld_55310, Record(W), 0.0, 55310);     // line 13: net capital losses (Schedule 1 line 45)
    FLD(CFloatField, fld_55320, Record(W), 0, 0.0, 55320, 1, 0, 0, 0x10000);  // line 14

    // Line 15: recapture of capital cost allowance
    FieldRows<RecaptureRow, kRows> m_recapture{this, "fld_", "_"};
    FLD(CFloatField, fld_55331, Record(W), 0, 0.0, 55331, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55332, Record(W), 0, 0.0, 55332, 1, 0, 0, 0x10000);
    FLD(CFloatField, fld_55333, Record(W), 0, 0.0, 55333, 1, 0, 0, 0x10000);  // line 15

    FLD(CFloatField, fld_55340, Record(W), 0.0, 55340);     // line 16: resource property income
    FLD(CFloatField, fld_55350, Record(W), 0.0, 55350);     // line 17: deduction
    FLD(CFloatField, fld_netCanForeignProp, Computed);      // line 18
    FLD(CFloatField, fld_55370, Record(W), 0.0, 55370);     // line 19: land held in inventory
    FLD(CFloatField, fld_55420, Record(W), 0, 0.0, 55420, 1, 0, 0, 0x10000);  // line 20: to line 11 of the return
    FLD(CFloatField, fld_taxableCC);                        // line 21: Schedule 1 line 45
    FLD(CFloatField, fld_deemedAllowableLosses, Computed);  // line 22
    FLD(CFloatField, fld_55530, Record(W), 0, 0.0, 55530, 1, 0, 0, 0x10000);  // line 23: to line 01 of the return

    // Election under subsection 159(6.1) (Form T2223)
    FLD(CIntField, fld_55800, Record(Y), 55800, -1, 0x10000);
    FLD(CFloatField, fld_totalTaxPayable);                  // line 24
    FLD(CFloatField, fld_55820, Record(C), 0.0, 55820);     // line 25
    FLD(CFloatField, fld_55830, Record(C), 0.0, 55830);     // line 26
    FLD(CFloatField, fld_55840, Record(C), 0, 0.0, 55840, 1, 0, 0, 0x10000);  // line 27: to Form T2223
};
