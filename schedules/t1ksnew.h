// T1-KS, the preparer's result summary ("Tax Result Summary") and invoice
// ("Invoice Amounts"). It is never filed. One class serves several form
// types: the creator gives the id.
#pragma once

#include "framework/form.h"

class TaxData_T1KSNew : public CTaxDataBase01 {
    Q_OBJECT
public:
    explicit TaxData_T1KSNew(ENUMTYPE_FORM formType) : CTaxDataBase01(formType) {}

    int Calculate();
    // Adds `seconds` to the time spent while the timer runs; whether it did.
    bool increaseTimeSpent(int seconds);
    bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov) override;
    // When storing, stamps fld_DateOfSavingFile with today's date first.
    int Serialize(unsigned int version, const CString& password, MyDataStream& ar) override;
    bool shouldSkipWriteNetfile() override { return true; }

    // Identification and filing
    FLD(CStringField, fld_BusiName, 0, "", 80);
    FLD(CStringField, fld_Phone, 0, "", 20);
    FLD(CStringField, fld_AuditLegalTxt, 0, "", 80);
    FLD(CStringField, fld_AddrForPrint, 0, "", 160);
    FLD(CStringField, fld_Addr, 0, "", 80);
    FLD(CStringField, fld_Careof, 0, "", 80);
    FLD(CStringField, fld_LargerPOBox, 0, "", 80);
    FLD(CStringField, fld_LargerCity, 0, "", 80);
    FLD(CStringField, fld_Province, 0, "", 80);
    FLD(CStringField, fld_PostCode, 0, "", 10);
    FLD(CStringField, fld_AuthPerson, 0, "", 80);
    FLD(CIntField, fld_nLanguage, -1);
    FLD(CStringField, fld_EFileNumber, 0, "", 80);
    FLD(CStringField, fld_EFileConfirmation, 0, "", 80);
    FLD(CDateField, fld_DateOfSavingFile);
    FLD(CIntField, fld_FileStatus, -1);
    FLD(CStringField, fld_ConfirmCode, 0, "", 80);
    FLD(CStringField, fld_FileDate, 0, "", 80);
    FLD(CStringField, fld_AT1FileStatus, 0, "", 80);
    FLD(CStringField, fld_AT1ConfirmCode, 0, "", 80);
    FLD(CStringField, fld_AT1FileDate, 0, "", 80);

    // Result summary
    FLD(CFloatField, fld_BusinessLimit);
    FLD(CFloatField, fld_fedtax);
    FLD(CFloatField, fld_400);
    FLD(CFloatField, fld_provtax);
    FLD(CFloatField, fld_700);
    FLD(CFloatField, fld_totaltax);
    FLD(CFloatField, fld_712);
    FLD(CPercentField, fld_PcntProvTax);
    FLD(CFloatField, fld_netincome);
    FLD(CFloatField, fld_taxincome);
    FLD(CPercentField, fld_PcntTaxInc);
    FLD(CFloatField, fld_432);
    FLD(CFloatField, fld_Refund);
    FLD(CFloatField, fld_Balance);
    FLD(CPercentField, fld_taxrate);
    FLD(CFloatField, fld_AT1Refund);
    FLD(CFloatField, fld_AT1Balance);
    FLD(CPercentField, fld_AT1taxrate);

    // Time spent
    FLD(CIntField, fld_time01, 0);  // seconds
    FLD(CIntField, fld_time02, 0);  // minutes

    // Preparer
    FLD(CStringField, fld_profname, 0, "", 80);
    FLD(CStringField, fld_profphone, 0, "", 20);
    FLD(CStringField, fld_profaddr1, 0, "", 80);
    FLD(CStringField, fld_profaddr2, 0, "", 80);
    FLD(CStringField, fld_profaddr3, 0, "", 80);
    FLD(CBoolField, fld_bStartTimer);

    // Invoice: eight items, each with its no-tax box
    FLD(CStringField, fld_InvNumber, 0, "", 20);
    FLD(CBoolField, fld_item_notax_1);
    FLD(CFloatField, fld_item_1);  // preparation fee
    FLD(CStringField, fld_item_spec_2, 0, "", 80);
    FLD(CBoolField, fld_item_notax_2);
    FLD(CFloatField, fld_item_2);
    FLD(CStringField, fld_item_spec_3, 0, "", 80);
    FLD(CBoolField, fld_item_notax_3);
    FLD(CFloatField, fld_item_3);
    FLD(CStringField, fld_item_spec_4, 0, "", 80);
    FLD(CBoolField, fld_item_notax_4);
    FLD(CFloatField, fld_item_4);
    FLD(CStringField, fld_item_spec_5, 0, "", 80);
    FLD(CBoolField, fld_item_notax_5);
    FLD(CFloatField, fld_item_5);
    FLD(CStringField, fld_item_spec_6, 0, "", 80);
    FLD(CBoolField, fld_item_notax_6);
    FLD(CFloatField, fld_item_6);
    FLD(CStringField, fld_item_spec_7, 0, "", 80);
    FLD(CBoolField, fld_item_notax_7);
    FLD(CFloatField, fld_item_7);
    FLD(CStringField, fld_item_spec_8, 0, "", 80);
    FLD(CBoolField, fld_item_notax_8);
    FLD(CFloatField, fld_item_8);
    FLD(CFloatField, fld_sub_total, Computed);
    FLD(CPercentField, fld_tax_rate);
    FLD(CFloatField, fld_fee_tax);
    FLD(CFloatField, fld_fee_total, Computed);
};
