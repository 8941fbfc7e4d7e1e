// Arithmetic and identifier checks shared by the forms.
#pragma once

#include "framework/address_fields.h"
#include "framework/cstring.h"
#include "framework/province.h"

#include <list>

// a / b, or `fallback` when b is 0.
double div(double a, double b, double fallback);

// Social insurance number: nine digits (blanks and hyphens ignored) passing
// the Luhn check; numbers starting with 0 or 8 are never issued to people.
bool CheckSIN(const CString& sin);
// Business number: nine digits passing the Luhn check, optionally followed by
// a two-letter program identifier and a four-digit reference ("RT0001").
bool CheckBusiNum(const CString& bn);
// Trust account number: "T" followed by eight digits. When `reason` is given
// it receives why the number was refused.
bool CheckTrustNumber(const CString& number, CString* reason);
// Characters accepted in texts of the electronic corporate and trust files:
// letters (accented ones included), digits, blank and - ' . , & / # ( ) : ;
bool CheckT2ValidChar(const CString& text);

// Checks an address group and appends one message per faulty part, each
// about the part's field and made from `format` (two %s: the part, then
// `label`), for example "Postal code in [individual trustee address] is
// empty or invalid.". Parts, in order: "Street address", "City", "Country",
// "Province", "Postal code". Answers the number of messages appended.
int validateAddr2(const AddressFields& address, const char* format, const char* label,
                  std::list<CString>& messages);

class CPostCodeInfo {
public:
    static CPostCodeInfo* GetInstance();
    // Province or territory of a Canadian postal code ("K1A 0B1" -> Ontario),
    // PROV_NONE when the code is not a well-formed Canadian postal code.
    ENUMTYPE_PROVINCE ProvFromPostCode(const CString& postalCode) const;
    // Letter-digit-letter digit-letter-digit, one optional blank in the middle.
    bool IsValidCanadian(const CString& postalCode) const;
    // Five digits, optionally followed by a hyphen and four digits.
    bool IsValidUSZip(const CString& zip) const;
};
