#include "taxcalc/provincial_tax_manager.h"

CProvincialTaxManager::~CProvincialTaxManager() = default;

int CProvincialTaxManager::setDataForJurisdiction(bool needed, float value)
{
    m_needed = needed;
    m_value = value;
    return 0;
}

bool CProvincialTaxManager::isNeeded()
{
    return m_needed;
}

// The defaults of the unnamed operations: 0, true or nothing.
int CProvincialTaxManager::operation5() { return 0; }
int CProvincialTaxManager::operation7() { return 0; }
int CProvincialTaxManager::operation8() { return 0; }
int CProvincialTaxManager::operation9() { return 0; }
int CProvincialTaxManager::operation10() { return 0; }
void CProvincialTaxManager::operation11() {}
void CProvincialTaxManager::operation12() {}
int CProvincialTaxManager::operation13() { return 0; }
int CProvincialTaxManager::operation14() { return 0; }
int CProvincialTaxManager::operation15() { return 0; }
int CProvincialTaxManager::operation16() { return 0; }
int CProvincialTaxManager::operation17() { return 0; }
int CProvincialTaxManager::operation19() { return 0; }
bool CProvincialTaxManager::operation21() { return true; }
int CProvincialTaxManager::operation22() { return 0; }
void CProvincialTaxManager::operation24() {}
void CProvincialTaxManager::operation25() {}

int CProvincialTaxManager::CalculateBefore_S5StepLast(TaxData_T3Ret* /*ret*/, TaxData_Sch5* /*sch5*/,
                                                      TaxData_Sch7* /*sch7*/)
{
    return 0;
}

bool CProvincialTaxManager::AnyMsgBeforeNetfile(TaxData_T3Ret* /*ret*/, TaxData_Sch5* /*sch5*/,
                                                std::list<CString>& /*messages*/)
{
    return true;
}

double CProvincialTaxManager::getProvTaxIncomeInvolved(TaxData_T3Ret* /*ret*/, TaxData_Sch5* /*sch5*/,
                                                       ENUMTYPE_PROVINCE /*prov*/, bool& involved)
{
    involved = false;
    return 0.0;
}

double CProvincialTaxManager::getProvTaxIncome(TaxData_T3Ret* /*ret*/, TaxData_Sch5* /*sch5*/,
                                               ENUMTYPE_PROVINCE /*prov*/)
{
    return 0.0;
}
