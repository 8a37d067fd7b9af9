// SPDX-License-Identifier: GPL-3.0-or-later
// The file exports of the output list: RTF document, XHTML page, JMatch and JCloze exercises.
#include "app/mainwindow.h"

#include "exercise/exercisebuilder.h"
#include "exercise/randomsource.h"
#include "exercise/templatefill.h"
#include "util/zelbusycursor.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QSaveFile>
#include <QStatusBar>

#include <algorithm>
#include <functional>

QString MainWindow::templateFolder;

// What sets one export apart from the others: the texts of its dialogs and messages, its file
// endings, its last folder, its template and how that template is filled.
struct MainWindow::ExportKind
{
    QString dialogTitle;
    QString dialogFilter;
    QStringList endings; // a name ending in none of these gets the first appended
    QString *lastFolder = nullptr;
    QString templateName;
    QString saveFailureTitle;
    QString saveFailureText;
    QString openTitle;

    // A text template is filled as bytes; an XML template is read into a document, filled (false
    // when it lacks the element the exercise goes into) and written out.
    std::function<QByteArray(const QByteArray &)> fillText;
    std::function<bool(QDomDocument &)> fillDocument;
    std::function<QByteArray(QDomDocument &)> writeDocument;
};

void MainWindow::exportOutput(const ExportKind &kind)
{
    if (lwOutput->count() == 0)
        return;

    QString target
        = ZelFileDialog::getSaveFileName(this, kind.dialogTitle, *kind.lastFolder, kind.dialogFilter);
    if (target.isEmpty())
        return;

    if (!ZelFileDialog::completeEnding(this, &target, kind.endings))
        return;

    ZelBusyCursor busy;
    const auto warn = [this, &busy](const QString &title, const QString &text) {
        busy.release();
        QMessageBox::warning(this, title, text);
    };
    const QString targetName = QDir::toNativeSeparators(target);
    const QString saveFailure = kind.saveFailureText + targetName;

    try {
        *kind.lastFolder = QFileInfo(target).absolutePath();

        const QString templatePath = templateFolder.isEmpty()
            ? ZelUtils::dataPath(QLatin1String("templates/") + kind.templateName)
            : templateFolder + QLatin1Char('/') + kind.templateName;
        const QString templateName = QDir::toNativeSeparators(templatePath);
        QFile templateFile(templatePath);
        if (!templateFile.open(QIODevice::ReadOnly)) {
            warn(tr("Template file missing"), tr("Unable to load the template file from \n") + templateName);
            return;
        }

        QByteArray bytes;
        if (kind.fillDocument) {
            QDomDocument document;
            const bool parsed = bool(document.setContent(&templateFile));
            templateFile.close();
            if (!parsed) {
                warn(tr("Problem loading template file"),
                    tr("Unable to load the template file from \n") + templateName);
                return;
            }
            if (!kind.fillDocument(document)) {
                warn(tr("Problem with template file"),
                    tr("This template file appears to be corrupted: \n") + templateName);
                return;
            }
            bytes = kind.writeDocument(document);
        } else {
            bytes = kind.fillText(templateFile.readAll());
            templateFile.close();
        }

        // Written aside and then put in place, so a failed export never leaves half a file.
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(bytes) != bytes.size()
            || !file.commit()) {
            warn(kind.saveFailureTitle, saveFailure);
            return;
        }
    } catch (...) {
        warn(kind.saveFailureTitle, saveFailure);
        return;
    }

    busy.release();
    if (QMessageBox::question(this, kind.openTitle, tr("Do you want to open the saved file?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes)
        ZelUtils::openFile(target, true);
}

void MainWindow::saveAsRTF()
{
    ExportKind kind;
    kind.dialogTitle = tr("Save RTF file");
    kind.dialogFilter = tr("RTF files (*.rtf)");
    kind.endings = QStringList {QStringLiteral(".rtf")};
    kind.lastFolder = &lastRtfFileDir;
    kind.templateName = QStringLiteral("rtf_exercise.rtf");
    kind.saveFailureTitle = tr("Problem saving RTF file");
    kind.saveFailureText = tr("Unable to save the RTF file to \n");
    kind.openTitle = tr("Open RTF file");
    kind.fillText = [this](const QByteArray &rtfTemplate) {
        QStringList questions;
        QStringList words;
        buildExercise(questions, words);
        return TemplateFill::fillRtf(rtfTemplate, questions, words);
    };
    exportOutput(kind);
}

void MainWindow::saveAsXHTML()
{
    ExportKind kind;
    kind.dialogTitle = tr("Save XHTML file");
    kind.dialogFilter = tr("Web page files (*.htm *.html *.xhtml)");
    kind.endings = QStringList {QStringLiteral(".htm"), QStringLiteral(".html"), QStringLiteral(".xhtml")};
    kind.lastFolder = &lastXhtmlFileDir;
    kind.templateName = QStringLiteral("xhtml_exercise.htm");
    kind.saveFailureTitle = tr("Problem saving XHTML file");
    kind.saveFailureText = tr("Unable to save the XHTML file to \n");
    kind.openTitle = tr("Open XHTML file");
    kind.fillDocument = [this](QDomDocument &page) {
        RandomSource random;
        return TemplateFill::fillXhtml(page, outputEntries(), exerciseOptions(), random);
    };
    kind.writeDocument = &TemplateFill::xmlFile;
    exportOutput(kind);
}

void MainWindow::saveAsJMatch()
{
    ExportKind kind;
    kind.dialogTitle = tr("Save JMatch file");
    kind.dialogFilter = tr("JMatch files (*.jmt)");
    kind.endings = QStringList {QStringLiteral(".jmt")};
    kind.lastFolder = &lastJmtFileDir;
    kind.templateName = QStringLiteral("jmatch_exercise.jmt");
    kind.saveFailureTitle = tr("Problem saving JMatch file");
    kind.saveFailureText = tr("Unable to save the JMatch file to \n");
    kind.openTitle = tr("Open JMatch file");
    kind.fillDocument = [this](QDomDocument &exercise) {
        RandomSource random;
        int leftOut = 0;
        if (!TemplateFill::fillJMatch(exercise, outputEntries(), exerciseOptions(), random, &leftOut))
            return false;
        if (leftOut == 1)
            statusBar()->showMessage(tr("1 entry without a key word was left out of the pairs."), 2000);
        else if (leftOut > 1)
            statusBar()->showMessage(
                tr("%1 entries without a key word were left out of the pairs.").arg(leftOut), 2000);
        return true;
    };
    kind.writeDocument = &TemplateFill::xmlFile;

    // A pair needs a right side; an exercise of no pairs is not worth a file.
    RandomSource random;
    if (lwOutput->count() > 0
        && TemplateFill::matchPairs(outputEntries(), exerciseOptions(), random).isEmpty()) {
        QMessageBox::warning(this, tr("Nothing to match"),
            tr("None of the output entries has a key word, so a JMatch exercise would have no pairs. "
               "No file was written."));
        return;
    }
    exportOutput(kind);
}

void MainWindow::saveAsJCloze()
{
    ExportKind kind;
    kind.dialogTitle = tr("Save JCloze file");
    kind.dialogFilter = tr("JCloze files (*.jcl)");
    kind.endings = QStringList {QStringLiteral(".jcl")};
    kind.lastFolder = &lastJclFileDir;
    kind.templateName = QStringLiteral("jcloze_exercise.jcl");
    kind.saveFailureTitle = tr("Problem saving JCloze file");
    kind.saveFailureText = tr("Unable to save the JCloze file to \n");
    kind.openTitle = tr("Open JCloze file");
    kind.fillDocument = [this](QDomDocument &exercise) {
        RandomSource random;
        return TemplateFill::fillJCloze(exercise, outputEntries(), exerciseOptions(), random);
    };
    kind.writeDocument = &TemplateFill::jclozeFile;
    exportOutput(kind);
}
