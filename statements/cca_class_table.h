// Capital cost allowance classes: the rate of each class of Schedule II of
// the Income Tax Regulations as the statements apply it, the half-year rule,
// and one class row kept outside a statement's fixed rows.
#pragma once

#include "framework/field.h"

#include <array>

class MyDataStream;

class CCCAClassTable {
public:
    explicit CCCAClassTable(unsigned flags = FIELD_ATTR_DEFAULT);
    virtual ~CCCAClassTable() = default;

    // Stores or loads the class text, then the nine amounts in order.
    virtual int Serialize(unsigned int version, MyDataStream& ar);
    virtual int Calculate(bool /*final*/) { return 0; }

    // The rate (percent) of `cls`, or 0.0 when the table gives none. A class
    // matches when it differs from the table's number by less than 0.009.
    static double GetCCARate(double cls);
    // Puts the table's rate of `cls` into `rate` unless the user `overwritten`
    // it or the table gives no rate; answers whether it did.
    static bool SetCCARate(double cls, bool overwritten, double& rate);
    static bool HasHalfYearRule(double cls);

    // The class number a class text stands for ("10.1"), 0.0 when none.
    static double classNumber(const QString& text);

    CStringField m_class;
    std::array<CFloatField, 9> m_amounts;
};
