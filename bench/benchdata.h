// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BENCHDATA_H
#define BENCHDATA_H

#include <QList>
#include <QString>

// One sentence as the generator made it.
struct BenchSentence
{
    QString text;
    int used = 0;
};

// Everything the benchmark knows about one headword: its sentences in the first database, the
// same headword in the second database (the one that is appended), and what a merge must make
// of the two.
struct BenchHeadword
{
    QString headword;
    QList<BenchSentence> first;
    QString secondHeadword; // as the second file writes it (now and then with a trailing space)
    QList<BenchSentence> second; // texts as written (now and then with a leading space)
    QList<int> repeats; // per sentence of the second: the first's sentence it repeats, or -1

    // The sentences of this headword after the second database was appended with merging:
    // the first's in order with the used counts added up, then the new ones, trimmed, in the
    // reverse of their order in the second file.
    QList<BenchSentence> merged() const;
};

// A deterministic vocabulary of `words` headwords with `sentences` sentences each. Every
// headword is made again from its position alone, so the checks need not keep the whole
// vocabulary in memory.
class BenchData
{
public:
    BenchData(int words, int sentences);

    int words() const { return m_words; }
    int sentences() const { return m_sentences; }
    int repeatsPerHeadword() const { return m_sentences / 2; }

    // Headword number i, in the order of generation.
    QString headwordText(int i) const;
    BenchHeadword headword(int i) const;

    // Writes the first database and the second (the same headwords, half of each one's
    // sentences repeated), format version 3 exactly as the program writes them. Sorted, both
    // files list their headwords in the program's order, as every file it saves does; unsorted,
    // the first keeps the order of generation and the second another order, as files made
    // elsewhere might.
    bool writeFiles(const QString &firstFile, const QString &secondFile, bool sorted, QString *error);
    // The number of the headword on line `line` of the first file.
    int headwordOnLine(int line) const { return m_order.at(line); }

    qint64 firstUsedSum() const { return m_firstUsedSum; }
    qint64 secondUsedSum() const { return m_secondUsedSum; }
    qint64 firstFileSize() const { return m_firstFileSize; }

    // A text that no sentence and no headword contains.
    static QString absentText();

private:
    int m_words;
    int m_sentences;
    quint64 m_firstStep = 1;
    quint64 m_secondStep = 1;
    qint64 m_firstUsedSum = 0;
    qint64 m_secondUsedSum = 0;
    qint64 m_firstFileSize = 0;
    QList<int> m_order;
};

#endif // BENCHDATA_H
