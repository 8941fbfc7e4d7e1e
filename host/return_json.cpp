#include "host/return_json.h"

#include "host/return_error.h"
#include "host/sch1_entries_json.h"

#include <cmath>
#include <limits>
#include <optional>
#include <set>

namespace {
// Data a form keeps outside its registered fields gets a key of its own on the
// form's object. One row per such form class.
struct FormJsonExtras {
    const char* className;
    const char* key;
    json (*write)(const CTaxData_Form& form);
    // Answers the problem, or "". Called with null when the key is absent; a
    // null from `write` leaves the key out.
    QString (*read)(CTaxData_Form& form, const json& value);
};
const std::vector<FormJsonExtras>& formJsonExtras()
{
    static const std::vector<FormJsonExtras> extras = {
        {"TaxData_Sch1", "moreEquityEntries", &sch1EntriesToJson, &sch1EntriesFromJson},
    };
    return extras;
}
const FormJsonExtras* extrasOf(const FormClass& cls)
{
    for (const FormJsonExtras& e : formJsonExtras())
        if (cls.className == QLatin1String(e.className))
            return &e;
    return nullptr;
}

const char* typeName(const json& v)
{
    switch (v.type()) {
    case json::value_t::null: return "null";
    case json::value_t::object: return "an object";
    case json::value_t::array: return "an array";
    case json::value_t::string: return "a string";
    case json::value_t::boolean: return "true/false";
    case json::value_t::number_float: return "a number with decimals";
    case json::value_t::number_integer:
    case json::value_t::number_unsigned: return "a whole number";
    default: return "an unsupported value";
    }
}

QString expected(const char* what, const json& v)
{
    return QStringLiteral("expected %1, found %2").arg(QLatin1String(what), QLatin1String(typeName(v)));
}

QString fromUtf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), int(s.size()));
}

// The source's name and a location inside it, for messages.
class Location {
public:
    explicit Location(const QString& source) : m_source(source) {}
    [[noreturn]] void fail(const QString& where, const QString& problem) const
    {
        throw ReturnFileError(m_source + QStringLiteral(": ") + (where.isEmpty() ? problem : where + ": " + problem));
    }

private:
    QString m_source;
};

// The creator's argument under `key`; `absent` when the key is left out and
// the class has a default (else the key is required).
int intArgument(const Location& loc, const QString& where, const json& form, const char* key,
                std::optional<int> absent = std::nullopt)
{
    const auto it = form.find(key);
    if (it == form.end() && absent)
        return *absent;
    if (it == form.end())
        loc.fail(where, QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
    if (!it->is_number_integer() || *it < std::numeric_limits<int>::min() || *it > std::numeric_limits<int>::max())
        loc.fail(where, QStringLiteral("\"%1\": %2").arg(QLatin1String(key), expected("a whole number", *it)));
    return it->get<int>();
}

void readFields(const Location& loc, const QString& where, CTaxData_Form& form, const json& fields)
{
    if (!fields.is_object())
        loc.fail(where, QStringLiteral("\"fields\": ") + expected("an object", fields));
    std::set<int> seen;
    for (const auto& [name, value] : fields.items()) {
        const QString fieldWhere = where + QStringLiteral(": field ") + fromUtf8(name);
        const int index = form.fieldIndex(name);
        if (index < 0)
            loc.fail(where, QStringLiteral("unknown field \"%1\"").arg(fromUtf8(name)));
        CField& field = *form.fields()[size_t(index)];
        if (!seen.insert(index).second)
            loc.fail(fieldWhere, QStringLiteral("given twice (also as %1 or a former name)").arg(QLatin1String(field.name())));
        const QString problem = fieldFromJson(field, value);
        if (!problem.isEmpty())
            loc.fail(fieldWhere, problem);
    }
}

std::unique_ptr<CTaxData_Form> readForm(const Location& loc, int index, const json& obj, const FormCatalogue& catalogue)
{
    QString where = formLabel(index, QString());
    if (!obj.is_object())
        loc.fail(where, expected("an object", obj));
    const auto nameIt = obj.find("form");
    if (nameIt == obj.end())
        loc.fail(where, QStringLiteral("\"form\" is missing"));
    if (!nameIt->is_string())
        loc.fail(where, QStringLiteral("\"form\": ") + expected("a string", *nameIt));
    const QString name = fromUtf8(nameIt->get<std::string>());
    const FormClass* cls = catalogue.find(name);
    if (!cls)
        loc.fail(where, QStringLiteral("unknown form class \"%1\"").arg(name));
    if (!cls->standalone())
        loc.fail(where, cls->notStandaloneReason());
    where = formLabel(index, cls->jsonName);
    const FormJsonExtras* extras = extrasOf(*cls);

    for (const auto& [key, value] : obj.items()) {
        const bool known = key == "form" || key == "fields" ||
                           (key == "typeId" && cls->creatorArg == CreatorArg::TypeId) ||
                           (key == "origin" && cls->creatorArg == CreatorArg::SlipOrigin) ||
                           (extras && key == extras->key);
        if (!known)
            loc.fail(where, QStringLiteral("unknown key \"%1\"").arg(fromUtf8(key)));
    }
    int arg = 0;
    if (cls->creatorArg == CreatorArg::TypeId)
        arg = intArgument(loc, where, obj, "typeId");
    else if (cls->creatorArg == CreatorArg::SlipOrigin)
        arg = intArgument(loc, where, obj, "origin", kSlipReceivedByTrust);
    std::unique_ptr<CTaxData_Form> form = cls->create(arg);

    const auto fieldsIt = obj.find("fields");
    if (fieldsIt != obj.end())
        readFields(loc, where, *form, *fieldsIt);
    if (extras) {
        const auto it = obj.find(extras->key);
        const QString problem = extras->read(*form, it != obj.end() ? *it : json());
        if (!problem.isEmpty())
            loc.fail(where + QStringLiteral(": \"%1\"").arg(QLatin1String(extras->key)), problem);
    }
    return form;
}
}  // namespace

json fieldToJson(const CField& field)
{
    switch (field.kind()) {
    case FIELD_FLOAT:
    case FIELD_PERCENT: return static_cast<const CFloatField&>(field).value();
    case FIELD_INT: return static_cast<const CIntField&>(field).value();
    case FIELD_BOOL: return static_cast<const CBoolField&>(field).value();
    case FIELD_STRING:
    case FIELD_DATE:
    case FIELD_DATETIME: return field.toText().toStdString();
    }
    return nullptr;
}

QString fieldFromJson(CField& field, const json& value)
{
    switch (field.kind()) {
    case FIELD_FLOAT:
    case FIELD_PERCENT:
        if (!value.is_number())
            return expected("a number", value);
        static_cast<CFloatField&>(field).store(value.get<double>());
        return {};
    case FIELD_INT:
        if (!value.is_number_integer())
            return expected("a whole number", value);
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            return QStringLiteral("the number is out of range");
        static_cast<CIntField&>(field) = value.get<int>();
        return {};
    case FIELD_BOOL:
        if (!value.is_boolean())
            return expected("true or false", value);
        static_cast<CBoolField&>(field) = value.get<bool>();
        return {};
    case FIELD_STRING: {
        if (!value.is_string())
            return expected("a string", value);
        auto& text = static_cast<CStringField&>(field);
        text = fromUtf8(value.get<std::string>());
        return text.value().size() > text.maxLength() ? overlongTextProblem(text) : QString();
    }
    case FIELD_DATE:
        if (!value.is_string())
            return expected("a date \"YYYY-MM-DD\"", value);
        if (!field.fromText(fromUtf8(value.get<std::string>())))
            return QStringLiteral("\"%1\" is not a date \"YYYY-MM-DD\"").arg(fromUtf8(value.get<std::string>()));
        return {};
    case FIELD_DATETIME:
        if (!value.is_string())
            return expected("a date and time \"YYYY-MM-DDTHH:MM:SS\"", value);
        if (!field.fromText(fromUtf8(value.get<std::string>())))
            return QStringLiteral("\"%1\" is not a date and time \"YYYY-MM-DDTHH:MM:SS\"")
                .arg(fromUtf8(value.get<std::string>()));
        return {};
    }
    return QStringLiteral("the field has an unknown kind");
}

json formToJson(const CTaxData_Form& form, const FormCatalogue& catalogue)
{
    const FormClass* cls = catalogue.classOf(form);
    json obj;
    obj["form"] = (cls ? cls->jsonName : form.shortClassName()).toStdString();
    if (cls && cls->creatorArg == CreatorArg::TypeId)
        obj["typeId"] = form.formType();
    if (cls && cls->creatorArg == CreatorArg::SlipOrigin)
        obj["origin"] = dynamic_cast<const CSlipTaxDataBase01&>(form).slipFrom();
    json fields = json::object();
    for (const CField* f : form.fields())
        fields[f->name()] = fieldToJson(*f);
    obj["fields"] = std::move(fields);
    if (const FormJsonExtras* extras = cls ? extrasOf(*cls) : nullptr) {
        json extra = extras->write(form);
        if (!extra.is_null())
            obj[extras->key] = std::move(extra);
    }
    return obj;
}

json returnToJson(const TaxReturn& ret, const FormCatalogue& catalogue)
{
    json doc;
    doc["trustella"] = "return";
    doc["version"] = kReturnJsonVersion;
    json forms = json::array();
    for (const auto& f : ret.forms())
        forms.push_back(formToJson(*f, catalogue));
    doc["forms"] = std::move(forms);
    return doc;
}

std::string returnToJsonText(const TaxReturn& ret, const FormCatalogue& catalogue)
{
    return returnToJson(ret, catalogue).dump(2) + "\n";
}

TaxReturn returnFromJson(const std::string& text, const QString& source, const FormCatalogue& catalogue)
{
    const Location loc(source);
    json doc;
    try {
        doc = json::parse(text);
    } catch (const json::exception& e) {
        // "[json.exception.parse_error.101] parse error at line 2, column 5: ..." without the tag
        std::string what = e.what();
        const size_t tagEnd = what.find("] ");
        loc.fail(QString(), QStringLiteral("malformed JSON: ") +
                                fromUtf8(tagEnd == std::string::npos ? what : what.substr(tagEnd + 2)));
    }
    if (!doc.is_object())
        loc.fail(QString(), QStringLiteral("not a Trustella return (") + expected("an object", doc) + ")");
    const auto kind = doc.find("trustella");
    if (kind == doc.end() || *kind != "return")
        loc.fail(QString(), QStringLiteral("not a Trustella return (\"trustella\": \"return\" is missing)"));
    for (const auto& [key, value] : doc.items())
        if (key != "trustella" && key != "version" && key != "forms")
            loc.fail(QString(), QStringLiteral("unknown key \"%1\"").arg(fromUtf8(key)));
    const auto version = doc.find("version");
    if (version == doc.end() || !version->is_number_integer())
        loc.fail(QString(), QStringLiteral("\"version\" is missing or not a whole number"));
    if (*version != kReturnJsonVersion)
        loc.fail(QString(), QStringLiteral("version %1 is not one this program reads (%2)")
                                .arg(QString::fromStdString(version->dump()))
                                .arg(kReturnJsonVersion));
    const auto forms = doc.find("forms");
    if (forms == doc.end())
        loc.fail(QString(), QStringLiteral("\"forms\" is missing"));
    if (!forms->is_array())
        loc.fail(QString(), QStringLiteral("\"forms\": ") + expected("an array", *forms));

    TaxReturn ret;
    int index = 0;
    for (const json& obj : *forms) {
        ret.add(readForm(loc, index, obj, catalogue));
        ++index;
    }
    return ret;
}
