#include "statements/statement_parts.h"

#include "framework/checks.h"
#include "framework/province.h"

int provinceOfPostalCode(const QString& postalCode, int current)
{
    const int prov = CPostCodeInfo::GetInstance()->ProvFromPostCode(CString(postalCode));
    return isCanProv(prov) ? prov : current;
}

NetIncomeAdjustments::NetIncomeAdjustments(CTaxData_Form* form)
    : rebate{FieldSlot{form, "fld_9974"}, D::Record(D::W)},
      withRebate{FieldSlot{form, "fld_after_9974"}, D::Computed},
      partnerDeductions{FieldSlot{form, "fld_9943"}, D::Record(D::W), D::Computed},
      afterAdjustments{FieldSlot{form, "fld_b4_9945"}, D::Computed},
      homeUse{FieldSlot{form, "fld_9945"}, D::Record(D::W), D::Computed},
      netIncome{FieldSlot{form, "fld_9946"}, D::Record(D::M), D::Computed},
      partnership(form),
      home(form, "fld_", ""),
      coowners(form, "fld_coowner_", "_"),
      liabilities{FieldSlot{form, "fld_9931"}, D::Record(D::W)},
      drawings{FieldSlot{form, "fld_9932"}, D::Record(D::W)},
      contributions{FieldSlot{form, "fld_9933"}, D::Record(D::W)}
{
}

double NetIncomeAdjustments::calculate(double share, double otherAdjustments, bool shared, double percentOwner)
{
    withRebate = rebate + share + otherAdjustments;
    partnerDeductions = partnership.total.value();
    afterAdjustments = withRebate - partnerDeductions;
    homeUse = home.calculate(afterAdjustments, shared, percentOwner);
    netIncome = afterAdjustments - homeUse;
    return netIncome;
}
