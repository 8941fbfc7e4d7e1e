// Results of the T3 return: the result line, refund codes and the e-filing
// status. The authorization filled from the return is a scenario
// (tests/scenarios/t183-*).
#include "t3ret_test_support.h"

#include "framework/datetexts.h"
#include "returns/t183trust.h"

namespace {

TEST(T3RetResult, TextShowsTheFourTotalsWithTwoDecimals)
{
    TaxData_T3Ret r;
    r.fld_total_inc = 12345.6;
    r.fld_net_inc = -250.0;
    r.fld_tax_pay = 0.1;
    r.fld_RefDue = -1039.999;
    CString text;
    EXPECT_TRUE(r.getTaxReturnResult(text));
    EXPECT_EQ(text, "total income (12345.60), net income (-250.00), total payable (0.10), due/refund=(-1040.00)");
}

TEST(T3RetResult, RefundCodes)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {{0, "ISSUE_OVERPAYMENT_00"}, {1, "TRANSFER_OVERPAYMENT_01"}, {2, "ISSUE_OVERPAYMENT_02"},
                 {3, "unchanged"},            {-1, "unchanged"}};
    TaxData_T3Ret r;
    for (const auto& c : cases) {
        std::string out = "unchanged";
        EXPECT_EQ(r.getRefundCode(out, c.code), 0);
        EXPECT_EQ(out, c.text) << c.code;
    }
}

// A recorded status is replaced only by status 1, an unfiled (0 or -1) one by
// any; the date text is taken in any case, the current time with a new status.
TEST(T3RetFilingStatus, RecordedStatusIsOnlyReplacedByStatus1)
{
    setCurrentDateTimeForTesting(QDateTime(QDate(2025, 4, 2), QTime(9, 30, 5)));
    TaxData_T3Ret r;
    EXPECT_EQ(r.setCIFStatus(2, "2025-04-01", "CONF1"), 2);
    EXPECT_EQ(r.fld_ws_FileStatus.value(), 2);
    EXPECT_EQ(r.fld_ws_ConfirmCode.value(), "CONF1");
    EXPECT_EQ(r.fld_ws_FileDate.value(), "2025-04-02 09:30:05");

    EXPECT_EQ(r.setCIFStatus(3, "2025-04-03", "SECOND"), 3);
    EXPECT_EQ(r.fld_ws_FileStatus.value(), 2);
    EXPECT_EQ(r.fld_ws_ConfirmCode.value(), "CONF1");
    EXPECT_EQ(r.fld_ws_FileDate.value(), "2025-04-03");

    setCurrentDateTimeForTesting(QDateTime(QDate(2025, 5, 6), QTime(7, 8, 9)));
    r.setCIFStatus(1, "x", "THIRD");
    EXPECT_EQ(r.fld_ws_FileStatus.value(), 1);
    EXPECT_EQ(r.fld_ws_ConfirmCode.value(), "THIRD");
    EXPECT_EQ(r.fld_ws_FileDate.value(), "2025-05-06 07:08:09");
    setCurrentDateTimeForTesting(QDateTime());

    r.fld_ws_FileStatus = 0;
    r.setCIFStatus(3, "", "AMEND");
    EXPECT_EQ(r.fld_ws_FileStatus.value(), 3);
    EXPECT_EQ(r.fld_ws_ConfirmCode.value(), "AMEND");
}

// Beside the fields (tests/scenarios/t183-*), the authorization keeps the
// return's type, full name and account.
TEST(T3RetAuthorization, KeepsTheReturnTypeFullNameAndAccount)
{
    TaxData_T3Ret r;
    r.fld_trust_name = QString(120, QLatin1Char('N'));
    r.fld_trust_num = "T12345678";
    TaxData_T183Trust t183;
    EXPECT_EQ(r.updateT183Trust(&t183), 0);
    EXPECT_EQ(t183.m_returnType, 1);
    EXPECT_EQ(t183.m_strName, QString(120, QLatin1Char('N')));
    EXPECT_EQ(t183.m_strAccount, "T12345678");
    EXPECT_EQ(t183.fld_trust_name.value(), QString(80, QLatin1Char('N')));
    EXPECT_EQ(r.updateT183Trust(nullptr), 0);
}

}  // namespace
