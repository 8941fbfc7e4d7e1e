// Validation of a whole return: every form's messages, forms in file order,
// each form's messages in the order it gives them.
#pragma once

#include "host/tax_return.h"

#include <QString>
#include <vector>

struct ValidationMessage {
    QString form;  // class name without "TaxData_"
    int index;     // position of the form in the return (from 0)
    QString text;
    QString field;  // the field of that form the message is about; empty when none
};

// The purpose code the host passes to Validate for a check before filing.
constexpr unsigned char kValidateForFiling = 0;

std::vector<ValidationMessage> validateReturn(const TaxReturn& ret);
