#include "host/new_return.h"

const QStringList& defaultNewReturnForms()
{
    static const QStringList forms = {"T3Ret", "Sch9", "Sch11", "T183Trust"};
    return forms;
}

TaxReturn newDefaultReturn(const FormCatalogue& catalogue)
{
    TaxReturn ret;
    for (const QString& name : defaultNewReturnForms())
        ret.add(catalogue.find(name)->create());
    return ret;
}
