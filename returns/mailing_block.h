// The trust's mailing address as the T3M and T3-RCA returns keep it: the
// "same as the trustee's" box, then the address with its province and
// country as texts. `MailingBlock m_mailing{this};` registers
// fld_bSameMailAddr, fld_mail_careof ... fld_mail_postcode in order.
#pragma once

#include "framework/field_rows.h"

struct MailingBlock : FieldRow {
    explicit MailingBlock(CTaxData_Form* form) : FieldRow(form, "fld_", "") {}

    ROW_FLD(CBoolField, bSameMailAddr, false, 0x10000);
    ROW_FLD(CStringField, mail_careof, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, mail_addr, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, mail_phone, 0, "(000)-0000000", 15, 0x10000);
    ROW_FLD(CStringField, mail_city, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, mail_prov, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, mail_country, 0, "", 80, 0x10000);
    ROW_FLD(CStringField, mail_postcode, 0, "", 9, 0x10000);
};
