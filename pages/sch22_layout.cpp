// Pages of Schedule 22, Non-Resident Discretionary Trust (language:
// docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSch22Pages("Sch22", R"PAGES(
form Sch22

page TaxForm_Sch22_tab1 1
title "Non-resident discretionary trusts"
note "Identify each non-resident discretionary trust of which the corporation is a beneficiary, and its trustee."
columns 2
section "Trust 1"
field 100100 "Name of the trust" fld_TrustName_1
field 100300 "Name of the trustee" fld_TrusteeName_1
field - "Address" fld_Addr1_1
field - "" fld_Addr2_1
field - "City" fld_city_1
field - "Province or state" fld_Prov_1:province =fld_Prov_Print_1
field - "Country" fld_Country_1:country =fld_Country_Print_1
field - "Postal code or ZIP code" fld_Postcode_1
section "Trust 2"
field 200100 "Name of the trust" fld_TrustName_2
field 200300 "Name of the trustee" fld_TrusteeName_2
field - "Address" fld_Addr1_2
field - "" fld_Addr2_2
field - "City" fld_city_2
field - "Province or state" fld_Prov_2:province =fld_Prov_Print_2
field - "Country" fld_Country_2:country =fld_Country_Print_2
field - "Postal code or ZIP code" fld_Postcode_2
section "Trust 3"
field 300100 "Name of the trust" fld_TrustName_3
field 300300 "Name of the trustee" fld_TrusteeName_3
field - "Address" fld_Addr1_3
field - "" fld_Addr2_3
field - "City" fld_city_3
field - "Province or state" fld_Prov_3:province =fld_Prov_Print_3
field - "Country" fld_Country_3:country =fld_Country_Print_3
field - "Postal code or ZIP code" fld_Postcode_3
section "Trust 4"
field 400100 "Name of the trust" fld_TrustName_4
field 400300 "Name of the trustee" fld_TrusteeName_4
field - "Address" fld_Addr1_4
field - "" fld_Addr2_4
field - "City" fld_city_4
field - "Province or state" fld_Prov_4:province =fld_Prov_Print_4
field - "Country" fld_Country_4:country =fld_Country_Print_4
field - "Postal code or ZIP code" fld_Postcode_4
section "Trust 5"
field 500100 "Name of the trust" fld_TrustName_5
field 500300 "Name of the trustee" fld_TrusteeName_5
field - "Address" fld_Addr1_5
field - "" fld_Addr2_5
field - "City" fld_city_5
field - "Province or state" fld_Prov_5:province =fld_Prov_Print_5
field - "Country" fld_Country_5:country =fld_Country_Print_5
field - "Postal code or ZIP code" fld_Postcode_5
section "Trust 6"
field 600100 "Name of the trust" fld_TrustName_6
field 600300 "Name of the trustee" fld_TrusteeName_6
field - "Address" fld_Addr1_6
field - "" fld_Addr2_6
field - "City" fld_city_6
field - "Province or state" fld_Prov_6:province =fld_Prov_Print_6
field - "Country" fld_Country_6:country =fld_Country_Print_6
field - "Postal code or ZIP code" fld_Postcode_6
section "Trust 7"
field 700100 "Name of the trust" fld_TrustName_7
field 700300 "Name of the trustee" fld_TrusteeName_7
field - "Address" fld_Addr1_7
field - "" fld_Addr2_7
field - "City" fld_city_7
field - "Province or state" fld_Prov_7:province =fld_Prov_Print_7
field - "Country" fld_Country_7:country =fld_Country_Print_7
field - "Postal code or ZIP code" fld_Postcode_7
section "Trust 8"
field 800100 "Name of the trust" fld_TrustName_8
field 800300 "Name of the trustee" fld_TrusteeName_8
field - "Address" fld_Addr1_8
field - "" fld_Addr2_8
field - "City" fld_city_8
field - "Province or state" fld_Prov_8:province =fld_Prov_Print_8
field - "Country" fld_Country_8:country =fld_Country_Print_8
field - "Postal code or ZIP code" fld_Postcode_8
section "Trust 9"
field 900100 "Name of the trust" fld_TrustName_9
field 900300 "Name of the trustee" fld_TrusteeName_9
field - "Address" fld_Addr1_9
field - "" fld_Addr2_9
field - "City" fld_city_9
field - "Province or state" fld_Prov_9:province =fld_Prov_Print_9
field - "Country" fld_Country_9:country =fld_Country_Print_9
field - "Postal code or ZIP code" fld_Postcode_9
section "Trust 10"
field 1000100 "Name of the trust" fld_TrustName_10
field 1000300 "Name of the trustee" fld_TrusteeName_10
field - "Address" fld_Addr1_10
field - "" fld_Addr2_10
field - "City" fld_city_10
field - "Province or state" fld_Prov_10:province =fld_Prov_Print_10
field - "Country" fld_Country_10:country =fld_Country_Print_10
field - "Postal code or ZIP code" fld_Postcode_10
section "Trust 11"
field 1100100 "Name of the trust" fld_TrustName_11
field 1100300 "Name of the trustee" fld_TrusteeName_11
field - "Address" fld_Addr1_11
field - "" fld_Addr2_11
field - "City" fld_city_11
field - "Province or state" fld_Prov_11:province =fld_Prov_Print_11
field - "Country" fld_Country_11:country =fld_Country_Print_11
field - "Postal code or ZIP code" fld_Postcode_11
section "Trust 12"
field 1200100 "Name of the trust" fld_TrustName_12
field 1200300 "Name of the trustee" fld_TrusteeName_12
field - "Address" fld_Addr1_12
field - "" fld_Addr2_12
field - "City" fld_city_12
field - "Province or state" fld_Prov_12:province =fld_Prov_Print_12
field - "Country" fld_Country_12:country =fld_Country_Print_12
field - "Postal code or ZIP code" fld_Postcode_12
section "Trust 13"
field 1300100 "Name of the trust" fld_TrustName_13
field 1300300 "Name of the trustee" fld_TrusteeName_13
field - "Address" fld_Addr1_13
field - "" fld_Addr2_13
field - "City" fld_city_13
field - "Province or state" fld_Prov_13:province =fld_Prov_Print_13
field - "Country" fld_Country_13:country =fld_Country_Print_13
field - "Postal code or ZIP code" fld_Postcode_13
section "Trust 14"
field 1400100 "Name of the trust" fld_TrustName_14
field 1400300 "Name of the trustee" fld_TrusteeName_14
field - "Address" fld_Addr1_14
field - "" fld_Addr2_14
field - "City" fld_city_14
field - "Province or state" fld_Prov_14:province =fld_Prov_Print_14
field - "Country" fld_Country_14:country =fld_Country_Print_14
field - "Postal code or ZIP code" fld_Postcode_14
section "Trust 15"
field 1500100 "Name of the trust" fld_TrustName_15
field 1500300 "Name of the trustee" fld_TrusteeName_15
field - "Address" fld_Addr1_15
field - "" fld_Addr2_15
field - "City" fld_city_15
field - "Province or state" fld_Prov_15:province =fld_Prov_Print_15
field - "Country" fld_Country_15:country =fld_Country_Print_15
field - "Postal code or ZIP code" fld_Postcode_15
)PAGES");
