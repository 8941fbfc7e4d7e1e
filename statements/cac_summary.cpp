#include "statements/cac_summary.h"

#include <algorithm>

void CacSummary::add(bool firstKind, int cls, double amount)
{
    if (cls <= 0 || !(amount > 0.0))
        return;
    auto entry = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.cls == cls; });
    if (entry == m_entries.end())
        entry = std::find_if(m_entries.begin(), m_entries.end(), [](const Entry& e) { return e.cls == 0.0; });
    if (entry == m_entries.end())
        return;
    entry->cls = cls;
    (firstKind ? entry->first : entry->second) += amount;
}

void CacSummary::sort()
{
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        if ((a.cls == 0.0) != (b.cls == 0.0))
            return b.cls == 0.0;
        return a.cls < b.cls;
    });
}
