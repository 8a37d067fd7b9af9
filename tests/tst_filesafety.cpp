// SPDX-License-Identifier: GPL-3.0-or-later
// The open database is locked against a second copy, and what another program wrote to it is never
// overwritten unseen: the window's questions on real files, with real locks and a real watch.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
#include "support/boxanswerer.h"
#include "support/testutil.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QResource>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QWindow>

#include <memory>

namespace {

const QByteArray Bom("\xEF\xBB\xBF");
const QByteArray WordsFile = Bom + "cat&&&{2}The [cat] sat.\r\ndog&&&{1}The [dog] barked.\r\n";
const QByteArray OtherFile = Bom + "ant&&&{0}An [ant] is small.\r\n";
// What another program makes of WordsFile: one headword more, one sentence more.
const QByteArray ChangedFile = Bom
    + "cat&&&{2}The [cat] sat.&&&{0}A [cat] purrs.\r\ndog&&&{1}The [dog] barked.\r\nemu&&&{0}An [emu] "
      "ran.\r\n";

// The same size as WordsFile, one headword changed: a change that size and time alone cannot show.
const QByteArray SameSizeFile = Bom + "cow&&&{2}The [cow] sat.\r\ndog&&&{1}The [dog] barked.\r\n";

// A lock as a copy of the program on another computer leaves it, in QLockFile's format: process,
// program, host name, machine id, boot id.
QByteArray lockFrom(const QByteArray &host, const QByteArray &machine)
{
    return "4242\nlexivane\n" + host + '\n' + machine + "\nboot-of-another-computer\n";
}

// Whether some program holds the lock of `fileName`.
bool lockedElsewhere(const QString &fileName)
{
    QLockFile probe(LxdFileLock::lockFileName(fileName));
    probe.setStaleLockTime(0);
    return !probe.tryLock(0);
}

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void databaseHeldByAnotherCopy_data();
    void databaseHeldByAnotherCopy();
    void lockOfCrashedCopyIsTakenOver();
    void lockGoesWithTheDatabase();
    void lockMadeOnAnotherComputer_data();
    void lockMadeOnAnotherComputer();
    void lockLostIsNoticedAtSave();
    void lockBelongsToTheFileItself();

    void changeOnDiskBeforeSave_data();
    void changeOnDiskBeforeSave();
    void changeOnDiskWhileUnmodified_data();
    void changeOnDiskWhileUnmodified();
    void changeOnDiskWithUnsavedChanges_data();
    void changeOnDiskWithUnsavedChanges();
    void ownSaveAsksNothingAndRemovalIsToldOnce();

private:
    std::unique_ptr<MainWindow> openWindow(const QString &fileName);
    QString write(const QString &name, const QByteArray &bytes)
    {
        return TestUtil::writeFile(*dir, name, bytes);
    }
    static void open(MainWindow &w, const QString &fileName)
    {
        ZelFileDialog::setNextFileName(fileName);
        TestUtil::runCommand(w, "fileOpen");
    }
    static bool save(MainWindow &w) { return TestUtil::runCommand(w, "fileSave"); }
    // Presses the button showing `text`; "Cancel" is the standard button.
    void answer(const QString &text)
    {
        if (text == QLatin1String("Cancel"))
            answers->press(QMessageBox::Cancel);
        else
            answers->pressText(text);
    }
    static LxdDocument *docOf(const MainWindow &w) { return TestUtil::child<LxdDocument>(&w, "doc"); }
    static QStringList headwords(const MainWindow &w);
    static QStringList headwordsIn(const QString &fileName);
    static QString title(const MainWindow &w) { return w.windowHandle()->title(); }
    // Lets the watch see what there is to see: any question it asks is answered or reported.
    static void settle() { QTest::qWait(600); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestUtil::BoxAnswerer> answers;
};

void TestFileSafety::initTestCase()
{
    ZelUtils::setApplicationIdentity();
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));
}

void TestFileSafety::init()
{
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("application/firstRun"), false);
    settings.sync();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    answers = std::make_unique<TestUtil::BoxAnswerer>();
}

void TestFileSafety::cleanup()
{
    QVERIFY2(answers->unexpected().isEmpty(), qPrintable(answers->unexpected().join(QLatin1String("; "))));
    QCOMPARE(answers->pending(), 0);
    QCOMPARE(ZelFileDialog::pendingFileNames(), 0);
    QVERIFY2(!answers->busyDuringBox.contains(true), "a question was asked under the busy cursor");
    QVERIFY2(!QApplication::overrideCursor(), "the busy cursor was left on");
    answers.reset();
    TestUtil::resetHooks();
    dir.reset();
}

std::unique_ptr<MainWindow> TestFileSafety::openWindow(const QString &fileName)
{
    auto w = std::make_unique<MainWindow>();
    w->show();
    open(*w, fileName);
    return w;
}

QStringList TestFileSafety::headwords(const MainWindow &w)
{
    QStringList words;
    for (int i = 0; i < w.database()->itemCount(); ++i)
        words.append(w.database()->itemAt(i)->headword());
    return words;
}

QStringList TestFileSafety::headwordsIn(const QString &fileName)
{
    QStringList words;
    for (const QByteArray &line : TestUtil::readFile(fileName).split('\n')) {
        const QString text = QString::fromUtf8(line).remove(QChar(0xFEFF)).trimmed();
        if (!text.isEmpty())
            words.append(text.section(QLatin1String("&&&"), 0, 0));
    }
    return words;
}

// --- The lock ------------------------------------------------------------------------------------------

void TestFileSafety::databaseHeldByAnotherCopy_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addRow("cancel") << QStringLiteral("Cancel");
    QTest::addRow("read-only") << QStringLiteral("Open read-only");
    QTest::addRow("anyway") << QStringLiteral("Open anyway");
}

void TestFileSafety::databaseHeldByAnotherCopy()
{
    QFETCH(QString, answer);
    const QString mine = write(QStringLiteral("mine.lxv"), OtherFile);
    const QString theirs = write(QStringLiteral("theirs.lxv"), WordsFile);
    auto w = openWindow(mine);
    QLockFile other(LxdFileLock::lockFileName(theirs));
    QVERIFY(other.tryLock(0));

    this->answer(answer);
    open(*w, theirs);
    QCOMPARE(answers->pending(), 0);
    const QString question = answers->seen().value(0);
    QVERIFY2(question.startsWith(QLatin1String("Database in use|"))
            && question.contains(QDir::toNativeSeparators(theirs))
            && question.contains(QSysInfo::machineHostName()),
        qPrintable(question));

    if (answer == QLatin1String("Cancel")) {
        QCOMPARE(w->currentFile(), mine);
        QCOMPARE(headwords(*w), QStringList {QStringLiteral("ant")});
        QVERIFY(lockedElsewhere(mine));
        return;
    }
    QCOMPARE(w->currentFile(), theirs);
    QCOMPARE(headwords(*w), (QStringList {QStringLiteral("cat"), QStringLiteral("dog")}));
    QVERIFY(!lockedElsewhere(mine));
    docOf(*w)->addHeadword(QStringLiteral("yak"));

    if (answer == QLatin1String("Open anyway")) {
        QVERIFY(!title(*w).contains(QLatin1String("read-only")));
        QVERIFY(save(*w));
        QCOMPARE(headwordsIn(theirs).size(), 3);
        return;
    }

    // Read-only: Save asks for a name, refuses the one the other copy holds, takes a free one.
    QVERIFY2(title(*w).contains(QLatin1String("theirs.lxv (read-only)")), qPrintable(title(*w)));
    ZelFileDialog::setNextFileName(theirs);
    answers->press(QMessageBox::Ok);
    QVERIFY(!save(*w));
    QVERIFY(answers->seen().value(1).startsWith(QLatin1String("Database in use|")));
    QCOMPARE(TestUtil::readFile(theirs), WordsFile);

    const QString copy = dir->filePath(QStringLiteral("copy.lxv"));
    ZelFileDialog::setNextFileName(copy);
    QVERIFY(save(*w));
    QCOMPARE(headwordsIn(copy).size(), 3);
    QCOMPARE(w->currentFile(), copy);
    QVERIFY(!title(*w).contains(QLatin1String("read-only")));
    QVERIFY(lockedElsewhere(copy));
}

void TestFileSafety::lockOfCrashedCopyIsTakenOver()
{
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    const QString lockName = LxdFileLock::lockFileName(fileName);
    // A lock as a copy on this computer leaves it, naming a process that has ended.
    QLockFile model(lockName);
    QVERIFY(model.tryLock(0));
    QByteArray content = TestUtil::readFile(lockName);
    model.unlock();
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    content = QByteArray::number(deadPid) + content.mid(content.indexOf('\n'));
    QCOMPARE(TestUtil::writeFile(*dir, QFileInfo(lockName).fileName(), content), lockName);

    auto w = openWindow(fileName); // any question would be reported as unexpected
    QCOMPARE(w->currentFile(), fileName);
    QLockFile probe(lockName);
    qint64 pid = 0;
    QString host, program;
    QVERIFY(probe.getLockInfo(&pid, &host, &program));
    QCOMPARE(pid, QCoreApplication::applicationPid());
}

void TestFileSafety::lockGoesWithTheDatabase()
{
    const QString first = write(QStringLiteral("first.lxv"), WordsFile);
    const QString second = write(QStringLiteral("second.lxv"), OtherFile);
    auto w = openWindow(first);
    QVERIFY(lockedElsewhere(first));

    TestUtil::runCommand(*w, "fileNew");
    QVERIFY(!lockedElsewhere(first));

    open(*w, first);
    open(*w, first); // opened again: the window's own lock is no other copy's
    QCOMPARE(answers->seen(), QStringList());
    open(*w, second);
    QVERIFY(!lockedElsewhere(first));
    QVERIFY(lockedElsewhere(second));

    QVERIFY(w->close());
    QVERIFY(!lockedElsewhere(second));
}

// A lock from another computer is never taken silently, not even from a cloned one that shares this
// computer's machine id: the question names the computer, and Open anyway takes the lock over.
void TestFileSafety::lockMadeOnAnotherComputer_data()
{
    const QByteArray machine = QSysInfo::machineUniqueId();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<QString>("answer");
    QTest::addRow("another computer, opened anyway") << lockFrom("lab-pc-2", "other-id") << "Open anyway";
    QTest::addRow("cloned computer") << lockFrom("lab-pc-2", machine) << "Cancel";
    QTest::addRow("same name, another machine id") << lockFrom(host, "other-id") << "Cancel";
}

void TestFileSafety::lockMadeOnAnotherComputer()
{
    QFETCH(QByteArray, lock);
    QFETCH(QString, answer);
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    const QString lockName = write(QFileInfo(LxdFileLock::lockFileName(fileName)).fileName(), lock);

    this->answer(answer);
    auto w = openWindow(fileName);
    const QString question = answers->seen().value(0);
    QVERIFY2(question.startsWith(QLatin1String("Database in use|"))
            && question.contains(QString::fromUtf8(lock.split('\n').at(2)))
            && question.contains(QLatin1String("another computer")),
        qPrintable(question));
    if (answer == QLatin1String("Cancel")) {
        QVERIFY(w->currentFile().isEmpty());
        QCOMPARE(TestUtil::readFile(lockName), lock);
        return;
    }
    QCOMPARE(w->currentFile(), fileName);
    QCOMPARE(TestUtil::readFile(lockName).split('\n').value(0),
        QByteArray::number(QCoreApplication::applicationPid()));
    QVERIFY(w->close());
    QVERIFY(!QFile::exists(lockName));
}

// A lock removed by hand is taken again at the next save; one that another copy took over (it opened
// the database anyway) stops the save, and the database is saved only under another name from then on.
void TestFileSafety::lockLostIsNoticedAtSave()
{
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = openWindow(fileName);
    const QString lockName = LxdFileLock::lockFileName(fileName);
    QVERIFY(QFile::remove(lockName));
    docOf(*w)->addHeadword(QStringLiteral("yak"));
    QVERIFY(save(*w));
    QVERIFY(lockedElsewhere(fileName));

    QVERIFY(QFile::remove(lockName));
    const QByteArray theirs = lockFrom("lab-pc-2", "other-id");
    write(QFileInfo(lockName).fileName(), theirs);
    docOf(*w)->addHeadword(QStringLiteral("zebu"));
    answers->press(QMessageBox::Ok);
    QVERIFY(!save(*w));
    QVERIFY(answers->seen().value(0).startsWith(QLatin1String("Database in use|")));
    QCOMPARE(headwordsIn(fileName), (QStringList {"cat", "dog", "yak"}));
    QVERIFY2(title(*w).contains(QLatin1String("(read-only)")), qPrintable(title(*w)));

    const QString copy = dir->filePath(QStringLiteral("copy.lxv"));
    ZelFileDialog::setNextFileName(copy);
    QVERIFY(save(*w));
    QCOMPARE(headwordsIn(copy), (QStringList {"cat", "dog", "yak", "zebu"}));
    w.reset();
    QCOMPARE(TestUtil::readFile(lockName), theirs);
}

// Every way to a database finds the same lock: the one beside the file a symbolic link names. Save As
// takes the lock of its name also after the open file has vanished.
void TestFileSafety::lockBelongsToTheFileItself()
{
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    const QString link = dir->filePath(QStringLiteral("alias.lxv"));
    QVERIFY(QFile::link(fileName, link));
    auto w = openWindow(link);
    QVERIFY(QFile::exists(dir->filePath(QStringLiteral(".words.lxv.lock"))));
    QVERIFY(!QFile::exists(dir->filePath(QStringLiteral(".alias.lxv.lock"))));
    docOf(*w)->addHeadword(QStringLiteral("yak"));
    QVERIFY(save(*w));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(headwordsIn(fileName), (QStringList {"cat", "dog", "yak"}));
    open(*w, fileName); // the same database: the window's own lock is no other copy's
    QCOMPARE(answers->seen(), QStringList());

    answers->press(QMessageBox::Ok);
    QVERIFY(QFile::remove(fileName));
    QTRY_COMPARE(answers->pending(), 0);
    const QString copy = dir->filePath(QStringLiteral("copy.lxv"));
    ZelFileDialog::setNextFileName(copy);
    QVERIFY(TestUtil::runCommand(*w, "fileSaveAs"));
    QVERIFY(lockedElsewhere(copy));
    QVERIFY(!QFile::exists(dir->filePath(QStringLiteral(".words.lxv.lock"))));
}

// --- Changes on disk ---------------------------------------------------------------------------------

void TestFileSafety::changeOnDiskBeforeSave_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<bool>("sameStamp");
    QTest::addRow("cancel") << QStringLiteral("Cancel") << QStringList {"cat", "dog", "emu"} << false;
    QTest::addRow("overwrite") << QStringLiteral("Overwrite") << QStringList {"cat", "dog", "yak"} << false;
    QTest::addRow("merge") << QStringLiteral("Merge") << QStringList {"cat", "dog", "emu", "yak"} << false;
    // Same size, time put back (cp -p, FAT's two-second times): only the content tells.
    QTest::addRow("cancel, same size and time")
        << QStringLiteral("Cancel") << QStringList {"cow", "dog"} << true;
}

void TestFileSafety::changeOnDiskBeforeSave()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, written);
    QFETCH(bool, sameStamp);
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = openWindow(fileName);
    docOf(*w)->addHeadword(QStringLiteral("yak"));
    // The window has long read the file in the background by the time a teacher has edited it.
    TestUtil::child<LxdFileGuard>(w.get(), "fileGuard")->diskChange();
    const QDateTime stamp = QFileInfo(fileName).lastModified();
    const QByteArray theirs = sameStamp ? SameSizeFile : ChangedFile;
    write(QStringLiteral("words.lxv"), theirs); // before the watch has had a chance to see it
    if (sameStamp) {
        QFile file(fileName);
        QVERIFY(
            file.open(QIODevice::ReadWrite) && file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }

    this->answer(answer);
    QCOMPARE(save(*w), answer != QLatin1String("Cancel"));
    QVERIFY(answers->seen().value(0).startsWith(QLatin1String("Database changed on disk|")));
    QCOMPARE(headwordsIn(fileName), written);
    if (answer == QLatin1String("Cancel"))
        QCOMPARE(TestUtil::readFile(fileName), theirs);
    settle(); // the watch asks nothing more about what the teacher has just answered
}

void TestFileSafety::changeOnDiskWhileUnmodified_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("shown");
    QTest::addRow("reload") << QStringLiteral("Reload") << QStringList {"cat", "dog", "emu"};
    QTest::addRow("keep") << QStringLiteral("Keep what is shown") << QStringList {"cat", "dog"};
}

void TestFileSafety::changeOnDiskWhileUnmodified()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, shown);
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = openWindow(fileName);

    answers->pressText(answer);
    write(QStringLiteral("words.lxv"), ChangedFile);
    QTRY_COMPARE(answers->pending(), 0);
    QCOMPARE(headwords(*w), shown);
    QVERIFY(!w->database()->isModified());
    // The same content written again is no news, once the file just read has been read in the
    // background too (a write in the middle of that read counts as a change, rightly).
    TestUtil::child<LxdFileGuard>(w.get(), "fileGuard")->known().checksum.waitForFinished();
    write(QStringLiteral("words.lxv"), ChangedFile);
    settle();
    QCOMPARE(answers->seen().size(), 1);
}

void TestFileSafety::changeOnDiskWithUnsavedChanges_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("shown");
    QTest::addRow("merge") << QStringLiteral("Merge") << QStringList {"cat", "dog", "emu", "yak"};
    QTest::addRow("reload") << QStringLiteral("Reload") << QStringList {"cat", "dog", "emu"};
    QTest::addRow("keep mine") << QStringLiteral("Keep mine") << QStringList {"cat", "dog", "yak"};
}

void TestFileSafety::changeOnDiskWithUnsavedChanges()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, shown);
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = openWindow(fileName);
    QUndoStack *history = docOf(*w)->undoStack();
    docOf(*w)->addHeadword(QStringLiteral("yak"));
    const int steps = history->count();

    answers->pressText(answer);
    if (answer == QLatin1String("Reload"))
        answers->press(QMessageBox::Yes); // the window's changes are really to go
    write(QStringLiteral("words.lxv"), ChangedFile);
    QTRY_COMPARE(answers->pending(), 0);
    QCOMPARE(headwords(*w), shown);

    if (answer == QLatin1String("Merge")) {
        QCOMPARE(w->database()->sentenceCount(0), 2); // "A [cat] purrs." came too
        QCOMPARE(history->count(), steps + 1);
        history->undo();
        QCOMPARE(headwords(*w), (QStringList {"cat", "dog", "yak"}));
        history->redo();
    }
    if (answer == QLatin1String("Reload")) {
        QVERIFY(!w->database()->isModified());
        return;
    }
    // Merged or kept: the teacher has chosen, and Save writes without asking again.
    QVERIFY(save(*w));
    QCOMPARE(headwordsIn(fileName), shown);
    QCOMPARE(answers->seen().size(), 1);
}

void TestFileSafety::ownSaveAsksNothingAndRemovalIsToldOnce()
{
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = openWindow(fileName);
    docOf(*w)->addHeadword(QStringLiteral("yak"));
    QVERIFY(save(*w));
    docOf(*w)->addHeadword(QStringLiteral("zebu"));
    QVERIFY(save(*w));
    settle();
    QCOMPARE(answers->seen(), QStringList());

    answers->press(QMessageBox::Ok);
    QVERIFY(QFile::remove(fileName));
    QTRY_COMPARE(answers->pending(), 0);
    QVERIFY(answers->seen().value(0).startsWith(QLatin1String("Database file removed|")));
    settle();
    QCOMPARE(answers->seen().size(), 1);

    QVERIFY(save(*w));
    QCOMPARE(headwordsIn(fileName), (QStringList {"cat", "dog", "yak", "zebu"}));
    settle();
    QCOMPARE(answers->seen().size(), 1);
}

QTEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
