// Schedule 21, "Federal and Provincial or Territorial Foreign Income Tax
// Credits and Federal Logging Tax Credit", whose lines follow the T2 return.
//
// Parts 1 and 2: five countries each of non-business and business income;
// Parts 3 and 4: continuity and carryback of the business credits not yet
// claimed; Part 5: federal logging tax credit; Parts 6 to 8: adjusted net
// income and Part I tax otherwise payable (lines 600, 610 and 620, which
// the credit columns of Parts 1 and 2 take); Part 9: provincial or
// territorial foreign tax credit. It writes no Netfile records.
#pragma once

#include "framework/form.h"

class TaxData_Sch21 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch21() : CTaxDataBase01(26) {}

    int Calculate();
    int Validate(unsigned char purpose, std::list<CString>& messages) override;

    static constexpr int kRows = 5;

    // Part 1: foreign non-business income tax credit (country, 110 net
    // income, 120 tax paid, 130 tax deductible, E, F line 600, G line 610,
    // H, 180 credit, credit claimed)
    FLD(CIntField, fld_100_1);
    FLD(CFloatField, fld_110_1);
    FLD(CFloatField, fld_120_1);
    FLD(CFloatField, fld_130_1);
    FLD(CFloatField, fld_Part1_E_1);
    FLD(CFloatField, fld_Part1_F_1);
    FLD(CFloatField, fld_Part1_G_1);
    FLD(CFloatField, fld_Part1_H_1);
    FLD(CFloatField, fld_180_1);
    FLD(CFloatField, fld_non_busi_credit_claimed_1);
    FLD(CIntField, fld_100_2);
    FLD(CFloatField, fld_110_2);
    FLD(CFloatField, fld_120_2);
    FLD(CFloatField, fld_130_2);
    FLD(CFloatField, fld_Part1_E_2);
    FLD(CFloatField, fld_Part1_F_2);
    FLD(CFloatField, fld_Part1_G_2);
    FLD(CFloatField, fld_Part1_H_2);
    FLD(CFloatField, fld_180_2);
    FLD(CFloatField, fld_non_busi_credit_claimed_2);
    FLD(CIntField, fld_100_3);
    FLD(CFloatField, fld_110_3);
    FLD(CFloatField, fld_120_3);
    FLD(CFloatField, fld_130_3);
    FLD(CFloatField, fld_Part1_E_3);
    FLD(CFloatField, fld_Part1_F_3);
    FLD(CFloatField, fld_Part1_G_3);
    FLD(CFloatField, fld_Part1_H_3);
    FLD(CFloatField, fld_180_3);
    FLD(CFloatField, fld_non_busi_credit_claimed_3);
    FLD(CIntField, fld_100_4);
    FLD(CFloatField, fld_110_4);
    FLD(CFloatField, fld_120_4);
    FLD(CFloatField, fld_130_4);
    FLD(CFloatField, fld_Part1_E_4);
    FLD(CFloatField, fld_Part1_F_4);
    FLD(CFloatField, fld_Part1_G_4);
    FLD(CFloatField, fld_Part1_H_4);
    FLD(CFloatField, fld_180_4);
    FLD(CFloatField, fld_non_busi_credit_claimed_4);
    FLD(CIntField, fld_100_5);
    FLD(CFloatField, fld_110_5);
    FLD(CFloatField, fld_120_5);
    FLD(CFloatField, fld_130_5);
    FLD(CFloatField, fld_Part1_E_5);
    FLD(CFloatField, fld_Part1_F_5);
    FLD(CFloatField, fld_Part1_G_5);
    FLD(CFloatField, fld_Part1_H_5);
    FLD(CFloatField, fld_180_5);
    FLD(CFloatField, fld_non_busi_credit_claimed_5);
    FLD(CFloatField, fld_180_total);
    FLD(CFloatField, fld_non_busi_credit_total);

    // Part 2: foreign business income tax credit (country, 210 income, 220
    // tax paid, 230 unused credits, E, F line 600, G line 620, H, I, 280, claimed)
    FLD(CIntField, fld_200_1);
    FLD(CFloatField, fld_210_1);
    FLD(CFloatField, fld_220_1);
    FLD(CFloatField, fld_230_1);
    FLD(CFloatField, fld_Part2_E_1);
    FLD(CFloatField, fld_Part2_F_1);
    FLD(CFloatField, fld_Part2_G_1);
    FLD(CFloatField, fld_Part2_H_1);
    FLD(CFloatField, fld_Part2_I_1);
    FLD(CFloatField, fld_280_1);
    FLD(CFloatField, fld_busi_credit_claimed_1);
    FLD(CIntField, fld_200_2);
    FLD(CFloatField, fld_210_2);
    FLD(CFloatField, fld_220_2);
    FLD(CFloatField, fld_230_2);
    FLD(CFloatField, fld_Part2_E_2);
    FLD(CFloatField, fld_Part2_F_2);
    FLD(CFloatField, fld_Part2_G_2);
    FLD(CFloatField, fld_Part2_H_2);
    FLD(CFloatField, fld_Part2_I_2);
    FLD(CFloatField, fld_280_2);
    FLD(CFloatField, fld_busi_credit_claimed_2);
    FLD(CIntField, fld_200_3);
    FLD(CFloatField, fld_210_3);
    FLD(CFloatField, fld_220_3);
    FLD(CFloatField, fld_230_3);
    FLD(CFloatField, fld_Part2_E_3);
    FLD(CFloatField, fld_Part2_F_3);
    FLD(CFloatField, fld_Part2_G_3);
    FLD(CFloatField, fld_Part2_H_3);
    FLD(CFloatField, fld_Part2_I_3);
    FLD(CFloatField, fld_280_3);
    FLD(CFloatField, fld_busi_credit_claimed_3);
    FLD(CIntField, fld_200_4);
    FLD(CFloatField, fld_210_4);
    FLD(CFloatField, fld_220_4);
    FLD(CFloatField, fld_230_4);
    FLD(CFloatField, fld_Part2_E_4);
    FLD(CFloatField, fld_Part2_F_4);
    FLD(CFloatField, fld_Part2_G_4);
    FLD(CFloatField, fld_Part2_H_4);
    FLD(CFloatField, fld_Part2_I_4);
    FLD(CFloatField, fld_280_4);
    FLD(CFloatField, fld_busi_credit_claimed_4);
    FLD(CIntField, fld_200_5);
    FLD(CFloatField, fld_210_5);
    FLD(CFloatField, fld_220_5);
    FLD(CFloatField, fld_230_5);
    FLD(CFloatField, fld_Part2_E_5);
    FLD(CFloatField, fld_Part2_F_5);
    FLD(CFloatField, fld_Part2_G_5);
    FLD(CFloatField, fld_Part2_H_5);
    FLD(CFloatField, fld_Part2_I_5);
    FLD(CFloatField, fld_280_5);
    FLD(CFloatField, fld_busi_credit_claimed_5);
    FLD(CFloatField, fld_280_total);
    FLD(CFloatField, fld_busi_credit_total);

    // Part 3: continuity of unused foreign business income tax credits
    FLD(CIntField, fld_345_1);
    FLD(CFloatField, fld_Part3_L_1);
    FLD(CFloatField, fld_348_1);
    FLD(CFloatField, fld_350_1);
    FLD(CFloatField, fld_360_1);
    FLD(CFloatField, fld_Part3_P_1);
    FLD(CFloatField, fld_Part3_Q_1);
    FLD(CFloatField, fld_Part3_R_1);
    FLD(CFloatField, fld_380_1);
    FLD(CIntField, fld_345_2);
    FLD(CFloatField, fld_Part3_L_2);
    FLD(CFloatField, fld_348_2);
    FLD(CFloatField, fld_350_2);
    FLD(CFloatField, fld_360_2);
    FLD(CFloatField, fld_Part3_P_2);
    FLD(CFloatField, fld_Part3_Q_2);
    FLD(CFloatField, fld_Part3_R_2);
    FLD(CFloatField, fld_380_2);
    FLD(CIntField, fld_345_3);
    FLD(CFloatField, fld_Part3_L_3);
    FLD(CFloatField, fld_348_3);
    FLD(CFloatField, fld_350_3);
    FLD(CFloatField, fld_360_3);
    FLD(CFloatField, fld_Part3_P_3);
    FLD(CFloatField, fld_Part3_Q_3);
    FLD(CFloatField, fld_Part3_R_3);
    FLD(CFloatField, fld_380_3);
    FLD(CIntField, fld_345_4);
    FLD(CFloatField, fld_Part3_L_4);
    FLD(CFloatField, fld_348_4);
    FLD(CFloatField, fld_350_4);
    FLD(CFloatField, fld_360_4);
    FLD(CFloatField, fld_Part3_P_4);
    FLD(CFloatField, fld_Part3_Q_4);
    FLD(CFloatField, fld_Part3_R_4);
    FLD(CFloatField, fld_380_4);
    FLD(CIntField, fld_345_5);
    FLD(CFloatField, fld_Part3_L_5);
    FLD(CFloatField, fld_348_5);
    FLD(CFloatField, fld_350_5);
    FLD(CFloatField, fld_360_5);
    FLD(CFloatField, fld_Part3_P_5);
    FLD(CFloatField, fld_Part3_Q_5);
    FLD(CFloatField, fld_Part3_R_5);
    FLD(CFloatField, fld_380_5);

    // Part 4: request for carryback of unused credits
    FLD(CIntField, fld_900_1);
    FLD(CFloatField, fld_Part4_U_1);
    FLD(CFloatField, fld_901_1);
    FLD(CFloatField, fld_902_1);
    FLD(CFloatField, fld_903_1);
    FLD(CIntField, fld_900_2);
    FLD(CFloatField, fld_Part4_U_2);
    FLD(CFloatField, fld_901_2);
    FLD(CFloatField, fld_902_2);
    FLD(CFloatField, fld_903_2);
    FLD(CIntField, fld_900_3);
    FLD(CFloatField, fld_Part4_U_3);
    FLD(CFloatField, fld_901_3);
    FLD(CFloatField, fld_902_3);
    FLD(CFloatField, fld_903_3);
    FLD(CIntField, fld_900_4);
    FLD(CFloatField, fld_Part4_U_4);
    FLD(CFloatField, fld_901_4);
    FLD(CFloatField, fld_902_4);
    FLD(CFloatField, fld_903_4);
    FLD(CIntField, fld_900_5);
    FLD(CFloatField, fld_Part4_U_5);
    FLD(CFloatField, fld_901_5);
    FLD(CFloatField, fld_902_5);
    FLD(CFloatField, fld_903_5);

    // Part 5: federal logging tax credit
    FLD(CFloatField, fld_500);
    FLD(CFloatField, fld_510);
    FLD(CFloatField, fld_520);
    FLD(CFloatField, fld_530);
    FLD(CFloatField, fld_Part5_C_1);
    FLD(CFloatField, fld_Part5_E_1);
    FLD(CFloatField, fld_Part5_F_1);
    FLD(CFloatField, fld_Part5_C_2);
    FLD(CFloatField, fld_Part5_E_2);
    FLD(CFloatField, fld_Part5_F_2);
    FLD(CFloatField, fld_Part5_G);
    FLD(CFloatField, fld_Part5_TaxIncCAN);
    FLD(CFloatField, fld_Part5_H);
    FLD(CFloatField, fld_580);

    // Part 6: adjusted net income (line 600)
    FLD(CIntField, fld_Part6IsNotBank, -1, 0x10000);  // 0 not a foreign bank, 1 an authorized foreign bank
    FLD(CFloatField, fld_F300T2);
    FLD(CFloatField, fld_F332T2);
    FLD(CFloatField, fld_FromSection112_113);
    FLD(CFloatField, fld_F350T2);
    FLD(CFloatField, fld_SubTotalAfterF350T2);
    FLD(CFloatField, fld_F355T2);
    FLD(CFloatField, fld_Part6_A);
    FLD(CFloatField, fld_F360T2);
    FLD(CFloatField, fld_IncCanBank);
    FLD(CFloatField, fld_AmtSubPara115);
    FLD(CFloatField, fld_Part6_C);
    FLD(CFloatField, fld_Part6_D);
    FLD(CFloatField, fld_600);

    // Part 7: Part I tax otherwise payable for non-business credits (line 610)
    FLD(CFloatField, fld_F550T2);
    FLD(CFloatField, fld_F608T2);
    FLD(CFloatField, fld_F620T2);
    FLD(CFloatField, fld_F639T2);
    FLD(CFloatField, fld_Part7Subtotal1);
    FLD(CFloatField, fld_F602T2);
    FLD(CFloatField, fld_F604T2);
    FLD(CFloatField, fld_Part7Subtotal2);
    FLD(CFloatField, fld_610);

    // Part 8: Part I tax otherwise payable for business credits (line 620)
    FLD(CFloatField, fld_Line550T2);
    FLD(CFloatField, fld_Line620T2);
    FLD(CFloatField, fld_Line628T2);
    FLD(CFloatField, fld_Line638T2);
    FLD(CFloatField, fld_Line639T2);
    FLD(CFloatField, fld_Part8SubTotal1);
    FLD(CFloatField, fld_Line600T2);
    FLD(CFloatField, fld_Line602T2);
    FLD(CFloatField, fld_620);

    // Part 9: provincial or territorial foreign tax credit
    FLD(CIntField, fld_Part9_prov, 0, 0x10000);
    FLD(CIntField, fld_Part9_country, 0, 0x10000);
    FLD(CFloatField, fld_Part9_A);
    FLD(CFloatField, fld_Part9_B);
    FLD(CFloatField, fld_Part9_C);
    FLD(CFloatField, fld_Part9_D);
    FLD(CFloatField, fld_Part9_E);
    FLD(CFloatField, fld_TaxIncInProv);
    FLD(CFloatField, fld_TaxIncTotalCanada);
    FLD(CFloatField, fld_Part9_F);
    FLD(CFloatField, fld_Part9_G);
    FLD(CPercentField, fld_ProvTaxRate);
    FLD(CFloatField, fld_Part9_H);
    FLD(CFloatField, fld_TaxIncFromT2);
    FLD(CFloatField, fld_Part9_I);
    FLD(CFloatField, fld_Part9_J);
};
