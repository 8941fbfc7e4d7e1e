// Page classes of the T3 return; their layouts are in t3ret_layout.cpp.
#pragma once

#include "framework/page_builder.h"

class TaxForm_T3Ret_tab1 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_T3Ret_tab1(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_T3Ret_tab1(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
};

class TaxForm_T3Ret_tab2 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_T3Ret_tab2(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_T3Ret_tab2(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
};

class TaxForm_T3Ret_tab3 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_T3Ret_tab3(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_T3Ret_tab3(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
};

class TaxForm_T3Ret_tab4 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_T3Ret_tab4(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_T3Ret_tab4(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
};

// Step 5, the certification, and what the return reports: its one-line
// result, the balance owing or refund and the e-filing status.
class TaxForm_T3Ret_tab5 : public DescribedTaxPage {
    Q_OBJECT
public:
    TaxForm_T3Ret_tab5(int id, CTaxData_Form* form, QWidget* parent = nullptr);
    TaxForm_T3Ret_tab5(const char* title, CTaxData_Form* form, QWidget* parent = nullptr);
    void AssociateFormData() override;
    void GetDataFromDoc() override;

    // "Not filed yet", "Filed successfully", "Amended", "Amended and re-Filed"
    // for e-filing status 0 (or none recorded) to 3.
    static QString efileStatusText(int status);
    // "Balance owing: 12.30", "Refund: 4.00" or "No balance owing and no refund".
    static QString balanceText(double balanceOrRefund);
};
