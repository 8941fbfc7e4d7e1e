#include "returns/t3ret.h"

#include "framework/geo_tables.h"

TaxData_T3Ret::TaxData_T3Ret() : TaxData_T3Base(1)
{
    addFieldOldName("fld_q_RqrdHoldFund", "fld_q_NotOver250K");
}

// ---- basic information

bool TaxData_T3Ret::setBasicInfo(const CString& name, int prov)
{
    // Codes 14 and up (offshore areas, multiple jurisdictions, outside Canada) are no residence province.
    if (prov < PROV_NS_OFFSHORE) {
        fld_trust_iprov = prov;
        fld_trust_icountry = COUNTRY_CANADA;
    }
    fld_trust_name = name;
    return true;
}

bool TaxData_T3Ret::getName(CString& out)
{
    if (fld_trust_name.isEmpty())
        return TaxData_T3Base::getName(out);
    out = fld_trust_name.str();
    return true;
}

bool TaxData_T3Ret::setTrustNumber(const CString& number)
{
    fld_trust_num = number;
    return true;
}

bool TaxData_T3Ret::getTrustNumber(CString& out)
{
    out = fld_trust_num.str();
    return true;
}

bool TaxData_T3Ret::setTaxYearStartEnd(const QDate& start, const QDate& end)
{
    fld_start_date = start;
    fld_end_date = end;
    return true;
}

int TaxData_T3Ret::getTaxYearStartEnd(QDate& start, QDate& end)
{
    start = fld_start_date;
    end = fld_end_date;
    return 0;
}

// ---- predicates

bool TaxData_T3Ret::isIndvTrustee() const
{
    return fld_bTrusteeIsPerson == 0;
}

const AddressFields& TaxData_T3Ret::primaryTrusteeAddress() const
{
    return isIndvTrustee() ? m_indvAddress : m_trusteeAddress;
}

bool TaxData_T3Ret::isMailAddrSame() const
{
    return fld_bSameMailAddr;
}

bool TaxData_T3Ret::isGREorQDT() const
{
    return !fld_ws_othertype;
}

bool TaxData_T3Ret::isGRE() const
{
    return fld_i903_904 == 0;
}

bool TaxData_T3Ret::isQDT() const
{
    return fld_i903_904 == 1;
}

bool TaxData_T3Ret::isSIFTFlagNeeded() const
{
    const QString& code = fld_trust_code;
    return code.compare(QLatin1String("324"), Qt::CaseInsensitive) == 0 ||
           code.compare(QLatin1String("338"), Qt::CaseInsensitive) == 0;
}
