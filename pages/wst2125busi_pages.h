// The page of the business statement's sales and fees worksheets.
#pragma once

#include "framework/worksheet_page.h"

class DataWST2125Busi;

class WST2125Busi_tab1 : public PpgWizardPage {
    Q_OBJECT
public:
    WST2125Busi_tab1(DataWST2125Busi* worksheet, CTaxData_Form* form, QWidget* parent = nullptr);
};
