// T3 slips: the issued slips take their shares of Schedule 9 and calculate;
// the filing information learns the trust's account number. (The received
// slips' copies into the return are the return's rules.)
#include "host/form_calculations.h"
#include "returns/t3base.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"
#include "slips/t3_filinginfo.h"
#include "slips/t3slip_issuing.h"

#include <optional>

namespace {
void issuedSlips(CalcPass& pass)
{
    auto* sch9 = pass.ret.first<TaxData_Sch9>();
    const auto& slips = pass.ret.all<TaxData_Slip_T3_Issuing>();
    if (slips.empty())
        return;
    std::optional<TaxData_Slip_T3_Issuing::Sch9Wholes> wholes;
    if (sch9)
        wholes.emplace(*sch9);
    for (auto* slip : slips) {
        if (wholes)
            slip->autoFillByPcnt(*wholes);
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

using S9 = TaxData_Sch9;
using Issued = TaxData_Slip_T3_Issuing;

// The boxes autoFillByPcntFromSch9 fills, with the Schedule 9 line each is a share of.
const struct {
    const char* box;
    const char* comesFrom;
} kFilledBoxes[] = {
    {"box_21", "Schedule 9 line 921 x 2 x the beneficiary's share"},
    {"box_30", "Schedule 9 line 930 x 2 x the beneficiary's share"},
    {"box_37", "Schedule 9 line 937 x 2 x the beneficiary's share"},
    {"box_22", "Schedule 9 line 922 x the beneficiary's share"},
    {"box_23", "Schedule 9 line 923 x the beneficiary's share"},
    {"box_24", "Schedule 9 line 924 x the beneficiary's share"},
    {"box_25", "Schedule 9 line 925 x the beneficiary's share"},
    {"box_26", "Schedule 9 line 926 x the beneficiary's share"},
    {"box_31", "Schedule 9 line 931 x the beneficiary's share"},
    {"box_33", "Schedule 9 line 933 x the beneficiary's share"},
    {"box_34", "Schedule 9 line 934 x the beneficiary's share"},
    {"box_35", "Schedule 9 line 935 x the beneficiary's share"},
    {"box_38", "Schedule 9 line 938 x the beneficiary's share"},
    {"box_42", "Schedule 9 line 942 x the beneficiary's share"},
    {"box_49", "Schedule 9 line 949 x the beneficiary's share"},
};
}  // namespace

FormCalculation t3slipsCalculation()
{
    FormCalculation calc{
        {
            {{4, 5}, "Issued T3 slips: shares of Schedule 9", &issuedSlips},
            {{4, 6}, "T3 slips filing information", &filingInformation},
        },
        {},
    };
    for (const auto& b : kFilledBoxes)
        calc.rules.push_back(filledByOperation<S9, Issued>({4, 5}, b.box, b.comesFrom).whileSet("box_bUsePcnt").onEveryForm());
    return calc;
}
