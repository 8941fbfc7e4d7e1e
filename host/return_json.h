// The JSON return file, for people and scripts (docs/return-json.md):
//
//   { "trustella": "return", "version": 1,
//     "forms": [ { "form": "T3Ret", "fields": { "fld_trust_num": "T12345678", ... } }, ... ] }
//
// Field names and order come from each form's field registry.
#pragma once

#include "host/form_catalogue.h"
#include "host/tax_return.h"

#include <nlohmann/json.hpp>
#include <string>

using json = nlohmann::ordered_json;

constexpr int kReturnJsonVersion = 1;

// A field's value as the JSON file holds it: amounts and percentages as
// numbers, texts as strings, answers and choices as integers, flags as
// true/false, dates as "YYYY-MM-DD" and dates with times as
// "YYYY-MM-DDTHH:MM:SS" (both "" when not set).
json fieldToJson(const CField& field);
// Sets a field from its JSON value; answers an empty text, or the problem
// ("expected a number, found a string").
QString fieldFromJson(CField& field, const json& value);

// One form's object: "form", "typeId" or "origin" where the creator gives
// them, and "fields" with every registered field in registration order.
json formToJson(const CTaxData_Form& form, const FormCatalogue& catalogue = FormCatalogue::standard());
json returnToJson(const TaxReturn& ret, const FormCatalogue& catalogue = FormCatalogue::standard());
// The document as the file holds it: indented by two, ending in a newline.
std::string returnToJsonText(const TaxReturn& ret, const FormCatalogue& catalogue = FormCatalogue::standard());

// Reads a document; `source` names it in messages. Fields left out keep their
// defaults; former field names are accepted. Throws ReturnFileError.
TaxReturn returnFromJson(const std::string& text, const QString& source,
                         const FormCatalogue& catalogue = FormCatalogue::standard());
