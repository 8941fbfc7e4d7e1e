// Validation messages that name their field, so that whoever lists them can
// lead the user to it. Forms append through addMessage instead of push_back
// whenever a message is about one field.
#pragma once

#include "framework/cstring.h"
#include "framework/field.h"

#include <list>

inline void addMessage(std::list<CString>& messages, const CField& field, CString text)
{
    messages.push_back(std::move(text.about(field.name())));
}
