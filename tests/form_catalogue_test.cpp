// Tests that run over every form class of the catalogue: what follows from
// the field declarations must hold for each form, without restating them.
#include "framework/netfile.h"
#include "framework/page_description.h"
#include "host/form_catalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

const char* const kGoldenDir = TRUSTELLA_SOURCE_DIR "/tests/golden/netfile/";

// The form's Netfile records on its test data, one "code value" per line.
QString netfileRecordsOfTestData(const FormClass& cls)
{
    auto form = cls.create();
    form->FillTestPrintData();
    NetfileGenObjParamStruct ctx;
    form->WriteNetfile(0, &ctx);
    QString text;
    for (const auto& [code, value] : ctx.records)
        text += QString::fromStdString(code) + QLatin1Char(' ') + value + QLatin1Char('\n');
    return text;
}

// Set TRUSTELLA_UPDATE_GOLDEN=1 to write the files anew; review the diff before committing.
TEST(FormCatalogue, NetfileRecordsOfEachFormsTestDataMatchItsReviewedFile)
{
    const bool update = qEnvironmentVariableIsSet("TRUSTELLA_UPDATE_GOLDEN");
    for (const FormClass& cls : FormCatalogue::standard().classes()) {
        const QString path = QString::fromUtf8(kGoldenDir) + cls.jsonName + QStringLiteral(".txt");
        const QString records = netfileRecordsOfTestData(cls);
        QFile file(path);
        if (update) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
            file.write(records.toUtf8());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no reviewed records for " << cls.jsonName.toStdString();
        EXPECT_EQ(records.toStdString(), QString::fromUtf8(file.readAll()).toStdString())
            << cls.className.toStdString();
    }
}

// A field that declares its CRA line sits on its page beside that line's code.
TEST(FormCatalogue, PageLinesAgreeWithTheLinesTheirFieldsDeclare)
{
    auto& registry = PageDescriptionRegistry::instance();
    for (const FormClass& cls : FormCatalogue::standard().classes()) {
        auto form = cls.create();
        const FormPageDescriptions* pages = registry.form(form->shortClassName());
        if (!pages)
            continue;
        for (const PageDescription& page : pages->pages)
            for (const PageRow& row : page.rows) {
                if (row.kind != PageRow::Line || row.code.isEmpty() || row.code == QLatin1String("-"))
                    continue;
                for (const PageCell& cell : row.cells) {
                    const CField* field = cell.kind == PageCell::Field ? form->findField(cell.text.toStdString())
                                                                       : nullptr;
                    if (field && *field->craLine()) {
                        EXPECT_EQ(QString::fromUtf8(field->craLine()).toStdString(), row.code.toStdString())
                            << page.className.toStdString() << " " << field->name();
                    }
                }
            }
    }
}

}  // namespace
