// trustella: command line of the T3 trust return preparation system.
#include "framework/libfederal.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "naics") == 0) {
        const bool ok = CheckNAICS(CString(argv[2]));
        std::printf("%s: %s\n", argv[2], ok ? "accepted industry code" : "unknown industry code");
        return ok ? 0 : 1;
    }
    std::printf("trustella 0.1 - T3 trust returns for the 2024 tax year\n");
    return 0;
}
