// The page of Form T183 TRUST (layout in t183trust_layout.cpp): the
// control-number and e-signature buttons.
#pragma once

#include "framework/described_page.h"

#include <QEvent>

// Application events the page posts to the host for the e-signature.
constexpr QEvent::Type kEventRequestESignature = QEvent::Type(1831);
constexpr QEvent::Type kEventFetchESignatureTime = QEvent::Type(1832);

class TaxForm_T183Trust_tab1 : public DescribedTaxPage {
    Q_OBJECT
public:
    using DescribedTaxPage::DescribedTaxPage;
    void AssociateFormData() override;

public slots:
    // The three ways of making the document control number; each redisplays the page.
    void OnbtnT183_ControlNum1();
    void OnbtnT183_ControlNum2();
    void OnbtnT183_ControlNum3();
    // Posted to the application: the host asks for, or fetches, the e-signature.
    void OnbtnT183_RequestESignature();
    void OnbtnT183_GetESignatureTime();
};
