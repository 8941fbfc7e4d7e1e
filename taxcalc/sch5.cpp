#include "taxcalc/sch5.h"

#include "framework/amounts.h"
#include "framework/checks.h"
#include "framework/datastream.h"
#include "framework/year_figures.h"
#include "taxcalc/business_regulation_types.h"

#include <algorithm>

namespace {
// The jurisdiction code of each row of Part 1, in row order.
constexpr ENUMTYPE_PROVINCE kRowJurisdiction[TaxData_Sch5::kRows] = {
    PROV_NL, PROV_NL_OFFSHORE, PROV_PE, PROV_NS, PROV_NS_OFFSHORE, PROV_NB, PROV_QC, PROV_ON,
    PROV_MB, PROV_SK,          PROV_AB, PROV_BC, PROV_YT,          PROV_NT, PROV_NU, PROV_OUTSIDE_CANADA};
constexpr int kOutsideCanadaRow = TaxData_Sch5::kRows - 1;

double floorZero(double x)
{
    return x < 0.0 ? 0.0 : x;
}

// A farmers' credit is the lesser of the credit and the tax it reduces, never below 0.
double capCredit(double credit, double subtotal)
{
    return floorZero(std::min(credit, subtotal));
}

bool rowActive(const TaxData_Sch5::JurisdictionRow& row)
{
    return amountPresent(row.colB) || amountPresent(row.colD);
}

// Allocation by the weighted method: the revenue share counts `weight` times
// the salary share.
void allocateWeighted(TaxData_Sch5& s, int weight)
{
    for (TaxData_Sch5::JurisdictionRow* row : s.m_rows) {
        row->colC = div(row->colB, s.fld_colG, 0.0) * s.fld_taxinc;
        row->colE = div(row->colD, s.fld_colH, 0.0) * s.fld_taxinc;
        if (!amountPresent(s.fld_colG))
            row->colF = row->colE.value();
        else if (!amountPresent(s.fld_colH))
            row->colF = row->colC.value();
        else
            row->colF = (row->colC + weight * row->colE) / (weight + 1);
    }
}

void allocateByRevenue(TaxData_Sch5& s)
{
    for (TaxData_Sch5::JurisdictionRow* row : s.m_rows) {
        row->colE = div(row->colD, s.fld_colH, 0.0) * s.fld_taxinc;
        row->colF = row->colE.value();
    }
}
}  // namespace

int TaxData_Sch5::Calculate_Step0()
{
    fld_255 = 0.0;
    return 0;
}

int TaxData_Sch5::Calculate_Step1()
{
    fld_RegulationType = businessRegulationType(fld_iRegulationType).name;
    double g = 0.0;
    double h = 0.0;
    for (JurisdictionRow* row : m_rows) {
        row->Yes = amountPresent(row->colB);
        g += row->colB;
        h += row->colD;
    }
    fld_colG = g;  // line 129
    fld_colH = h;  // line 169
    calcAllocationByType(fld_iRegulationType);
    m_jurisdiction = calcJurisdiction();
    return 0;
}

int TaxData_Sch5::calcAllocationByType(int regulationType)
{
    switch (regulationType) {
    case 2:  // insurance corporations: premiums only
    case 4:  // trust and loan corporations: gross revenue only
        allocateByRevenue(*this);
        break;
    case 3:  // banks: the revenue share counts twice
    case 14:
        allocateWeighted(*this, 2);
        break;
    case kPipelineOperators:
        break;
    default:
        allocateWeighted(*this, 1);
        break;
    }
    return 0;
}

ENUMTYPE_PROVINCE TaxData_Sch5::calcJurisdiction()
{
    for (JurisdictionRow* row : m_rows)
        row->Yes = rowActive(*row);
    return jurisdictionOfRows();
}

ENUMTYPE_PROVINCE TaxData_Sch5::jurisdictionOfRows() const
{
    int active = 0;
    ENUMTYPE_PROVINCE last = PROV_NONE;
    for (int i = 0; i < kOutsideCanadaRow; ++i) {
        if (rowActive(*m_rows[size_t(i)])) {
            ++active;
            last = kRowJurisdiction[i];
        }
    }
    if (rowActive(m_OutCAN))
        return active == 0 ? PROV_OUTSIDE_CANADA : PROV_MULTIPLE;
    if (active == 0)
        return PROV_NONE;
    return active == 1 ? last : PROV_MULTIPLE;
}

int TaxData_Sch5::Calculate_Step10()
{
    fld_ON_A6 = floorZero(fld_ON_270 - fld_ON_402);
    fld_ON_B6 = fld_ON_276 + fld_ON_277;
    fld_ON_C6 = fld_ON_A6 + fld_ON_B6;
    return 0;
}

int TaxData_Sch5::Calculate_StepB4RefundableCredit()
{
    // Newfoundland and Labrador
    fld_NL_A1 = fld_NL_200 + fld_NL_205;
    fld_NL_B1 = fld_NL_500 + fld_NL_501 + fld_NL_504 + fld_NL_505 + fld_NL_507;
    fld_NL_C1 = fld_NL_A1 - fld_NL_B1;
    // Prince Edward Island
    fld_PE_B2 = fld_PE_528 + fld_PE_530;
    fld_PE_214 = floorZero(fld_PE_210 - fld_PE_B2);
    // Nova Scotia: the farmers' credit is limited by the tax left after the other credits
    fld_NS_A3 = fld_NS_215 + fld_NS_220 + fld_NS_221;
    fld_NS_B3 = fld_NS_550 + fld_NS_554 + fld_NS_556;
    fld_NS_C3 = fld_NS_A3 - fld_NS_B3;
    fld_NS_570 = capCredit(m_nsFarmersFoodBankCredit, fld_NS_C3);
    fld_NS_B3 = fld_NS_550 + fld_NS_554 + fld_NS_562 + fld_NS_563 + fld_NS_570 + fld_NS_556;
    fld_NS_C3 = fld_NS_A3 - fld_NS_B3;
    // New Brunswick
    fld_NB_A4 = fld_NB_225 + fld_NB_573;
    fld_NB_B4 = fld_NB_576 + fld_NB_578;
    fld_NB_C4 = fld_NB_A4 - fld_NB_B4;
    // Ontario, after lines A6 to C6
    fld_ON_D6 = fld_ON_404 + fld_ON_406 + fld_ON_408 + fld_ON_410 + fld_ON_414 + fld_ON_415;
    fld_ON_E6 = floorZero(fld_ON_C6 - fld_ON_D6);
    fld_ON_F6 = floorZero(fld_ON_E6 - fld_ON_416);
    fld_ON_420 = capCredit(m_onFarmersCommunityFoodCredit, fld_ON_F6 - fld_ON_418);
    fld_ON_G6 = floorZero(fld_ON_F6 - (fld_ON_420 + fld_ON_418));
    fld_ON_H6 = fld_ON_278 + fld_ON_280;
    fld_ON_I6 = fld_ON_G6 + fld_ON_H6;
    // Manitoba
    fld_MB_B7 = fld_MB_601 + fld_MB_602 + fld_MB_605 + fld_MB_606 + fld_MB_607 + fld_MB_608 + fld_MB_609;
    fld_MB_C7 = fld_MB_230 - fld_MB_B7;
    // Saskatchewan
    fld_SK_B8 = fld_SK_624 + fld_SK_625 + fld_SK_626 + fld_SK_631;
    fld_SK_C8 = fld_SK_235 - fld_SK_B8;
    // British Columbia: the farmer's credit is limited like Nova Scotia's
    fld_BC_A10 = fld_BC_240 + fld_BC_241;
    fld_BC_B10 = fld_BC_650 + fld_BC_651 + fld_BC_653 + fld_BC_656 + fld_BC_659;
    fld_BC_C10 = fld_BC_A10 - fld_BC_B10;
    fld_BC_683 = capCredit(m_bcFarmersFoodDonationCredit, fld_BC_C10);
    fld_BC_B10 = fld_BC_650 + fld_BC_651 + fld_BC_653 + fld_BC_683 + fld_BC_656 + fld_BC_659;
    fld_BC_C10 = floorZero(fld_BC_A10 - fld_BC_B10);
    // Yukon
    fld_YT_B11 = fld_YT_675 + fld_YT_676 + fld_YT_677;
    fld_YT_C11 = fld_YT_245 - fld_YT_B11;
    // Northwest Territories
    fld_NT_B12 = fld_NT_700 + fld_NT_701;
    fld_NT_250 = floorZero(fld_NT_250);
    fld_NT_254 = floorZero(fld_NT_250 - fld_NT_B12);
    // Nunavut
    fld_NU_B13 = fld_NU_725 + fld_NU_730;
    fld_NU_260 = floorZero(fld_NU_260);
    fld_NU_740_b4 = fld_NU_260 - fld_NU_B13;
    return 0;
}

int TaxData_Sch5::Calculate_StepLast()
{
    // The net lines take the refundable credits and may be negative.
    fld_NL_C1 = floorZero(fld_NL_C1);
    fld_NL_D1 = fld_NL_C1 + fld_NL_518;
    fld_NL_E1 = fld_NL_520 + fld_NL_521 + fld_NL_522;
    fld_NL_209 = fld_NL_D1 - fld_NL_E1;

    fld_NS_C3 = floorZero(fld_NS_C3);
    fld_NS_D3 = fld_NS_565 + fld_NS_566 + fld_NS_567 + fld_NS_568 + fld_NS_569;
    fld_NS_224 = fld_NS_C3 - fld_NS_D3;

    fld_NB_C4 = floorZero(fld_NB_C4);
    fld_NB_D4 = fld_NB_595 + fld_NB_597;
    fld_NB_229 = fld_NB_C4 - fld_NB_D4;

    fld_ON_J6 = fld_ON_450 + fld_ON_452 + fld_ON_454 + fld_ON_456 + fld_ON_458 + fld_ON_460 + fld_ON_462 +
                fld_ON_466 + fld_ON_468 + fld_ON_470 + fld_ON_472;
    fld_ON_290 = fld_ON_I6 - fld_ON_J6;

    fld_MB_C7 = floorZero(fld_MB_C7);
    fld_MB_D7 = fld_MB_611 + fld_MB_613 + fld_MB_614 + fld_MB_615 + fld_MB_619 + fld_MB_620 + fld_MB_621 +
                fld_MB_622 + fld_MB_623 + fld_MB_326 + fld_MB_327 + fld_MB_328;
    fld_MB_234 = fld_MB_C7 - fld_MB_D7;

    fld_SK_C8 = floorZero(fld_SK_C8);
    fld_SK_D8 = fld_SK_641 + fld_SK_644 + fld_SK_645;
    fld_SK_239 = fld_SK_C8 - fld_SK_D8;

    fld_BC_665 = fld_BC_886 * year_figures::kSch5BcLine665Share;
    fld_BC_D10 = fld_BC_670 + fld_BC_671 + fld_BC_672 + fld_BC_673 + fld_BC_674 + fld_BC_665 + fld_BC_679 +
                 fld_BC_680;
    fld_BC_244 = fld_BC_C10 - fld_BC_D10;

    fld_YT_C11 = floorZero(fld_YT_C11);
    fld_YT_699_after = fld_YT_698 + fld_YT_699;
    fld_YT_249 = fld_YT_C11 - fld_YT_699_after;

    fld_NU_740_b4 = floorZero(fld_NU_740_b4);
    fld_NU_264 = fld_NU_740_b4 - fld_NU_740;

    fld_255 = fld_NL_209 + fld_PE_214 + fld_NS_224 + fld_NB_229 + fld_ON_290 + fld_MB_234 + fld_SK_239 +
              fld_BC_244 + fld_YT_249 + fld_NT_254 + fld_NU_264;
    m_claimT2Line205 = shouldClaimT2Line205();
    return 0;
}

bool TaxData_Sch5::shouldClaimT2Line205() const
{
    if (m_jurisdiction == PROV_MULTIPLE)
        return true;
    for (const CFloatField* f :
         {&fld_NL_B1, &fld_NL_518, &fld_NL_D1, &fld_NL_E1, &fld_PE_B2, &fld_NS_220, &fld_NS_221, &fld_NS_B3,
          &fld_NS_D3, &fld_NB_573, &fld_NB_B4, &fld_NB_D4, &fld_ON_402, &fld_ON_B6, &fld_ON_D6, &fld_ON_416,
          &fld_ON_418, &fld_ON_420, &fld_ON_H6, &fld_ON_J6, &fld_MB_B7, &fld_MB_D7, &fld_SK_B8, &fld_SK_D8,
          &fld_BC_241, &fld_BC_B10, &fld_BC_D10, &fld_YT_B11, &fld_YT_698, &fld_NT_B12, &fld_NU_B13, &fld_NU_740})
        if (amountPresent(*f))
            return true;
    return false;
}

double TaxData_Sch5::getDomesticInc() const
{
    double total = 0.0;
    for (int i = 0; i < kOutsideCanadaRow; ++i)
        total += m_rows[size_t(i)]->colF;
    return total;
}

bool TaxData_Sch5::IsEligibleForPurpose(unsigned char /*purpose*/, CString& reason)
{
    const int type = fld_iRegulationType;
    if (m_jurisdiction != PROV_MULTIPLE || (type != 2 && type != 3 && type != 7))
        return false;
    reason = CString(".cor file can NOT be created becasue the business regulation type specified in schedule 5 "
                     "is not supported yet.");
    return true;
}

bool TaxData_Sch5::shouldSkipWriteNetfile()
{
    return !shouldClaimT2Line205() || CTaxDataBase01::shouldSkipWriteNetfile();
}

int TaxData_Sch5::Serialize(unsigned int version, const CString& password, MyDataStream& ar)
{
    const int result = CTaxDataBase01::Serialize(version, password, ar);
    if (ar.IsLoading() && version < 0x101F0)
        fld_NB_578 = 0.0;  // files of earlier versions stored another amount here
    return result;
}
