#include "returns/t3base.h"

#include "framework/datetexts.h"
#include "framework/year_figures.h"
#include "returns/t183trust.h"

TaxData_T3Base::TaxData_T3Base(ENUMTYPE_FORM formType) : CTaxData_Form(formType), m_returnFormType(formType) {}

int TaxData_T3Base::Calculate(TaxData_T2000* /*t2000*/)
{
    return 0;
}

int TaxData_T3Base::updateT183Trust(TaxData_T183Trust* t183)
{
    if (!t183)
        return 0;
    t183->m_returnType = m_returnFormType;
    getName(t183->m_strName);
    getTrustNumber(t183->m_strAccount);
    return 0;
}

int TaxData_T3Base::writeJsonHeader(json& /*doc*/)
{
    return 0;
}

int TaxData_T3Base::writeJsonMainPart1(json& /*doc*/)
{
    return 0;
}

int TaxData_T3Base::writeJsonPrimaryTrustee(json& /*doc*/)
{
    return 0;
}

bool TaxData_T3Base::setBasicInfo(const CString& name, int prov)
{
    if (m_basic.name)
        m_basic.name->setClipped(name);
    if (m_basic.province)
        *m_basic.province = prov;
    return m_basic.name || m_basic.province;
}

bool TaxData_T3Base::getName(CString& out)
{
    out = m_basic.name && !m_basic.name->value().isEmpty() ? m_basic.name->value() : CString("_unamed");
    return true;
}

bool TaxData_T3Base::setTrustNumber(const CString& number)
{
    if (!m_basic.number)
        return false;
    m_basic.number->setClipped(number);
    return true;
}

bool TaxData_T3Base::getTrustNumber(CString& out)
{
    out = m_basic.number ? m_basic.number->value() : CString();
    return m_basic.number != nullptr;
}

// The other return types are filed for the calendar year: nothing to set.
bool TaxData_T3Base::setTaxYearStartEnd(const QDate& /*start*/, const QDate& /*end*/)
{
    return m_basic.number != nullptr;
}

int TaxData_T3Base::getTaxYearStartEnd(QDate& start, QDate& end)
{
    const bool calendarYear = m_basic.number != nullptr;
    start = calendarYear ? QDate(year_figures::kTaxYear, 1, 1) : QDate();
    end = calendarYear ? QDate(year_figures::kTaxYear, 12, 31) : QDate();
    return 0;
}

double TaxData_T3Base::getBalOrDue()
{
    return m_basic.balance ? m_basic.balance->value() : 0.0;
}

bool TaxData_T3Base::getTaxReturnResult(CString& out)
{
    if (!m_basic.resultFormat) {
        out = "not implemented";
        return false;
    }
    QString text = QString::fromLatin1(m_basic.resultFormat);
    for (const CFloatField* amount : m_basic.resultAmounts)
        text = text.arg(QString::number(amount->value(), 'f', 2));
    out = text;
    return true;
}

void TaxData_T3Base::fillT183Trustee(TaxData_T183Trust* t183, const CStringField& first, const CStringField& last,
                                     const AddressFields& address)
{
    t183->fld_trustee_name.setClipped(first.value() + QLatin1Char(' ') + last);
    t183->m_address.copyFrom(address);
}

bool TaxData_T3Base::ShouldBeImported(unsigned char /*purpose*/, ENUMTYPE_PROVINCE /*prov*/)
{
    return true;
}

int TaxData_T3Base::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& /*param*/)
{
    fld_ws_FileDate = "";
    fld_ws_FileStatus = 0;
    fld_ws_ConfirmCode = "";
    return 0;
}

int TaxData_T3Base::setCIFStatus(int status, const CString& fileDate, const CString& confirmation)
{
    fld_ws_FileDate = fileDate;
    if (status != 1 && fld_ws_FileStatus > 0)
        return status;
    fld_ws_FileStatus = status;
    fld_ws_ConfirmCode = confirmation;
    fld_ws_FileDate = GetCurTime();
    return status;
}

int TaxData_T3Base::getRefundCode(std::string& out, int code)
{
    static const char* const codes[] = {"ISSUE_OVERPAYMENT_00", "TRANSFER_OVERPAYMENT_01", "ISSUE_OVERPAYMENT_02"};
    if (code >= 0 && code < 3)
        out = codes[code];
    return 0;
}
