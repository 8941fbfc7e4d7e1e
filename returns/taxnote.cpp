#include "returns/taxnote.h"

namespace {
constexpr int kAmountBoxes = 15;
}

bool TaxData_TaxNote::GetDisplayName(CString& out)
{
    out = CString(QStringLiteral("Note - ") + (box_name.isBlank() ? QStringLiteral("un-named") : box_name.value()));
    return true;
}

const CFloatField* TaxData_TaxNote::amountBox(int number) const
{
    const CFloatField* const boxes[kAmountBoxes] = {&box_1,  &box_2,  &box_3,  &box_4,  &box_5,
                                                    &box_6,  &box_7,  &box_8,  &box_9,  &box_10,
                                                    &box_11, &box_12, &box_13, &box_14, &box_15};
    return number >= 1 && number <= kAmountBoxes ? boxes[number - 1] : nullptr;
}

int TaxData_TaxNote::Calculate02()
{
    double total = 0.0;
    for (int i = 1; i <= kAmountBoxes; ++i)
        total += *amountBox(i);
    box_16 = total;
    return 0;
}
