#include "returns/t183trust.h"

#include "framework/datetexts.h"
#include "framework/geo_tables.h"
#include "framework/validation_messages.h"
#include "framework/year_figures.h"

namespace {
// E-signatures before e-filing of trust returns began are leftovers.
const QDate kFirstESignDate(2011, 1, 1);
// Tax year as printed on the form; its last two digits lead the document control number.
const QString kTaxYearText = QString::number(year_figures::kTaxYear);
const QString kDCNYearPrefix = kTaxYearText.right(2);
}  // namespace

TaxData_T183Trust::TaxData_T183Trust() : CTaxDataBase01(63) {}

int TaxData_T183Trust::Calculate()
{
    const STRUCT_COUNTRY_INFO* country = countryInfo(fld_trust_country);
    fld_trust_country.setDisplayText(country ? QString::fromUtf8(country->name) : QString());
    fld_TaxYearPrint = kTaxYearText;
    CString dcn;
    getDCN(dcn);
    fld_DCNPrint.setClipped(fld_efilenum.value() + dcn);

    const QDate signDate = fld_ws_ESignedDate.date();
    if (signDate.isValid() && signDate >= kFirstESignDate) {
        fld_printSignDate = signDate.toString(QStringLiteral("yyyyMMdd"));
        fld_printSignTime = fld_ws_ESignedDate.time().toString(QStringLiteral("HHmmss"));
    } else {
        fld_ws_ESignedDate.setDate(QDate());
        fld_printSignDate = "";
        fld_printSignTime = "";
    }
    return 0;
}

void TaxData_T183Trust::getDCN(CString& out) const
{
    out = CString(kDCNYearPrefix + fld_controlnum.value().left(6));
}

bool TaxData_T183Trust::checkDCNStr()
{
    fld_controlnum = fld_controlnum.trimmed();
    const QString& dcn = fld_controlnum.value();
    if (dcn.size() != 6)
        return false;
    for (QChar c : dcn) {
        const ushort u = c.unicode();
        const bool ok = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!ok)
            return false;
    }
    return true;
}

bool TaxData_T183Trust::hasSignDate() const
{
    return !fld_printSignDate.isBlank();
}

int TaxData_T183Trust::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    // The sample filer number "A1234" marks a form that is not checked at all.
    const QString efiler = fld_efilenum.trimmed();
    if (efiler.compare(QLatin1String("A1234"), Qt::CaseInsensitive) == 0)
        return 0;

    if (efiler.size() != 5 || efiler.compare(QLatin1String("ANNNN"), Qt::CaseInsensitive) == 0)
        addMessage(messages, fld_efilenum, "An invalid EFiler number is entered in form T183.");
    if (fld_represent && fld_expirydate.IsValid()) {
        const int year = fld_expirydate.year();
        if (year != 1899 && year <= year_figures::kPreviousYear)
            addMessage(messages, fld_expirydate, "Expiry date is not valid.");
    }
    auto answeredZeroOrOne = [](const CIntField& f) { return f == 0 || f == 1; };
    if (!answeredZeroOrOne(fld_contactmethod) || !answeredZeroOrOne(fld_contactmethod_post))
        addMessage(messages, answeredZeroOrOne(fld_contactmethod) ? fld_contactmethod_post : fld_contactmethod,
                   "Contact method is not answered");
    if (!checkDCNStr())
        addMessage(messages, fld_controlnum, "DCN is invalid, please specify 6 unique letters.");
    if (fld_ws_bESigned) {
        const QDate signDate = fld_ws_ESignedDate.date();
        if (!signDate.isValid()) {
            addMessage(messages, fld_ws_ESignedDate, "E-Signature date is not valid");
        } else {
            const QTime signTime = fld_ws_ESignedDate.time().isValid() ? fld_ws_ESignedDate.time() : QTime(0, 0);
            if (QDateTime(signDate, signTime) > CurrentDateTime())
                addMessage(messages, fld_ws_ESignedDate, "E-Signature time is not valid");
        }
    }
    return int(messages.size() - before);
}

int TaxData_T183Trust::ChangeToNewYearData(const STRUCT_IMPORT_LASTYEAR_PARAM& param)
{
    CTaxDataBase01::ChangeToNewYearData(param);
    fld_controlnum = "";
    if (fld_expirydate.IsValid() && fld_expirydate.year() >= 2001)
        fld_expirydate.set1YLater();
    else
        fld_expirydate.setZero();
    fld_ws_bESigned = false;
    fld_ws_ESignedDate.setDate(QDate());
    return 0;
}

// ---- control-number buttons. The current-time text is "yyyy-MM-dd HH:mm:ss":
// position 8 holds the two digits of the day, position 6 the second digit of the month.

namespace {
QString dayAndMonthDigit()
{
    const QString t = GetCurTime(0);
    return t.mid(8, 2) + t.mid(6, 1);
}
}  // namespace

void TaxData_T183Trust::generateControlNumber1()
{
    QString n = fld_trust_name.value().left(3).trimmed();
    if (n.size() < 3)
        n = (n + QLatin1String("ZYX")).left(3);
    fld_controlnum = (n + dayAndMonthDigit()).toUpper();
}

void TaxData_T183Trust::generateControlNumber2()
{
    fld_controlnum = (dayAndMonthDigit() + fld_trust_name.value().left(3)).toUpper();
}

void TaxData_T183Trust::generateControlNumber3()
{
    const QByteArray n = fld_trust_name.value().left(3).toUtf8();
    fld_controlnum = CString::Format("%3s%03d", n.constData(), seqNum()).toUpper();
}
