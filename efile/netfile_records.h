// Netfile output helpers shared by every form's writer: the value formats of
// the field-record set, table-driven writing of a form's records, and the line
// stream (text lines plus typed records) of the schedules that use it.
#pragma once

#include "framework/field.h"
#include "framework/netfile.h"

#include <cstdio>
#include <initializer_list>

// Amount formats of the field-record set. The other formats have their own
// writers: yes/no answers (Y), flags (F) and texts such as dates (D).
enum class NetfileFormat {
    W,  // whole dollars, half away from zero; left out when it rounds to 0
    C,  // dollars and cents, "12.50"; left out below 0.01
    M,  // whole dollars, at least "1"; always written
};

// "01" .. "09", then the code as is.
std::string netfileCodeText(int code);

// Value texts; each answers false (and leaves `out` alone) when the value
// fails its written-when test.
bool netfileWholeDollars(double amount, CString& out);
bool netfileCents(double amount, CString& out);
CString netfileAtLeastOneDollar(double amount);
bool netfileYesNo(int stored, CString& out);

// Writing one record: the value format's test, then insert or replace.
void writeNetfileAmount(NetfileRecordMap& records, int code, double amount, NetfileFormat format);
// Y: an answer stored 0 or 1 writes "1" or "2"; any other value nothing.
void writeNetfileYesNo(NetfileRecordMap& records, int code, int stored);
// F: "1" when set.
void writeNetfileFlag(NetfileRecordMap& records, int code, bool set);
// D and other texts: written always, as given.
void writeNetfileText(NetfileRecordMap& records, int code, const CString& text);

// A row of a form's record table: code, the field read, its format.
template <class Form>
struct NetfileAmountRow {
    int code;
    CFloatField Form::*field;
    NetfileFormat format;
};
template <class Form>
struct NetfileYesNoRow {
    int code;
    CIntField Form::*field;
};

template <class Form>
void writeNetfileRows(const Form& form, NetfileRecordMap& records,
                      std::initializer_list<NetfileAmountRow<Form>> rows)
{
    for (const auto& row : rows)
        writeNetfileAmount(records, row.code, (form.*row.field).value(), row.format);
}

template <class Form>
void writeNetfileRows(const Form& form, NetfileRecordMap& records,
                      std::initializer_list<NetfileYesNoRow<Form>> rows)
{
    for (const auto& row : rows)
        writeNetfileYesNo(records, row.code, (form.*row.field).value());
}

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
