#include "framework/worksheet.h"

#include "framework/field_rows.h"

#include <cstring>

FieldSlot CWSBaseData::slot(const char* ownName)
{
    static constexpr const char kOwnPrefix[] = "fld_ws_";
    if (std::strncmp(ownName, kOwnPrefix, sizeof kOwnPrefix - 1) != 0)
        qFatal("worksheet field %s: its name must start with %s", ownName, kOwnPrefix);
    const char* name = rowFieldName(m_member, "_", ownName + sizeof kOwnPrefix - 1);
    if (std::strcmp(name, ownName) != 0)
        addFieldOldName(name, ownName);
    m_ownNames.push_back(ownName);
    return FieldSlot{this, name, m_owner};
}

bool CWSBaseData::isOwnFieldName(std::string_view name) const
{
    for (const char* own : m_ownNames)
        if (name == own)
            return true;
    return false;
}
