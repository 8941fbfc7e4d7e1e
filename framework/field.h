// Typed, named form fields. A form declares each field once as a public
// member with the FLD macro (form.h); the member's name is the field's name
// and the declaration order is the registry order, which is the order of the
// stored data, the Java declarations and the JSON return file.
//
// Assigning one field to another copies the value only; names, line numbers
// and attributes are fixed at construction.
#pragma once

#include "framework/cstring.h"

#include <QDate>
#include <QDateTime>
#include <cstdint>
#include <string_view>

class MyDataStream;
class CTaxData_Form;
class CField;

enum ENUMTYPE_FIELD : uint8_t {
    FIELD_FLOAT = 1,     // amount
    FIELD_STRING = 2,    // text with a maximum length
    FIELD_INT = 3,       // answer (-1 unanswered, 0 first choice ...) or choice (province, country)
    FIELD_BOOL = 4,      // yes/no flag
    FIELD_DATE = 5,
    FIELD_DATETIME = 6,
    FIELD_PERCENT = 7,   // percentage, stored like an amount
};

// Attribute word of an ordinary field.
constexpr unsigned FIELD_ATTR_DEFAULT = 0x10000;
// Attribute word marking a percentage entry.
constexpr unsigned FIELD_ATTR_PERCENT = 0x10142;
// Last stream version that holds a field, as written in the Java declarations
// (every current field is present in all versions).
constexpr unsigned FIELD_ALL_VERSIONS = 0x0FFFFFFF;

// How a field's value goes into the Netfile field-record set.
enum class NetfileFormat : uint8_t {
    None,
    W,  // whole dollars, half away from zero; left out when it rounds to 0
    C,  // dollars and cents, "12.50"; left out below 0.01
    M,  // whole dollars, at least "1"; always written
    Y,  // a two-way answer stored 0 or 1, written "1" or "2"
    F,  // a yes/no flag, written "1" when set
};

// What a field stands for on the printed form and in the filing: its CRA
// line or box code and its Netfile record (declared with CTaxData_Form::Line
// and CTaxData_Form::Record, form.h).
struct FieldTag {
    const char* line = nullptr;  // CRA line or box code as printed, or nullptr
    int code = 0;                // Netfile record code; 0 with a format: the number in the field's name
    NetfileFormat format = NetfileFormat::None;
};

// A total the form computes itself: never typed, shown read-only.
struct ComputedTotal {};

// The decimals an amount shows (an exchange rate, a ratio), other than two.
struct ShownDecimals {
    int count;
};

// Passed by the FLD macro: registers the field with its form under its name.
struct FieldSlot {
    CTaxData_Form* form;  // nullptr: the field is named but not registered (a repeated entry's field)
    const char* name;
    CTaxData_Form* alsoIn = nullptr;  // a second registry: the form that holds a worksheet (worksheet.h)
    void attach(CField* field, const FieldTag& tag = FieldTag{}) const;
    static int codeInName(const char* name);
    static bool fitsKind(NetfileFormat format, ENUMTYPE_FIELD kind);
};

// The constructors a field kind takes from the FLD macro: with or without a tag.
#define FIELD_SLOT_CONSTRUCTORS(Kind)                                                                   \
    template <class... A>                                                                               \
    Kind(FieldSlot slot, A... args) : Kind(args...) { slot.attach(this); }                            \
    template <class... A>                                                                               \
    Kind(FieldSlot slot, FieldTag tag, A... args) : Kind(args...) { slot.attach(this, tag); }

class CField {
public:
    virtual ~CField() = default;

    const char* name() const { return m_name; }
    std::string_view nameView() const { return std::string_view(m_name, m_nameLength); }
    int lineNum() const { return m_lineNum; }
    unsigned attr() const { return m_attr; }
    // The CRA line or box code the field stands for ("56", "3A"), or "".
    const char* craLine() const { return m_craLine ? m_craLine : ""; }
    // Its Netfile record: code (0 when it has none) and value format.
    int netfileCode() const { return m_netfileCode; }
    NetfileFormat netfileFormat() const { return m_netfileFormat; }

    // Held by the base, not asked of the kind: stored data names it for every field.
    ENUMTYPE_FIELD kind() const { return m_kind; }
    virtual void reset() = 0;                 // back to the default
    virtual bool isDefault() const = 0;
    virtual void copyValueFrom(const CField& other) = 0;  // other has the same kind
    virtual bool sameValue(const CField& other) const = 0;
    // Plain text of the value (amounts with full precision, dates yyyy-MM-dd,
    // date and time yyyy-MM-ddTHH:mm:ss, flags 0/1) and its reverse; fromText
    // answers false and changes nothing when the text does not fit the kind.
    virtual QString toText() const = 0;
    virtual bool fromText(const QString& text) = 0;

    // The stored entry: kind, name, value (docs/file-format.md).
    void Serialize(unsigned version, MyDataStream& ar);
    virtual void writeValue(MyDataStream& ar) const = 0;
    virtual void readValue(MyDataStream& ar) = 0;
    static void skipValue(ENUMTYPE_FIELD kind, MyDataStream& ar);
    static bool isKnownKind(int kind);

    static const char* kindName(ENUMTYPE_FIELD kind);       // "amount", "text", ...
    static const char* javaClassName(ENUMTYPE_FIELD kind);  // "FloatField", ...

protected:
    CField(ENUMTYPE_FIELD kind, int lineNum, unsigned attr) : m_lineNum(lineNum), m_attr(attr), m_kind(kind) {}
    CField(const CField&) = default;
    CField& operator=(const CField&) = delete;

private:
    friend struct FieldSlot;
    const char* m_name = "";
    const char* m_craLine = nullptr;
    int m_lineNum;
    unsigned m_attr;
    int m_netfileCode = 0;
    NetfileFormat m_netfileFormat = NetfileFormat::None;
    uint8_t m_nameLength = 0;  // of m_name, at most 255 as stored

protected:
    ENUMTYPE_FIELD m_kind;
};

// The value plumbing that every single-value kind shares.
template <class T, ENUMTYPE_FIELD Kind>
class CValueField : public CField {
public:
    const T& value() const { return m_value; }
    const T& defaultValue() const { return m_default; }

    void reset() override { m_value = m_default; }
    bool isDefault() const override { return m_value == m_default; }
    void copyValueFrom(const CField& other) override { m_value = static_cast<const CValueField&>(other).m_value; }
    bool sameValue(const CField& other) const override
    {
        return m_value == static_cast<const CValueField&>(other).m_value;
    }

protected:
    CValueField(int lineNum, unsigned attr, const T& def) : CField(Kind, lineNum, attr), m_value(def), m_default(def) {}
    CValueField(const CValueField&) = default;

    T m_value;
    T m_default;
};

// Amount in dollars.
class CFloatField : public CValueField<double, FIELD_FLOAT> {
public:
    // Short form: amounts that the user enters or another form fills.
    CFloatField(double def = 0.0, int lineNum = 0);
    // Long form: bInput (the user may type it), default, line number,
    // bComputed (a total the form computes; shown read-only), attribute
    // (decimals shown, 0 = two), bAllowNegative, attribute word.
    CFloatField(int bInput, double def, int lineNum, int bComputed, int attribute, int bAllowNegative,
                unsigned attrWord);
    // A computed total: the long form (0, 0.0, 0, 1, 0, 0, 0x10000).
    explicit CFloatField(ComputedTotal) : CFloatField(0, 0.0, 0, 1, 0, 0, FIELD_ATTR_DEFAULT) {}
    // A computed ratio or rate shown with its own number of decimals.
    CFloatField(ComputedTotal, ShownDecimals shown) : CFloatField(0, 0.0, 0, 1, shown.count, 0, FIELD_ATTR_DEFAULT) {}
    // An entry shown with its own number of decimals.
    explicit CFloatField(ShownDecimals shown, double def = 0.0, int lineNum = 0) : CFloatField(def, lineNum)
    {
        m_decimals = shown.count;
    }
    FIELD_SLOT_CONSTRUCTORS(CFloatField)
    CFloatField(const CFloatField&) = default;

    CFloatField& operator=(double v) { m_value = v; return *this; }
    CFloatField& operator=(const CFloatField& other) { m_value = other.m_value; return *this; }
    CFloatField& operator+=(double v) { m_value += v; return *this; }
    operator double() const { return m_value; }
    double value() const { return m_value; }
    void store(double v) { m_value = v; }  // direct store, no assignment side effects
    bool isComputed() const { return m_computed; }
    bool isInput() const { return m_input; }
    int decimals() const { return m_decimals; }  // shown on its page
    // Entered as a percentage: a percent field, or an amount with the percent attribute word.
    bool isPercentage() const { return kind() == FIELD_PERCENT || attr() == FIELD_ATTR_PERCENT; }

    bool sameValue(const CField& other) const override;  // NaN equals NaN
    QString toText() const override;
    bool fromText(const QString& text) override;
    void writeValue(MyDataStream& ar) const override;
    void readValue(MyDataStream& ar) override;

protected:
    bool m_input = true;
    bool m_computed = false;
    bool m_allowNegative = true;
    int m_decimals = 2;
};

// Percentage (100 = 100 %).
class CPercentField : public CFloatField {
public:
    CPercentField(double def = 0.0, int lineNum = 0, int flag = 0, unsigned attrWord = FIELD_ATTR_DEFAULT);
    FIELD_SLOT_CONSTRUCTORS(CPercentField)
    CPercentField(const CPercentField&) = default;
    CPercentField& operator=(double v) { m_value = v; return *this; }
    CPercentField& operator=(const CPercentField& other) { m_value = other.m_value; return *this; }
};

class CStringField : public CValueField<QString, FIELD_STRING> {
public:
    CStringField(int flag = 0, const char* def = "", int maxLen = 80, unsigned attrWord = FIELD_ATTR_DEFAULT);
    FIELD_SLOT_CONSTRUCTORS(CStringField)
    CStringField(const CStringField&) = default;

    // Assignment keeps the whole text: the maximum length limits what a user
    // types or a return file brings in, not what a form stores. A form that
    // composes a text for a shorter field uses setClipped.
    CStringField& operator=(const QString& v) { m_value = v; return *this; }
    void setClipped(const QString& v) { m_value = v.left(m_maxLen); }
    CStringField& operator=(const char* v) { return *this = QString::fromUtf8(v); }
    CStringField& operator=(const std::string& v) { return *this = QString::fromStdString(v); }
    CStringField& operator=(const CStringField& other) { return *this = other.m_value; }
    operator const QString&() const { return m_value; }
    CString str() const { return CString(m_value); }
    std::string utf8() const { return m_value.toStdString(); }
    bool isEmpty() const { return m_value.isEmpty(); }
    bool isBlank() const { return m_value.trimmed().isEmpty(); }
    QString trimmed() const { return m_value.trimmed(); }
    int maxLength() const { return m_maxLen; }

    QString toText() const override { return m_value; }
    bool fromText(const QString& text) override;
    void writeValue(MyDataStream& ar) const override;
    void readValue(MyDataStream& ar) override;

private:
    int m_maxLen;
};

// Answer (-1 unanswered, 0 first choice, 1 second ...) or choice (province or
// country code, default 0). A choice may carry a display text for printing.
class CIntField : public CValueField<int, FIELD_INT> {
public:
    CIntField(int def = -1, unsigned attrWord = FIELD_ATTR_DEFAULT);
    CIntField(int lineNum, int def, unsigned attrWord);
    FIELD_SLOT_CONSTRUCTORS(CIntField)
    CIntField(const CIntField&) = default;

    CIntField& operator=(int v) { m_value = v; return *this; }
    CIntField& operator=(const CIntField& other) { m_value = other.m_value; return *this; }
    operator int() const { return m_value; }
    int value() const { return m_value; }
    bool isAnswered() const { return m_value >= 0; }
    bool isYes() const { return m_value == 0; }
    const QString& displayText() const { return m_display; }
    void setDisplayText(const QString& text) { m_display = text; }

    QString toText() const override { return QString::number(m_value); }
    bool fromText(const QString& text) override;
    void writeValue(MyDataStream& ar) const override;
    void readValue(MyDataStream& ar) override;

private:
    QString m_display;  // not stored
};

class CBoolField : public CValueField<bool, FIELD_BOOL> {
public:
    CBoolField(bool def = false, unsigned attrWord = FIELD_ATTR_DEFAULT);
    FIELD_SLOT_CONSTRUCTORS(CBoolField)
    CBoolField(const CBoolField&) = default;

    CBoolField& operator=(bool v) { m_value = v; return *this; }
    CBoolField& operator=(const CBoolField& other) { m_value = other.m_value; return *this; }
    operator bool() const { return m_value; }
    bool value() const { return m_value; }

    QString toText() const override { return m_value ? QStringLiteral("1") : QStringLiteral("0"); }
    bool fromText(const QString& text) override;
    void writeValue(MyDataStream& ar) const override;
    void readValue(MyDataStream& ar) override;
};

class CDateField : public CValueField<QDate, FIELD_DATE> {
public:
    CDateField(const QDate& def = QDate(), unsigned attrWord = FIELD_ATTR_DEFAULT);
    CDateField(int nullDefault, unsigned attrWord) : CDateField(QDate(), attrWord) { (void)nullDefault; }
    FIELD_SLOT_CONSTRUCTORS(CDateField)
    CDateField(const CDateField&) = default;

    CDateField& operator=(const QDate& v) { m_value = v; return *this; }
    CDateField& operator=(const CDateField& other) { m_value = other.m_value; return *this; }
    operator const QDate&() const { return m_value; }
    bool IsValid() const { return m_value.isValid(); }
    int year() const { return m_value.isValid() ? m_value.year() : 0; }
    void set1YLater();  // same day one year later (February 29 becomes February 28)
    void setZero() { m_value = QDate(); }

    QString toText() const override;
    bool fromText(const QString& text) override;
    void writeValue(MyDataStream& ar) const override;
    void readValue(MyDataStream& ar) override;

    // yyyymmdd as an integer, 0 for the null date; the stored form.
    static int32_t toStoredInt(const QDate& d);
    static bool fromStoredInt(int32_t v, QDate& out);
};

class CDateTimeField : public CField {
public:
    CDateTimeField(const QDateTime& def = QDateTime(), unsigned attrWord = FIELD_ATTR_DEFAULT);
    CDateTimeField(int nullDefault, unsigned attrWord) : CDateTimeField(QDateTime(), attrWord) { (void)nullDefault; }
    FIELD_SLOT_CONSTRUCTORS(CDateTimeField)
    CDateTimeField(const CDateTimeField&) = default;

    // Held to the second, and without a time when there is no date, so that
    // every stored form and the JSON text "yyyy-MM-ddTHH:mm:ss" carry the same value.
    CDateTimeField& operator=(const QDateTime& v) { set(v.date(), v.time()); return *this; }
    CDateTimeField& operator=(const CDateTimeField& other) { m_date = other.m_date; m_time = other.m_time; return *this; }
    QDateTime value() const { return QDateTime(m_date, m_time); }
    const QDate& date() const { return m_date; }
    const QTime& time() const { return m_time; }
    void setDate(const QDate& d) { set(d, m_time); }  // keeps the time
    bool IsValid() const { return m_date.isValid(); }

    void reset() override { m_date = m_default.date(); m_time = m_default.time(); }
    bool isDefault() const override { return m_date == m_default.date() && m_time == m_default.time(); }
    void copyValueFrom(const CField& other) override;
    bool sameValue(const CField& other) const override;
    QString toText() const override;
    bool fromText(const QString& text) override;
    void writeValue(MyDataStream& ar) const override;
    void readValue(MyDataStream& ar) override;

private:
    void set(const QDate& d, const QTime& t);

    QDate m_date;
    QTime m_time;
    QDateTime m_default;
};
