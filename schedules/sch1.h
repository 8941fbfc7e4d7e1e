// Schedule 1, dispositions of capital property. The year is split in two
// periods with lines of their own: Period 1, dispositions before June 25,
// 2024 (Part 1, CRA lines 17xx), and Period 2, after June 24, 2024 (Part 2,
// lines 10xx). Each period lists its dispositions in eight sections; a row
// holds the disposition as entered and, beside it, the trust's share at the
// section's "Your share" percentage, and the section totals add the shares.
// Part 3 brings both periods together with the amounts from slips, reserves,
// gifts and transferred losses, and ends on line 1220, the taxable capital
// gains (or net capital losses) that the return takes through getGainOrLoss.
//
// Period 2's section 3 holds any number of extra share entries beyond its
// eleven rows: kept outside the field registry, in the form's own part of the
// stream, the JSON return file and the Java declarations.
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"
#include "schedules/sch1_entry.h"

#include <type_traits>
#include <vector>

namespace sch1 {

// Columns (2) to (5) of a row as entered (proceeds, adjusted cost base,
// outlays and expenses, gain or loss) and the trust's share of each. The gain
// of sections 1 and 2 is declared as a computed amount, the others as entries.
#define SCH1_AMOUNT_COLUMNS(S, gainComputed)                                                                  \
    CFloatField disposition{slot("ws_" S "_disposition")};                                                  \
    CFloatField costbase{slot("ws_" S "_costbase")};                                                        \
    CFloatField expenses{slot("ws_" S "_expenses")};                                                        \
    CFloatField gain{slot("ws_" S "_gain"), !(gainComputed), 0.0, 0, gainComputed, 0, !(gainComputed),     \
                     FIELD_ATTR_DEFAULT};                                                                   \
    CFloatField dispositionShare{slot(S "_disposition_percent")};                                           \
    CFloatField costbaseShare{slot(S "_costbase_percent")};                                                 \
    CFloatField expensesShare{slot(S "_expenses_percent")};                                                 \
    CFloatField gainShare{slot(S "_gain_percent")}

// 1. Qualified small business corporation shares
struct SmCorpRow : FieldRow {
    using FieldRow::FieldRow;
    CFloatField count{slot("ws_SmCorp_numofshares")};
    CFloatField countShare{slot("SmCorp_numofshares_percent")};
    CStringField name{slot("SmCorp_name"), 0, "", 40};
    CStringField year{slot("SmCorp_year"), 0, "", 4};
    SCH1_AMOUNT_COLUMNS("SmCorp", 1);
};
// 2. Qualified farm and fishing property
struct FarmRow : FieldRow {
    using FieldRow::FieldRow;
    CStringField addr{slot("Farm_addr"), 0, "", 80};
    CStringField year{slot("Farm_year"), 0, "", 4};
    SCH1_AMOUNT_COLUMNS("Farm", 1);
};
// 3. Mutual fund units and other shares
struct SharesRow : FieldRow {
    using FieldRow::FieldRow;
    CFloatField count{slot("ws_Shares_num")};
    CFloatField countShare{slot("Shares_num_percent")};
    CStringField name{slot("Shares_name"), 0, "", 40};
    CStringField year{slot("Shares_year"), 0, "", 4};
    SCH1_AMOUNT_COLUMNS("Shares", 0);
};
// 4. Bonds, debentures, promissory notes and similar properties
struct BondRow : FieldRow {
    using FieldRow::FieldRow;
    CFloatField facevalue{slot("Bond_facevalue")};
    CStringField date{slot("Bond_date"), 0, "", 10};
    CStringField issuer{slot("Bond_issuer"), 0, "", 80};
    CStringField year{slot("Bond_year"), 0, "", 4};
    SCH1_AMOUNT_COLUMNS("Bond", 0);
};
// 5. Real estate and depreciable property
struct REDPRow : FieldRow {
    using FieldRow::FieldRow;
    CStringField addr{slot("REDP_addr"), 0, "", 80};
    CIntField prov{slot("REDP_prov"), 0};
    CStringField year{slot("REDP_year"), 0, "", 4};
    SCH1_AMOUNT_COLUMNS("REDP", 0);
};
// 6. Personal-use property, 7. listed personal property, 8. non-qualified
// investments of registered plan trusts: a description and the amounts.
#define SCH1_DESCRIBED_ROW(Name, S)                  \
    struct Name : FieldRow {                         \
        using FieldRow::FieldRow;                    \
        CStringField desc{slot(S "_desc"), 0, "", 80}; \
        CStringField year{slot(S "_year"), 0, "", 4};  \
        SCH1_AMOUNT_COLUMNS(S, 0);                   \
    }
SCH1_DESCRIBED_ROW(PUPRow, "PUP");
SCH1_DESCRIBED_ROW(LPPRow, "LPP");
SCH1_DESCRIBED_ROW(NonQRow, "NonQ");

// Fields a section declares between its rows and its "Your share": none,
// except in Period 2's section 3, which counts its extra share entries there.
struct NoFields {
    explicit NoFields(CTaxData_Form*) {}
};
struct ExtraEntryCount {
    explicit ExtraEntryCount(CTaxData_Form* form)
        : fld_ws_moreentry{FieldSlot{form, "fld_ws_moreentry"}, 0}, fld_ws_moreentry_num{FieldSlot{form, "fld_ws_moreentry_num"}}
    {
    }
    CIntField fld_ws_moreentry;         // the number of extra entries the form holds
    CFloatField fld_ws_moreentry_num;   // the number the user asks for
};

// How a section's fields are named and declared in one period.
struct SectionNames {
    const char* rowSeparator;  // "_prd1_" (Period 1) or "_" before the row number
    const char* shareName;     // "fld_ws_SmCorp_percent_prd1"
    int lineBase;              // 1710: totals 1711 (proceeds) and 1712 (gain)
    bool totalsComputed;
};

// A section: its rows, its "Your share" percentage and its two totals.
template <class Row, int N, class Share = CFloatField, class Between = NoFields>
struct Section {
    Section(CTaxData_Form* form, const SectionNames& n, double share);
    FieldRows<Row, N> rows;
    Between between;
    Share share;
    CFloatField proceeds;  // proceeds of disposition, the trust's share
    CFloatField gain;      // gain (or loss), the trust's share
};

// One period's eight sections with the net gain lines after section 7.
template <bool kPeriod2>
struct Period {
    explicit Period(CTaxData_Form* form);
    Section<SmCorpRow, 8> smCorp;
    Section<FarmRow, 8> farm;
    Section<SharesRow, 11, CFloatField, std::conditional_t<kPeriod2, ExtraEntryCount, NoFields>> shares;
    Section<BondRow, 4> bond;
    Section<REDPRow, 4> redp;
    Section<PUPRow, 4, CPercentField> pup;
    Section<LPPRow, 4, CPercentField> lpp;
    CFloatField lppLosses;  // line 1780 / 1080: LPP losses of other periods and years
    CFloatField netLpp;     // page line 9: net LPP gain
    CFloatField netGain;    // page line 10: lines 1 to 6, plus line 9
    Section<NonQRow, 4, CPercentField> nonQ;
};
extern template struct Period<false>;
extern template struct Period<true>;

}  // namespace sch1

class TaxData_Sch1 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_Sch1();

    int Calculate();  // Period 1, Period 2, then Part 3
    int calculatePrd1();
    int calculatePrd2();
    static double getInclusionRate() { return 50.0; }
    // Line 1220 as a gain (at least 0.009) or, with `gain` false, as a net
    // capital loss given as a positive amount.
    double getGainOrLoss(bool gain) const;

    // The extra share entries: resize keeping the first ones, or drop them all.
    void AllocateMoreEquityEntries(int count);
    void FreeMoreEquityEntries();
    int moreEquityEntryCount() const { return m_prd2.shares.between.fld_ws_moreentry; }
    Type_MoreEquityEntryStruct& moreEquityEntry(int i) { return m_moreEquityEntries[size_t(i)]; }
    const Type_MoreEquityEntryStruct& moreEquityEntry(int i) const { return m_moreEquityEntries[size_t(i)]; }

    // The entries with their requested count, to put back as they were (undo).
    struct MoreEquityEntries {
        std::vector<Type_MoreEquityEntryStruct> entries;
        double requested = 0.0;
    };
    MoreEquityEntries saveMoreEquityEntries() const { return {m_moreEquityEntries, fld_ws_moreentry_num}; }
    void restoreMoreEquityEntries(const MoreEquityEntries& saved);

    CTaxData_Form& operator=(const CTaxData_Form& other) override;
    bool operator!=(const CTaxData_Form& other) const override;
    int Serialize(unsigned int version, const CString& password, MyDataStream& ar) override;
    size_t storedAdditionsSize() const override;
    int WriteJavaFileDeclaration(FILE* out) override;
    int WriteJavaFileImplementation(FILE* out) override;
    int FillTestPrintData() override;

    sch1::Period<false> m_prd1{this};
    sch1::Period<true> m_prd2{this};
    CIntField& fld_ws_moreentry = m_prd2.shares.between.fld_ws_moreentry;
    CFloatField& fld_ws_moreentry_num = m_prd2.shares.between.fld_ws_moreentry_num;

    // Part 3 - Total capital gains (or losses), Period 1 and Period 2 side by side
    FLD(CFloatField, fld_NetGainPrd1, Computed);  // line 12: line 10 of Part 1
    FLD(CFloatField, fld_NetGainPrd2, Computed);
    FLD(CFloatField, fld_1700, Line("1700", W), 0.0, 1700);  // line 13: T3 slips
    FLD(CFloatField, fld_1100, Line("1100", W), 0.0, 1100);
    FLD(CFloatField, fld_1100_fromslips);  // line 1100: its part from the slips
    FLD(CFloatField, fld_1100_other);      // and the rest
    FLD(CFloatField, fld_1701, Line("1701", W), 0.0, 1701);  // line 14: T5, T5013 and T4PS slips
    FLD(CFloatField, fld_1101, Line("1101", W), 0.0, 1101);
    FLD(CFloatField, fld_after_1701, Computed);  // line 15
    FLD(CFloatField, fld_after_1101, Computed);
    FLD(CFloatField, fld_1730, Line("1730", W), 0.0, 1730);  // line 16: reduction in business investment loss
    FLD(CFloatField, fld_1130, Line("1130", W), 0.0, 1130);
    FLD(CFloatField, fld_AmtB4Reserve_prd1, Computed);  // line 17
    FLD(CFloatField, fld_AmtB4Reserve, Computed);
    FLD(CFloatField, fld_1770, Line("1770", W), 0.0, 1770);  // line 18: reserves from Schedule 2
    FLD(CFloatField, fld_1170, Line("1170", W), 0.0, 1170);
    FLD(CFloatField, fld_after_1770, Computed);  // line 19
    FLD(CFloatField, fld_after_1170, Computed);
    FLD(CFloatField, fld_ZeroIncRateAmt_prd1, Computed);  // line 20: Schedule 1A line 3
    FLD(CFloatField, fld_ZeroIncRateAmt, Computed);
    FLD(CFloatField, fld_b4_1789, Computed);  // line 21
    FLD(CFloatField, fld_b4_1191, Computed);
    FLD(CFloatField, fld_1789, Line("1789", W), 0.0, 1789);  // line 22: gifts of other capital property
    FLD(CFloatField, fld_1191, Line("1191", W), 0.0, 1191);
    FLD(CFloatField, fld_1746, Line("1746", W), 0.0, 1746);  // line 23: losses transferred under 164(6)
    FLD(CFloatField, fld_1646, Line("1646", W), 0.0, 1646);
    FLD(CFloatField, fld_1756, Line("1756", W), 0, 0.0, 1756, 1, 0, 0, FIELD_ATTR_DEFAULT);  // line 24
    FLD(CFloatField, fld_1656, Line("1656", W), 0, 0.0, 1656, 1, 0, 0, FIELD_ATTR_DEFAULT);
    FLD(CFloatField, fld_TotalCapGain, Computed);  // line 24A
    FLD(CFloatField, fld_Line26, Computed);        // line 26: at the inclusion rate
    FLD(CFloatField, fld_Line44, Computed);        // line 44: section 8
    FLD(CFloatField, fld_1220, Line("1220", W), 0, 0.0, 1220, 1, 0, 0, FIELD_ATTR_DEFAULT);  // line 45

    // Stored and carried, shown on no page.
    FLD(CFloatField, fld_24A_1, Computed);
    FLD(CFloatField, fld_Pcnt50Gain, Computed);
    FLD(CFloatField, fld_24A_2, Computed);
    FLD(CFloatField, fld_Pcnt66Gain, Computed);
    FLD(CFloatField, fld_FromLine35, Computed);
    FLD(CFloatField, fld_FromLine36, Computed);
    FLD(CFloatField, fld_FromLine11, Computed);
    FLD(CFloatField, fld_Sec2P1Line1, Computed);
    FLD(CFloatField, fld_Sec2P1Line2, Computed);
    FLD(CFloatField, fld_Sec2P1Line3, Computed);
    FLD(CFloatField, fld_Sec2P1Line4, Computed);
    FLD(CFloatField, fld_Sec2P1Line5);
    FLD(CFloatField, fld_Sec2P1Line5_1);
    FLD(CFloatField, fld_Sec2P1Line6_rate);
    FLD(CFloatField, fld_Sec2P1Line6, Computed);
    FLD(CFloatField, fld_1370, 0.0, 1370);
    FLD(CFloatField, fld_1371, 0.0, 1371);
    FLD(CFloatField, fld_Sec2P1Line9, Computed);
    FLD(CFloatField, fld_1373, 0.0, 1373);
    FLD(CFloatField, fld_Sec2P1Line11, Computed);
    FLD(CFloatField, fld_Sec2P1Line12, Computed);
    FLD(CFloatField, fld_Sec2P1Line12_1, Computed);
    FLD(CFloatField, fld_Sec2P1line13, Computed);
    FLD(CFloatField, fld_Sec2P2Line1);
    FLD(CFloatField, fld_Sec2P2Line2);
    FLD(CFloatField, fld_Sec2P2Line3);
    FLD(CFloatField, fld_Sec2P2Line4);
    FLD(CFloatField, fld_Sec2P2Line5);
    FLD(CFloatField, fld_Sec2P2Line6);
    FLD(CFloatField, fld_Sec2P2Line7);
    FLD(CFloatField, fld_Sec2P2subtotal);
    FLD(CFloatField, fld_Sec2P2Line9);

    // Gains on gifted shares, bonds and ecologically sensitive land that
    // Schedule 1A gives for the share, bond and real estate gain totals
    // (set by the host before Calculate).
    double m_addGainSharesPrd1 = 0.0, m_addGainBondPrd1 = 0.0, m_addGainRealEstatePrd1 = 0.0;
    double m_addGainShares = 0.0, m_addGainBond = 0.0, m_addGainRealEstate = 0.0;

private:
    std::vector<Type_MoreEquityEntryStruct> m_moreEquityEntries;  // as many as fld_ws_moreentry
};
