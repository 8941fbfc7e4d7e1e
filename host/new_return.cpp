#include "host/new_return.h"

#include <utility>

namespace {
// Each type's forms. The T3S works out its tax on Form T2000.
const std::pair<QString, QStringList> kTypes[] = {
    {QStringLiteral("T3"), {"T3Ret", "Sch9", "Sch11", "T183Trust"}},
    {QStringLiteral("T3M"), {"T3M", "T183Trust"}},
    {QStringLiteral("T3S"), {"T3S", "T2000", "T183Trust"}},
    {QStringLiteral("T3RCA"), {"T3RCA", "T183Trust"}},
    {QStringLiteral("T3ATH"), {"T3ATH_Ind", "T183Trust"}},
};
}  // namespace

const QStringList& newReturnTypes()
{
    static const QStringList types = [] {
        QStringList out;
        for (const auto& type : kTypes)
            out << type.first;
        return out;
    }();
    return types;
}

QStringList newReturnForms(const QString& type)
{
    for (const auto& entry : kTypes)
        if (entry.first.compare(type, Qt::CaseInsensitive) == 0)
            return entry.second;
    return {};
}

const QStringList& defaultNewReturnForms()
{
    return kTypes[0].second;
}

TaxReturn newDefaultReturn(const FormCatalogue& catalogue, const QString& type)
{
    TaxReturn ret;
    for (const QString& name : newReturnForms(type))
        ret.add(catalogue.find(name)->create());
    return ret;
}
