// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing in word lists made with other tools: reading the file (with the spreadsheet dialog for
// CSV and TSV) and reporting what came in. The import itself goes through the database's append.
#include "app/mainwindow.h"

#include "dialogs/dlgimportcsv.h"
#include "util/zelbusycursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

// More reasons than this go to the box's details.
constexpr int ShownSkips = 10;

} // namespace

MainWindow::ImportRead MainWindow::readImportFile(const QString &fileName)
{
    ImportRead read;
    ZelBusyCursor busy;

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        read.result.error = tr("The file cannot be read: %1").arg(file.errorString());
        return read;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.result.error = tr("The file cannot be read: %1").arg(file.errorString());
        return read;
    }
    file.close();

    const QString title = QFileInfo(fileName).completeBaseName();
    const LxdImport::Format format = LxdImport::formatOf(fileName, bytes.left(4096));
    LxdImport::Table table;
    LxdImport::CsvColumns columns;
    if (format == LxdImport::Csv) {
        const QString text = LxdImport::decodeText(bytes);
        table = LxdImport::readTable(text);
        if (!table.error.isEmpty()) {
            read.result.error = table.error;
            return read;
        }
        DlgImportCsv dialog(text, this);
        ZelBusyCursor::Pause pause(busy);
        if (dialog.exec() != QDialog::Accepted) {
            read.cancelled = true;
            return read;
        }
        table = dialog.table();
        columns = dialog.columns();
    }

    // Made only once the teacher has answered: its clock starts when it is made.
    QProgressDialog progress(
        tr("Reading %1...").arg(QFileInfo(fileName).fileName()), tr("Cancel"), 0, 100, this);
    progress.setObjectName(QStringLiteral("importProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    const LxdImport::Progress step = [&progress](int percent) {
        progress.setValue(percent);
        return !progress.wasCanceled();
    };

    switch (format) {
    case LxdImport::Csv:
        read.result = LxdImport::readCsv(table, columns, step);
        break;
    case LxdImport::Kvtml:
        read.result = LxdImport::readKvtml(bytes, step);
        break;
    case LxdImport::JCloze:
        read.result = LxdImport::readJCloze(bytes, title);
        break;
    case LxdImport::JMatch:
        read.result = LxdImport::readJMatch(bytes, title);
        break;
    case LxdImport::Unknown:
        read.result.error = tr("This is not a word list that can be imported.");
        break;
    }
    if (progress.wasCanceled()) {
        read.cancelled = true;
        read.result = LxdImport::Result();
    }
    progress.setValue(100);
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

    QMessageBox box(QMessageBox::Information, tr("Import complete"), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("importReport"));
    const QStringList &skipped = result.skipped;
    if (skipped.isEmpty()) {
        box.setInformativeText(tr("Nothing was skipped."));
    } else {
        QStringList shown = skipped.mid(0, ShownSkips);
        if (skipped.size() > ShownSkips)
            shown += tr("... and %1 more (see the details)").arg(skipped.size() - ShownSkips);
        box.setInformativeText(
            tr("Skipped: %1").arg(skipped.size()) + QLatin1Char('\n') + shown.join(QLatin1Char('\n')));
        if (skipped.size() > ShownSkips)
            box.setDetailedText(skipped.join(QLatin1Char('\n')));
    }
    box.exec();
}
