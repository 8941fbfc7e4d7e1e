#include "pages/t2125new_pages.h"

#include "pages/wst2125busi_pages.h"
#include "statements/t2125new.h"

void TaxForm_T2125_New_tab1::AssociateFormData()
{
    DescribedTaxPage::AssociateFormData();
    openWorksheetOnClick(QStringLiteral("btnBusiWorksheet"), BusinessWorksheet);
    openWorksheetOnClick(QStringLiteral("btnProfWorksheet"), ProfessionalWorksheet);
}

PpgWizardPage* TaxForm_T2125_New_tab1::getWorksheetEditDlg(int which, long /*param*/, QString& title)
{
    auto* statement = qobject_cast<TaxData_T2125_New*>(form());
    if (!statement)
        return nullptr;
    switch (which) {
    case BusinessWorksheet:
        title = QStringLiteral("Business Income Worksheet");
        return new WST2125Busi_tab1(&statement->fld_ws_busi_sales, statement);
    case ProfessionalWorksheet:
        title = QStringLiteral("Professional Income Worksheet");
        return new WST2125Busi_tab1(&statement->fld_ws_prof_fee, statement);
    default:
        return nullptr;
    }
}

static const RegisteredPageClass<TaxForm_T2125_New_tab1> kT2125Tab1;
