#include "bench/synthetic_forms.h"

std::vector<std::unique_ptr<TaxData_TaxNote>> makeTaxNotes(int count)
{
    std::vector<std::unique_ptr<TaxData_TaxNote>> notes;
    notes.reserve(size_t(count));
    for (int n = 0; n < count; ++n) {
        auto note = std::make_unique<TaxData_TaxNote>();
        note->box_name = QStringLiteral("Investment counsel fees, account %1").arg(n);
        for (int box = 1; box <= 15; ++box) {
            auto* spec = static_cast<CStringField*>(note->findField(QStringLiteral("box_spec_%1").arg(box).toLatin1().constData()));
            *spec = QStringLiteral("Quarter %1 statement, portfolio manager fee").arg(box);
            auto* amount = const_cast<CFloatField*>(note->amountBox(box));
            amount->store(1234.56 * box + n * 0.01);
        }
        notes.push_back(std::move(note));
    }
    return notes;
}
