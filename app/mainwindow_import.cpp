// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing in word lists made with other tools: reading the file (with the spreadsheet dialog for
// CSV and TSV) and reporting what came in. What was read goes into the database by the append's merge.
#include "app/mainwindow.h"

#include "dialogs/dlgimportcsv.h"
#include "util/zelbusycursor.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

// More reasons than this go to the box's details.
constexpr int ShownSkips = 10;
// More new headwords than this are only counted.
constexpr int ShownNames = 10;

} // namespace

MainWindow::ImportRead MainWindow::readImportFile(const QString &fileName)
{
    ImportRead read;
    QByteArray start;
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            read.result.error = tr("The file cannot be read: %1").arg(file.errorString());
            return read;
        }
        start = file.read(4096);
    }
    const QString title = QFileInfo(fileName).completeBaseName();
    const LxdImport::Format format = LxdImport::formatOf(fileName, start);
    QChar separator;
    LxdImport::CsvColumns columns;
    if (format == LxdImport::Csv) {
        // The dialog shows the first rows only, so it opens at once however long the file is.
        const LxdImport::Head head = LxdImport::readHead(fileName);
        const LxdImport::Table table = head.error.isEmpty()
            ? LxdImport::readTable(head.text, QChar(), !head.whole)
            : LxdImport::Table();
        if (!head.error.isEmpty() || !table.error.isEmpty()) {
            read.result.error = !head.error.isEmpty() ? head.error : table.error;
            return read;
        }
        DlgImportCsv dialog(head.text, head.whole, this);
        if (dialog.exec() != QDialog::Accepted) {
            read.cancelled = true;
            return read;
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

    // The reader runs on a thread of its own, so the window stays drawn and the Cancel button
    // answers; it looks at the flag between pieces of the file and leaves everything as it was.
    std::atomic<int> percent {0};
    std::atomic<bool> stop {false};
    const LxdImport::Progress step = [&percent, &stop](int done) {
        percent = done;
        return !stop;
    };
    LxdImport::Result result;
    const auto readAll = [&]() {
        if (format == LxdImport::Csv) {
            result = LxdImport::readCsvFile(fileName, separator, columns, step);
            return;
        }
        if (format == LxdImport::Unknown) {
            result.error = tr("This is not a word list that can be imported.");
            return;
        }
        QFile file(fileName);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        if (!file.isOpen() || file.error() != QFileDevice::NoError) {
            result.error = tr("The file cannot be read: %1").arg(file.errorString());
            return;
        }
        if (format == LxdImport::Kvtml)
            result = LxdImport::readKvtml(bytes, step);
        else if (format == LxdImport::JCloze)
            result = LxdImport::readJCloze(bytes, title, step);
        else
            result = LxdImport::readJMatch(bytes, title, step);
    };
    QEventLoop loop;
    std::unique_ptr<QThread> reader(QThread::create(readAll));
    connect(reader.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer poll;
    poll.setInterval(50);
    connect(&poll, &QTimer::timeout, &progress, [&progress, &percent, &stop] {
        if (progress.wasCanceled())
            stop = true;
        else if (progress.value() != percent)
            progress.setValue(percent);
    });
    reader->start();
    poll.start();
    loop.exec();
    reader->wait();
    poll.stop();

    if (stop || progress.wasCanceled()) {
        read.cancelled = true;
        return read;
    }
    read.result = std::move(result);
    return read;
}

void MainWindow::showImportReport(
    const QString &fileName, const LxdImport::Result &result, const ImportCounts &counts)
{
    const int headwords = int(result.headwords.size());
    const int sentences = result.sentenceCount();
    QString text = tr("Imported from %1:").arg(QDir::toNativeSeparators(fileName));
    text += QLatin1Char('\n')
        + tr("Headwords: %1 (%2 new, %3 merged into headwords already there)")
              .arg(headwords)
              .arg(counts.newHeadwords)
              .arg(headwords - counts.newHeadwords);
    text += QLatin1Char('\n')
        + tr("Sentences: %1 (%2 new, %3 already there)")
              .arg(sentences)
              .arg(counts.newSentences)
              .arg(sentences - counts.newSentences);

    // A few new headwords are named, so the teacher sees at once whether a line became one that
    // should not have.
    if (!counts.newNames.isEmpty() && counts.newNames.size() <= ShownNames)
        text += QLatin1Char('\n') + tr("New headwords: %1").arg(counts.newNames.join(QLatin1String(", ")));

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
