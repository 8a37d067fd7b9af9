// SPDX-License-Identifier: GPL-3.0-or-later
// The merge that Append, Import and a merge of a changed file share: its results against a plain
// reference written straight from the merge and keep rules, over many random databases and incoming
// lists, taken back and made again; and the document making one undo step of a file merged without
// questions.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdmerge.h"
#include "data/lxdmergeplan.h"
#include "data/lxdsentence.h"
#include "document/lxddocument.h"
#include "support/testutil.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <algorithm>
#include <limits>

namespace {

struct Sentence
{
    QString text;
    int used = 0;
    bool stored = true;
};
struct Headword
{
    QString headword;
    QList<Sentence> sentences;
};
using Values = QList<Headword>;

class Incoming : public LxdIncoming
{
public:
    explicit Incoming(const Values &values)
        : m_values(values)
    { }
    qsizetype headwordCount() const override { return m_values.size(); }
    QStringView headword(qsizetype j) const override { return m_values.at(j).headword; }
    qsizetype sentenceCount(qsizetype j) const override { return m_values.at(j).sentences.size(); }
    Sentence sentence(qsizetype j, qsizetype k) const override
    {
        const ::Sentence &s = m_values.at(j).sentences.at(k);
        return {s.stored ? QStringView(s.text) : QStringView(), s.used, s.stored};
    }

private:
    Values m_values;
};

// The rules as they are written, on plain values: keep adds every incoming headword, from the last
// to the first; merge takes each incoming headword, from the last to the first, into the first
// headword of the same trimmed text (those added before included), its sentences from the last to
// the first: a sentence of the same trimmed text there adds its count (versions of one file: keeps the
// larger one), any other is appended trimmed.
Values reference(Values db, const Values &incoming, LxdMergeMode mode)
{
    const auto loaded = [](Headword h) {
        for (Sentence &s : h.sentences) {
            if (!s.stored)
                s.text.clear();
        }
        return h;
    };
    for (qsizetype j = incoming.size() - 1; j >= 0; --j) {
        const Headword &in = incoming.at(j);
        qsizetype target = -1;
        for (qsizetype i = 0; mode != LxdMergeMode::Keep && i < db.size() && target < 0; ++i) {
            if (db.at(i).headword.trimmed() == in.headword.trimmed())
                target = i;
        }
        if (target < 0) {
            db.append(loaded(in));
            continue;
        }
        QList<Sentence> &own = db[target].sentences;
        for (qsizetype k = in.sentences.size() - 1; k >= 0; --k) {
            const QString t = in.sentences.at(k).stored ? in.sentences.at(k).text.trimmed() : QString();
            const int u = in.sentences.at(k).used;
            const auto same = std::find_if(
                own.begin(), own.end(), [&t](const Sentence &s) { return s.text.trimmed() == t; });
            if (same == own.end()) {
                own.append({t, u});
            } else if (mode == LxdMergeMode::Versions) {
                same->used = std::max(same->used, u);
            } else {
                const qint64 sum = qint64(same->used) + u;
                same->used = int(std::clamp<qint64>(
                    sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
            }
        }
    }
    return db;
}

QString line(const Headword &h)
{
    QString out = h.headword;
    for (const Sentence &s : h.sentences)
        out += QLatin1Char('|') + s.text + QLatin1Char('#') + QString::number(s.used);
    return out;
}

Values valuesOf(const LxdDatabase &db)
{
    Values values;
    for (int i = 0; i < db.itemCount(); ++i) {
        Headword h {db.headword(i), {}};
        for (int k = 0; k < db.sentenceCount(i); ++k)
            h.sentences.append({db.sentenceAt(i, k)->text(), db.sentenceAt(i, k)->used()});
        values.append(h);
    }
    return values;
}

QStringList lines(const Values &values)
{
    QStringList out;
    for (const Headword &h : values)
        out.append(line(h));
    return out;
}

// Sorted lines: the database sorts its headwords, and equal ones in no defined order.
QStringList picture(const Values &values)
{
    QStringList out = lines(values);
    out.sort();
    return out;
}

Values randomValues(QRandomGenerator &random, int maxHeadwords, int maxSentences)
{
    // Few texts, with and without white space around them, so that repeats are common; now and then
    // a headword with many sentences, where the lookup works by hash.
    static const QStringList words {QStringLiteral("cat"), QStringLiteral(" cat"), QStringLiteral("cat "),
        QStringLiteral("Cat"), QStringLiteral("dog"), QStringLiteral("\tdog"), QStringLiteral("ému")};
    Values values;
    const int headwords = int(random.bounded(maxHeadwords + 1));
    for (int i = 0; i < headwords; ++i) {
        Headword h {words.at(int(random.bounded(int(words.size())))), {}};
        const int many = random.bounded(8) == 0 ? 45 : maxSentences;
        const int count = int(random.bounded(many + 1));
        for (int k = 0; k < count; ++k) {
            const int n = int(random.bounded(many));
            QString text = QStringLiteral("A [x] %1").arg(n);
            if (random.bounded(4) == 0)
                text = QLatin1Char(' ') + text;
            if (random.bounded(4) == 0)
                text += QLatin1Char(' ');
            const int used
                = random.bounded(20) == 0 ? std::numeric_limits<int>::max() : int(random.bounded(4));
            h.sentences.append({text, used, random.bounded(10) != 0});
        }
        values.append(h);
    }
    return values;
}

size_t poorHash(QStringView text)
{
    return size_t(text.size() % 3);
}

} // namespace

class TestMergePlan : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LxdDatabase::setHeadwordHash(nullptr); }
    void planAgainstReference_data();
    void planAgainstReference();
    void mergeFileIsOneUndoStep();
    void versionsOfOneFileKeepTheLargerCount();
};

void TestMergePlan::planAgainstReference_data()
{
    QTest::addColumn<bool>("poor");
    QTest::addRow("real hash") << false;
    QTest::addRow("every headword shares a hash with others") << true;
}

void TestMergePlan::planAgainstReference()
{
    QFETCH(bool, poor);
    if (poor)
        LxdDatabase::setHeadwordHash(poorHash);
    QRandomGenerator random(poor ? 7 : 11);
    for (int run = 0; run < 400; ++run) {
        const Values held = randomValues(random, 6, 6);
        const Values more = randomValues(random, 6, 6);
        for (LxdMergeMode mode : {LxdMergeMode::Keep, LxdMergeMode::Merge, LxdMergeMode::Versions}) {
            LxdDatabase db;
            const Incoming start(held);
            LxdMerge(&db, start, LxdMergeMode::Keep).apply();
            const Values before = valuesOf(db);
            QCOMPARE(picture(before), picture(reference({}, held, LxdMergeMode::Keep)));
            db.setModified(false);

            const Incoming incoming(more);
            const LxdMergePlan plan = db.planMerge(incoming, mode);
            LxdMerge merge(&db, incoming, mode);
            QCOMPARE(lines(valuesOf(db)), lines(before)); // planning changes nothing
            QVERIFY(!db.isModified());
            merge.apply();
            const Values expected = reference(before, more, mode);
            const QString what = QStringLiteral("run %1, mode %2").arg(run).arg(int(mode));
            QVERIFY2(picture(valuesOf(db)) == picture(expected), qPrintable(what));
            const QStringList after = lines(valuesOf(db));
            QVERIFY(db.isModified());
            // What it says it added is what the plan lists and what the database gained.
            QCOMPARE(merge.addedHeadwords(), plan.count(LxdMergePlan::HeadwordAdded));
            QCOMPARE(db.itemCount(), int(before.size()) + merge.addedHeadwords());
            int sentences = 0;
            for (int i = 0; i < db.itemCount(); ++i)
                sentences += db.sentenceCount(i);
            int sentencesBefore = 0;
            for (const Headword &h : before)
                sentencesBefore += int(h.sentences.size());
            QCOMPARE(sentences, sentencesBefore + merge.addedSentences());
            QCOMPARE(merge.addedHeadwordTexts().size(), merge.addedHeadwords());

            // Taken back and made again, twice, exactly.
            for (int again = 0; again < 2; ++again) {
                merge.revert();
                QVERIFY2(lines(valuesOf(db)) == lines(before), qPrintable(what));
                merge.apply();
                QVERIFY2(lines(valuesOf(db)) == after, qPrintable(what));
            }
        }
    }
}

void TestMergePlan::mergeFileIsOneUndoStep()
{
    QTemporaryDir dir;
    LxdDatabase db;
    const Incoming start({{QStringLiteral("cat"), {{QStringLiteral("The [cat] sat."), 2}}},
        {QStringLiteral("dog"), {{QStringLiteral("A [dog]."), 0}}}});
    LxdMerge(&db, start, LxdMergeMode::Keep).apply();
    db.setModified(false);
    LxdDocument doc(&db);
    const QStringList before = picture(valuesOf(db));
    const QString changed = TestUtil::writeFile(dir, QStringLiteral("changed.lxv"),
        "cat&&&{1}The [cat] sat.&&&{0}A new [cat].\r\nant&&&{0}An [ant].\r\n");

    QCOMPARE(doc.mergeFile(changed, LxdMergeMode::Merge), LxdDocument::Done);
    QCOMPARE(picture(valuesOf(db)),
        QStringList({QStringLiteral("ant|An [ant].#0"), QStringLiteral("cat|The [cat] sat.#3|A new [cat].#0"),
            QStringLiteral("dog|A [dog].#0")}));
    QCOMPARE(doc.undoStack()->count(), 1);
    QVERIFY(doc.isModified());
    doc.undoStack()->undo();
    QCOMPARE(picture(valuesOf(db)), before);
    QVERIFY(!doc.isModified());
    doc.undoStack()->redo();
    QCOMPARE(db.itemCount(), 3);

    QCOMPARE(doc.mergeFile(changed, LxdMergeMode::Keep), LxdDocument::Done);
    QCOMPARE(db.itemCount(), 5);
    QCOMPARE(doc.undoStack()->count(), 2);
    QCOMPARE(
        doc.mergeFile(dir.filePath(QStringLiteral("missing.lxv")), LxdMergeMode::Merge), LxdDocument::Failed);
    QCOMPARE(doc.undoStack()->count(), 2);
}

void TestMergePlan::versionsOfOneFileKeepTheLargerCount()
{
    // Both versions counted the same two earlier uses; each then used the sentences on its own.
    QTemporaryDir dir;
    LxdDatabase db;
    const Incoming mine({{QStringLiteral("cat"),
        {{QStringLiteral("The [cat] sat."), 3}, {QStringLiteral("A [cat] ran."), 2},
            {QStringLiteral("Mine [cat]."), 1}}}});
    LxdMerge(&db, mine, LxdMergeMode::Keep).apply();
    LxdDocument doc(&db);
    const QString theirs = TestUtil::writeFile(
        dir, QStringLiteral("theirs.lxv"), "cat&&&{2}The [cat] sat.&&&{5}A [cat] ran.&&&{0}Their [cat].\r\n");

    QCOMPARE(doc.mergeFile(theirs), LxdDocument::Done);
    QCOMPARE(picture(valuesOf(db)),
        QStringList({QStringLiteral("cat|The [cat] sat.#3|A [cat] ran.#5|Mine [cat].#1|Their [cat].#0")}));
    doc.undoStack()->undo();
    QCOMPARE(picture(valuesOf(db)),
        QStringList({QStringLiteral("cat|The [cat] sat.#3|A [cat] ran.#2|Mine [cat].#1")}));
}

QTEST_MAIN(TestMergePlan)
#include "tst_mergeplan.moc"
