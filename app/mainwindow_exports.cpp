// SPDX-License-Identifier: GPL-3.0-or-later
// The exports of the output list: the table of export kinds, and the one frame that runs any of them.
#include "app/mainwindow.h"

#include "data/checkedwrite.h"
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "dialogs/dlginteractivepage.h"
#include "exercise/exercisemodel.h"
#include "exercise/exerciserender.h"
#include "exercise/h5pexport.h"
#include "exercise/interactivepage.h"
#include "exercise/moodleexport.h"
#include "exercise/randomsource.h"
#include "exercise/scormpackage.h"
#include "exercise/templatefill.h"
#include "util/zelbusycursor.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>

#include <functional>
#include <optional>

QString MainWindow::templateFolder;

void MainWindow::setTemplateFolderForTesting(const QString &folder)
{
    templateFolder = folder;
}

// One row of the table of export kinds. Everything that sets a kind apart lives in its row: the
// action (Output > Export) and the button under the output list that run it, their texts, its
// status tip and help page; for a kind that writes a file, the save dialog, the accepted endings,
// the last folder and its settings key, the template and the messages; and its renderer (see
// exercise/exerciserender.h). The window builds the actions, buttons, menu entries, help pages and
// settings from the table, in its order, so adding a kind is one renderer and one row in
// exportKinds() below.
struct MainWindow::ExportKind
{
    // Controls: the members that keep them may be left out (nullptr); findChild() finds them by name.
    const char *actionName = nullptr;
    const char *buttonName = nullptr;
    QAction *MainWindow::*action = nullptr;
    QPushButton *MainWindow::*button = nullptr;
    QString actionText;
    QString buttonText;
    QString iconPath;
    QString statusTip;
    QString helpPage; // in share/help, shown by F1 on the button
    QKeySequence shortcut;
    // Rows that share one button: it is made by the first of them, with its text, and opens a menu
    // of the rows' actions instead of running a kind itself.
    const char *buttonMenuName = nullptr;

    // A kind that writes a file.
    QString dialogTitle;
    QString dialogFilter;
    QStringList endings; // a name ending in none of these gets the first appended
    const char *lastFolderKey = nullptr; // settings key of the last folder, in group "mainWindow"
    QString MainWindow::*lastFolder = nullptr; // the member keeping it; nullptr: kept in exportFolders
    QString templateName; // in the templates folder; empty for a kind without a template
    QString saveFailureTitle;
    QString saveFailureText; // followed by the target's full name
    QString openTitle;
    // A file for another program to read in (a question bank): the offer after saving is to show it
    // in its folder, not to open it in whatever the desktop opens such files with.
    bool showInFolder = false;

    // The format shows each gap's first answer only and no clue; the teacher is told which sentences
    // lose what, before anything is written.
    bool firstAnswersOnly = false;
    // The format has a word bank or drop-down lists to put the extra words in (with the word list).
    bool carriesDistractors = false;
    bool hotPotatoes = false; // a file for the Hot Potatoes suite and Moodle's player of it
    // The renderer makes a ZIP archive in memory; an empty result means it could not.
    bool archive = false;
    // The file is XML or XHTML (or holds such a file), which cannot carry every character: the
    // teacher is told which texts lost some.
    bool xml = false;

    // Run before the save dialog, when given: false ends the command (it has told the user why).
    std::function<bool(MainWindow &, const ExerciseModel &)> check;

    // The renderer: exactly one of fillText (a text template, filled as bytes; no value when it
    // lacks the place the exercise goes into), fillDocument with writeDocument (an XML template read
    // into a document; false when it lacks the element the exercise goes into), write (a file
    // without a template), run (no file: clipboard, printer).
    std::function<std::optional<QByteArray>(const ExerciseModel &, const QByteArray &)> fillText;
    std::function<bool(MainWindow &, const ExerciseModel &, QDomDocument &)> fillDocument;
    std::function<QByteArray(QDomDocument &)> writeDocument;
    std::function<QByteArray(const ExerciseModel &)> write;
    std::function<void(MainWindow &, const ExerciseModel &)> run;

    bool writesFile() const { return !run; }
};

namespace {

QPageSize::PageSizeId localPageSize()
{
    return ExerciseRender::pageSizeFor(QLocale());
}

} // namespace

QList<MainWindow::ExportKind> MainWindow::makeExportKinds()
{
    QList<ExportKind> table;
    ExportKind k;

    k = ExportKind();
    k.actionName = "actSentencesToClipboard";
    k.carriesDistractors = true;
    k.buttonName = "btnExportTextToClipboard";
    k.action = &MainWindow::actSentencesToClipboard;
    k.button = &MainWindow::btnExportTextToClipboard;
    k.actionText = tr("&Clipboard");
    k.buttonText = tr("Clipboard");
    k.iconPath = QStringLiteral(":/svgIcons/edit_to-clipboard.svg");
    k.statusTip = tr("Place the current output sentences on the clipboard.");
    k.helpPage = QStringLiteral("lxv_main_exportTextToClipboard.htm");
    k.run = [](MainWindow &w, const ExerciseModel &model) {
        QGuiApplication::clipboard()->setText(ExerciseRender::clipboardText(model), QClipboard::Clipboard);
        QMessageBox::information(&w, tr("Text copied to clipboard"),
            tr("Your exercise has been copied to the clipboard.\n"
               "You can paste it into any text application."));
    };
    table.append(k);

    k = ExportKind();
    k.actionName = "actSaveAsXHTML";
    k.carriesDistractors = true;
    k.buttonName = "btnExportXHTML";
    k.action = &MainWindow::actSaveAsXHTML;
    k.button = &MainWindow::btnExportXHTML;
    k.actionText = tr("&HTML");
    k.buttonText = tr("HTML");
    k.iconPath = QStringLiteral(":/svgIcons/doc_web.svg");
    k.statusTip = tr("Export the current output sentences to create an XHTML web page.");
    k.helpPage = QStringLiteral("lxv_main_exportXHTML.htm");
    k.dialogTitle = tr("Save XHTML file");
    k.dialogFilter = tr("Web page files (*.htm *.html *.xhtml)");
    k.endings = QStringList {QStringLiteral(".htm"), QStringLiteral(".html"), QStringLiteral(".xhtml")};
    k.lastFolderKey = "lastXhtmlFileDir";
    k.lastFolder = &MainWindow::lastXhtmlFileDir;
    k.templateName = QStringLiteral("xhtml_exercise.htm");
    k.saveFailureTitle = tr("Problem saving XHTML file");
    k.saveFailureText = tr("Unable to save the XHTML file to \n");
    k.openTitle = tr("Open XHTML file");
    k.fillDocument = [](MainWindow &, const ExerciseModel &model, QDomDocument &page) {
        return ExerciseRender::xhtml(page, model);
    };
    k.writeDocument = &TemplateFill::xmlFile;
    k.xml = true;
    table.append(k);

    k = ExportKind();
    k.actionName = "actSaveAsRTF";
    k.carriesDistractors = true;
    k.buttonName = "btnExportRTF";
    k.action = &MainWindow::actSaveAsRTF;
    k.button = &MainWindow::btnExportRTF;
    k.actionText = tr("&RTF");
    k.buttonText = tr("RTF");
    k.iconPath = QStringLiteral(":/svgIcons/doc_rtf.svg");
    k.statusTip = tr("Export the current output sentences to create an RTF word-processor document.");
    k.helpPage = QStringLiteral("lxv_main_exportRTF.htm");
    k.dialogTitle = tr("Save RTF file");
    k.dialogFilter = tr("RTF files (*.rtf)");
    k.endings = QStringList {QStringLiteral(".rtf")};
    k.lastFolderKey = "lastRtfFileDir";
    k.lastFolder = &MainWindow::lastRtfFileDir;
    k.templateName = QStringLiteral("rtf_exercise.rtf");
    k.saveFailureTitle = tr("Problem saving RTF file");
    k.saveFailureText = tr("Unable to save the RTF file to \n");
    k.openTitle = tr("Open RTF file");
    k.fillText = [](const ExerciseModel &model, const QByteArray &rtfTemplate) -> std::optional<QByteArray> {
        return ExerciseRender::rtf(rtfTemplate, model, localPageSize());
    };
    table.append(k);

    k = ExportKind();
    k.actionName = "actSaveAsJMatch";
    k.buttonName = "btnExportJMatch";
    k.action = &MainWindow::actSaveAsJMatch;
    k.button = &MainWindow::btnExportJMatch;
    k.actionText = tr("J&Match");
    k.buttonText = tr("JMatch");
    k.iconPath = QStringLiteral(":/svgIcons/halfbaked_logo_jmatch.svg");
    k.statusTip
        = tr("Export the current output sentences to create a Hot Potatoes JMatch matching exercise.");
    k.helpPage = QStringLiteral("lxv_main_exportJMatch.htm");
    k.dialogTitle = tr("Save JMatch file");
    k.dialogFilter = tr("JMatch files (*.jmt)");
    k.endings = QStringList {QStringLiteral(".jmt")};
    k.lastFolderKey = "lastJmtFileDir";
    k.lastFolder = &MainWindow::lastJmtFileDir;
    k.templateName = QStringLiteral("jmatch_exercise.jmt");
    k.saveFailureTitle = tr("Problem saving JMatch file");
    k.saveFailureText = tr("Unable to save the JMatch file to \n");
    k.openTitle = tr("Open JMatch file");
    k.firstAnswersOnly = true;
    k.hotPotatoes = true;
    // A pair needs a right side; an exercise of no pairs is not worth a file.
    k.check = [](MainWindow &w, const ExerciseModel &model) {
        if (!ExerciseRender::matchPairs(model).isEmpty())
            return true;
        QMessageBox::warning(&w, tr("Nothing to match"),
            tr("None of the output entries has a key word, so a JMatch exercise would have no pairs. "
               "No file was written."));
        return false;
    };
    k.fillDocument = [](MainWindow &w, const ExerciseModel &model, QDomDocument &exercise) {
        int leftOut = 0;
        if (!ExerciseRender::jmatch(exercise, model, &leftOut))
            return false;
        if (leftOut == 1)
            w.statusBar()->showMessage(tr("1 entry without a key word was left out of the pairs."), 2000);
        else if (leftOut > 1)
            w.statusBar()->showMessage(
                tr("%1 entries without a key word were left out of the pairs.").arg(leftOut), 2000);
        return true;
    };
    k.writeDocument = &TemplateFill::xmlFile;
    k.xml = true;
    table.append(k);

    k = ExportKind();
    k.actionName = "actSaveAsJCloze";
    k.buttonName = "btnExportJCloze";
    k.action = &MainWindow::actSaveAsJCloze;
    k.button = &MainWindow::btnExportJCloze;
    k.actionText = tr("JClo&ze");
    k.buttonText = tr("JCloze");
    k.iconPath = QStringLiteral(":/svgIcons/halfbaked_logo_jcloze.svg");
    k.statusTip
        = tr("Export the current output sentences to create a Hot Potatoes JCloze gap-fill exercise.");
    k.helpPage = QStringLiteral("lxv_main_exportJCloze.htm");
    k.dialogTitle = tr("Save JCloze file");
    k.dialogFilter = tr("JCloze files (*.jcl)");
    k.endings = QStringList {QStringLiteral(".jcl")};
    k.lastFolderKey = "lastJclFileDir";
    k.lastFolder = &MainWindow::lastJclFileDir;
    k.templateName = QStringLiteral("jcloze_exercise.jcl");
    k.saveFailureTitle = tr("Problem saving JCloze file");
    k.saveFailureText = tr("Unable to save the JCloze file to \n");
    k.openTitle = tr("Open JCloze file");
    k.hotPotatoes = true;
    k.fillDocument = [](MainWindow &, const ExerciseModel &model, QDomDocument &exercise) {
        return ExerciseRender::jcloze(exercise, model);
    };
    k.writeDocument = &TemplateFill::jclozeFile;
    k.xml = true;
    table.append(k);

    k = ExportKind();
    k.actionName = "actSaveAsPDF";
    k.carriesDistractors = true;
    k.buttonName = "btnExportPDF";
    k.actionText = tr("&PDF document");
    k.buttonText = tr("PDF");
    k.iconPath = QStringLiteral(":/svgIcons/doc_pdf.svg");
    k.statusTip = tr("Export the current output sentences to create a PDF document, ready to print.");
    k.helpPage = QStringLiteral("lxv_main_exportPDF.htm");
    k.dialogTitle = tr("Save PDF document");
    k.dialogFilter = tr("PDF documents (*.pdf)");
    k.endings = QStringList {QStringLiteral(".pdf")};
    k.lastFolderKey = "lastPdfFileDir";
    k.saveFailureTitle = tr("Problem saving PDF document");
    k.saveFailureText = tr("Unable to save the PDF document to \n");
    k.openTitle = tr("Open PDF document");
    k.write = [](const ExerciseModel &model) { return ExerciseRender::pdf(model, localPageSize()); };
    table.append(k);

    k = ExportKind();
    k.actionName = "actPrint";
    k.carriesDistractors = true;
    k.buttonName = "btnPrint";
    k.actionText = tr("&Print...");
    k.buttonText = tr("Print...");
    k.iconPath = QStringLiteral(":/svgIcons/doc_print.svg");
    k.statusTip = tr("Print the current output sentences as an exercise sheet, with a preview first.");
    k.helpPage = QStringLiteral("lxv_main_print.htm");
    k.shortcut = QKeySequence::Print;
    k.run = [](MainWindow &w, const ExerciseModel &model) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(localPageSize()));
        printer.setDocName(model.title.isEmpty() ? tr("Exercise") : model.title);
        QPrintPreviewDialog preview(&printer, &w);
        preview.setObjectName(QStringLiteral("dlgPrintPreview"));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&model](QPrinter *target) { ExerciseRender::print(model, target); });
        // A whole page in the dialog's first size is too small to read: open at the page's width,
        // in a dialog that takes most of the screen.
        if (auto *fitWidth = preview.findChild<QAction *>(QStringLiteral("fitWidthAction")))
            fitWidth->trigger();
        preview.resize(w.screen()->availableGeometry().size() * 0.8);
        preview.exec();
    };
    table.append(k);

    k = ExportKind();
    k.actionName = "actSaveAsInteractive";
    k.carriesDistractors = true;
    k.buttonName = "btnExportInteractive";
    k.actionText = tr("&Interactive web page");
    k.buttonText = tr("Interactive");
    k.iconPath = QStringLiteral(":/svgIcons/doc_web_interactive.svg");
    k.statusTip = tr("Export the current output sentences to create a self-checking web exercise that works "
                     "offline in any browser.");
    k.helpPage = QStringLiteral("lxv_main_exportInteractive.htm");
    k.dialogTitle = tr("Save interactive web page");
    k.dialogFilter = tr("Web page files (*.html *.htm)");
    k.endings = QStringList {QStringLiteral(".html"), QStringLiteral(".htm")};
    k.lastFolderKey = "lastInteractiveFileDir";
    k.templateName = QStringLiteral("interactive_exercise.html");
    k.saveFailureTitle = tr("Problem saving interactive web page");
    k.saveFailureText = tr("Unable to save the interactive web page to \n");
    k.openTitle = tr("Open interactive web page");
    // What the pupil does is asked first; the page is made with the choices the dialog keeps.
    k.check = [](MainWindow &w, const ExerciseModel &model) {
        DlgInteractivePage dialog(&w);
        dialog.setWordListIncluded(model.options.includeWordList);
        return dialog.exec() == QDialog::Accepted;
    };
    k.fillText = [](const ExerciseModel &model, const QByteArray &pageTemplate) {
        return InteractivePage::render(model, DlgInteractivePage::storedSettings(), pageTemplate);
    };
    table.append(k);

    // Moodle: one button for the three question files, which share their help page.
    k = ExportKind();
    k.actionName = "actSaveAsMoodleXml";
    k.carriesDistractors = true;
    k.buttonName = "btnExportMoodle";
    k.buttonMenuName = "mnuExportMoodle";
    k.actionText = tr("Moodle quiz (&XML)");
    k.buttonText = tr("Moodle");
    k.iconPath = QStringLiteral(":/svgIcons/doc_quiz.svg");
    k.statusTip
        = tr("Export the current output sentences as questions for a Moodle quiz, in Moodle XML format.");
    k.helpPage = QStringLiteral("lxv_main_exportMoodle.htm");
    k.dialogTitle = tr("Save Moodle XML file");
    k.dialogFilter = tr("Moodle XML files (*.xml)");
    k.endings = QStringList {QStringLiteral(".xml")};
    k.lastFolderKey = "lastMoodleXmlFileDir";
    k.saveFailureTitle = tr("Problem saving Moodle XML file");
    k.saveFailureText = tr("Unable to save the Moodle XML file to \n");
    k.openTitle = tr("Moodle XML file saved");
    k.showInFolder = true;
    k.write = &MoodleExport::moodleXml;
    k.xml = true;
    table.append(k);

    k.actionName = "actSaveAsMoodleMatching";
    k.carriesDistractors = false;
    k.actionText = tr("Moodle ma&tching question (XML)");
    k.statusTip = tr("Export the current output sentences as one Moodle matching question, in Moodle XML "
                     "format.");
    k.dialogTitle = tr("Save Moodle matching question");
    k.firstAnswersOnly = true;
    // Moodle takes no matching question of fewer than two pairs.
    k.check = [](MainWindow &w, const ExerciseModel &model) {
        if (MoodleExport::matchingPairCount(model) >= 2)
            return true;
        QMessageBox::warning(&w, tr("Moodle matching question"),
            tr("A matching question needs at least two sentences with key words in the output list."));
        return false;
    };
    k.write = &MoodleExport::matchingXml;
    k.xml = true;
    table.append(k);

    k = ExportKind();
    k.actionName = "actSaveAsMoodleGift";
    k.buttonName = "btnExportMoodle";
    k.buttonMenuName = "mnuExportMoodle";
    k.actionText = tr("Moodle quiz (&GIFT)");
    k.iconPath = QStringLiteral(":/svgIcons/doc_quiz.svg");
    k.statusTip = tr("Export the current output sentences as questions for a Moodle quiz, in GIFT format.");
    k.helpPage = QStringLiteral("lxv_main_exportMoodle.htm");
    k.dialogTitle = tr("Save GIFT file");
    k.dialogFilter = tr("GIFT files (*.txt *.gift)");
    // Moodle's GIFT import offers to read text files, and writes its own GIFT as .txt.
    k.endings = QStringList {QStringLiteral(".txt"), QStringLiteral(".gift")};
    k.lastFolderKey = "lastGiftFileDir";
    k.saveFailureTitle = tr("Problem saving GIFT file");
    k.saveFailureText = tr("Unable to save the GIFT file to \n");
    k.openTitle = tr("GIFT file saved");
    k.showInFolder = true;
    k.write = &MoodleExport::gift;
    table.append(k);

    // The packages for learning platforms: one button, under the short name such platforms go by (LMS),
    // for the two H5P content types, which share their help page, and the SCORM package, so that the
    // second row of export buttons still fits a narrow screen in every language.
    const auto h5pRow = [](H5PExport::Kind h5pKind) {
        ExportKind k;
        k.buttonName = "btnExportPlatform";
        k.buttonMenuName = "mnuExportPlatform";
        k.buttonText = tr("LMS");
        k.iconPath = QStringLiteral(":/svgIcons/doc_package.svg");
        k.helpPage = QStringLiteral("lxv_main_exportH5P.htm");
        k.dialogFilter = tr("H5P files (*.h5p)");
        k.endings = QStringList {QStringLiteral(".h5p")};
        k.lastFolderKey = "lastH5pFileDir";
        k.saveFailureTitle = tr("Problem saving H5P file");
        k.saveFailureText = tr("Unable to save the H5P file to \n");
        k.openTitle = tr("Open H5P file");
        k.archive = true;
        // H5P's notation cannot hold every answer: the teacher learns what is left out before
        // choosing a file, and a package without a single gap is not written at all.
        k.check = [h5pKind](MainWindow &w, const ExerciseModel &model) {
            if (H5PExport::gapCount(model, h5pKind) == 0) {
                QMessageBox::warning(&w, tr("H5P"),
                    tr("None of the output entries has a key word that H5P can hold. No file was written."));
                return false;
            }
            const QStringList problems = H5PExport::problems(model, h5pKind);
            if (!problems.isEmpty())
                QMessageBox::warning(&w, tr("H5P"),
                    tr("H5P marks gaps with \"*\", \"/\" and \":\" and cannot hold them in an answer. "
                       "These are left out of the file:")
                        + QLatin1String("\n\n") + problems.join(QLatin1Char('\n')));
            return true;
        };
        k.write = [h5pKind](const ExerciseModel &model) {
            const InteractivePageSettings page = DlgInteractivePage::storedSettings();
            return H5PExport::package(
                model, h5pKind, H5PExport::Marking {page.caseSensitive, page.accentsRequired});
        };
        return k;
    };

    k = h5pRow(H5PExport::Kind::Blanks);
    k.actionName = "actSaveAsH5pBlanks";
    k.carriesDistractors = false;
    k.actionText = tr("H5P: &Fill in the Blanks");
    k.statusTip = tr("Export the current output sentences as an H5P \"Fill in the Blanks\" exercise; the "
                     "learning platform needs that content type installed.");
    k.dialogTitle = tr("Save H5P Fill in the Blanks file");
    table.append(k);

    k = h5pRow(H5PExport::Kind::DragText);
    k.actionName = "actSaveAsH5pDragText";
    k.carriesDistractors = true;
    k.actionText = tr("H5P: &Drag the Words");
    k.statusTip = tr("Export the current output sentences as an H5P \"Drag the Words\" exercise; the "
                     "learning platform needs that content type installed.");
    k.dialogTitle = tr("Save H5P Drag the Words file");
    table.append(k);

    k = ExportKind();
    k.actionName = "actSaveAsScorm";
    k.carriesDistractors = true;
    k.buttonName = "btnExportPlatform";
    k.buttonMenuName = "mnuExportPlatform";
    k.actionText = tr("&SCORM package (interactive page)");
    k.buttonText = tr("LMS");
    k.iconPath = QStringLiteral(":/svgIcons/doc_package.svg");
    k.statusTip
        = tr("Export the current output sentences as a SCORM 1.2 package of the interactive web page, "
             "which reports the pupil's score to the learning platform.");
    k.helpPage = QStringLiteral("lxv_main_exportScorm.htm");
    k.dialogTitle = tr("Save SCORM package");
    k.dialogFilter = tr("SCORM packages (*.zip)");
    k.endings = QStringList {QStringLiteral(".zip")};
    k.lastFolderKey = "lastScormFileDir";
    k.templateName = QStringLiteral("interactive_exercise.html");
    k.saveFailureTitle = tr("Problem saving SCORM package");
    k.saveFailureText = tr("Unable to save the SCORM package to \n");
    k.openTitle = tr("Open SCORM package");
    k.archive = true;
    k.xml = true; // the manifest
    k.check = [](MainWindow &w, const ExerciseModel &model) {
        DlgInteractivePage dialog(&w);
        dialog.setWordListIncluded(model.options.includeWordList);
        dialog.setPassMarkShown(true);
        return dialog.exec() == QDialog::Accepted;
    };
    k.fillText = [](const ExerciseModel &model, const QByteArray &pageTemplate) {
        return ScormPackage::package(model, DlgInteractivePage::storedSettings(), pageTemplate);
    };
    table.append(k);

    return table;
}

const MainWindow::ExportKind &MainWindow::exportKind(const char *actionName) const
{
    for (const ExportKind &kind : exportKinds()) {
        if (qstrcmp(kind.actionName, actionName) == 0)
            return kind;
    }
    qFatal("no export kind %s", actionName);
}

void MainWindow::createExportControls()
{
    exportTable = std::make_shared<const QList<ExportKind>>(makeExportKinds());
    for (const ExportKind &kind : exportKinds()) {
        QAction *action = newAction(kind.actionName, kind.actionText, kind.iconPath, kind.statusTip);
        // The kinds with a button member of their own are the window's first five; the later ones
        // go in the second box, which wraps below the first on a narrow screen.
        QDialogButtonBox *box = kind.button ? bbxExport : bbxExportMore;
        QPushButton *button = box->findChild<QPushButton *>(QLatin1String(kind.buttonName));
        if (!button)
            button = newButton(box, kind.buttonName, kind.buttonText, kind.iconPath, false);
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
        if (!kind.shortcut.isEmpty())
            action->setShortcut(kind.shortcut);
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
    return kind.lastFolder ? this->*kind.lastFolder : exportFolders[QLatin1String(kind.lastFolderKey)];
}

QString MainWindow::lastExportFolder(const char *actionName) const
{
    const ExportKind &kind = exportKind(actionName);
    return kind.lastFolder ? this->*kind.lastFolder : exportFolders.value(QLatin1String(kind.lastFolderKey));
}

void MainWindow::readExportFolders(const QSettings &settings, const QString &defaultFolder)
{
    for (const ExportKind &kind : exportKinds()) {
        if (kind.lastFolderKey && !kind.lastFolder)
            exportFolder(kind) = settings.value(QLatin1String(kind.lastFolderKey), defaultFolder).toString();
    }
}

void MainWindow::writeExportFolders(QSettings &settings) const
{
    for (const ExportKind &kind : exportKinds()) {
        if (kind.lastFolderKey && !kind.lastFolder)
            settings.setValue(
                QLatin1String(kind.lastFolderKey), exportFolders.value(QLatin1String(kind.lastFolderKey)));
    }
}

void MainWindow::addExportHelpPages(QMap<QWidget *, QString> &pages) const
{
    for (int i = 0; i < exportButtons.size(); ++i)
        pages.insert(exportButtons.at(i), exportKinds().at(i).helpPage);
}

QString MainWindow::exerciseTitle() const
{
    const QString typed = ledExerciseTitle->text().trimmed();
    if (!typed.isEmpty())
        return typed;
    // The working database's file name is no title a pupil should read.
    const QString name = curFile.isEmpty() ? QString() : QFileInfo(curFile).completeBaseName();
    return name == QLatin1String("CurrentDB") ? QString() : name;
}

QStringList MainWindow::typedDistractors() const
{
    static const QRegularExpression separators(QStringLiteral("[,\\n]"));
    return pteExtraWords->toPlainText().split(separators, Qt::SkipEmptyParts);
}

QStringList MainWindow::databaseKeyWords(const QStringList &entries) const
{
    // The first answers of the key words of every sentence that is not in the exercise.
    const QSet<QString> used(entries.begin(), entries.end());
    QStringList words;
    for (int i = 0; i < db->itemCount(); ++i) {
        for (int j = 0; j < db->sentenceCount(i); ++j) {
            const QString &text = db->sentenceAt(i, j)->textRef();
            if (!text.contains(QLatin1Char('[')) || used.contains(text))
                continue;
            LxdSentence::gapKeyWords(text, words, QString());
        }
    }
    words.removeDuplicates();
    return words;
}

ExerciseModel MainWindow::exerciseModel() const
{
    const QStringList entries = outputEntries();
    const ExerciseOptions options = exerciseOptions();
    const QStringList distractorInput {
        pteExtraWords->toPlainText(), QString::number(spbDatabaseWords->value())};
    if (!keptSeed || entries != keptEntries || options != keptOptions
        || distractorInput != keptDistractorInput) {
        keptSeed = RandomSource().seed();
        keptEntries = entries;
        keptOptions = options;
        keptDistractorInput = distractorInput;
    }
    ExerciseModel model = ExerciseModelBuilder::build(entries, options, *keptSeed, exerciseTitle());
    model.titleTyped = !ledExerciseTitle->text().trimmed().isEmpty();
    const int drawn = spbDatabaseWords->value();
    ExerciseModelBuilder::addDistractors(
        model, typedDistractors(), drawn, drawn > 0 ? databaseKeyWords(entries) : QStringList());
    return model;
}

void MainWindow::runExport(const ExportKind &kind)
{
    if (kind.writesFile() && lwOutput->count() == 0)
        return;
    const ExerciseModel model = exerciseModel();
    noteSessionChanged(); // the seed of the shuffles is kept from the first export on
    if (kind.check && !kind.check(*this, model))
        return;
    if (kind.hotPotatoes) {
        const QStringList problems = TemplateFill::hotPotatoesProblems(
            model.orderedEntries(), qstrcmp(kind.actionName, "actSaveAsJMatch") == 0);
        if (!problems.isEmpty())
            QMessageBox::warning(this, tr("Hot Potatoes players"),
                tr("Neither the suite's own page nor Moodle's player can show these as typed:")
                    + QLatin1String("\n\n") + problems.join(QLatin1Char('\n')));
    }
    if (kind.firstAnswersOnly) {
        const QStringList sentences = ExerciseRender::sentencesWithNotation(model);
        if (!sentences.isEmpty())
            QMessageBox::information(this, tr("Clues and alternatives left out"),
                tr("This format shows only the first answer of each gap and no clue. In these "
                   "sentences the other answers and the clues are left out:")
                    + QLatin1String("\n\n") + sentences.join(QLatin1Char('\n')));
    }
    if (!model.distractors.isEmpty() && !(kind.carriesDistractors && model.options.includeWordList))
        QMessageBox::information(this, tr("Extra words left out"),
            tr("This export has no word bank to put the extra words in; they are left out."));
    if (kind.run)
        kind.run(*this, model);
    else
        exportOutput(kind, model);
}

void MainWindow::exportOutput(const ExportKind &kind, const ExerciseModel &model)
{
    QString &lastFolder = exportFolder(kind);
    QString target = ZelFileDialog::getSaveFileName(this, kind.dialogTitle, lastFolder, kind.dialogFilter);
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
        lastFolder = QFileInfo(target).absolutePath();

        QByteArray bytes;
        if (kind.write) {
            bytes = kind.write(model);
        } else {
            const QString templatePath = templateFolder.isEmpty()
                ? ZelUtils::dataPath(QLatin1String("templates/") + kind.templateName)
                : templateFolder + QLatin1Char('/') + kind.templateName;
            const QString templateName = QDir::toNativeSeparators(templatePath);
            QFile templateFile(templatePath);
            if (!templateFile.open(QIODevice::ReadOnly)) {
                warn(tr("Template file missing"),
                    tr("Unable to load the template file from \n") + templateName);
                return;
            }
            if (kind.fillDocument) {
                QDomDocument document;
                const bool parsed = bool(document.setContent(&templateFile));
                templateFile.close();
                if (!parsed) {
                    warn(tr("Problem loading template file"),
                        tr("Unable to load the template file from \n") + templateName);
                    return;
                }
                if (!kind.fillDocument(*this, model, document)) {
                    warn(tr("Problem with template file"),
                        tr("This template file appears to be corrupted: \n") + templateName);
                    return;
                }
                bytes = kind.writeDocument(document);
            } else {
                const std::optional<QByteArray> filled = kind.fillText(model, templateFile.readAll());
                templateFile.close();
                if (!filled) {
                    warn(tr("Problem with template file"),
                        tr("This template file appears to be corrupted: \n") + templateName);
                    return;
                }
                bytes = *filled;
            }
        }

        if (kind.archive && bytes.isEmpty()) {
            warn(kind.saveFailureTitle,
                saveFailure + QLatin1Char('\n') + tr("The ZIP archive could not be made."));
            return;
        }

        // Written aside and put in place only once it is on disk, so a failed export never leaves
        // half a file, nor an empty one.
        QString reason;
        if (!CheckedWrite::writeFile(target, bytes, &reason)) {
            warn(kind.saveFailureTitle, saveFailure + QLatin1Char('\n') + reason);
            return;
        }
    } catch (...) {
        warn(kind.saveFailureTitle, saveFailure);
        return;
    }

    busy.release();
    if (kind.xml) {
        const QStringList changed = ExerciseRender::textsLosingCharacters(
            model, kind.carriesDistractors && model.options.includeWordList);
        if (!changed.isEmpty())
            QMessageBox::information(this, tr("Characters left out"),
                (changed.size() == 1 ? tr("One text held characters that an XML file cannot hold (control "
                                          "characters and the like); they were left out. It now reads:")
                                     : tr("%1 texts held characters that an XML file cannot hold (control "
                                          "characters and the like); they were left out. The first now "
                                          "reads:")
                                           .arg(changed.size()))
                    + QLatin1String("\n\n") + changed.first());
    }
    if (kind.showInFolder) {
        if (QMessageBox::question(this, kind.openTitle,
                tr("Do you want to show the saved file in its folder?"), QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes)
            == QMessageBox::Yes)
            ZelUtils::openFile(QFileInfo(target).absolutePath(), true);
        return;
    }
    if (QMessageBox::question(this, kind.openTitle, tr("Do you want to open the saved file?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes)
        ZelUtils::openFile(target, true);
}

// The slots of the documented commands, each one row of the table.
void MainWindow::sentencesToClipboard()
{
    runExport(exportKind("actSentencesToClipboard"));
}

void MainWindow::saveAsRTF()
{
    runExport(exportKind("actSaveAsRTF"));
}

void MainWindow::saveAsXHTML()
{
    runExport(exportKind("actSaveAsXHTML"));
}

void MainWindow::saveAsJMatch()
{
    runExport(exportKind("actSaveAsJMatch"));
}

void MainWindow::saveAsJCloze()
{
    runExport(exportKind("actSaveAsJCloze"));
}
