// SPDX-License-Identifier: GPL-3.0-or-later
// lexivane-bench: times the database operations on a generated vocabulary against the least that
// the same work can cost (the floors), and checks that every result is right.

#include "benchdata.h"
#include "commandbench.h"
#include "finderbench.h"
#include "floors.h"
#include "importbench.h"
#include "spellbench.h"
#include "startupbench.h"

#include "data/heappolicy.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "document/lxdrecovery.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

namespace {

const char objectFloorOption[] = "object-floor-child";
const char loadTextOption[] = "load-text-child";
const char xmlMemoryOption[] = "xml-memory-child";

void progress(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

QString seconds(qint64 ns)
{
    return ns < 0 ? QStringLiteral("-") : QString::asprintf("%.3f s", double(ns) / 1e9);
}

QString ratio(double value)
{
    return QString::asprintf("%.2f x", value);
}

bool filesEqual(const QString &a, const QString &b)
{
    QFile fa(a);
    QFile fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        if (fa.read(1 << 22) != fb.read(1 << 22))
            return false;
    }
    return true;
}

qint64 sentenceTotal(const LxdDatabase &db)
{
    qint64 n = 0;
    for (int i = 0; i < db.itemCount(); ++i)
        n += db.sentenceCount(i);
    return n;
}

qint64 usedTotal(const LxdDatabase &db)
{
    qint64 n = 0;
    for (const LxdItem *item : db.items) {
        for (const LxdSentence &s : item->sentences)
            n += s.used();
    }
    return n;
}

bool isSorted(const LxdDatabase &db)
{
    for (int i = 1; i < db.itemCount(); ++i) {
        if (db.items.at(i)->headword() < db.items.at(i - 1)->headword())
            return false;
    }
    return true;
}

// Empty when the item holds exactly these sentences, otherwise what differs.
QString compareSentences(const LxdItem *item, const QList<BenchSentence> &expected)
{
    if (item->sentenceCount() != expected.size())
        return QStringLiteral("%1 sentences instead of %2").arg(item->sentenceCount()).arg(expected.size());
    for (int k = 0; k < expected.size(); ++k) {
        const LxdSentence *s = item->sentenceAt(k);
        if (s->textRef() != expected.at(k).text)
            return QStringLiteral("sentence %1 reads \"%2\" instead of \"%3\"")
                .arg(k)
                .arg(s->textRef(), expected.at(k).text);
        if (s->used() != expected.at(k).used)
            return QStringLiteral("sentence %1 used %2 instead of %3")
                .arg(k)
                .arg(s->used())
                .arg(expected.at(k).used);
    }
    return QString();
}

QString compareDatabases(const LxdDatabase &a, const LxdDatabase &b)
{
    if (a.itemCount() != b.itemCount())
        return QStringLiteral("%1 headwords instead of %2").arg(b.itemCount()).arg(a.itemCount());
    for (int i = 0; i < a.itemCount(); ++i) {
        const LxdItem *x = a.items.at(i);
        const LxdItem *y = b.items.at(i);
        if (x->headword() != y->headword())
            return QStringLiteral("headword %1 reads \"%2\" instead of \"%3\"")
                .arg(i)
                .arg(y->headword(), x->headword());
        QList<BenchSentence> expected;
        for (const LxdSentence &s : x->sentences)
            expected.append({s.text(), s.used()});
        const QString diff = compareSentences(y, expected);
        if (!diff.isEmpty())
            return QStringLiteral("headword \"%1\": %2").arg(x->headword(), diff);
    }
    return QString();
}

struct Row
{
    QString name;
    QString value;
    QString floor;
    QString ratio;
    QString target;
    QString verdict;
    QString cpuRatio;
};

QString verdict(bool pass)
{
    return pass ? QStringLiteral("PASS") : QStringLiteral("MISS");
}

Row compared(const QString &name, const Timing &t, const Timing &floor, double target)
{
    const double wall = double(t.wall) / double(floor.wall);
    const double cpu = double(t.cpu) / double(floor.cpu);
    return Row {name, seconds(t.wall), seconds(floor.wall), ratio(wall),
        QStringLiteral("<= %1 x").arg(target), verdict(wall <= target), ratio(cpu)};
}

Row timed(const QString &name, const Timing &t)
{
    return Row {name, seconds(t.wall), {}, {}, {}, {}, {}};
}

// Resident bytes per record that a child process measured.
double perSentence(const QHash<QString, qint64> &values)
{
    const qint64 count = values.value(QStringLiteral("count"));
    if (count <= 0)
        return 0;
    return double(values.value(QStringLiteral("rss_after")) - values.value(QStringLiteral("rss_before")))
        / double(count);
}

class Bench
{
public:
    Bench(int words, int sentences, int runs, bool sorted, const QString &dir)
        : data(words, sentences)
        , runs(runs)
        , sorted(sorted)
        , dir(dir)
    { }

    int run();

private:
    QString path(const char *name) const { return dir + QLatin1Char('/') + QLatin1String(name); }
    void check(bool ok, const QString &what)
    {
        if (!ok) {
            failures << what;
            progress(QStringLiteral("FAIL: ") + what);
        }
    }
    void verifyLoaded(const LxdDatabase &db);
    void verifyMerged(const LxdDatabase &db);
    QList<int> sample() const;
    void printTable(const QList<Row> &rows) const;

    BenchData data;
    int runs;
    bool sorted;
    QString dir;
    QStringList failures;
};

QList<int> Bench::sample() const
{
    const int n = data.words();
    QList<int> indexes {0, n - 1, qMin(3, n - 1)};
    for (int k = 1; k <= 17; ++k)
        indexes << int((quint64(k) * 2654435761ULL) % quint64(n));
    return indexes;
}

void Bench::verifyLoaded(const LxdDatabase &db)
{
    const qint64 expected = qint64(data.words()) * data.sentences();
    check(db.itemCount() == data.words(),
        QStringLiteral("loadText: %1 headwords instead of %2").arg(db.itemCount()).arg(data.words()));
    check(sentenceTotal(db) == expected,
        QStringLiteral("loadText: %1 sentences instead of %2").arg(sentenceTotal(db)).arg(expected));
    check(usedTotal(db) == data.firstUsedSum(),
        QStringLiteral("loadText: used counts add up to %1 instead of %2")
            .arg(usedTotal(db))
            .arg(data.firstUsedSum()));
    if (db.itemCount() != data.words())
        return;
    for (int line = 0; line < data.words(); ++line) {
        const QString expected = data.headwordText(data.headwordOnLine(line));
        if (db.headword(line) != expected) {
            check(false,
                QStringLiteral("loadText: headword %1 reads \"%2\" instead of \"%3\"")
                    .arg(line)
                    .arg(db.headword(line), expected));
            return;
        }
    }
    for (int line : sample()) {
        const QString diff
            = compareSentences(db.itemAt(line), data.headword(data.headwordOnLine(line)).first);
        check(diff.isEmpty(), QStringLiteral("loadText: headword %1: %2").arg(db.headword(line), diff));
    }
}

void Bench::verifyMerged(const LxdDatabase &db)
{
    const qint64 words = data.words();
    const qint64 expected = words * data.sentences() + words * (data.sentences() - data.repeatsPerHeadword());
    check(!db.hasPendingAppend(), QStringLiteral("merge: the appended database is still pending"));
    check(db.isModified(), QStringLiteral("merge: the database is not marked modified"));
    check(db.itemCount() == words,
        QStringLiteral("merge: %1 headwords instead of %2").arg(db.itemCount()).arg(words));
    check(sentenceTotal(db) == expected,
        QStringLiteral("merge: %1 sentences instead of %2").arg(sentenceTotal(db)).arg(expected));
    const qint64 used = data.firstUsedSum() + data.secondUsedSum();
    check(usedTotal(db) == used,
        QStringLiteral("merge: used counts add up to %1 instead of %2").arg(usedTotal(db)).arg(used));
    check(isSorted(db), QStringLiteral("merge: the headwords are not sorted"));
    for (int i : sample()) {
        const BenchHeadword h = data.headword(i);
        const int row = db.indexOfHeadword(h.headword);
        if (row < 0) {
            check(false, QStringLiteral("merge: headword \"%1\" is missing").arg(h.headword));
            continue;
        }
        const QString diff = compareSentences(db.itemAt(row), h.merged());
        check(diff.isEmpty(), QStringLiteral("merge: headword \"%1\": %2").arg(h.headword, diff));
        if (h.secondHeadword != h.headword)
            check(db.indexOfHeadword(h.secondHeadword) < 0,
                QStringLiteral("merge: \"%1\" was added beside \"%2\"").arg(h.secondHeadword, h.headword));
    }
}

int Bench::run()
{
    const qint64 total = qint64(data.words()) * data.sentences();
    const QString first = path("first.lxv");
    const QString second = path("second.lxv");
    const QString saved = path("saved.lxv");
    const QString written = path("floor.lxv");
    const QString exported = path("exported.xml");
    auto nothing = [] {};

    progress(QStringLiteral("Generating %1 headwords x %2 sentences (%3) in %4")
                 .arg(data.words())
                 .arg(data.sentences())
                 .arg(sorted ? QStringLiteral("sorted") : QStringLiteral("unsorted"), dir));
    QString error;
    if (!data.writeFiles(first, second, sorted, &error)) {
        progress(QStringLiteral("Cannot write the databases: ") + error);
        return 2;
    }

    progress(QStringLiteral("Reading floor"));
    qint64 lineCount = 0;
    const Timing readFloor = bestOf(runs, nothing, [&] { lineCount = readLinesOnly(first); });
    check(lineCount == data.words(),
        QStringLiteral("reading floor: %1 lines instead of %2").arg(lineCount).arg(data.words()));

    progress(QStringLiteral("Object floor (fresh process)"));
    const QString runsText = QString::number(runs);
    const QHash<QString, qint64> objects = runChild(
        {QStringLiteral("--") + QLatin1String(objectFloorOption), first, QStringLiteral("--runs"), runsText});
    check(objects.value(QStringLiteral("count")) == total,
        QStringLiteral("object floor: %1 records instead of %2")
            .arg(objects.value(QStringLiteral("count")))
            .arg(total));
    const Timing objectFloor {
        objects.value(QStringLiteral("ns"), -1), objects.value(QStringLiteral("cpu_ns"), -1)};
    const double objectBytes = perSentence(objects);

    progress(QStringLiteral("loadText (fresh process)"));
    const QHash<QString, qint64> loaded = runChild(
        {QStringLiteral("--") + QLatin1String(loadTextOption), first, QStringLiteral("--runs"), runsText});
    check(loaded.value(QStringLiteral("ok")) == 1, QStringLiteral("loadText (fresh process) failed"));
    check(loaded.value(QStringLiteral("items")) == data.words()
            && loaded.value(QStringLiteral("count")) == total,
        QStringLiteral("loadText (fresh process): %1 headwords, %2 sentences")
            .arg(loaded.value(QStringLiteral("items")))
            .arg(loaded.value(QStringLiteral("count"))));
    const Timing loadText {
        loaded.value(QStringLiteral("ns"), -1), loaded.value(QStringLiteral("cpu_ns"), -1)};
    const double loadBytes = perSentence(loaded);

    // The best of the runs above reuses the memory that the first run freed. The program at start-up
    // loads into a new heap, every page of it touched for the first time, as only a first run does.
    progress(QStringLiteral("loadText, first run (fresh processes)"));
    Timing firstLoad;
    for (int r = 0; r < runs; ++r) {
        const QHash<QString, qint64> once = runChild({QStringLiteral("--") + QLatin1String(loadTextOption),
            first, QStringLiteral("--runs"), QStringLiteral("1")});
        check(once.value(QStringLiteral("ok")) == 1, QStringLiteral("loadText (first run) failed"));
        keepBest(
            &firstLoad, {once.value(QStringLiteral("ns"), -1), once.value(QStringLiteral("cpu_ns"), -1)});
    }

    progress(QStringLiteral("start-up of the program (fresh processes)"));
    const StartupTiming startup = benchStartup(first, data.words(), runs, &failures);
    const Timing startupFloor {
        startup.bareWindow.wall + firstLoad.wall * 6 / 5, startup.bareWindow.cpu + firstLoad.cpu * 6 / 5};

    progress(QStringLiteral("Loading in this process and checking"));
    auto db = std::make_unique<LxdDatabase>();
    check(db->loadText(first), QStringLiteral("loadText failed"));
    verifyLoaded(*db);

    progress(QStringLiteral("saveText"));
    bool savedOk = true;
    const Timing saveText = bestOf(runs, nothing, [&] { savedOk = db->saveText(saved, 3) && savedOk; });
    check(savedOk, QStringLiteral("saveText failed"));
    check(filesEqual(first, saved), QStringLiteral("saveText: the saved file differs from the file loaded"));

    // The recovery copy: the snapshot is all the window waits for; the write runs in a worker thread.
    progress(QStringLiteral("recovery snapshot and copy"));
    const QString copied = path("copy.lxv");
    LxdRecoverySnapshot snapshot;
    const Timing snapshotTaken = bestOf(
        runs, [&] { snapshot = LxdRecoverySnapshot(); }, [&] { snapshot = LxdRecoverySnapshot::take(*db); });
    // What the window waits for at a time: the longest slice, best of the runs.
    qint64 longestSlice = -1;
    for (int r = 0; r < runs; ++r) {
        snapshot = LxdRecoverySnapshot();
        qsizetype next = 0;
        qint64 worst = 0;
        bool done = false;
        while (!done) {
            QElapsedTimer slice;
            slice.start();
            done = snapshot.takeFrom(*db, &next, LxdRecovery::sliceSentences());
            worst = qMax(worst, slice.nsecsElapsed());
        }
        longestSlice = longestSlice < 0 ? worst : qMin(longestSlice, worst);
    }
    bool copyOk = true;
    const Timing copyWritten = bestOf(runs, nothing, [&] { copyOk = snapshot.write(copied) && copyOk; });
    check(copyOk, QStringLiteral("recovery copy: the write failed"));
    check(filesEqual(saved, copied), QStringLiteral("recovery copy: differs from the file saveText writes"));
    snapshot = LxdRecoverySnapshot();
    QFile::remove(copied);

    progress(QStringLiteral("Writing floor"));
    Timing writeFloor;
    {
        const QStringList lines = fileLines(first);
        bool ok = true;
        writeFloor = bestOf(runs, nothing, [&] { ok = writeLines(written, lines) && ok; });
        check(ok && filesEqual(first, written),
            QStringLiteral("writing floor: the file differs from the first"));
    }
    QFile::remove(written);

    progress(QStringLiteral("saveXml"));
    bool xmlOk = true;
    const Timing saveXml = bestOf(runs, nothing, [&] { xmlOk = db->saveXml(exported, 3); });
    check(xmlOk, QStringLiteral("saveXml failed"));

    progress(QStringLiteral("loadXml"));
    Timing loadXml;
    {
        // Into an empty database each time, as loadText is timed: not the deleting of the last run's records.
        std::unique_ptr<LxdDatabase> imported;
        loadXml = bestOf(
            runs, [&] { imported = std::make_unique<LxdDatabase>(); },
            [&] { xmlOk = imported->loadXml(exported) && xmlOk; });
        check(xmlOk, QStringLiteral("loadXml failed"));
        const QString diff = compareDatabases(*db, *imported);
        check(diff.isEmpty(), QStringLiteral("XML round trip: ") + diff);
    }

    // The highest resident memory of each, in a fresh process, against the database loaded from
    // the line file there.
    progress(QStringLiteral("XML memory (fresh processes)"));
    const auto xmlPeak = [&](const QString &mode, const QString &xml) {
        const QHash<QString, qint64> m
            = runChild({QStringLiteral("--") + QLatin1String(xmlMemoryOption), mode, first, xml});
        check(m.value(QStringLiteral("ok")) == 1 && m.value(QStringLiteral("items")) == data.words(),
            QStringLiteral("XML memory (%1) failed").arg(mode));
        return double(m.value(QStringLiteral("peak"), -1));
    };
    const double databaseBytes = loadBytes * double(total);
    const double exportPeak = xmlPeak(QStringLiteral("export"), path("memory.xml"));
    QFile::remove(path("memory.xml"));
    const double importPeak = xmlPeak(QStringLiteral("import"), exported);
    QFile::remove(exported);

    progress(QStringLiteral("sort"));
    unsigned seed = 1;
    const Timing sort = bestOf(
        runs, [&] { std::shuffle(db->items.begin(), db->items.end(), std::mt19937(seed++)); },
        [&] { db->sort(); });
    check(isSorted(*db), QStringLiteral("sort: the headwords are not in order"));

    progress(QStringLiteral("findText"));
    bool found = false;
    int hitItem = 0;
    int hitSentence = 0;
    const Timing find = bestOf(runs, nothing,
        [&] { found = db->findText(BenchData::absentText(), &hitItem, &hitSentence, -1, -1) || found; });
    check(!found && hitItem == -1 && hitSentence == -1,
        QStringLiteral("findText: a hit at %1, %2 where there is none").arg(hitItem).arg(hitSentence));

    progress(QStringLiteral("window commands"));
    const QList<CommandTiming> commands = benchCommands(*db, runs, &failures);
    progress(QStringLiteral("building record by record"));
    const QList<CommandTiming> building = benchBuilding(data, runs, &failures);

    progress(QStringLiteral("loadText of the appended file (this process)"));
    std::unique_ptr<LxdDatabase> other;
    bool otherOk = true;
    const Timing loadSecond = bestOf(
        runs, [&] { other = std::make_unique<LxdDatabase>(); },
        [&] { otherOk = other->loadText(second) && otherOk; });
    check(otherOk && other->itemCount() == data.words() && sentenceTotal(*other) == total,
        QStringLiteral("loadText of the appended file: %1 headwords, %2 sentences")
            .arg(other->itemCount())
            .arg(sentenceTotal(*other)));
    other.reset();

    // The same bytes as one line: the first file with its line ends turned into separators, so
    // that every later headword becomes one more sentence of the first. A reader that searched or
    // moved the unfinished line again with every block would take time growing with its square.
    progress(QStringLiteral("loadText of one long line"));
    const QString longLine = path("longline.lxv");
    {
        QFile in(first);
        QFile out(longLine);
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly)) {
            QByteArray bytes = in.readAll();
            bytes.chop(2);
            bytes.replace("\r\n", "&&&");
            out.write(bytes + "\r\n");
        }
    }
    std::unique_ptr<LxdDatabase> single;
    bool singleOk = true;
    const Timing loadLong = bestOf(
        runs, [&] { single = std::make_unique<LxdDatabase>(); },
        [&] { singleOk = single->loadText(longLine) && singleOk; });
    check(singleOk && single->itemCount() == 1 && single->sentenceCount(0) >= total,
        QStringLiteral("loadText of one long line: %1 headwords, %2 sentences")
            .arg(single->itemCount())
            .arg(single->itemCount() > 0 ? single->sentenceCount(0) : 0));
    single.reset();
    QFile::remove(longLine);

    // Each run appends to the first database freshly read, as after opening it.
    progress(QStringLiteral("appendFile + resolveAppend(1)"));
    bool appendedOk = true;
    bool loadedOk = true;
    const Timing append = bestOf(
        runs,
        [&] {
            db.reset();
            db = std::make_unique<LxdDatabase>();
            loadedOk = db->loadText(first) && loadedOk;
        },
        [&] {
            const int result = db->appendFile(second);
            const bool resolved = db->resolveAppend(LxdDatabase::MergeDuplicates);
            appendedOk = appendedOk && result == LxdDatabase::AppendHasDuplicates && resolved;
        });
    check(loadedOk, QStringLiteral("loadText before the append failed"));
    check(appendedOk, QStringLiteral("appendFile did not return 1, or resolveAppend(1) returned false"));
    verifyMerged(*db);

    progress(QStringLiteral("Freeing"));
    db.reset();

    const Timing readObjectFloor {readFloor.wall + objectFloor.wall, readFloor.cpu + objectFloor.cpu};
    QList<Row> rows;
    rows << Row {QStringLiteral("operation"), QStringLiteral("time"), QStringLiteral("floor"),
        QStringLiteral("ratio"), QStringLiteral("target"), QString(), QStringLiteral("cpu ratio")};
    rows << compared(QStringLiteral("loadText (fresh process)"), loadText, readObjectFloor, 1.5);
    rows << compared(
        QStringLiteral("start-up to a shown window (fresh process)"), startup.program, startupFloor, 1.0);
    rows << compared(QStringLiteral("saveText"), saveText, writeFloor, 3.0);
    rows << Row {QStringLiteral("recovery snapshot, longest slice"), seconds(longestSlice), {}, {},
        QStringLiteral("<= 0.050 s"), verdict(longestSlice <= 50000000), {}};
    rows << timed(QStringLiteral("recovery snapshot, all of it"), snapshotTaken);
    rows << compared(QStringLiteral("recovery copy write (worker)"), copyWritten, saveText, 1.5);
    rows << compared(QStringLiteral("appendFile + resolveAppend(1)"), append, loadSecond, 2.0);
    rows << compared(QStringLiteral("loadText of one long line"), loadLong, loadSecond, 2.0);
    rows << Row {QStringLiteral("resident bytes per sentence"), QString::asprintf("%.0f B", loadBytes),
        QString::asprintf("%.0f B", objectBytes), ratio(loadBytes / objectBytes), QStringLiteral("<= 350 B"),
        verdict(loadBytes <= 350.0), QString()};
    rows << compared(QStringLiteral("saveXml (against saveText)"), saveXml, saveText, 3.0);
    rows << compared(QStringLiteral("loadXml (against loadText, this process)"), loadXml, loadSecond, 3.0);
    const auto memoryRow = [&](const QString &name, double peak) {
        const double r = peak / databaseBytes;
        return Row {name, QString::asprintf("%.0f MB", peak / 1e6),
            QString::asprintf("%.0f MB", databaseBytes / 1e6), ratio(r), QStringLiteral("<= 1.5 x"),
            verdict(peak > 0 && r <= 1.5), QString()};
    };
    rows << memoryRow(QStringLiteral("peak memory, saveXml (against the database)"), exportPeak);
    rows << memoryRow(QStringLiteral("peak memory, loadXml (against the database)"), importPeak);
    rows << timed(QStringLiteral("sort (shuffled headwords)"), sort);
    rows << timed(QStringLiteral("findText without a hit"), find);
    for (const CommandTiming &c : commands) {
        rows << Row {c.name, seconds(c.timing.wall), {}, {}, QStringLiteral("< 0.100 s"),
            verdict(c.timing.wall < 100000000), QStringLiteral("cpu ") + seconds(c.timing.cpu)};
    }
    for (const CommandTiming &c : building)
        rows << compared(c.name, c.timing, loadText, 2.0);
    rows << timed(QStringLiteral("floor: readLine only"), readFloor);
    rows << timed(QStringLiteral("floor: plain record per sentence (fresh)"), objectFloor);
    rows << timed(QStringLiteral("floor: ready lines via QTextStream"), writeFloor);
    rows << timed(QStringLiteral("loadText of the appended file"), loadSecond);
    rows << timed(QStringLiteral("floor: bare QMainWindow shown (fresh)"), startup.bareWindow);
    rows << timed(QStringLiteral("floor: loadText, first run of a fresh process"), firstLoad);

    std::printf("\nLexivane benchmark: %d headwords x %d sentences = %lld sentences, file %.1f MB, %s, best "
                "of %d\n\n",
        data.words(), data.sentences(), static_cast<long long>(total), double(data.firstFileSize()) / 1e6,
        sorted ? "sorted" : "unsorted", runs);
    printTable(rows);
    std::printf(
        "\nFloors: loadText against readLine + object floor; saveText against the writing floor; the\n"
        "program's start-up (until its window is shown with the database loaded, in a home whose\n"
        "settings open the file) against a bare QMainWindow's start-up plus 1.2 x the first loadText\n"
        "of a fresh process (the rows above are the best of runs that reuse freed memory); the\n"
        "merging append and the one long line against loadText of the appended file in this\n"
        "process; the recovery copy's write (in a worker thread) against saveText; the window waits\n"
        "only for one slice of its snapshot at a time, against a twentieth of a second. Memory:\n"
        "VmRSS after minus before the first loadText of a fresh process (floor: the same for plain\n"
        "records holding the same texts); the XML rows: the highest VmRSS of a fresh process while\n"
        "it exports the loaded database or imports the exported file, above what it held before,\n"
        "against that database's memory.\n"
        "Times are wall-clock (the verdicts); the cpu ratio compares process CPU time instead, which\n"
        "other programs on the machine disturb less and which leaves out waiting for the disk.\n"
        "Every row is the best of %d runs.\n\n",
        runs);
    if (failures.isEmpty()) {
        std::printf("Checks: all passed\n");
        return 0;
    }
    for (const QString &f : std::as_const(failures))
        std::printf("FAIL: %s\n", qPrintable(f));
    return 1;
}

void Bench::printTable(const QList<Row> &rows) const
{
    constexpr int columns = 7;
    int widths[columns] = {};
    auto cells = [](const Row &r) {
        return std::array<QString, columns> {
            r.name, r.value, r.floor, r.ratio, r.target, r.verdict, r.cpuRatio};
    };
    for (const Row &r : rows) {
        const auto c = cells(r);
        for (int i = 0; i < columns; ++i)
            widths[i] = qMax(widths[i], int(c[i].size()));
    }
    for (const Row &r : rows) {
        const auto c = cells(r);
        QString line = c[0].leftJustified(widths[0] + 2);
        for (int i = 1; i < columns; ++i) {
            // Numbers line up on the right, words on the left.
            const bool words = i == 4 || i == 5;
            line += (words ? c[i].leftJustified(widths[i]) : c[i].rightJustified(widths[i]))
                + QLatin1String("  ");
        }
        std::printf("%s\n", qPrintable(line.trimmed()));
    }
}

} // namespace

int main(int argc, char **argv)
{
    // The program's own policy for freed memory, so that what is measured is what it does.
    HeapPolicy::keepFreedMemory();
    // The window's views are measured too, without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lexivane-bench"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times loading, saving, XML exchange, sorting, searching and the merging append of a generated "
        "vocabulary database against the floors of the same work, and checks the results."));
    parser.addHelpOption();
    const QCommandLineOption wordsOption(
        QStringLiteral("words"), QStringLiteral("Number of headwords (100000)."), QStringLiteral("N"));
    const QCommandLineOption sentencesOption(
        QStringLiteral("sentences"), QStringLiteral("Sentences per headword (10)."), QStringLiteral("M"));
    const QCommandLineOption quickOption(QStringLiteral("quick"), QStringLiteral("A small run: 2000 x 10."));
    const QCommandLineOption runsOption(QStringLiteral("runs"),
        QStringLiteral("Runs of each fast operation; the best counts (3)."), QStringLiteral("R"));
    const QCommandLineOption unsortedOption(QStringLiteral("unsorted"),
        QStringLiteral("Write the files with their headwords out of order, as files made elsewhere might be "
                       "(the program itself always saves them sorted)."));
    const QCommandLineOption dirOption(QStringLiteral("dir"),
        QStringLiteral("Write the files into this folder and keep them."), QStringLiteral("folder"));
    QCommandLineOption objectChild(QLatin1String(objectFloorOption), QString(), QStringLiteral("file"));
    QCommandLineOption loadChild(QLatin1String(loadTextOption), QString(), QStringLiteral("file"));
    const QCommandLineOption importOption(QStringLiteral("import-mb"),
        QStringLiteral(
            "Size of the generated CSV file whose import is measured, in MB (300; 10 with --quick; "
            "0 to leave the import out)."),
        QStringLiteral("MB"));
    const QCommandLineOption spellingOption(QStringLiteral("spelling"),
        QStringLiteral("Measure only Check spelling over the generated sentences."));
    const QCommandLineOption importOnlyOption(
        QStringLiteral("import-only"), QStringLiteral("Measure only the import of the CSV file."));
    const QCommandLineOption finderOption(QStringLiteral("finder-words"),
        QStringLiteral("Size of the generated text searched by the sentence finder, in words (500000; 20000 "
                       "with --quick; 0 to leave it out)."),
        QStringLiteral("words"));
    const QCommandLineOption finderOnlyOption(
        QStringLiteral("finder-only"), QStringLiteral("Measure only the sentence finder."));
    QCommandLineOption importChild(QLatin1String(importChildOption), QString(), QStringLiteral("file"));
    QCommandLineOption xmlMemoryChild(QLatin1String(xmlMemoryOption), QString(), QStringLiteral("mode"));
    QCommandLineOption bareChild {QLatin1String(bareWindowOption)};
    bareChild.setFlags(QCommandLineOption::HiddenFromHelp);
    objectChild.setFlags(QCommandLineOption::HiddenFromHelp);
    loadChild.setFlags(QCommandLineOption::HiddenFromHelp);
    importChild.setFlags(QCommandLineOption::HiddenFromHelp);
    xmlMemoryChild.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({wordsOption, sentencesOption, quickOption, runsOption, unsortedOption, dirOption,
        importOption, importOnlyOption, spellingOption, finderOption, finderOnlyOption, objectChild,
        loadChild, importChild, bareChild, xmlMemoryChild});
    parser.process(app);

    auto number = [&](const QCommandLineOption &option, int fallback, int least) {
        if (!parser.isSet(option))
            return fallback;
        bool ok = false;
        const int n = parser.value(option).toInt(&ok);
        if (!ok || n < least) {
            std::fprintf(stderr, "--%s needs a whole number of at least %d\n",
                qPrintable(option.names().first()), least);
            std::exit(2);
        }
        return n;
    };
    const bool quick = parser.isSet(quickOption);
    const int words = number(wordsOption, quick ? 2000 : 100000, 1);
    const int sentences = number(sentencesOption, 10, 1);
    const int runs = number(runsOption, 3, 1);

    if (parser.isSet(bareChild))
        return runBareWindowChild();
    if (parser.isSet(objectChild))
        return runObjectFloorChild(parser.value(objectChild), runs);
    if (parser.isSet(loadChild))
        return runLoadTextChild(parser.value(loadChild), runs);
    if (parser.isSet(xmlMemoryChild)) {
        return runXmlMemoryChild(parser.value(xmlMemoryChild), parser.positionalArguments().value(0),
            parser.positionalArguments().value(1));
    }
    if (parser.isSet(importChild))
        return runImportChild(parser.value(importChild), parser.positionalArguments().value(0));
    if (parser.isSet(spellingOption))
        return runSpellBench(words, sentences, runs) == 0 ? 0 : 1;
    const int importMegabytes = number(importOption, quick ? 10 : 300, 0);
    const int finderWords = number(finderOption, quick ? 20000 : 500000, 0);
    if (parser.isSet(finderOnlyOption))
        return runFinderBench(finderWords);

    std::unique_ptr<QTemporaryDir> temporary;
    QString dir;
    if (parser.isSet(dirOption)) {
        dir = QDir(parser.value(dirOption)).absolutePath();
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "Cannot create %s\n", qPrintable(dir));
            return 2;
        }
    } else {
        temporary = std::make_unique<QTemporaryDir>();
        if (!temporary->isValid()) {
            std::fprintf(
                stderr, "Cannot create a temporary folder: %s\n", qPrintable(temporary->errorString()));
            return 2;
        }
        dir = temporary->path();
    }
    int result = 0;
    if (!parser.isSet(importOnlyOption)) {
        Bench bench(words, sentences, runs, !parser.isSet(unsortedOption), dir);
        result = bench.run();
    }
    if (importMegabytes > 0 && runImportBench(dir, importMegabytes) != 0)
        result = 1;
    if (finderWords > 0 && runFinderBench(finderWords) != 0)
        result = 1;
    return result;
}
