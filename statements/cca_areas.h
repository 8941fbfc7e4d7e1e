// The capital cost allowance parts every statement has: Area A (one row per
// class: opening undepreciated capital cost, additions, dispositions, the
// half-year and accelerated investment adjustments, rate, claim and closing
// balance) and Areas B to E (the additions and dispositions of equipment and
// buildings, each row split into a personal and a business part).
#pragma once

#include "framework/field_rows.h"

#include <initializer_list>

// Area A of the business and farming statements. Each class row is stored in
// two blocks: columns 1 to 3, 5 and 6 with the immediate-expensing amounts,
// then columns 4 and 7 to 13.
struct CcaClassRow : FieldRow {
    using FieldRow::FieldRow;
    CStringField cls{slot("a_1"), 0, "", 10};  // column 1: class number
    CFloatField ucc{slot("a_UCC1")};           // column 2: UCC at the start of the year
    CFloatField additions{slot("a_Add")};      // column 3
    CFloatField additionsImmExp{slot("a_AddDiep")};
    CFloatField dispositions{slot("a_Disp")};  // column 5
    CFloatField dispositionsImmExp{slot("a_DispDiep")};
    CFloatField uccAfter{slot("a_UCC2"), Computed};  // column 6
    CFloatField uccImmExp{slot("a_UCCDiep"), Computed};
    CFloatField immExpensed{slot("a_ImmExpDiep")};  // immediate expensing claimed
    CFloatField additionsAfterImmExp{slot("a_AddAfterImmExpDiep"), Computed};
};
struct CcaClaimRow : FieldRow {
    using FieldRow::FieldRow;
    CFloatField additionsAiip{slot("a_AdditionAIIP")};  // column 4: accelerated investment incentive property
    CFloatField uccAfterImmExp{slot("a_UCCAfterDiep"), Computed};
    CFloatField dispositionsAiip{slot("a_DispReduceAIIP"), Computed};  // column 7
    CFloatField adjustmentAiip{slot("a_AdjAIIP")};                     // column 8: entered, by class
    CFloatField halfYear{slot("a_AdjHalfY"), Computed};                // column 9
    CFloatField base{slot("a_BaseAmt"), Computed};                     // column 10
    CBoolField rateOverwrite{slot("ws_rate_overwrite")};
    CPercentField rate{slot("a_Rate")};  // column 11
    CBoolField claimOverwrite{slot("ws_claim_overwrite")};
    CFloatField claim{slot("a_Claim")};         // column 12
    CFloatField uccEnd{slot("a_End"), Computed};  // column 13: UCC at the end of the year
};

// What follows the class rows of every Area A: the extra class rows flag and
// count, the business-use-of-home part of the CCA and the claim after it.
struct CcaClaimTotals : FieldRow {
    explicit CcaClaimTotals(CTaxData_Form* form) : FieldRow(form, "fld_", "") {}
    CBoolField extraRows{slot("extra_cca")};
    CIntField extraRowCount{slot("extra_cca_count"), 0};
    CFloatField homeUse{slot("cca_usehome")};
    CFloatField claim{slot("a_cca"), Computed};
    CFloatField claimForPrint{slot("a_cca_forprint"), Computed};
    // The claim of the class rows less the business-use-of-home part, which
    // is cut to those claims first; answers the claim.
    double settle(double classClaims);
};

class CcaClassArea {
public:
    static constexpr int kRows = 18;
    explicit CcaClassArea(CTaxData_Form* form)
        : classes(form, "fld_", "_"), claims(form, "fld_", "_"), totals(form)
    {
    }
    // Every row; answers the total of the claims (column 12).
    double calculate();
    // Every row, then the claim after the business-use-of-home part.
    double calculateClaim() { return totals.settle(calculate()); }
    // Next year opens each class with this year's closing balance.
    void carryForward();

    FieldRows<CcaClassRow, kRows> classes;
    FieldRows<CcaClaimRow, kRows> claims;
    CcaClaimTotals totals;
};

// Area A of the rental statement: one block per class row.
struct RentalCcaRow : FieldRow {
    using FieldRow::FieldRow;
    CStringField cls{slot("a_1"), 0, "", 10};            // column 1: class number
    CFloatField ucc{slot("a_2")};                         // column 2: UCC at the start of the year
    CFloatField additions{slot("a_3")};                   // column 3
    CFloatField additionsAiip{slot("a_AdditionAIIP")};    // column 4
    CFloatField proceeds{slot("a_4")};                    // column 5: proceeds of dispositions
    CFloatField uccAfter{slot("a_5"), Computed};          // column 6
    CFloatField dispositionsAiip{slot("a_DispReduceAIIP"), Computed};  // column 7
    CFloatField adjustmentAiip{slot("a_AdjAIIP")};        // column 8
    CFloatField halfYear{slot("a_6"), Computed};          // column 9
    CFloatField base{slot("a_7"), Computed};              // column 10
    CPercentField rate{slot("a_8")};                      // column 11
    CBoolField rateOverwrite{slot("ws_rate_overwrite")};
    CFloatField claim{slot("a_9")};                       // column 12
    CFloatField uccEnd{slot("a_10"), Computed};           // column 13
};

// Every row of a rental Area A; the user's claims are kept (cut to the
// maximum) when `claimOverwrite`. Answers the total of the claims and adds
// to `recapture` what the dispositions of a class take beyond its balance.
double calculateRentalCca(RentalCcaRow* begin, RentalCcaRow* end, bool claimOverwrite, double& recapture);

// Whether a class column holds a class number.
bool hasClassNumber(const CStringField& cls);

// Areas B to E: column 1 class, 2 description, 3 total cost (or proceeds),
// 4 personal part, 5 business part.
struct AssetRow : FieldRow {
    using FieldRow::FieldRow;
    CStringField cls{slot("1"), 0, "", 10};
    CStringField details{slot("2"), 0, "", 80};
    CFloatField amount{slot("3")};
    CFloatField personal{slot("4")};
    CFloatField business{slot("5"), Computed};
};

template <int N>
class AssetArea {
public:
    AssetArea(CTaxData_Form* form, const char* prefix) : rows(form, prefix, "_") {}
    // Column 5 of every row, the personal part cut to the row's amount; answers their total.
    double calculate()
    {
        double total = 0.0;
        for (AssetRow& row : rows) {
            if (row.personal > row.amount)
                row.personal = row.amount.value();
            row.business = row.amount - row.personal;
            total += row.business;
        }
        return total;
    }
    FieldRows<AssetRow, N> rows;
};

// Areas B to E of the business and farming statements, each with its total
// (CRA 9925, 9927, 9926, 9928) and the total's copy for printing, then the
// land lines 9923 and 9924. `prefixes`: equipment additions, building
// additions, equipment dispositions, building dispositions.
template <int N>
class AssetAreas {
    using D = FieldDeclarations;

public:
    AssetAreas(CTaxData_Form* form, const char* const (&prefixes)[4])
        : equipmentAdditions(form, prefixes[0]),
          fld_9925{FieldSlot{form, "fld_9925"}, D::Record(D::W), D::Computed},
          fld_9925_forprint{FieldSlot{form, "fld_9925_forprint"}, D::Computed},
          buildingAdditions(form, prefixes[1]),
          fld_9927{FieldSlot{form, "fld_9927"}, D::Record(D::W), D::Computed},
          fld_9927_forprint{FieldSlot{form, "fld_9927_forprint"}, D::Computed},
          equipmentDispositions(form, prefixes[2]),
          fld_9926{FieldSlot{form, "fld_9926"}, D::Record(D::W), D::Computed},
          fld_9926_forprint{FieldSlot{form, "fld_9926_forprint"}, D::Computed},
          buildingDispositions(form, prefixes[3]),
          fld_9928{FieldSlot{form, "fld_9928"}, D::Record(D::W), D::Computed},
          fld_9928_forprint{FieldSlot{form, "fld_9928_forprint"}, D::Computed},
          fld_9923{FieldSlot{form, "fld_9923"}, D::Record(D::W)},
          fld_9924{FieldSlot{form, "fld_9924"}, D::Record(D::W)}
    {
    }
    void calculate()
    {
        fld_9925_forprint = fld_9925 = equipmentAdditions.calculate();
        fld_9927_forprint = fld_9927 = buildingAdditions.calculate();
        fld_9926_forprint = fld_9926 = equipmentDispositions.calculate();
        fld_9928_forprint = fld_9928 = buildingDispositions.calculate();
    }
    // Whether a row from `firstRow` (from 0) on has a class in any area.
    bool hasClassFrom(int firstRow) const
    {
        for (const AssetArea<N>* area : {&equipmentAdditions, &buildingAdditions, &equipmentDispositions,
                                         &buildingDispositions})
            for (int row = firstRow; row < N; ++row)
                if (hasClassNumber(area->rows[row].cls))
                    return true;
        return false;
    }

    AssetArea<N> equipmentAdditions;
    CFloatField fld_9925, fld_9925_forprint;
    AssetArea<N> buildingAdditions;
    CFloatField fld_9927, fld_9927_forprint;
    AssetArea<N> equipmentDispositions;
    CFloatField fld_9926, fld_9926_forprint;
    AssetArea<N> buildingDispositions;
    CFloatField fld_9928, fld_9928_forprint;
    CFloatField fld_9923;  // land additions
    CFloatField fld_9924;  // land dispositions
};
