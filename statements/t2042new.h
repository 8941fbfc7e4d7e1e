// Form T2042, statement of farming activities: farm income by commodity,
// farm expenses, the motor vehicle charts, inventory adjustments, the
// trust's share as a partner, business use of home, capital cost allowance
// (Area A and the allowance on eligible capital property), Areas B to E and
// the election of a partnership's members.
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"
#include "framework/json_filing_part.h"
#include "statements/cac_summary.h"
#include "statements/cca_areas.h"
#include "statements/home_use.h"
#include "statements/statement_parts.h"
#include "statements/vehicle_charts.h"

#include <nlohmann/json_fwd.hpp>

struct NetfileGenObjParamStruct;
using json = nlohmann::ordered_json;

class TaxData_T2042New : public CTaxData_Form, public CacSummaryOf<TaxData_T2042New>, public JsonStatementPart<TaxData_T2042New> {
    Q_OBJECT
public:
    TaxData_T2042New();

    int Calculate01();
    // Fills the class's capital cost summary from this statement's Areas B to E.
    void fillCacSummary();
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    bool IsShared() const;
    bool GetDisplayName(CString& out) override;
    bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov) override;
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;
    // The farm's address for filing: the street, then the town after one space.
    CString getEfileFarmAddress() const;
    bool shouldSkipWriteNetfile() override { return true; }
    int WriteFreeData(unsigned char purpose, NetfileGenObjParamStruct* ctx);
    // The statement's part of the JSON filing document (efile/t2042_json.cpp).
    int WriteJsonFileHeader(unsigned char purpose, json& doc);
    int WriteJsonFile(unsigned char purpose, json& doc);

    // The allowance on eligible capital property, by year of acquisition.
    struct AllowanceRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, year, 0, "", 4);
        ROW_FLD(CStringField, kindprop, 0, "", 40);
        ROW_FLD(CStringField, month_disposition, 0, "", 10);
        ROW_FLD(CFloatField, cost);
        ROW_FLD(CPercentField, rate);
        ROW_FLD(CFloatField, allowance, Computed);
        ROW_FLD(CFloatField, totalallowance);
    };
    // A member of the partnership named in the election.
    struct ElectionRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, name, 0, "", 60);
        ROW_FLD(CStringField, id, 0, "", 15);
        ROW_FLD(CPercentField, pcnt);
    };

    // Identification
    FLD(CStringField, fld_name, 0, "", 80);
    FLD(CStringField, fld_SIN, 0, "", 9);
    FLD(CDateField, fld_beginperiod);
    FLD(CDateField, fld_endperiod);
    FLD(CBoolField, fld_bLastYear);
    FLD(CStringField, fld_farmname, 0, "", 80);
    FLD(CStringField, fld_GSTNumber, 0, "", 15);
    FLD(CStringField, fld_mainprod, 0, "", 60);
    FLD(CStringField, fld_industrycode, 0, "", 6);
    FLD(CStringField, fld_farmaddr, 0, "", 80);
    FLD(CStringField, fld_town, 0, "", 40);
    FLD(CIntField, fld_iProv, 0);
    FLD(CStringField, fld_postcode, 0, "", 10);
    FLD(CIntField, fld_accountmethod, 0);  // 0 accrual, 1 cash
    FLD(CStringField, fld_taxshelterID, 0, "", 9);
    FLD(CStringField, fld_partnerID, 0, "", 15);
    FLD(CPercentField, fld_percentowner, 100.0);
    FLD(CStringField, fld_preparer, 0, "", 80);
    WebsiteFields m_websites{this};

    // Income
    FLD(CFloatField, fld_inc_1, Record(9371, W));
    FLD(CFloatField, fld_inc_2, Record(9372, W));
    FLD(CFloatField, fld_inc_3, Record(9373, W));
    FLD(CFloatField, fld_inc_4, Record(9374, W));
    FLD(CFloatField, fld_inc_5, Record(9375, W));
    FLD(CFloatField, fld_inc_6, Record(9376, W));
    FLD(CFloatField, fld_inc_7, Record(9377, W));
    FLD(CFloatField, fld_inc_8, Record(9378, W));
    FLD(CFloatField, fld_inc_9, Record(9370, W));
    FLD(CFloatField, fld_inc_11, Record(9421, W));
    FLD(CFloatField, fld_inc_12, Record(9422, W));
    FLD(CFloatField, fld_inc_13, Record(9423, W));
    FLD(CFloatField, fld_inc_14, Record(9424, W));
    FLD(CFloatField, fld_inc_15, Record(9420, W));
    FLD(CFloatField, fld_inc_16, Record(9425, W));
    FLD(CFloatField, fld_inc_17, Record(9426, W));
    FLD(CFloatField, fld_inc_18, Record(9471, W));
    FLD(CFloatField, fld_inc_19, Record(9472, W));
    FLD(CFloatField, fld_inc_20, Record(9473, W));
    FLD(CFloatField, fld_inc_21, Record(9474, W));
    FLD(CFloatField, fld_inc_22, Record(9470, W));
    FLD(CFloatField, fld_inc_23, Record(9476, W));
    FLD(CFloatField, fld_inc_24, Record(9477, W));
    FLD(CFloatField, fld_inc_25, Record(9520, W));
    FLD(CFloatField, fld_inc_26, Record(9541, W));
    FLD(CFloatField, fld_inc_27, Record(9542, W));
    FLD(CFloatField, fld_inc_28, Record(9540, W));
    FLD(CFloatField, fld_inc_29, Record(9570, W));
    FLD(CFloatField, fld_inc_30, Record(9601, W));
    FLD(CFloatField, fld_inc_31, Record(9604, W));
    FLD(CFloatField, fld_inc_32, Record(9605, W));
    FLD(CStringField, fld_inc_spec_33, 0, "", 40);
    FLD(CFloatField, fld_inc_33, Record(9600, W));
    FLD(CFloatField, fld_inc_34, Record(9659, M), Computed);  // gross income
    FLD(CBoolField, fld_bReviewSupportFld);
    FLD(CFloatField, fld_5345);
    FLD(CFloatField, fld_5507);
    FLD(CFloatField, fld_6765);
    FLD(CFloatField, fld_6808);
    FLD(CFloatField, fld_6810);
    FLD(CFloatField, fld_9659, Computed);

    // Expenses
    FLD(CFloatField, fld_9661, Record(W));
    FLD(CFloatField, fld_9662, Record(W));
    FLD(CFloatField, fld_9663, Record(W));
    FLD(CFloatField, fld_9664, Record(W));
    FLD(CFloatField, fld_9711, Record(W));
    FLD(CFloatField, fld_9712, Record(W));
    FLD(CFloatField, fld_9713, Record(W));
    FLD(CFloatField, fld_9760, Record(W));
    FLD(CFloatField, fld_9764, Record(W));
    FLD(CFloatField, fld_9795, Record(W));
    FLD(CFloatField, fld_9796, Record(W));
    FLD(CFloatField, fld_9797, Record(W));
    FLD(CFloatField, fld_9798, Record(W));
    FLD(CFloatField, fld_9799, Record(W));
    FLD(CFloatField, fld_9802, Record(W));
    FLD(CFloatField, fld_9803, Record(W));
    FLD(CFloatField, fld_9804, Record(W));
    FLD(CFloatField, fld_9805, Record(W));
    FLD(CFloatField, fld_9808, Record(W));
    FLD(CFloatField, fld_9809, Record(W));
    FLD(CFloatField, fld_9810, Record(W));
    FLD(CFloatField, fld_9811, Record(W));
    FLD(CFloatField, fld_9814, Record(W));
    FLD(CFloatField, fld_9819, Record(W), Computed);  // motor vehicle expenses (the charts)
    FLD(CFloatField, fld_9820, Record(W));
    FLD(CFloatField, fld_9937, Record(W));  // mandatory inventory adjustment of last year
    FLD(CFloatField, fld_9938, Record(W));  // optional inventory adjustment of last year
    FLD(CStringField, fld_expense_spec_28, 0, "", 40);
    FLD(CFloatField, fld_expense_28);
    FLD(CStringField, fld_expense_spec_29, 0, "", 40);
    FLD(CFloatField, fld_expense_29);
    FLD(CFloatField, fld_9790, Record(W), Computed);  // other expenses
    FLD(CFloatField, fld_b4_9936, Computed);
    FLD(CFloatField, fld_cca, Record(9936, W), Computed);
    FLD(CFloatField, fld_expense_total, Record(9898, W), Computed);

    // Net income
    FLD(CFloatField, fld_9899, Record(M), Computed);
    FLD(CFloatField, fld_9941, Record(W));  // optional inventory adjustment of this year
    FLD(CFloatField, fld_9942, Record(W));  // mandatory inventory adjustment of this year
    FLD(CFloatField, fld_c, Computed);
    FLD(CBoolField, fld_ws_9369_yourshare);
    FLD(CFloatField, fld_9369_yourshare, Computed);
    FLD(CFloatField, fld_9951, Record(W));
    NetIncomeAdjustments m_net{this};  // line 9946 goes to line 07 of the return

    // Area A
    CcaClassArea m_cca{this};
    FieldRows<AllowanceRow, 4> m_allowances{this, "fld_", "_"};
    FLD(CFloatField, fld_allowance_5, Computed);

    // Areas B to E
    static constexpr const char* kAssetAreaPrefixes[4] = {"fld_EquipAdd_", "fld_b_", "fld_c_", "fld_d_"};
    AssetAreas<4> m_assets{this, kAssetAreaPrefixes};

    VehicleChartSet m_vehicles{this};

    // Election of the partnership's members
    FLD(CBoolField, fld_elect_105);
    FieldRows<ElectionRow, 8> m_election{this, "fld_epop_", "_"};
    FLD(CPercentField, fld_epop_pcnt_total);
    FLD(CFloatField, fld_epop_limit);
    FLD(CFloatField, fld_9929, Record(W));
    FLD(CFloatField, fld_9930, Record(W));
};
