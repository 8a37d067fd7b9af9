// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the database: headwords, sentences, used counters and find.
#include "app/mainwindow.h"

#include "data/linefile.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/spellchecker.h"
#include "dialogs/dlgeditsentence.h"
#include "dialogs/spellhighlighter.h"
#include "document/lxddocument.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "util/zelbusycursor.h"
#include "util/zelconfirm.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>

namespace {

// The distinct rows of `indexes` in ascending order; with `column` >= 0 only the indexes of that
// column count (the sentence table selects three cells per row).
QList<int> sortedRows(const QModelIndexList &indexes, int column = -1)
{
    QList<int> rows;
    rows.reserve(indexes.size());
    for (const QModelIndex &index : indexes) {
        if (column < 0 || index.column() == column)
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// Asks for a headword text. A text holding "&&&" cannot be stored in the database file, so the
// dialog says so and OK stays disabled while the text holds one. A word the checker finds fault with
// is underlined and named under the label, and right-clicking it offers the suggestions. Returns the trimmed
// text, or an empty one when the user cancelled.
QString askHeadword(QWidget *parent, const QString &title, const QString &label, const QString &text,
    const std::shared_ptr<SpellChecker> &checker)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgHeadword"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    const auto check = [&dialog, label, checker](const QString &value) {
        const bool storable = !LineFile::holdsSeparator(value);
        QString shown = storable
            ? label
            : label + QLatin1Char('\n') + MainWindow::tr("A headword cannot hold \"&&&\".");
        const QString spelling = checker ? SpellMenu::summary(*checker, value) : QString();
        if (!spelling.isEmpty())
            shown += QLatin1Char('\n') + spelling;
        dialog.setLabelText(shown);
        if (auto *buttons = dialog.findChild<QDialogButtonBox *>())
            buttons->button(QDialogButtonBox::Ok)->setEnabled(storable);
    };
    QObject::connect(&dialog, &QInputDialog::textValueChanged, &dialog, check);
    if (auto *edit = dialog.findChild<QLineEdit *>())
        SpellMenu::attach(edit, checker, [&dialog, check] { check(dialog.textValue()); });
    check(text);
    if (dialog.exec() != QDialog::Accepted || LineFile::holdsSeparator(dialog.textValue()))
        return QString();
    return dialog.textValue().trimmed();
}

} // namespace

// --- Headwords -------------------------------------------------------------------------------------

void MainWindow::addWord()
{
    const QString text
        = askHeadword(this, tr("Add new headword"), tr("New headword:"), QString(), spellChecker());
    if (text.isEmpty())
        return;

    if (db->indexOfHeadword(text) >= 0
        && !ZelConfirm::ask(tr("Headword already exists"), tr("This word already exists in the database."),
            tr("Are you sure you want to add a duplicate of it?")))
        return;

    // The document lets go of the current headword before the rows are sorted again.
    LxdItem *record = doc->addHeadword(text);
    const QModelIndex index = wordModel->index(db->indexOfItem(record), 0);
    lvWords->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
    lvWords->scrollTo(index);
    updateWordCount();
}

void MainWindow::editWord(const QModelIndex &index)
{
    const int row = index.row();
    if (row < 0 || row >= db->itemCount())
        return;

    const QString text
        = askHeadword(this, tr("Edit headword"), tr("Altered headword:"), db->headword(row), spellChecker());
    if (text.isEmpty())
        return;

    // A rename lets go of the selection itself, before the rows are sorted again.
    if (!doc->renameHeadword(row, text))
        lvWords->selectionModel()->clear();

    const QModelIndex renamed = wordModel->index(db->indexOfHeadword(text), 0);
    lvWords->selectionModel()->setCurrentIndex(renamed, QItemSelectionModel::Select);
    lvWords->scrollTo(renamed);
}

void MainWindow::renameWord()
{
    // Offered for exactly one selected headword; the current one may lie outside a Ctrl-click selection.
    const QModelIndexList rows = lvWords->selectionModel()->selectedIndexes();
    if (rows.size() == 1)
        editWord(rows.first());
}

void MainWindow::deleteWords()
{
    const QModelIndexList selected = lvWords->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;

    // Listed in the order the teacher picked them; a long selection names the first few and counts
    // the rest, so that the box fits on the screen.
    constexpr int named = 10;
    QString words = QStringLiteral("\n");
    for (qsizetype k = 0; k < selected.size() && k < named; ++k)
        words += QLatin1String("\n\t") + db->headword(selected.at(k).row());
    if (selected.size() > named)
        words += QLatin1String("\n\t") + tr("and %1 more").arg(selected.size() - named);
    if (!ZelConfirm::ask(tr("Deleting headwords"),
            tr("You are about to delete the following words, along with all their associated "
               "sentences:")
                + words))
        return;

    doc->deleteHeadwords(sortedRows(selected));
    updateWordCount();
}

void MainWindow::lvWordsSelChange(const QItemSelection &selected, const QItemSelection &deselected)
{
    Q_UNUSED(selected)
    Q_UNUSED(deselected)
    const qsizetype count = lvWords->selectionModel()->selectedIndexes().count();
    const bool any = count > 0;
    const bool one = count == 1;
    btnDeleteWord->setEnabled(any);
    actDeleteWords->setEnabled(any);
    actRenameWord->setEnabled(one);
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
    actCheckSpelling->setEnabled(count > 0);
}

// --- Sentences -------------------------------------------------------------------------------------

void MainWindow::addSentence()
{
    const QModelIndex current = lvWords->currentIndex();
    if (!current.isValid())
        return;
    const int word = current.row();

    dlgEditSentence->setSpellChecker(spellChecker());
    dlgEditSentence->setUsed(0);
    dlgEditSentence->setSentence(tr("Enter your sentence here. Words in square [brackets] will be gapped."));
    dlgEditSentence->selectSentence();
    if (dlgEditSentence->exec() != QDialog::Accepted)
        return;

    if (!doc->addSentence(word, dlgEditSentence->sentence(), dlgEditSentence->used()))
        return;

    LxdbSentenceTableModel *model = sentenceModel;
    const int last = model->rowCount() - 1;
    QItemSelectionModel *selection = tvSentences->selectionModel();
    selection->clear();
    const QModelIndex index = model->index(last, 0);
    selection->setCurrentIndex(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // All rows sized alike: the new one alone sized to its text was drawn lower than the rest.
    tvSentences->resizeRowsToContents();
    tvSentences->scrollTo(index);
    updateSentenceCount();
}

void MainWindow::editSentence(const QModelIndex &index)
{
    LxdbSentenceTableModel *model = sentenceModel;
    const int row = index.row();
    // Read before the dialog runs: a sentence is a value in its headword's list, and the list may
    // move while the dialog is open.
    const LxdSentence *sentence = db->sentenceAt(model->currentItem(), row);
    if (!sentence)
        return;
    const int oldUsed = sentence->used();
    const QString oldText = sentence->text();
    sentence = nullptr;

    dlgEditSentence->setSpellChecker(spellChecker());
    dlgEditSentence->setUsed(oldUsed);
    // The counter shows at most 100; a higher count is written back only when the teacher changed it.
    const int shownUsed = dlgEditSentence->used();
    dlgEditSentence->setSentence(oldText);
    if (dlgEditSentence->exec() != QDialog::Accepted)
        return;

    const int used = dlgEditSentence->used() != shownUsed ? dlgEditSentence->used() : oldUsed;
    if (doc->editSentence(model->currentItem(), row, dlgEditSentence->sentence(), used))
        tvSentences->resizeRowsToContents();
}

void MainWindow::editSentence()
{
    // Edit is offered for exactly one selected sentence: edit that one, even when a Ctrl-click left
    // the current index on a row that is no longer selected.
    const QModelIndexList rows = tvSentences->selectionModel()->selectedRows();
    editSentence(rows.size() == 1 ? rows.first() : tvSentences->currentIndex());
}

void MainWindow::deleteSentences()
{
    QItemSelectionModel *selection = tvSentences->selectionModel();
    const QModelIndexList cells = selection->selectedIndexes();
    const qsizetype count = cells.size() / sentenceModel->columnCount();
    if (count == 0)
        return;

    const QString text = count == 1
        ? tr("You are about to delete this sentence from the database.")
        : tr("You are about to delete %1 sentences from the database.").arg(count);
    if (!ZelConfirm::ask(tr("Deleting sentences"), text))
        return;

    doc->deleteSentences(sentenceModel->currentItem(), sortedRows(cells, 0));
    selection->clear();
    updateSentenceCount();
}

void MainWindow::dbSentenceUp()
{
    moveSentences(true);
}

void MainWindow::dbSentenceDown()
{
    moveSentences(false);
}

void MainWindow::moveSentences(bool up)
{
    LxdbSentenceTableModel *model = sentenceModel;
    const QList<int> rows = sortedRows(tvSentences->selectionModel()->selectedIndexes(), 2);
    QItemSelection moved;
    for (const int r : doc->moveSentences(model->currentItem(), rows, up))
        moved.select(model->cellIndex(r, 0), model->cellIndex(r, 2));
    QItemSelectionModel *selection = tvSentences->selectionModel();
    selection->clear();
    selection->select(moved, QItemSelectionModel::Select);
}

void MainWindow::zeroUsed()
{
    if (!ZelConfirm::ask(tr("Reset 'Used' counters"),
            tr("You are about to set the 'Used' counters for\n all sentences in the database to zero.")))
        return;
    ZelBusyCursor busy;
    try {
        doc->zeroUsed();
    } catch (...) {
        // Whatever was reset stays reset; the table shows what the counters now hold.
        db->announceSentences(sentenceModel->currentItem());
    }
}

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

void MainWindow::find()
{
    bool ok = false;
    const QString answer
        = QInputDialog::getText(this, tr("Find"), tr("Search for:"), QLineEdit::Normal, QString(), &ok);
    searchText = answer.trimmed();
    if (!ok)
        searchText.clear();
    if (searchText.isEmpty())
        return;
    searchFrom(-1, -1);
}

void MainWindow::findNext()
{
    if (searchText.isEmpty() || findWordRow == -1) {
        find();
        return;
    }
    searchFrom(findWordRow, findSentenceRow);
}

void MainWindow::searchFrom(int startWord, int startSentence)
{
    // The stored hit may lie beyond the end once headwords were deleted: start over from the top.
    if (startWord < 0 || startWord >= db->itemCount()) {
        startWord = -1;
        startSentence = -1;
    }

    bool found = false;
    {
        ZelBusyCursor busy;
        try {
            found = db->findText(searchText, &findWordRow, &findSentenceRow, startWord, startSentence);
        } catch (...) {
            found = false; // a search that broke off found nothing
            findWordRow = findSentenceRow = -1;
        }
    }
    if (!found) {
        QMessageBox::information(
            this, tr("Not found"), tr("Unable to find \"%1\" in the database.").arg(searchText));
        return;
    }

    lvWords->selectionModel()->clear();
    const QModelIndex word = wordModel->index(findWordRow, 0);
    lvWords->setCurrentIndex(word);
    lvWords->scrollTo(word);
    updateSentenceCount();
    // A sentence hit can sit under a headword that does not contain the text at all: say where it is.
    const QString headword = db->headword(findWordRow);
    if (findSentenceRow >= 0) {
        tvSentences->selectionModel()->clear();
        const QModelIndex cell = sentenceModel->index(findSentenceRow, 2);
        tvSentences->setCurrentIndex(cell);
        tvSentences->scrollTo(cell);
        statusBar()->showMessage(tr("Found in a sentence of \"%1\"").arg(headword));
    } else {
        statusBar()->showMessage(tr("Found in the headword \"%1\"").arg(headword));
    }
}
