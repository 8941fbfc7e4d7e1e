// The slips' parts of the JSON filing document: every issued T3 slip,
// numbered from 1 in file order, and the transmitter of the filing information.
#pragma once

#include "framework/jsonhelpers.h"

#include <vector>

class CTaxData_Form;
class JsonSink;
class TaxData_Slip_T3_Issuing;

// The issued slips' filing objects one at a time, for a document written
// slip by slip (see framework/json_streaming.h).
class IssuedSlipSource {
public:
    explicit IssuedSlipSource(const std::vector<CTaxData_Form*>& forms);
    size_t count() const { return m_slips.size(); }
    // Writes the next slip's object as an element of `out`; false after the last.
    bool operator()(JsonSink& out);

private:
    std::vector<TaxData_Slip_T3_Issuing*> m_slips;
    size_t m_next = 0;
};

json issuedSlipsJson(const std::vector<CTaxData_Form*>& forms);
// The first filing information's transmitter; an empty object without one.
json transmitterJson(const std::vector<CTaxData_Form*>& forms);
