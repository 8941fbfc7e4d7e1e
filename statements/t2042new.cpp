#include "statements/t2042new.h"

#include "framework/amounts.h"
#include "framework/validation_messages.h"

#include <algorithm>

namespace {
double floorZero(double v)
{
    return v < 0.0 ? 0.0 : v;
}
}  // namespace

TaxData_T2042New::TaxData_T2042New()
{
    // Stored files of earlier years name the class rows' columns by number.
    for (int row = 1; row <= CcaClassArea::kRows; ++row) {
        const std::string suffix = "_" + std::to_string(row);
        addFieldOldName(rowFieldName("fld_a_", "UCC1", suffix.c_str()), rowFieldName("fld_a_", "2", suffix.c_str()));
        addFieldOldName(rowFieldName("fld_a_", "Add", suffix.c_str()), rowFieldName("fld_a_", "3", suffix.c_str()));
        addFieldOldName(rowFieldName("fld_a_", "End", suffix.c_str()), rowFieldName("fld_a_", "10", suffix.c_str()));
        addFieldOldName(rowFieldName("fld_a_", "Rate", suffix.c_str()), rowFieldName("fld_a_", "8", suffix.c_str()));
    }
}

void TaxData_T2042New::fillCacSummary()
{
    summarizeAssetAreas(m_assets);
}

int TaxData_T2042New::Calculate01()
{
    fld_iProv = provinceOfPostalCode(fld_postcode, fld_iProv);
    m_websites.calculate();
    if (fld_percentowner > 100.0)
        fld_percentowner = 100.0;
    m_net.partnership.calculate();

    // Areas B to E
    m_assets.calculate();
    fillCacSummary();

    // Area A and the allowance on eligible capital property
    const double classClaim = m_cca.calculateClaim();
    double allowances = 0.0;
    for (AllowanceRow& row : m_allowances) {
        if (row.rate > 100.0)
            row.rate = 100.0;
        row.allowance = row.rate * row.cost / 100.0;
        allowances += row.allowance;
    }
    fld_allowance_5 = allowances;

    // Income
    const CFloatField* income[] = {
        &fld_inc_1,  &fld_inc_2,  &fld_inc_3,  &fld_inc_4,  &fld_inc_5,  &fld_inc_6,  &fld_inc_7,  &fld_inc_8,
        &fld_inc_9,  &fld_inc_11, &fld_inc_12, &fld_inc_13, &fld_inc_14, &fld_inc_15, &fld_inc_16, &fld_inc_17,
        &fld_inc_18, &fld_inc_19, &fld_inc_20, &fld_inc_21, &fld_inc_22, &fld_inc_23, &fld_inc_24, &fld_inc_25,
        &fld_inc_26, &fld_inc_27, &fld_inc_28, &fld_inc_29, &fld_inc_30, &fld_inc_31, &fld_inc_32, &fld_inc_33};
    double gross = 0.0;
    for (const CFloatField* line : income)
        gross += *line;
    fld_inc_34 = floorZero(gross);
    fld_9659 = fld_inc_34;

    // Expenses
    fld_9819 = m_vehicles.calculate();
    fld_9790 = fld_expense_28 + fld_expense_29;
    fld_b4_9936 = fld_9661 + fld_9662 + fld_9663 + fld_9664 + fld_9711 + fld_9712 + fld_9713 + fld_9760 + fld_9764 +
                  fld_9795 + fld_9796 + fld_9797 + fld_9798 + fld_9799 + fld_9802 + fld_9803 + fld_9804 + fld_9805 +
                  fld_9808 + fld_9809 + fld_9810 + fld_9811 + fld_9814 + fld_9819 + fld_9820 + fld_9937 + fld_9938 +
                  fld_9790;
    fld_cca = floorZero(fld_allowance_5 + classClaim);
    fld_expense_total = fld_cca + fld_b4_9936;
    fld_9899 = fld_inc_34 - fld_expense_total;

    // Net income: the trust's share, then the partnership's deductions
    fld_c = fld_9899 + fld_9941 + fld_9942;
    fld_9369_yourshare = fld_c * fld_percentowner / 100.0;
    shareAmongCoOwners(m_net.coowners, fld_c);
    m_net.calculate(fld_9369_yourshare, fld_9951, IsShared(), fld_percentowner);
    return 0;
}

int TaxData_T2042New::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    if (!CString(fld_farmname).IsBlank())
        return 0;
    addMessage(messages, fld_farmname, "Farm name is missing");
    return 1;
}

bool TaxData_T2042New::IsShared() const
{
    return amountExceeds(100.0, fld_percentowner);
}

bool TaxData_T2042New::GetDisplayName(CString& out)
{
    if (CString(fld_farmname).IsBlank())
        return CTaxData_Form::GetDisplayName(out);
    out = CString(fld_farmname);
    return true;
}

bool TaxData_T2042New::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return true;
}

int TaxData_T2042New::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    // The closing balances are read before the amounts go back to their defaults.
    double closing[CcaClassArea::kRows];
    for (int i = 0; i < CcaClassArea::kRows; ++i)
        closing[i] = m_cca.claims[i].uccEnd;
    const double homeCarried = m_net.home.carriedToNextYear;
    CTaxData_Form::ChangeToNewYearData(param);
    if (!param.bSameYear) {
        for (int i = 0; i < CcaClassArea::kRows; ++i)
            m_cca.classes[i].ucc = closing[i];
        m_net.home.carriedFromLastYear = homeCarried;
    }
    return 0;
}

CString TaxData_T2042New::getEfileFarmAddress() const
{
    CString address = CString(fld_farmaddr).Trimmed();
    if (!CString(fld_town).IsBlank())
        address += QLatin1Char(' ') + CString(fld_town);
    return address;
}
