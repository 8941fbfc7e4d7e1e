#include "returns/t3s.h"

#include "framework/year_figures.h"
#include "taxcalc/t2000.h"
#include "returns/t183trust.h"

int TaxData_T3S::Calculate(TaxData_T2000* t2000)
{
    if (t2000) {
        t2000->fld_trust_name.setClipped(fld_plan_name);
        t2000->fld_trust_num.setClipped(fld_trust_num);
    }
    fld_190 = fld_241.value();  // line 190
    fld_090 = fld_241 - fld_010;  // line 90
    return 0;
}

int TaxData_T3S::updateT183Trust(TaxData_T183Trust* t183)
{
    if (!t183)
        return 0;
    TaxData_T3Base::updateT183Trust(t183);
    fillT183Trustee(t183, m_trustee.firstName(), m_trustee.lastName(), m_trustee.address());
    t183->fld_t3_type = 9;
    t183->fld_trust_prov = 0;
    return 0;
}
