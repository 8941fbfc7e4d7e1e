// Page 1 of the business statement: its buttons open the sales and fees worksheets.
#pragma once

#include "framework/described_page.h"

class TaxForm_T2125_New_tab1 : public DescribedTaxPage {
    Q_OBJECT
public:
    using DescribedTaxPage::DescribedTaxPage;
    // The worksheets the page opens.
    enum Worksheet { BusinessWorksheet = 100, ProfessionalWorksheet = 200 };

    void AssociateFormData() override;
    // A new page on the business (100) or professional (200) worksheet, with its title.
    PpgWizardPage* getWorksheetEditDlg(int which, long param, QString& title) override;
};
