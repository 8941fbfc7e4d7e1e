// Netfile output helpers shared by every form's writer: the value formats of
// the field-record set, table-driven writing of a form's records, and the line
// stream (text lines plus typed records) of the schedules that use it.
#pragma once

#include "framework/field.h"
#include "framework/form.h"
#include "framework/netfile.h"

#include <cstdio>

// "01" .. "09", then the code as is.
std::string netfileCodeText(int code);

// Value texts; each answers false (and leaves `out` alone) when the value
// fails its written-when test.
bool netfileWholeDollars(double amount, CString& out);
bool netfileCents(double amount, CString& out);
CString netfileAtLeastOneDollar(double amount);
bool netfileYesNo(int stored, CString& out);

// Writing one record: the value format's test, then insert or replace.
// Amount formats: W, C and M.
void writeNetfileAmount(NetfileRecordMap& records, int code, double amount, NetfileFormat format);
// Y: an answer stored 0 or 1 writes "1" or "2"; any other value nothing.
void writeNetfileYesNo(NetfileRecordMap& records, int code, int stored);
// F: "1" when set.
void writeNetfileFlag(NetfileRecordMap& records, int code, bool set);
// D and other texts: written always, as given.
void writeNetfileText(NetfileRecordMap& records, int code, const CString& text);

// The records a form's field declarations carry, in registry order: each
// field declared with a Netfile format, under its code. A form's WriteNetfile
// writes these (the base class does it) and adds only what is more than
// "this field under this code".
void writeDeclaredRecords(const CTaxData_Form& form, NetfileRecordMap& records);
// One declared field's record (nothing when the field has no format).
void writeDeclaredRecord(const CField& field, NetfileRecordMap& records);

// The line stream: each record goes to `out` as one line (when there is a
// stream) and into the typed record map under "code-1".
class NetfileLineStream {
public:
    NetfileLineStream(NetfileTypedMap& typed, FILE* out) : m_typed(typed), m_out(out) {}

    // Written when |amount| >= 0.009; the line carries the rounded whole
    // dollars (possibly "0"), the typed record the unrounded amount.
    void amount(int code, double value);
    // Written when not empty; the typed record keeps at most 128 bytes.
    void text(int code, const CString& value);
    void flag(int code, bool set);
    // Written when the stored answer is 0 or more, as stored + 1.
    void choice(int code, int stored);

private:
    // The typed-record builders (types 2, 0 and 4), keyed "code-occurrence".
    // A text record holds the first 128 bytes; a text of 128 bytes or more
    // has no terminating zero, so readers use strnlen(sValue, 128).
    static void addDoubleRecord(NetfileTypedMap& map, int code, double value, int occurrence);
    static void addIntRecord(NetfileTypedMap& map, int code, int value, int occurrence);
    static void addTextRecord(NetfileTypedMap& map, int code, const std::string& utf8, int occurrence);

    NetfileTypedMap& m_typed;
    FILE* m_out;
};
