#include "host/trust_jurisdiction.h"

#include "framework/geo_tables.h"
#include "returns/t3ret.h"

int trustJurisdiction(const TaxData_T3Ret& ret)
{
    if (ret.fld_trust_iprov >= PROV_AB && ret.fld_trust_iprov <= PROV_NL_OFFSHORE)
        return ret.fld_trust_iprov;
    if (ret.fld_trust_icountry != COUNTRY_NOT_CHOSEN && ret.fld_trust_icountry != COUNTRY_CANADA)
        return PROV_OUTSIDE_CANADA;
    return PROV_NONE;
}
