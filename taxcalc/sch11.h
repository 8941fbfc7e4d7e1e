// Schedule 11, federal income tax: taxable income to federal tax payable.
//
// Graduated rate estates and qualified disability trusts use the bracket
// chart (lines 2 to 8); every other trust pays the flat top rate (line 9).
// The host runs the steps in this order, filling inputs between them:
//   CalculateToBasicFedTax          lines 1 to 16
//   CalculateAfter_Sch11A_Donation  lines 17 to 21 and the Quebec abatement
//                                   (needs m_donationCredit from Schedule 11A
//                                   and fld_11130 from Schedule 12)
//   CalculateBeforeFFT              lines 22 and 23 (needs fld_Line20Part)
//   CalculateToEnd                  lines 26 and 31 to 34 (needs the credits)
// Nothing is rounded; every step recomputes its outputs from its inputs.
// Several field names are one behind the page's line numbers (fld_Line16 is
// line 17, fld_Line20Part line 22, fld_Line22 line 23, fld_Line31 line 32,
// fld_Line34A line 35).
#pragma once

#include "framework/form.h"
#include "framework/taxstairs.h"

class TaxData_Sch11 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch11();

    // Federal brackets, shared by every object, filled by the first one.
    static STRUCT_TAX_STAIRS_JURISDICTION m_taxStairs;
    static int initTaxStairs();

    // Federal political contribution tax credit (line 26) for contributions.
    static double politicalCredit(double contributions);

    int privCalcTaxRaw();
    int CalculateToBasicFedTax();
    int CalculateAfter_Sch11A_Donation();
    int CalculatePoliticalDonation();
    int CalculateBeforeFFT();
    int CalculateToEnd();
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    // Netfile records (efile/sch11_netfile.cpp).

    // Chart line (2, 4, 6 or 8) of column 1 to 5; nullptr for any other.
    CFloatField* chartField(int line, int column);

    bool m_isGraduatedRate = false;  // GRE or QDT: graduated rates
    double m_donationCredit = 0.0;   // Schedule 11A line 30
    bool m_skipFlatRateTax = false;  // leave line 9 and line 10 as they are

    // Step 1: tax on taxable income
    FLD(CFloatField, fld_taxinc, Computed);       // line 1
    FLD(CFloatField, fld_33_1, Computed);         // line 2, columns 1-5
    FLD(CFloatField, fld_33_2, Computed);
    FLD(CFloatField, fld_33_3, Computed);
    FLD(CFloatField, fld_33_4, Computed);
    FLD(CFloatField, fld_33_5, Computed);
    FLD(CFloatField, fld_35_1, Computed);         // line 4: over the threshold
    FLD(CFloatField, fld_35_2, Computed);
    FLD(CFloatField, fld_35_3, Computed);
    FLD(CFloatField, fld_35_4, Computed);
    FLD(CFloatField, fld_35_5, Computed);
    FLD(CFloatField, fld_37_1, Computed);         // line 6: at the column's rate
    FLD(CFloatField, fld_37_2, Computed);
    FLD(CFloatField, fld_37_3, Computed);
    FLD(CFloatField, fld_37_4, Computed);
    FLD(CFloatField, fld_37_5, Computed);
    FLD(CFloatField, fld_39_1, Computed);         // line 8: plus the base tax
    FLD(CFloatField, fld_39_2, Computed);
    FLD(CFloatField, fld_39_3, Computed);
    FLD(CFloatField, fld_39_4, Computed);
    FLD(CFloatField, fld_39_5, Computed);
    FLD(CFloatField, fld_line1, Computed);        // line 9, first box
    FLD(CFloatField, fld_line9, Computed);        // line 9: flat 33 %
    // Step 2: federal tax
    FLD(CFloatField, fld_11080, Record(C), 1, 0.0, 11080, 0, 0, 0, 0x10000);    // line 10
    FLD(CFloatField, fld_11100, Record(C), 1, 0.0, 11100, 0, 0, 0, 0x10000);    // line 11: recovery tax (T3QDT-WS)
    FLD(CFloatField, fld_11101, Record(C), 1, 0.0, 11101, 0, 0, 0, 0x10000);    // line 12A: T1098 additional tax
    FLD(CFloatField, fld_11102, Record(C), 1, 0.0, 11102, 0, 0, 0, 0x10000);    // line 12B: ITC recapture
    FLD(CFloatField, fld_after_11100, Computed);  // line 13
    FLD(CFloatField, fld_EligibleDiv, 0.0, 0);                       // line 14 base: Sch 8 line 24
    FLD(CFloatField, fld_11108, Record(C), 0, 0.0, 11108, 1, 0, 0, 0x10000);    // line 14
    FLD(CFloatField, fld_NonEligibleDiv, 0.0, 0);                    // line 15 base: Sch 8 line 31
    FLD(CFloatField, fld_11109, Record(C), 0, 0.0, 11109, 1, 0, 0, 0x10000);    // line 15
    FLD(CFloatField, fld_11110, 0, 0.0, 11110, 1, 0, 0, 0x10000);    // line 16
    FLD(CFloatField, fld_Line16, 0.0, 0);                            // line 17: donations credit used
    FLD(CFloatField, fld_TotalCredit, Computed);  // line 18
    FLD(CFloatField, fld_AfterCredit, 0.0, 0);                       // line 19 (may be negative)
    FLD(CFloatField, fld_11130, Record(C), 0, 0.0, 11130, 1, 0, 0, 0x10000);    // line 20: Sch 12 line 99
    FLD(CFloatField, fld_BasicTax, Computed);     // line 21
    FLD(CFloatField, fld_Line20Part, 0.0, 0);                        // line 22 base
    FLD(CFloatField, fld_11160, Record(C), 0, 0.0, 11160, 1, 0, 0, 0x10000);    // line 22: 48 % surtax
    FLD(CFloatField, fld_Line22, Computed);       // line 23
    FLD(CFloatField, fld_Line22Again, Computed);  // line 23 on page 2
    FLD(CFloatField, fld_11180, Record(C), 0.0, 11180);                         // line 24: T3 FFT
    FLD(CFloatField, fld_11191, Record(W), 0.0, 11191);                         // line 25: political contributions
    FLD(CFloatField, fld_11190, Record(C), 0, 0.0, 11190, 1, 0, 0, 0x10000);    // line 26
    FLD(CFloatField, fld_11200, Record(C), 0.0, 11200);                         // line 27: T2038(IND)
    FLD(CFloatField, fld_11210, Record(C), 0.0, 11210);                         // line 28: BC logging
    FLD(CFloatField, fld_11213, Record(C), 0.0, 11213);                         // line 29: environmental trust
    FLD(CFloatField, fld_11214, Record(C), 0.0, 11214);                         // line 30: Quebec logging
    FLD(CFloatField, fld_after_11214, Computed);  // line 31
    FLD(CFloatField, fld_Line31, Computed);       // line 32, floored
    FLD(CFloatField, fld_FromT1172, 0.0, 0);                         // line 33
    FLD(CFloatField, fld_FedTaxPayable, Computed);  // line 34
    FLD(CFloatField, fld_Line34A, 0.0, 0);                           // line 35 base
    FLD(CFloatField, fld_RefQCAbatement, Computed);  // line 35
};
