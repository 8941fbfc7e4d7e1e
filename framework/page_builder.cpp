#include "framework/page_builder.h"

#include "framework/form.h"
#include "framework/widget_choices.h"
#include "framework/widget_dates.h"
#include "framework/widget_lines.h"
#include "framework/worksheet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QVBoxLayout>

namespace {

const char* const kSheetStyle = R"(
QWidget#pageSheet { background: #ffffff; }
QLabel { color: #1b1b1b; }
QLabel#pageTitle { background: #26374a; color: #ffffff; font-weight: bold; font-size: 12pt; padding: 6px 8px; }
QLabel#sectionHeading { background: #e4e8ed; font-weight: bold; padding: 4px 8px; border-top: 1px solid #26374a; }
QLabel#note { color: #333333; padding: 2px 8px; }
QLabel#columnHeading { font-weight: bold; }
QLabel[displayText="true"] { font-weight: bold; }
QLabel#lineCode { border: 1px solid #6b6b6b; background: #f2f2f2; font-weight: bold; padding: 1px 4px; }
QLabel#descriptionError { color: #b00020; font-weight: bold; }
QLineEdit { border: 1px solid #8a8a8a; padding: 2px 4px; background: #ffffff; }
QLineEdit:read-only { background: #edf0f3; border: 1px solid #b8bec5; }
QPlainTextEdit[readOnly="true"], QAbstractSpinBox[readOnly="true"], AnswerRadioGroup[readOnly="true"],
CT2ComboBox[readOnly="true"] { background: #edf0f3; border: 1px solid #b8bec5; }
CT2ComboBox[readOnly="true"] { padding: 1px 4px; }
CT2ComboBox[readOnly="true"]::drop-down { width: 0px; border: none; }
StyledCheckBox[readOnly="true"] { background: #edf0f3; }
QLineEdit:focus { border: 1px solid #26374a; background: #fffbe6; }
)";

constexpr int kLabelColumn = 0;
constexpr int kCodeColumn = 1;
constexpr int kFirstValueColumn = 2;
constexpr int kValueColumnWidth = 150;
constexpr int kShortTextLength = 20;

QLabel* makeLabel(const QString& text, const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Where a widget sits in a value column of a line: a check box in the middle,
// a fixed text (a base amount, a rate) on the right like the amounts, the
// rest across the column.
Qt::Alignment valueCellAlignment(QWidget* w)
{
    if (qobject_cast<QCheckBox*>(w))
        return Qt::AlignHCenter | Qt::AlignVCenter;
    if (auto* text = qobject_cast<QLabel*>(w))
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

int widestColumnCount(const PageDescription& d)
{
    int widest = 2;
    for (const PageRow& row : d.rows)
        if (row.kind == PageRow::Columns)
            widest = qMax(widest, row.headers.size());
    return widest;
}

}  // namespace

bool describedWidgetKind(const PageCell& cell, const CField& field, const ChoiceList* list, BoundWidgetKind& kind,
                         QString& error)
{
    const bool multiLine = list && list->style == ChoiceList::MultiLine;
    switch (field.kind()) {
    case FIELD_FLOAT:
    case FIELD_PERCENT: kind = BoundWidgetKind::AmountLine; break;
    case FIELD_STRING: kind = multiLine ? BoundWidgetKind::MultiLine : BoundWidgetKind::TextLine; break;
    case FIELD_BOOL: kind = BoundWidgetKind::CheckBox; break;
    case FIELD_DATE: kind = BoundWidgetKind::Date; break;
    case FIELD_DATETIME: kind = BoundWidgetKind::DateTime; break;
    case FIELD_INT:
        if (!list || multiLine) {
            error = QStringLiteral("answer or choice field %1 needs a choice list (%1:yesno, %1:province ...)")
                        .arg(cell.text);
            return false;
        }
        kind = list->style == ChoiceList::Radio ? BoundWidgetKind::RadioGroup : BoundWidgetKind::ComboBox;
        return true;
    }
    if (list && !(multiLine && field.kind() == FIELD_STRING)) {
        error = QStringLiteral("field %1 (%2) takes no choice list")
                    .arg(cell.text, QLatin1String(CField::kindName(field.kind())));
        return false;
    }
    return true;
}

namespace {

bool isWorksheetOwnName(const CTaxData_Form& form, const QString& name)
{
    const auto* worksheet = qobject_cast<const CWSBaseData*>(&form);
    return worksheet && worksheet->isOwnFieldName(name.toStdString());
}

// The field of a field cell and the kind of its widget; nullptr, with the
// reason, when the cell does not fit the form.
const CField* checkFieldCell(const PageCell& cell, const CTaxData_Form& form, const QString& formName,
                             bool nameTaken, BoundWidgetKind& kind, const ChoiceList*& list, QString& error)
{
    const CField* field = form.findField(cell.text.toStdString());
    list = cell.presentation.isEmpty() ? nullptr
                                       : PageDescriptionRegistry::instance().choiceList(formName, cell.presentation);
    if (!field)
        error = QStringLiteral("form %1 has no field %2").arg(formName, cell.text);
    else if (field->name() != cell.text && !isWorksheetOwnName(form, cell.text))
        error = QStringLiteral("%1 is a former name of %2").arg(cell.text, QLatin1String(field->name()));
    else if (nameTaken)
        error = QStringLiteral("widget %1 appears twice (name the second one with @)").arg(cell.objectName);
    else if (describedWidgetKind(cell, *field, list, kind, error))
        return field;
    return nullptr;
}

// A `specify` line's label: the widget of its text field.
PageCell specifyLabelCell(const PageRow& row)
{
    PageCell label;
    label.kind = PageCell::Field;
    label.text = label.objectName = row.name;
    return label;
}

// The field cells of a row in the order the builder places them.
QVector<PageCell> fieldCellsOf(const PageRow& row)
{
    QVector<PageCell> cells;
    if (row.kind == PageRow::Specify)
        cells << specifyLabelCell(row);
    if (row.kind == PageRow::Line || row.kind == PageRow::Specify || row.kind == PageRow::Field)
        for (const PageCell& cell : row.cells)
            if (cell.kind == PageCell::Field)
                cells << cell;
    return cells;
}

}  // namespace

QVector<DescribedWidget> describedWidgets(const PageDescription& description, const CTaxData_Form& form,
                                          QStringList* errors)
{
    QVector<DescribedWidget> widgets;
    QSet<QString> names;
    for (const PageRow& row : description.rows)
        for (const PageCell& cell : fieldCellsOf(row)) {
            BoundWidgetKind kind;
            const ChoiceList* list = nullptr;
            QString error;
            if (checkFieldCell(cell, form, description.formName, names.contains(cell.objectName), kind, list, error)) {
                names.insert(cell.objectName);
                widgets.push_back({cell.objectName, cell.text, kind});
            } else if (errors) {
                *errors << QStringLiteral("page line %1: %2").arg(row.sourceLine).arg(error);
            }
        }
    return widgets;
}

QPushButton* PageUi::button(const QString& objectName) const
{
    return qobject_cast<QPushButton*>(widget(objectName));
}

QLabel* PageUi::display(const QString& objectName) const
{
    return qobject_cast<QLabel*>(widget(objectName));
}

QWidget* PageUi::createCellWidget(const PageCell& cell, const CTaxData_Form& form, const QString& formName, int line)
{
    if (cell.kind == PageCell::Empty)
        return nullptr;
    if (cell.kind == PageCell::Text)
        return makeLabel(cell.text, "cellText", m_sheet);

    BoundWidgetKind kind = BoundWidgetKind::TextLine;
    const ChoiceList* list = nullptr;
    QString error;
    const CField* field = checkFieldCell(cell, form, formName, m_widgets.contains(cell.objectName), kind, list, error);
    if (!field) {
        m_errors << QStringLiteral("page line %1: %2").arg(line).arg(error);
        return makeLabel(QStringLiteral("?? ") + cell.text, "descriptionError", m_sheet);
    }

    QWidget* w = nullptr;
    bool computed = false;
    switch (kind) {
    case BoundWidgetKind::AmountLine: {
        auto* edit = new DoubleLineEdit(m_sheet);
        const auto* amount = static_cast<const CFloatField*>(field);
        edit->setPercent(amount->isPercentage());
        edit->setDecimals(amount->decimals());
        computed = amount->isComputed();
        edit->setMinimumWidth(110);
        edit->setMaximumWidth(kValueColumnWidth + 30);
        w = edit;
        break;
    }
    case BoundWidgetKind::TextLine: {
        auto* edit = new StringLineEdit(m_sheet);
        const int length = static_cast<const CStringField*>(field)->maxLength();
        edit->setMaxLength(length);
        // A short entry (a year, a postal code, a number) is as wide as its text.
        if (length <= kShortTextLength)
            edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * (length + 1) + 12);
        w = edit;
        break;
    }
    case BoundWidgetKind::MultiLine: {
        auto* edit = new MultiLineEdit(m_sheet);
        edit->setMinimumHeight(90);
        w = edit;
        break;
    }
    case BoundWidgetKind::CheckBox: {
        // As wide as its box, so that a read-only box shows grey around the box only.
        w = new StyledCheckBox(m_sheet);
        w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        break;
    }
    case BoundWidgetKind::RadioGroup: w = new AnswerRadioGroup(list->labels, m_sheet); break;
    case BoundWidgetKind::ComboBox: {
        auto* combo = new CT2ComboBox(m_sheet);
        // Wide enough for its longest entry, up to a limit.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMaximumWidth(320);
        if (list->style == ChoiceList::Countries)
            combo->fillCountries();
        else if (list->style == ChoiceList::Provinces || list->style == ChoiceList::Jurisdictions)
            combo->fillProvinces(list->style == ChoiceList::Jurisdictions);
        else
            combo->fillChoices(list->labels);
        w = combo;
        break;
    }
    case BoundWidgetKind::Date: {
        auto* date = new StyledDateEdit(m_sheet);
        date->setMaximumWidth(150);
        w = date;
        break;
    }
    case BoundWidgetKind::DateTime: {
        auto* moment = new StyledDateTimeEdit(m_sheet);
        moment->setMaximumWidth(210);
        w = moment;
        break;
    }
    }
    if (cell.readOnly || computed)
        BaseTaxPage::setWidgetReadOnly(w, true);
    w->setObjectName(cell.objectName);
    if (field->lineNum() != 0)
        w->setToolTip(QStringLiteral("Line %1").arg(field->lineNum()));
    m_widgets.insert(cell.objectName, w);
    m_bound.push_back({w, cell.text});
    return w;
}

void PageUi::setupUi(QWidget* page, const PageDescription& d, const CTaxData_Form& form)
{
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("pageScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    pageLayout->addWidget(scroll);

    m_sheet = new QWidget;
    m_sheet->setObjectName(QStringLiteral("pageSheet"));
    m_sheet->setAttribute(Qt::WA_StyledBackground, true);
    m_sheet->setStyleSheet(QLatin1String(kSheetStyle));
    auto* outer = new QVBoxLayout(m_sheet);
    outer->setContentsMargins(16, 12, 16, 16);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    outer->addLayout(grid);
    outer->addStretch(1);

    const int widest = widestColumnCount(d);
    const int lastColumn = kFirstValueColumn + widest - 1;
    const int span = lastColumn + 1;
    grid->setColumnStretch(kLabelColumn, 1);
    grid->setColumnMinimumWidth(kLabelColumn, 280);
    for (int c = kFirstValueColumn; c <= lastColumn; ++c)
        grid->setColumnMinimumWidth(c, kValueColumnWidth);

    int columns = 2;
    int r = 0;
    for (const PageRow& row : d.rows) {
        // Value columns of the current block sit at the right-hand side.
        const int firstColumn = kFirstValueColumn + widest - columns;
        switch (row.kind) {
        case PageRow::Title:
            grid->addWidget(makeLabel(row.text, "pageTitle", m_sheet), r++, 0, 1, span);
            break;
        case PageRow::Section:
            grid->addItem(new QSpacerItem(1, 6), r++, 0);
            grid->addWidget(makeLabel(row.text, "sectionHeading", m_sheet), r++, 0, 1, span);
            break;
        case PageRow::Note:
            grid->addWidget(makeLabel(row.text, "note", m_sheet), r++, 0, 1, span);
            break;
        case PageRow::Columns: {
            columns = row.headers.size();
            const int first = kFirstValueColumn + widest - columns;
            bool anyHeading = false;
            for (int i = 0; i < columns; ++i) {
                if (row.headers[i].isEmpty())
                    continue;
                QLabel* heading = makeLabel(row.headers[i], "columnHeading", m_sheet);
                heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                grid->addWidget(heading, r, first + i);
                anyHeading = true;
            }
            if (anyHeading)
                ++r;
            break;
        }
        case PageRow::Line:
        case PageRow::Specify:
        case PageRow::Field: {
            if (row.kind == PageRow::Specify) {
                if (QWidget* w = createCellWidget(specifyLabelCell(row), form, d.formName, row.sourceLine)) {
                    if (auto* edit = qobject_cast<QLineEdit*>(w))
                        edit->setPlaceholderText(QObject::tr("Description"));
                    grid->addWidget(w, r, kLabelColumn, Qt::AlignVCenter);
                }
            } else {
                grid->addWidget(makeLabel(row.text, "lineLabel", m_sheet), r, kLabelColumn, Qt::AlignVCenter);
            }
            if (!row.code.isEmpty()) {
                QLabel* code = makeLabel(row.code, "lineCode", m_sheet);
                code->setWordWrap(false);
                code->setAlignment(Qt::AlignCenter);
                grid->addWidget(code, r, kCodeColumn, Qt::AlignRight | Qt::AlignVCenter);
            }
            if (row.kind != PageRow::Field) {
                for (int i = 0; i < row.cells.size(); ++i)
                    if (QWidget* w = createCellWidget(row.cells[i], form, d.formName, row.sourceLine))
                        grid->addWidget(w, r, firstColumn + i, valueCellAlignment(w));
            } else {
                // Widgets that may grow (long texts) share the row; the rest keep
                // their width, left-aligned.
                auto* box = new QHBoxLayout;
                box->setSpacing(8);
                bool anyGrows = false;
                bool multiLine = false;
                for (const PageCell& cell : row.cells)
                    if (QWidget* w = createCellWidget(cell, form, d.formName, row.sourceLine)) {
                        const bool grows = w->maximumWidth() == QWIDGETSIZE_MAX &&
                                           w->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag;
                        // A list would give its width up to a growing text and cut its entry.
                        if (qobject_cast<QComboBox*>(w))
                            w->setSizePolicy(QSizePolicy::Fixed, w->sizePolicy().verticalPolicy());
                        anyGrows = anyGrows || grows;
                        multiLine = multiLine || qobject_cast<MultiLineEdit*>(w);
                        box->addWidget(w, grows ? 1 : 0);
                    }
                if (!anyGrows)
                    box->addStretch(1);
                // A multi-line text (a note, a document's content) is read as a
                // paragraph: it takes the page's width under its label.
                if (multiLine)
                    grid->addLayout(box, ++r, kLabelColumn, 1, span);
                else
                    grid->addLayout(box, r, kFirstValueColumn, 1, widest);
            }
            ++r;
            break;
        }
        case PageRow::Display: {
            grid->addWidget(makeLabel(row.text, "lineLabel", m_sheet), r, kLabelColumn, Qt::AlignVCenter);
            QLabel* shown = makeLabel(QString(), "displayText", m_sheet);
            shown->setObjectName(row.name);
            shown->setProperty("displayText", true);
            // A long result wraps instead of widening the value columns.
            shown->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
            if (m_widgets.contains(row.name))
                m_errors << QStringLiteral("page line %1: widget %2 appears twice").arg(row.sourceLine).arg(row.name);
            m_widgets.insert(row.name, shown);
            grid->addWidget(shown, r++, kFirstValueColumn, 1, widest);
            break;
        }
        case PageRow::Button: {
            auto* button = new QPushButton(row.text, m_sheet);
            button->setObjectName(row.name);
            if (m_widgets.contains(row.name))
                m_errors << QStringLiteral("page line %1: widget %2 appears twice").arg(row.sourceLine).arg(row.name);
            m_widgets.insert(row.name, button);
            // Under the entries it acts on.
            auto* box = new QHBoxLayout;
            box->addWidget(button);
            box->addStretch(1);
            grid->addLayout(box, r++, kFirstValueColumn, 1, widest);
            break;
        }
        }
    }
    scroll->setWidget(m_sheet);
}
