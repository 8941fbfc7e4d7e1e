#include "framework/field_rows.h"

#include <unordered_set>

const char* rowFieldName(const char* prefix, const char* column, const char* suffix)
{
    // Node-based: a name keeps its address however many are added.
    static std::unordered_set<std::string> names;
    return names.insert(std::string(prefix) + column + suffix).first->c_str();
}
