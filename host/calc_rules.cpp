#include "host/calc_rules.h"

#include "framework/geo_tables.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"
#include "taxcalc/sch11.h"

int trustJurisdiction(const TaxData_T3Ret& ret)
{
    if (ret.fld_trust_iprov >= PROV_AB && ret.fld_trust_iprov <= PROV_NL_OFFSHORE)
        return ret.fld_trust_iprov;
    if (ret.fld_trust_icountry != COUNTRY_NOT_CHOSEN && ret.fld_trust_icountry != COUNTRY_CANADA)
        return PROV_OUTSIDE_CANADA;
    return PROV_NONE;
}

void copySch9ToReturn(TaxData_Sch9& sch9, TaxData_T3Ret& ret)
{
    if (!ret.fld_overwrite_line471)
        ret.fld_line471 = sch9.getRowAmount(471, 0);
}

void copyReturnToSch11(const TaxData_T3Ret& ret, TaxData_Sch11& sch11)
{
    static const FieldCopies<TaxData_T3Ret, TaxData_Sch11> copies = {
        {&TaxData_T3Ret::fld_taxinc, &TaxData_Sch11::fld_taxinc},  // return line 56 -> Schedule 11 line 1
    };
    copies.apply(ret, sch11);
    sch11.m_isGraduatedRate = ret.isGREorQDT();
    sch11.setProvince(trustJurisdiction(ret));
}

void copySch11ToReturn(const TaxData_Sch11& sch11, TaxData_T3Ret& ret)
{
    static const FieldCopies<TaxData_Sch11, TaxData_T3Ret> copies = {
        {&TaxData_Sch11::fld_FedTaxPayable, &TaxData_T3Ret::fld_fed_tax},             // line 34 -> line 81
        {&TaxData_Sch11::fld_RefQCAbatement, &TaxData_T3Ret::fld_ref_qc_abatement},   // line 35 -> line 87
    };
    copies.apply(sch11, ret);
}
