// Page classes of Schedule 9; their layouts are in sch9_layout.cpp.
#pragma once

#include "framework/page_builder.h"

// Questions, Parts A and B, and the automatic allocation of all income.
class TaxForm_Sch9_tab1 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_Sch9_tab1(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_Sch9_tab1(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
    // Offers the automatic allocation once the host has handed the schedule its return.
    void GetDataFromDoc() override;

public slots:
    // Fills column 1 from the return and the slips, then redisplays the page.
    void OnbtnT3Sch9_Alloc_Full_Income();
};

// Part C, Period 1 and Period 2 amounts.
class TaxForm_Sch9_tab2 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_Sch9_tab2(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_Sch9_tab2(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
};
