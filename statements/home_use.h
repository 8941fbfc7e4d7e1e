// Business use of home of the business and farming statements: the home's
// expenses less their personal part, last year's amount carried forward, the
// part the income allows and the rest carried to next year (line 16).
#pragma once

#include "framework/field_rows.h"

struct HomeUseFields : FieldRow {
    using FieldRow::FieldRow;
    CFloatField heat{slot("usehome_1")};
    CFloatField electricity{slot("usehome_2")};
    CFloatField insurance{slot("usehome_3")};
    CFloatField maintenance{slot("usehome_4")};
    CFloatField mortgageInterest{slot("usehome_5")};
    CFloatField propertyTaxes{slot("usehome_6")};
    CFloatField other{slot("usehome_7")};
    CFloatField subtotal{slot("usehome_8"), Computed};
    CFloatField personal{slot("usehome_9")};
    CBoolField usePersonalRate{slot("usehome_usepersonalrate")};
    CPercentField personalRate{slot("usehome_personal_rate")};
    CFloatField business{slot("usehome_10"), Computed};
    CFloatField cca{slot("usehome_11")};            // CCA of the business part of the home
    CFloatField carriedFromLastYear{slot("usehome_13")};
    CFloatField total{slot("usehome_14"), Computed};
    CFloatField incomeLimit{slot("usehome_15"), Computed};
    CFloatField carriedToNextYear{slot("usehome_16"), Computed};
    CPercentField businessPercent{slot("ws_pcnt_homeuse")};
    CBoolField overwrite{slot("ws_overwrite_homeuse")};  // the user enters line 17
    CFloatField allowable{slot("usehome_17")};

    // Lines 8 to 17 for the net income before them; a share (percent owner
    // below 100, `shared`) takes its part of the allowable amount. Answers line 17.
    double calculate(double netIncome, bool shared, double percentOwner);
    // Next year starts with this year's amount carried forward.
    void carryForward() { carriedFromLastYear = carriedToNextYear.value(); }
};
