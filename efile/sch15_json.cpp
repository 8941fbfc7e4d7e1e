// Schedule 15's parts of the JSON filing document. A choice left unanswered
// writes an empty text or a false indicator; the option texts are the
// positions of the page's options.
#include "efile/json_values.h"
#include "framework/jsonhelpers.h"
#include "schedules/sch15.h"

#include <iterator>

namespace {
template <size_t N>
std::string option(const CIntField& choice, const char* const (&texts)[N])
{
    const int i = choice;
    return i >= 0 && size_t(i) < N ? texts[i] : "";
}

const char* const kActions[] = {"ADD", "MODIFY"};
const char* const kEntityTypes[] = {"TRUSTEE", "SETTLOR", "BENEFICIARY", "CONTROLLING_PERSON"};
const char* const kClassifications[] = {"NATURAL_PERSON", "CORPORATION", "TRUST", "OTHER"};
const char* const kNumberTypes[] = {"SIN", "TTN", "ITN", "BN", "TN", "INTERNATIONAL"};
}  // namespace

int TaxData_Sch15::WriteJsonFile(unsigned char /*purpose*/, json& doc)
{
    doc["firstTrustDeclaration"] = jsonIndicator(fld_bFirstYear);
    doc["trustChanged"] = jsonIndicator(fld_partATrustChanged);
    return 0;
}

int TaxData_Sch15::WriteJsonFileEntity(unsigned char /*purpose*/, json& doc)
{
    doc["reportableEntityAction"] = option(fld_partBAddOrMod, kActions);
    doc["reportableEntityType"] = option(fld_partBEntityType, kEntityTypes);
    doc["entityClassification"] = option(fld_partBEntityClass, kClassifications);
    JsonStringField(doc, "naturalPersonGivenName", fld_firstName);
    JsonStringField(doc, "naturalPersonFamilyName", fld_lastName);
    doc["naturalPersonBirthDate"] = jsonDate(fld_dob);
    JsonStringField(doc, "notNaturalPersonEntityName", fld_entityName);
    doc["taxIdentificationNumberType"] = option(fld_taxNumberTypes, kNumberTypes);
    JsonStringField(doc, "taxIdentificationNumber", fld_taxNumber);
    JsonStringField(doc, "otherCountryOfResidence", fld_otherCountry);
    json address = json::object();
    fillJsonAddr(address, 0, fld_addr.str(), fld_city.str(), fld_iProv, fld_postalCode.str(), fld_iCountry);
    doc["benoAddress"] = std::move(address);
    doc["entityAssociationEndAction"] = jsonIndicator(fld_associationEnd);
    return 0;
}

void TaxData_Sch15::writeJsonFilingPart(json& part)
{
    if (formType() == kReportableEntity)
        WriteJsonFileEntity(0, part);
    else
        WriteJsonFile(0, part);
}
