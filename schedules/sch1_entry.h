// One extra row of Schedule 1, Period 2, section 3 (mutual fund units and
// other shares) beyond the eleven rows of the page: the disposition as entered
// and the trust's share of it. The fields are named (for the stream and the
// JSON return file) but belong to no form's registry.
#pragma once

#include "framework/field.h"

class MyDataStream;

struct Type_MoreEquityEntryStruct {
    Type_MoreEquityEntryStruct() = default;
    Type_MoreEquityEntryStruct(const Type_MoreEquityEntryStruct&) = default;
    Type_MoreEquityEntryStruct& operator=(const Type_MoreEquityEntryStruct& other);  // the twelve values
    bool operator!=(const Type_MoreEquityEntryStruct& other) const;

    // The gain, then the trust's share of every amount at `percent`.
    void Calculate(double percent);
    void Serialize(unsigned version, MyDataStream& ar);

    static constexpr int kFieldCount = 12;
    // The fields in stored order.
    CField* field(int i);
    const CField* field(int i) const { return const_cast<Type_MoreEquityEntryStruct*>(this)->field(i); }

    CFloatField fld_num{FieldSlot{nullptr, "fld_num"}};  // number of shares
    CFloatField fld_num_percent{FieldSlot{nullptr, "fld_num_percent"}, 0, 0.0, 0, 1, 0, 1, FIELD_ATTR_PERCENT};
    CStringField fld_name{FieldSlot{nullptr, "fld_name"}, 0, "", 40};  // corporation and class of shares
    CStringField fld_year{FieldSlot{nullptr, "fld_year"}, 0, "", 12};  // year of acquisition
    CFloatField fld_disposition{FieldSlot{nullptr, "fld_disposition"}};  // proceeds of disposition
    CFloatField fld_costbase{FieldSlot{nullptr, "fld_costbase"}};        // adjusted cost base
    CFloatField fld_expenses{FieldSlot{nullptr, "fld_expenses"}};        // outlays and expenses
    CFloatField fld_gain{FieldSlot{nullptr, "fld_gain"}};                // gain or loss
    CFloatField fld_disposition_percent{FieldSlot{nullptr, "fld_disposition_percent"}, 0, 0.0, 0, 1, 0, 1,
                                        FIELD_ATTR_PERCENT};
    CFloatField fld_costbase_percent{FieldSlot{nullptr, "fld_costbase_percent"}, 0, 0.0, 0, 1, 0, 1,
                                     FIELD_ATTR_PERCENT};
    CFloatField fld_expenses_percent{FieldSlot{nullptr, "fld_expenses_percent"}, 0, 0.0, 0, 1, 0, 1,
                                     FIELD_ATTR_PERCENT};
    CFloatField fld_gain_percent{FieldSlot{nullptr, "fld_gain_percent"}, 0, 0.0, 0, 1, 0, 1, FIELD_ATTR_PERCENT};
};
