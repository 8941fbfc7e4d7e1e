// An address group: the fields of a form that hold one address and its
// phone. A form binds each of its groups once, next to the fields; the
// address check, the filing document and the copies between forms take the
// group instead of listing its fields again.
#pragma once

#include "framework/field.h"

struct AddressFields {
    CStringField& street;
    CStringField& city;
    CIntField& province;
    CIntField& country;
    CStringField& postalCode;
    CStringField& phone;

    // Assigning one form to another copies field values; each group stays
    // bound to its own form's fields.
    AddressFields& operator=(const AddressFields&) { return *this; }

    // Copies the address and phone of `from`, texts cut to this group's lengths.
    void copyFrom(const AddressFields& from) const
    {
        street.setClipped(from.street);
        city.setClipped(from.city);
        province = from.province.value();
        country = from.country.value();
        postalCode.setClipped(from.postalCode);
        phone.setClipped(from.phone);
    }
};
