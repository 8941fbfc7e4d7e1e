// Form T2125's part of the JSON filing document: the business, then the
// statement's records as "returnLines". A professional statement has no cost
// of goods sold: those records are left out.
#include "efile/json_values.h"
#include "efile/netfile_records.h"
#include "efile/statement_json.h"
#include "framework/jsonhelpers.h"
#include "framework/netfile.h"
#include "statements/t2125new.h"

int TaxData_T2125_New::WriteFreeData(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (!ctx)
        return 0;
    writeDeclaredRecords(*this, ctx->records);
    if (fld_IsBusiOrProf != Business)
        for (const char* code : {"8300", "8320", "8360", "8340", "8450", "8500", "8518", "8519"})
            ctx->records.erase(code);
    return 0;
}

int TaxData_T2125_New::WriteJsonFileHeader(unsigned char /*purpose*/, json& doc)
{
    doc["fullName"] = fld_name.utf8();
    doc["socialInsuranceNumber"] = fld_SIN.utf8();
    doc["businessName"] = fld_businessname.utf8();
    doc["businessAddress"] = statementAddress(fld_businessaddr, fld_town, fld_iProv, fld_postcode);
    doc["businessAccountNumber"] = CString(fld_GSTNumber).Trimmed().toStdString();
    doc["fiscalPeriodStart"] = jsonDate(fld_beginperiod);
    doc["fiscalPeriodEnd"] = jsonDate(fld_endperiod);
    doc["finalBusinessYearIndicator"] = bool(fld_bLastYear);
    doc["mainProductOrService"] = fld_mainprod.utf8();
    doc["naicsCode"] = CString(fld_industrycode).Trimmed().toStdString();
    doc["accountingMethodType"] = fld_accountmethod != 0 ? "CASH" : "ACCRUAL";
    doc["partnershipPercent"] = int(fld_percentowner);
    return 0;
}

int TaxData_T2125_New::WriteJsonFile(unsigned char purpose, json& doc)
{
    WriteJsonFileHeader(0, doc);
    NetfileGenObjParamStruct records;
    WriteFreeData(purpose, &records);
    json lines = json::object();
    convertNumStrMapToOrderedJson(records.records, lines);
    doc["returnLines"] = std::move(lines);
    return 0;
}
