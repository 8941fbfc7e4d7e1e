// Form T3-RCA's lines on the cent under each election answer, its result
// and authorization; the T3A loss carryback request's floors, second pass
// and records; a return with more than one return-type form.
#include "efile/netfile_records.h"
#include "host/calc_engine.h"
#include "host/validation.h"
#include "returns/t183trust.h"
#include "returns/t3a.h"
#include "returns/t3m.h"
#include "returns/t3rca.h"
#include "returns/t3ret.h"

#include <gtest/gtest.h>

namespace {
void fillRca(TaxData_T3RCA& r, int option)
{
    r.m_employer[0].AmtEmployer = 1000.00;
    r.m_employer[11].AmtEmployer = 500.25;
    r.m_member[2].AmtRCAMember = 200.00;
    r.m_transfer[0].AmtRCATRust = 100.00;
    r.m_transfer[1].AmtRCATRust = 50.00;
    r.fld_601 = 1000.00;
    r.fld_607 = 400.00;
    r.fld_608 = 100.00;
    r.fld_611 = 600.00;  // deductions above income: line 616 floors at 0
    r.fld_618 = 100.00;
    r.fld_621 = 50.00;
    r.fld_6211 = 10.00;
    r.fld_OptionABC = option;
    r.fld_PrincipalAmt_1 = 100.00, r.fld_marketValue_1 = 150.00;
    r.fld_PrincipalAmt_2 = 200.00, r.fld_marketValue_2 = 200.00;
    r.fld_PrincipalAmt_3 = 300.00, r.fld_marketValue_3 = 0.00;
    r.fld_631 = 20.00;
    r.fld_635 = 5.00;
    r.fld_642 = 40.00, r.fld_643 = 10.00, r.fld_644 = 5.00;
    r.fld_before650 = 80.00, r.fld_before651 = 7.00, r.fld_652 = 2.00;
    r.fld_taxDeducted = 30.00, r.fld_paymentRemitted = 20.00;
}
}  // namespace

TEST(T3RCA, LinesUnderEachElectionAnswer)
{
    struct Case {
        int option;
        double l627, l629, l641, l646, l663;
    } cases[] = {
        {-1, 0.00, 2645.25, 675.00, 640.00, 635.00},  // unanswered: no election, but line 636 on line 641
        {0, 0.00, 2645.25, 2645.25, 2610.25, 2605.25},
        {1, 2645.25, 1322.625, 675.00, 640.00, 635.00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        TaxData_T3RCA r;
        fillRca(r, c.option);
        r.Calculate(nullptr);
        EXPECT_DOUBLE_EQ(r.fld_6021.value(), 3000.50);
        EXPECT_DOUBLE_EQ(r.fld_6031.value(), 200.00);
        EXPECT_DOUBLE_EQ(r.fld_6041.value(), 300.00);
        EXPECT_DOUBLE_EQ(r.fld_606.value(), 2750.25);
        EXPECT_DOUBLE_EQ(r.fld_616.value(), 0.00);
        EXPECT_DOUBLE_EQ(r.fld_617.value(), 2750.25);
        EXPECT_DOUBLE_EQ(r.fld_622.value(), 210.00);
        EXPECT_DOUBLE_EQ(r.fld_624.value(), 2645.25);
        EXPECT_DOUBLE_EQ(r.fld_from624.value(), 2645.25);
        EXPECT_DOUBLE_EQ(r.fld_debt_1.value(), 150.00);  // the market value when larger
        EXPECT_DOUBLE_EQ(r.fld_debt_3.value(), 300.00);  // the principal when larger
        EXPECT_DOUBLE_EQ(r.fld_634.value(), 650.00);
        EXPECT_DOUBLE_EQ(r.fld_636.value(), 675.00);
        EXPECT_DOUBLE_EQ(r.fld_653.value(), 45.00);
        EXPECT_DOUBLE_EQ(r.fld_627.value(), c.l627);
        EXPECT_DOUBLE_EQ(r.fld_629.value(), c.l629);
        EXPECT_DOUBLE_EQ(r.fld_641.value(), c.l641);
        EXPECT_DOUBLE_EQ(r.fld_646.value(), c.l646);
        EXPECT_DOUBLE_EQ(r.fld_663.value(), c.l663);
    }
}

// The balance answer is line 601, while the result text reports line 663.
TEST(T3RCA, ResultBalanceAndAuthorization)
{
    TaxData_T3RCA r;
    fillRca(r, -1);
    r.m_trustee.bTrusteeIsPerson = 0;
    r.m_trustee.indv_fname = "Ann";
    r.m_trustee.indv_lname = "Lee";
    r.m_trustee.indv_city = "Halifax";
    r.Calculate(nullptr);
    CString text;
    EXPECT_TRUE(r.getTaxReturnResult(text));
    EXPECT_EQ(text, QStringLiteral("F617=2750.25, F618=100.00, F646=640.00, due/refund=635.00"));
    EXPECT_DOUBLE_EQ(r.getBalOrDue(), 1000.00);
    r.getName(text);
    EXPECT_EQ(text, QStringLiteral("_unamed"));
    TaxData_T183Trust t183;
    t183.fld_trust_prov = 4;
    r.updateT183Trust(&t183);
    EXPECT_EQ(t183.fld_trustee_name.value(), QStringLiteral("Ann Lee"));
    EXPECT_EQ(t183.fld_city.value(), QStringLiteral("Halifax"));
    EXPECT_EQ(t183.fld_t3_type.value(), 1);
    EXPECT_EQ(t183.fld_trust_prov.value(), 0);

    STRUCT_IMPORT_LASTYEAR_PARAM sameYear;
    sameYear.bSameYear = 1;
    r.ChangeToNewYearData(sameYear);
    EXPECT_DOUBLE_EQ(r.fld_601.value(), 1000.00);
    r.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM{});
    EXPECT_DOUBLE_EQ(r.fld_601.value(), 2645.25);  // the closing account, line 629
}

TEST(T3A, FloorsAndTheSecondPassSettlesTheFarmingPart)
{
    TaxData_T3A t3a;
    t3a.fld_inc_CapGain = 1000.00;
    t3a.fld_inc_Busi = 500.00;
    t3a.fld_loss_Busi = 5000.00;
    t3a.fld_loss_Rental = 1000.00;
    t3a.fld_inc_OtherDed = 2000.00;  // more than the income: line floors at 0
    t3a.fld_LossFarmFish = 3000.00;
    t3a.fld_IncomeFarmFish = 500.00;
    t3a.fld_66270 = 1000.00;
    t3a.fld_66260 = 500.00;
    t3a.fld_66320 = 3000.00;  // more than available: nothing left, not less
    t3a.fld_AvailCapLoss = 800.00;
    t3a.fld_66380 = 200.00;
    t3a.fld_66370 = 100.00;
    t3a.Calculate();
    EXPECT_DOUBLE_EQ(t3a.fld_inc_Subtotal2.value(), 0.00);
    EXPECT_DOUBLE_EQ(t3a.fld_loss_Subtotal3.value(), 6000.00);
    EXPECT_DOUBLE_EQ(t3a.fld_LossFarm.value(), 0.00);  // the subtotal was not yet worked out
    EXPECT_DOUBLE_EQ(t3a.fld_LossForYear.value(), 6000.00);
    t3a.Calculate();
    EXPECT_EQ(t3a.fld_Year.value(), QStringLiteral("2024"));
    EXPECT_DOUBLE_EQ(t3a.fld_SubTotalFarmFish.value(), 2500.00);
    EXPECT_DOUBLE_EQ(t3a.fld_LossFarm.value(), 2500.00);
    EXPECT_DOUBLE_EQ(t3a.fld_LossForYear.value(), 3500.00);
    EXPECT_DOUBLE_EQ(t3a.fld_NonCapLossEnd.value(), 2000.00);
    EXPECT_DOUBLE_EQ(t3a.fld_CarrybackFarmFish.value(), 3000.00);
    EXPECT_DOUBLE_EQ(t3a.fld_LeftoverFarmFish.value(), 0.00);
    EXPECT_DOUBLE_EQ(t3a.fld_CarrybackCapLoss.value(), 300.00);
    EXPECT_DOUBLE_EQ(t3a.fld_LeftoverCapLoss.value(), 500.00);
    EXPECT_DOUBLE_EQ(t3a.fld_LeftoverLPP.value(), 0.00);
}

// Record 66100 is written always (empty without a year end); 66550 only for a valid date.
TEST(T3A, DateRecords)
{
    TaxData_T3A t3a;
    NetfileGenObjParamStruct ctx;
    t3a.WriteNetfile(0, &ctx);
    EXPECT_EQ(ctx.records.at("66100"), CString());
    EXPECT_EQ(ctx.records.count("66550"), 0u);
    t3a.m_taxYearEnd = QDate(2024, 12, 31);
    t3a.fld_66550 = QDate(2025, 3, 4);
    t3a.fld_66800 = 1;
    t3a.WriteNetfile(0, &ctx);
    EXPECT_EQ(ctx.records.at("66100"), CString("20241231"));
    EXPECT_EQ(ctx.records.at("66550"), CString("20250304"));
    EXPECT_EQ(ctx.records.at("66800"), CString("2"));
}

// The first return-type form is the return: the T183 step takes its fill,
// the T3 return after it is left alone, and check names each further one.
TEST(ReturnTypes, TheFirstReturnTypeFormIsTheReturn)
{
    TaxReturn ret;
    auto* t3m = static_cast<TaxData_T3M*>(ret.add(std::make_unique<TaxData_T3M>()));
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    auto* t183 = static_cast<TaxData_T183Trust*>(ret.add(std::make_unique<TaxData_T183Trust>()));
    ret.add(std::make_unique<TaxData_T3M>());
    t3m->fld_trust_iprov = 2;
    t3m->fld_295 = 100.0;
    t3->fld_trustee_fee = 2000.0;
    calculatePass(ret);
    EXPECT_EQ(t183->fld_t3_type.value(), 5);
    EXPECT_DOUBLE_EQ(t183->fld_t3_other_payable.value(), 27.0);
    EXPECT_DOUBLE_EQ(t3->fld_trustee_fee_ded.value(), 0.0);  // its steps did not run
    std::vector<QString> hostMessages;
    for (const ValidationMessage& m : validateReturn(ret))
        if (m.text.contains(QLatin1String("only the first")))
            hostMessages.push_back(QStringLiteral("%1 %2: %3").arg(m.form).arg(m.index).arg(m.text));
    EXPECT_EQ(hostMessages,
              (std::vector<QString>{
                  "T3Ret 1: T3Ret: the T3M before it is the return; only the first return type takes part in the "
                  "calculation",
                  "T3M 3: T3M: appears more than once; only the first takes part in the calculation"}));
}
