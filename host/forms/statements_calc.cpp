// The business, farming and rental statements: each statement calculates
// itself, and the return's Step 2 lines take the totals over all statements
// of a kind (the gross and the net income of each).
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "statements/t2042new.h"
#include "statements/t2125new.h"
#include "statements/t776new.h"

namespace {
using T3 = TaxData_T3Ret;
using T2125 = TaxData_T2125_New;
using T2042 = TaxData_T2042New;
using T776 = TaxData_T776New;

void statements(CalcPass& pass)
{
    for (T2125* business : pass.ret.all<T2125>())
        business->Calculate01();
    for (T2042* farm : pass.ret.all<T2042>())
        farm->Calculate01();
    for (T776* rental : pass.ret.all<T776>())
        rental->Calculate01();
}

// Line `to` of the return is the sum of `from` over every statement of the
// class; without any such statement the line keeps what the user entered.
template <class Statement, class Field>
void sumInto(CalcPass& pass, Field from, CFloatField T3::*to)
{
    T3* t3 = pass.ret.first<T3>();
    const std::vector<Statement*> forms = pass.ret.all<Statement>();
    if (!t3 || forms.empty())
        return;
    double total = 0.0;
    for (const Statement* form : forms)
        total += from(*form);
    (t3->*to).store(total);
}

void returnLines(CalcPass& pass)
{
    sumInto<T2125>(pass, [](const T2125& f) { return f.fld_8299.value(); }, &T3::fld_total_busi);
    sumInto<T2125>(pass, [](const T2125& f) { return f.m_net.netIncome.value(); }, &T3::fld_net_busi);
    sumInto<T2042>(pass, [](const T2042& f) { return f.fld_inc_34.value(); }, &T3::fld_total_farm);
    sumInto<T2042>(pass, [](const T2042& f) { return f.m_net.netIncome.value(); }, &T3::fld_net_farm);
    sumInto<T776>(pass, [](const T776& f) { return f.fld_property_total_income.value(); }, &T3::fld_total_rental);
    sumInto<T776>(pass, [](const T776& f) { return f.fld_9946.value(); }, &T3::fld_net_rental);
}
}  // namespace

FormCalculation statementsCalculation()
{
    return {
        {
            {{2, 3}, "Statements T2125, T2042 and T776", &statements},
            {{2, 10}, "Return lines 06/96, 07/97 and 09/99 from the statements", &returnLines},
        },
        {
            filledByOperation<T2125, T3>({2, 10}, "fld_total_busi", "the total of the T2125 statements' line 8299"),
            filledByOperation<T2125, T3>({2, 10}, "fld_net_busi", "the total of the T2125 statements' line 9946"),
            filledByOperation<T2042, T3>({2, 10}, "fld_total_farm", "the total of the T2042 statements' line 9659"),
            filledByOperation<T2042, T3>({2, 10}, "fld_net_farm", "the total of the T2042 statements' line 9946"),
            filledByOperation<T776, T3>({2, 10}, "fld_total_rental", "the total of the T776 statements' line 8299"),
            filledByOperation<T776, T3>({2, 10}, "fld_net_rental", "the total of the T776 statements' line 9946"),
            // The trust's share of line 9369 is its percentage of the line, unless the user enters it.
            filledByOperation<T2125, T2125>({2, 3}, "fld_9369_yourshare", "T2125 line 9369 at the trust's percentage")
                .unless("fld_ow_9369_yourshare")
                .onEveryForm(),
            filledByOperation<T776, T776>({2, 3}, "fld_c", "T776 line 9369 at the trust's co-ownership percentage")
                .unless("fld_c_overwrite")
                .onEveryForm(),
        },
    };
}
