#include "framework/year_figures.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace {

using namespace year_figures;

QString money(double amount, bool whole)
{
    return QLocale(QLocale::English, QLocale::Canada).toString(amount, 'f', whole ? 0 : 2);
}

QString percent(double rate)
{
    return QString::number(rate * 100.0, 'g', 6) + QLatin1Char('%');
}

// The printed form of one figure; a null string when the name is unknown.
QString figureText(const QString& name, const QString& format)
{
    const bool whole = format == QLatin1String("whole");
    if (name == QLatin1String("taxYear"))
        return QString::number(kTaxYear);
    if (name == QLatin1String("flatRate"))
        return percent(kFlatRate);
    if (name == QLatin1String("surtaxRate"))
        return percent(kSurtaxRate);
    if (name == QLatin1String("quebecAbatementRate"))
        return percent(kQuebecAbatementRate);
    if (name == QLatin1String("t2000Rate"))
        return percent(kT2000AgreementRate);
    if (name == QLatin1String("siftRate"))
        return percent(kSiftTaxableIncomeRate);
    static const struct T184Figure {
        const char* name;
        double rate;
    } kT184Figures[] = {
        {"t184Rate", kT184TaxRate},
        {"t184RefundRate", kT184RefundRate},
        {"t184OntarioRate", kT184OntarioRate},
        {"t184OntarioRefundRate", kT184OntarioRefundRate},
        {"t184ManitobaRate", kT184ManitobaRate},
        {"t184ManitobaRefundRate", kT184ManitobaRefundRate},
        {"t184AlbertaRate", kT184AlbertaRate},
        {"t184AlbertaRefundRate", kT184AlbertaRefundRate},
    };
    for (const auto& figure : kT184Figures)
        if (name == QLatin1String(figure.name))
            return percent(figure.rate);
    static const struct DonationFigure {
        const char* name;
        double rate;
    } kDonationRates[] = {
        {"donationNetIncomeLimit", kDonationNetIncomeLimit}, {"donationGainsShare", kDonationGainsShare},
        {"donationLowRate", kDonationLowRate},               {"donationMiddleRate", kDonationMiddleRate},
        {"donationHighRate", kDonationHighRate},
    };
    for (const auto& figure : kDonationRates)
        if (name == QLatin1String(figure.name))
            return percent(figure.rate);
    if (name == QLatin1String("donationLowRateAmount"))
        return QLatin1Char('$') + money(kDonationLowRateAmount, true);
    if (name == QLatin1String("donationHighRateThreshold"))
        return money(kDonationHighRateThreshold, whole);
    static const struct MinTaxFigure {
        const char* name;
        double rate;
    } kMinTaxRates[] = {
        {"minTaxGiftsGainsShare", kMinTaxGiftsGainsShare}, {"minTaxLossShare", kMinTaxLossShare},
        {"minTaxRate", kMinTaxRate},                       {"minTaxForeignTaxShare", kMinTaxForeignTaxShare},
        {"minTaxDonationCreditShare", kMinTaxDonationCreditShare},
    };
    for (const auto& figure : kMinTaxRates)
        if (name == QLatin1String(figure.name))
            return percent(figure.rate);
    if (name.startsWith(QLatin1String("minTaxProvincialRate")))
        for (const MinTaxProvincialRate& r : kMinTaxProvincialRates)
            if (name == QLatin1String("minTaxProvincialRate") + QString::number(r.jurisdiction))
                return percent(r.rate);
    if (name == QLatin1String("partXII2TaxRate"))
        return percent(kPartXII2TaxRate);
    if (name == QLatin1String("partII2TaxRate"))
        return percent(kPartII2TaxRate);
    if (name == QLatin1String("eligibleGrossUpRate"))
        return percent(kEligibleGrossUpRate);
    if (name == QLatin1String("nonEligibleGrossUpRate"))
        return percent(kNonEligibleGrossUpRate);
    static const QRegularExpression bracket(QStringLiteral("^bracket(\\d+)\\.(threshold|rate|baseTax)$"));
    const QRegularExpressionMatch m = bracket.match(name);
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n < 1 || n > kFederalBracketCount)
            return QString();
        const FederalBracket& b = kFederalBrackets[n - 1];
        const QString part = m.captured(2);
        if (part == QLatin1String("threshold"))
            return money(b.threshold, whole);
        if (part == QLatin1String("baseTax"))
            return money(b.baseTax, whole);
        return percent(b.rate);
    }
    return QString();
}

}  // namespace

QString expandYearFigures(const QString& text, QStringList* unknown)
{
    if (!text.contains(QLatin1Char('{')))
        return text;
    static const QRegularExpression placeholder(QStringLiteral("\\{([A-Za-z0-9.]+)(?::(\\w+))?\\}"));
    QString out;
    int last = 0;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString value = figureText(m.captured(1), m.captured(2));
        out += text.midRef(last, m.capturedStart() - last);
        if (value.isNull()) {
            out += m.captured(0);
            if (unknown)
                unknown->append(m.captured(0));
        } else {
            out += value;
        }
        last = m.capturedEnd();
    }
    out += text.midRef(last);
    return out;
}
