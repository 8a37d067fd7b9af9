// SPDX-License-Identifier: GPL-3.0-or-later
// The output list: using sentences, random selection, reordering and pruning, the exercise builder
// and the clipboard export.
#include "app/mainwindow.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

void MainWindow::useSentences() { }

void MainWindow::randomSentences() { }

void MainWindow::outSentenceUp() { }

void MainWindow::outSentenceDown() { }

void MainWindow::deleteOutputSentences() { }

void MainWindow::lwOutputClear() { }

void MainWindow::updateOutputCount()
{
    const int count = lwOutput->count();
    lblOutput->setText(tr("Output") + QLatin1String(" (") + QString::number(count) + QLatin1Char(')'));

    const bool any = count > 0;
    for (QPushButton *button :
        {btnExportTextToClipboard, btnExportXHTML, btnExportRTF, btnExportJMatch, btnExportJCloze})
        button->setEnabled(any);
    for (QAction *action :
        {actSentencesToClipboard, actSaveAsXHTML, actSaveAsRTF, actSaveAsJMatch, actSaveAsJCloze})
        action->setEnabled(any);
}

void MainWindow::setOutputListButtonStates()
{
    btnDeleteOutputSentence->setEnabled(lwOutput->selectionModel()->hasSelection());
    btnClearOutputSentences->setEnabled(lwOutput->count() > 0);
    actOutSentenceUp->setEnabled(true);
    actOutSentenceDown->setEnabled(true);
}

void MainWindow::buildExercise(QStringList &questions, QStringList &words)
{
    questions.clear();
    words.clear();
}

void MainWindow::sentencesToClipboard() { }
