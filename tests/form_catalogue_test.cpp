// Tests that run over every form class of the catalogue: what follows from
// the field declarations must hold for each form, without restating them.
#include "framework/datastream.h"
#include "framework/netfile.h"
#include "framework/page_description.h"
#include "host/filing_output.h"
#include "host/form_catalogue.h"
#include "host/return_binary.h"
#include "host/return_json.h"
#include "framework/worksheet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <set>

namespace {

const char* const kGoldenDir = TRUSTELLA_SOURCE_DIR "/tests/golden/netfile/";

const std::vector<FormClass>& standardClasses() { return FormCatalogue::standard().classes(); }

std::unique_ptr<CTaxData_Form> testDataOf(const FormClass& cls)
{
    auto form = cls.create();
    form->FillTestPrintData();
    return form;
}

TaxReturn returnOf(std::unique_ptr<CTaxData_Form> form)
{
    TaxReturn ret;
    ret.add(std::move(form));
    return ret;
}

// The form's Netfile output on its test data: one "code value" per record
// (whether or not the host files them), then "stream LINE" per line of its
// line stream.
QString netfileRecordsOfTestData(const FormClass& cls)
{
    auto form = testDataOf(cls);
    NetfileGenObjParamStruct ctx;
    form->WriteNetfile(0, &ctx);
    QString text;
    for (const auto& [code, value] : ctx.records)
        text += QString::fromStdString(code) + QLatin1Char(' ') + value + QLatin1Char('\n');
    if (auto* streamForm = dynamic_cast<NetfileLineStreamForm*>(form.get()))
        for (const QString& line : lineStreamOf(*streamForm))
            text += QStringLiteral("stream ") + line + QLatin1Char('\n');
    return text;
}

TEST(FormCatalogue, EachClassIsListedOnceUnderItsOwnName)
{
    std::set<QString> names;
    for (const FormClass& cls : standardClasses()) {
        EXPECT_TRUE(names.insert(cls.className).second) << cls.className.toStdString();
        EXPECT_FALSE(cls.title.isEmpty()) << cls.className.toStdString();
        EXPECT_EQ(QString::fromLatin1(cls.create()->metaObject()->className()), cls.className);
    }
}

// Test data differs from a new form in every field, so each round trip below
// would see a field that is lost or read into the wrong place.
TEST(FormCatalogue, TestDataOfEachFormComesBackEqualThroughItsStreamAndBothReturnFiles)
{
    for (const FormClass& cls : standardClasses()) {
        SCOPED_TRACE(cls.className.toStdString());
        const auto original = testDataOf(cls);
        ASSERT_TRUE(*original != *cls.create()) << "the test data equals a new form";

        MyDataStream out = MyDataStream::forStoring();
        ASSERT_EQ(original->Serialize(TRUSTELLA_STREAM_VERSION, CString(), out), 0);
        MyDataStream in = MyDataStream::forLoading(out.finish());
        auto streamed = cls.create();
        ASSERT_EQ(streamed->Serialize(in.version(), CString(), in), 0) << in.error();
        EXPECT_TRUE(in.atEnd());
        EXPECT_FALSE(*streamed != *original) << "stream";

        const TaxReturn ret = returnOf(testDataOf(cls));
        const TaxReturn fromBinary = returnFromBinary(returnToBinary(ret), QStringLiteral("r.t3r"));
        const TaxReturn fromJson = returnFromJson(returnToJsonText(ret), QStringLiteral("r.json"));
        ASSERT_EQ(fromBinary.size(), 1);
        ASSERT_EQ(fromJson.size(), 1);
        EXPECT_FALSE(*fromBinary.form(0) != *original) << "binary return file";
        EXPECT_FALSE(*fromJson.form(0) != *original) << "JSON return file";
    }
}

// A field's former name is no current field's name and reads into the field.
TEST(FormCatalogue, FormerFieldNamesReadIntoTheCurrentFields)
{
    size_t formerNames = 0;
    for (const FormClass& cls : standardClasses()) {
        const auto original = testDataOf(cls);
        formerNames += original->oldNames().size();
        for (const auto& [current, former] : original->oldNames()) {
            SCOPED_TRACE(cls.className.toStdString() + " " + former);
            const CField* field = original->findField(current);
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(original->findField(former), field);
            for (const CField* f : original->fields())
                EXPECT_STRNE(f->name(), former);

            json doc = returnToJson(returnOf(testDataOf(cls)));
            json& fields = doc["forms"][0]["fields"];
            json renamed = json::object();
            for (auto& [name, value] : fields.items())
                renamed[name == current ? std::string(former) : name] = value;
            fields = renamed;
            const TaxReturn back = returnFromJson(doc.dump(), QStringLiteral("r.json"));
            EXPECT_FALSE(*back.form(0) != *original);
        }
    }
    EXPECT_GT(formerNames, 0u);
}

// Set TRUSTELLA_UPDATE_GOLDEN=1 to write the files anew; review the diff before committing.
TEST(FormCatalogue, NetfileRecordsOfEachFormsTestDataMatchItsReviewedFile)
{
    const bool update = qEnvironmentVariableIsSet("TRUSTELLA_UPDATE_GOLDEN");
    for (const FormClass& cls : standardClasses()) {
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
    for (const FormClass& cls : standardClasses()) {
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

// A part of forms is described alone and stored inside each form that holds
// it: the base's fields are the form's, a worksheet's are fields of the form
// that answer to the worksheet's own names. Its Java text declares them.
TEST(FormCatalogue, EachPartsFieldsAreStoredInsideEachFormThatHoldsIt)
{
    int parts = 0;
    for (const FormClass& part : FormCatalogue::standard().entries()) {
        if (part.standalone())
            continue;
        ++parts;
        SCOPED_TRACE(part.className.toStdString());
        const auto alone = part.create();
        for (const QString& holderName : part.heldBy.split(QStringLiteral(", "))) {
            const FormClass* holderClass = FormCatalogue::standard().find(holderName);
            ASSERT_TRUE(holderClass && holderClass->standalone()) << holderName.toStdString();
            const auto holder = holderClass->create(1);
            std::vector<const CTaxData_Form*> held;
            if (part.kind == EntryKind::Base)
                held.push_back(holder.get());
            for (const CWSBaseData* worksheet : holder->worksheets())
                if (part.className == QLatin1String(worksheet->metaObject()->className()))
                    held.push_back(worksheet);
            ASSERT_FALSE(held.empty()) << holderName.toStdString();
            const auto& stored = holder->fields();
            for (const CTaxData_Form* h : held)
                for (const CField* f : alone->fields()) {
                    const CField* inside = h->findField(f->name());
                    ASSERT_NE(inside, nullptr) << f->name();
                    EXPECT_EQ(inside->kind(), f->kind());
                    EXPECT_NE(std::find(stored.begin(), stored.end(), inside), stored.end()) << f->name();
                }
        }
        QTemporaryDir dir;
        ASSERT_EQ(alone->WriteJavaFile(QFile::encodeName(dir.path()).constData(), nullptr, true), 0);
        QFile java(dir.filePath(part.className + QStringLiteral(".java")));
        ASSERT_TRUE(java.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(java.readAll()).count(QStringLiteral("\naddField(")), alone->fieldCount());
    }
    EXPECT_EQ(parts, 2);
}

}  // namespace
