// Schedule 12, minimum tax: net adjusted taxable income (Part 1), the special
// foreign tax credit (Part 2), whether minimum tax applies (Part 3), federal
// tax under minimum tax (Parts 4 and 5), the additional taxes available for
// carryover (Part 6), the carryover applied (Part 7) and the provincial and
// territorial minimum tax chart.
// The host runs, in this order, filling the lines taken from other forms:
//   CalculatePart1BeforeBasicExempt  lines 3A to 40
//   (the basic exemption, line 41)
//   CalculatePart1                   line 42
//   CalculatePart2or3                lines 46 to 66
//   (the base of line 71)
//   CalculateFedTax                  lines 68 to 73
//   CalculateTillEnd                 lines 74 to 89, then lines 96 to 104
//   CalculateProvTax                 chart 3
// Nothing is rounded. Line 99 feeds Schedule 11 line 20; lines 72 and 73
// feed the return's lines 81 and 87 when minimum tax applies.
#pragma once

#include "framework/form.h"
#include "framework/year_figures.h"

class TaxData_Sch12 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch12() : CTaxDataBase01(32) { addFieldOldName("fld_CryOvrApplied", "fld_line71"); }

    int CalculatePart1BeforeBasicExempt();
    int CalculatePart1();
    int CalculatePart2or3();
    int CalculateFedTax();
    int CalculateTillEnd();
    int CalculateMinimumTaxCarryover();
    int CalculateProvTax();
    // Not exempt and line 66 at least 0.009.
    bool isSubjectMinimumTax() const;
    int WriteNetfile(unsigned char purpose, NetfileGenObjParamStruct* ctx) override;

    bool m_isMinTaxExempt = false;  // the trust is not liable to minimum tax; set by the host

    FLD(CStringField, fld_TaxYear, 0, "", 4);
    // Part 1: net adjusted taxable income
    FLD(CFloatField, fld_TaxCapGain);                       // line 1: Schedule 1 line 45
    FLD(CFloatField, fld_Line11T1055);                      // line 2: Form T1055 line 11
    FLD(CFloatField, fld_CapGainAllocToBen);                // line 3: Schedule 9 line 921
    FLD(CFloatField, fld_CapGainInTrust, Computed);         // line 3A
    FLD(CBoolField, fld_ConvRate_overwrite);                //         the user replaces the rate
    FLD(CFloatField, fld_ConvRate, Decimals(4), year_figures::kMinTaxConversionRate);                  // line 3B
    FLD(CFloatField, fld_Line4, Computed);                  // line 4
    FLD(CFloatField, fld_Line5);                            // line 5: Schedule 1A
    FLD(CFloatField, fld_Line7, Computed);                  // line 7
    FLD(CFloatField, fld_12030, 0, 0.0, 12030, 1, 0, 0, 0x10000);    // line 8
    FLD(CFloatField, fld_12050, Record(C), 0.0, 12050);     // line 9
    FLD(CFloatField, fld_12060, Record(C), 0.0, 12060);     // line 10
    FLD(CFloatField, fld_RentalLossCCA, Computed);          // line 11
    FLD(CFloatField, fld_12080, Record(C), 0.0, 12080);     // line 12
    FLD(CFloatField, fld_12090, Record(C), 0.0, 12090);     // line 13
    FLD(CFloatField, fld_FilmLossCCA, Computed);            // line 14
    FLD(CFloatField, fld_12110, Record(C), 0.0, 12110);     // line 15
    FLD(CFloatField, fld_12120, Record(C), 0.0, 12120);     // line 16
    FLD(CFloatField, fld_12130, Record(C), 0.0, 12130);     // line 17
    FLD(CFloatField, fld_TotalResInc, Computed);            // line 18
    FLD(CFloatField, fld_ResLoss, Computed);                // line 19
    FLD(CFloatField, fld_12160, Record(C), 0.0, 12160);     // line 20
    FLD(CFloatField, fld_12170, Record(C), 0.0, 12170);     // line 21
    FLD(CFloatField, fld_after_12170, Computed);            // line 22
    FLD(CFloatField, fld_GrossUpDiv);                       // line 23: return line 49
    FLD(CFloatField, fld_CapGainRedu);                      // line 24: return line 13
    FLD(CFloatField, fld_CapGainReduAddback);               // line 25: return line 55
    FLD(CFloatField, fld_Line26, Computed);                 // line 26
    FLD(CFloatField, fld_OrigTaxInc);                       // line 27: taxable income
    FLD(CFloatField, fld_12220, Record(C), 0.0, 12220);     // line 28A
    FLD(CFloatField, fld_12221, Record(C), 0.0, 12221);     // line 28B
    FLD(CFloatField, fld_Line29);                           // line 29
    FLD(CFloatField, fld_Line31, Computed);                 // line 31
    FLD(CFloatField, fld_12240, Record(C), 0.0, 12240);     // line 32: return line 52
    FLD(CFloatField, fld_Line33, Computed);                 // line 33
    FLD(CFloatField, fld_IntrExp);                          // line 34: Schedule 8 line 13
    FLD(CFloatField, fld_PrumLifeIns);                      // line 35
    FLD(CFloatField, fld_FinExp);                           // line 36
    FLD(CFloatField, fld_Line37, Computed);                 // line 37
    FLD(CFloatField, fld_12241, Record(C), 0, 0.0, 12241, 1, 0, 0, 0x10000);  // line 39
    FLD(CFloatField, fld_AdjTaxInc, Computed);              // line 40
    FLD(CBoolField, fld_12260_overwrite);                   //         the user replaces the exemption
    FLD(CFloatField, fld_12260, Record(C), 0.0, 12260);     // line 41: basic exemption
    FLD(CFloatField, fld_12270, Record(C), 0, 0.0, 12270, 1, 0, 0, 0x10000);  // line 42
    // Part 2: special foreign tax credit
    FLD(CFloatField, fld_FrgnNonBusiInc);                   // line 43
    FLD(CFloatField, fld_FrgnBusiInc);                      // line 44
    FLD(CFloatField, fld_12280, Record(C), 0.0, 12280);     // line 45
    FLD(CFloatField, fld_TotalFrgnInc, Computed);           // line 46
    FLD(CFloatField, fld_FrgnIncLimit, Computed);           // line 48
    FLD(CFloatField, fld_FrgnNonBusiIncTax);                // line 49, first box: Form T3 FFT line 1
    FLD(CFloatField, fld_temp34, Computed);                 // line 49
    FLD(CFloatField, fld_FrgnBusiIncTax);                   // line 50: Form T3 FFT line 4
    FLD(CFloatField, fld_FrgnTaxSpecialCredit, Computed);   // line 51
    FLD(CFloatField, fld_FrgnLesserAmt, Computed);          // line 52
    FLD(CFloatField, fld_FrgnTaxCredit);                    // line 53: Form T3 FFT line 12
    FLD(CFloatField, fld_12290, Record(C), 0, 0.0, 12290, 1, 0, 0, 0x10000);  // line 54
    // Part 3: obligation to pay
    FLD(CFloatField, fld_AdjIncAMT, Computed);              // line 55, first box
    FLD(CFloatField, fld_TaxForAdjIncAMT, Computed);        // line 55
    FLD(CFloatField, fld_DonaTCSch11);                      // line 56: Schedule 11 line 17
    FLD(CFloatField, fld_DonaTC, Computed);                 // line 58
    FLD(CFloatField, fld_LogginTaxCredit);                  // line 59: Schedule 11 lines 28 and 30
    FLD(CFloatField, fld_MinAmt, Computed);                 // line 60: minimum amount
    FLD(CFloatField, fld_From12290, Computed);              // line 61
    FLD(CFloatField, fld_12340, 0, 0.0, 12340, 1, 0, 0, 0x10000);    // line 62
    FLD(CFloatField, fld_FedTaxPayable);                    // line 63: Schedule 11 line 34
    FLD(CFloatField, fld_SurTax48Pcnt);                     // line 64: Schedule 11 line 22
    FLD(CFloatField, fld_FedTaxB4Surtax, Computed);         // line 65
    FLD(CFloatField, fld_AmtMoreFedTax, Computed);          // line 66
    // Parts 4 and 5: federal tax
    FLD(CFloatField, fld_BasicFedTaxSch11);                 // line 67: Schedule 11 line 21
    FLD(CFloatField, fld_MinAmtTemp50, Computed);           // line 68
    FLD(CFloatField, fld_BasicFedTax, Computed);            // line 69
    FLD(CFloatField, fld_MinTaxTemp52, Computed);           // line 70
    FLD(CFloatField, fld_SurTaxNotSbj);                     // line 71, first box
    FLD(CFloatField, fld_SurTaxNotSbjCalc, Computed);       // line 71
    FLD(CFloatField, fld_12550, Record(C), 0, 0.0, 12550, 1, 0, 0, 0x10000);  // line 72
    FLD(CFloatField, fld_temp55from51, Computed);           // line 73, first box
    FLD(CFloatField, fld_RefQCRebate, Computed);            // line 73
    // Part 6: additional taxes for carryover
    FLD(CFloatField, fld_from42, Computed);                 // line 74
    FLD(CFloatField, fld_basicFed, Computed);               // line 75
    FLD(CFloatField, fld_TCT2038);                          // line 76
    FLD(CFloatField, fld_TCPolCntr);                        // line 77
    FLD(CFloatField, fld_TCEnvTrst);                        // line 78
    FLD(CFloatField, fld_TCLogging);                        // line 79
    FLD(CFloatField, fld_TCTotalFed, Computed);             // line 80
    FLD(CFloatField, fld_specialForeign, Computed);         // line 81
    FLD(CFloatField, fld_deductFromForeign, Computed);      // line 82
    FLD(CFloatField, fld_line60, Computed);                 // line 83
    FLD(CFloatField, fld_line61, Computed);                 // line 84
    FLD(CFloatField, fld_line62, Computed);                 // line 85
    FLD(CFloatField, fld_line63, Computed);                 // line 86
    FLD(CFloatField, fld_line64A, Computed);                // line 87A
    FLD(CFloatField, fld_line64B, Computed, Decimals(4));   // line 87B: a ratio
    FLD(CFloatField, fld_line64, Computed);                 // line 87
    FLD(CFloatField, fld_line65, Computed);                 // line 88
    FLD(CFloatField, fld_12670, Record(C), 0, 0.0, 12670, 1, 0, 0, 0x10000);  // line 89
    // Part 7: carryover
    FLD(CFloatField, fld_12680, Record(C), 0.0, 12680);     // line 90
    FLD(CFloatField, fld_payableB4Carryover);               // line 91: Schedule 11 line 19
    FLD(CFloatField, fld_B4T2038);                          // line 92
    FLD(CFloatField, fld_B4PolCntr);                        // line 93
    FLD(CFloatField, fld_B4EnvTrst);                        // line 94
    FLD(CFloatField, fld_B4Logging);                        // line 95
    FLD(CFloatField, fld_TotalTaxB4Carryover, Computed);    // line 96
    FLD(CFloatField, fld_line69, Computed);                 // line 97
    FLD(CFloatField, fld_line70, Computed);                 // line 98
    FLD(CBoolField, fld_ws_overwrite_line71);               //         the user sets line 99
    FLD(CFloatField, fld_CryOvrApplied);                    // line 99: Schedule 11 line 20
    FLD(CFloatField, fld_line72, Computed);                 // line 100
    FLD(CFloatField, fld_line73, Computed);                 // line 101
    FLD(CFloatField, fld_line74, Computed);                 // line 102
    FLD(CFloatField, fld_12760, Record(C), 0.0, 12760);     // line 103
    FLD(CFloatField, fld_12690, Record(C), 0, 0.0, 12690, 1, 0, 0, 0x10000);  // line 104
    // Chart 3: provincial and territorial minimum tax
    FLD(CFloatField, fld_nl_line66, Computed);
    FLD(CFloatField, fld_nl_amt, Computed);
    FLD(CFloatField, fld_ns_line66, Computed);
    FLD(CFloatField, fld_ns_amt, Computed);
    FLD(CFloatField, fld_nb_line56, Computed);
    FLD(CFloatField, fld_nb_line57, Computed);
    FLD(CFloatField, fld_nb_1, Computed);
    FLD(CFloatField, fld_nb_amt, Computed);
    FLD(CFloatField, fld_pe_line66, Computed);
    FLD(CFloatField, fld_pe_amt, Computed);
    FLD(CFloatField, fld_on_amt);                           // the Ontario calculation or the user
    FLD(CFloatField, fld_mb_line56, Computed);
    FLD(CFloatField, fld_mb_line57, Computed);
    FLD(CFloatField, fld_mb_1, Computed);
    FLD(CFloatField, fld_mb_amt, Computed);
    FLD(CFloatField, fld_sk_line56, Computed);
    FLD(CFloatField, fld_sk_line57, Computed);
    FLD(CFloatField, fld_sk_1, Computed);
    FLD(CFloatField, fld_sk_amt, Computed);
    FLD(CFloatField, fld_ab_line56, Computed);
    FLD(CFloatField, fld_ab_line57, Computed);
    FLD(CFloatField, fld_ab_1, Computed);
    FLD(CFloatField, fld_ab_amt, Computed);
    FLD(CFloatField, fld_bc_line66, Computed);
    FLD(CFloatField, fld_bc_amt, Computed);
    FLD(CFloatField, fld_nu_line66, Computed);
    FLD(CFloatField, fld_nu_amt, Computed);
    FLD(CFloatField, fld_nt_line66, Computed);
    FLD(CFloatField, fld_nt_amt, Computed);
    FLD(CFloatField, fld_yk_line66, Computed);
    FLD(CFloatField, fld_yk_amt, Computed);
};
