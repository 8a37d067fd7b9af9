// SPDX-License-Identifier: GPL-3.0-or-later
// The file exports of the output list: RTF document, XHTML page, JMatch and JCloze exercises.
#include "app/mainwindow.h"

void MainWindow::saveAsRTF() { }

void MainWindow::saveAsXHTML() { }

void MainWindow::saveAsJMatch() { }

void MainWindow::saveAsJCloze() { }
