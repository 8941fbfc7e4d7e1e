#include "schedules/sch7.h"

int TaxData_Sch7::Calculate()
{
    fld_colA_total = fld_colA_1a + fld_colA_4a + fld_colA_5a + fld_colA_6a;
    fld_colB_total = fld_colB_1b + fld_colB_1c + fld_colB_1d + fld_colB_2a + fld_colB_2b + fld_colB_3a +
                     fld_colB_3b + fld_colB_4b + fld_colB_5b + fld_colB_6b + fld_colB_7;
    fld_7931 = fld_colC_2a + fld_colC_3a;
    fld_colD_total = fld_colD_1b + fld_colD_1c;
    fld_totalPensionIncome = fld_colA_total + fld_colB_total;  // C and D repeat column B
    return 0;
}

bool TaxData_Sch7::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return false;
}

int TaxData_Sch7::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& /*param*/)
{
    return 0;
}
