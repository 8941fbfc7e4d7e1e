// Schedule 5's line stream, written only for a trust in more than one
// jurisdiction: the regulation type, Part 1's rows and totals, then every
// Part 2 line in declaration order under the code its name carries
// (fld_NL_200 under 200); subtotals (fld_NL_A1) carry no code.
#include "taxcalc/sch5.h"

#include "efile/netfile_records.h"

#include <QSet>
#include <cstring>

namespace {
// The code a Part 2 field's name ends with, or 0.
int lineCode(const char* name)
{
    const char* last = std::strrchr(name, '_');
    int code = 0;
    for (const char* c = last ? last + 1 : name; *c; ++c) {
        if (*c < '0' || *c > '9')
            return 0;
        code = code * 10 + (*c - '0');
    }
    return code;
}

// Certificate numbers that the stream cuts to their first 20 characters.
const QSet<int> kShortTexts = {838, 839, 840, 841};
constexpr int kShortTextLength = 20;

// The flag codes of Part 1's rows; columns B and D are 100 and 140 above.
constexpr int kRowFlagCode[TaxData_Sch5::kRows] = {3, 4, 5, 7, 8, 9, 11, 13, 15, 17, 19, 21, 23, 25, 26, 27};
}  // namespace

int TaxData_Sch5::WriteNetfile(unsigned char /*purpose*/, NetfileTypedMap& typed, FILE* out, int& /*reserved*/)
{
    return WriteNetfileInternal(typed, out);
}

int TaxData_Sch5::WriteNetfileInternal(NetfileTypedMap& typed, FILE* out)
{
    if (jurisdictionOfRows() != PROV_MULTIPLE)
        return 0;
    NetfileLineStream stream(typed, out);
    stream.text(100, fld_RegulationType.value());
    for (int i = 0; i < kRows; ++i) {
        const JurisdictionRow& row = *m_rows[size_t(i)];
        stream.flag(kRowFlagCode[i], row.Yes);
        stream.amount(kRowFlagCode[i] + 100, row.colB);
        stream.amount(kRowFlagCode[i] + 140, row.colD);
    }
    stream.amount(129, fld_colG);
    stream.amount(169, fld_colH);

    const int first = fieldIndex("fld_NL_200");
    for (int i = first; i < fieldCount(); ++i) {
        const CField* field = fields()[size_t(i)];
        const int code = lineCode(field->name());
        if (code == 0)
            continue;
        if (field->kind() == FIELD_STRING) {
            const QString& text = static_cast<const CStringField*>(field)->value();
            stream.text(code, kShortTexts.contains(code) ? text.left(kShortTextLength) : text);
        } else {
            stream.amount(code, static_cast<const CFloatField*>(field)->value());
        }
    }
    return 0;
}
