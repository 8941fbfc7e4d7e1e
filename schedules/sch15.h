// Schedule 15, beneficial ownership information. The trust's own schedule
// (form type 35) holds Part A (first report, changes) and Part C
// (beneficiaries who cannot be listed); each reportable entity of Part B is a
// further object of this class of form type 36, which takes its Part A
// answers from the trust's own schedule.
#pragma once

#include "framework/form.h"
#include "framework/json_filing_part.h"

class TaxData_Sch15 : public CTaxDataBase01, public JsonFilingPart {
    Q_OBJECT
public:
    static constexpr ENUMTYPE_FORM kTrustSchedule = 35;
    static constexpr ENUMTYPE_FORM kReportableEntity = 36;

    explicit TaxData_Sch15(ENUMTYPE_FORM formType) : CTaxDataBase01(formType) {}

    int Calculate01();
    // Part B is asked of an entity always, and of the trust's schedule unless
    // Part A answers "No" twice.
    bool isPartBNeeded() const;
    // An entity's Part A answers: those of the trust's own schedule.
    void syncFromMainSch15(TaxData_Sch15* main);
    int Validate(unsigned char purpose, std::list<CString>& messages) override;
    // Filing document (efile/sch15_json.cpp): Part A of the trust's own
    // schedule, Part B of a reportable entity.
    int WriteJsonFile(unsigned char purpose, json& doc);
    int WriteJsonFileEntity(unsigned char purpose, json& doc);
    const char* jsonFilingSection() const override { return "beneficialOwnership"; }
    void writeJsonFilingPart(json& part) override;

    // Part A
    FLD(CIntField, fld_bFirstYear, -1);         // first time reporting: 0 yes, 1 no
    FLD(CIntField, fld_partATrustChanged, -1);  // information changed: 0 yes, 1 no
    // Part B: the reportable entity
    FLD(CIntField, fld_partBAddOrMod, -1);      // 0 add, 1 modify
    FLD(CIntField, fld_partBEntityType, -1);    // trustee, settlor, beneficiary, controlling person
    FLD(CIntField, fld_partBEntityClass, -1);   // natural person, corporation, trust, other
    FLD(CStringField, fld_entityName, 0, "", 80);
    FLD(CStringField, fld_firstName, 0, "", 80);
    FLD(CStringField, fld_lastName, 0, "", 80);
    FLD(CDateField, fld_dob);
    FLD(CIntField, fld_taxNumberTypes, -1);     // SIN, TTN, ITN, BN, TN, international
    FLD(CStringField, fld_taxNumber, 0, "", 80);
    FLD(CIntField, fld_resCountry, -1);         // Canada, United States, other
    FLD(CStringField, fld_otherCountry, 0, "", 80);
    FLD(CStringField, fld_addr, 0, "", 80);
    FLD(CIntField, fld_iCountry, 0);
    FLD(CStringField, fld_city, 0, "", 80);
    FLD(CIntField, fld_iProv, 0);
    FLD(CStringField, fld_postalCode, 0, "", 80);
    FLD(CIntField, fld_associationEnd, -1);     // association ended this year: 0 yes, 1 no
    // Part C
    FLD(CStringField, fld_detailsNote, 0, "", 1000);
};
