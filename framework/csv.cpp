#include "framework/csv.h"

#include <QFile>

#include <charconv>

std::vector<CsvRow> parseCsvRows(std::string_view text, bool* unclosedQuote)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    std::vector<CsvRow> rows;
    CsvRow row;
    std::string cell;
    bool inQuotes = false;
    bool rowHasText = false;  // any character since the row began
    int line = 1;
    row.line = 1;

    auto endCell = [&] {
        row.cells.push_back(std::move(cell));
        cell.clear();
    };
    auto endRow = [&] {
        if (rowHasText) {
            endCell();
            rows.push_back(std::move(row));
        }
        row = CsvRow{};
        cell.clear();
        rowHasText = false;
    };

    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            const bool crlf = c == '\r' && i + 1 < n && text[i + 1] == '\n';
            if (inQuotes) {
                cell.append(crlf ? "\r\n" : std::string(1, c));
            } else {
                endRow();
            }
            if (crlf)
                ++i;
            ++line;
            if (!inQuotes)
                row.line = line;
            continue;
        }
        rowHasText = true;
        if (inQuotes) {
            if (c == '"') {
                if (i + 1 < n && text[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                cell += c;
            }
        } else if (c == '"') {
            inQuotes = true;
        } else if (c == ',') {
            endCell();
        } else {
            cell += c;
        }
    }
    if (unclosedQuote)
        *unclosedQuote = inQuotes;
    endRow();
    return rows;
}

void ParseCSV(const std::string& text, std::vector<std::vector<std::string>>& rows)
{
    rows.clear();
    for (CsvRow& row : parseCsvRows(text))
        rows.push_back(std::move(row.cells));
}

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}
}  // namespace

std::optional<double> parseAmountCell(std::string_view cell)
{
    std::string_view s = trimmed(cell);
    bool negative = false;
    if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
        negative = true;
        s = trimmed(s.substr(1, s.size() - 2));
    }
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = negative != (s.front() == '-');
        s = trimmed(s.substr(1));
    }
    if (!s.empty() && s.front() == '$')
        s = trimmed(s.substr(1));
    if (s.empty())
        return cell.find_first_not_of(" \t") == std::string_view::npos ? std::optional<double>(0.0) : std::nullopt;

    // Thousands commas go; a digit must follow each one.
    std::string digits;
    digits.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == ',') {
            if (i == 0 || i + 1 == s.size() || !isdigit(static_cast<unsigned char>(s[i + 1])))
                return std::nullopt;
            continue;
        }
        digits += s[i];
    }
    if (digits.empty() || !(isdigit(static_cast<unsigned char>(digits[0])) || digits[0] == '.'))
        return std::nullopt;
    double value = 0.0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return negative ? -value : value;
}

double myStringToDouble(const std::string& cell)
{
    return parseAmountCell(cell).value_or(0.0);
}

int loadFileToString(const CString& path, std::string& out, int maxMiB, int chunkKiB)
{
    out.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const qint64 limit = maxMiB > 0 ? qint64(maxMiB) * 1024 * 1024 : -1;
    if (limit >= 0 && file.size() > limit)
        return -2;
    const qint64 chunk = qint64(chunkKiB > 0 ? chunkKiB : 64) * 1024;
    std::string text;
    text.reserve(size_t(file.size()));
    std::string buffer(size_t(chunk), '\0');
    for (;;) {
        const qint64 got = file.read(buffer.data(), chunk);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        text.append(buffer.data(), size_t(got));
        if (limit >= 0 && qint64(text.size()) > limit)
            return -2;
    }
    out = std::move(text);
    return 0;
}
