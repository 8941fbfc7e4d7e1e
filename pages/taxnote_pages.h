// Page class of the tax note; its layout is in taxnote_layout.cpp.
#pragma once

#include "framework/page_builder.h"

class TaxForm_TaxNote_tab1 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_TaxNote_tab1(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_TaxNote_tab1(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
};
