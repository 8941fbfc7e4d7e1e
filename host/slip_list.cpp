#include "host/slip_list.h"

#include "host/form_catalogue.h"

#include <QLocale>

std::vector<int> slipPositions(const TaxReturn& ret)
{
    std::vector<int> positions;
    for (int i = 0; i < ret.size(); ++i)
        if (dynamic_cast<const CSlipTaxDataBase01*>(ret.form(i)))
            positions.push_back(i);
    return positions;
}

SlipListRow slipListRow(const TaxReturn& ret, int formIndex)
{
    const auto& slip = dynamic_cast<const CSlipTaxDataBase01&>(*ret.form(formIndex));
    SlipListRow row;
    row.formIndex = formIndex;
    row.kind = jsonNameOfClass(QString::fromLatin1(slip.metaObject()->className()));
    row.issued = slip.issuedByTrust();
    row.party = slip.slipParty();
    row.keyBoxes = slip.slipKeyBoxes();
    return row;
}

QString keyBoxesText(const std::vector<SlipKeyBox>& boxes)
{
    static const QLocale english(QLocale::English, QLocale::Canada);
    QStringList parts;
    for (const SlipKeyBox& box : boxes)
        parts << QStringLiteral("box %1 %2").arg(box.box, english.toString(box.amount, 'f', 2));
    return parts.join(QStringLiteral(", "));
}
