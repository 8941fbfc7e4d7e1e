#include "schedules/sch9.h"

#include "framework/year_figures.h"

#include "returns/t3ret.h"

#include <cstddef>

namespace {

using Sch9Field = CFloatField TaxData_Sch9::*;

// Part A rows by column, summed into line 928. Line 922 has no column 3.
constexpr Sch9Field kPartAResident[] = {&TaxData_Sch9::fld_9211, &TaxData_Sch9::fld_9221, &TaxData_Sch9::fld_9231,
                                        &TaxData_Sch9::fld_9241, &TaxData_Sch9::fld_9251, &TaxData_Sch9::fld_9261,
                                        &TaxData_Sch9::fld_9491};
constexpr Sch9Field kPartANonResident[] = {&TaxData_Sch9::fld_9212, &TaxData_Sch9::fld_9222,
                                           &TaxData_Sch9::fld_9232, &TaxData_Sch9::fld_9242,
                                           &TaxData_Sch9::fld_9252, &TaxData_Sch9::fld_9262,
                                           &TaxData_Sch9::fld_9492};
constexpr Sch9Field kPartAElection[] = {&TaxData_Sch9::fld_9213, &TaxData_Sch9::fld_9233, &TaxData_Sch9::fld_9243,
                                        &TaxData_Sch9::fld_9253, &TaxData_Sch9::fld_9263, &TaxData_Sch9::fld_9493};

// Rows that other forms show as one amount (all three columns).
struct RowSum {
    int line;
    Sch9Field columns[3];
};
constexpr RowSum kRowSums[] = {
    {471, {&TaxData_Sch9::fld_total_A_resident, &TaxData_Sch9::fld_total_A_nonresident,
           &TaxData_Sch9::fld_total_A_elect}},
    {921, {&TaxData_Sch9::fld_9211, &TaxData_Sch9::fld_9212, &TaxData_Sch9::fld_9213}},
    {923, {&TaxData_Sch9::fld_9231, &TaxData_Sch9::fld_9232, &TaxData_Sch9::fld_9233}},
    {949, {&TaxData_Sch9::fld_9491, &TaxData_Sch9::fld_9492, &TaxData_Sch9::fld_9493}},
};

using namespace year_figures;

template <size_t N>
double sum(const TaxData_Sch9& s, const Sch9Field (&fields)[N])
{
    double total = 0.0;
    for (Sch9Field f : fields)
        total += s.*f;
    return total;
}

}  // namespace

int TaxData_Sch9::Calculate()
{
    fld_total_A_resident = sum(*this, kPartAResident);
    fld_total_A_nonresident = sum(*this, kPartANonResident);
    fld_total_A_elect = sum(*this, kPartAElection);

    if (!fld_overwrite_9511) {
        fld_9321 = fld_9231 * kNonEligibleGrossUp;
        fld_9391 = fld_9321 * kNonEligibleCreditRate;
        fld_9501 = fld_9491 * kEligibleGrossUp;
        fld_9511 = fld_9501 * kEligibleCreditRate;
    }
    // Column 3 taxable amounts are entered; their credits always follow them.
    fld_9393 = fld_9323 * kNonEligibleCreditRate;
    fld_9513 = fld_9503 * kEligibleCreditRate;
    return 0;
}

double TaxData_Sch9::getRowAmount(int line, int /*column*/)
{
    for (const RowSum& row : kRowSums)
        if (row.line == line)
            return sum(*this, row.columns);
    return 0.0;
}

int TaxData_Sch9::copySlipCalcAmount(STRU_SLIPDATA_CALCULATION& slips, TaxData_T3Ret* ret)
{
    using M = STRU_SLIPDATA_CALCULATION;
    m_t3Ret = ret;
    m_slipSums.foreignBusinessIncome = slips[M::FOREIGN_BUSINESS_INCOME];
    m_slipSums.foreignNonBusinessIncome = slips[M::FOREIGN_NONBUSINESS_INCOME] + slips[M::FOREIGN_NONBUSINESS_INCOME_2];
    m_slipSums.foreignBusinessTaxPaid = slips[M::FOREIGN_BUSINESS_TAX_PAID];
    m_slipSums.foreignNonBusinessTaxPaid =
        slips[M::FOREIGN_NONBUSINESS_TAX_PAID] + slips[M::FOREIGN_NONBUSINESS_TAX_PAID_2];
    m_slipSums.costBaseAdjustment = slips[M::COST_BASE_ADJUSTMENT];
    return 0;
}

int TaxData_Sch9::autoSetAllAllocation()
{
    if (m_t3Ret) {
        const TaxData_T3Ret& ret = *m_t3Ret;
        fld_9211.store(ret.fld_taxable_capgain);
        fld_9231.store(ret.fld_noneligible_div);
        fld_9261.store(ret.fld_other_inv);
        // Eligible dividends are what remains of the total; kept even when negative.
        fld_9491.store(ret.fld_total_div - ret.fld_noneligible_div);
    }
    fld_9251.store(m_slipSums.foreignNonBusinessIncome);
    fld_9341.store(m_slipSums.foreignNonBusinessTaxPaid);
    fld_9241.store(m_slipSums.foreignBusinessIncome);
    fld_9331.store(m_slipSums.foreignBusinessTaxPaid);
    fld_9551.store(m_slipSums.costBaseAdjustment);
    return 0;
}

int TaxData_Sch9::Validate(unsigned char /*purpose*/, std::list<CString>& /*messages*/)
{
    return 0;
}
