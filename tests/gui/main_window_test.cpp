// The preparer's window: an edit recalculates the whole return onto every
// page, one edit is one undo step, files open and save, unsaved changes are
// never dropped silently, messages lead to their field, and the page pictures.
#include "app/gui/form_view.h"
#include "app/gui/main_window.h"
#include "app/gui/messages_panel.h"
#include "app/gui/page_screenshots.h"
#include "framework/geo_tables.h"
#include "framework/page_builder.h"
#include "framework/widget_lines.h"
#include "host/form_catalogue.h"
#include "host/validation.h"
#include "host/return_file.h"
#include "returns/t183trust.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"
#include "statements/t2125new.h"
#include "taxcalc/sch11.h"

#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <nlohmann/json.hpp>
#include <functional>

namespace {

struct Window {
    MainWindow w;
    QStringList errors;
    int prompts = 0;
    MainWindow::UnsavedChoice choice = MainWindow::UnsavedChoice::Cancel;
    QString fileName;

    Window()
    {
        w.showError = [this](const QString& m) { errors << m; };
        w.askUnsavedChanges = [this] {
            ++prompts;
            return choice;
        };
        w.askFileName = [this](bool, const QString&, const QString&) { return fileName; };
    }
    TaxData_T3Ret& t3() { return *w.session().taxReturn().first<TaxData_T3Ret>(); }
    template <class W>
    W* widget(CTaxData_Form* form, const char* name)
    {
        w.selectForm(w.session().taxReturn().indexOf(form));
        for (BaseTaxPage* page : w.formView()->pagesOf(form))
            if (auto* found = page->findChild<W*>(QLatin1String(name)))
                return found;
        qFatal("no widget %s", name);
        return nullptr;
    }
    void type(CTaxData_Form* form, const char* name, const char* text)
    {
        auto* edit = widget<QLineEdit>(form, name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QStringList treeTitles() const
    {
        QStringList titles;
        for (int i = 0; i < w.formTree()->topLevelItemCount(); ++i)
            titles << w.formTree()->topLevelItem(i)->text(0);
        return titles;
    }
};

// The fields that the pages of a form bind, from its page descriptions.
QSet<QString> boundFields(const CTaxData_Form& form, const QString& formName)
{
    QSet<QString> out;
    if (const FormPageDescriptions* pages = PageDescriptionRegistry::instance().form(formName))
        for (const PageDescription& page : pages->pages)
            for (const DescribedWidget& w : describedWidgets(page, form))
                out.insert(w.fieldName);
    return out;
}

// A form in a state that gives messages, and the fields its messages name in
// order (not compared when empty).
struct MessageCase {
    QString name;
    QString form;  // as the catalogue names it
    std::function<void(CTaxData_Form&)> setUp;
    QStringList fields;
};

const std::vector<MessageCase>& messageCases()
{
    auto t3 = [](std::function<void(TaxData_T3Ret&)> f) {
        return [f](CTaxData_Form& form) { f(static_cast<TaxData_T3Ret&>(form)); };
    };
    auto t183 = [](std::function<void(TaxData_T183Trust&)> f) {
        return [f](CTaxData_Form& form) { f(static_cast<TaxData_T183Trust&>(form)); };
    };
    static const std::vector<MessageCase> cases = [&] {
        std::vector<MessageCase> out;
        for (const FormClass& c : FormCatalogue::standard().classes())
            out.push_back({c.jsonName + QStringLiteral(" as created"), c.jsonName, nullptr, {}});
        out.push_back({"T3Ret individual trustee, Yes without its year or date", "T3Ret", t3([](TaxData_T3Ret& r) {
                           r.fld_bTrusteeIsPerson = 0;
                           r.fld_indv_country = COUNTRY_CANADA;
                           r.fld_first_year = 1;
                           r.fld_decease_date1 = QDate(2024, 2, 3);
                           r.fld_ws_othertype = true;
                           for (CIntField* q : {&r.fld_amended, &r.fld_is_final, &r.fld_T1135_flag, &r.fld_q_sect94,
                                                &r.fld_q_pay_bnf, &r.fld_q_other_cash, &r.fld_q_change_bnf,
                                                &r.fld_q_bnf_die, &r.fld_q_borrow_nonarm, &r.fld_q_chg_1984,
                                                &r.fld_q_hold_shares, &r.fld_q_recv_prop, &r.fld_q_public,
                                                &r.fld_q_ifrs, &r.fld_q_loss_event, &r.fld_q_parag150})
                               *q = 0;
                           r.fld_cert_name = "Marie Tremblay";
                       }),
                       {"fld_trust_num", "fld_start_date", "fld_start_date", "fld_indv_addr", "fld_indv_city",
                        "fld_indv_prov", "fld_indv_postcode", "fld_is_aboriginal", "fld_year_last", "fld_lang",
                        "fld_decease_sin1", "fld_trust_code", "fld_trust_wound_date", "fld_year_sect94",
                        "fld_bnf_death_date", "fld_year_borrow_nonarm", "fld_year_chg_1984", "fld_year_recv_prop",
                        "fld_date_loss_event", "fld_cert_pos", "fld_cert_date"}});
        out.push_back({"T3Ret non-individual trustee, first year", "T3Ret", t3([](TaxData_T3Ret& r) {
                           r.fld_bTrusteeIsPerson = 1;
                           r.fld_first_year = 0;
                       }),
                       {"fld_trust_num", "fld_start_date", "fld_start_date", "fld_trustee_addr", "fld_trustee_city",
                        "fld_trustee_country", "fld_is_aboriginal", "fld_i903_904", "fld_attach_flag", "fld_lang",
                        "fld_amended", "fld_is_final", "fld_T1135_flag", "fld_q_sect94", "fld_q_pay_bnf",
                        "fld_q_other_cash", "fld_q_change_bnf", "fld_q_bnf_die", "fld_q_borrow_nonarm",
                        "fld_q_chg_1984", "fld_q_hold_shares", "fld_q_recv_prop", "fld_q_public", "fld_q_ifrs",
                        "fld_q_loss_event", "fld_q_parag150", "fld_cert_name", "fld_cert_date"}});
        out.push_back({"T183 unanswered", "T183Trust", nullptr,
                       {"fld_efilenum", "fld_contactmethod", "fld_controlnum"}});
        out.push_back({"T183 expired, second contact unanswered, signed without a date", "T183Trust",
                       t183([](TaxData_T183Trust& t) {
                           t.fld_efilenum = "K7Q2M";
                           t.fld_represent = true;
                           t.fld_expirydate = QDate(2020, 1, 1);
                           t.fld_contactmethod = 0;
                           t.fld_controlnum = "ABC123";
                           t.fld_ws_bESigned = true;
                       }),
                       {"fld_expirydate", "fld_contactmethod_post", "fld_ws_ESignedDate"}});
        out.push_back({"T183 sample filer number, signed in the future", "T183Trust", t183([](TaxData_T183Trust& t) {
                           t.fld_efilenum = "annnn";
                           t.fld_contactmethod = 1;
                           t.fld_contactmethod_post = 1;
                           t.fld_controlnum = "AB-123";
                           t.fld_ws_bESigned = true;
                           t.fld_ws_ESignedDate = QDateTime(QDate(2999, 1, 1), QTime(0, 0));
                       }),
                       {"fld_efilenum", "fld_controlnum", "fld_ws_ESignedDate"}});
        return out;
    }();
    return cases;
}

// The pictures of every page of `ret`, written below `dir`: their paths, none on an error.
QStringList pagePictures(const TaxReturn& ret, const QTemporaryDir& dir)
{
    const QString file = dir.filePath(QStringLiteral("r.json"));
    saveReturn(file, ret);
    QString error;
    const QStringList written = writePageScreenshots(dir.filePath(QStringLiteral("shots")), file, error);
    return error.isEmpty() ? written : QStringList();
}

QStringList fileNames(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    return names;
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void newReturnHoldsTheReturnSchedulesNineAndElevenAndTheAuthorization()
    {
        Window win;
        QCOMPARE(win.treeTitles(),
                 QStringList({"T3 Trust Income Tax and Information Return",
                              "Schedule 9 - Income Allocations and Designations to Beneficiaries",
                              "Schedule 11 - Federal Income Tax",
                              "T183 TRUST - Information Return for Electronic Filing of a Trust's Return"}));
        QVERIFY(!win.w.session().isModified());
        QCOMPARE(win.w.windowTitle(), QStringLiteral("New return[*] - Trustella"));
        QCOMPARE(win.w.formView()->tabsOf(&win.t3())->count(), 5);
    }

    void editRecalculatesEveryPageOfEveryForm()
    {
        Window win;
        TaxData_T3Ret& t3 = win.t3();
        auto* sch11 = win.w.session().taxReturn().first<TaxData_Sch11>();
        win.type(&t3, "fld_taxable_capgain", "10,000");
        QCOMPARE(t3.fld_taxable_capgain.value(), 10000.0);
        // Graduated rates, no province: 15 % plus the 48 % surtax on all of it.
        QCOMPARE(win.widget<DoubleLineEdit>(&t3, "fld_total_inc")->text(), QStringLiteral("10,000.00"));
        QCOMPARE(win.widget<DoubleLineEdit>(&t3, "fld_taxinc")->text(), QStringLiteral("10,000.00"));
        QCOMPARE(win.widget<DoubleLineEdit>(&t3, "fld_fed_tax")->text(), QStringLiteral("2,220.00"));
        QCOMPARE(win.widget<DoubleLineEdit>(&t3, "fld_RefDue")->text(), QStringLiteral("2,220.00"));
        QCOMPARE(win.widget<DoubleLineEdit>(sch11, "fld_taxinc")->text(), QStringLiteral("10,000.00"));
        QCOMPARE(win.widget<DoubleLineEdit>(sch11, "fld_33_1")->text(), QStringLiteral("10,000.00"));
        QCOMPARE(win.widget<DoubleLineEdit>(sch11, "fld_11160")->text(), QStringLiteral("720.00"));
        QVERIFY(win.w.session().isModified());
        QVERIFY(win.w.isWindowModified());
    }

    void oneEditIsOneUndoStep()
    {
        Window win;
        TaxData_T3Ret& t3 = win.t3();
        QUndoStack* undo = win.w.session().undoStack();
        win.type(&t3, "fld_pension_inc", "100.10");
        win.type(&t3, "fld_pension_inc", "250");
        win.type(&t3, "fld_trust_name", "Smith Trust");
        QCOMPARE(undo->count(), 3);
        QCOMPARE(t3.fld_total_inc.value(), 250.0);

        undo->undo();
        QCOMPARE(t3.fld_trust_name.value(), QString());
        QCOMPARE(win.widget<StringLineEdit>(&t3, "fld_trust_name")->text(), QString());
        undo->undo();
        QCOMPARE(t3.fld_pension_inc.value(), 100.10);
        QCOMPARE(t3.fld_total_inc.value(), 100.10);
        QCOMPARE(win.widget<DoubleLineEdit>(&t3, "fld_total_inc")->text(), QStringLiteral("100.10"));
        undo->undo();
        QCOMPARE(t3.fld_pension_inc.value(), 0.0);
        QVERIFY(!win.w.session().isModified());
        undo->redo();
        undo->redo();
        QCOMPARE(t3.fld_pension_inc.value(), 250.0);
        QCOMPARE(win.widget<DoubleLineEdit>(&t3, "fld_tax_pay")->text(),
                 DoubleLineEdit::formatAmount(t3.fld_tax_pay.value(), false));
        QVERIFY(t3.fld_tax_pay.value() > 0);
    }

    void engineFilledLineTakesNoTypingAndNoUndoStep()
    {
        Window win;
        TaxData_T3Ret& t3 = win.t3();
        int asked = 0;
        win.w.formView()->setEngineFilledQuery([&](const CTaxData_Form& form) {
            ++asked;
            return &form == &t3 ? EngineFilledFields{{QStringLiteral("fld_fed_tax"), QStringLiteral("Schedule 11 line 34")}}
                                : EngineFilledFields();
        });
        win.type(&t3, "fld_pension_inc", "10,000");
        QVERIFY(asked > 0);
        QUndoStack* undo = win.w.session().undoStack();
        QCOMPARE(undo->count(), 1);
        auto* line81 = win.widget<DoubleLineEdit>(&t3, "fld_fed_tax");
        QVERIFY(line81->isReadOnly());
        QVERIFY(line81->toolTip().contains(QStringLiteral("Schedule 11 line 34")));
        const double computed = t3.fld_fed_tax.value();
        win.type(&t3, "fld_fed_tax", "5");
        QCOMPARE(t3.fld_fed_tax.value(), computed);
        QCOMPARE(undo->count(), 1);

        // Once the engine no longer fills it, the line is the user's again.
        win.w.formView()->setEngineFilledQuery({});
        QVERIFY(!line81->isReadOnly());
    }

    void addingAFormIsUndoneAndPageActionsAreOneStep()
    {
        Window win;
        TaxData_T3Ret& t3 = win.t3();
        auto* sch9 = win.w.session().taxReturn().first<TaxData_Sch9>();
        win.type(&t3, "fld_taxable_capgain", "4000.40");
        CTaxData_Form* note = win.w.addForm(QStringLiteral("TaxNote"));
        QVERIFY(note);
        QCOMPARE(win.treeTitles().last(), QStringLiteral("Note - un-named"));
        QCOMPARE(win.w.formView()->currentForm(), note);

        auto* button = win.widget<QPushButton>(sch9, "btnT3Sch9_Alloc_Full_Income");
        QVERIFY(button->isEnabled());  // the engine has handed the schedule its return
        button->click();
        QCOMPARE(sch9->fld_9211.value(), 4000.40);
        QCOMPARE(t3.fld_line471.value(), 4000.40);
        QCOMPARE(win.widget<DoubleLineEdit>(&t3, "fld_line471")->text(), QStringLiteral("4,000.40"));
        QCOMPARE(win.widget<DoubleLineEdit>(&t3, "fld_net_inc")->text(), QStringLiteral("0.00"));

        QUndoStack* undo = win.w.session().undoStack();
        QCOMPARE(undo->count(), 3);  // the amount, the form, the allocation
        undo->undo();
        QCOMPARE(sch9->fld_9211.value(), 0.0);
        QCOMPARE(t3.fld_net_inc.value(), 4000.40);
        undo->undo();
        QCOMPARE(win.w.session().taxReturn().size(), 4);
        QCOMPARE(win.treeTitles().size(), 4);
        undo->redo();
        QCOMPARE(win.w.session().taxReturn().size(), 5);
        QCOMPARE(win.treeTitles().size(), 5);
    }

    void saveAndOpenKeepEveryValue_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("binary") << "trust.t3r";
        QTest::newRow("JSON") << "trust.json";
    }
    void saveAndOpenKeepEveryValue()
    {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        {
            Window win;
            win.type(&win.t3(), "fld_trust_name", "Estate of A. Person");
            win.type(&win.t3(), "fld_pension_inc", "1234.56");
            win.fileName = path;
            QVERIFY(win.w.saveReturn());  // no name yet: asks for one
            QVERIFY(!win.w.session().isModified());
            QCOMPARE(win.w.windowTitle(), QStringLiteral("%1[*] - Trustella").arg(fileName));
        }
        Window other;
        QVERIFY(other.w.openReturn(path));
        QCOMPARE(other.t3().fld_trust_name.value(), QStringLiteral("Estate of A. Person"));
        QCOMPARE(other.t3().fld_pension_inc.value(), 1234.56);
        QCOMPARE(other.widget<DoubleLineEdit>(&other.t3(), "fld_total_inc")->text(), QStringLiteral("1,234.56"));
        QVERIFY(!other.w.session().isModified());
        QCOMPARE(other.prompts, 0);
    }

    void unsavedChangesAreNeverDroppedSilently()
    {
        Window win;
        win.type(&win.t3(), "fld_pension_inc", "5");
        win.choice = MainWindow::UnsavedChoice::Cancel;
        QVERIFY(!win.w.newReturn());
        QCOMPARE(win.t3().fld_pension_inc.value(), 5.0);
        QVERIFY(!win.w.openReturn(QStringLiteral("/nonexistent.t3r")));
        QCOMPARE(win.prompts, 2);
        QVERIFY(win.errors.isEmpty());  // cancelled before trying the file
        QVERIFY(!win.w.close());
        QCOMPARE(win.prompts, 3);

        // Save, but the user cancels the file name: nothing is dropped.
        win.choice = MainWindow::UnsavedChoice::Save;
        win.fileName.clear();
        QVERIFY(!win.w.newReturn());
        QCOMPARE(win.t3().fld_pension_inc.value(), 5.0);

        win.choice = MainWindow::UnsavedChoice::Discard;
        QVERIFY(win.w.newReturn());
        QCOMPARE(win.t3().fld_pension_inc.value(), 0.0);
        QCOMPARE(win.prompts, 5);
        QVERIFY(win.w.newReturn());  // nothing changed: no question
        QCOMPARE(win.prompts, 5);
    }

    void aFileThatDoesNotLoadIsReportedAndTheReturnKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.json"));
        writeFileAtomically(path, "{\"trustella\": \"return\", \"version\": 1, \"forms\": [{\"form\": \"Nope\"}]}");
        Window win;
        win.type(&win.t3(), "fld_pension_inc", "7");
        win.choice = MainWindow::UnsavedChoice::Discard;
        QVERIFY(!win.w.openReturn(path));
        QCOMPARE(win.errors.size(), 1);
        QVERIFY2(win.errors[0].contains(QLatin1String("broken.json")), qPrintable(win.errors[0]));
        QCOMPARE(win.t3().fld_pension_inc.value(), 7.0);
    }

    void doubleClickOnAMessageGoesToItsField()
    {
        Window win;
        win.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&win.w));
        QApplication::setActiveWindow(&win.w);
        MessagesPanel* panel = win.w.messagesPanel();
        QVERIFY(panel->count() > 5);
        QCOMPARE(panel->item(0)->text(),
                 QStringLiteral("T3 Trust Income Tax and Information Return: Trust number is empty or invalid, it "
                                "starts with 'T' and 8 digits."));
        // A question of the fifth page.
        QListWidgetItem* certification = nullptr;
        for (int i = 0; i < panel->count(); ++i)
            if (panel->item(i)->text().endsWith(QLatin1String("Date field of certification is invalid.")))
                certification = panel->item(i);
        QVERIFY(certification);
        win.w.selectForm(1);
        emit panel->itemDoubleClicked(certification);
        QCOMPARE(win.w.formView()->currentForm(), &win.t3());
        QCOMPARE(win.w.formView()->tabsOf(&win.t3())->currentIndex(), 4);
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                     QStringLiteral("fld_cert_date"));

        win.type(&win.t3(), "fld_trust_num", "T12345678");
        QVERIFY(!panel->item(0)->text().contains(QLatin1String("Trust number")));
    }

    // Every message about a field names a field of its form that one of the
    // form's pages binds; the fields come in message order.
    void messagesLeadToBoundFields_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(messageCases().size()); ++i)
            QTest::newRow(qPrintable(messageCases()[size_t(i)].name)) << i;
    }
    void messagesLeadToBoundFields()
    {
        QFETCH(int, index);
        const MessageCase& c = messageCases()[size_t(index)];
        const FormClass* formClass = FormCatalogue::standard().find(c.form);
        QVERIFY(formClass);
        std::unique_ptr<CTaxData_Form> form = formClass->create();
        if (c.setUp)
            c.setUp(*form);
        std::list<CString> messages;
        form->Validate(kValidateForFiling, messages);

        const QSet<QString> bound = boundFields(*form, formClass->jsonName);
        QStringList fields;
        for (const CString& m : messages) {
            const QString field = QLatin1String(m.subject());
            fields << field;
            if (field.isEmpty())
                continue;
            const CField* found = form->findField(field.toStdString());
            QVERIFY2(found && field == QLatin1String(found->name()), qPrintable(field));
            QVERIFY2(bound.contains(field), qPrintable(field + QStringLiteral(" is on no page")));
        }
        if (!c.fields.isEmpty())
            QCOMPARE(fields, c.fields);
    }

    void exportsWriteTheRecordsAndTheFilingDocument()
    {
        QTemporaryDir dir;
        Window win;
        win.type(&win.t3(), "fld_trust_num", "T12345678");
        win.type(&win.t3(), "fld_pension_inc", "99.99");
        const QString records = dir.filePath(QStringLiteral("records.txt"));
        QVERIFY(win.w.exportNetfileRecords(records));
        QFile recordsFile(records);
        QVERIFY(recordsFile.open(QIODevice::ReadOnly));
        QVERIFY(recordsFile.readAll().startsWith("T3Ret "));
        const QString document = dir.filePath(QStringLiteral("filing.json"));
        QVERIFY(win.w.exportFilingDocument(document));
        QFile documentFile(document);
        QVERIFY(documentFile.open(QIODevice::ReadOnly));
        const auto doc = nlohmann::ordered_json::parse(documentFile.readAll().toStdString());
        QVERIFY(doc.is_object() && !doc.empty());
        QVERIFY(win.errors.isEmpty());
    }

    void screenshotsOfEveryPage()
    {
        QTemporaryDir dir;
        TaxReturn ret;
        ret.add(std::make_unique<TaxData_T3Ret>());
        ret.add(std::make_unique<TaxData_Sch9>());
        const QStringList written = pagePictures(ret, dir);
        QCOMPARE(fileNames(written), QStringList({"01-T3Ret-1-Identification.png", "01-T3Ret-2-Total_Income.png",
                                                  "01-T3Ret-3-Net_Income.png", "01-T3Ret-4-Taxable_Income.png",
                                                  "01-T3Ret-5-Result.png", "02-Sch9-1-1.png", "02-Sch9-2-2.png"}));
        QImage first(written[0]);
        QCOMPARE(first.width() >= 900, true);
        QVERIFY(first.height() > 2000);  // the whole page, not the visible part
    }

    void screenshotsOfTheWorksheetsAPageOpens()
    {
        QTemporaryDir dir;
        TaxReturn ret;
        ret.add(std::make_unique<TaxData_T2125_New>(1));
        const QStringList written = pagePictures(ret, dir);
        QCOMPARE(fileNames(written).mid(0, 4),
                 QStringList({"01-T2125_New-1-1.png", "01-T2125_New-1.1-Business_Income_Worksheet.png",
                              "01-T2125_New-1.2-Professional_Income_Worksheet.png", "01-T2125_New-2-2.png"}));
        QVERIFY(QImage(written[1]).height() > 100);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
