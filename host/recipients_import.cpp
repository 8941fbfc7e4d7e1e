#include "host/recipients_import.h"

#include "framework/csv.h"
#include "slips/t3slip_issuing.h"

#include <cmath>
#include <QHash>

namespace {
const char* const kColumns[] = {"name", "last_name", "id", "address", "city", "postal_code", "percentage"};
constexpr int kColumnCount = int(std::size(kColumns));
enum Column { kName, kLastName, kId, kAddress, kCity, kPostalCode, kPercentage };
// The lengths of the issued slip's text fields that the columns fill.
const int kMaxLength[] = {80, 80, 20, 80, 80, 10};

QString at(int line, int column, const QString& fault)
{
    return QStringLiteral("line %1, column %2 (%3): %4")
        .arg(line)
        .arg(column + 1)
        .arg(QLatin1String(kColumns[column]), fault);
}

QString checkHeader(const CsvRow& header)
{
    if (int(header.cells.size()) != kColumnCount)
        return QStringLiteral("line %1: the header has %2 columns, expected %3 (%4)")
            .arg(header.line)
            .arg(header.cells.size())
            .arg(kColumnCount)
            .arg(QStringLiteral("name,last_name,id,address,city,postal_code,percentage"));
    for (int c = 0; c < kColumnCount; ++c)
        if (QString::fromStdString(header.cells[size_t(c)]).trimmed().compare(QLatin1String(kColumns[c]),
                                                                              Qt::CaseInsensitive) != 0)
            return at(header.line, c, QStringLiteral("the header names \"%1\"")
                                          .arg(QString::fromStdString(header.cells[size_t(c)])));
    return {};
}

// One data row, or the fault of its first bad cell.
QString readRow(const CsvRow& row, RecipientRow& out)
{
    if (int(row.cells.size()) != kColumnCount)
        return QStringLiteral("line %1: %2 columns, expected %3").arg(row.line).arg(row.cells.size()).arg(kColumnCount);
    auto cell = [&](int c) { return QString::fromStdString(row.cells[size_t(c)]).trimmed(); };
    out.line = row.line;
    out.name = cell(kName);
    out.lastName = cell(kLastName);
    out.id = cell(kId);
    out.address = cell(kAddress);
    out.city = cell(kCity);
    out.postalCode = cell(kPostalCode);
    for (int c : {kName, kId, kAddress})
        if (cell(c).isEmpty())
            return at(row.line, c, QStringLiteral("empty"));
    for (int c = kName; c < kPercentage; ++c)
        if (cell(c).size() > kMaxLength[c])
            return at(row.line, c, QStringLiteral("longer than %1 characters").arg(kMaxLength[c]));
    const std::string& pcnt = row.cells[size_t(kPercentage)];
    std::string_view text = pcnt;
    while (!text.empty() && (text.back() == '%' || text.back() == ' '))
        text.remove_suffix(1);
    const auto value = parseAmountCell(text);
    if (!value || QString::fromStdString(pcnt).trimmed().isEmpty())
        return at(row.line, kPercentage, QStringLiteral("\"%1\" is not a percentage").arg(QString::fromStdString(pcnt)));
    if (!std::isfinite(*value) || *value < 0.0 || *value > 100.0)
        return at(row.line, kPercentage, QStringLiteral("%1 is not between 0 and 100").arg(QString::fromStdString(pcnt)));
    out.percentage = *value;
    return {};
}
}  // namespace

RecipientsImport parseRecipientsCsv(std::string_view text)
{
    RecipientsImport result;
    bool unclosed = false;
    const std::vector<CsvRow> rows = parseCsvRows(text, &unclosed);
    if (unclosed) {
        result.error = QStringLiteral("line %1: a quoted cell is not closed").arg(rows.empty() ? 1 : rows.back().line);
        return result;
    }
    if (rows.empty()) {
        result.error = QStringLiteral("line 1: the header row is missing");
        return result;
    }
    result.error = checkHeader(rows.front());
    QHash<QString, int> lineOfId;
    for (size_t i = 1; i < rows.size() && result.ok(); ++i) {
        RecipientRow r;
        result.error = readRow(rows[i], r);
        if (!result.ok())
            break;
        if (lineOfId.contains(r.id)) {
            result.error = at(r.line, kId, QStringLiteral("%1 is also on line %2").arg(r.id).arg(lineOfId.value(r.id)));
        } else {
            lineOfId.insert(r.id, r.line);
            result.rows.push_back(std::move(r));
        }
    }
    if (!result.ok())
        result.rows.clear();
    return result;
}

std::vector<std::pair<const char*, QString>> recipientFields(const RecipientRow& row)
{
    const int type = row.lastName.isEmpty() ? TaxData_Slip_T3_Issuing::kEntity : TaxData_Slip_T3_Issuing::kIndividual;
    return {
        {"box_EntityType", QString::number(type)},
        {"box_name", row.name},
        {"box_lastname", row.lastName},
        {"box_id", row.id},
        {"box_addr", row.address},
        {"box_city", row.city},
        {"box_PostalCode", row.postalCode},
        {"box_bUsePcnt", QStringLiteral("1")},
        {"box_Pcnt", QString::number(row.percentage, 'g', 17)},
    };
}

QHash<QString, int> issuedSlipIndexById(const TaxReturn& ret)
{
    QHash<QString, int> index;
    for (int i = 0; i < ret.size(); ++i)
        if (auto* slip = dynamic_cast<const TaxData_Slip_T3_Issuing*>(ret.form(i)))
            if (const QString id = slip->box_id.trimmed(); !index.contains(id))
                index.insert(id, i);
    return index;
}

RecipientsApplied applyRecipients(TaxReturn& ret, const std::vector<RecipientRow>& rows)
{
    QHash<QString, int> slipOfId = issuedSlipIndexById(ret);
    RecipientsApplied applied;
    for (const RecipientRow& r : rows) {
        int index = slipOfId.value(r.id, -1);
        if (index >= 0) {
            ++applied.updated;
        } else {
            ret.add(std::make_unique<TaxData_Slip_T3_Issuing>());
            index = ret.size() - 1;
            slipOfId.insert(r.id, index);
            ++applied.added;
        }
        CTaxData_Form* slip = ret.form(index);
        for (const auto& [name, text] : recipientFields(r))
            slip->findField(name)->fromText(text);
    }
    return applied;
}
