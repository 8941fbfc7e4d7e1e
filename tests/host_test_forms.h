// Forms for the host tests: the framework's sample (one field of every kind),
// a form whose type id its creator gives and a slip whose origin its creator
// gives, with a catalogue listing the three.
#pragma once

#include "sample_form.h"

#include "framework/slipcalc.h"
#include "host/form_catalogue.h"

class TaxData_HostTyped : public CTaxDataBase01 {
    Q_OBJECT
public:
    explicit TaxData_HostTyped(int typeId) : CTaxDataBase01(typeId) {}
    FLD(CFloatField, fld_amount, 0.0, 0);
    FLD(CStringField, fld_note, 0, "", 40, 0x10000);
};

class TaxData_Slip_HostSample : public CSlipTaxDataBase01 {
    Q_OBJECT
public:
    explicit TaxData_Slip_HostSample(int from) : CSlipTaxDataBase01(42, from) {}
    void addToSlipTotals(STRU_SLIPDATA_CALCULATION& totals) const override { totals.add(22, box_12); }
    FLD(CFloatField, box_12, 0.0, 12);
    FLD(CStringField, box_payer, 0, "", 20, 0x10000);
};

// A form that asks not to be carried forward.
class TaxData_HostNotImported : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_HostNotImported() : CTaxDataBase01(77) {}
    bool ShouldBeImported(unsigned char, ENUMTYPE_PROVINCE) override { return false; }
    FLD(CFloatField, fld_amount, 0.0, 0);
};

inline const FormCatalogue& hostTestCatalogue()
{
    static const FormCatalogue catalogue({
        plainForm<TaxData_FrameworkSample>("Sample form"),
        formWithTypeId<TaxData_HostTyped>("Typed form"),
        slipWithOrigin<TaxData_Slip_HostSample>("Sample slip"),
    });
    return catalogue;
}
