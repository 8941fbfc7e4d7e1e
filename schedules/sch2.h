// Schedule 2, "Reserves on Dispositions of Capital Property": last year's
// and this year's reserves by kind of property, for Period 1 (dispositions
// before June 25, 2024) and Period 2 (after June 24, 2024). Column 3 is
// column 1 minus column 2 and may be negative; its totals (2263, 2363) go to
// Schedule 1 line 18 and rows 1 and 2 to Schedule 3 line 2.
#pragma once

#include "framework/form.h"

class TaxData_Sch2 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch2() : CTaxDataBase01(14) {}

    int Calculate();
    // Always carried into the new year, where the framework resets its amounts.
    bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov) override;
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;

    // Period 1. Columns: 1) previous year reserve, 2) current year reserve, 3) column 1 - column 2.
    FLD(CFloatField, fld_2251, Record(W), 0.0, 2251);    // row 1: qualified farm or fishing property
    FLD(CFloatField, fld_2252, Record(W), 0.0, 2252);
    FLD(CFloatField, fld_qualifiedFarmFishing1, Computed);
    FLD(CFloatField, fld_2221, Record(W), 0.0, 2221);    // row 2: qualified small business corporation shares
    FLD(CFloatField, fld_2222, Record(W), 0.0, 2222);
    FLD(CFloatField, fld_qualifiedBizShares1, Computed);
    FLD(CFloatField, fld_2241, Record(W), 0.0, 2241);    // row 3: other property
    FLD(CFloatField, fld_2242, Record(W), 0.0, 2242);
    FLD(CFloatField, fld_reservesOther1, Computed);
    FLD(CFloatField, fld_preYearTotal1, Computed);       // row 4: total
    FLD(CFloatField, fld_currYearTotal1, Computed);
    FLD(CFloatField, fld_2263, Record(W), 0.0, 2263);

    // Period 2
    FLD(CFloatField, fld_2351, Record(W), 0.0, 2351);    // row 1
    FLD(CFloatField, fld_2352, Record(W), 0.0, 2352);
    FLD(CFloatField, fld_qualifiedFarmFishing, Computed);
    FLD(CFloatField, fld_2321, Record(W), 0.0, 2321);    // row 2
    FLD(CFloatField, fld_2322, Record(W), 0.0, 2322);
    FLD(CFloatField, fld_qualifiedBizShares, Computed);
    FLD(CFloatField, fld_2341, Record(W), 0.0, 2341);    // row 3
    FLD(CFloatField, fld_2342, Record(W), 0.0, 2342);
    FLD(CFloatField, fld_reservesOther, Computed);
    FLD(CFloatField, fld_preYearTotal, Computed);        // row 4
    FLD(CFloatField, fld_currYearTotal, Computed);
    FLD(CFloatField, fld_2363, Record(W), 0.0, 2363);
};
