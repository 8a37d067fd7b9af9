// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands of the main window on real files: new, open, append, save, save as, backup, quit,
// XML export and import, with their questions, messages, window title and recent-file list.
#include "app/mainwindow.h"
#include "data/checkedwrite.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmllimits.h"
#include "document/lxddocument.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "support/boxanswerer.h"
#include "support/dbfixtures.h"
#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QMessageBox>
#include <QMetaMethod>
#include <QProcess>
#include <QPushButton>
#include <QResource>
#include <QSet>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWindow>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// Two headwords, deliberately out of order: the reader keeps the file's order.
const QByteArray WordsFile = Bom
    + "dog&&&{1}The [dog] barked.\r\n"
      "cat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is black.\r\n";

const QByteArray NewWordsFile = Bom
    + "bird&&&{0}A [bird] sang.\r\n"
      "ant&&&{3}An [ant] is small.\r\n";

// What the system says of a folder that is not there.
const QString NoSuchFolder = QString::fromLocal8Bit(std::strerror(ENOENT));

const QByteArray RepeatsFile = Bom
    + "cat&&&{1}The [cat] sat on the [mat].&&&{0}A [cat] purrs.\r\n"
      "emu&&&{0}An [emu] ran.\r\n";

// A small tmpfs of its own, unmounted again at the end: a disk that can really be filled up. Only
// root may mount one.
class SmallDisk
{
public:
    bool mount(const QString &folder, int megabytes)
    {
        if (::geteuid() != 0)
            return false;
        const QStringList arguments {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
            QStringLiteral("size=%1m").arg(megabytes), QStringLiteral("tmpfs"), folder};
        if (QProcess::execute(QStringLiteral("mount"), arguments) != 0)
            return false;
        mounted = folder;
        return true;
    }

    // Takes every free block.
    void fill() const
    {
        QFile filler(mounted + QLatin1String("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) { }
    }

    ~SmallDisk()
    {
        if (!mounted.isEmpty())
            QProcess::execute(QStringLiteral("umount"), {mounted});
    }

private:
    QString mounted;
};

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unsavedChangesGuard_data();
    void unsavedChangesGuard();
    void unmodifiedDatabaseAsksNothing();
    void newMakesEmptyUntitledDatabase();
    void quitClosesTheWindow();

    void openLoadsFileAndSelectsFirstHeadword();
    void openWorksUnderBusyCursor();
    void failedOpenLeavesUntitledDatabase();
    void openOddFiles_data();
    void openOddFiles();
    void openRejectsBinaryFileAndKeepsDatabase();
    void cancelledOpenDialogChangesNothing();

    void appendWithoutRepeats();
    void appendToEmptyDatabaseSelectsFirstHeadword();
    void appendWithRepeats_data();
    void appendWithRepeats();
    void appendUnreadableFileChangesNothing_data();
    void appendUnreadableFileChangesNothing();

    void saveOnUntitledAsksForName();
    void saveOnTitledWritesWithoutDialog();
    void saveAsCompletesSuffix_data();
    void saveAsCompletesSuffix();
    void saveAsPutsNewNameOnTop();
    void saveAsOverwriteQuestion_data();
    void saveAsOverwriteQuestion();
    void failedSaveKeepsNameAndFlag();
    void savedFileReadsBackIdentically();

    void backupOnUntitledSavesAs();
    void backupWritesBesideAndKeepsFlag_data();
    void backupWritesBesideAndKeepsFlag();
    void secondBackupReplacesFirst();
    void failedBackupIsReported();
    void fullDiskLeavesOldFileWhole_data();
    void fullDiskLeavesOldFileWhole();

    void exportXmlCompletesSuffix_data();
    void exportXmlCompletesSuffix();
    void exportXmlOverwriteQuestion_data();
    void exportXmlOverwriteQuestion();
    void failedExportXmlIsReported();
    void importXmlRoundTrip();
    void importXmlFailures_data();
    void importXmlFailures();
    void cancelledImportKeepsDatabaseAndReselects();
    void importBreaksUpSeparators();
    void largeFileQuestion_data();
    void largeFileQuestion();

private:
    std::unique_ptr<MainWindow> newWindow();
    QString write(const QString &name, const QByteArray &bytes);
    void open(MainWindow &w, const QString &path);
    static QStringList content(const MainWindow &w);
    static QString title(const QString &shownName);
    // The title as shown, less the unsaved-changes marker, which the undo tests follow on its own.
    static QString shownTitle(const MainWindow &w)
    {
        return w.windowHandle()->title().remove(QLatin1Char('*'));
    }
    static QString currentHeadword(const MainWindow &w);
    static QString status(const MainWindow &w) { return w.statusBar()->currentMessage(); }
    static QString recentFile(const MainWindow &w, int j);
    static void edit(MainWindow &w);
    // The window's parts a test looks at: the database as its document holds it, the headword list,
    // recent file entry j.
    static LxdDatabase *dbOf(const MainWindow &w)
    {
        return TestUtil::child<LxdDocument>(&w, "doc")->database();
    }
    static QListView *wordList(const MainWindow &w) { return TestUtil::child<QListView>(&w, "lvWords"); }
    static QAction *recentAction(const MainWindow &w, int j)
    {
        return TestUtil::child<QAction>(&w, QByteArray("recentFileActs" + QByteArray::number(j)).constData());
    }
    // Runs the command slot `slot` as its menu entry would; what it returns, or true for one that
    // returns nothing.
    static bool run(MainWindow &w, const char *slot);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestUtil::BoxAnswerer> boxes;
};

void TestFileCommands::initTestCase()
{
    ZelUtils::setApplicationIdentity();
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));
}

void TestFileCommands::init()
{
    QSettings settings;
    settings.clear();
    // Keep the first-run set-up and its dialog out of these tests.
    settings.setValue(QStringLiteral("application/firstRun"), false);
    settings.sync();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    ZelFileDialog::reset();
    boxes = std::make_unique<TestUtil::BoxAnswerer>();
}

void TestFileCommands::cleanup()
{
    QVERIFY2(boxes->unexpected().isEmpty(), qPrintable(boxes->unexpected().join(QLatin1String("; "))));
    QCOMPARE(boxes->pending(), 0);
    QCOMPARE(ZelFileDialog::pendingFileNames(), 0);
    QVERIFY2(!QApplication::overrideCursor(), "the busy cursor was left on");
    boxes.reset();
    TestUtil::resetHooks();
    dir.reset();
}

std::unique_ptr<MainWindow> TestFileCommands::newWindow()
{
    auto w = std::make_unique<MainWindow>();
    w->show();
    return w;
}

QString TestFileCommands::write(const QString &name, const QByteArray &bytes)
{
    return TestUtil::writeFile(*dir, name, bytes);
}

void TestFileCommands::open(MainWindow &w, const QString &path)
{
    ZelFileDialog::setNextFileName(path);
    run(w, "fileOpen");
}

QStringList TestFileCommands::content(const MainWindow &w)
{
    QStringList lines;
    for (int i = 0; i < dbOf(w)->itemCount(); ++i)
        lines.append(DbFixtures::fileLine(*dbOf(w)->itemAt(i)));
    return lines;
}

QString TestFileCommands::title(const QString &shownName)
{
    return QStringLiteral("Lexivane 3: %1 - database").arg(shownName);
}

QString TestFileCommands::currentHeadword(const MainWindow &w)
{
    const QModelIndex current = wordList(w)->selectionModel()->currentIndex();
    if (!current.isValid())
        return QString();
    // The sentence table must show the sentences of the headword that is current in the list.
    if (w.sentenceTableModel()->currentItem() != current.row())
        return QStringLiteral("<sentence table shows another headword>");
    if (!wordList(w)->selectionModel()->isSelected(current))
        return QStringLiteral("<current headword not selected>");
    return current.data().toString();
}

QString TestFileCommands::recentFile(const MainWindow &w, int j)
{
    if (!recentAction(w, j)->isVisible())
        return QString();
    return recentAction(w, j)->data().toString();
}

bool TestFileCommands::run(MainWindow &w, const char *slot)
{
    return TestUtil::runCommand(w, slot);
}

// An edit as the teacher makes one, through the document's history.
void TestFileCommands::edit(MainWindow &w)
{
    auto *doc = TestUtil::child<LxdDocument>(&w, "doc");
    if (dbOf(w)->itemCount() == 0)
        doc->addHeadword(QStringLiteral("yak"));
    else if (dbOf(w)->sentenceCount(0) > 0) {
        const LxdSentence *s = dbOf(w)->sentenceAt(0, 0);
        const QString edited = QStringLiteral("An edited [sentence].");
        doc->editSentence(
            0, 0, s->textRef() == edited ? edited + QLatin1String(" Again.") : edited, s->used());
    } else
        doc->renameHeadword(0, QStringLiteral("edited"));
    QVERIFY(dbOf(w)->isModified());
}

// --- Unsaved changes ---------------------------------------------------------------------------------

void TestFileCommands::unsavedChangesGuard_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<bool>("saveAsCancelled");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");

    const QStringList commands {QStringLiteral("new"), QStringLiteral("open"), QStringLiteral("import"),
        QStringLiteral("recent"), QStringLiteral("close")};
    for (const QString &c : commands) {
        const QByteArray name = c.toLatin1();
        QTest::addRow("%s, yes, titled", name.constData())
            << c << int(QMessageBox::Yes) << true << false << true << true;
        QTest::addRow("%s, yes, untitled, saved as", name.constData())
            << c << int(QMessageBox::Yes) << false << false << true << true;
        QTest::addRow("%s, yes, untitled, save as cancelled", name.constData())
            << c << int(QMessageBox::Yes) << false << true << false << false;
        QTest::addRow("%s, no", name.constData())
            << c << int(QMessageBox::No) << true << false << true << false;
        QTest::addRow("%s, cancel", name.constData())
            << c << int(QMessageBox::Cancel) << true << false << false << false;
        QTest::addRow("%s, escape", name.constData())
            << c << int(QMessageBox::Escape) << true << false << false << false;
    }
}

void TestFileCommands::unsavedChangesGuard()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, titled);
    QFETCH(bool, saveAsCancelled);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);

    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    const QString other = write(QStringLiteral("other.lxv"), NewWordsFile);
    const QString saveAsName = dir->filePath(QStringLiteral("saved.lxv"));
    auto w = newWindow();
    if (titled) {
        open(*w, words);
    } else {
        dbOf(*w)->addItem()->setHeadword(QStringLiteral("yak"));
    }
    // The recent command opens the entry below the current file (or the only one when untitled).
    const int recentEntry = titled ? 1 : 0;
    if (command == QLatin1String("recent")) {
        // Opened last before the current file, or the only one when untitled.
        const QString current = w->currentFile();
        w->setCurrentFileForTesting(other);
        w->setCurrentFileForTesting(current);
    }
    edit(*w);
    const QStringList edited = content(*w);
    const int dialogsBefore = ZelFileDialog::requestCount();

    if (answer == QMessageBox::Escape)
        boxes->escape();
    else
        boxes->press(QMessageBox::StandardButton(answer));
    if (answer == QMessageBox::Yes && !titled)
        ZelFileDialog::setNextFileName(saveAsCancelled ? QString() : saveAsName);
    // What the command asks for once it may go on: nothing is chosen, so it stops there.
    if (goesOn && (command == QLatin1String("open") || command == QLatin1String("import")))
        ZelFileDialog::setNextFileName(QString());

    if (command == QLatin1String("new"))
        run(*w, "fileNew");
    else if (command == QLatin1String("open"))
        run(*w, "fileOpen");
    else if (command == QLatin1String("import"))
        run(*w, "fileImportXml");
    else if (command == QLatin1String("recent"))
        recentAction(*w, recentEntry)->trigger();
    else
        w->close();

    QCOMPARE(boxes->seen(),
        QStringList {QStringLiteral("Resource file|The database has been modified.\nDo you want to save your "
                                    "changes?|")});

    // Saved: to the open file, or through the Save As dialog.
    if (saved) {
        const QString target = titled ? words : saveAsName;
        LxdDatabase check;
        QVERIFY(check.loadText(target));
        QCOMPARE(DbFixtures::fileLine(*check.itemAt(0)), edited.first());
    } else {
        QCOMPARE(TestUtil::readFile(words), WordsFile);
        QVERIFY(!QFile::exists(saveAsName));
    }
    const int saveAsDialogs = answer == QMessageBox::Yes && !titled ? 1 : 0;

    if (!goesOn) {
        QCOMPARE(content(*w), edited);
        QVERIFY(dbOf(*w)->isModified());
        QVERIFY(w->isVisible());
        QCOMPARE(ZelFileDialog::requestCount() - dialogsBefore, saveAsDialogs);
    } else if (command == QLatin1String("new")) {
        QCOMPARE(dbOf(*w)->itemCount(), 0);
        QCOMPARE(shownTitle(*w), title(QStringLiteral("Untitled")));
        QVERIFY(!dbOf(*w)->isModified());
    } else if (command == QLatin1String("open") || command == QLatin1String("import")) {
        QCOMPARE(ZelFileDialog::requestCount() - dialogsBefore, saveAsDialogs + 1);
        QCOMPARE(ZelFileDialog::lastRequest().kind, ZelFileDialog::Open);
    } else if (command == QLatin1String("recent")) {
        QCOMPARE(w->currentFile(), other);
        QCOMPARE(content(*w).first(), QStringLiteral("bird&&&{0}A [bird] sang."));
    } else {
        QVERIFY(!w->isVisible());
    }
}

void TestFileCommands::unmodifiedDatabaseAsksNothing()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    const QString other = write(QStringLiteral("other.lxv"), NewWordsFile);
    auto w = newWindow();
    open(*w, words);
    open(*w, other);
    QCOMPARE(w->currentFile(), other);
    run(*w, "fileNew");
    QCOMPARE(dbOf(*w)->itemCount(), 0);
    w->close();
    QVERIFY(!w->isVisible());
    QVERIFY(boxes->seen().isEmpty());
}

void TestFileCommands::newMakesEmptyUntitledDatabase()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    boxes->press(QMessageBox::No);
    edit(*w);
    run(*w, "fileNew");
    QCOMPARE(dbOf(*w)->itemCount(), 0);
    QCOMPARE(w->sentenceTableModel()->rowCount(), 0);
    QVERIFY(w->currentFile().isEmpty());
    QCOMPARE(shownTitle(*w), title(QStringLiteral("Untitled")));
    QVERIFY(!dbOf(*w)->isModified());
    // No headword is left to delete or to take a new sentence.
    QVERIFY(!TestUtil::child<QPushButton>(w.get(), "btnDeleteWord")->isEnabled());
    QVERIFY(!TestUtil::child<QAction>(w.get(), "actDeleteWords")->isEnabled());
    QVERIFY(!TestUtil::child<QPushButton>(w.get(), "btnAddSentence")->isEnabled());
    QVERIFY(!TestUtil::child<QAction>(w.get(), "actAddSentence")->isEnabled());
    // The file that was open stays in the recent list; the untitled database never enters it.
    QCOMPARE(recentFile(*w, 0), words);
    QCOMPARE(TestUtil::readFile(words), WordsFile);
}

void TestFileCommands::quitClosesTheWindow()
{
    auto w = newWindow();
    edit(*w);
    boxes->press(QMessageBox::Cancel);
    run(*w, "fileQuit");
    QVERIFY(w->isVisible());
    boxes->press(QMessageBox::No);
    run(*w, "fileQuit");
    QVERIFY(!w->isVisible());
    QCOMPARE(boxes->seen().size(), 2);
}

// --- Open ----------------------------------------------------------------------------------------------

void TestFileCommands::openLoadsFileAndSelectsFirstHeadword()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/start/here"));
    open(*w, words);

    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.kind, ZelFileDialog::Open);
    QCOMPARE(request.caption, QStringLiteral("Open vocabulary database file"));
    QCOMPARE(request.dir, QStringLiteral("/start/here"));
    QCOMPARE(request.filter, QStringLiteral("Vocabulary database files (*.lxv *.voc)"));

    QCOMPARE(content(*w),
        QStringList({QStringLiteral("dog&&&{1}The [dog] barked."),
            QStringLiteral("cat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is black.")}));
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
    QCOMPARE(recentFile(*w, 0), words);
    QCOMPARE(w->lastFolder(QStringLiteral("lastVocFileDir")), QFileInfo(words).canonicalPath());
    QCOMPARE(status(*w), QStringLiteral("File loaded"));
    QCOMPARE(currentHeadword(*w), QStringLiteral("dog"));
    QCOMPARE(w->sentenceTableModel()->rowCount(), 1);
    QVERIFY(!dbOf(*w)->isModified());
    QVERIFY(boxes->seen().isEmpty());
}

void TestFileCommands::openWorksUnderBusyCursor()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    QList<int> shapes;
    connect(w->wordListModel(), &QAbstractItemModel::modelReset, this, [&shapes] {
        const QCursor *cursor = QApplication::overrideCursor();
        shapes.append(cursor ? int(cursor->shape()) : -1);
    });
    open(*w, words);
    QVERIFY(!shapes.isEmpty());
    for (int shape : std::as_const(shapes))
        QCOMPARE(shape, int(Qt::WaitCursor));
}

void TestFileCommands::failedOpenLeavesUntitledDatabase()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    const QString missing = dir->filePath(QStringLiteral("gone.lxv"));
    auto w = newWindow();
    open(*w, words);
    open(*w, missing);

    QCOMPARE(status(*w), QStringLiteral("Loading cancelled."));
    QCOMPARE(dbOf(*w)->itemCount(), 0);
    QVERIFY(w->currentFile().isEmpty());
    QCOMPARE(shownTitle(*w), title(QStringLiteral("Untitled")));
    QCOMPARE(recentFile(*w, 0), words);
    QVERIFY(!dbOf(*w)->isModified());
    QVERIFY(boxes->seen().isEmpty());

    // A save now asks for a name instead of replacing the file that was open with nothing.
    ZelFileDialog::setNextFileName(QString());
    QVERIFY(!run(*w, "fileSave"));
    QCOMPARE(ZelFileDialog::lastRequest().kind, ZelFileDialog::Save);
    QCOMPARE(TestUtil::readFile(words), WordsFile);
}

void TestFileCommands::openOddFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("empty") << QByteArray() << QStringList();
    QTest::addRow("only a byte-order mark") << Bom << QStringList();
    QTest::addRow("blank lines") << QByteArray("\r\n   \r\n\n") << QStringList();
    QTest::addRow("ISO 8859-1 without mark") << QByteArray("caf\xE9&&&{0}Un [caf\xE9] noir.\r\n")
                                             << QStringList {QStringLiteral("café&&&{0}Un [café] noir.")};
    QTest::addRow("UTF-8 without mark, LF only")
        << QByteArray("caf\xC3\xA9&&&{1}Un [caf\xC3\xA9].\nox\n")
        << QStringList {QStringLiteral("café&&&{1}Un [café]."), QStringLiteral("ox")};
    QTest::addRow("UTF-16 with mark") << QByteArray("\xFF\xFE"
                                                    "c\0a\0t\0\r\0\n\0",
        12) << QStringList {QStringLiteral("cat")};
    QTest::addRow("text that is no database")
        << QByteArray("Dear colleague,\nsee you [tomorrow\n")
        << QStringList {QStringLiteral("Dear colleague,"), QStringLiteral("see you [tomorrow")};
}

void TestFileCommands::openOddFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const QString path = write(QStringLiteral("odd.lxv"), bytes);
    auto w = newWindow();
    open(*w, path);
    QCOMPARE(content(*w), expected);
    QCOMPARE(w->currentFile(), path);
    QCOMPARE(status(*w), QStringLiteral("File loaded"));
    QCOMPARE(currentHeadword(*w),
        expected.isEmpty() ? QString() : expected.first().section(QLatin1String("&&&"), 0, 0));
}

void TestFileCommands::openRejectsBinaryFileAndKeepsDatabase()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20);
    png.append(QByteArray(500, '\0'));
    const QString picture = write(QStringLiteral("picture.lxv"), png);
    auto w = newWindow();
    open(*w, words);
    const QStringList before = content(*w);

    boxes->press(QMessageBox::Ok);
    open(*w, picture);
    QCOMPARE(boxes->seen(),
        QStringList {QStringLiteral("File open error|This file is not a vocabulary database:\n%1|")
                         .arg(QDir::toNativeSeparators(picture))});
    QCOMPARE(boxes->busyDuringBox, QList<bool> {false});
    QCOMPARE(status(*w), QStringLiteral("Loading cancelled."));
    QCOMPARE(content(*w), before);
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(recentFile(*w, 0), words);
}

void TestFileCommands::cancelledOpenDialogChangesNothing()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/kept"));
    open(*w, QString());
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(dbOf(*w)->itemCount(), 2);
    QCOMPARE(w->lastFolder(QStringLiteral("lastVocFileDir")), QStringLiteral("/kept"));
}

// --- Append --------------------------------------------------------------------------------------------

void TestFileCommands::appendWithoutRepeats()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    const QString more = write(QStringLiteral("more.voc"), NewWordsFile);
    auto w = newWindow();
    open(*w, words);
    edit(*w); // appending asks nothing about unsaved changes
    w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/start"));

    ZelFileDialog::setNextFileName(more);
    run(*w, "fileAppend");

    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.caption, QStringLiteral("Append vocabulary database file"));
    QCOMPARE(request.dir, QStringLiteral("/start"));
    QCOMPARE(request.filter, QStringLiteral("Vocabulary database files (*.lxv *.voc)"));
    QVERIFY(boxes->seen().isEmpty());

    QCOMPARE(status(*w), QStringLiteral("Appending file completed."));
    QStringList headwords;
    for (int i = 0; i < dbOf(*w)->itemCount(); ++i)
        headwords.append(dbOf(*w)->headword(i));
    QCOMPARE(headwords,
        QStringList(
            {QStringLiteral("ant"), QStringLiteral("bird"), QStringLiteral("cat"), QStringLiteral("dog")}));
    QCOMPARE(wordList(*w)->model()->rowCount(), 4);
    QCOMPARE(currentHeadword(*w), QStringLiteral("ant"));
    QVERIFY(dbOf(*w)->isModified());
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
    QCOMPARE(recentFile(*w, 0), words);
    QCOMPARE(w->lastFolder(QStringLiteral("lastVocFileDir")), QFileInfo(more).canonicalPath());
}

void TestFileCommands::appendToEmptyDatabaseSelectsFirstHeadword()
{
    const QString more = write(QStringLiteral("more.lxv"), NewWordsFile);
    auto w = newWindow();
    QCOMPARE(dbOf(*w)->itemCount(), 0);
    ZelFileDialog::setNextFileName(more);
    run(*w, "fileAppend");
    QCOMPARE(dbOf(*w)->itemCount(), 2);
    QCOMPARE(currentHeadword(*w), QStringLiteral("ant"));
    QCOMPARE(w->sentenceTableModel()->rowCount(), 1);
    QVERIFY(w->currentFile().isEmpty());
    QVERIFY(dbOf(*w)->isModified());
}

void TestFileCommands::appendWithRepeats_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");

    const QString dog = QStringLiteral("dog&&&{1}The [dog] barked.");
    const QString emu = QStringLiteral("emu&&&{0}An [emu] ran.");
    const QString oldCat = QStringLiteral("cat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is black.");

    QTest::addRow("merge") << QStringList {QStringLiteral("yes"), QStringLiteral("&Merge")}
                           << QStringLiteral("Appending file completed.")
                           << QStringList {
                                  QStringLiteral("cat&&&{3}The [cat] sat on the [mat].&&&{0}My [cat] is "
                                                 "black.&&&{0}A [cat] purrs."),
                                  dog, emu};
    QTest::addRow("keep") << QStringList {QStringLiteral("yes"), QStringLiteral("&Keep")}
                          << QStringLiteral("Appending file completed.")
                          << QStringList {QStringLiteral("cat"), QStringLiteral("cat"), dog, emu};
    // Cancelled: nothing is taken in, but the headwords are put in order all the same.
    QTest::addRow("cancel at first") << QStringList {QStringLiteral("cancel")}
                                     << QStringLiteral("Appending file cancelled.")
                                     << QStringList {oldCat, dog};
    QTest::addRow("escape at first") << QStringList {QStringLiteral("escape")}
                                     << QStringLiteral("Appending file cancelled.")
                                     << QStringList {oldCat, dog};
    QTest::addRow("cancel at second")
        << QStringList {QStringLiteral("yes"), QStringLiteral("cancel")}
        << QStringLiteral("Appending file cancelled.") << QStringList {oldCat, dog};
    QTest::addRow("escape at second")
        << QStringList {QStringLiteral("yes"), QStringLiteral("escape")}
        << QStringLiteral("Appending file cancelled.") << QStringList {oldCat, dog};
}

void TestFileCommands::appendWithRepeats()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, message);
    QFETCH(QStringList, expected);

    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    const QString repeats = write(QStringLiteral("repeats.lxv"), RepeatsFile);
    auto w = newWindow();
    open(*w, words);

    for (const QString &answer : std::as_const(answers)) {
        if (answer == QLatin1String("yes"))
            boxes->press(QMessageBox::Yes);
        else if (answer == QLatin1String("cancel"))
            boxes->press(QMessageBox::Cancel);
        else if (answer == QLatin1String("escape"))
            boxes->escape();
        else
            boxes->pressText(answer);
    }
    ZelFileDialog::setNextFileName(repeats);
    run(*w, "fileAppend");

    const QString first = QStringLiteral(
        "Duplicate entries in database|The database you are appending contains some of the same headwords as "
        "the current database.|Are you sure you want to continue?");
    const QString second = QStringLiteral(
        "Duplicate entries in database|You can either merge duplicate headwords into a single entry, or keep "
        "the duplicates.|Would you like to merge duplicates or keep them?");
    QCOMPARE(boxes->seen(), answers.size() == 1 ? QStringList {first} : QStringList({first, second}));
    for (bool busy : std::as_const(boxes->busyDuringBox))
        QVERIFY(!busy);

    QStringList actual = content(*w);
    if (expected.contains(QStringLiteral("cat")) && expected.count(QStringLiteral("cat")) == 2) {
        // Kept: both headwords, the old and the appended one, in either order.
        QCOMPARE(dbOf(*w)->headword(0), QStringLiteral("cat"));
        QCOMPARE(dbOf(*w)->headword(1), QStringLiteral("cat"));
        QCOMPARE(QSet<int>({dbOf(*w)->sentenceCount(0), dbOf(*w)->sentenceCount(1)}), QSet<int>({2}));
        actual[0] = actual[1] = QStringLiteral("cat");
    }
    QCOMPARE(actual, expected);
    QCOMPARE(status(*w), message);
    QCOMPARE(wordList(*w)->model()->rowCount(), expected.size());
    QCOMPARE(currentHeadword(*w), QStringLiteral("cat"));
    QCOMPARE(w->sentenceTableModel()->rowCount(), dbOf(*w)->sentenceCount(0));
    QVERIFY(dbOf(*w)->isModified());
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
}

void TestFileCommands::appendUnreadableFileChangesNothing_data()
{
    QTest::addColumn<bool>("binary");
    QTest::addRow("missing") << false;
    QTest::addRow("not a database") << true;
}

void TestFileCommands::appendUnreadableFileChangesNothing()
{
    QFETCH(bool, binary);
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    const QString bad = binary ? write(QStringLiteral("archive.lxv"), QByteArray("PK\x03\x04\0\0\0\0", 8))
                               : dir->filePath(QStringLiteral("missing.lxv"));
    auto w = newWindow();
    open(*w, words);
    const QStringList before = content(*w);
    if (binary)
        boxes->press(QMessageBox::Ok);
    ZelFileDialog::setNextFileName(bad);
    run(*w, "fileAppend");
    QCOMPARE(status(*w), QStringLiteral("Appending file failed."));
    QCOMPARE(content(*w), before);
    QVERIFY(!dbOf(*w)->isModified());
    QCOMPARE(boxes->seen().size(), binary ? 1 : 0);
}

// --- Save -----------------------------------------------------------------------------------------------

void TestFileCommands::saveOnUntitledAsksForName()
{
    auto w = newWindow();
    w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/start"));
    edit(*w);
    const QString target = dir->filePath(QStringLiteral("new.lxv"));
    ZelFileDialog::setNextFileName(target);
    QVERIFY(run(*w, "fileSave"));

    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.kind, ZelFileDialog::Save);
    QCOMPARE(request.caption, QStringLiteral("Save database file"));
    QCOMPARE(request.dir, QStringLiteral("/start"));
    QCOMPARE(request.filter, QStringLiteral("Vocabulary database files (*.lxv)"));

    QCOMPARE(TestUtil::readFile(target), Bom + "yak\r\n");
    QCOMPARE(w->currentFile(), target);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("new.lxv")));
    QCOMPARE(recentFile(*w, 0), target);
    QCOMPARE(status(*w), QStringLiteral("File saved"));
    QVERIFY(!dbOf(*w)->isModified());
}

void TestFileCommands::saveOnTitledWritesWithoutDialog()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    edit(*w);
    const int dialogs = ZelFileDialog::requestCount();
    const int folderSyncs = CheckedWrite::folderSyncsForTesting();
    QVERIFY(run(*w, "fileSave"));
    QCOMPARE(ZelFileDialog::requestCount(), dialogs);
    // Only a synced folder keeps the rename through a power cut.
    QVERIFY(CheckedWrite::folderSyncsForTesting() > folderSyncs);
    QCOMPARE(TestUtil::readFile(words),
        Bom
            + "dog&&&{1}An edited [sentence].\r\ncat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is "
              "black.\r\n");
    QCOMPARE(status(*w), QStringLiteral("File saved"));
    QVERIFY(!dbOf(*w)->isModified());
}

void TestFileCommands::saveAsCompletesSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addRow("no suffix") << "exercise"
                               << "exercise.lxv";
    QTest::addRow("lxv") << "exercise.lxv"
                         << "exercise.lxv";
    QTest::addRow("capital LXV") << "exercise.LXV"
                                 << "exercise.LXV.lxv";
    QTest::addRow("voc") << "exercise.voc"
                         << "exercise.voc.lxv";
    QTest::addRow("dot in folder name") << "a.lxv.d/exercise"
                                        << "a.lxv.d/exercise.lxv";
}

void TestFileCommands::saveAsCompletesSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("a.lxv.d")));
    auto w = newWindow();
    edit(*w);
    ZelFileDialog::setNextFileName(dir->filePath(typed));
    QVERIFY(run(*w, "fileSaveAs"));
    const QString path = dir->filePath(written);
    QVERIFY(QFile::exists(path));
    if (typed != written)
        QVERIFY(!QFile::exists(dir->filePath(typed)) || QFileInfo(dir->filePath(typed)).isDir());
    QCOMPARE(w->currentFile(), path);
    QCOMPARE(shownTitle(*w), title(QFileInfo(path).fileName()));
    QCOMPARE(w->lastFolder(QStringLiteral("lastVocFileDir")), QFileInfo(path).absolutePath());
}

void TestFileCommands::saveAsPutsNewNameOnTop()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    const QString copy = dir->filePath(QStringLiteral("copy.lxv"));
    ZelFileDialog::setNextFileName(copy);
    QVERIFY(run(*w, "fileSaveAs"));
    QCOMPARE(recentFile(*w, 0), copy);
    QCOMPARE(recentFile(*w, 1), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("copy.lxv")));
    QCOMPARE(TestUtil::readFile(copy), WordsFile);

    // A cancelled Save As writes nothing and keeps the name.
    edit(*w);
    ZelFileDialog::setNextFileName(QString());
    QVERIFY(!run(*w, "fileSaveAs"));
    QCOMPARE(w->currentFile(), copy);
    QVERIFY(dbOf(*w)->isModified());
}

void TestFileCommands::saveAsOverwriteQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addRow("yes") << int(QMessageBox::Yes);
    QTest::addRow("no") << int(QMessageBox::No);
    QTest::addRow("escape") << int(QMessageBox::Escape);
}

// The name typed without its ending names another file than the one the dialog asked about.
void TestFileCommands::saveAsOverwriteQuestion()
{
    QFETCH(int, answer);
    const QString existing = write(QStringLiteral("words.lxv"), "old");
    auto w = newWindow();
    edit(*w);
    if (answer == QMessageBox::Escape)
        boxes->escape();
    else
        boxes->press(QMessageBox::StandardButton(answer));
    ZelFileDialog::setNextFileName(dir->filePath(QStringLiteral("words")));
    const bool saved = run(*w, "fileSaveAs");

    QCOMPARE(boxes->seen(),
        QStringList {QStringLiteral(
            "Overwrite file?|This file already exists. Are you sure you want to overwrite it?|")});
    QCOMPARE(saved, answer == QMessageBox::Yes);
    QCOMPARE(TestUtil::readFile(existing) == "old", !saved);
    QCOMPARE(w->currentFile(), saved ? existing : QString());
    QVERIFY(dbOf(*w)->isModified() != saved);
}

void TestFileCommands::failedSaveKeepsNameAndFlag()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    edit(*w);
    const QString target = dir->filePath(QStringLiteral("no/such/folder/x.lxv"));
    ZelFileDialog::setNextFileName(target);
    boxes->press(QMessageBox::Ok);
    QVERIFY(!run(*w, "fileSaveAs"));
    QCOMPARE(status(*w), QStringLiteral("Save cancelled"));
    QCOMPARE(boxes->seen().value(0).section(QLatin1Char('\n'), 0, 0),
        QStringLiteral("File save error|Unable to save database file: %1")
            .arg(QDir::toNativeSeparators(target)));
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
    QVERIFY(dbOf(*w)->isModified());
    QCOMPARE(recentFile(*w, 0), words);
}

void TestFileCommands::savedFileReadsBackIdentically()
{
    // Every kind of content the line file carries, in the program's own bytes.
    const QByteArray original = Bom
        + "Zebra&&&{-1}A [zebra] with [stripes].&&&{0}\r\n"
          "ox\r\n"
          "\xC3\xA4pfel&&&{12}*[\xC3\x84pfel] sind rund.&&&{0}Kein Schl\xC3\xBCsselwort.\r\n";
    const QString source = write(QStringLiteral("source.lxv"), original);
    auto w = newWindow();
    open(*w, source);
    const QString copy = dir->filePath(QStringLiteral("copy.lxv"));
    ZelFileDialog::setNextFileName(copy);
    QVERIFY(run(*w, "fileSaveAs"));
    QCOMPARE(TestUtil::readFile(copy), original);

    open(*w, copy);
    const QString again = dir->filePath(QStringLiteral("again.lxv"));
    ZelFileDialog::setNextFileName(again);
    QVERIFY(run(*w, "fileSaveAs"));
    QCOMPARE(TestUtil::readFile(again), original);
}

// --- Backup ---------------------------------------------------------------------------------------------

void TestFileCommands::backupOnUntitledSavesAs()
{
    auto w = newWindow();
    edit(*w);
    ZelFileDialog::setNextFileName(QString());
    run(*w, "backupDb");
    QCOMPARE(ZelFileDialog::lastRequest().caption, QStringLiteral("Save database file"));
    QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(dbOf(*w)->isModified());

    const QString target = dir->filePath(QStringLiteral("first"));
    ZelFileDialog::setNextFileName(target);
    run(*w, "backupDb");
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList {QStringLiteral("first.lxv")});
    QCOMPARE(w->currentFile(), target + QStringLiteral(".lxv"));
    QVERIFY(!dbOf(*w)->isModified());
    QVERIFY(boxes->seen().isEmpty());
}

void TestFileCommands::backupWritesBesideAndKeepsFlag_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addRow("with unsaved edits") << true;
    QTest::addRow("without") << false;
}

void TestFileCommands::backupWritesBesideAndKeepsFlag()
{
    QFETCH(bool, modified);
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    if (modified)
        edit(*w);
    const QString backup = words + QStringLiteral(".bak");

    boxes->press(QMessageBox::Ok);
    run(*w, "backupDb");
    QCOMPARE(boxes->seen(),
        QStringList {QStringLiteral("Backup created|Your database has been backed up to:\n%1|").arg(backup)});
    QVERIFY(QFile::exists(backup));
    LxdDatabase check;
    QVERIFY(check.loadText(backup));
    QCOMPARE(DbFixtures::fileLine(*check.itemAt(0)), content(*w).first());
    QCOMPARE(TestUtil::readFile(words), WordsFile);
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
    QCOMPARE(dbOf(*w)->isModified(), modified);

    // The edits have not reached the database file: closing still offers to save them there.
    if (modified)
        boxes->press(QMessageBox::Yes);
    w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(boxes->seen().size(), modified ? 2 : 1);
    if (modified)
        QCOMPARE(TestUtil::readFile(words), TestUtil::readFile(backup));
}

void TestFileCommands::secondBackupReplacesFirst()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    boxes->press(QMessageBox::Ok).press(QMessageBox::Ok);
    run(*w, "backupDb");
    edit(*w);
    run(*w, "backupDb");
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files),
        QStringList({QStringLiteral("words.lxv"), QStringLiteral("words.lxv.bak")}));
    LxdDatabase check;
    QVERIFY(check.loadText(words + QStringLiteral(".bak")));
    QCOMPARE(DbFixtures::fileLine(*check.itemAt(0)), QStringLiteral("dog&&&{1}An edited [sentence]."));
}

void TestFileCommands::failedBackupIsReported()
{
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("gone")));
    const QString words = write(QStringLiteral("gone/words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    edit(*w);
    QVERIFY(QDir(dir->filePath(QStringLiteral("gone"))).removeRecursively());

    boxes->press(QMessageBox::Ok);
    run(*w, "backupDb");
    QCOMPARE(boxes->seen(),
        QStringList {QStringLiteral("Backup failed|Your database could not be backed up to:\n%1\n%2|")
                         .arg(QDir::toNativeSeparators(words + QStringLiteral(".bak")), NoSuchFolder)});
    QCOMPARE(boxes->busyDuringBox, QList<bool> {false});
    QCOMPARE(w->currentFile(), words);
    QVERIFY(dbOf(*w)->isModified());
}

// A disk that fills up, a real one and the writer's own seam, and a rename that fails as it can on
// FAT, SMB and NFS: no write reports success or leaves an empty, partial or temporary file; the old
// file stays whole, a box names the file and the reason, and the database keeps its unsaved changes.
// A tiny file fails only when its buffer is flushed, a large one while it is written.
void TestFileCommands::fullDiskLeavesOldFileWhole_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("large");
    QTest::addColumn<bool>("realDisk");
    QTest::addColumn<bool>("failRename");
    for (const char *how : {"full tmpfs", "failing writes", "failing rename"}) {
        for (const char *command : {"fileSave", "backupDb", "fileExportXml", "actSaveAsRTF"}) {
            for (const bool large : {false, true}) {
                QTest::addRow("%s, %s, %s", command, large ? "large" : "tiny", how)
                    << QString::fromLatin1(command) << large << (qstrcmp(how, "full tmpfs") == 0)
                    << (qstrcmp(how, "failing rename") == 0);
            }
        }
    }
}

void TestFileCommands::fullDiskLeavesOldFileWhole()
{
    QFETCH(QString, command);
    QFETCH(bool, large);
    QFETCH(bool, realDisk);
    QFETCH(bool, failRename);
    const QString folder = dir->filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    SmallDisk disk;
    if (realDisk && !disk.mount(folder, 8))
        QSKIP("a small tmpfs to fill can be mounted only as root");

    QByteArray original = WordsFile;
    for (int i = 0; large && i < 30000; ++i)
        original += "headword" + QByteArray::number(i) + "&&&{0}A [sentence] of some length for it.\r\n";
    const QString words = folder + QLatin1String("/words.lxv");
    QVERIFY(TestUtil::writeFile(*dir, QStringLiteral("disk/words.lxv"), original) == words);
    auto w = newWindow();
    open(*w, words);
    edit(*w);
    QStringList entries;
    for (int i = 0; i < (large ? 20000 : 1); ++i)
        entries.append(QStringLiteral("The [cat] sat on the [mat] %1.").arg(i));
    w->lxdSession()->appendOutput(entries, QString());

    QString target = words;
    QString expected;
    const QString reason = QString::fromLocal8Bit(std::strerror(failRename ? EACCES : ENOSPC));
    if (command == QLatin1String("backupDb")) {
        target = words + QLatin1String(".bak");
        expected = QStringLiteral("Backup failed|Your database could not be backed up to:\n%1\n%2|");
    } else if (command == QLatin1String("fileExportXml")) {
        target = folder + QLatin1String("/words.xml");
        expected = QStringLiteral("File save error|Unable to save XML file: %1\n%2|");
    } else if (command == QLatin1String("actSaveAsRTF")) {
        target = folder + QLatin1String("/sheet.rtf");
        expected = QStringLiteral("Problem saving RTF file|Unable to save the RTF file to \n%1\n%2|");
    } else {
        expected = QStringLiteral("File save error|Unable to save database file: %1\n%2|");
    }
    const QByteArray old = target == words ? original : QByteArray("the old file");
    if (target != words)
        QVERIFY(
            TestUtil::writeFile(*dir, QFileInfo(target).absoluteFilePath().mid(dir->path().size() + 1), old)
            == target);
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    if (realDisk)
        disk.fill();
    else if (failRename)
        CheckedWrite::setFailRenameForTesting(true);
    else
        CheckedWrite::setFailAfterForTesting(large ? 100000 : 0);
    if (command.startsWith(QLatin1String("fileExport")) || command.startsWith(QLatin1String("actSaveAs")))
        ZelFileDialog::setNextFileName(target);
    boxes->press(QMessageBox::Ok);
    // The export is the window's action; the file commands are its slots.
    QMetaObject::invokeMethod(w.get(), "updateOutputCount");
    if (command.startsWith(QLatin1String("act")))
        TestUtil::child<QAction>(w.get(), command.toLatin1().constData())->trigger();
    else
        run(*w, command.toLatin1().constData());
    CheckedWrite::setFailAfterForTesting(-1);
    CheckedWrite::setFailRenameForTesting(false);

    QCOMPARE(boxes->seen(), QStringList {expected.arg(QDir::toNativeSeparators(target), reason)});
    QCOMPARE(TestUtil::readFile(target), old);
    QCOMPARE(TestUtil::readFile(words), original);
    QVERIFY(dbOf(*w)->isModified());
    QCOMPARE(w->currentFile(), words);
    // Nothing half-written stays behind.
    QStringList filesAfter = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    filesAfter.removeAll(QStringLiteral("filler"));
    QCOMPARE(filesAfter, filesBefore);
    w.reset();
}

// --- XML exchange ---------------------------------------------------------------------------------------

void TestFileCommands::exportXmlCompletesSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addRow("no suffix") << "words"
                               << "words.xml";
    QTest::addRow("xml") << "words.xml"
                         << "words.xml";
    QTest::addRow("capital XML") << "words.XML"
                                 << "words.XML.xml";
}

void TestFileCommands::exportXmlCompletesSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    edit(*w);
    w->setLastFolderForTesting(QStringLiteral("lastXmlFileDir"), QStringLiteral("/xml/start"));

    boxes->press(QMessageBox::Ok);
    ZelFileDialog::setNextFileName(dir->filePath(typed));
    run(*w, "fileExportXml");

    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.kind, ZelFileDialog::Save);
    QCOMPARE(request.caption, QStringLiteral("Export XML file"));
    QCOMPARE(request.dir, QStringLiteral("/xml/start"));
    QCOMPARE(request.filter, QStringLiteral("XML files (*.xml)"));
    QCOMPARE(boxes->seen(), QStringList {QStringLiteral("XML file saved|Export complete.|")});

    const QByteArray xml = TestUtil::readFile(dir->filePath(written));
    QVERIFY(xml.startsWith(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lexivane-vocabulary-database version=\"3\">"));
    QVERIFY(xml.contains("<used>1</used>An edited <gap>sentence</gap>.</sentence>"));
    // An export changes neither the database file nor the flag nor the title.
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
    QVERIFY(dbOf(*w)->isModified());
    QCOMPARE(recentFile(*w, 0), words);
    QCOMPARE(w->lastFolder(QStringLiteral("lastXmlFileDir")), dir->path());
}

void TestFileCommands::exportXmlOverwriteQuestion_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::addColumn<bool>("overwritten");
    QTest::addRow("completed name, yes") << "words" << int(QMessageBox::Yes) << true;
    QTest::addRow("completed name, no") << "words" << int(QMessageBox::No) << false;
    QTest::addRow("completed name, escape") << "words" << int(QMessageBox::Escape) << false;
    QTest::addRow("picked in the dialog") << "words.xml" << 0 << true;
}

void TestFileCommands::exportXmlOverwriteQuestion()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, overwritten);
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    const QString existing = write(QStringLiteral("words.xml"), "old");
    auto w = newWindow();
    open(*w, words);

    if (answer == QMessageBox::Escape)
        boxes->escape();
    else if (answer)
        boxes->press(QMessageBox::StandardButton(answer));
    if (overwritten)
        boxes->press(QMessageBox::Ok);
    ZelFileDialog::setNextFileName(dir->filePath(typed));
    run(*w, "fileExportXml");

    QStringList expected;
    if (answer)
        expected << QStringLiteral(
            "Overwrite file?|This file already exists. Are you sure you want to overwrite it?|");
    if (overwritten)
        expected << QStringLiteral("XML file saved|Export complete.|");
    QCOMPARE(boxes->seen(), expected);
    QCOMPARE(TestUtil::readFile(existing) == "old", !overwritten);
}

void TestFileCommands::failedExportXmlIsReported()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    const QString target = dir->filePath(QStringLiteral("missing/words.xml"));
    boxes->press(QMessageBox::Ok);
    ZelFileDialog::setNextFileName(target);
    run(*w, "fileExportXml");
    QCOMPARE(boxes->seen(),
        QStringList {QStringLiteral("File save error|Unable to save XML file: %1\n%2|")
                         .arg(QDir::toNativeSeparators(target), NoSuchFolder)});
    QCOMPARE(boxes->busyDuringBox, QList<bool> {false});
    QVERIFY(!QFile::exists(target));
}

// The database file cannot store "&&&", so an imported text holding it comes in broken up, and the
// teacher learns how many did.
void TestFileCommands::importBreaksUpSeparators()
{
    const QString xml = write(QStringLiteral("amp.xml"),
        "<lexivane-vocabulary-database version=\"3\"><items><item><head-word>A&amp;&amp;&amp;B</head-word>"
        "<sentence><used>1</used>x &amp;&amp;&amp;&amp; <gap>y</gap></sentence>"
        "<sentence><used>0</used>Tom &amp;&amp; <gap>Jerry</gap></sentence></item></items>"
        "</lexivane-vocabulary-database>");
    auto w = newWindow();
    boxes->press(QMessageBox::Ok);
    ZelFileDialog::setNextFileName(xml);
    run(*w, "fileImportXml");
    QCOMPARE(boxes->seen().size(), 1);
    QVERIFY(boxes->seen().first().startsWith(QStringLiteral("Texts changed|2 of the imported texts")));
    QCOMPARE(content(*w), (QStringList {QStringLiteral("A& & &B&&&{1}x & & & & [y]&&&{0}Tom && [Jerry]")}));
}

void TestFileCommands::largeFileQuestion_data()
{
    QTest::addColumn<QString>("command");
    QTest::addRow("open") << "open";
    QTest::addRow("append") << "append";
    QTest::addRow("import") << "import";
}

// Before reading a file of more than 256 MB the user is asked, and told its size; Cancel reads
// nothing and changes nothing.
void TestFileCommands::largeFileQuestion()
{
    QFETCH(QString, command);
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    QFile big(dir->filePath(
        command == QLatin1String("import") ? QStringLiteral("big.xml") : QStringLiteral("big.lxv")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(qint64(300) * 1024 * 1024)); // sparse: no disk space taken
    big.close();
    auto w = newWindow();
    open(*w, words);
    const QStringList before = content(*w);

    boxes->press(QMessageBox::Cancel);
    ZelFileDialog::setNextFileName(big.fileName());
    if (command == QLatin1String("open"))
        run(*w, "fileOpen");
    else if (command == QLatin1String("append"))
        run(*w, "fileAppend");
    else
        run(*w, "fileImportXml");
    QCOMPARE(boxes->seen(),
        QStringList {
            QStringLiteral("Large file|The file %1 is 300.0 MB large. Reading it takes a long time and "
                           "about ten times as much memory.|Are you sure you want to do this?")
                .arg(QDir::toNativeSeparators(big.fileName()))});
    QCOMPARE(content(*w), before);
    QCOMPARE(w->currentFile(), words);
    QVERIFY(!dbOf(*w)->isModified());
}

void TestFileCommands::importXmlRoundTrip()
{
    const QByteArray original = Bom
        + "dog&&&{1}The [dog] barked.&&&{0}[Dogs] and [cats].\r\n"
          "cat&&&{2}The [cat] sat on the [mat].&&&{-3}My [cat] is black\xC3\xA9.\r\n";
    const QString source = write(QStringLiteral("source.lxv"), original);
    auto w = newWindow();
    open(*w, source);
    boxes->press(QMessageBox::Ok);
    const QString xml = dir->filePath(QStringLiteral("exchange.xml"));
    ZelFileDialog::setNextFileName(xml);
    run(*w, "fileExportXml");

    // The recent files are stored as they change: the second window is to start with no database.
    QSettings().remove(QStringLiteral("mainWindow/recentFiles"));
    auto other = newWindow();
    other->setLastFolderForTesting(QStringLiteral("lastXmlFileDir"), QStringLiteral("/xml/start"));
    ZelFileDialog::setNextFileName(xml);
    run(*other, "fileImportXml");
    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.kind, ZelFileDialog::Open);
    QCOMPARE(request.caption, QStringLiteral("Import vocabulary database from XML file"));
    QCOMPARE(request.dir, QStringLiteral("/xml/start"));
    QCOMPARE(request.filter, QStringLiteral("XML files (*.xml)"));
    QCOMPARE(other->lastFolder(QStringLiteral("lastXmlFileDir")), QFileInfo(xml).canonicalPath());

    QCOMPARE(content(*other), content(*w));
    QVERIFY(other->currentFile().isEmpty());
    QCOMPARE(shownTitle(*other), title(QStringLiteral("Untitled")));
    QVERIFY(dbOf(*other)->isModified());
    QCOMPARE(currentHeadword(*other), QStringLiteral("dog"));
    QCOMPARE(other->sentenceTableModel()->rowCount(), 2);

    // Exported again, the imported database gives the same XML file.
    const QString again = dir->filePath(QStringLiteral("again.xml"));
    boxes->press(QMessageBox::Ok);
    ZelFileDialog::setNextFileName(again);
    run(*other, "fileExportXml");
    QCOMPARE(TestUtil::readFile(again), TestUtil::readFile(xml));

    // The imported database is untitled: saving asks for a name, and the file is the original.
    const QString saved = dir->filePath(QStringLiteral("saved.lxv"));
    ZelFileDialog::setNextFileName(saved);
    QVERIFY(run(*other, "fileSave"));
    QCOMPARE(TestUtil::readFile(saved), original);
    QCOMPARE(boxes->seen().size(), 2);
}

void TestFileCommands::importXmlFailures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // the line under the message
    QTest::addRow("not well-formed") << QByteArray("<lexivane-vocabulary-database><items><item>")
                                     << QString();
    QTest::addRow("another root element") << QByteArray(
        "<?xml version=\"1.0\"?>\n<kvtml><items><item><head-word>cat</head-word></item></items></kvtml>\n")
                                          << QString();
    QTest::addRow("empty") << QByteArray() << QString();
    QTest::addRow("missing") << QByteArray("<missing>") << QString();
    QTest::addRow("nested too deep") << "<lexivane-vocabulary-database>" + QByteArray("<a>").repeated(1000)
            + QByteArray("</a>").repeated(1000) + "</lexivane-vocabulary-database>"
                                     << XmlLimits::message(XmlLimits::TooDeep);
}

void TestFileCommands::importXmlFailures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    const QString xml = bytes == "<missing>" ? dir->filePath(QStringLiteral("gone.xml"))
                                             : write(QStringLiteral("import.xml"), bytes);
    auto w = newWindow();
    open(*w, words);
    edit(*w);

    // Unsaved changes are given up for the import; the import then fails.
    boxes->press(QMessageBox::No).press(QMessageBox::Ok);
    ZelFileDialog::setNextFileName(xml);
    run(*w, "fileImportXml");
    QCOMPARE(boxes->seen(),
        QStringList({QStringLiteral("Resource file|The database has been modified.\nDo you want to save your "
                                    "changes?|"),
            QStringLiteral("File open error|Unable to open XML file: %1%2|")
                .arg(QDir::toNativeSeparators(xml),
                    reason.isEmpty() ? QString() : QLatin1Char('\n') + reason)}));
    QCOMPARE(boxes->busyDuringBox, QList<bool>({false, false}));
    // The database that was open stays, with its name, its changes and its history.
    QCOMPARE(content(*w).first(), QStringLiteral("dog&&&{1}An edited [sentence]."));
    QCOMPARE(wordList(*w)->model()->rowCount(), 2);
    QCOMPARE(currentHeadword(*w), QStringLiteral("dog"));
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
    QVERIFY(dbOf(*w)->isModified());
    QCOMPARE(TestUtil::readFile(words), WordsFile);
    QCOMPARE(recentFile(*w, 0), words);
}

void TestFileCommands::cancelledImportKeepsDatabaseAndReselects()
{
    const QString words = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = newWindow();
    open(*w, words);
    edit(*w);
    wordList(*w)->selectionModel()->setCurrentIndex(
        w->wordListModel()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(currentHeadword(*w), QStringLiteral("cat"));

    boxes->press(QMessageBox::No);
    ZelFileDialog::setNextFileName(QString());
    run(*w, "fileImportXml");
    QCOMPARE(dbOf(*w)->itemCount(), 2);
    QCOMPARE(w->currentFile(), words);
    QVERIFY(dbOf(*w)->isModified());
    QCOMPARE(currentHeadword(*w), QStringLiteral("dog"));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
