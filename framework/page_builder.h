// The one builder of described pages: turns a page description
// (page_description.h) into a scrolling form sheet of labels, line codes and
// bound widgets whose object names are the field names, picking each
// widget's kind from its field's kind.
#pragma once

#include "framework/page_base.h"
#include "framework/page_description.h"

#include <QHash>
#include <QImage>
#include <QStringList>
#include <QVector>
#include <memory>

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

// Base of the page classes built from descriptions: each class builds the
// description registered under its own class name.
class DescribedTaxPage : public BaseTaxPage {
    Q_OBJECT
public:
    using BaseTaxPage::BaseTaxPage;
    ~DescribedTaxPage() override;
    PageUi* ui() const { return m_ui.get(); }

protected:
    // For the page class's constructors: builds the widgets described for
    // the class, binds them (AssociateFormData) and shows the form's values.
    void setupDescribedPage();
    // For AssociateFormData: binds every described widget to its field.
    void bindDescribedWidgets();

private:
    std::unique_ptr<PageUi> m_ui;
};

// The whole of a page at the given width, as printed or shown in a
// screenshot: a described page's full sheet (not only the scrolled part),
// any other page as it is.
QImage renderPageSheet(BaseTaxPage* page, int width);

// Defines a described page class's two constructors, which build the page.
#define DEFINE_DESCRIBED_PAGE_CONSTRUCTORS(Class)                                                           \
    Class::Class(int id, CTaxData_Form* form, QWidget* parent) : DescribedTaxPage(id, form, parent)         \
    {                                                                                                       \
        setupDescribedPage();                                                                               \
    }                                                                                                       \
    Class::Class(const char* title, CTaxData_Form* form, QWidget* parent)                                   \
        : DescribedTaxPage(title, form, parent)                                                             \
    {                                                                                                       \
        setupDescribedPage();                                                                               \
    }

// Defines the constructors and an AssociateFormData that binds the described
// widgets only on a form of class FormClass:
//   DEFINE_DESCRIBED_PAGE(TaxForm_T3Ret_tab1, TaxData_T3Ret)
#define DEFINE_DESCRIBED_PAGE(Class, FormClass)                                                             \
    DEFINE_DESCRIBED_PAGE_CONSTRUCTORS(Class)                                                               \
    void Class::AssociateFormData()                                                                         \
    {                                                                                                       \
        if (qobject_cast<FormClass*>(form()))                                                               \
            bindDescribedWidgets();                                                                         \
    }
