#include "app/gui/page_screenshots.h"

#include "framework/described_page.h"
#include "framework/worksheet_page.h"
#include "host/calc_engine.h"
#include "host/copy_rules.h"
#include "host/return_file.h"

#include <QDir>
#include <QRegularExpression>
#include <memory>

namespace {
constexpr int kPageWidth = 1000;

QString fileNamePart(const QString& text)
{
    QString part = text;
    part.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
    return part;
}
}  // namespace

QStringList writePageScreenshots(const QString& directory, const QString& returnFile, QString& error)
{
    TaxReturn ret = loadReturn(returnFile);
    calculateReturn(ret);
    QDir dir(directory);
    if (!dir.mkpath(QStringLiteral("."))) {
        error = QStringLiteral("%1: cannot create the folder").arg(directory);
        return {};
    }
    QStringList written;
    // One picture "<form number>-<form>-<page>-<caption>.png"; false when it cannot be written.
    auto shoot = [&](BaseTaxPage* page, const QString& prefix, const QString& caption) {
        page->resize(kPageWidth, 800);
        const QString path = dir.filePath(prefix + QLatin1Char('-') + fileNamePart(caption) + QStringLiteral(".png"));
        if (!renderPageSheet(page, kPageWidth).save(path, "PNG")) {
            error = QStringLiteral("%1: cannot write the picture").arg(path);
            return false;
        }
        written << path;
        return true;
    };
    for (int i = 0; i < ret.size(); ++i) {
        CTaxData_Form* form = ret.form(i);
        QList<BaseTaxPage*> pages;
        form->getUIPages(pages, nullptr);
        const std::vector<EngineFilledField> filled = engineFilledFields(ret, *form);
        bool ok = true;
        for (int p = 0; ok && p < pages.size(); ++p) {
            BaseTaxPage* page = pages[p];
            // As the window shows them: the fields the engine fills are read-only.
            for (const EngineFilledField& f : filled)
                page->setEngineFilled(f.field, f.comesFrom);
            const QString prefix =
                QStringLiteral("%1-%2-%3").arg(i + 1, 2, 10, QLatin1Char('0')).arg(form->shortClassName()).arg(p + 1);
            ok = shoot(page, prefix, page->caption());
            // Then each worksheet the page opens, as its dialog shows it: "-1.2-" is page 1's second.
            const auto* described = qobject_cast<DescribedTaxPage*>(page);
            const QList<int> worksheets = described ? described->openedWorksheets() : QList<int>();
            for (int w = 0; ok && w < worksheets.size(); ++w) {
                QString title;
                page->getWSDefaultTitle(worksheets[w], title);
                std::unique_ptr<PpgWizardPage> sheet(page->getWorksheetEditDlg(worksheets[w], 0, title));
                if (sheet)
                    ok = shoot(sheet.get(), prefix + QStringLiteral(".%1").arg(w + 1), title);
            }
        }
        qDeleteAll(pages);
        if (!ok)
            return written;
    }
    return written;
}
