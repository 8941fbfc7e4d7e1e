// Form T2042's part of the JSON filing document: the farm, then the
// statement's records as "returnLines".
#include "efile/json_values.h"
#include "efile/netfile_records.h"
#include "efile/statement_json.h"
#include "framework/netfile.h"
#include "statements/t2042new.h"

int TaxData_T2042New::WriteFreeData(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (ctx)
        writeDeclaredRecords(*this, ctx->records);
    return 0;
}

int TaxData_T2042New::WriteJsonFileHeader(unsigned char /*purpose*/, json& doc)
{
    doc["fullName"] = fld_name.utf8();
    doc["socialInsuranceNumber"] = fld_SIN.utf8();
    doc["farmName"] = fld_farmname.utf8();
    doc["businessAddress"] = statementAddress(fld_farmaddr, fld_town, fld_iProv, fld_postcode);
    doc["businessAccountNumber"] = fld_GSTNumber.utf8();
    doc["fiscalPeriodStart"] = jsonDate(fld_beginperiod);
    doc["fiscalPeriodEnd"] = jsonDate(fld_endperiod);
    doc["lastYearOfFarmingIndicator"] = bool(fld_bLastYear);
    doc["mainProductOrService"] = fld_mainprod.utf8();
    doc["naicsCode"] = CString(fld_industrycode).Trimmed().toStdString();
    doc["accountingMethodType"] = fld_accountmethod != 0 ? "CASH" : "ACCRUAL";
    doc["taxShelterIdentificationNumber"] = fld_taxshelterID.utf8();
    doc["partnershipBusinessNumber"] = fld_partnerID.utf8();
    doc["partnershipPercent"] = int(fld_percentowner);
    return 0;
}

int TaxData_T2042New::WriteJsonFile(unsigned char /*purpose*/, json& doc)
{
    WriteJsonFileHeader(0, doc);
    doc["returnLines"] = statementReturnLines(*this);
    return 0;
}
