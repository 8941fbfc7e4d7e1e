// Form T2038(IND), investment tax credit: the credits earned this year (Part
// A), their recapture (Part C, to line 12B of Schedule 11), the credit claimed
// against tax (Part D, to line 27 of Schedule 11), the carryback to the three
// previous years and the refundable part (Part E, to line 88 of the return)
// and the balance carried forward (Part F).
//
// The host runs CalculateToLineC before Schedule 11's basic federal tax, and
// CalculateToLineD and CalculateToEnd once Schedule 11 has its lines 23, 24
// and 26 (the limits of Part D).
#pragma once

#include "framework/field_rows.h"
#include "framework/form.h"

class TaxData_T2038New : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_T2038New() : CTaxDataBase01(49) {}

    int CalculateToLineC();
    int CalculateToLineD();
    // The claim is capped at the limit under minimum tax (line I) when
    // `useMinimumTaxLimit`, else at the regular limit (line G).
    int CalculateToEnd(bool useMinimumTaxLimit);
    int Validate(unsigned char purpose, std::list<CString>& messages) override;

    struct ApprenticeRow : FieldRow {
        using FieldRow::FieldRow;
        ROW_FLD(CStringField, SIN, 0, "", 9);
        ROW_FLD(CStringField, TradeName, 0, "", 80);
        ROW_FLD(CFloatField, salary);  // eligible salary, at most the cap per apprentice
    };

    // Part A: current-year credits
    FLD(CFloatField, fld_6712, Record(67120, W), 0.0, 6712);  // SR&ED qualified expenditures
    FLD(CFloatField, fld_6712_a);
    FLD(CFloatField, fld_6715, Record(67130, W), 0.0, 6715);
    FLD(CFloatField, fld_6715_a);
    FLD(CFloatField, fld_6725, Record(67135, C), 0.0, 6725);  // from partnerships (T5013 boxes 186, 187, 189)
    FLD(CFloatField, fld_6714, Record(67140, W), 0.0, 6714);  // investment in qualified property
    FLD(CFloatField, fld_6714_a);
    FLD(CFloatField, fld_a, Computed);  // total, to Part D column 2
    // Apprenticeship job creation
    FLD(CFloatField, fld_ws_6717_from_T1229);
    FLD(CFloatField, fld_ws_6717_other);
    FLD(CFloatField, fld_6717, Record(67170, W), 0.0, 6717);
    FLD(CFloatField, fld_67170_a);
    // Child care spaces
    FLD(CFloatField, fld_ws_67175_from_T1229);
    FLD(CFloatField, fld_ws_67175_other);
    FLD(CFloatField, fld_67175, Record(W), 0.0, 67175);
    FLD(CFloatField, fld_67175_a);
    FieldRows<ApprenticeRow, 4> m_apprentices{this, "fld_6718_", "_"};
    FLD(CFloatField, fld_67180, Record(W), 0.0, 67180);
    FLD(CFloatField, fld_67180_a);
    FLD(CFloatField, fld_67184, Record(W), 0.0, 67184);
    FLD(CFloatField, fld_67184_a);
    FLD(CFloatField, fld_67185, Record(W), 0.0, 67185);
    FLD(CFloatField, fld_67185_a);
    FLD(CFloatField, fld_RepaySRED);
    FLD(CFloatField, fld_LineF);  // to Part D column 3

    // Part C: recapture
    FLD(CFloatField, fld_6726, Record(67193, W), 0.0, 6726);
    FLD(CFloatField, fld_6726a);
    FLD(CFloatField, fld_6713, Record(67195, W), 0.0, 6713);
    FLD(CFloatField, fld_6713a);
    FLD(CFloatField, fld_PartCLine3);
    FLD(CFloatField, fld_PartCLine4);
    FLD(CFloatField, fld_PartCLine5);
    FLD(CFloatField, fld_PartCLine6);
    FLD(CFloatField, fld_PartCLine7);
    FLD(CFloatField, fld_67197, Record(W), 0.0, 67197);
    FLD(CFloatField, fld_406, 0.0, 406);  // total recapture: line 12B of Schedule 11

    // Part D: credit claimed
    FLD(CFloatField, fld_col_1);  // opening balance and carry-forward
    FLD(CFloatField, fld_col_2);
    FLD(CFloatField, fld_col_3);
    FLD(CFloatField, fld_PartDLine4);
    FLD(CFloatField, fld_PartDLine5);
    FLD(CFloatField, fld_col_4);
    FLD(CFloatField, fld_PartDLineF);
    FLD(CFloatField, fld_F40600);  // federal tax after the foreign tax credit (Schedule 11 lines 23 - 24)
    FLD(CFloatField, fld_F41000);  // political contribution credit (Schedule 11 line 26)
    FLD(CFloatField, fld_AfterF41000);
    FLD(CFloatField, fld_F41400);
    FLD(CFloatField, fld_AfterF41400);
    FLD(CFloatField, fld_LessFandG);
    FLD(CFloatField, fld_F405S1);
    FLD(CFloatField, fld_after_F405S1);
    FLD(CFloatField, fld_Line59FromT691);
    FLD(CFloatField, fld_allowable_claim_AMT);
    FLD(CFloatField, fld_LessFandI);
    FLD(CBoolField, fld_ITC_claim_overwrite);
    FLD(CFloatField, fld_ITC_claim);  // credit claimed: line 27 of Schedule 11

    // Part E: carryback and refund
    FLD(CFloatField, fld_PartELine1);
    FLD(CFloatField, fld_PartELine2);
    FLD(CFloatField, fld_CurYCreditAvail);
    FLD(CFloatField, fld_PartELine4);
    FLD(CFloatField, fld_PartELine5);
    FLD(CFloatField, fld_NotAllowedPart);
    FLD(CFloatField, fld_ITC_Avail_Carryback);
    FLD(CStringField, fld_6720_year, 0, "", 4);
    FLD(CFloatField, fld_6720, Record(67200, C), 0.0, 6720);
    FLD(CStringField, fld_6721_year, 0, "", 4);
    FLD(CFloatField, fld_6721, Record(67210, C), 0.0, 6721);
    FLD(CStringField, fld_6722_year, 0, "", 4);
    FLD(CFloatField, fld_6722, Record(67220, C), 0.0, 6722);
    FLD(CFloatField, fld_totalcarryback);
    FLD(CDateField, fld_6274);
    FLD(CFloatField, fld_PartELine7);
    FLD(CFloatField, fld_PartELine8);
    FLD(CFloatField, fld_CurRefAvail);
    FLD(CFloatField, fld_ITC_claim_1);
    FLD(CFloatField, fld_PartELine11);
    FLD(CFloatField, fld_CurYClaim);
    FLD(CFloatField, fld_TotalCarryBack);
    FLD(CFloatField, fld_PartELine14);
    FLD(CFloatField, fld_NonRefTC);
    FLD(CFloatField, fld_PartELine16);
    FLD(CFloatField, fld_ITC_Avail_Refund);
    FLD(CBoolField, fld_overwrite_refund);
    FLD(CFloatField, fld_ITCRefundUsingAmount);
    FLD(CFloatField, fld_ITC_refund);  // refundable credit: line 88 of the return

    // Part F: balance carried forward
    FLD(CFloatField, fld_PartFLine1);
    FLD(CFloatField, fld_PartFCurNonRefTC);
    FLD(CFloatField, fld_PartFCarryback);
    FLD(CFloatField, fld_PartFITCRef);
    FLD(CFloatField, fld_PartFSubtotal);
    FLD(CFloatField, fld_BalForward);
};
