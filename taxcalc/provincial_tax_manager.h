// The interface of a provincial or territorial calculation component. A
// component derives from CProvincialTaxManager, supplies the two pure
// operations and overrides the ones it needs; the host registers it
// (host/provincial_components.h) and calls it before Schedule 5's last step
// and before Netfile output. The unnamed operations keep their places in the
// table of virtual operations for the components that define them.
#pragma once

#include "framework/cstring.h"
#include "framework/province.h"

#include <list>

class TaxData_T3Ret;
class TaxData_Sch5;
class TaxData_Sch7;

class CProvincialTaxManager {
public:
    CProvincialTaxManager() = default;
    virtual ~CProvincialTaxManager();  // the destructor and the deleting destructor
    CProvincialTaxManager(const CProvincialTaxManager&) = delete;
    CProvincialTaxManager& operator=(const CProvincialTaxManager&) = delete;

    // Stores whether the component is needed and the host's value for it.
    virtual int setDataForJurisdiction(bool needed, float value);
    virtual bool isNeeded();
    virtual int operation5();
    virtual int operation6() = 0;
    virtual int operation7();
    virtual int operation8();
    virtual int operation9();
    virtual int operation10();
    virtual void operation11();
    virtual void operation12();
    virtual int operation13();
    virtual int operation14();
    virtual int operation15();
    virtual int operation16();
    virtual int operation17();
    // Fills the component's Schedule 5 lines before Schedule 5's net lines.
    virtual int CalculateBefore_S5StepLast(TaxData_T3Ret* ret, TaxData_Sch5* sch5, TaxData_Sch7* sch7);
    virtual int operation19();
    // Adds the messages that stop Netfile output; false stops it as well.
    virtual bool AnyMsgBeforeNetfile(TaxData_T3Ret* ret, TaxData_Sch5* sch5, std::list<CString>& messages);
    virtual bool operation21();
    virtual int operation22();
    virtual int operation23() = 0;
    virtual void operation24();
    virtual void operation25();

    // The provincial taxable income involved for `prov`: none here.
    double getProvTaxIncomeInvolved(TaxData_T3Ret* ret, TaxData_Sch5* sch5, ENUMTYPE_PROVINCE prov, bool& involved);
    double getProvTaxIncome(TaxData_T3Ret* ret, TaxData_Sch5* sch5, ENUMTYPE_PROVINCE prov);

protected:
    bool m_needed = false;
    float m_value = 0.0f;
};
