#include "taxcalc/foreigntaxcredit.h"

#include "framework/checks.h"

#include <algorithm>

int TaxData_ForeignTaxCredit::CalculateFed()
{
    // Non-business income
    fld_NonBusiLine2 = div(fld_22092, fld_NonBusiNetInc, 0.0) * fld_NonBusiBasicFedTax;  // line 2
    fld_NonBusiTC = std::min<double>(fld_22091, fld_NonBusiLine2);                      // line 3

    // Business income
    fld_BusiLine5 = div(fld_22094, fld_BusiNetInc, 0.0) * fld_BusiBasicFedTax;  // line 5
    fld_BusiLine7 = fld_BusiLine5 + fld_BusiFedSurtax;                          // line 7
    fld_BusiLine8 = fld_BusiBasicFedTax + fld_BusiFedSurtax;                    // line 8
    fld_Line3Again = fld_NonBusiTC;                                             // line 9
    fld_Busiline10 = std::max(0.0, fld_BusiLine8 - fld_Line3Again);             // line 10
    fld_BusiTC = std::min({fld_22093.value(), fld_BusiLine7.value(), fld_Busiline10.value()});  // line 11

    fld_FedForeignTC = fld_BusiTC + fld_NonBusiTC;  // line 12
    return 0;
}

int TaxData_ForeignTaxCredit::CalculateProv()
{
    fld_Country_prov = fld_Country;
    fld_ProvLine1 = fld_22091;
    fld_ProvLine2 = fld_NonBusiTC;
    fld_ProvTCMax = std::max(0.0, fld_ProvLine1 - fld_ProvLine2);
    fld_ProvNonBusiInc = fld_22092;
    fld_ProvNetInc = fld_NonBusiNetInc;
    fld_ProvLine4 = div(fld_22092, fld_NonBusiNetInc, 0.0) * fld_ProvBasicTax;
    fld_ProvTaxCredit = std::min<double>(fld_ProvTCMax, fld_ProvLine4);
    return 0;
}
