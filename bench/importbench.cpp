// SPDX-License-Identifier: GPL-3.0-or-later
#include "importbench.h"

#include "floors.h"

#include "data/lxddatabase.h"
#include "data/lxdmerge.h"
#include "import/lxdimport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

const char importChildOption[] = "import-child";

namespace {

constexpr int SentencesPerHeadword = 10;

void report(const char *key, qint64 value)
{
    std::printf("%s=%lld\n", key, static_cast<long long>(value));
}

// Rows of a headword and a sentence, ten sentences to a headword, one in five quoted with a comma.
bool writeCsv(const QString &fileName, qint64 bytes, qint64 *rows)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray buffer;
    qint64 written = 0;
    qint64 row = 0;
    buffer += "Headword,Sentence\n";
    while (written + buffer.size() < bytes) {
        const QByteArray word = "word" + QByteArray::number(row / SentencesPerHeadword);
        const QByteArray number = QByteArray::number(row % SentencesPerHeadword);
        if (row % 5 == 0)
            buffer += word + ",\"The " + word + " stands in sentence " + number + ", quoted.\"\n";
        else
            buffer += word + ",The " + word + " stands in sentence " + number + " of a generated list.\n";
        ++row;
        if (buffer.size() >= (1 << 20)) {
            if (file.write(buffer) != buffer.size())
                return false;
            written += buffer.size();
            buffer.clear();
        }
    }
    *rows = row;
    return file.write(buffer) == buffer.size() && file.flush();
}

} // namespace

int runImportChild(const QString &csvFile, const QString &databaseFile)
{
    LxdDatabase database;
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    const qint64 before = residentBytes();
    QElapsedTimer timer;
    const qint64 cpu = processCpuNs();
    timer.start();
    qint64 readNs = 0;
    {
        // As the window does: read, then take in by the merge plan, keeping repeated headwords apart.
        LxdImport::CsvColumns columns;
        columns.header = true;
        const LxdImport::Result result = LxdImport::readCsvFile(csvFile, QChar(u','), columns);
        readNs = timer.nsecsElapsed();
        if (!result.ok()) {
            std::fprintf(stderr, "import: %s\n", qPrintable(result.error));
            return 1;
        }
        const LxdMergeMode mode
            = database.hasRepeatedHeadwords(result) ? LxdMergeMode::Merge : LxdMergeMode::Keep;
        LxdMerge(&database, result, mode).apply();
    }
    report("ns", timer.nsecsElapsed());
    report("cpu_ns", processCpuNs() - cpu);
    report("read_ns", readNs);
    report("rss_before", before);
    report("hwm", peakResidentBytes());
    qint64 sentences = 0;
    for (int i = 0; i < database.itemCount(); ++i)
        sentences += database.sentenceCount(i);
    report("items", database.itemCount());
    report("count", sentences);
    report("ok", database.saveText(databaseFile, 3) ? 1 : 0);
    return 0;
}

int runImportBench(const QString &dir, int megabytes)
{
    const QString csv = dir + QStringLiteral("/import.csv");
    const QString database = dir + QStringLiteral("/imported.lxv");
    qint64 rows = 0;
    std::fprintf(stderr, "Generating a CSV file of %d MB\n", megabytes);
    if (!writeCsv(csv, qint64(megabytes) * 1000 * 1000, &rows)) {
        std::printf("FAIL: cannot write %s\n", qPrintable(csv));
        return 1;
    }
    const qint64 size = QFile(csv).size();
    std::fprintf(stderr, "Importing it (fresh process)\n");
    const QHash<QString, qint64> imported
        = runChild({QStringLiteral("--") + QLatin1String(importChildOption), csv, database});
    QFile::remove(csv);
    std::fprintf(stderr, "Loading the database it gave (fresh process)\n");
    const QHash<QString, qint64> loaded = runChild(
        {QStringLiteral("--load-text-child"), database, QStringLiteral("--runs"), QStringLiteral("1")});
    QFile::remove(database);

    int failures = 0;
    const auto check = [&failures](bool ok, const char *what) {
        if (!ok) {
            std::printf("FAIL: %s\n", what);
            ++failures;
        }
    };
    check(imported.value(QStringLiteral("ok")) == 1, "the import did not complete");
    check(imported.value(QStringLiteral("count")) == rows, "the import lost sentences");
    check(loaded.value(QStringLiteral("count")) == rows, "the imported database did not load whole");
    const double peak
        = double(imported.value(QStringLiteral("hwm")) - imported.value(QStringLiteral("rss_before")));
    const double held
        = double(loaded.value(QStringLiteral("rss_after")) - loaded.value(QStringLiteral("rss_before")));
    const double ratio = held > 0 ? peak / held : 0;
    std::printf("\nImport of a generated CSV file: %.1f MB, %lld rows, %lld headwords\n", double(size) / 1e6,
        static_cast<long long>(rows), static_cast<long long>(imported.value(QStringLiteral("items"))));
    std::printf("import time (fresh process)            %8.3f s   cpu %.3f s\n",
        double(imported.value(QStringLiteral("ns"))) / 1e9,
        double(imported.value(QStringLiteral("cpu_ns"))) / 1e9);
    std::printf("  of which reading (on its own thread)  %8.3f s\n",
        double(imported.value(QStringLiteral("read_ns"))) / 1e9);
    std::printf("import peak memory (VmHWM - start)     %8.0f MB\n", peak / 1e6);
    std::printf("the sentences once loaded (VmRSS)      %8.0f MB\n", held / 1e6);
    std::printf("peak against loaded                    %8.2f x   target <= 2.00 x  %s\n", ratio,
        ratio > 0 && ratio <= 2.0 ? "PASS" : "MISS");

    // One headword with very many sentences, as a long passage or a list sorted by nothing gives:
    // each sentence is looked up among those before it, which must not take longer as they grow.
    constexpr int oneHeadwordRows = 100000;
    QString text;
    for (int i = 0; i < oneHeadwordRows; ++i)
        text += QStringLiteral("word,The word stands in sentence %1 of one long list.\n").arg(i);
    QElapsedTimer timer;
    timer.start();
    const LxdImport::Result one
        = LxdImport::readCsv(LxdImport::readTable(text, QChar(u',')), LxdImport::CsvColumns());
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    check(one.sentenceCount() == oneHeadwordRows, "the one-headword list lost sentences");
    std::printf("one headword, %d sentences, read       %8.3f s   target <= 2.00 s  %s\n", oneHeadwordRows,
        seconds, seconds <= 2.0 ? "PASS" : "MISS");
    return failures;
}
