// Page classes of Schedule 11; their layouts are in sch11_layout.cpp.
#pragma once

#include "framework/page_builder.h"

// Step 1 and Step 2 up to line 23.
class TaxForm_Sch11_tab1 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_Sch11_tab1(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_Sch11_tab1(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
};

// Lines 23 to 35.
class TaxForm_Sch11_tab2 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_Sch11_tab2(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_Sch11_tab2(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
};
