// Schedule 20, "Part XIV - Additional Tax on Non-Resident Corporations",
// whose lines follow the T2 return: the base amount with its additions
// (Part 1), the deductions from it (Part 2), the tax (Part 3), the continuity
// of the exemption (Part 4) and the Regulation 808 allowance for investments
// in property in Canada (Part 5, or Part 6 for an authorized foreign bank).
// The calculation settles the lines the schedule itself derives; the tax and
// continuity lines of Parts 3 to 5 are entered. Its Netfile output is a line
// stream of its amounts.
#pragma once

#include "framework/form.h"
#include "framework/netfile.h"

#include <cstdio>

class TaxData_Sch20 : public CTaxDataBase01, public NetfileLineStreamForm {
    Q_OBJECT
public:
    TaxData_Sch20() : CTaxDataBase01(39) {}

    int Calculate();
    // The line stream.
    using CTaxDataBase01::WriteNetfile;
    int WriteNetfile(unsigned char purpose, NetfileTypedMap& typed, FILE* out, int& reserved) override;

    static constexpr int kPeriods = 12;

    // Parts 1 and 2 (T2 lines)
    FLD(CFloatField, fld_099, 0.0, 99);
    FLD(CFloatField, fld_100, 0.0, 100);
    FLD(CFloatField, fld_101, 0.0, 101);
    FLD(CFloatField, fld_103, 0.0, 103);
    FLD(CFloatField, fld_104, 0.0, 104);
    FLD(CFloatField, fld_105, 0.0, 105);
    FLD(CFloatField, fld_106, 0.0, 106);
    FLD(CFloatField, fld_107, 0.0, 107);
    FLD(CFloatField, fld_108, 0.0, 108);
    FLD(CFloatField, fld_109, 0.0, 109);
    FLD(CFloatField, fld_110, 0.0, 110);
    FLD(CFloatField, fld_111, 0.0, 111);
    FLD(CFloatField, fld_112, 0.0, 112);
    FLD(CFloatField, fld_113, 0.0, 113);
    FLD(CFloatField, fld_114, 0.0, 114);
    FLD(CFloatField, fld_115, 0.0, 115);
    FLD(CFloatField, fld_116, 0.0, 116);
    FLD(CFloatField, fld_117, 0.0, 117);
    FLD(CFloatField, fld_118, 0.0, 118);
    FLD(CFloatField, fld_120, 0.0, 120);
    FLD(CFloatField, fld_121, 0.0, 121);
    FLD(CFloatField, fld_122, 0.0, 122);
    FLD(CFloatField, fld_123, 0.0, 123);
    FLD(CFloatField, fld_124, 0.0, 124);
    FLD(CFloatField, fld_125, 0.0, 125);
    FLD(CFloatField, fld_200, 0.0, 200);
    FLD(CFloatField, fld_201, 0.0, 201);
    FLD(CFloatField, fld_203, 0.0, 203);
    FLD(CFloatField, fld_204, 0.0, 204);
    FLD(CFloatField, fld_205, 0.0, 205);
    FLD(CFloatField, fld_206, 0.0, 206);
    FLD(CFloatField, fld_207, 0.0, 207);
    FLD(CFloatField, fld_208, 0.0, 208);
    FLD(CFloatField, fld_210, 0.0, 210);
    FLD(CFloatField, fld_211, 0.0, 211);
    FLD(CFloatField, fld_212, 0.0, 212);
    FLD(CFloatField, fld_213, 0.0, 213);
    FLD(CFloatField, fld_214, 0.0, 214);
    FLD(CFloatField, fld_215, 0.0, 215);
    FLD(CFloatField, fld_216, 0.0, 216);
    FLD(CFloatField, fld_217, 0.0, 217);
    FLD(CFloatField, fld_218, 0.0, 218);
    FLD(CFloatField, fld_219, 0.0, 219);
    FLD(CFloatField, fld_221, 0.0, 221);
    FLD(CFloatField, fld_222, 0.0, 222);
    FLD(CFloatField, fld_223, 0.0, 223);
    // Parts 3 to 5
    FLD(CFloatField, fld_500, 0.0, 500);
    FLD(CFloatField, fld_126, 0.0, 126);
    FLD(CFloatField, fld_510, 0.0, 510);
    FLD(CFloatField, fld_520, 0.0, 520);

    // Working amounts
    FLD(CFloatField, fld_Part1_A);     // amount A: taxable income earned in Canada
    FLD(CFloatField, fld_Part2_K);     // line 114 plus line 115
    FLD(CFloatField, fld_F100Page1);
    FLD(CFloatField, fld_AmtAPage1);
    FLD(CFloatField, fld_Part2_P);     // line 121 plus line 122
    FLD(CFloatField, fld_Part3_R);
    FLD(CFloatField, fld_Part3_S);
    FLD(CPercentField, fld_126_rate);

    // Part 6: authorized foreign bank
    FLD(CBoolField, fld_Part6ForeignBank);
    FLD(CFloatField, fld_650, 0.0, 650);
    FLD(CFloatField, fld_655, 0.0, 655);
    FLD(CFloatField, fld_660, 0.0, 660);
    FLD(CFloatField, fld_665, 0.0, 665);
    FLD(CDateField, fld_Part6EndDate_1);
    FLD(CFloatField, fld_Part6BankAssets_1);
    FLD(CFloatField, fld_Part6ColC_1);
    FLD(CFloatField, fld_Part6BankCost_1);
    FLD(CFloatField, fld_Part6BankLiability_1);
    FLD(CFloatField, fld_Part6BankAdvance_1);
    FLD(CDateField, fld_Part6EndDate_2);
    FLD(CFloatField, fld_Part6BankAssets_2);
    FLD(CFloatField, fld_Part6ColC_2);
    FLD(CFloatField, fld_Part6BankCost_2);
    FLD(CFloatField, fld_Part6BankLiability_2);
    FLD(CFloatField, fld_Part6BankAdvance_2);
    FLD(CDateField, fld_Part6EndDate_3);
    FLD(CFloatField, fld_Part6BankAssets_3);
    FLD(CFloatField, fld_Part6ColC_3);
    FLD(CFloatField, fld_Part6BankCost_3);
    FLD(CFloatField, fld_Part6BankLiability_3);
    FLD(CFloatField, fld_Part6BankAdvance_3);
    FLD(CDateField, fld_Part6EndDate_4);
    FLD(CFloatField, fld_Part6BankAssets_4);
    FLD(CFloatField, fld_Part6ColC_4);
    FLD(CFloatField, fld_Part6BankCost_4);
    FLD(CFloatField, fld_Part6BankLiability_4);
    FLD(CFloatField, fld_Part6BankAdvance_4);
    FLD(CDateField, fld_Part6EndDate_5);
    FLD(CFloatField, fld_Part6BankAssets_5);
    FLD(CFloatField, fld_Part6ColC_5);
    FLD(CFloatField, fld_Part6BankCost_5);
    FLD(CFloatField, fld_Part6BankLiability_5);
    FLD(CFloatField, fld_Part6BankAdvance_5);
    FLD(CDateField, fld_Part6EndDate_6);
    FLD(CFloatField, fld_Part6BankAssets_6);
    FLD(CFloatField, fld_Part6ColC_6);
    FLD(CFloatField, fld_Part6BankCost_6);
    FLD(CFloatField, fld_Part6BankLiability_6);
    FLD(CFloatField, fld_Part6BankAdvance_6);
    FLD(CDateField, fld_Part6EndDate_7);
    FLD(CFloatField, fld_Part6BankAssets_7);
    FLD(CFloatField, fld_Part6ColC_7);
    FLD(CFloatField, fld_Part6BankCost_7);
    FLD(CFloatField, fld_Part6BankLiability_7);
    FLD(CFloatField, fld_Part6BankAdvance_7);
    FLD(CDateField, fld_Part6EndDate_8);
    FLD(CFloatField, fld_Part6BankAssets_8);
    FLD(CFloatField, fld_Part6ColC_8);
    FLD(CFloatField, fld_Part6BankCost_8);
    FLD(CFloatField, fld_Part6BankLiability_8);
    FLD(CFloatField, fld_Part6BankAdvance_8);
    FLD(CDateField, fld_Part6EndDate_9);
    FLD(CFloatField, fld_Part6BankAssets_9);
    FLD(CFloatField, fld_Part6ColC_9);
    FLD(CFloatField, fld_Part6BankCost_9);
    FLD(CFloatField, fld_Part6BankLiability_9);
    FLD(CFloatField, fld_Part6BankAdvance_9);
    FLD(CDateField, fld_Part6EndDate_10);
    FLD(CFloatField, fld_Part6BankAssets_10);
    FLD(CFloatField, fld_Part6ColC_10);
    FLD(CFloatField, fld_Part6BankCost_10);
    FLD(CFloatField, fld_Part6BankLiability_10);
    FLD(CFloatField, fld_Part6BankAdvance_10);
    FLD(CDateField, fld_Part6EndDate_11);
    FLD(CFloatField, fld_Part6BankAssets_11);
    FLD(CFloatField, fld_Part6ColC_11);
    FLD(CFloatField, fld_Part6BankCost_11);
    FLD(CFloatField, fld_Part6BankLiability_11);
    FLD(CFloatField, fld_Part6BankAdvance_11);
    FLD(CDateField, fld_Part6EndDate_12);
    FLD(CFloatField, fld_Part6BankAssets_12);
    FLD(CFloatField, fld_Part6ColC_12);
    FLD(CFloatField, fld_Part6BankCost_12);
    FLD(CFloatField, fld_Part6BankLiability_12);
    FLD(CFloatField, fld_Part6BankAdvance_12);
    FLD(CFloatField, fld_Part6ColG_1);
    FLD(CFloatField, fld_Part6ColH_1);
    FLD(CFloatField, fld_Part6ColI_1);
    FLD(CFloatField, fld_Part6ColJ_1);
    FLD(CFloatField, fld_Part6ColK_1);
    FLD(CFloatField, fld_Part6ColG_2);
    FLD(CFloatField, fld_Part6ColH_2);
    FLD(CFloatField, fld_Part6ColI_2);
    FLD(CFloatField, fld_Part6ColJ_2);
    FLD(CFloatField, fld_Part6ColK_2);
    FLD(CFloatField, fld_Part6ColG_3);
    FLD(CFloatField, fld_Part6ColH_3);
    FLD(CFloatField, fld_Part6ColI_3);
    FLD(CFloatField, fld_Part6ColJ_3);
    FLD(CFloatField, fld_Part6ColK_3);
    FLD(CFloatField, fld_Part6ColG_4);
    FLD(CFloatField, fld_Part6ColH_4);
    FLD(CFloatField, fld_Part6ColI_4);
    FLD(CFloatField, fld_Part6ColJ_4);
    FLD(CFloatField, fld_Part6ColK_4);
    FLD(CFloatField, fld_Part6ColG_5);
    FLD(CFloatField, fld_Part6ColH_5);
    FLD(CFloatField, fld_Part6ColI_5);
    FLD(CFloatField, fld_Part6ColJ_5);
    FLD(CFloatField, fld_Part6ColK_5);
    FLD(CFloatField, fld_Part6ColG_6);
    FLD(CFloatField, fld_Part6ColH_6);
    FLD(CFloatField, fld_Part6ColI_6);
    FLD(CFloatField, fld_Part6ColJ_6);
    FLD(CFloatField, fld_Part6ColK_6);
    FLD(CFloatField, fld_Part6ColG_7);
    FLD(CFloatField, fld_Part6ColH_7);
    FLD(CFloatField, fld_Part6ColI_7);
    FLD(CFloatField, fld_Part6ColJ_7);
    FLD(CFloatField, fld_Part6ColK_7);
    FLD(CFloatField, fld_Part6ColG_8);
    FLD(CFloatField, fld_Part6ColH_8);
    FLD(CFloatField, fld_Part6ColI_8);
    FLD(CFloatField, fld_Part6ColJ_8);
    FLD(CFloatField, fld_Part6ColK_8);
    FLD(CFloatField, fld_Part6ColG_9);
    FLD(CFloatField, fld_Part6ColH_9);
    FLD(CFloatField, fld_Part6ColI_9);
    FLD(CFloatField, fld_Part6ColJ_9);
    FLD(CFloatField, fld_Part6ColK_9);
    FLD(CFloatField, fld_Part6ColG_10);
    FLD(CFloatField, fld_Part6ColH_10);
    FLD(CFloatField, fld_Part6ColI_10);
    FLD(CFloatField, fld_Part6ColJ_10);
    FLD(CFloatField, fld_Part6ColK_10);
    FLD(CFloatField, fld_Part6ColG_11);
    FLD(CFloatField, fld_Part6ColH_11);
    FLD(CFloatField, fld_Part6ColI_11);
    FLD(CFloatField, fld_Part6ColJ_11);
    FLD(CFloatField, fld_Part6ColK_11);
    FLD(CFloatField, fld_Part6ColG_12);
    FLD(CFloatField, fld_Part6ColH_12);
    FLD(CFloatField, fld_Part6ColI_12);
    FLD(CFloatField, fld_Part6ColJ_12);
    FLD(CFloatField, fld_Part6ColK_12);
    FLD(CFloatField, fld_Part6AmtL);

    // Period row `row` (1 to 12) of Part 6: its date and amounts, column C
    // to K by letter.
    CFloatField& part6(const char* column, int row) const;
};
