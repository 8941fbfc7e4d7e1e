// CString: the text type of every form, a QString with the few conveniences
// the forms use (printf-style formatting, conversions to and from UTF-8). A
// validation message also carries its subject, the field it is about.
#pragma once

#include <QString>
#include <string>

class CString : public QString {
public:
    CString() = default;
    CString(const QString& s) : QString(s) {}
    CString(QString&& s) : QString(std::move(s)) {}
    CString(const char* utf8) : QString(QString::fromUtf8(utf8)) {}
    CString(const std::string& utf8) : QString(QString::fromUtf8(utf8.data(), int(utf8.size()))) {}

    // printf-style formatting; %s arguments are UTF-8 `const char*`.
    static CString Format(const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;

    int GetLength() const { return length(); }
    bool IsEmpty() const { return isEmpty(); }
    // True when the text is empty once blanks are removed.
    bool IsBlank() const { return trimmed().isEmpty(); }
    CString Trimmed() const { return CString(trimmed()); }
    std::string utf8() const { return toStdString(); }

    // The name of the field a validation message is about, or nullptr. The
    // name is the field's declared name, a literal that outlives every form.
    // Copies keep it; a text assigned from a QString has none.
    const char* subject() const { return m_subject; }
    CString& about(const char* fieldName)
    {
        m_subject = fieldName;
        return *this;
    }

private:
    const char* m_subject = nullptr;
};
