#include "app/gui/page_screenshots.h"

#include "framework/described_page.h"
#include "host/calc_engine.h"
#include "host/copy_rules.h"
#include "host/return_file.h"

#include <QDir>
#include <QRegularExpression>

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
    for (int i = 0; i < ret.size(); ++i) {
        CTaxData_Form* form = ret.form(i);
        QList<BaseTaxPage*> pages;
        form->getUIPages(pages, nullptr);
        const std::vector<EngineFilledField> filled = engineFilledFields(ret, *form);
        for (int p = 0; p < pages.size(); ++p) {
            BaseTaxPage* page = pages[p];
            // As the window shows them: the fields the engine fills are read-only.
            for (const EngineFilledField& f : filled)
                page->setEngineFilled(f.field, f.comesFrom);
            page->resize(kPageWidth, 800);
            const QString name = QStringLiteral("%1-%2-%3-%4.png")
                                     .arg(i + 1, 2, 10, QLatin1Char('0'))
                                     .arg(form->shortClassName())
                                     .arg(p + 1)
                                     .arg(fileNamePart(page->caption()));
            const QString path = dir.filePath(name);
            if (!renderPageSheet(page, kPageWidth).save(path, "PNG")) {
                error = QStringLiteral("%1: cannot write the picture").arg(path);
                qDeleteAll(pages);
                return written;
            }
            written << path;
        }
        qDeleteAll(pages);
    }
    return written;
}
