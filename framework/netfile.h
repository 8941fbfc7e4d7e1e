// Netfile output context: the field-record set that forms write their
// electronic-filing records into, and the typed records of the line stream.
#pragma once

#include "framework/cstring.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

// Orders record codes by their integer value ("09" < "10" < "56" < "96" < "101"),
// then by text for codes of equal value.
struct NetfileCodeLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
using NetfileRecordMap = std::map<std::string, CString, NetfileCodeLess>;

// The output context handed to WriteNetfile. `records` is what the forms
// write; the other members belong to the host.
struct NetfileGenObjParamStruct {
    NetfileRecordMap records;
    int formIndex = 0;        // position of the writing form in the return
    int taxYear = 2024;
};

// A typed record of the line stream: a 32-bit type tag, then one value.
struct STRUCT_NETFILE_TIA_FIELD_TYPE {
    enum : int32_t { TYPE_INT = 0, TYPE_DOUBLE = 2, TYPE_TEXT = 4 };
    int32_t type = TYPE_INT;
    union {
        int32_t iValue;
        double dValue;
        char sValue[128];
    };
    STRUCT_NETFILE_TIA_FIELD_TYPE() : sValue{} {}
};
using NetfileTypedMap = std::map<std::string, STRUCT_NETFILE_TIA_FIELD_TYPE>;

// A form that writes the line stream (each record a text line and a typed
// record) besides its field-record set. The host collects the stream of
// every such form; the last argument is the host's and no form uses it.
class NetfileLineStreamForm {
public:
    virtual ~NetfileLineStreamForm() = default;
    virtual int WriteNetfile(unsigned char purpose, NetfileTypedMap& typed, FILE* out, int& reserved) = 0;
};

// Key of a typed record: code, hyphen, occurrence ("103-1").
std::string netfileTypedKey(int code, int occurrence);
// Adds (or replaces) a type 0 record.
void addIntValue(NetfileTypedMap& map, int code, int value, int occurrence);
