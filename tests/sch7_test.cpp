// Schedule 7: column totals (columns C and D repeat column B and are not
// added to the total), and it never moves into the next year.
#include "schedules/sch7.h"

#include "host/carry_forward.h"
#include "host/form_catalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(Sch7, ColumnTotalsAndTotalPensionIncome)
{
    TaxData_Sch7 s;
    CFloatField* entries[] = {&s.fld_colA_1a, &s.fld_colB_1b, &s.fld_colD_1b, &s.fld_colB_1c, &s.fld_colD_1c,
                              &s.fld_colB_1d, &s.fld_colB_2a, &s.fld_colC_2a, &s.fld_colB_2b, &s.fld_colB_3a,
                              &s.fld_colC_3a, &s.fld_colB_3b, &s.fld_colA_4a, &s.fld_colB_4b, &s.fld_colA_5a,
                              &s.fld_colB_5b, &s.fld_colA_6a, &s.fld_colB_6b, &s.fld_colB_7};
    double value = 1.0;
    for (CFloatField* f : entries) {
        *f = value;
        value *= 2.0;
    }
    s.Calculate();
    EXPECT_EQ(s.fld_colA_total.value(), 1.0 + 4096.0 + 16384.0 + 65536.0);
    EXPECT_EQ(s.fld_colB_total.value(), 2.0 + 8.0 + 32.0 + 64.0 + 256.0 + 512.0 + 2048.0 + 8192.0 + 32768.0 +
                                            131072.0 + 262144.0);
    EXPECT_EQ(s.fld_7931.value(), 128.0 + 1024.0);
    EXPECT_EQ(s.fld_colD_total.value(), 4.0 + 16.0);
    EXPECT_EQ(s.fld_totalPensionIncome.value(), s.fld_colA_total.value() + s.fld_colB_total.value());
}

TEST(Sch7, LifeAnnuityToTheSpouseCountsOnceInTheTotal)
{
    TaxData_Sch7 s;
    s.fld_colB_2a = 500.0;
    s.fld_colC_2a = 500.0;
    s.Calculate();
    EXPECT_EQ(s.fld_colB_total.value(), 500.0);
    EXPECT_EQ(s.fld_7931.value(), 500.0);
    EXPECT_EQ(s.fld_totalPensionIncome.value(), 500.0);
}

TEST(Sch7, IsNotCarriedForward)
{
    TaxReturn old;
    auto* sch7 = static_cast<TaxData_Sch7*>(old.add(std::make_unique<TaxData_Sch7>()));
    sch7->fld_colB_7 = 100.0;
    EXPECT_FALSE(sch7->ShouldBeImported(0, PROV_ON));
    const TaxReturn next = carryForward(old, STRUCT_IMPORT_LASTYEAR_PARAM{}, FormCatalogue::standard());
    EXPECT_EQ(next.first<TaxData_Sch7>(), nullptr);
}

}  // namespace
