#include "pages/sch1_pages.h"

#include "framework/csv.h"
#include "schedules/sch1_share_import.h"
#include "pages/sch1_share_dialogs.h"
#include "schedules/sch1.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>

static const RegisteredPageClass<TaxForm_Sch1_Page1> kSch1Page1;

namespace {
// The entries and both counts before and after a page action.
class EntriesChange : public FormDataChange {
public:
    EntriesChange(TaxData_Sch1::MoreEquityEntries before, TaxData_Sch1::MoreEquityEntries after)
        : m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void apply(CTaxData_Form& form, bool newSide) const override
    {
        static_cast<TaxData_Sch1&>(form).restoreMoreEquityEntries(newSide ? m_after : m_before);
    }

private:
    TaxData_Sch1::MoreEquityEntries m_before, m_after;
};

// One cell of the entries' table.
class EntryCellChange : public FormDataChange {
public:
    EntryCellChange(int row, int column, QVariant before, QVariant after)
        : m_row(row), m_column(column), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void apply(CTaxData_Form& form, bool newSide) const override
    {
        TblMdlSch1ExtraShares::storeCell(static_cast<TaxData_Sch1&>(form), m_row, m_column,
                                         newSide ? m_after : m_before);
    }

private:
    int m_row, m_column;
    QVariant m_before, m_after;
};
}  // namespace

void TaxForm_Sch1_Page1::AssociateFormData()
{
    DescribedTaxPage::AssociateFormData();
    confirmDeletingEntries = [this] {
        return QMessageBox::question(this, QStringLiteral("Extra Shares"),
                                     QStringLiteral("Please click 'Yes' to confirm deleting some extra share entries?"),
                                     QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
    };
    runDialog = [](QDialog& dialog) { return dialog.exec(); };
    warn = [this](const QString& text) { QMessageBox::warning(this, QStringLiteral("Error"), text, QMessageBox::Ok); };
    if (QPushButton* b = ui()->button(QStringLiteral("btnChangeExtraEntries")))
        connect(b, &QPushButton::clicked, this, &TaxForm_Sch1_Page1::onViewExtraShares);
    if (QPushButton* b = ui()->button(QStringLiteral("btnImportEntries")))
        connect(b, &QPushButton::clicked, this, &TaxForm_Sch1_Page1::onImportShares);
}

TaxData_Sch1* TaxForm_Sch1_Page1::schedule() const
{
    return qobject_cast<TaxData_Sch1*>(form());
}

void TaxForm_Sch1_Page1::onViewExtraShares()
{
    TaxData_Sch1* s = schedule();
    if (!s)
        return;
    PutDataToDoc();  // a count typed but not yet left
    const TaxData_Sch1::MoreEquityEntries before = s->saveMoreEquityEntries();
    int n = int(std::trunc(s->fld_ws_moreentry_num.value()));
    if (n < 0) {
        s->fld_ws_moreentry_num = 0.0;
        n = 0;
    }
    if (n < s->moreEquityEntryCount() && !confirmDeletingEntries()) {
        s->fld_ws_moreentry_num = double(s->moreEquityEntryCount());
        GetDataFromDoc();
        emit formDataEdited(s, tr("Extra share entries"), std::make_shared<EntriesChange>(before, s->saveMoreEquityEntries()));
        return;
    }
    if (n == 0)
        s->FreeMoreEquityEntries();
    else
        s->AllocateMoreEquityEntries(n);
    GetDataFromDoc();
    emit formDataEdited(s, tr("Extra share entries"), std::make_shared<EntriesChange>(before, s->saveMoreEquityEntries()));
    if (n == 0)
        return;
    DlgSch1ExtraShares dialog(s, window());
    connect(dialog.model(), &TblMdlSch1ExtraShares::cellEdited, this,
            [this, s](int row, int column, const QVariant& was, const QVariant& now) {
                emit formDataEdited(s, tr("Edit extra share entry %1").arg(row + 1),
                                    std::make_shared<EntryCellChange>(row, column, was, now));
            });
    runDialog(dialog);
    GetDataFromDoc();
}

void TaxForm_Sch1_Page1::onImportShares()
{
    TaxData_Sch1* s = schedule();
    if (!s)
        return;
    DlgSch1ImportF13200 dialog(window());
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    if (!QFileInfo::exists(dialog.m_fileName)) {
        warn(QStringLiteral("Selected import file doesn't exist!"));
        return;
    }
    std::string text;
    if (loadFileToString(CString(dialog.m_fileName), text, 64, 64) != 0) {
        warn(QStringLiteral("Selected import file CANNOT be read!"));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<std::vector<std::string>> rows;
    ParseCSV(text, rows);
    ShareImportColumns columns;
    columns.shares = dialog.m_numShares.toInt(nullptr, 10);
    columns.name = dialog.m_nameShares.toInt(nullptr, 10);
    columns.proceeds = dialog.m_disposition.toInt(nullptr, 10);
    columns.costBase = dialog.m_costbase.toInt(nullptr, 10);
    columns.expenses = dialog.m_expense.toInt(nullptr, 10);
    const TaxData_Sch1::MoreEquityEntries before = s->saveMoreEquityEntries();
    importSharesLenient(*s, rows, columns, dialog.m_append ? ShareImportMode::Append : ShareImportMode::Overwrite);
    GetDataFromDoc();
    emit formDataEdited(s, tr("Import extra share entries"),
                        std::make_shared<EntriesChange>(before, s->saveMoreEquityEntries()));
    QApplication::restoreOverrideCursor();
}
