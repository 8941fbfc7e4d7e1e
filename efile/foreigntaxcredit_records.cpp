// Form T3 FFT: its four entered amounts as filing records, in cents, under
// codes offset by the host's n.
#include "efile/netfile_records.h"
#include "taxcalc/foreigntaxcredit.h"

int TaxData_ForeignTaxCredit::WriteJsonFile(unsigned char /*purpose*/, int n, NetfileGenObjParamStruct* ctx)
{
    if (!ctx)
        return 0;
    writeNetfileAmount(ctx->records, n + 5277, fld_22091, NetfileFormat::C);
    writeNetfileAmount(ctx->records, n + 5273, fld_22092, NetfileFormat::C);
    writeNetfileAmount(ctx->records, n + 5276, fld_22093, NetfileFormat::C);
    writeNetfileAmount(ctx->records, n + 5280, fld_22094, NetfileFormat::C);
    return 0;
}
