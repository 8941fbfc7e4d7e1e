// The capital cost summary of a statement class: up to six classes, each with
// two amounts (the first and second kind its statement adds). Each statement
// class keeps one for the whole program.
#pragma once

#include <array>

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

// The summary of one statement class, with the operations the host calls on it.
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
};
