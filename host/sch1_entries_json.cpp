#include "host/sch1_entries_json.h"

#include "host/return_json.h"
#include "schedules/sch1.h"

json sch1EntriesToJson(const CTaxData_Form& form)
{
    const auto& sch1 = static_cast<const TaxData_Sch1&>(form);
    if (sch1.moreEquityEntryCount() < 1)
        return json();
    json entries = json::array();
    for (int i = 0; i < sch1.moreEquityEntryCount(); ++i) {
        const Type_MoreEquityEntryStruct& e = sch1.moreEquityEntry(i);
        json obj = json::object();
        for (int f = 0; f < Type_MoreEquityEntryStruct::kFieldCount; ++f)
            obj[e.field(f)->name()] = fieldToJson(*e.field(f));
        entries.push_back(std::move(obj));
    }
    return entries;
}

QString sch1EntriesFromJson(CTaxData_Form& form, const json& value)
{
    auto& sch1 = static_cast<TaxData_Sch1&>(form);
    if (value.is_null()) {
        const int n = sch1.moreEquityEntryCount();
        if (n >= 1) {
            sch1.fld_ws_moreentry = 0;
            sch1.AllocateMoreEquityEntries(n);
        }
        return {};
    }
    if (!value.is_array())
        return QStringLiteral("expected an array of entries");
    const double requested = sch1.fld_ws_moreentry_num;
    sch1.FreeMoreEquityEntries();
    sch1.AllocateMoreEquityEntries(int(value.size()));
    sch1.fld_ws_moreentry_num = requested;
    for (size_t i = 0; i < value.size(); ++i) {
        const json& obj = value[i];
        const QString where = QStringLiteral("entry %1: ").arg(i);
        if (!obj.is_object())
            return where + QStringLiteral("expected an object");
        Type_MoreEquityEntryStruct& e = sch1.moreEquityEntry(int(i));
        for (const auto& [key, v] : obj.items()) {
            CField* target = nullptr;
            for (int f = 0; f < Type_MoreEquityEntryStruct::kFieldCount && !target; ++f)
                if (key == e.field(f)->name())
                    target = e.field(f);
            if (!target)
                return where + QStringLiteral("unknown field %1").arg(QString::fromStdString(key));
            const QString problem = fieldFromJson(*target, v);
            if (!problem.isEmpty())
                return where + QStringLiteral("field %1: %2").arg(QString::fromStdString(key), problem);
        }
    }
    return {};
}
