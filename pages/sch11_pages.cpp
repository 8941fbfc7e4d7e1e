#include "pages/sch11_pages.h"

#include "taxcalc/sch11.h"

void TaxData_Sch11::getUIPages(QList<BaseTaxPage*>& pages, QWidget* parent)
{
    pages.append(new TaxForm_Sch11_tab1(1, this, parent));
    pages.append(new TaxForm_Sch11_tab2(2, this, parent));
}

DEFINE_DESCRIBED_PAGE(TaxForm_Sch11_tab1, TaxData_Sch11)
DEFINE_DESCRIBED_PAGE(TaxForm_Sch11_tab2, TaxData_Sch11)
