#include "schedules/sch1.h"

#include "framework/amounts.h"
#include "framework/datastream.h"

#include <algorithm>
#include <string>

namespace sch1 {
namespace {
// A section total: "fld_1711", CRA line 1711, filed in whole dollars unless
// it is a section 8 proceeds total (lines 1791 and 1091 are not filed).
FieldSlot totalSlot(CTaxData_Form* form, int line)
{
    return FieldSlot{form, rowFieldName("fld_", std::to_string(line).c_str(), "")};
}
FieldTag totalTag(const FieldSlot& slot, int line, bool filed)
{
    return FieldTag{slot.name + 4, filed ? line : 0, filed ? NetfileFormat::W : NetfileFormat::None};
}
}  // namespace

template <class Row, int N, class Share, class Between>
Section<Row, N, Share, Between>::Section(CTaxData_Form* form, const SectionNames& n, double shareValue)
    : rows(form, "fld_", n.rowSeparator),
      between(form),
      share(FieldSlot{form, n.shareName}),
      proceeds(totalSlot(form, n.lineBase + 1), totalTag(totalSlot(form, n.lineBase + 1), n.lineBase + 1, n.lineBase % 100 != 90),
               !n.totalsComputed, 0.0, n.lineBase + 1, n.totalsComputed, 0, !n.totalsComputed, FIELD_ATTR_DEFAULT),
      gain(totalSlot(form, n.lineBase + 2), totalTag(totalSlot(form, n.lineBase + 2), n.lineBase + 2, true),
           !n.totalsComputed, 0.0, n.lineBase + 2, n.totalsComputed, 0, !n.totalsComputed, FIELD_ATTR_DEFAULT)
{
    share.store(shareValue);
}

namespace {
// Section k of a period: its names and whether its totals are computed amounts.
template <bool kPeriod2>
SectionNames names(const char* shortName, int k, bool totalsComputed)
{
    return SectionNames{kPeriod2 ? "_" : "_prd1_",
                        rowFieldName("fld_ws_", shortName, kPeriod2 ? "_percent" : "_percent_prd1"),
                        (kPeriod2 ? 1000 : 1700) + 10 * k, totalsComputed};
}
FieldSlot namedSlot(CTaxData_Form* form, const char* name)
{
    return FieldSlot{form, name};
}
}  // namespace

template <bool P2>
Period<P2>::Period(CTaxData_Form* form)
    : smCorp(form, names<P2>("SmCorp", 1, true), 100.0),
      farm(form, names<P2>("Farm", 2, true), 100.0),
      shares(form, names<P2>("Shares", 3, true), 100.0),
      bond(form, names<P2>("Bond", 4, false), 100.0),
      redp(form, names<P2>("REDP", 5, false), 100.0),
      pup(form, names<P2>("PUP", 6, true), 100.0),
      lpp(form, names<P2>("LPP", 7, true), 100.0),
      lppLosses(namedSlot(form, P2 ? "fld_1080" : "fld_1780"),
                FieldDeclarations::Line(P2 ? "1080" : "1780", NetfileFormat::W), 0.0, P2 ? 1080 : 1780),
      netLpp(namedSlot(form, P2 ? "fld_after_1080" : "fld_after_1780"), P2, 0.0, 0, !P2, 0, P2, FIELD_ATTR_DEFAULT),
      netGain(namedSlot(form, P2 ? "fld_NetGain_prd2" : "fld_NetGain_prd1"), ComputedTotal{}),
      nonQ(form, names<P2>("NonQ", 9, true), 0.0)
{
}

template struct Period<false>;
template struct Period<true>;

namespace {
// Only sections 1 and 3 scale the number of shares.
template <class Row>
void scaleCount(Row&, double)
{
}
void scaleCount(SmCorpRow& r, double p) { r.countShare = r.count * p / 100.0; }
void scaleCount(SharesRow& r, double p) { r.countShare = r.count * p / 100.0; }

// One row: the trust's share of each amount, the gain and the share of it.
template <class Row>
void calculateRow(Row& r, double p)
{
    r.dispositionShare = r.disposition * p / 100.0;
    r.costbaseShare = r.costbase * p / 100.0;
    r.expensesShare = r.expenses * p / 100.0;
    scaleCount(r, p);
    r.gain = r.disposition - (r.costbase + r.expenses);
    r.gainShare = r.dispositionShare - (r.costbaseShare + r.expensesShare);
}

// The rows of a section; its totals of the shares of proceeds and gains,
// the gain total after `giftedGain` (Schedule 1A's part of it).
template <class S>
void calculateSection(S& s, double giftedGain = 0.0)
{
    double proceeds = 0.0, gain = 0.0;
    for (auto& r : s.rows) {
        calculateRow(r, s.share);
        proceeds += r.dispositionShare;
        gain += r.gainShare;
    }
    s.proceeds = proceeds;
    s.gain = giftedGain + gain;
}

struct GiftedGains {
    double shares, bond, realEstate;
};

template <bool P2>
void calculatePeriod(Period<P2>& d, const GiftedGains& gifts, std::vector<Type_MoreEquityEntryStruct>* entries)
{
    calculateSection(d.smCorp);
    calculateSection(d.farm);
    calculateSection(d.shares, gifts.shares);
    if (entries && !entries->empty()) {  // the extra share entries, Period 2 only
        double proceeds = 0.0, gain = 0.0;
        for (Type_MoreEquityEntryStruct& e : *entries) {
            e.Calculate(d.shares.share);
            proceeds += e.fld_disposition_percent;
            gain += e.fld_gain_percent;
        }
        d.shares.proceeds = proceeds + d.shares.proceeds;
        d.shares.gain = gain + d.shares.gain;
    }
    calculateSection(d.redp, gifts.realEstate);
    calculateSection(d.bond, gifts.bond);
    calculateSection(d.pup);
    d.pup.proceeds.store(std::max(0.0, d.pup.proceeds.value()));  // no loss on personal-use property
    d.pup.gain.store(std::max(0.0, d.pup.gain.value()));
    calculateSection(d.lpp);
    d.lpp.gain.store(std::max(0.0, d.lpp.gain.value()));
    d.netLpp = d.lpp.gain - d.lppLosses;  // line 9: may be negative
    d.netGain = d.smCorp.gain + d.farm.gain + d.shares.gain + d.bond.gain + d.redp.gain + d.pup.gain +
                d.netLpp;  // line 10: section 8 is not in it
    calculateSection(d.nonQ);
}
}  // namespace
}  // namespace sch1

TaxData_Sch1::TaxData_Sch1() : CTaxDataBase01(13) {}

int TaxData_Sch1::Calculate()
{
    calculatePrd1();
    calculatePrd2();
    // Part 3, each period, then both
    fld_NetGainPrd1.store(m_prd1.netGain);
    fld_NetGainPrd2.store(m_prd2.netGain);

    fld_after_1701 = fld_NetGainPrd1 + fld_1700 + fld_1701;  // line 15
    fld_AmtB4Reserve_prd1 = fld_after_1701 - fld_1730;       // line 17
    fld_after_1770 = fld_AmtB4Reserve_prd1 + fld_1770;       // line 19
    fld_b4_1789 = fld_after_1770 - fld_ZeroIncRateAmt_prd1;  // line 21
    fld_1756 = fld_b4_1789 + fld_1746;                       // line 24 (line 22 is not added)

    fld_after_1101 = fld_NetGainPrd2 + fld_1100 + fld_1101;
    fld_AmtB4Reserve = fld_after_1101 - fld_1130;
    fld_after_1170 = fld_AmtB4Reserve + fld_1170;
    fld_b4_1191 = fld_after_1170 - fld_ZeroIncRateAmt;
    fld_1656 = fld_b4_1191 + fld_1646;

    fld_TotalCapGain = fld_1756 + fld_1656;                       // line 24A
    fld_Line26 = fld_TotalCapGain * (getInclusionRate() / 100.0);  // line 26
    fld_Line44 = m_prd2.nonQ.proceeds + m_prd2.nonQ.gain;         // line 44: Period 2 section 8
    fld_1220 = fld_Line26 + fld_Line44;                            // line 45
    return 0;
}

int TaxData_Sch1::calculatePrd1()
{
    sch1::calculatePeriod(m_prd1, {m_addGainSharesPrd1, m_addGainBondPrd1, m_addGainRealEstatePrd1}, nullptr);
    return 0;
}

int TaxData_Sch1::calculatePrd2()
{
    m_moreEquityEntries.resize(size_t(std::max(0, int(fld_ws_moreentry))));
    sch1::calculatePeriod(m_prd2, {m_addGainShares, m_addGainBond, m_addGainRealEstate}, &m_moreEquityEntries);
    return 0;
}

double TaxData_Sch1::getGainOrLoss(bool gain) const
{
    const double x = fld_1220;
    if (gain)
        return x >= AMOUNT_TOLERANCE ? x : 0.0;
    return x < AMOUNT_TOLERANCE ? -x : 0.0;
}

void TaxData_Sch1::AllocateMoreEquityEntries(int count)
{
    if (count == fld_ws_moreentry)
        return;
    if (count < 1) {
        fld_ws_moreentry = 0;
        std::vector<Type_MoreEquityEntryStruct>().swap(m_moreEquityEntries);
        return;
    }
    m_moreEquityEntries.resize(size_t(count));  // keeps the first entries; new ones start empty
    fld_ws_moreentry = count;
}

void TaxData_Sch1::FreeMoreEquityEntries()
{
    std::vector<Type_MoreEquityEntryStruct>().swap(m_moreEquityEntries);
    fld_ws_moreentry = 0;
    fld_ws_moreentry_num = 0.0;
}

void TaxData_Sch1::restoreMoreEquityEntries(const MoreEquityEntries& saved)
{
    m_moreEquityEntries = saved.entries;
    fld_ws_moreentry = int(saved.entries.size());
    fld_ws_moreentry_num = saved.requested;
}

CTaxData_Form& TaxData_Sch1::operator=(const CTaxData_Form& other)
{
    CTaxData_Form::operator=(other);
    if (const auto* src = dynamic_cast<const TaxData_Sch1*>(&other)) {
        FreeMoreEquityEntries();
        fld_ws_moreentry = src->fld_ws_moreentry.value();
        fld_ws_moreentry_num = double(src->fld_ws_moreentry.value());
        m_moreEquityEntries = src->m_moreEquityEntries;
    }
    return *this;
}

bool TaxData_Sch1::operator!=(const CTaxData_Form& other) const
{
    if (const auto* o = dynamic_cast<const TaxData_Sch1*>(&other)) {
        if (o->fld_ws_moreentry != fld_ws_moreentry)
            return true;
        const size_t n = std::min(m_moreEquityEntries.size(), o->m_moreEquityEntries.size());
        for (size_t i = 0; i < n; ++i)
            if (m_moreEquityEntries[i] != o->m_moreEquityEntries[i])
                return true;
    }
    return CTaxDataBase01::operator!=(other);
}

// The fields, then the extra entries, as many as fld_ws_moreentry says (the
// stream holds no count of its own).
int TaxData_Sch1::Serialize(unsigned int version, const CString& password, MyDataStream& ar)
{
    const int rc = CTaxDataBase01::Serialize(version, password, ar);
    if (rc != 0 || !ar.ok())
        return rc;
    const int n = fld_ws_moreentry;
    if (ar.IsLoading()) {
        std::vector<Type_MoreEquityEntryStruct>().swap(m_moreEquityEntries);
        // Each stored entry takes at least a kind, a name length and a name per field.
        if (n > 0 && size_t(n) > ar.remaining() / (3 * Type_MoreEquityEntryStruct::kFieldCount)) {
            ar.fail("impossible number of extra share entries " + std::to_string(n));
            return -1;
        }
        fld_ws_moreentry_num = double(n);
    }
    m_moreEquityEntries.resize(size_t(std::max(0, n)));
    for (Type_MoreEquityEntryStruct& e : m_moreEquityEntries) {
        e.Serialize(version, ar);
        if (!ar.ok())
            return -1;
    }
    return 0;
}

size_t TaxData_Sch1::storedAdditionsSize() const
{
    if (m_moreEquityEntries.empty())
        return 0;
    // Each field stores its kind, its name and its value: eight bytes for an
    // amount, the text's own for a short text.
    size_t perEntry = 0;
    for (int i = 0; i < Type_MoreEquityEntryStruct::kFieldCount; ++i)
        perEntry += 2 + m_moreEquityEntries.front().field(i)->nameView().size() + 16;
    return perEntry * m_moreEquityEntries.size();
}

int TaxData_Sch1::WriteJavaFileDeclaration(FILE* out)
{
    CTaxDataBase01::WriteJavaFileDeclaration(out);
    const Type_MoreEquityEntryStruct entry;
    std::fprintf(out, "\nclass StructForMoreS3EquityTransaction\n{\n");
    for (int i = 0; i < Type_MoreEquityEntryStruct::kFieldCount; ++i) {
        const CField* f = entry.field(i);
        if (f->kind() == FIELD_STRING)
            std::fprintf(out, "StringField %s = new StringField(\"%s\", %d, %u, %u);\n", f->name(), f->name(),
                         static_cast<const CStringField*>(f)->maxLength(), f->attr(), FIELD_ALL_VERSIONS);
        else
            std::fprintf(out, "FloatField %s = new FloatField(\"%s\", %u, %u);\n", f->name(), f->name(), f->attr(),
                         FIELD_ALL_VERSIONS);
    }
    std::fprintf(out, "\npublic void readDataFromStream(LEDataInputStream instrm, int version) throws IOException\n{\n");
    for (int i = 0; i < Type_MoreEquityEntryStruct::kFieldCount; ++i)
        std::fprintf(out, "%s.readDataFromStream(instrm,version);\n", entry.field(i)->name());
    std::fprintf(out, "}\n}\n\nStructForMoreS3EquityTransaction[] MoreS3EquityTransaction;\n\n");
    return 0;
}

int TaxData_Sch1::WriteJavaFileImplementation(FILE* out)
{
    std::fprintf(out,
                 "public void readDataFromStream(LEDataInputStream instrm, int version, String strPswd) throws IOException\n"
                 "{\n"
                 "super.readDataFromStream(instrm, version, strPswd);\n"
                 "int num = fld_ws_moreentry.getInt();\n"
                 "if (num>0)\n"
                 "{\n"
                 "MoreS3EquityTransaction = new StructForMoreS3EquityTransaction[num];\n"
                 "for (int i=0; i<num; i++)\n"
                 "{\n"
                 "MoreS3EquityTransaction[i] = new StructForMoreS3EquityTransaction();\n"
                 "MoreS3EquityTransaction[i].readDataFromStream(instrm, version);\n"
                 "}\n"
                 "}\n"
                 "}\n");
    return 0;
}

// Every field, then two extra entries that differ from new ones.
int TaxData_Sch1::FillTestPrintData()
{
    const int n = CTaxDataBase01::FillTestPrintData();
    AllocateMoreEquityEntries(2);
    fld_ws_moreentry_num = 2.0;
    for (int i = 0; i < 2; ++i) {
        Type_MoreEquityEntryStruct& e = m_moreEquityEntries[size_t(i)];
        e.fld_num = 10.0 + i;
        e.fld_name = i ? "ABC Corp. common" : "XYZ Fund units";
        e.fld_year = i ? "2019" : "2021";
        e.fld_disposition = 1500.25 + i;
        e.fld_costbase = 900.5;
        e.fld_expenses = 9.99;
        e.Calculate(100.0);
    }
    return n;
}
