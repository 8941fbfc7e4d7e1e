// Schedule 5, "Tax Calculation Supplementary - Provincial and Territorial":
// the allocation of taxable income among the jurisdictions in which the trust
// has a permanent establishment (Part 1) and the provincial and territorial
// tax payable, credits and rebates of each jurisdiction (Part 2), ending at
// line 255. Its pages follow the corporate schedule of the same number.
// The host runs, in this order, with the provincial components' work (the
// lines that come from provincial schedules) between the steps:
//   Calculate_Step0                   line 255 cleared
//   Calculate_Step1                   Part 1: allocation, jurisdiction
//   Calculate_Step10                  Ontario lines A6 to C6
//   Calculate_StepB4RefundableCredit  Part 2 before refundable credits
//   Calculate_StepLast                Part 2 net lines, line 255, claim flag
// Its Netfile output is a line stream, written only for a trust in more than
// one jurisdiction.
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"
#include "framework/netfile.h"

#include <array>
#include <cstdio>

class TaxData_Sch5 : public CTaxDataBase01, public NetfileLineStreamForm {
    Q_OBJECT
public:
    TaxData_Sch5() : CTaxDataBase01(17) {}

    static constexpr int kRows = 16;  // fifteen Canadian jurisdictions, then outside Canada

    int Calculate_Step0();
    int Calculate_Step1();
    int calcAllocationByType(int regulationType);
    // The jurisdiction of the active rows (column B or D present), each row's
    // flag set to whether it is active.
    ENUMTYPE_PROVINCE calcJurisdiction();
    ENUMTYPE_PROVINCE jurisdictionOfRows() const;  // the same, changing nothing
    int Calculate_Step10();
    int Calculate_StepB4RefundableCredit();
    int Calculate_StepLast();
    bool shouldClaimT2Line205() const;
    // Column F over the fifteen Canadian rows.
    double getDomesticInc() const;
    bool IsEligibleForPurpose(unsigned char purpose, CString& reason) override;
    bool shouldSkipWriteNetfile() override;
    int Serialize(unsigned int version, const CString& password, MyDataStream& ar) override;
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    using CTaxDataBase01::WriteNetfile;
    int WriteNetfile(unsigned char purpose, NetfileTypedMap& typed, FILE* out, int& reserved) override;
    int WriteNetfileInternal(NetfileTypedMap& typed, FILE* out);

    ENUMTYPE_PROVINCE m_jurisdiction = PROV_NONE;  // written by Calculate_Step1
    bool m_claimT2Line205 = false;                 // written by Calculate_StepLast
    // Farmers' credits the host supplies before Calculate_StepB4RefundableCredit.
    double m_nsFarmersFoodBankCredit = 0.0;
    double m_onFarmersCommunityFoodCredit = 0.0;
    double m_bcFarmersFoodDonationCredit = 0.0;
    // Each switches off the certificate-number check of one credit line.
    bool m_skipCheck521 = false;
    bool m_skipCheck522 = false;
    bool m_skipCheck565 = false;
    bool m_skipCheck567 = false;
    bool m_skipCheck569 = false;
    bool m_skipCheck595 = false;

    // Heading
    FLD(CStringField, fld_CorpName_NotUsed_notused, 0, "", 160);
    FLD(CStringField, fld_BusiNumber_NotUsed_notused, 0, "", 20);
    FLD(CStringField, fld_TaxYearEnd_NotUsed_notused, 0, "", 20);
    FLD(CStringField, fld_RegulationType, 0, "", 8);  // the regulation type's name (line 100)
    FLD(CIntField, fld_iRegulationType, 0);                        // its code, chosen on page 1
    FLD(CBoolField, fld_Regulation_overwrite);                     // "Check to change"
    FLD(CFloatField, fld_taxinc);                                  // taxable income to allocate

    // Part 1: one row per jurisdiction
    struct JurisdictionRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CBoolField, Yes);    // a permanent establishment there
        ROW_FLD(CFloatField, colB);  // salaries and wages paid there
        ROW_FLD(CFloatField, colC);  // B x taxable income / G
        ROW_FLD(CFloatField, colD);  // gross revenue attributable to it
        ROW_FLD(CFloatField, colE);  // D x taxable income / H
        ROW_FLD(CFloatField, colF);  // allocation of taxable income
    };
    JurisdictionRow m_NL{this, "fld_NL_", ""};
    JurisdictionRow m_NLOffshore{this, "fld_NLOffshore_", ""};
    JurisdictionRow m_PE{this, "fld_PE_", ""};
    JurisdictionRow m_NS{this, "fld_NS_", ""};
    JurisdictionRow m_NSOffshore{this, "fld_NSOffshore_", ""};
    JurisdictionRow m_NB{this, "fld_NB_", ""};
    JurisdictionRow m_QC{this, "fld_QC_", ""};
    JurisdictionRow m_ON{this, "fld_ON_", ""};
    JurisdictionRow m_MB{this, "fld_MB_", ""};
    JurisdictionRow m_SK{this, "fld_SK_", ""};
    JurisdictionRow m_AB{this, "fld_AB_", ""};
    JurisdictionRow m_BC{this, "fld_BC_", ""};
    JurisdictionRow m_YT{this, "fld_YT_", ""};
    JurisdictionRow m_NT{this, "fld_NT_", ""};
    JurisdictionRow m_NU{this, "fld_NU_", ""};
    JurisdictionRow m_OutCAN{this, "fld_OutCAN_", ""};
    // The rows in the order above (the page's and the stream's).
    const std::array<JurisdictionRow*, kRows> m_rows{&m_NL, &m_NLOffshore, &m_PE, &m_NS, &m_NSOffshore, &m_NB,
                                                     &m_QC, &m_ON, &m_MB, &m_SK, &m_AB, &m_BC, &m_YT, &m_NT,
                                                     &m_NU, &m_OutCAN};
    FLD(CFloatField, fld_colG, Line("129"), Computed);  // total of column B
    FLD(CFloatField, fld_colH, Line("169"), Computed);  // total of column D

    // Part 2, Newfoundland and Labrador (block 1)
    FLD(CFloatField, fld_NL_200, Line("200"));
    FLD(CFloatField, fld_NL_205, Line("205"));
    FLD(CFloatField, fld_NL_A1, Computed);
    FLD(CFloatField, fld_NL_500, Line("500"));
    FLD(CFloatField, fld_NL_891, Line("891"));  // contributions behind line 500
    FLD(CFloatField, fld_NL_501, Line("501"));
    FLD(CFloatField, fld_NL_504, Line("504"));
    FLD(CFloatField, fld_NL_505, Line("505"));
    FLD(CFloatField, fld_NL_507, Line("507"));
    FLD(CFloatField, fld_NL_B1, Computed);
    FLD(CFloatField, fld_NL_C1, Computed);
    FLD(CFloatField, fld_NL_518, Line("518"));
    FLD(CFloatField, fld_NL_D1, Computed);
    FLD(CFloatField, fld_NL_520, Line("520"));
    FLD(CFloatField, fld_NL_521, Line("521"));
    FLD(CStringField, fld_NL_821, Line("821"), 0, "", 30);
    FLD(CFloatField, fld_NL_522, Line("522"));
    FLD(CStringField, fld_NL_840, Line("840"), 0, "", 30);
    FLD(CFloatField, fld_NL_E1, Computed);
    FLD(CFloatField, fld_NL_209, Line("209"), Computed);
    // Prince Edward Island (block 2)
    FLD(CFloatField, fld_PE_210, Line("210"));
    FLD(CFloatField, fld_PE_528, Line("528"));
    FLD(CFloatField, fld_PE_530, Line("530"));
    FLD(CFloatField, fld_PE_B2, Computed);
    FLD(CFloatField, fld_PE_214, Line("214"), Computed);
    // Nova Scotia (block 3)
    FLD(CFloatField, fld_NS_215, Line("215"));
    FLD(CFloatField, fld_NS_220, Line("220"));
    FLD(CFloatField, fld_NS_221, Line("221"));
    FLD(CFloatField, fld_NS_A3, Computed);
    FLD(CFloatField, fld_NS_550, Line("550"));
    FLD(CFloatField, fld_NS_893, Line("893"));
    FLD(CFloatField, fld_NS_554, Line("554"));
    FLD(CFloatField, fld_NS_562, Line("562"));
    FLD(CFloatField, fld_NS_563, Line("563"));
    FLD(CFloatField, fld_NS_570, Line("570"));  // food bank tax credit for farmers, capped at C3
    FLD(CFloatField, fld_NS_556, Line("556"));
    FLD(CStringField, fld_NS_834, Line("834"), 0, "", 30);
    FLD(CFloatField, fld_NS_B3, Computed);
    FLD(CFloatField, fld_NS_C3, Computed);
    FLD(CFloatField, fld_NS_565, Line("565"));
    FLD(CStringField, fld_NS_836, Line("836"), 0, "", 30);
    FLD(CFloatField, fld_NS_566, Line("566"));
    FLD(CFloatField, fld_NS_567, Line("567"));
    FLD(CStringField, fld_NS_838, Line("838"), 0, "", 30);
    FLD(CFloatField, fld_NS_568, Line("568"));
    FLD(CStringField, fld_NS_841, Line("841"), 0, "", 30);
    FLD(CFloatField, fld_NS_569, Line("569"));
    FLD(CStringField, fld_NS_839, Line("839"), 0, "", 30);
    FLD(CFloatField, fld_NS_D3, Computed);
    FLD(CFloatField, fld_NS_224, Line("224"), Computed);
    // New Brunswick (block 4)
    FLD(CFloatField, fld_NB_225, Line("225"));
    FLD(CFloatField, fld_NB_573, Line("573"));
    FLD(CFloatField, fld_NB_A4, Computed);
    FLD(CFloatField, fld_NB_576, Line("576"));
    FLD(CFloatField, fld_NB_578, Line("578"));
    FLD(CFloatField, fld_NB_B4, Computed);
    FLD(CFloatField, fld_NB_C4, Computed);
    FLD(CFloatField, fld_NB_595, Line("595"));
    FLD(CStringField, fld_NB_850, Line("850"), 0, "", 30);
    FLD(CFloatField, fld_NB_597, Line("597"));
    FLD(CFloatField, fld_NB_D4, Computed);
    FLD(CFloatField, fld_NB_229, Line("229"), Computed);
    // Ontario (block 6)
    FLD(CFloatField, fld_ON_270, Line("270"));
    FLD(CFloatField, fld_ON_402, Line("402"));
    FLD(CFloatField, fld_ON_A6, Computed);
    FLD(CFloatField, fld_ON_276, Line("276"));
    FLD(CFloatField, fld_ON_277, Line("277"));
    FLD(CFloatField, fld_ON_B6, Computed);
    FLD(CFloatField, fld_ON_C6, Computed);
    FLD(CFloatField, fld_ON_404, Line("404"));
    FLD(CFloatField, fld_ON_406, Line("406"));
    FLD(CFloatField, fld_ON_408, Line("408"));
    FLD(CFloatField, fld_ON_410, Line("410"));
    FLD(CFloatField, fld_ON_414, Line("414"));
    FLD(CFloatField, fld_ON_415, Line("415"));
    FLD(CFloatField, fld_ON_D6, Computed);
    FLD(CFloatField, fld_ON_E6, Computed);
    FLD(CFloatField, fld_ON_416, Line("416"));
    FLD(CFloatField, fld_ON_F6, Computed);
    FLD(CFloatField, fld_ON_418, Line("418"));
    FLD(CFloatField, fld_ON_420, Line("420"));  // community food program donation credit for farmers
    FLD(CFloatField, fld_ON_G6, Computed);
    FLD(CFloatField, fld_ON_278, Line("278"));
    FLD(CFloatField, fld_ON_280, Line("280"));
    FLD(CFloatField, fld_ON_H6, Computed);
    FLD(CFloatField, fld_ON_I6, Computed);
    FLD(CFloatField, fld_ON_450, Line("450"));
    FLD(CFloatField, fld_ON_452, Line("452"));
    FLD(CFloatField, fld_ON_454, Line("454"));
    FLD(CFloatField, fld_ON_456, Line("456"));
    FLD(CFloatField, fld_ON_458, Line("458"));
    FLD(CFloatField, fld_ON_460, Line("460"));
    FLD(CFloatField, fld_ON_462, Line("462"));
    FLD(CFloatField, fld_ON_466, Line("466"));
    FLD(CFloatField, fld_ON_468, Line("468"));
    FLD(CFloatField, fld_ON_470, Line("470"));
    FLD(CFloatField, fld_ON_472, Line("472"));
    FLD(CFloatField, fld_ON_J6, Computed);
    FLD(CFloatField, fld_ON_290, Line("290"), Computed);
    // Manitoba (block 7)
    FLD(CFloatField, fld_MB_230, Line("230"));
    FLD(CFloatField, fld_MB_601, Line("601"));
    FLD(CFloatField, fld_MB_602, Line("602"));
    FLD(CFloatField, fld_MB_605, Line("605"));
    FLD(CFloatField, fld_MB_606, Line("606"));
    FLD(CFloatField, fld_MB_607, Line("607"));
    FLD(CFloatField, fld_MB_608, Line("608"));
    FLD(CFloatField, fld_MB_609, Line("609"));
    FLD(CFloatField, fld_MB_B7, Computed);
    FLD(CFloatField, fld_MB_C7, Computed);
    FLD(CFloatField, fld_MB_611, Line("611"));
    FLD(CFloatField, fld_MB_613, Line("613"));
    FLD(CFloatField, fld_MB_614, Line("614"));
    FLD(CFloatField, fld_MB_615, Line("615"));
    FLD(CFloatField, fld_MB_619, Line("619"));
    FLD(CFloatField, fld_MB_620, Line("620"));
    FLD(CFloatField, fld_MB_621, Line("621"));
    FLD(CFloatField, fld_MB_622, Line("622"));
    FLD(CFloatField, fld_MB_623, Line("623"));
    FLD(CFloatField, fld_MB_326, Line("326"));
    FLD(CFloatField, fld_MB_327, Line("327"));
    FLD(CFloatField, fld_MB_328, Line("328"));
    FLD(CStringField, fld_MB_889, Line("889"), 0, "", 30);
    FLD(CFloatField, fld_MB_D7, Computed);
    FLD(CFloatField, fld_MB_234, Line("234"), Computed);
    // Saskatchewan (block 8)
    FLD(CFloatField, fld_SK_235, Line("235"));
    FLD(CFloatField, fld_SK_624, Line("624"));
    FLD(CFloatField, fld_SK_890, Line("890"));  // contributions behind line 624
    FLD(CFloatField, fld_SK_625, Line("625"));
    FLD(CFloatField, fld_SK_626, Line("626"));
    FLD(CFloatField, fld_SK_631, Line("631"));
    FLD(CFloatField, fld_SK_B8, Computed);
    FLD(CFloatField, fld_SK_C8, Computed);
    FLD(CFloatField, fld_SK_641, Line("641"));
    FLD(CFloatField, fld_SK_644, Line("644"));
    FLD(CFloatField, fld_SK_645, Line("645"));
    FLD(CFloatField, fld_SK_D8, Computed);
    FLD(CFloatField, fld_SK_239, Line("239"), Computed);
    // British Columbia (block 10)
    FLD(CFloatField, fld_BC_240, Line("240"));
    FLD(CFloatField, fld_BC_241, Line("241"));
    FLD(CFloatField, fld_BC_A10, Computed);
    FLD(CFloatField, fld_BC_650, Line("650"));
    FLD(CFloatField, fld_BC_651, Line("651"));
    FLD(CFloatField, fld_BC_653, Line("653"));
    FLD(CFloatField, fld_BC_896, Line("896"));  // contributions behind line 653
    FLD(CFloatField, fld_BC_683, Line("683"));  // farmer's food donation tax credit, capped at C10
    FLD(CFloatField, fld_BC_656, Line("656"));
    FLD(CFloatField, fld_BC_880, Line("880"));
    FLD(CFloatField, fld_BC_883, Line("883"));
    FLD(CFloatField, fld_BC_881, Line("881"));
    FLD(CStringField, fld_BC_882, Line("882"), 0, "", 30);
    FLD(CFloatField, fld_BC_659, Line("659"));
    FLD(CFloatField, fld_BC_B10, Computed);
    FLD(CFloatField, fld_BC_C10, Computed);
    FLD(CFloatField, fld_BC_670, Line("670"));
    FLD(CFloatField, fld_BC_671, Line("671"));
    FLD(CFloatField, fld_BC_672, Line("672"));
    FLD(CFloatField, fld_BC_673, Line("673"));
    FLD(CFloatField, fld_BC_674, Line("674"));
    FLD(CFloatField, fld_BC_665, Line("665"), Computed);  // 90% of line 886
    FLD(CFloatField, fld_BC_886, Line("886"));
    FLD(CFloatField, fld_BC_679, Line("679"));
    FLD(CFloatField, fld_BC_680, Line("680"));
    FLD(CFloatField, fld_BC_D10, Computed);
    FLD(CFloatField, fld_BC_244, Line("244"), Computed);
    // Yukon (block 11)
    FLD(CFloatField, fld_YT_245, Line("245"));
    FLD(CFloatField, fld_YT_675, Line("675"));
    FLD(CFloatField, fld_YT_897, Line("897"));  // contributions behind line 675
    FLD(CFloatField, fld_YT_676, Line("676"));
    FLD(CFloatField, fld_YT_677, Line("677"));
    FLD(CFloatField, fld_YT_B11, Computed);
    FLD(CFloatField, fld_YT_C11, Computed);
    FLD(CFloatField, fld_YT_698, Line("698"));
    FLD(CFloatField, fld_YT_699, Line("699"));
    FLD(CFloatField, fld_YT_699_after, Computed);
    FLD(CFloatField, fld_YT_249, Line("249"), Computed);
    // Northwest Territories (block 12)
    FLD(CFloatField, fld_NT_250, Line("250"));
    FLD(CFloatField, fld_NT_700, Line("700"));
    FLD(CFloatField, fld_NT_898, Line("898"));  // contributions behind line 700
    FLD(CFloatField, fld_NT_701, Line("701"));
    FLD(CFloatField, fld_NT_B12, Computed);
    FLD(CFloatField, fld_NT_254, Line("254"), Computed);
    // Nunavut (block 13)
    FLD(CFloatField, fld_NU_260, Line("260"));
    FLD(CFloatField, fld_NU_725, Line("725"));
    FLD(CFloatField, fld_NU_899, Line("899"));  // contributions behind line 725
    FLD(CFloatField, fld_NU_730, Line("730"));
    FLD(CFloatField, fld_NU_B13, Computed);
    FLD(CFloatField, fld_NU_740_b4, Computed);
    FLD(CFloatField, fld_NU_740, Line("740"));
    FLD(CFloatField, fld_NU_264, Line("264"), Computed);

    FLD(CFloatField, fld_255, Line("255"), Computed);  // net provincial and territorial tax or refundable credits
};
