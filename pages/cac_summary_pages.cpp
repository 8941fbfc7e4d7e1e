#include "pages/cac_summary_pages.h"

#include "framework/widget_lines.h"
#include "statements/t2042new.h"
#include "statements/t2125new.h"
#include "statements/t776new.h"

#include <QLabel>

QString cacSummaryText(const CacSummary& summary)
{
    QStringList lines;
    for (const CacSummary::Entry& e : summary.entries()) {
        if (e.cls == 0.0)
            continue;
        lines << QStringLiteral("Class %1: additions %2, dispositions %3")
                     .arg(e.cls)
                     .arg(DoubleLineEdit::formatAmount(e.first, false), DoubleLineEdit::formatAmount(e.second, false));
    }
    return lines.isEmpty() ? QStringLiteral("No class in Areas B to E") : lines.join(QLatin1Char('\n'));
}

void CacSummaryPage::GetDataFromDoc()
{
    DescribedTaxPage::GetDataFromDoc();
    QLabel* label = ui() ? ui()->display(QStringLiteral("cacSummary")) : nullptr;
    if (const CacSummary* summary = label ? statementSummary() : nullptr)
        label->setText(cacSummaryText(*summary));
}

const CacSummary* TaxForm_T2125_New_tab5::statementSummary() { return summaryOf<TaxData_T2125_New>(); }
const CacSummary* TaxForm_T2042New_CCA02::statementSummary() { return summaryOf<TaxData_T2042New>(); }
const CacSummary* TaxForm_T776New_tab3::statementSummary() { return summaryOf<TaxData_T776New>(); }

static const RegisteredPageClass<TaxForm_T2125_New_tab5> kT2125Tab5;
static const RegisteredPageClass<TaxForm_T2042New_CCA02> kT2042Cca02;
static const RegisteredPageClass<TaxForm_T776New_tab3> kT776Tab3;
