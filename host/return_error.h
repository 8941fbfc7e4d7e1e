// The one error type of reading and writing returns. Its text is complete and
// meant for the user: "<file>: forms[2] (Sch9): field fld_9211: <problem>".
#pragma once

#include "framework/field.h"

#include <QString>
#include <stdexcept>
#include <string>

class ReturnFileError : public std::runtime_error {
public:
    explicit ReturnFileError(const std::string& message) : std::runtime_error(message) {}
    explicit ReturnFileError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// "forms[2] (Sch9)": a form by its position in the file (from 0) and its name.
inline QString formLabel(int index, const QString& name)
{
    return name.isEmpty() ? QStringLiteral("forms[%1]").arg(index)
                          : QStringLiteral("forms[%1] (%2)").arg(index).arg(name);
}

// "the text has 11 characters, more than the field's maximum of 10"
inline QString overlongTextProblem(const CStringField& text)
{
    return QStringLiteral("the text has %1 characters, more than the field's maximum of %2")
        .arg(text.value().size())
        .arg(text.maxLength());
}
