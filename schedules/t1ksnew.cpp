#include "schedules/t1ksnew.h"

#include "framework/amounts.h"
#include "framework/datastream.h"
#include "framework/datetexts.h"
#include "framework/checks.h"

#include <cmath>

int TaxData_T1KSNew::Calculate()
{
    fld_PcntProvTax.store(div(fld_provtax, fld_totaltax, 0.0) * 100.0);
    fld_PcntTaxInc.store(div(fld_totaltax, fld_taxincome, 0.0) * 100.0);

    struct Item {
        const CBoolField& noTax;
        const CFloatField& amount;
    };
    const Item items[] = {
        {fld_item_notax_1, fld_item_1}, {fld_item_notax_2, fld_item_2}, {fld_item_notax_3, fld_item_3},
        {fld_item_notax_4, fld_item_4}, {fld_item_notax_5, fld_item_5}, {fld_item_notax_6, fld_item_6},
        {fld_item_notax_7, fld_item_7}, {fld_item_notax_8, fld_item_8},
    };
    double subTotal = 0.0, taxable = 0.0;
    for (const Item& item : items) {
        subTotal += item.amount;
        if (!item.noTax)
            taxable += item.amount;
    }
    // A rate below a cent leaves the tax as it was.
    if (std::fabs(fld_tax_rate) >= AMOUNT_TOLERANCE)
        fld_fee_tax = taxable * fld_tax_rate / 100.0;
    fld_sub_total = subTotal;
    fld_fee_total = fld_sub_total + fld_fee_tax;
    return 0;
}

bool TaxData_T1KSNew::increaseTimeSpent(int seconds)
{
    if (!fld_bStartTimer)
        return false;
    fld_time01 = fld_time01 + seconds;
    fld_time02 = fld_time01 / 60;
    return true;
}

bool TaxData_T1KSNew::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return true;
}

int TaxData_T1KSNew::Serialize(unsigned int version, const CString& password, MyDataStream& ar)
{
    if (ar.IsStoring())
        fld_DateOfSavingFile = CurrentDateTime().date();
    return CTaxDataBase01::Serialize(version, password, ar);
}
