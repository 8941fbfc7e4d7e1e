#include "statements/t2125new.h"

#include "framework/amounts.h"
#include "framework/datastream.h"

#include <algorithm>

namespace {
double floorZero(double v)
{
    return v < 0.0 ? 0.0 : v;
}
}  // namespace

void TaxData_T2125_New::CalculateBusinessFee()
{
    fld_busi_sales = fld_ws_busi_sales.fld_ws_a.value();
    fld_prof_fee = fld_ws_prof_fee.fld_ws_a.value();
}

void TaxData_T2125_New::fillCacSummary()
{
    summarizeAssetAreas(m_assets);
}

int TaxData_T2125_New::Calculate01()
{
    if (formType() != kKeepsAccountingMethod)
        fld_accountmethod = 0;
    m_net.partnership.calculate();

    // Capital cost allowance: Area A, then Areas B to E
    fld_cca = floorZero(m_cca.calculateClaim());
    m_assets.calculate();
    fillCacSummary();
    fld_exp_9281 = m_vehicles.calculate();

    fld_iProv = provinceOfPostalCode(fld_postcode, fld_iProv);
    m_websites.calculate();
    calculateIncome();
    calculateNetIncome();
    calculateT1139();
    calcIfPrintExtraPages();
    return 0;
}

void TaxData_T2125_New::calculateIncome()
{
    CalculateBusinessFee();
    CFloatField* business[] = {&fld_b4_8000_busi, &fld_busi_iv, &fld_8000_busi};
    CFloatField* professional[] = {&fld_prof_after_wip1, &fld_prof_iv, &fld_prof_8000};
    // The lines of the kind not chosen are 0 (both when a damaged file chose neither).
    if (fld_IsBusiOrProf != Business)
        for (CFloatField* f : business)
            *f = 0.0;
    if (fld_IsBusiOrProf != Professional)
        for (CFloatField* f : professional)
            *f = 0.0;
    if (fld_IsBusiOrProf == Business) {
        fld_b4_8000_busi = fld_busi_sales - fld_busi_gst;
        fld_busi_iv = fld_busi_ii - fld_busi_iii;
        fld_8000_busi = fld_b4_8000_busi + fld_busi_iv;
        fld_8000 = fld_8000_busi;
    } else if (fld_IsBusiOrProf == Professional) {
        fld_prof_after_wip1 = fld_prof_fee - fld_prof_gst;
        fld_prof_iv = fld_prof_ii - fld_prof_iii;
        fld_prof_8000 = fld_prof_after_wip1 + fld_prof_iv + fld_prof_wip2;
        fld_8000 = fld_prof_8000;
    } else {
        fld_8000 = 0.0;
    }
    fld_before_8299 = fld_8290 + fld_8230;
    fld_8299 = floorZero(fld_8000 + fld_before_8299);
    fld_8299_1 = fld_8299;

    // Cost of goods sold
    fld_b4_8500 = fld_8300 + fld_8320 + fld_8360 + fld_8340 + fld_8450;
    if (fld_8500 > fld_b4_8500)
        fld_8500 = fld_b4_8500.value();
    fld_8518 = floorZero(fld_b4_8500 - fld_8500);
    fld_8519 = fld_8299 - fld_8518;
}

void TaxData_T2125_New::calculateNetIncome()
{
    fld_exp_total = fld_exp_8521 + fld_exp_8590 + fld_exp_8760 + fld_exp_9275 + fld_exp_9224 + fld_exp_8690 +
                    fld_exp_8710 + fld_exp_8960 + fld_exp_8871 + fld_exp_8523 + fld_exp_9281 + fld_exp_8810 +
                    fld_exp_8811 + fld_exp_8860 + fld_exp_9180 + fld_exp_8910 + fld_exp_9060 + fld_exp_9200 +
                    fld_exp_9220 + fld_exp_9270 + fld_cca;
    double grossProfit = fld_8519;
    if (fld_IsBusiOrProf != Business) {
        for (CFloatField* f : {&fld_8300, &fld_8320, &fld_8360, &fld_8340, &fld_8450, &fld_8500})
            *f = 0.0;
        grossProfit = fld_8299;
    }
    fld_grossprofit_b4_expense = grossProfit;
    fld_9369 = grossProfit - fld_exp_total;

    // The trust's share: its percentage, or the user's amount kept between 0 and line 9369.
    if (fld_percentowner > 100.0)
        fld_percentowner = 100.0;
    const double net = fld_9369;
    if (!fld_ow_9369_yourshare)
        fld_9369_yourshare = net * fld_percentowner / 100.0;
    else if (net >= 0.0)
        fld_9369_yourshare = std::clamp<double>(fld_9369_yourshare, 0.0, net);
    else if (net <= -AMOUNT_TOLERANCE)
        fld_9369_yourshare = std::max<double>(fld_9369_yourshare, net);
    else
        fld_9369_yourshare = std::max(0.0, std::min<double>(fld_9369_yourshare, net));
    shareAmongCoOwners(m_net.coowners, fld_9369);
    m_net.calculate(fld_9369_yourshare, 0.0, IsShared(), fld_percentowner);
}

void TaxData_T2125_New::calculateT1139()
{
    for (CFloatField* f : {&fld_1_a, &fld_4_d, &fld_4_f, &fld_5_g, &fld_5_i, &fld_5_k})
        *f = 0.0;
    if (!fld_bT1139)
        return;
    if (fld_ws_iPart1) {
        fld_5_g = m_net.netIncome.value();
        fld_5_i = fld_5_g + fld_5_h;
        fld_5_k = fld_5_i - fld_5_j;
    } else {
        fld_1_a = m_net.netIncome.value();
        fld_4_d = fld_1_a + fld_AddBusiIncome;
        fld_4_f = fld_4_d - fld_4_e;
    }
}

int TaxData_T2125_New::calcIfPrintExtraPages()
{
    fld_printMoreCCA = 0;
    int result = 2;
    for (int i = 4; i < CcaClassArea::kRows; ++i)
        if (hasClassNumber(m_cca.classes[i].cls)) {
            fld_printMoreCCA = 1;
            result = 3;
            break;
        }
    if (m_assets.hasClassFrom(2))
        fld_printMoreCCA = result;
    return result;
}

void TaxData_T2125_New::FreeExtraCCA()
{
    m_extraCca.clear();
    m_cca.totals.extraRowCount = 0;
}

bool TaxData_T2125_New::IsShared() const
{
    return amountExceeds(100.0, fld_percentowner);
}

int TaxData_T2125_New::Serialize(unsigned int version, const CString& password, MyDataStream& ar)
{
    const int result = CTaxDataBase01::Serialize(version, password, ar);
    if (result != 0 || ar.IsStoring())
        return result;
    // The extra class rows are not stored: as many empty rows as the count
    // says. The flag stays as stored, so that a file reads back as it was.
    m_extraCca.clear();
    const int extraRows = m_cca.totals.extraRowCount;
    if (extraRows > kMaxExtraClassRows) {
        ar.fail("fld_extra_cca_count: more extra capital cost classes than a statement holds");
        return -1;
    }
    for (int i = 0; i < extraRows; ++i)
        m_extraCca.push_back(std::make_unique<CCCAClassTable>(0x10000));
    return 0;
}

int TaxData_T2125_New::FillTestPrintData()
{
    const int result = CTaxDataBase01::FillTestPrintData();
    m_cca.totals.extraRowCount = 2;
    return result;
}

bool TaxData_T2125_New::GetDisplayName(CString& out)
{
    if (m_displayName.isEmpty())
        return CTaxDataBase01::GetDisplayName(out);
    out = m_displayName;
    return true;
}

bool TaxData_T2125_New::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return true;
}

int TaxData_T2125_New::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    if (!param.bSameYear) {
        m_cca.carryForward();
        m_net.home.carryForward();
    }
    return 0;
}
