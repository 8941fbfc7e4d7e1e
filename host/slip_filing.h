// The slips' parts of the JSON filing document: every issued T3 slip,
// numbered from 1 in file order, and the transmitter of the filing information.
#pragma once

#include "framework/jsonhelpers.h"

#include <vector>

class CTaxData_Form;

json issuedSlipsJson(const std::vector<CTaxData_Form*>& forms);
// The first filing information's transmitter; an empty object without one.
json transmitterJson(const std::vector<CTaxData_Form*>& forms);
