// The capital cost summary of a statement class: up to six classes, each with
// two amounts (the first and second kind its statement adds). Each statement
// class keeps one for the whole program.
#pragma once

#include "statements/cca_areas.h"
#include "statements/cca_class_table.h"

#include <array>
#include <utility>

class CacSummary {
public:
    struct Entry {
        double cls = 0.0;  // class number; 0: free
        double first = 0.0;
        double second = 0.0;
    };
    static constexpr int kEntries = 6;

    void clear() { m_entries = {}; }
    // Adds `amount` to the class's entry (a new one when the class has none);
    // nothing for a class or amount not above 0, or when all six are taken.
    void add(bool firstKind, int cls, double amount);
    // By class ascending, free entries last.
    void sort();
    const std::array<Entry, kEntries>& entries() const { return m_entries; }

private:
    std::array<Entry, kEntries> m_entries{};
};

// The summary of one statement class, with its three operations. The
// statement's calculation fills it from its Areas B to E (summarizeAssetAreas):
// per class, the business (or rental) part of the additions as the first kind
// and of the dispositions as the second, to set beside columns 3 and 5 of
// Area A. It holds the last statement of the class calculated.
template <class Statement>
class CacSummaryOf {
public:
    static void InitCACArray() { summary().clear(); }
    static void AddCACValue(bool firstKind, int cls, double amount) { summary().add(firstKind, cls, amount); }
    static void SortCACArray() { summary().sort(); }
    static CacSummary& summary()
    {
        static CacSummary s;
        return s;
    }

protected:
    // Areas B to E, additions first: column 5 of every row, under the whole
    // number of its class (column 1).
    template <int N>
    static void summarizeAssetAreas(const AssetArea<N>& equipmentAdditions, const AssetArea<N>& buildingAdditions,
                                    const AssetArea<N>& equipmentDispositions, const AssetArea<N>& buildingDispositions)
    {
        InitCACArray();
        const std::pair<const AssetArea<N>*, bool> areas[] = {
            {&equipmentAdditions, true}, {&buildingAdditions, true},
            {&equipmentDispositions, false}, {&buildingDispositions, false}};
        for (const auto& [area, additions] : areas)
            for (const AssetRow& row : area->rows)
                AddCACValue(additions, int(CCCAClassTable::classNumber(row.cls)), row.business.value());
        SortCACArray();
    }
    template <int N>
    static void summarizeAssetAreas(const AssetAreas<N>& a)
    {
        summarizeAssetAreas(a.equipmentAdditions, a.buildingAdditions, a.equipmentDispositions, a.buildingDispositions);
    }
};
