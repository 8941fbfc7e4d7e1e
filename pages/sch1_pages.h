// Schedule 1's Period 2 page with sections 1 to 3 (layout in
// sch1_layout.cpp): the extra share entries of section 3, applied to the
// requested count and shown in their dialog, or imported from a CSV file.
// Every change of the entries is reported as one undoable edit.
#pragma once

#include "framework/described_page.h"

#include <functional>

class QDialog;
class TaxData_Sch1;

class TaxForm_Sch1_Page1 : public DescribedTaxPage {
    Q_OBJECT
public:
    using DescribedTaxPage::DescribedTaxPage;
    void AssociateFormData() override;

    // The page's question, dialogs and warnings (message boxes and modal
    // dialogs; a test answers them itself).
    std::function<bool()> confirmDeletingEntries;
    std::function<int(QDialog&)> runDialog;
    std::function<void(const QString&)> warn;

public slots:
    void onViewExtraShares();
    void onImportShares();

private:
    TaxData_Sch1* schedule() const;
};
