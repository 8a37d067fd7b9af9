// SPDX-License-Identifier: GPL-3.0-or-later
// The exports of the output list: the table of export kinds, and the one frame that runs any of them.
#include "app/mainwindow.h"

#include "data/checkedwrite.h"
#include "dialogs/dlginteractivepage.h"
#include "exercise/exercisemodel.h"
#include "exercise/exerciserender.h"
#include "exercise/exportformats.h"
#include "exercise/randomsource.h"
#include "util/zelbusycursor.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>

#include <optional>

QString MainWindow::templateFolder;

void MainWindow::setTemplateFolderForTesting(const QString &folder)
{
    templateFolder = folder;
}

// One row of the window's table of export kinds: the export format it runs (see
// exercise/exportformats.h), and what the window adds to it: the action (Output > Export) and the button
// under the output list that run it, their texts, icon, status tip and help page, what comes before and
// after the format's file, and the texts of the save dialog, its last folder and messages. The window
// builds the actions, buttons, menu entries, help pages and settings from the table, in its order, so
// adding a kind is one format and one row here.
struct MainWindow::ExportKind
{
    enum Run {
        SaveFile, // the save dialog, the file, the offer to open it
        // A file for another program to read in (a question bank): the offer after saving is to show it
        // in its folder, not to open it in whatever the desktop opens such files with.
        SaveFileToImport,
        SavePage, // what the pupil does is asked first, then as SaveFile
        SavePackage, // the same, with the pass mark the platform reports against
        ToClipboard,
        ToPrinter, // a print preview
    };

    const char *format; // the format's name (for a printer: the sheet's, whose notes apply)
    Run run;
    // Controls: the members that keep them may be left out (nullptr); findChild() finds them by name.
    const char *actionName;
    const char *actionText;
    QAction *MainWindow::*action;
    const char *buttonName;
    const char *buttonText;
    QPushButton *MainWindow::*button;
    // Rows that share one button: it is made by the first of them, with its text, and opens a menu of
    // the rows' actions instead of running a kind itself.
    const char *buttonMenuName;
    const char *iconPath;
    const char *statusTip;
    const char *helpPage; // in share/help, shown by F1 on the button
    // A kind that writes a file: the save dialog's title, the settings key of its last folder (in group
    // "mainWindow"), the messages.
    const char *dialogTitle;
    const char *lastFolderKey;
    const char *saveFailureTitle;
    const char *saveFailureText; // followed by the target's full name
    const char *openTitle;

    bool writesFile() const { return run != ToClipboard && run != ToPrinter; }
};

const QList<MainWindow::ExportKind> &MainWindow::exportKinds()
{
    using K = ExportKind;
    using W = MainWindow;
    // clang-format off
    static const QList<ExportKind> kinds {
        // format, run,
        //     action: name, text, member; button: name, text, member, menu;
        //     icon, status tip, help page,
        //     save dialog title, last folder key, save failure title and text, title after saving
        {"text", K::ToClipboard,
            "actSentencesToClipboard", QT_TR_NOOP("&Clipboard"), &W::actSentencesToClipboard,
            "btnExportTextToClipboard", QT_TR_NOOP("Clipboard"), &W::btnExportTextToClipboard, nullptr,
            ":/svgIcons/edit_to-clipboard.svg",
            QT_TR_NOOP("Place the current output sentences on the clipboard."),
            "lxv_main_exportTextToClipboard.htm",
            nullptr, nullptr, nullptr, nullptr, nullptr},
        {"xhtml", K::SaveFile,
            "actSaveAsXHTML", QT_TR_NOOP("&HTML"), &W::actSaveAsXHTML,
            "btnExportXHTML", QT_TR_NOOP("HTML"), &W::btnExportXHTML, nullptr,
            ":/svgIcons/doc_web.svg",
            QT_TR_NOOP("Export the current output sentences to create an XHTML web page."),
            "lxv_main_exportXHTML.htm",
            QT_TR_NOOP("Save XHTML file"), "lastXhtmlFileDir", QT_TR_NOOP("Problem saving XHTML file"),
            QT_TR_NOOP("Unable to save the XHTML file to \n"), QT_TR_NOOP("Open XHTML file")},
        {"rtf", K::SaveFile,
            "actSaveAsRTF", QT_TR_NOOP("&RTF"), &W::actSaveAsRTF,
            "btnExportRTF", QT_TR_NOOP("RTF"), &W::btnExportRTF, nullptr,
            ":/svgIcons/doc_rtf.svg",
            QT_TR_NOOP("Export the current output sentences to create an RTF word-processor document."),
            "lxv_main_exportRTF.htm",
            QT_TR_NOOP("Save RTF file"), "lastRtfFileDir", QT_TR_NOOP("Problem saving RTF file"),
            QT_TR_NOOP("Unable to save the RTF file to \n"), QT_TR_NOOP("Open RTF file")},
        {"jmatch", K::SaveFile,
            "actSaveAsJMatch", QT_TR_NOOP("J&Match"), &W::actSaveAsJMatch,
            "btnExportJMatch", QT_TR_NOOP("JMatch"), &W::btnExportJMatch, nullptr,
            ":/svgIcons/halfbaked_logo_jmatch.svg",
            QT_TR_NOOP("Export the current output sentences to create a Hot Potatoes JMatch matching "
                       "exercise."),
            "lxv_main_exportJMatch.htm",
            QT_TR_NOOP("Save JMatch file"), "lastJmtFileDir", QT_TR_NOOP("Problem saving JMatch file"),
            QT_TR_NOOP("Unable to save the JMatch file to \n"), QT_TR_NOOP("Open JMatch file")},
        {"jcloze", K::SaveFile,
            "actSaveAsJCloze", QT_TR_NOOP("JClo&ze"), &W::actSaveAsJCloze,
            "btnExportJCloze", QT_TR_NOOP("JCloze"), &W::btnExportJCloze, nullptr,
            ":/svgIcons/halfbaked_logo_jcloze.svg",
            QT_TR_NOOP("Export the current output sentences to create a Hot Potatoes JCloze gap-fill "
                       "exercise."),
            "lxv_main_exportJCloze.htm",
            QT_TR_NOOP("Save JCloze file"), "lastJclFileDir", QT_TR_NOOP("Problem saving JCloze file"),
            QT_TR_NOOP("Unable to save the JCloze file to \n"), QT_TR_NOOP("Open JCloze file")},
        {"pdf", K::SaveFile,
            "actSaveAsPDF", QT_TR_NOOP("&PDF document"), nullptr,
            "btnExportPDF", QT_TR_NOOP("PDF"), nullptr, nullptr,
            ":/svgIcons/doc_pdf.svg",
            QT_TR_NOOP("Export the current output sentences to create a PDF document, ready to print."),
            "lxv_main_exportPDF.htm",
            QT_TR_NOOP("Save PDF document"), "lastPdfFileDir", QT_TR_NOOP("Problem saving PDF document"),
            QT_TR_NOOP("Unable to save the PDF document to \n"), QT_TR_NOOP("Open PDF document")},
        {"pdf", K::ToPrinter,
            "actPrint", QT_TR_NOOP("&Print..."), nullptr,
            "btnPrint", QT_TR_NOOP("Print..."), nullptr, nullptr,
            ":/svgIcons/doc_print.svg",
            QT_TR_NOOP("Print the current output sentences as an exercise sheet, with a preview first."),
            "lxv_main_print.htm",
            nullptr, nullptr, nullptr, nullptr, nullptr},
        {"interactive", K::SavePage,
            "actSaveAsInteractive", QT_TR_NOOP("&Interactive web page"), nullptr,
            "btnExportInteractive", QT_TR_NOOP("Interactive"), nullptr, nullptr,
            ":/svgIcons/doc_web_interactive.svg",
            QT_TR_NOOP("Export the current output sentences to create a self-checking web exercise that "
                       "works offline in any browser."),
            "lxv_main_exportInteractive.htm",
            QT_TR_NOOP("Save interactive web page"), "lastInteractiveFileDir",
            QT_TR_NOOP("Problem saving interactive web page"),
            QT_TR_NOOP("Unable to save the interactive web page to \n"),
            QT_TR_NOOP("Open interactive web page")},
        // Moodle: one button for the three question files, which share their help page.
        {"moodle-xml", K::SaveFileToImport,
            "actSaveAsMoodleXml", QT_TR_NOOP("Moodle quiz (&XML)"), nullptr,
            "btnExportMoodle", QT_TR_NOOP("Moodle"), nullptr, "mnuExportMoodle",
            ":/svgIcons/doc_quiz.svg",
            QT_TR_NOOP("Export the current output sentences as questions for a Moodle quiz, in Moodle XML "
                       "format."),
            "lxv_main_exportMoodle.htm",
            QT_TR_NOOP("Save Moodle XML file"), "lastMoodleXmlFileDir",
            QT_TR_NOOP("Problem saving Moodle XML file"),
            QT_TR_NOOP("Unable to save the Moodle XML file to \n"), QT_TR_NOOP("Moodle XML file saved")},
        {"moodle-matching", K::SaveFileToImport,
            "actSaveAsMoodleMatching", QT_TR_NOOP("Moodle ma&tching question (XML)"), nullptr,
            "btnExportMoodle", QT_TR_NOOP("Moodle"), nullptr, "mnuExportMoodle",
            ":/svgIcons/doc_quiz.svg",
            QT_TR_NOOP("Export the current output sentences as one Moodle matching question, in Moodle XML "
                       "format."),
            "lxv_main_exportMoodle.htm",
            QT_TR_NOOP("Save Moodle matching question"), "lastMoodleXmlFileDir",
            QT_TR_NOOP("Problem saving Moodle XML file"),
            QT_TR_NOOP("Unable to save the Moodle XML file to \n"), QT_TR_NOOP("Moodle XML file saved")},
        {"gift", K::SaveFileToImport,
            "actSaveAsMoodleGift", QT_TR_NOOP("Moodle quiz (&GIFT)"), nullptr,
            "btnExportMoodle", nullptr, nullptr, "mnuExportMoodle",
            ":/svgIcons/doc_quiz.svg",
            QT_TR_NOOP("Export the current output sentences as questions for a Moodle quiz, in GIFT format."),
            "lxv_main_exportMoodle.htm",
            QT_TR_NOOP("Save GIFT file"), "lastGiftFileDir", QT_TR_NOOP("Problem saving GIFT file"),
            QT_TR_NOOP("Unable to save the GIFT file to \n"), QT_TR_NOOP("GIFT file saved")},
        // The packages for learning platforms: one button, under the short name such platforms go by
        // (LMS), for the two H5P content types, which share their help page, and the SCORM package, so
        // that the second row of export buttons still fits a narrow screen in every language.
        {"h5p-blanks", K::SaveFile,
            "actSaveAsH5pBlanks", QT_TR_NOOP("H5P: &Fill in the Blanks"), nullptr,
            "btnExportPlatform", QT_TR_NOOP("LMS"), nullptr, "mnuExportPlatform",
            ":/svgIcons/doc_package.svg",
            QT_TR_NOOP("Export the current output sentences as an H5P \"Fill in the Blanks\" exercise; the "
                       "learning platform needs that content type installed."),
            "lxv_main_exportH5P.htm",
            QT_TR_NOOP("Save H5P Fill in the Blanks file"), "lastH5pFileDir",
            QT_TR_NOOP("Problem saving H5P file"),
            QT_TR_NOOP("Unable to save the H5P file to \n"), QT_TR_NOOP("Open H5P file")},
        {"h5p-drag", K::SaveFile,
            "actSaveAsH5pDragText", QT_TR_NOOP("H5P: &Drag the Words"), nullptr,
            "btnExportPlatform", QT_TR_NOOP("LMS"), nullptr, "mnuExportPlatform",
            ":/svgIcons/doc_package.svg",
            QT_TR_NOOP("Export the current output sentences as an H5P \"Drag the Words\" exercise; the "
                       "learning platform needs that content type installed."),
            "lxv_main_exportH5P.htm",
            QT_TR_NOOP("Save H5P Drag the Words file"), "lastH5pFileDir",
            QT_TR_NOOP("Problem saving H5P file"),
            QT_TR_NOOP("Unable to save the H5P file to \n"), QT_TR_NOOP("Open H5P file")},
        {"scorm", K::SavePackage,
            "actSaveAsScorm", QT_TR_NOOP("&SCORM package (interactive page)"), nullptr,
            "btnExportPlatform", QT_TR_NOOP("LMS"), nullptr, "mnuExportPlatform",
            ":/svgIcons/doc_package.svg",
            QT_TR_NOOP("Export the current output sentences as a SCORM 1.2 package of the interactive web "
                       "page, which reports the pupil's score to the learning platform."),
            "lxv_main_exportScorm.htm",
            QT_TR_NOOP("Save SCORM package"), "lastScormFileDir", QT_TR_NOOP("Problem saving SCORM package"),
            QT_TR_NOOP("Unable to save the SCORM package to \n"), QT_TR_NOOP("Open SCORM package")},
        // Practice at home: one button for the two flash-card programs' files, which share their help
        // page.
        {"anki", K::SaveFileToImport,
            "actSaveAsAnki", QT_TR_NOOP("&Anki flash cards"), nullptr,
            "btnExportFlashcards", QT_TR_NOOP("Cards"), nullptr, "mnuExportFlashcards",
            ":/svgIcons/doc_quiz.svg",
            QT_TR_NOOP("Export the current output sentences as cloze flash cards for Anki."),
            "lxv_main_exportFlashcards.htm",
            QT_TR_NOOP("Save Anki file"), "lastFlashcardFileDir", QT_TR_NOOP("Problem saving Anki file"),
            QT_TR_NOOP("Unable to save the Anki file to \n"), QT_TR_NOOP("Anki file saved")},
        {"quizlet", K::SaveFileToImport,
            "actSaveAsQuizlet", QT_TR_NOOP("&Quizlet flash cards"), nullptr,
            "btnExportFlashcards", QT_TR_NOOP("Cards"), nullptr, "mnuExportFlashcards",
            ":/svgIcons/doc_quiz.svg",
            QT_TR_NOOP("Export the current output sentences as flash cards to import into Quizlet."),
            "lxv_main_exportFlashcards.htm",
            QT_TR_NOOP("Save Quizlet file"), "lastFlashcardFileDir", QT_TR_NOOP("Problem saving Quizlet file"),
            QT_TR_NOOP("Unable to save the Quizlet file to \n"), QT_TR_NOOP("Quizlet file saved")},
    };
    // clang-format on
    return kinds;
}

const MainWindow::ExportKind &MainWindow::exportKind(const char *actionName)
{
    for (const ExportKind &kind : exportKinds()) {
        if (qstrcmp(kind.actionName, actionName) == 0)
            return kind;
    }
    qFatal("no export kind %s", actionName);
}

void MainWindow::createExportControls()
{
    for (const ExportKind &kind : exportKinds()) {
        QAction *action = newAction(
            kind.actionName, tr(kind.actionText), QLatin1String(kind.iconPath), tr(kind.statusTip));
        // The kinds with a button member of their own are the window's first five; the later ones
        // go in the second box, which wraps below the first on a narrow screen.
        QDialogButtonBox *box = kind.button ? bbxExport : bbxExportMore;
        QPushButton *button = box->findChild<QPushButton *>(QLatin1String(kind.buttonName));
        if (!button)
            button
                = newButton(box, kind.buttonName, tr(kind.buttonText), QLatin1String(kind.iconPath), false);
        if (kind.buttonMenuName) {
            QMenu *menu = button->menu();
            if (!menu) {
                menu = new QMenu(button);
                menu->setObjectName(QLatin1String(kind.buttonMenuName));
                button->setMenu(menu);
            }
            menu->addAction(action);
        }
        action->setEnabled(false);
        if (kind.run == ExportKind::ToPrinter)
            action->setShortcut(QKeySequence::Print);
        if (kind.button)
            this->*kind.button = button;
        if (kind.action)
            this->*kind.action = action;
        exportButtons.append(button);
        exportActions.append(action);
        const auto runKind = [this, &kind] { runExport(kind); };
        if (!kind.buttonMenuName)
            connect(button, &QPushButton::clicked, this, runKind);
        connect(action, &QAction::triggered, this, runKind);
    }
}

QString &MainWindow::exportFolder(const ExportKind &kind)
{
    const QString key = QLatin1String(kind.lastFolderKey);
    QString MainWindow::*member = lastFolderMember(key);
    return member ? this->*member : exportFolders[key];
}

QString MainWindow::lastExportFolder(const char *actionName) const
{
    return lastFolder(QLatin1String(exportKind(actionName).lastFolderKey));
}

void MainWindow::readExportFolders(const QSettings &settings, const QString &defaultFolder)
{
    for (const ExportKind &kind : exportKinds()) {
        const QString key = QLatin1String(kind.lastFolderKey);
        if (kind.lastFolderKey && !lastFolderMember(key))
            exportFolders[key] = settings.value(key, defaultFolder).toString();
    }
}

void MainWindow::writeExportFolders(QSettings &settings) const
{
    for (const ExportKind &kind : exportKinds()) {
        const QString key = QLatin1String(kind.lastFolderKey);
        if (kind.lastFolderKey && !lastFolderMember(key))
            settings.setValue(key, exportFolders.value(key));
    }
}

void MainWindow::addExportHelpPages(QMap<QWidget *, QString> &pages) const
{
    for (int i = 0; i < exportButtons.size(); ++i)
        pages.insert(exportButtons.at(i), QLatin1String(exportKinds().at(i).helpPage));
}

void MainWindow::runExport(const ExportKind &kind)
{
    if (kind.writesFile() && session->output()->count() == 0)
        return;
    // One sheet, the exercise as it always was, or several: versions, differentiated sheets.
    const ExerciseSheets sheets = session->exerciseSheets();
    const ExerciseModel &model = sheets.sheets.first().model;
    // What the pupil does is asked first; the page is made with the choices the dialog keeps.
    if (kind.run == ExportKind::SavePage || kind.run == ExportKind::SavePackage) {
        DlgInteractivePage dialog(this);
        dialog.setWordListIncluded(model.options.includeWordList);
        dialog.setPassMarkShown(kind.run == ExportKind::SavePackage);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    const ExportFormat &format = *ExportFormats::find(QLatin1String(kind.format));
    if (const std::optional<ExportNote> refusal = ExerciseSheetsBuilder::refusal(format, sheets)) {
        QMessageBox::warning(this, refusal->title, refusal->text);
        return;
    }
    for (const ExportNote &note : ExerciseSheetsBuilder::notes(format, sheets)) {
        const QString text
            = note.inWindow.isEmpty() ? note.text : note.text + QLatin1String("\n\n") + note.inWindow;
        if (note.kind == ExportNote::Warning)
            QMessageBox::warning(this, note.title, text);
        else
            QMessageBox::information(this, note.title, text);
    }
    if (const QString kept = sheets.keptNote(); !kept.isEmpty())
        QMessageBox::information(this, tr("Sentences kept"), kept);
    switch (kind.run) {
    case ExportKind::ToClipboard:
        QGuiApplication::clipboard()->setText(ExerciseRender::clipboardText(sheets), QClipboard::Clipboard);
        QMessageBox::information(this, tr("Text copied to clipboard"),
            tr("Your exercise has been copied to the clipboard.\n"
               "You can paste it into any text application."));
        break;
    case ExportKind::ToPrinter:
        printExercise(sheets);
        break;
    default:
        exportOutput(kind, format, sheets);
    }
}

void MainWindow::printExercise(const ExerciseSheets &sheets)
{
    const ExerciseModel &model = sheets.sheets.first().model;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(ExerciseRender::pageSizeFor(QLocale())));
    printer.setDocName(model.title.isEmpty() ? tr("Exercise") : model.title);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
        [&sheets](QPrinter *target) { ExerciseRender::print(sheets, target); });
    // A whole page in the dialog's first size is too small to read: open at the page's width, in a
    // dialog that takes most of the screen.
    if (auto *fitWidth = preview.findChild<QAction *>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
    preview.resize(screen()->availableGeometry().size() * 0.8);
    preview.exec();
}

void MainWindow::exportOutput(
    const ExportKind &kind, const ExportFormat &format, const ExerciseSheets &sheets)
{
    QString &lastFolder = exportFolder(kind);
    QString target
        = ZelFileDialog::getSaveFileName(this, tr(kind.dialogTitle), lastFolder, format.filterText());
    if (target.isEmpty())
        return;

    if (!ZelFileDialog::completeEnding(this, &target, format.endingList()))
        return;

    ZelBusyCursor busy;
    const auto warn = [this, &busy](const QString &title, const QString &text) {
        busy.release();
        QMessageBox::warning(this, title, text);
    };
    const QString targetName = QDir::toNativeSeparators(target);
    const QString saveFailureTitle = tr(kind.saveFailureTitle);
    const QString saveFailure = tr(kind.saveFailureText) + targetName;
    QList<SheetFile> files;

    try {
        lastFolder = QFileInfo(target).absolutePath();

        const QString templateFile = QLatin1String(format.templateName);
        const QString templatePath = templateFolder.isEmpty()
            ? ZelUtils::dataPath(QLatin1String("templates/") + templateFile)
            : templateFolder + QLatin1Char('/') + templateFile;
        const QString templateName = QDir::toNativeSeparators(templatePath);
        ExportSettings settings;
        settings.page = DlgInteractivePage::storedSettings();
        settings.paper = ExerciseRender::pageSizeFor(QLocale());
        // Every file is made before the first is written, so a template fault writes none.
        files = ExerciseSheetsBuilder::renderFiles(format, sheets, settings, templatePath, target);
        const ExportResult &result = files.last().result;
        switch (result.status) {
        case ExportResult::Done:
            break;
        case ExportResult::TemplateMissing:
            warn(tr("Template file missing"), tr("Unable to load the template file from \n") + templateName);
            return;
        case ExportResult::TemplateNotWellFormed:
            warn(tr("Problem loading template file"),
                tr("Unable to load the template file from \n") + templateName);
            return;
        case ExportResult::TemplateCorrupt:
            warn(tr("Problem with template file"),
                tr("This template file appears to be corrupted: \n") + templateName);
            return;
        case ExportResult::ArchiveFailed:
            warn(saveFailureTitle,
                tr(kind.saveFailureText) + QDir::toNativeSeparators(files.last().fileName) + QLatin1Char('\n')
                    + tr("The ZIP archive could not be made."));
            return;
        }
        if (!result.remark.isEmpty())
            statusBar()->showMessage(result.remark, 2000);

        if (files.size() > 1) {
            if (!writeSheetFiles(kind, files, busy))
                return;
        } else {
            // Written aside and put in place only once it is on disk, so a failed export never leaves
            // half a file, nor an empty one.
            QString reason;
            if (!CheckedWrite::writeFile(target, result.bytes, &reason)) {
                warn(saveFailureTitle, saveFailure + QLatin1Char('\n') + reason);
                return;
            }
        }
    } catch (...) {
        warn(saveFailureTitle, saveFailure);
        return;
    }

    busy.release();
    if (const std::optional<ExportNote> note = ExerciseSheetsBuilder::noteAfterWriting(format, sheets))
        QMessageBox::information(this, note->title, note->text);
    const QString openTitle = tr(kind.openTitle);
    if (kind.run == ExportKind::SaveFileToImport || files.size() > 1) {
        const QString question = files.size() > 1
            ? tr("%1 files were saved. Do you want to show them in their folder?").arg(files.size())
            : tr("Do you want to show the saved file in its folder?");
        if (QMessageBox::question(
                this, openTitle, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes)
            ZelUtils::openFile(QFileInfo(target).absolutePath(), true);
        return;
    }
    if (QMessageBox::question(this, openTitle, tr("Do you want to open the saved file?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes)
        ZelUtils::openFile(target, true);
}

bool MainWindow::writeSheetFiles(const ExportKind &kind, const QList<SheetFile> &files, ZelBusyCursor &busy)
{
    QStringList existing;
    for (const SheetFile &file : files) {
        if (QFileInfo::exists(file.fileName))
            existing.append(QDir::toNativeSeparators(file.fileName));
    }
    if (!existing.isEmpty()) {
        busy.release();
        if (QMessageBox::question(this, tr("Overwrite files?"),
                tr("These files already exist:\n%1\nAre you sure you want to overwrite them?")
                    .arg(existing.join(QLatin1Char('\n'))),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return false;
        busy.resume();
    }
    // Each file is replaced whole or not at all; a failure names the file, and those before it stay
    // written.
    for (int i = 0; i < files.size(); ++i) {
        QString reason;
        if (CheckedWrite::writeFile(files.at(i).fileName, files.at(i).result.bytes, &reason))
            continue;
        QString text = tr(kind.saveFailureText) + QDir::toNativeSeparators(files.at(i).fileName)
            + QLatin1Char('\n') + reason;
        if (i > 0) {
            QStringList written;
            for (int j = 0; j < i; ++j)
                written.append(QDir::toNativeSeparators(files.at(j).fileName));
            text += QLatin1String("\n\n") + tr("Written before it:") + QLatin1Char('\n')
                + written.join(QLatin1Char('\n'));
        }
        busy.release();
        QMessageBox::warning(this, tr(kind.saveFailureTitle), text);
        return false;
    }
    return true;
}
