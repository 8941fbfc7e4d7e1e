#include "taxcalc/sch11a.h"

#include "framework/amounts.h"
#include "framework/year_figures.h"

#include <algorithm>

namespace {
// Cuts `field` to `limit` when it exceeds it.
void capAt(CFloatField& field, double limit)
{
    if (amountExceeds(field, limit))
        field = limit;
}
}  // namespace

int TaxData_Sch11A::Calculate()
{
    using namespace year_figures;
    const double charities = fld_11126 + fld_11127 + fld_11128;
    capAt(fld_11129, charities + fld_11122);
    fld_11121 = charities - fld_11117;                       // line 5
    fld_75PcntNetInc = fld_NetInc * kDonationNetIncomeLimit;  // line 6

    if (amountExceeds(fld_75PcntNetInc, fld_11121)) {
        fld_11123 = 0.0;
        fld_11124 = 0.0;
        fld_after_11124 = 0.0;
        fld_AllowableDonAmt = fld_11121;
    } else {
        fld_after_11124 = std::min<double>(fld_75PcntNetInc + fld_11123 + fld_11124, fld_NetInc);  // line 9
        fld_AllowableDonAmt = std::min<double>(fld_11121, fld_after_11124);                       // line 10
    }

    fld_TotalDonAmt = std::max(0.0, fld_AllowableDonAmt + fld_11122 - fld_11118);  // line 13
    capAt(fld_11125, fld_TotalDonAmt);                                             // line 14
    capAt(fld_11119, fld_11125);                                                   // line 15
    fld_200orless = std::min<double>(fld_11125, kDonationLowRateAmount);           // line 16
    fld_after_200orless = fld_11125 - fld_200orless;                               // line 17

    if (m_isGraduatedRate && amountExceeds(kDonationHighRateThreshold, fld_TaxInc)) {
        // Taxable income below line 22: nothing at the top rate.
        fld_after_200orless_1 = 0.0;
        fld_11119_1 = 0.0;
        fld_sub_1 = 0.0;
        fld_line23 = 0.0;
        fld_Pcnt33Amt = 0.0;
        fld_Pcnt29Amt = fld_after_200orless;
    } else {
        fld_after_200orless_1 = fld_after_200orless;                              // line 18
        fld_11119_1 = fld_11119;                                                  // line 19
        fld_sub_1 = std::max(0.0, fld_after_200orless_1 - fld_11119_1);           // line 20
        fld_line23 = std::max(0.0, fld_TaxInc - kDonationHighRateThreshold);      // line 23
        fld_Pcnt33Amt = fld_sub_1;                                                // line 24
        if (m_isGraduatedRate)
            capAt(fld_Pcnt33Amt, fld_line23);
        fld_Pcnt29Amt = std::max(0.0, fld_after_200orless - fld_Pcnt33Amt);       // line 26
    }

    fld_Pcnt33Credit = fld_Pcnt33Amt * kDonationHighRate;      // line 25
    fld_Pcnt29Credit = fld_Pcnt29Amt * kDonationMiddleRate;    // line 27
    fld_Pcnt15Amt = fld_200orless;                             // line 28
    fld_Pcnt15Credit = fld_Pcnt15Amt * kDonationLowRate;       // line 29
    fld_11120 = fld_Pcnt33Credit + fld_Pcnt29Credit + fld_Pcnt15Credit;  // line 30
    return 0;
}
