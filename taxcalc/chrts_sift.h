// The SIFT trust charts 1 to 8: taxable SIFT distributions (line 57), SIFT
// trust tax (line 10 of Schedule 11), provincial taxable income (line 58),
// adjusted net income, the eligible dividend line 8241, and the entered
// charts 6 to 8 (refundable Quebec abatement, net corporate income tax rate,
// provincial SIFT tax rate). Rates are percentages.
#pragma once

#include "framework/form.h"

class TaxData_CHRTS_SIFT : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_CHRTS_SIFT() : CTaxDataBase01(48) {}
    int Calculate();

    // Chart 1: taxable SIFT distributions
    FLD(CFloatField, fld_taxableIncome);              // taxable income (line 56 of the return)
    FLD(CFloatField, fld_473, Record(W));             // non-deductible distributions
    FLD(CPercentField, fld_rate1);
    FLD(CFloatField, fld_chart1LineB, Computed);      // line 473 / rate 1
    FLD(CFloatField, fld_57, Record(W), Computed);    // lesser of taxable income and line B
    // Chart 2: SIFT trust tax
    FLD(CFloatField, fld_chart2TaxableIncome);
    FLD(CFloatField, fld_chart2LineA, Computed);      // taxable income x 33 %
    FLD(CFloatField, fld_chart2From57, Computed);
    FLD(CPercentField, fld_rate2);                    // negative: a deduction
    FLD(CFloatField, fld_chart2LineB, Computed);      // line 57 x rate 2
    FLD(CFloatField, fld_11080, Computed);            // line A plus line B: Schedule 11 line 10
    FLD(CFloatField, fld_11152, Computed);            // line 57 again
    FLD(CPercentField, fld_rate3);
    FLD(CFloatField, fld_chart2LineD, Computed);      // line 57 x rate 3
    // Chart 3: provincial taxable income
    FLD(CFloatField, fld_chart3TaxableIncome);
    FLD(CFloatField, fld_chart3From57, Computed);
    FLD(CFloatField, fld_58, Computed);               // taxable income minus line 57
    // Chart 4: adjusted net income
    FLD(CFloatField, fld_chart4NetIncome);            // net income (line 50 of the return)
    FLD(CFloatField, fld_chart4From57, Computed);
    FLD(CFloatField, fld_chart4AdjNetIncome, Computed);
    // Chart 5: eligible dividends
    FLD(CFloatField, fld_chart5From949);              // Schedule 9 line 949
    FLD(CFloatField, fld_chart5From473, Computed);
    FLD(CFloatField, fld_8241, Record(W), Computed);  // line 949 minus line 473, at least 0
    // Chart 6: refundable Quebec abatement
    FLD(CFloatField, fld_chart6NetProvIncome);
    FLD(CFloatField, fld_chart6TotalNetIncome);
    FLD(CFloatField, fld_chart6Line1Divide, Decimals(4));
    FLD(CFloatField, fld_chart6FromLine20Or51);
    FLD(CFloatField, fld_chart6Line1MultLine5);
    FLD(CFloatField, fld_chart6QCRefund);
    // Chart 7: net corporate income tax rate, two rate periods
    FLD(CFloatField, fld_chart7DaysPeriod1, Decimals(0));
    FLD(CFloatField, fld_chart7DaysYear1, Decimals(0));
    FLD(CFloatField, fld_chart7DaysRatio1, Decimals(4));
    FLD(CPercentField, fld_chart7Rate1);
    FLD(CPercentField, fld_chart7Line1);
    FLD(CFloatField, fld_chart7DaysPeriod2, Decimals(0));
    FLD(CFloatField, fld_chart7DaysYear2, Decimals(0));
    FLD(CFloatField, fld_chart7DaysRatio2, Decimals(4));
    FLD(CPercentField, fld_chart7Rate2);
    FLD(CPercentField, fld_chart7Line2);
    FLD(CPercentField, fld_chart7NetIncomeRate);
    // Chart 8: provincial SIFT tax rate
    FLD(CFloatField, fld_chart8DaysInRate1, Decimals(0));
    FLD(CFloatField, fld_chart8DaysYear1, Decimals(0));
    FLD(CFloatField, fld_chart8DaysRatio1, Decimals(4));
    FLD(CPercentField, fld_chart8Rate1);
    FLD(CPercentField, fld_chart8Line1);
    FLD(CFloatField, fld_chart8DaysInRate2, Decimals(0));
    FLD(CFloatField, fld_chart8DaysYear2, Decimals(0));
    FLD(CFloatField, fld_chart8DaysRatio2, Decimals(4));
    FLD(CPercentField, fld_chart8Rate2);
    FLD(CPercentField, fld_chart8Line2);
    FLD(CPercentField, fld_chart8GenIncomeRate);
    FLD(CFloatField, fld_chart8ProvDist);
    FLD(CFloatField, fld_chart8TotalDist1);
    FLD(CFloatField, fld_chart8DistRatio1, Decimals(4));
    FLD(CPercentField, fld_chart8DistRate1);
    FLD(CPercentField, fld_chart8Line4);
    FLD(CPercentField, fld_chart8TotalProvSIFT);
    FLD(CFloatField, fld_chart8ProvsDist);
    FLD(CFloatField, fld_chart8TotalDist2);
    FLD(CFloatField, fld_chart8DistRatio2, Decimals(4));
    FLD(CPercentField, fld_chart8Line6);
    FLD(CPercentField, fld_chart8AllProvsRate);
};
