// Built-in industry-code picklist, used when no code list file is loaded.
#pragma once

struct NaicsBuiltinEntry {
    const char* code;         // six-digit industry code; a code may appear more than once
    const char* description;  // English description shown in the picklist
};

// Number of entries in g_naicsBuiltinTable (checked at compile time).
constexpr int kNaicsBuiltinCount = 268;

extern const NaicsBuiltinEntry g_naicsBuiltinTable[];
extern const int g_naicsBuiltinCount;  // == kNaicsBuiltinCount
