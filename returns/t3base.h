// Base of the five trust return types (T3, T3ATH-IND, T3-RCA, T3M, T3S):
// the e-filing status every type records, the basic-information interface
// the host and the e-file authorization use, and the JSON writer slots.
#pragma once

#include "framework/address_fields.h"
#include "framework/form.h"

#include <nlohmann/json_fwd.hpp>

#include <QDate>
#include <array>
#include <string>

class TaxData_T2000;
class TaxData_T183Trust;

using json = nlohmann::ordered_json;

class TaxData_T3Base : public CTaxData_Form {
    Q_OBJECT
public:
    explicit TaxData_T3Base(ENUMTYPE_FORM formType);

    // ---- trust return slots, in the host's slot order
    // Each return type its own; the T3 return is calculated in steps instead and answers 0.
    virtual int Calculate(TaxData_T2000* t2000);
    // Fills the e-file authorization; this base part sets its return type, name and account number.
    virtual int updateT183Trust(TaxData_T183Trust* t183);
    // JSON filing document (overridden by each return type's writer).
    virtual int writeJsonHeader(json& doc);
    virtual int writeJsonMainPart1(json& doc);
    virtual int writeJsonPrimaryTrustee(json& doc);
    virtual int getIssuingSlipEntityData(json& doc);
    virtual bool setBasicInfo(const CString& name, int prov);
    // The trust's name; a return type without one gives "_unamed".
    virtual bool getName(CString& out);
    virtual bool setTrustNumber(const CString& number);
    virtual bool getTrustNumber(CString& out);
    virtual bool setTaxYearStartEnd(const QDate& start, const QDate& end);
    virtual int getTaxYearStartEnd(QDate& start, QDate& end);
    // Positive: balance owing; negative: refund.
    virtual double getBalOrDue();
    // One-line summary for the host; a return type without one gives "not implemented" and false.
    virtual bool getTaxReturnResult(CString& out);

    bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov) override;
    // A new year starts unfiled. Amounts are kept: the first calculation recomputes them.
    int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param) override;

    // Records the outcome of a filing. A recorded status (above 0) is only
    // replaced by status 1; the filing date text is taken in any case.
    int setCIFStatus(int status, const CString& fileDate, const CString& confirmation);
    // Refund code of the JSON document for fld_RefCode 0, 1, 2; another code leaves `out` as it is.
    int getRefundCode(std::string& out, int code);

    // The form-type id this return was created with (1 for the T3 return).
    ENUMTYPE_FORM returnFormType() const { return m_returnFormType; }

    // Line of the trust's designation: 903 (GRE), 904 (QDT) or 0.
    int m_designationLine = 0;

    FLD(CBoolField, fld_ws_bSetStatus, false, 0x10000);
    FLD(CIntField, fld_ws_FileStatus, -1, 0x10000);
    FLD(CStringField, fld_ws_ConfirmCode, 0, "", 80, 0x10000);
    FLD(CStringField, fld_ws_FileDate, 0, "", 80, 0x10000);

protected:
    // The fields behind the basic-information operations of a return type
    // filed for a calendar year (every type but the T3 return), bound once by
    // its constructor. A null field is one the type does not keep.
    struct BasicInfo {
        CStringField* name = nullptr;         // setBasicInfo's name, getName
        CStringField* number = nullptr;       // the trust's account number
        CIntField* province = nullptr;        // setBasicInfo's province
        const CFloatField* balance = nullptr;  // getBalOrDue
        const char* resultFormat = nullptr;    // getTaxReturnResult: four amounts, two decimals
        std::array<const CFloatField*, 4> resultAmounts{};
    };
    void bindBasicInfo(const BasicInfo& info) { m_basic = info; }
    // The trustee part of the authorization every other return type fills:
    // name, address and phone.
    static void fillT183Trustee(TaxData_T183Trust* t183, const CStringField& first, const CStringField& last,
                                const AddressFields& address);

private:
    BasicInfo m_basic;
    ENUMTYPE_FORM m_returnFormType;
};
