// Form T2000, calculation of tax on agreements to acquire shares (Part
// XI.4 tax of a plan taxed under subsection 207.1(5)): twelve agreement
// rows, columns B to N, and the tax of line 2411 that the T3S return takes.
#pragma once

#include "framework/address_fields.h"
#include "framework/field_rows.h"
#include "framework/form.h"

// One agreement: B to H entered, I to N worked out.
struct T2000AgreementRow : FieldRow {
    using FieldRow::FieldRow;
    ROW_FLD(CFloatField, B);  // amount of the agreement
    ROW_FLD(CFloatField, C);
    ROW_FLD(CFloatField, D);
    ROW_FLD(CFloatField, E);
    ROW_FLD(CFloatField, F);
    ROW_FLD(CFloatField, G);
    ROW_FLD(CFloatField, H);
    ROW_FLD(CFloatField, I, Computed);  // column B x 1 %
    ROW_FLD(CFloatField, J, Computed);  // column C x 1 %
    ROW_FLD(CFloatField, K, Computed);  // column D x 1 %
    ROW_FLD(CFloatField, L, Computed);  // column E minus column F
    ROW_FLD(CFloatField, M, Computed);  // lesser of columns K and L
    ROW_FLD(CFloatField, N, Computed);  // column G minus column H
};

class TaxData_T2000 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_T2000() : CTaxDataBase01(20) {}
    int Calculate01();

    // Identification of the trustee and the plan
    FLD(CStringField, fld_lname, 0, "", 80, 0x10000);
    FLD(CDateField, fld_finish_date);
    FLD(CStringField, fld_phone, 0, "(000)-0000000", 20, 0x10000);
    FLD(CStringField, fld_addr, 0, "", 80, 0x10000);
    FLD(CStringField, fld_city, 0, "", 80, 0x10000);
    FLD(CStringField, fld_acct_num, 0, "", 20, 0x10000);
    FLD(CIntField, fld_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_country, 0, 0, 0x10000);
    FLD(CStringField, fld_postcode, 0, "", 9, 0x10000);
    FLD(CStringField, fld_trust_name, 0, "", 80, 0x10000);
    FLD(CStringField, fld_trust_num, 0, "", 9, 0x10000);
    AddressFields m_address{fld_addr, fld_city, fld_prov, fld_country, fld_postcode, fld_phone};

    FieldRows<T2000AgreementRow, 12> m_rows{this, "fld_", "_"};  // fld_B_1 .. fld_N_12

    FLD(CFloatField, fld_totalI, Computed);
    FLD(CFloatField, fld_totalJ, Computed);
    FLD(CFloatField, fld_totalM, Computed);
    FLD(CFloatField, fld_totalN, Computed);
    FLD(CFloatField, fld_2411, Record(W), Computed);  // tax payable
    FLD(CStringField, fld_cert_name, 0, "", 80, 0x10000);
    FLD(CFloatField, fld_PayOnAcct);
    FLD(CFloatField, fld_BalOrRef, Computed);  // balance owing (refund when negative)
    FLD(CStringField, fld_sign_date, 0, "", 80, 0x10000);
    FLD(CStringField, fld_sign_position, 0, "", 80, 0x10000);
};
