#include "host/slip_filing.h"

#include "slips/t3_filinginfo.h"
#include "slips/t3slip_issuing.h"

json issuedSlipsJson(const std::vector<CTaxData_Form*>& forms)
{
    json slips = json::array();
    slips.get_ref<json::array_t&>().reserve(forms.size());
    int number = 0;
    for (CTaxData_Form* form : forms) {
        auto* slip = dynamic_cast<TaxData_Slip_T3_Issuing*>(form);
        if (!slip)
            continue;
        json entry = json::object();
        slip->fillSlipData(++number, entry);
        slips.push_back(std::move(entry));
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
