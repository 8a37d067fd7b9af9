// SPDX-License-Identifier: GPL-3.0-or-later
// The database file reader and the append merge against a plain reading of their rules, over
// generated files that cross every size and encoding threshold of the tuned code: lines cut at the
// reader's block boundary inside a UTF-8 sequence, headwords with many sentences, surrogate pairs,
// the star mark of older files, white space beyond ASCII, byte-order marks on later lines, and
// headwords whose hashes collide.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "support/testutil.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <limits>

namespace Reference {

struct Sentence
{
    QString text;
    int used = 0;
    int status = LxdSentence::Unchecked;
};

struct Item
{
    QString headword;
    QList<Sentence> sentences;
};

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QString::fromUtf16(
            reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    if (QUtf8StringView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    return QString::fromLatin1(bytes);
}

// A run of n ampersands holds n / 3 separators, at its end.
QStringList splitLine(const QString &line)
{
    QStringList parts {QString()};
    for (qsizetype i = 0; i < line.size();) {
        if (line.at(i) != QLatin1Char('&')) {
            parts.last() += line.at(i++);
            continue;
        }
        qsizetype j = i;
        while (j < line.size() && line.at(j) == QLatin1Char('&'))
            ++j;
        const qsizetype run = j - i;
        if (run < 3) {
            parts.last() += line.mid(i, run);
        } else {
            parts.last() += QString(run % 3, QLatin1Char('&'));
            for (qsizetype k = 0; k < run / 3; ++k)
                parts.append(QString());
        }
        i = j;
    }
    return parts;
}

Sentence field(const QString &part)
{
    Sentence s;
    QString f = part.trimmed();
    if (f.size() <= 2)
        return s;
    if (f.startsWith(QLatin1Char('{'))) {
        const qsizetype close = f.indexOf(QLatin1Char('}'));
        if (close >= 2) {
            bool ok = false;
            const int n = f.mid(1, close - 1).toInt(&ok);
            s.used = ok ? n : 0;
            f = f.mid(close + 1);
        }
    } else if (f.startsWith(QLatin1Char('*'))) {
        s.used = 1;
        f = f.mid(1);
    }
    s.text = f;
    s.status = LxdSentence::checkBrackets(f);
    return s;
}

QList<Item> load(const QByteArray &bytes)
{
    QList<Item> items;
    for (QString line : decode(bytes).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList parts = splitLine(line.trimmed());
        Item item {parts.first(), {}};
        for (qsizetype i = 1; i < parts.size(); ++i) {
            if (parts.at(i).size() > 2)
                item.sentences.append(field(parts.at(i)));
        }
        items.append(item);
    }
    return items;
}

int added(int a, int b)
{
    return int(qBound(
        qint64(std::numeric_limits<int>::min()), qint64(a) + b, qint64(std::numeric_limits<int>::max())));
}

// The merge as the rules state it, with plain searches from the first position.
void merge(QList<Item> &items, const QList<Item> &incoming)
{
    for (qsizetype j = incoming.size() - 1; j >= 0; --j) {
        const QString h = incoming.at(j).headword.trimmed();
        const auto target = std::find_if(
            items.begin(), items.end(), [&h](const Item &item) { return item.headword.trimmed() == h; });
        if (target == items.end()) {
            items.append(incoming.at(j));
            continue;
        }
        for (qsizetype k = incoming.at(j).sentences.size() - 1; k >= 0; --k) {
            const Sentence &source = incoming.at(j).sentences.at(k);
            const QString t = source.text.trimmed();
            const auto same = std::find_if(target->sentences.begin(), target->sentences.end(),
                [&t](const Sentence &s) { return s.text.trimmed() == t; });
            if (same != target->sentences.end()) {
                same->used = added(same->used, source.used);
                continue;
            }
            target->sentences.append({t, source.used, LxdSentence::checkBrackets(t)});
        }
    }
}

QStringList describe(const QList<Item> &items)
{
    QStringList lines;
    for (const Item &item : items) {
        QString line = item.headword;
        for (const Sentence &s : item.sentences)
            line += QStringLiteral("|%1#%2/%3").arg(s.text).arg(s.used).arg(s.status);
        lines.append(line);
    }
    return lines;
}

} // namespace Reference

namespace {

QStringList describe(const LxdDatabase &db)
{
    QStringList lines;
    for (int i = 0; i < db.itemCount(); ++i) {
        QString line = db.headword(i);
        for (int j = 0; j < db.sentenceCount(i); ++j) {
            const LxdSentence *s = db.sentenceAt(i, j);
            line += QStringLiteral("|%1#%2/%3").arg(s->text()).arg(s->used()).arg(s->bracketStatus());
        }
        lines.append(line);
    }
    return lines;
}

QStringList sorted(QStringList lines)
{
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Files of a few headwords drawn from a small vocabulary, so that appends repeat headwords and
// sentences, with every kind of text the reader treats apart.
class Generator
{
public:
    explicit Generator(quint32 seed)
        : m_random(seed)
    { }

    int below(int n) { return int(m_random.bounded(n)); }

    QString headword()
    {
        static const QStringList heads {QStringLiteral("cat"), QStringLiteral("Cat"),
            QStringLiteral("caf\u00e9"), QStringLiteral("\u732b"), QString::fromUcs4(U"\U0001F408"),
            QStringLiteral("AT&"), QStringLiteral("dog"), QStringLiteral("\u0434\u043e\u043c"),
            QStringLiteral("R&&")};
        return pad(heads.at(below(heads.size())));
    }

    QString sentence()
    {
        static const QStringList texts {QStringLiteral("A [x]."), QStringLiteral("The [cat] sat."),
            QStringLiteral("Un [th\u00e9]."), QString::fromUcs4(U"\U0001F600 [\U0001D11E]"),
            QStringLiteral("open [end"), QStringLiteral("no key"), QStringLiteral("ab"), QStringLiteral("x"),
            QStringLiteral("Tom & [Jerry] &"), QStringLiteral("*star [s]"), QStringLiteral("}{ [b]")};
        return pad(texts.at(below(texts.size())));
    }

    // A sentence field in the current form, the older form, or a damaged one.
    QString field()
    {
        switch (below(8)) {
        case 0:
            return QLatin1Char('*') + sentence();
        case 1:
            return sentence();
        case 2:
            return QStringLiteral("{x}") + sentence();
        case 3:
            return QStringLiteral("{%1}").arg(
                       below(2) ? std::numeric_limits<int>::max() - below(3) : -below(9))
                + sentence();
        default:
            return QStringLiteral("{%1}").arg(below(6)) + sentence();
        }
    }

    // `many` gives one headword more sentences than the merge looks through one by one.
    QString line(bool many)
    {
        QString out = headword();
        const int count = many ? 33 + below(40) : below(5);
        for (int i = 0; i < count; ++i)
            out += QLatin1String("&&&") + field();
        if (below(10) == 0)
            out.prepend(QChar(0xFEFF)); // a file joined on
        return out;
    }

    QStringList lines(int n)
    {
        QStringList out;
        for (int i = 0; i < n; ++i)
            out.append(line(below(4) == 0));
        if (below(3) == 0)
            out.insert(below(int(out.size()) + 1), QStringLiteral("   "));
        return out;
    }

private:
    QString pad(const QString &text)
    {
        static const QStringList spaces {QString(), QString(), QString(), QStringLiteral(" "),
            QStringLiteral("\t"), QStringLiteral("\u00a0"), QStringLiteral("\u2003")};
        return spaces.at(below(spaces.size())) + text + spaces.at(below(spaces.size()));
    }

    QRandomGenerator m_random;
};

enum Encoding { Utf8, Utf8Mark, Latin1, Utf16 };

QByteArray encode(const QStringList &lines, Encoding encoding)
{
    QString text = lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    switch (encoding) {
    case Utf8:
        return text.toUtf8();
    case Utf8Mark:
        return "\xEF\xBB\xBF" + text.toUtf8();
    case Latin1: {
        // What ISO 8859-1 cannot hold becomes "?", and at least one byte is no UTF-8.
        for (QChar &c : text) {
            if (c.unicode() > 0xFF)
                c = QLatin1Char('?');
        }
        return text.toLatin1() + "\xE9\r\n";
    }
    case Utf16:
        return "\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    }
    return {};
}

// A line of ASCII that puts the first byte of the next line's headword `back` bytes before the
// end of the reader's first block.
QByteArray blockFiller(qsizetype prefix, int back)
{
    constexpr qsizetype block = 1 << 20;
    const QByteArray head = "filler&&&{0}";
    const qsizetype fill = block - back - prefix - head.size() - 2;
    return head + QByteArray(fill, 'a') + "\r\n";
}

size_t poorHash(QStringView text)
{
    return size_t(text.size() % 3);
}

} // namespace

class TestLineFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void generated_data();
    void generated();
    void sequenceCutAtBlockEnd_data();
    void sequenceCutAtBlockEnd();
    void longLineReadInPieces_data();
    void longLineReadInPieces();

private:
    QString write(const QByteArray &bytes);
    void compareLoad(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLineFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestLineFile::cleanup()
{
    LxdDatabase::setHeadwordHash(nullptr);
}

QString TestLineFile::write(const QByteArray &bytes)
{
    static int n = 0;
    return TestUtil::writeFile(*m_dir, QStringLiteral("f%1.lxv").arg(++n), bytes);
}

void TestLineFile::compareLoad(const QByteArray &bytes)
{
    LxdDatabase db;
    QVERIFY(db.loadText(write(bytes)));
    QCOMPARE(describe(db), Reference::describe(Reference::load(bytes)));
}

void TestLineFile::generated_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<bool>("collide");
    const char *const names[] = {"UTF-8", "UTF-8 with mark", "ISO 8859-1", "UTF-16"};
    for (quint32 seed = 1; seed <= 6; ++seed) {
        for (int encoding = Utf8; encoding <= Utf16; ++encoding) {
            for (bool collide : {false, true})
                QTest::addRow("%s, seed %u%s", names[encoding], seed, collide ? ", colliding hashes" : "")
                    << seed << encoding << collide;
        }
    }
}

// Loading, and appending with either answer, give what the rules give.
void TestLineFile::generated()
{
    QFETCH(quint32, seed);
    QFETCH(int, encoding);
    QFETCH(bool, collide);
    if (collide)
        LxdDatabase::setHeadwordHash(poorHash);
    Generator generate(seed);
    const QByteArray base = encode(generate.lines(6), Utf8Mark);
    const QByteArray appended = encode(generate.lines(8), Encoding(encoding));
    compareLoad(appended);

    const QList<Reference::Item> baseItems = Reference::load(base);
    const QList<Reference::Item> incoming = Reference::load(appended);
    const bool repeats = std::any_of(incoming.begin(), incoming.end(), [&](const Reference::Item &in) {
        return std::any_of(baseItems.begin(), baseItems.end(),
            [&](const Reference::Item &own) { return own.headword.trimmed() == in.headword.trimmed(); });
    });
    for (int mode : {LxdDatabase::KeepDuplicates, LxdDatabase::MergeDuplicates}) {
        LxdDatabase db;
        QVERIFY(db.loadText(write(base)));
        const int result = db.appendFile(write(appended));
        QCOMPARE(result, repeats ? int(LxdDatabase::AppendHasDuplicates) : int(LxdDatabase::AppendDone));
        if (repeats)
            QVERIFY(db.resolveAppend(mode));

        QList<Reference::Item> expected = baseItems;
        if (repeats && mode == LxdDatabase::MergeDuplicates)
            Reference::merge(expected, incoming);
        else
            expected += incoming;
        const QStringList got = describe(db);
        QCOMPARE(sorted(got), sorted(Reference::describe(expected)));
        for (int i = 1; i < db.itemCount(); ++i)
            QVERIFY(!(db.headword(i) < db.headword(i - 1)));
    }
}

void TestLineFile::sequenceCutAtBlockEnd_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<QString>("headword");
    QTest::addColumn<int>("back");
    const QString emoji = QString::fromUcs4(U"\U0001F600x");
    for (int back = 1; back <= 3; ++back) {
        QTest::addRow("emoji, %d byte(s) before the end", back) << QByteArray() << emoji << back;
        QTest::addRow("emoji after a mark, %d byte(s) before the end", back)
            << QByteArray("\xEF\xBB\xBF") << emoji << back;
    }
    QTest::addRow("two-byte letter") << QByteArray() << QStringLiteral("\u00e9t\u00e9") << 1;
    QTest::addRow("three-byte letter") << QByteArray() << QStringLiteral("\u732b!") << 2;
}

// A character whose UTF-8 bytes straddle the end of the reader's first block comes through whole,
// on open and on append, in a file with and without a mark; so does one whose file later turns
// out not to be UTF-8 at all.
void TestLineFile::sequenceCutAtBlockEnd()
{
    QFETCH(QByteArray, mark);
    QFETCH(QString, headword);
    QFETCH(int, back);
    const QByteArray line = headword.toUtf8() + "&&&{2}A [" + headword.toUtf8() + "]\r\n";
    const QByteArray bytes = mark + blockFiller(mark.size(), back) + line;
    compareLoad(bytes);
    compareLoad(bytes + "\xE9\r\n");

    LxdDatabase db;
    QVERIFY(
        db.loadText(write("\xEF\xBB\xBF" + headword.toUtf8() + "&&&{1}A [" + headword.toUtf8() + "]\r\n")));
    QCOMPARE(db.appendFile(write(bytes)), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    QCOMPARE(db.itemCount(), 2);
    const int at = db.headword(0) == headword ? 0 : 1;
    QCOMPARE(db.headword(at), headword);
    QCOMPARE(db.sentenceCount(at), 1);
    QCOMPARE(db.sentenceAt(at, 0)->used(), 3);
}

void TestLineFile::longLineReadInPieces_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("after");
    const QByteArray longHead(1500000, 'h');
    const QByteArray blank(1500000, ' ');
    QTest::addRow("after a line") << 1u << QByteArray("cat&&&{1}A [x]\r\n") << QByteArray("dog")
                                  << QByteArray("\r\nemu&&&{0}E [x]\r\n");
    QTest::addRow("first, with a mark and white space, no line end")
        << 2u << QByteArray("\xEF\xBB\xBF") << QByteArray(" \t dog ") << QByteArray();
    QTest::addRow("mark of a joined file")
        << 3u << QByteArray("cat\r\n\xEF\xBB\xBF") << QByteArray("  dog") << QByteArray("  \r\n");
    QTest::addRow("headword longer than a block, blank long line") << 4u << blank + "\r\n"
                                                                   << longHead << QByteArray("\r\n") + blank;
    QTest::addRow("not UTF-8 after all")
        << 5u << QByteArray() << QByteArray("dog") << QByteArray("\r\n\xE9&&&{1}x\r\n");
}

// A line of more than two blocks is read as it comes, piece by piece, and gives what the whole line
// gives: runs of ampersands of every length fall across the ends of the pieces.
void TestLineFile::longLineReadInPieces()
{
    QFETCH(quint32, seed);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, after);
    QRandomGenerator random(seed);
    static const char alphabet[] = "&&&&&&a [x]{1} ";
    QByteArray line = start + "&&&";
    while (line.size() < 2300000)
        line += alphabet[random.bounded(int(sizeof alphabet) - 1)];
    QByteArray bytes = before + line + after;
    // Where the reader's blocks end, a run of three to seven ampersands goes on into the next block.
    const int run = 3 + int(seed % 5);
    for (qsizetype end = 1 << 20; end + run < before.size() + line.size(); end += 1 << 20) {
        if (end - run - 1 < before.size() + start.size() + 3)
            continue;
        const qsizetype from = end - 1 - qsizetype(seed % quint32(run - 1));
        bytes.replace(from - 1, run + 2, "x" + QByteArray(run, '&') + "y");
    }
    compareLoad(bytes);
}

QTEST_GUILESS_MAIN(TestLineFile)
#include "tst_linefile.moc"
