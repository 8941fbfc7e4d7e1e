#include "taxcalc/t184.h"

#include "framework/amounts.h"
#include "framework/checks.h"
#include "framework/province.h"
#include "framework/year_figures.h"

#include <algorithm>
#include <cmath>

using namespace year_figures;

double TaxData_T184::provincialRate(int jurisdiction)
{
    for (const T184ProvincialRate& row : kT184ProvincialRates)
        if (row.jurisdiction == jurisdiction)
            return row.applies ? row.percent : 0.0;
    return 0.0;
}

void TaxData_T184::clearFields(std::initializer_list<CFloatField*> fields)
{
    for (CFloatField* f : fields)
        *f = 0.0;
}

int TaxData_T184::CalculateFed()
{
    fld_lineA = fld_TaxableIncome * kT184TaxRate;
    fld_lineB = kT184TaxRate * fld_84000;
    fld_84002 = std::min({fld_lineA.value(), fld_lineB.value(), fld_LineC.value()});
    fld_after84002 = fld_84002 + fld_84001;
    fld_84005 = std::max(0.0, fld_after84002 - fld_84004);
    fld_after84005 = fld_84005 / kT184RefundRate;  // x 100 / 16.5

    fld_after84008 = fld_84007 + fld_84008;
    fld_after84011 = fld_84010 + fld_84011;
    fld_federalCCSubtotal = std::max(0.0, fld_after84008 - fld_after84011);
    fld_federalCCNetTotal = fld_federalCCSubtotal + fld_after84005;

    fld_netTotalByUnits = fld_federalCCNetTotal * fld_84015;
    fld_netTotalByMarket = fld_84007 + fld_84015;
    fld_CCSubtotal = div(fld_netTotalByUnits, fld_netTotalByMarket, 0.0);

    fld_CCDesignatedAmt = 2.0 * fld_84021;
    // Redemptions below the designated gains leave nothing to refund: line 84045
    // is never negative, so neither are the refunds rated on it.
    fld_84045 = std::max(0.0, fld_CCSubtotal - fld_CCDesignatedAmt);
    fld_84045_1 = fld_84045;
    fld_84045Rated = fld_84045 * kT184RefundRate;
    fld_84050 = std::min<double>(fld_84005, fld_84045Rated);  // capital gains refund
    fld_84050_1 = fld_84050;
    return 0;
}

int TaxData_T184::CalculateProv()
{
    const int jurisdiction = getProvince();
    fld_provRate = provincialRate(jurisdiction);
    fld_84051 = fld_provRate * fld_84050 / 100.0;

    CalculateProv_ON();
    CalculateProv_MB();
    CalculateProv_AB();

    fld_federalCCRefund = fld_84050;
    clearFields({&fld_federalCCRefundProvs, &fld_From84115, &fld_From84307, &fld_From84203});
    if (jurisdiction == PROV_AB)
        fld_From84203 = fld_84203;
    else if (jurisdiction == PROV_MB)
        fld_From84307 = fld_84307;
    else if (jurisdiction == PROV_ON)
        fld_From84115 = fld_84115;
    else
        fld_federalCCRefundProvs = fld_84051;
    fld_totalCCRefund =
        fld_federalCCRefund + fld_federalCCRefundProvs + fld_From84115 + fld_From84307 + fld_From84203;
    return 0;
}

int TaxData_T184::CalculateProv_ON()
{
    if (getProvince() != PROV_ON) {
        clearFields({&fld_ONtaxableIncome, &fld_ONLineA, &fld_ONLineB, &fld_ONTaxPayable, &fld_84100, &fld_84102,
                     &fld_84103, &fld_84104, &fld_ONBasicTax, &fld_84105, &fld_ON84045Rated, &fld_84107,
                     &fld_ONtemp84105, &fld_ONtemp84007, &fld_84116, &fld_84117, &fld_84120, &fld_ONCCRefund96_99,
                     &fld_ONCCRefund00_08, &fld_ONCCRefund09_15, &fld_84122, &fld_ONSurtax00_08, &fld_ONSurtax09_15,
                     &fld_ONSurtax16_21, &fld_84124, &fld_84126, &fld_84115});
        return 0;
    }
    fld_ONLineA = fld_ONtaxableIncome * kT184OntarioRate;
    fld_ONLineB = fld_84000 * kT184OntarioRate;
    fld_84100 = std::min({fld_ONLineA.value(), fld_ONLineB.value(), fld_ONTaxPayable.value()});
    fld_ONBasicTax = (fld_84102 - fld_84103) - fld_84104;
    fld_84105 = fld_84100 + fld_ONBasicTax;
    fld_ON84045Rated = fld_84045 * kT184OntarioRefundRate;
    fld_84107 = std::min<double>(fld_84105, fld_ON84045Rated);

    // The carried Ontario balances continue only while the federal refund
    // is the whole refundable tax on hand.
    if (std::fabs(fld_84005 - fld_84050) < AMOUNT_TOLERANCE) {
        fld_ONtemp84105 = fld_84105;
        fld_ONtemp84007 = fld_84107;
        fld_84117 = std::max(0.0, fld_ONtemp84105 - (fld_ONtemp84007 + fld_84116));
        fld_84122 = fld_ONCCRefund96_99 + fld_ONCCRefund00_08 + fld_ONCCRefund09_15;
        fld_84124 = fld_ONSurtax00_08 + fld_ONSurtax09_15 + fld_ONSurtax16_21;
        fld_84126 = std::max(0.0, fld_84120 - (fld_84122 + fld_84124));
    } else {
        clearFields({&fld_ONtemp84105, &fld_ONtemp84007, &fld_84117, &fld_84122, &fld_84124, &fld_84126});
    }
    fld_84115 = fld_84107 + fld_84117 + fld_84126;
    return 0;
}

int TaxData_T184::CalculateProv_MB()
{
    if (getProvince() != PROV_MB) {
        clearFields({&fld_MBTaxableIncome, &fld_MBLine1, &fld_MBTaxPayable, &fld_84403, &fld_84404, &fld_MBSubtotal,
                     &fld_84408, &fld_MBLine9, &fld_MB84045Rated, &fld_84307});
        return 0;
    }
    fld_MBLine1 = std::min<double>(fld_MBTaxableIncome, fld_84000) * kT184ManitobaRate;
    fld_84403 = std::min<double>(fld_MBLine1, fld_MBTaxPayable);
    fld_MBSubtotal = fld_84403 + fld_84404;
    fld_MBLine9 = std::max(0.0, fld_MBSubtotal - fld_84408);
    fld_MB84045Rated = fld_84045 * kT184ManitobaRefundRate;
    fld_84307 = std::min<double>(fld_MBLine9, fld_MB84045Rated);
    return 0;
}

int TaxData_T184::CalculateProv_AB()
{
    if (getProvince() != PROV_AB) {
        clearFields({&fld_84204, &fld_TaxableIncome_AB, &fld_ABLine2, &fld_ABLine3, &fld_ABTaxPayable, &fld_84205,
                     &fld_84209, &fld_84210, &fld_ABLine8, &fld_ABLine9, &fld_84211, &fld_FedLine15, &fld_ABLine12,
                     &fld_FedLine17, &fld_ABLine14, &fld_ABLine16, &fld_84218, &fld_84203});
        return 0;
    }
    fld_ABLine2 = fld_TaxableIncome_AB * kT184AlbertaRate;  // line 2
    fld_ABLine3 = fld_84000 * kT184AlbertaRate;             // line 3
    fld_84205 = std::min({fld_ABLine2.value(), fld_ABLine3.value(), fld_ABTaxPayable.value()});
    fld_84210 = std::max(0.0, fld_84205 + fld_84204 - fld_84209);
    fld_ABLine8 = fld_84210;
    fld_ABLine9 = fld_ABLine8 / kT184AlbertaRefundRate;  // x 100 / 7.5
    fld_84211 = fld_federalCCSubtotal + fld_ABLine9;
    fld_FedLine15 = fld_84015;
    fld_ABLine12 = fld_FedLine15 * fld_84211;
    fld_FedLine17 = fld_netTotalByMarket;
    fld_ABLine14 = div(fld_ABLine12, fld_FedLine17, 0.0);
    fld_ABLine16 = std::max(0.0, fld_ABLine14 - fld_CCDesignatedAmt);
    fld_84218 = fld_ABLine16 * kT184AlbertaRefundRate;
    fld_84203 = std::min<double>(fld_84210, fld_84218);
    return 0;
}
