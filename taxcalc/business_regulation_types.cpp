#include "taxcalc/business_regulation_types.h"

namespace {
const BusinessRegulationType Global_BusiType_Info[kBusinessRegulationTypes] = {
    {"", "Not chosen"},
    {"402", "Regulation 402 - general"},
    {"403", "Regulation 403 - insurance corporations"},
    {"404", "Regulation 404 - banks"},
    {"405", "Regulation 405 - trust and loan corporations"},
    {"406", "Regulation 406 - railway corporations"},
    {"407", "Regulation 407 - airline corporations"},
    {"408", "Regulation 408 - grain elevator operators"},
    {"409", "Regulation 409 - bus and truck operators"},
    {"410", "Regulation 410 - ship operators"},
    {"411", "Regulation 411 - pipeline operators"},
    {"412", "Regulation 412 - divided businesses"},
    {"413", "Regulation 413 - non-resident corporations"},
    {"414", "Regulation 414 - provincial crown corporations"},
    {"415", "Regulation 415 - central credit unions"},
};
}  // namespace

const BusinessRegulationType& businessRegulationType(int code)
{
    return Global_BusiType_Info[code >= 0 && code < kBusinessRegulationTypes ? code : 0];
}
