// Schedule 12: nothing for a trust not liable to minimum tax; lines 72 and
// 89 (12550, 12670) only when the minimum amount exceeds regular federal tax
// (line 66 at least 0.009); every other declared record as declared.
#include "efile/netfile_records.h"
#include "framework/amounts.h"
#include "taxcalc/sch12.h"

int TaxData_Sch12::WriteNetfile(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (!ctx || m_isMinTaxExempt)
        return 0;
    const bool minimumTaxOwed = fld_AmtMoreFedTax >= AMOUNT_TOLERANCE;
    for (const CField* field : fields()) {
        if (!minimumTaxOwed && (field == &fld_12550 || field == &fld_12670))
            continue;
        writeDeclaredRecord(*field, ctx->records);
    }
    return 0;
}
