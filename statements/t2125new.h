// Form T2125, statement of business or professional activities: sales or
// fees (each from its worksheet), cost of goods sold, expenses, the motor
// vehicle charts, the trust's share and the partnership's deductions,
// business use of home, capital cost allowance (Areas A to E), co-owners and
// the reconciliation of Form T1139 (a business whose fiscal period is not the
// calendar year).
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"
#include "framework/json_filing_part.h"
#include "statements/cac_summary.h"
#include "statements/cca_areas.h"
#include "statements/cca_class_table.h"
#include "statements/home_use.h"
#include "statements/statement_parts.h"
#include "statements/vehicle_charts.h"
#include "statements/wst2125busi.h"

#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <vector>

struct NetfileGenObjParamStruct;
using json = nlohmann::ordered_json;

class TaxData_T2125_New : public CTaxDataBase01, public CacSummaryOf<TaxData_T2125_New>, public JsonStatementPart<TaxData_T2125_New> {
    Q_OBJECT
public:
    explicit TaxData_T2125_New(ENUMTYPE_FORM formType) : CTaxDataBase01(formType) {}
    static constexpr ENUMTYPE_FORM kKeepsAccountingMethod = 61;
    static constexpr int kMaxExtraClassRows = 100;  // a larger count comes only from a damaged file
    enum Kind { Business = 0, Professional = 1 };

    int Calculate01();
    // Fills the class's capital cost summary from this statement's Areas B to E.
    void fillCacSummary();
    void CalculateBusinessFee();
    // 3 when Area A uses rows 5 to 18 (a third page to print), else 2.
    int calcIfPrintExtraPages();
    void AllocateExtraCCA(int /*count*/) {}
    void FreeExtraCCA();
    const std::vector<std::unique_ptr<CCCAClassTable>>& extraClassRows() const { return m_extraCca; }
    bool IsShared() const;
    int Serialize(unsigned int version, const CString& password, MyDataStream& ar) override;
    // Test data with a count of extra class rows that a file may hold.
    int FillTestPrintData() override;
    bool GetDisplayName(CString& out) override;
    bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov) override;
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;
    bool shouldSkipWriteNetfile() override { return true; }
    int WriteFreeData(unsigned char purpose, NetfileGenObjParamStruct* ctx);
    // The statement's part of the JSON filing document (efile/t2125_json.cpp).
    int WriteJsonFileHeader(unsigned char purpose, json& doc);
    int WriteJsonFile(unsigned char purpose, json& doc);

    CString m_displayName;

    // Identification
    FLD(CBoolField, fld_bPlacementAgencyIncome);
    FLD(CStringField, fld_name, 0, "", 80);
    FLD(CStringField, fld_SIN, 0, "", 9);
    FLD(CDateField, fld_beginperiod);
    FLD(CDateField, fld_endperiod);
    FLD(CBoolField, fld_bLastYear);
    FLD(CStringField, fld_businessname, 0, "", 80);
    FLD(CStringField, fld_GSTNumber, 0, "", 15);
    FLD(CStringField, fld_mainprod, 0, "", 60);
    FLD(CStringField, fld_industrycode, 0, "", 6);
    FLD(CStringField, fld_businessaddr, 0, "", 80);
    FLD(CStringField, fld_town, 0, "", 40);
    FLD(CIntField, fld_iProv, 0);
    FLD(CStringField, fld_postcode, 0, "", 10);
    FLD(CStringField, fld_partnerID, 0, "", 15);
    FLD(CStringField, fld_preparer, 0, "", 80);
    FLD(CStringField, fld_taxshelter_num, 0, "", 9);
    FLD(CPercentField, fld_percentowner, 100.0);
    FLD(CIntField, fld_accountmethod, 0);  // 0 accrual, 1 cash
    WebsiteFields m_websites{this};

    // Income
    FLD(CIntField, fld_IsBusiOrProf, 0);  // Kind
    FLD(CFloatField, fld_busi_sales, Computed);  // from the sales worksheet
    WORKSHEET(DataWST2125Busi, fld_ws_busi_sales);
    FLD(CFloatField, fld_busi_gst);  // GST/HST and PST included in the sales
    FLD(CFloatField, fld_b4_8000_busi, Computed);
    FLD(CFloatField, fld_busi_ii);   // returns, allowances and discounts included above
    FLD(CFloatField, fld_busi_iii);  // of which already deducted
    FLD(CFloatField, fld_busi_iv, Computed);
    FLD(CFloatField, fld_8000_busi, Computed);
    FLD(CFloatField, fld_prof_fee, Computed);  // from the fees worksheet
    WORKSHEET(DataWST2125Busi, fld_ws_prof_fee);
    FLD(CFloatField, fld_prof_gst);
    FLD(CFloatField, fld_prof_after_wip1, Computed);
    FLD(CFloatField, fld_prof_ii);
    FLD(CFloatField, fld_prof_iii);
    FLD(CFloatField, fld_prof_iv, Computed);
    FLD(CFloatField, fld_prof_wip2);  // work in progress: start of the year minus end of the year
    FLD(CFloatField, fld_prof_8000, Computed);
    FLD(CFloatField, fld_8000, Record(W), Computed);  // adjusted gross sales or fees
    FLD(CFloatField, fld_8290, Record(W));  // reserves deducted last year
    FLD(CFloatField, fld_8230, Record(W));  // other income
    FLD(CFloatField, fld_before_8299, Computed);
    FLD(CFloatField, fld_8299, Record(M), Computed);  // gross business or professional income
    FLD(CFloatField, fld_8299_1, Computed);

    // Cost of goods sold
    FLD(CFloatField, fld_8300, Record(W));  // opening inventory
    FLD(CFloatField, fld_8320, Record(W));  // purchases
    FLD(CFloatField, fld_8340, Record(W));  // direct wage costs
    FLD(CFloatField, fld_8360, Record(W));  // subcontracts
    FLD(CFloatField, fld_8450, Record(W));  // other costs
    FLD(CFloatField, fld_b4_8500, Computed);
    FLD(CFloatField, fld_8500, Record(W));  // closing inventory
    FLD(CFloatField, fld_8518, Record(W), Computed);
    FLD(CFloatField, fld_8519, Record(W), Computed);  // gross profit
    FLD(CFloatField, fld_grossprofit_b4_expense, Computed);

    // Expenses
    FLD(CFloatField, fld_exp_8521, Record(8521, W));
    FLD(CFloatField, fld_exp_8523, Record(8523, W));
    FLD(CFloatField, fld_exp_8590, Record(8590, W));
    FLD(CFloatField, fld_exp_8690, Record(8690, W));
    FLD(CFloatField, fld_exp_8710, Record(8710, W));
    FLD(CFloatField, fld_exp_8760, Record(8760, W));
    FLD(CFloatField, fld_exp_8810, Record(8810, W));
    FLD(CFloatField, fld_exp_8811, Record(8811, W));
    FLD(CFloatField, fld_exp_8860, Record(8860, W));
    FLD(CFloatField, fld_exp_8871, Record(8871, W));
    FLD(CFloatField, fld_exp_8910, Record(8910, W));
    FLD(CFloatField, fld_exp_8960, Record(8960, W));
    FLD(CFloatField, fld_exp_9060, Record(9060, W));
    FLD(CFloatField, fld_exp_9180, Record(9180, W));
    FLD(CFloatField, fld_exp_9200, Record(9200, W));
    FLD(CFloatField, fld_exp_9220, Record(9220, W));
    FLD(CFloatField, fld_exp_9224, Record(9224, W));
    FLD(CFloatField, fld_exp_9275, Record(9275, W));
    FLD(CFloatField, fld_exp_9281, Record(9281, W), Computed);  // motor vehicle expenses (the charts)
    FLD(CFloatField, fld_cca, Record(9936, W), Computed);
    FLD(CFloatField, fld_exp_9270, Record(9270, W));
    FLD(CStringField, fld_exp_9270_spec, 0, "", 60);
    FLD(CFloatField, fld_exp_total, Record(9368, W), Computed);

    // Net income
    FLD(CFloatField, fld_9369, Record(M), Computed);
    FLD(CBoolField, fld_ow_9369_yourshare);  // the user enters the trust's share
    FLD(CFloatField, fld_9369_yourshare);
    NetIncomeAdjustments m_net{this};  // line 9946 goes to line 06 of the return

    // Area A
    CcaClassArea m_cca{this};

    // Areas B to E
    static constexpr const char* kAssetAreaPrefixes[4] = {"fld_b_", "fld_c_", "fld_d_", "fld_e_"};
    AssetAreas<8> m_assets{this, kAssetAreaPrefixes};
    FLD(CIntField, fld_printMoreCCA, 0);

    VehicleChartSet m_vehicles{this};

    // Form T1139: reconciliation of business income for tax purposes
    FLD(CBoolField, fld_bT1139);
    FLD(CStringField, fld_t1139_name, 0, "", 80);
    FLD(CStringField, fld_t1139_sin, 0, "", 9);
    FLD(CStringField, fld_t1139_businame, 0, "", 80);
    FLD(CStringField, fld_t1139_bn, 0, "", 15);
    FLD(CBoolField, fld_ws_iPart1);  // the business's first fiscal period (Part 5)
    FLD(CFloatField, fld_1_a, Computed);
    FLD(CFloatField, fld_2A);
    FLD(CFloatField, fld_2B);
    FLD(CFloatField, fld_2C);
    FLD(CFloatField, fld_2D);
    FLD(CFloatField, fld_2E);
    FLD(CFloatField, fld_2F);
    FLD(CFloatField, fld_2G);
    FLD(CFloatField, fld_AmtB);
    FLD(CFloatField, fld_AddBusiIncome);
    FLD(CFloatField, fld_4_d, Computed);
    FLD(CFloatField, fld_4_e);
    FLD(CFloatField, fld_4_f, Computed);
    FLD(CFloatField, fld_5_g, Computed);
    FLD(CFloatField, fld_5_h);
    FLD(CFloatField, fld_5_i, Computed);
    FLD(CFloatField, fld_5_j);
    FLD(CFloatField, fld_5_k, Computed);
    // Copies for printing
    FLD(CFloatField, fld_a_2_1);
    FLD(CFloatField, fld_a_3_1);
    FLD(CFloatField, fld_a_10_1);
    FLD(CFloatField, fld_a_8_1);
    FLD(CFloatField, fld_chartA_1);
    FLD(CFloatField, fld_chartA_2);
    FLD(CFloatField, fld_chartA_3);
    FLD(CFloatField, fld_chartA_4);
    FLD(CFloatField, fld_chartA_5);
    FLD(CFloatField, fld_chartA_6);
    FLD(CFloatField, fld_chartA_7);
    FLD(CFloatField, fld_chartA_8);
    FLD(CFloatField, fld_chartA_9);
    FLD(CFloatField, fld_chartA_10);
    FLD(CFloatField, fld_chartA_11);
    FLD(CFloatField, fld_chartA_12);
    FLD(CFloatField, fld_chartA_13);
    FLD(CFloatField, fld_chartA_14);

private:
    void calculateIncome();
    void calculateNetIncome();
    void calculateT1139();

    std::vector<std::unique_ptr<CCCAClassTable>> m_extraCca;
};
