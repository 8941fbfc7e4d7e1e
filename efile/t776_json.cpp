// Form T776's part of the JSON filing document: the rental operation, then
// the statement's records as "returnLines".
#include "efile/json_values.h"
#include "efile/netfile_records.h"
#include "efile/statement_json.h"
#include "framework/netfile.h"
#include "statements/t776new.h"

int TaxData_T776New::WriteFreeData(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (ctx)
        writeDeclaredRecords(*this, ctx->records);
    return 0;
}

int TaxData_T776New::WriteJsonFileHeader(unsigned char /*purpose*/, json& doc)
{
    doc["fullName"] = fld_name.utf8();
    doc["socialInsuranceNumber"] = fld_SIN.utf8();
    doc["businessAddress"] = statementAddress(fld_addr, fld_cityprov, fld_iprov, fld_postcode);
    doc["businessAccountNumber"] = fld_GSTNumber.utf8();
    doc["fiscalPeriodStart"] = jsonDate(fld_begindate);
    doc["fiscalPeriodEnd"] = jsonDate(fld_enddate);
    doc["finalYearOfRentalOperationIndicator"] = bool(fld_lastyear);
    doc["naicsCode"] = "531111";  // lessors of residential buildings and dwellings
    doc["taxShelterIdentificationNumber"] = fld_taxshelter_ID.utf8();
    doc["partnershipBusinessNumber"] = fld_partnership_ID.utf8();
    doc["partnershipPercent"] = int(fld_ownership_percent);
    return 0;
}

int TaxData_T776New::WriteJsonFile(unsigned char /*purpose*/, json& doc)
{
    WriteJsonFileHeader(0, doc);
    doc["returnLines"] = statementReturnLines(*this);
    return 0;
}
