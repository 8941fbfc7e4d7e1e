#include "schedules/sch15.h"

#include "framework/checks.h"
#include "framework/described_page.h"
#include "framework/page_description.h"
#include "framework/validation_messages.h"

namespace {
constexpr int kYes = 0;
constexpr int kNo = 1;
constexpr int kAdd = 0;
constexpr int kSin = 0;

void askFor(std::list<CString>& messages, const CField& field, const char* phrase)
{
    addMessage(messages, field, CString(QStringLiteral("Please answer %1").arg(QString::fromUtf8(phrase))));
}
}  // namespace

int TaxData_Sch15::Calculate01()
{
    if (fld_bFirstYear == kYes)
        fld_partATrustChanged = kNo;
    if (fld_partBAddOrMod == kAdd)
        fld_associationEnd = kNo;
    return 0;
}

bool TaxData_Sch15::isPartBNeeded() const
{
    return formType() == kReportableEntity || fld_bFirstYear != kNo || fld_partATrustChanged != kNo;
}

void TaxData_Sch15::syncFromMainSch15(TaxData_Sch15* main)
{
    if (!main)
        return;
    fld_bFirstYear = int(main->fld_bFirstYear);
    fld_partATrustChanged = int(main->fld_partATrustChanged);
}

int TaxData_Sch15::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (fld_bFirstYear < 0)
        askFor(messages, fld_bFirstYear, "whether first time to report beneficial ownership.");
    if (fld_partATrustChanged < 0)
        askFor(messages, fld_partATrustChanged, "whether the beneficial ownership information changed.");
    if (isPartBNeeded()) {
        if (fld_partBAddOrMod < 0)
            askFor(messages, fld_partBAddOrMod, "whether add or modify the reportable entity");
        if (fld_partBEntityType < 0)
            askFor(messages, fld_partBEntityType, "the type of reportable entity.");
        if (fld_partBEntityClass < 0)
            askFor(messages, fld_partBEntityClass, "the classification of reportable entity.");
        if (!fld_taxNumber.isBlank()) {
            if (fld_taxNumberTypes < 0)
                askFor(messages, fld_taxNumberTypes, "the type of entity ID.");
            else if (fld_taxNumberTypes == kSin && !CheckSIN(CString(fld_taxNumber.trimmed())))
                addMessage(messages, fld_taxNumber,
                           CString(QStringLiteral("%1 is invalid.")
                                       .arg(QStringLiteral("The S.I.N. (%1, 9 digits only) provided")
                                                .arg(QString(fld_taxNumber)))));
        }
    }
    return int(messages.size() - before);
}
