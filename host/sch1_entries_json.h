// Schedule 1's extra share entries in the JSON return file: the form's key
// "moreEquityEntries", an array of objects with the entry's twelve fields by
// name (docs/return-json.md).
#pragma once

#include <QString>
#include <nlohmann/json.hpp>

class CTaxData_Form;
using json = nlohmann::ordered_json;

// Left out when the form holds no entries.
json sch1EntriesToJson(const CTaxData_Form& form);
// `value` is null when the key is absent: the form then holds as many empty
// entries as fld_ws_moreentry says. Otherwise the array gives the entries
// and their count. Answers the problem, or "".
QString sch1EntriesFromJson(CTaxData_Form& form, const json& value);
