// SPDX-License-Identifier: GPL-3.0-or-later
// File commands: new, open, append, save, backup, quit, XML exchange, and loading a database file.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"

void MainWindow::fileNew() { }

void MainWindow::fileOpen() { }

void MainWindow::fileAppend() { }

bool MainWindow::fileSave()
{
    return false;
}

bool MainWindow::fileSaveAs()
{
    return false;
}

void MainWindow::backupDb() { }

void MainWindow::fileQuit()
{
    close();
}

bool MainWindow::okToContinue()
{
    // Asking whether to save a modified database comes with the save commands; until then nothing
    // stops a new database, an open or a close.
    return true;
}

bool MainWindow::saveFile(const QString &fileName)
{
    Q_UNUSED(fileName)
    return false;
}

bool MainWindow::loadFile(const QString &fileName, bool append)
{
    Q_UNUSED(fileName)
    Q_UNUSED(append)
    return false;
}

// --- XML exchange ----------------------------------------------------------------------------------

void MainWindow::fileExportXml() { }

void MainWindow::fileImportXml() { }
