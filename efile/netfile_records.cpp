#include "efile/netfile_records.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {
// Smallest amount that counts as present.
constexpr double kPresent = 0.009;
// The nudge that makes a stored x.xx5 print rounded up in cents.
constexpr double kCentsNudge = 0.000001;

// Half away from zero, as a whole number; amounts beyond the range of
// long long are held at its ends.
long long roundWholeDollars(double amount)
{
    const double r = std::trunc(amount > 0 ? amount + 0.5 : amount - 0.5);
    if (r >= 9.2e18)
        return LLONG_MAX;
    if (r <= -9.2e18)
        return LLONG_MIN;
    return static_cast<long long>(r);
}
}  // namespace

std::string netfileCodeText(int code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", code);
    return text;
}

// Infinite and NaN amounts fail every written-when test: they cannot be filed.
bool netfileWholeDollars(double amount, CString& out)
{
    if (!std::isfinite(amount) || std::fabs(amount) <= kPresent)
        return false;
    const long long whole = roundWholeDollars(amount);
    if (whole == 0)
        return false;
    out = CString::Format("%lld", whole);
    return true;
}

bool netfileCents(double amount, CString& out)
{
    if (!std::isfinite(amount) || std::fabs(amount) <= kPresent)
        return false;
    out = CString::Format("%.2f", amount >= 0 ? amount + kCentsNudge : amount - kCentsNudge);
    return true;
}

CString netfileAtLeastOneDollar(double amount)
{
    CString out;
    if (std::fabs(amount) <= 0.99999999 || !netfileWholeDollars(amount, out))
        return CString("1");
    return out;
}

bool netfileYesNo(int stored, CString& out)
{
    if (stored != 0 && stored != 1)
        return false;
    out = CString::Format("%d", stored + 1);
    return true;
}

void writeNetfileAmount(NetfileRecordMap& records, int code, double amount, NetfileFormat format)
{
    CString value;
    bool written = false;
    switch (format) {
    case NetfileFormat::W: written = netfileWholeDollars(amount, value); break;
    case NetfileFormat::C: written = netfileCents(amount, value); break;
    case NetfileFormat::M: value = netfileAtLeastOneDollar(amount); written = true; break;
    default: break;
    }
    if (written)
        records[netfileCodeText(code)] = value;
}

void writeNetfileYesNo(NetfileRecordMap& records, int code, int stored)
{
    CString value;
    if (netfileYesNo(stored, value))
        records[netfileCodeText(code)] = value;
}

void writeNetfileFlag(NetfileRecordMap& records, int code, bool set)
{
    if (set)
        records[netfileCodeText(code)] = CString("1");
}

void writeNetfileText(NetfileRecordMap& records, int code, const CString& text)
{
    records[netfileCodeText(code)] = text;
}

void writeDeclaredRecord(const CField& field, NetfileRecordMap& records)
{
    const int code = field.netfileCode();
    switch (field.netfileFormat()) {
    case NetfileFormat::None: return;
    case NetfileFormat::Y: writeNetfileYesNo(records, code, static_cast<const CIntField&>(field).value()); return;
    case NetfileFormat::F: writeNetfileFlag(records, code, static_cast<const CBoolField&>(field).value()); return;
    default:
        writeNetfileAmount(records, code, static_cast<const CFloatField&>(field).value(), field.netfileFormat());
    }
}

void writeDeclaredRecords(const CTaxData_Form& form, NetfileRecordMap& records)
{
    for (const CField* field : form.fields())
        writeDeclaredRecord(*field, records);
}

int CTaxData_Form::WriteNetfile(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (ctx)
        writeDeclaredRecords(*this, ctx->records);
    return 0;
}

// ---- line stream

void NetfileLineStream::amount(int code, double value)
{
    if (!std::isfinite(value) || std::fabs(value) < kPresent)
        return;
    if (m_out)
        std::fprintf(m_out, "%03d%lld%c", code, roundWholeDollars(value), '\n');
    addDoubleRecord(m_typed, code, value, 1);
}

void NetfileLineStream::text(int code, const CString& value)
{
    if (value.isEmpty())
        return;
    const std::string utf8 = value.toStdString();
    if (m_out)
        std::fprintf(m_out, "%03d%s%c", code, utf8.c_str(), '\n');
    addTextRecord(m_typed, code, utf8, 1);
}

void NetfileLineStream::flag(int code, bool set)
{
    if (!set)
        return;
    if (m_out)
        std::fprintf(m_out, "%03d1%c", code, '\n');
    addIntRecord(m_typed, code, 1, 1);
}

void NetfileLineStream::choice(int code, int stored)
{
    if (stored < 0)
        return;
    if (m_out)
        std::fprintf(m_out, "%03d%d%c", code, stored + 1, '\n');
    addIntValue(m_typed, code, stored, 1);
}

void NetfileLineStream::addDoubleRecord(NetfileTypedMap& map, int code, double value, int occurrence)
{
    STRUCT_NETFILE_TIA_FIELD_TYPE rec;
    rec.type = STRUCT_NETFILE_TIA_FIELD_TYPE::TYPE_DOUBLE;
    rec.dValue = value;
    map[netfileTypedKey(code, occurrence)] = rec;
}

void NetfileLineStream::addIntRecord(NetfileTypedMap& map, int code, int value, int occurrence)
{
    STRUCT_NETFILE_TIA_FIELD_TYPE rec;
    rec.type = STRUCT_NETFILE_TIA_FIELD_TYPE::TYPE_INT;
    rec.iValue = value;
    map[netfileTypedKey(code, occurrence)] = rec;
}

void NetfileLineStream::addTextRecord(NetfileTypedMap& map, int code, const std::string& utf8, int occurrence)
{
    STRUCT_NETFILE_TIA_FIELD_TYPE rec;  // the text area starts zeroed
    rec.type = STRUCT_NETFILE_TIA_FIELD_TYPE::TYPE_TEXT;
    std::memcpy(rec.sValue, utf8.data(), std::min(utf8.size(), sizeof rec.sValue));
    map[netfileTypedKey(code, occurrence)] = rec;
}
