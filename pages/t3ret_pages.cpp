#include "pages/t3ret_pages.h"

#include "framework/widget_lines.h"
#include "returns/t3ret.h"

#include <QLabel>

static const RegisteredPageClass<TaxForm_T3Ret_tab5> kT3RetTab5;

QString TaxForm_T3Ret_tab5::efileStatusText(int status)
{
    switch (status) {
    case 1: return QStringLiteral("Filed successfully");
    case 2: return QStringLiteral("Amended");
    case 3: return QStringLiteral("Amended and re-Filed");
    default: return QStringLiteral("Not filed yet");
    }
}

QString TaxForm_T3Ret_tab5::balanceText(double balanceOrRefund)
{
    if (balanceOrRefund >= 0.009)
        return QStringLiteral("Balance owing: ") + DoubleLineEdit::formatAmount(balanceOrRefund, false);
    if (balanceOrRefund <= -0.009)
        return QStringLiteral("Refund: ") + DoubleLineEdit::formatAmount(-balanceOrRefund, false);
    return QStringLiteral("No balance owing and no refund");
}

void TaxForm_T3Ret_tab5::GetDataFromDoc()
{
    DescribedTaxPage::GetDataFromDoc();
    auto* ret = qobject_cast<TaxData_T3Ret*>(form());
    if (!ret)
        return;
    CString result;
    ret->getTaxReturnResult(result);
    if (QLabel* label = ui()->display(QStringLiteral("resultText")))
        label->setText(result);
    if (QLabel* label = ui()->display(QStringLiteral("balanceText")))
        label->setText(balanceText(ret->getBalOrDue()));
    if (QLabel* label = ui()->display(QStringLiteral("efileStatus")))
        label->setText(efileStatusText(ret->fld_ws_FileStatus));
}
