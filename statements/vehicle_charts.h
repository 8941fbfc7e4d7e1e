// The motor vehicle charts of the business and farming statements, one set
// per vehicle: Chart A (expenses and the business part), Chart B (interest
// on money borrowed for a passenger vehicle) and Chart C (leasing costs of a
// passenger vehicle).
#pragma once

#include "framework/field_rows.h"

struct VehicleCharts : FieldRow {
    using FieldRow::FieldRow;
    // Chart A
    CFloatField km{slot("chartA_1"), Decimals(0)};       // kilometres driven to earn business income
    CFloatField totalKm{slot("chartA_2"), Decimals(0)};  // total kilometres driven in the year
    CFloatField fuel{slot("chartA_3")};
    CFloatField interest{slot("chartA_4"), Computed};  // Chart B
    CFloatField insurance{slot("chartA_5")};
    CFloatField licence{slot("chartA_6")};
    CFloatField maintenance{slot("chartA_7")};
    CFloatField leasing{slot("chartA_8"), Computed};  // Chart C
    CFloatField electricCharging{slot("chartA_eCar")};
    CFloatField other9{slot("chartA_9")};
    CStringField other9Desc{slot("chartA_9_desc"), 0, "", 40};
    CFloatField other10{slot("chartA_10")};
    CStringField other10Desc{slot("chartA_10_desc"), 0, "", 40};
    CFloatField total{slot("chartA_TotalExp"), Computed};
    CFloatField businessPart{slot("chartA_BusiPart"), Computed};
    CFloatField parking{slot("chartA_13")};                // business parking fees
    CFloatField supplementaryInsurance{slot("chartA_14")};  // supplementary business insurance
    CFloatField allowable{slot("chartA_AllowExp"), Computed};
    // Chart B
    CFloatField interestPaid{slot("chartB_a")};
    CFloatField interestLimit{slot("chartB_b"), Computed};
    CFloatField interestPerDay{slot("chartB_b_a")};
    CFloatField interestDays{slot("chartB_b_b"), Decimals(0)};
    CFloatField interestAllowed{slot("chartB_c"), Computed};
    // Chart C
    CFloatField listPriceLimit{slot("ws_chartC_baseamt5"), Computed};
    CFloatField monthlyLeaseLimit{slot("ws_chartC_baseamt6"), Computed};
    CFloatField capitalCostLimit{slot("ws_chartC_baseamt7"), Computed};
    CFloatField leaseCharges{slot("chartC_1")};       // line 1: lease charges for the year
    CFloatField leaseDeductedBefore{slot("chartC_2")};  // line 2: deducted in earlier years
    CFloatField leaseDays{slot("chartC_3"), Decimals(0)};          // line 3: days leased so far
    CFloatField listPrice{slot("chartC_4")};          // line 4: manufacturer's list price
    CPercentField salesTaxPercent{slot("GSTPSTHSTpercent")};
    CFloatField line5{slot("chartC_5"), Computed};
    CFloatField line5a{slot("chartC_5_a"), Computed};
    CFloatField line6{slot("chartC_6"), Computed};
    CFloatField line6a{slot("chartC_6_a"), Computed};
    CFloatField line6b{slot("chartC_6_b"), Computed};
    CFloatField line7{slot("chartC_7"), Computed};
    CFloatField line8{slot("chartC_8"), Computed};

    // Charts B, C and A in that order; answers the allowable expenses.
    double calculate();
};

class VehicleChartSet {
public:
    static constexpr int kVehicles = 3;
    explicit VehicleChartSet(CTaxData_Form* form) : vehicles(form, "fld_", "_") {}
    // The allowable motor vehicle expenses of the three vehicles.
    double calculate();
    FieldRows<VehicleCharts, kVehicles> vehicles;
};
