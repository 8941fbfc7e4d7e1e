// Carry-forward of a whole return into the next year.
#include "host_test_forms.h"

#include "host/carry_forward.h"
#include "host/return_json.h"

#include "returns/t183trust.h"
#include "returns/t3ret.h"
#include "schedules/sch9.h"

#include <gtest/gtest.h>

namespace {

const FormCatalogue& catalogueWithTestForms()
{
    static const FormCatalogue catalogue = [] {
        std::vector<FormClass> classes = FormCatalogue::standard().classes();
        for (const FormClass& c : hostTestCatalogue().classes())
            classes.push_back(c);
        classes.push_back(plainForm<TaxData_HostNotImported>("Not imported"));
        return FormCatalogue(classes);
    }();
    return catalogue;
}

struct LastYear {
    TaxReturn ret;
    TaxData_T3Ret* t3;
    TaxData_Sch9* sch9;

    LastYear()
    {
        t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
        t3->fld_trust_name = "Estate of Jane Doe";
        t3->fld_start_date = QDate(2023, 7, 1);
        t3->fld_end_date = QDate(2024, 6, 30);
        t3->fld_first_year = 0;
        t3->fld_year_last = "2022";
        t3->fld_other_inv = 5000.0;
        t3->fld_ws_FileStatus = 1;
        t3->fld_ws_ConfirmCode = "ABC123";
        ret.add(std::make_unique<TaxData_HostNotImported>());
        sch9 = static_cast<TaxData_Sch9*>(ret.add(std::make_unique<TaxData_Sch9>()));
        sch9->fld_9261 = 5000.0;
        sch9->fld_9005 = 1;
        auto typed = std::make_unique<TaxData_HostTyped>(12);
        typed->fld_note = "kept";
        ret.add(std::move(typed));
    }
};

}  // namespace

TEST(CarryForward, CopiesImportedFormsInOrderAndMovesThemToTheNewYear)
{
    LastYear old;
    const std::string before = returnToJsonText(old.ret, catalogueWithTestForms());
    STRUCT_IMPORT_LASTYEAR_PARAM param;
    const TaxReturn next = carryForward(old.ret, param, catalogueWithTestForms());

    ASSERT_EQ(next.size(), 3);  // the form that declines is left behind
    const auto* t3 = dynamic_cast<TaxData_T3Ret*>(next.form(0));
    const auto* sch9 = dynamic_cast<TaxData_Sch9*>(next.form(1));
    const auto* typed = dynamic_cast<TaxData_HostTyped*>(next.form(2));
    ASSERT_TRUE(t3 && sch9 && typed);

    EXPECT_EQ(t3->fld_trust_name.value(), QStringLiteral("Estate of Jane Doe"));
    EXPECT_EQ(t3->fld_start_date.value(), QDate(2024, 7, 1));
    EXPECT_EQ(t3->fld_end_date.value(), QDate(2025, 6, 30));
    EXPECT_EQ(t3->fld_first_year.value(), 1);
    EXPECT_EQ(t3->fld_year_last.value(), QStringLiteral("2023"));
    EXPECT_EQ(t3->fld_ws_FileStatus.value(), 0);
    EXPECT_TRUE(t3->fld_ws_ConfirmCode.isEmpty());
    // Schedule 9 takes the framework's step: amounts back to 0, answers kept.
    EXPECT_EQ(sch9->fld_9261.value(), 0.0);
    EXPECT_EQ(sch9->fld_9005.value(), 1);
    EXPECT_EQ(typed->formType(), 12);
    EXPECT_EQ(typed->fld_note.value(), QStringLiteral("kept"));

    // Last year's return is untouched.
    EXPECT_EQ(returnToJsonText(old.ret, catalogueWithTestForms()), before);
}

TEST(CarryForward, SameYearKeepsTheDatesAndClearsOnlyTheFilingStatus)
{
    LastYear old;
    STRUCT_IMPORT_LASTYEAR_PARAM param;
    param.bSameYear = 1;
    const TaxReturn next = carryForward(old.ret, param, catalogueWithTestForms());
    const auto* t3 = next.first<TaxData_T3Ret>();
    ASSERT_NE(t3, nullptr);
    EXPECT_EQ(t3->fld_start_date.value(), QDate(2023, 7, 1));
    EXPECT_EQ(t3->fld_first_year.value(), 0);
    EXPECT_EQ(t3->fld_year_last.value(), QStringLiteral("2022"));
    EXPECT_EQ(t3->fld_ws_FileStatus.value(), 0);
}
