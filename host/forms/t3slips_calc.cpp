// T3 slips: the issued slips take their shares of Schedule 9 and calculate;
// the filing information learns the trust's account number; the trust's
// share of received T3 slips' box 38 is the return's line 90.
#include "host/form_calculations.h"
#include "returns/t3base.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"
#include "slips/t3_filinginfo.h"
#include "slips/t3slip_issuing.h"

namespace {
constexpr int kPartXII2TaxCredit = 15;  // slip totals: T3 box 38
constexpr int kIncomeTaxDeducted = 32;  // slip totals: pension slips' income tax deducted

void issuedSlips(CalcPass& pass)
{
    auto* sch9 = pass.ret.first<TaxData_Sch9>();
    for (auto* slip : pass.ret.all<TaxData_Slip_T3_Issuing>()) {
        slip->autoFillByPcntFromSch9(sch9);
        slip->Calculate02();
    }
}

void filingInformation(CalcPass& pass)
{
    auto* info = pass.ret.first<TaxData_Slip_Issuing_FilingInfo>();
    if (!info)
        return;
    CString number;
    if (auto* ret = pass.ret.first<TaxData_T3Base>())
        ret->getTrustNumber(number);
    info->m_trustAcctNum = number;
    info->Calculate02();
}

using T3 = TaxData_T3Ret;
}  // namespace

FormCalculation t3slipsCalculation()
{
    return {
        {
            {{4, 5}, "Issued T3 slips: shares of Schedule 9", &issuedSlips},
            {{4, 6}, "T3 slips filing information", &filingInformation},
        },
        {
            fromSlipTotals<T3>({8, 1}, {kPartXII2TaxCredit}, "fld_part7_2_credit", "T3 slips received, box 38"),
            fromSlipTotals<T3>({8, 1}, {kIncomeTaxDeducted}, "fld_tax_deducted",
                               "T4A box 22, T4A(P) box 22 and T4RIF box 28 slips received"),
        },
    };
}
