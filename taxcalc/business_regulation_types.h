// The business regulation types of Schedule 5 Part 1: the Income Tax
// Regulations section that sets how a trust with permanent establishments in
// more than one jurisdiction allocates its taxable income. The type is chosen
// by its code (its position in the table); code 0 is "none chosen".
#pragma once

struct BusinessRegulationType {
    const char* name;         // the regulation's number, as Schedule 5 line 100 carries it
    const char* description;  // for the choice list on the page
};

constexpr int kBusinessRegulationTypes = 15;  // codes 0 to 14
constexpr int kPipelineOperators = 10;        // regulation 411: the user allocates the taxable income

// Row `code` of the table; row 0 for a code outside it.
const BusinessRegulationType& businessRegulationType(int code);
