// SPDX-License-Identifier: GPL-3.0-or-later
// The output list: using sentences, random selection, reordering and pruning, the exercise builder
// (its questions and words are the exercise model's).
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "dialogs/dlgrandomsentences.h"
#include "document/lxddocument.h"
#include "exercise/exercisebuilder.h"
#include "exercise/exercisemodel.h"
#include "exercise/randomdraw.h"
#include "models/lxdbsentencetablemodel.h"
#include "util/zelconfirm.h"

#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

namespace {
// The rows of the selected entries, smallest first.
QList<int> selectedRows(const QListWidget *list)
{
    QList<int> rows;
    const QList<QListWidgetItem *> items = list->selectedItems();
    for (const QListWidgetItem *item : items)
        rows.append(list->row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void selectRows(QListWidget *list, const QList<int> &rows)
{
    list->clearSelection();
    for (int row : rows)
        list->item(row)->setSelected(true);
}
} // namespace

void MainWindow::useSentences()
{
    // The selection model lists the cells in the order the rows were picked; one cell per row is
    // enough, so the text column stands for its row.
    const QModelIndexList selected = tvSentences->selectionModel()->selectedIndexes();
    const int word = lvWords->currentIndex().row();
    QList<QPair<int, int>> picked;
    for (const QModelIndex &index : selected) {
        if (index.column() == 2)
            picked.append({word, index.row()});
    }
    for (const QString &text : doc->useSentences(picked, tr("Use Sentences")))
        lwOutput->insertItem(lwOutput->count(), text);
    setOutputListButtonStates();
    updateOutputCount();
}

void MainWindow::randomSentences()
{
    // The teacher may tick "add to the output list" in the dialog, so the question about replacing
    // the list waits until the options are known and a draw is certain to happen.
    if (dlgRandomSentences->exec() != QDialog::Accepted)
        return;
    const RandomDrawOptions options = dlgRandomSentences->options();

    const QStringList entries = options.addToOutput ? outputEntries() : QStringList();
    const RandomDraw draw(db, options, QSet<QString>(entries.cbegin(), entries.cend()));
    if (!draw.enough()) {
        QMessageBox::warning(this, tr("Not enough sentences"),
            tr("There aren't enough sentences in the\ndatabase matching your criteria to\n"
               "complete your exercise."));
        return;
    }
    if (!options.addToOutput && lwOutput->count() > 0
        && !ZelConfirm::ask(tr("Output box will be cleared"),
            tr("This will remove the sentences currently in the output box.")))
        return;

    if (!options.addToOutput)
        lwOutput->clear();
    RandomSource random;
    QList<QPair<int, int>> picked;
    for (const RandomPick &pick : draw.draw(random))
        picked.append({pick.item, pick.sentence});
    lwOutput->addItems(doc->useSentences(picked, tr("Random Output")));

    setOutputListButtonStates();
    updateOutputCount();
}

// Each selected entry moves one place; one that is already first stays and drops out of the selection.
void MainWindow::outSentenceUp()
{
    QList<int> moved;
    for (int row : selectedRows(lwOutput)) {
        if (row <= 0)
            continue;
        lwOutput->insertItem(row - 1, lwOutput->takeItem(row));
        moved.append(row - 1);
    }
    selectRows(lwOutput, moved);
}

void MainWindow::outSentenceDown()
{
    const QList<int> rows = selectedRows(lwOutput);
    QList<int> moved;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const int row = *it;
        if (row >= lwOutput->count() - 1)
            continue;
        lwOutput->insertItem(row + 1, lwOutput->takeItem(row));
        moved.append(row + 1);
    }
    selectRows(lwOutput, moved);
}

void MainWindow::deleteOutputSentences()
{
    qDeleteAll(lwOutput->selectedItems());
    lwOutput->selectionModel()->clear();
    // Removing rows does not announce a selection change, so the buttons are set here.
    setOutputListButtonStates();
    updateOutputCount();
}

void MainWindow::lwOutputClear()
{
    lwOutput->clear();
    lwOutput->selectionModel()->clear();
    setOutputListButtonStates();
    updateOutputCount();
}

void MainWindow::updateOutputCount()
{
    const int count = lwOutput->count();
    lblOutput->setText(tr("Output") + QLatin1String(" (") + QString::number(count) + QLatin1Char(')'));

    const bool any = count > 0;
    for (QPushButton *button : std::as_const(exportButtons))
        button->setEnabled(any);
    for (QAction *action : std::as_const(exportActions))
        action->setEnabled(any);
}

void MainWindow::setOutputListButtonStates()
{
    btnDeleteOutputSentence->setEnabled(lwOutput->selectionModel()->hasSelection());
    btnClearOutputSentences->setEnabled(lwOutput->count() > 0);
    actDeleteOutputSentences->setEnabled(btnDeleteOutputSentence->isEnabled());
    actClearOutputSentences->setEnabled(btnClearOutputSentences->isEnabled());
    actOutSentenceUp->setEnabled(true);
    actOutSentenceDown->setEnabled(true);
}

QStringList MainWindow::outputEntries() const
{
    QStringList entries;
    entries.reserve(lwOutput->count());
    for (int i = 0; i < lwOutput->count(); ++i)
        entries.append(lwOutput->item(i)->text());
    return entries;
}

ExerciseOptions MainWindow::exerciseOptions() const
{
    ExerciseOptions options;
    options.includeQNums = chkIncludeQNums->isChecked();
    options.gapWords = chkGapWords->isChecked();
    options.bracketWords = chkBracketWords->isChecked();
    options.jumbleOrder = chkJumbleOrder->isChecked();
    options.includeWordList = chkIncludeWordList->isChecked();
    options.answerKey = chkAnswerKey->isChecked();
    options.shuffleWordList = chkShuffleWordList->isChecked();
    return options;
}
