#include "schedules/sch20.h"

#include "efile/netfile_records.h"
#include "framework/amounts.h"
#include "framework/checks.h"

#include <algorithm>
#include <string>

namespace {
double floorZero(double x)
{
    return x < 0.0 ? 0.0 : x;
}
// Regulation 808: the part of a foreign bank's assets set aside (column C).
constexpr double kBankAssetRate = 0.05;
}  // namespace

CFloatField& TaxData_Sch20::part6(const char* column, int row) const
{
    return *static_cast<CFloatField*>(findField(std::string("fld_Part6") + column + "_" + std::to_string(row)));
}

int TaxData_Sch20::Calculate()
{
    // Part 1: base amount with additions
    fld_100.store(floorZero(fld_Part1_A - fld_099));
    fld_106.store(fld_104 + fld_105);
    fld_107.store(floorZero(fld_103 - fld_106));
    fld_111.store(floorZero(fld_109 - fld_110));
    fld_113.store(fld_100 + fld_101 + fld_107 + fld_108 + fld_111 + fld_112);

    // Part 2: deductions from the base amount
    fld_Part2_K.store(fld_114 + fld_115);
    fld_116.store(fld_Part2_K * div(fld_100, fld_Part1_A, 0.0));
    fld_Part2_P.store(fld_121 + fld_122);
    fld_123.store(floorZero(fld_120 - fld_Part2_P));

    // Allowance for investments in property in Canada
    fld_212.store(std::min<double>(fld_210, fld_211));
    fld_213.store(fld_200 + fld_201 + fld_203 + fld_204 + fld_205 + fld_206 + fld_207 + fld_208 + fld_212);
    fld_221.store(fld_214 + fld_215 + fld_216 + fld_217 + fld_218 + fld_219);
    fld_222.store(fld_213 - fld_221);
    fld_223.store(floorZero(std::min<double>(fld_222, fld_113 - fld_116 - fld_117 - fld_123)));

    // Part 6: each period of an authorized foreign bank
    for (int r = 1; r <= kPeriods; ++r) {
        const double assets = part6("BankAssets", r);
        part6("ColC", r).store(assets * kBankAssetRate);
        part6("ColG", r).store(part6("BankLiability", r) + part6("BankAdvance", r));
        CFloatField& h = part6("ColH", r);
        h.store(floorZero(std::min<double>(h, assets - (part6("ColC", r) + part6("ColG", r)))));
        part6("ColI", r).store(part6("ColG", r) + h);
        part6("ColJ", r).store(floorZero(part6("BankCost", r) - part6("ColI", r)));
        part6("ColK", r).store(part6("ColJ", r));
    }
    return 0;
}

int TaxData_Sch20::WriteNetfile(unsigned char /*purpose*/, NetfileTypedMap& typed, FILE* out, int& /*reserved*/)
{
    NetfileLineStream stream(typed, out);
    auto write = [&](const CFloatField& field) { stream.amount(field.lineNum(), field); };
    for (const CFloatField* f : {&fld_099, &fld_100, &fld_101, &fld_103, &fld_104, &fld_105, &fld_106, &fld_107,
                                 &fld_108, &fld_109, &fld_110, &fld_111, &fld_112, &fld_113, &fld_114, &fld_115,
                                 &fld_116, &fld_117, &fld_118, &fld_120, &fld_121, &fld_122, &fld_123, &fld_124,
                                 &fld_125, &fld_500, &fld_126, &fld_510, &fld_520})
        write(*f);
    if (fld_Part6ForeignBank) {
        for (const CFloatField* f : {&fld_650, &fld_655, &fld_660, &fld_665})
            write(*f);
    } else {
        write(fld_200);
    }
    for (const CFloatField* f : {&fld_201, &fld_203, &fld_204, &fld_205, &fld_206, &fld_207, &fld_208, &fld_210,
                                 &fld_211, &fld_212, &fld_213, &fld_214, &fld_215, &fld_216, &fld_217, &fld_218,
                                 &fld_219, &fld_221, &fld_222, &fld_223})
        write(*f);
    return 0;
}
