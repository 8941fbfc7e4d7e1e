// Form T776: rents less expenses and their personal part, the trust's share
// under each kind of ownership, recapture, the CCA never taking the income
// below 0, the carry-forward of every class and the totals on the return.
#include "host/calc_engine.h"
#include "returns/t3ret.h"
#include "statements/t776new.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

// Two properties, three expenses, class 1 building with $100,000 of UCC.
void fillRental(TaxData_T776New& f)
{
    f.m_properties[0].income = 12000.0;
    f.m_properties[2].income = 6000.0;
    f.fld_property_other_income = 500.0;
    f.fld_expense_2 = 1000.0;
    f.fld_expense_3 = 3000.0;
    f.fld_expense_9 = 2000.0;
    f.m_cca[0].cls = "1";
    f.m_cca[0].ucc = 100000.0;
}

TEST(T776New, SoleOwnerWithAPersonalPercentage)
{
    TaxData_T776New f;
    fillRental(f);
    f.fld_ownership_percent = 50.0;  // a sole owner owns all of it
    f.fld_pportion_usepercent = true;
    f.fld_pportion_percent = 110.0;  // clamped first
    f.Calculate01();
    EXPECT_EQ(f.fld_personalexp_3.value(), 3000.0);
    f.fld_pportion_percent = 10.0;
    f.fld_personalexp_9 = 5000.0;  // replaced by the percentage
    f.Calculate01();
    EXPECT_EQ(f.fld_ownership_percent.value(), 100.0);
    EXPECT_EQ(f.fld_property_rent.value(), 18000.0);
    EXPECT_EQ(f.fld_property_total_income.value(), 18500.0);
    EXPECT_NEAR(f.fld_personalexp_14.value(), 600.0, kTol);
    EXPECT_NEAR(f.fld_9369.value(), 18500.0 - 5400.0, kTol);
    EXPECT_NEAR(f.fld_9936.value(), 4000.0, kTol);
    EXPECT_NEAR(f.fld_9946.value(), 9100.0, kTol);
    EXPECT_NEAR(f.m_cca[0].uccEnd.value(), 96000.0, kTol);
}

TEST(T776New, CcaTakesTheIncomeToZeroButNotBelow)
{
    TaxData_T776New f;
    f.m_properties[0].income = 1000.0;
    f.m_cca[0].cls = "1";
    f.m_cca[0].ucc = 100000.0;
    f.fld_9948 = 300.0;  // terminal loss
    f.Calculate01();
    EXPECT_NEAR(f.m_ccaTotals.claim.value(), 4000.0, kTol);
    EXPECT_NEAR(f.fld_subtotal_3.value(), 700.0, kTol);
    EXPECT_NEAR(f.fld_9936.value(), 700.0, kTol);
    EXPECT_EQ(f.fld_9946.value(), 0.0);
}

TEST(T776New, DispositionsBeyondTheClassAreRecapturedForACoOwner)
{
    TaxData_T776New f;
    f.fld_ownership = TaxData_T776New::CoOwnership;
    f.fld_ownership_percent = 50.0;
    f.m_properties[0].income = 10000.0;
    f.m_cca[1].cls = "8";
    f.m_cca[1].ucc = 1000.0;
    f.m_cca[1].additions = 200.0;
    f.m_cca[1].proceeds = 1700.01;
    f.m_coowners[0].percent = 50.0;
    f.m_coowners[1].percent = 120.0;
    f.Calculate01();
    const RentalCcaRow& row = f.m_cca[1];
    EXPECT_NEAR(row.uccAfter.value(), -500.01, kTol);
    EXPECT_EQ(row.claim.value(), 0.0);
    EXPECT_EQ(row.uccEnd.value(), 0.0);
    EXPECT_NEAR(f.recaptureTotal(), 500.01, kTol);
    EXPECT_NEAR(f.fld_c.value(), 5000.0, kTol);
    EXPECT_NEAR(f.fld_9947.value(), 250.005, kTol);
    EXPECT_NEAR(f.fld_9946.value(), 5250.005, kTol);
    EXPECT_NEAR(f.m_coowners[0].netincome.value(), 5000.0, kTol);
    EXPECT_EQ(f.m_coowners[1].percent.value(), 100.0);
    EXPECT_NEAR(f.m_coowners[1].netincome.value(), 10000.0, kTol);

    f.fld_ownership_percent = 0.0;  // no share: no division by it
    f.Calculate01();
    EXPECT_EQ(f.m_coowners[0].netincome.value(), 0.0);
    EXPECT_TRUE(f.IsShared());
}

TEST(T776New, PartnerTakesItsShareAfterCca)
{
    TaxData_T776New f;
    fillRental(f);
    f.fld_ownership = TaxData_T776New::Partnership;
    f.fld_ownership_percent = 25.0;
    f.fld_9945 = 999.0;  // not for a partner
    f.fld_9943 = 100.0;
    f.Calculate01();
    EXPECT_EQ(f.fld_9945.value(), 0.0);
    EXPECT_NEAR(f.fld_d.value(), 12500.0 - 4000.0, kTol);
    EXPECT_NEAR(f.fld_yourshare_d.value(), 2125.0, kTol);
    EXPECT_NEAR(f.fld_9946.value(), 2025.0, kTol);
}

TEST(T776New, EveryClassOpensNextYearWithItsClosingBalance)
{
    TaxData_T776New f;
    for (int i = 0; i < 11; ++i) {
        f.m_cca[i].cls = "8";
        f.m_cca[i].ucc = 1000.0 * (i + 1);
    }
    f.fld_expense_1 = 50.0;
    f.Calculate01();
    STRUCT_IMPORT_LASTYEAR_PARAM sameYear;
    sameYear.bSameYear = 1;
    f.ChangeToNewYearData(sameYear);
    EXPECT_EQ(f.m_cca[10].ucc.value(), 11000.0);
    f.ChangeToNewYearData(STRUCT_IMPORT_LASTYEAR_PARAM{});
    for (int i = 0; i < 11; ++i)
        EXPECT_NEAR(f.m_cca[i].ucc.value(), 800.0 * (i + 1), kTol) << i;
    EXPECT_EQ(f.fld_expense_1.value(), 50.0);  // the entries stay for the user to update
}

TEST(T776New, TwoRentalsAreSummedIntoTheReturn)
{
    TaxReturn ret;
    auto* t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
    t3->fld_total_rental = 1.0;
    calculatePass(ret);
    EXPECT_EQ(t3->fld_total_rental.value(), 1.0);  // no statement: the entry stays
    auto* first = static_cast<TaxData_T776New*>(ret.add(std::make_unique<TaxData_T776New>()));
    auto* second = static_cast<TaxData_T776New*>(ret.add(std::make_unique<TaxData_T776New>()));
    fillRental(*first);
    second->m_properties[0].income = 2000.0;
    second->fld_expense_13 = 3000.0;
    calculatePass(ret);
    EXPECT_NEAR(t3->fld_total_rental.value(), 18500.0 + 2000.0, kTol);
    EXPECT_NEAR(t3->fld_net_rental.value(), 8500.0 - 1000.0, kTol);
}

}  // namespace
