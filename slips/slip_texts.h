// What the slips share in their texts: the display name taken from the
// slip's name field, and the two message formats of their checks.
#pragma once

#include "framework/form.h"
#include "framework/validation_messages.h"

// The name field's text, when it has one, names the slip in lists and titles.
inline bool displayNameFrom(const CStringField& name, CString& out)
{
    if (name.isEmpty())
        return false;
    out = name.str();
    return true;
}

// "Please answer %s"
inline void askFor(std::list<CString>& messages, const CField& field, const char* what)
{
    addMessage(messages, field, CString::Format("Please answer %s", what));
}

// "%s in [%s] is empty or invalid." for a text left blank; `where` names the slip.
inline void requireText(std::list<CString>& messages, const CStringField& field, const char* what, const char* where)
{
    if (field.isBlank())
        addMessage(messages, field, CString::Format("%s in [%s] is empty or invalid.", what, where));
}
