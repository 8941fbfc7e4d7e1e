#include "schedules/t1055.h"

#include "efile/netfile_records.h"
#include "framework/netfile.h"

namespace {
double floorZero(double v)
{
    return v < 0.0 ? 0.0 : v;
}

// A section's rows: each gain is proceeds minus cost; the totals of
// proceeds and of gains go to the section's two records.
template <class Rows, class Disp, class Acb, class Gain>
void sectionTotals(Rows& rows, Disp disp, Acb acb, Gain gain, CFloatField& proceeds, CFloatField& gains)
{
    double sumDisp = 0.0, sumGain = 0.0;
    for (int i = 0; i < TaxData_T1055::kRows; ++i) {
        auto& row = rows[i];
        row.*gain = row.*disp - row.*acb;
        sumDisp += row.*disp;
        sumGain += row.*gain;
    }
    proceeds = sumDisp;
    gains = sumGain;
}
}  // namespace

int TaxData_T1055::Calculate()
{
    // Lines 1 to 6
    using S = ShareRow;
    using P = PropertyRow;
    using B = BondRow;
    sectionTotals(m_bizShares, &S::Disp, &S::Acb, &S::Gain, fld_55011, fld_55012);
    sectionTotals(m_farm, &P::SharesDisp, &P::SharesAcb, &P::SharesGain, fld_55021, fld_55022);
    sectionTotals(m_mutualShares, &S::Disp, &S::Acb, &S::Gain, fld_55031, fld_55032);
    sectionTotals(m_realEstate, &P::SharesDisp, &P::SharesAcb, &P::SharesGain, fld_55041, fld_55042);
    sectionTotals(m_bonds, &B::SharesDisp, &B::SharesAcb, &B::SharesGain, fld_55051, fld_55052);
    sectionTotals(m_personalProp, &P::SharesDisp, &P::SharesAcb, &P::SharesGain, fld_55061, fld_55062);

    // Line 7: listed personal property; line 9 = line 7 minus line 8 (LPP losses)
    fld_LPPSharesGain = fld_LPPSharesDisp - fld_LPPSharesAcb;
    fld_55071 = fld_LPPSharesDisp;
    fld_55072 = fld_LPPSharesGain;
    fld_after55080.store(floorZero(fld_55072 - fld_55080));

    // Line 10: lines 1 to 6 plus line 9; line 10B = line 10 minus line 10A
    fld_allNetGainLoss =
        fld_55012 + fld_55022 + fld_55032 + fld_55042 + fld_55052 + fld_55062 + fld_after55080;
    fld_allNetGainLoss_prd2 = fld_allNetGainLoss - fld_allNetGainLoss_prd1;
    fld_Line10.store(fld_allNetGainLoss);

    // Line 11: line 10 at the inclusion rate; line 12 its positive part; line 14 = line 12 - line 13
    fld_55250 = fld_allNetGainLoss * fld_InclRate / 100.0;
    fld_deemedTCC.store(floorZero(fld_55250));
    fld_55320 = floorZero(fld_deemedTCC - fld_55310);

    // Line 15: recapture, capital cost (or FMV) minus UCC, per class
    double cost = 0.0, ucc = 0.0, recapture = 0.0;
    for (int i = 0; i < kRows; ++i) {
        RecaptureRow& row = m_recapture[i];
        cost += row.depreciableCC;
        ucc += row.undepreciatedCC;
        row.recaptureAmt = floorZero(row.depreciableCC - row.undepreciatedCC);
        recapture += row.recaptureAmt;
    }
    fld_55331 = cost;
    fld_55332 = ucc;
    fld_55333 = recapture;

    // Line 18 = line 16 - line 17; line 20 = lines 14, 15, 18 and 19
    fld_netCanForeignProp = floorZero(fld_55340 - fld_55350);
    fld_55420 = fld_55320 + fld_55333 + fld_netCanForeignProp + fld_55370;

    // Line 22 = line 11 (a loss included); line 23 = line 21 - line 22
    fld_deemedAllowableLosses.store(fld_55250);
    fld_55530 = floorZero(fld_taxableCC - fld_deemedAllowableLosses);

    // Line 27 = line 24 - line 26: tax on which payment may be deferred
    fld_55840 = fld_totalTaxPayable - fld_55830;
    return 0;
}

int TaxData_T1055::WriteFreeData(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (ctx)
        writeDeclaredRecords(*this, ctx->records);
    return 0;
}
