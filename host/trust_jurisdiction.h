// The trust's jurisdiction for the tax schedules.
#pragma once

class TaxData_T3Ret;

// The trust's province when that is 1 to 15, 17 when it resides in a country
// other than Canada, else 0.
int trustJurisdiction(const TaxData_T3Ret& ret);
