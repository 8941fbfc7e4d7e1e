// Schedule 23, "Agreement Among Associated Canadian-Controlled Private
// Corporations to Allocate the Business Limit": up to forty corporations,
// each with its business limit and the percentage allocated to it. Its
// Netfile output is a line stream (lines 50 and 75).
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"
#include "framework/netfile.h"

#include <cstdio>

class TaxData_Sch23 : public CTaxDataBase01, public NetfileLineStreamForm {
    Q_OBJECT
public:
    TaxData_Sch23() : CTaxDataBase01(41) {}

    int Calculate();
    // The business limit allocated to the first row whose business number is
    // `bn` (without regard to case); 0.0 when no row holds it.
    double GetBusinessLimit(const CString& bn) const;
    bool hasEntryForBN(const CString& bn) const;
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    // The line stream.
    // agreement); `lines` counts the lines written.
    using CTaxDataBase01::WriteNetfile;
    int WriteNetfile(unsigned char purpose, NetfileTypedMap& typed, FILE* out, int& reserved) override;

    static constexpr int kRows = 40;

    FLD(CDateField, fld_FileDate_notused);
    FLD(CStringField, fld_CalYear, 0, "", 4, 0x10000);  // line 50: calendar year of the agreement
    FLD(CIntField, fld_075, 75, -1, 0x10000);           // line 75: replaces an agreement filed before

    struct CorporationRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, BusiName2, 0, "", 256, 0x10000);  // N00100
        ROW_FLD(CStringField, BusiNumber, 0, "", 15, 0x10000);  // N00200
        ROW_FLD(CIntField, AsscCode, -1, 0x10000);              // N00300 association code
        ROW_FLD(CFloatField, LimitB4);                          // business limit before allocation
        ROW_FLD(CPercentField, Percent);                        // N00350
        ROW_FLD(CFloatField, LimitAfter);                       // N00400 business limit allocated
    };
    FieldRows<CorporationRow, kRows> m_rows{this, "fld_", "_"};  // fld_BusiName2_1 ... fld_LimitAfter_40
    FLD(CFloatField, fld_LimitAfter_total, Computed);
};
