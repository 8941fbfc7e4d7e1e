#include "host/slip_filing.h"

#include "framework/json_sink.h"
#include "slips/t3_filinginfo.h"
#include "slips/t3slip_issuing.h"

IssuedSlipSource::IssuedSlipSource(const std::vector<CTaxData_Form*>& forms)
{
    for (CTaxData_Form* form : forms)
        if (auto* slip = dynamic_cast<TaxData_Slip_T3_Issuing*>(form))
            m_slips.push_back(slip);
}

bool IssuedSlipSource::operator()(JsonSink& out)
{
    if (m_next == m_slips.size())
        return false;
    out.begin(nullptr);
    const int number = int(++m_next);  // slip numbers start at 1
    m_slips[m_next - 1]->writeSlipData(number, out);
    out.end();
    return true;
}

json issuedSlipsJson(const std::vector<CTaxData_Form*>& forms)
{
    IssuedSlipSource source(forms);
    json slips = json::array();
    slips.get_ref<json::array_t&>().reserve(source.count());
    JsonTreeSink sink(slips);
    while (source(sink)) {
    }
    return slips;
}

json transmitterJson(const std::vector<CTaxData_Form*>& forms)
{
    json transmitter = json::object();
    for (CTaxData_Form* form : forms)
        if (auto* info = dynamic_cast<TaxData_Slip_Issuing_FilingInfo*>(form)) {
            info->getTransmitterData(transmitter);
            break;
        }
    return transmitter;
}
