// The page framework on a sample form: the description reader, the builder,
// the binding of every widget kind to its field, and read-only widgets of
// every kind, computed or filled by the calculation.
#include "framework/form.h"
#include "framework/described_page.h"
#include "framework/widget_choices.h"
#include "framework/widget_dates.h"
#include "framework/widget_lines.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

class TaxData_PageSample : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_PageSample() : CTaxDataBase01(98) {}
    FLD(CStringField, fld_name, 0, "", 10, 0x10000);
    FLD(CFloatField, fld_amount, 0.0, 10);
    FLD(CFloatField, fld_total, 0, 0.0, 0, 1, 0, 0, 0x10000);
    FLD(CIntField, fld_answer, -1, 0x10000);
    FLD(CIntField, fld_prov, 0, 0, 0x10000);
    FLD(CIntField, fld_country, 0, 0, 0x10000);
    FLD(CIntField, fld_kind, 0, 0, 0x10000);
    FLD(CBoolField, fld_flag, false, 0x10000);
    FLD(CDateField, fld_date);
    FLD(CDateTimeField, fld_moment);
    FLD(CPercentField, fld_share, 0.0, 0, 0, FIELD_ATTR_PERCENT);
    FLD(CStringField, fld_note, 0, "", 200, 0x10000);
    FLD(CStringField, fld_other_spec, 0, "", 50, 0x10000);
    FLD(CFloatField, fld_other, 0.0, 0);
    FLD(CFloatField, fld_rate, Decimals(4));
    FLD(CFloatField, fld_count, Decimals(0));
    FLD(CFloatField, fld_pct, 1, 0.0, 0, 0, 0, 1, FIELD_ATTR_PERCENT);
};

static const PageDescriptionSource kSampleSource("PageSample", R"(
form PageSample
list kinds "First kind" "Second kind" "Third kind"
choices three "1-Yes" "2-No" "3 n/a"

page TaxForm_PageSample_tab1 1
title "Step 1 - Sample"
section "Identification"
field - "Name" fld_name
field - "Province, country" fld_prov:province fld_country:country
field - "Kind" fld_kind:kinds
field 7 "Question" fld_answer:three
columns "Amount" "Total"
line 10 "An amount" fld_amount .
line 11 "The total" . fld_total
line - "Total again" . =fld_total@fld_total_copy
line - "Share" fld_share
field - "Rate, count, share" fld_rate fld_count fld_pct
specify 12 fld_other_spec fld_other
display resultText "Result"
field - "Flag" fld_flag
field - "Date" fld_date
field - "Moment" fld_moment
field - "Note" fld_note:multiline
button btnSample "Do it"
)");

class PageBindingTest : public QObject {
    Q_OBJECT

    TaxData_PageSample* form = nullptr;
    DescribedTaxPage* page = nullptr;

    template <class W>
    W* w(const char* name)
    {
        W* widget = page->findChild<W*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    void tryToChange(QWidget* widget)
    {
        const QPoint indicator(8, widget->height() / 2);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            line->setFocus();
            QTest::keyClicks(line, "7");
            QTest::keyClick(line, Qt::Key_Return);
        } else if (auto* note = qobject_cast<MultiLineEdit*>(widget)) {
            note->setFocus();
            QTest::keyClicks(note, "x");
            w<QLineEdit>("fld_name")->setFocus();
        } else if (auto* box = qobject_cast<StyledCheckBox*>(widget)) {
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, indicator);
        } else if (auto* group = qobject_cast<AnswerRadioGroup*>(widget)) {
            QAbstractButton* first = group->buttonGroup()->button(0);
            QTest::mouseClick(first, Qt::LeftButton, Qt::NoModifier, QPoint(8, first->height() / 2));
        } else if (auto* combo = qobject_cast<CT2ComboBox*>(widget)) {
            QTest::keyClick(combo, Qt::Key_Down);
        } else {
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key_Delete);  // blanks a date
        }
    }

private slots:
    void init()
    {
        form = new TaxData_PageSample;
        QList<BaseTaxPage*> pages;
        form->getUIPages(pages, nullptr);
        QCOMPARE(pages.size(), 1);
        page = qobject_cast<DescribedTaxPage*>(pages[0]);
        QVERIFY(page);
        page->resize(900, 700);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
    }
    void cleanup()
    {
        delete page;
        delete form;
    }

    void sampleDescriptionBuildsWithoutErrors()
    {
        QCOMPARE(PageDescriptionRegistry::instance().errors(), QStringList());
        QCOMPARE(page->ui()->errors(), QStringList());
        QCOMPARE(page->caption(), QStringLiteral("1"));
        QCOMPARE(page->pageName(), QStringLiteral("TaxForm_PageSample_tab1"));
    }

    void widgetKindFollowsFieldKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::newRow("text") << "fld_name" << "StringLineEdit";
        QTest::newRow("amount") << "fld_amount" << "DoubleLineEdit";
        QTest::newRow("answer") << "fld_answer" << "AnswerRadioGroup";
        QTest::newRow("province") << "fld_prov" << "CT2ComboBox";
        QTest::newRow("own list") << "fld_kind" << "CT2ComboBox";
        QTest::newRow("flag") << "fld_flag" << "StyledCheckBox";
        QTest::newRow("date") << "fld_date" << "StyledDateEdit";
        QTest::newRow("moment") << "fld_moment" << "StyledDateTimeEdit";
        QTest::newRow("percentage") << "fld_share" << "DoubleLineEdit";
        QTest::newRow("multi-line") << "fld_note" << "MultiLineEdit";
    }
    void widgetKindFollowsFieldKind()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QWidget* widget = page->widgetByName(name);
        QVERIFY(widget);
        BoundWidgetKind k;
        QVERIFY(BaseTaxPage::widgetKind(widget, k));
        QCOMPARE(QString::fromLatin1(boundWidgetKindName(k)), kind);
        QCOMPARE(page->fieldOf(widget), form->findField(name.toStdString()));
    }

    void computedAndDisplayOnlyAmountsAreReadOnly()
    {
        QVERIFY(w<DoubleLineEdit>("fld_total")->isReadOnly());
        QVERIFY(w<DoubleLineEdit>("fld_total_copy")->isReadOnly());
        QVERIFY(!w<DoubleLineEdit>("fld_amount")->isReadOnly());
        QCOMPARE(page->fieldOf(page->widgetByName("fld_total_copy")), &form->fld_total);
    }

    // What a user does to change a widget of each kind; on an engine-filled
    // field it changes nothing, once cleared it changes the field.
    void engineFilledFieldsTakeNoInput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("changeSignal");  // the widget's own, before the page sees it
        QTest::newRow("amount") << "fld_amount" << QByteArray(SIGNAL(textEdited(QString)));
        QTest::newRow("percentage") << "fld_share" << QByteArray(SIGNAL(textEdited(QString)));
        QTest::newRow("text") << "fld_name" << QByteArray(SIGNAL(textEdited(QString)));
        QTest::newRow("multi-line") << "fld_note" << QByteArray(SIGNAL(textChanged()));
        QTest::newRow("check box") << "fld_flag" << QByteArray(SIGNAL(stateChanged(int)));
        QTest::newRow("radio group") << "fld_answer" << QByteArray(SIGNAL(idClicked(int)));
        QTest::newRow("list") << "fld_kind" << QByteArray(SIGNAL(currentIndexChanged(int)));
        QTest::newRow("date") << "fld_date" << QByteArray(SIGNAL(dateChanged(QDate)));
        QTest::newRow("moment") << "fld_moment" << QByteArray(SIGNAL(dateTimeChanged(QDateTime)));
    }
    void engineFilledFieldsTakeNoInput()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, changeSignal);
        form->fld_date = QDate(2024, 1, 31);
        form->fld_moment = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
        page->GetDataFromDoc();
        QWidget* widget = page->widgetByName(name);
        CField* field = form->findField(name.toStdString());
        const QString before = field->toText();
        const QString toolTip = widget->toolTip();
        QSignalSpy spy(page, &BaseTaxPage::fieldEdited);
        QSignalSpy widgetChanges(widget, changeSignal.constData());

        page->setEngineFilled(name, QStringLiteral("Schedule 11 line 34"));
        QVERIFY(BaseTaxPage::isWidgetReadOnly(widget));
        QVERIFY(widget->toolTip().endsWith(QStringLiteral("Filled in from Schedule 11 line 34")));
        QCOMPARE(page->engineFilledFields(), QStringList({name}));
        QCOMPARE(page->engineFilledSource(name), QStringLiteral("Schedule 11 line 34"));
        tryToChange(widget);
        QCOMPARE(field->toText(), before);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(widgetChanges.count(), 0);

        page->clearEngineFilled(name);
        QVERIFY(!BaseTaxPage::isWidgetReadOnly(widget));
        QCOMPARE(widget->toolTip(), toolTip);
        QVERIFY(page->engineFilledFields().isEmpty());
        tryToChange(widget);
        QVERIFY(field->toText() != before);
        QCOMPARE(spy.count(), 1);
        QVERIFY(widgetChanges.count() > 0);
    }

    void computedTotalStaysReadOnlyAfterTheEngineLetsGo()
    {
        auto* total = w<DoubleLineEdit>("fld_total");
        page->setEngineFilled(QStringLiteral("fld_total"), QStringLiteral("Schedule 11"));
        QVERIFY(total->isReadOnly());
        QVERIFY(w<DoubleLineEdit>("fld_total_copy")->toolTip().contains(QStringLiteral("Schedule 11")));
        page->clearEngineFilled(QStringLiteral("fld_total"));
        QVERIFY(total->isReadOnly());
        QCOMPARE(total->text(), QStringLiteral("0.00"));
    }

    void typedAmountLandsInFieldAndIsReported()
    {
        QSignalSpy spy(page, &BaseTaxPage::fieldEdited);
        auto* edit = w<DoubleLineEdit>("fld_amount");
        edit->setFocus();
        QTest::keyClicks(edit, "1,234.56");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(form->fld_amount.value(), 1234.56);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][1].toString(), QStringLiteral("fld_amount"));
        QCOMPARE(spy[0][2].toString(), QStringLiteral("0"));
        QCOMPARE(spy[0][3].toString().toDouble(), 1234.56);
        QCOMPARE(edit->text(), QStringLiteral("1,234.56"));
    }

    void untouchedAmountKeepsItsFullPrecision()
    {
        form->fld_amount = 1234.567;
        page->GetDataFromDoc();
        auto* edit = w<DoubleLineEdit>("fld_amount");
        QCOMPARE(edit->text(), QStringLiteral("1,234.57"));
        QSignalSpy spy(page, &BaseTaxPage::fieldEdited);
        emit edit->editingFinished();
        page->PutDataToDoc();
        QCOMPARE(form->fld_amount.value(), 1234.567);
        QCOMPARE(spy.count(), 0);
    }

    void badAmountTextRestoresTheField()
    {
        form->fld_amount = 5;
        page->GetDataFromDoc();
        auto* edit = w<DoubleLineEdit>("fld_amount");
        edit->setText(QStringLiteral("12..3"));
        edit->setModified(true);
        emit edit->editingFinished();
        QCOMPARE(form->fld_amount.value(), 5.0);
        QCOMPARE(edit->text(), QStringLiteral("5.00"));
    }

    void radioAnswersMapToMinusOneZeroOne()
    {
        auto* group = w<AnswerRadioGroup>("fld_answer");
        QCOMPARE(group->value(), -1);
        QSignalSpy spy(page, &BaseTaxPage::fieldEdited);
        group->buttonGroup()->button(0)->click();
        QCOMPARE(form->fld_answer.value(), 0);
        group->buttonGroup()->button(1)->click();
        QCOMPARE(form->fld_answer.value(), 1);
        group->buttonGroup()->button(2)->click();
        QCOMPARE(form->fld_answer.value(), 2);
        group->click(-1);
        QCOMPARE(form->fld_answer.value(), -1);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy[3][2].toString(), QStringLiteral("2"));
        QCOMPARE(spy[3][3].toString(), QStringLiteral("-1"));
        QCOMPARE(group->buttonGroup()->button(0)->text(), QStringLiteral("1-Yes"));

        form->fld_answer = 1;
        page->GetDataFromDoc();
        QVERIFY(group->buttonGroup()->button(1)->isChecked());
        form->fld_answer = -1;
        page->GetDataFromDoc();
        QCOMPARE(group->buttonGroup()->checkedId(), -1);
    }

    void comboBoxesStoreTableCodes()
    {
        auto* prov = w<CT2ComboBox>("fld_prov");
        QCOMPARE(prov->count(), 14);  // not chosen, then the 13 provinces and territories
        prov->setCurrentIndex(prov->findText(QStringLiteral("Ontario")));
        QCOMPARE(form->fld_prov.value(), 9);
        auto* country = w<CT2ComboBox>("fld_country");
        country->setCurrentIndex(country->findText(QStringLiteral("Canada")));
        QCOMPARE(form->fld_country.value(), 1);
        auto* kind = w<CT2ComboBox>("fld_kind");
        kind->setCurrentIndex(2);
        QCOMPARE(form->fld_kind.value(), 2);
        QCOMPARE(kind->currentText(), QStringLiteral("Third kind"));

        form->fld_prov = 12;
        page->GetDataFromDoc();
        QCOMPARE(prov->currentText(), QStringLiteral("Saskatchewan"));
    }

    void listsKeepTheWidthOfTheirLongestEntryOnANarrowPage()
    {
        page->resize(480, 700);
        QCoreApplication::processEvents();
        auto* prov = w<CT2ComboBox>("fld_prov");
        QVERIFY(prov->width() > prov->fontMetrics().horizontalAdvance(QStringLiteral("Newfoundland and Labrador")));
    }

    void checkBoxDateAndMomentReachTheirFields()
    {
        w<StyledCheckBox>("fld_flag")->click();
        QCOMPARE(form->fld_flag.value(), true);
        auto* date = w<StyledDateEdit>("fld_date");
        QCOMPARE(date->text().trimmed(), QString());
        date->setDate(QDate(2024, 2, 29));
        QCOMPARE(form->fld_date.value(), QDate(2024, 2, 29));
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Delete);
        QVERIFY(!form->fld_date.value().isValid());
        w<StyledDateTimeEdit>("fld_moment")->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
        QCOMPARE(form->fld_moment.toText(), QStringLiteral("2024-03-05T14:07:09"));
    }

    void textIsCutToTheFieldLength()
    {
        auto* edit = w<StringLineEdit>("fld_name");
        edit->setFocus();
        QTest::keyClicks(edit, "Estate of Jane Doe");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(form->fld_name.value(), QStringLiteral("Estate of "));
    }

    void multiLineTypingIsOneEdit()
    {
        QSignalSpy spy(page, &BaseTaxPage::fieldEdited);
        auto* note = w<MultiLineEdit>("fld_note");
        note->setFocus();
        QTest::keyClicks(note, "abc");
        QCOMPARE(form->fld_note.value(), QStringLiteral("abc"));  // current while typing
        QCOMPARE(spy.count(), 0);
        w<StringLineEdit>("fld_name")->setFocus();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][2].toString(), QString());
        QCOMPARE(spy[0][3].toString(), QStringLiteral("abc"));
    }

    // A multi-line text sits under its label, as wide as the page; a one-line
    // text stays beside its label in the value columns.
    void multiLineTextSpansThePageUnderItsLabel()
    {
        QWidget* sheet = page->ui()->sheet();
        const auto rect = [sheet](QWidget* widget) { return QRect(widget->mapTo(sheet, QPoint()), widget->size()); };
        const QRect note = rect(w<MultiLineEdit>("fld_note"));
        const QRect name = rect(w<StringLineEdit>("fld_name"));
        QLabel* noteLabel = nullptr;
        for (QLabel* label : sheet->findChildren<QLabel*>())
            if (label->text() == QLatin1String("Note"))
                noteLabel = label;
        QVERIFY(noteLabel);
        const QRect label = rect(noteLabel);
        QCOMPARE(note.left(), label.left());
        QVERIFY(note.top() > label.bottom());
        QVERIFY(note.right() >= name.right() - 1);
        QVERIFY(name.left() > label.right());
    }

    void redisplayReportsNothing()
    {
        QSignalSpy spy(page, &BaseTaxPage::fieldEdited);
        form->fld_prov = 3;
        form->fld_answer = 0;
        form->fld_flag = true;
        form->fld_date = QDate(2024, 1, 31);
        page->GetDataFromDoc();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(w<StyledDateEdit>("fld_date")->value(), QDate(2024, 1, 31));
    }

    void pageActionIsReportedAsOneEditWithItsChanges()
    {
        QSignalSpy spy(page, &BaseTaxPage::formEdited);
        form->fld_total = 1;
        page->runFormAction(QStringLiteral("Fill"), [this] {
            form->fld_total = 2.5;
            form->fld_name = "Filled";
        });
        QCOMPARE(spy.count(), 1);
        const auto changes = spy[0][2].value<QVector<FieldChange>>();
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes[0].field, QStringLiteral("fld_name"));
        QCOMPARE(changes[1].field, QStringLiteral("fld_total"));
        QCOMPARE(changes[1].oldText, QStringLiteral("1"));
        QCOMPARE(changes[1].newText, QStringLiteral("2.5"));
        QCOMPARE(w<DoubleLineEdit>("fld_total")->text(), QStringLiteral("2.50"));
    }

    void buttonsAndDisplaysAreFoundByName()
    {
        QVERIFY(page->ui()->display(QStringLiteral("resultText")));
        QVERIFY(!page->ui()->display(QStringLiteral("btnSample")));
        QVERIFY(page->ui()->button(QStringLiteral("btnSample")));
        QCOMPARE(page->ui()->button(QStringLiteral("btnSample"))->text(), QStringLiteral("Do it"));
    }

    void amountTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("separators") << "1,234,567.89" << true << 1234567.89;
        QTest::newRow("dollar") << "$12" << true << 12.0;
        QTest::newRow("negative") << "-0.10" << true << -0.1;
        QTest::newRow("brackets") << "(45.5)" << true << -45.5;
        QTest::newRow("empty") << "  " << true << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("letters") << "12a" << false << 0.0;
    }
    void amountTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double out = 0.0;
        QCOMPARE(DoubleLineEdit::parseAmount(text, out), ok);
        if (ok)
            QCOMPARE(out, value);
    }

    void amountDisplay()
    {
        QCOMPARE(DoubleLineEdit::formatAmount(1234567.891, false), QStringLiteral("1,234,567.89"));
        QCOMPARE(DoubleLineEdit::formatAmount(-0.001, false), QStringLiteral("0.00"));
        QCOMPARE(DoubleLineEdit::formatAmount(-12.5, false), QStringLiteral("-12.50"));
        QCOMPARE(DoubleLineEdit::formatAmount(33.33333, true), QStringLiteral("33.3333"));
        QCOMPARE(DoubleLineEdit::formatAmount(12.5, true), QStringLiteral("12.5"));
        QCOMPARE(DoubleLineEdit::formatAmount(-0.00001, false, 4), QStringLiteral("0.0000"));
        // The decimals the field declares; the percent attribute word makes a percentage.
        form->fld_rate = 1.23456;
        form->fld_count = 1234.6;
        form->fld_pct = 12.5;
        page->GetDataFromDoc();
        QCOMPARE(w<DoubleLineEdit>("fld_rate")->text() + w<DoubleLineEdit>("fld_count")->text() +
                     w<DoubleLineEdit>("fld_pct")->text(),
                 QStringLiteral("1.23461,23512.5"));
    }

    void descriptionMistakesAreNamed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no form") << "page TaxForm_X_tab1 1"
                                 << "bad line 1: page before the form line|bad line 1: no form line";
        QTest::newRow("unknown word") << "form X\nheading \"A\"" << "bad line 2: unknown directive 'heading'";
        QTest::newRow("row before page") << "form X\nnote \"A\"" << "bad line 2: note before the first page line";
        QTest::newRow("open quote") << "form X\npage P 1\nnote \"A" << "bad line 3: unclosed quote";
        QTest::newRow("bad id") << "form X\npage P one" << "bad line 2: page id 'one' is neither a number nor a quoted title";
        QTest::newRow("too many cells") << "form X\npage P 1\nline 1 \"L\" fld_a fld_b fld_c"
                                        << "bad line 3: 3 cells for 2 columns";
        QTest::newRow("unknown list") << "form X\npage P 1\nfield - \"L\" fld_a:colours"
                                      << "bad line 3: unknown choice list 'colours'";
        QTest::newRow("bad cell") << "form X\npage P 1\nline - \"L\" fld-a" << "bad line 3: cell 'fld-a' is not a field, a quoted text or '.'";
        QTest::newRow("twice") << "form X\npage P 1\npage P 2" << "bad line 3: page P described twice";
        QTest::newRow("specify a quoted label") << "form X\npage P 1\nspecify - \"Other\" fld_a"
                                                << "bad line 3: expected: specify CODE fld_text cells...";
        QTest::newRow("display without name") << "form X\npage P 1\ndisplay \"Result\""
                                              << "bad line 3: expected: display NAME \"text\"";
        QTest::newRow("no form at all") << "# nothing" << "bad line 1: no form line";
    }
    void descriptionMistakesAreNamed()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QStringList errors;
        parsePageDescriptions(QStringLiteral("bad"), text, errors);
        QCOMPARE(errors, message.split(QLatin1Char('|')));
    }

    void descriptionReadsTitlesIdsColumnsAndCells()
    {
        QStringList errors;
        const FormPageDescriptions f = parsePageDescriptions(QStringLiteral("ok"), QStringLiteral(
            "form X  # the form\n"
            "page TaxForm_X_tab1 \"Total \\\"Income\\\"\"\n"
            "columns \"A\" \"B\" \"C\"\n"
            "line 3A \"Label\" . \"Gross\" =fld_a:yesno@copy\n"
            "page TaxForm_X_tab2 2\n"), errors);
        QCOMPARE(errors, QStringList());
        QCOMPARE(f.formName, QStringLiteral("X"));
        QCOMPARE(f.pages.size(), 2);
        QCOMPARE(f.pages[0].title, QStringLiteral("Total \"Income\""));
        QCOMPARE(f.pages[1].caption(), QStringLiteral("2"));
        const PageRow& line = f.pages[0].rows[1];
        QCOMPARE(line.code, QStringLiteral("3A"));
        QCOMPARE(line.cells.size(), 3);
        QCOMPARE(int(line.cells[0].kind), int(PageCell::Empty));
        QCOMPARE(line.cells[1].text, QStringLiteral("Gross"));
        QCOMPARE(line.cells[2].text, QStringLiteral("fld_a"));
        QCOMPARE(line.cells[2].objectName, QStringLiteral("copy"));
        QCOMPARE(line.cells[2].presentation, QStringLiteral("yesno"));
        QVERIFY(line.cells[2].readOnly);
    }

    void builderNamesCellsThatDoNotFit()
    {
        QStringList errors;
        const FormPageDescriptions f = parsePageDescriptions(QStringLiteral("misfit"), QStringLiteral(
            "form PageSample\n"
            "page TaxForm_Misfit_tab1 1\n"
            "line - \"a\" fld_missing\n"
            "line - \"b\" fld_answer\n"
            "line - \"c\" fld_amount:yesno\n"
            "line - \"d\" fld_amount fld_amount\n"), errors);
        QCOMPARE(errors, QStringList());
        QWidget host;
        PageUi ui;
        ui.setupUi(&host, f.pages[0], *form);
        QCOMPARE(ui.errors(), QStringList({
            "page line 3: form PageSample has no field fld_missing",
            "page line 4: answer or choice field fld_answer needs a choice list (fld_answer:yesno, fld_answer:province ...)",
            "page line 5: field fld_amount (amount) takes no choice list",
            "page line 6: widget fld_amount appears twice (name the second one with @)"}));
        QCOMPARE(ui.boundCells().size(), 1);
        QStringList listErrors;
        const QVector<DescribedWidget> listed = describedWidgets(f.pages[0], *form, &listErrors);
        QCOMPARE(listErrors, ui.errors());
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed[0].objectName, QStringLiteral("fld_amount"));
    }
};

QTEST_MAIN(PageBindingTest)
#include "page_binding_test.moc"
