// The copies the calculation engine makes between forms, one function per
// pair of forms. Plain copies are tables of (source field, target field);
// what is more than a copy is written out beside them. The engine calls a
// rule only when both forms are in the return, so a target whose source form
// is absent keeps what the user entered.
#pragma once

#include "framework/field.h"

#include <initializer_list>
#include <vector>

class TaxData_Sch9;
class TaxData_Sch11;
class TaxData_T3Ret;

// A table of plain copies from fields of one form class to fields of another.
template <class Source, class Target, class Field = CFloatField>
class FieldCopies {
public:
    struct Pair {
        Field Source::*from;
        Field Target::*to;
    };
    FieldCopies(std::initializer_list<Pair> pairs) : m_pairs(pairs) {}
    const std::vector<Pair>& pairs() const { return m_pairs; }
    void apply(const Source& source, Target& target) const
    {
        for (const Pair& p : m_pairs)
            target.*p.to = source.*p.from;
    }

private:
    std::vector<Pair> m_pairs;
};

// The trust's jurisdiction for the tax schedules: its province when that is
// 1 to 15, 17 when it resides in a country other than Canada, else 0.
int trustJurisdiction(const TaxData_T3Ret& ret);

// Schedule 9 -> return: the amounts paid or payable to beneficiaries (line
// 471), unless the user has taken that line over.
void copySch9ToReturn(TaxData_Sch9& sch9, TaxData_T3Ret& ret);
// Return -> Schedule 11: taxable income (line 1), graduated rates for a GRE
// or QDT, the jurisdiction.
void copyReturnToSch11(const TaxData_T3Ret& ret, TaxData_Sch11& sch11);
// Schedule 11 -> return: federal tax payable (line 81) and the refundable
// Quebec abatement (line 87).
void copySch11ToReturn(const TaxData_Sch11& sch11, TaxData_T3Ret& ret);
