// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "util/zelutils.h"

#include <QApplication>
#include <QIcon>
#include <QResource>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // Without the icon file the program still runs, with empty icons.
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));

    QApplication::setOrganizationName(QStringLiteral("Venhollow"));
    QApplication::setApplicationName(QStringLiteral("Lexivane 3"));
    QApplication::setOrganizationDomain(QStringLiteral("lexivane.venhollow.org"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/svgIcons/lexivane_02.svg")));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));

    MainWindow window;
    window.show();
    return QApplication::exec();
}
