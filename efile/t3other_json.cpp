// JSON filing documents of Forms T3M, T3S and T3ATH-IND: the header indicators, the
// return's own part and its primary trustee.
#include "efile/json_values.h"
#include "framework/datetexts.h"
#include "framework/jsonhelpers.h"
#include "framework/year_figures.h"
#include "returns/t3ath.h"
#include "returns/t3m.h"
#include "returns/t3s.h"

#include <nlohmann/json.hpp>

namespace {
const std::string kTaxYear = std::to_string(year_figures::kTaxYear);

void addPersonName(json& obj, const char* key, const CStringField& first, const CStringField& last)
{
    if (first.isBlank() || last.isBlank())
        return;
    obj[key] = json{{"firstName", first.utf8()}, {"lastName", last.utf8()}};
}

void addPhoneIfAny(json& obj, const CStringField& phone)
{
    if (ChkPhoneStrHasSomething(phone.str()))
        fillJsonPhone(obj, GetRawPhoneStr(phone.str(), true), 0);
}

json addressObject(const AddressFields& address)
{
    json out = json::object();
    fillJsonAddr(out, 0, address);
    return out;
}

// The individual trustee's contact: name, address and phone.
template <class R>
json individualContact(const R& r)
{
    json person = json::object();
    addPersonName(person, "individualName", r.fld_indv_fname, r.fld_indv_lname);
    person["address"] = addressObject(r.m_indvAddress);
    addPhoneIfAny(person, r.fld_indv_phone);
    return person;
}

// The non-individual trustee's contact: its name, contact person, address and phone.
template <class R>
json nonIndividualContact(const R& r)
{
    json org = json::object();
    org["nonIndividualName"] = r.fld_trustee_orgname.utf8();
    addPersonName(org, "contactPerson", r.fld_trustee_fname, r.fld_trustee_lname);
    org["address"] = addressObject(r.m_trusteeAddress);
    addPhoneIfAny(org, r.fld_trustee_phone);
    return org;
}

const char* language(int answer)
{
    return answer == 1 ? "FRENCH" : "ENGLISH";
}
}  // namespace

int TaxData_T3M::writeJsonHeader(json& doc)
{
    doc["firstTimeFilerIndicator"] = jsonIndicator(fld_isFirstYear);
    doc["additionalTaxReturnIndicator"] = false;
    return 0;
}

int TaxData_T3M::writeJsonMainPart1(json& doc)
{
    doc["trustIdentifier"] = json{
        {"countryOfResidence", "CAN"},
        {"provinceOfResidence", jsonProvince(fld_trust_iprov)},
        {"trustName", fld_trust_name.utf8()},
        {"trustAccountNumber", fld_trust_num.utf8()},
    };
    doc["taxYear"] = kTaxYear;
    writeJsonPrimaryTrustee(doc);
    doc["provinceOfSite"] = jsonProvince(fld_iProvSite);
    doc["trusteeCorrespondenceLanguageCode"] = language(fld_iLang);
    static const char* const types[] = {"MINING_RECLAMATION", "WASTE", "QUARRY_RECLAMATION"};
    doc["trustType"] = fld_iTypeTrust >= 0 && fld_iTypeTrust < 3 ? types[fld_iTypeTrust] : "PIPELINE";
    doc["trustCreateDate"] = jsonDate(fld_trust_create_date);
    doc["firstYearFilingIndicator"] = jsonIndicator(fld_isFirstYear);
    JsonFloatFieldAsInt(doc, "numberOfBeneficiaries", fld_beneficiariesNo, 0);
    JsonFloatFieldAsInt(doc, "contributionAmountMadeToTrust", fld_totalContribution, 0);
    return 0;
}

// An unanswered trustee gets the non-individual contact under the individual key.
int TaxData_T3M::writeJsonPrimaryTrustee(json& doc)
{
    doc["trusteeNameChangeIndicator"] = false;
    json contact = fld_bTrusteeIsPerson == 0 ? individualContact(*this) : nonIndividualContact(*this);
    doc[fld_bTrusteeIsPerson == 1 ? "nonIndividualTrusteeContactInformation" : "individualTrusteeContactInformation"] =
        std::move(contact);
    return 0;
}

int TaxData_T3S::writeJsonHeader(json& doc)
{
    doc["firstTimeFilerIndicator"] = jsonIndicator(fld_is_first_year);
    doc["additionalTaxReturnIndicator"] = false;
    return 0;
}

int TaxData_T3S::writeJsonMainPart1(json& doc)
{
    doc["firstYearFilingIndicator"] = jsonIndicator(fld_is_first_year);
    doc["trustPlanName"] = fld_plan_name.utf8();
    doc["trustNumber"] = fld_trust_num.utf8();
    doc["planRegistrationNumber"] = fld_reg_number.utf8();
    doc["trustProvinceOfResidence"] = jsonProvince(fld_trust_iprov);
    doc["taxYear"] = kTaxYear;
    doc["trusteeCorrespondenceLanguageCode"] = language(fld_lang);
    if (fld_register_date.IsValid())
        doc["trustCreateDate"] = jsonDate(fld_register_date);
    if (fld_ceased_date.IsValid())
        doc["trustEndWindupDate"] = jsonDate(fld_ceased_date);
    doc["fileRelatedT3RetIndicator"] = jsonIndicator(fld_has_t3_return);
    if (fld_has_t3_return == 0)
        doc["relatedAccountNumber"] = fld_related_trust_num.utf8();
    return 0;
}

int TaxData_T3S::writeJsonPrimaryTrustee(json& doc)
{
    json contact = json::object();
    contact["trusteeNameChangeIndicator"] = false;
    if (fld_bTrusteeIsPerson == 0) {
        contact["isIndividualIndicator"] = true;
        contact["individualTrusteeContactInformation"] = individualContact(*this);
    } else {
        contact["isNonIndividualIndicator"] = true;
        contact["nonIndividualTrusteeContactInformation"] = nonIndividualContact(*this);
    }
    doc["primaryTrusteeContactInformation"] = std::move(contact);
    return 0;
}

int TaxData_T3ATH_Ind::writeJsonHeader(json& doc)
{
    doc["firstTimeFilerIndicator"] = jsonIndicator(fld_first_year);
    doc["additionalTaxReturnIndicator"] = jsonIndicator(fld_amended);
    return 0;
}

int TaxData_T3ATH_Ind::writeJsonMainPart1(json& doc)
{
    doc["isFirstYearFiling"] = jsonIndicator(fld_first_year);
    doc["athleteName"] = json{{"firstName", fld_fname.utf8()}, {"lastName", fld_lname.utf8()}};
    doc["trustNumber"] = fld_trust_num.utf8();
    doc["athleteSocialInsuranceNumber"] = fld_athlete_sin.utf8();
    json address = json::object();
    fillJsonAddr(address, 0, fld_athlete_addr.str(), fld_athlete_city.str(), fld_athlete_prov.value(),
                 fld_athlete_postcode.str(), fld_athlete_country.value());
    doc["athleteAddress"] = std::move(address);
    doc["taxYear"] = kTaxYear;
    doc["trustProvinceOfResidence"] = jsonProvince(fld_athlete_prov);
    doc["trusteeCorrespondenceLanguage"] = language(fld_iLang);
    doc["trustCreateDate"] = jsonDate(fld_trust_create_date);
    doc["trustCeasedIndicator"] = jsonIndicator(fld_trust_cease);
    if (fld_trust_cease == 0)
        doc["trustEndWindupDate"] = jsonDate(fld_trust_wound_date);
    doc["amateurAthleteNotExpressTrust"] = jsonIndicator(fld_outsideTrust);
    doc["assetsHeldListedUnderParagraph150NotExceeding50kIndicator"] = jsonIndicator(fld_paragraph150);
    return 0;
}

// The trustee's contact is always written as an individual's, from the individual fields.
int TaxData_T3ATH_Ind::writeJsonPrimaryTrustee(json& doc)
{
    json person = json::object();
    addPersonName(person, "individualName", fld_Indvfname, fld_IndvLastname);
    person["address"] = addressObject(m_indvAddress);
    addPhoneIfAny(person, fld_indv_phone);
    doc["primaryTrusteeContactInformation"] = json{
        {"trusteeNameChangeIndicator", false},
        {"isIndividualIndicator", true},
        {"trusteeContactInformation", std::move(person)},
    };
    return 0;
}
