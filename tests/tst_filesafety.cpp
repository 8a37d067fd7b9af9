// SPDX-License-Identifier: GPL-3.0-or-later
// The open database is locked against a second copy, and what another program wrote to it is never
// overwritten unseen: the session's rules on real files with real locks, and the window's questions
// and its watch.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
#include "document/lxdsession.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"

#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSysInfo>
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

// Answers the questions as told, and notes who held the locks asked about.
class Answers : public LxdSessionQuestions
{
public:
    bool confirmRepeatedHeadwords() override { return false; }
    std::optional<LxdMergeMode> chooseMergeOrKeep() override { return std::nullopt; }
    bool readLargeFile(const QString &, qint64) override { return true; }
    LockAnswer askAboutLock(const LxdFileLock &lock) override
    {
        holders.append(lock.holder());
        return lock_;
    }
    SaveAnswer askOverwriteChanged(const QString &) override
    {
        ++saveAsked;
        return save_;
    }
    LockAnswer lock_ = CancelOpen;
    SaveAnswer save_ = CancelSave;
    QList<LxdFileLock::Holder> holders;
    int saveAsked = 0;
};

QStringList headwords(const LxdDatabase &db)
{
    QStringList words;
    for (int i = 0; i < db.itemCount(); ++i)
        words.append(db.itemAt(i)->headword());
    return words;
}

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup();

    // The session.
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

    // The window.
    void questionsThroughTheWindow();
    void changeOnDiskWhileOpen_data();
    void changeOnDiskWhileOpen();
    void ownSaveAsksNothingAndRemovalIsToldOnce();

private:
    std::unique_ptr<MainWindow> openWindow(const QString &fileName);
    std::unique_ptr<LxdSession> openSession(const QString &fileName, Answers *answers = nullptr);
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
            fx.boxes().press(QMessageBox::Cancel);
        else
            fx.boxes().pressText(text);
    }
    static LxdDocument *docOf(const MainWindow &w) { return TestUtil::child<LxdDocument>(&w, "doc"); }
    static QStringList headwordsIn(const QString &fileName);
    static QString title(const MainWindow &w) { return w.windowHandle()->title(); }
    // Lets the watch see what there is to see: any question it asks is answered or reported.
    static void settle() { QTest::qWait(600); }

    TestUtil::WindowFixture fx;
};

void TestFileSafety::cleanup()
{
    QVERIFY2(!fx.boxes().busyDuringBox.contains(true), "a question was asked under the busy cursor");
    fx.cleanup();
}

std::unique_ptr<MainWindow> TestFileSafety::openWindow(const QString &fileName)
{
    auto w = fx.window();
    open(*w, fileName);
    return w;
}

std::unique_ptr<LxdSession> TestFileSafety::openSession(const QString &fileName, Answers *answers)
{
    auto session = std::make_unique<LxdSession>();
    session->open(fileName, answers);
    return session;
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

// --- The session: the lock -----------------------------------------------------------------------

void TestFileSafety::databaseHeldByAnotherCopy_data()
{
    QTest::addColumn<int>("answer");
    QTest::addRow("cancel") << int(LxdSessionQuestions::CancelOpen);
    QTest::addRow("read-only") << int(LxdSessionQuestions::OpenReadOnly);
    QTest::addRow("anyway") << int(LxdSessionQuestions::OpenAnyway);
}

void TestFileSafety::databaseHeldByAnotherCopy()
{
    QFETCH(int, answer);
    const QString mine = fx.write(QStringLiteral("mine.lxv"), OtherFile);
    const QString theirs = fx.write(QStringLiteral("theirs.lxv"), WordsFile);
    auto session = openSession(mine);
    QLockFile other(LxdFileLock::lockFileName(theirs));
    QVERIFY(other.tryLock(0));
    Answers answers;
    answers.lock_ = LxdSessionQuestions::LockAnswer(answer);

    const LxdOutcome opened = session->open(theirs, &answers);
    QCOMPARE(answers.holders.size(), 1);
    QCOMPARE(answers.holders.first().host, QSysInfo::machineHostName());
    QVERIFY(!answers.holders.first().otherComputer);
    if (answer == LxdSessionQuestions::CancelOpen) {
        QCOMPARE(opened.code, LxdOutcome::Cancelled);
        QCOMPARE(session->fileName(), mine);
        QCOMPARE(headwords(*session->database()), QStringList {QStringLiteral("ant")});
        QVERIFY(lockedElsewhere(mine));
        return;
    }
    QVERIFY(opened.ok());
    QCOMPARE(session->fileName(), theirs);
    QCOMPARE(headwords(*session->database()), (QStringList {"cat", "dog"}));
    QVERIFY(!lockedElsewhere(mine));
    session->document()->addHeadword(QStringLiteral("yak"));
    QCOMPARE(session->isReadOnly(), answer == LxdSessionQuestions::OpenReadOnly);

    if (answer == LxdSessionQuestions::OpenAnyway) {
        QVERIFY(session->save(theirs, &answers).ok());
        QCOMPARE(headwordsIn(theirs).size(), 3);
        return;
    }
    // Read-only: the name the other copy holds is refused, a free one is taken.
    const LxdOutcome refused = session->save(theirs, &answers);
    QCOMPARE(refused.code, LxdOutcome::LockHeld);
    QCOMPARE(refused.lockFile, theirs);
    QCOMPARE(TestUtil::readFile(theirs), WordsFile);
    const QString copy = fx.path(QStringLiteral("copy.lxv"));
    QVERIFY(session->save(copy, &answers).ok());
    QCOMPARE(headwordsIn(copy).size(), 3);
    QCOMPARE(session->fileName(), copy);
    QVERIFY(!session->isReadOnly());
    QVERIFY(lockedElsewhere(copy));
}

void TestFileSafety::lockOfCrashedCopyIsTakenOver()
{
    const QString fileName = fx.write(QStringLiteral("words.lxv"), WordsFile);
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
    QCOMPARE(fx.write(QFileInfo(lockName).fileName(), content), lockName);

    Answers answers;
    auto session = openSession(fileName, &answers);
    QVERIFY(answers.holders.isEmpty());
    QCOMPARE(session->fileName(), fileName);
    QLockFile probe(lockName);
    qint64 pid = 0;
    QString host, program;
    QVERIFY(probe.getLockInfo(&pid, &host, &program));
    QCOMPARE(pid, QCoreApplication::applicationPid());
}

void TestFileSafety::lockGoesWithTheDatabase()
{
    const QString first = fx.write(QStringLiteral("first.lxv"), WordsFile);
    const QString second = fx.write(QStringLiteral("second.lxv"), OtherFile);
    Answers answers;
    auto session = openSession(first, &answers);
    QVERIFY(lockedElsewhere(first));
    QVERIFY(session->newDatabase().ok());
    QVERIFY(!lockedElsewhere(first));

    QVERIFY(session->open(first, &answers).ok());
    QVERIFY(session->open(first, &answers).ok()); // opened again: its own lock is no other copy's
    QVERIFY(answers.holders.isEmpty());
    QVERIFY(session->open(second, &answers).ok());
    QVERIFY(!lockedElsewhere(first));
    QVERIFY(lockedElsewhere(second));
    session.reset();
    QVERIFY(!lockedElsewhere(second));
}

// A lock from another computer is never taken silently, not even from a cloned one that shares this
// computer's machine id: the question names the computer, and Open anyway takes the lock over.
void TestFileSafety::lockMadeOnAnotherComputer_data()
{
    const QByteArray machine = QSysInfo::machineUniqueId();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<bool>("anyway");
    QTest::addRow("another computer, opened anyway") << lockFrom("lab-pc-2", "other-id") << true;
    QTest::addRow("cloned computer") << lockFrom("lab-pc-2", machine) << false;
    QTest::addRow("same name, another machine id") << lockFrom(host, "other-id") << false;
}

void TestFileSafety::lockMadeOnAnotherComputer()
{
    QFETCH(QByteArray, lock);
    QFETCH(bool, anyway);
    const QString fileName = fx.write(QStringLiteral("words.lxv"), WordsFile);
    const QString lockName = fx.write(QFileInfo(LxdFileLock::lockFileName(fileName)).fileName(), lock);
    Answers answers;
    answers.lock_ = anyway ? LxdSessionQuestions::OpenAnyway : LxdSessionQuestions::CancelOpen;

    auto session = openSession(fileName, &answers);
    QCOMPARE(answers.holders.size(), 1);
    QCOMPARE(answers.holders.first().host, QString::fromUtf8(lock.split('\n').at(2)));
    QVERIFY(answers.holders.first().otherComputer);
    if (!anyway) {
        QVERIFY(session->fileName().isEmpty());
        QCOMPARE(TestUtil::readFile(lockName), lock);
        return;
    }
    QCOMPARE(session->fileName(), fileName);
    QCOMPARE(TestUtil::readFile(lockName).split('\n').value(0),
        QByteArray::number(QCoreApplication::applicationPid()));
    session.reset();
    QVERIFY(!QFile::exists(lockName));
}

// A lock removed by hand is taken again at the next save; one that another copy took over (it opened
// the database anyway) stops the save, and the database is saved only under another name from then on.
void TestFileSafety::lockLostIsNoticedAtSave()
{
    const QString fileName = fx.write(QStringLiteral("words.lxv"), WordsFile);
    auto session = openSession(fileName);
    const QString lockName = LxdFileLock::lockFileName(fileName);
    QVERIFY(QFile::remove(lockName));
    session->document()->addHeadword(QStringLiteral("yak"));
    QVERIFY(session->save(fileName, nullptr).ok());
    QVERIFY(lockedElsewhere(fileName));

    QVERIFY(QFile::remove(lockName));
    const QByteArray theirs = lockFrom("lab-pc-2", "other-id");
    fx.write(QFileInfo(lockName).fileName(), theirs);
    session->document()->addHeadword(QStringLiteral("zebu"));
    const LxdOutcome lost = session->save(fileName, nullptr);
    QCOMPARE(lost.code, LxdOutcome::LockLost);
    QCOMPARE(lost.holder.host, QStringLiteral("lab-pc-2"));
    QVERIFY(session->isReadOnly());
    QCOMPARE(headwordsIn(fileName), (QStringList {"cat", "dog", "yak"}));

    const QString copy = fx.path(QStringLiteral("copy.lxv"));
    QVERIFY(session->save(copy, nullptr).ok());
    QCOMPARE(headwordsIn(copy), (QStringList {"cat", "dog", "yak", "zebu"}));
    session.reset();
    QCOMPARE(TestUtil::readFile(lockName), theirs);
}

// Every way to a database finds the same lock: the one beside the file a symbolic link names. A save
// under another name takes the lock of that name also after the open file has vanished.
void TestFileSafety::lockBelongsToTheFileItself()
{
    const QString fileName = fx.write(QStringLiteral("words.lxv"), WordsFile);
    const QString link = fx.path(QStringLiteral("alias.lxv"));
    QVERIFY(QFile::link(fileName, link));
    Answers answers;
    auto session = openSession(link, &answers);
    QVERIFY(QFile::exists(fx.path(QStringLiteral(".words.lxv.lock"))));
    QVERIFY(!QFile::exists(fx.path(QStringLiteral(".alias.lxv.lock"))));
    session->document()->addHeadword(QStringLiteral("yak"));
    QVERIFY(session->save(link, &answers).ok());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(headwordsIn(fileName), (QStringList {"cat", "dog", "yak"}));
    QVERIFY(session->open(fileName, &answers).ok()); // the same database: its own lock
    QVERIFY(answers.holders.isEmpty());

    QVERIFY(QFile::remove(fileName));
    const QString copy = fx.path(QStringLiteral("copy.lxv"));
    QVERIFY(session->save(copy, &answers).ok());
    QVERIFY(lockedElsewhere(copy));
    QVERIFY(!QFile::exists(fx.path(QStringLiteral(".words.lxv.lock"))));
}

// --- The session: changes on disk before a save ------------------------------------------------------

void TestFileSafety::changeOnDiskBeforeSave_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<bool>("sameStamp");
    QTest::addRow("cancel") << int(LxdSessionQuestions::CancelSave) << QStringList {"cat", "dog", "emu"}
                            << false;
    QTest::addRow("overwrite") << int(LxdSessionQuestions::Overwrite) << QStringList {"cat", "dog", "yak"}
                               << false;
    QTest::addRow("merge") << int(LxdSessionQuestions::MergeThenSave)
                           << QStringList {"cat", "dog", "emu", "yak"} << false;
    // Same size, time put back (cp -p, FAT's two-second times): only the content tells.
    QTest::addRow("cancel, same size and time")
        << int(LxdSessionQuestions::CancelSave) << QStringList {"cow", "dog"} << true;
}

void TestFileSafety::changeOnDiskBeforeSave()
{
    QFETCH(int, answer);
    QFETCH(QStringList, written);
    QFETCH(bool, sameStamp);
    const QString fileName = fx.write(QStringLiteral("words.lxv"), WordsFile);
    auto session = openSession(fileName);
    session->document()->addHeadword(QStringLiteral("yak"));
    // The file has long been read in the background by the time a teacher has edited it.
    session->fileGuard()->diskChange();
    const QDateTime stamp = QFileInfo(fileName).lastModified();
    const QByteArray theirs = sameStamp ? SameSizeFile : ChangedFile;
    fx.write(QStringLiteral("words.lxv"), theirs);
    if (sameStamp) {
        QFile file(fileName);
        QVERIFY(
            file.open(QIODevice::ReadWrite) && file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    Answers answers;
    answers.save_ = LxdSessionQuestions::SaveAnswer(answer);

    const LxdOutcome outcome = session->save(fileName, &answers);
    QCOMPARE(answers.saveAsked, 1);
    QCOMPARE(outcome.ok(), answer != LxdSessionQuestions::CancelSave);
    QCOMPARE(outcome.merged, answer == LxdSessionQuestions::MergeThenSave);
    QCOMPARE(headwordsIn(fileName), written);
    if (answer == LxdSessionQuestions::CancelSave)
        QCOMPARE(TestUtil::readFile(fileName), theirs);
    // Answered once: the next save asks no more.
    else
        QVERIFY(session->save(fileName, &answers).ok() && answers.saveAsked == 1);
}

// --- The window ----------------------------------------------------------------------------------

// The questions about a lock name the file and the computer, and their buttons reach the session: a
// database opened read-only says so in the title, and a save under the name another copy holds is
// refused with a box; the question about a change on disk before a save merges when told to.
void TestFileSafety::questionsThroughTheWindow()
{
    const QString theirs = fx.write(QStringLiteral("theirs.lxv"), WordsFile);
    const QString remote = fx.write(QStringLiteral("remote.lxv"), WordsFile);
    fx.write(QFileInfo(LxdFileLock::lockFileName(remote)).fileName(), lockFrom("lab-pc-2", "other-id"));
    QLockFile other(LxdFileLock::lockFileName(theirs));
    QVERIFY(other.tryLock(0));

    answer(QStringLiteral("Cancel"));
    auto w = openWindow(remote);
    QVERIFY(w->currentFile().isEmpty());
    answer(QStringLiteral("Open read-only"));
    open(*w, theirs);
    QCOMPARE(fx.boxes().seen().size(), 2);
    const QString foreign = fx.boxes().seen().at(0);
    QVERIFY2(foreign.startsWith(QLatin1String("Database in use|"))
            && foreign.contains(QLatin1String("lab-pc-2"))
            && foreign.contains(QLatin1String("another computer")),
        qPrintable(foreign));
    const QString question = fx.boxes().seen().at(1);
    QVERIFY2(question.startsWith(QLatin1String("Database in use|"))
            && question.contains(QDir::toNativeSeparators(theirs))
            && question.contains(QSysInfo::machineHostName()),
        qPrintable(question));
    QCOMPARE(w->currentFile(), theirs);
    QVERIFY2(title(*w).contains(QLatin1String("theirs.lxv (read-only)")), qPrintable(title(*w)));

    // Save asks for a name, refuses the one the other copy holds, takes a free one.
    docOf(*w)->addHeadword(QStringLiteral("yak"));
    ZelFileDialog::setNextFileName(theirs);
    fx.boxes().press(QMessageBox::Ok);
    QVERIFY(!save(*w));
    QVERIFY(fx.boxes().seen().value(2).startsWith(QLatin1String("Database in use|")));
    const QString copy = fx.path(QStringLiteral("copy.lxv"));
    ZelFileDialog::setNextFileName(copy);
    QVERIFY(save(*w));
    QVERIFY(!title(*w).contains(QLatin1String("read-only")));

    docOf(*w)->addHeadword(QStringLiteral("zebu"));
    TestUtil::child<LxdFileGuard>(w.get(), "fileGuard")->diskChange();
    fx.write(QStringLiteral("copy.lxv"), ChangedFile); // before the watch has had a chance to see it
    answer(QStringLiteral("Merge"));
    QVERIFY(save(*w));
    QVERIFY(fx.boxes().seen().value(3).startsWith(QLatin1String("Database changed on disk|")));
    QCOMPARE(headwordsIn(copy), (QStringList {"cat", "dog", "emu", "yak", "zebu"}));
    settle(); // the watch asks nothing more about what the teacher has just answered
    QCOMPARE(fx.boxes().seen().size(), 4);
}

void TestFileSafety::changeOnDiskWhileOpen_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("shown");
    QTest::addRow("unmodified, reload")
        << false << QStringLiteral("Reload") << QStringList {"cat", "dog", "emu"};
    QTest::addRow("unmodified, keep")
        << false << QStringLiteral("Keep what is shown") << QStringList {"cat", "dog"};
    QTest::addRow("modified, merge") << true << QStringLiteral("Merge")
                                     << QStringList {"cat", "dog", "emu", "yak"};
    QTest::addRow("modified, reload")
        << true << QStringLiteral("Reload") << QStringList {"cat", "dog", "emu"};
    QTest::addRow("modified, keep mine")
        << true << QStringLiteral("Keep mine") << QStringList {"cat", "dog", "yak"};
}

// The watch asks once about a change another program made; the answer is carried out, and neither
// the watch nor the next save asks again.
void TestFileSafety::changeOnDiskWhileOpen()
{
    QFETCH(bool, modified);
    QFETCH(QString, answer);
    QFETCH(QStringList, shown);
    const QString fileName = fx.write(QStringLiteral("words.lxv"), WordsFile);
    auto w = openWindow(fileName);
    QUndoStack *history = docOf(*w)->undoStack();
    if (modified)
        docOf(*w)->addHeadword(QStringLiteral("yak"));
    const int steps = history->count();

    fx.boxes().pressText(answer);
    if (modified && answer == QLatin1String("Reload"))
        fx.boxes().press(QMessageBox::Yes); // the window's changes are really to go
    fx.write(QStringLiteral("words.lxv"), ChangedFile);
    QTRY_COMPARE(fx.boxes().pending(), 0);
    QCOMPARE(headwords(*w->database()), shown);

    if (answer == QLatin1String("Merge")) {
        QCOMPARE(w->database()->sentenceCount(0), 2); // "A [cat] purrs." came too
        QCOMPARE(history->count(), steps + 1);
        history->undo();
        QCOMPARE(headwords(*w->database()), (QStringList {"cat", "dog", "yak"}));
        history->redo();
    }
    if (!modified) {
        QVERIFY(!w->database()->isModified());
        // The same content written again is no news, once the file just read has been read in the
        // background too (a write in the middle of that read counts as a change, rightly).
        TestUtil::child<LxdFileGuard>(w.get(), "fileGuard")->known().checksum.waitForFinished();
        fx.write(QStringLiteral("words.lxv"), ChangedFile);
        settle();
    } else if (answer == QLatin1String("Reload")) {
        QVERIFY(!w->database()->isModified());
    } else {
        // Merged or kept: the teacher has chosen, and Save writes without asking again.
        QVERIFY(save(*w));
        QCOMPARE(headwordsIn(fileName), shown);
    }
    QCOMPARE(fx.boxes().seen().size(), modified && answer == QLatin1String("Reload") ? 2 : 1);
}

void TestFileSafety::ownSaveAsksNothingAndRemovalIsToldOnce()
{
    const QString fileName = fx.write(QStringLiteral("words.lxv"), WordsFile);
    auto w = openWindow(fileName);
    docOf(*w)->addHeadword(QStringLiteral("yak"));
    QVERIFY(save(*w));
    docOf(*w)->addHeadword(QStringLiteral("zebu"));
    QVERIFY(save(*w));
    settle();
    QCOMPARE(fx.boxes().seen(), QStringList());

    fx.boxes().press(QMessageBox::Ok);
    QVERIFY(QFile::remove(fileName));
    QTRY_COMPARE(fx.boxes().pending(), 0);
    QVERIFY(fx.boxes().seen().value(0).startsWith(QLatin1String("Database file removed|")));
    settle();
    QCOMPARE(fx.boxes().seen().size(), 1);

    QVERIFY(save(*w));
    QCOMPARE(headwordsIn(fileName), (QStringList {"cat", "dog", "yak", "zebu"}));
    settle();
    QCOMPARE(fx.boxes().seen().size(), 1);
}

QTEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
