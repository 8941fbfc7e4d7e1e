// The T3 return's result page (layout in t3ret_layout.cpp): Step 5, the
// certification, and what the return reports: its one-line result, the
// balance owing or refund and the e-filing status.
#pragma once

#include "framework/described_page.h"

class TaxForm_T3Ret_tab5 : public DescribedTaxPage {
    Q_OBJECT
public:
    using DescribedTaxPage::DescribedTaxPage;
    void GetDataFromDoc() override;

    // "Not filed yet", "Filed successfully", "Amended", "Amended and re-Filed"
    // for e-filing status 0 (or none recorded) to 3.
    static QString efileStatusText(int status);
    // "Balance owing: 12.30", "Refund: 4.00" or "No balance owing and no refund".
    static QString balanceText(double balanceOrRefund);
};
