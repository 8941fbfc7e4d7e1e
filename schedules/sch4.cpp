#include "schedules/sch4.h"

#include "framework/year_figures.h"

int TaxData_Sch4::Calculate()
{
    using namespace year_figures;

    fld_investmentSubtotal.store(fld_investmentNetLossOther - fld_amtLine9Sch3);  // line 11
    if (fld_investmentSubtotal < 0.0)
        fld_investmentSubtotal.store(0.0);
    fld_4112 = fld_CarryCharge + fld_4020 + fld_4030 + fld_4040 + fld_4050 + fld_investmentNetRentalLoss +
               fld_4070 + fld_4080 + fld_investmentSubtotal;  // line 12: lines 1 to 8 and 11
    fld_4140 = fld_4112 + fld_4130;                           // line 14
    fld_temp4140.store(fld_4140);

    fld_taxableFromEligible = fld_line2Sch8 * kEligibleGrossUp;     // line 15
    fld_taxableNoneEligible = fld_line1Sch8 * kNonEligibleGrossUp;  // line 16
    fld_Subtotal = fld_taxableCC - fld_amtLine6Sch3;                // line 24
    if (fld_Subtotal < 0.0)
        fld_Subtotal = 0.0;
    fld_4300 = fld_taxableFromEligible + fld_taxableNoneEligible + fld_foreignInvestment + fld_otherInvestment +
               fld_netRental + fld_4250 + fld_4260 + fld_Subtotal;  // line 25: lines 15 to 21 and 24
    fld_4320 = fld_4300 + fld_4310;                                 // line 27
    fld_4330.store(fld_4140 - fld_4320);                            // line 28
    if (fld_4330 < 0.0)
        fld_4330.store(0.0);
    return 0;
}

bool TaxData_Sch4::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return true;
}

int TaxData_Sch4::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    return CTaxDataBase01::ChangeToNewYearData(param);
}
