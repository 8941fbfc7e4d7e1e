// The CSV reader and amount cells every import shares.
#include "framework/csv.h"

#include <QTemporaryDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(Csv, DialectAsSpreadsheetsWriteIt)
{
    const struct {
        const char* text;
        Rows rows;
    } cases[] = {
        {"a,b\nc", {{"a", "b"}, {"c"}}},
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a\rb\r", {{"a"}, {"b"}}},
        {"\"x, y\",\"say \"\"hi\"\"\"\n", {{"x, y", "say \"hi\""}}},
        {"\"two\nlines\",z", {{"two\nlines", "z"}}},
        {"a\n\n\nb", {{"a"}, {"b"}}},         // empty lines are no rows
        {",\n\"\"", {{"", ""}, {""}}},       // but empty cells are
        {"\xEF\xBB\xBF" "a,b", {{"a", "b"}}},  // byte order mark
        {"\"open,quote\nrest", {{"open,quote\nrest"}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        Rows rows;
        ParseCSV(c.text, rows);
        EXPECT_EQ(rows, c.rows) << c.text;
    }
}

TEST(Csv, RowsKnowTheLineTheyStartOn)
{
    bool unclosed = true;
    const auto rows = parseCsvRows("a\n\n\"b\nb\",c\r\nd\n\"e", &unclosed);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].line, 1);
    EXPECT_EQ(rows[1].line, 3);
    EXPECT_EQ(rows[2].line, 5);
    EXPECT_EQ(rows[3].line, 6);
    EXPECT_TRUE(unclosed);
}

TEST(Csv, AmountCells)
{
    const struct {
        const char* cell;
        std::optional<double> value;
    } cases[] = {
        {"1500", 1500.0},        {" 12.34 ", 12.34},     {"$1,234.50", 1234.5},
        {"(20.00)", -20.0},      {"-$7", -7.0},          {"+3", 3.0},
        {".5", 0.5},             {"", 0.0},              {"   ", 0.0},
        {"12abc", std::nullopt}, {"abc", std::nullopt}, {"1,,000", std::nullopt},
        {",5", std::nullopt},    {"1e5", std::nullopt}, {"$", std::nullopt},
        {"--1", std::nullopt},   {"1,000,000.01", 1000000.01},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseAmountCell(c.cell), c.value) << '"' << c.cell << '"';
        EXPECT_DOUBLE_EQ(myStringToDouble(c.cell), c.value.value_or(0.0)) << c.cell;
    }
}

TEST(Csv, LoadFileToStringRefusesWhatItCannotReadWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("shares.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string text(3 * 1024 * 1024 / 2, 'x');
    file.write(text.data(), qint64(text.size()));
    file.close();

    std::string out = "stale";
    EXPECT_EQ(loadFileToString(CString(path), out, 64, 1), 0);
    EXPECT_EQ(out, text);
    EXPECT_EQ(loadFileToString(CString(path), out, 1, 64), -2);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(loadFileToString(CString(dir.filePath("missing.csv")), out, 64, 64), -1);
}

}  // namespace
