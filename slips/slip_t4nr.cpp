#include "slips/slip_t4nr.h"

int TaxData_Slip_T4NR::getSlipContentForAttachDoc(CString& out, std::map<CString, CString>& /*values*/)
{
    out = CString::Format("gross income %0.2f \n", fld_18.value());
    out += CString::Format("income tax deducted %0.2f \n", fld_22.value());
    out += CString::Format("Days in Canada %d \n", int(fld_26.value()));  // the fraction is cut
    const std::pair<const char*, const CStringField*> lines[] = {
        {"Individual name: %s\n", &fld_personName},
        {"Country of residence: %s\n", &fld_country},
        {"Address: %s\n", &fld_address},
    };
    for (const auto& [format, field] : lines)
        if (!field->isBlank())
            out += CString::Format(format, field->utf8().c_str());
    return 0;
}

std::vector<SlipKeyBox> TaxData_Slip_T4NR::slipKeyBoxes() const
{
    return boxesByNumber({&fld_18, &fld_22});
}
