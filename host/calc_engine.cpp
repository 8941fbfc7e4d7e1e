#include "host/calc_engine.h"

#include "framework/slipcalc.h"
#include "host/calc_rules.h"
#include "returns/t183trust.h"
#include "returns/t3ret.h"
#include "returns/taxnote.h"
#include "schedules/sch9.h"
#include "taxcalc/sch11.h"

// The forms of the return that the steps work on (the first of each class).
struct CalcContext {
    explicit CalcContext(TaxReturn& r)
        : ret(r), t3(r.first<TaxData_T3Ret>()), sch9(r.first<TaxData_Sch9>()), sch11(r.first<TaxData_Sch11>()),
          t183(r.first<TaxData_T183Trust>())
    {
    }
    TaxReturn& ret;
    TaxData_T3Ret* t3;
    TaxData_Sch9* sch9;
    TaxData_Sch11* sch11;
    TaxData_T183Trust* t183;
    // Amounts totalled from the slips of the return (none are built yet: all zero).
    STRU_SLIPDATA_CALCULATION slipTotals;
};

namespace {

void returnTotalIncome(CalcContext& c)
{
    if (!c.t3)
        return;
    c.t3->Calculate_NoOrderPart();
    c.t3->Calculate_TotalInc();
}

void schedule9(CalcContext& c)
{
    if (!c.sch9)
        return;
    c.sch9->copySlipCalcAmount(c.slipTotals, c.t3);
    // "Always Allocate All": allocate the whole income on every calculation.
    if (c.sch9->fld_ws_bAutoAlloc)
        c.sch9->autoSetAllAllocation();
    c.sch9->Calculate();
    if (c.t3)
        copySch9ToReturn(*c.sch9, *c.t3);
}

void returnNetAndTaxableIncome(CalcContext& c)
{
    if (!c.t3)
        return;
    c.t3->Calculate_NetInc();
    c.t3->Calculate_TaxInc();
}

void schedule11(CalcContext& c)
{
    if (!c.sch11)
        return;
    if (c.t3)
        copyReturnToSch11(*c.t3, *c.sch11);
    c.sch11->m_donationCredit = 0.0;  // Schedule 11A line 30, once that schedule exists
    c.sch11->CalculateToBasicFedTax();
    c.sch11->CalculateAfter_Sch11A_Donation();
    c.sch11->CalculatePoliticalDonation();
    c.sch11->CalculateBeforeFFT();
    c.sch11->CalculateToEnd();
}

void returnSummary(CalcContext& c)
{
    if (!c.t3)
        return;
    if (c.sch11)
        copySch11ToReturn(*c.sch11, *c.t3);
    c.t3->Calculate_Step5();
}

void authorizationAndNotes(CalcContext& c)
{
    if (c.t183) {
        if (c.t3)
            c.t3->updateT183Trust(c.t183);
        c.t183->Calculate();
    }
    for (TaxData_TaxNote* note : c.ret.all<TaxData_TaxNote>())
        note->Calculate02();
}

}  // namespace

const std::vector<CalcStep>& calculationSteps()
{
    static const std::vector<CalcStep> steps = {
        {"T3 return: independent part, total income", &returnTotalIncome},
        {"Schedule 9: allocations to beneficiaries, line 471", &schedule9},
        {"T3 return: net income, taxable income", &returnNetAndTaxableIncome},
        {"Schedule 11: federal tax", &schedule11},
        {"T3 return: summary of tax and credits", &returnSummary},
        {"T183 authorization, tax notes", &authorizationAndNotes},
    };
    return steps;
}

void calculatePass(TaxReturn& ret)
{
    CalcContext ctx(ret);
    for (const CalcStep& step : calculationSteps())
        step.run(ctx);
}

void calculateReturn(TaxReturn& ret)
{
    calculatePass(ret);
    calculatePass(ret);
}
