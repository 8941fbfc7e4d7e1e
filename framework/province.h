// Jurisdiction codes used by every calculation and table.
#pragma once

enum ENUMTYPE_PROVINCE : int {
    PROV_NONE = 0,
    PROV_AB = 1,
    PROV_BC = 2,
    PROV_MB = 3,
    PROV_NB = 4,
    PROV_NL = 5,
    PROV_NS = 6,
    PROV_NT = 7,
    PROV_NU = 8,
    PROV_ON = 9,
    PROV_PE = 10,
    PROV_QC = 11,
    PROV_SK = 12,
    PROV_YT = 13,
    PROV_NS_OFFSHORE = 14,
    PROV_NL_OFFSHORE = 15,
    PROV_MULTIPLE = 16,
    PROV_OUTSIDE_CANADA = 17,
};

// True for a Canadian province or territory, the two offshore areas included
// (income earned there bears provincial tax under the offshore accords).
bool isCanProv(int jurisdiction);
