#include "slips/t3slip_issuing.h"

#include "framework/amounts.h"
#include "slips/slip_texts.h"
#include "framework/year_figures.h"
#include "schedules/sch9.h"

using I = TaxData_Slip_T3_Issuing;
using namespace year_figures;

int I::Calculate02()
{
    box_32 = box_23 * kNonEligibleGrossUp;  // taxable non-eligible dividends
    box_39 = box_32 * kNonEligibleCreditRate;
    box_50 = box_49 * kEligibleGrossUp;  // taxable eligible dividends
    box_51 = box_50 * kEligibleCreditRate;
    if (amountExceeds(box_52, box_21))  // capital gains: box 52 is part of box 21
        box_52 = box_21.value();
    box_53 = box_21 - box_52;
    if (amountExceeds(box_58, box_37))  // segregated fund losses: box 58 is part of box 37
        box_58 = box_37.value();
    box_59 = box_37 - box_58;
    return 0;
}

namespace {
using R = TaxData_Sch9;

// A slip box and the Schedule 9 row it takes its share of. Schedule 9 holds
// the taxable half of capital gains and losses; the slip boxes hold the whole.
struct FromRow {
    CFloatField I::*box;
    double factor;
    std::vector<CFloatField R::*> columns;
};

const std::vector<FromRow>& rowsBySlipBox()
{
    static const std::vector<FromRow> kRows = {
        {&I::box_21, 2.0, {&R::fld_9211, &R::fld_9212, &R::fld_9213}},
        {&I::box_30, 2.0, {&R::fld_9301, &R::fld_9302, &R::fld_9303}},
        {&I::box_37, 2.0, {&R::fld_9361, &R::fld_9362}},
        {&I::box_22, 1.0, {&R::fld_9221, &R::fld_9222}},
        {&I::box_23, 1.0, {&R::fld_9231, &R::fld_9232, &R::fld_9233}},
        {&I::box_32, 1.0, {&R::fld_9321, &R::fld_9323}},
        {&I::box_39, 1.0, {&R::fld_9391, &R::fld_9393}},
        {&I::box_24, 1.0, {&R::fld_9241, &R::fld_9242, &R::fld_9243}},
        {&I::box_25, 1.0, {&R::fld_9251, &R::fld_9252, &R::fld_9253}},
        {&I::box_26, 1.0, {&R::fld_9261, &R::fld_9262, &R::fld_9263}},
        {&I::box_31, 1.0, {&R::fld_9311}},
        {&I::box_33, 1.0, {&R::fld_9331, &R::fld_9332, &R::fld_9333}},
        {&I::box_34, 1.0, {&R::fld_9341, &R::fld_9342, &R::fld_9343}},
        {&I::box_35, 1.0, {&R::fld_9351, &R::fld_9352}},
        {&I::box_38, 1.0, {&R::fld_9381}},
        {&I::box_42, 1.0, {&R::fld_9551, &R::fld_9552, &R::fld_9553}},
        {&I::box_49, 1.0, {&R::fld_9491, &R::fld_9492, &R::fld_9493}},
        {&I::box_50, 1.0, {&R::fld_9501, &R::fld_9503}},
        {&I::box_51, 1.0, {&R::fld_9511, &R::fld_9513}},
    };
    return kRows;
}
}  // namespace

I::Sch9Wholes::Sch9Wholes(const TaxData_Sch9& sch9)
{
    byBox.reserve(rowsBySlipBox().size());
    for (const FromRow& row : rowsBySlipBox()) {
        double sum = 0.0;
        for (auto column : row.columns)
            sum += sch9.*column;
        byBox.push_back(row.factor * sum);
    }
}

void I::autoFillByPcntFromSch9(TaxData_Sch9* sch9)
{
    if (sch9)
        autoFillByPcnt(Sch9Wholes(*sch9));
}

void I::autoFillByPcnt(const Sch9Wholes& wholes)
{
    if (!box_bUsePcnt || box_Pcnt < AMOUNT_TOLERANCE)
        return;
    if (box_Pcnt > 100.0)
        box_Pcnt = 100.0;
    const double share = box_Pcnt / 100.0;
    const std::vector<FromRow>& rows = rowsBySlipBox();
    for (size_t i = 0; i < rows.size(); ++i)
        this->*rows[i].box = share * wholes.byBox[i];
}

namespace {
const char* const kWhere = "Slip";
}  // namespace

int I::Validate(unsigned char /*purpose*/, std::list<CString>& messages)
{
    const size_t before = messages.size();
    if (!box_EntityType.isAnswered())
        askFor(messages, box_EntityType, "Recepient type");
    if (box_EntityType != kIndividual) {
        requireText(messages, box_name, "Recepient business/org. name", kWhere);
    } else {
        requireText(messages, box_name, "Recepient first name", kWhere);
        requireText(messages, box_lastname, "Recepient last name", kWhere);
    }
    requireText(messages, box_id, "Recepient SIN/BN", kWhere);
    requireText(messages, box_addr, "Recepient address", kWhere);
    requireText(messages, box_city, "Recepient city", kWhere);
    return int(messages.size() - before);
}

bool I::GetDisplayName(CString& out)
{
    return displayNameFrom(box_name, out);
}

CString I::slipParty() const
{
    if (box_EntityType == kIndividual && !box_lastname.isBlank())
        return CString(box_lastname.trimmed() + QStringLiteral(", ") + box_name.trimmed());
    return box_name.str();
}

std::vector<SlipKeyBox> I::slipKeyBoxes() const
{
    return {{QStringLiteral("Pcnt"), box_Pcnt}, {QStringLiteral("21"), box_21}, {QStringLiteral("49"), box_49}};
}
