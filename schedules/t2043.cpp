#include "schedules/t2043.h"

#include "framework/amounts.h"
#include "framework/checks.h"
#include "framework/validation_messages.h"
#include "framework/year_figures.h"

using namespace year_figures;

namespace {
using Amount = CFloatField TaxData_T2043::*;
using Percent = CPercentField TaxData_T2043::*;

// Chart B of one province, and the fields of Part 3 that take its lines.
struct ProvinceChart {
    Amount line1, line2;
    Percent line3;
    Amount line4, line5;
    Percent line6, line7, line8;
    Amount line9;
    Amount expenses, credit, revenueRecord, wagesRecord;
};
#define CHART(P, EXP, REV, WAGES)                                                                               \
    {&TaxData_T2043::fld_chartB_##P##_1, &TaxData_T2043::fld_chartB_##P##_2, &TaxData_T2043::fld_chartB_##P##_3, \
     &TaxData_T2043::fld_chartB_##P##_4, &TaxData_T2043::fld_chartB_##P##_5, &TaxData_T2043::fld_chartB_##P##_6, \
     &TaxData_T2043::fld_chartB_##P##_7, &TaxData_T2043::fld_chartB_##P##_8, &TaxData_T2043::fld_chartB_##P##_9, \
     &TaxData_T2043::fld_##EXP, &TaxData_T2043::fld_##EXP##Credit, &TaxData_T2043::fld_##REV,                  \
     &TaxData_T2043::fld_##WAGES}
const ProvinceChart kProvinces[] = {
    CHART(ON, 67063, 67067, 67071),
    CHART(MB, 67064, 67068, 67072),
    CHART(SK, 67065, 67069, 67073),
    CHART(AB, 67066, 67070, 67074),
};
#undef CHART
}  // namespace

int TaxData_T2043::Calculate01()
{
    // Chart A: eligible farming expenses
    fld_ChartA_line5.store(fld_ChartA_line2 + fld_ChartA_line3 + fld_ChartA_line4);
    const double eligible = fld_ChartA_line1 - fld_ChartA_line5;
    fld_ChartA_line6.store(eligible < 0.0 ? 0.0 : eligible);
    fld_67061.store(fld_ChartA_line6);
    fld_b67062 = false;

    double credits = 0.0, revenue = 0.0, wages = 0.0;
    for (const ProvinceChart& p : kProvinces) {
        // Chart B: the province's share of the eligible expenses
        (this->*p.line3).store(div(this->*p.line1, this->*p.line2, 0.0) * 100.0);
        (this->*p.line6).store(div(this->*p.line4, this->*p.line5, 0.0) * 100.0);
        (this->*p.line7).store(this->*p.line3 + this->*p.line6);
        const bool both = this->*p.line2 >= AMOUNT_TOLERANCE && this->*p.line5 >= AMOUNT_TOLERANCE;
        (this->*p.line8).store(both ? (this->*p.line7) * 0.5 : double(this->*p.line7));
        (this->*p.line9).store((this->*p.line8) * fld_ChartA_line6 / 100.0);

        (this->*p.credit) = (this->*p.expenses) * kFuelChargeFarmCreditRate;
        credits += this->*p.credit;
        (this->*p.revenueRecord).store(this->*p.line1);
        (this->*p.wagesRecord).store(this->*p.line4);
        revenue += this->*p.line2;
        wages += this->*p.line5;
    }
    fld_TotalFarmCredit = credits;
    fld_67075.store(revenue);
    fld_67076.store(wages);

    // Part 4: not claimed (no farming businesses in several provinces)
    fld_part4_4A = 0.0;
    fld_part4_4B = 0.0;
    fld_part4_4C = 0.0;
    fld_part4_4D = 0.0;
    fld_part4_4E = 0.0;

    // Part 5
    fld_part5_5A = fld_TotalFarmCredit;
    fld_part5_5B = fld_part4_4E;
    fld_part5_5C = fld_67079 + fld_67080 + fld_67081 + fld_67082;
    fld_part5_5D = fld_part5_5A + fld_part5_5B + fld_part5_5C;
    return 0;
}

int TaxData_T2043::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if ((amountPresent(fld_part5_5A) || amountPresent(fld_part5_5B)) &&
        amountExceeds(kFuelChargeMinimumExpenses, fld_67061))
        addMessage(messages, fld_67061,
                   "If Field 67061 is less than $25000.0, credit amount on line 5A and 5B cannot be claimed.");
    struct SumCheck {
        const CFloatField& total;
        double sum;
        const char* totalName;
        const char* sumName;
    };
    const SumCheck sums[] = {
        {fld_67061, fld_67063 + fld_67064 + fld_67065 + fld_67066, "Field 67061",
         "the sum of Field 67063, 67064, 67065 and 67066"},
        {fld_67075, fld_67067 + fld_67068 + fld_67069 + fld_67070, "Field 67075",
         "the sum of Field 67067, 67068, 67069 and 67070"},
        {fld_67076, fld_67071 + fld_67072 + fld_67073 + fld_67074, "Field 67076",
         "the sum of Field 67071, 67072, 67073 and 67074"},
    };
    for (const SumCheck& c : sums)
        if (amountExceeds(c.sum, c.total))
            addMessage(messages, c.total,
                       CString(QStringLiteral("%1 cannot be less than %2.").arg(c.totalName, c.sumName)));
    return int(messages.size() - before);
}
