#include "schedules/sch21.h"

#include "framework/amounts.h"
#include "framework/checks.h"
#include "framework/validation_messages.h"

#include <algorithm>
#include <string>

namespace {
double floorZero(double x)
{
    return x < 0.0 ? 0.0 : x;
}
bool allAbsent(double a, double b, double c)
{
    return !amountPresent(a) && !amountPresent(b) && !amountPresent(c);
}
// Lowers `field` to `cap` when it is above it.
void capAt(CFloatField& field, double cap)
{
    if (field > cap)
        field.store(cap);
}
}  // namespace

// A field of row `row` (1 to 5): "fld_180" and 2 give fld_180_2.
template <class Field>
static Field& rowField(const TaxData_Sch21& form, const char* name, int row)
{
    return *static_cast<Field*>(form.findField(std::string(name) + "_" + std::to_string(row)));
}

int TaxData_Sch21::Calculate()
{
    auto amount = [this](const char* name, int row) -> CFloatField& { return rowField<CFloatField>(*this, name, row); };
    auto country = [this](const char* name, int row) -> CIntField& { return rowField<CIntField>(*this, name, row); };

    // Part 6: adjusted net income
    if (fld_Part6IsNotBank == 1) {
        for (CFloatField* f : {&fld_F300T2, &fld_F332T2, &fld_FromSection112_113, &fld_F350T2,
                               &fld_SubTotalAfterF350T2, &fld_F355T2, &fld_Part6_A})
            f->store(0.0);
        fld_Part6_C.store(fld_IncCanBank + fld_AmtSubPara115);
        fld_Part6_D.store(std::min<double>(fld_F360T2, fld_Part6_C));
        fld_600.store(fld_Part6_D);
    } else if (fld_Part6IsNotBank == 0) {
        for (CFloatField* f : {&fld_F360T2, &fld_IncCanBank, &fld_AmtSubPara115, &fld_Part6_C, &fld_Part6_D})
            f->store(0.0);
        fld_F300T2.store(floorZero(fld_F300T2));
        fld_SubTotalAfterF350T2.store(floorZero(fld_F300T2 - (fld_F332T2 + fld_FromSection112_113 + fld_F350T2)));
        fld_Part6_A.store(fld_SubTotalAfterF350T2 + fld_F355T2);
        fld_600.store(fld_Part6_A);
    }

    // Part 7: line 610
    fld_Part7Subtotal1.store(fld_F608T2 + fld_F620T2 + fld_F639T2);
    fld_Part7Subtotal2.store(fld_F602T2 + fld_F604T2);
    fld_610.store(fld_F550T2 - fld_Part7Subtotal1 + fld_Part7Subtotal2);

    // Part 8: line 620
    fld_Part8SubTotal1.store(fld_Line620T2 + fld_Line628T2 + fld_Line638T2 + fld_Line639T2);
    fld_620.store(fld_Line550T2 - fld_Part8SubTotal1 + fld_Line600T2 + fld_Line602T2);

    // Part 1: foreign non-business income tax credit
    double total180 = 0.0, nonBusinessClaimed = 0.0;
    for (int r = 1; r <= kRows; ++r) {
        CFloatField &income = amount("fld_110", r), &paid = amount("fld_120", r), &deductible = amount("fld_130", r);
        if (allAbsent(income, paid, deductible)) {
            amount("fld_Part1_F", r).store(0.0);
            amount("fld_Part1_G", r).store(0.0);
        } else {
            capAt(deductible, paid);
            amount("fld_Part1_E", r).store(paid - deductible);
            amount("fld_Part1_F", r).store(fld_600);
            amount("fld_Part1_G", r).store(fld_610);
            amount("fld_Part1_H", r).store(div(fld_610 * income, fld_600, 0.0));
            amount("fld_180", r).store(std::min<double>(amount("fld_Part1_E", r), amount("fld_Part1_H", r)));
            capAt(amount("fld_non_busi_credit_claimed", r), amount("fld_180", r));
        }
        total180 += amount("fld_180", r);
        nonBusinessClaimed += amount("fld_non_busi_credit_claimed", r);
    }
    fld_180_total.store(total180);
    fld_non_busi_credit_total.store(nonBusinessClaimed);

    // Part 2: foreign business income tax credit
    double total280 = 0.0, businessClaimed = 0.0;
    for (int r = 1; r <= kRows; ++r) {
        country("fld_200", r) = int(country("fld_100", r));
        const CFloatField &income = amount("fld_210", r), &paid = amount("fld_220", r), &unused = amount("fld_230", r);
        if (allAbsent(income, paid, unused)) {
            for (const char* column : {"fld_Part2_F", "fld_Part2_G", "fld_Part2_H"})
                amount(column, r).store(0.0);
        } else {
            amount("fld_Part2_E", r).store(paid + unused);
            amount("fld_Part2_F", r).store(fld_600);
            amount("fld_Part2_G", r).store(fld_620);
            amount("fld_Part2_H", r).store(floorZero(fld_620 - amount("fld_non_busi_credit_claimed", r)));
            amount("fld_Part2_I", r).store(div(fld_620 * income, fld_600, 0.0));
            amount("fld_280", r).store(std::min({double(amount("fld_Part2_I", r)), double(amount("fld_Part2_H", r)),
                                                 double(amount("fld_Part2_E", r))}));
            capAt(amount("fld_busi_credit_claimed", r), amount("fld_280", r));
        }
        total280 += amount("fld_280", r);
        businessClaimed += amount("fld_busi_credit_claimed", r);
    }
    fld_280_total.store(total280);
    fld_busi_credit_total.store(businessClaimed);

    // Parts 3 and 4: continuity and carryback of unused business credits
    for (int r = 1; r <= kRows; ++r) {
        country("fld_345", r) = int(country("fld_200", r));
        amount("fld_350", r).store(floorZero(amount("fld_Part3_L", r) - amount("fld_348", r)));
        amount("fld_Part3_P", r).store(amount("fld_220", r));
        amount("fld_Part3_Q", r).store(amount("fld_busi_credit_claimed", r));
        CFloatField &b901 = amount("fld_901", r), &b902 = amount("fld_902", r), &b903 = amount("fld_903", r);
        const double carriedBack = b901 + b902 + b903;  // before this pass's caps
        amount("fld_Part3_R", r).store(carriedBack);

        country("fld_900", r) = int(country("fld_200", r));
        const double unusedCredit = floorZero(amount("fld_Part3_P", r) - amount("fld_Part3_Q", r));
        amount("fld_Part4_U", r).store(unusedCredit);
        capAt(b901, unusedCredit);
        capAt(b902, unusedCredit - b901);
        capAt(b903, unusedCredit - b901 - b902);

        amount("fld_380", r).store(floorZero(amount("fld_Part3_P", r) + amount("fld_350", r) + amount("fld_360", r) -
                                             amount("fld_Part3_Q", r) - carriedBack));
    }

    // Part 5: federal logging tax credit
    fld_Part5_C_1.store((fld_500 + fld_500) / 30.0);
    fld_Part5_E_1.store((fld_510 + fld_510) / 3.0);
    fld_Part5_F_1.store(std::min<double>(fld_Part5_C_1, fld_Part5_E_1));
    fld_Part5_C_2.store((fld_520 + fld_520) / 30.0);
    fld_Part5_E_2.store((fld_530 + fld_530) / 3.0);
    fld_Part5_F_2.store(std::min<double>(fld_Part5_C_2, fld_Part5_E_2));
    fld_Part5_G.store(fld_Part5_F_1 + fld_Part5_F_2);
    fld_Part5_H.store((fld_Part5_TaxIncCAN + fld_Part5_TaxIncCAN) / 30.0);
    fld_580.store(std::min<double>(fld_Part5_G, fld_Part5_H));

    // Part 9: provincial or territorial foreign tax credit
    fld_Part9_C.store(fld_Part9_A - fld_Part9_B);
    fld_Part9_E.store(floorZero(fld_Part9_C - fld_Part9_D));
    fld_Part9_F.store(div(fld_TaxIncInProv, fld_TaxIncTotalCanada, 0.0) * fld_Part9_E);
    fld_Part9_H.store(fld_Part9_G * fld_ProvTaxRate / 100.0);
    fld_Part9_I.store(div(fld_TaxIncInProv, fld_TaxIncFromT2, 0.0) * fld_Part9_H);
    fld_Part9_J.store(std::min<double>(fld_Part9_F, fld_Part9_I));
    return 0;
}

int TaxData_Sch21::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (fld_Part6IsNotBank < 0)
        addMessage(messages, fld_Part6IsNotBank,
                   CString(QStringLiteral("Please choose an option at field %1.")
                               .arg(QStringLiteral("of whether the corporation is a foreign bank in Part 6."))));
    return int(messages.size() - before);
}
