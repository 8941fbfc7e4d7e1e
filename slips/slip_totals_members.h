// Members of the slip totals record that the received information slips feed
// (besides the ones Schedule 9 reads, named in framework/slipcalc.h).
#pragma once

namespace slip_members {
// T5 boxes, the trust's converted share
constexpr int kT5NonEligibleDividends = 19;  // box 10
constexpr int kT5TaxableNonEligible = 20;    // box 11
constexpr int kT5NonEligibleCredit = 21;     // box 12
constexpr int kT5Interest = 22;              // box 13
constexpr int kT5OtherIncome = 24;           // box 14
constexpr int kT5Royalties = 25;             // box 17
constexpr int kT5CapitalGainsDividends = 26; // box 18
constexpr int kT5AccruedAnnuity = 27;        // box 19
constexpr int kT5EligibleDividends = 28;     // box 24
constexpr int kT5TaxableEligible = 29;       // box 25
constexpr int kT5EligibleCredit = 30;        // box 26
// T5013 box 151 times the trust's ownership share
constexpr int kT5013CapitalGains = 31;
// Income tax deducted: T4A box 22, T4A(P) box 22, T4RIF box 28
constexpr int kPensionTaxDeducted = 32;
}  // namespace slip_members

// Received T3 slip members that the return and Schedule 8 read
namespace slip_members {
constexpr int kT3CapitalGains = 0;          // box 21
constexpr int kT3NonEligibleDividends = 2;  // box 23
constexpr int kT3EligibleDividends = 5;     // box 49
constexpr int kT3OtherIncome = 10;          // box 26
constexpr int kT3PartXII2Credit = 15;       // box 38
}  // namespace slip_members
