// Schedule 3, "Eligible Taxable Capital Gains".
//
// Part 1 works out the annual gains limit (line 12), Part 2 the cumulative
// gains limit (line 23) and Part 3 the eligible taxable capital gains the
// trust may designate (line 30, the limit of Schedule 9 line 930). The chart
// on page 2 ("Calculation for line 17") adjusts the net capital losses of
// 1985 to 1991 by the inclusion rate of each year.
//
// Lines 1, 2, 5, 7, 10 and 21 are filled by the calculation engine from the
// return and the other schedules; lines 13, 16, 26 and 27 are last year's
// amounts, typed by the user.
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"

#include <array>

class TaxData_Sch3 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch3() : CTaxDataBase01(15) {}

    // The chart, then Parts 1 to 3.
    int Calculate();
    // The chart "Calculation for line 17"; answers its total (line 17).
    double CalcAdjustedLoss();

    // One year of the chart: columns 1, 2, 4 and 5 (fld_1985NetLossOtherYears ...).
    struct ChartYear : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CFloatField, NetLossOtherYears, 0.0, 0);  // column 1
        ROW_FLD(CFloatField, ReservePre1985, 0.0, 0);     // column 2
        ROW_FLD(CFloatField, TaxableReserve, 0.0, 0);     // column 4: column 2 x the year's rate
        ROW_FLD(CFloatField, AdjLoss, 0.0, 0);            // column 5
    };

    // Part 1: annual gains limit
    FLD(CFloatField, fld_partEligibleCC, 0.0, 0);         // line 1
    FLD(CFloatField, fld_part1TotalSch2, 0.0, 0);         // line 2
    FLD(CFloatField, fld_part1Subtotal_1, 0.0, 0);        // line 3
    FLD(CFloatField, fld_part1Subtotal_1_half, 0.0, 0);   // line 4
    FLD(CFloatField, fld_part1TotalTaxableCC, 0.0, 0);    // line 5
    FLD(CFloatField, fld_part1QualifyTaxableCC, 0.0, 0);  // line 6
    FLD(CFloatField, fld_part1NetCC, 0.0, 0);             // line 7
    FLD(CFloatField, fld_part1Line5, Computed);           // line 8: line 5
    FLD(CFloatField, fld_part1Line6, Computed);           // line 8: line 6
    FLD(CFloatField, fld_Line8, 0.0, 0);                  // line 8
    FLD(CFloatField, fld_AfterLine8, 0.0, 0);             // line 9
    FLD(CFloatField, fld_AllowableBIL, 0.0, 0);           // line 10
    FLD(CFloatField, fld_TotalLoss, 0.0, 0);              // line 11
    FLD(CFloatField, fld_part1AnnualGain, 0.0, 0);        // line 12

    // Part 2: cumulative gains limit
    FLD(CFloatField, fld_3200, Record(W), 0.0, 3200);     // line 13
    FLD(CFloatField, fld_part2FromLine6, 0.0, 0);         // line 14
    FLD(CFloatField, fld_part2CCDeduction, 0.0, 0);       // line 15
    FLD(CFloatField, fld_part2LossAfter1984, 0.0, 0);     // line 16
    FLD(CFloatField, fld_3230, Record(W), 0.0, 3230);     // line 18
    FLD(CFloatField, fld_part2LossUsed, 0.0, 0);          // line 19
    FLD(CFloatField, fld_part2CumulativeLoss, 0.0, 0);    // line 20
    FLD(CFloatField, fld_part2CumulativeNetLoss, 0.0, 0); // line 21
    FLD(CFloatField, fld_part2TotalLoss, 0.0, 0);         // line 22
    FLD(CFloatField, fld_part2GainsLimit, 0.0, 0);        // line 23

    // Part 3: eligible taxable capital gains
    FLD(CFloatField, fld_part3FromLine12, 0.0, 0);        // line 24
    FLD(CFloatField, fld_part3FromLine23, 0.0, 0);        // line 25
    FLD(CFloatField, fld_3321, Record(W), 0.0, 3321);     // line 26
    FLD(CFloatField, fld_3322, Record(W), 0.0, 3322);     // line 27
    FLD(CFloatField, fld_part3TCCSubtotal, 0.0, 0);       // line 28
    FLD(CFloatField, fld_part3Subtotal, 0.0, 0);          // line 29
    FLD(CFloatField, fld_3340, 0.0, 3340);                // line 30

    // Chart "Calculation for line 17", 1985 to 1991.
    ChartYear m_1985{this, "fld_1985", ""};
    ChartYear m_1986{this, "fld_1986", ""};
    ChartYear m_1987{this, "fld_1987", ""};
    ChartYear m_1988{this, "fld_1988", ""};
    ChartYear m_1989{this, "fld_1989", ""};
    ChartYear m_1990{this, "fld_1990", ""};
    ChartYear m_1991{this, "fld_1991", ""};
    FLD(CFloatField, fld_totalAdjLossAfter1984, 0.0, 0);  // line 17

    // The chart's years, 1985 first.
    std::array<ChartYear*, 7> chartYears() { return {&m_1985, &m_1986, &m_1987, &m_1988, &m_1989, &m_1990, &m_1991}; }
};
