// Filing output of a whole (already calculated) return: each form's Netfile
// record set in file order, and the JSON filing document. The document's
// layout is described in docs/efile.md.
#pragma once

#include "framework/jsonhelpers.h"
#include "framework/netfile.h"
#include "host/tax_return.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class CTaxData_Form;

// The records one form wrote, with the form's position in the return.
struct FormNetfileRecords {
    QString form;  // class name without "TaxData_"
    int index = 0;
    NetfileRecordMap records;
    QStringList lineStream;  // the lines of a form that writes the line stream, in order
};

// Every form's record set (and line stream) in file order. Forms whose
// shouldSkipWriteNetfile answers true and forms that write nothing are left out.
std::vector<FormNetfileRecords> collectNetfileRecords(const std::vector<CTaxData_Form*>& forms);
std::vector<FormNetfileRecords> collectNetfileRecords(const TaxReturn& ret);

// The text lines a form writes to its line stream (the typed records stay the host's).
QStringList lineStreamOf(NetfileLineStreamForm& form);

// One line "CLASS CODE VALUE" per record, each form's records in code order,
// then "CLASS stream LINE" per line of its line stream.
QString netfileRecordsText(const std::vector<FormNetfileRecords>& sets);
// [{"form": "T3Ret", "index": 0, "records": {"01": "12345"}}]: values as
// texts; a form with a line stream adds "lineStream": ["099123", ...].
json netfileRecordsJson(const std::vector<FormNetfileRecords>& sets);

// The JSON filing document of the return. Answers false, with `error` set,
// when the return has no trust return form to file.
bool buildFilingDocument(const std::vector<CTaxData_Form*>& forms, json& doc, QString& error);
bool buildFilingDocument(const TaxReturn& ret, json& doc, QString& error);
// The same document as text, exactly `doc.dump(indent)` of the above (indent
// -1: compact), written slip by slip: what the command line and the window
// write, since thousands of slips never need to be held as JSON values.
bool filingDocumentText(const std::vector<CTaxData_Form*>& forms, int indent, std::string& text, QString& error);
bool filingDocumentText(const TaxReturn& ret, int indent, std::string& text, QString& error);
