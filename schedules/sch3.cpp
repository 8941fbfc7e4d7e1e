#include "schedules/sch3.h"

#include "framework/amounts.h"
#include "framework/year_figures.h"

namespace {
// A line that the form floors at zero, stored directly.
void floorAtZero(CFloatField& line)
{
    if (line < 0.0)
        line.store(0.0);
}
}  // namespace

double TaxData_Sch3::CalcAdjustedLoss()
{
    using year_figures::kSch3ChartRates;
    auto years = chartYears();
    double total = 0.0;
    for (size_t i = 0; i < years.size(); ++i) {
        ChartYear& y = *years[i];
        y.TaxableReserve = y.ReservePre1985 * kSch3ChartRates[i];  // column 4
        if (i == 0) {
            // 1985: the lesser of columns 1 and 4, not below 0.
            double lesser = amountExceeds(y.NetLossOtherYears, y.TaxableReserve) ? double(y.TaxableReserve)
                                                                                  : double(y.NetLossOtherYears);
            y.AdjLoss.store(lesser < 0.0 ? 0.0 : lesser);
        } else {
            // 1986 to 1991: the lesser of columns 1 and 4; then column 4 not below 0.
            y.AdjLoss.store(y.NetLossOtherYears);
            if (amountExceeds(y.NetLossOtherYears, y.TaxableReserve))
                y.AdjLoss.store(y.TaxableReserve);
            floorAtZero(y.TaxableReserve);
        }
        total += y.TaxableReserve;
    }
    fld_totalAdjLossAfter1984 = total;  // line 17
    return total;
}

int TaxData_Sch3::Calculate()
{
    CalcAdjustedLoss();

    // Part 1
    fld_part1Subtotal_1 = fld_partEligibleCC + fld_part1TotalSch2;                        // line 3
    fld_part1Subtotal_1_half = fld_part1Subtotal_1 * year_figures::kSch3InclusionRate;     // line 4
    fld_part1QualifyTaxableCC.store(fld_part1Subtotal_1_half);                             // line 6: lesser of 4 and 5
    if (amountExceeds(fld_part1Subtotal_1_half, fld_part1TotalTaxableCC))
        fld_part1QualifyTaxableCC.store(fld_part1TotalTaxableCC);
    fld_part1Line5.store(fld_part1TotalTaxableCC);
    fld_part1Line6.store(fld_part1QualifyTaxableCC);
    fld_Line8 = fld_part1TotalTaxableCC - fld_part1QualifyTaxableCC;  // line 8
    fld_AfterLine8 = fld_part1NetCC - fld_Line8;                        // line 9
    floorAtZero(fld_AfterLine8);
    fld_TotalLoss = fld_AfterLine8 + fld_AllowableBIL;                     // line 11
    fld_part1AnnualGain = fld_part1QualifyTaxableCC - fld_TotalLoss;       // line 12
    floorAtZero(fld_part1AnnualGain);

    // Part 2
    fld_part2FromLine6 = fld_part1QualifyTaxableCC;                        // line 14
    fld_part2CCDeduction = fld_3200 + fld_part2FromLine6;                  // line 15
    fld_3230 = fld_part2LossAfter1984 - fld_totalAdjLossAfter1984;         // line 18
    fld_part2LossUsed.store(fld_TotalLoss);                                // line 19
    fld_part2CumulativeLoss = fld_part2LossUsed + fld_3230;                // line 20
    fld_part2TotalLoss = fld_part2CumulativeLoss + fld_part2CumulativeNetLoss;  // line 22
    fld_part2GainsLimit = fld_part2CCDeduction - fld_part2TotalLoss;       // line 23
    floorAtZero(fld_part2GainsLimit);

    // Part 3
    fld_part3FromLine12 = fld_part1AnnualGain;                             // line 24
    fld_part3FromLine23 = fld_part2GainsLimit;                             // line 25
    fld_part3TCCSubtotal = fld_3321 + fld_3322;                            // line 28
    fld_part3Subtotal = fld_part3FromLine23 - fld_part3TCCSubtotal;        // line 29
    floorAtZero(fld_part3Subtotal);
    fld_3340.store(fld_part3FromLine12);                                   // line 30: lesser of 24 and 29
    if (amountExceeds(fld_part3FromLine12, fld_part3Subtotal))
        fld_3340.store(fld_part3Subtotal);
    return 0;
}
