// The sales (or fees) worksheet of the business statement: the amount the
// statement takes (line 3A or 3B) and the amounts of the GST/HST return that
// it reconciles with.
#pragma once

#include "framework/worksheet.h"

class DataWST2125Busi : public CWSBaseData {
    Q_OBJECT
public:
    using CWSBaseData::CWSBaseData;

    WS_FLD(CFloatField, fld_ws_a);     // the amount the statement takes
    WS_FLD(CFloatField, fld_ws_5345);  // GST/HST return line 5345
    WS_FLD(CFloatField, fld_ws_5507);  // line 5507
    WS_FLD(CFloatField, fld_ws_6765);  // line 6765
};
