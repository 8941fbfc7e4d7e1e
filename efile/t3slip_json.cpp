// The T3 slip filing document: one object per issued slip, and the transmitter.
#include "framework/amounts.h"
#include "framework/geo_tables.h"
#include "framework/year_figures.h"
#include "slips/t3_filinginfo.h"
#include "slips/t3slip_issuing.h"

#include <string>

using I = TaxData_Slip_T3_Issuing;

namespace {
constexpr int kWholeDollarsText = 102;
constexpr int kSlipAddress = 1;
constexpr int kSlipContactPhone = 101;

struct CodedBox {
    const char* key;
    CFloatField I::*box;
};
// The boxes every slip carries, and those listed only when they hold an amount.
const CodedBox kFinancialBoxes[] = {
    {"box21", &I::box_21}, {"box23", &I::box_23}, {"box26", &I::box_26},
    {"box30", &I::box_30}, {"box32", &I::box_32}, {"box39", &I::box_39},
    {"box49", &I::box_49}, {"box50", &I::box_50}, {"box51", &I::box_51},
};
const CodedBox kOtherBoxes[] = {
    {"22", &I::box_22}, {"24", &I::box_24}, {"25", &I::box_25}, {"31", &I::box_31}, {"33", &I::box_33},
    {"34", &I::box_34}, {"35", &I::box_35}, {"37", &I::box_37}, {"38", &I::box_38}, {"42", &I::box_42},
    {"52", &I::box_52}, {"53", &I::box_53}, {"58", &I::box_58}, {"59", &I::box_59},
};


// Objects hold their keys in a vector: room for all of them at once saves
// the regrowth that thousands of slips would repeat.
json objectWithRoom(size_t keys)
{
    json obj = json::object();
    obj.get_ref<json::object_t&>().reserve(keys);
    return obj;
}
}  // namespace

int I::fillSlipData(int slipNumber, json& slip)
{
    if (slip.is_object())
        slip.get_ref<json::object_t&>().reserve(8);
    slip["tax_year"] = std::to_string(year_figures::kTaxYear);
    slip["box16"] = "O";  // original slip
    slip["box18"] = std::to_string(slipNumber);
    json financial = objectWithRoom(std::size(kFinancialBoxes));
    for (const CodedBox& b : kFinancialBoxes)
        JsonFloatField(financial, b.key, this->*b.box, kWholeDollarsText);
    slip["financial"] = std::move(financial);
    json others = json::array();
    for (const CodedBox& b : kOtherBoxes) {
        if (!amountPresent(this->*b.box))
            continue;
        json other = objectWithRoom(2);
        other["code"] = b.key;
        JsonFloatField(other, "amount", this->*b.box, kWholeDollarsText);
        others.push_back(std::move(other));
    }
    slip["otherFields"] = std::move(others);
    json address = objectWithRoom(5);
    fillJsonAddr(address, kSlipAddress, box_addr.str(), box_city.str(), box_iProv, box_PostalCode.str(), box_iCountry);
    slip["address"] = std::move(address);
    json name = objectWithRoom(2);
    if (box_EntityType == kEntity) {
        JsonStringField(name, "name", box_name);
        slip["entprs_beneficiary"] = std::move(name);
        JsonStringField(slip, "bn", box_id);
    } else {
        JsonStringField(name, "last_name", box_lastname);
        JsonStringField(name, "first_name", box_name);
        slip["indiv_beneficiary"] = std::move(name);
        JsonStringField(slip, "sin", box_id);
    }
    return 0;
}

int TaxData_Slip_Issuing_FilingInfo::getTransmitterData(json& out)
{
    switch (box_AcctNumOption.value()) {
    case kTrustAccount:
        out["transmitter_type"] = "trust_acct";
        out["transmitter_number"] = m_trustAcctNum.utf8();
        break;
    case kProgramAccount:
        out["transmitter_type"] = "program_acct";
        JsonStringField(out, "transmitter_number", box_AcctNum);
        break;
    case kRepresentativeId:
        out["transmitter_type"] = "rep_id";
        JsonStringField(out, "transmitter_number", box_RepID);
        break;
    default: break;
    }
    out["lang_code"] = box_lang == kFrench ? "F" : "E";
    json transmitter = json::object();
    JsonStringField(transmitter, "name_line1", box_name);
    out["transmitter"] = std::move(transmitter);
    const STRUCT_COUNTRY_INFO* country = countryInfo(box_iCountry);
    out["transmitter_country"] = country ? country->iso3 : "";
    json contact = json::object();
    JsonStringField(contact, "name", box_ContactName);
    fillJsonPhone(contact, GetRawPhoneStr(box_ContactPhone.str(), true), kSlipContactPhone);
    JsonStringField(contact, "email", box_ContactEmail);
    out["contact"] = std::move(contact);
    return 0;
}
