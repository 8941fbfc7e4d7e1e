#include "taxcalc/t2000.h"

#include "framework/year_figures.h"

#include <algorithm>

int TaxData_T2000::Calculate01()
{
    using year_figures::kT2000AgreementRate;
    double totalI = 0.0, totalJ = 0.0, totalM = 0.0, totalN = 0.0;
    for (T2000AgreementRow& row : m_rows) {
        row.I = row.B * kT2000AgreementRate;
        row.J = row.C * kT2000AgreementRate;
        row.K = row.D * kT2000AgreementRate;
        row.L = row.E - row.F;
        row.M = std::min<double>(row.L, row.K);
        row.N = row.G - row.H;
        totalI += row.I;
        totalJ += row.J;
        totalM += row.M;
        totalN += row.N;
    }
    fld_totalI = totalI;
    fld_totalJ = totalJ;
    fld_totalM = totalM;
    fld_totalN = totalN;
    fld_2411 = fld_totalJ + fld_totalI + fld_totalM + fld_totalN;  // line 2411
    fld_BalOrRef = fld_2411 - fld_PayOnAcct;
    return 0;
}
