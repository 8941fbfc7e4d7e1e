#include "returns/t3base.h"

#include "framework/datetexts.h"
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

bool TaxData_T3Base::setBasicInfo(const CString& /*name*/, int /*prov*/)
{
    return false;
}

bool TaxData_T3Base::getName(CString& out)
{
    out = "_unamed";
    return true;
}

bool TaxData_T3Base::setTrustNumber(const CString& /*number*/)
{
    return false;
}

bool TaxData_T3Base::getTrustNumber(CString& out)
{
    out.clear();
    return false;
}

bool TaxData_T3Base::setTaxYearStartEnd(const QDate& /*start*/, const QDate& /*end*/)
{
    return false;
}

int TaxData_T3Base::getTaxYearStartEnd(QDate& start, QDate& end)
{
    start = QDate();
    end = QDate();
    return 0;
}

double TaxData_T3Base::getBalOrDue()
{
    return 0.0;
}

bool TaxData_T3Base::getTaxReturnResult(CString& out)
{
    out = "not implemented";
    return false;
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
