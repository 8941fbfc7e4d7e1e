// Page texts the statements share (language of docs/pages.md).
#pragma once

#include <string>

// Areas B to E (`rows` rows each: class, details, amount, personal part and the
// statement's part, named `part`), the land lines of Areas F and G and the
// capital cost summary (a display that cac_summary_pages.h fills). The
// areas' fields start with `prefixes` (equipment additions, building
// additions, equipment dispositions, building dispositions).
std::string assetAreasDescription(const char* const (&prefixes)[4], const char* part, int rows = 4);
// Area A of the business and farming statements: 18 class rows in two
// blocks of columns, the business-use-of-home part and the total claim.
std::string classAreaDescription();
// The lines that follow Area A's class rows (business-use-of-home part, claim).
std::string claimTotalsDescription();
// Lines 9974 to 9946 of the business and farming statements; the parts
// behind lines 9943 and 9945 are numbered from `firstPart`.
std::string netIncomeLinesDescription(int firstPart);
// The partnership's deductions, business use of home and the other partners,
// as three parts of the form numbered from `firstPart`, and the details of
// equity.
std::string partnerAndHomeDescription(int firstPart);
