#include "pages/taxnote_pages.h"

#include "returns/taxnote.h"

void TaxData_TaxNote::getUIPages(QList<BaseTaxPage*>& pages, QWidget* parent)
{
    pages.append(new TaxForm_TaxNote_tab1(1, this, parent));
}

DEFINE_DESCRIBED_PAGE(TaxForm_TaxNote_tab1, TaxData_TaxNote)
