// Schedule 12: minimum tax, after Schedule 11 has its lines 17, 19, 21, 22
// and 34 and Form T3 FFT its lines 1, 4 and 12. Its line 99 goes back to
// Schedule 11 line 20 in the next pass; when minimum tax applies, its lines
// 72 and 73 are the return's lines 81 and 87.
#include "framework/checks.h"
#include "framework/province.h"
#include "framework/year_figures.h"
#include "host/form_calculations.h"
#include "host/trust_jurisdiction.h"
#include "returns/t3ret.h"
#include "schedules/sch1a.h"
#include "schedules/sch8.h"
#include "schedules/sch9.h"
#include "taxcalc/foreigntaxcredit.h"
#include "taxcalc/sch11.h"
#include "taxcalc/sch12.h"

#include <algorithm>

namespace {
using T3 = TaxData_T3Ret;
using S1A = TaxData_Sch1A;
using S8 = TaxData_Sch8;
using S9 = TaxData_Sch9;
using S11 = TaxData_Sch11;
using S12 = TaxData_Sch12;
using FFT = TaxData_ForeignTaxCredit;

// Line 41: a graduated rate estate's exemption; a user's amount is kept but
// not above it, nor below 0.
double basicExemption(const T3* t3, const S12& sch12)
{
    const double exemption =
        t3 && t3->isGRE() && !t3->fld_ws_othertype ? year_figures::kMinTaxBasicExemption : 0.0;
    return sch12.fld_12260_overwrite ? std::clamp(sch12.fld_12260.value(), 0.0, exemption) : exemption;
}

// The base of line 71: the part of line 69 not subject to provincial or
// territorial tax, in the share of Schedule 11 line 22's base in line 21.
double notSubjectToProvincialTax(const S11& sch11, const S12& sch12, int jurisdiction)
{
    const double line69 = std::max(sch12.fld_BasicFedTaxSch11.value(), sch12.fld_MinAmt.value());
    const double share = isCanProv(jurisdiction) ? div(sch11.fld_Line20Part, sch11.fld_BasicTax, 0.0) : 1.0;
    return line69 * share;
}

void minimumTax(CalcPass& pass)
{
    auto* sch12 = pass.ret.first<S12>();
    if (!sch12)
        return;
    const auto* t3 = pass.ret.first<T3>();
    sch12->m_isMinTaxExempt = t3 && t3->m_siftMutualFundTrust;  // mutual fund trusts
    const int jurisdiction = t3 ? trustJurisdiction(*t3) : PROV_NONE;
    sch12->setProvince(jurisdiction);
    if (!sch12->fld_ConvRate_overwrite)
        sch12->fld_ConvRate = year_figures::kMinTaxConversionRate;
    sch12->CalculatePart1BeforeBasicExempt();
    sch12->fld_12260 = basicExemption(t3, *sch12);
    sch12->CalculatePart1();
    sch12->CalculatePart2or3();
    if (const auto* sch11 = pass.ret.first<S11>())
        sch12->fld_SurTaxNotSbj = notSubjectToProvincialTax(*sch11, *sch12, jurisdiction);
    sch12->CalculateFedTax();
    sch12->CalculateTillEnd();
    sch12->CalculateProvTax();
}

// Lines 81 and 87 of the return: Schedule 12's lines 72 and 73 in place of
// Schedule 11's lines 34 and 35 when minimum tax applies.
void returnUnderMinimumTax(CalcPass& pass)
{
    const auto* sch12 = pass.ret.first<S12>();
    auto* t3 = pass.ret.first<T3>();
    if (!sch12 || !t3 || !sch12->isSubjectMinimumTax())
        return;
    t3->fld_fed_tax = sch12->fld_12550.value();
    t3->fld_ref_qc_abatement = sch12->fld_RefQCRebate.value();
}

double line921(S9& sch9)
{
    return sch9.getRowAmount(921, 0);
}
double giftsOfListedSecurities(S1A& sch1a)
{
    return sch1a.fld_1512 + sch1a.fld_1522 + sch1a.fld_1542 + sch1a.fld_1552;
}
double unflooredTaxableIncome(T3& t3)
{
    return t3.m_taxableIncomeUnfloored;
}
double loggingCredits(S11& sch11)
{
    return sch11.fld_11210 + sch11.fld_11214;
}
double investmentTaxCredit(S11& sch11)
{
    return sch11.fld_11200 - sch11.fld_11102;
}
}  // namespace

FormCalculation sch12Calculation()
{
    return {
        {
            {{6, 12}, "Schedule 12: minimum tax", &minimumTax},
            {{8, 1}, "Schedule 12: federal tax of the return under minimum tax", &returnUnderMinimumTax},
        },
        {
            copyField<S12, S11>({6, 4}, "fld_CryOvrApplied", "fld_11130", "Schedule 12 line 99"),
            filledByOperation<S12, S12>({6, 12}, "fld_ConvRate", "Schedule 12: capital gains conversion rate")
                .unless("fld_ConvRate_overwrite"),
            computedField<S9, S12, &line921>({6, 12}, "fld_CapGainAllocToBen", "Schedule 9 line 921"),
            computedField<S1A, S12, &giftsOfListedSecurities>({6, 12}, "fld_Line5",
                                                               "Schedule 1A fields 1512, 1522, 1542 and 1552"),
            copyField<T3, S12>({6, 12}, "fld_gross_div", "fld_GrossUpDiv", "T3 return line 49"),
            copyField<T3, S12>({6, 12}, "fld_CapGainReduction", "fld_CapGainRedu", "T3 return line 13"),
            copyField<T3, S12>({6, 12}, "fld_CapGainAddBack", "fld_CapGainReduAddback", "T3 return line 55"),
            computedField<T3, S12, &unflooredTaxableIncome>({6, 12}, "fld_OrigTaxInc",
                                                             "T3 return line 56, before the floor"),
            copyField<T3, S12>({6, 12}, "fld_netcap_loss", "fld_12240", "T3 return line 52"),
            copyField<S8, S12>({6, 12}, "fld_8160", "fld_IntrExp", "Schedule 8 line 13"),
            filledByOperation<S12, S12>({6, 12}, "fld_12260", "Schedule 12: basic exemption of a graduated rate estate")
                .unless("fld_12260_overwrite"),
            copyField<FFT, S12>({6, 12}, "fld_22092", "fld_FrgnNonBusiInc", "Form T3 FFT net foreign non-business income"),
            copyField<FFT, S12>({6, 12}, "fld_22094", "fld_FrgnBusiInc", "Form T3 FFT net foreign business income"),
            copyField<FFT, S12>({6, 12}, "fld_22091", "fld_FrgnNonBusiIncTax", "Form T3 FFT line 1"),
            copyField<FFT, S12>({6, 12}, "fld_22093", "fld_FrgnBusiIncTax", "Form T3 FFT line 4"),
            copyField<FFT, S12>({6, 12}, "fld_FedForeignTC", "fld_FrgnTaxCredit", "Form T3 FFT line 12"),
            copyField<S11, S12>({6, 12}, "fld_Line16", "fld_DonaTCSch11", "Schedule 11 line 17"),
            computedField<S11, S12, &loggingCredits>({6, 12}, "fld_LogginTaxCredit", "Schedule 11 lines 28 and 30"),
            copyField<S11, S12>({6, 12}, "fld_FedTaxPayable", "fld_FedTaxPayable", "Schedule 11 line 34"),
            copyField<S11, S12>({6, 12}, "fld_11160", "fld_SurTax48Pcnt", "Schedule 11 line 22"),
            copyField<S11, S12>({6, 12}, "fld_BasicTax", "fld_BasicFedTaxSch11", "Schedule 11 line 21"),
            filledByOperation<S11, S12>({6, 12}, "fld_SurTaxNotSbj", "Schedule 11 line 22's share of line 69"),
            computedField<S11, S12, &investmentTaxCredit>({6, 12}, "fld_TCT2038",
                                                          "Schedule 11 line 27 less line 12B"),
            copyField<S11, S12>({6, 12}, "fld_11190", "fld_TCPolCntr", "Schedule 11 line 26"),
            copyField<S11, S12>({6, 12}, "fld_11213", "fld_TCEnvTrst", "Schedule 11 line 29"),
            computedField<S11, S12, &loggingCredits>({6, 12}, "fld_TCLogging", "Schedule 11 lines 28 and 30"),
            copyField<S11, S12>({6, 12}, "fld_AfterCredit", "fld_payableB4Carryover", "Schedule 11 line 19"),
            copyField<S11, S12>({6, 12}, "fld_11200", "fld_B4T2038", "Schedule 11 line 27"),
            copyField<S11, S12>({6, 12}, "fld_11190", "fld_B4PolCntr", "Schedule 11 line 26"),
            copyField<S11, S12>({6, 12}, "fld_11213", "fld_B4EnvTrst", "Schedule 11 line 29"),
            computedField<S11, S12, &loggingCredits>({6, 12}, "fld_B4Logging", "Schedule 11 lines 28 and 30"),
            filledByOperation<S12, S12>({6, 12}, "fld_CryOvrApplied", "Schedule 12: the lesser of lines 90 and 98")
                .unless("fld_ws_overwrite_line71"),
            filledByOperation<S12, T3>({8, 1}, "fld_fed_tax", "Schedule 12 line 72, when minimum tax applies"),
            filledByOperation<S12, T3>({8, 1}, "fld_ref_qc_abatement",
                                       "Schedule 12 line 73, when minimum tax applies"),
        },
    };
}
