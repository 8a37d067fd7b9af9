// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchdata.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <numeric>

namespace {

// splitmix64: small, fast and the same on every machine.
class Rng
{
public:
    explicit Rng(quint64 seed)
        : state(seed)
    { }
    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }

private:
    quint64 state;
};

QStringList wordList(const char *words)
{
    return QString::fromUtf8(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Pools
{
    QStringList english = wordList(
        "the a an my your our their this that some every cat dog mat house garden kitchen window door "
        "table chair book letter answer question lesson language word teacher student friend brother "
        "sister children mother father neighbour river bridge station train city village market shop "
        "bread coffee tea apple morning evening afternoon week year weekend summer winter sat went "
        "came bought found lost opened closed carried wrote painted heard saw remembered forgot wanted "
        "needed asked told gave took left arrived waited reads writes likes lives works plays "
        "is was are were will would can could should must quickly slowly happily always never often "
        "sometimes yesterday today tomorrow because although after before under over between with "
        "without about into from near behind new old small large green blue red black white happy "
        "tired bright cold warm quiet noisy early late and but or so then very too also "
        "café naïve résumé façade jalapeño piñata fiancée déjà über doppelgänger");
    QStringList german = wordList(
        "der die das ein eine und nicht mit für über unter Katze Hund Straße Mädchen Bäcker Brötchen "
        "Frühstück Schlüssel Tür Käse Fußball Grüße Bücher Stadt Zug Wald Haus groß klein schön müde "
        "früh spät heute morgen weiß heißt möchte hören gehört zurück gegessen gekauft ist war hat");
    QStringList spanish = wordList(
        "el la los las un una y con muy bien por para niño niña mañana señor año pequeño España café "
        "está también después corazón canción comió habló jamás árbol montaña casa perro gato día "
        "sueño tenía compró mañanas");
    QStringList french
        = wordList("le la les un une et avec chez nous très où à déjà élève été café garçon français fenêtre "
                   "forêt hôpital crème brûlée naïf cœur être fête première leçon ça maison chat mangé");
    QStringList russian = wordList(
        "я ты он она мы вы дом кот книга читать вчера сегодня завтра привет школа учитель город река "
        "большой маленький хорошо очень в на и не это мама папа ёлка друг слово купил");
    // Fixed-length syllables, so that a sequence of them is one headword and no other.
    QStringList syllables;

    Pools()
    {
        const QString consonants = QStringLiteral("bdfgklmnprstvz");
        const QString vowels = QStringLiteral("aeiou");
        for (QChar c : consonants) {
            for (QChar v : vowels)
                syllables << QString(c) + v;
        }
        syllables << wordList("bé dü fä gö kü lé ña ño ße çi да ми ко ру");
    }
};

const Pools &pools()
{
    static const Pools p;
    return p;
}

QString makeSentence(Rng &rng, const QString &headword)
{
    const Pools &p = pools();
    const int language = rng.below(100);
    const QStringList &pool = language < 75 ? p.english
        : language < 85                     ? p.german
        : language < 93                     ? p.spanish
        : language < 97                     ? p.french
                                            : p.russian;

    const int target = 40 + rng.below(61);
    QStringList words;
    int length = 0;
    while (length < target) {
        words << pool.at(rng.below(int(pool.size())));
        length += int(words.constLast().size()) + 1;
    }
    const int headPos = rng.below(int(words.size()) + 1);
    words.insert(headPos, headword);

    // The headword and up to two more key words, never two side by side: a run of white space
    // alone between two key words would not survive the XML round trip.
    QList<bool> key(words.size(), false);
    key[headPos] = true;
    const int extra = rng.below(3);
    for (int tries = 0, added = 0; tries < 8 && added < extra; ++tries) {
        const int j = rng.below(int(words.size()));
        if (key.at(j) || (j > 0 && key.at(j - 1)) || (j + 1 < words.size() && key.at(j + 1)))
            continue;
        key[j] = true;
        ++added;
    }

    QString text;
    text.reserve(length + headword.size() + 8);
    for (int j = 0; j < words.size(); ++j) {
        QString w = words.at(j);
        if (j == 0 && j != headPos)
            w[0] = w.at(0).toUpper();
        if (j > 0)
            text += QLatin1Char(' ');
        if (key.at(j))
            text += QLatin1Char('[') + w + QLatin1Char(']');
        else
            text += w;
    }
    static const char marks[] = ".?!.";
    text += QLatin1Char(marks[rng.below(4)]);
    return text;
}

int usedCount(Rng &rng)
{
    const int r = rng.below(10);
    return r < 6 ? 0 : r - 5;
}

quint64 coprimeStep(quint64 n, quint64 start)
{
    quint64 step = start;
    while (std::gcd(step, n) != 1)
        ++step;
    return step;
}

void appendLine(QByteArray &out, const QString &headword, const QList<BenchSentence> &sentences)
{
    out += headword.toUtf8();
    for (const BenchSentence &s : sentences) {
        out += "&&&{";
        out += QByteArray::number(s.used);
        out += '}';
        out += s.text.toUtf8();
    }
    out += "\r\n";
}

} // namespace

QList<BenchSentence> BenchHeadword::merged() const
{
    QList<BenchSentence> result = first;
    for (int k = 0; k < second.size(); ++k) {
        if (repeats.at(k) >= 0)
            result[repeats.at(k)].used += second.at(k).used;
    }
    for (int k = int(second.size()) - 1; k >= 0; --k) {
        if (repeats.at(k) < 0)
            result.append({second.at(k).text.trimmed(), second.at(k).used});
    }
    return result;
}

BenchData::BenchData(int words, int sentences)
    : m_words(words)
    , m_sentences(sentences)
{
    m_firstStep = coprimeStep(quint64(words), 7919);
    m_secondStep = coprimeStep(quint64(words), 104729);
}

QString BenchData::headwordText(int i) const
{
    const QStringList &syllables = pools().syllables;
    const quint64 base = quint64(syllables.size());
    const quint64 p = (quint64(i) * m_firstStep + 12345) % quint64(m_words);
    // Bijective numeration from base + 1 on: two syllables or more, every number its own word.
    quint64 n = p + base + 1;
    QString word;
    while (n > 0) {
        word += syllables.at(int((n - 1) % base));
        n = (n - 1) / base;
    }
    // Now and then a capital, which sorts before every small letter.
    if (p % 13 == 0 && word.at(0) >= QLatin1Char('a') && word.at(0) <= QLatin1Char('z'))
        word[0] = word.at(0).toUpper();
    return word;
}

BenchHeadword BenchData::headword(int i) const
{
    Rng rng(quint64(i) * 0x2545F4914F6CDD1DULL + 1);
    BenchHeadword h;
    h.headword = headwordText(i);
    QSet<QString> seen;
    h.first.reserve(m_sentences);
    for (int k = 0; k < m_sentences; ++k) {
        QString s;
        do {
            s = makeSentence(rng, h.headword);
        } while (seen.contains(s));
        seen.insert(s);
        h.first.append({s, usedCount(rng)});
    }

    h.secondHeadword = i % 10 == 3 ? h.headword + QLatin1Char(' ') : h.headword;
    const int repeats = repeatsPerHeadword();
    h.second.reserve(m_sentences);
    h.repeats.reserve(m_sentences);
    for (int k = 0; k < m_sentences; ++k) {
        QString s;
        int of = -1;
        if (k % 2 == 0 && k / 2 < repeats) {
            of = (k / 2 + i) % m_sentences;
            s = h.first.at(of).text;
            if (rng.below(3) == 0)
                s.prepend(QLatin1Char(' '));
        } else {
            do {
                s = makeSentence(rng, h.headword);
            } while (seen.contains(s));
            seen.insert(s);
            if (rng.below(4) == 0)
                s.prepend(QLatin1Char(' '));
        }
        h.second.append({s, rng.below(3)});
        h.repeats.append(of);
    }
    return h;
}

bool BenchData::writeFiles(const QString &firstFile, const QString &secondFile, bool sorted, QString *error)
{
    m_order.resize(m_words);
    std::iota(m_order.begin(), m_order.end(), 0);
    if (sorted) {
        QStringList texts;
        texts.reserve(m_words);
        for (int i = 0; i < m_words; ++i)
            texts.append(headwordText(i));
        std::sort(m_order.begin(), m_order.end(), [&](int a, int b) { return texts.at(a) < texts.at(b); });
    }

    QFile first(firstFile);
    QFile second(secondFile);
    if (!first.open(QIODevice::WriteOnly) || !second.open(QIODevice::WriteOnly)) {
        *error = first.isOpen() ? second.errorString() : first.errorString();
        return false;
    }
    m_firstUsedSum = 0;
    m_secondUsedSum = 0;

    QByteArray firstBuffer("\xEF\xBB\xBF");
    QByteArray secondBuffer = firstBuffer;
    // Unsorted, the second file takes its lines in another order, so they wait here.
    QList<QByteArray> secondLines(sorted ? 0 : m_words);
    auto flush = [](QFile &file, QByteArray &buffer, qsizetype least) {
        if (buffer.size() >= least) {
            file.write(buffer);
            buffer.clear();
        }
    };
    for (int line = 0; line < m_words; ++line) {
        const int i = m_order.at(line);
        const BenchHeadword h = headword(i);
        appendLine(firstBuffer, h.headword, h.first);
        if (sorted) {
            appendLine(secondBuffer, h.secondHeadword, h.second);
        } else {
            appendLine(secondLines[i], h.secondHeadword, h.second);
        }
        for (const BenchSentence &s : h.first)
            m_firstUsedSum += s.used;
        for (const BenchSentence &s : h.second)
            m_secondUsedSum += s.used;
        flush(first, firstBuffer, 1 << 20);
        flush(second, secondBuffer, 1 << 20);
    }
    for (int k = 0; k < secondLines.size(); ++k) {
        const int i = int((quint64(k) * m_secondStep + 777) % quint64(m_words));
        secondBuffer += secondLines.at(i);
        secondLines[i].clear();
        flush(second, secondBuffer, 1 << 20);
    }
    flush(first, firstBuffer, 0);
    flush(second, secondBuffer, 0);
    m_firstFileSize = first.size();
    if (!first.flush() || !second.flush()) {
        *error = first.error() != QFileDevice::NoError ? first.errorString() : second.errorString();
        return false;
    }
    return true;
}

QString BenchData::absentText()
{
    // No pool word contains it, and a headword is a run of consonant-vowel syllables.
    return QStringLiteral("Schmetterling");
}
