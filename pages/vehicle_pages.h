// The motor vehicle pages ("Vehicle 1" to "Vehicle 3") that the business and
// farming statements share, in the description language of docs/pages.md.
#pragma once

#include <string>

std::string vehiclePagesDescription();
