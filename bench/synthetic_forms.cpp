#include "bench/synthetic_forms.h"

#include "host/return_file.h"

std::vector<std::unique_ptr<TaxData_TaxNote>> makeTaxNotes(int count)
{
    std::vector<std::unique_ptr<TaxData_TaxNote>> notes;
    notes.reserve(size_t(count));
    for (int n = 0; n < count; ++n) {
        auto note = std::make_unique<TaxData_TaxNote>();
        note->box_name = QStringLiteral("Investment counsel fees, account %1").arg(n);
        for (int box = 1; box <= 15; ++box) {
            const QByteArray spec = QStringLiteral("box_spec_%1").arg(box).toLatin1();
            *static_cast<CStringField*>(note->findField(spec.constData())) =
                QStringLiteral("Quarter %1 statement, portfolio manager fee").arg(box);
            const_cast<CFloatField*>(note->amountBox(box))->store(1234.56 * box + n * 0.01);
        }
        notes.push_back(std::move(note));
    }
    return notes;
}

TaxReturn loadSampleReturn()
{
    return loadReturn(QStringLiteral(TRUSTELLA_SOURCE_DIR "/examples/testamentary-trust-2024.json"));
}

TaxReturn makeLargeReturn(int notes)
{
    TaxReturn ret = loadSampleReturn();
    for (auto& note : makeTaxNotes(notes))
        ret.add(std::move(note));
    return ret;
}
