#include "host/provincial_components.h"

#include "host/validation.h"
#include "returns/t3ret.h"
#include "schedules/sch7.h"
#include "taxcalc/sch5.h"

#include <algorithm>

namespace {
std::vector<std::shared_ptr<CProvincialTaxManager>>& registry()
{
    static std::vector<std::shared_ptr<CProvincialTaxManager>> components;
    return components;
}
}  // namespace

void registerProvincialComponent(std::shared_ptr<CProvincialTaxManager> component)
{
    registry().push_back(std::move(component));
}

void unregisterProvincialComponent(const CProvincialTaxManager* component)
{
    auto& all = registry();
    all.erase(std::remove_if(all.begin(), all.end(), [&](const auto& c) { return c.get() == component; }),
              all.end());
}

const std::vector<std::shared_ptr<CProvincialTaxManager>>& provincialComponents()
{
    return registry();
}

void runComponentsBeforeSch5StepLast(const TaxReturn& ret)
{
    for (const auto& component : registry())
        if (component->isNeeded())
            component->CalculateBefore_S5StepLast(ret.first<TaxData_T3Ret>(), ret.first<TaxData_Sch5>(),
                                                  ret.first<TaxData_Sch7>());
}

std::vector<ValidationMessage> messagesBeforeNetfile(const TaxReturn& ret)
{
    std::vector<ValidationMessage> out;
    auto* sch5 = ret.first<TaxData_Sch5>();
    if (sch5) {
        CString reason;
        if (sch5->IsEligibleForPurpose(kValidateForFiling, reason))
            out.push_back(ValidationMessage{sch5->shortClassName(), ret.indexOf(sch5), reason,
                                            QStringLiteral("fld_iRegulationType")});
    }
    const QString provincial = QStringLiteral("Provincial");
    for (const auto& component : registry()) {
        if (!component->isNeeded())
            continue;
        std::list<CString> messages;
        const bool ok = component->AnyMsgBeforeNetfile(ret.first<TaxData_T3Ret>(), sch5, messages);
        if (!ok && messages.empty())
            messages.push_back(CString("A provincial calculation stops the Netfile output."));
        for (const CString& text : messages)
            out.push_back(ValidationMessage{provincial, -1, text, QString()});
    }
    return out;
}
