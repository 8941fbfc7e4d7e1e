// Schedule 11: federal tax. Its five operations are separate steps so that
// Schedules 11A, 12, 5, Form T3 FFT and T2038 can take their places between
// them.
#include "host/form_calculations.h"
#include "host/trust_jurisdiction.h"
#include "returns/t3ret.h"
#include "taxcalc/chrts_sift.h"
#include "taxcalc/sch11.h"
#include "taxcalc/sch11a.h"

namespace {
// The members the host sets: graduated rates for a GRE or QDT, the trust's
// jurisdiction; without a return, neither.
void toBasicFederalTax(CalcPass& pass)
{
    auto* sch11 = pass.ret.first<TaxData_Sch11>();
    if (!sch11)
        return;
    const auto* t3 = pass.ret.first<TaxData_T3Ret>();
    sch11->m_isGraduatedRate = t3 && t3->isGREorQDT();
    sch11->setProvince(t3 ? trustJurisdiction(*t3) : PROV_NONE);
    const auto* sch11a = pass.ret.first<TaxData_Sch11A>();
    sch11->m_donationCredit = sch11a ? sch11a->fld_11120.value() : 0.0;  // Schedule 11A line 30
    // A SIFT trust's line 10 is the SIFT charts' tax, in place of line 9.
    sch11->m_skipFlatRateTax = !sch11->m_isGraduatedRate && pass.ret.first<TaxData_CHRTS_SIFT>();
    sch11->CalculateToBasicFedTax();
}

template <int (TaxData_Sch11::*Operation)()>
void onSch11(CalcPass& pass)
{
    if (auto* sch11 = pass.ret.first<TaxData_Sch11>())
        (sch11->*Operation)();
}

using T3 = TaxData_T3Ret;
using S11 = TaxData_Sch11;
using SIFT = TaxData_CHRTS_SIFT;
using S11A = TaxData_Sch11A;
}  // namespace

FormCalculation sch11Calculation()
{
    return {
        {
            {{6, 4}, "Schedule 11: to basic federal tax", &toBasicFederalTax},
            {{6, 5}, "Schedule 11: after the donation credit", &onSch11<&S11::CalculateAfter_Sch11A_Donation>},
            {{6, 6}, "Schedule 11: political contributions", &onSch11<&S11::CalculatePoliticalDonation>},
            {{6, 8}, "Schedule 11: before the foreign tax credit", &onSch11<&S11::CalculateBeforeFFT>},
            {{6, 11}, "Schedule 11: federal tax payable", &onSch11<&S11::CalculateToEnd>},
        },
        {
            copyField<T3, S11>({6, 4}, "fld_taxinc", "fld_taxinc", "T3 return line 56"),
            copyField<SIFT, S11>({6, 4}, "fld_11080", "fld_11080", "SIFT chart 2"),
            filledByOperation<S11A, S11>({6, 5}, "fld_Line16", "Schedule 11A line 30"),
            copyField<S11, T3>({8, 1}, "fld_FedTaxPayable", "fld_fed_tax", "Schedule 11 line 34"),
            copyField<S11, T3>({8, 1}, "fld_RefQCAbatement", "fld_ref_qc_abatement", "Schedule 11 line 35"),
        },
    };
}
