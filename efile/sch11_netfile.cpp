// Netfile records of Schedule 11: federal tax in dollars and cents, political
// contributions (line 25) in whole dollars.
#include "efile/netfile_records.h"
#include "taxcalc/sch11.h"

int TaxData_Sch11::WriteNetfile(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (!ctx)
        return 0;
    using S = TaxData_Sch11;
    constexpr NetfileFormat C = NetfileFormat::C;
    writeNetfileRows(*this, ctx->records, {
        {11080, &S::fld_11080, C},
        {11100, &S::fld_11100, C},
        {11101, &S::fld_11101, C},
        {11102, &S::fld_11102, C},
        {11108, &S::fld_11108, C},
        {11109, &S::fld_11109, C},
        {11130, &S::fld_11130, C},
        {11160, &S::fld_11160, C},
        {11180, &S::fld_11180, C},
        {11190, &S::fld_11190, C},
        {11191, &S::fld_11191, NetfileFormat::W},
        {11200, &S::fld_11200, C},
        {11210, &S::fld_11210, C},
        {11213, &S::fld_11213, C},
        {11214, &S::fld_11214, C},
    });
    return 0;
}
