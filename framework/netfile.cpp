#include "framework/netfile.h"

#include <cstdio>

namespace {
// Integer value of a code text; texts that are not numbers sort after all numbers.
long long codeValue(const std::string& s, bool& numeric)
{
    numeric = !s.empty() && s.size() < 19;
    long long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            numeric = false;
            break;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}
}  // namespace

bool NetfileCodeLess::operator()(const std::string& a, const std::string& b) const
{
    bool na = false, nb = false;
    const long long va = codeValue(a, na);
    const long long vb = codeValue(b, nb);
    if (na != nb)
        return na;  // numbers first
    if (na && va != vb)
        return va < vb;
    return a < b;
}

std::string netfileTypedKey(int code, int occurrence)
{
    char key[32];
    std::snprintf(key, sizeof key, "%d-%d", code, occurrence);
    return key;
}

void addIntValue(NetfileTypedMap& map, int code, int value, int occurrence)
{
    STRUCT_NETFILE_TIA_FIELD_TYPE rec;
    rec.type = STRUCT_NETFILE_TIA_FIELD_TYPE::TYPE_INT;
    rec.iValue = value;
    map[netfileTypedKey(code, occurrence)] = rec;
}
