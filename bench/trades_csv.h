// A broker's export of many trades, as the Schedule 1 benchmarks import it:
// quoted names with commas, "$1,234.25" amounts, a header row.
#pragma once

#include <string>

inline std::string tradesCsv(int trades)
{
    std::string csv = "Security,Quantity,Proceeds,Cost,Commission\n";
    for (int i = 0; i < trades; ++i)
        csv += "\"ETF " + std::to_string(i % 500) + ", units\"," + std::to_string(10 + i % 90) + ",\"$1," +
               std::to_string(100 + i % 900) + ".25\"," + std::to_string(900 + i % 300) + ".10,9.99\n";
    return csv;
}
