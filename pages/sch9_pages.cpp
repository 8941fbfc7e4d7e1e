#include "pages/sch9_pages.h"

#include "schedules/sch9.h"

#include <QPushButton>

static const RegisteredPageClass<TaxForm_Sch9_tab1> kSch9Tab1;

void TaxForm_Sch9_tab1::AssociateFormData()
{
    DescribedTaxPage::AssociateFormData();
    if (QPushButton* button = ui()->button(QStringLiteral("btnT3Sch9_Alloc_Full_Income")))
        connect(button, &QPushButton::clicked, this, &TaxForm_Sch9_tab1::OnbtnT3Sch9_Alloc_Full_Income);
}

void TaxForm_Sch9_tab1::GetDataFromDoc()
{
    DescribedTaxPage::GetDataFromDoc();
    auto* sch9 = qobject_cast<TaxData_Sch9*>(form());
    QPushButton* button = ui()->button(QStringLiteral("btnT3Sch9_Alloc_Full_Income"));
    if (!sch9 || !button)
        return;
    // Without a return the allocation would have nothing to take.
    const bool ready = sch9->m_t3Ret != nullptr;
    button->setEnabled(ready);
    button->setToolTip(ready ? QString() : tr("Available once the return has been calculated"));
}

void TaxForm_Sch9_tab1::OnbtnT3Sch9_Alloc_Full_Income()
{
    if (auto* sch9 = qobject_cast<TaxData_Sch9*>(form()))
        runFormAction(tr("Allocate all income"), [sch9] { sch9->autoSetAllAllocation(); });
}
