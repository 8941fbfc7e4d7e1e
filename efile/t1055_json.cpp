// Form T1055's part of the JSON filing document: the header (the deceased
// person of situations A and B, else of C and F; the property transfer of
// situations D and E), then the form's records as "returnLines".
#include "efile/json_values.h"
#include "framework/jsonhelpers.h"
#include "framework/netfile.h"
#include "schedules/t1055.h"

#include <nlohmann/json.hpp>

int TaxData_T1055::WriteJsonFileHeader(unsigned char /*purpose*/, json& doc)
{
    struct Person {
        const CStringField& first;
        const CStringField& last;
        const CStringField& addr;
        const CStringField& sin;
        const CDateField& died;
    };
    const Person situations[] = {
        {fld_FirstName_A_B, fld_LastName_A_B, fld_Addr_A_B, fld_sin_A_B, fld_dd_A_B},
        {fld_FirstName_C_F, fld_LastName_C_F, fld_Addr_C_F, fld_sin_C_F, fld_dd_C_F},
    };
    for (const Person& p : situations) {
        if (p.first.isEmpty())
            continue;
        doc["deceasedSettlorName"] = json{{"firstName", p.first.utf8()}, {"lastName", p.last.utf8()}};
        doc["settlorAddress"] = p.addr.utf8();
        doc["settlorSocialInsuranceNumber"] = p.sin.utf8();
        doc["deceasedSettlorDateOfDeath"] = jsonDate(p.died);
        break;
    }
    const bool transferred = fld_iDE == 0;
    doc["propertyTransferredIndicator"] = transferred;
    if (transferred)
        doc["ceasedToBeResidentDate"] = jsonDate(fld_dd_D_E);
    return 0;
}

int TaxData_T1055::WriteJsonFile(unsigned char purpose, json& doc)
{
    WriteJsonFileHeader(0, doc);
    NetfileGenObjParamStruct records;
    WriteFreeData(purpose, &records);
    json lines = json::object();
    convertNumStrMapToOrderedJson(records.records, lines);
    doc["returnLines"] = std::move(lines);
    return 0;
}
