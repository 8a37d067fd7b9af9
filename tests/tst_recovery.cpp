// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of unsaved changes against a real crash: a second copy of this test program opens
// a database in a real window, edits it, puts an exercise together, waits for the copy and is killed
// with SIGKILL; the windows of this program then offer the copy, recover or discard it, never write
// it over later work unasked, and leave no copy after a save or a clean quit.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "document/lxddocument.h"
#include "document/lxdrecovery.h"
#include "document/lxdsession.h"
#include "exercise/randomsource.h"
#include "support/boxanswerer.h"
#include "support/dbfixtures.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelutils.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QResource>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <cstdio>
#include <memory>

namespace {

const char ChildOption[] = "--recovery-child";

const QByteArray WordsFile = "\xEF\xBB\xBF"
                             "cat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is black.\r\n"
                             "dog&&&{1}The [dog] barked.\r\n";

// The edit the crashed program made: the sentence of "dog" changed and used seven times.
const QString EditedText = QStringLiteral("The [dog] ran & barked.");

// The exercise the crashed program put together, and exported once (shuffled from seed 4242).
const QStringList SessionEntries = {QStringLiteral("The [cat] sat."), QStringLiteral("A [dog] ran."),
    QStringLiteral("An [owl] flew."), QStringLiteral("The [bee] hummed."), QStringLiteral("A [fox] hid."),
    QStringLiteral("The [hen] slept.")};
const QString SessionTitle = QStringLiteral("Animals, week 3");
const QString SessionExtraWords = QStringLiteral("ant, yak");

QString clipboardFile(const QString &database)
{
    return QFileInfo(database).absolutePath() + QLatin1String("/clipboard.txt");
}

LxdDocument *docOf(const MainWindow &w)
{
    return TestUtil::child<LxdDocument>(&w, "doc");
}

QStringList content(const MainWindow &w)
{
    QStringList lines;
    for (int i = 0; i < w.database()->itemCount(); ++i)
        lines.append(DbFixtures::fileLine(*w.database()->itemAt(i)));
    return lines;
}

QStringList leftInFolder()
{
    return QDir(LxdRecovery::folder())
        .entryList({QStringLiteral("*.lxv"), QStringLiteral("*.json")}, QDir::Files);
}

// The crashing program: opens `database`, edits it, says when the copy is on disk and waits to be killed.
int runChild(const QString &database)
{
    // Settings and copies where the test program looks for them.
    QStandardPaths::setTestModeEnabled(true);
    ZelUtils::setApplicationIdentity();
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));
    LxdRecovery::setDelaysForTesting(50, 1000);
    MainWindow::setCommandLineForTesting({QCoreApplication::applicationFilePath(), database});
    MainWindow w;
    w.show();
    QObject::connect(TestUtil::child<LxdRecovery>(&w, "recovery"), &LxdRecovery::copyWritten, &w,
        [](bool ok, const QString &error) {
            std::printf("%s\n", ok ? "written" : qPrintable(QLatin1String("failed: ") + error));
            std::fflush(stdout);
        });
    docOf(w)->editSentence(1, 0, EditedText, 7);
    w.lxdSession()->appendOutput(SessionEntries, QString());
    TestUtil::child<QLineEdit>(&w, "ledExerciseTitle")->setText(SessionTitle);
    TestUtil::child<QPlainTextEdit>(&w, "pteExtraWords")->setPlainText(SessionExtraWords);
    RandomSource::setSeedOverride(4242u);
    TestUtil::BoxAnswerer copied;
    copied.press(QMessageBox::Ok);
    QMetaObject::invokeMethod(&w, "updateOutputCount");
    TestUtil::child<QAction>(&w, "actSentencesToClipboard")->trigger();
    RandomSource::setSeedOverride(std::nullopt);
    QFile clip(clipboardFile(database));
    if (!clip.open(QIODevice::WriteOnly) || clip.write(QApplication::clipboard()->text().toUtf8()) < 0)
        return 2;
    clip.close();
    return QApplication::exec();
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void crashedCopyIsOfferedAndRecovered();
    void recoverAfterLaterWorkAsksAndMerges();
    void discardRemovesCrashedCopy();
    void unreadableCopyLeavesTheWindowAsItWas();
    void saveAndEndRemoveTheCopy();
    void descriptionIsReadSafely();

private:
    // Runs the crashing program on `database` and kills it once its copy is written.
    void crash(const QString &database);
    std::unique_ptr<MainWindow> newWindow(const QString &database);

    TestUtil::WindowFixture fx;
    QString database;
};

void TestRecovery::initTestCase()
{
    fx.initTestCase();
    // The copies live in the test's own home (run-isolated.sh), never in the user's.
    QVERIFY(LxdRecovery::folder().startsWith(QDir::homePath() + QLatin1Char('/')));
}

void TestRecovery::init()
{
    fx.init();
    QDir(LxdRecovery::folder()).removeRecursively();
    database = fx.write(QStringLiteral("words.lxv"), WordsFile);
}

void TestRecovery::cleanup()
{
    LxdRecovery::setDelaysForTesting(3000, 2 * 60 * 1000);
    fx.cleanup();
}

std::unique_ptr<MainWindow> TestRecovery::newWindow(const QString &file)
{
    MainWindow::setCommandLineForTesting({QCoreApplication::applicationFilePath(), file});
    return fx.window();
}

void TestRecovery::crash(const QString &file)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(ChildOption), file});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains('\n') && child.waitForReadyRead(20000))
        said += child.readAll();
    QCOMPARE(said.trimmed(), QByteArray("written"));
    // The recent files are in the settings at once, not only after a clean quit.
    {
        QSettings settings;
        settings.sync();
        QCOMPARE(settings.value(QStringLiteral("mainWindow/recentFiles")).toStringList(), QStringList(file));
    }

    // While the other program runs, its copy is its own: opening the database offers nothing (the
    // database itself is in use by that program, and opens read-only here).
    {
        fx.boxes().pressText(QStringLiteral("Open read-only"));
        auto w = newWindow(file);
        QCOMPARE(w->currentFile(), file);
        QVERIFY(!w->database()->isModified());
    }
    QVERIFY(fx.boxes().seen().value(0).startsWith(QLatin1String("Database in use|")));
    fx.nextBoxes();

    child.kill(); // SIGKILL: nothing of the program's own runs any more
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(leftInFolder().size(), 2);
}

void TestRecovery::crashedCopyIsOfferedAndRecovered()
{
    crash(database);
    if (QTest::currentTestFailed())
        return;
    const QStringList original
        = {QStringLiteral("cat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is black."),
            QStringLiteral("dog&&&{1}The [dog] barked.")};

    // Later keeps the copy and the database as read from its file.
    fx.boxes().escape();
    {
        auto w = newWindow(database);
        QCOMPARE(fx.boxes().pending(), 0);
        QCOMPARE(content(*w), original);
        QVERIFY(!w->database()->isModified());
    }
    QCOMPARE(fx.boxes().seen().size(), 1);
    QVERIFY2(fx.boxes().seen().at(0).contains(
                 QStringLiteral("Unsaved changes to %1 from ").arg(QDir::toNativeSeparators(database))),
        qPrintable(fx.boxes().seen().at(0)));
    QCOMPARE(leftInFolder().size(), 2);

    // Recover: the edit, unsaved, under the database's own name, with nothing to undo.
    fx.boxes().pressText(QStringLiteral("Recover"));
    auto w = newWindow(database);
    QCOMPARE(fx.boxes().pending(), 0);
    QCOMPARE(content(*w), QStringList({original.at(0), QStringLiteral("dog&&&{7}") + EditedText}));
    QVERIFY(w->database()->isModified());
    QVERIFY(w->isWindowModified());
    QCOMPARE(w->currentFile(), database);
    QVERIFY(!docOf(*w)->undoStack()->canUndo());
    QCOMPARE(TestUtil::readFile(database), WordsFile);
    // The exercise is back, shuffled as it was before the crash.
    QCOMPARE(w->outputEntries(), SessionEntries);
    QCOMPARE(TestUtil::child<QLineEdit>(w.get(), "ledExerciseTitle")->text(), SessionTitle);
    QCOMPARE(TestUtil::child<QPlainTextEdit>(w.get(), "pteExtraWords")->toPlainText(), SessionExtraWords);
    RandomSource::setSeedOverride(7u);
    fx.boxes().press(QMessageBox::Ok);
    QMetaObject::invokeMethod(w.get(), "updateOutputCount");
    TestUtil::child<QAction>(w.get(), "actSentencesToClipboard")->trigger();
    QCOMPARE(QApplication::clipboard()->text().toUtf8(), TestUtil::readFile(clipboardFile(database)));

    // The copy is this window's now: a later window does not offer it, and quitting without saving
    // removes it.
    {
        fx.boxes().pressText(QStringLiteral("Open read-only")); // the database is this window's too
        auto other = newWindow(database);
        QCOMPARE(fx.boxes().seen().size(), 4);
        QVERIFY(fx.boxes().seen().at(3).startsWith(QLatin1String("Database in use|")));
    }
    QCOMPARE(leftInFolder().size(), 2);
    fx.boxes().press(QMessageBox::No);
    QVERIFY(w->close());
    QCOMPARE(leftInFolder(), QStringList());
    QCOMPARE(TestUtil::readFile(database), WordsFile);
}

void TestRecovery::recoverAfterLaterWorkAsksAndMerges()
{
    crash(database);
    if (QTest::currentTestFailed())
        return;
    // "Later", then new work saved over the database the copy's changes were made to.
    fx.boxes().escape();
    {
        auto w = newWindow(database);
        QVERIFY(docOf(*w)->addSentence(0, QStringLiteral("Later [work]."), 0));
        QVERIFY(TestUtil::runCommand(*w, "fileSave"));
    }
    QVERIFY(TestUtil::readFile(database).contains("Later [work]."));

    // Recover asks as about any change on disk; Merge keeps both, and Save then asks nothing.
    fx.boxes().pressText(QStringLiteral("Recover")).pressText(QStringLiteral("Merge"));
    auto w = newWindow(database);
    QCOMPARE(fx.boxes().pending(), 0);
    QVERIFY2(fx.boxes().seen().value(2).startsWith(QLatin1String("Database changed on disk|")),
        qPrintable(fx.boxes().seen().join(QLatin1String("; "))));
    QVERIFY(TestUtil::runCommand(*w, "fileSave"));
    const QByteArray saved = TestUtil::readFile(database);
    QVERIFY2(saved.contains("Later [work].") && saved.contains(EditedText.toUtf8()), saved.constData());
}

void TestRecovery::unreadableCopyLeavesTheWindowAsItWas()
{
    crash(database);
    if (QTest::currentTestFailed())
        return;
    QString copy;
    for (const QString &name : leftInFolder()) {
        if (name.endsWith(QLatin1String(".lxv")))
            copy = QDir(LxdRecovery::folder()).filePath(name);
    }
    {
        QFile file(copy);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray binary = QByteArray(4, '\0') + "not a database";
        QVERIFY(file.write(binary) == binary.size());
    }

    fx.boxes().pressText(QStringLiteral("Recover")).press(QMessageBox::Ok);
    auto w = newWindow(database);
    QCOMPARE(fx.boxes().seen().value(1),
        QStringLiteral("Recovery failed|The recovery copy %1 cannot be read.|")
            .arg(QDir::toNativeSeparators(copy)));
    QCOMPARE(w->currentFile(), database);
    QCOMPARE(w->database()->itemCount(), 2);
    QVERIFY(!w->database()->isModified());
    QCOMPARE(leftInFolder().size(), 2);
}

void TestRecovery::discardRemovesCrashedCopy()
{
    crash(database);
    if (QTest::currentTestFailed())
        return;
    // At start-up a copy is offered whichever database opens; with none open, "Later" opens the
    // copy's database as it is on disk.
    const auto forgetRecentFiles = [] { QSettings().remove(QStringLiteral("mainWindow/recentFiles")); };
    forgetRecentFiles();
    fx.boxes().escape();
    {
        auto w = newWindow(QString());
        QCOMPARE(fx.boxes().pending(), 0);
        QCOMPARE(w->currentFile(), database);
        QCOMPARE(w->database()->itemCount(), 2);
        QVERIFY(!w->database()->isModified());
    }
    QCOMPARE(fx.boxes().seen().size(), 1);
    QCOMPARE(leftInFolder().size(), 2);
    forgetRecentFiles();
    fx.boxes().pressText(QStringLiteral("Discard"));
    {
        auto w = newWindow(QString());
        QCOMPARE(fx.boxes().pending(), 0);
        QVERIFY(w->currentFile().isEmpty());
        QCOMPARE(w->database()->itemCount(), 0);
    }
    QCOMPARE(leftInFolder(), QStringList());
    auto w = newWindow(database);
    QCOMPARE(fx.boxes().seen().size(), 2);
    QVERIFY(!w->database()->isModified());
}

// Edits that go on without a pause still reach the copy once the longest delay is up; the snapshot is
// taken a headword at a time, as a large database's is. The copy is byte for byte what a save writes,
// and goes once the database is saved or the program ends in good order.
void TestRecovery::saveAndEndRemoveTheCopy()
{
    LxdRecovery::setDelaysForTesting(60 * 1000, 100, 1);
    LxdSession session;
    QVERIFY(session.open(database, nullptr).ok());
    LxdRecovery *recovery = session.recovery();
    QVERIFY(!QFile::exists(recovery->copyFile()));
    session.document()->editSentence(1, 0, EditedText, -3);
    session.document()->addSentence(0, QStringLiteral("A [cat]\nsleeps."), 12);
    QTRY_VERIFY(QFile::exists(recovery->copyFile()) && !recovery->isWriting());
    QVERIFY(!recovery->copyFile().startsWith(fx.dir->path()));
    const QByteArray copied = TestUtil::readFile(recovery->copyFile());

    QVERIFY(session.save(database, nullptr).ok());
    QCOMPARE(TestUtil::readFile(database), copied);
    QCOMPARE(leftInFolder(), QStringList());

    session.document()->editSentence(1, 0, QStringLiteral("The [dog] slept."), 0);
    QTRY_VERIFY(QFile::exists(recovery->copyFile()) && !recovery->isWriting());
    session.end();
    QCOMPARE(leftInFolder(), QStringList());
    QCOMPARE(TestUtil::readFile(database), copied);
}

void TestRecovery::descriptionIsReadSafely()
{
    LxdRecoveryCopy copy;
    copy.databaseFile = database;
    copy.editedAt = QDateTime::fromString(QStringLiteral("2026-03-04T05:06:07.890Z"), Qt::ISODateWithMs);
    copy.hasChanges = false;
    copy.base = {1234, copy.editedAt.addSecs(-60), QByteArray(20, '\x5a')};
    copy.session.output = SessionEntries;
    copy.session.title = SessionTitle;
    copy.session.extraWords = SessionExtraWords;
    copy.session.databaseWords = 3;
    copy.session.seed = 4294967295u;
    copy.session.options = {{QStringLiteral("chkJumbleOrder"), false}};
    LxdRecoveryCopy read;
    QVERIFY(read.readDescription(copy.description()));
    QCOMPARE(read.databaseFile, copy.databaseFile);
    QCOMPARE(read.editedAt, copy.editedAt);
    QCOMPARE(read.hasChanges, false);
    QCOMPARE(read.base.size, copy.base.size);
    QCOMPARE(read.base.modified, copy.base.modified);
    QCOMPARE(read.base.checksum, copy.base.checksum);
    QVERIFY(read.session == copy.session);

    // An older copy's description: changes made to a file in a state nobody knows.
    QVERIFY(read.readDescription(R"({"database":"/a.lxv","edited":"2026-01-02T03:04:05.000Z"})"));
    QVERIFY(read.hasChanges);
    QCOMPARE(read.base.size, -1);
    QVERIFY(read.session.isEmpty());

    // Damaged or hostile: no description at all, or only what is sound in it.
    for (const QByteArray &bad : {QByteArray(), QByteArray("{"), QByteArray("[1]"), QByteArray(100000, '['),
             QByteArray(R"({"edited":5})"), QByteArray(R"({"edited":"yesterday"})")})
        QVERIFY(!read.readDescription(bad));
    QVERIFY(read.readDescription(R"({"database":"/a.lxv","edited":"2026-01-02T03:04:05.000Z",
        "base":{"size":-1,"modified":"2026-01-01T00:00:00Z","sha1":"zz"},
        "session":{"output":[1,"ok",{},null],"seed":1e300,"databaseWords":3.5,"options":{"x":"yes"}}})"));
    QCOMPARE(read.base.size, -1);
    QCOMPARE(read.session.output, QStringList(QStringLiteral("ok")));
    QVERIFY(!read.session.seed);
    QCOMPARE(read.session.databaseWords, 0);
    QVERIFY(read.session.options.isEmpty());

    // A damaged description beside a copy: the copy is not offered and goes, nothing else happens.
    QVERIFY(QDir().mkpath(LxdRecovery::folder()));
    QFile meta(LxdRecovery::folder() + QLatin1String("/broken.json"));
    QVERIFY(meta.open(QIODevice::WriteOnly) && meta.write(QByteArray(4096, '{')) == 4096);
    meta.close();
    QVERIFY(LxdRecovery::orphans().isEmpty());
    QCOMPARE(leftInFolder(), QStringList());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], ChildOption) == 0)
            return runChild(QString::fromLocal8Bit(argv[i + 1]));
    }
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
