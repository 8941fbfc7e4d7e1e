// Recipients of issued T3 slips from a CSV file, all or nothing: every row
// is checked before the return changes, and a fault names its line and column.
//
// The first row is the header, exactly these columns in this order:
//   name,last_name,id,address,city,postal_code,percentage
// A row with a last name is an individual (name is the first name), one
// without is a business or organisation. The percentage, 0 to 100, is the
// beneficiary's share of Schedule 9: the slip is filled from it.
#pragma once

#include "host/tax_return.h"

#include <QHash>
#include <QString>
#include <string_view>
#include <utility>
#include <vector>

struct RecipientRow {
    int line = 0;
    QString name, lastName, id, address, city, postalCode;
    double percentage = 0.0;
};

struct RecipientsImport {
    std::vector<RecipientRow> rows;
    QString error;  // "line 3, column 7 (percentage): ..."; empty when every row is good
    bool ok() const { return error.isEmpty(); }
};

RecipientsImport parseRecipientsCsv(std::string_view text);

// The issued slip's fields that a row sets, as field names and texts.
std::vector<std::pair<const char*, QString>> recipientFields(const RecipientRow& row);
// The issued T3 slips of the return by their box_id (the first of each id).
QHash<QString, int> issuedSlipIndexById(const TaxReturn& ret);

struct RecipientsApplied {
    int added = 0;
    int updated = 0;
};
// A row whose id matches an issued slip's box_id updates that slip's
// recipient; any other row adds an issued slip.
RecipientsApplied applyRecipients(TaxReturn& ret, const std::vector<RecipientRow>& rows);
