// Pages built from their descriptions. A form's pages are the pages of its
// description (pages/<form>_layout.cpp), in order: the base getUIPages builds
// them, so a form declares nothing for its pages. A page with behaviour (a
// button, a computed display) is a class derived from DescribedTaxPage,
// named as in its `page` line and registered with RegisteredPageClass; every
// other page is a plain DescribedTaxPage.
#pragma once

#include "framework/page_base.h"
#include "framework/page_builder.h"

#include <QImage>
#include <QList>
#include <functional>
#include <memory>

class DescribedTaxPage : public BaseTaxPage {
    Q_OBJECT
public:
    // Takes its id or title from the description; create() builds it.
    DescribedTaxPage(const PageDescription& description, CTaxData_Form* form, QWidget* parent = nullptr);
    ~DescribedTaxPage() override;

    // The page's class name as its `page` line gives it ("TaxForm_Sch11_tab1"),
    // also the object name.
    const QString& pageName() const { return m_description.className; }
    const PageDescription& description() const { return m_description; }
    PageUi* ui() const { return m_ui.get(); }

    // Binds every described widget to its field; a page class with buttons
    // connects them after calling this.
    void AssociateFormData() override;

    // Opens worksheet `which` (getWorksheetEditDlg) when the button named
    // `buttonName` is clicked; the page lists the worksheets it so opens.
    void openWorksheetOnClick(const QString& buttonName, int which);
    const QList<int>& openedWorksheets() const { return m_openedWorksheets; }

    // The page of `description` on `form`: an object of the class registered
    // under the page's name, else a plain described page; built, bound and
    // showing the form's values.
    static DescribedTaxPage* create(const PageDescription& description, CTaxData_Form* form, QWidget* parent);

protected:
    // Builds the widgets, binds them and shows the form's values (once).
    void build();

private:
    PageDescription m_description;
    std::unique_ptr<PageUi> m_ui;
    QList<int> m_openedWorksheets;
};

// The pages of the form's description, appended in page order (the base
// getUIPages); none when the form has no description.
void appendDescribedPages(CTaxData_Form& form, QList<BaseTaxPage*>& pages, QWidget* parent);

// Page classes with behaviour, by class name.
class PageClassRegistry {
public:
    using Factory = std::function<DescribedTaxPage*(const PageDescription&, CTaxData_Form*, QWidget*)>;
    static PageClassRegistry& instance();
    void add(const QString& className, Factory factory);
    const Factory* find(const QString& className) const;
    QStringList classNames() const;

private:
    QHash<QString, Factory> m_factories;
};

// Registers a page class at library load under its own class name:
//   static const RegisteredPageClass<TaxForm_Sch9_tab1> kSch9Tab1;
template <class Page>
struct RegisteredPageClass {
    RegisteredPageClass()
    {
        PageClassRegistry::instance().add(
            QString::fromLatin1(Page::staticMetaObject.className()),
            [](const PageDescription& d, CTaxData_Form* form, QWidget* parent) { return new Page(d, form, parent); });
    }
};

// The whole of a page at the given width, as printed or shown in a
// screenshot: a described page's full sheet (not only the scrolled part),
// any other page as it is.
QImage renderPageSheet(BaseTaxPage* page, int width);
