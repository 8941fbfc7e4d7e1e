#include "schedules/sch1_entry.h"

#include "framework/amounts.h"

#include <cmath>

Type_MoreEquityEntryStruct& Type_MoreEquityEntryStruct::operator=(const Type_MoreEquityEntryStruct& other)
{
    for (int i = 0; i < kFieldCount; ++i)
        field(i)->copyValueFrom(*other.field(i));
    return *this;
}

// Amounts differ from 0.009 on; texts when they are not the same text.
bool Type_MoreEquityEntryStruct::operator!=(const Type_MoreEquityEntryStruct& other) const
{
    for (int i = 0; i < kFieldCount; ++i) {
        const CField* a = field(i);
        const CField* b = other.field(i);
        if (a->kind() == FIELD_STRING ? !a->sameValue(*b)
                                      : std::fabs(static_cast<const CFloatField*>(a)->value() -
                                                  static_cast<const CFloatField*>(b)->value()) >= AMOUNT_TOLERANCE)
            return true;
    }
    return false;
}

void Type_MoreEquityEntryStruct::Calculate(double percent)
{
    fld_gain = fld_disposition - fld_costbase - fld_expenses;
    fld_num_percent = fld_num * percent / 100.0;
    fld_disposition_percent = fld_disposition * percent / 100.0;
    fld_costbase_percent = fld_costbase * percent / 100.0;
    fld_expenses_percent = percent * fld_expenses / 100.0;
    fld_gain_percent = fld_disposition_percent - fld_costbase_percent - fld_expenses_percent;
}

void Type_MoreEquityEntryStruct::Serialize(unsigned version, MyDataStream& ar)
{
    for (int i = 0; i < kFieldCount; ++i)
        field(i)->Serialize(version, ar);
}

CField* Type_MoreEquityEntryStruct::field(int i)
{
    CField* const fields[kFieldCount] = {&fld_num, &fld_num_percent, &fld_name, &fld_year,
                                         &fld_disposition, &fld_costbase, &fld_expenses, &fld_gain,
                                         &fld_disposition_percent, &fld_costbase_percent, &fld_expenses_percent,
                                         &fld_gain_percent};
    return fields[i];
}
