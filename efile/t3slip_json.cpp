// The T3 slip filing document: one object per issued slip, and the transmitter.
#include "framework/amounts.h"
#include "framework/geo_tables.h"
#include "framework/json_sink.h"
#include "framework/year_figures.h"
#include "slips/t3_filinginfo.h"
#include "slips/t3slip_issuing.h"

#include <charconv>
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


}  // namespace

void I::writeSlipData(int slipNumber, JsonSink& slip) const
{
    char number[16];
    slip.text("tax_year", std::to_string(year_figures::kTaxYear));
    slip.text("box16", "O");  // original slip
    slip.text("box18", std::string_view(number, size_t(std::to_chars(number, number + sizeof number, slipNumber).ptr - number)));
    slip.begin("financial");
    for (const CodedBox& b : kFinancialBoxes)
        JsonFloatField(slip, b.key, this->*b.box, kWholeDollarsText);
    slip.end();
    slip.begin("otherFields", true);
    for (const CodedBox& b : kOtherBoxes) {
        if (!amountPresent(this->*b.box))
            continue;
        slip.begin(nullptr);
        slip.text("code", b.key);
        JsonFloatField(slip, "amount", this->*b.box, kWholeDollarsText);
        slip.end();
    }
    slip.end();
    slip.begin("address");
    fillJsonAddr(slip, kSlipAddress, box_addr.str(), box_city.str(), box_iProv, box_PostalCode.str(), box_iCountry);
    slip.end();
    if (box_EntityType == kEntity) {
        slip.begin("entprs_beneficiary");
        JsonStringField(slip, "name", box_name);
        slip.end();
        JsonStringField(slip, "bn", box_id);
    } else {
        slip.begin("indiv_beneficiary");
        JsonStringField(slip, "last_name", box_lastname);
        JsonStringField(slip, "first_name", box_name);
        slip.end();
        JsonStringField(slip, "sin", box_id);
    }
}

int I::fillSlipData(int slipNumber, json& slip)
{
    JsonTreeSink sink(slip);
    writeSlipData(slipNumber, sink);
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
