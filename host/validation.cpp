#include "host/validation.h"

#include "host/provincial_components.h"

#include <list>

std::vector<ValidationMessage> validateReturn(const TaxReturn& ret)
{
    std::vector<ValidationMessage> out;
    for (int i = 0; i < ret.size(); ++i) {
        CTaxData_Form& form = *ret.form(i);
        std::list<CString> messages;
        form.Validate(kValidateForFiling, messages);
        for (const CString& text : messages)
            out.push_back(ValidationMessage{form.shortClassName(), i, text, QLatin1String(text.subject())});
    }
    for (ValidationMessage& m : messagesBeforeNetfile(ret))
        out.push_back(std::move(m));
    return out;
}
