#include "pages/t183trust_pages.h"

#include "returns/t183trust.h"

#include <QCoreApplication>
#include <QPushButton>

static const RegisteredPageClass<TaxForm_T183Trust_tab1> kT183Tab1;

void TaxForm_T183Trust_tab1::AssociateFormData()
{
    DescribedTaxPage::AssociateFormData();
    const struct {
        const char* button;
        void (TaxForm_T183Trust_tab1::*slot)();
    } actions[] = {
        {"btnT183_ControlNum1", &TaxForm_T183Trust_tab1::OnbtnT183_ControlNum1},
        {"btnT183_ControlNum2", &TaxForm_T183Trust_tab1::OnbtnT183_ControlNum2},
        {"btnT183_ControlNum3", &TaxForm_T183Trust_tab1::OnbtnT183_ControlNum3},
        {"btnT183_RequestESignature", &TaxForm_T183Trust_tab1::OnbtnT183_RequestESignature},
        {"btnT183_GetESignatureTime", &TaxForm_T183Trust_tab1::OnbtnT183_GetESignatureTime},
    };
    for (const auto& action : actions)
        if (QPushButton* button = ui()->button(QLatin1String(action.button)))
            connect(button, &QPushButton::clicked, this, action.slot);
}

void TaxForm_T183Trust_tab1::OnbtnT183_ControlNum1()
{
    if (auto* t183 = qobject_cast<TaxData_T183Trust*>(form()))
        runFormAction(tr("Make the control number"), [t183] { t183->generateControlNumber1(); });
}

void TaxForm_T183Trust_tab1::OnbtnT183_ControlNum2()
{
    if (auto* t183 = qobject_cast<TaxData_T183Trust*>(form()))
        runFormAction(tr("Make the control number"), [t183] { t183->generateControlNumber2(); });
}

void TaxForm_T183Trust_tab1::OnbtnT183_ControlNum3()
{
    if (auto* t183 = qobject_cast<TaxData_T183Trust*>(form()))
        runFormAction(tr("Make the control number"), [t183] { t183->generateControlNumber3(); });
}

void TaxForm_T183Trust_tab1::OnbtnT183_RequestESignature()
{
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(kEventRequestESignature));
}

void TaxForm_T183Trust_tab1::OnbtnT183_GetESignatureTime()
{
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(kEventFetchESignatureTime));
}
