#include "framework/worksheet_page.h"

#include "framework/page_description.h"
#include "framework/worksheet.h"

#include <QDialogButtonBox>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
PageDescription firstPageOf(const CWSBaseData* worksheet)
{
    const FormPageDescriptions* described =
        worksheet ? PageDescriptionRegistry::instance().form(worksheet->shortClassName()) : nullptr;
    return described && !described->pages.isEmpty() ? described->pages.first() : PageDescription{};
}
}  // namespace

PpgWizardPage::PpgWizardPage(CWSBaseData* worksheet, CTaxData_Form* form, QWidget* parent)
    : DescribedTaxPage(firstPageOf(worksheet), worksheet, parent), m_worksheet(worksheet), m_ownerForm(form)
{
    build();
}

std::unique_ptr<QDialog> worksheetEditDialog(BaseTaxPage& page, int which, long param)
{
    QString title;
    page.getWSDefaultTitle(which, title);
    PpgWizardPage* sheet = page.getWorksheetEditDlg(which, param, title);
    if (!sheet)
        return nullptr;
    auto dialog = std::make_unique<QDialog>(page.window());
    dialog->setWindowTitle(title);
    auto* layout = new QVBoxLayout(dialog.get());
    auto* scroll = new QScrollArea(dialog.get());
    scroll->setWidgetResizable(true);
    scroll->setWidget(sheet);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog.get());
    layout->addWidget(buttons);
    QDialog* d = dialog.get();
    QObject::connect(buttons, &QDialogButtonBox::accepted, d, [d, sheet] {
        sheet->PutDataToDoc();  // an amount typed but not yet left
        if (sheet->validatePage())
            d->accept();
    });
    BaseTaxPage* owner = &page;
    QObject::connect(sheet, &BaseTaxPage::fieldEdited, owner,
                     [owner](CTaxData_Form*, const QString& field, const QString& oldText, const QString& newText) {
                         emit owner->fieldEdited(owner->form(), field, oldText, newText);
                     });
    QObject::connect(sheet, &BaseTaxPage::formEdited, owner,
                     [owner](CTaxData_Form*, const QString& label, const QVector<FieldChange>& changes) {
                         emit owner->formEdited(owner->form(), label, changes);
                     });
    return dialog;
}

void BaseTaxPage::ShowWorksheetEditDlg(int which, long param)
{
    if (std::unique_ptr<QDialog> dialog = worksheetEditDialog(*this, which, param)) {
        dialog->exec();
        GetDataFromDoc();
    }
}
