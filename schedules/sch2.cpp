#include "schedules/sch2.h"

namespace {
using Sch2Field = CFloatField TaxData_Sch2::*;

// One period of the table: rows 1 to 3 by column, and row 4.
struct Period {
    Sch2Field previous[3];
    Sch2Field current[3];
    Sch2Field difference[3];
    Sch2Field previousTotal, currentTotal, differenceTotal;
};
constexpr Period kPeriod1 = {
    {&TaxData_Sch2::fld_2251, &TaxData_Sch2::fld_2221, &TaxData_Sch2::fld_2241},
    {&TaxData_Sch2::fld_2252, &TaxData_Sch2::fld_2222, &TaxData_Sch2::fld_2242},
    {&TaxData_Sch2::fld_qualifiedFarmFishing1, &TaxData_Sch2::fld_qualifiedBizShares1,
     &TaxData_Sch2::fld_reservesOther1},
    &TaxData_Sch2::fld_preYearTotal1, &TaxData_Sch2::fld_currYearTotal1, &TaxData_Sch2::fld_2263};
constexpr Period kPeriod2 = {
    {&TaxData_Sch2::fld_2351, &TaxData_Sch2::fld_2321, &TaxData_Sch2::fld_2341},
    {&TaxData_Sch2::fld_2352, &TaxData_Sch2::fld_2322, &TaxData_Sch2::fld_2342},
    {&TaxData_Sch2::fld_qualifiedFarmFishing, &TaxData_Sch2::fld_qualifiedBizShares,
     &TaxData_Sch2::fld_reservesOther},
    &TaxData_Sch2::fld_preYearTotal, &TaxData_Sch2::fld_currYearTotal, &TaxData_Sch2::fld_2363};

// Column 3 = column 1 - column 2, row by row; row 4 totals each column. No floor.
void calculatePeriod(TaxData_Sch2& s, const Period& p)
{
    double previous = 0.0, current = 0.0, difference = 0.0;
    for (int row = 0; row < 3; ++row) {
        s.*p.difference[row] = s.*p.previous[row] - s.*p.current[row];
        previous += s.*p.previous[row];
        current += s.*p.current[row];
        difference += s.*p.difference[row];
    }
    s.*p.previousTotal = previous;
    s.*p.currentTotal = current;
    s.*p.differenceTotal = difference;
}
}  // namespace

int TaxData_Sch2::Calculate()
{
    calculatePeriod(*this, kPeriod1);
    calculatePeriod(*this, kPeriod2);
    return 0;
}

bool TaxData_Sch2::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return true;
}

int TaxData_Sch2::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    return CTaxDataBase01::ChangeToNewYearData(param);
}
