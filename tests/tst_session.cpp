// SPDX-License-Identifier: GPL-3.0-or-later
// The session without a window: the output list's steps in the undo history, and the exercise kept
// with the database from one run of the program to the next, also when a run is killed.
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "document/lxdsession.h"
#include "exercise/randomdraw.h"

#include "support/testutil.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

const char Words[] = "cat&&&{0}The [cat] sat.&&&{3}A [cat] naps.\r\ndog&&&{0}A [dog] barks.\r\n";

// Opens anyway what another session holds (the one a killed program left running here), and
// counts the questions.
class Answers : public LxdSessionQuestions
{
public:
    bool confirmRepeatedHeadwords() override { return false; }
    std::optional<LxdMergeMode> chooseMergeOrKeep() override { return std::nullopt; }
    bool readLargeFile(const QString &, qint64) override { return true; }
    LockAnswer askAboutLock(const LxdFileLock &) override
    {
        ++lockAsked;
        return OpenAnyway;
    }
    SaveAnswer askOverwriteChanged(const QString &) override { return CancelSave; }
    int lockAsked = 0;
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LxdSession> openSession(const QString &fileName, Answers *answers = nullptr);

    QTemporaryDir dir;
    QString words;

private slots:
    void initTestCase();
    void init();
    void outputSteps();
    void useSentencesIsOneStep();
    void exerciseKept_data();
    void exerciseKept();
    void unreadableExerciseIgnored_data();
    void unreadableExerciseIgnored();
    void openKeepsAListThatIsThere();
    void keepingNothing();
    void openForReading();
    void randomOutput();
};

std::unique_ptr<LxdSession> TestSession::openSession(const QString &fileName, Answers *answers)
{
    auto session = std::make_unique<LxdSession>();
    const LxdOutcome outcome = session->open(fileName, answers);
    if (!outcome.ok())
        qFatal("cannot open %s: %d", qPrintable(fileName), int(outcome.code));
    return session;
}

void TestSession::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Venhollow"));
    QCoreApplication::setApplicationName(QStringLiteral("Lexivane 3"));
    QVERIFY(dir.isValid());
}

void TestSession::init()
{
    words = TestUtil::writeFile(dir, QStringLiteral("words.lxv"), QByteArray(Words));
    QFile::remove(LxdSession::exerciseFile(words));
}

void TestSession::outputSteps()
{
    LxdSession session;
    QAbstractItemModelTester tester(session.output(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QUndoStack *stack = session.document()->undoStack();
    const QStringList abcde {"a", "b", "c", "d", "e"};

    session.appendOutput(abcde, QStringLiteral("Use Sentences"));
    QCOMPARE(session.moveOutput({3, 4}, false), QList<int> {4});
    QCOMPARE(session.output()->entries(), (QStringList {"a", "b", "c", "e", "d"}));
    QCOMPARE(session.moveOutput({1, 2}, true), (QList<int> {0, 1}));
    QCOMPARE(session.output()->entries(), (QStringList {"b", "c", "a", "e", "d"}));
    session.removeOutput({4, 0, 2, 0, 9});
    QCOMPARE(session.output()->entries(), (QStringList {"c", "e"}));
    session.clearOutput();
    QCOMPARE(session.output()->count(), 0);

    // Each edit is one step, undone back to the start and redone to the end.
    const QList<QStringList> states {
        {}, abcde, {"a", "b", "c", "e", "d"}, {"b", "c", "a", "e", "d"}, {"c", "e"}, {}};
    QCOMPARE(stack->count(), 5);
    for (int i = 4; i >= 0; --i) {
        stack->undo();
        QCOMPARE(session.output()->entries(), states.at(i));
    }
    for (int i = 1; i <= 5; ++i) {
        stack->redo();
        QCOMPARE(session.output()->entries(), states.at(i));
    }
    // The list is no change of the database.
    QVERIFY(!session.document()->isModified());
}

void TestSession::useSentencesIsOneStep()
{
    auto session = openSession(words);
    session->appendOutput({QStringLiteral("old")}, QString());
    QUndoStack *stack = session->document()->undoStack();
    QCOMPARE(stack->count(), 0);

    // A random draw replaces the list and counts what it drew, as one step.
    session->useSentences({{0, 1}, {1, 0}, {0, 1}}, QStringLiteral("Random Output"), true);
    QCOMPARE(
        session->output()->entries(), (QStringList {"A [cat] naps.", "A [dog] barks.", "A [cat] naps."}));
    QCOMPARE(session->database()->sentenceAt(0, 1)->used(), 5);
    QCOMPARE(stack->count(), 1);
    stack->undo();
    QCOMPARE(session->output()->entries(), QStringList {"old"});
    QCOMPARE(session->database()->sentenceAt(0, 1)->used(), 3);
    QCOMPARE(session->database()->sentenceAt(1, 0)->used(), 0);

    // Nothing to use is no step.
    session->useSentences({{7, 0}}, QStringLiteral("Use Sentences"));
    QCOMPARE(stack->count(), 1);
}

void TestSession::exerciseKept_data()
{
    QTest::addColumn<bool>("killed");
    QTest::newRow("killed") << true;
    QTest::newRow("closed") << false;
}

// The exercise is written as soon as it changes: a program killed (its session never destroyed, its
// lock still held) leaves it as well as one that ends in good order.
void TestSession::exerciseKept()
{
    QFETCH(bool, killed);
    auto first = openSession(words);
    first->useSentences({{0, 0}, {1, 0}}, QStringLiteral("Use Sentences"));
    ExerciseOptions options;
    options.jumbleOrder = false;
    options.answerKey = true;
    first->setOptions(options);
    first->setTitle(QStringLiteral("Pets"));
    first->setExtraWords(QStringLiteral("owl, bee"));
    first->setDatabaseWords(2);
    const quint32 seed = first->exerciseRequest().seed;
    QCoreApplication::processEvents();
    if (!killed)
        first.reset();

    Answers answers;
    auto second = openSession(words, &answers);
    QCOMPARE(answers.lockAsked, killed ? 1 : 0);
    QCOMPARE(second->output()->entries(), (QStringList {"The [cat] sat.", "A [dog] barks."}));
    QCOMPARE(second->options(), options);
    QCOMPARE(second->title(), QStringLiteral("Pets"));
    QCOMPARE(second->extraWords(), QStringLiteral("owl, bee"));
    QCOMPARE(second->databaseWords(), 2);
    // The same shuffle: the key of yesterday's sheet can still be printed.
    QCOMPARE(second->exerciseRequest().seed, seed);
    // Restored, not redone: nothing to undo.
    QCOMPARE(second->document()->undoStack()->count(), 0);
}

void TestSession::unreadableExerciseIgnored_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not json") << QByteArray("\x00\xff{\"output\": [", 14);
    QTest::newRow("an array") << QByteArray("[1, 2, 3]");
    QTest::newRow("wrong types") << QByteArray(
        R"({"output": 7, "seed": -3, "options": [true], "title": {}})");
}

void TestSession::unreadableExerciseIgnored()
{
    QFETCH(QByteArray, bytes);
    const QString file = LxdSession::exerciseFile(words);
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    auto session = openSession(words);
    QCOMPARE(session->output()->count(), 0);
    QCOMPARE(session->options(), ExerciseOptions());
    QCOMPARE(session->title(), QString());
}

// Opening another database keeps the list on show; its own exercise waits for an empty list.
void TestSession::openKeepsAListThatIsThere()
{
    const QString other = TestUtil::writeFile(dir, QStringLiteral("other.lxv"), QByteArray(Words));
    {
        auto kept = openSession(other);
        kept->appendOutput({QStringLiteral("kept")}, QStringLiteral("Use Sentences"));
    }
    auto session = openSession(words);
    session->appendOutput({QStringLiteral("shown")}, QStringLiteral("Use Sentences"));
    QVERIFY(session->open(other, nullptr).ok());
    QCOMPARE(session->output()->entries(), QStringList {"shown"});
    QCoreApplication::processEvents();
    // What was still to be written for the database before is not written over the other's.
    Answers answers;
    QCOMPARE(openSession(other, &answers)->output()->entries(), QStringList {"kept"});
}

// The command line's session: the window's kept exercise is neither taken in nor written over, and
// no recovery copy is made of its changes.
void TestSession::keepingNothing()
{
    openSession(words)->setTitle(QStringLiteral("Pets"));
    const QByteArray kept = TestUtil::readFile(LxdSession::exerciseFile(words));
    QVERIFY(kept.contains("Pets"));

    LxdRecovery::setDelaysForTesting(0, 0);
    {
        LxdSession session(LxdSession::Keeping::Nothing);
        QVERIFY(session.keepsNothing());
        QVERIFY(session.open(words, nullptr).ok());
        QCOMPARE(session.title(), QString());
        session.useSentences({{0, 0}}, QStringLiteral("Use Sentences"));
        session.setTitle(QStringLiteral("Other"));
        session.exerciseRequest();
        QCoreApplication::processEvents();
        // A copy would be under way by now, or written.
        QVERIFY(!session.recovery()->isWriting());
        QVERIFY(!QFile::exists(session.recovery()->copyFile()));
    }
    LxdRecovery::setDelaysForTesting(3000, 2 * 60 * 1000);
    QCOMPARE(TestUtil::readFile(LxdSession::exerciseFile(words)), kept);
}

// Read without its lock: another copy holding the file is not asked about, nothing watches it, and a
// save takes the lock then, which that copy's lock refuses.
void TestSession::openForReading()
{
    Answers answers;
    LxdSession session(LxdSession::Keeping::Nothing);
    QVERIFY(session.open(words, &answers, LxdSession::OpenMode::Reading).ok());
    QVERIFY(!QFile::exists(LxdFileLock::lockFileName(words)));
    QVERIFY(session.fileGuard()->fileName().isEmpty());

    LxdFileLock other = LxdFileLock::take(words);
    QVERIFY(other.isHeld());
    QVERIFY(session.open(words, &answers, LxdSession::OpenMode::Reading).ok());
    QCOMPARE(answers.lockAsked, 0);
    QCOMPARE(session.fileName(), words);
    QCOMPARE(session.database()->itemCount(), 2);
    const LxdOutcome refused = session.save(words, &answers);
    QCOMPARE(refused.code, LxdOutcome::LockHeld);
    QCOMPARE(refused.holder.pid, QCoreApplication::applicationPid());
    other.release();
    QVERIFY(session.save(words, &answers).ok());
    QVERIFY(session.fileGuard()->holdsLock());
}

// Output > Random output: all it asks for or nothing; added to the list, what is in it is not drawn
// again; each draw is one step; the seed set last is the export's.
void TestSession::randomOutput()
{
    auto session = openSession(words);
    QUndoStack *stack = session->document()->undoStack();
    session->appendOutput({QStringLiteral("A [dog] barks.")}, QString());
    RandomDrawOptions options;
    options.total = 3;
    options.allowMultiples = true;
    options.includeUsed = true;
    options.addToOutput = true;
    RandomSource random(7);
    int available = -1;
    QVERIFY(!session->randomOutput(options, random, QStringLiteral("Random Output"), &available));
    QCOMPARE(available, 2);
    QCOMPARE(session->output()->count(), 1);
    QCOMPARE(stack->count(), 0);

    options.total = 2;
    QVERIFY(session->randomOutput(options, random, QStringLiteral("Random Output")));
    QStringList entries = session->output()->entries();
    QCOMPARE(entries.takeFirst(), QStringLiteral("A [dog] barks."));
    entries.sort();
    QCOMPARE(entries, (QStringList {"A [cat] naps.", "The [cat] sat."}));
    QCOMPARE(session->database()->sentenceAt(0, 1)->used(), 4);
    QCOMPARE(session->database()->sentenceAt(1, 0)->used(), 0);

    options.addToOutput = false;
    options.total = 3;
    QVERIFY(session->randomOutput(options, random, QStringLiteral("Random Output")));
    QCOMPARE(session->output()->count(), 3);
    QCOMPARE(session->database()->sentenceAt(1, 0)->used(), 1);
    QCOMPARE(stack->count(), 2);

    session->setSeed(42);
    QCOMPARE(session->exerciseRequest().seed, 42u);
    QCOMPARE(session->exercise().seed, std::optional<quint32>(42));
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
