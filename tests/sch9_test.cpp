// Schedule 9: line 928 totals, row sums for other forms, the slip sums and
// the automatic allocation. The dividends' gross-up and credit lines are
// scenarios (tests/scenarios/sch9-*).
#include "schedules/sch9.h"

#include "returns/t3ret.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

constexpr double kTol = 1e-9;

// Part A entries with distinct powers of two, so a total shows exactly which
// entries it took.
void fillPartA(TaxData_Sch9& s)
{
    CFloatField* rows[] = {&s.fld_9211, &s.fld_9212, &s.fld_9213, &s.fld_9221, &s.fld_9222,
                           &s.fld_9231, &s.fld_9232, &s.fld_9233, &s.fld_9241, &s.fld_9242,
                           &s.fld_9243, &s.fld_9251, &s.fld_9252, &s.fld_9253, &s.fld_9261,
                           &s.fld_9262, &s.fld_9263, &s.fld_9491, &s.fld_9492, &s.fld_9493};
    double value = 1.0;
    for (CFloatField* f : rows) {
        *f = value;
        value *= 2.0;
    }
}

// Column sums of fillPartA: resident 1+8+32+256+2048+16384+131072,
// non-resident twice that, election four times it without 922's 8.
constexpr double kResident = 149801.0;
constexpr double kNonResident = 299602.0;
constexpr double kElection = 599172.0;

TEST(Sch9Totals, Line928SumsEachColumnAndLine922HasNoElectionColumn)
{
    TaxData_Sch9 s;
    fillPartA(s);
    // Part B entries are not income allocated.
    s.fld_9301 = 1e6;
    s.fld_9311 = 1e6;
    s.fld_9331 = 1e6;
    s.Calculate();
    EXPECT_EQ(s.fld_total_A_resident.value(), kResident);
    EXPECT_EQ(s.fld_total_A_nonresident.value(), kNonResident);
    EXPECT_EQ(s.fld_total_A_elect.value(), kElection);

    s.fld_9222 = 0.0;  // line 922 column 2 is part of the non-resident total only
    s.Calculate();
    EXPECT_EQ(s.fld_total_A_nonresident.value(), kNonResident - 16.0);
    EXPECT_EQ(s.fld_total_A_elect.value(), kElection);
}

TEST(Sch9Rows, RowAmountSumsAllColumnsOfTheFourKnownRowsOnly)
{
    TaxData_Sch9 s;
    fillPartA(s);
    s.fld_9301 = 5.0;
    s.Calculate();
    const std::pair<int, double> rows[] = {
        {471, kResident + kNonResident + kElection},
        {921, 1.0 + 2.0 + 4.0},
        {923, 32.0 + 64.0 + 128.0},
        {949, 131072.0 + 262144.0 + 524288.0},
        {922, 0.0},
        {928, 0.0},
        {930, 0.0},
        {9211, 0.0},
        {0, 0.0},
        {-1, 0.0},
    };
    for (const auto& [line, expected] : rows)
        for (int column : {0, 1, 2, 3, 99}) {
            EXPECT_EQ(s.getRowAmount(line, column), expected) << "line " << line << " column " << column;
        }
}

// Slip record with member i holding 1000 + i.
STRU_SLIPDATA_CALCULATION numberedSlips()
{
    STRU_SLIPDATA_CALCULATION slips;
    for (int i = 0; i < STRU_SLIPDATA_CALCULATION::kSize; ++i)
        slips[i] = 1000.0 + i;
    return slips;
}

std::vector<QString> fieldTexts(const CTaxData_Form& form)
{
    std::vector<QString> out;
    for (const CField* f : form.fields())
        out.push_back(f->toText());
    return out;
}

TEST(Sch9SlipSums, CopyKeepsTheReturnAndFiveSumsAndChangesNoField)
{
    TaxData_Sch9 s;
    fillPartA(s);
    const auto before = fieldTexts(s);
    STRU_SLIPDATA_CALCULATION slips = numberedSlips();
    TaxData_T3Ret ret;
    EXPECT_EQ(s.copySlipCalcAmount(slips, &ret), 0);
    EXPECT_EQ(s.m_t3Ret, &ret);
    EXPECT_EQ(s.m_slipSums.foreignBusinessIncome, 1009.0);
    EXPECT_EQ(s.m_slipSums.foreignNonBusinessIncome, 1011.0 + 1036.0);
    EXPECT_EQ(s.m_slipSums.foreignBusinessTaxPaid, 1017.0);
    EXPECT_EQ(s.m_slipSums.foreignNonBusinessTaxPaid, 1018.0 + 1037.0);
    EXPECT_EQ(s.m_slipSums.costBaseAdjustment, 1023.0);
    EXPECT_EQ(fieldTexts(s), before);
}

TEST(Sch9AutoAllocation, FillsColumn1FromTheReturnAndTheSlips)
{
    TaxData_Sch9 s;
    fillPartA(s);
    s.Calculate();
    TaxData_T3Ret ret;
    ret.fld_taxable_capgain = 5000.5;
    ret.fld_noneligible_div = 300.0;
    ret.fld_other_inv = 250.25;
    ret.fld_total_div = 1000.0;
    STRU_SLIPDATA_CALCULATION slips = numberedSlips();
    s.copySlipCalcAmount(slips, &ret);
    EXPECT_EQ(s.autoSetAllAllocation(), 0);

    EXPECT_EQ(s.fld_9211.value(), 5000.5);
    EXPECT_EQ(s.fld_9231.value(), 300.0);
    EXPECT_EQ(s.fld_9261.value(), 250.25);
    EXPECT_EQ(s.fld_9491.value(), 700.0);
    EXPECT_EQ(s.fld_9251.value(), 2047.0);
    EXPECT_EQ(s.fld_9341.value(), 2055.0);
    EXPECT_EQ(s.fld_9241.value(), 1009.0);
    EXPECT_EQ(s.fld_9331.value(), 1017.0);
    EXPECT_EQ(s.fld_9551.value(), 1023.0);
    // Columns 2 and 3 stay; the totals wait for the next calculation.
    EXPECT_EQ(s.fld_9212.value(), 2.0);
    EXPECT_EQ(s.fld_9493.value(), 524288.0);
    EXPECT_EQ(s.fld_total_A_resident.value(), kResident);
    s.Calculate();
    EXPECT_EQ(s.fld_total_A_resident.value(), 5000.5 + 8.0 + 300.0 + 1009.0 + 2047.0 + 250.25 + 700.0);
}

TEST(Sch9AutoAllocation, TotalDividendsBelowNonEligibleGiveANegativeLine949)
{
    TaxData_Sch9 s;
    TaxData_T3Ret ret;
    ret.fld_total_div = 200.0;
    ret.fld_noneligible_div = 300.45;
    STRU_SLIPDATA_CALCULATION slips;
    s.copySlipCalcAmount(slips, &ret);
    s.autoSetAllAllocation();
    EXPECT_NEAR(s.fld_9491, -100.45, kTol);
    EXPECT_EQ(s.fld_9231.value(), 300.45);
}

TEST(Sch9AutoAllocation, WithoutAReturnKeepsTheReturnLinesAndStoresTheSlipSums)
{
    TaxData_Sch9 s;
    fillPartA(s);
    s.autoSetAllAllocation();  // nothing passed yet: slip sums are 0
    EXPECT_EQ(s.fld_9211.value(), 1.0);
    EXPECT_EQ(s.fld_9251.value(), 0.0);

    STRU_SLIPDATA_CALCULATION slips = numberedSlips();
    s.copySlipCalcAmount(slips, nullptr);
    s.autoSetAllAllocation();
    EXPECT_EQ(s.fld_9211.value(), 1.0);
    EXPECT_EQ(s.fld_9231.value(), 32.0);
    EXPECT_EQ(s.fld_9261.value(), 16384.0);
    EXPECT_EQ(s.fld_9491.value(), 131072.0);
    EXPECT_EQ(s.fld_9251.value(), 2047.0);
    EXPECT_EQ(s.fld_9551.value(), 1023.0);
}

}  // namespace
