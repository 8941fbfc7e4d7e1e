// Worksheet pages and the dialog a form page opens them in.
#pragma once

#include "framework/described_page.h"

#include <QDialog>
#include <memory>

class CWSBaseData;

// A worksheet page: built from the first page of the worksheet's description
// and bound to the worksheet's fields; `form` is the form that holds the
// worksheet. The page is built by this constructor, so a worksheet page
// class adds behaviour through signals, not through the building overrides.
class PpgWizardPage : public DescribedTaxPage {
    Q_OBJECT
public:
    PpgWizardPage(CWSBaseData* worksheet, CTaxData_Form* form, QWidget* parent = nullptr);
    CWSBaseData* worksheet() const { return m_worksheet; }
    CTaxData_Form* ownerForm() const { return m_ownerForm; }
    virtual bool validatePage() { return true; }

private:
    CWSBaseData* m_worksheet;
    CTaxData_Form* m_ownerForm;
};

// The dialog of worksheet `which` of `page` (its getWorksheetEditDlg), or
// nullptr when the page has none. Each edit in it is reported by `page` as an
// edit of the page's form (the worksheet's fields are the form's), so it is
// one undo step like any other; OK asks the worksheet page to validate.
std::unique_ptr<QDialog> worksheetEditDialog(BaseTaxPage& page, int which, long param);

// Registers a worksheet page class at library load, so that the worksheet's
// pages are built as that class:
//   static const RegisteredWorksheetPage<WST2125Busi_tab1, DataWST2125Busi> kPage;
template <class Page, class Worksheet>
struct RegisteredWorksheetPage {
    RegisteredWorksheetPage()
    {
        PageClassRegistry::instance().add(
            QString::fromLatin1(Page::staticMetaObject.className()),
            [](const PageDescription&, CTaxData_Form* form, QWidget* parent) -> DescribedTaxPage* {
                auto* worksheet = qobject_cast<Worksheet*>(form);
                return new Page(worksheet, worksheet ? worksheet->owner() : nullptr, parent);
            });
    }
};
