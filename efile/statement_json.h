// What the business, farming and rental statements share in the JSON filing
// document: the address of the operation and the records as "returnLines".
#pragma once

#include <QString>
#include <nlohmann/json.hpp>

class CTaxData_Form;

// { "streetAddress", "city", "province" (only for a Canadian province), "postalCode" }
nlohmann::ordered_json statementAddress(const QString& street, const QString& city, int province,
                                        const QString& postalCode);
// The statement's declared records, codes as keys in their numeric order.
nlohmann::ordered_json statementReturnLines(const CTaxData_Form& form);
