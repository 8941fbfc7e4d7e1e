// The representative's part of the JSON filing document, from Form T183 TRUST.
// Sources are listed in docs/efile.md.
#include "efile/json_values.h"
#include "returns/t183trust.h"

#include <nlohmann/json.hpp>

namespace {
// A contact-method answer as its choice number: "1" for the first, "2" for the second.
void addContactCode(json& obj, const char* key, int answer)
{
    if (answer == 0 || answer == 1)
        obj[key] = std::to_string(answer + 1);
}
}  // namespace

int TaxData_T183Trust::toJsonProfData(json& obj)
{
    if (!fld_controlnum.isBlank()) {
        CString dcn;
        getDCN(dcn);
        obj["taxPreparerReturnControlNumber"] = dcn.trimmed().toStdString();
    }
    obj["taxPreparerAuthorizationIndicator"] = fld_represent.value();
    if (fld_represent && fld_expirydate.IsValid())
        obj["taxPreparerAuthorizationExpiryDate"] = jsonDate(fld_expirydate);
    addContactCode(obj, "taxPreparerPreAssessmentReviewContactCode", fld_contactmethod);
    addContactCode(obj, "taxPreparerPostAssessmentReviewContactCode", fld_contactmethod_post);
    if (!fld_RepID.isBlank())
        obj["representativeId"] = fld_RepID.trimmed().toStdString();

    json signature = json::object();
    signature["t183ElectronicSignatureIndicator"] = fld_ws_bESigned.value();
    if (fld_ws_bESigned && fld_ws_ESignedDate.IsValid()) {
        signature["t183ElectronicSignatureDate"] = jsonDate(fld_ws_ESignedDate.date());
        signature["t183ElectronicSignatureTime"] = fld_ws_ESignedDate.time().toString(QStringLiteral("HH:mm:ss")).toStdString();
    }
    obj["t183ElectronicSignature"] = std::move(signature);
    return 0;
}
