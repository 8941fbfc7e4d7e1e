#include "schedules/sch10.h"

#include "framework/checks.h"
#include "framework/year_figures.h"

#include <algorithm>

int TaxData_Sch10::Calculate01()
{
    fld_TotalIncome = fld_10010 + fld_10020 + fld_10030 + fld_10040 + fld_10050;  // line 6
    fld_Subtotal_1 = fld_ResBeneficiaries + fld_NonResBeneficiaries;              // line 9

    // Part C
    fld_10310 = std::max(0.0, fld_10310_A - fld_10310_B);        // line 49
    fld_after_10310 = fld_10310 + fld_10300;                     // line 50
    fld_10320 = fld_10320_C + fld_10320_D;                       // line 51
    fld_after_10320 = std::max(0.0, fld_after_10310 - fld_10320);  // line 52
    fld_Part2_2Tax = fld_after_10320 * year_figures::kPartII2TaxRate;  // line 53
    return 0;
}

int TaxData_Sch10::CalculatePartsAB()
{
    fld_Adjusted = fld_Subtotal_1 - fld_TaxableBenefit;                        // line 11
    fld_b4Rate40Pcnt = std::min<double>(fld_TotalIncome, fld_Adjusted);
    fld_TaxPayable = fld_b4Rate40Pcnt * year_figures::kPartXII2TaxRate;        // line 12
    fld_FromLine11 = fld_Adjusted;
    fld_Line13 = div(fld_IncAllocBene * fld_TaxPayable, fld_FromLine11, 0.0);  // line 13
    fld_Credit = fld_TaxPayable - fld_Line13;                                  // line 14

    fld_after10210 = fld_b4_10210 + fld_10210;                                 // line 17
    fld_Line13FromA = fld_Line13;                                              // line 21
    fld_SubtotalB = fld_10230 + fld_10240 + fld_10250 + fld_Line13FromA;       // line 22
    return 0;
}
