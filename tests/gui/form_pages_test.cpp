// The pages of every catalogue form follow the form's page descriptions,
// and the pages with behaviour (the T3 result page, Schedule 9's allocation,
// the T183 buttons, the business statement's worksheets) do what they offer.
#include "framework/datetexts.h"
#include "framework/described_page.h"
#include "framework/widget_lines.h"
#include "host/copy_rules.h"
#include "host/form_catalogue.h"
#include "pages/t3ret_pages.h"
#include "returns/t183trust.h"
#include "returns/t3ret.h"
#include "framework/worksheet_page.h"
#include "statements/t2125new.h"
#include "schedules/sch9.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

struct Pages {
    QList<BaseTaxPage*> list;
    ~Pages() { qDeleteAll(list); }
    template <class W>
    W* widget(const char* name) const
    {
        for (BaseTaxPage* page : list)
            if (auto* w = qobject_cast<W*>(page->widgetByName(QLatin1String(name))))
                return w;
        qFatal("no widget %s", name);
        return nullptr;
    }
    void redisplay() const
    {
        for (BaseTaxPage* page : list)
            page->GetDataFromDoc();
    }
};

QString widgetLine(const QString& name, BoundWidgetKind kind)
{
    return name + QLatin1Char(' ') + QLatin1String(boundWidgetKindName(kind));
}

}  // namespace

class FormPagesTest : public QObject {
    Q_OBJECT
private slots:
    void descriptionsReadWithoutErrors()
    {
        QCOMPARE(PageDescriptionRegistry::instance().errors(), QStringList());
    }

    void everyPageClassWithBehaviourIsDescribed()
    {
        const QStringList classes = PageClassRegistry::instance().classNames();
        QVERIFY(!classes.isEmpty());
        for (const QString& cls : classes)
            QVERIFY2(PageDescriptionRegistry::instance().page(cls), qPrintable(cls));
    }

    void pagesFollowTheDescription_data()
    {
        QTest::addColumn<QString>("className");
        for (const FormClass& cls : FormCatalogue::standard().classes())
            QTest::newRow(qPrintable(cls.jsonName)) << cls.className;
    }
    // Every form's pages are its described pages in order, each with the
    // described name, id or title and class, and bind exactly the described
    // widgets to fields of the form.
    void pagesFollowTheDescription()
    {
        QFETCH(QString, className);
        std::unique_ptr<CTaxData_Form> form = FormCatalogue::standard().find(className)->create(0);
        Pages pages;
        form->getUIPages(pages.list, nullptr);
        const FormPageDescriptions* described = PageDescriptionRegistry::instance().form(form->shortClassName());
        const QVector<PageDescription> descriptions = described ? described->pages : QVector<PageDescription>();
        QCOMPARE(pages.list.size(), descriptions.size());
        for (int i = 0; i < pages.list.size(); ++i) {
            const PageDescription& d = descriptions[i];
            auto* page = qobject_cast<DescribedTaxPage*>(pages.list[i]);
            QVERIFY(page);
            QCOMPARE(page->pageName(), d.className);
            QCOMPARE(page->objectName(), d.className);
            QCOMPARE(page->pageId(), d.id);
            QCOMPARE(page->pageTitle(), d.title);
            QCOMPARE(page->form(), form.get());
            const bool hasBehaviour = PageClassRegistry::instance().find(d.className);
            QCOMPARE(QLatin1String(page->metaObject()->className()),
                     hasBehaviour ? d.className : QStringLiteral("DescribedTaxPage"));
            QCOMPARE(page->ui()->errors(), QStringList());

            QStringList listed, built, errors;
            for (const DescribedWidget& w : describedWidgets(d, *form, &errors)) {
                listed << widgetLine(w.objectName, w.kind);
                QWidget* widget = page->widgetByName(w.objectName);
                QVERIFY2(widget, qPrintable(w.objectName));
                QVERIFY2(page->fieldOf(widget), qPrintable(w.objectName));
                QCOMPARE(page->fieldOf(widget), form->findField(w.fieldName.toStdString()));
            }
            QCOMPARE(errors, QStringList());
            for (QWidget* widget : page->boundWidgets()) {
                BoundWidgetKind kind;
                QVERIFY(BaseTaxPage::widgetKind(widget, kind));
                built << widgetLine(widget->objectName(), kind);
            }
            QCOMPARE(built, listed);
        }
    }

    // Every widget of a field an engine rule fills (second widgets and lists
    // included) turns read-only once the window marks the field.
    void everyFieldAnEngineRuleFillsIsReadOnlyOnItsPages()
    {
        QMultiHash<const QMetaObject*, const CopyRule*> rulesOf;
        for (const CopyRule& rule : copyRules())
            rulesOf.insert(rule.targetClass, &rule);
        for (const QMetaObject* cls : rulesOf.uniqueKeys()) {
            std::unique_ptr<CTaxData_Form> form = FormCatalogue::standard().find(QLatin1String(cls->className()))->create(0);
            Pages pages;
            form->getUIPages(pages.list, nullptr);
            QSet<const CField*> filled;
            for (const CopyRule* rule : rulesOf.values(cls)) {
                filled.insert(form->findField(rule->targetField));
                for (BaseTaxPage* page : pages.list)
                    page->setEngineFilled(QLatin1String(rule->targetField), QString::fromUtf8(rule->comesFrom));
            }
            for (BaseTaxPage* page : pages.list)
                for (QWidget* widget : page->boundWidgets())
                    QVERIFY2(!filled.contains(page->fieldOf(widget)) || BaseTaxPage::isWidgetReadOnly(widget),
                             qPrintable(widget->objectName()));
        }
    }

    void typedAmountIsRecalculatedOntoTheOtherPages()
    {
        TaxData_T3Ret ret;
        ret.fld_pension_inc = 1000.10;
        Pages pages;
        ret.getUIPages(pages.list, nullptr);
        // What the host does on every change: recalculate, then show every page.
        int edits = 0;
        for (BaseTaxPage* page : pages.list)
            connect(page, &BaseTaxPage::fieldEdited, [&] {
                ++edits;
                ret.Calculate_TotalInc();
                ret.Calculate_NetInc();
                ret.Calculate_TaxInc();
                ret.Calculate_Step5();
                pages.redisplay();
            });
        auto* edit = pages.widget<DoubleLineEdit>("fld_taxable_capgain");
        edit->setFocus();
        QTest::keyClicks(edit, "12,345.67");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edits, 1);
        QCOMPARE(ret.fld_taxable_capgain.value(), 12345.67);
        QCOMPARE(pages.widget<DoubleLineEdit>("fld_total_inc")->text(), QStringLiteral("13,345.77"));
        QCOMPARE(pages.widget<DoubleLineEdit>("fld_total_inc1")->text(), QStringLiteral("13,345.77"));
        QCOMPARE(pages.widget<DoubleLineEdit>("fld_net_inc_1")->text(), QStringLiteral("13,345.77"));
        QCOMPARE(pages.widget<DoubleLineEdit>("fld_taxinc")->text(), QStringLiteral("13,345.77"));

        auto* fee = pages.widget<DoubleLineEdit>("fld_trustee_fee");
        fee->setFocus();
        QTest::keyClicks(fee, "345.77");
        QTest::keyClick(fee, Qt::Key_Enter);
        QCOMPARE(edits, 2);
        QCOMPARE(pages.widget<DoubleLineEdit>("fld_taxinc")->text(), QStringLiteral("13,000.00"));
        QVERIFY(pages.widget<DoubleLineEdit>("fld_taxinc")->isReadOnly());
    }

    // The fees button's dialog shows the fees worksheet; an amount typed
    // there is reported by page 1 as an edit of the statement's field.
    void worksheetDialogEditsAreEditsOfTheStatement()
    {
        TaxData_T2125_New statement(TaxData_T2125_New::kKeepsAccountingMethod);
        Pages pages;
        statement.getUIPages(pages.list, nullptr);
        QSignalSpy edits(pages.list.first(), &BaseTaxPage::fieldEdited);
        QVERIFY(!worksheetEditDialog(*pages.list.first(), 300, 0));
        const std::unique_ptr<QDialog> dialog = worksheetEditDialog(*pages.list.first(), 200, 0);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Professional Income Worksheet"));
        auto* edit = dialog->findChild<DoubleLineEdit*>(QStringLiteral("fld_ws_a"));
        QVERIFY(edit);
        edit->setFocus();
        QTest::keyClicks(edit, "9,000.50");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(statement.fld_ws_prof_fee.fld_ws_a.value(), 9000.5);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits[0][0].value<CTaxData_Form*>(), static_cast<CTaxData_Form*>(&statement));
        QCOMPARE(edits[0][1].toString(), QStringLiteral("fld_ws_prof_fee_a"));
        QCOMPARE(edits[0][3].toString(), QStringLiteral("9000.5"));
    }

    void resultPageShowsResultBalanceAndStatus()
    {
        TaxData_T3Ret ret;
        ret.fld_total_inc = 1500;
        ret.fld_RefDue = -250.5;
        ret.fld_ws_FileStatus = 3;
        Pages pages;
        ret.getUIPages(pages.list, nullptr);
        auto* page = qobject_cast<TaxForm_T3Ret_tab5*>(pages.list.last());
        QVERIFY(page);
        CString expected;
        ret.getTaxReturnResult(expected);
        QCOMPARE(page->ui()->display(QStringLiteral("resultText"))->text(), QString(expected));
        QCOMPARE(page->ui()->display(QStringLiteral("balanceText"))->text(), QStringLiteral("Refund: 250.50"));
        QCOMPARE(page->ui()->display(QStringLiteral("efileStatus"))->text(), QStringLiteral("Amended and re-Filed"));
        ret.fld_RefDue = 1234.5;
        ret.fld_ws_FileStatus = 1;
        page->GetDataFromDoc();
        QCOMPARE(page->ui()->display(QStringLiteral("balanceText"))->text(), QStringLiteral("Balance owing: 1,234.50"));
        QCOMPARE(page->ui()->display(QStringLiteral("efileStatus"))->text(), QStringLiteral("Filed successfully"));
    }

    void efileStatusTexts()
    {
        QCOMPARE(TaxForm_T3Ret_tab5::efileStatusText(-1), QStringLiteral("Not filed yet"));
        QCOMPARE(TaxForm_T3Ret_tab5::efileStatusText(0), QStringLiteral("Not filed yet"));
        QCOMPARE(TaxForm_T3Ret_tab5::efileStatusText(1), QStringLiteral("Filed successfully"));
        QCOMPARE(TaxForm_T3Ret_tab5::efileStatusText(2), QStringLiteral("Amended"));
        QCOMPARE(TaxForm_T3Ret_tab5::efileStatusText(3), QStringLiteral("Amended and re-Filed"));
        QCOMPARE(TaxForm_T3Ret_tab5::balanceText(0.005), QStringLiteral("No balance owing and no refund"));
        QCOMPARE(TaxForm_T3Ret_tab5::balanceText(-0.01), QStringLiteral("Refund: 0.01"));
    }

    void sch9ButtonFillsColumnOneFromTheReturn()
    {
        TaxData_T3Ret ret;
        ret.fld_taxable_capgain = 1000.25;
        ret.fld_total_div = 800;
        ret.fld_noneligible_div = 300.5;
        ret.fld_other_inv = 42.42;
        TaxData_Sch9 sch9;
        sch9.fld_9212 = 7;  // column 2 stays
        Pages pages;
        sch9.getUIPages(pages.list, nullptr);
        auto* button = pages.list[0]->findChild<QPushButton*>(QStringLiteral("btnT3Sch9_Alloc_Full_Income"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Auto allocate all dividend and income received"));
        QVERIFY(!button->isEnabled());  // no return handed over yet

        STRU_SLIPDATA_CALCULATION slips;
        slips[STRU_SLIPDATA_CALCULATION::FOREIGN_NONBUSINESS_INCOME] = 10;
        slips[STRU_SLIPDATA_CALCULATION::FOREIGN_NONBUSINESS_INCOME_2] = 5.5;
        sch9.copySlipCalcAmount(slips, &ret);
        pages.redisplay();
        QVERIFY(button->isEnabled());
        QSignalSpy spy(pages.list[0], &BaseTaxPage::formEdited);
        button->click();
        QCOMPARE(sch9.fld_9211.value(), 1000.25);
        QCOMPARE(sch9.fld_9231.value(), 300.5);
        QCOMPARE(sch9.fld_9261.value(), 42.42);
        QCOMPARE(sch9.fld_9491.value(), 499.5);
        QCOMPARE(sch9.fld_9251.value(), 15.5);
        QCOMPARE(sch9.fld_9212.value(), 7.0);
        QCOMPARE(pages.widget<DoubleLineEdit>("fld_9211")->text(), QStringLiteral("1,000.25"));
        QCOMPARE(pages.widget<DoubleLineEdit>("fld_9491")->text(), QStringLiteral("499.50"));
        QCOMPARE(spy.count(), 1);
        const auto changes = spy[0][2].value<QVector<FieldChange>>();
        QStringList changed;
        for (const FieldChange& c : changes)
            changed << c.field;
        QCOMPARE(changed, QStringList({"fld_9211", "fld_9231", "fld_9251", "fld_9261", "fld_9491"}));
    }

    void t183ButtonsMakeAcceptedControlNumbers_data()
    {
        QTest::addColumn<QString>("trustName");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        // Clock at 2024-03-05 14:07:09: day "05", month digit "3".
        QTest::newRow("name, date") << "Smith Family Trust" << "btnT183_ControlNum1" << "SMI053";
        QTest::newRow("short name padded") << "Al" << "btnT183_ControlNum1" << "ALZ053";
        QTest::newRow("date, name") << "smith family trust" << "btnT183_ControlNum2" << "053SMI";
        QTest::newRow("name, form number") << "Smith Family Trust" << "btnT183_ControlNum3" << "SMI002";
    }
    void t183ButtonsMakeAcceptedControlNumbers()
    {
        QFETCH(QString, trustName);
        QFETCH(QString, button);
        QFETCH(QString, expected);
        setCurrentDateTimeForTesting(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
        TaxData_T183Trust t183;
        t183.fld_trust_name = trustName;
        t183.setSeqNum(2);
        Pages pages;
        t183.getUIPages(pages.list, nullptr);
        QSignalSpy spy(pages.list[0], &BaseTaxPage::formEdited);
        auto* push = pages.list[0]->findChild<QPushButton*>(button);
        QVERIFY(push);
        push->click();
        setCurrentDateTimeForTesting(QDateTime());
        QCOMPARE(t183.fld_controlnum.value(), expected);
        QVERIFY(t183.checkDCNStr());
        QCOMPARE(pages.widget<StringLineEdit>("fld_controlnum")->text(), expected);
        QCOMPARE(spy.count(), 1);
    }

    void t183SignatureButtonsPostTheirEvents()
    {
        struct Recorder : QObject {
            QList<int> types;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                if (watched == qApp && (event->type() == 1831 || event->type() == 1832))
                    types << int(event->type());
                return false;
            }
        } recorder;
        qApp->installEventFilter(&recorder);
        TaxData_T183Trust t183;
        Pages pages;
        t183.getUIPages(pages.list, nullptr);
        pages.list[0]->findChild<QPushButton*>(QStringLiteral("btnT183_RequestESignature"))->click();
        pages.list[0]->findChild<QPushButton*>(QStringLiteral("btnT183_GetESignatureTime"))->click();
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&recorder);
        QCOMPARE(recorder.types, QList<int>({1831, 1832}));
    }
};

QTEST_MAIN(FormPagesTest)
#include "form_pages_test.moc"
