// A return whose first return-type form is a T3M, T3S, T3-RCA or T3ATH-IND:
// its calculation with the first Form T2000 (T3S line 241 from T2000 line
// 2411 first); the T183 step then has it fill the authorization. A further
// return-type form calculates on its own and fills nothing.
#include "host/form_calculations.h"
#include "returns/t183trust.h"
#include "returns/t3ath.h"
#include "returns/t3m.h"
#include "returns/t3rca.h"
#include "returns/t3ret.h"
#include "returns/t3s.h"
#include "taxcalc/t2000.h"

namespace {
void otherReturn(CalcPass& pass)
{
    auto* first = pass.ret.first<TaxData_T3Base>();
    if (!first || qobject_cast<TaxData_T3Ret*>(first))
        return;
    auto* t2000 = pass.ret.first<TaxData_T2000>();
    for (auto* form : pass.ret.all<TaxData_T3Base>())
        if (!qobject_cast<TaxData_T3Ret*>(form))
            form->Calculate(t2000);
}

constexpr CalcOrder kAt{8, 2};
constexpr CalcOrder kAuthorizationAt{8, 3};

// The T183 fields every one of these returns' updateT183Trust fills.
const char* const kAuthorizationFields[] = {"fld_trustee_name", "fld_addr",  "fld_city",       "fld_prov",
                                            "fld_postcode",     "fld_country", "fld_phone",      "fld_trust_prov",
                                            "fld_t3_type"};

template <class Return>
void authorizationRules(FormCalculation& calc, const char* comesFrom, std::initializer_list<const char*> more)
{
    for (const char* field : kAuthorizationFields)
        calc.rules.push_back(filledByOperation<Return, TaxData_T183Trust>(kAuthorizationAt, field, comesFrom));
    for (const char* field : more)
        calc.rules.push_back(filledByOperation<Return, TaxData_T183Trust>(kAuthorizationAt, field, comesFrom));
}
}  // namespace

FormCalculation t3otherCalculation()
{
    FormCalculation calc{{{kAt, "T3M, T3S, T3-RCA or T3ATH-IND return", &otherReturn}}, {}};
    calc.rules.push_back(copyField<TaxData_T2000, TaxData_T3S>({8, 1}, "fld_2411", "fld_241", "Form T2000 line 2411"));
    calc.rules.push_back(filledByOperation<TaxData_T2000, TaxData_T3ATH_Ind>(kAt, "fld_241", "Form T2000 balance owing"));
    calc.rules.push_back(filledByOperation<TaxData_T3S, TaxData_T2000>(kAt, "fld_trust_name", "T3S: name of the plan"));
    calc.rules.push_back(filledByOperation<TaxData_T3S, TaxData_T2000>(kAt, "fld_trust_num", "T3S: account number"));
    authorizationRules<TaxData_T3M>(calc, "T3M: trust, trustee and lines 190 and 90",
                                    {"fld_t3_other_payable", "fld_t3_other_bal"});
    authorizationRules<TaxData_T3S>(calc, "T3S: plan and trustee", {});
    authorizationRules<TaxData_T3RCA>(calc, "T3-RCA: trust and trustee", {});
    authorizationRules<TaxData_T3ATH_Ind>(calc, "T3ATH-IND: athlete, trustee and lines 190 and 90",
                                          {"fld_TN", "fld_trust_country", "fld_athlete_name", "fld_t3_other_payable",
                                           "fld_t3_other_bal"});
    return calc;
}
