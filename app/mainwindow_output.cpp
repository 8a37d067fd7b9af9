// SPDX-License-Identifier: GPL-3.0-or-later
// The output list: using sentences, random selection, reordering and pruning, the exercise builder
// (its questions and words are the exercise model's).
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "dialogs/dlgrandomsentences.h"
#include "document/lxddocument.h"
#include "exercise/exercisemodel.h"
#include "exercise/exerciseoptions.h"
#include "exercise/instructionlanguage.h"
#include "exercise/randomdraw.h"
#include "models/lxdbsentencetablemodel.h"
#include "util/zelconfirm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The rows of the selected entries, smallest first.
QList<int> selectedRows(const QListView *list)
{
    QList<int> rows;
    for (const QModelIndex &index : list->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void selectRows(QListView *list, const QList<int> &rows)
{
    QItemSelection selection;
    for (int row : rows)
        selection.select(list->model()->index(row, 0), list->model()->index(row, 0));
    list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}
} // namespace

// The exercise's options beside the output list: the check boxes, and below them the sheets and
// versions beside a column with the title, the shuffle and the extra words.
void MainWindow::createExerciseOptions()
{
    // The options scroll in a pane of their own: with large fonts or a low screen the window stays
    // within the screen, and every option stays reachable.
    scaOptions = new QScrollArea(wgtBottom);
    scaOptions->setObjectName(QStringLiteral("scaOptions"));
    scaOptions->setFrameShape(QFrame::NoFrame);
    scaOptions->setWidgetResizable(true);
    scaOptions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    wgtOptions = new QWidget(scaOptions);
    wgtOptions->setObjectName(QStringLiteral("wgtOptions"));
    layOptions = new QVBoxLayout(wgtOptions);
    layOptions->setObjectName(QStringLiteral("layOptions"));
    layOptions->setContentsMargins(0, 0, 0, 0);
    // The seven check boxes come first, in two columns, so that a low pane shows them all without
    // scrolling; the rest of the options follow below them.
    auto *grdOptionBoxes = new QGridLayout;
    grdOptionBoxes->setObjectName(QStringLiteral("grdOptionBoxes"));
    int boxes = 0;
    const auto newOption = [this, grdOptionBoxes, &boxes](const char *name, const QString &text) {
        auto *box = new QCheckBox(text, wgtOptions);
        box->setObjectName(QLatin1String(name));
        box->setChecked(true);
        // Down the first column, then the second: the order reads as it did in one column.
        grdOptionBoxes->addWidget(box, boxes % 4, boxes / 4);
        ++boxes;
        return box;
    };
    chkIncludeQNums = newOption("chkIncludeQNums", tr("Include &Q #s"));
    chkGapWords = newOption("chkGapWords", tr("&Gap words"));
    chkBracketWords = newOption("chkBracketWords", tr("Brac&ket words"));
    chkJumbleOrder = newOption("chkJumbleOrder", tr("&Jumble order"));
    chkIncludeWordList = newOption("chkIncludeWordList", tr("Include wo&rd list"));
    chkAnswerKey = newOption("chkAnswerKey", tr("&Answer key"));
    chkAnswerKey->setChecked(false);
    chkShuffleWordList = newOption("chkShuffleWordList", tr("Shuffle word &list"));
    chkShuffleWordList->setChecked(false);
    layOptions->addLayout(grdOptionBoxes);
    auto *laySheetOptions = new QVBoxLayout;
    laySheetOptions->setObjectName(QStringLiteral("laySheetOptions"));
    createSheetOptions(laySheetOptions);
    laySheetOptions->addStretch();
    // The exercise's title, its shuffle and its extra words stand in a column of their own beside the
    // sheet options, so the pane stays low.
    auto *layExerciseMore = new QVBoxLayout;
    layExerciseMore->setObjectName(QStringLiteral("layExerciseMore"));
    lblExerciseTitle = new QLabel(tr("Exercise &title:"), wgtOptions);
    lblExerciseTitle->setObjectName(QStringLiteral("lblExerciseTitle"));
    lblExerciseTitle->setWordWrap(true);
    ledExerciseTitle = new QLineEdit(wgtOptions);
    ledExerciseTitle->setObjectName(QStringLiteral("ledExerciseTitle"));
    ledExerciseTitle->setPlaceholderText(tr("the database's name"));
    lblExerciseTitle->setBuddy(ledExerciseTitle);
    layExerciseMore->addWidget(lblExerciseTitle);
    layExerciseMore->addWidget(ledExerciseTitle);
    btnNewShuffle = new QPushButton(tr("&New shuffle"), wgtOptions);
    btnNewShuffle->setObjectName(QStringLiteral("btnNewShuffle"));
    btnNewShuffle->setStatusTip(tr("Shuffle the questions and the word list anew for the next export."));
    layExerciseMore->addWidget(btnNewShuffle);
    lblExtraWords = new QLabel(tr("E&xtra words:"), wgtOptions);
    lblExtraWords->setObjectName(QStringLiteral("lblExtraWords"));
    lblExtraWords->setWordWrap(true);
    pteExtraWords = new QPlainTextEdit(wgtOptions);
    pteExtraWords->setObjectName(QStringLiteral("pteExtraWords"));
    pteExtraWords->setTabChangesFocus(true);
    pteExtraWords->setPlaceholderText(
        tr("Extra words: words that fill no gap, one a line or separated by commas"));
    // Room for a few words a line; longer lists scroll in the box.
    pteExtraWords->setFixedHeight(pteExtraWords->fontMetrics().lineSpacing() * 3 + 10);
    lblExtraWords->setBuddy(pteExtraWords);
    pteExtraWords->setAccessibleName(tr("Extra words"));
    layExerciseMore->addWidget(lblExtraWords);
    layExerciseMore->addWidget(pteExtraWords);
    lblDatabaseWords = new QLabel(tr("From the data&base:"), wgtOptions);
    lblDatabaseWords->setObjectName(QStringLiteral("lblDatabaseWords"));
    lblDatabaseWords->setWordWrap(true);
    spbDatabaseWords = new QSpinBox(wgtOptions);
    spbDatabaseWords->setObjectName(QStringLiteral("spbDatabaseWords"));
    spbDatabaseWords->setRange(0, 20);
    spbDatabaseWords->setToolTip(
        tr("Add N words from the database: key words of other sentences, of a length "
           "close to the answers', to the word bank and the drop-down lists."));
    lblDatabaseWords->setBuddy(spbDatabaseWords);
    layExerciseMore->addWidget(lblDatabaseWords);
    layExerciseMore->addWidget(spbDatabaseWords);
    connect(btnNewShuffle, &QPushButton::clicked, this, [this] {
        session->newShuffle();
        statusBar()->showMessage(tr("The next export is shuffled anew."), 2000);
    });
    layExerciseMore->addStretch();
    // Wide enough to read a title, with labels that wrap, so that the output list keeps the width.
    const int columnWidth = ledExerciseTitle->fontMetrics().averageCharWidth() * 30;
    for (QWidget *widget : std::initializer_list<QWidget *> {lblExerciseTitle, ledExerciseTitle,
             btnNewShuffle, lblExtraWords, pteExtraWords, lblDatabaseWords, spbDatabaseWords})
        widget->setMaximumWidth(columnWidth);
    ledExerciseTitle->setMinimumWidth(columnWidth);
    auto *layOptionsBelow = new QHBoxLayout;
    layOptionsBelow->setObjectName(QStringLiteral("layOptionsBelow"));
    layOptionsBelow->addLayout(laySheetOptions);
    layOptionsBelow->addLayout(layExerciseMore);
    layOptions->addLayout(layOptionsBelow);
    layOptions->addStretch();
    scaOptions->setWidget(wgtOptions);
    // As wide as the options with a scroll bar beside them: they never scroll sideways.
    scaOptions->setFixedWidth(wgtOptions->sizeHint().width()
        + scaOptions->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scaOptions));
}

// Under the check boxes: the differentiated sheets, the hints on the gaps, and the versions with
// their kind and where their keys go, in a small grid of labels and lists.
void MainWindow::createSheetOptions(QVBoxLayout *column)
{
    chkDifferentiated = new QCheckBox(tr("&Differentiated sheets"), wgtOptions);
    chkDifferentiated->setObjectName(QStringLiteral("chkDifferentiated"));
    chkDifferentiated->setToolTip(tr("Three sheets of one exercise in one order, so one key serves them all: "
                                     "with the word bank, with the first letter of each answer, and plain."));
    column->addWidget(chkDifferentiated);

    auto *grdSheets = new QGridLayout;
    grdSheets->setObjectName(QStringLiteral("grdSheets"));
    grdSheets->setContentsMargins(0, 0, 0, 0);
    lblHints = new QLabel(tr("H&ints:"), wgtOptions);
    lblHints->setObjectName(QStringLiteral("lblHints"));
    cmbHints = new QComboBox(wgtOptions);
    cmbHints->setObjectName(QStringLiteral("cmbHints"));
    // In the order of ExerciseOptions::Hints.
    cmbHints->addItems({tr("None"), tr("First letter"), tr("Letter count")});
    cmbHints->setToolTip(tr("What each gap shows of its answer."));
    lblHints->setBuddy(cmbHints);
    lblVersions = new QLabel(tr("&Versions:"), wgtOptions);
    lblVersions->setObjectName(QStringLiteral("lblVersions"));
    spbVersions = new QSpinBox(wgtOptions);
    spbVersions->setObjectName(QStringLiteral("spbVersions"));
    spbVersions->setRange(1, SheetOptions::MaxVersions);
    spbVersions->setToolTip(tr("Versions A, B, C... of the exercise, each with its own key."));
    lblVersions->setBuddy(spbVersions);
    cmbVersionKind = new QComboBox(wgtOptions);
    cmbVersionKind->setObjectName(QStringLiteral("cmbVersionKind"));
    cmbVersionKind->addItems({tr("Reordered"), tr("Parallel")});
    cmbVersionKind->setAccessibleName(tr("Kind of versions"));
    cmbVersionKind->setToolTip(tr("Reordered: the same sentences in another order. Parallel: other sentences "
                                  "of the same headwords."));
    chkKeysAtEnd = new QCheckBox(tr("Ke&ys at the end"), wgtOptions);
    chkKeysAtEnd->setObjectName(QStringLiteral("chkKeysAtEnd"));
    chkKeysAtEnd->setToolTip(tr("In a PDF document or a print: all the keys after all the versions."));
    grdSheets->addWidget(lblHints, 0, 0);
    grdSheets->addWidget(cmbHints, 0, 1);
    grdSheets->addWidget(lblVersions, 1, 0);
    grdSheets->addWidget(spbVersions, 1, 1);
    grdSheets->addWidget(cmbVersionKind, 2, 0, 1, 2);
    grdSheets->addWidget(chkKeysAtEnd, 3, 0, 1, 2);
    // The pupil's language, which may differ from the sentences' and from the program's.
    lblInstructionLanguage = new QLabel(tr("Instr&uctions:"), wgtOptions);
    lblInstructionLanguage->setObjectName(QStringLiteral("lblInstructionLanguage"));
    cmbInstructionLanguage = new QComboBox(wgtOptions);
    cmbInstructionLanguage->setObjectName(QStringLiteral("cmbInstructionLanguage"));
    const QStringList codes = InstructionLanguage::codes();
    const QStringList names = InstructionLanguage::names();
    for (int i = 0; i < codes.size(); ++i)
        cmbInstructionLanguage->addItem(names.at(i), codes.at(i));
    cmbInstructionLanguage->setCurrentIndex(int(codes.indexOf(InstructionLanguage::programLanguage())));
    cmbInstructionLanguage->setAccessibleName(tr("Language of the instructions"));
    cmbInstructionLanguage->setToolTip(tr("The language of the instructions, headings and buttons the pupils "
                                          "read; the sentences keep the database's language."));
    lblInstructionLanguage->setBuddy(cmbInstructionLanguage);
    // Label and list on rows of their own, so that the options pane grows no wider in any language.
    grdSheets->addWidget(lblInstructionLanguage, 4, 0, 1, 2);
    grdSheets->addWidget(cmbInstructionLanguage, 5, 0, 1, 2);
    column->addLayout(grdSheets);

    const auto versionsChosen = [this](int versions) {
        cmbVersionKind->setEnabled(versions > 1);
        chkKeysAtEnd->setEnabled(versions > 1);
    };
    connect(spbVersions, &QSpinBox::valueChanged, this, versionsChosen);
    versionsChosen(spbVersions->value());
}

SheetOptions MainWindow::sheetOptions() const
{
    SheetOptions options;
    options.versions = spbVersions->value();
    options.parallel = cmbVersionKind->currentIndex() == 1;
    options.keysAtEnd = chkKeysAtEnd->isChecked();
    options.differentiated = chkDifferentiated->isChecked();
    return options;
}

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
    session->useSentences(picked, tr("Use Sentences"));
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

    RandomSource random;
    int available = 0;
    const auto beforeChange = [&] {
        if (!options.addToOutput && session->output()->count() > 0
            && !ZelConfirm::ask(tr("Output box will be cleared"),
                tr("This will remove the sentences currently in the output box.")))
            return false;
        lwOutput->selectionModel()->clear();
        return true;
    };
    if (!session->randomOutput(options, random, tr("Random Output"), &available, beforeChange)) {
        if (available < options.total)
            QMessageBox::warning(this, tr("Not enough sentences"),
                tr("There aren't enough sentences in the\ndatabase matching your criteria to\n"
                   "complete your exercise."));
        return;
    }

    setOutputListButtonStates();
    updateOutputCount();
}

// Each selected entry moves one place; one that is already first or last stays and drops out of the
// selection.
void MainWindow::outSentenceUp()
{
    selectRows(lwOutput, session->moveOutput(selectedRows(lwOutput), true));
}

void MainWindow::outSentenceDown()
{
    selectRows(lwOutput, session->moveOutput(selectedRows(lwOutput), false));
}

void MainWindow::deleteOutputSentences()
{
    session->removeOutput(selectedRows(lwOutput));
    lwOutput->selectionModel()->clear();
    // Removing rows does not announce a selection change, so the buttons are set here.
    setOutputListButtonStates();
    updateOutputCount();
}

void MainWindow::lwOutputClear()
{
    session->clearOutput();
    lwOutput->selectionModel()->clear();
    setOutputListButtonStates();
    updateOutputCount();
}

void MainWindow::updateOutputCount()
{
    const int count = session->output()->count();
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
    btnClearOutputSentences->setEnabled(session->output()->count() > 0);
    actDeleteOutputSentences->setEnabled(btnDeleteOutputSentence->isEnabled());
    actClearOutputSentences->setEnabled(btnClearOutputSentences->isEnabled());
    actOutSentenceUp->setEnabled(true);
    actOutSentenceDown->setEnabled(true);
}

QStringList MainWindow::outputEntries() const
{
    return session->output()->entries();
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
    options.hints = ExerciseOptions::Hints(cmbHints->currentIndex());
    // The program's own language is the default, kept as none so that it follows the desktop.
    const QString language = cmbInstructionLanguage->currentData().toString();
    if (language != InstructionLanguage::programLanguage())
        options.instructionLanguage = language;
    return options;
}
