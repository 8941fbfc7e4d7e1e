// Schedule 10, Part XII.2 tax and Part XIII non-resident withholding tax
// (Parts A and B, with the taxable Canadian property gains chart), and Part C,
// Part II.2 tax on repurchases of equity. Line 12 is line 83 of the return,
// line 53 its line 80.
#pragma once

#include "framework/form.h"

class TaxData_Sch10 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch10() : CTaxDataBase01(31) {}
    int Calculate01();       // lines 6 and 9, Part C
    int CalculatePartsAB();  // lines 11 to 14, 17, 21 and 22

    // Part A: Part XII.2 tax
    FLD(CFloatField, fld_10010, Record(W));           // line 1: income from Canadian businesses
    FLD(CFloatField, fld_10020, Record(W));           // line 2: Canadian real property
    FLD(CFloatField, fld_10030, Record(W));           // line 3: timber resource property
    FLD(CFloatField, fld_10040, Record(W));           // line 4: Canadian resource property
    FLD(CFloatField, fld_10050, Record(W));           // line 5: taxable capital gains
    FLD(CFloatField, fld_TotalIncome, Computed);      // line 6
    FLD(CFloatField, fld_ResBeneficiaries);           // line 7: Schedule 9 line 928, column 1
    FLD(CFloatField, fld_NonResBeneficiaries);        // line 8: Schedule 9 line 928, column 2
    FLD(CFloatField, fld_Subtotal_1, Computed);       // line 9
    FLD(CFloatField, fld_TaxableBenefit);             // line 10: taxable benefits (line 43 of the return)
    FLD(CFloatField, fld_Adjusted, Computed);         // line 11
    FLD(CFloatField, fld_b4Rate40Pcnt, Computed);     // line 12, first box
    FLD(CFloatField, fld_TaxPayable, Computed);       // line 12: Part XII.2 tax payable
    FLD(CFloatField, fld_IncAllocBene);               // income allocated to designated beneficiaries
    FLD(CFloatField, fld_Line13, Computed);           // line 13
    FLD(CFloatField, fld_FromLine11, Computed);
    FLD(CFloatField, fld_Credit, Computed);           // line 14: refundable Part XII.2 tax credit
    // Part B: Part XIII non-resident withholding tax
    FLD(CStringField, fld_10200, 0, "", 9, 0x10000);  // payer's remittance number
    FLD(CFloatField, fld_b4_10210);                   // line 15
    FLD(CFloatField, fld_10210, Record(W));           // line 16: adjustment for non-cash items
    FLD(CFloatField, fld_after10210, Computed);       // line 17
    FLD(CFloatField, fld_10230, Record(W));           // line 18
    FLD(CFloatField, fld_10240, Record(W));           // line 19
    FLD(CFloatField, fld_10250, Record(W));           // line 20
    FLD(CFloatField, fld_Line13FromA, Computed);      // line 21
    FLD(CFloatField, fld_SubtotalB, Computed);        // line 22
    FLD(CFloatField, fld_NonResDistGains);
    FLD(CFloatField, fld_NonResTaxableAmt);
    FLD(CFloatField, fld_NonResTaxPayable);
    FLD(CFloatField, fld_NonResRemitted);
    FLD(CFloatField, fld_10280);
    // Taxable Canadian property gains chart
    FLD(CFloatField, fld_TCPBalancePrev);
    FLD(CFloatField, fld_TCPCapGain);
    FLD(CFloatField, fld_TCPGainsRecd);
    FLD(CFloatField, fld_TCPGainsSubtotal);
    FLD(CFloatField, fld_NonResLoss);
    FLD(CFloatField, fld_TCPBalance);
    FLD(CFloatField, fld_TCPBalanceGain);
    FLD(CFloatField, fld_TCCDesignated);
    FLD(CFloatField, fld_TCCDesignatedAll);
    FLD(CFloatField, fld_ProDataRatio, Decimals(4));
    FLD(CFloatField, fld_NonResProRata);
    FLD(CFloatField, fld_NonResTCPGains);
    FLD(CFloatField, fld_TCCDesignated_2);
    FLD(CFloatField, fld_NonResTCPGains_1);
    FLD(CFloatField, fld_Line42);
    FLD(CFloatField, fld_NonResCCPart8);
    FLD(CFloatField, fld_TCPBalanceAgain);
    FLD(CFloatField, fld_TCCDesignatedAll_1);
    FLD(CFloatField, fld_Line45);
    FLD(CFloatField, fld_TCPGainsAll);
    FLD(CFloatField, fld_TCPGainsBalance);
    // Part C: Part II.2 tax on repurchases of equity
    FLD(CFloatField, fld_10300, Record(W));           // line 48: fair market value of equity redeemed
    FLD(CFloatField, fld_10310_A);
    FLD(CFloatField, fld_10310_B);
    FLD(CFloatField, fld_10310, Record(W), Computed);  // line 49: A minus B, at least 0
    FLD(CFloatField, fld_after_10310, Computed);       // line 50
    FLD(CFloatField, fld_10320_C);
    FLD(CFloatField, fld_10320_D);
    FLD(CFloatField, fld_10320, Record(W), Computed);  // line 51: C plus D
    FLD(CFloatField, fld_after_10320, Computed);       // line 52
    FLD(CFloatField, fld_Part2_2Tax, Computed);        // line 53: Part II.2 tax
};
