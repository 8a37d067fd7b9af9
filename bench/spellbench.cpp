// SPDX-License-Identifier: GPL-3.0-or-later
#include "spellbench.h"

#include "benchdata.h"
#include "floors.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/spellscan.h"

#include <QElapsedTimer>

#include <cstdio>

int runSpellBench(int words, int sentences, int runs)
{
    std::fprintf(stderr, "spelling: generating %d x %d sentences\n", words, sentences);
    const BenchData data(words, sentences);
    LxdDatabase db;
    db.items.reserve(words);
    for (int i = 0; i < words; ++i) {
        auto *item = new LxdItem(&db);
        for (const BenchSentence &sentence : data.headword(i).first)
            item->sentences.append(LxdSentence(sentence.text, sentence.used));
        db.items.append(item);
    }

    int failures = 0;
    QList<SpellSource> sources;
    const Timing snapshot = bestOf(
        runs, [&] { sources.clear(); }, [&] { sources = SpellScan::databaseSources(db); });
    if (sources.size() != qsizetype(words) * sentences) {
        std::fprintf(stderr, "spelling: the copy holds %lld texts\n", qlonglong(sources.size()));
        ++failures;
    }

    SpellScanResult result;
    int lookups = 0;
    const Timing scan = bestOf(
        runs, [] {},
        [&] {
            SpellChecker checker(QStringLiteral("en-US"));
            result = SpellScan::run(checker, sources, [](int) { return true; });
            lookups = checker.lookups();
        });
    qsizetype occurrences = 0;
    for (const SpellScanEntry &entry : std::as_const(result.entries))
        occurrences += entry.occurrences.size();
    // The headwords are made-up words (a few happen to be real ones), each in every sentence of it.
    if (!result.missing.isEmpty() || result.entries.size() < words / 2
        || occurrences < qsizetype(words) * sentences) {
        std::fprintf(stderr, "spelling: %lld words found, %lld places%s\n", qlonglong(result.entries.size()),
            qlonglong(occurrences), qPrintable(result.missing));
        ++failures;
    }
    std::printf(
        "Check spelling, %lld texts, %lld words\n", qlonglong(sources.size()), qlonglong(result.words));
    std::printf("  copy of the texts (the window waits)  %.3f s\n", double(snapshot.wall) / 1e9);
    std::printf("  check in the background               %.3f s wall, %.3f s CPU\n", double(scan.wall) / 1e9,
        double(scan.cpu) / 1e9);
    std::printf("  dictionary lookups                    %d (%.1f%% of the words; the rest from the cache)\n",
        lookups, result.words ? 100.0 * lookups / double(result.words) : 0.0);
    std::printf("  found                                 %lld words in %lld places\n",
        qlonglong(result.entries.size()), qlonglong(occurrences));
    return failures;
}
