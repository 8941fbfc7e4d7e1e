// Results of the T3 return: the result line, refund codes, the e-filing
// status and the e-file authorization filled from the return.
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

void fillTotals(TaxData_T3Ret& r)
{
    r.fld_total_inc = 5000.55;
    r.fld_net_inc = 4000.44;
    r.fld_taxinc = 3000.33;
    r.fld_tax_pay = 900.99;
    r.fld_total_credit = 1000.10;
    r.fld_RefDue = -99.11;
}

TEST(T3RetAuthorization, IndividualTrusteeAndTotals)
{
    TaxData_T3Ret r;
    fillCompleteReturn2024(r);
    fillTotals(r);
    TaxData_T183Trust t183;
    EXPECT_EQ(r.updateT183Trust(&t183), 0);

    EXPECT_EQ(t183.m_returnType, 1);
    EXPECT_EQ(t183.m_strName, "Tremblay Family Trust");
    EXPECT_EQ(t183.m_strAccount, "T12345678");
    EXPECT_EQ(t183.fld_trust_prov.value(), PROV_ON);
    EXPECT_EQ(t183.fld_trust_country.value(), COUNTRY_CANADA);
    EXPECT_EQ(t183.fld_trust_name.value(), "Tremblay Family Trust");
    EXPECT_EQ(t183.fld_TN.value(), "T12345678");
    EXPECT_TRUE(t183.fld_bFirstTime.value());
    EXPECT_EQ(t183.fld_trustee_name.value(), "Marie Tremblay");
    EXPECT_EQ(t183.fld_addr.value(), "100 Wellington Street");
    EXPECT_EQ(t183.fld_city.value(), "Ottawa");
    EXPECT_EQ(t183.fld_prov.value(), PROV_ON);
    EXPECT_EQ(t183.fld_postcode.value(), "K1A 0B1");
    EXPECT_EQ(t183.fld_country.value(), COUNTRY_CANADA);
    EXPECT_EQ(t183.fld_phone.value(), "(613)-5551234");
    EXPECT_EQ(t183.fld_t3_type.value(), 0);
    EXPECT_DOUBLE_EQ(t183.fld_t3_total_inc.value(), 5000.55);
    EXPECT_DOUBLE_EQ(t183.fld_t3_net_inc.value(), 4000.44);
    EXPECT_DOUBLE_EQ(t183.fld_t3_tax_inc.value(), 3000.33);
    EXPECT_DOUBLE_EQ(t183.fld_t3_payable.value(), 900.99);
    EXPECT_DOUBLE_EQ(t183.fld_t3_credit.value(), 1000.10);
    EXPECT_DOUBLE_EQ(t183.fld_t3_bal.value(), -99.11);
}

TEST(T3RetAuthorization, NonIndividualOrUnansweredTrusteeTakesTheOrganization)
{
    for (const int trusteeOption : {1, -1}) {
        SCOPED_TRACE(trusteeOption);
        TaxData_T3Ret r;
        r.fld_bTrusteeIsPerson = trusteeOption;
        r.fld_first_year = 1;
        r.fld_indv_fname = "Not";
        r.fld_indv_addr = "Not this street";
        r.fld_trustee_orgname = "Fiducie Québec Inc.";
        r.fld_trustee_addr = "1 rue Principale";
        r.fld_trustee_city = "Québec";
        r.fld_trustee_prov = PROV_QC;
        r.fld_trustee_postcode = "G1R 4S9";
        r.fld_trustee_country = COUNTRY_CANADA;
        r.fld_trustee_phone = "(418)-5550000";
        TaxData_T183Trust t183;
        r.updateT183Trust(&t183);
        EXPECT_EQ(t183.fld_trustee_name.value(), "Fiducie Québec Inc.");
        EXPECT_EQ(t183.fld_addr.value(), "1 rue Principale");
        EXPECT_EQ(t183.fld_city.value(), "Québec");
        EXPECT_EQ(t183.fld_prov.value(), PROV_QC);
        EXPECT_EQ(t183.fld_postcode.value(), "G1R 4S9");
        EXPECT_EQ(t183.fld_country.value(), COUNTRY_CANADA);
        EXPECT_EQ(t183.fld_phone.value(), "(418)-5550000");
        EXPECT_FALSE(t183.fld_bFirstTime.value());
        EXPECT_EQ(t183.m_strName, "_unamed");
    }
}

TEST(T3RetAuthorization, LongNameIsCutToTheAuthorizationsLength)
{
    TaxData_T3Ret r;
    r.fld_trust_name = QString(120, QLatin1Char('N'));
    TaxData_T183Trust t183;
    r.updateT183Trust(&t183);
    EXPECT_EQ(t183.fld_trust_name.value(), QString(80, QLatin1Char('N')));
    EXPECT_EQ(t183.m_strName, QString(120, QLatin1Char('N')));
    EXPECT_EQ(r.updateT183Trust(nullptr), 0);
}

}  // namespace
