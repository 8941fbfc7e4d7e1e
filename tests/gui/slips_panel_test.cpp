// The window's slip table: a return of 10,000 slips opens at once with one
// table row per slip (none in the form tree), and the table sorts, filters and
// opens the chosen slip's page.
#include "app/gui/form_view.h"
#include "app/gui/main_window.h"
#include "app/gui/slips_panel.h"
#include "host/return_file.h"
#include "returns/t3ret.h"
#include "slips/slip_t5.h"

#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class SlipsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void tenThousandSlipsOpenAsOneTable()
    {
        constexpr int kSlips = 10000;
        QTemporaryDir dir;
        TaxReturn ret;
        ret.add(std::make_unique<TaxData_T3Ret>());
        for (int i = 0; i < kSlips; ++i) {
            auto slip = std::make_unique<TaxData_Slip_T5>();
            slip->box_name = QStringLiteral("Payer %1").arg(kSlips - i, 5, 10, QLatin1Char('0'));
            slip->box_13 = i;
            ret.add(std::move(slip));
        }
        const QString file = dir.filePath(QStringLiteral("many.t3r"));
        saveReturn(file, ret);

        MainWindow w;
        w.show();
        QVERIFY(w.openReturn(file));
        QCoreApplication::processEvents();

        QCOMPARE(w.formTree()->topLevelItemCount(), 1);
        QTableView* table = w.slipsPanel()->table();
        QCOMPARE(table->model()->rowCount(), kSlips);
        QCOMPARE(table->model()->index(0, SlipTableModel::Party).data().toString(), QStringLiteral("Payer 10000"));

        table->sortByColumn(SlipTableModel::Party, Qt::AscendingOrder);
        QCOMPARE(table->model()->index(0, SlipTableModel::Party).data().toString(), QStringLiteral("Payer 00001"));
        w.slipsPanel()->filter()->setText(QStringLiteral("payer 0001"));  // any case, any column
        QCOMPARE(table->model()->rowCount(), 10);

        table->setCurrentIndex(table->model()->index(2, 0));  // "Payer 00012": the slip at position 9989
        CTaxData_Form* shown = w.formView()->currentForm();
        QCOMPARE(w.session().taxReturn().indexOf(shown), kSlips - 12 + 1);
        QVERIFY(w.formTree()->currentItem() == nullptr);
        w.selectForm(0);
        QVERIFY(!table->selectionModel()->hasSelection());
        waitForClearButtonFadeIn(w.slipsPanel()->filter());
    }

private:
    // Typing into the filter fades its clear button in with an animation that
    // Qt deletes only when it stops; a window closed before then leaks it.
    static void waitForClearButtonFadeIn(QLineEdit* filter)
    {
        for (QToolButton* button : filter->findChildren<QToolButton*>())
            QTRY_COMPARE(button->property("opacity").toReal(), 1.0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(SlipsPanelTest)
#include "slips_panel_test.moc"
