// Parts the business and farming statements share: the websites of the
// operation, the partnership's deductions, the co-owners and the net income
// after adjustments with the parts behind it.
#pragma once

#include "framework/field_rows.h"
#include "statements/home_use.h"

#include <algorithm>

struct WebsiteFields : FieldRow {
    explicit WebsiteFields(CTaxData_Form* form) : FieldRow(form, "fld_", "") {}
    CIntField count{slot("websites"), 0};  // at most 5
    CStringField http1{slot("http_1"), 0, "", 80};
    CStringField http2{slot("http_2"), 0, "", 80};
    CStringField http3{slot("http_3"), 0, "", 80};
    CStringField http4{slot("http_4"), 0, "", 80};
    CStringField http5{slot("http_5"), 0, "", 80};
    CPercentField incomePercent{slot("webincome_percent")};  // share of the income earned online
    void calculate()
    {
        if (count > 5)
            count = 5;
    }
};

// Expenses the trust paid as a partner that the partnership did not deduct.
struct PartnershipDeductionRow : FieldRow {
    using FieldRow::FieldRow;
    CStringField spec{slot("partnership_spec"), 0, "", 60};
    CFloatField amount{slot("partnership")};
};
class PartnershipDeductions {
public:
    explicit PartnershipDeductions(CTaxData_Form* form)
        : rows(form, "fld_deduct_", "_"),
          total{FieldSlot{form, "fld_deduct_partnership_6"}, FieldDeclarations::Computed}
    {
    }
    double calculate()
    {
        double sum = 0.0;
        for (const PartnershipDeductionRow& row : rows)
            sum += row.amount;
        total = sum;
        return sum;
    }
    FieldRows<PartnershipDeductionRow, 5> rows;
    CFloatField total;
};

struct CoOwnerFields : FieldRow {
    using FieldRow::FieldRow;
    CStringField name{slot("name"), 0, "", 40};
    CStringField lastname{slot("lastname"), 0, "", 40};
    CIntField iprov{slot("iprov"), 0};
    CStringField postcode{slot("postcode"), 0, "", 10};
    CStringField addr{slot("addr"), 0, "", 80};
    CFloatField netincome{slot("netincome"), Computed};
    CPercentField percent{slot("percent")};
};

// Each co-owner's part of `netIncome` by its percentage, kept within 0 to 100.
template <int N>
void shareAmongCoOwners(FieldRows<CoOwnerFields, N>& owners, double netIncome)
{
    for (CoOwnerFields& owner : owners) {
        owner.percent = std::clamp<double>(owner.percent, 0.0, 100.0);
        owner.netincome = netIncome * owner.percent / 100.0;
    }
}

// Lines 9974 to 9946 of the business and farming statements (the trust's
// share plus the GST/HST rebate for partners, less the partnership's
// deductions and business use of home), then the parts behind them: the
// partnership's deductions, business use of home, the other partners and the
// details of equity.
class NetIncomeAdjustments {
    using D = FieldDeclarations;

public:
    explicit NetIncomeAdjustments(CTaxData_Form* form);
    // Lines 9974 to 9946 from the trust's share and its other adjustments;
    // the partnership's deductions are calculated before. Answers line 9946.
    double calculate(double share, double otherAdjustments, bool shared, double percentOwner);

    CFloatField rebate;            // 9974: GST/HST rebate for partners
    CFloatField withRebate;        // the share plus line 9974
    CFloatField partnerDeductions; // 9943: the partnership's deductions
    CFloatField afterAdjustments;  // net income (loss) after adjustments
    CFloatField homeUse;           // 9945: business use of home
    CFloatField netIncome;         // 9946: to the return
    PartnershipDeductions partnership;
    HomeUseFields home;
    FieldRows<CoOwnerFields, 4> coowners;
    CFloatField liabilities;    // 9931: total business liabilities
    CFloatField drawings;       // 9932: drawings in the year
    CFloatField contributions;  // 9933: capital contributions in the year
};

// The province of a Canadian postal code, or `current` when the code names none.
int provinceOfPostalCode(const QString& postalCode, int current);
