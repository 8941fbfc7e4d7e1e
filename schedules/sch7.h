// Schedule 7, "Pension Income Allocations and Designations".
//
// The pension income the trust allocates or designates, in four columns: A
// lump-sum pension income, B other pension income, C qualifying pension
// income, D income that qualifies for an eligible annuity for a minor.
// Columns C and D repeat amounts of column B, so the total pension income is
// columns A and B. The schedule never moves into the next year.
#pragma once

#include "framework/form.h"

class TaxData_Sch7 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch7() : CTaxDataBase01(18) {}

    int Calculate();
    bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov) override;
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;

    FLD(CFloatField, fld_colA_1a, 0.0, 0);  // 1a RPP lump sum (T4A box 018) to the spouse
    FLD(CFloatField, fld_colB_1b, 0.0, 0);  // 1b to a minor child or grandchild
    FLD(CFloatField, fld_colD_1b, 0.0, 0);
    FLD(CFloatField, fld_colB_1c, 0.0, 0);  // 1c to a dependent infirm child or grandchild
    FLD(CFloatField, fld_colD_1c, 0.0, 0);
    FLD(CFloatField, fld_colB_1d, 0.0, 0);  // 1d to any other beneficiary
    FLD(CFloatField, fld_colB_2a, 0.0, 0);  // 2a life annuity (box 016) to the spouse
    FLD(CFloatField, fld_colC_2a, 0.0, 0);
    FLD(CFloatField, fld_colB_2b, 0.0, 0);  // 2b to another beneficiary
    FLD(CFloatField, fld_colB_3a, 0.0, 0);  // 3a life annuity, services while not resident, to the spouse
    FLD(CFloatField, fld_colC_3a, 0.0, 0);
    FLD(CFloatField, fld_colB_3b, 0.0, 0);  // 3b to another beneficiary
    FLD(CFloatField, fld_colA_4a, 0.0, 0);  // 4 lump sum from such a plan: a) spouse, b) other
    FLD(CFloatField, fld_colB_4b, 0.0, 0);
    FLD(CFloatField, fld_colA_5a, 0.0, 0);  // 5 lump sum from a foreign retirement arrangement
    FLD(CFloatField, fld_colB_5b, 0.0, 0);
    FLD(CFloatField, fld_colA_6a, 0.0, 0);  // 6 lump sum from a deferred profit-sharing plan
    FLD(CFloatField, fld_colB_6b, 0.0, 0);
    FLD(CFloatField, fld_colB_7, 0.0, 0);   // 7 periodic payments from an annuity of a minor
    FLD(CFloatField, fld_colA_total, Computed);
    FLD(CFloatField, fld_colB_total, Computed);
    FLD(CFloatField, fld_7931, Record(C), 0.0, 7931);  // column C total
    FLD(CFloatField, fld_colD_total, Computed);
    FLD(CFloatField, fld_totalPensionIncome, Computed);
};
