// The trustee block of the T3M, T3S and T3-RCA returns, in the T3 return's
// pattern: the trustee answer (0 individual, 1 non-individual), the
// individual's fields, then the non-individual's. A return declares it where
// its stored data has it: `TrusteeBlock m_trustee{this};` registers
// fld_bTrusteeIsPerson, fld_indv_fname ... fld_trustee_postcode in order.
#pragma once

#include "framework/address_fields.h"
#include "framework/field_rows.h"

struct TrusteeBlock : FieldRow {
    explicit TrusteeBlock(CTaxData_Form* form) : FieldRow(form, "fld_", "") {}

    ROW_FLD(CIntField, bTrusteeIsPerson, -1, 0x10000);
    ROW_FLD(CStringField, indv_fname, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, indv_lname, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, indv_phone, 0, "(000)-0000000", 15, 0x10000);
    ROW_FLD(CStringField, indv_addr, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, indv_city, 0, "", 80, 0x10000);
    ROW_FLD(CIntField, indv_prov, 0, 0, 0x10000);
    ROW_FLD(CIntField, indv_country, 0, 0, 0x10000);
    ROW_FLD(CStringField, indv_postcode, 0, "", 9, 0x10000);
    ROW_FLD(CStringField, trustee_orgname, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, trustee_fname, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, trustee_lname, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, trustee_phone, 0, "(000)-0000000", 15, 0x10000);
    ROW_FLD(CStringField, trustee_addr, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, trustee_city, 0, "", 80, 0x10000);
    ROW_FLD(CIntField, trustee_prov, 0, 0, 0x10000);
    ROW_FLD(CIntField, trustee_country, 0, 0, 0x10000);
    ROW_FLD(CStringField, trustee_postcode, 0, "", 9, 0x10000);

    AddressFields individualAddress{indv_addr, indv_city, indv_prov, indv_country, indv_postcode, indv_phone};
    AddressFields organizationAddress{trustee_addr,    trustee_city,     trustee_prov,
                                      trustee_country, trustee_postcode, trustee_phone};

    // An unanswered trustee counts as a non-individual, as on the T3 return.
    bool isIndividual() const { return bTrusteeIsPerson == 0; }
    const CStringField& firstName() const { return isIndividual() ? indv_fname : trustee_fname; }
    const CStringField& lastName() const { return isIndividual() ? indv_lname : trustee_lname; }
    const AddressFields& address() const { return isIndividual() ? individualAddress : organizationAddress; }
};
