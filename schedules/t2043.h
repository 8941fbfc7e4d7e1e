// Form T2043, "Return of Fuel Charge Proceeds to Farmers Tax Credit", for
// Ontario, Manitoba, Saskatchewan and Alberta.
//
// Chart A works out the eligible farming expenses (line 6, CRA 67061); Chart
// B a province's share of them from its gross farming revenue (lines 1 and
// 2) and its salaries and wages (lines 4 and 5). The credit of each province
// is its eligible expenses at one rate. Part 4 (several farming businesses in
// several provinces) is not claimed here: the calculation clears it.
#pragma once

#include "framework/form.h"

class TaxData_T2043 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_T2043() : CTaxDataBase01(58) {}

    int Calculate01();
    int Validate(unsigned char purpose, std::list<CString>& messages) override;

    FLD(CBoolField, fld_b67062, Record(67062, F));  // several farming businesses in several provinces
    FLD(CFloatField, fld_67061, Record(W));          // total eligible farming expenses (Chart A line 6)
    FLD(CFloatField, fld_67063, Record(W));          // eligible expenses: Ontario
    FLD(CFloatField, fld_67063Credit, Computed);
    FLD(CFloatField, fld_67064, Record(W));          // Manitoba
    FLD(CFloatField, fld_67064Credit, Computed);
    FLD(CFloatField, fld_67065, Record(W));          // Saskatchewan
    FLD(CFloatField, fld_67065Credit, Computed);
    FLD(CFloatField, fld_67066, Record(W));          // Alberta
    FLD(CFloatField, fld_67066Credit, Computed);
    FLD(CFloatField, fld_TotalFarmCredit, Computed);
    FLD(CFloatField, fld_67067);  // Chart B line 1 (gross farming revenue in the province): ON, MB, SK, AB
    FLD(CFloatField, fld_67068);
    FLD(CFloatField, fld_67069);
    FLD(CFloatField, fld_67070);
    FLD(CFloatField, fld_67071);  // Chart B line 4 (salaries and wages in the province): ON, MB, SK, AB
    FLD(CFloatField, fld_67072);
    FLD(CFloatField, fld_67073);
    FLD(CFloatField, fld_67074);
    FLD(CFloatField, fld_67075);  // sum of Chart B line 2
    FLD(CFloatField, fld_67076);  // sum of Chart B line 5

    // Part 4
    FLD(CFloatField, fld_part4_4A, Computed);
    FLD(CFloatField, fld_part4_4B, Computed);
    FLD(CFloatField, fld_part4_4C, Computed);
    FLD(CFloatField, fld_part4_4D, Computed);
    FLD(CFloatField, fld_part4_4E, Computed);

    // Part 5
    FLD(CFloatField, fld_part5_5A, Computed);
    FLD(CFloatField, fld_part5_5B, Computed);
    FLD(CFloatField, fld_67079);  // allocated from partnerships (T5013 box 237): ON, MB, SK, AB
    FLD(CFloatField, fld_67080);
    FLD(CFloatField, fld_67081);
    FLD(CFloatField, fld_67082);
    FLD(CFloatField, fld_part5_5C, Computed);
    FLD(CFloatField, fld_part5_5D, Computed);  // the credit: to line 920 of the return

    // Chart A
    FLD(CFloatField, fld_ChartA_line1);
    FLD(CFloatField, fld_ChartA_line2);
    FLD(CFloatField, fld_ChartA_line3);
    FLD(CFloatField, fld_ChartA_line4);
    FLD(CFloatField, fld_ChartA_line5);
    FLD(CFloatField, fld_ChartA_line6);

    // Chart B, lines 1 to 9 for ON, MB, SK, AB (lines 3, 6, 7 and 8 in per cent)
    FLD(CFloatField, fld_chartB_ON_1);
    FLD(CFloatField, fld_chartB_MB_1);
    FLD(CFloatField, fld_chartB_SK_1);
    FLD(CFloatField, fld_chartB_AB_1);
    FLD(CFloatField, fld_chartB_ON_2);
    FLD(CFloatField, fld_chartB_MB_2);
    FLD(CFloatField, fld_chartB_SK_2);
    FLD(CFloatField, fld_chartB_AB_2);
    FLD(CPercentField, fld_chartB_ON_3);
    FLD(CPercentField, fld_chartB_MB_3);
    FLD(CPercentField, fld_chartB_SK_3);
    FLD(CPercentField, fld_chartB_AB_3);
    FLD(CFloatField, fld_chartB_ON_4);
    FLD(CFloatField, fld_chartB_MB_4);
    FLD(CFloatField, fld_chartB_SK_4);
    FLD(CFloatField, fld_chartB_AB_4);
    FLD(CFloatField, fld_chartB_ON_5);
    FLD(CFloatField, fld_chartB_MB_5);
    FLD(CFloatField, fld_chartB_SK_5);
    FLD(CFloatField, fld_chartB_AB_5);
    FLD(CPercentField, fld_chartB_ON_6);
    FLD(CPercentField, fld_chartB_MB_6);
    FLD(CPercentField, fld_chartB_SK_6);
    FLD(CPercentField, fld_chartB_AB_6);
    FLD(CPercentField, fld_chartB_ON_7);
    FLD(CPercentField, fld_chartB_MB_7);
    FLD(CPercentField, fld_chartB_SK_7);
    FLD(CPercentField, fld_chartB_AB_7);
    FLD(CPercentField, fld_chartB_ON_8);
    FLD(CPercentField, fld_chartB_MB_8);
    FLD(CPercentField, fld_chartB_SK_8);
    FLD(CPercentField, fld_chartB_AB_8);
    FLD(CFloatField, fld_chartB_ON_9);
    FLD(CFloatField, fld_chartB_MB_9);
    FLD(CFloatField, fld_chartB_SK_9);
    FLD(CFloatField, fld_chartB_AB_9);
};
