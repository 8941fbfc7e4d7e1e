// Form T3 FFT, federal foreign tax credits of a trust (lines 1 to 12), with
// the provincial foreign tax credit on non-business income. The host fills
// basic federal tax (Schedule 11 line 21), the surtax (Schedule 11 line 22)
// and net income (line 50 of the return) before CalculateFed.
#pragma once

#include "framework/form.h"

class TaxData_ForeignTaxCredit : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_ForeignTaxCredit() : CTaxDataBase01(62) {}
    int CalculateFed();
    int CalculateProv();
    // Records 22091 to 22094 of the filing, under codes offset by n
    // (efile/foreigntaxcredit_records.cpp).
    int WriteJsonFile(unsigned char purpose, int n, NetfileGenObjParamStruct* ctx);

    FLD(CBoolField, fld_ws_overwrite, false, 0x10000);
    FLD(CStringField, fld_Country, 0, "", 40, 0x10000);
    // Non-business income tax credit
    FLD(CFloatField, fld_22091);                      // line 1: non-business income tax paid
    FLD(CFloatField, fld_22092);                      // net foreign non-business income
    FLD(CFloatField, fld_NonBusiBasicFedTax);         // basic federal tax
    FLD(CFloatField, fld_NonBusiLine2, Computed);     // line 2
    FLD(CFloatField, fld_NonBusiNetInc);              // net income
    FLD(CFloatField, fld_NonBusiTC, Computed);        // line 3: lesser of lines 1 and 2
    // Business income tax credit
    FLD(CFloatField, fld_22093);                      // line 4: business income tax paid
    FLD(CFloatField, fld_22094);                      // net foreign business income
    FLD(CFloatField, fld_BusiBasicFedTax);            // basic federal tax
    FLD(CFloatField, fld_BusiLine5, Computed);        // line 5
    FLD(CFloatField, fld_BusiNetInc);                 // net income
    FLD(CFloatField, fld_BusiFedSurtax);              // line 6: surtax (Schedule 11 line 22)
    FLD(CFloatField, fld_BusiLine7, Computed);        // line 7: lines 5 and 6
    FLD(CFloatField, fld_BusiLine8, Computed);        // line 8: basic federal tax plus surtax
    FLD(CFloatField, fld_Line3Again, Computed);       // line 9: line 3
    FLD(CFloatField, fld_Busiline10, Computed);       // line 10: line 8 minus line 9, at least 0
    FLD(CFloatField, fld_BusiTC, Computed);           // line 11: least of lines 4, 7 and 10
    FLD(CFloatField, fld_FedForeignTC, Computed);     // line 12: lines 3 and 11
    // Provincial foreign tax credit
    FLD(CStringField, fld_Country_prov, 0, "", 80, 0x10000);
    FLD(CFloatField, fld_ProvLine1, Computed);        // line 1: non-business income tax paid
    FLD(CFloatField, fld_ProvLine2, Computed);        // line 2: federal non-business credit
    FLD(CFloatField, fld_ProvTCMax, Computed);        // line 3: line 1 minus line 2, at least 0
    FLD(CFloatField, fld_ProvNonBusiInc, Computed);   // net foreign non-business income
    FLD(CFloatField, fld_ProvBasicTax);               // provincial tax otherwise payable
    FLD(CFloatField, fld_ProvLine4, Computed);        // line 4
    FLD(CFloatField, fld_ProvNetInc, Computed);       // net income
    FLD(CFloatField, fld_ProvTaxCredit, Computed);    // lesser of lines 3 and 4
};
