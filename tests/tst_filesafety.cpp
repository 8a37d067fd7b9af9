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

// --- Changes on disk ---------------------------------------------------------------------------------

void TestFileSafety::changeOnDiskBeforeSave_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("written");
    QTest::addRow("cancel") << QStringLiteral("Cancel") << QStringList {"cat", "dog", "emu"};
    QTest::addRow("overwrite") << QStringLiteral("Overwrite") << QStringList {"cat", "dog", "yak"};
    QTest::addRow("merge") << QStringLiteral("Merge") << QStringList {"cat", "dog", "emu", "yak"};
}

void TestFileSafety::changeOnDiskBeforeSave()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, written);
    const QString fileName = write(QStringLiteral("words.lxv"), WordsFile);
    auto w = openWindow(fileName);
    docOf(*w)->addHeadword(QStringLiteral("yak"));
    write(QStringLiteral("words.lxv"), ChangedFile); // before the watch has had a chance to see it

    this->answer(answer);
    QCOMPARE(save(*w), answer != QLatin1String("Cancel"));
    QVERIFY(answers->seen().value(0).startsWith(QLatin1String("Database changed on disk|")));
    QCOMPARE(headwordsIn(fileName), written);
    if (answer == QLatin1String("Cancel"))
        QCOMPARE(TestUtil::readFile(fileName), ChangedFile);
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
    // The same content written again is no news.
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
