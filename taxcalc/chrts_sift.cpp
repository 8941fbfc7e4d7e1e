#include "taxcalc/chrts_sift.h"

#include "framework/checks.h"
#include "framework/year_figures.h"

#include <algorithm>

int TaxData_CHRTS_SIFT::Calculate()
{
    // Chart 1
    fld_chart1LineB = div(fld_473, fld_rate1 / 100.0, 0.0);
    fld_57 = std::min<double>(fld_taxableIncome, fld_chart1LineB);  // line 57

    // Chart 2
    fld_chart2LineA = fld_chart2TaxableIncome * year_figures::kSiftTaxableIncomeRate;
    fld_chart2From57 = fld_57;
    fld_chart2LineB = fld_57 * fld_rate2 / 100.0;
    fld_11080 = fld_chart2LineA + fld_chart2LineB;  // line 10 of Schedule 11
    fld_11152 = fld_57;
    fld_chart2LineD = fld_57 * fld_rate3 / 100.0;

    // Chart 3
    fld_chart3From57 = fld_57;
    fld_58 = fld_chart3TaxableIncome - fld_57;  // line 58

    // Chart 4
    fld_chart4From57 = fld_57;
    fld_chart4AdjNetIncome = fld_chart4NetIncome - fld_57;

    // Chart 5
    fld_chart5From473 = fld_473;
    fld_8241 = std::max(0.0, fld_chart5From949 - fld_473);  // line 8241
    return 0;
}
