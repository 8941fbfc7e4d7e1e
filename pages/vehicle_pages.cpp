// One page per vehicle: Charts A, B and C of the same vehicle's fields.
#include "pages/vehicle_pages.h"

namespace {
std::string vehiclePage(int v)
{
    const std::string n = std::to_string(v);
    std::string page = R"PAGES(
page TaxForm_T2125_New_Vehicle0#N "Vehicle #N"
title "Chart A - Motor vehicle expenses"
columns 1
line 1 "Kilometres driven to earn business income" fld_chartA_1_#N
line 2 "Total kilometres driven in the fiscal period" fld_chartA_2_#N
line 3 "Fuel and oil" fld_chartA_3_#N
line 4 "Interest (Chart B)" =fld_chartA_4_#N
line 5 "Insurance" fld_chartA_5_#N
line 6 "Licence and registration" fld_chartA_6_#N
line 7 "Maintenance and repairs" fld_chartA_7_#N
line 8 "Leasing (Chart C)" =fld_chartA_8_#N
line - "Electricity for zero-emission vehicles" fld_chartA_eCar_#N
specify 9 fld_chartA_9_desc_#N fld_chartA_9_#N
specify 10 fld_chartA_10_desc_#N fld_chartA_10_#N
line 11 "Total expenses" =fld_chartA_TotalExp_#N
line 12 "Business use part (line 1 / line 2 x line 11)" =fld_chartA_BusiPart_#N
line 13 "Business parking fees" fld_chartA_13_#N
line 14 "Supplementary business insurance" fld_chartA_14_#N
line 15 "Allowable motor vehicle expenses" =fld_chartA_AllowExp_#N
title "Chart B - Available interest expense for passenger vehicles"
line A "Total interest paid in the fiscal period" fld_chartB_a_#N
line - "Limit per day" fld_chartB_b_a_#N
line - "Number of days in the fiscal period for which interest was paid" fld_chartB_b_b_#N
line B "Limit for the fiscal period" =fld_chartB_b_#N
line C "Available interest expense: amount A or B, whichever is less" =fld_chartB_c_#N
title "Chart C - Eligible leasing cost for passenger vehicles"
line 1 "Total lease charges incurred in the fiscal period" fld_chartC_1_#N
line 2 "Total lease payments deducted before the fiscal period" fld_chartC_2_#N
line 3 "Total number of days the vehicle was leased in this and earlier fiscal periods" fld_chartC_3_#N
line 4 "Manufacturer's list price" fld_chartC_4_#N
field - "GST, PST or HST rate (%)" fld_GSTPSTHSTpercent_#N
line - "List price limit" =fld_ws_chartC_baseamt5_#N
line - "Monthly lease limit" =fld_ws_chartC_baseamt6_#N
line - "Capital cost limit" =fld_ws_chartC_baseamt7_#N
line - "The list price limit plus taxes, or line 4, whichever is more" =fld_chartC_5_a_#N
line 5 "85% of the amount above" =fld_chartC_5_#N
line - "The monthly limit plus taxes x line 3 / 30" =fld_chartC_6_a_#N
line - "Minus line 2" =fld_chartC_6_b_#N
line 6 "Line 6" =fld_chartC_6_#N
line 7 "The capital cost limit plus taxes x line 1 / line 5" =fld_chartC_7_#N
line 8 "Eligible leasing cost: line 6 or 7, whichever is less" =fld_chartC_8_#N
)PAGES";
    for (size_t at = page.find("#N"); at != std::string::npos; at = page.find("#N", at))
        page.replace(at, 2, n);
    return page;
}
}  // namespace

std::string vehiclePagesDescription()
{
    return vehiclePage(1) + vehiclePage(2) + vehiclePage(3);
}
