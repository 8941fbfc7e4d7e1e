// Schedule 9, "Income Allocations and Designations to Beneficiaries".
//
// Each row is a CRA line followed by a column digit: 1 resident, 2
// non-resident, 3 allocated by preferred beneficiary election. Two Part B
// rows keep numbers of their own: line 942 is 9551-9553 and line 947 is
// 9561-9562. In Part C a leading 1/2 marks Period 1/2 of boxes 21, 37 and the
// QFFP part of box 30, and 3/4 Period 1/2 of the QSBCS part of box 30.
//
// Calculate computes only the Part A totals (line 928, which the return
// deducts on line 471) and the dividend gross-up and credit lines; every
// other line is entered, or filled by autoSetAllAllocation.
//
// The automatic allocation fills column 1 from the T3 return and the slip
// sums last passed by copySlipCalcAmount. Without a return passed (a new or
// just loaded schedule) the lines taken from the return (921, 923, 926, 949)
// are left as they are and the slip sums are still stored: the slip sums are
// the schedule's own copy, while an empty return must not be read as zeros.
#pragma once

#include "framework/form.h"
#include "framework/slipcalc.h"

class TaxData_T3Ret;

class TaxData_Sch9 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch9() : CTaxDataBase01(28) {}

    int Calculate();
    // Sum of all three columns of CRA line 921, 923 or 949, or of the line 928
    // totals for 471 (the return's line); 0.0 for any other line. The column
    // argument is not used.
    double getRowAmount(int line, int column);
    // Keeps the return and the five slip sums for the automatic allocation.
    int copySlipCalcAmount(STRU_SLIPDATA_CALCULATION& slips, TaxData_T3Ret* ret);
    int autoSetAllAllocation();
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    // Netfile records (efile/sch9_netfile.cpp).

    // Working copy from the last copySlipCalcAmount: in memory only.
    struct SlipSums {
        double foreignNonBusinessIncome = 0.0;   // to line 925
        double foreignNonBusinessTaxPaid = 0.0;  // to line 934
        double foreignBusinessIncome = 0.0;      // to line 924
        double foreignBusinessTaxPaid = 0.0;     // to line 933
        double costBaseAdjustment = 0.0;         // to line 942
    };
    TaxData_T3Ret* m_t3Ret = nullptr;
    SlipSums m_slipSums;

    // Questions 1 to 7
    FLD(CFloatField, fld_9001, Record(W), Decimals(0), 0.0, 9001);
    FLD(CFloatField, fld_9002, Record(W), 0.0, 9002);
    FLD(CFloatField, fld_9003, Record(W), 0.0, 9003);
    FLD(CFloatField, fld_9004, Record(W), 0.0, 9004);
    FLD(CIntField, fld_9005, Record(Y), 9005, -1, 0x10000);
    FLD(CIntField, fld_9006, Record(Y), 9006, -1, 0x10000);
    FLD(CIntField, fld_9007, Record(Y), 9007, -1, 0x10000);
    FLD(CBoolField, fld_ws_bAutoAlloc, false, 0x10000);  // "Always Allocate All"

    // Part A: income allocated
    FLD(CFloatField, fld_9211, Record(W), 0.0, 9211);  // 921 box 21 taxable capital gains
    FLD(CFloatField, fld_9212, Record(W), 0.0, 9212);
    FLD(CFloatField, fld_9213, Record(W), 0.0, 9213);
    FLD(CFloatField, fld_9221, Record(W), 0.0, 9221);  // 922 box 22 lump-sum pension (no column 3)
    FLD(CFloatField, fld_9222, Record(W), 0.0, 9222);
    FLD(CFloatField, fld_9231, Record(W), 0.0, 9231);  // 923 box 23 other than eligible dividends
    FLD(CFloatField, fld_9232, Record(W), 0.0, 9232);
    FLD(CFloatField, fld_9233, Record(W), 0.0, 9233);
    FLD(CFloatField, fld_9241, Record(W), 0.0, 9241);  // 924 box 24 foreign business income
    FLD(CFloatField, fld_9242, Record(W), 0.0, 9242);
    FLD(CFloatField, fld_9243, Record(W), 0.0, 9243);
    FLD(CFloatField, fld_9251, Record(W), 0.0, 9251);  // 925 box 25 foreign non-business income
    FLD(CFloatField, fld_9252, Record(W), 0.0, 9252);
    FLD(CFloatField, fld_9253, Record(W), 0.0, 9253);
    FLD(CFloatField, fld_9261, Record(W), 0.0, 9261);  // 926 box 26 other income
    FLD(CFloatField, fld_9262, Record(W), 0.0, 9262);
    FLD(CFloatField, fld_9263, Record(W), 0.0, 9263);
    FLD(CFloatField, fld_9491, Record(W), 0.0, 9491);  // 949 box 49 eligible dividends
    FLD(CFloatField, fld_9492, Record(W), 0.0, 9492);
    FLD(CFloatField, fld_9493, Record(W), 0.0, 9493);
    FLD(CFloatField, fld_total_A_resident, Computed);  // 928
    FLD(CFloatField, fld_total_A_nonresident, Computed);
    FLD(CFloatField, fld_total_A_elect, Computed);

    // Part B: other amounts designated
    FLD(CFloatField, fld_9301, Record(W), 0.0, 9301);  // 930 box 30 gains eligible for deduction
    FLD(CFloatField, fld_9302, Record(W), 0.0, 9302);
    FLD(CFloatField, fld_9303, Record(W), 0.0, 9303);
    FLD(CFloatField, fld_9311, Record(W), 0.0, 9311);  // 931 box 31 qualifying pension income
    FLD(CFloatField, fld_9321, Record(W), 0.0, 9321);  // 932 box 32 taxable other than eligible dividends
    FLD(CFloatField, fld_9323, Record(W), 0.0, 9323);
    FLD(CFloatField, fld_9331, Record(W), 0.0, 9331);  // 933 box 33 foreign business tax paid
    FLD(CFloatField, fld_9332, Record(W), 0.0, 9332);
    FLD(CFloatField, fld_9333, Record(W), 0.0, 9333);
    FLD(CFloatField, fld_9341, Record(W), 0.0, 9341);  // 934 box 34 foreign non-business tax paid
    FLD(CFloatField, fld_9342, Record(W), 0.0, 9342);
    FLD(CFloatField, fld_9343, Record(W), 0.0, 9343);
    FLD(CFloatField, fld_9351, Record(W), 0.0, 9351);  // 935 box 35 eligible death benefits
    FLD(CFloatField, fld_9352, Record(W), 0.0, 9352);
    FLD(CFloatField, fld_9361, Record(W), 0.0, 9361);  // 937 box 37 segregated fund capital losses
    FLD(CFloatField, fld_9362, Record(W), 0.0, 9362);
    FLD(CFloatField, fld_9381, Record(W), 0.0, 9381);  // 938 box 38 Part XII.2 tax credit
    FLD(CFloatField, fld_9391, Record(W), 0.0, 9391);  // 939 box 39 credit, other than eligible dividends
    FLD(CFloatField, fld_9393, Record(W), 0.0, 9393);
    FLD(CFloatField, fld_9401, Record(W), 0, 0.0, 9401, 0, 0, 0, 0x10000);  // 940 box 40 ITC costs
    FLD(CFloatField, fld_9402, Record(W), 0, 0.0, 9402, 0, 0, 0, 0x10000);
    FLD(CFloatField, fld_9403, Record(W), 0, 0.0, 9403, 0, 0, 0, 0x10000);
    FLD(CFloatField, fld_9411, Record(W), 0, 0.0, 9411, 0, 0, 0, 0x10000);  // 941 box 41 ITC
    FLD(CFloatField, fld_9412, Record(W), 0, 0.0, 9412, 0, 0, 0, 0x10000);
    FLD(CFloatField, fld_9413, Record(W), 0, 0.0, 9413, 0, 0, 0, 0x10000);
    FLD(CFloatField, fld_9551, Record(W), 0, 0.0, 9551, 0, 0, 0, 0x10000);  // 942 box 42 cost base adjustment
    FLD(CFloatField, fld_9552, Record(W), 0, 0.0, 9552, 0, 0, 0, 0x10000);
    FLD(CFloatField, fld_9553, Record(W), 0, 0.0, 9553, 0, 0, 0, 0x10000);
    FLD(CFloatField, fld_9451, Record(W), 0.0, 9451);  // 945 box 45 other credits
    FLD(CFloatField, fld_9452, Record(W), 0.0, 9452);
    FLD(CFloatField, fld_9461, Record(W), 0.0, 9461);  // 946 box 46 pension for an annuity for a minor
    FLD(CFloatField, fld_9462, Record(W), 0.0, 9462);
    FLD(CFloatField, fld_9561, 0.0, 9561);  // 947 box 47 retiring allowance to an RPP or RRSP
    FLD(CFloatField, fld_9562, 0.0, 9562);
    FLD(CFloatField, fld_9481, Record(W), 0.0, 9481);  // 948 box 48 charitable donations
    FLD(CFloatField, fld_9482, Record(W), 0.0, 9482);
    FLD(CFloatField, fld_9501, Record(W), 0.0, 9501);  // 950 box 50 taxable eligible dividends
    FLD(CFloatField, fld_9503, Record(W), 0.0, 9503);
    FLD(CFloatField, fld_9511, Record(W), 0.0, 9511);  // 951 box 51 credit, eligible dividends
    FLD(CFloatField, fld_9513, Record(W), 0.0, 9513);
    FLD(CBoolField, fld_overwrite_9511, false, 0x10000);  // keep column 1 of 932, 939, 950, 951

    // Part C: Period 1 and Period 2 amounts
    FLD(CFloatField, fld_19211, 0.0, 19211);  // 921-1A box 21, Period 1
    FLD(CFloatField, fld_19212, 0.0, 19212);
    FLD(CFloatField, fld_19213, 0.0, 19213);
    FLD(CFloatField, fld_29211, 0.0, 29211);  // 921-1B box 21, Period 2
    FLD(CFloatField, fld_29212, 0.0, 29212);
    FLD(CFloatField, fld_29213, 0.0, 29213);
    FLD(CFloatField, fld_19301, 0.0, 19301);  // 930-1A box 30 QFFP, Period 1
    FLD(CFloatField, fld_19302, 0.0, 19302);
    FLD(CFloatField, fld_19303, 0.0, 19303);
    FLD(CFloatField, fld_29301, 0.0, 29301);  // 930-1B box 30 QFFP, Period 2
    FLD(CFloatField, fld_29302, 0.0, 29302);
    FLD(CFloatField, fld_29303, 0.0, 29303);
    FLD(CFloatField, fld_39301, 0.0, 39301);  // 930-2A box 30 QSBCS, Period 1
    FLD(CFloatField, fld_39302, 0.0, 39302);
    FLD(CFloatField, fld_39303, 0.0, 39303);
    FLD(CFloatField, fld_49301, 0.0, 49301);  // 930-2B box 30 QSBCS, Period 2
    FLD(CFloatField, fld_49302, 0.0, 49302);
    FLD(CFloatField, fld_49303, 0.0, 49303);
    FLD(CFloatField, fld_19371, 0.0, 19371);  // 937-1 box 37, Period 1
    FLD(CFloatField, fld_19372, 0.0, 19372);
    FLD(CFloatField, fld_29371, 0.0, 29371);  // 937-2 box 37, Period 2
    FLD(CFloatField, fld_29372, 0.0, 29372);
};
