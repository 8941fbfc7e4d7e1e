// trustella-gui: the preparer's window; with --screenshot DIR FILE it renders
// every page of a return file to PNG files instead.
#include "app/gui/main_window.h"
#include "app/gui/page_screenshots.h"
#include "host/return_error.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {
const char* const kUsage =
    "Usage: trustella-gui [RETURN]\n"
    "       trustella-gui --screenshot DIR RETURN\n"
    "\n"
    "Opens the preparer's window, with RETURN (a .t3r or .json return file) when given.\n"
    "\n"
    "Options:\n"
    "  --screenshot DIR RETURN  calculate RETURN and write every page of its forms to DIR as PNG\n"
    "                           files, without a window\n"
    "  -h, --help               print this help and exit\n"
    "  --version                print the version and exit\n";
}  // namespace

int main(int argc, char** argv)
{
    // Answered before Qt starts, so that they need no display.
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("trustella-gui %s\n", TRUSTELLA_VERSION);
        return 0;
    }
    if (argc >= 2 && argv[1][0] == '-' && std::strcmp(argv[1], "--screenshot") != 0) {
        std::fprintf(stderr, "trustella-gui: unknown option %s\n%s", argv[1], kUsage);
        return 2;
    }
    const bool screenshots = argc >= 2 && std::strcmp(argv[1], "--screenshot") == 0;
    if (screenshots && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trustella"));

    if (screenshots) {
        if (argc != 4) {
            std::fprintf(stderr, "usage: trustella-gui --screenshot DIR RETURN\n");
            return 2;
        }
        QString error;
        try {
            const QStringList files = writePageScreenshots(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), error);
            if (!error.isEmpty()) {
                std::fprintf(stderr, "trustella-gui: %s\n", qPrintable(error));
                return 1;
            }
            std::printf("%d pages written to %s\n", int(files.size()), argv[2]);
            return 0;
        } catch (const ReturnFileError& e) {
            std::fprintf(stderr, "trustella-gui: %s\n", e.what());
            return 1;
        }
    }

    MainWindow window;
    window.show();
    if (argc >= 2)
        window.openReturn(QString::fromLocal8Bit(argv[1]));
    return app.exec();
}
