// JSON filing documents of Forms T3M, T3S, T3-RCA and T3ATH-IND: the header indicators, the
// return's own part and its primary trustee.
#include "efile/json_values.h"
#include "framework/datetexts.h"
#include "framework/jsonhelpers.h"
#include "framework/year_figures.h"
#include "returns/t3ath.h"
#include "returns/t3m.h"
#include "returns/t3rca.h"
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
json individualContact(const TrusteeBlock& t)
{
    json person = json::object();
    addPersonName(person, "individualName", t.indv_fname, t.indv_lname);
    person["address"] = addressObject(t.individualAddress);
    addPhoneIfAny(person, t.indv_phone);
    return person;
}

// The non-individual trustee's contact: its name, contact person, address and phone.
json nonIndividualContact(const TrusteeBlock& t)
{
    json org = json::object();
    org["nonIndividualName"] = t.trustee_orgname.utf8();
    addPersonName(org, "contactPerson", t.trustee_fname, t.trustee_lname);
    org["address"] = addressObject(t.organizationAddress);
    addPhoneIfAny(org, t.trustee_phone);
    return org;
}

// The T3S's and T3-RCA's trustee object: the indicator of the kind, then its contact.
json primaryTrusteeContact(const TrusteeBlock& trustee)
{
    json contact = json::object();
    contact["trusteeNameChangeIndicator"] = false;
    if (trustee.isIndividual()) {
        contact["isIndividualIndicator"] = true;
        contact["individualTrusteeContactInformation"] = individualContact(trustee);
    } else {
        contact["isNonIndividualIndicator"] = true;
        contact["nonIndividualTrusteeContactInformation"] = nonIndividualContact(trustee);
    }
    return contact;
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
    json contact = m_trustee.isIndividual() ? individualContact(m_trustee) : nonIndividualContact(m_trustee);
    doc[m_trustee.bTrusteeIsPerson == 1 ? "nonIndividualTrusteeContactInformation" : "individualTrusteeContactInformation"] =
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
    doc["primaryTrusteeContactInformation"] = primaryTrusteeContact(m_trustee);
    return 0;
}

int TaxData_T3RCA::writeJsonHeader(json& doc)
{
    doc["firstTimeFilerIndicator"] = jsonIndicator(fld_first_year);
    doc["additionalTaxReturnIndicator"] = false;
    return 0;
}

int TaxData_T3RCA::writeJsonMainPart1(json& doc)
{
    doc["taxYear"] = kTaxYear;
    doc["firstReturnIndicator"] = jsonIndicator(fld_first_year);
    doc["finalReturnIndicator"] = jsonIndicator(fld_final_year);
    doc["trustName"] = fld_trust_name.utf8();
    doc["trustNumber"] = fld_trust_num.utf8();
    doc["correspondenceLanguageCode"] = language(fld_iLang);
    return 0;
}

// The trustee, then the answers of the questions page. Only the first
// contribution row is filed.
int TaxData_T3RCA::writeJsonPrimaryTrustee(json& doc)
{
    doc["primaryTrusteeContactInformation"] = primaryTrusteeContact(m_trustee);
    doc["termsChangedIndicator"] = jsonIndicator(fld_iChangeTerm);
    doc["transferReportedIndicator"] = jsonIndicator(fld_iTransferBeneficial);
    doc["amountReturnedDistributedIndicator"] = jsonIndicator(fld_iAmtReturned);
    if (!fld_PayrollAcctNum.value().isEmpty())
        doc["payrollAccountNumber"] = fld_PayrollAcctNum.utf8();
    if (!fld_NonResiRemitAcctNum.value().isEmpty())
        doc["nonresRemittanceAccountNumber"] = fld_NonResiRemitAcctNum.utf8();
    JsonFloatField(doc, "numberMembersReceivedContributions", fld_NumOfMemebers, 0);
    doc["propertyDistributedIndicator"] = jsonIndicator(fld_iNonCash);
    doc["propertyAcquiredDisposedIndicator"] = jsonIndicator(fld_iPropertyDeal);
    doc["propertyLeasedUsedIndicator"] = jsonIndicator(fld_iPropertyUsed);
    doc["trustLoanDateIndicator"] = jsonIndicator(fld_iTransferBeneficial);
    doc["otherCustodianTrustNumberIndicator"] = !fld_anotherTrustNumber.value().isEmpty();
    doc["finalDeterminationDateIndicator"] = fld_dateDetermination.IsValid();
    doc["rcaTrustCanRsdntAndNotMeetSubSctn15012"] = jsonIndicator(fld_radio11);
    doc["specifiedArrangementTrustIndicator"] = jsonIndicator(fld_radio12);
    const EmployerRow& first = m_employer[0];
    if (first.AmtEmployer >= 0.009) {
        json contribution = json::object();
        contribution["dateContributionReceived"] = jsonDate(first.DateEmployer);
        JsonFloatField(contribution, "amount", first.AmtEmployer, 2);
        doc["contributionsReceived"] = json::array({std::move(contribution)});
    }
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
