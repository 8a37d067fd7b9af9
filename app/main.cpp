// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "util/zelutils.h"

#include <QApplication>
#include <QLocale>
#include <QResource>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // Without the icon file the program still runs, with empty icons.
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));

    ZelUtils::setApplicationIdentity();
    ZelUtils::installTranslations(QLocale::system());

    MainWindow window;
    window.show();
    return QApplication::exec();
}
