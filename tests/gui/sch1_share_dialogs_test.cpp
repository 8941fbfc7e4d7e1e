// Schedule 1's extra share entries in the window: applying the requested
// count (with the question before deleting), the entries' table, the CSV
// import dialog, and undo of each change.
#include "app/gui/return_session.h"
#include "pages/sch1_pages.h"
#include "pages/sch1_share_dialogs.h"
#include "schedules/sch1.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

class Sch1ShareDialogsTest : public QObject {
    Q_OBJECT

    ReturnSession* session = nullptr;
    TaxData_Sch1* sch1 = nullptr;
    TaxForm_Sch1_Page1* page = nullptr;
    QList<BaseTaxPage*> pages;
    QStringList events;  // questions, dialogs and warnings, in order
    bool answerYes = false;
    std::function<void(QDialog&)> onDialog;

    void requestCount(double n)
    {
        sch1->fld_ws_moreentry_num = n;
        page->GetDataFromDoc();
        page->onViewExtraShares();
    }
    void name(int count)
    {
        sch1->AllocateMoreEquityEntries(count);
        for (int i = 0; i < count; ++i)
            sch1->moreEquityEntry(i).fld_name = QStringLiteral("E%1").arg(i + 1);
    }

private slots:
    void init()
    {
        session = new ReturnSession;
        sch1 = static_cast<TaxData_Sch1*>(session->taxReturn().add(std::make_unique<TaxData_Sch1>()));
        sch1->getUIPages(pages, nullptr);
        for (BaseTaxPage* p : pages)
            if (auto* found = qobject_cast<TaxForm_Sch1_Page1*>(p))
                page = found;
        QVERIFY(page);
        connect(page, &BaseTaxPage::formDataEdited, session, &ReturnSession::recordFormDataEdit);
        events.clear();
        onDialog = nullptr;
        page->confirmDeletingEntries = [this] {
            events << QStringLiteral("question");
            return answerYes;
        };
        page->runDialog = [this](QDialog& d) {
            events << d.windowTitle();
            if (onDialog)
                onDialog(d);
            return d.result();
        };
        page->warn = [this](const QString& text) { events << text; };
    }
    void cleanup()
    {
        qDeleteAll(pages);
        pages.clear();
        page = nullptr;
        delete session;
    }

    void refusedShrinkPutsTheCountBack()
    {
        name(5);
        answerYes = false;
        requestCount(3);
        QCOMPARE(events, QStringList{"question"});
        QCOMPARE(sch1->moreEquityEntryCount(), 5);
        QCOMPARE(sch1->fld_ws_moreentry_num.value(), 5.0);
    }

    void confirmedShrinkKeepsTheFirstEntriesAndUndoBringsThemBack()
    {
        name(5);
        answerYes = true;
        requestCount(3.9);  // truncated
        QCOMPARE(events, (QStringList{"question", "More Shares/Mutual Funds"}));
        QCOMPARE(sch1->moreEquityEntryCount(), 3);
        QCOMPARE(sch1->moreEquityEntry(2).fld_name.value(), QStringLiteral("E3"));
        session->undoStack()->undo();
        QCOMPARE(sch1->moreEquityEntryCount(), 5);
        QCOMPARE(sch1->moreEquityEntry(4).fld_name.value(), QStringLiteral("E5"));
    }

    void negativeCountDropsEveryEntryWithoutTheDialog()
    {
        name(2);
        answerYes = true;
        requestCount(-4);
        QCOMPARE(sch1->moreEquityEntryCount(), 0);
        QCOMPARE(sch1->fld_ws_moreentry_num.value(), 0.0);
        QVERIFY(!events.contains(QStringLiteral("More Shares/Mutual Funds")));
    }

    void tableEditsGoIntoTheScheduleAndAreUndoable()
    {
        onDialog = [this](QDialog& d) {
            auto* model = d.findChild<QTableView*>(QStringLiteral("tblExtraShares"))->model();
            QCOMPARE(model->headerData(7, Qt::Horizontal).toString(), QStringLiteral("Net Gain (Loss)"));
            QVERIFY(!model->setData(model->index(0, 7), 5.0));  // the gain
            QVERIFY(!model->setData(model->index(0, 0), 5.0));  // the row number
            QVERIFY(model->setData(model->index(1, 4), 250.5));
            QVERIFY(model->setData(model->index(1, 5), QStringLiteral("100")));
            QCOMPARE(model->data(model->index(1, 7)).toString(), QStringLiteral("150.50"));
            QCOMPARE(model->data(model->index(1, 0)).toInt(), 2);
        };
        requestCount(2);
        QCOMPARE(sch1->moreEquityEntry(1).fld_gain.value(), 150.5);
        QCOMPARE(sch1->m_prd2.shares.proceeds.value(), 250.5);
        QCOMPARE(session->undoStack()->count(), 3);  // the count, then two cells
        session->undoStack()->undo();
        QCOMPARE(sch1->moreEquityEntry(1).fld_costbase.value(), 0.0);
        QCOMPARE(sch1->moreEquityEntry(1).fld_disposition.value(), 250.5);
    }

    void importOverwritesWithColumnsAtZeroAndWarnsOfAMissingFile()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("s.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("A,1,2\nB,3,4\nC,5,6\n");
        f.close();
        name(1);
        QString file = csv;
        onDialog = [&](QDialog& d) {
            QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("edtNumShares"))->inputMask(), QStringLiteral("09"));
            QVERIFY(d.findChild<QRadioButton*>(QStringLiteral("rdoAppend"))->isChecked());
            d.findChild<QLineEdit*>(QStringLiteral("edtCSVFileInput"))->setText(file);
            d.findChild<QRadioButton*>(QStringLiteral("rdoClearAll"))->setChecked(true);
            static_cast<DlgSch1ImportF13200&>(d).on_buttonBox_accepted();
        };
        page->onImportShares();
        QCOMPARE(sch1->moreEquityEntryCount(), 3);
        QCOMPARE(sch1->moreEquityEntry(0).fld_name.value(), QString());
        QCOMPARE(sch1->moreEquityEntry(2).fld_num.value(), 0.0);
        QCOMPARE(sch1->fld_ws_moreentry_num.value(), 3.0);

        file = dir.filePath(QStringLiteral("none.csv"));
        page->onImportShares();
        QCOMPARE(events.last(), QStringLiteral("Selected import file doesn't exist!"));
        QCOMPARE(sch1->moreEquityEntryCount(), 3);
    }
};

QTEST_MAIN(Sch1ShareDialogsTest)
#include "sch1_share_dialogs_test.moc"
