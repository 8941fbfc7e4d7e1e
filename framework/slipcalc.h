// Amounts totalled from the slips of a return, filled by the host's
// calculation engine and read by Schedule 9 (members counted from 0).
#pragma once

#include <array>
#include <cstddef>

struct STRU_SLIPDATA_CALCULATION {
    static constexpr int kSize = 64;
    std::array<double, kSize> amounts{};
    // A member is present when at least one slip that feeds it is in the
    // return, even with a zero amount: a copy from an absent member leaves
    // the user's entry alone.
    std::array<bool, kSize> present{};

    void add(int member, double amount)
    {
        amounts[size_t(member)] += amount;
        present[size_t(member)] = true;
    }

    double& operator[](int i) { return amounts[size_t(i)]; }
    double operator[](int i) const { return amounts[size_t(i)]; }

    // Members that Schedule 9 reads.
    enum Member {
        FOREIGN_BUSINESS_INCOME = 9,
        FOREIGN_NONBUSINESS_INCOME = 11,
        FOREIGN_BUSINESS_TAX_PAID = 17,
        FOREIGN_NONBUSINESS_TAX_PAID = 18,
        COST_BASE_ADJUSTMENT = 23,
        FOREIGN_NONBUSINESS_INCOME_2 = 36,
        FOREIGN_NONBUSINESS_TAX_PAID_2 = 37,
    };
};
