// T1-KS: the result summary takes the return's tax lines, its refund or
// balance and its e-filing status after the return's last step.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/t1ksnew.h"

namespace {
using KS = TaxData_T1KSNew;
using T3 = TaxData_T3Ret;

void calculate(CalcPass& pass)
{
    if (auto* ks = pass.ret.first<KS>())
        ks->Calculate();
}

// Line 94: negative is a refund, positive a balance owing.
double refund(T3& ret)
{
    return ret.fld_RefDue < 0.0 ? -ret.fld_RefDue : 0.0;
}
double balance(T3& ret)
{
    return ret.fld_RefDue > 0.0 ? double(ret.fld_RefDue) : 0.0;
}
}  // namespace

FormCalculation t1ksCalculation()
{
    return {
        {
            {{8, 5}, "T1-KS: result summary and invoice", &calculate},
        },
        {
            copyField<T3, KS>({8, 5}, "fld_fed_tax", "fld_fedtax", "T3 return line 81"),
            copyField<T3, KS>({8, 5}, "fld_prov_tax", "fld_provtax", "T3 return line 82"),
            copyField<T3, KS>({8, 5}, "fld_tax_pay", "fld_totaltax", "T3 return line 84"),
            copyField<T3, KS>({8, 5}, "fld_net_inc", "fld_netincome", "T3 return line 50"),
            copyField<T3, KS>({8, 5}, "fld_taxinc", "fld_taxincome", "T3 return line 56"),
            computedField<T3, KS, &refund>({8, 5}, "fld_Refund", "T3 return line 94 (refund)"),
            computedField<T3, KS, &balance>({8, 5}, "fld_Balance", "T3 return line 94 (balance owing)"),
            copyField<T3, KS>({8, 5}, "fld_ws_FileStatus", "fld_FileStatus", "T3 return e-filing status"),
            copyField<T3, KS>({8, 5}, "fld_ws_ConfirmCode", "fld_ConfirmCode", "T3 return confirmation number"),
            copyField<T3, KS>({8, 5}, "fld_ws_FileDate", "fld_FileDate", "T3 return filing date"),
        },
    };
}
