// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/spellscan.h"

#include "data/brackettext.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"

#include <QHash>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace SpellScan {

QList<SpellSource> databaseSources(const LxdDatabase &db)
{
    QList<SpellSource> sources;
    qsizetype total = 0;
    for (const LxdItem *item : db.items)
        total += item->sentences.size();
    sources.reserve(total);
    for (int i = 0; i < db.itemCount(); ++i) {
        const QList<LxdSentence> &sentences = db.items.at(i)->sentences;
        for (int j = 0; j < sentences.size(); ++j)
            sources.append({i, j, sentences.at(j).textRef()});
    }
    return sources;
}

SpellScanResult run(
    SpellChecker &checker, const QList<SpellSource> &sources, const std::function<bool(int done)> &progress)
{
    SpellScanResult result;
    result.missing = checker.missingMessage();
    if (!checker.isReady())
        return result;
    QHash<QString, qsizetype> index; // word -> entry
    // Told about every few hundred texts: often enough for a smooth bar, seldom enough to cost nothing.
    constexpr int step = 512;
    for (int s = 0; s < sources.size(); ++s) {
        if (progress && s % step == 0 && !progress(s)) {
            result.cancelled = true;
            return result;
        }
        const QList<SpellWord> words = SpellText::words(sources.at(s).text);
        result.words += words.size();
        for (const SpellWord &word : words) {
            const SpellChecker::Verdict verdict = checker.check(word.word);
            if (verdict == SpellChecker::Known)
                continue;
            auto it = index.constFind(word.word);
            if (it == index.constEnd()) {
                it = index.insert(word.word, result.entries.size());
                result.entries.append({word.word, verdict,
                    verdict == SpellChecker::Variant ? checker.variantOf(word.word) : QString(), {}});
            }
            result.entries[*it].occurrences.append({s, word.position, word.length});
        }
    }
    if (progress)
        progress(int(sources.size()));
    return result;
}

QFuture<SpellScanResult> start(const QString &language, const QList<SpellSource> &sources)
{
    return QtConcurrent::run([language, sources](QPromise<SpellScanResult> &promise) {
        promise.setProgressRange(0, int(sources.size()));
        SpellChecker checker(language);
        SpellScanResult result = run(checker, sources, [&promise](int done) {
            promise.setProgressValue(done);
            return !promise.isCanceled();
        });
        promise.addResult(std::move(result));
    });
}

QString replaced(
    const QString &text, const QString &word, const QList<int> &positions, const QString &replacement)
{
    QList<int> sorted = positions;
    std::sort(sorted.begin(), sorted.end(), std::greater<int>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const QString written = BracketText::escaped(replacement);
    QString out = text;
    for (const int position : std::as_const(sorted)) {
        if (QStringView(out).mid(position, word.size()) == word)
            out.replace(position, word.size(), written);
    }
    return out;
}

} // namespace SpellScan
