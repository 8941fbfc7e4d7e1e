// Form bases. A form is a QObject holding typed field members, registered in
// declaration order, and the virtual interface the host calls, in slot order.
//
// Declaring a form:
//
//   class TaxData_Example : public CTaxDataBase01 {
//       Q_OBJECT
//   public:
//       TaxData_Example() : CTaxDataBase01(99) { addFieldOldName("fld_total", "fld_old_total"); }
//       FLD(CStringField, fld_name, 0, "", 80, 0x10000);
//       FLD(CFloatField, fld_amount, Line("10", W), 0.0, 10);
//       FLD(CFloatField, fld_1234, Record(C));
//       FLD(CFloatField, fld_total, Line("20", W), Computed);
//   };
//
// Each FLD line is the one statement of a field: its member (and so its name),
// kind, what it stands for on the printed form and in the filing (optional,
// first) and constructor arguments. Registry order, stored data, the JSON
// return file, the Java declarations, page bindings and the form's Netfile
// records all derive from it.
#pragma once

#include "framework/cstring.h"
#include "framework/field.h"
#include "framework/province.h"

#include <QObject>
#include <QList>
#include <cstddef>
#include <cstdio>
#include <list>
#include <map>
#include <string_view>
#include <vector>

class BaseTaxPage;
class CWSBaseData;
class QWidget;
class MyDataStream;
struct NetfileGenObjParamStruct;

using ENUMTYPE_FORM = int;
using ENUMTYPE_SLIP = int;
using ENUMTYPE_FROM = int;

// Declares a registered field member: FLD(Kind, member, constructor arguments...).
#define FLD(Kind, member, ...) Kind member{::FieldSlot{this, #member}, ##__VA_ARGS__}

// The host's description of a carry-forward.
struct STRUCT_IMPORT_LASTYEAR_PARAM {
    uint8_t bImportAll = 1;   // import every form that agrees to be imported
    uint8_t bKeepSlips = 1;   // received slips are carried with their payers
    uint8_t reserved = 0;
    uint8_t bSameYear = 0;    // the import keeps the tax year: dates and capital cost rows stay
    int fromYear = 2023;
    int toYear = 2024;
};
static_assert(offsetof(STRUCT_IMPORT_LASTYEAR_PARAM, bSameYear) == 3, "bSameYear is the fourth byte");

// The vocabulary of field declarations (FLD, ROW_FLD), for forms and rows.
struct FieldDeclarations {
    // Netfile value formats: whole dollars, cents, whole dollars at least one,
    // a two-way answer ("1"/"2"), a flag ("1" when set).
    static constexpr NetfileFormat W = NetfileFormat::W;
    static constexpr NetfileFormat C = NetfileFormat::C;
    static constexpr NetfileFormat M = NetfileFormat::M;
    static constexpr NetfileFormat Y = NetfileFormat::Y;
    static constexpr NetfileFormat F = NetfileFormat::F;
    // CRA line "56", written under record 56 in `format` (none: no record).
    // A line whose code is not a number ("3A", "12B") has no record.
    static constexpr FieldTag Line(const char* line, NetfileFormat format = NetfileFormat::None)
    {
        int code = 0;
        for (const char* c = line; *c; ++c) {
            if (*c < '0' || *c > '9')
                return FieldTag{line, 0, NetfileFormat::None};
            code = code * 10 + (*c - '0');
        }
        return FieldTag{line, format == NetfileFormat::None ? 0 : code, format};
    }
    // A record under the code the field's name carries ("fld_9211": 9211), or under `code`.
    static constexpr FieldTag Record(NetfileFormat format) { return FieldTag{nullptr, 0, format}; }
    static constexpr FieldTag Record(int code, NetfileFormat format) { return FieldTag{nullptr, code, format}; }
    // A total the form computes (the long amount form 0, 0.0, 0, 1, 0, 0, 0x10000).
    static constexpr ComputedTotal Computed{};
    // An entry that shows `count` decimals instead of two (an exchange rate, a ratio).
    static constexpr ShownDecimals Decimals(int count) { return ShownDecimals{count}; }
};

class CTaxData_Form : public QObject, public FieldDeclarations {
    Q_OBJECT
public:
    explicit CTaxData_Form(ENUMTYPE_FORM formType = 0);
    ~CTaxData_Form() override;


    // ---- virtual interface, in slot order (after the QObject ones)
    // Appends the pages of the form's description (described_page.h).
    virtual void getUIPages(QList<BaseTaxPage*>& pages, QWidget* parent);
    virtual CTaxData_Form& operator=(const CTaxData_Form& other);
    virtual bool operator!=(const CTaxData_Form& other) const;
    // Sets the amount field whose line number is `lineNum`; answers 0, or -1 when none.
    virtual int setFloatField(int lineNum, double value);
    virtual int hostOperation5() { return 0; }
    virtual bool ShouldBeImported(unsigned char purpose, ENUMTYPE_PROVINCE prov);
    virtual int ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param);
    // Sets the field whose line number is `lineNum` from text; 0, or -1 when
    // there is no such field or the text does not fit it.
    virtual int setFieldDataByFldNumAndString(int lineNum, const CString& text);
    virtual int hostOperation9() { return 0; }
    virtual int Serialize(unsigned int version, const CString& password, MyDataStream& ar);
    virtual bool GetDisplayName(CString& out);
    virtual int resetForCalculation() { return 0; }
    virtual int Calculate02() { return 0; }
    virtual int Warning(std::list<CString>& /*messages*/) { return 0; }
    virtual int ValidateAndCorrect() { return 0; }
    virtual int Validate(unsigned char purpose, std::list<CString>& messages);
    virtual bool IsEligibleForPurpose(unsigned char purpose, CString& reason);
    virtual bool shouldSkipWriteNetfile() { return false; }
    virtual int WriteNetfile(unsigned char purpose, NetfileGenObjParamStruct* ctx);
    virtual int WriteNetfileForLoopedString(unsigned char purpose, NetfileGenObjParamStruct* ctx, int loop);
    virtual int WriteXMLPrintLayout(FILE* out);
    virtual int WriteJavaFile(const char* directory, const char* className, bool overwrite);
    virtual int WriteXMLFile(const char* path, const char* rootTag, const char* className, unsigned int version);
    virtual int FillTestPrintData();
    virtual int WriteJavaFileDeclaration(FILE* out);
    virtual int WriteJavaFileContruction(FILE* out);
    virtual int WriteJavaFileImplementation(FILE* out);

    // ---- field registry
    const std::vector<CField*>& fields() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    // The field with this name or former name, or nullptr.
    CField* findField(std::string_view name) const;
    int fieldIndex(std::string_view name) const;  // -1 when absent (former names included)
    void addFieldOldName(const char* current, const char* old);
    const std::vector<std::pair<const char*, const char*>>& oldNames() const { return m_oldNames; }
    void registerField(CField* field);
    // The worksheets the form holds (worksheet.h), in declaration order.
    const std::vector<CWSBaseData*>& worksheets() const { return m_worksheets; }
    void addWorksheet(CWSBaseData* worksheet) { m_worksheets.push_back(worksheet); }
    // About how many bytes the form's stream additions (what Serialize stores
    // beyond its registry: extra rows, entries) take, so that a save can size
    // its buffer once instead of regrowing it through a large schedule.
    virtual size_t storedAdditionsSize() const { return 0; }

    // Class name without the "TaxData_" prefix ("T3Ret"); "CSlipData_T4AP" keeps its name.
    QString shortClassName() const;

    ENUMTYPE_FORM formType() const { return m_formType; }
    int getProvince() const { return m_province; }
    void setProvince(int prov) { m_province = prov; }
    // Position of this form among the forms of its class in the return (1-based), set by the host.
    int seqNum() const { return m_seqNum; }
    void setSeqNum(int n) { m_seqNum = n; }

protected:
    // Stores or loads the registered fields: a u32 count, then each field's
    // entry. Loading matches stored names to fields, former names included.
    int SerializeFields(unsigned int version, MyDataStream& ar);

private:
    CTaxData_Form(const CTaxData_Form&) = delete;

    std::vector<CField*> m_fields;
    std::vector<std::pair<const char*, const char*>> m_oldNames;  // (current, former)
    std::vector<CWSBaseData*> m_worksheets;
    ENUMTYPE_FORM m_formType;
    int m_province = PROV_NONE;
    int m_seqNum = 1;
};

// Base of the forms with a form-type id.
class CTaxDataBase01 : public CTaxData_Form {
    Q_OBJECT
public:
    explicit CTaxDataBase01(ENUMTYPE_FORM formType) : CTaxData_Form(formType) {}
    // Name and account-number entries (filled by the return on the e-file authorization).
    CString m_strName;
    CString m_strAccount;
};

// Where a slip comes from (its origin): received by the trust, or issued by it.
constexpr ENUMTYPE_FROM kSlipReceivedByTrust = 1;
constexpr ENUMTYPE_FROM kSlipIssuedByTrust = 3;

struct STRU_SLIPDATA_CALCULATION;

// One box shown for a slip in the slips table and by `trustella slips`.
struct SlipKeyBox {
    QString box;  // "21", "Box 13"
    double amount = 0.0;
};

// Base of the information slips.
class CSlipTaxDataBase01 : public CTaxData_Form {
    Q_OBJECT
public:
    CSlipTaxDataBase01(ENUMTYPE_SLIP slipType, ENUMTYPE_FROM from)
        : CTaxData_Form(0), m_slipType(slipType), m_from(from)
    {
    }
    ENUMTYPE_SLIP slipType() const { return m_slipType; }
    ENUMTYPE_FROM slipFrom() const { return m_from; }

    virtual bool GetDocName(CString& out);
    virtual bool GetDocID(CString& out);
    virtual bool GetDocDescription(CString& out);
    virtual int getSlipContentForAttachDoc(CString& out, std::map<CString, CString>& values);
    virtual int updateConfirmationCode(const CString& confirmation, const CString& fileDate);

    // A received slip adds the trust's share of its boxes to the slip totals
    // (after its Calculate02), marking the members it feeds; issued slips add nothing.
    virtual void addToSlipTotals(STRU_SLIPDATA_CALCULATION& /*totals*/) const {}
    // The other party: the recipient of an issued slip, the payer of a received one.
    virtual CString slipParty() const { return {}; }
    // The few boxes that identify the slip in a list.
    virtual std::vector<SlipKeyBox> slipKeyBoxes() const { return {}; }
    bool issuedByTrust() const { return m_from == kSlipIssuedByTrust; }

    CString m_confirmationCode;  // last electronic filing confirmation of this slip
    CString m_fileDate;

private:
    ENUMTYPE_SLIP m_slipType;
    ENUMTYPE_FROM m_from;
};

