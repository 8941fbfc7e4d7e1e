// Netfile records of Schedule 9: the questions, then Parts A and B in whole
// dollars. Line 947 (fld_9561, fld_9562) and Part C have no records.
#include "efile/netfile_records.h"
#include "schedules/sch9.h"

int TaxData_Sch9::WriteNetfile(unsigned char /*purpose*/, NetfileGenObjParamStruct* ctx)
{
    if (!ctx)
        return 0;
    using S = TaxData_Sch9;
    constexpr NetfileFormat W = NetfileFormat::W;
    writeNetfileRows(*this, ctx->records, {
        {9001, &S::fld_9001, W}, {9002, &S::fld_9002, W}, {9003, &S::fld_9003, W}, {9004, &S::fld_9004, W},
    });
    writeNetfileRows(*this, ctx->records, {
        {9005, &S::fld_9005}, {9006, &S::fld_9006}, {9007, &S::fld_9007},
    });
    writeNetfileRows(*this, ctx->records, {
        {9211, &S::fld_9211, W}, {9212, &S::fld_9212, W}, {9213, &S::fld_9213, W},
        {9221, &S::fld_9221, W}, {9222, &S::fld_9222, W},
        {9231, &S::fld_9231, W}, {9232, &S::fld_9232, W}, {9233, &S::fld_9233, W},
        {9241, &S::fld_9241, W}, {9242, &S::fld_9242, W}, {9243, &S::fld_9243, W},
        {9251, &S::fld_9251, W}, {9252, &S::fld_9252, W}, {9253, &S::fld_9253, W},
        {9261, &S::fld_9261, W}, {9262, &S::fld_9262, W}, {9263, &S::fld_9263, W},
        {9491, &S::fld_9491, W}, {9492, &S::fld_9492, W}, {9493, &S::fld_9493, W},
        {9301, &S::fld_9301, W}, {9302, &S::fld_9302, W}, {9303, &S::fld_9303, W},
        {9311, &S::fld_9311, W},
        {9321, &S::fld_9321, W}, {9323, &S::fld_9323, W},
        {9331, &S::fld_9331, W}, {9332, &S::fld_9332, W}, {9333, &S::fld_9333, W},
        {9341, &S::fld_9341, W}, {9342, &S::fld_9342, W}, {9343, &S::fld_9343, W},
        {9351, &S::fld_9351, W}, {9352, &S::fld_9352, W},
        {9361, &S::fld_9361, W}, {9362, &S::fld_9362, W},
        {9381, &S::fld_9381, W},
        {9391, &S::fld_9391, W}, {9393, &S::fld_9393, W},
        {9401, &S::fld_9401, W}, {9402, &S::fld_9402, W}, {9403, &S::fld_9403, W},
        {9411, &S::fld_9411, W}, {9412, &S::fld_9412, W}, {9413, &S::fld_9413, W},
        {9551, &S::fld_9551, W}, {9552, &S::fld_9552, W}, {9553, &S::fld_9553, W},
        {9451, &S::fld_9451, W}, {9452, &S::fld_9452, W},
        {9461, &S::fld_9461, W}, {9462, &S::fld_9462, W},
        {9481, &S::fld_9481, W}, {9482, &S::fld_9482, W},
        {9501, &S::fld_9501, W}, {9503, &S::fld_9503, W},
        {9511, &S::fld_9511, W}, {9513, &S::fld_9513, W},
    });
    return 0;
}
