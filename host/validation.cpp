#include "host/validation.h"

#include "host/provincial_components.h"
#include "returns/t3base.h"

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
    // A file holds one return: a further return-type form is calculated on
    // its own but fills nothing, which the preparer should know.
    const TaxData_T3Base* returnForm = ret.first<TaxData_T3Base>();
    for (int i = 0; i < ret.size(); ++i) {
        const auto* other = qobject_cast<const TaxData_T3Base*>(ret.form(i));
        if (!other || other == returnForm)
            continue;
        const QString name = other->shortClassName();
        const QString first = returnForm->shortClassName();
        const QString text =
            name == first
                ? QStringLiteral("%1: appears more than once; only the first takes part in the calculation").arg(name)
                : QStringLiteral("%1: the %2 before it is the return; only the first return type takes part in the "
                                 "calculation")
                      .arg(name, first);
        out.push_back(ValidationMessage{name, i, text, QString()});
    }
    return out;
}
