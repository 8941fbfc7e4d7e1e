#include "schedules/sch1a.h"

#include "framework/amounts.h"
#include "framework/checks.h"

namespace {
// Columns 5, 7 and 8 of one row; without proceeds nothing is eligible.
template <class Row>
void calculateRow(Row& r)
{
    r.gain = r.disposition - r.costbase - r.outlays;
    if (!amountPresent(r.disposition)) {
        r.col7.store(0.0);
        r.col8.store(0.0);
        return;
    }
    r.col7 = div(r.gain * r.eligibleamt, r.disposition, 0.0);
    r.col8 = r.gain - r.col7;
}

// The rows of a section, then its totals of columns 2, 7 and 8.
template <class Rows>
void calculateSection(Rows& rows, CFloatField& proceeds, CFloatField& zeroRate, CFloatField& halfRate)
{
    double col2 = 0.0, col7 = 0.0, col8 = 0.0;
    for (auto& r : rows) {
        calculateRow(r);
        col2 += r.disposition;
        col7 += r.col7;
        col8 += r.col8;
    }
    proceeds = col2;
    zeroRate = col7;
    halfRate = col8;
}
}  // namespace

int TaxData_Sch1A::Calculate01()
{
    calculatePeriod1();
    calculatePage1();
    return 0;
}

int TaxData_Sch1A::calculatePeriod1()
{
    calculateSection(m_sharesPrd1, fld_1541, fld_1542, fld_1542_col8_total);
    calculateSection(m_bondsPrd1, fld_1551, fld_1552, fld_1552_col8_total);
    calculateSection(m_landPrd1, fld_1561, fld_1562, fld_1562_col8_total);
    fld_TotalPrd1 = fld_1542 + fld_1552 + fld_1562;
    return 0;
}

int TaxData_Sch1A::calculatePage1()
{
    calculateSection(m_shares, fld_1511, fld_1512, fld_share_col8_total);
    calculateSection(m_bonds, fld_1521, fld_1522, fld_bond_col8_total);
    calculateSection(m_land, fld_1531, fld_1532, fld_land_col8_total);
    fld_TotalPrd2 = fld_1512 + fld_1522 + fld_1532;
    return 0;
}
