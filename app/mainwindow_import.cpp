// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing in word lists made with other tools: the spreadsheet dialog for CSV and TSV, the progress
// of the reader (LxdImportRun) and the report of what came in. What was read goes into the database by
// the append's merge.
#include "app/mainwindow.h"

#include "dialogs/dlgimportcsv.h"
#include "util/zelbusycursor.h"
#include "util/zelfiledialog.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTimer>

namespace {

// More reasons than this go to the box's details.
constexpr int ShownSkips = 10;
// More new headwords than this are only counted.
constexpr int ShownNames = 10;

} // namespace

void MainWindow::fileImport()
{
    const QString fileName = ZelFileDialog::getOpenFileName(this, tr("Import word list"), lastImportFileDir,
        tr("Word lists (*.csv *.tsv *.txt *.kvtml *.jcl *.jmt);;Spreadsheet text (*.csv *.tsv *.txt);;"
           "KVTML vocabulary files (*.kvtml);;Hot Potatoes JCloze files (*.jcl);;"
           "Hot Potatoes JMatch files (*.jmt);;All files (*)"));
    if (fileName.isEmpty())
        return;
    lastImportFileDir = QFileInfo(fileName).canonicalPath();

    const LxdImportRun::Outcome read = readImportFile(fileName);
    if (read.cancelled) {
        statusBar()->showMessage(tr("Import cancelled."), 2000);
        return;
    }
    const LxdImport::Result &result = read.result;
    if (!result.ok() || result.headwords.isEmpty()) {
        const QString why = !result.ok() ? result.error
                                         : tr("It holds no headwords.") + QLatin1Char('\n')
                + result.skipped.mid(0, 10).join(QLatin1Char('\n'));
        QMessageBox::warning(this, tr("Import failed"),
            tr("Nothing was imported from %1.\n%2").arg(QDir::toNativeSeparators(fileName), why.trimmed()));
        return;
    }

    // The words go in by the append's own merge, so that headwords the database has already get the
    // same question (merge or keep) and nothing there is lost; the whole import is one step to undo.
    ZelBusyCursor busy;
    appendBusy = &busy;
    const LxdDocument::MergeOutcome merged = doc->merge(result, this, tr("Import Word List"));
    appendBusy = nullptr;
    busy.release();
    if (merged.result == LxdDocument::Cancelled) {
        statusBar()->showMessage(tr("Import cancelled."), 2000);
        return;
    }
    if (merged.result != LxdDocument::Done) {
        QMessageBox::warning(this, tr("Import failed"),
            tr("Nothing was imported from %1.\n%2")
                .arg(
                    QDir::toNativeSeparators(fileName), tr("The words could not be added to the database.")));
        return;
    }
    selectFirstHeadword();
    showImportReport(fileName, result, merged);
    statusBar()->showMessage(tr("Import completed."), 2000);
}

LxdImportRun::Outcome MainWindow::readImportFile(const QString &fileName)
{
    LxdImportRun::Outcome outcome;
    const LxdImport::Format format = LxdImport::formatOfFile(fileName, &outcome.result.error);
    if (!outcome.result.ok())
        return outcome;
    QChar separator;
    LxdImport::CsvColumns columns;
    if (format == LxdImport::Csv) {
        // The dialog shows the first rows only, so it opens at once however long the file is.
        const LxdImport::Head head = LxdImport::readHead(fileName);
        const LxdImport::Table table = head.error.isEmpty()
            ? LxdImport::readTable(head.text, QChar(), !head.whole)
            : LxdImport::Table();
        if (!head.error.isEmpty() || !table.error.isEmpty()) {
            outcome.result.error = !head.error.isEmpty() ? head.error : table.error;
            return outcome;
        }
        DlgImportCsv dialog(head.text, head.whole, this);
        if (dialog.exec() != QDialog::Accepted) {
            outcome.cancelled = true;
            return outcome;
        }
        separator = dialog.separator();
        columns = dialog.columns();
    }

    QProgressDialog progress(
        tr("Reading %1...").arg(QFileInfo(fileName).fileName()), tr("Cancel"), 0, 100, this);
    progress.setObjectName(QStringLiteral("importProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setValue(0);

    // The reader runs on a thread of its own, so the window stays drawn and the Cancel button answers.
    LxdImportRun run(fileName, format, separator, columns);
    QEventLoop loop;
    connect(&run, &LxdImportRun::finished, &loop, &QEventLoop::quit);
    QTimer poll;
    poll.setInterval(50);
    connect(&poll, &QTimer::timeout, &progress, [&progress, &run] {
        if (progress.wasCanceled())
            run.cancel();
        else if (progress.value() != run.percent())
            progress.setValue(run.percent());
    });
    run.start();
    poll.start();
    loop.exec();
    poll.stop();

    outcome = run.outcome();
    if (progress.wasCanceled())
        outcome = {LxdImport::Result(), true};
    return outcome;
}

void MainWindow::showImportReport(
    const QString &fileName, const LxdImport::Result &result, const LxdDocument::MergeOutcome &merged)
{
    const int headwords = int(result.headwords.size());
    const int sentences = result.sentenceCount();
    QString text = tr("Imported from %1:").arg(QDir::toNativeSeparators(fileName));
    text += QLatin1Char('\n')
        + tr("Headwords: %1 (%2 new, %3 merged into headwords already there)")
              .arg(headwords)
              .arg(merged.addedHeadwords)
              .arg(headwords - merged.addedHeadwords);
    text += QLatin1Char('\n')
        + tr("Sentences: %1 (%2 new, %3 already there)")
              .arg(sentences)
              .arg(merged.addedSentences)
              .arg(sentences - merged.addedSentences);

    // A few new headwords are named, so the teacher sees at once whether a line became one that
    // should not have.
    if (!merged.newHeadwords.isEmpty() && merged.newHeadwords.size() <= ShownNames)
        text
            += QLatin1Char('\n') + tr("New headwords: %1").arg(merged.newHeadwords.join(QLatin1String(", ")));

    QMessageBox box(QMessageBox::Information, tr("Import complete"), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("importReport"));
    // What to check, in order: sentences that will make no gap, what came in otherwise than the
    // file has it, and what did not come in at all.
    QStringList check;
    QStringList details;
    const auto listed = [&check, &details](const QString &heading, const QStringList &lines) {
        QStringList shown = lines.mid(0, ShownSkips);
        if (lines.size() > ShownSkips)
            shown += tr("... and %1 more (see the details)").arg(lines.size() - ShownSkips);
        check += heading + QLatin1Char('\n') + shown.join(QLatin1Char('\n'));
        details += heading + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
        return lines.size() > ShownSkips;
    };
    bool more = false;
    if (!result.withoutKeyWord.isEmpty())
        more = listed(tr("Sentences without a key word, which make no gap until brackets are added: %1")
                          .arg(result.withoutKeyWord.size()),
            result.withoutKeyWord);
    if (!result.converted.isEmpty())
        more = listed(tr("Converted: %1").arg(result.converted.size()), result.converted) || more;
    if (!result.skipped.isEmpty())
        more = listed(tr("Skipped: %1").arg(result.skipped.size()), result.skipped) || more;
    box.setInformativeText(check.isEmpty() ? tr("Nothing was skipped.") : check.join(QLatin1String("\n\n")));
    if (more)
        box.setDetailedText(details.join(QLatin1String("\n\n")));
    box.exec();
}
