// Helpers that write form values into the JSON filing document
// (nlohmann::ordered_json: keys keep the order in which they were first set).
// Formats and key names are documented in docs/json-helpers.md.
#pragma once

#include "framework/cstring.h"
#include "framework/netfile.h"

#include <nlohmann/json.hpp>

struct AddressFields;
class CFloatField;
class CStringField;
class CDateField;

using json = nlohmann::ordered_json;

// Amount formats: 0 whole dollars (number), 2 dollars and cents (number),
// 101 dollars and cents (text "12.50"), 102 whole dollars (text "13").
// Rounding is half away from zero, as in the Netfile records.
void JsonFloatField(json& obj, const char* key, const CFloatField& field, int format);
void JsonFloatValue(json& obj, const char* key, double value, int format);
// A whole number (JSON integer), rounded half away from zero.
void JsonFloatFieldAsInt(json& obj, const char* key, const CFloatField& field, int format);
void JsonStringField(json& obj, const char* key, const CStringField& field);
void JsonStringValue(json& obj, const char* key, const CString& text);
// The date through GetDateStr(date, format); the null date gives "".
void JsonDateField(json& obj, const char* key, const CDateField& field, int format);

// Fills `obj` with an address. Mode 0 (return document): "streetAddress",
// "city", "province" (two-letter code, only for a Canadian province or
// territory), "postalCode", "country" (ISO 3166 three-letter code).
// Mode 1 (slip filing): "addr_l1_txt", "cty_nm", "prov_cd", "cntry_cd", "pstl_cd".
void fillJsonAddr(json& obj, int mode, const CString& street, const CString& city, int prov,
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
