// Worksheets: a few fields that a form holds, with a registry, a calculation
// and a page of their own.
//
//   class DataWSExample : public CWSBaseData {
//       Q_OBJECT
//   public:
//       using CWSBaseData::CWSBaseData;
//       WS_FLD(CFloatField, fld_ws_a);
//   };
//   // in the owning form, at the place its fields take in the registry:
//   WORKSHEET(DataWSExample, fld_ws_sales);   // its field fld_ws_sales_a
//
// A held worksheet names its fields after the member that holds it (column
// "a" of fld_ws_sales is fld_ws_sales_a) and registers them with the owner as
// well, at the member's place: the owner stores, copies, writes and binds
// them as fields of its own, so a worksheet changes nothing in stored data.
// The worksheet still answers to its own names (fld_ws_a), which its page
// binds. A worksheet alone (the catalogue's description of its class) is
// named as the member "fld_ws" would name it: fld_ws_a.
#pragma once

#include "framework/form.h"

#include <string_view>
#include <vector>

class CWSBaseData : public CTaxData_Form {
    Q_OBJECT
public:
    static constexpr const char* kAloneMember = "fld_ws";

    explicit CWSBaseData(CTaxData_Form* owner = nullptr, const char* member = kAloneMember)
        : CTaxData_Form(0), m_owner(owner), m_member(member)
    {
        if (owner)
            owner->addWorksheet(this);
    }
    // The worksheet's own calculation; a worksheet that only holds entries does nothing.
    virtual int Calculate() { return 0; }
    CTaxData_Form* owner() const { return m_owner; }
    // The owner's member name ("fld_ws_busi_sales"), or kAloneMember.
    const char* memberName() const { return m_member; }
    // Whether `name` is the worksheet's own name of a field ("fld_ws_a"),
    // which its pages bind whatever name the field is stored under.
    bool isOwnFieldName(std::string_view name) const;

protected:
    // The slot of the field the worksheet names `ownName` ("fld_ws_a").
    FieldSlot slot(const char* ownName);

private:
    CTaxData_Form* m_owner;
    const char* m_member;
    std::vector<const char*> m_ownNames;
};

// A field of a worksheet, under the worksheet's own name: WS_FLD(Kind, fld_ws_a, constructor arguments...).
#define WS_FLD(Kind, member, ...) Kind member{slot(#member), ##__VA_ARGS__}

// A worksheet member of a form: WORKSHEET(Class, fld_ws_name).
#define WORKSHEET(Class, member) Class member{this, #member}
