#include "framework/jsonhelpers.h"

#include "framework/address_fields.h"
#include "framework/datetexts.h"
#include "framework/field.h"
#include "framework/geo_tables.h"
#include "framework/json_sink.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {
double roundHalfAway(double x, double unit)
{
    const double nudged = x >= 0 ? x + 0.000001 : x - 0.000001;
    return std::trunc(nudged / unit + (nudged >= 0 ? 0.5 : -0.5)) * unit;
}

std::string utf8(const CString& s)
{
    return s.toStdString();
}
}  // namespace

void JsonFloatValue(JsonSink& obj, const char* key, double value, int format)
{
    char buf[64];
    switch (format) {
    case 0: obj.integer(key, static_cast<long long>(roundHalfAway(value, 1.0))); break;
    case 101: {
        const int n = std::snprintf(buf, sizeof buf, "%.2f", roundHalfAway(value, 0.01));
        obj.text(key, std::string_view(buf, size_t(n)));
        break;
    }
    case 102: {
        const auto end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(roundHalfAway(value, 1.0))).ptr;
        obj.text(key, std::string_view(buf, size_t(end - buf)));
        break;
    }
    default: {
        std::snprintf(buf, sizeof buf, "%.2f", roundHalfAway(value, 0.01));
        obj.number(key, std::strtod(buf, nullptr));
        break;
    }
    }
}

void JsonFloatValue(json& obj, const char* key, double value, int format)
{
    JsonTreeSink sink(obj);
    JsonFloatValue(sink, key, value, format);
}

void JsonFloatField(JsonSink& obj, const char* key, const CFloatField& field, int format)
{
    JsonFloatValue(obj, key, field.value(), format);
}

void JsonFloatField(json& obj, const char* key, const CFloatField& field, int format)
{
    JsonFloatValue(obj, key, field.value(), format);
}

void JsonFloatFieldAsInt(json& obj, const char* key, const CFloatField& field, int /*format*/)
{
    obj[key] = static_cast<long long>(roundHalfAway(field.value(), 1.0));
}

void JsonStringField(JsonSink& obj, const char* key, const CStringField& field)
{
    obj.text(key, field.utf8());
}

void JsonStringField(json& obj, const char* key, const CStringField& field)
{
    obj[key] = field.utf8();
}

void JsonStringValue(json& obj, const char* key, const CString& text)
{
    obj[key] = utf8(text);
}

void JsonDateField(json& obj, const char* key, const CDateField& field, int format)
{
    obj[key] = utf8(GetDateStr(field.value(), format));
}

void fillJsonAddr(JsonSink& obj, int mode, const CString& street, const CString& city, int prov,
                  const CString& postalCode, int country)
{
    const STRUCT_PROV_INFO* p = isCanProv(prov) ? provinceInfo(prov) : nullptr;
    const STRUCT_COUNTRY_INFO* c = countryInfo(country);
    const char* iso3 = c ? c->iso3 : "";
    const std::string postal = utf8(postalCode.trimmed().toUpper());
    if (mode == 1) {
        obj.text("addr_l1_txt", utf8(street.trimmed()));
        obj.text("cty_nm", utf8(city.trimmed()));
        obj.text("prov_cd", p ? p->abbr : "");
        obj.text("cntry_cd", iso3);
        obj.text("pstl_cd", postal);
        return;
    }
    obj.text("streetAddress", utf8(street.trimmed()));
    obj.text("city", utf8(city.trimmed()));
    if (p)
        obj.text("province", p->abbr);
    obj.text("postalCode", postal);
    obj.text("country", iso3);
}

void fillJsonAddr(json& obj, int mode, const CString& street, const CString& city, int prov,
                  const CString& postalCode, int country)
{
    JsonTreeSink sink(obj);
    fillJsonAddr(sink, mode, street, city, prov, postalCode, country);
}

void fillJsonAddr(json& obj, int mode, const AddressFields& address)
{
    fillJsonAddr(obj, mode, address.street.str(), address.city.str(), address.province, address.postalCode.str(),
                 address.country);
}

void fillJsonPhone(json& obj, const CString& digits, int mode)
{
    const std::string d = utf8(GetRawPhoneStr(digits, true));
    const std::string area = d.substr(0, std::min<size_t>(3, d.size()));
    const std::string number = d.size() > 3 ? d.substr(3, std::min<size_t>(7, d.size() - 3)) : "";
    const std::string ext = d.size() > 10 ? d.substr(10) : "";
    if (mode == 101) {
        obj["cntc_area_cd"] = area;
        obj["cntc_phn_nbr"] = number.size() > 3 ? number.substr(0, 3) + "-" + number.substr(3) : number;
        if (!ext.empty())
            obj["cntc_extn_nbr"] = ext;
        return;
    }
    obj["phoneAreaCode"] = area;
    obj["phoneNumber"] = number;
    if (!ext.empty())
        obj["phoneExtension"] = ext;
}

CString GetRawPhoneStr(const CString& phone, bool digitsOnly)
{
    QString out;
    const QString t = phone.trimmed();
    if (!digitsOnly && t.startsWith(QLatin1Char('+')))
        out += QLatin1Char('+');
    for (QChar c : t)
        if (c.unicode() >= '0' && c.unicode() <= '9')
            out += c;
    return out;
}

bool ChkPhoneStrHasSomething(const CString& phone)
{
    for (QChar c : phone)
        if (c.unicode() >= '1' && c.unicode() <= '9')
            return true;
    return false;
}

void convertNumStrMapToOrderedJson(const NetfileRecordMap& records, json& obj)
{
    for (const auto& [code, value] : records) {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (ok && std::isfinite(v)) {
            if (!value.contains(QLatin1Char('.')) && std::fabs(v) < 9e15)
                obj[code] = static_cast<long long>(v);
            else
                obj[code] = v;
        } else {
            obj[code] = value.toStdString();
        }
    }
}
