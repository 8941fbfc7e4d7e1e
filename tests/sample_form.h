// A small form with one field of every kind, used by the framework tests.
#pragma once

#include "framework/form.h"

class TaxData_FrameworkSample : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_FrameworkSample() : CTaxDataBase01(99) { addFieldOldName("fld_total", "fld_old_total"); }

    FLD(CStringField, fld_name, 0, "", 10, 0x10000);
    FLD(CFloatField, fld_amount, 0.0, 10);
    FLD(CFloatField, fld_total, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CIntField, fld_answer, -1, 0x10000);
    FLD(CIntField, fld_prov, 0, 0, 0x10000);
    FLD(CBoolField, fld_flag, false, 0x10000);
    FLD(CDateField, fld_date);
    FLD(CDateTimeField, fld_moment);
    FLD(CPercentField, fld_share, 0.0, 0, 0, FIELD_ATTR_PERCENT);
    FLD(CStringField, fld_phone, 0, "(000)-0000000", 15, 0x10000);
};
