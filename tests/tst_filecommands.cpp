// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands on real files. What they do is the session's: new, open, append, save, backup,
// XML exchange and a disk that fills up, driven without a window. What the window adds is tested
// through it: the question about unsaved changes, its file dialogs, messages, title, recent files
// and the headword it shows.
#include "app/mainwindow.h"
#include "data/checkedwrite.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmllimits.h"
#include "document/lxddocument.h"
#include "document/lxdsession.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "support/dbfixtures.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>
#include <QWindow>

#include <cerrno>
#include <cstring>
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

// A picture: no text file at all.
const QByteArray Picture = QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20) + QByteArray(500, '\0');

const QByteArray RepeatsFile = Bom
    + "cat&&&{1}The [cat] sat on the [mat].&&&{0}A [cat] purrs.\r\n"
      "emu&&&{0}An [emu] ran.\r\n";

const QString Edited = QStringLiteral("dog&&&{1}An edited [sentence].");

// What the system says of a folder that is not there.
const QString NoSuchFolder = QString::fromLocal8Bit(std::strerror(ENOENT));

// Reads a large file when told to, and counts the questions; every other question gets its default.
class Answers : public LxdSessionQuestions
{
public:
    bool confirmRepeatedHeadwords() override { return false; }
    std::optional<LxdMergeMode> chooseMergeOrKeep() override { return std::nullopt; }
    bool readLargeFile(const QString &, qint64) override
    {
        ++asked;
        return readLarge;
    }
    LockAnswer askAboutLock(const LxdFileLock &) override { return CancelOpen; }
    SaveAnswer askOverwriteChanged(const QString &) override { return CancelSave; }
    bool readLarge = true;
    int asked = 0;
};

QStringList content(const LxdDatabase &db)
{
    QStringList lines;
    for (int i = 0; i < db.itemCount(); ++i)
        lines.append(DbFixtures::fileLine(*db.itemAt(i)));
    return lines;
}

// An edit as the teacher makes one, through the document's history.
void edit(LxdDocument &doc)
{
    LxdDatabase &db = *doc.database();
    const QString edited = QStringLiteral("An edited [sentence].");
    if (db.itemCount() == 0)
        doc.addHeadword(QStringLiteral("yak"));
    else if (const LxdSentence *s = db.sentenceAt(0, 0))
        doc.editSentence(
            0, 0, s->textRef() == edited ? edited + QLatin1String(" Again.") : edited, s->used());
    else
        doc.renameHeadword(0, db.headword(0) + QLatin1Char('x'));
    QVERIFY(db.isModified());
}

// A sparse file of 300 MB, which takes no disk space: large enough to be asked about.
QString bigFile(const QString &path)
{
    QFile big(path);
    if (!big.open(QIODevice::WriteOnly) || !big.resize(qint64(300) * 1024 * 1024))
        qFatal("cannot make %s", qPrintable(path));
    return path;
}

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
    void initTestCase() { fx.initTestCase(); }
    void init();
    void cleanup() { fx.cleanup(); }

    // The session.
    void openReadsTheFile_data();
    void openReadsTheFile();
    void failedOpen_data();
    void failedOpen();
    void newDatabaseIsEmptyAndUntitled();
    void append_data();
    void append();
    void saveWritesAndNames();
    void failedSaveKeepsNameAndChanges();
    void backup_data();
    void backup();
    void fullDiskLeavesOldFileWhole_data();
    void fullDiskLeavesOldFileWhole();
    void xmlRoundTrip();
    void importXmlFailures_data();
    void importXmlFailures();
    void importBreaksUpSeparators();
    void completeEnding_data();
    void completeEnding();

    // The window.
    void unsavedChangesGuard_data();
    void unsavedChangesGuard();
    void unmodifiedAsksNothingAndQuitCloses();
    void newThroughTheWindow();
    void openThroughTheWindow();
    void appendThroughTheWindow_data();
    void appendThroughTheWindow();
    void saveThroughTheWindow();
    void importThroughTheWindow();
    void messages_data();
    void messages();

private:
    std::unique_ptr<LxdSession> openSession(const QString &fileName);
    std::unique_ptr<MainWindow> openWindow(const QString &fileName = QString());
    static void open(MainWindow &w, const QString &path);
    static QString title(const QString &shownName)
    {
        return QStringLiteral("Lexivane 3: %1 - database").arg(shownName);
    }
    // The title as shown, less the unsaved-changes marker, which the undo tests follow on its own.
    static QString shownTitle(const MainWindow &w)
    {
        return w.windowHandle()->title().remove(QLatin1Char('*'));
    }
    static QString currentHeadword(const MainWindow &w);
    static QString status(const MainWindow &w) { return w.statusBar()->currentMessage(); }
    static QString recentFile(const MainWindow &w, int j);
    static LxdDocument &docOf(const MainWindow &w) { return *TestUtil::child<LxdDocument>(&w, "doc"); }
    static QListView *wordList(const MainWindow &w) { return TestUtil::child<QListView>(&w, "lvWords"); }
    static QAction *recentAction(const MainWindow &w, int j)
    {
        return TestUtil::child<QAction>(&w, QByteArray("recentFileActs" + QByteArray::number(j)).constData());
    }
    static bool run(MainWindow &w, const char *slot) { return TestUtil::runCommand(w, slot); }

    TestUtil::WindowFixture fx;
    QString words;
};

void TestFileCommands::init()
{
    fx.init();
    words = fx.write(QStringLiteral("words.lxv"), WordsFile);
}

std::unique_ptr<LxdSession> TestFileCommands::openSession(const QString &fileName)
{
    auto session = std::make_unique<LxdSession>();
    if (!fileName.isEmpty() && !session->open(fileName, nullptr).ok())
        qFatal("cannot open %s", qPrintable(fileName));
    return session;
}

std::unique_ptr<MainWindow> TestFileCommands::openWindow(const QString &fileName)
{
    auto w = fx.window();
    if (!fileName.isEmpty())
        open(*w, fileName);
    return w;
}

void TestFileCommands::open(MainWindow &w, const QString &path)
{
    ZelFileDialog::setNextFileName(path);
    run(w, "fileOpen");
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

// --- The session ---------------------------------------------------------------------------------

void TestFileCommands::openReadsTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("database") << WordsFile
                              << QStringList {QStringLiteral("dog&&&{1}The [dog] barked."),
                                     QStringLiteral("cat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is "
                                                    "black.")};
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

void TestFileCommands::openReadsTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const QString path = fx.write(QStringLiteral("odd.lxv"), bytes);
    auto session = openSession(words);
    edit(*session->document());
    QVERIFY(session->open(path, nullptr).ok());
    QCOMPARE(content(*session->database()), expected);
    QCOMPARE(session->fileName(), path);
    QVERIFY(!session->document()->isModified());
    QCOMPARE(session->document()->undoStack()->count(), 0);
}

void TestFileCommands::failedOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("code");
    QTest::addRow("missing") << "missing" << int(LxdOutcome::ReadFailed);
    QTest::addRow("not a database") << "picture" << int(LxdOutcome::NotDatabase);
    QTest::addRow("large, cancelled") << "large" << int(LxdOutcome::Cancelled);
}

// A file that is no text, or too large to read now, changes nothing; one that cannot be read leaves
// an empty, untitled database, which a save must not write over the file that was open.
void TestFileCommands::failedOpen()
{
    QFETCH(QString, kind);
    QFETCH(int, code);
    const QString path = kind == QLatin1String("picture") ? fx.write(QStringLiteral("picture.lxv"), Picture)
        : kind == QLatin1String("large")                  ? bigFile(fx.path(QStringLiteral("big.lxv")))
                                                          : fx.path(QStringLiteral("gone.lxv"));
    auto session = openSession(words);
    const QStringList before = content(*session->database());
    Answers answers;
    answers.readLarge = false;

    const LxdOutcome outcome = session->open(path, &answers);
    QCOMPARE(int(outcome.code), code);
    QCOMPARE(answers.asked, kind == QLatin1String("large") ? 1 : 0);
    const bool kept = code != LxdOutcome::ReadFailed;
    QCOMPARE(content(*session->database()), kept ? before : QStringList());
    QCOMPARE(session->fileName(), kept ? words : QString());
    QVERIFY(!session->document()->isModified());
    QCOMPARE(TestUtil::readFile(words), WordsFile);
}

void TestFileCommands::newDatabaseIsEmptyAndUntitled()
{
    auto session = openSession(words);
    edit(*session->document());
    QVERIFY(session->newDatabase().ok());
    QCOMPARE(session->database()->itemCount(), 0);
    QVERIFY(session->fileName().isEmpty());
    QVERIFY(!session->document()->isModified());
    QCOMPARE(session->document()->undoStack()->count(), 0);
    QCOMPARE(TestUtil::readFile(words), WordsFile);
}

void TestFileCommands::append_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no such file
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("headwords");
    const QStringList all {"ant", "bird", "cat", "dog"};
    QTest::addRow("new headwords") << NewWordsFile << false << int(LxdDocument::Done) << all;
    QTest::addRow("to an empty database")
        << NewWordsFile << true << int(LxdDocument::Done) << QStringList {"ant", "bird"};
    QTest::addRow("missing") << QByteArray() << false << int(LxdDocument::Failed)
                             << QStringList {"dog", "cat"};
    QTest::addRow("not a database") << QByteArray("PK\x03\x04\0\0\0\0", 8) << false
                                    << int(LxdDocument::NotDatabase) << QStringList {"dog", "cat"};
}

// Appending keeps the file name; what was read puts the headwords in order and is to be saved, what
// could not be read changes nothing. (The questions about repeated headwords: tst_document.)
void TestFileCommands::append()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, untitled);
    QFETCH(int, result);
    QFETCH(QStringList, headwords);
    const QString more = bytes.isEmpty() ? fx.path(QStringLiteral("missing.voc"))
                                         : fx.write(QStringLiteral("more.voc"), bytes);
    auto session = openSession(untitled ? QString() : words);
    Answers answers;

    QCOMPARE(int(session->document()->append(more, &answers).result), result);
    QStringList actual;
    for (int i = 0; i < session->database()->itemCount(); ++i)
        actual.append(session->database()->headword(i));
    QCOMPARE(actual, headwords);
    QCOMPARE(session->document()->isModified(), result == LxdDocument::Done);
    QCOMPARE(session->fileName(), untitled ? QString() : words);
}

void TestFileCommands::saveWritesAndNames()
{
    auto session = openSession(QString());
    edit(*session->document());
    const QString target = fx.path(QStringLiteral("new.lxv"));
    QVERIFY(session->save(target, nullptr).ok());
    QCOMPARE(TestUtil::readFile(target), Bom + "yak\r\n");
    QCOMPARE(session->fileName(), target);
    QVERIFY(!session->document()->isModified());

    // Saved again under its name; only a synced folder keeps the rename through a power cut.
    QVERIFY(session->open(words, nullptr).ok());
    edit(*session->document());
    const int folderSyncs = CheckedWrite::folderSyncsForTesting();
    QVERIFY(session->save(words, nullptr).ok());
    QVERIFY(CheckedWrite::folderSyncsForTesting() > folderSyncs);
    QCOMPARE(TestUtil::readFile(words),
        Bom + Edited.toUtf8() + "\r\ncat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is black.\r\n");
    QVERIFY(!session->document()->isModified());

    // Every kind of content the line file carries comes back in the program's own bytes.
    const QByteArray original = Bom
        + "Zebra&&&{-1}A [zebra] with [stripes].&&&{0}\r\n"
          "ox\r\n"
          "\xC3\xA4pfel&&&{12}*[\xC3\x84pfel] sind rund.&&&{0}Kein Schl\xC3\xBCsselwort.\r\n";
    QString from = fx.write(QStringLiteral("source.lxv"), original);
    for (const QString &name : {QStringLiteral("copy.lxv"), QStringLiteral("again.lxv")}) {
        QVERIFY(session->open(from, nullptr).ok());
        from = fx.path(name);
        QVERIFY(session->save(from, nullptr).ok());
        QCOMPARE(TestUtil::readFile(from), original);
    }
}

void TestFileCommands::failedSaveKeepsNameAndChanges()
{
    auto session = openSession(words);
    edit(*session->document());
    const LxdOutcome outcome = session->save(fx.path(QStringLiteral("no/such/folder/x.lxv")), nullptr);
    QCOMPARE(outcome.code, LxdOutcome::WriteFailed);
    QCOMPARE(outcome.reason, NoSuchFolder);
    QCOMPARE(session->fileName(), words);
    QVERIFY(session->document()->isModified());
    QCOMPARE(TestUtil::readFile(words), WordsFile);
}

void TestFileCommands::backup_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addRow("with unsaved edits") << true;
    QTest::addRow("without") << false;
}

// A backup writes beside the file, replacing the one before, and is no save: the file and the
// modified flag stay as they were.
void TestFileCommands::backup()
{
    QFETCH(bool, modified);
    auto session = openSession(words);
    QVERIFY(session->backup().ok());
    if (modified)
        edit(*session->document());
    const LxdOutcome outcome = session->backup();
    QVERIFY(outcome.ok());
    QCOMPARE(outcome.fileName, words + QStringLiteral(".bak"));
    QCOMPARE(QDir(fx.dir->path()).entryList(QDir::Files),
        QStringList({QStringLiteral("words.lxv"), QStringLiteral("words.lxv.bak")}));
    LxdDatabase check;
    QVERIFY(check.loadText(outcome.fileName));
    QCOMPARE(content(check), content(*session->database()));
    QCOMPARE(TestUtil::readFile(words), WordsFile);
    QCOMPARE(session->fileName(), words);
    QCOMPARE(session->document()->isModified(), modified);

    // A folder gone since: the reason is given, the changes stay.
    QVERIFY(QDir(fx.dir->path()).removeRecursively());
    const LxdOutcome failed = session->backup();
    QCOMPARE(failed.code, LxdOutcome::WriteFailed);
    QCOMPARE(failed.reason, NoSuchFolder);
    QCOMPARE(session->document()->isModified(), modified);
}

// A disk that fills up, a real one and the writer's own seam, and a rename that fails as it can on
// FAT, SMB and NFS: no write reports success or leaves an empty, partial or temporary file; the old
// file stays whole, the reason is given, and the database keeps its unsaved changes. A tiny file
// fails only when its buffer is flushed, a large one while it is written.
void TestFileCommands::fullDiskLeavesOldFileWhole_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("large");
    QTest::addColumn<bool>("realDisk");
    QTest::addColumn<bool>("failRename");
    for (const char *how : {"full tmpfs", "failing writes", "failing rename"}) {
        for (const char *command : {"save", "backup", "exportXml", "export"}) {
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
    const QString folder = fx.path(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    SmallDisk disk;
    if (realDisk && !disk.mount(folder, 8))
        QSKIP("a small tmpfs to fill can be mounted only as root");

    QByteArray original = WordsFile;
    for (int i = 0; large && i < 30000; ++i)
        original += "headword" + QByteArray::number(i) + "&&&{0}A [sentence] of some length for it.\r\n";
    const QString file = fx.write(QStringLiteral("disk/words.lxv"), original);
    auto session = openSession(file);
    edit(*session->document());

    const QString target = command == QLatin1String("save") ? file
        : command == QLatin1String("backup")                ? file + QLatin1String(".bak")
        : command == QLatin1String("exportXml")             ? folder + QLatin1String("/words.xml")
                                                            : folder + QLatin1String("/sheet.rtf");
    const QByteArray old = target == file ? original : QByteArray("the old file");
    if (target != file)
        QCOMPARE(fx.write(QStringLiteral("disk/") + QFileInfo(target).fileName(), old), target);
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    if (realDisk)
        disk.fill();
    else if (failRename)
        CheckedWrite::setFailRenameForTesting(true);
    else
        CheckedWrite::setFailAfterForTesting(large ? 100000 : 0);
    QString reason;
    bool written = false;
    if (command == QLatin1String("save")) {
        const LxdOutcome outcome = session->save(file, nullptr);
        written = outcome.ok();
        reason = outcome.reason;
    } else if (command == QLatin1String("backup")) {
        const LxdOutcome outcome = session->backup();
        written = outcome.ok();
        reason = outcome.reason;
    } else if (command == QLatin1String("exportXml")) {
        written = session->document()->exportXml(target, &reason);
    } else {
        // An exercise export writes its bytes as they are.
        written = CheckedWrite::writeFile(target, QByteArray(large ? 2000000 : 10, 'r'), &reason);
    }
    CheckedWrite::setFailAfterForTesting(-1);
    CheckedWrite::setFailRenameForTesting(false);

    QVERIFY(!written);
    QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(failRename ? EACCES : ENOSPC)));
    QCOMPARE(TestUtil::readFile(target), old);
    QCOMPARE(TestUtil::readFile(file), original);
    QVERIFY(session->document()->isModified());
    QCOMPARE(session->fileName(), file);
    // Nothing half-written stays behind.
    QStringList filesAfter = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    filesAfter.removeAll(QStringLiteral("filler"));
    QCOMPARE(filesAfter, filesBefore);
}

// An exported database imported again is the same, untitled and to be saved; exported once more it
// gives the same XML file, and saved the same database file.
void TestFileCommands::xmlRoundTrip()
{
    const QByteArray original = Bom
        + "dog&&&{1}The [dog] barked.&&&{0}[Dogs] and [cats].\r\n"
          "cat&&&{2}The [cat] sat on the [mat].&&&{-3}My [cat] is black\xC3\xA9.\r\n";
    auto session = openSession(fx.write(QStringLiteral("source.lxv"), original));
    const QString xml = fx.path(QStringLiteral("exchange.xml"));
    QVERIFY(session->document()->exportXml(xml));
    const QByteArray exported = TestUtil::readFile(xml);
    QVERIFY(exported.startsWith(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lexivane-vocabulary-database version=\"3\">"));
    QVERIFY(!session->document()->isModified());

    auto other = openSession(QString());
    QVERIFY(other->document()->importXml(xml));
    QCOMPARE(content(*other->database()), content(*session->database()));
    QVERIFY(other->fileName().isEmpty());
    QVERIFY(other->document()->isModified());
    const QString again = fx.path(QStringLiteral("again.xml"));
    QVERIFY(other->document()->exportXml(again));
    QCOMPARE(TestUtil::readFile(again), exported);
    const QString saved = fx.path(QStringLiteral("saved.lxv"));
    QVERIFY(other->save(saved, nullptr).ok());
    QCOMPARE(TestUtil::readFile(saved), original);
}

void TestFileCommands::importXmlFailures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
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

// The database that was open stays, with its name, its changes and its history.
void TestFileCommands::importXmlFailures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString xml = bytes == "<missing>" ? fx.path(QStringLiteral("gone.xml"))
                                             : fx.write(QStringLiteral("import.xml"), bytes);
    auto session = openSession(words);
    edit(*session->document());
    const QStringList edited = content(*session->database());
    QString refusal;
    QVERIFY(!session->document()->importXml(xml, nullptr, &refusal));
    QCOMPARE(refusal, reason);
    QCOMPARE(content(*session->database()), edited);
    QCOMPARE(session->fileName(), words);
    QVERIFY(session->document()->isModified());
    QCOMPARE(session->document()->undoStack()->count(), 1);
}

// The database file cannot store "&&&", so an imported text holding it comes in broken up, and the
// teacher learns how many did.
void TestFileCommands::importBreaksUpSeparators()
{
    const QString xml = fx.write(QStringLiteral("amp.xml"),
        "<lexivane-vocabulary-database version=\"3\"><items><item><head-word>A&amp;&amp;&amp;B</head-word>"
        "<sentence><used>1</used>x &amp;&amp;&amp;&amp; <gap>y</gap></sentence>"
        "<sentence><used>0</used>Tom &amp;&amp; <gap>Jerry</gap></sentence></item></items>"
        "</lexivane-vocabulary-database>");
    auto session = openSession(QString());
    int broken = 0;
    QVERIFY(session->document()->importXml(xml, &broken));
    QCOMPARE(broken, 2);
    QCOMPARE(content(*session->database()), QStringList {"A& & &B&&&{1}x & & & & [y]&&&{0}Tom && [Jerry]"});
}

void TestFileCommands::completeEnding_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("answer"); // to the question about the file the ending names; 0: none
    QTest::addRow("no ending") << "exercise"
                               << ".lxv"
                               << "exercise.lxv" << 0;
    QTest::addRow("lxv") << "exercise.lxv"
                         << ".lxv"
                         << "exercise.lxv" << 0;
    QTest::addRow("capital LXV") << "exercise.LXV"
                                 << ".lxv"
                                 << "exercise.LXV.lxv" << 0;
    QTest::addRow("voc") << "exercise.voc"
                         << ".lxv"
                         << "exercise.voc.lxv" << 0;
    QTest::addRow("dot in folder name") << "a.lxv.d/exercise"
                                        << ".lxv"
                                        << "a.lxv.d/exercise.lxv" << 0;
    QTest::addRow("capital XML") << "words.XML"
                                 << ".xml"
                                 << "words.XML.xml" << 0;
    QTest::addRow("names a file, yes") << "words"
                                       << ".lxv"
                                       << "words.lxv" << int(QMessageBox::Yes);
    QTest::addRow("names a file, no") << "words"
                                      << ".lxv" << QString() << int(QMessageBox::No);
    QTest::addRow("names a file, escape") << "words"
                                          << ".lxv" << QString() << int(QMessageBox::Escape);
}

// A name typed without its ending is completed; when the completed name is a file the dialog did not
// ask about, the question is asked here.
void TestFileCommands::completeEnding()
{
    QFETCH(QString, typed);
    QFETCH(QString, ending);
    QFETCH(QString, written);
    QFETCH(int, answer);
    if (answer == QMessageBox::Escape)
        fx.boxes().escape();
    else if (answer)
        fx.boxes().press(QMessageBox::StandardButton(answer));
    QString name = fx.path(typed);
    QCOMPARE(ZelFileDialog::completeEnding(nullptr, &name, {ending}), !written.isEmpty());
    if (!written.isEmpty())
        QCOMPARE(name, fx.path(written));
    QCOMPARE(fx.boxes().seen(),
        answer ? QStringList {"Overwrite file?|This file already exists. Are you sure you want to overwrite "
                              "it?|"}
               : QStringList());
}

// --- The window ----------------------------------------------------------------------------------

void TestFileCommands::unsavedChangesGuard_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<bool>("saveAsCancelled");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");

    for (const char *c : {"new", "open", "import", "recent", "close"}) {
        const QString command = QString::fromLatin1(c);
        QTest::addRow("%s, yes, titled", c)
            << command << int(QMessageBox::Yes) << true << false << true << true;
        QTest::addRow("%s, yes, untitled, saved as", c)
            << command << int(QMessageBox::Yes) << false << false << true << true;
        QTest::addRow("%s, yes, untitled, save as cancelled", c)
            << command << int(QMessageBox::Yes) << false << true << false << false;
        QTest::addRow("%s, no", c) << command << int(QMessageBox::No) << true << false << true << false;
        QTest::addRow("%s, cancel", c)
            << command << int(QMessageBox::Cancel) << true << false << false << false;
        QTest::addRow("%s, escape", c)
            << command << int(QMessageBox::Escape) << true << false << false << false;
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

    const QString other = fx.write(QStringLiteral("other.lxv"), NewWordsFile);
    const QString saveAsName = fx.path(QStringLiteral("saved.lxv"));
    auto w = openWindow(titled ? words : QString());
    if (command == QLatin1String("recent")) {
        // Opened last before the current file, or the only one when untitled.
        const QString current = w->currentFile();
        w->setCurrentFileForTesting(other);
        w->setCurrentFileForTesting(current);
    }
    edit(docOf(*w));
    const QStringList edited = content(*docOf(*w).database());
    const int dialogsBefore = ZelFileDialog::requestCount();

    if (answer == QMessageBox::Escape)
        fx.boxes().escape();
    else
        fx.boxes().press(QMessageBox::StandardButton(answer));
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
        recentAction(*w, titled ? 1 : 0)->trigger();
    else
        w->close();

    QCOMPARE(fx.boxes().seen(),
        QStringList {"Resource file|The database has been modified.\nDo you want to save your changes?|"});
    // Saved: to the open file, or through the Save As dialog.
    if (saved) {
        LxdDatabase check;
        QVERIFY(check.loadText(titled ? words : saveAsName));
        QCOMPARE(content(check).first(), edited.first());
    } else {
        QCOMPARE(TestUtil::readFile(words), WordsFile);
        QVERIFY(!QFile::exists(saveAsName));
    }
    const int saveAsDialogs = answer == QMessageBox::Yes && !titled ? 1 : 0;
    LxdDatabase *db = docOf(*w).database();
    if (!goesOn) {
        QCOMPARE(content(*db), edited);
        QVERIFY(db->isModified());
        QVERIFY(w->isVisible());
        QCOMPARE(ZelFileDialog::requestCount() - dialogsBefore, saveAsDialogs);
    } else if (command == QLatin1String("new")) {
        QCOMPARE(db->itemCount(), 0);
        QVERIFY(!db->isModified());
    } else if (command == QLatin1String("open") || command == QLatin1String("import")) {
        QCOMPARE(ZelFileDialog::requestCount() - dialogsBefore, saveAsDialogs + 1);
        QCOMPARE(ZelFileDialog::lastRequest().kind, ZelFileDialog::Open);
    } else if (command == QLatin1String("recent")) {
        QCOMPARE(w->currentFile(), other);
        QCOMPARE(content(*db).first(), QStringLiteral("bird&&&{0}A [bird] sang."));
    } else {
        QVERIFY(!w->isVisible());
    }
}

void TestFileCommands::unmodifiedAsksNothingAndQuitCloses()
{
    const QString other = fx.write(QStringLiteral("other.lxv"), NewWordsFile);
    auto w = openWindow(words);
    open(*w, other);
    QCOMPARE(w->currentFile(), other);
    run(*w, "fileNew");
    QCOMPARE(docOf(*w).database()->itemCount(), 0);
    QVERIFY(fx.boxes().seen().isEmpty());

    edit(docOf(*w));
    fx.boxes().press(QMessageBox::Cancel);
    run(*w, "fileQuit");
    QVERIFY(w->isVisible());
    fx.boxes().press(QMessageBox::No);
    run(*w, "fileQuit");
    QVERIFY(!w->isVisible());
    QCOMPARE(fx.boxes().seen().size(), 2);
}

void TestFileCommands::newThroughTheWindow()
{
    auto w = openWindow(words);
    fx.boxes().press(QMessageBox::No);
    edit(docOf(*w));
    run(*w, "fileNew");
    QCOMPARE(w->sentenceTableModel()->rowCount(), 0);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("Untitled")));
    // No headword is left to delete or to take a new sentence.
    QVERIFY(!TestUtil::child<QPushButton>(w.get(), "btnDeleteWord")->isEnabled());
    QVERIFY(!TestUtil::child<QAction>(w.get(), "actDeleteWords")->isEnabled());
    QVERIFY(!TestUtil::child<QPushButton>(w.get(), "btnAddSentence")->isEnabled());
    QVERIFY(!TestUtil::child<QAction>(w.get(), "actAddSentence")->isEnabled());
    // The file that was open stays in the recent list; the untitled database never enters it.
    QCOMPARE(recentFile(*w, 0), words);
}

// The dialog, the folder it starts in, the title, the recent files, the status line and the first
// headword shown, read under the busy cursor; a file that is no database is refused with a box, one
// that cannot be read leaves the window untitled, and a cancelled dialog changes nothing.
void TestFileCommands::openThroughTheWindow()
{
    auto w = fx.window();
    w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/start/here"));
    QList<int> shapes;
    connect(w->wordListModel(), &QAbstractItemModel::modelReset, this, [&shapes] {
        const QCursor *cursor = QApplication::overrideCursor();
        shapes.append(cursor ? int(cursor->shape()) : -1);
    });
    open(*w, words);
    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.kind, ZelFileDialog::Open);
    QCOMPARE(request.caption, QStringLiteral("Open vocabulary database file"));
    QCOMPARE(request.dir, QStringLiteral("/start/here"));
    QCOMPARE(request.filter, QStringLiteral("Vocabulary database files (*.lxv *.voc)"));
    QVERIFY(!shapes.isEmpty());
    QCOMPARE(shapes, QList<int>(shapes.size(), int(Qt::WaitCursor)));
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
    QCOMPARE(recentFile(*w, 0), words);
    QCOMPARE(w->lastFolder(QStringLiteral("lastVocFileDir")), QFileInfo(words).canonicalPath());
    QCOMPARE(status(*w), QStringLiteral("File loaded"));
    QCOMPARE(currentHeadword(*w), QStringLiteral("dog"));
    QCOMPARE(w->sentenceTableModel()->rowCount(), 1);

    const QString picture = fx.write(QStringLiteral("picture.lxv"), Picture);
    fx.boxes().press(QMessageBox::Ok);
    open(*w, picture);
    QCOMPARE(fx.boxes().seen(),
        QStringList {QStringLiteral("File open error|This file is not a vocabulary database:\n%1|")
                         .arg(QDir::toNativeSeparators(picture))});
    QCOMPARE(fx.boxes().busyDuringBox, QList<bool> {false});
    QCOMPARE(status(*w), QStringLiteral("Loading cancelled."));
    QCOMPARE(w->currentFile(), words);

    w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/kept"));
    open(*w, QString());
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(w->lastFolder(QStringLiteral("lastVocFileDir")), QStringLiteral("/kept"));

    open(*w, fx.path(QStringLiteral("gone.lxv")));
    QCOMPARE(status(*w), QStringLiteral("Loading cancelled."));
    QCOMPARE(shownTitle(*w), title(QStringLiteral("Untitled")));
    QCOMPARE(recentFile(*w, 0), words);
    // A save now asks for a name.
    ZelFileDialog::setNextFileName(QString());
    QVERIFY(!run(*w, "fileSave"));
    QCOMPARE(ZelFileDialog::lastRequest().kind, ZelFileDialog::Save);
}

void TestFileCommands::appendThroughTheWindow_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no such file
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("current");
    const QString first = QStringLiteral(
        "Duplicate entries in database|The database you are appending contains some of the same headwords as "
        "the current database.|Are you sure you want to continue?");
    const QString second = QStringLiteral(
        "Duplicate entries in database|You can either merge duplicate headwords into a single entry, or keep "
        "the duplicates.|Would you like to merge duplicates or keep them?");
    QTest::addRow("new headwords") << NewWordsFile << QStringList() << "Appending file completed."
                                   << "ant";
    QTest::addRow("merged") << RepeatsFile << QStringList {"yes", "&Merge", first, second}
                            << "Appending file completed."
                            << "cat";
    QTest::addRow("kept") << RepeatsFile << QStringList {"yes", "&Keep", first, second}
                          << "Appending file completed."
                          << "cat";
    QTest::addRow("cancelled at first")
        << RepeatsFile << QStringList {"cancel", first} << "Appending file cancelled."
        << "cat";
    QTest::addRow("escape at second")
        << RepeatsFile << QStringList {"yes", "escape", first, second} << "Appending file cancelled."
        << "cat";
    QTest::addRow("missing") << QByteArray() << QStringList() << "Appending file failed."
                             << "dog";
}

// The dialog, the questions about repeated headwords (never under the busy cursor), the status line,
// and the first headword shown once anything was read; the file name and title stay.
void TestFileCommands::appendThroughTheWindow()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, answers);
    QFETCH(QString, message);
    QFETCH(QString, current);
    const QString more = bytes.isEmpty() ? fx.path(QStringLiteral("missing.voc"))
                                         : fx.write(QStringLiteral("more.voc"), bytes);
    auto w = openWindow(words);
    w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/start"));
    const QStringList boxes = answers.mid(answers.size() / 2);
    for (const QString &answer : answers.mid(0, answers.size() / 2)) {
        if (answer == QLatin1String("yes"))
            fx.boxes().press(QMessageBox::Yes);
        else if (answer == QLatin1String("cancel"))
            fx.boxes().press(QMessageBox::Cancel);
        else if (answer == QLatin1String("escape"))
            fx.boxes().escape();
        else
            fx.boxes().pressText(answer);
    }
    ZelFileDialog::setNextFileName(more);
    run(*w, "fileAppend");

    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.caption, QStringLiteral("Append vocabulary database file"));
    QCOMPARE(request.dir, QStringLiteral("/start"));
    QCOMPARE(request.filter, QStringLiteral("Vocabulary database files (*.lxv *.voc)"));
    QCOMPARE(fx.boxes().seen(), boxes);
    QVERIFY(!fx.boxes().busyDuringBox.contains(true));
    QCOMPARE(status(*w), message);
    QCOMPARE(wordList(*w)->model()->rowCount(), docOf(*w).database()->itemCount());
    QCOMPARE(currentHeadword(*w), current);
    QCOMPARE(w->currentFile(), words);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("words.lxv")));
    QCOMPARE(recentFile(*w, 0), words);
}

// Save on an untitled database and Save As ask for a name, complete its ending and put it on top of
// the recent files and in the title; a cancelled dialog keeps name and changes; Backup of an untitled
// database is a Save As; a failed save says why and keeps the name.
void TestFileCommands::saveThroughTheWindow()
{
    auto w = fx.window();
    w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/start"));
    edit(docOf(*w));
    ZelFileDialog::setNextFileName(QString());
    run(*w, "backupDb");
    QCOMPARE(ZelFileDialog::lastRequest().caption, QStringLiteral("Save database file"));
    QCOMPARE(QDir(fx.dir->path()).entryList(QDir::Files), QStringList {QStringLiteral("words.lxv")});
    const QString target = fx.path(QStringLiteral("new.lxv"));
    ZelFileDialog::setNextFileName(fx.path(QStringLiteral("new")));
    QVERIFY(run(*w, "fileSave"));
    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.kind, ZelFileDialog::Save);
    QCOMPARE(request.caption, QStringLiteral("Save database file"));
    QCOMPARE(request.dir, QStringLiteral("/start"));
    QCOMPARE(request.filter, QStringLiteral("Vocabulary database files (*.lxv)"));
    QCOMPARE(TestUtil::readFile(target), Bom + "yak\r\n");
    QCOMPARE(w->currentFile(), target);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("new.lxv")));
    QCOMPARE(status(*w), QStringLiteral("File saved"));
    QCOMPARE(w->lastFolder(QStringLiteral("lastVocFileDir")), fx.dir->path());

    const QString copy = fx.path(QStringLiteral("copy.lxv"));
    ZelFileDialog::setNextFileName(copy);
    QVERIFY(run(*w, "fileSaveAs"));
    QCOMPARE(recentFile(*w, 0), copy);
    QCOMPARE(recentFile(*w, 1), target);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("copy.lxv")));

    edit(docOf(*w));
    const int dialogs = ZelFileDialog::requestCount();
    QVERIFY(run(*w, "fileSave"));
    QCOMPARE(ZelFileDialog::requestCount(), dialogs);

    edit(docOf(*w));
    ZelFileDialog::setNextFileName(QString());
    QVERIFY(!run(*w, "fileSaveAs"));
    QCOMPARE(w->currentFile(), copy);
    QVERIFY(docOf(*w).isModified());

    const QString failing = fx.path(QStringLiteral("no/such/folder/x.lxv"));
    ZelFileDialog::setNextFileName(failing);
    fx.boxes().press(QMessageBox::Ok);
    QVERIFY(!run(*w, "fileSaveAs"));
    QCOMPARE(status(*w), QStringLiteral("Save cancelled"));
    QCOMPARE(fx.boxes().seen(),
        QStringList {QStringLiteral("File save error|Unable to save database file: %1\n%2|")
                         .arg(QDir::toNativeSeparators(failing), NoSuchFolder)});
    QCOMPARE(fx.boxes().busyDuringBox, QList<bool> {false});
    QCOMPARE(w->currentFile(), copy);
    QCOMPARE(shownTitle(*w), title(QStringLiteral("copy.lxv")));
    QVERIFY(docOf(*w).isModified());
}

// The import's dialog; the imported database is untitled, to be saved, and shows its first headword.
// A cancelled import keeps the database and shows its first headword again.
void TestFileCommands::importThroughTheWindow()
{
    const QString xml = fx.path(QStringLiteral("exchange.xml"));
    {
        auto session = openSession(words);
        QVERIFY(session->document()->exportXml(xml));
    }
    auto w = openWindow(words);
    edit(docOf(*w));
    wordList(*w)->selectionModel()->setCurrentIndex(
        w->wordListModel()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(currentHeadword(*w), QStringLiteral("cat"));
    fx.boxes().press(QMessageBox::No);
    ZelFileDialog::setNextFileName(QString());
    run(*w, "fileImportXml");
    QCOMPARE(w->currentFile(), words);
    QVERIFY(docOf(*w).isModified());
    QCOMPARE(currentHeadword(*w), QStringLiteral("dog"));

    w->setLastFolderForTesting(QStringLiteral("lastXmlFileDir"), QStringLiteral("/xml/start"));
    fx.boxes().press(QMessageBox::No);
    ZelFileDialog::setNextFileName(xml);
    run(*w, "fileImportXml");
    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.kind, ZelFileDialog::Open);
    QCOMPARE(request.caption, QStringLiteral("Import vocabulary database from XML file"));
    QCOMPARE(request.dir, QStringLiteral("/xml/start"));
    QCOMPARE(request.filter, QStringLiteral("XML files (*.xml)"));
    QCOMPARE(w->lastFolder(QStringLiteral("lastXmlFileDir")), QFileInfo(xml).canonicalPath());
    QCOMPARE(content(*docOf(*w).database()).first(), QStringLiteral("dog&&&{1}The [dog] barked."));
    QVERIFY(w->currentFile().isEmpty());
    QCOMPARE(shownTitle(*w), title(QStringLiteral("Untitled")));
    QVERIFY(docOf(*w).isModified());
    QCOMPARE(currentHeadword(*w), QStringLiteral("dog"));
    QCOMPARE(recentFile(*w, 0), words);
}

void TestFileCommands::messages_data()
{
    QTest::addColumn<QString>("command"); // a slot of the window, or an action
    QTest::addColumn<QString>("file"); // named in the dialog; "big..." is a large file
    QTest::addColumn<QByteArray>("bytes"); // of `file`, when it is to be made
    QTest::addColumn<bool>("failWrites");
    QTest::addColumn<QString>("target"); // %1 of the message; empty: `file`
    QTest::addColumn<QString>("message"); // %2: the reason a write failed
    const QByteArray none;
    const QString large = QStringLiteral("Large file|The file %1 is 300.0 MB large. Reading it takes a long "
                                         "time and about ten times as much memory.|Are you sure you want to "
                                         "do this?");
    QTest::addRow("backup") << "backupDb" << QString() << none << false << "words.lxv.bak"
                            << "Backup created|Your database has been backed up to:\n%1|";
    QTest::addRow("backup failed") << "backupDb" << QString() << none << true << "words.lxv.bak"
                                   << "Backup failed|Your database could not be backed up to:\n%1\n%2|";
    QTest::addRow("save failed") << "fileSave" << QString() << none << true << "words.lxv"
                                 << "File save error|Unable to save database file: %1\n%2|";
    QTest::addRow("XML export, ending completed") << "fileExportXml"
                                                  << "words" << none << false << "words.xml"
                                                  << "XML file saved|Export complete.|";
    QTest::addRow("XML export failed")
        << "fileExportXml"
        << "words.xml" << none << true << QString() << "File save error|Unable to save XML file: %1\n%2|";
    QTest::addRow("RTF export failed") << "actSaveAsRTF"
                                       << "sheet.rtf" << none << true << QString()
                                       << "Problem saving RTF file|Unable to save the RTF file to \n%1\n%2|";
    QTest::addRow("XML import failed") << "fileImportXml"
                                       << "bad.xml" << QByteArray("<kvtml/>") << false << QString()
                                       << "File open error|Unable to open XML file: %1|";
    QTest::addRow("XML import refused")
        << "fileImportXml"
        << "deep.xml"
        << "<lexivane-vocabulary-database>" + QByteArray("<a>").repeated(1000)
            + QByteArray("</a>").repeated(1000) + "</lexivane-vocabulary-database>"
        << false << QString()
        << "File open error|Unable to open XML file: %1\n" + XmlLimits::message(XmlLimits::TooDeep) + "|";
    QTest::addRow("XML import broke texts up")
        << "fileImportXml"
        << "amp.xml"
        << QByteArray("<lexivane-vocabulary-database version=\"3\"><items><item><head-word>A&amp;&amp;&amp;B"
                      "</head-word></item></items></lexivane-vocabulary-database>")
        << false << QString()
        << "Texts changed|1 of the imported texts held \"&&&\", which a database file cannot store; they "
           "were "
           "imported with it written as \"& & &\".|";
    QTest::addRow("open, large") << "fileOpen"
                                 << "big.lxv" << none << false << QString() << large;
    QTest::addRow("append, large") << "fileAppend"
                                   << "big.lxv" << none << false << QString() << large;
    QTest::addRow("import, large") << "fileImportXml"
                                   << "big.xml" << none << false << QString() << large;
}

// The boxes the file commands show, never under the busy cursor, naming the file and why a write
// failed; a failure or a Cancel leaves the open database, its name and its file as they were.
void TestFileCommands::messages()
{
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, failWrites);
    QFETCH(QString, target);
    QFETCH(QString, message);
    if (file.startsWith(QLatin1String("big")))
        bigFile(fx.path(file));
    else if (!bytes.isNull())
        fx.write(file, bytes);
    const QString named = fx.path(target.isEmpty() ? file : target);
    const bool oldFile = failWrites && named != words;
    if (oldFile)
        fx.write(QFileInfo(named).fileName(), "the old file");
    auto w = openWindow(words);
    w->lxdSession()->appendOutput({QStringLiteral("The [cat] sat.")}, QString());
    QMetaObject::invokeMethod(w.get(), "updateOutputCount");
    const QStringList before = content(*docOf(*w).database());
    if (!file.isEmpty())
        ZelFileDialog::setNextFileName(fx.path(file));

    fx.boxes().press(message.startsWith(QLatin1String("Large")) ? QMessageBox::Cancel : QMessageBox::Ok);
    if (failWrites)
        CheckedWrite::setFailAfterForTesting(0);
    if (command.startsWith(QLatin1String("act")))
        TestUtil::child<QAction>(w.get(), command.toLatin1().constData())->trigger();
    else
        run(*w, command.toLatin1().constData());
    CheckedWrite::setFailAfterForTesting(-1);

    QCOMPARE(fx.boxes().seen(),
        QStringList {
            message.arg(QDir::toNativeSeparators(named), QString::fromLocal8Bit(std::strerror(ENOSPC)))});
    QCOMPARE(fx.boxes().busyDuringBox, QList<bool> {false});
    QCOMPARE(TestUtil::readFile(words), WordsFile);
    if (failWrites || message.startsWith(QLatin1String("Large"))
        || message.startsWith(QLatin1String("File open"))) {
        QCOMPARE(content(*docOf(*w).database()), before);
        QCOMPARE(w->currentFile(), words);
    }
    if (oldFile)
        QCOMPARE(TestUtil::readFile(named), QByteArray("the old file"));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
