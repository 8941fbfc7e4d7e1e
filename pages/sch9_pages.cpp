#include "pages/sch9_pages.h"

#include "schedules/sch9.h"

#include <QPushButton>

void TaxData_Sch9::getUIPages(QList<BaseTaxPage*>& pages, QWidget* parent)
{
    pages.append(new TaxForm_Sch9_tab1(1, this, parent));
    pages.append(new TaxForm_Sch9_tab2(2, this, parent));
}

DEFINE_DESCRIBED_PAGE_CONSTRUCTORS(TaxForm_Sch9_tab1)
DEFINE_DESCRIBED_PAGE(TaxForm_Sch9_tab2, TaxData_Sch9)

void TaxForm_Sch9_tab1::AssociateFormData()
{
    if (!qobject_cast<TaxData_Sch9*>(form()))
        return;
    bindDescribedWidgets();
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
    auto* sch9 = qobject_cast<TaxData_Sch9*>(form());
    if (!sch9)
        return;
    runFormAction(tr("Allocate all income"), [sch9] { sch9->autoSetAllAllocation(); });
}
