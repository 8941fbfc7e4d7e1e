#include "pages/wst2125busi_pages.h"

#include "statements/wst2125busi.h"

WST2125Busi_tab1::WST2125Busi_tab1(DataWST2125Busi* worksheet, CTaxData_Form* form, QWidget* parent)
    : PpgWizardPage(worksheet, form, parent)
{
}

static const RegisteredWorksheetPage<WST2125Busi_tab1, DataWST2125Busi> kWST2125BusiTab1;
