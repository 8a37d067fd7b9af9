// SPDX-License-Identifier: GPL-3.0-or-later
#include "finderbench.h"

#include "finder/sentencefinder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <random>

namespace {

QStringList starterHeadwords()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/db/BritishDB.lxv"));
    QStringList headwords;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            QString h = line.section(QStringLiteral("&&&"), 0, 0).trimmed();
            if (h.startsWith(QChar(0xFEFF)))
                h.remove(0, 1);
            if (!h.isEmpty())
                headwords.append(h);
        }
    }
    for (int i = headwords.size(); i < 455; ++i)
        headwords.append(QStringLiteral("word%1").arg(i));
    return headwords;
}

} // namespace

int runFinderBench(int words)
{
    const QStringList headwords = starterHeadwords();
    std::mt19937 random(20261210);
    // A vocabulary of made-up words, common ones drawn far more often than rare ones, and now and
    // then a form of a headword.
    QStringList vocabulary;
    for (int i = 0; i < 20000; ++i)
        vocabulary.append(QStringLiteral("w%1x").arg(i, 0, 36));
    std::geometric_distribution<int> common(0.002);
    QString text;
    text.reserve(words * 7);
    int written = 0;
    while (written < words) {
        const int length = 6 + int(random() % 18);
        for (int k = 0; k < length; ++k) {
            QString word;
            if (random() % 40 == 0) {
                const QString h = headwords[int(random() % headwords.size())];
                const QList<WordForms::Form> forms = WordForms::english(h.section(u' ', 0, 0));
                word = forms[int(random() % forms.size())].text;
                if (h.contains(u' '))
                    word += u' ' + h.section(u' ', 1);
            } else {
                word = vocabulary[qMin(int(vocabulary.size()) - 1, common(random))];
            }
            if (k == 0)
                word[0] = word[0].toUpper();
            text += word;
            text += k + 1 == length ? QStringLiteral(". ") : QStringLiteral(" ");
        }
        written += length;
        if (random() % 8 == 0)
            text += QStringLiteral("\n\n");
    }

    SentenceFinder::Options options;
    QElapsedTimer timer;
    timer.start();
    const SentenceFinder::Result result = SentenceFinder::find(text, headwords, options);
    const qint64 ms = timer.elapsed();
    QSet<int> found;
    for (const SentenceFinder::Candidate &c : result.candidates)
        found.insert(c.headword);
    std::printf(
        "finder: %d words, %d sentences, %lld headwords: %.3f s, %lld headwords found, %lld candidates\n",
        result.words, result.sentences, static_cast<long long>(headwords.size()), double(ms) / 1000.0,
        static_cast<long long>(found.size()), static_cast<long long>(result.candidates.size()));
    int failed = 0;
    if (found.size() < headwords.size() * 9 / 10) {
        std::printf("FAILED: fewer than nine in ten headwords found\n");
        ++failed;
    }
    return failed;
}
