// The trust's identification group: name, account number and residence, as
// the return declares them and as the forms that repeat them (the e-file
// authorization, the other return types, T2000) hold them. A form binds its
// group once, next to the fields; copies, the filing document and checks
// take the group.
#pragma once

#include "framework/field.h"

struct TrustIdentification {
    CStringField& name;
    CStringField& accountNumber;
    CIntField& province;
    CIntField& country;

    // Assigning one form to another copies field values; each group stays
    // bound to its own form's fields.
    TrustIdentification& operator=(const TrustIdentification&) { return *this; }

    // Copies `from`, texts cut to this group's lengths.
    void copyFrom(const TrustIdentification& from) const
    {
        name.setClipped(from.name);
        accountNumber.setClipped(from.accountNumber);
        province = from.province.value();
        country = from.country.value();
    }
};
