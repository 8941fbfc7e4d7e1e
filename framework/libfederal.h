// The federal forms library's frame: its marker class, its resources and the
// industry-code check.
#pragma once

#include "framework/cstring.h"

#include <QString>

class LibFederal {
public:
    LibFederal() = default;
};

// Registers and releases the library's resource collection (":/misc/res/...").
// Registration also happens when the library is loaded.
int qInitResources_z3oravuru();
int qCleanupResources_z3oravuru();

// Whether `code` is an accepted industry code: first the built-in table,
// then, read once per process, the code list ":/misc/res/NAICS-2018.txt"
// (compared ignoring case).
bool CheckNAICS(const CString& code);
// The built-in table alone (exact match).
bool CheckOldNAICS(const char* code);
// How many times the code list resource has been read (for tests).
int naicsResourceReadCount();

// An amount with exactly two decimals ("1234.50").
void toAmountString(double amount, QString& out);
