// Repeated rows of fields: a form line that repeats (agreement rows 1 to 12,
// one row per jurisdiction, per property class) is declared once as a row
// struct, and each row's fields get their names from the row:
//
//   struct AgreementRow : FieldRow {
//       using FieldRow::FieldRow;
//       ROW_FLD(CFloatField, B);   // fld_B_1, fld_B_2 ... in the rows below
//       ROW_FLD(CFloatField, C);
//   };
//   FieldRows<AgreementRow, 12> m_rows{this, "fld_", "_"};  // fld_B_1, fld_C_1, fld_B_2 ...
//
//   struct JurisdictionRow : FieldRow { using FieldRow::FieldRow; ROW_FLD(CFloatField, colB); };
//   JurisdictionRow m_NL{this, "fld_NL_", ""};                 // fld_NL_colB
//
// The fields register in row order, each row's fields in declaration order,
// as if every one had been declared with FLD.
#pragma once

#include "framework/form.h"

#include <array>
#include <string>
#include <utility>

// The name "prefix + column + suffix", kept for the life of the program
// (field names are plain C strings that every object of a class shares).
const char* rowFieldName(const char* prefix, const char* column, const char* suffix);

class FieldRow : public FieldDeclarations {
public:
    FieldRow(CTaxData_Form* form, std::string prefix, std::string suffix)
        : m_form(form), m_prefix(std::move(prefix)), m_suffix(std::move(suffix))
    {
    }
    FieldRow(const FieldRow&) = delete;
    FieldRow& operator=(const FieldRow&) = delete;

protected:
    FieldSlot slot(const char* column) const
    {
        return FieldSlot{m_form, rowFieldName(m_prefix.c_str(), column, m_suffix.c_str())};
    }

private:
    CTaxData_Form* m_form;
    std::string m_prefix;
    std::string m_suffix;
};

// Declares a field of a row: ROW_FLD(Kind, column, constructor arguments...).
#define ROW_FLD(Kind, column, ...) Kind column{slot(#column), ##__VA_ARGS__}

// N rows numbered from 1: the row number follows `separator` ("_" gives fld_B_1).
template <class Row, int N>
class FieldRows {
public:
    FieldRows(CTaxData_Form* form, const char* prefix, const char* separator)
        : FieldRows(form, prefix, separator, std::make_integer_sequence<int, N>{})
    {
    }
    static constexpr int size() { return N; }
    Row& operator[](int i) { return m_rows[size_t(i)]; }  // from 0
    const Row& operator[](int i) const { return m_rows[size_t(i)]; }
    Row* begin() { return m_rows.data(); }
    Row* end() { return m_rows.data() + N; }
    const Row* begin() const { return m_rows.data(); }
    const Row* end() const { return m_rows.data() + N; }

private:
    template <int... I>
    FieldRows(CTaxData_Form* form, const char* prefix, const char* separator, std::integer_sequence<int, I...>)
        : m_rows{{Row(form, prefix, separator + std::to_string(I + 1))...}}
    {
    }
    std::array<Row, N> m_rows;
};
