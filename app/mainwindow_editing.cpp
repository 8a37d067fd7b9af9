// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the database: headwords, sentences, used counters and find.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTableView>

// --- Headwords -------------------------------------------------------------------------------------

void MainWindow::addWord() { }

void MainWindow::editWord(const QModelIndex &index)
{
    Q_UNUSED(index)
}

void MainWindow::deleteWords() { }

void MainWindow::lvWordsSelChange(const QItemSelection &selected, const QItemSelection &deselected)
{
    Q_UNUSED(selected)
    Q_UNUSED(deselected)
    const qsizetype count = lvWords->selectionModel()->selectedIndexes().count();
    const bool any = count > 0;
    const bool one = count == 1;
    btnDeleteWord->setEnabled(any);
    actDeleteWords->setEnabled(any);
    btnAddSentence->setEnabled(one);
    actAddSentence->setEnabled(one);

    tvSentencesSelChange(QItemSelection(), QItemSelection());
    tvSentences->scrollToTop();
    updateSentenceCount();
}

void MainWindow::updateWordCount()
{
    const int count = lvWords->model()->rowCount();
    lblWords->setText(tr("Words") + QLatin1String(" (") + QString::number(count) + QLatin1Char(')'));
    actRandomSentences->setEnabled(count > 0);
}

// --- Sentences -------------------------------------------------------------------------------------

void MainWindow::addSentence() { }

void MainWindow::editSentence(const QModelIndex &index)
{
    Q_UNUSED(index)
}

void MainWindow::editSentence() { }

void MainWindow::deleteSentences() { }

void MainWindow::dbSentenceUp() { }

void MainWindow::dbSentenceDown() { }

void MainWindow::zeroUsed() { }

void MainWindow::tvSentencesSelChange(const QItemSelection &selected, const QItemSelection &deselected)
{
    Q_UNUSED(selected)
    Q_UNUSED(deselected)
    // The table selects whole rows: one sentence is three cells.
    const qsizetype cells = tvSentences->selectionModel()->selectedIndexes().count();
    const bool any = cells > 0;
    const bool one = cells == 3;
    btnDeleteSentence->setEnabled(any);
    actDeleteSentences->setEnabled(any);
    btnEditSentence->setEnabled(one);
    actEditSentence->setEnabled(one);
    btnUseSentence->setEnabled(any);
    actUseSentences->setEnabled(any);
}

void MainWindow::updateSentenceCount()
{
    const int count = tvSentences->model()->rowCount();
    lblSentences->setText(tr("Sentences") + QLatin1String(" (") + QString::number(count) + QLatin1Char(')'));
}

// --- Find ------------------------------------------------------------------------------------------

void MainWindow::find() { }

void MainWindow::findNext() { }
