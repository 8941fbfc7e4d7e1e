// A free-form note attached to a return: a title and up to fifteen described
// amounts with their total.
#pragma once

#include "framework/form.h"

class TaxData_TaxNote : public CTaxData_Form {
    Q_OBJECT
public:
    TaxData_TaxNote() = default;

    // "Note - " and the title, or "un-named" for a note without one.
    bool GetDisplayName(CString& out) override;
    // box_16 = box_1 + ... + box_15.
    int Calculate02() override;

    // The amount entries box_1 .. box_15, in order.
    const CFloatField* amountBox(int number) const;

    FLD(CStringField, box_name, 0, "", 80, 0x10000);
    FLD(CStringField, box_spec_1, 0, "", 80, 0x10000);
    FLD(CFloatField, box_1, 0.0, 0);
    FLD(CStringField, box_spec_2, 0, "", 80, 0x10000);
    FLD(CFloatField, box_2, 0.0, 0);
    FLD(CStringField, box_spec_3, 0, "", 80, 0x10000);
    FLD(CFloatField, box_3, 0.0, 0);
    FLD(CStringField, box_spec_4, 0, "", 80, 0x10000);
    FLD(CFloatField, box_4, 0.0, 0);
    FLD(CStringField, box_spec_5, 0, "", 80, 0x10000);
    FLD(CFloatField, box_5, 0.0, 0);
    FLD(CStringField, box_spec_6, 0, "", 80, 0x10000);
    FLD(CFloatField, box_6, 0.0, 0);
    FLD(CStringField, box_spec_7, 0, "", 80, 0x10000);
    FLD(CFloatField, box_7, 0.0, 0);
    FLD(CStringField, box_spec_8, 0, "", 80, 0x10000);
    FLD(CFloatField, box_8, 0.0, 0);
    FLD(CStringField, box_spec_9, 0, "", 80, 0x10000);
    FLD(CFloatField, box_9, 0.0, 0);
    FLD(CStringField, box_spec_10, 0, "", 80, 0x10000);
    FLD(CFloatField, box_10, 0.0, 0);
    FLD(CStringField, box_spec_11, 0, "", 80, 0x10000);
    FLD(CFloatField, box_11, 0.0, 0);
    FLD(CStringField, box_spec_12, 0, "", 80, 0x10000);
    FLD(CFloatField, box_12, 0.0, 0);
    FLD(CStringField, box_spec_13, 0, "", 80, 0x10000);
    FLD(CFloatField, box_13, 0.0, 0);
    FLD(CStringField, box_spec_14, 0, "", 80, 0x10000);
    FLD(CFloatField, box_14, 0.0, 0);
    FLD(CStringField, box_spec_15, 0, "", 80, 0x10000);
    FLD(CFloatField, box_15, 0.0, 0);
    FLD(CFloatField, box_16, Computed);  // total
};
