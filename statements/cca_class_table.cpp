#include "statements/cca_class_table.h"

#include "framework/amounts.h"
#include "framework/datastream.h"

#include <cmath>
#include <utility>

namespace {
struct ClassRate {
    double cls;
    double rate;  // percent; 0: the class has no single rate
};

// Schedule II classes and their declining-balance rates.
constexpr ClassRate kClasses[] = {
    {1, 4},     {2, 6},      {3, 5},      {4, 6},     {5, 10},  {6, 10},   {7, 15},   {8, 20},
    {8.1, 33.33}, {9, 25},   {10, 30},    {10.1, 30}, {11, 35}, {12, 100}, {13, 0},   {14, 0},
    {14.1, 5},  {15, 0},     {16, 40},    {17, 8},    {18, 60}, {19, 20},  {20, 0},   {21, 0},
    {22, 50},   {23, 100},   {24, 0},     {25, 100},  {26, 5},  {27, 0},   {28, 30},  {29, 0},
    {30, 40},   {31, 5},     {32, 10},    {33, 15},   {34, 0},  {35, 7},   {36, 0},   {37, 15},
    {38, 30},   {39, 25},    {40, 30},    {41, 25},   {42, 12}, {43, 30},  {43.1, 30}, {43.2, 50},
    {44, 25},   {45, 45},    {46, 30},    {47, 8},    {48, 15}, {49, 8},   {50, 55},  {51, 6},
    {52, 100},  {53, 50},
};
static_assert(sizeof(kClasses) / sizeof(kClasses[0]) == 58, "the 58 classes");

const ClassRate* findClass(double cls)
{
    for (const ClassRate& row : kClasses)
        if (std::fabs(row.cls - cls) < AMOUNT_TOLERANCE)
            return &row;
    return nullptr;
}
}  // namespace

template <size_t... I>
static std::array<CFloatField, sizeof...(I)> amountsWithFlags(unsigned flags, std::index_sequence<I...>)
{
    return {{(void(I), CFloatField(1, 0.0, 0, 0, 0, 1, flags))...}};
}

CCCAClassTable::CCCAClassTable(unsigned flags)
    : m_class(0, "", 10, flags), m_amounts(amountsWithFlags(flags, std::make_index_sequence<9>{}))
{
}

int CCCAClassTable::Serialize(unsigned int /*version*/, MyDataStream& ar)
{
    if (ar.IsStoring()) {
        m_class.writeValue(ar);
        for (const CFloatField& amount : m_amounts)
            amount.writeValue(ar);
    } else {
        m_class.readValue(ar);
        for (CFloatField& amount : m_amounts)
            amount.readValue(ar);
    }
    return ar.ok() ? 0 : -1;
}

double CCCAClassTable::GetCCARate(double cls)
{
    const ClassRate* row = findClass(cls);
    return row ? row->rate : 0.0;
}

bool CCCAClassTable::SetCCARate(double cls, bool overwritten, double& rate)
{
    if (overwritten)
        return false;
    const ClassRate* row = findClass(cls);
    if (!row || !amountPresent(row->rate))
        return false;
    rate = row->rate;
    return true;
}

bool CCCAClassTable::HasHalfYearRule(double cls)
{
    // Class 52 (data network and computer equipment of 2009 and 2010) is
    // written off in full in its first year.
    return std::fabs(cls - 52.0) >= AMOUNT_TOLERANCE;
}

double CCCAClassTable::classNumber(const QString& text)
{
    bool ok = false;
    const double cls = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(cls) ? cls : 0.0;
}
