// Schedule 9's first page (layout in sch9_layout.cpp): the automatic
// allocation of all income.
#pragma once

#include "framework/described_page.h"

class TaxForm_Sch9_tab1 : public DescribedTaxPage {
    Q_OBJECT
public:
    using DescribedTaxPage::DescribedTaxPage;
    void AssociateFormData() override;
    // Offers the automatic allocation once the host has handed the schedule its return.
    void GetDataFromDoc() override;

public slots:
    // Fills column 1 from the return and the slips, then redisplays the page.
    void OnbtnT3Sch9_Alloc_Full_Income();
};
