// Form T776, statement of real estate rentals: the properties and their
// rents, the expenses less their personal part, the trust's share of the net
// income (sole owner, partnership or co-ownership), recaptured CCA, terminal
// loss and the capital cost allowance of Area A, and Areas B to E.
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"
#include "framework/json_filing_part.h"
#include "statements/cac_summary.h"
#include "statements/cca_areas.h"

#include <array>
#include <nlohmann/json_fwd.hpp>

struct NetfileGenObjParamStruct;
using json = nlohmann::ordered_json;

class TaxData_T776New : public CTaxData_Form, public CacSummaryOf<TaxData_T776New>, public JsonStatementPart<TaxData_T776New> {
    Q_OBJECT
public:
    TaxData_T776New() = default;

    enum Ownership { SoleOwner = 0, Partnership = 1, CoOwnership = 2 };

    int Calculate01();
    // Fills the class's capital cost summary from this statement's Areas B to E.
    void fillCacSummary();
    bool IsShared() const;
    bool GetDisplayName(CString& out) override;
    bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov) override;
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;
    // Filed through the JSON document, not as Netfile records of its own.
    bool shouldSkipWriteNetfile() override { return true; }
    int WriteFreeData(unsigned char purpose, NetfileGenObjParamStruct* ctx);
    // The statement's part of the JSON filing document (efile/t776_json.cpp).
    int WriteJsonFileHeader(unsigned char purpose, json& doc);
    int WriteJsonFile(unsigned char purpose, json& doc);

    // The dispositions of the classes beyond their balances at the last calculation.
    double recaptureTotal() const { return m_recapture; }

    struct CoOwnerRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, firstname, 0, "", 40);
        ROW_FLD(CStringField, lastname, 0, "", 40);
        ROW_FLD(CFloatField, netincome);
        ROW_FLD(CPercentField, percent);
        ROW_FLD(CStringField, addr, 0, "", 80);
    };
    struct PropertyRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, addr, 0, "", 80);
        ROW_FLD(CStringField, units, 0, "", 5);
        ROW_FLD(CFloatField, income);  // gross rents
    };

    // Identification
    FLD(CStringField, fld_name, 0, "", 80);
    FLD(CStringField, fld_SIN, 0, "", 9);
    FLD(CDateField, fld_begindate);
    FLD(CDateField, fld_enddate);
    FLD(CBoolField, fld_lastyear);
    FLD(CStringField, fld_addr, 0, "", 80);
    FLD(CStringField, fld_cityprov, 0, "", 40);
    FLD(CIntField, fld_iprov, 0);
    FLD(CStringField, fld_postcode, 0, "", 10);
    FLD(CStringField, fld_businessname, 0, "", 80);
    FLD(CStringField, fld_GSTNumber, 0, "", 15);
    FLD(CStringField, fld_taxshelter_ID, 0, "", 9);
    FLD(CStringField, fld_partnership_ID, 0, "", 15);
    FLD(CStringField, fld_industrycode, 0, "", 6);
    FLD(CIntField, fld_ownership, 0);  // Ownership
    FLD(CPercentField, fld_ownership_percent, 100.0);
    FLD(CStringField, fld_addr_preparer, 0, "", 80);
    FLD(CStringField, fld_city_preparer, 0, "", 40);
    FLD(CIntField, fld_iprov_preparer, 0);
    FLD(CStringField, fld_postcode_preparer, 0, "", 10);
    FieldRows<CoOwnerRow, 4> m_coowners{this, "fld_coowner_", "_"};

    // Income
    FieldRows<PropertyRow, 4> m_properties{this, "fld_property_", "_"};
    FLD(CFloatField, fld_property_rent, Record(8141, W), Computed);
    FLD(CFloatField, fld_property_other_income, Record(8230, W));
    FLD(CFloatField, fld_property_total_income, Record(8299, M), Computed);
    FLD(CBoolField, fld_bReviewSupportFld);
    FLD(CFloatField, fld_6765);
    FLD(CFloatField, fld_5354);
    FLD(CFloatField, fld_6783);

    // Expenses, each with its personal part
    FLD(CBoolField, fld_pportion_usepercent);  // personal parts as a percentage of each expense
    FLD(CFloatField, fld_expense_1, Record(8521, W));  // advertising
    FLD(CFloatField, fld_personalexp_1);
    FLD(CPercentField, fld_pportion_percent);
    FLD(CFloatField, fld_expense_2, Record(8690, W));  // insurance
    FLD(CFloatField, fld_personalexp_2);
    FLD(CFloatField, fld_expense_3, Record(8710, W));  // interest and bank charges
    FLD(CFloatField, fld_personalexp_3);
    FLD(CFloatField, fld_expense_4, Record(8810, W));  // office expenses
    FLD(CFloatField, fld_personalexp_4);
    FLD(CFloatField, fld_expense_5, Record(8860, W));  // professional fees
    FLD(CFloatField, fld_personalexp_5);
    FLD(CFloatField, fld_expense_6, Record(8871, W));  // management and administration fees
    FLD(CFloatField, fld_personalexp_6);
    FLD(CFloatField, fld_expense_7, Record(8960, W));  // repairs and maintenance
    FLD(CFloatField, fld_personalexp_7);
    FLD(CFloatField, fld_expense_8, Record(9060, W));  // salaries, wages and benefits
    FLD(CFloatField, fld_personalexp_8);
    FLD(CFloatField, fld_expense_9, Record(9180, W));  // property taxes
    FLD(CFloatField, fld_personalexp_9);
    FLD(CFloatField, fld_expense_10, Record(9200, W));  // travel
    FLD(CFloatField, fld_personalexp_10);
    FLD(CFloatField, fld_expense_11, Record(9220, W));  // utilities
    FLD(CFloatField, fld_personalexp_11);
    FLD(CFloatField, fld_expense_12, Record(9281, W));  // motor vehicle expenses
    FLD(CFloatField, fld_personalexp_12);
    FLD(CFloatField, fld_expense_13, Record(9270, W));  // other expenses
    FLD(CFloatField, fld_personalexp_13);
    FLD(CFloatField, fld_expense_14, Computed);
    FLD(CFloatField, fld_personalexp_14, Record(9949, W), Computed);

    // Net income
    FLD(CFloatField, fld_b, Computed);  // deductible expenses
    FLD(CFloatField, fld_9369, Record(M), Computed);
    FLD(CBoolField, fld_c_overwrite);   // co-ownership: the user enters the trust's share
    FLD(CFloatField, fld_c);            // the trust's share before CCA
    FLD(CFloatField, fld_9945, Record(W));  // other expenses of the co-owner
    FLD(CFloatField, fld_subtotal_1, Computed);
    FLD(CFloatField, fld_9947, Record(W));  // recaptured capital cost allowance
    FLD(CFloatField, fld_subtotal_2, Computed);
    FLD(CFloatField, fld_9948, Record(W));  // terminal loss
    FLD(CFloatField, fld_subtotal_3, Computed);
    FLD(CFloatField, fld_9936, Record(W), Computed);  // CCA deducted
    FLD(CFloatField, fld_d, Computed);
    FLD(CFloatField, fld_yourshare_d, Computed);
    FLD(CFloatField, fld_9974, Record(W));  // GST/HST rebate for partners
    FLD(CFloatField, fld_9943, Record(W));  // other expenses of the partner
    FLD(CFloatField, fld_9946, Record(M), Computed);  // net income (loss): line 09 of the return

    // Area A
    FLD(CBoolField, fld_CCA_overwrite);  // the user's claims are kept, cut to the maximum
    FieldRows<RentalCcaRow, 11> m_cca{this, "fld_", "_"};
    CcaClaimTotals m_ccaTotals{this};
    FLD(CBoolField, fld_dontapplycownerpcnt);  // co-ownership: the claim is already the trust's share

    // Areas B to E
    AssetArea<4> m_equipmentAdditions{this, "fld_b_"};
    FLD(CFloatField, fld_9925, Record(W), Computed);
    AssetArea<4> m_buildingAdditions{this, "fld_c_"};
    FLD(CFloatField, fld_9927, Record(W), Computed);
    AssetArea<4> m_equipmentDispositions{this, "fld_d_"};
    FLD(CFloatField, fld_9926, Record(W), Computed);
    AssetArea<4> m_buildingDispositions{this, "fld_e_"};
    FLD(CFloatField, fld_9928, Record(W), Computed);
    FLD(CFloatField, fld_9923, Record(W));  // land additions
    FLD(CFloatField, fld_9924, Record(W));  // land dispositions

private:
    std::array<CFloatField*, 13> expenses();
    std::array<CFloatField*, 13> personalParts();
    void calculateExpenses();
    void calculateShare();

    double m_recapture = 0.0;
};
