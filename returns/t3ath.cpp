#include "returns/t3ath.h"

#include "framework/checks.h"
#include "framework/validation_messages.h"
#include "framework/year_figures.h"
#include "returns/t183trust.h"
#include "taxcalc/t2000.h"

int TaxData_T3ATH_Ind::Calculate(TaxData_T2000* t2000)
{
    fld_tax_year = QString::number(year_figures::kTaxYear);
    fld_270 = fld_line1 + fld_line2;  // line 270
    fld_line4 = 2.0 * fld_270 / 3.0;  // line 4
    if (t2000)
        fld_241 = t2000->fld_BalOrRef.value();
    fld_140 = fld_241.value();
    fld_170 = fld_line4.value();
    fld_190 = fld_140 + fld_170;  // line 190
    fld_090 = fld_190 - fld_010;  // line 90
    return 0;
}

int TaxData_T3ATH_Ind::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const char* const pleaseAnswer = "Please answer %s";
    const size_t before = messages.size();
    if (fld_amended == -1)
        addMessage(messages, fld_amended, CString::Format(pleaseAnswer, "whether it is amended return."));
    if (fld_first_year == -1)
        addMessage(messages, fld_first_year, CString::Format(pleaseAnswer, "whether it is first year filing."));
    if (fld_iNonIndividual == 1)
        validateAddr2(m_trusteeAddress, "%s in [%s] is empty or invalid.", "non-individual trustee address", messages);
    else if (fld_iNonIndividual == 0)
        validateAddr2(m_indvAddress, "%s in [%s] is empty or invalid.", "individual trustee address", messages);
    else
        addMessage(messages, fld_iNonIndividual,
                   CString::Format(pleaseAnswer, "the radio button of whether it is non-individual trustee"));
    if (fld_RefCode == -1)
        addMessage(messages, fld_RefCode, CString::Format(pleaseAnswer, "refund option."));
    return int(messages.size() - before);
}

bool TaxData_T3ATH_Ind::getName(CString& out)
{
    out = fld_fname.value() + QLatin1Char(' ') + fld_lname.value();
    return true;
}

int TaxData_T3ATH_Ind::updateT183Trust(TaxData_T183Trust* t183)
{
    if (!t183)
        return 0;
    TaxData_T3Base::updateT183Trust(t183);
    if (fld_iNonIndividual == 0)
        fillT183Trustee(t183, fld_Indvfname, fld_IndvLastname, m_indvAddress);
    else
        fillT183Trustee(t183, fld_trustee_fname, fld_trustee_lname, m_trusteeAddress);
    t183->fld_t3_type = 2;
    t183->fld_trust_prov = fld_athlete_prov.value();
    t183->fld_trust_country = fld_athlete_country.value();
    CString name;
    getName(name);
    t183->fld_athlete_name.setClipped(name);
    t183->fld_TN.setClipped(fld_trust_num);
    t183->fld_t3_other_payable = fld_190.value();
    t183->fld_t3_other_bal = fld_090.value();
    return 0;
}
