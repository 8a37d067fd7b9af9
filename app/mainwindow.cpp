// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "data/lxddatabase.h"

#include <QDomDocument>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(tr("MainWindow"));
    resize(400, 300);
    setWindowIcon(QIcon(QStringLiteral(":/svgIcons/lexivane_02.svg")));
    domDoc = new QDomDocument;
    db = new LxdDatabase(domDoc, this);
}

MainWindow::~MainWindow()
{
    delete db;
    delete domDoc;
}
