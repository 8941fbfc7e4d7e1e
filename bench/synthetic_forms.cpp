#include "bench/synthetic_forms.h"

#include "host/return_file.h"
#include "slips/t3_filinginfo.h"

std::vector<std::unique_ptr<TaxData_Slip_T3_Issuing>> makeIssuedSlips(int count)
{
    std::vector<std::unique_ptr<TaxData_Slip_T3_Issuing>> slips;
    slips.reserve(size_t(count));
    for (int n = 0; n < count; ++n) {
        auto slip = std::make_unique<TaxData_Slip_T3_Issuing>();
        slip->box_EntityType = n % 10 == 0 ? TaxData_Slip_T3_Issuing::kEntity : TaxData_Slip_T3_Issuing::kIndividual;
        slip->box_name = QStringLiteral("Beneficiary %1").arg(n);
        slip->box_lastname = QStringLiteral("Tremblay-Gagnon");
        slip->box_id = QStringLiteral("%1").arg(100000000 + n);
        slip->box_email = QStringLiteral("beneficiary%1@example.ca").arg(n);
        slip->box_addr = QStringLiteral("%1 Rue Sainte-Catherine Ouest, app. 12").arg(n);
        slip->box_city = QStringLiteral("Montréal");
        slip->box_iProv = 11;
        slip->box_iCountry = 1;
        slip->box_PostalCode = QStringLiteral("H3B 1A7");
        slip->box_bUsePcnt = true;
        slip->box_Pcnt = 100.0 / count;
        slip->box_52 = 1.0;
        slips.push_back(std::move(slip));
    }
    return slips;
}

std::vector<std::unique_ptr<TaxData_Slip_T3>> makeReceivedSlips(int count)
{
    std::vector<std::unique_ptr<TaxData_Slip_T3>> slips;
    for (int n = 0; n < count; ++n) {
        auto slip = std::make_unique<TaxData_Slip_T3>();
        slip->box_name = QStringLiteral("Global Equity Fund Trust %1").arg(n);
        slip->box_curcy_name = QStringLiteral("USD");
        slip->box_percent = 50.0;
        for (const TaxData_Slip_T3::Box& b : TaxData_Slip_T3::boxes())
            (*slip).*b.amount = 100.0 * b.number + n;
        slips.push_back(std::move(slip));
    }
    return slips;
}

TaxReturn loadSampleReturn()
{
    return loadReturn(QStringLiteral(TRUSTELLA_SOURCE_DIR "/examples/testamentary-trust-2024.json"));
}

TaxReturn makeLargeReturn(int issued)
{
    TaxReturn ret = loadSampleReturn();
    for (auto& slip : makeReceivedSlips(issued / 100))
        ret.add(std::move(slip));
    for (auto& slip : makeIssuedSlips(issued))
        ret.add(std::move(slip));
    auto info = std::make_unique<TaxData_Slip_Issuing_FilingInfo>();
    info->box_name = QStringLiteral("Maple Trust Company");
    info->box_iCountry = 1;
    info->box_lang = 0;
    info->box_AcctNumOption = TaxData_Slip_Issuing_FilingInfo::kTrustAccount;
    info->box_ContactName = QStringLiteral("Jo Roy");
    info->box_ContactPhone = QStringLiteral("(613) 555-1234");
    info->box_ContactEmail = QStringLiteral("jo@example.ca");
    ret.add(std::move(info));
    return ret;
}
