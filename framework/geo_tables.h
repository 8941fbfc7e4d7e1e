// Province, country and business regulation type tables shared by every form.
#pragma once

#include "framework/province.h"

// One row per ENUMTYPE_PROVINCE value, indexed by that value (0 .. 17).
struct STRUCT_PROV_INFO {
    int code;                // the ENUMTYPE_PROVINCE value (equals the row index)
    const char* name;        // English name ("Alberta")
    const char* abbr;        // two-letter code used in electronic filing ("AB")
    const char* frenchName;  // French name ("Alberta")
};
extern const STRUCT_PROV_INFO Global_Provs_Info[];
extern const int Global_Provs_Count;  // 18

// Countries: index 0 is "not chosen", index 1 Canada, index 2 United States,
// then every other ISO 3166-1 country in English alphabetical order.
struct STRUCT_COUNTRY_INFO {
    int index;            // equals the row index; the value stored in country choice fields
    const char* name;     // English short name ("Canada")
    const char* iso2;     // ISO 3166-1 alpha-2 ("CA"); "" for row 0
    const char* iso3;     // ISO 3166-1 alpha-3 ("CAN"); "" for row 0
};
extern const STRUCT_COUNTRY_INFO Global_Countries_Info[];
extern const int Global_Countries_Count;
constexpr int COUNTRY_NOT_CHOSEN = 0;
constexpr int COUNTRY_CANADA = 1;
constexpr int COUNTRY_USA = 2;

// Business regulation types for allocating taxable income among jurisdictions
// (Income Tax Regulations 402 to 413). Nine entries per row, indexed by the
// regulation type code; the third entry is the short name written on Schedule 5.
struct STRUCT_BUSITYPE_INFO {
    int code;                 // row index, 0 = not chosen, 1 .. 14
    const char* regulation;   // regulation number text ("402")
    const char* name;         // short name, at most 8 characters ("Reg402")
    const char* description;  // English description
    const char* frenchDescription;
    int allocationMethod;     // 0 none, 1 weighted salaries and revenue, 2 revenue only, 3 user entered
    int revenueWeight;        // weight of the revenue share in the weighted method (1 or 2)
    int netfileCode;          // code used in electronic filing (0 when none)
    bool supportedForFiling;  // false where the electronic corporate file cannot carry it
};
extern const STRUCT_BUSITYPE_INFO Global_BusiType_Info[];
extern const int Global_BusiType_Count;  // 15

const STRUCT_PROV_INFO* provinceInfo(int code);      // nullptr when out of range
const STRUCT_COUNTRY_INFO* countryInfo(int index);   // nullptr when out of range
int countryIndexFromIso3(const char* iso3);          // -1 when unknown
