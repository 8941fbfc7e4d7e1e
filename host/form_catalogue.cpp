#include "host/form_catalogue.h"

#include "returns/t183trust.h"
#include "returns/t3base.h"
#include "returns/t3ath.h"
#include "returns/t3a.h"
#include "returns/t3m.h"
#include "returns/t3rca.h"
#include "returns/t3s.h"
#include "returns/t3ret.h"
#include "returns/taxnote.h"
#include "schedules/sch10.h"
#include "schedules/sch15.h"
#include "schedules/sch1.h"
#include "schedules/sch1a.h"
#include "schedules/sch2.h"
#include "schedules/sch3.h"
#include "schedules/sch4.h"
#include "schedules/sch9.h"
#include "taxcalc/chrts_sift.h"
#include "taxcalc/foreigntaxcredit.h"
#include "schedules/sch7.h"
#include "schedules/sch8.h"
#include "schedules/sch9.h"
#include "schedules/sch20.h"
#include "schedules/sch21.h"
#include "schedules/sch22.h"
#include "schedules/sch23.h"
#include "schedules/t1055.h"
#include "schedules/t1ksnew.h"
#include "schedules/t2038new.h"
#include "schedules/t2043.h"
#include "statements/t2042new.h"
#include "statements/t2125new.h"
#include "statements/t776new.h"
#include "taxcalc/sch11.h"
#include "taxcalc/sch11a.h"
#include "taxcalc/sch12.h"
#include "taxcalc/t184.h"
#include "taxcalc/t2000.h"
#include "taxcalc/sch5.h"
#include "slips/t3_filinginfo.h"
#include "slips/t3slip.h"
#include "slips/t3slip_issuing.h"
#include "slips/slip_t4a.h"
#include "slips/slip_t4ap.h"
#include "slips/slip_t4nr.h"
#include "slips/slip_t4rif.h"
#include "slips/slip_t5.h"
#include "slips/slip_t5013.h"
#include "slips/slip_textplain.h"

const FormCatalogue& FormCatalogue::standard()
{
    // One row per form class, in the order `trustella forms` lists them.
    static const FormCatalogue catalogue({
        plainForm<TaxData_T3Ret>("T3 Trust Income Tax and Information Return"),
        plainForm<TaxData_T3M>("T3M - Environmental Trust Income Tax Return"),
        plainForm<TaxData_T3S>("T3S - Supplementary Unemployment Benefit Plan Income Tax Return"),
        plainForm<TaxData_T3ATH_Ind>("T3ATH-IND - Amateur Athlete Trust Income Tax Return"),
        plainForm<TaxData_T3RCA>("T3-RCA - Part XI.3 Tax Return for Retirement Compensation Arrangement (RCA)"),
        plainForm<TaxData_Sch1>("Schedule 1 - Dispositions of Capital Property"),
        plainForm<TaxData_Sch1A>("Schedule 1A - Capital Gains on Gifts of Certain Capital Property"),
        plainForm<TaxData_Sch2>("Schedule 2 - Reserves on Dispositions of Capital Property"),
        plainForm<TaxData_Sch3>("Schedule 3 - Eligible Taxable Capital Gains"),
        plainForm<TaxData_Sch4>("Schedule 4 - Cumulative Net Investment Loss (CNIL)"),
        plainForm<TaxData_Sch7>("Schedule 7 - Pension Income Allocations and Designations"),
        plainForm<TaxData_Sch8>("Schedule 8 - Investment Income, Carrying Charges, and Gross-up Amount of Dividends Retained by the Trust"),
        plainForm<TaxData_Sch9>("Schedule 9 - Income Allocations and Designations to Beneficiaries"),
        plainForm<TaxData_Sch10>("Schedule 10 - Part XII.2 Tax and Part XIII Non-Resident Withholding Tax"),
        plainForm<TaxData_Sch11>("Schedule 11 - Federal Income Tax"),
        plainForm<TaxData_Sch11A>("Schedule 11A - Donations and Gifts Tax Credit"),
        plainForm<TaxData_Sch12>("Schedule 12 - Minimum Tax"),
        plainForm<TaxData_Sch20>("Schedule 20 - Part XIV - Additional Tax on Non-Resident Corporations"),
        plainForm<TaxData_Sch21>("Schedule 21 - Federal and Provincial or Territorial Foreign Income Tax Credits and Federal Logging Tax Credit"),
        plainForm<TaxData_Sch22>("Schedule 22 - Non-Resident Discretionary Trust"),
        plainForm<TaxData_Sch23>("Schedule 23 - Agreement Among Associated Canadian-Controlled Private Corporations to Allocate the Business Limit"),
        plainForm<TaxData_T1055>("T1055 - Summary of Deemed Dispositions"),
        plainForm<TaxData_T2038New>("T2038(IND) - Investment Tax Credit"),
        formWithTypeId<TaxData_T1KSNew>("T1-KS - Tax Result Summary and Invoice"),
        formWithTypeId<TaxData_Sch15>("Schedule 15 - Beneficial Ownership Information of a Trust"),
        plainForm<TaxData_T2043>("T2043 - Return of Fuel Charge Proceeds to Farmers Tax Credit"),
        plainForm<TaxData_T183Trust>("T183 TRUST - Information Return for Electronic Filing of a Trust's Return"),
        plainForm<TaxData_TaxNote>("Tax note"),
        plainForm<TaxData_T2000>("T2000 - Calculation of Tax on Agreements to Acquire Shares"),
        plainForm<TaxData_CHRTS_SIFT>("SIFT trust charts"),
        plainForm<TaxData_ForeignTaxCredit>("T3 FFT - Foreign Tax Credits"),
        plainForm<TaxData_T184>("T184 - Capital Gains Refund to a Mutual Fund Trust"),
        plainForm<TaxData_Sch5>("Schedule 5 - Tax Calculation Supplementary - Provincial and Territorial"),
        plainForm<TaxData_T3A>("T3A - Request for Loss Carryback by a Trust"),
        formWithTypeId<TaxData_T2125_New>("T2125 - Statement of Business or Professional Activities"),
        plainForm<TaxData_T2042New>("T2042 - Statement of Farming Activities"),
        plainForm<TaxData_T776New>("T776 - Statement of Real Estate Rentals"),
        slipWithOrigin<TaxData_Slip_T3>("T3 slip received - Statement of Trust Income Allocations and Designations"),
        plainForm<TaxData_Slip_T3_Issuing>("T3 slip issued - Statement of Trust Income Allocations and Designations"),
        plainForm<TaxData_Slip_Issuing_FilingInfo>("T3 slips filing information - transmitter"),
        slipWithOrigin<TaxData_Slip_T4A>("T4A - Statement of Pension, Retirement, Annuity, and Other Income"),
        slipWithOrigin<CSlipData_T4AP>("T4A(P) - Statement of Canada Pension Plan Benefits"),
        slipWithOrigin<TaxData_Slip_T4RIF>("T4RIF - Statement of Income from a Registered Retirement Income Fund"),
        slipWithOrigin<TaxData_Slip_T5>("T5 - Statement of Investment Income"),
        slipWithOrigin<TaxData_Slip_T5013>("T5013 - Statement of Partnership Income"),
        slipWithOrigin<TaxData_Slip_T4NR>("T4NR - Statement of Amounts Paid or Credited to Non-Residents"),
        slipWithOrigin<TaxData_Slip_TextPlain>("Other document (text)"),
        baseOfForms<TaxData_T3Base>("Trust return base - e-filing status", "T3Ret, T3M, T3S, T3RCA, T3ATH_Ind"),
        worksheetOf<DataWST2125Busi>("T2125 sales, commissions, or fees worksheet", "T2125_New"),
    });
    return catalogue;
}

QString jsonNameOfClass(const QString& className)
{
    static const QString prefix = QStringLiteral("TaxData_");
    return className.startsWith(prefix) ? className.mid(prefix.size()) : className;
}

QString FormClass::kindText() const
{
    switch (kind) {
    case EntryKind::Base: return QStringLiteral("base of ") + heldBy;
    case EntryKind::Worksheet: return QStringLiteral("worksheet of ") + heldBy;
    case EntryKind::Form: break;
    }
    return QStringLiteral("form");
}

QString FormClass::notStandaloneReason() const
{
    switch (kind) {
    case EntryKind::Base:
        return QStringLiteral("%1 is not a form of its own: it is the base of %2, which hold its fields")
            .arg(jsonName, heldBy);
    case EntryKind::Worksheet:
        return QStringLiteral("%1 is not a form of its own: it is a worksheet of %2, which holds it")
            .arg(jsonName, heldBy);
    case EntryKind::Form: break;
    }
    return QString();
}

bool FormClass::isSlip() const
{
    return dynamic_cast<const CSlipTaxDataBase01*>(create().get()) != nullptr;
}

FormCatalogue::FormCatalogue(std::vector<FormClass> classes) : m_classes(std::move(classes))
{
    for (const FormClass& c : m_classes)
        if (c.standalone())
            m_forms.push_back(c);
}

const FormClass* FormCatalogue::find(const QString& name) const
{
    for (const FormClass& c : m_classes)
        if (c.className == name || c.jsonName == name)
            return &c;
    return nullptr;
}

const FormClass* FormCatalogue::classOf(const CTaxData_Form& form) const
{
    const char* name = form.metaObject()->className();
    for (const FormClass& c : m_classes)
        if (c.className == QLatin1String(name))
            return &c;
    return nullptr;
}
