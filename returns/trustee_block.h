// The trustee block the T3M and T3S returns share with the T3 return: the
// trustee answer (0 individual, 1 non-individual), the individual's fields
// and the non-individual's. Declared inside the form's class body, in the
// order of its stored data; TRUSTEE_BLOCK_GROUPS binds the two addresses.
#pragma once

#define TRUSTEE_BLOCK_FIELDS                                                          \
    FLD(CIntField, fld_bTrusteeIsPerson, -1, 0x10000);                                \
    FLD(CStringField, fld_indv_fname, 0, "", 80, 0x10000);                            \
    FLD(CStringField, fld_indv_lname, 0, "", 80, 0x10000);                            \
    FLD(CStringField, fld_indv_phone, 0, "(000)-0000000", 15, 0x10000);               \
    FLD(CStringField, fld_indv_addr, 0, "", 80, 0x10000);                             \
    FLD(CStringField, fld_indv_city, 0, "", 80, 0x10000);                             \
    FLD(CIntField, fld_indv_prov, 0, 0, 0x10000);                                     \
    FLD(CIntField, fld_indv_country, 0, 0, 0x10000);                                  \
    FLD(CStringField, fld_indv_postcode, 0, "", 9, 0x10000);                          \
    FLD(CStringField, fld_trustee_orgname, 0, "", 80, 0x10000);                       \
    FLD(CStringField, fld_trustee_fname, 0, "", 80, 0x10000);                         \
    FLD(CStringField, fld_trustee_lname, 0, "", 80, 0x10000);                         \
    FLD(CStringField, fld_trustee_phone, 0, "(000)-0000000", 15, 0x10000);            \
    FLD(CStringField, fld_trustee_addr, 0, "", 80, 0x10000);                          \
    FLD(CStringField, fld_trustee_city, 0, "", 80, 0x10000);                          \
    FLD(CIntField, fld_trustee_prov, 0, 0, 0x10000);                                  \
    FLD(CIntField, fld_trustee_country, 0, 0, 0x10000);                               \
    FLD(CStringField, fld_trustee_postcode, 0, "", 9, 0x10000)

#define TRUSTEE_BLOCK_GROUPS                                                                      \
    AddressFields m_indvAddress{fld_indv_addr,    fld_indv_city,     fld_indv_prov,               \
                                fld_indv_country, fld_indv_postcode, fld_indv_phone};             \
    AddressFields m_trusteeAddress{fld_trustee_addr,    fld_trustee_city,     fld_trustee_prov,   \
                                   fld_trustee_country, fld_trustee_postcode, fld_trustee_phone}
