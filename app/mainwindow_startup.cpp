// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: preparing the user's database folder on the first run, and the command line.
#include "app/mainwindow.h"

void MainWindow::setupUserDatabase() { }

void MainWindow::processCommandLine() { }
