#include "taxcalc/sch12.h"

#include "framework/amounts.h"
#include "framework/checks.h"
#include "framework/province.h"

#include <algorithm>

namespace {

using namespace year_figures;

double floored(double amount)
{
    return std::max(amount, 0.0);
}

// Chart 3: one row per jurisdiction. A row based on line 89 has its base
// field only; a row based on the minimum amount has line 60, line 75 and
// their difference.
using Sch12Field = CFloatField TaxData_Sch12::*;
struct ProvincialRow {
    int jurisdiction;
    Sch12Field line60, line75, base, amount;
};
constexpr ProvincialRow kProvincialRows[] = {
    {PROV_NL, nullptr, nullptr, &TaxData_Sch12::fld_nl_line66, &TaxData_Sch12::fld_nl_amt},
    {PROV_NS, nullptr, nullptr, &TaxData_Sch12::fld_ns_line66, &TaxData_Sch12::fld_ns_amt},
    {PROV_NB, &TaxData_Sch12::fld_nb_line56, &TaxData_Sch12::fld_nb_line57, &TaxData_Sch12::fld_nb_1,
     &TaxData_Sch12::fld_nb_amt},
    {PROV_PE, nullptr, nullptr, &TaxData_Sch12::fld_pe_line66, &TaxData_Sch12::fld_pe_amt},
    {PROV_MB, &TaxData_Sch12::fld_mb_line56, &TaxData_Sch12::fld_mb_line57, &TaxData_Sch12::fld_mb_1,
     &TaxData_Sch12::fld_mb_amt},
    {PROV_SK, &TaxData_Sch12::fld_sk_line56, &TaxData_Sch12::fld_sk_line57, &TaxData_Sch12::fld_sk_1,
     &TaxData_Sch12::fld_sk_amt},
    {PROV_AB, &TaxData_Sch12::fld_ab_line56, &TaxData_Sch12::fld_ab_line57, &TaxData_Sch12::fld_ab_1,
     &TaxData_Sch12::fld_ab_amt},
    {PROV_BC, nullptr, nullptr, &TaxData_Sch12::fld_bc_line66, &TaxData_Sch12::fld_bc_amt},
    {PROV_NU, nullptr, nullptr, &TaxData_Sch12::fld_nu_line66, &TaxData_Sch12::fld_nu_amt},
    {PROV_NT, nullptr, nullptr, &TaxData_Sch12::fld_nt_line66, &TaxData_Sch12::fld_nt_amt},
    {PROV_YT, nullptr, nullptr, &TaxData_Sch12::fld_yk_line66, &TaxData_Sch12::fld_yk_amt},
};

double provincialRate(int jurisdiction)
{
    for (const MinTaxProvincialRate& r : kMinTaxProvincialRates)
        if (r.jurisdiction == jurisdiction)
            return r.rate;
    return 0.0;
}

}  // namespace

bool TaxData_Sch12::isSubjectMinimumTax() const
{
    return !m_isMinTaxExempt && fld_AmtMoreFedTax >= AMOUNT_TOLERANCE;
}

int TaxData_Sch12::CalculatePart1BeforeBasicExempt()
{
    fld_CapGainInTrust = floored(fld_TaxCapGain + fld_Line11T1055 - fld_CapGainAllocToBen);  // line 3A
    fld_Line4 = fld_CapGainInTrust * fld_ConvRate;                                             // line 4
    fld_Line7 = fld_Line5 * kMinTaxGiftsGainsShare;                                            // line 7
    fld_12030 = fld_Line4 + fld_Line7;                                                         // line 8
    fld_RentalLossCCA = floored(fld_12050 - fld_12060);                                        // line 11
    fld_FilmLossCCA = floored(fld_12080 - fld_12090);                                          // line 14
    fld_TotalResInc = fld_12120 + fld_12130;                                                   // line 18
    fld_ResLoss = floored(fld_12110 - fld_TotalResInc);                                        // line 19
    fld_after_12170 =
        fld_12030 + fld_RentalLossCCA + fld_FilmLossCCA + fld_ResLoss + fld_12160 + fld_12170;  // line 22
    fld_Line26 = fld_after_12170 - fld_GrossUpDiv + fld_CapGainRedu - fld_CapGainReduAddback;  // line 26
    fld_Line31 = fld_Line29 * kMinTaxLossShare;                                                // line 31
    fld_Line33 = fld_Line26 + fld_OrigTaxInc + fld_12220 + fld_12221 + fld_Line31 + fld_12240;  // line 33
    fld_Line37 = fld_IntrExp + fld_PrumLifeIns + fld_FinExp;                                   // line 37
    fld_12241 = kMinTaxLossShare * fld_Line37;                                                 // line 39
    fld_AdjTaxInc = fld_Line33 + fld_12241;                                                    // line 40
    return 0;
}

int TaxData_Sch12::CalculatePart1()
{
    fld_12270 = floored(fld_AdjTaxInc - fld_12260);  // line 42
    return 0;
}

int TaxData_Sch12::CalculatePart2or3()
{
    fld_TotalFrgnInc = fld_FrgnNonBusiInc + fld_FrgnBusiInc + fld_12280;  // line 46
    fld_FrgnIncLimit = fld_TotalFrgnInc * kMinTaxRate;                    // line 48
    fld_temp34 = fld_FrgnNonBusiIncTax * kMinTaxForeignTaxShare;          // line 49
    fld_FrgnTaxSpecialCredit = fld_temp34 + fld_FrgnBusiIncTax;           // line 51
    fld_FrgnLesserAmt = fld_FrgnIncLimit <= fld_FrgnTaxSpecialCredit ? fld_FrgnIncLimit.value()
                                                                     : fld_FrgnTaxSpecialCredit.value();  // line 52
    fld_12290 = std::max(fld_FrgnLesserAmt.value(), fld_FrgnTaxCredit.value());                           // line 54

    fld_AdjIncAMT = fld_12270.value();                                           // line 55, first box
    fld_TaxForAdjIncAMT = fld_12270 * kMinTaxRate;                               // line 55
    fld_DonaTC = fld_DonaTCSch11 * kMinTaxDonationCreditShare;                   // line 58
    fld_MinAmt = m_isMinTaxExempt ? 0.0 : fld_TaxForAdjIncAMT - fld_DonaTC - fld_LogginTaxCredit;  // line 60
    fld_From12290 = fld_12290.value();                                           // line 61
    fld_12340 = floored(fld_MinAmt - fld_From12290);                             // line 62
    fld_FedTaxB4Surtax = fld_FedTaxPayable - fld_SurTax48Pcnt;                   // line 65
    fld_AmtMoreFedTax = m_isMinTaxExempt ? 0.0 : floored(fld_12340 - fld_FedTaxB4Surtax);  // line 66
    return 0;
}

int TaxData_Sch12::CalculateFedTax()
{
    fld_MinAmtTemp50 = fld_MinAmt.value();                                             // line 68
    fld_BasicFedTax = std::max(fld_BasicFedTaxSch11.value(), fld_MinAmtTemp50.value());  // line 69
    fld_MinTaxTemp52 = fld_12340.value();                                              // line 70
    fld_SurTaxNotSbjCalc = fld_SurTaxNotSbj * kSurtaxRate;                             // line 71
    fld_12550 = fld_MinTaxTemp52 + fld_SurTaxNotSbjCalc;                               // line 72
    const bool quebec = getProvince() == PROV_QC;
    fld_temp55from51 = quebec ? fld_BasicFedTax.value() : 0.0;                  // line 73, first box
    fld_RefQCRebate = quebec ? fld_BasicFedTax * kQuebecAbatementRate : 0.0;    // line 73
    return 0;
}

int TaxData_Sch12::CalculateTillEnd()
{
    fld_from42 = fld_MinAmt.value();                                                           // line 74
    fld_basicFed = fld_BasicFedTaxSch11.value();                                               // line 75
    fld_TCTotalFed = fld_basicFed - fld_TCT2038 - fld_TCPolCntr - fld_TCEnvTrst - fld_TCLogging;  // line 80
    fld_specialForeign = fld_12290.value();                                                    // line 81
    fld_deductFromForeign = fld_FrgnTaxCredit.value();                                         // line 82
    fld_line60 = fld_specialForeign - fld_deductFromForeign;                                   // line 83
    fld_line61 = fld_FrgnNonBusiIncTax.value();                                                // line 84
    fld_line62 = fld_FrgnBusiIncTax.value();                                                   // line 85
    fld_line63 = fld_line61 + fld_line62;                                                      // line 86
    fld_line64A = fld_line60.value();                                                          // line 87A
    fld_line64B = div(fld_FrgnTaxSpecialCredit, fld_line63, 0.0);                              // line 87B
    fld_line64 = fld_line64A * fld_line64B;                                                    // line 87
    fld_line65 = fld_TCTotalFed + fld_line64;                                                  // line 88
    fld_12670 = floored(fld_from42 - fld_line65);                                              // line 89
    if (!isSubjectMinimumTax()) {
        fld_MinTaxTemp52 = 0.0;  // line 70
        fld_12550 = 0.0;         // line 72
        fld_from42 = 0.0;        // line 74
        fld_12670 = 0.0;         // line 89
    }
    return CalculateMinimumTaxCarryover();
}

int TaxData_Sch12::CalculateMinimumTaxCarryover()
{
    fld_TotalTaxB4Carryover =
        fld_payableB4Carryover - fld_B4T2038 - fld_B4PolCntr - fld_B4EnvTrst - fld_B4Logging;  // line 96
    fld_line69 = fld_MinAmt.value();                                                             // line 97
    fld_line70 = isSubjectMinimumTax() ? 0.0 : floored(fld_TotalTaxB4Carryover - fld_line69);    // line 98
    const double limit = std::min(fld_line70.value(), fld_12680.value());
    if (!fld_ws_overwrite_line71 || fld_CryOvrApplied > limit)
        fld_CryOvrApplied = limit;                                    // line 99
    fld_line72 = fld_12680 - fld_CryOvrApplied;                       // line 100
    fld_line73 = fld_12670.value();                                   // line 101
    fld_line74 = fld_line72 + fld_line73;                             // line 102
    fld_12690 = fld_line74 - fld_12760;                               // line 104
    return 0;
}

int TaxData_Sch12::CalculateProvTax()
{
    const int jurisdiction = getProvince();
    for (const ProvincialRow& row : kProvincialRows) {
        const bool own = row.jurisdiction == jurisdiction;
        if (row.line60) {
            this->*row.line60 = own ? fld_MinAmt.value() : 0.0;
            this->*row.line75 = own ? fld_basicFed.value() : 0.0;
            this->*row.base = own ? floored(fld_MinAmt - fld_basicFed) : 0.0;
        } else {
            this->*row.base = own ? fld_12670.value() : 0.0;
        }
        this->*row.amount = (this->*row.base) * provincialRate(row.jurisdiction);
    }
    if (jurisdiction != PROV_ON)
        fld_on_amt = 0.0;  // Ontario's amount is the Ontario calculation's or the user's
    return 0;
}
