// Helpers that write form values into the JSON filing document
// (nlohmann::ordered_json: keys keep the order in which they were first set).
// Formats and key names are documented in docs/efile.md.
#pragma once

#include "framework/cstring.h"
#include "framework/netfile.h"

#include <nlohmann/json.hpp>

#include <string_view>

struct AddressFields;
class CFloatField;
class CStringField;
class CDateField;

using json = nlohmann::ordered_json;

// Where a form writes its part of the JSON filing document: a JSON value, or
// straight into the document's text (framework/json_sink.h). A form writes
// its keys once, through the same calls, for both.
class JsonSink {
public:
    virtual ~JsonSink() = default;
    // `key` names the member of the enclosing object; nullptr for an element
    // of the enclosing array.
    virtual void text(const char* key, std::string_view value) = 0;
    virtual void integer(const char* key, long long value) = 0;
    virtual void number(const char* key, double value) = 0;
    // Opens an object (or an array) that the following calls fill, up to end().
    virtual void begin(const char* key, bool array = false) = 0;
    virtual void end() = 0;
};

// Amount formats: 0 whole dollars (number), 2 dollars and cents (number),
// 101 dollars and cents (text "12.50"), 102 whole dollars (text "13").
// Rounding is half away from zero, as in the Netfile records.
void JsonFloatField(json& obj, const char* key, const CFloatField& field, int format);
void JsonFloatValue(json& obj, const char* key, double value, int format);
void JsonFloatField(JsonSink& obj, const char* key, const CFloatField& field, int format);
void JsonFloatValue(JsonSink& obj, const char* key, double value, int format);
// A whole number (JSON integer), rounded half away from zero.
void JsonFloatFieldAsInt(json& obj, const char* key, const CFloatField& field, int format);
void JsonStringField(json& obj, const char* key, const CStringField& field);
void JsonStringField(JsonSink& obj, const char* key, const CStringField& field);
void JsonStringValue(json& obj, const char* key, const CString& text);
// The date through GetDateStr(date, format); the null date gives "".
void JsonDateField(json& obj, const char* key, const CDateField& field, int format);

// Fills `obj` with an address. Mode 0 (return document): "streetAddress",
// "city", "province" (two-letter code, only for a Canadian province or
// territory), "postalCode", "country" (ISO 3166 three-letter code).
// Mode 1 (slip filing): "addr_l1_txt", "cty_nm", "prov_cd", "cntry_cd", "pstl_cd".
void fillJsonAddr(json& obj, int mode, const CString& street, const CString& city, int prov,
                  const CString& postalCode, int country);
void fillJsonAddr(JsonSink& obj, int mode, const CString& street, const CString& city, int prov,
                  const CString& postalCode, int country);
// The same for a form's address group (its phone is not written).
void fillJsonAddr(json& obj, int mode, const AddressFields& address);
// Adds the phone keys for a number given as digits. Mode 0 (return
// document): "phoneAreaCode", "phoneNumber" and, when more than ten digits,
// "phoneExtension". Mode 101 (slip contact): "cntc_area_cd", "cntc_phn_nbr"
// ("555-1234") and "cntc_extn_nbr" when more than ten digits.
void fillJsonPhone(json& obj, const CString& digits, int mode);
// The digits of a phone text ("(613)-5551234" -> "6135551234"); with
// `digitsOnly` false a leading "+" is kept.
CString GetRawPhoneStr(const CString& phone, bool digitsOnly);
// True when the phone text holds a digit other than 0 (the default
// "(000)-0000000" holds nothing).
bool ChkPhoneStrHasSomething(const CString& phone);
// Record codes as keys, in the record set's numeric order; values that read
// as numbers become JSON numbers, others stay texts.
void convertNumStrMapToOrderedJson(const NetfileRecordMap& records, json& obj);
