// Last year's T3 return as the start of this year's: the period moves one
// year on and the trust is no longer filing for the first time. Answers and
// amounts stay; the first calculation recomputes the totals.
#include "returns/t3ret.h"

#include "framework/year_figures.h"

namespace {
// Year of the last return when the stored one is missing or implausible.
const QString kDefaultLastReturnYear = QString::number(year_figures::kPreviousYear);
constexpr int kFirstPlausibleYear = 2001;
}  // namespace

int TaxData_T3Ret::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    TaxData_T3Base::ChangeToNewYearData(param);
    if (param.bSameYear)
        return 0;

    fld_start_date = fld_end_date.value().addDays(1);
    fld_end_date.set1YLater();
    fld_first_year = 1;
    const int lastYear = fld_year_last.trimmed().toInt();  // 0 when empty or unreadable
    if (lastYear < kFirstPlausibleYear)
        fld_year_last = kDefaultLastReturnYear;
    else
        fld_year_last = QString::number(lastYear + 1);
    return 0;
}
