#include "taxcalc/sch11.h"

#include "framework/amounts.h"
#include "framework/year_figures.h"

#include <algorithm>

namespace {

using namespace year_figures;
constexpr int kChartColumns = kFederalBracketCount;

// Chart lines 2, 4, 6 and 8, each with its five columns.
using Sch11Field = CFloatField TaxData_Sch11::*;
constexpr int kChartLines[] = {2, 4, 6, 8};
constexpr Sch11Field kChart[4][kChartColumns] = {
    {&TaxData_Sch11::fld_33_1, &TaxData_Sch11::fld_33_2, &TaxData_Sch11::fld_33_3, &TaxData_Sch11::fld_33_4,
     &TaxData_Sch11::fld_33_5},
    {&TaxData_Sch11::fld_35_1, &TaxData_Sch11::fld_35_2, &TaxData_Sch11::fld_35_3, &TaxData_Sch11::fld_35_4,
     &TaxData_Sch11::fld_35_5},
    {&TaxData_Sch11::fld_37_1, &TaxData_Sch11::fld_37_2, &TaxData_Sch11::fld_37_3, &TaxData_Sch11::fld_37_4,
     &TaxData_Sch11::fld_37_5},
    {&TaxData_Sch11::fld_39_1, &TaxData_Sch11::fld_39_2, &TaxData_Sch11::fld_39_3, &TaxData_Sch11::fld_39_4,
     &TaxData_Sch11::fld_39_5},
};

// Chart column (1-based) for a taxable income: the first bracket whose upper
// limit the income does not exceed.
int chartColumnFor(double income)
{
    for (int column = 1; column < kChartColumns; ++column)
        if (income <= kFederalBrackets[column].threshold)
            return column;
    return kChartColumns;
}

}  // namespace

STRUCT_TAX_STAIRS_JURISDICTION TaxData_Sch11::m_taxStairs;

TaxData_Sch11::TaxData_Sch11() : CTaxDataBase01(24)
{
    initTaxStairs();
}

int TaxData_Sch11::initTaxStairs()
{
    if (m_taxStairs.isEmpty())
        for (const FederalBracket& b : kFederalBrackets)
            m_taxStairs.addLevel(b.threshold, b.rate, b.baseTax);
    return 0;
}

CFloatField* TaxData_Sch11::chartField(int line, int column)
{
    if (column < 1 || column > kChartColumns)
        return nullptr;
    for (int row = 0; row < 4; ++row)
        if (kChartLines[row] == line)
            return &(this->*kChart[row][column - 1]);
    return nullptr;
}

double TaxData_Sch11::politicalCredit(double contributions)
{
    for (const PoliticalCreditRow& row : kPoliticalCredit)
        if (contributions <= row.upTo)
            return row.baseCredit + row.rate * (contributions - row.from);
    return kPoliticalCreditCap;
}

int TaxData_Sch11::privCalcTaxRaw()
{
    const double income = fld_taxinc;
    double threshold = 0.0, rate = 0.0, baseTax = 0.0;
    m_taxStairs.CalcAlgoForSetFieldsToCalcTax(income, &threshold, &rate, &baseTax);
    const double excess = income - threshold;
    const double taxOnExcess = rate * excess;
    const double total = baseTax + taxOnExcess;

    const int column = chartColumnFor(income);
    *chartField(2, column) = income;
    *chartField(4, column) = excess;
    *chartField(6, column) = taxOnExcess;
    *chartField(8, column) = total;
    fld_11080 = total;
    return 0;
}

int TaxData_Sch11::CalculateToBasicFedTax()
{
    for (const auto& line : kChart)
        for (Sch11Field member : line)
            this->*member = 0.0;

    if (m_isGraduatedRate) {
        privCalcTaxRaw();
        fld_line9.store(0.0);
        fld_line1.store(0.0);
    } else if (!m_skipFlatRateTax) {
        fld_line1.store(fld_taxinc);
        fld_line9 = fld_taxinc * kFlatRate;
        fld_11080.store(fld_line9);
    } else {
        fld_line1.store(0.0);
    }

    fld_after_11100 = fld_11080 + fld_11100 + fld_11101 + fld_11102;
    fld_11108 = fld_EligibleDiv * kEligibleDivCreditFactor;
    fld_11109 = fld_NonEligibleDiv * kNonEligibleDivCreditFactor;
    fld_11110 = fld_11108 + fld_11109;
    return 0;
}

int TaxData_Sch11::CalculateAfter_Sch11A_Donation()
{
    // The donations credit may not take tax below zero: it is cut to what
    // remains after the dividend credit, and to nothing when that is negative.
    fld_Line16.store(m_donationCredit);
    const double room = fld_after_11100 - fld_11110;
    const double allowed = std::min(room, m_donationCredit);
    const double used = std::max(0.0, allowed);
    if (amountExceeds(m_donationCredit, room) || allowed < 0.0)
        fld_Line16.store(used);

    fld_TotalCredit = fld_11110 + used;
    fld_AfterCredit = fld_after_11100 - fld_TotalCredit;
    fld_BasicTax = fld_AfterCredit - fld_11130;
    if (fld_BasicTax < 0.0)
        fld_BasicTax.store(0.0);

    if (getProvince() == PROV_QC) {
        fld_Line34A.store(fld_BasicTax);
        fld_RefQCAbatement = fld_BasicTax * kQuebecAbatementRate;
    } else {
        fld_Line34A.store(0.0);
        fld_RefQCAbatement = 0.0;
    }
    return 0;
}

int TaxData_Sch11::CalculatePoliticalDonation()
{
    fld_11190.store(politicalCredit(fld_11191));
    return 0;
}

int TaxData_Sch11::CalculateBeforeFFT()
{
    // Income of a provincial trust bears the surtax only on the part the user
    // enters (never more than basic federal tax); elsewhere on all of it.
    if (isCanProv(getProvince())) {
        if (amountExceeds(fld_Line20Part, fld_BasicTax))
            fld_Line20Part.store(fld_BasicTax);
    } else {
        fld_Line20Part.store(fld_BasicTax);
    }
    fld_11160 = fld_Line20Part * kSurtaxRate;
    fld_Line22 = fld_BasicTax + fld_11160;
    fld_Line22Again.store(fld_Line22);
    return 0;
}

int TaxData_Sch11::CalculateToEnd()
{
    CalculatePoliticalDonation();
    fld_after_11214 = fld_11190 + fld_11180 + fld_11200 + fld_11210 + fld_11213 + fld_11214;
    fld_Line31 = fld_Line22 - fld_after_11214;
    if (fld_Line31 < 0.0)
        fld_Line31.store(0.0);
    fld_FedTaxPayable = fld_Line31 + fld_FromT1172;
    return 0;
}

int TaxData_Sch11::Validate(unsigned char /*purpose*/, std::list<CString>& /*messages*/)
{
    return 0;
}
