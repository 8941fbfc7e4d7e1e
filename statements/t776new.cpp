#include "statements/t776new.h"

#include "framework/amounts.h"
#include "framework/checks.h"

#include <algorithm>

namespace {
double floorZero(double v)
{
    return v < 0.0 ? 0.0 : v;
}

double clampPercent(double v)
{
    return std::clamp(v, 0.0, 100.0);
}
}  // namespace

std::array<CFloatField*, 13> TaxData_T776New::expenses()
{
    return {&fld_expense_1, &fld_expense_2, &fld_expense_3,  &fld_expense_4,  &fld_expense_5,
            &fld_expense_6, &fld_expense_7, &fld_expense_8,  &fld_expense_9,  &fld_expense_10,
            &fld_expense_11, &fld_expense_12, &fld_expense_13};
}

std::array<CFloatField*, 13> TaxData_T776New::personalParts()
{
    return {&fld_personalexp_1,  &fld_personalexp_2,  &fld_personalexp_3, &fld_personalexp_4,
            &fld_personalexp_5,  &fld_personalexp_6,  &fld_personalexp_7, &fld_personalexp_8,
            &fld_personalexp_9,  &fld_personalexp_10, &fld_personalexp_11, &fld_personalexp_12,
            &fld_personalexp_13};
}

void TaxData_T776New::fillCacSummary()
{
    summarizeAssetAreas(m_equipmentAdditions, m_buildingAdditions, m_equipmentDispositions, m_buildingDispositions);
}

int TaxData_T776New::Calculate01()
{
    // Areas B to E
    fld_9925 = m_equipmentAdditions.calculate();
    fld_9927 = m_buildingAdditions.calculate();
    fld_9926 = m_equipmentDispositions.calculate();
    fld_9928 = m_buildingDispositions.calculate();
    fillCacSummary();

    // Area A
    m_recapture = 0.0;
    m_ccaTotals.settle(calculateRentalCca(m_cca.begin(), m_cca.end(), fld_CCA_overwrite, m_recapture));

    if (fld_ownership_percent > 100.0 || fld_ownership == SoleOwner)
        fld_ownership_percent = 100.0;

    // Income
    double rents = 0.0;
    for (const PropertyRow& property : m_properties)
        rents += property.income;
    fld_property_rent = rents;
    fld_property_total_income = floorZero(fld_property_rent + fld_property_other_income);

    calculateExpenses();
    calculateShare();
    return 0;
}

void TaxData_T776New::calculateExpenses()
{
    fld_pportion_percent = clampPercent(fld_pportion_percent);
    const std::array<CFloatField*, 13> amounts = expenses();
    const std::array<CFloatField*, 13> personal = personalParts();
    double total = 0.0;
    double personalTotal = 0.0;
    for (size_t k = 0; k < amounts.size(); ++k) {
        if (fld_pportion_usepercent)
            *personal[k] = *amounts[k] * fld_pportion_percent / 100.0;
        if (*personal[k] > *amounts[k])
            *personal[k] = amounts[k]->value();
        total += *amounts[k];
        personalTotal += *personal[k];
    }
    fld_expense_14 = total;
    fld_personalexp_14 = personalTotal;
    fld_b = fld_expense_14 - fld_personalexp_14;
    fld_9369 = fld_property_total_income - fld_b;  // net income (loss) before adjustments
}

void TaxData_T776New::calculateShare()
{
    const int type = fld_ownership;
    const double percent = fld_ownership_percent;
    const bool coOwned = type == CoOwnership;

    // Line c: the trust's share of the net income before CCA.
    if (coOwned && fld_c_overwrite) {
        if (fld_9369 >= AMOUNT_TOLERANCE)
            fld_c = std::min<double>(fld_c, fld_9369);
        else if (fld_9369 > fld_c)
            fld_c = fld_9369.value();
    } else {
        fld_c = coOwned ? fld_9369 * percent / 100.0 : fld_9369.value();
    }
    if (type == Partnership)
        fld_9945 = 0.0;

    fld_subtotal_1 = fld_c - fld_9945;
    if (coOwned && !fld_c_overwrite)
        fld_9947 = m_recapture * percent / 100.0;
    fld_subtotal_2 = fld_subtotal_1 + fld_9947;
    fld_subtotal_3 = fld_subtotal_2 - fld_9948;

    // CCA: never more than the income it is claimed against.
    if (!coOwned)
        fld_dontapplycownerpcnt = false;
    const double cca = coOwned && !fld_dontapplycownerpcnt ? m_ccaTotals.claim * percent / 100.0 : m_ccaTotals.claim.value();
    fld_9936 = floorZero(std::min<double>(cca, fld_subtotal_3));
    fld_d = fld_subtotal_3 - fld_9936;

    fld_yourshare_d = type == Partnership ? fld_d * percent / 100.0 : fld_d.value();
    if (coOwned)
        fld_9943 = 0.0;
    fld_9946 = fld_yourshare_d + fld_9974 - fld_9943;

    for (CoOwnerRow& owner : m_coowners) {
        if (owner.percent > 100.0)
            owner.percent = 100.0;
        if (type == SoleOwner)
            owner.netincome = 0.0;
        else if (!(coOwned && fld_c_overwrite))
            owner.netincome = div(owner.percent, percent, 0.0) * (coOwned ? fld_c : fld_yourshare_d);
    }
}

bool TaxData_T776New::IsShared() const
{
    return amountExceeds(100.0, fld_ownership_percent);
}

bool TaxData_T776New::GetDisplayName(CString& out)
{
    if (CString(fld_businessname).IsBlank())
        return CTaxData_Form::GetDisplayName(out);
    out = CString(fld_businessname);
    return true;
}

bool TaxData_T776New::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return true;
}

int TaxData_T776New::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    // The rental keeps its entries; each class opens with last year's closing balance.
    if (!param.bSameYear)
        for (RentalCcaRow& row : m_cca)
            row.ucc = row.uccEnd;
    return 0;
}
