// Validation of the T3 return called alone: how it adds to a list and that
// it changes nothing. Its messages for whole returns are scenarios
// (tests/scenarios/check-*).
#include "t3ret_test_support.h"

namespace {

TEST(T3RetValidate, MessagesAreAppendedAfterExistingOnesAndCounted)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_lang = -1;
    r.fld_cert_date = QDate();
    std::list<CString> messages = {"from another form"};
    EXPECT_EQ(r.Validate(1, messages), 2);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages.front(), "from another form");
    EXPECT_EQ(messages.back(), "Date field of certification is invalid.");
    EXPECT_EQ(validationMessages(r), (Messages{"Please answer the question of correspondence language option",
                                               "Date field of certification is invalid."}));
}

// Four digits between blanks: only a form filled by a program holds more
// than the field's four characters, and it passes.
TEST(T3RetValidate, LastYearIsTrimmedBeforeItIsChecked)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    r.fld_first_year = 1;
    r.fld_year_last = " 2023 ";
    EXPECT_EQ(validationMessages(r), Messages());
}

TEST(T3RetValidate, ValidatingChangesNothing)
{
    TaxData_T3Ret r, copy;
    r.fld_trust_num = " T12345678 ";
    r.fld_year_last = " 23 ";
    copy = r;
    validationMessages(r);
    EXPECT_FALSE(r != copy);
}

}  // namespace
