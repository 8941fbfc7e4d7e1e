#include "schedules/t2038new.h"

#include "framework/amounts.h"
#include "framework/validation_messages.h"
#include "framework/year_figures.h"

#include <algorithm>

using namespace year_figures;

namespace {
double floorZero(double v)
{
    return v < 0.0 ? 0.0 : v;
}
}  // namespace

int TaxData_T2038New::CalculateToLineC()
{
    // Part A: credits earned this year
    fld_6712_a = fld_6712 * kItcSredRate;
    fld_6715_a = fld_6715 * kItcSredRate;
    fld_6714_a = fld_6714 * kItcQualifiedPropertyRate;
    fld_a = fld_6712_a + fld_6714_a + fld_6725 + fld_6715_a;
    fld_col_2.store(fld_a);

    fld_6717 = fld_ws_6717_from_T1229 + fld_ws_6717_other;
    fld_67170_a = fld_6717 * kItcApprenticeJobRate;
    fld_67175 = fld_ws_67175_from_T1229 + fld_ws_67175_other;
    fld_67175_a = fld_67175 * kItcChildCareSpacesRate;
    double salaries = 0.0;
    for (ApprenticeRow& row : m_apprentices) {
        if (row.salary > kItcApprenticeSalaryCap)
            row.salary.store(kItcApprenticeSalaryCap);
        salaries += row.salary;
    }
    fld_67180 = salaries;
    fld_67180_a = fld_67180 * kItcApprenticeSalaryRate;
    fld_67184_a = fld_67184 * kItc67184Rate;
    fld_67185_a = fld_67185 * kItc67185Rate;
    fld_RepaySRED = fld_67184_a + fld_67185_a;
    fld_LineF = fld_67170_a + fld_67175_a + fld_67180_a + fld_RepaySRED;
    fld_col_3.store(fld_LineF);

    // Part C: recapture
    fld_6726a = kItcRecapture6726Rate * fld_6726;
    fld_6713a = kItcRecapture6713Rate * fld_6713;
    fld_PartCLine3 = fld_6726a + fld_6713a;
    fld_PartCLine7.store(std::min<double>(fld_PartCLine5, fld_PartCLine6));
    fld_67197 = fld_PartCLine7 + fld_PartCLine4;
    fld_406 = fld_PartCLine3 + fld_67197;

    // Part D: credit available
    fld_PartDLine4 = fld_col_2 + fld_col_3;
    fld_PartDLine5 = fld_col_1 + fld_PartDLine4;
    fld_PartDLineF = floorZero(fld_PartDLine5 - fld_col_4);
    return 0;
}

int TaxData_T2038New::CalculateToLineD()
{
    // Part D: the limit of federal tax (line G)
    fld_AfterF41000 = floorZero(fld_F40600 - fld_F41000);
    fld_AfterF41400 = floorZero(fld_AfterF41000 - fld_F41400);
    fld_LessFandG.store(std::min<double>(fld_PartDLineF, fld_AfterF41400));
    return 0;
}

int TaxData_T2038New::CalculateToEnd(bool useMinimumTaxLimit)
{
    // Part D: the limit under minimum tax (line I), then the claim
    fld_after_F405S1 = fld_AfterF41400 + fld_F405S1;
    fld_allowable_claim_AMT = floorZero(fld_after_F405S1 - fld_Line59FromT691);
    fld_LessFandI = std::min<double>(fld_PartDLineF, fld_allowable_claim_AMT);
    const double limit = useMinimumTaxLimit ? fld_LessFandI : fld_LessFandG;
    const double claim = fld_ITC_claim_overwrite ? std::min<double>(fld_ITC_claim, limit) : limit;
    fld_ITC_claim.store(floorZero(claim));

    // Part E: carryback
    fld_PartELine1 = fld_PartDLineF;
    fld_PartELine2 = fld_col_1;
    fld_CurYCreditAvail = floorZero(fld_PartELine1 - fld_PartELine2);
    fld_PartELine4 = limit;
    fld_PartELine5 = fld_col_1;
    fld_NotAllowedPart = floorZero(fld_PartELine4 - fld_PartELine5);
    fld_ITC_Avail_Carryback = floorZero(fld_CurYCreditAvail - fld_NotAllowedPart);

    CStringField* years[] = {&fld_6720_year, &fld_6721_year, &fld_6722_year};
    CFloatField* carrybacks[] = {&fld_6720, &fld_6721, &fld_6722};
    double remaining = fld_ITC_Avail_Carryback;
    double total = 0.0;
    for (int i = 0; i < kItcCarrybackYears; ++i) {
        *years[i] = QString::number(kTaxYear - kItcCarrybackYears + i);
        if (*carrybacks[i] > remaining)
            carrybacks[i]->store(remaining);
        remaining -= *carrybacks[i];
        total += *carrybacks[i];
    }
    fld_totalcarryback = std::min<double>(total, fld_ITC_Avail_Carryback);

    // Part E: refund
    fld_PartELine7 = fld_col_2;
    fld_PartELine8 = fld_col_4;
    fld_CurRefAvail = floorZero(fld_PartELine7 - fld_PartELine8);
    fld_ITC_claim_1 = fld_ITC_claim;
    fld_PartELine11 = fld_col_1;
    fld_CurYClaim = floorZero(fld_ITC_claim_1 - fld_PartELine11);
    fld_TotalCarryBack = fld_totalcarryback;
    fld_PartELine14 = fld_CurYClaim + fld_TotalCarryBack;
    fld_NonRefTC = fld_col_3;
    fld_PartELine16 = floorZero(fld_PartELine14 - fld_NonRefTC);
    fld_ITC_Avail_Refund = floorZero(fld_CurRefAvail - fld_PartELine16);
    if (fld_overwrite_refund)
        fld_ITCRefundUsingAmount = floorZero(std::min<double>(fld_ITCRefundUsingAmount, fld_ITC_Avail_Refund));
    else
        fld_ITCRefundUsingAmount = fld_ITC_Avail_Refund;
    fld_ITC_refund = fld_ITCRefundUsingAmount * kItcRefundRate;

    // Part F: balance carried forward
    fld_PartFLine1 = fld_PartDLineF;
    fld_PartFCurNonRefTC = fld_ITC_claim;
    fld_PartFCarryback = fld_totalcarryback;
    fld_PartFITCRef = fld_ITC_refund;
    fld_PartFSubtotal = fld_PartFITCRef + fld_PartFCarryback + fld_PartFCurNonRefTC;
    fld_BalForward = floorZero(fld_PartDLineF - fld_PartFSubtotal);
    return 0;
}

int TaxData_T2038New::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (amountExceeds(fld_6720 + fld_6721 + fld_6722, fld_ITC_Avail_Carryback))
        addMessage(messages, fld_6720, "carry back amount exceeds the maximum allowed.");
    return int(messages.size() - before);
}
