// The one builder of described pages: turns a page description
// (page_description.h) into a scrolling form sheet of labels, line codes and
// bound widgets whose object names are the field names, picking each
// widget's kind from its field's kind.
#pragma once

#include "framework/page_base.h"
#include "framework/page_description.h"

#include <QHash>
#include <QStringList>
#include <QVector>

class CTaxData_Form;
class QLabel;
class QPushButton;

// The widget kind a cell's field gets: amounts and percentages an amount
// line, texts a text line (or multi-line with :multiline), answers and
// choices the radio group or list named by the cell, yes/no a check box,
// dates and moments their date widgets. False, with the reason, when the
// cell does not fit its field.
bool describedWidgetKind(const PageCell& cell, const CField& field, const ChoiceList* list, BoundWidgetKind& kind,
                         QString& error);

// A bound widget as a description gives it, without building the page.
struct DescribedWidget {
    QString objectName;
    QString fieldName;
    BoundWidgetKind kind;
};
// The bound widgets of a page description in page order: exactly the ones
// the builder creates, for lists and tools that run without a window system.
// Cells that do not fit their form are left out and named in `errors`.
QVector<DescribedWidget> describedWidgets(const PageDescription& description, const CTaxData_Form& form,
                                          QStringList* errors = nullptr);

// The interface object of a described page: owns nothing (Qt parents own the
// widgets) and finds them by name.
class PageUi {
public:
    struct BoundCell {
        QWidget* widget;
        QString fieldName;
    };

    // Builds the sheet into `page` (which gets a layout holding a scroll area).
    // Problems (unknown fields, cells that do not fit) go to errors() and the
    // cell shows a marked placeholder.
    void setupUi(QWidget* page, const PageDescription& description, const CTaxData_Form& form);

    QWidget* sheet() const { return m_sheet; }  // the whole form sheet
    QWidget* widget(const QString& objectName) const { return m_widgets.value(objectName, nullptr); }
    QPushButton* button(const QString& objectName) const;
    QLabel* display(const QString& objectName) const;  // a `display` line's text
    const QVector<BoundCell>& boundCells() const { return m_bound; }  // in page order
    const QStringList& errors() const { return m_errors; }

private:
    QWidget* createCellWidget(const PageCell& cell, const CTaxData_Form& form, const QString& formName, int line);
    QWidget* m_sheet = nullptr;
    QHash<QString, QWidget*> m_widgets;
    QVector<BoundCell> m_bound;
    QStringList m_errors;
};
