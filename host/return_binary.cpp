#include "host/return_binary.h"

#include "framework/crc32.h"
#include "framework/datastream.h"
#include "host/return_error.h"

#include <cstring>

using namespace return_binary;

namespace {
constexpr size_t kHeaderSize = 16;
constexpr size_t kTrailerSize = 12;
// Smallest form entry: name length, one-letter name, type id, slip flag, empty frame.
constexpr size_t kMinFormEntrySize = 1 + 1 + 4 + 1 + MyDataStream::kFrameOverhead;

void appendU32(std::string& out, uint32_t v)
{
    const char b[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
    out.append(b, 4);
}

// Reads the file's own structure (the forms' data is read by MyDataStream).
// Every read past the end throws with the place being read: the header, a
// form (by position, and by name once its class is known) or the end; the
// place's label is only composed for a message.
class FileReader {
public:
    FileReader(const std::string& bytes, const QString& source) : m_bytes(bytes), m_source(source) {}

    void atForm(int index, const FormClass* cls)
    {
        m_form = index;
        m_class = cls;
    }
    void atEnd() { m_form = kEnd; }

    [[noreturn]] void fail(const QString& problem) const
    {
        const QString where = m_form == kEnd ? QStringLiteral("end of file")
                              : m_form >= 0  ? formLabel(m_form, m_class ? m_class->jsonName : QString())
                                             : QString();
        throw ReturnFileError(m_source + QStringLiteral(": ") + (where.isEmpty() ? problem : where + ": " + problem));
    }
    void need(size_t size) const
    {
        if (remaining() < size)
            fail(QStringLiteral("the file is truncated (%1 bytes needed at byte %2, %3 present)")
                     .arg(size)
                     .arg(m_pos)
                     .arg(remaining()));
    }
    uint8_t u8()
    {
        need(1);
        return uint8_t(m_bytes[m_pos++]);
    }
    uint32_t u32()
    {
        need(4);
        const auto* b = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_pos);
        m_pos += 4;
        return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    }
    int32_t i32() { return int32_t(u32()); }
    std::string_view bytes(size_t size)
    {
        need(size);
        const std::string_view out(m_bytes.data() + m_pos, size);
        m_pos += size;
        return out;
    }
    size_t position() const { return m_pos; }
    size_t remaining() const { return m_bytes.size() - m_pos; }
    const char* here() const { return m_bytes.data() + m_pos; }

private:
    static constexpr int kEnd = -2;
    const std::string& m_bytes;
    QString m_source;
    size_t m_pos = 0;
    int m_form = -1;
    const FormClass* m_class = nullptr;
};

QString hex(unsigned v)
{
    return QStringLiteral("0x") + QString::number(v, 16);
}

// Catalogue lookups remembered from the previous form: a return's forms come
// in runs of one class (thousands of slips), and a lookup compares names.
class ClassLookup {
public:
    explicit ClassLookup(const FormCatalogue& catalogue) : m_catalogue(catalogue) {}
    const FormClass* of(const CTaxData_Form& form)
    {
        const QMetaObject* meta = form.metaObject();
        if (meta != m_meta) {
            m_meta = meta;
            m_ofMeta = m_catalogue.classOf(form);
        }
        return m_ofMeta;
    }
    const FormClass* named(std::string_view name)
    {
        if (!m_named || name != m_name) {
            m_named = true;
            m_name.assign(name);
            m_ofName = m_catalogue.find(QString::fromLatin1(name.data(), int(name.size())));
        }
        return m_ofName;
    }

private:
    const FormCatalogue& m_catalogue;
    const QMetaObject* m_meta = nullptr;
    const FormClass* m_ofMeta = nullptr;
    bool m_named = false;
    std::string m_name;
    const FormClass* m_ofName = nullptr;
};

// Room for the whole file up front, a little more than a form of short
// entries takes (a slip of 35 fields stores about 750 bytes): growing a
// buffer of megabytes step by step costs more than writing it.
size_t estimatedFileSize(const TaxReturn& ret)
{
    size_t size = kHeaderSize + kTrailerSize;
    for (const auto& form : ret.forms())
        size += 64 + 24 * form->fields().size() + form->storedAdditionsSize();
    return size;
}

void writeForm(std::string& out, int index, CTaxData_Form& form, ClassLookup& classes)
{
    const FormClass* cls = classes.of(form);
    if (!cls)
        throw ReturnFileError(formLabel(index, form.shortClassName()) +
                              QStringLiteral(": the form class is not in the catalogue"));
    const QByteArray name = cls->className.toLatin1();
    out.push_back(char(uint8_t(name.size())));
    out.append(name.constData(), size_t(name.size()));
    appendU32(out, uint32_t(form.formType()));
    const auto* slip = dynamic_cast<const CSlipTaxDataBase01*>(&form);
    out.push_back(slip ? 1 : 0);
    if (slip) {
        appendU32(out, uint32_t(slip->slipType()));
        appendU32(out, uint32_t(slip->slipFrom()));
    }
    MyDataStream ar = MyDataStream::forStoringAfter(std::move(out));
    form.Serialize(TRUSTELLA_STREAM_VERSION, CString(), ar);
    out = std::move(ar).takeFinished();
}

std::unique_ptr<CTaxData_Form> readForm(FileReader& in, int index, ClassLookup& classes)
{
    in.atForm(index, nullptr);
    const uint8_t nameLength = in.u8();
    const std::string_view name = in.bytes(nameLength);
    const FormClass* cls = classes.named(name);
    if (!cls)
        in.fail(QStringLiteral("unknown form class \"%1\"").arg(QString::fromLatin1(name.data(), int(name.size()))));
    in.atForm(index, cls);
    if (!cls->standalone())
        in.fail(cls->notStandaloneReason());

    const int32_t typeId = in.i32();
    const uint8_t slipFlag = in.u8();
    if (slipFlag > 1)
        in.fail(QStringLiteral("the file is corrupt (slip flag %1)").arg(slipFlag));
    int32_t slipType = 0, origin = 0;
    if (slipFlag) {
        slipType = in.i32();
        origin = in.i32();
    }
    const int arg = cls->creatorArg == CreatorArg::TypeId ? typeId
                    : cls->creatorArg == CreatorArg::SlipOrigin ? origin
                                                                : 0;
    std::unique_ptr<CTaxData_Form> form = cls->create(arg);
    const auto* slip = dynamic_cast<const CSlipTaxDataBase01*>(form.get());
    if (form->formType() != typeId)
        in.fail(QStringLiteral("form-type id %1 does not belong to this class (expected %2)")
                    .arg(typeId)
                    .arg(form->formType()));
    if (bool(slip) != bool(slipFlag))
        in.fail(slip ? QStringLiteral("slip type and origin are missing")
                     : QStringLiteral("slip type and origin given for a form that is not a slip"));
    if (slip && (slip->slipType() != slipType || slip->slipFrom() != origin))
        in.fail(QStringLiteral("slip type %1, origin %2 do not belong to this class (expected %3, %4)")
                    .arg(slipType)
                    .arg(origin)
                    .arg(slip->slipType())
                    .arg(slip->slipFrom()));

    const size_t frameSize = MyDataStream::frameSizeAt(in.here(), in.remaining());
    in.need(frameSize ? frameSize : MyDataStream::kFrameHeaderSize);
    MyDataStream ar = MyDataStream::forLoadingInPlace(in.bytes(frameSize));
    if (ar.ok() && ar.version() > TRUSTELLA_STREAM_VERSION)
        in.fail(QStringLiteral("the form's data has stream version %1, newer than this program reads (%2)")
                    .arg(hex(ar.version()), hex(TRUSTELLA_STREAM_VERSION)));
    const int rc = ar.ok() ? form->Serialize(ar.version(), CString(), ar) : -1;
    if (!ar.ok())
        in.fail(QString::fromStdString(ar.error()));
    if (rc != 0)
        in.fail(QStringLiteral("the form could not read its data"));
    if (!ar.atEnd())
        in.fail(QStringLiteral("unexpected bytes after the form's data"));
    if (const CField* bad = firstNonFiniteAmount(*form))
        in.fail(QStringLiteral("field %1: the amount is not a finite number").arg(QLatin1String(bad->name())));
    if (const CStringField* text = firstOverlongText(*form))
        in.fail(QStringLiteral("field %1: %2").arg(QLatin1String(text->name()), overlongTextProblem(*text)));
    return form;
}
}  // namespace

std::string returnToBinary(const TaxReturn& ret, const FormCatalogue& catalogue)
{
    std::string out;
    out.reserve(estimatedFileSize(ret));
    out.append(kMagic, 4);
    appendU32(out, kFormatVersion);
    appendU32(out, TRUSTELLA_STREAM_VERSION);
    appendU32(out, uint32_t(ret.size()));
    ClassLookup classes(catalogue);
    for (int i = 0; i < ret.size(); ++i)
        writeForm(out, i, *ret.form(i), classes);
    const uint32_t checksum = crc32(out.data(), out.size());
    out.append(kTrailerMagic, 4);
    appendU32(out, uint32_t(ret.size()));
    appendU32(out, checksum);
    return out;
}

TaxReturn returnFromBinary(const std::string& bytes, const QString& source, const FormCatalogue& catalogue)
{
    FileReader in(bytes, source);
    if (bytes.size() < 4 || std::memcmp(bytes.data(), kMagic, 4) != 0)
        in.fail(QStringLiteral("not a Trustella return file"));
    in.need(kHeaderSize);
    in.bytes(4);
    const uint32_t formatVersion = in.u32();
    if (formatVersion == 0 || formatVersion > kFormatVersion)
        in.fail(QStringLiteral("file format version %1 is not one this program reads (%2)")
                               .arg(formatVersion)
                               .arg(kFormatVersion));
    const uint32_t streamVersion = in.u32();
    if (streamVersion > TRUSTELLA_STREAM_VERSION)
        in.fail(QStringLiteral("written with stream version %1, newer than this program reads (%2)")
                               .arg(hex(streamVersion), hex(TRUSTELLA_STREAM_VERSION)));
    const uint32_t count = in.u32();
    if (count > in.remaining() / kMinFormEntrySize)
        in.fail(QStringLiteral("the file is truncated or corrupt (it announces %1 forms in %2 bytes)")
                               .arg(count)
                               .arg(in.remaining()));

    TaxReturn ret;
    ClassLookup classes(catalogue);
    for (uint32_t i = 0; i < count; ++i)
        ret.add(readForm(in, int(i), classes));

    const size_t trailerStart = in.position();
    in.atEnd();
    if (in.remaining() < kTrailerSize)
        in.fail(QStringLiteral("the file is truncated (the end marker is missing)"));
    if (std::memcmp(in.bytes(4).data(), kTrailerMagic, 4) != 0)
        in.fail(QStringLiteral("the file is corrupt (bad end marker)"));
    if (in.u32() != count)
        in.fail(QStringLiteral("the file is corrupt (form count at the end differs)"));
    if (in.u32() != crc32(bytes.data(), trailerStart))
        in.fail(QStringLiteral("the file is corrupt (checksum mismatch)"));
    if (in.remaining() != 0)
        in.fail(QStringLiteral("unexpected bytes after the end of the return"));
    return ret;
}
