#include "framework/field.h"

#include "framework/datastream.h"
#include "framework/form.h"

#include <QLocale>

#include <cmath>
#include <cstring>

void FieldSlot::attach(CField* field, const FieldTag& tag) const
{
    field->m_name = name;
    field->m_nameLength = uint8_t(std::strlen(name));
    field->m_craLine = tag.line;
    field->m_netfileFormat = tag.format;
    field->m_netfileCode = tag.format == NetfileFormat::None ? 0 : tag.code ? tag.code : codeInName(name);
    if (!fitsKind(tag.format, field->kind()) || (tag.format != NetfileFormat::None && field->m_netfileCode <= 0))
        qFatal("field %s: its Netfile record does not fit the field", name);
    if (form)  // a field of a repeated entry outside the form's registry
        form->registerField(field);
    if (alsoIn)
        alsoIn->registerField(field);
}

// Amount formats on amounts, Y on answers, F on yes/no flags.
bool FieldSlot::fitsKind(NetfileFormat format, ENUMTYPE_FIELD kind)
{
    switch (format) {
    case NetfileFormat::None: return true;
    case NetfileFormat::Y: return kind == FIELD_INT;
    case NetfileFormat::F: return kind == FIELD_BOOL;
    default: return kind == FIELD_FLOAT || kind == FIELD_PERCENT;
    }
}

// "fld_9211" -> 9211; 0 when the name carries no code.
int FieldSlot::codeInName(const char* name)
{
    const char* digits = std::strncmp(name, "fld_", 4) == 0 ? name + 4 : name;
    int code = 0;
    for (const char* c = digits; *c; ++c) {
        if (*c < '0' || *c > '9')
            return 0;
        code = code * 10 + (*c - '0');
    }
    return code;
}

const char* CField::kindName(ENUMTYPE_FIELD kind)
{
    switch (kind) {
    case FIELD_FLOAT: return "amount";
    case FIELD_STRING: return "text";
    case FIELD_INT: return "integer";
    case FIELD_BOOL: return "yes/no";
    case FIELD_DATE: return "date";
    case FIELD_DATETIME: return "date and time";
    case FIELD_PERCENT: return "percentage";
    }
    return "unknown";
}

const char* CField::javaClassName(ENUMTYPE_FIELD kind)
{
    switch (kind) {
    case FIELD_FLOAT: return "FloatField";
    case FIELD_STRING: return "StringField";
    case FIELD_INT: return "IntField";
    case FIELD_BOOL: return "BoolField";
    case FIELD_DATE: return "DateField";
    case FIELD_DATETIME: return "DateTimeField";
    case FIELD_PERCENT: return "PercentField";
    }
    return "Field";
}

bool CField::isKnownKind(int kind)
{
    return kind >= FIELD_FLOAT && kind <= FIELD_PERCENT;
}

void CField::Serialize(unsigned /*version*/, MyDataStream& ar)
{
    if (ar.IsStoring()) {
        char entry[2 + 255];
        entry[0] = char(kind());
        entry[1] = char(m_nameLength);
        std::memcpy(entry + 2, m_name, m_nameLength);
        ar.putBytes(entry, 2 + size_t(m_nameLength));
        writeValue(ar);
        return;
    }
    const int storedKind = ar.getU8();
    const std::string_view storedName = ar.viewBytes(ar.getU8());
    if (!ar.ok())
        return;
    if (storedName != nameView()) {
        ar.fail("expected field " + std::string(m_name) + ", found " + std::string(storedName));
        return;
    }
    if (storedKind != kind()) {
        ar.fail("field " + std::string(storedName) + " is stored as " +
                (isKnownKind(storedKind) ? kindName(ENUMTYPE_FIELD(storedKind)) : "an unknown kind") +
                ", expected " + kindName(kind()));
        return;
    }
    readValue(ar);
}

void CField::skipValue(ENUMTYPE_FIELD kind, MyDataStream& ar)
{
    switch (kind) {
    case FIELD_FLOAT:
    case FIELD_PERCENT: ar.skip(8); break;
    case FIELD_STRING: ar.skip(ar.getU32()); break;
    case FIELD_INT: ar.skip(4); break;
    case FIELD_BOOL: ar.skip(1); break;
    case FIELD_DATE: ar.skip(4); break;
    case FIELD_DATETIME: ar.skip(8); break;
    }
}

// ---- amounts

CFloatField::CFloatField(double def, int lineNum) : CValueField(lineNum, FIELD_ATTR_DEFAULT, def) {}

CFloatField::CFloatField(int bInput, double def, int lineNum, int bComputed, int attribute, int bAllowNegative,
                         unsigned attrWord)
    : CValueField(lineNum, attrWord, def), m_input(bInput != 0), m_computed(bComputed != 0),
      m_allowNegative(bAllowNegative != 0), m_decimals(attribute > 0 ? attribute : 2)
{
}

bool CFloatField::sameValue(const CField& other) const
{
    const double o = static_cast<const CFloatField&>(other).m_value;
    return m_value == o || (std::isnan(m_value) && std::isnan(o));
}

QString CFloatField::toText() const
{
    // The shortest text that reads back as the same double ("1234.56", not "1234.5599999999999").
    return QString::number(m_value, 'g', QLocale::FloatingPointShortest);
}

bool CFloatField::fromText(const QString& text)
{
    bool ok = false;
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    t.remove(QLatin1Char('$'));
    const double v = t.isEmpty() ? 0.0 : t.toDouble(&ok);
    if (!t.isEmpty() && (!ok || !std::isfinite(v)))
        return false;
    m_value = v;
    return true;
}

void CFloatField::writeValue(MyDataStream& ar) const { ar.putF64(m_value); }
void CFloatField::readValue(MyDataStream& ar) { m_value = ar.getF64(); }

CPercentField::CPercentField(double def, int lineNum, int /*flag*/, unsigned attrWord)
    : CFloatField(1, def, lineNum, 0, 0, 1, attrWord)
{
    m_kind = FIELD_PERCENT;
}

// ---- texts

CStringField::CStringField(int /*flag*/, const char* def, int maxLen, unsigned attrWord)
    : CValueField(0, attrWord, *def ? QString::fromUtf8(def) : QString()), m_maxLen(maxLen)  // most start empty: no allocation
{
}

bool CStringField::fromText(const QString& text)
{
    if (text.size() > m_maxLen)
        return false;
    m_value = text;
    return true;
}

void CStringField::writeValue(MyDataStream& ar) const
{
    // Most texts are short and ASCII: their UTF-8 is their code units, narrowed
    // on the stack instead of converted into a new array.
    constexpr int kShort = 128;
    const int size = m_value.size();
    if (size <= kShort) {
        char ascii[kShort];
        const QChar* units = m_value.constData();
        int i = 0;
        while (i < size && units[i].unicode() < 0x80) {
            ascii[i] = char(units[i].unicode());
            ++i;
        }
        if (i == size) {
            ar.putText(std::string_view(ascii, size_t(size)));
            return;
        }
    }
    const QByteArray utf8 = m_value.toUtf8();
    ar.putText(std::string_view(utf8.constData(), size_t(utf8.size())));
}

void CStringField::readValue(MyDataStream& ar)
{
    const std::string_view utf8 = ar.viewText();
    if (!ar.ok())
        return;
    m_value = QString::fromUtf8(utf8.data(), int(utf8.size()));
}

// ---- answers and choices

CIntField::CIntField(int def, unsigned attrWord) : CValueField(0, attrWord, def) {}
CIntField::CIntField(int lineNum, int def, unsigned attrWord) : CValueField(lineNum, attrWord, def) {}

bool CIntField::fromText(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        return false;
    m_value = v;
    return true;
}

void CIntField::writeValue(MyDataStream& ar) const { ar.putI32(m_value); }
void CIntField::readValue(MyDataStream& ar) { m_value = ar.getI32(); }

// ---- flags

CBoolField::CBoolField(bool def, unsigned attrWord) : CValueField(0, attrWord, def) {}

bool CBoolField::fromText(const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("1") || t == QLatin1String("true") || t == QLatin1String("yes"))
        m_value = true;
    else if (t == QLatin1String("0") || t == QLatin1String("false") || t == QLatin1String("no") || t.isEmpty())
        m_value = false;
    else
        return false;
    return true;
}

void CBoolField::writeValue(MyDataStream& ar) const { ar.putU8(m_value ? 1 : 0); }
void CBoolField::readValue(MyDataStream& ar)
{
    const uint8_t v = ar.getU8();
    if (v > 1) {
        ar.fail("field " + std::string(name()) + " holds an invalid yes/no value");
        return;
    }
    m_value = v == 1;
}

// ---- dates

CDateField::CDateField(const QDate& def, unsigned attrWord) : CValueField(0, attrWord, def) {}

void CDateField::set1YLater()
{
    if (m_value.isValid())
        m_value = m_value.addYears(1);
}

QString CDateField::toText() const
{
    return m_value.isValid() ? m_value.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

bool CDateField::fromText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        m_value = QDate();
        return true;
    }
    const QDate d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        return false;
    m_value = d;
    return true;
}

int32_t CDateField::toStoredInt(const QDate& d)
{
    return d.isValid() ? d.year() * 10000 + d.month() * 100 + d.day() : 0;
}

bool CDateField::fromStoredInt(int32_t v, QDate& out)
{
    if (v == 0) {
        out = QDate();
        return true;
    }
    const QDate d(v / 10000, (v / 100) % 100, v % 100);
    if (v < 0 || !d.isValid())
        return false;
    out = d;
    return true;
}

void CDateField::writeValue(MyDataStream& ar) const { ar.putI32(toStoredInt(m_value)); }
void CDateField::readValue(MyDataStream& ar)
{
    const int32_t v = ar.getI32();
    if (ar.ok() && !fromStoredInt(v, m_value))
        ar.fail("field " + std::string(name()) + " holds an invalid date");
}

// ---- date and time

CDateTimeField::CDateTimeField(const QDateTime& def, unsigned attrWord)
    : CField(FIELD_DATETIME, 0, attrWord), m_default(def)
{
    set(def.date(), def.time());
    m_default = QDateTime(m_date, m_time);
}

void CDateTimeField::set(const QDate& d, const QTime& t)
{
    m_date = d;
    if (!d.isValid())
        m_time = QTime();
    else if (!t.isValid())
        m_time = QTime(0, 0);
    else
        m_time = QTime(t.hour(), t.minute(), t.second());
}

void CDateTimeField::copyValueFrom(const CField& other)
{
    const auto& o = static_cast<const CDateTimeField&>(other);
    m_date = o.m_date;
    m_time = o.m_time;
}

bool CDateTimeField::sameValue(const CField& other) const
{
    const auto& o = static_cast<const CDateTimeField&>(other);
    return m_date == o.m_date && m_time == o.m_time;
}

QString CDateTimeField::toText() const
{
    if (!m_date.isValid())
        return QString();
    const QTime t = m_time.isValid() ? m_time : QTime(0, 0);
    return m_date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('T') + t.toString(QStringLiteral("HH:mm:ss"));
}

bool CDateTimeField::fromText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        m_date = QDate();
        m_time = QTime();
        return true;
    }
    const QDateTime dt = QDateTime::fromString(t, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!dt.isValid())
        return false;
    set(dt.date(), dt.time());
    return true;
}

void CDateTimeField::writeValue(MyDataStream& ar) const
{
    ar.putI32(CDateField::toStoredInt(m_date));
    ar.putI32(m_time.isValid() ? m_time.msecsSinceStartOfDay() : -1);
}

void CDateTimeField::readValue(MyDataStream& ar)
{
    const int32_t d = ar.getI32();
    const int32_t ms = ar.getI32();
    if (!ar.ok())
        return;
    if (!CDateField::fromStoredInt(d, m_date) || ms < -1 || ms >= 86400000) {
        ar.fail("field " + std::string(name()) + " holds an invalid date and time");
        return;
    }
    set(m_date, ms < 0 ? QTime() : QTime::fromMSecsSinceStartOfDay(ms));
}
