// The T3 return's parts of the JSON filing document: header, body, primary
// trustee and the issuer data of the slip filing.
#include "efile/json_values.h"
#include "framework/datetexts.h"
#include "framework/jsonhelpers.h"
#include "framework/province.h"
#include "returns/t3ret.h"

namespace {
using T = TaxData_T3Ret;

const char* languageCode(int answer)
{
    return answer == 1 ? "FRENCH" : "ENGLISH";
}

// "SECTION216_" and the election's subsection: 216(1), 216(4) or 216(5).
std::string section216Type(int answer)
{
    return std::string("SECTION216_") + (answer == 1 ? "1" : answer == 2 ? "4" : "5");
}

// The trust's type code: an other-type trust by its own code, otherwise a
// qualified disability trust (904) or, in every other case, a graduated rate estate (903).
std::string trustTypeCode(const T& r)
{
    if (r.fld_ws_othertype)
        return "TYPE_" + r.fld_trust_code.utf8();
    return r.fld_i903_904 == 1 ? "TYPE_904" : "TYPE_903";
}

const char* documentFilingMethod(int answer)
{
    switch (answer) {
    case 0: return "SENT";
    case 1: return "WITH_T3_APP";
    case 2: return "WITH_T1";
    default: return nullptr;
    }
}

// An "other information" question: its indicator, and for some a year or a
// date that a Yes asks for.
struct OtherInfoRow {
    const char* key;
    CIntField T::*answer;
    const char* followKey = nullptr;
    CStringField T::*year = nullptr;
    CDateField T::*date = nullptr;
};

const OtherInfoRow kOtherInformation[] = {
    {"electingTrustIndicator", &T::fld_q_sect94},
    {"trustIncomePaymentToBeneficiariesRequired", &T::fld_q_pay_bnf},
    {"trustDistributedNonCashAssetsToBeneficiary", &T::fld_q_other_cash},
    {"trustBeneficiariesChanged", &T::fld_q_change_bnf},
    {"trustDeemedDispositionBeneficiaryDeathIndicator", &T::fld_q_bnf_die,
     "trustDeemedDispositionBeneficiaryDeathDate", nullptr, &T::fld_bnf_death_date},
    {"trustNonArmsLengthDebtTransactionIndicator", &T::fld_q_borrow_nonarm,
     "trustNonArmsLengthDebtTransactionYear", &T::fld_year_borrow_nonarm},
    {"trustCapitalIncomeInterestOwnershipChangeIndicator", &T::fld_q_chg_1984,
     "trustCapitalIncomeInterestOwnershipChangeYear", &T::fld_year_chg_1984},
    {"trustHoldsSharesInPrivateCorporation", &T::fld_q_hold_shares},
    {"trustAdditionalContributionPropertyReceiptIndicator", &T::fld_q_recv_prop,
     "trustAdditionalContributionPropertyReceiptYear", &T::fld_year_recv_prop},
    {"publicTrust", &T::fld_q_public},
    {"trustUsedInternationalFinancialReportingStandards", &T::fld_q_ifrs},
    {"trustLossRestrictionEventIndicator", &T::fld_q_loss_event},
    {"assetsHeldListedUnderParagraph150NotExceeding50kIndicator", &T::fld_q_parag150},
    {"trustRequiredToHoldFundsUnderRelevantRulesIndicator", &T::fld_q_RqrdHoldFund},
    {"interestOrFinancingExpensesIndicator", &T::fld_q_17},
    {"unitTrustUnderSubSection108Indicator", &T::fld_q_18},
    {"trustWhichAllUnitsListedOnStockExchangeIndicator", &T::fld_q_19},
};

json otherInformation(const T& r)
{
    json out = json::object();
    for (const OtherInfoRow& row : kOtherInformation) {
        const bool yes = jsonIndicator(r.*row.answer);
        out[row.key] = yes;
        if (!yes || !row.followKey)
            continue;
        if (row.year)
            out[row.followKey] = (r.*row.year).utf8();
        else
            out[row.followKey] = jsonDate(r.*row.date);
    }
    return out;
}

json memoIndicators(const T& r)
{
    const QDate& end = r.fld_end_date;
    return json{
        {"alterEgoIndicator", false},
        {"preferredBeneficiaryIndicator", false},
        {"mutualFundReorganizatonIndicator", false},
        {"mutualFundExtensionApprovalIndicator", false},
        {"insuranceSegregatedFundReorganizationIndicator", false},
        {"insuranceSegregatedFundExtensionApprovalIndicator", false},
        {"mutualFundElectingDec15FPEIndicator", end.isValid() && end.month() == 12 && end.day() == 15},
    };
}

json trustIdentifier(const TrustIdentification& trust)
{
    json out = json::object();
    out["countryOfResidence"] = jsonCountry(trust.country);
    if (isCanProv(trust.province))
        out["provinceOfResidence"] = jsonProvince(trust.province);
    out["trustName"] = trust.name.trimmed().toStdString();
    out["trustAccountNumber"] = trust.accountNumber.trimmed().toStdString();
    return out;
}

json residencyInformation(const T& r)
{
    json out = json::object();
    if (r.fld_became_date.IsValid())
        out["becameResident"] = jsonDate(r.fld_became_date);
    if (r.fld_cease_date.IsValid())
        out["ceaseResident"] = jsonDate(r.fld_cease_date);
    out["trustDeemedCanadianResidentIndicator"] = jsonIndicator(r.fld_is_deemed);
    if (jsonIndicator(r.fld_is_deemed))
        out["deemedResidentCountry"] = jsonCountry(r.fld_other_icountry);
    out["languageOfCorrespondence"] = languageCode(r.fld_lang);
    return out;
}

json trustTypeInformation(const T& r)
{
    json out = json::object();
    out["trustType"] = trustTypeCode(r);
    if (r.fld_ws_othertype && r.fld_trust_create_date.IsValid())
        out["trustCreationDate"] = jsonDate(r.fld_trust_create_date);
    if (r.fld_decease_date1.IsValid())
        out["testatorDeathDate"] = jsonDate(r.fld_decease_date1);
    if (!r.fld_decease_sin1.isBlank())
        out["deceasedSocialInsuranceNumber"] = r.fld_decease_sin1.utf8();
    if (r.fld_iNonProfit == 1) {
        out["isNonProfitOrganizationIndicator"] = false;
    } else if (r.fld_iNonProfit == 0) {
        out["isNonProfitOrganizationIndicator"] = true;
        if (!r.fld_nonprofit_bn.isEmpty())
            out["nonProfitOrganizationBN"] = r.fld_nonprofit_bn.utf8();
    }
    return out;
}

json filingInformation(const T& r)
{
    json out = json::object();
    out["trustFiscalPeriodStart"] = jsonDate(r.fld_start_date);
    out["trustFiscalPeriodEnd"] = jsonDate(r.fld_end_date);
    out["firstYearFilingIndicator"] = jsonIndicator(r.fld_first_year);
    // "No" (1) names last year's return, "yes" (0) how the trust document is
    // sent; an unanswered question (-1) gives neither.
    if (r.fld_first_year == 1) {
        out["previousFilingYear"] = r.fld_year_last.utf8();
    } else if (r.fld_first_year == 0) {
        if (const char* method = documentFilingMethod(r.fld_attach_flag))
            out["trustDocumentFilingMethod"] = method;
    }
    out["trustFinalReturnIndicator"] = jsonIndicator(r.fld_is_final);
    if (jsonIndicator(r.fld_is_final))
        out["trustWindupDate"] = jsonDate(r.fld_trust_wound_date);
    return out;
}

// "firstName" and "lastName", or nothing when either is blank.
void addPersonName(json& obj, const char* key, const CStringField& first, const CStringField& last)
{
    if (first.isBlank() || last.isBlank())
        return;
    obj[key] = json{{"firstName", first.utf8()}, {"lastName", last.utf8()}};
}

// The phone keys of the return document, only for a number that holds something.
void addPhoneIfAny(json& obj, const CStringField& phone)
{
    if (ChkPhoneStrHasSomething(phone.str()))
        fillJsonPhone(obj, GetRawPhoneStr(phone.str(), true), 0);
}

json addressObject(const AddressFields& address, int mode)
{
    json out = json::object();
    fillJsonAddr(out, mode, address);
    return out;
}

std::string fullName(const CStringField& first, const CStringField& last)
{
    return first.utf8() + " " + last.utf8();
}
}  // namespace

int TaxData_T3Ret::writeJsonHeader(json& doc)
{
    doc["firstTimeFilerIndicator"] = jsonIndicator(fld_first_year);
    return 0;
}

int TaxData_T3Ret::writeJsonMainPart1(json& doc)
{
    if (fld_ws_bSection216 > 0) {
        doc["section216Indicator"] = true;
        doc["section216Type"] = section216Type(fld_ws_bSection216);
    }

    json identification = json::object();
    identification["trustIdentifier"] = trustIdentifier(m_trust);
    writeJsonPrimaryTrustee(identification);
    identification["trustResidencyInformation"] = residencyInformation(*this);
    if (fld_is_aboriginal == 0) {
        identification["trustResidentOnDesignatedAboriginalSettlementLandIndicator"] = true;
        identification["aboriginalSettlementNumber"] = "SETTLEMENT_" + fld_settlement_num.utf8();
    }
    if (fld_business_prov_1 > 0)
        identification["provinceOfBusiness"] = jsonProvince(fld_business_prov_1);
    doc["trustIdentification"] = std::move(identification);

    doc["trustTypeInformation"] = trustTypeInformation(*this);
    doc["filingInformation"] = filingInformation(*this);
    doc["foreignPropertyInExcessOf100000"] = jsonIndicator(fld_T1135_flag);
    std::string refundCode;
    getRefundCode(refundCode, fld_RefCode);
    if (!refundCode.empty())
        doc["refundCode"] = refundCode;
    if (m_siftMutualFundTrust || isSIFTFlagNeeded())
        doc["siftMutualFundTrustIndicator"] = m_siftMutualFundTrust;
    doc["otherInformation"] = otherInformation(*this);
    doc["memoIndicators"] = memoIndicators(*this);
    return 0;
}

int TaxData_T3Ret::writeJsonPrimaryTrustee(json& identification)
{
    json contact = json::object();
    contact["trusteeNameChangeIndicator"] = false;
    if (fld_bTrusteeIsPerson == 0) {
        json person = json::object();
        addPersonName(person, "individualName", fld_indv_fname, fld_indv_lname);
        person["address"] = addressObject(m_indvAddress, 0);
        addPhoneIfAny(person, m_indvAddress.phone);
        contact["isIndividualIndicator"] = true;
        contact["trusteeContactInformation"] = std::move(person);
    } else {
        json org = json::object();
        org["nonIndividualName"] = fld_trustee_orgname.utf8();
        addPersonName(org, "contactPerson", fld_trustee_fname, fld_trustee_lname);
        org["address"] = addressObject(m_trusteeAddress, 0);
        addPhoneIfAny(org, m_trusteeAddress.phone);
        contact["isNonIndividualIndicator"] = true;
        contact["nonIndividualTrusteeContactInformation"] = std::move(org);
    }
    identification["primaryTrusteeContactInformation"] = std::move(contact);

    if (!fld_bSameMailAddr && !fld_mail_addr.isEmpty()) {
        json mailing = json::object();
        mailing["careOf"] = fld_mail_careof.utf8();
        mailing["address"] = addressObject(m_mailAddress, 0);
        addPhoneIfAny(mailing, m_mailAddress.phone);
        identification["mailingInformation"] = std::move(mailing);
    }
    return 0;
}

int TaxData_T3Ret::getIssuingSlipEntityData(json& doc)
{
    TaxData_T3Base::getIssuingSlipEntityData(doc);
    const bool individual = fld_bTrusteeIsPerson == 0;
    const AddressFields& trustee = primaryTrusteeAddress();
    doc["address"] = addressObject(fld_bSameMailAddr ? trustee : m_mailAddress, 1);

    doc["trustee"] = json{
        {"name", individual ? fullName(fld_indv_fname, fld_indv_lname) : fld_trustee_orgname.utf8()},
        {"address", addressObject(trustee, 1)},
    };

    json contact = json::object();
    contact["name"] = individual ? fullName(fld_indv_fname, fld_indv_lname)
                                 : fullName(fld_trustee_fname, fld_trustee_lname);
    fillJsonPhone(contact, GetRawPhoneStr(trustee.phone.str(), true), 101);
    doc["contact"] = std::move(contact);

    doc["first_year_filing"] = jsonIndicator(fld_first_year);
    doc["certification"] = json{{"name", fld_cert_name.utf8()}, {"position", fld_cert_pos.utf8()}};
    return 0;
}
