#include "framework/form.h"

#include "framework/datastream.h"
#include "framework/described_page.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstring>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>

namespace {
// Name (and former name) to registry index, built once per form class from
// its first object. Every object of a class registers the same fields in the
// same order, so one index serves them all; a lookup is still verified
// against the object's own registry.
struct NameIndex {
    std::unordered_map<std::string_view, std::pair<int, const char*>> entries;  // name -> (index, current name)
};

const NameIndex& nameIndexFor(const CTaxData_Form& form)
{
    static std::unordered_map<std::type_index, std::unique_ptr<NameIndex>> cache;
    auto& slot = cache[std::type_index(typeid(form))];
    if (!slot) {
        slot = std::make_unique<NameIndex>();
        const auto& fields = form.fields();
        for (int i = 0; i < int(fields.size()); ++i)
            slot->entries.emplace(fields[size_t(i)]->name(), std::make_pair(i, fields[size_t(i)]->name()));
        for (const auto& [current, old] : form.oldNames()) {
            const auto it = slot->entries.find(current);
            if (it != slot->entries.end())
                slot->entries.emplace(old, it->second);
        }
    }
    return *slot;
}

QString xmlEscaped(const QString& s)
{
    return s.toHtmlEscaped();
}
}  // namespace

CTaxData_Form::CTaxData_Form(ENUMTYPE_FORM formType) : m_formType(formType) {}
CTaxData_Form::~CTaxData_Form() = default;

void CTaxData_Form::registerField(CField* field)
{
    if (m_fields.empty())
        m_fields.reserve(48);  // most forms: one allocation instead of a regrowth per doubling
    m_fields.push_back(field);
}

void CTaxData_Form::addFieldOldName(const char* current, const char* old)
{
    m_oldNames.emplace_back(current, old);
}

int CTaxData_Form::fieldIndex(std::string_view name) const
{
    const NameIndex& index = nameIndexFor(*this);
    const auto it = index.entries.find(name);
    if (it != index.entries.end()) {
        const int i = it->second.first;
        if (i < int(m_fields.size()) && std::strcmp(m_fields[size_t(i)]->name(), it->second.second) == 0)
            return i;
    }
    // Registry differs from the class's first object: search this object.
    for (int i = 0; i < int(m_fields.size()); ++i)
        if (name == m_fields[size_t(i)]->name())
            return i;
    for (const auto& [current, old] : m_oldNames)
        if (name == old)
            return fieldIndex(current);
    return -1;
}

CField* CTaxData_Form::findField(std::string_view name) const
{
    const int i = fieldIndex(name);
    return i < 0 ? nullptr : m_fields[size_t(i)];
}

QString CTaxData_Form::shortClassName() const
{
    QString name = QString::fromLatin1(metaObject()->className());
    if (name.startsWith(QLatin1String("TaxData_")))
        name.remove(0, 8);
    return name;
}

// ---- virtual interface defaults

void CTaxData_Form::getUIPages(QList<BaseTaxPage*>& pages, QWidget* parent)
{
    appendDescribedPages(*this, pages, parent);
}

CTaxData_Form& CTaxData_Form::operator=(const CTaxData_Form& other)
{
    if (&other == this)
        return *this;
    const bool sameClass = typeid(*this) == typeid(other) && other.m_fields.size() == m_fields.size();
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const CField* src = sameClass ? other.m_fields[i] : other.findField(m_fields[i]->name());
        if (src && src->kind() == m_fields[i]->kind())
            m_fields[i]->copyValueFrom(*src);
    }
    m_province = other.m_province;
    return *this;
}

bool CTaxData_Form::operator!=(const CTaxData_Form& other) const
{
    if (typeid(*this) != typeid(other) || m_fields.size() != other.m_fields.size())
        return true;
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (!m_fields[i]->sameValue(*other.m_fields[i]))
            return true;
    return false;
}

int CTaxData_Form::setFloatField(int lineNum, double value)
{
    if (lineNum == 0)
        return -1;
    for (CField* f : m_fields) {
        if (f->lineNum() == lineNum && (f->kind() == FIELD_FLOAT || f->kind() == FIELD_PERCENT)) {
            static_cast<CFloatField*>(f)->store(value);
            return 0;
        }
    }
    return -1;
}

bool CTaxData_Form::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return true;
}

int CTaxData_Form::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& /*param*/)
{
    // A new year starts with last year's identification, answers and texts,
    // and with every amount back at its default.
    for (CField* f : m_fields)
        if (f->kind() == FIELD_FLOAT || f->kind() == FIELD_PERCENT)
            f->reset();
    return 0;
}

int CTaxData_Form::setFieldDataByFldNumAndString(int lineNum, const CString& text)
{
    if (lineNum == 0)
        return -1;
    for (CField* f : m_fields)
        if (f->lineNum() == lineNum)
            return f->fromText(text) ? 0 : -1;
    return -1;
}

int CTaxData_Form::Serialize(unsigned int version, const CString& /*password*/, MyDataStream& ar)
{
    return SerializeFields(version, ar);
}

int CTaxData_Form::SerializeFields(unsigned int version, MyDataStream& ar)
{
    if (ar.IsStoring()) {
        ar.putU32(uint32_t(m_fields.size()));
        for (CField* f : m_fields)
            f->Serialize(version, ar);
        return 0;
    }
    const uint32_t count = ar.getU32();
    if (!ar.ok())
        return -1;
    if (count > ar.remaining() / 3) {
        ar.fail("impossible field count " + std::to_string(count));
        return -1;
    }
    for (uint32_t i = 0; i < count; ++i) {
        const int kind = ar.getU8();
        const std::string_view name = ar.viewBytes(ar.getU8());
        if (!ar.ok())
            return -1;
        CField* target = i < m_fields.size() && name == m_fields[i]->nameView() ? m_fields[i] : findField(name);
        if (!target) {
            ar.fail("unknown field " + std::string(name));
            return -1;
        }
        if (target->kind() != kind) {
            ar.fail("field " + std::string(name) + " is stored as " +
                    (CField::isKnownKind(kind) ? CField::kindName(ENUMTYPE_FIELD(kind)) : "an unknown kind") +
                    ", expected " + CField::kindName(target->kind()));
            return -1;
        }
        target->readValue(ar);
        if (!ar.ok())
            return -1;
    }
    return 0;
}

bool CTaxData_Form::GetDisplayName(CString& /*out*/)
{
    return false;
}

int CTaxData_Form::Validate(unsigned char /*purpose*/, std::list<CString>& /*messages*/)
{
    return 0;
}

bool CTaxData_Form::IsEligibleForPurpose(unsigned char /*purpose*/, CString& /*reason*/)
{
    return false;
}

int CTaxData_Form::WriteNetfileForLoopedString(unsigned char /*purpose*/, NetfileGenObjParamStruct* /*ctx*/,
                                               int /*loop*/)
{
    return 0;
}

int CTaxData_Form::WriteXMLPrintLayout(FILE* out)
{
    QString xml;
    QTextStream ts(&xml);
    ts << "<form class=\"" << metaObject()->className() << "\" type=\"" << m_formType << "\">\n";
    for (const CField* f : m_fields)
        ts << "  <field name=\"" << f->name() << "\" kind=\"" << CField::kindName(f->kind()) << "\" line=\""
           << f->lineNum() << "\">" << xmlEscaped(f->toText()) << "</field>\n";
    ts << "</form>\n";
    ts.flush();
    const QByteArray utf8 = xml.toUtf8();
    return std::fwrite(utf8.constData(), 1, size_t(utf8.size()), out) == size_t(utf8.size()) ? 0 : -1;
}

int CTaxData_Form::WriteXMLFile(const char* path, const char* rootTag, const char* /*className*/,
                                unsigned int version)
{
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return -1;
    std::fprintf(out, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<%s version=\"%u\">\n", rootTag, version);
    int rc = WriteXMLPrintLayout(out);
    std::fprintf(out, "</%s>\n", rootTag);
    if (std::fclose(out) != 0)
        rc = -1;
    return rc;
}

int CTaxData_Form::FillTestPrintData()
{
    int i = 0;
    for (CField* f : m_fields) {
        ++i;
        switch (f->kind()) {
        case FIELD_FLOAT:
        case FIELD_PERCENT: static_cast<CFloatField*>(f)->store(1000.0 + i + (i % 100) / 100.0); break;
        case FIELD_STRING: {
            static_cast<CStringField*>(f)->setClipped(QString::fromLatin1(f->name()));
            break;
        }
        case FIELD_INT: *static_cast<CIntField*>(f) = 0; break;
        case FIELD_BOOL: *static_cast<CBoolField*>(f) = true; break;
        case FIELD_DATE: *static_cast<CDateField*>(f) = QDate(2024, 1, 1); break;
        case FIELD_DATETIME: *static_cast<CDateTimeField*>(f) = QDateTime(QDate(2024, 1, 1), QTime(12, 0)); break;
        }
    }
    return i;
}

// ---- Java declarations for the companion reader of stored data

int CTaxData_Form::WriteJavaFileDeclaration(FILE* out)
{
    for (const CField* f : m_fields) {
        const char* cls = CField::javaClassName(f->kind());
        if (f->kind() == FIELD_STRING)
            std::fprintf(out, "%s %s = new %s(\"%s\", %d, %u, %u);\n", cls, f->name(), cls, f->name(),
                         static_cast<const CStringField*>(f)->maxLength(), f->attr(), FIELD_ALL_VERSIONS);
        else
            std::fprintf(out, "%s %s = new %s(\"%s\", %u, %u);\n", cls, f->name(), cls, f->name(), f->attr(),
                         FIELD_ALL_VERSIONS);
    }
    return 0;
}

int CTaxData_Form::WriteJavaFileContruction(FILE* out)
{
    for (const CField* f : m_fields)
        std::fprintf(out, "addField(%s);\n", f->name());
    return 0;
}

int CTaxData_Form::WriteJavaFileImplementation(FILE* /*out*/)
{
    return 0;
}

int CTaxData_Form::WriteJavaFile(const char* directory, const char* className, bool overwrite)
{
    const QString cls = className && *className ? QString::fromUtf8(className)
                                                : QString::fromLatin1(metaObject()->className());
    const QString path = QString::fromUtf8(directory) + QLatin1Char('/') + cls + QLatin1String(".java");
    if (!overwrite && QFileInfo::exists(path))
        return -1;
    FILE* out = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!out)
        return -1;
    const QByteArray name = cls.toUtf8();
    std::fprintf(out, "// Field declarations of %s, written from its field registry.\n", name.constData());
    std::fprintf(out, "import java.io.IOException;\n\n");  // for a class that reads more than its fields
    std::fprintf(out, "public class %s extends TaxFormData\n{\n", name.constData());
    WriteJavaFileDeclaration(out);
    std::fprintf(out, "\npublic %s()\n{\nsuper(\"%s\", %d);\n", name.constData(), name.constData(), m_formType);
    WriteJavaFileContruction(out);
    std::fprintf(out, "}\n\n");
    WriteJavaFileImplementation(out);
    std::fprintf(out, "}\n");
    return std::fclose(out) == 0 ? 0 : -1;
}

// ---- slips

bool CSlipTaxDataBase01::GetDocName(CString& out)
{
    out = shortClassName();
    return true;
}

bool CSlipTaxDataBase01::GetDocID(CString& out)
{
    out = QStringLiteral("%1-%2").arg(m_slipType).arg(seqNum());
    return true;
}

bool CSlipTaxDataBase01::GetDocDescription(CString& out)
{
    if (!GetDisplayName(out))
        GetDocName(out);
    return true;
}

int CSlipTaxDataBase01::getSlipContentForAttachDoc(CString& /*out*/, std::map<CString, CString>& /*values*/)
{
    return -1000;
}

int CSlipTaxDataBase01::updateConfirmationCode(const CString& confirmation, const CString& fileDate)
{
    m_confirmationCode = confirmation;
    m_fileDate = fileDate;
    return 0;
}
