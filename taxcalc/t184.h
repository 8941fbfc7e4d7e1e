// Form T184, capital gains refund of a mutual fund trust: the federal refund
// (line 84050), the refund of the other provinces and territories at their
// rate of it (line 84051), and the Ontario, Manitoba and Alberta parts.
// CalculateProv runs the three parts; a part of another jurisdiction than
// the trust's is cleared, entries included.
#pragma once

#include "framework/form.h"

class TaxData_T184 : public CTaxDataBase01 {
    Q_OBJECT
public:
    TaxData_T184() : CTaxDataBase01(30) {}
    int CalculateFed();
    int CalculateProv();
    int CalculateProv_ON();
    int CalculateProv_MB();
    int CalculateProv_AB();
    // Percent of the federal refund for a jurisdiction; 0 where none applies.
    static double provincialRate(int jurisdiction);

    // Federal part
    FLD(CFloatField, fld_TaxableIncome);              // taxable income (line 56 of the return)
    FLD(CFloatField, fld_lineA, Computed);            // taxable income x 33 %
    FLD(CFloatField, fld_84000, Record(C));           // taxed capital gains
    FLD(CFloatField, fld_lineB, Computed);            // 84000 x 33 %
    FLD(CFloatField, fld_LineC);                      // Part I tax payable
    FLD(CFloatField, fld_84001, Record(C));           // refundable capital gains tax on hand, last year
    FLD(CFloatField, fld_84002, Computed);            // least of lines A, B and C
    FLD(CFloatField, fld_after84002, Computed);       // 84001 plus 84002
    FLD(CFloatField, fld_84004, Record(C));           // capital gains refund of last year
    FLD(CFloatField, fld_84005, Computed);            // refundable capital gains tax on hand
    FLD(CFloatField, fld_after84005, Computed);       // 84005 x 100 / 16.5
    FLD(CFloatField, fld_84007, Record(C));
    FLD(CFloatField, fld_84008, Record(C));
    FLD(CFloatField, fld_after84008, Computed);       // 84007 plus 84008
    FLD(CFloatField, fld_84010, Record(C));
    FLD(CFloatField, fld_84011, Record(C));
    FLD(CFloatField, fld_after84011, Computed);       // 84010 plus 84011
    FLD(CFloatField, fld_federalCCSubtotal, Computed);
    FLD(CFloatField, fld_federalCCNetTotal, Computed);
    FLD(CFloatField, fld_84015, Record(C));
    FLD(CFloatField, fld_netTotalByUnits, Computed);
    FLD(CFloatField, fld_netTotalByMarket, Computed);
    FLD(CFloatField, fld_CCSubtotal, Computed);
    FLD(CFloatField, fld_84021, Record(C));
    FLD(CFloatField, fld_CCDesignatedAmt, Computed);  // 2 x 84021
    FLD(CFloatField, fld_84045, Computed);            // capital gains redemptions, at least 0
    FLD(CFloatField, fld_84045_1, Computed);
    FLD(CFloatField, fld_84045Rated, Computed);       // 84045 x 16.5 %
    FLD(CFloatField, fld_84050, Computed);            // capital gains refund
    FLD(CFloatField, fld_84050_1, Computed);
    FLD(CPercentField, fld_provRate);
    FLD(CFloatField, fld_84051, Computed);            // provincial or territorial refund
    // Ontario part
    FLD(CFloatField, fld_ONtaxableIncome);
    FLD(CFloatField, fld_ONLineA, Computed);          // taxable income x 20.53 %
    FLD(CFloatField, fld_ONLineB, Computed);          // 84000 x 20.53 %
    FLD(CFloatField, fld_ONTaxPayable);               // Ontario tax payable
    FLD(CFloatField, fld_84100, Computed);            // least of the three
    FLD(CFloatField, fld_84102, Record(C));
    FLD(CFloatField, fld_84103, Record(C));
    FLD(CFloatField, fld_84104, Record(C));
    FLD(CFloatField, fld_ONBasicTax, Computed);       // (84102 - 84103) - 84104
    FLD(CFloatField, fld_84105, Computed);            // 84100 plus the basic tax
    FLD(CFloatField, fld_ON84045Rated, Computed);     // 84045 x 10.265 %
    FLD(CFloatField, fld_84107, Computed);            // Ontario capital gains refund
    FLD(CFloatField, fld_ONtemp84105, Computed);
    FLD(CFloatField, fld_ONtemp84007, Computed);      // line 84107 again
    FLD(CFloatField, fld_84116, Record(C));
    FLD(CFloatField, fld_84117, Computed);
    FLD(CFloatField, fld_84120, Record(C));
    FLD(CFloatField, fld_ONCCRefund96_99);
    FLD(CFloatField, fld_ONCCRefund00_08);
    FLD(CFloatField, fld_ONCCRefund09_15);
    FLD(CFloatField, fld_84122, Record(C), Computed);  // the three refunds
    FLD(CFloatField, fld_ONSurtax00_08);
    FLD(CFloatField, fld_ONSurtax09_15);
    FLD(CFloatField, fld_ONSurtax16_21);
    FLD(CFloatField, fld_84124, Record(C), Computed);  // the three surtaxes
    FLD(CFloatField, fld_84126, Computed);
    FLD(CFloatField, fld_84115, Computed);            // 84107 + 84117 + 84126
    // Manitoba part
    FLD(CFloatField, fld_MBTaxableIncome);
    FLD(CFloatField, fld_MBLine1, Computed);          // lesser of taxable income and 84000, x 17.4 %
    FLD(CFloatField, fld_MBTaxPayable);               // Manitoba tax payable
    FLD(CFloatField, fld_84403, Computed);
    FLD(CFloatField, fld_84404, Record(C));
    FLD(CFloatField, fld_MBSubtotal, Computed);       // 84403 plus 84404
    FLD(CFloatField, fld_84408, Record(C));           // last year's lines 8 and 11
    FLD(CFloatField, fld_MBLine9, Computed);
    FLD(CFloatField, fld_MB84045Rated, Computed);     // 84045 x 8.7 %
    FLD(CFloatField, fld_84307, Computed);            // Manitoba capital gains refund
    // Alberta part
    FLD(CFloatField, fld_84204, Record(C));
    FLD(CFloatField, fld_TaxableIncome_AB);
    FLD(CFloatField, fld_ABLine2, Computed);          // taxable income x 15 %
    FLD(CFloatField, fld_ABLine3, Computed);          // 84000 x 15 %
    FLD(CFloatField, fld_ABTaxPayable);               // Alberta tax payable
    FLD(CFloatField, fld_84205, Computed);
    FLD(CFloatField, fld_84209, Record(C));
    FLD(CFloatField, fld_84210, Computed);
    FLD(CFloatField, fld_ABLine8, Computed);
    FLD(CFloatField, fld_ABLine9, Computed);          // line 8 x 100 / 7.5
    FLD(CFloatField, fld_84211, Computed);
    FLD(CFloatField, fld_FedLine15, Computed);        // federal 84015
    FLD(CFloatField, fld_ABLine12, Computed);
    FLD(CFloatField, fld_FedLine17, Computed);        // federal amount by market
    FLD(CFloatField, fld_ABLine14, Computed);
    FLD(CFloatField, fld_ABLine16, Computed);
    FLD(CFloatField, fld_84218, Computed);            // line 16 x 7.5 %
    FLD(CFloatField, fld_84203, Computed);            // Alberta capital gains refund
    // Totals
    FLD(CFloatField, fld_federalCCRefund, Computed);
    FLD(CFloatField, fld_federalCCRefundProvs, Computed);
    FLD(CFloatField, fld_From84115, Computed);
    FLD(CFloatField, fld_From84307, Computed);
    FLD(CFloatField, fld_From84203, Computed);
    FLD(CFloatField, fld_totalCCRefund, Computed);

private:
    void clearFields(std::initializer_list<CFloatField*> fields);
};
