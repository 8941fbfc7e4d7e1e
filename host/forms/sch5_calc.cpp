// Schedule 5: the allocation among jurisdictions once taxable income and
// Schedule 11's basic federal tax are known; the part of that tax allocated
// outside Canada is Schedule 11 line 22's base. The provincial components
// fill their Schedule 5 lines before its last steps, and line 255 is the
// return's line 82 when the schedule is claimed.
#include "framework/checks.h"
#include "host/form_calculations.h"
#include "host/provincial_components.h"
#include "returns/t3ret.h"
#include "taxcalc/sch11.h"
#include "taxcalc/business_regulation_types.h"
#include "taxcalc/sch5.h"

#include <utility>

namespace {
using T3 = TaxData_T3Ret;
using S5 = TaxData_Sch5;
using S11 = TaxData_Sch11;

void allocation(CalcPass& pass)
{
    auto* sch5 = pass.ret.first<S5>();
    if (!sch5)
        return;
    sch5->Calculate_Step0();
    sch5->Calculate_Step1();
    if (auto* sch11 = pass.ret.first<S11>())
        sch11->fld_Line20Part = sch11->fld_BasicTax * div(sch5->m_OutCAN.colF, sch5->fld_taxinc, 0.0);
}

void provincialTax(CalcPass& pass)
{
    auto* sch5 = pass.ret.first<S5>();
    if (!sch5)
        return;
    // No form of the return computes the farmers' credits: the user's lines stand, capped by the schedule.
    sch5->m_nsFarmersFoodBankCredit = sch5->fld_NS_570;
    sch5->m_onFarmersCommunityFoodCredit = sch5->fld_ON_420;
    sch5->m_bcFarmersFoodDonationCredit = sch5->fld_BC_683;
    sch5->Calculate_Step10();
    sch5->Calculate_StepB4RefundableCredit();
    runComponentsBeforeSch5StepLast(pass.ret);
    sch5->Calculate_StepLast();
}

void returnProvincialTax(CalcPass& pass)
{
    const auto* sch5 = pass.ret.first<S5>();
    auto* t3 = pass.ret.first<T3>();
    if (sch5 && t3 && sch5->m_claimT2Line205)
        t3->fld_prov_tax = sch5->fld_255.value();
}

// Columns C, E and F of every Part 1 row, which the allocation fills unless
// the regulation type leaves the allocation to the user.
void addAllocationColumns(std::vector<CopyRule>& rules)
{
    const S5 sch5;
    for (const S5::JurisdictionRow* row : sch5.m_rows)
        for (const auto& column : {std::make_pair(&row->colC, "Schedule 5 Part 1: column B x taxable income / G"),
                                   std::make_pair(&row->colE, "Schedule 5 Part 1: column D x taxable income / H"),
                                   std::make_pair(&row->colF, "Schedule 5 Part 1: the allocation of taxable income")})
            rules.push_back(filledByOperation<S5, S5>({6, 7}, column.first->name(), column.second)
                                .unless("fld_iRegulationType", kPipelineOperators));
}
}  // namespace

FormCalculation sch5Calculation()
{
    FormCalculation calculation{
        {
            {{6, 7}, "Schedule 5: allocation of taxable income among jurisdictions", &allocation},
            {{6, 14}, "Schedule 5: provincial and territorial tax, with the provincial components", &provincialTax},
            {{8, 1}, "Schedule 5: line 82 of the return from line 255", &returnProvincialTax},
        },
        {
            copyField<T3, S5>({6, 7}, "fld_taxinc", "fld_taxinc", "T3 return line 56"),
            filledByOperation<S5, S11>({6, 7}, "fld_Line20Part",
                                       "Schedule 5: line 21 x the share of taxable income allocated outside Canada"),
            filledByOperation<S5, T3>({8, 1}, "fld_prov_tax", "Schedule 5 line 255, when the schedule is claimed"),
        },
    };
    addAllocationColumns(calculation.rules);
    return calculation;
}
