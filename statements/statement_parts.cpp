#include "statements/statement_parts.h"

#include "framework/checks.h"
#include "framework/province.h"

int provinceOfPostalCode(const QString& postalCode, int current)
{
    const int prov = CPostCodeInfo::GetInstance()->ProvFromPostCode(CString(postalCode));
    return isCanProv(prov) ? prov : current;
}
