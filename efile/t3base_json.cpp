// The part of the slip-issuer data that every trust return type shares.
#include "efile/json_values.h"
#include "returns/t3base.h"

#include <nlohmann/json.hpp>

int TaxData_T3Base::getIssuingSlipEntityData(json& doc)
{
    CString name;
    CString account;
    QDate start;
    QDate end;
    getName(name);
    getTrustNumber(account);
    getTaxYearStartEnd(start, end);
    doc["name"] = name.toStdString();
    doc["trust_account"] = account.toStdString();
    doc["tax_year_start"] = jsonIssuerDate(start);
    doc["tax_year_end"] = jsonIssuerDate(end);
    return 0;
}
