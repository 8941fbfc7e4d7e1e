// The T3 return's 70 Netfile records: each line's code and format, values
// chosen so that rounding shows, and the record set's numeric key order.
#include "framework/netfile.h"
#include "returns/t3ret.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using T = TaxData_T3Ret;

struct Line {
    const char* code;
    CFloatField T::*field;
    double amount;
    const char* expected;  // nullptr: no record
};

// Steps 2 to 4 in whole dollars (x.5 rounds away from zero), Step 5 in cents
// (x.xx5 rounds up in size thanks to the nudge).
const Line kLines[] = {
    {"01", &T::fld_taxable_capgain, 1500.5, "1501"},
    {"02", &T::fld_pension_inc, 2000.49, "2000"},
    {"03", &T::fld_total_div, 3000.0, "3000"},
    {"04", &T::fld_foreign_inv, -0.6, "-1"},
    {"05", &T::fld_other_inv, 0.4, nullptr},
    {"96", &T::fld_total_busi, 96000.5, "96001"},
    {"06", &T::fld_net_busi, -600.5, "-601"},
    {"97", &T::fld_total_farm, 97000.0, "97000"},
    {"07", &T::fld_net_farm, 700.25, "700"},
    {"99", &T::fld_total_rental, 99000.75, "99001"},
    {"09", &T::fld_net_rental, 900.5, "901"},
    {"10", &T::fld_agri2_pmt, 1000.0, "1000"},
    {"101", &T::fld_agri2_101, 101.5, "102"},
    {"11", &T::fld_deemed_disp, 1100.0, "1100"},
    {"13", &T::fld_CapGainReduction, 1300.5, "1301"},
    {"19", &T::fld_other_total, 1900.1, "1900"},
    {"20", &T::fld_total_inc, 20000.5, "20001"},
    {"21", &T::fld_charges, 2100.0, "2100"},
    {"22", &T::fld_trustee_fee, 2200.5, "2201"},
    {"23", &T::fld_trustee_fee_notrel, 230.0, "230"},
    {"25", &T::fld_allow_bil, 2500.0, "2500"},
    {"40", &T::fld_other_ded_total, 4000.5, "4001"},
    {"43", &T::fld_taxable_bnf, 4300.0, "4300"},
    {"44", &T::fld_other_bnf, 440.5, "441"},
    {"471", &T::fld_line471, 47100.5, "47101"},
    {"472", &T::fld_line472, 472.0, "472"},
    {"47", &T::fld_total_ded, 46628.5, "46629"},
    {"49", &T::fld_gross_div, 4900.0, "4900"},
    {"50", &T::fld_net_inc, -5000.5, "-5001"},
    {"51", &T::fld_noncap_loss, 5100.0, "5100"},
    {"52", &T::fld_netcap_loss, 5200.0, "5200"},
    {"541", &T::fld_foreignIncomeExempt, 541.0, "541"},
    {"542", &T::fld_nonProfitOrg, 542.5, "543"},
    {"543", &T::fld_farmingFishing, 543.0, "543"},
    {"544", &T::fld_restrictedFarmLosses, 544.0, "544"},
    {"545", &T::fld_limitedPartnership, 545.0, "545"},
    {"547", &T::fld_547, 547.49, "547"},
    {"549", &T::fld_taxinc_ded, 549.0, "549"},
    {"54", &T::fld_totalOtherDeductions, 5400.5, "5401"},
    {"55", &T::fld_CapGainAddBack, 550.0, "550"},
    {"56", &T::fld_taxinc, 56000.5, "56001"},
    {"80", &T::fld_80, 80.005, "80.01"},
    {"81", &T::fld_fed_tax, 8100.125, "8100.13"},
    {"82", &T::fld_prov_tax, 820.5, "820.50"},
    {"83", &T::fld_part7_2_tax, 0.009, nullptr},
    {"84", &T::fld_tax_pay, 8400.0, "8400.00"},
    {"85", &T::fld_instalment, 850.01, "850.01"},
    {"86", &T::fld_net_deducted, 86.666, "86.67"},
    {"87", &T::fld_ref_qc_abatement, 87.004, "87.00"},
    {"88", &T::fld_ref_inv_credit, 88.0, "88.00"},
    {"881", &T::fld_881, 881.5, "881.50"},
    {"89", &T::fld_capgain_refund, 89.99, "89.99"},
    {"90", &T::fld_part7_2_credit, 90.1, "90.10"},
    {"91", &T::fld_other_credit, 910.91, "910.91"},
    {"901", &T::fld_nl_rd, 901.0, "901.00"},
    {"903", &T::fld_bc_mining, 9.03, "9.03"},
    {"911", &T::fld_fed_environmental, 911.0, "911.00"},
    {"912", &T::fld_bc_environmental, 912.25, "912.25"},
    {"913", &T::fld_sk_environmental, 0.01, "0.01"},
    {"914", &T::fld_canadianJournalism, 914.75, "914.75"},
    {"915", &T::fld_yk_rd, -15.5, "-15.50"},
    {"916", &T::fld_mb_workExp, 916.0, "916.00"},
    {"917", &T::fld_mb_odour, 917.1, "917.10"},
    {"918", &T::fld_mb_greenEnergy, 918.0, "918.00"},
    {"920", &T::fld_fuel_charge, 920.2, "920.20"},
    {"921", &T::fld_bc_clean, 921.0, "921.00"},
    {"922", &T::fld_on_environ, 922.0, "922.00"},
    {"923", &T::fld_yk_carbon, 923.0, "923.00"},
    {"924", &T::fld_yk_MineCarbon, 924.0, "924.00"},
    {"94", &T::fld_RefDue, -1234.565, "-1234.57"},
};

std::vector<std::pair<std::string, std::string>> write(T& r, NetfileGenObjParamStruct& ctx)
{
    EXPECT_EQ(r.WriteNetfile(0, &ctx), 0);
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [code, value] : ctx.records)
        out.emplace_back(code, value.toStdString());
    return out;
}

TEST(T3RetNetfile, SeventyLinesWithTheirCodesAndFormats)
{
    ASSERT_EQ(std::size(kLines), 70u);
    T r;
    std::map<int, std::pair<std::string, std::string>> byValue;  // expected, by numeric code
    for (const Line& line : kLines) {
        (r.*line.field).store(line.amount);
        if (line.expected)
            byValue[std::stoi(line.code)] = {line.code, line.expected};
    }
    // Fields without a record of their own stay out even when they hold amounts.
    r.fld_noneligible_div.store(333.0);
    r.fld_other_1.store(1900.1);
    r.fld_total_inc1.store(20000.5);
    r.fld_total_credit.store(9999.0);
    r.fld_AmtEnclosed.store(95.0);

    std::vector<std::pair<std::string, std::string>> expected;
    for (const auto& entry : byValue)
        expected.push_back(entry.second);
    ASSERT_EQ(expected.size(), 68u);

    NetfileGenObjParamStruct ctx;
    EXPECT_EQ(write(r, ctx), expected);
}

TEST(T3RetNetfile, EmptyReturnWritesNothingAndWritingTwiceGivesTheSameSet)
{
    T r;
    NetfileGenObjParamStruct ctx;
    EXPECT_TRUE(write(r, ctx).empty());
    EXPECT_EQ(r.WriteNetfile(0, nullptr), 0);

    r.fld_taxable_capgain.store(10.5);
    r.fld_RefDue.store(-20.0);
    const auto once = write(r, ctx);
    const auto twice = write(r, ctx);
    EXPECT_EQ(once, twice);
    const std::vector<std::pair<std::string, std::string>> expected = {{"01", "11"}, {"94", "-20.00"}};
    EXPECT_EQ(twice, expected);
}

TEST(T3RetNetfile, RecordsOfOtherFormsInTheContextStayAndSortAmongThem)
{
    T r;
    r.fld_net_rental.store(5.0);
    r.fld_agri2_101.store(7.0);
    NetfileGenObjParamStruct ctx;
    ctx.records["100"] = CString("x");
    ctx.records["09"] = CString("old");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"09", "5"}, {"100", "x"}, {"101", "7"}};
    EXPECT_EQ(write(r, ctx), expected);
}

}  // namespace
