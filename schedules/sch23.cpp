#include "schedules/sch23.h"

#include "efile/netfile_records.h"
#include "framework/amounts.h"
#include "framework/checks.h"
#include "framework/validation_messages.h"

#include <QSet>

int TaxData_Sch23::Calculate()
{
    double total = 0.0;
    for (CorporationRow& row : m_rows) {
        if (row.Percent < 0.0)
            row.Percent.store(0.0);
        else if (row.Percent > 100.0)
            row.Percent.store(100.0);
        row.LimitAfter = row.Percent * row.LimitB4 / 100.0;
        total += row.LimitAfter;
    }
    fld_LimitAfter_total = total;
    return 0;
}

double TaxData_Sch23::GetBusinessLimit(const CString& bn) const
{
    for (const CorporationRow& row : m_rows)
        if (row.BusiNumber.value().compare(bn, Qt::CaseInsensitive) == 0)
            return row.LimitAfter;
    return 0.0;
}

bool TaxData_Sch23::hasEntryForBN(const CString& bn) const
{
    for (const CorporationRow& row : m_rows)
        if (row.BusiNumber.value().compare(bn, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int TaxData_Sch23::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (fld_CalYear.value().trimmed().isEmpty())
        addMessage(messages, fld_CalYear, "Enter the calendar year of agreement.");
    if (fld_075 != 0 && fld_075 != 1)
        addMessage(messages, fld_075,
                   "Please choose option to indicate whether the agreement is a replacement or not at field 075.");

    int counted = 0;
    QSet<QString> numbers;
    const CField* duplicate = nullptr;
    for (int i = 0; i < kRows; ++i) {
        const CorporationRow& row = m_rows[i];
        const QString number = row.BusiNumber.value().trimmed();
        const QString name = row.BusiName2.value().trimmed();
        if (row.LimitAfter < AMOUNT_TOLERANCE && number.isEmpty() && name.isEmpty() && row.AsscCode < 1)
            continue;
        ++counted;
        if (!number.isEmpty()) {
            if (numbers.contains(number.toUpper()) && !duplicate)
                duplicate = &row.BusiNumber;
            numbers.insert(number.toUpper());
        }
        const QString rowNumber = QString::number(i + 1);
        if (name.isEmpty() || row.AsscCode < 1)
            addMessage(messages, name.isEmpty() ? static_cast<const CField&>(row.BusiName2) : row.AsscCode,
                       CString(QStringLiteral("Make sure all columns at row %1 of associated corporation should be "
                                              "completed.")
                                   .arg(rowNumber)));
        if (!number.isEmpty() && !CheckBusiNum(number))
            addMessage(messages, row.BusiNumber,
                       CString(QStringLiteral("Business number in line %1 is invalid.").arg(rowNumber)));
        if (!CheckT2ValidChar(row.BusiName2.value()))
            addMessage(messages, row.BusiName2, "Corporation name contains invalid character(s).");
    }
    if (counted == 0)
        addMessage(messages, m_rows[0].BusiName2, "There is no valid row in Schedule 23.");
    if (duplicate)
        addMessage(messages, *duplicate, "Duplicate business numbers (BN) were entered in field 200.");
    return int(messages.size() - before);
}

int TaxData_Sch23::WriteNetfile(unsigned char /*purpose*/, NetfileTypedMap& typed, FILE* out, int& /*reserved*/)
{
    NetfileLineStream stream(typed, out);
    stream.text(50, fld_CalYear.value());  // written when not empty
    stream.choice(75, fld_075);            // written when answered
    return 0;
}
