#include "efile/statement_json.h"

#include "efile/json_values.h"
#include "efile/netfile_records.h"
#include "framework/jsonhelpers.h"
#include "framework/netfile.h"
#include "framework/province.h"

nlohmann::ordered_json statementAddress(const QString& street, const QString& city, int province,
                                        const QString& postalCode)
{
    nlohmann::ordered_json address;
    address["streetAddress"] = street.trimmed().toStdString();
    address["city"] = city.trimmed().toStdString();
    if (isCanProv(province))
        address["province"] = jsonProvince(province);
    address["postalCode"] = postalCode.trimmed().toStdString();
    return address;
}

nlohmann::ordered_json statementReturnLines(const CTaxData_Form& form)
{
    NetfileRecordMap records;
    writeDeclaredRecords(form, records);
    nlohmann::ordered_json lines = nlohmann::ordered_json::object();
    convertNumStrMapToOrderedJson(records, lines);
    return lines;
}
