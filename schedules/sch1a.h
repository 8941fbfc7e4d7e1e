// Schedule 1A, capital gains on gifts of certain capital property: the gain
// on each gifted property split into the part eligible for the 0% inclusion
// rate (column 7: gain x eligible amount of the gift / proceeds) and the part
// at 50% (column 8). Period 1 holds dispositions made on or before June 24,
// 2024, Period 2 those from June 25 to December 31, 2024; each has three
// sections of six rows (shares and mutual fund units; bonds and other
// property; ecologically sensitive land). The totals go to Schedule 1.
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"

// Columns 2 to 8 of a row, the same in every section: (2) proceeds of
// disposition, (3) adjusted cost base, (4) outlays and expenses, (5) gain or
// loss, (6) eligible amount of the gift, (7) gain at the 0% inclusion rate,
// (8) gain at the 50% inclusion rate. `pre` starts each column's name.
#define SCH1A_GAIN_COLUMNS(pre)                            \
    CFloatField disposition{slot(pre "disposition"), 0.0, 0}; \
    CFloatField costbase{slot(pre "costbase"), 0.0, 0};     \
    CFloatField outlays{slot(pre "outlays"), 0.0, 0};       \
    CFloatField gain{slot(pre "gain"), Computed};           \
    CFloatField eligibleamt{slot(pre "eligibleamt"), 0.0, 0}; \
    CFloatField col7{slot(pre "col7"), Computed};           \
    CFloatField col8{slot(pre "col8"), Computed}

class TaxData_Sch1A : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch1A() : CTaxDataBase01(37) {}

    int Calculate01();       // Period 1, then Period 2
    int calculatePeriod1();
    int calculatePage1();    // Period 2
    // Gains for Schedule 1's share, bond and real estate lines: column 7 plus column 8 totals.
    double getAmtForSch1F1732() const { return fld_1542 + fld_1542_col8_total; }
    double getAmtForSch1F1742() const { return fld_1552 + fld_1552_col8_total; }
    double getAmtForSch1F1752() const { return fld_1562 + fld_1562_col8_total; }
    double getAmtForSch1F1032() const { return fld_1512 + fld_share_col8_total; }
    double getAmtForSch1F1042() const { return fld_1522 + fld_bond_col8_total; }
    double getAmtForSch1F1052() const { return fld_1532 + fld_land_col8_total; }

    // Publicly traded shares, other shares and mutual fund units.
    struct ShareRow : FieldRow {
        using FieldRow::FieldRow;
        CStringField num{slot("num"), 0, "", 20};
        CStringField name{slot("name"), 0, "", 40};
        CStringField year{slot("year"), 0, "", 20};  // column 1
        SCH1A_GAIN_COLUMNS("");
    };
    // Bonds, debentures, promissory notes and other properties, Period 1.
    struct BondRowPrd1 : FieldRow {
        using FieldRow::FieldRow;
        CFloatField facevalue{slot("facevalue"), 0.0, 0};
        CDateField maturitydate{slot("maturitydate")};
        CStringField issuer{slot("issuer"), 0, "", 80};
        CStringField year{slot("year"), 0, "", 20};
        SCH1A_GAIN_COLUMNS("");
    };
    // The same in Period 2, whose maturity date and issuer carry no section name.
    struct BondRowPrd2 : FieldRow {
        using FieldRow::FieldRow;
        CFloatField facevalue{slot("bond_facevalue"), 0.0, 0};
        CDateField maturitydate{slot("maturitydate")};
        CStringField issuer{slot("issuer"), 0, "", 80};
        CStringField year{slot("bond_year"), 0, "", 20};
        SCH1A_GAIN_COLUMNS("bond_");
    };
    // Ecologically sensitive land.
    struct LandRow : FieldRow {
        using FieldRow::FieldRow;
        CStringField addr{slot("addr"), 0, "", 80};
        CStringField year{slot("year"), 0, "", 20};
        SCH1A_GAIN_COLUMNS("");
    };
    static constexpr int kRows = 6;

    FLD(CStringField, fld_year, 0, "", 4);

    // Period 1
    FieldRows<ShareRow, kRows> m_sharesPrd1{this, "fld_1542_", "_"};
    FLD(CFloatField, fld_1541, Record(W), Computed);  // column 2 total
    FLD(CFloatField, fld_1542, Record(W), Computed);  // column 7 total
    FLD(CFloatField, fld_1542_col8_total, Computed);
    FieldRows<BondRowPrd1, kRows> m_bondsPrd1{this, "fld_1552_", "_"};
    FLD(CFloatField, fld_1551, Record(W), Computed);
    FLD(CFloatField, fld_1552, Record(W), Computed);
    FLD(CFloatField, fld_1552_col8_total, Computed);
    FieldRows<LandRow, kRows> m_landPrd1{this, "fld_1562_", "_"};
    FLD(CFloatField, fld_1561, Record(W), Computed);
    FLD(CFloatField, fld_1562, Record(W), Computed);
    FLD(CFloatField, fld_1562_col8_total, Computed);
    FLD(CFloatField, fld_TotalPrd1, Computed);  // line 3: lines 1542, 1552 and 1562

    // Period 2
    FieldRows<ShareRow, kRows> m_shares{this, "fld_share_", "_"};
    FLD(CFloatField, fld_1511, Record(W), Computed);
    FLD(CFloatField, fld_1512, Record(W), Computed);
    FLD(CFloatField, fld_share_col8_total, Computed);
    FieldRows<BondRowPrd2, kRows> m_bonds{this, "fld_", "_"};
    FLD(CFloatField, fld_1521, Record(W), Computed);
    FLD(CFloatField, fld_1522, Record(W), Computed);
    FLD(CFloatField, fld_bond_col8_total, Computed);
    FieldRows<LandRow, kRows> m_land{this, "fld_land_", "_"};
    FLD(CFloatField, fld_1531, Record(W), Computed);
    FLD(CFloatField, fld_1532, Record(W), Computed);
    FLD(CFloatField, fld_land_col8_total, Computed);
    FLD(CFloatField, fld_TotalPrd2, Computed);  // line 3: lines 1512, 1522 and 1532
};
