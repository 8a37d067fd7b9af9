// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "cli/exportcommand.h"
#include "data/heappolicy.h"
#include "data/lxddatabase.h"
#include "util/zelutils.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QResource>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

// `lexivane export ...` makes an exercise file and shows nothing: no widget is made, and it runs on
// the offscreen platform whatever display the session has, or none. Only the first argument, and
// only "export" exactly, is the command: the window opens only arguments ending in ".lxv", so no
// database argument is ever taken for it.
int exportWithoutWindow(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ZelUtils::setApplicationNames();
    ZelUtils::installTranslations(QLocale::system());
    return ExportCommand::run(QCoreApplication::arguments(), &ZelUtils::dataPath);
}

} // namespace

int main(int argc, char *argv[])
{
    HeapPolicy::keepFreedMemory();
    if (argc > 1 && qstrcmp(argv[1], "export") == 0)
        return exportWithoutWindow(argc, argv);

    QApplication app(argc, argv);

    // Without the icon file the program still runs, with empty icons.
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));

    ZelUtils::setApplicationIdentity();
    ZelUtils::installTranslations(QLocale::system());

    MainWindow window;
    window.show();
    // For timing the start-up from outside: once the shown window has handled its first events, say
    // so with the CPU time spent and the headwords loaded, then close as the user would.
    if (qEnvironmentVariableIsSet("LEXIVANE_REPORT_SHOWN")) {
        QTimer::singleShot(0, &window, [&window] {
            std::printf("shown cpu_ns=%lld items=%d\n",
                static_cast<long long>(std::clock()) * (1000000000LL / CLOCKS_PER_SEC),
                window.database()->itemCount());
            std::fflush(stdout);
            window.close();
        });
    }
    return QApplication::exec();
}
