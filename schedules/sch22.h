// Schedule 22, "Non-Resident Discretionary Trust": up to fifteen trusts, each
// with its trustee and the trustee's address. It writes no Netfile records.
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"

class TaxData_Sch22 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch22() : CTaxDataBase01(40) {}

    // Settles each trust's province against its country and fills the
    // printed province and country.
    int Calculate();

    static constexpr int kTrusts = 15;

    struct NameRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, TrustName, 0, "", 200, 0x10000);    // N00100
        ROW_FLD(CStringField, TrusteeName, 0, "", 200, 0x10000);  // N00300
    };
    struct AddressRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, Addr1, 0, "", 80, 0x10000);
        ROW_FLD(CStringField, Addr2, 0, "", 80, 0x10000);
        ROW_FLD(CStringField, city, 0, "", 80, 0x10000);
        ROW_FLD(CStringField, Prov_Print, 0, "", 80, 0x10000);     // the province's short name, for printing
        ROW_FLD(CIntField, Prov, 0, 0, 0x10000);
        ROW_FLD(CStringField, Country_Print, 0, "", 80, 0x10000);  // the country's name, for printing
        ROW_FLD(CIntField, Country, 0, 0, 0x10000);
        ROW_FLD(CStringField, Postcode, 0, "", 80, 0x10000);
    };
    FieldRows<NameRow, kTrusts> m_names{this, "fld_", "_"};          // fld_TrustName_1, fld_TrusteeName_1 ...
    FieldRows<AddressRow, kTrusts> m_addresses{this, "fld_", "_"};  // fld_Addr1_1 ... fld_Postcode_1 ...
};

// The short name of province or state `prov` of `country` (Canada: "ON";
// United States: "NY"); empty when the country has none or `prov` is out of
// range.
QString provinceShortName(int country, int prov);
