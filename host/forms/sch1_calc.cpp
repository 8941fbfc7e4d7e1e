// Schedule 1: dispositions of capital property. Schedule 1A's gains on gifts
// and its line 3, and Schedule 2's reserves, come in before its calculation;
// its line 1220 goes to line 01 of the return (unless Form T1055 is there:
// its line 21 takes line 1220 and its line 23 goes to line 01), to Schedule 3
// lines 1 and 5 and to Schedule 12 line 1.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/sch1.h"
#include "schedules/sch1a.h"
#include "schedules/sch2.h"
#include "schedules/sch3.h"
#include "schedules/t1055.h"
#include "slips/slip_totals_members.h"
#include "taxcalc/sch12.h"

namespace {
// Schedule 1A's gains on gifted shares, bonds and land join the gain totals
// of sections 3, 4 and 5; without Schedule 1A they are 0.
void calculate(CalcPass& pass)
{
    auto* sch1 = pass.ret.first<TaxData_Sch1>();
    if (!sch1)
        return;
    const TaxData_Sch1A* a = pass.ret.first<TaxData_Sch1A>();
    sch1->m_addGainSharesPrd1 = a ? a->getAmtForSch1F1732() : 0.0;
    sch1->m_addGainBondPrd1 = a ? a->getAmtForSch1F1742() : 0.0;
    sch1->m_addGainRealEstatePrd1 = a ? a->getAmtForSch1F1752() : 0.0;
    sch1->m_addGainShares = a ? a->getAmtForSch1F1032() : 0.0;
    sch1->m_addGainBond = a ? a->getAmtForSch1F1042() : 0.0;
    sch1->m_addGainRealEstate = a ? a->getAmtForSch1F1052() : 0.0;
    // Line 1100: received T3 slips' box 21 with the user's other amount.
    if (pass.slipTotals.present[slip_members::kT3CapitalGains])
        sch1->fld_1100 = sch1->fld_1100_fromslips + sch1->fld_1100_other;
    sch1->Calculate();
}

// Schedule 3 line 1: the eligible gains of sections 1 and 2 in both periods,
// with Form T1055's when it is present.
void eligibleGainsToSchedule3(CalcPass& pass)
{
    const auto* sch1 = pass.ret.first<TaxData_Sch1>();
    auto* sch3 = pass.ret.first<TaxData_Sch3>();
    if (!sch1 || !sch3)
        return;
    double gains = sch1->m_prd1.smCorp.gain + sch1->m_prd1.farm.gain + sch1->m_prd2.smCorp.gain +
                   sch1->m_prd2.farm.gain;
    if (const auto* t1055 = pass.ret.first<TaxData_T1055>())
        gains += t1055->fld_55012 + t1055->fld_55022;
    sch3->fld_partEligibleCC = gains;
}

double taxableGain(TaxData_Sch1& s) { return s.getGainOrLoss(true); }
double netCapitalLoss(TaxData_Sch1& s) { return s.getGainOrLoss(false); }

using S1 = TaxData_Sch1;
}  // namespace

FormCalculation sch1Calculation()
{
    return {
        {
            {{2, 6}, "Schedule 1: capital gains by period", &calculate},
            {{2, 10}, "Schedule 3 line 1 from Schedule 1 and Form T1055", &eligibleGainsToSchedule3},
        },
        {
            copyField<TaxData_Sch1A, S1>({2, 6}, "fld_TotalPrd1", "fld_ZeroIncRateAmt_prd1", "Schedule 1A line 3, Period 1"),
            copyField<TaxData_Sch1A, S1>({2, 6}, "fld_TotalPrd2", "fld_ZeroIncRateAmt", "Schedule 1A line 3, Period 2"),
            copyField<TaxData_Sch2, S1>({2, 6}, "fld_2263", "fld_1770", "Schedule 2 line 4, column 3, Period 1"),
            copyField<TaxData_Sch2, S1>({2, 6}, "fld_2363", "fld_1170", "Schedule 2 line 4, column 3, Period 2"),
            fromSlipTotals<S1>({2, 6}, {slip_members::kT3CapitalGains}, "fld_1100_fromslips",
                               "received T3 slips: box 21"),
            fromSlipTotals<S1>({2, 6}, {slip_members::kT3CapitalGains}, "fld_1100",
                               "line 1100 from slips plus the other amount")
                .filledByStep(),
            fromSlipTotals<S1>({2, 6}, {slip_members::kT5CapitalGainsDividends, slip_members::kT5013CapitalGains},
                               "fld_1101", "received T5 box 18 and T5013 box 151"),
            // Before Form T1055's step: its rule at 2.10 then replaces line 01 when it is present.
            computedField<S1, TaxData_T3Ret, &taxableGain>({2, 7}, "fld_taxable_capgain", "Schedule 1 line 1220"),
            computedField<S1, TaxData_T1055, &taxableGain>({2, 7}, "fld_taxableCC", "Schedule 1 line 1220"),
            computedField<S1, TaxData_T1055, &netCapitalLoss>({2, 7}, "fld_55310",
                                                              "Schedule 1 line 1220, when a loss"),
            filledByOperation<S1, TaxData_Sch3>({2, 10}, "fld_partEligibleCC",
                                                "Schedule 1 lines 1712, 1722, 1012 and 1022 (with Form T1055 lines 55012 and 55022)"),
            copyField<S1, TaxData_Sch3>({2, 11}, "fld_1220", "fld_part1TotalTaxableCC", "Schedule 1 line 1220"),
            computedField<S1, TaxData_Sch12, &taxableGain>({6, 12}, "fld_TaxCapGain", "Schedule 1 line 1220"),
            copyField<TaxData_T1055, TaxData_Sch12>({6, 12}, "fld_55250", "fld_Line11T1055", "Form T1055 line 11"),
        },
    };
}
