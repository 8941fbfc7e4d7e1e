// Page texts the statements share (language of docs/pages.md).
#pragma once

#include <string>

// Areas B to E (four rows each: class, details, amount, personal part and the
// statement's part, named `part`) and the land lines of Areas F and G. The
// areas' fields start with `prefixes` (equipment additions, building
// additions, equipment dispositions, building dispositions).
std::string assetAreasDescription(const char* const (&prefixes)[4], const char* part);
