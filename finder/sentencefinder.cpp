// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/sentencefinder.h"

#include "data/brackettext.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTextBoundaryFinder>
#include <QVector>

#include <libstemmer.h>

#include <algorithm>
#include <memory>

namespace {

using Kind = WordForms::Kind;

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

bool isClosingQuote(QChar c)
{
    return c == u'"' || c == u'\'' || c == u'\u201D' || c == u'\u2019' || c == u'\u00BB' || c == u')';
}

// The last blank-separated piece of `text` before `end`.
QStringView lastPiece(QStringView text)
{
    text = text.trimmed();
    const qsizetype space = text.lastIndexOf(u' ');
    return space < 0 ? text : text.mid(space + 1);
}

bool endsWithAbbreviation(QStringView before, QStringView after)
{
    static const QSet<QString> always {QStringLiteral("mr."), QStringLiteral("mrs."), QStringLiteral("ms."),
        QStringLiteral("dr."), QStringLiteral("st."), QStringLiteral("prof."), QStringLiteral("jr."),
        QStringLiteral("sr."), QStringLiteral("mt."), QStringLiteral("vs."), QStringLiteral("e.g."),
        QStringLiteral("i.e."), QStringLiteral("cf."), QStringLiteral("no."), QStringLiteral("approx."),
        QStringLiteral("fig."), QStringLiteral("vol."), QStringLiteral("p."), QStringLiteral("pp.")};
    // "etc." and the like end a sentence unless a small letter goes on.
    static const QSet<QString> beforeSmall {QStringLiteral("etc."), QStringLiteral("a.m."),
        QStringLiteral("p.m."), QStringLiteral("ca."), QStringLiteral("approx.")};
    const QStringView piece = lastPiece(before);
    const QString lower = piece.toString().toLower();
    static const QRegularExpression initials(QStringLiteral("^(\\p{Lu}\\.)+$"));
    if (always.contains(lower) || initials.match(piece).hasMatch())
        return true;
    const QStringView next = after.trimmed();
    return beforeSmall.contains(lower) && !next.isEmpty() && next[0].isLower();
}

struct Token
{
    int start;
    int length;
    int id; // the word in lower case
    int base; // a possessive's word without its "'s", or -1
};

struct Sentence
{
    QString text;
    QVector<Token> tokens;
};

// The text's words, each once, and the sentences each stands in.
struct Index
{
    QVector<Sentence> sentences;
    QHash<QString, int> ids;
    QVector<QString> words;
    QVector<int> counts;
    QVector<QVector<int>> postings; // by id: the sentences, ascending, each once
    int total = 0;

    int idOf(const QString &lower)
    {
        auto it = ids.constFind(lower);
        if (it != ids.constEnd())
            return *it;
        const int id = int(words.size());
        ids.insert(lower, id);
        words.append(lower);
        counts.append(0);
        postings.append(QVector<int>());
        return id;
    }
    void post(int id, int sentence)
    {
        QVector<int> &list = postings[id];
        if (list.isEmpty() || list.back() != sentence)
            list.append(sentence);
    }

    void add(const QString &text)
    {
        const int s = int(sentences.size());
        Sentence sentence {text, {}};
        const int n = int(text.size());
        for (int i = 0; i < n;) {
            if (!isWordChar(text[i])) {
                ++i;
                continue;
            }
            int j = i;
            while (j < n
                && (isWordChar(text[j]) || (isApostrophe(text[j]) && j + 1 < n && isWordChar(text[j + 1]))))
                ++j;
            const QString lower = text.mid(i, j - i).toLower();
            Token token {i, j - i, idOf(lower), -1};
            if (lower.size() > 2 && lower.back() == u's' && isApostrophe(lower[lower.size() - 2])) {
                token.base = idOf(lower.left(lower.size() - 2));
                post(token.base, s);
            }
            ++counts[token.id];
            post(token.id, s);
            sentence.tokens.append(token);
            ++total;
            i = j;
        }
        sentences.append(sentence);
    }
};

class Stemmer
{
public:
    explicit Stemmer(const QString &language)
    {
        static const QHash<QString, QByteArray> names {{QStringLiteral("de"), "german"},
            {QStringLiteral("fr"), "french"}, {QStringLiteral("es"), "spanish"},
            {QStringLiteral("en"), "english"}};
        const QByteArray name = names.value(language.left(2).toLower());
        if (!name.isEmpty())
            m_stemmer = sb_stemmer_new(name.constData(), "UTF_8");
    }
    ~Stemmer()
    {
        if (m_stemmer)
            sb_stemmer_delete(m_stemmer);
    }
    Stemmer(const Stemmer &) = delete;
    Stemmer &operator=(const Stemmer &) = delete;
    bool isValid() const { return m_stemmer != nullptr; }
    QString stem(const QString &word)
    {
        const QByteArray utf8 = word.toUtf8();
        const sb_symbol *out = sb_stemmer_stem(
            m_stemmer, reinterpret_cast<const sb_symbol *>(utf8.constData()), int(utf8.size()));
        if (!out)
            return word;
        return QString::fromUtf8(reinterpret_cast<const char *>(out), sb_stemmer_length(m_stemmer));
    }

private:
    sb_stemmer *m_stemmer = nullptr;
};

// The words of a headword one by one: for each, the word ids it may stand as, with the kind of form.
using Accepted = QHash<int, Kind>;

bool isDeterminer(const QString &w)
{
    static const QSet<QString> words {QStringLiteral("the"), QStringLiteral("a"), QStringLiteral("an"),
        QStringLiteral("my"), QStringLiteral("his"), QStringLiteral("her"), QStringLiteral("its"),
        QStringLiteral("our"), QStringLiteral("their"), QStringLiteral("your"), QStringLiteral("this"),
        QStringLiteral("that"), QStringLiteral("these"), QStringLiteral("those"), QStringLiteral("some")};
    return words.contains(w);
}

// Whether nothing but blanks, letters and apostrophes stands between two tokens: the words between a
// verb and its particle belong to one clause.
bool sameClause(const QString &text, int from, int to)
{
    for (int i = from; i < to; ++i) {
        const QChar c = text[i];
        if (!(c.isSpace() || isWordChar(c) || isApostrophe(c) || c == u'-'))
            return false;
    }
    return true;
}

struct Match
{
    QList<int> tokens;
    Kind kind = Kind::Headword;
};

bool tokenIs(const Token &t, const Accepted &accepted, Kind *kind)
{
    auto it = accepted.constFind(t.id);
    if (it == accepted.constEnd() && t.base >= 0)
        it = accepted.constFind(t.base);
    if (it == accepted.constEnd())
        return false;
    if (kind)
        *kind = *it;
    return true;
}

bool matchSentence(
    const Sentence &s, const Index &index, const QList<Accepted> &words, bool separable, Match *out)
{
    const QVector<Token> &t = s.tokens;
    for (int i = 0; i < t.size(); ++i) {
        Kind first;
        if (!tokenIs(t[i], words[0], &first))
            continue;
        Match m {{i}, first};
        int at = i;
        bool ok = true;
        for (int w = 1; w < words.size() && ok; ++w) {
            const int maxGap = (w == 1 && separable) ? 3 : 0;
            ok = false;
            for (int g = 0; g <= maxGap && at + 1 + g < t.size(); ++g) {
                const int j = at + 1 + g;
                Kind kind;
                if (!tokenIs(t[j], words[w], &kind))
                    continue;
                if (!sameClause(s.text, t[at].start + t[at].length, t[j].start))
                    break;
                if (g > 0) {
                    // "put the cup on the table": a particle before a noun is a preposition.
                    if (j + 1 < t.size() && sameClause(s.text, t[j].start + t[j].length, t[j + 1].start)
                        && isDeterminer(index.words[t[j + 1].id]))
                        break;
                }
                if (m.kind == Kind::Headword && kind != Kind::Headword)
                    m.kind = kind;
                m.tokens.append(j);
                at = j;
                ok = true;
                break;
            }
        }
        if (ok) {
            if (separable)
                m.kind = Kind::Phrasal;
            *out = m;
            return true;
        }
    }
    return false;
}

QString bracketed(const Sentence &s, const QList<int> &tokens)
{
    // Neighbouring matched words with only blanks between them share one pair of brackets.
    QList<QPair<int, int>> spans;
    for (int k : tokens) {
        const Token &t = s.tokens[k];
        if (!spans.isEmpty()
            && s.text.mid(spans.back().second, t.start - spans.back().second).trimmed().isEmpty())
            spans.back().second = t.start + t.length;
        else
            spans.append({t.start, t.start + t.length});
    }
    QString out;
    int at = 0;
    for (const auto &span : spans) {
        out += BracketText::escaped(QStringView(s.text).mid(at, span.first - at));
        out += u'[' + BracketText::escaped(QStringView(s.text).mid(span.first, span.second - span.first))
            + u']';
        at = span.second;
    }
    out += BracketText::escaped(QStringView(s.text).mid(at));
    return out;
}

struct Quality
{
    int score = 100;
    QStringList reasons;
};

Quality sentenceQuality(const Sentence &s, const Index &index)
{
    Quality q;
    const int n = int(s.tokens.size());
    q.reasons << SentenceFinder::tr("Words: %1").arg(n);
    if (n < 6) {
        q.score -= 30;
        q.reasons << SentenceFinder::tr("Short for an example sentence");
    } else if (n > 25) {
        q.score -= qMin(40, 10 + (n - 25));
        q.reasons << SentenceFinder::tr("Long for an example sentence");
    }
    if (n > 0) {
        static const QSet<QString> pronouns {
            QStringLiteral("it"), QStringLiteral("he"), QStringLiteral("she"), QStringLiteral("they")};
        static const QSet<QString> demonstratives {
            QStringLiteral("this"), QStringLiteral("that"), QStringLiteral("these"), QStringLiteral("those")};
        static const QSet<QString> verbs {QStringLiteral("is"), QStringLiteral("was"), QStringLiteral("are"),
            QStringLiteral("were"), QStringLiteral("has"), QStringLiteral("had"), QStringLiteral("have"),
            QStringLiteral("will"), QStringLiteral("would"), QStringLiteral("can"), QStringLiteral("could"),
            QStringLiteral("may"), QStringLiteral("might"), QStringLiteral("must"), QStringLiteral("should"),
            QStringLiteral("does"), QStringLiteral("did"), QStringLiteral("means"), QStringLiteral("meant"),
            QStringLiteral("seems"), QStringLiteral("seemed"), QStringLiteral("made"),
            QStringLiteral("makes")};
        const QString first = index.words[s.tokens[0].id];
        const QString second = n > 1 ? index.words[s.tokens[1].id] : QString();
        if (pronouns.contains(first) || (demonstratives.contains(first) && (verbs.contains(second) || n == 1))
            || first == QLatin1String("it's") || first == QLatin1String("that's")) {
            q.score -= 25;
            q.reasons << SentenceFinder::tr("Begins with a word that points to an earlier sentence");
        }
    }
    const int straight = int(s.text.count(u'"'));
    if (straight % 2 != 0 || s.text.count(u'\u201C') != s.text.count(u'\u201D')) {
        q.score -= 40;
        q.reasons << SentenceFinder::tr("Part of a quotation");
    }
    QString end = s.text;
    while (!end.isEmpty() && isClosingQuote(end.back()))
        end.chop(1);
    if (end.isEmpty() || !QStringView(u".!?\u2026").contains(end.back())) {
        q.score -= 25;
        q.reasons << SentenceFinder::tr("Not a whole sentence: no full stop");
    } else if (!s.text.isEmpty()) {
        QChar c = s.text[0];
        for (QChar ch : s.text) {
            if (ch.isLetter()) {
                c = ch;
                break;
            }
        }
        if (c.isLower()) {
            q.score -= 25;
            q.reasons << SentenceFinder::tr("Not a whole sentence: no capital letter");
        }
    }
    return q;
}

} // namespace

QStringList SentenceFinder::splitSentences(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    static const QRegularExpression blankLine(QStringLiteral("\\n[ \\t\\f\\v\\x{00A0}]*\\n"));
    QStringList out;
    for (const QString &raw : t.split(blankLine, Qt::SkipEmptyParts)) {
        const QString p = raw.simplified();
        if (p.isEmpty())
            continue;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Sentence, p);
        int start = 0;
        for (qsizetype b = finder.toNextBoundary(); b >= 0; b = finder.toNextBoundary()) {
            int end = int(b);
            if (end < p.size()) {
                // A closing quotation mark after the full stop is the sentence's own.
                while (
                    end < p.size() && isClosingQuote(p[end]) && (end + 1 == p.size() || p[end + 1].isSpace()))
                    ++end;
                const QStringView before = QStringView(p).mid(start, end - start);
                const QStringView after = QStringView(p).mid(end);
                const QStringView next = after.trimmed();
                if (next.isEmpty() || endsWithAbbreviation(before, after) || next[0].isLower())
                    continue;
                if (end > b)
                    finder.setPosition(end);
            }
            const QString sentence = p.mid(start, end - start).trimmed();
            if (!sentence.isEmpty())
                out.append(sentence);
            start = end;
        }
        const QString rest = p.mid(start).trimmed();
        if (!rest.isEmpty())
            out.append(rest);
    }
    return out;
}

QString SentenceFinder::comparable(const QString &sentence)
{
    return BracketText::withoutBrackets(sentence).toLower().simplified();
}

QString SentenceFinder::kindName(WordForms::Kind kind)
{
    switch (kind) {
    case Kind::Headword:
        return tr("the headword");
    case Kind::Inflection:
        return tr("a regular form");
    case Kind::Irregular:
        return tr("an irregular form");
    case Kind::Phrasal:
        return tr("a phrasal verb");
    case Kind::Stem:
        return tr("a word of the same stem");
    }
    return QString();
}

SentenceFinder::Result SentenceFinder::find(const QString &text, const QStringList &headwords,
    const Options &options, const std::atomic_bool *cancel, const std::function<void(int)> &progress)
{
    Result result;
    auto cancelled = [&] { return cancel && cancel->load(std::memory_order_relaxed); };
    auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };

    const QStringList sentences = splitSentences(text);
    if (cancelled()) {
        result.cancelled = true;
        return result;
    }
    report(20);
    Index index;
    index.sentences.reserve(sentences.size());
    for (int i = 0; i < sentences.size(); ++i) {
        if ((i & 1023) == 0) {
            if (cancelled()) {
                result.cancelled = true;
                return result;
            }
            report(20 + int(20LL * i / qMax(1, int(sentences.size()))));
        }
        index.add(sentences[i]);
    }
    result.sentences = int(index.sentences.size());
    result.words = index.total;
    report(40);

    const bool english = options.language.left(2).compare(QLatin1String("en"), Qt::CaseInsensitive) == 0;
    std::unique_ptr<Stemmer> stemmer;
    QHash<QString, QVector<int>> byStem; // for other languages: the text's words by stem
    if (!english) {
        stemmer = std::make_unique<Stemmer>(options.language);
        if (stemmer->isValid()) {
            for (int id = 0; id < index.words.size(); ++id)
                byStem[stemmer->stem(index.words[id])].append(id);
        }
    }

    QSet<QString> known;
    for (const QString &s : options.knownSentences)
        known.insert(comparable(s));
    QSet<QString> knownWords;
    for (const QString &w : options.knownWords)
        knownWords.insert(w.toLower());
    // In a long text a word seen once is one the pupils are unlikely to know.
    const bool rareCounts = index.total >= 2000;

    QVector<int> qualityOf(index.sentences.size(), -1);
    QVector<Quality> qualities;

    for (int h = 0; h < headwords.size(); ++h) {
        if (cancelled()) {
            result.cancelled = true;
            return result;
        }
        report(40 + int(60LL * h / qMax(1, int(headwords.size()))));
        QStringList words = headwords[h].toLower().simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.size() > 1 && words[0] == QLatin1String("to"))
            words.removeFirst();
        if (words.isEmpty())
            continue;
        const bool separable = english && words.size() >= 2 && WordForms::isSeparableParticle(words[1]);
        QList<Accepted> accepted;
        for (int w = 0; w < words.size(); ++w) {
            Accepted a;
            if (english) {
                // The verb of a phrasal verb, the last word of a compound ("car parks"), a word alone.
                const bool inflects = w == 0 || (w == words.size() - 1 && !separable);
                const QList<WordForms::Form> forms = inflects
                    ? WordForms::english(words[w])
                    : QList<WordForms::Form> {{words[w], Kind::Headword}};
                for (const WordForms::Form &f : forms) {
                    const int id = index.ids.value(f.text, -1);
                    if (id >= 0)
                        a.insert(id, f.kind);
                }
            } else if (stemmer && stemmer->isValid()) {
                for (int id : byStem.value(stemmer->stem(words[w])))
                    a.insert(id, index.words[id] == words[w] ? Kind::Headword : Kind::Stem);
            } else {
                const int id = index.ids.value(words[w], -1);
                if (id >= 0)
                    a.insert(id, Kind::Headword);
            }
            accepted.append(a);
        }
        // The sentences that hold a form of the first word, each once, in text order.
        QVector<int> found;
        for (auto it = accepted[0].cbegin(); it != accepted[0].cend(); ++it)
            found += index.postings[it.key()];
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());

        QList<Candidate> mine;
        QSet<QString> seen;
        for (int si : found) {
            const Sentence &s = index.sentences[si];
            Match m;
            if (!matchSentence(s, index, accepted, separable, &m))
                continue;
            const QString same = comparable(s.text);
            if (seen.contains(same))
                continue;
            seen.insert(same);
            if (known.contains(same)) {
                ++result.known;
                continue;
            }
            if (qualityOf[si] < 0) {
                qualityOf[si] = int(qualities.size());
                qualities.append(sentenceQuality(s, index));
            }
            Candidate c;
            c.headword = h;
            c.sentence = s.text;
            c.bracketed = bracketed(s, m.tokens);
            c.kind = m.kind;
            const Quality &q = qualities[qualityOf[si]];
            c.score = q.score;
            c.reasons = q.reasons;
            if (rareCounts) {
                QStringList rare;
                for (int k = 0; k < s.tokens.size(); ++k) {
                    const Token &t = s.tokens[k];
                    const QString &w = index.words[t.id];
                    // Names (capitals inside the sentence) and numbers are no vocabulary.
                    if (m.tokens.contains(k) || index.counts[t.id] > 1 || knownWords.contains(w)
                        || (k > 0 && s.text[t.start].isUpper()) || s.text[t.start].isDigit())
                        continue;
                    rare.append(w);
                }
                if (!rare.isEmpty()) {
                    c.score -= qMin(30, 10 * int(rare.size()));
                    c.reasons << tr("Rare words: %1").arg(rare.join(QLatin1String(", ")));
                }
            }
            c.score = qBound(0, c.score, 100);
            c.reasons << tr("Found as %1").arg(kindName(c.kind));
            mine.append(c);
        }
        std::stable_sort(mine.begin(), mine.end(),
            [](const Candidate &a, const Candidate &b) { return a.score > b.score; });
        if (options.perHeadword > 0 && mine.size() > options.perHeadword)
            mine.erase(mine.begin() + options.perHeadword, mine.end());
        result.candidates += mine;
    }
    report(100);
    return result;
}
