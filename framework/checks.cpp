#include "framework/checks.h"

#include "framework/geo_tables.h"
#include "framework/validation_messages.h"

#include <QRegularExpression>

double div(double a, double b, double fallback)
{
    return b == 0.0 ? fallback : a / b;
}

namespace {
QString digitsOnly(const CString& s, bool& onlyDigitsAndSeparators)
{
    QString out;
    onlyDigitsAndSeparators = true;
    for (QChar c : s) {
        if (c.isDigit() && c.unicode() < 128)
            out += c;
        else if (c != QLatin1Char(' ') && c != QLatin1Char('-'))
            onlyDigitsAndSeparators = false;
    }
    return out;
}

bool luhnValid(const QString& digits)
{
    int sum = 0;
    for (int i = 0; i < digits.size(); ++i) {
        int d = digits[digits.size() - 1 - i].unicode() - '0';
        if (i % 2 == 1) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return sum % 10 == 0;
}
}  // namespace

bool CheckSIN(const CString& sin)
{
    bool clean = false;
    const QString d = digitsOnly(sin, clean);
    if (!clean || d.size() != 9 || d[0] == QLatin1Char('0') || d[0] == QLatin1Char('8'))
        return false;
    return luhnValid(d);
}

bool CheckBusiNum(const CString& bn)
{
    const QString t = bn.trimmed().toUpper().remove(QLatin1Char(' '));
    static const QRegularExpression re(QStringLiteral("^([0-9]{9})([A-Z]{2}[0-9]{4})?$"));
    const auto m = re.match(t);
    if (!m.hasMatch())
        return false;
    const QString digits = m.captured(1);
    return digits != QLatin1String("000000000") && luhnValid(digits);
}

bool CheckTrustNumber(const CString& number, CString* reason)
{
    auto refuse = [reason](const char* why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (number.isEmpty())
        return refuse("the trust number is empty");
    if (number.size() != 9)
        return refuse("a trust number has 9 characters");
    if (number[0] != QLatin1Char('T'))
        return refuse("a trust number starts with 'T'");
    for (int i = 1; i < 9; ++i)
        if (!(number[i].unicode() >= '0' && number[i].unicode() <= '9'))
            return refuse("'T' is followed by 8 digits");
    return true;
}

bool CheckT2ValidChar(const CString& text)
{
    static const QString allowed = QStringLiteral(" -'.,&/#():;");
    for (QChar c : text) {
        if (c.isLetterOrNumber() || allowed.contains(c))
            continue;
        return false;
    }
    return true;
}

CPostCodeInfo* CPostCodeInfo::GetInstance()
{
    static CPostCodeInfo instance;
    return &instance;
}

bool CPostCodeInfo::IsValidCanadian(const CString& postalCode) const
{
    static const QRegularExpression re(
        QStringLiteral("^[ABCEGHJ-NPRSTVXY][0-9][ABCEGHJ-NPRSTV-Z] ?[0-9][ABCEGHJ-NPRSTV-Z][0-9]$"));
    return re.match(postalCode.trimmed().toUpper()).hasMatch();
}

bool CPostCodeInfo::IsValidUSZip(const CString& zip) const
{
    static const QRegularExpression re(QStringLiteral("^[0-9]{5}(-?[0-9]{4})?$"));
    return re.match(zip.trimmed()).hasMatch();
}

ENUMTYPE_PROVINCE CPostCodeInfo::ProvFromPostCode(const CString& postalCode) const
{
    if (!IsValidCanadian(postalCode))
        return PROV_NONE;
    const QString pc = postalCode.trimmed().toUpper();
    switch (pc[0].toLatin1()) {
    case 'A': return PROV_NL;
    case 'B': return PROV_NS;
    case 'C': return PROV_PE;
    case 'E': return PROV_NB;
    case 'G':
    case 'H':
    case 'J': return PROV_QC;
    case 'K':
    case 'L':
    case 'M':
    case 'N':
    case 'P': return PROV_ON;
    case 'R': return PROV_MB;
    case 'S': return PROV_SK;
    case 'T': return PROV_AB;
    case 'V': return PROV_BC;
    case 'Y': return PROV_YT;
    case 'X':
        // X0A, X0B and X0C are Nunavut; the rest of X is the Northwest Territories.
        return pc.startsWith(QLatin1String("X0A")) || pc.startsWith(QLatin1String("X0B")) ||
                       pc.startsWith(QLatin1String("X0C"))
                   ? PROV_NU
                   : PROV_NT;
    default: return PROV_NONE;
    }
}

int validateAddr2(const AddressFields& address, const char* format, const char* label,
                  std::list<CString>& messages)
{
    const size_t before = messages.size();
    auto add = [&](const CField& field, const char* part) {
        addMessage(messages, field, CString::Format(format, part, label));
    };
    const int prov = address.province;
    const int country = address.country;
    // A Canadian province with no country chosen is taken as a Canadian address.
    const int effectiveCountry = country == COUNTRY_NOT_CHOSEN && prov >= PROV_AB && prov <= PROV_YT
                                     ? COUNTRY_CANADA
                                     : country;
    if (address.street.isBlank())
        add(address.street, "Street address");
    if (address.city.isBlank())
        add(address.city, "City");
    if (effectiveCountry <= COUNTRY_NOT_CHOSEN || !countryInfo(effectiveCountry))
        add(address.country, "Country");
    const CString postalCode = address.postalCode.str();
    if (effectiveCountry == COUNTRY_CANADA) {
        const CPostCodeInfo* pc = CPostCodeInfo::GetInstance();
        const bool provOk = prov >= PROV_AB && prov <= PROV_YT;
        if (!provOk)
            add(address.province, "Province");
        const ENUMTYPE_PROVINCE fromCode = pc->ProvFromPostCode(postalCode);
        if (fromCode == PROV_NONE || (provOk && fromCode != prov))
            add(address.postalCode, "Postal code");
    } else if (effectiveCountry == COUNTRY_USA) {
        if (!CPostCodeInfo::GetInstance()->IsValidUSZip(postalCode))
            add(address.postalCode, "Postal code");
    }
    return int(messages.size() - before);
}
