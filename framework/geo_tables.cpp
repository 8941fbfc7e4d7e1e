// Province, country and business regulation type tables.
//
// The country rows between the "generated countries" markers are written by
// tools/gen_countries.js from the npm package i18n-iso-countries 7.14.0
// (MIT licence, Copyright (c) 2016 widdix GmbH); see docs/data-sources.md.
// Edit the script, not the rows, and run it again. Everything outside the
// markers is maintained by hand.

#include "framework/geo_tables.h"

#include <cstddef>

// ---------------------------------------------------------------------------
// Provinces and territories, indexed by ENUMTYPE_PROVINCE.

const STRUCT_PROV_INFO Global_Provs_Info[] = {
    {PROV_NONE, "", "", ""},
    {PROV_AB, "Alberta", "AB", "Alberta"},
    {PROV_BC, "British Columbia", "BC", "Colombie-Britannique"},
    {PROV_MB, "Manitoba", "MB", "Manitoba"},
    {PROV_NB, "New Brunswick", "NB", "Nouveau-Brunswick"},
    {PROV_NL, "Newfoundland and Labrador", "NL", "Terre-Neuve-et-Labrador"},
    {PROV_NS, "Nova Scotia", "NS", "Nouvelle-Écosse"},
    {PROV_NT, "Northwest Territories", "NT", "Territoires du Nord-Ouest"},
    {PROV_NU, "Nunavut", "NU", "Nunavut"},
    {PROV_ON, "Ontario", "ON", "Ontario"},
    {PROV_PE, "Prince Edward Island", "PE", "Île-du-Prince-Édouard"},
    {PROV_QC, "Quebec", "QC", "Québec"},
    {PROV_SK, "Saskatchewan", "SK", "Saskatchewan"},
    {PROV_YT, "Yukon", "YT", "Yukon"},
    {PROV_NS_OFFSHORE, "Nova Scotia offshore", "NS", "Zone extracôtière de la Nouvelle-Écosse"},
    {PROV_NL_OFFSHORE, "Newfoundland and Labrador offshore", "NL",
     "Zone extracôtière de Terre-Neuve-et-Labrador"},
    {PROV_MULTIPLE, "Multiple jurisdictions", "", "Plusieurs administrations"},
    {PROV_OUTSIDE_CANADA, "Outside Canada", "", "À l'extérieur du Canada"},
};
const int Global_Provs_Count =
    static_cast<int>(sizeof(Global_Provs_Info) / sizeof(Global_Provs_Info[0]));
static_assert(sizeof(Global_Provs_Info) / sizeof(Global_Provs_Info[0]) == PROV_OUTSIDE_CANADA + 1,
              "one province row per ENUMTYPE_PROVINCE value");

bool isCanProv(int jurisdiction)
{
    return jurisdiction >= PROV_AB && jurisdiction <= PROV_NL_OFFSHORE;
}

const STRUCT_PROV_INFO* provinceInfo(int code)
{
    if (code < 0 || code >= Global_Provs_Count)
        return nullptr;
    return &Global_Provs_Info[code];
}

// ---------------------------------------------------------------------------
// Countries. Row 0 is "not chosen", then Canada and the United States, then
// the other ISO 3166-1 countries in English alphabetical order.

const STRUCT_COUNTRY_INFO Global_Countries_Info[] = {
// @generated-begin countries (i18n-iso-countries 7.14.0, MIT licence; 250 rows)
    {0, "not chosen", "", ""},
    {1, "Canada", "CA", "CAN"},
    {2, "United States", "US", "USA"},
    {3, "Afghanistan", "AF", "AFG"},
    {4, "Åland Islands", "AX", "ALA"},
    {5, "Albania", "AL", "ALB"},
    {6, "Algeria", "DZ", "DZA"},
    {7, "American Samoa", "AS", "ASM"},
    {8, "Andorra", "AD", "AND"},
    {9, "Angola", "AO", "AGO"},
    {10, "Anguilla", "AI", "AIA"},
    {11, "Antarctica", "AQ", "ATA"},
    {12, "Antigua and Barbuda", "AG", "ATG"},
    {13, "Argentina", "AR", "ARG"},
    {14, "Armenia", "AM", "ARM"},
    {15, "Aruba", "AW", "ABW"},
    {16, "Australia", "AU", "AUS"},
    {17, "Austria", "AT", "AUT"},
    {18, "Azerbaijan", "AZ", "AZE"},
    {19, "Bahamas", "BS", "BHS"},
    {20, "Bahrain", "BH", "BHR"},
    {21, "Bangladesh", "BD", "BGD"},
    {22, "Barbados", "BB", "BRB"},
    {23, "Belarus", "BY", "BLR"},
    {24, "Belgium", "BE", "BEL"},
    {25, "Belize", "BZ", "BLZ"},
    {26, "Benin", "BJ", "BEN"},
    {27, "Bermuda", "BM", "BMU"},
    {28, "Bhutan", "BT", "BTN"},
    {29, "Bolivia", "BO", "BOL"},
    {30, "Bonaire, Sint Eustatius and Saba", "BQ", "BES"},
    {31, "Bosnia and Herzegovina", "BA", "BIH"},
    {32, "Botswana", "BW", "BWA"},
    {33, "Bouvet Island", "BV", "BVT"},
    {34, "Brazil", "BR", "BRA"},
    {35, "British Indian Ocean Territory", "IO", "IOT"},
    {36, "Brunei Darussalam", "BN", "BRN"},
    {37, "Bulgaria", "BG", "BGR"},
    {38, "Burkina Faso", "BF", "BFA"},
    {39, "Burundi", "BI", "BDI"},
    {40, "Cambodia", "KH", "KHM"},
    {41, "Cameroon", "CM", "CMR"},
    {42, "Cape Verde", "CV", "CPV"},
    {43, "Cayman Islands", "KY", "CYM"},
    {44, "Central African Republic", "CF", "CAF"},
    {45, "Chad", "TD", "TCD"},
    {46, "Chile", "CL", "CHL"},
    {47, "China", "CN", "CHN"},
    {48, "Christmas Island", "CX", "CXR"},
    {49, "Cocos (Keeling) Islands", "CC", "CCK"},
    {50, "Colombia", "CO", "COL"},
    {51, "Comoros", "KM", "COM"},
    {52, "Congo", "CG", "COG"},
    {53, "Congo, Democratic Republic of the", "CD", "COD"},
    {54, "Cook Islands", "CK", "COK"},
    {55, "Costa Rica", "CR", "CRI"},
    {56, "Côte d'Ivoire", "CI", "CIV"},
    {57, "Croatia", "HR", "HRV"},
    {58, "Cuba", "CU", "CUB"},
    {59, "Curaçao", "CW", "CUW"},
    {60, "Cyprus", "CY", "CYP"},
    {61, "Czechia", "CZ", "CZE"},
    {62, "Denmark", "DK", "DNK"},
    {63, "Djibouti", "DJ", "DJI"},
    {64, "Dominica", "DM", "DMA"},
    {65, "Dominican Republic", "DO", "DOM"},
    {66, "Ecuador", "EC", "ECU"},
    {67, "Egypt", "EG", "EGY"},
    {68, "El Salvador", "SV", "SLV"},
    {69, "Equatorial Guinea", "GQ", "GNQ"},
    {70, "Eritrea", "ER", "ERI"},
    {71, "Estonia", "EE", "EST"},
    {72, "Eswatini", "SZ", "SWZ"},
    {73, "Ethiopia", "ET", "ETH"},
    {74, "Falkland Islands (Malvinas)", "FK", "FLK"},
    {75, "Faroe Islands", "FO", "FRO"},
    {76, "Fiji", "FJ", "FJI"},
    {77, "Finland", "FI", "FIN"},
    {78, "France", "FR", "FRA"},
    {79, "French Guiana", "GF", "GUF"},
    {80, "French Polynesia", "PF", "PYF"},
    {81, "French Southern Territories", "TF", "ATF"},
    {82, "Gabon", "GA", "GAB"},
    {83, "Gambia", "GM", "GMB"},
    {84, "Georgia", "GE", "GEO"},
    {85, "Germany", "DE", "DEU"},
    {86, "Ghana", "GH", "GHA"},
    {87, "Gibraltar", "GI", "GIB"},
    {88, "Greece", "GR", "GRC"},
    {89, "Greenland", "GL", "GRL"},
    {90, "Grenada", "GD", "GRD"},
    {91, "Guadeloupe", "GP", "GLP"},
    {92, "Guam", "GU", "GUM"},
    {93, "Guatemala", "GT", "GTM"},
    {94, "Guernsey", "GG", "GGY"},
    {95, "Guinea", "GN", "GIN"},
    {96, "Guinea-Bissau", "GW", "GNB"},
    {97, "Guyana", "GY", "GUY"},
    {98, "Haiti", "HT", "HTI"},
    {99, "Heard Island and McDonald Islands", "HM", "HMD"},
    {100, "Holy See (Vatican City State)", "VA", "VAT"},
    {101, "Honduras", "HN", "HND"},
    {102, "Hong Kong", "HK", "HKG"},
    {103, "Hungary", "HU", "HUN"},
    {104, "Iceland", "IS", "ISL"},
    {105, "India", "IN", "IND"},
    {106, "Indonesia", "ID", "IDN"},
    {107, "Iran", "IR", "IRN"},
    {108, "Iraq", "IQ", "IRQ"},
    {109, "Ireland", "IE", "IRL"},
    {110, "Isle of Man", "IM", "IMN"},
    {111, "Israel", "IL", "ISR"},
    {112, "Italy", "IT", "ITA"},
    {113, "Jamaica", "JM", "JAM"},
    {114, "Japan", "JP", "JPN"},
    {115, "Jersey", "JE", "JEY"},
    {116, "Jordan", "JO", "JOR"},
    {117, "Kazakhstan", "KZ", "KAZ"},
    {118, "Kenya", "KE", "KEN"},
    {119, "Kiribati", "KI", "KIR"},
    {120, "Korea, Democratic People's Republic of", "KP", "PRK"},
    {121, "Korea, Republic of", "KR", "KOR"},
    {122, "Kuwait", "KW", "KWT"},
    {123, "Kyrgyzstan", "KG", "KGZ"},
    {124, "Lao People's Democratic Republic", "LA", "LAO"},
    {125, "Latvia", "LV", "LVA"},
    {126, "Lebanon", "LB", "LBN"},
    {127, "Lesotho", "LS", "LSO"},
    {128, "Liberia", "LR", "LBR"},
    {129, "Libya", "LY", "LBY"},
    {130, "Liechtenstein", "LI", "LIE"},
    {131, "Lithuania", "LT", "LTU"},
    {132, "Luxembourg", "LU", "LUX"},
    {133, "Macao", "MO", "MAC"},
    {134, "Madagascar", "MG", "MDG"},
    {135, "Malawi", "MW", "MWI"},
    {136, "Malaysia", "MY", "MYS"},
    {137, "Maldives", "MV", "MDV"},
    {138, "Mali", "ML", "MLI"},
    {139, "Malta", "MT", "MLT"},
    {140, "Marshall Islands", "MH", "MHL"},
    {141, "Martinique", "MQ", "MTQ"},
    {142, "Mauritania", "MR", "MRT"},
    {143, "Mauritius", "MU", "MUS"},
    {144, "Mayotte", "YT", "MYT"},
    {145, "Mexico", "MX", "MEX"},
    {146, "Micronesia, Federated States of", "FM", "FSM"},
    {147, "Moldova, Republic of", "MD", "MDA"},
    {148, "Monaco", "MC", "MCO"},
    {149, "Mongolia", "MN", "MNG"},
    {150, "Montenegro", "ME", "MNE"},
    {151, "Montserrat", "MS", "MSR"},
    {152, "Morocco", "MA", "MAR"},
    {153, "Mozambique", "MZ", "MOZ"},
    {154, "Myanmar", "MM", "MMR"},
    {155, "Namibia", "NA", "NAM"},
    {156, "Nauru", "NR", "NRU"},
    {157, "Nepal", "NP", "NPL"},
    {158, "Netherlands", "NL", "NLD"},
    {159, "New Caledonia", "NC", "NCL"},
    {160, "New Zealand", "NZ", "NZL"},
    {161, "Nicaragua", "NI", "NIC"},
    {162, "Niger", "NE", "NER"},
    {163, "Nigeria", "NG", "NGA"},
    {164, "Niue", "NU", "NIU"},
    {165, "Norfolk Island", "NF", "NFK"},
    {166, "North Macedonia", "MK", "MKD"},
    {167, "Northern Mariana Islands", "MP", "MNP"},
    {168, "Norway", "NO", "NOR"},
    {169, "Oman", "OM", "OMN"},
    {170, "Pakistan", "PK", "PAK"},
    {171, "Palau", "PW", "PLW"},
    {172, "Palestine", "PS", "PSE"},
    {173, "Panama", "PA", "PAN"},
    {174, "Papua New Guinea", "PG", "PNG"},
    {175, "Paraguay", "PY", "PRY"},
    {176, "Peru", "PE", "PER"},
    {177, "Philippines", "PH", "PHL"},
    {178, "Pitcairn", "PN", "PCN"},
    {179, "Poland", "PL", "POL"},
    {180, "Portugal", "PT", "PRT"},
    {181, "Puerto Rico", "PR", "PRI"},
    {182, "Qatar", "QA", "QAT"},
    {183, "Réunion", "RE", "REU"},
    {184, "Romania", "RO", "ROU"},
    {185, "Russia", "RU", "RUS"},
    {186, "Rwanda", "RW", "RWA"},
    {187, "Saint Barthélemy", "BL", "BLM"},
    {188, "Saint Helena", "SH", "SHN"},
    {189, "Saint Kitts and Nevis", "KN", "KNA"},
    {190, "Saint Lucia", "LC", "LCA"},
    {191, "Saint Martin (French part)", "MF", "MAF"},
    {192, "Saint Pierre and Miquelon", "PM", "SPM"},
    {193, "Saint Vincent and the Grenadines", "VC", "VCT"},
    {194, "Samoa", "WS", "WSM"},
    {195, "San Marino", "SM", "SMR"},
    {196, "Sao Tome and Principe", "ST", "STP"},
    {197, "Saudi Arabia", "SA", "SAU"},
    {198, "Senegal", "SN", "SEN"},
    {199, "Serbia", "RS", "SRB"},
    {200, "Seychelles", "SC", "SYC"},
    {201, "Sierra Leone", "SL", "SLE"},
    {202, "Singapore", "SG", "SGP"},
    {203, "Sint Maarten (Dutch part)", "SX", "SXM"},
    {204, "Slovakia", "SK", "SVK"},
    {205, "Slovenia", "SI", "SVN"},
    {206, "Solomon Islands", "SB", "SLB"},
    {207, "Somalia", "SO", "SOM"},
    {208, "South Africa", "ZA", "ZAF"},
    {209, "South Georgia and the South Sandwich Islands", "GS", "SGS"},
    {210, "South Sudan", "SS", "SSD"},
    {211, "Spain", "ES", "ESP"},
    {212, "Sri Lanka", "LK", "LKA"},
    {213, "Sudan", "SD", "SDN"},
    {214, "Suriname", "SR", "SUR"},
    {215, "Svalbard and Jan Mayen", "SJ", "SJM"},
    {216, "Sweden", "SE", "SWE"},
    {217, "Switzerland", "CH", "CHE"},
    {218, "Syrian Arab Republic", "SY", "SYR"},
    {219, "Taiwan", "TW", "TWN"},
    {220, "Tajikistan", "TJ", "TJK"},
    {221, "Tanzania", "TZ", "TZA"},
    {222, "Thailand", "TH", "THA"},
    {223, "Timor-Leste", "TL", "TLS"},
    {224, "Togo", "TG", "TGO"},
    {225, "Tokelau", "TK", "TKL"},
    {226, "Tonga", "TO", "TON"},
    {227, "Trinidad and Tobago", "TT", "TTO"},
    {228, "Tunisia", "TN", "TUN"},
    {229, "Türkiye", "TR", "TUR"},
    {230, "Turkmenistan", "TM", "TKM"},
    {231, "Turks and Caicos Islands", "TC", "TCA"},
    {232, "Tuvalu", "TV", "TUV"},
    {233, "Uganda", "UG", "UGA"},
    {234, "Ukraine", "UA", "UKR"},
    {235, "United Arab Emirates", "AE", "ARE"},
    {236, "United Kingdom", "GB", "GBR"},
    {237, "United States Minor Outlying Islands", "UM", "UMI"},
    {238, "Uruguay", "UY", "URY"},
    {239, "Uzbekistan", "UZ", "UZB"},
    {240, "Vanuatu", "VU", "VUT"},
    {241, "Venezuela", "VE", "VEN"},
    {242, "Vietnam", "VN", "VNM"},
    {243, "Virgin Islands, British", "VG", "VGB"},
    {244, "Virgin Islands, U.S.", "VI", "VIR"},
    {245, "Wallis and Futuna", "WF", "WLF"},
    {246, "Western Sahara", "EH", "ESH"},
    {247, "Yemen", "YE", "YEM"},
    {248, "Zambia", "ZM", "ZMB"},
    {249, "Zimbabwe", "ZW", "ZWE"},
// @generated-end countries
};
const int Global_Countries_Count =
    static_cast<int>(sizeof(Global_Countries_Info) / sizeof(Global_Countries_Info[0]));

const STRUCT_COUNTRY_INFO* countryInfo(int index)
{
    if (index < 0 || index >= Global_Countries_Count)
        return nullptr;
    return &Global_Countries_Info[index];
}

namespace {

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameCode(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (asciiUpper(*a) != asciiUpper(*b))
            return false;
        if (*a == '\0')
            return true;
    }
}

}  // namespace

int countryIndexFromIso3(const char* iso3)
{
    if (iso3 == nullptr || iso3[0] == '\0')
        return -1;
    for (int i = 1; i < Global_Countries_Count; ++i) {
        if (sameCode(Global_Countries_Info[i].iso3, iso3))
            return i;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Business regulation types (Income Tax Regulations, Part IV). The code is
// what the return stores; the regulation text is what Schedule 5 shows.
//
// allocationMethod: 1 weighted salaries and gross revenue, 2 gross revenue
// (or its regulatory equivalent) only, 3 percentages entered by the user.
// revenueWeight 2 is the bank formula, where the revenue-side factor (loans
// and deposits, deposits counted twice) carries twice the weight of salaries.

const STRUCT_BUSITYPE_INFO Global_BusiType_Info[] = {
    // code  reg       name        description / French description
    //       method  revenueWeight  netfileCode  supportedForFiling
    {0, "", "", "not chosen", "non choisi", 0, 1, 0, true},
    {1, "402", "Reg402", "General rules (section 402)",
     "Règles générales (article 402)", 1, 1, 1, true},
    {2, "403", "Reg403", "Insurance corporations (section 403)",
     "Compagnies d'assurance (article 403)", 2, 1, 2, false},
    {3, "404", "Reg404", "Banks (section 404)",
     "Banques (article 404)", 1, 2, 3, false},
    {4, "405", "Reg405", "Trust and loan corporations (section 405)",
     "Sociétés de fiducie et de prêt (article 405)", 2, 1, 4, true},
    {5, "406", "Reg406", "Railway corporations (section 406)",
     "Compagnies de chemin de fer (article 406)", 1, 1, 5, true},
    {6, "407", "Reg407", "Airline corporations (section 407)",
     "Compagnies aériennes (article 407)", 1, 1, 6, true},
    {7, "408", "Reg408", "Grain elevator operators (section 408)",
     "Exploitants de silos à grain (article 408)", 1, 1, 7, false},
    {8, "409", "Reg409", "Bus and truck operators (section 409)",
     "Exploitants d'autobus et de camions (article 409)", 1, 1, 8, true},
    {9, "410", "Reg410", "Ship operators (section 410)",
     "Exploitants de navires (article 410)", 1, 1, 9, true},
    {10, "412", "Reg412", "Divided businesses (section 412)",
     "Entreprises divisées (article 412)", 3, 1, 10, true},
    {11, "411", "Reg411", "Pipeline operators (section 411)",
     "Exploitants de pipelines (article 411)", 1, 1, 11, true},
    {12, "413", "Reg413", "Non-resident corporations (section 413)",
     "Sociétés non-résidentes (article 413)", 1, 1, 12, true},
    {13, "414", "Reg414", "Provincial SIFT tax rate (section 414)",
     "Taux d'imposition provincial des EIPD (article 414)", 1, 1, 13, true},
    {14, "404.1", "Reg404.1", "Federal credit unions (section 404.1)",
     "Coopératives de crédit fédérales (article 404.1)", 1, 2, 14, true},
};
const int Global_BusiType_Count =
    static_cast<int>(sizeof(Global_BusiType_Info) / sizeof(Global_BusiType_Info[0]));
static_assert(sizeof(Global_BusiType_Info) / sizeof(Global_BusiType_Info[0]) == 15,
              "business regulation types 0 .. 14");
