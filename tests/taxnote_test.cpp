// The tax note: title and total of its fifteen amounts.
#include "returns/taxnote.h"

#include <gtest/gtest.h>

namespace {

TEST(TaxNote, FieldsInOrderWithoutFormTypeOrLines)
{
    TaxData_TaxNote note;
    EXPECT_EQ(note.formType(), 0);
    ASSERT_EQ(note.fieldCount(), 32);
    EXPECT_STREQ(note.fields()[0]->name(), "box_name");
    EXPECT_STREQ(note.fields()[1]->name(), "box_spec_1");
    EXPECT_STREQ(note.fields()[2]->name(), "box_1");
    EXPECT_STREQ(note.fields()[29]->name(), "box_spec_15");
    EXPECT_STREQ(note.fields()[30]->name(), "box_15");
    EXPECT_STREQ(note.fields()[31]->name(), "box_16");
    for (const CField* f : note.fields())
        EXPECT_EQ(f->lineNum(), 0) << f->name();
}

TEST(TaxNote, DisplayName)
{
    const struct {
        const char* title;
        const char* shown;
    } cases[] = {{"", "Note - un-named"}, {"   ", "Note - un-named"}, {"Rental details", "Note - Rental details"}};
    for (const auto& c : cases) {
        TaxData_TaxNote note;
        note.box_name = c.title;
        CString name;
        EXPECT_TRUE(note.GetDisplayName(name));
        EXPECT_EQ(name, c.shown);
    }
}

TEST(TaxNote, TotalOfTheFifteenAmounts)
{
    TaxData_TaxNote note;
    CFloatField* const boxes[] = {&note.box_1,  &note.box_2,  &note.box_3,  &note.box_4,  &note.box_5,
                                  &note.box_6,  &note.box_7,  &note.box_8,  &note.box_9,  &note.box_10,
                                  &note.box_11, &note.box_12, &note.box_13, &note.box_14, &note.box_15};
    for (int i = 1; i <= 15; ++i) {
        *boxes[i - 1] = i * 1.01;  // 1.01 .. 15.15
        EXPECT_EQ(note.amountBox(i), boxes[i - 1]);
    }
    note.box_16 = 999.0;
    EXPECT_EQ(note.Calculate02(), 0);
    EXPECT_NEAR(note.box_16.value(), 121.20, 1e-9);

    note.box_7 = -121.20 + 7 * 1.01;
    note.Calculate02();
    EXPECT_NEAR(note.box_16.value(), 0.0, 1e-9);
    EXPECT_EQ(note.amountBox(0), nullptr);
    EXPECT_EQ(note.amountBox(16), nullptr);
}

}  // namespace
