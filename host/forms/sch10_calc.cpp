// Schedule 10: amounts to beneficiaries from Schedule 9, taxable benefits from
// the return; its Part XII.2 tax (line 12) and Part II.2 tax (line 53) go to
// lines 83 and 80 of the return.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/sch10.h"
#include "schedules/sch9.h"

namespace {
void partXII2Tax(CalcPass& pass)
{
    if (auto* sch10 = pass.ret.first<TaxData_Sch10>()) {
        sch10->Calculate01();
        sch10->CalculatePartsAB();
    }
}

using T3 = TaxData_T3Ret;
using S9 = TaxData_Sch9;
using S10 = TaxData_Sch10;
}  // namespace

FormCalculation sch10Calculation()
{
    return {
        {{{7, 1}, "Schedule 10: Part XII.2 and Part II.2 tax", &partXII2Tax}},
        {
            copyField<S9, S10>({7, 1}, "fld_total_A_resident", "fld_ResBeneficiaries", "Schedule 9 line 928, column 1"),
            copyField<S9, S10>({7, 1}, "fld_total_A_nonresident", "fld_NonResBeneficiaries",
                               "Schedule 9 line 928, column 2"),
            copyField<T3, S10>({7, 1}, "fld_taxable_bnf", "fld_TaxableBenefit", "T3 return line 43"),
            copyField<S10, T3>({8, 1}, "fld_Part2_2Tax", "fld_80", "Schedule 10 line 53"),
            copyField<S10, T3>({8, 1}, "fld_TaxPayable", "fld_part7_2_tax", "Schedule 10 line 12"),
        },
    };
}
