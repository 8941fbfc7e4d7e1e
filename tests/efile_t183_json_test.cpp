// The representative's data of the JSON filing document, from Form T183 TRUST.
#include "framework/jsonhelpers.h"
#include "returns/t183trust.h"

#include <gtest/gtest.h>

namespace {

json profData(TaxData_T183Trust& t)
{
    json obj = json::object();
    EXPECT_EQ(t.toJsonProfData(obj), 0);
    return obj;
}

TEST(T183Json, FullAuthorizationInKeyOrder)
{
    TaxData_T183Trust t;
    t.fld_controlnum = "ab12cd";
    t.fld_efilenum = "K1234";
    t.fld_represent = true;
    t.fld_expirydate = QDate(2025, 6, 30);
    t.fld_contactmethod = 0;
    t.fld_contactmethod_post = 1;
    t.fld_RepID = " RX12345 ";
    t.fld_ws_bESigned = true;
    t.fld_ws_ESignedDate = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    const json expected = json::parse(R"({
      "taxPreparerReturnControlNumber": "24ab12cd",
      "taxPreparerAuthorizationIndicator": true,
      "taxPreparerAuthorizationExpiryDate": "2025-06-30",
      "taxPreparerPreAssessmentReviewContactCode": "1",
      "taxPreparerPostAssessmentReviewContactCode": "2",
      "representativeId": "RX12345",
      "t183ElectronicSignature": {
        "t183ElectronicSignatureIndicator": true,
        "t183ElectronicSignatureDate": "2024-03-05",
        "t183ElectronicSignatureTime": "14:07:09"}
    })");
    EXPECT_EQ(profData(t).dump(2), expected.dump(2));
}

TEST(T183Json, NewFormWritesOnlyTheIndicators)
{
    TaxData_T183Trust t;
    const json expected = json::parse(R"({
      "taxPreparerAuthorizationIndicator": false,
      "t183ElectronicSignature": {"t183ElectronicSignatureIndicator": false}
    })");
    EXPECT_EQ(profData(t).dump(), expected.dump());
}

TEST(T183Json, ExpiryOnlyWithARepresentativeAndContactCodesOnlyForAnswers)
{
    TaxData_T183Trust t;
    t.fld_expirydate = QDate(2025, 1, 1);
    t.fld_contactmethod = 2;
    t.fld_contactmethod_post = -1;
    t.fld_ws_ESignedDate = QDateTime(QDate(2024, 3, 5), QTime(1, 2, 3));  // not signed
    const json obj = profData(t);
    EXPECT_FALSE(obj.contains("taxPreparerAuthorizationExpiryDate"));
    EXPECT_FALSE(obj.contains("taxPreparerPreAssessmentReviewContactCode"));
    EXPECT_FALSE(obj.contains("taxPreparerPostAssessmentReviewContactCode"));
    EXPECT_EQ(obj["t183ElectronicSignature"].size(), 1u);

    t.fld_represent = true;
    t.fld_expirydate = QDate();
    EXPECT_FALSE(profData(t).contains("taxPreparerAuthorizationExpiryDate"));
}

}  // namespace
