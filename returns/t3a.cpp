#include "returns/t3a.h"

#include "efile/netfile_records.h"
#include "framework/datetexts.h"
#include "framework/year_figures.h"

#include <algorithm>

namespace {
double atLeastZero(double amount)
{
    return std::max(0.0, amount);
}

// A kind of loss: the three prior years' lines make the carryback; what is left, at least 0.
void carryBack(const CFloatField& available, const CFloatField* const (&years)[3], CFloatField& carryback,
               CFloatField& leftover)
{
    carryback = *years[0] + *years[1] + *years[2];
    leftover = atLeastZero(available - carryback);
}
}  // namespace

int TaxData_T3A::Calculate()
{
    fld_Year = QString::number(year_figures::kTaxYear);
    fld_inc_Subtotal1 = fld_inc_CapGain + fld_inc_Pension + fld_inc_Ivst + fld_inc_Busi + fld_inc_Farm +
                        fld_inc_Rental + fld_income_AgriIvst + fld_inc_DeemedDisp + fld_inc_Other;
    fld_loss_Subtotal1 = fld_loss_CapGainDed + fld_loss_Ivst + fld_loss_Busi + fld_loss_Farm + fld_loss_Rental +
                         fld_loss_BusiIvst + fld_loss_ExemInc + fld_loss_CapOtherYears;
    fld_inc_Subtotal2 = atLeastZero(fld_inc_Subtotal1 - fld_inc_OtherDed);
    fld_loss_Subtotal3 = atLeastZero(fld_loss_Subtotal1 - fld_inc_Subtotal2);
    // The farming or fishing subtotal as the last pass left it.
    fld_LossFarm = std::min(fld_loss_Subtotal3.value(), fld_SubTotalFarmFish.value());
    fld_LossForYear = atLeastZero(fld_loss_Subtotal3 - fld_LossFarm);
    fld_LossPriorYear = fld_66270 + fld_66260 + fld_66250;
    fld_NonCapLossEnd = atLeastZero(fld_LossForYear - fld_LossPriorYear);

    fld_SubTotalFarmFish = atLeastZero(fld_LossFarmFish - fld_IncomeFarmFish);
    fld_AvailFarmFish = fld_LossFarm.value();
    carryBack(fld_AvailFarmFish, {&fld_66320, &fld_66310, &fld_66300}, fld_CarrybackFarmFish, fld_LeftoverFarmFish);
    carryBack(fld_AvailCapLoss, {&fld_66380, &fld_66370, &fld_66360}, fld_CarrybackCapLoss, fld_LeftoverCapLoss);
    carryBack(fld_AvailLPPLoss, {&fld_66440, &fld_66430, &fld_66420}, fld_CarrybackLPP, fld_LeftoverLPP);
    carryBack(fld_AvailResFarmLoss, {&fld_66500, &fld_66490, &fld_66480}, fld_CarrybackResFarmLoss,
              fld_LeftoverResFarmLoss);
    return 0;
}

int TaxData_T3A::WriteNetfile(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (!ctx)
        return 0;
    CString yearEnd;
    FormatQDate(yearEnd, m_taxYearEnd, 18);
    writeNetfileText(ctx->records, 66100, yearEnd);
    writeDeclaredRecords(*this, ctx->records);
    if (fld_66550.IsValid())
        writeNetfileText(ctx->records, 66550, GetDateStr(fld_66550, 1));
    return 0;
}
