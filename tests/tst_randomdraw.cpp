// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/randomdraw.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <memory>
#include <random>

namespace {
using Layout = QList<QList<int>>; // per headword, the used counts of its sentences

std::unique_ptr<LxdDatabase> makeDatabase(const Layout &layout)
{
    auto db = std::make_unique<LxdDatabase>();
    for (int i = 0; i < layout.size(); ++i) {
        LxdItem *item = db->addItem();
        item->setHeadword(QStringLiteral("word%1").arg(i, 3, 10, QLatin1Char('0')));
        for (int j = 0; j < layout.at(i).size(); ++j) {
            LxdSentence *sentence = db->addSentence(i);
            sentence->setText(QStringLiteral("Headword %1, sentence [%2].").arg(i).arg(j));
            sentence->setUsed(layout.at(i).at(j));
        }
    }
    db->setModified(false);
    return db;
}

RandomDrawOptions drawOptions(int total, bool multiples, bool includeUsed, bool fromUsed)
{
    RandomDrawOptions o;
    o.total = total;
    o.allowMultiples = multiples;
    o.includeUsed = includeUsed;
    o.selectFromUsed = fromUsed;
    return o;
}

Layout uniform(int headwords, int sentences, int used = 0)
{
    return Layout(headwords, QList<int>(sentences, used));
}

// The draw in its plainest form: a copy of the candidate lists, from which each pick is taken out.
QList<RandomPick> plainDraw(const Layout &layout, const RandomDrawOptions &o, RandomSource &random)
{
    QList<QPair<int, QList<int>>> table;
    for (int i = 0; i < layout.size(); ++i) {
        QList<int> sentences;
        for (int j = 0; j < layout.at(i).size(); ++j) {
            if (o.includeUsed || layout.at(i).at(j) < 1)
                sentences.append(j);
        }
        const bool hasUsed
            = std::any_of(layout.at(i).cbegin(), layout.at(i).cend(), [](int u) { return u > 0; });
        if (!sentences.isEmpty() && (!o.selectFromUsed || hasUsed))
            table.append({i, sentences});
    }
    QList<RandomPick> picks;
    while (picks.size() < o.total && !table.isEmpty()) {
        const int h = random.bounded(int(table.size()));
        QList<int> &sentences = table[h].second;
        const int j = random.bounded(int(sentences.size()));
        picks.append({table.at(h).first, sentences.at(j)});
        if (o.allowMultiples)
            sentences.removeAt(j);
        if (!o.allowMultiples || sentences.isEmpty())
            table.removeAt(h);
    }
    return picks;
}
} // namespace

Q_DECLARE_METATYPE(RandomDrawOptions)

class TestRandomDraw : public QObject
{
    Q_OBJECT

private slots:
    void randomSource();
    void seedOverride();
    void draw_data();
    void draw();
    void everyCandidateCanComeUp();
    void drawMatchesPlainDraw();
    void takeRaisesUsedCounts();
    void secondDrawTakesOnlyUnused();
    void missingDatabase();

private:
};

void TestRandomDraw::randomSource()
{
    RandomSource a(12345);
    RandomSource b(12345);
    QSet<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int value = a.bounded(7);
        QCOMPARE(value, b.bounded(7));
        QVERIFY(value >= 0 && value < 7);
        seen.insert(value);
    }
    QCOMPARE(seen.size(), 7);
    QCOMPARE(a.bounded(1), 0);
    QCOMPARE(a.bounded(0), 0);
    QCOMPARE(a.bounded(-3), 0);

    RandomSource c(12346);
    QList<int> first, second;
    RandomSource d(12345);
    for (int i = 0; i < 20; ++i) {
        first << c.bounded(1000);
        second << d.bounded(1000);
    }
    QVERIFY(first != second);
}

void TestRandomDraw::seedOverride()
{
    RandomSource::setSeedOverride(99u);
    RandomSource a;
    RandomSource b;
    QCOMPARE(a.seed(), 99u);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(a.bounded(1000), b.bounded(1000));
    RandomSource::setSeedOverride(std::nullopt);
    QVERIFY(!RandomSource::seedOverride().has_value());
}

void TestRandomDraw::draw_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<RandomDrawOptions>("options");
    QTest::addColumn<int>("available");

    QTest::addRow("ten fresh headwords, ten asked")
        << uniform(10, 1) << drawOptions(10, false, false, false) << 10;
    QTest::addRow("ten headwords of three, ten asked")
        << uniform(10, 3) << drawOptions(10, false, false, false) << 10;
    // Thirty sentences, but without multiples only three headwords can give one each.
    QTest::addRow("three headwords of ten, five asked")
        << uniform(3, 10) << drawOptions(5, false, false, false) << 3;
    QTest::addRow("three headwords of ten, three asked")
        << uniform(3, 10) << drawOptions(3, false, false, false) << 3;
    QTest::addRow("multiples from one headword") << uniform(1, 5) << drawOptions(5, true, true, false) << 5;
    QTest::addRow("multiples, fewer asked than there are")
        << uniform(4, 5) << drawOptions(7, true, false, false) << 20;
    QTest::addRow("nothing used, only from used") << uniform(5, 4) << drawOptions(1, true, true, true) << 0;
    // Headwords whose sentences are all used take no part: the two fresh ones are all there is.
    QTest::addRow("used headwords take no part")
        << Layout {{1, 2}, {0, 3}, {5}, {0}, {1}} << drawOptions(2, false, false, false) << 2;
    QTest::addRow("headword without sentences takes no part")
        << Layout {{}, {0}, {}, {0, 0}} << drawOptions(2, false, false, false) << 2;
    QTest::addRow("used sentences included")
        << Layout {{1, 2}, {0, 3}, {5}} << drawOptions(3, false, true, false) << 3;
    QTest::addRow("only from used, used included")
        << Layout {{1, 0}, {0, 0}, {0, 4, 0}} << drawOptions(5, true, true, true) << 5;
    QTest::addRow("only from used, unused sentences of them")
        << Layout {{1, 0}, {0, 0}, {0, 4, 0}, {2}} << drawOptions(3, true, false, true) << 3;
    QTest::addRow("a negative count counts as unused")
        << Layout {{-2}, {1}} << drawOptions(1, false, false, false) << 1;
    QTest::addRow("empty database") << Layout() << drawOptions(1, true, true, false) << 0;
}

// Whatever the seed, a draw delivers min(asked, available) sentences that all match the rules,
// never the same sentence twice, and without multiples never two from one headword.
void TestRandomDraw::draw()
{
    QFETCH(Layout, layout);
    QFETCH(RandomDrawOptions, options);
    QFETCH(int, available);

    const auto db = makeDatabase(layout);
    const RandomDraw randomDraw(db.get(), options);
    QCOMPARE(randomDraw.available(), available);
    QCOMPARE(randomDraw.enough(), available >= options.total);

    for (quint32 seed = 0; seed < 40; ++seed) {
        RandomSource random(seed);
        const QList<RandomPick> picks = randomDraw.draw(random);
        QCOMPARE(picks.size(), qMin(options.total, available));

        QSet<QPair<int, int>> sentences;
        QSet<int> headwords;
        for (const RandomPick &pick : picks) {
            const LxdSentence *sentence = db->sentenceAt(pick.item, pick.sentence);
            QVERIFY(sentence);
            QVERIFY(options.includeUsed || sentence->used() < 1);
            QVERIFY(!options.selectFromUsed || db->hasUsedSentences(pick.item));
            QVERIFY(!sentences.contains({pick.item, pick.sentence}));
            sentences.insert({pick.item, pick.sentence});
            QVERIFY(options.allowMultiples || !headwords.contains(pick.item));
            headwords.insert(pick.item);
        }
    }
    // The draw reads the database and changes nothing.
    QVERIFY(!db->isModified());
}

// A single pick over many seeds reaches every headword that has candidates, and only those.
void TestRandomDraw::everyCandidateCanComeUp()
{
    const auto db = makeDatabase(Layout {{0}, {3}, {0, 0}, {}, {1, 0}});
    const RandomDraw randomDraw(db.get(), drawOptions(1, false, false, false));
    QSet<QPair<int, int>> seen;
    for (quint32 seed = 0; seed < 200; ++seed) {
        RandomSource random(seed);
        const QList<RandomPick> picks = randomDraw.draw(random);
        QCOMPARE(picks.size(), 1);
        seen.insert({picks.first().item, picks.first().sentence});
    }
    const QSet<QPair<int, int>> expected {{0, 0}, {2, 0}, {2, 1}, {4, 1}};
    QCOMPARE(seen, expected);
}

// The draw takes nothing out of a copy, yet for the same seed gives the same picks as one that does,
// up to drawing every candidate there is.
void TestRandomDraw::drawMatchesPlainDraw()
{
    std::mt19937 generator(7);
    Layout layout;
    for (int i = 0; i < 80; ++i) {
        QList<int> used(int(generator() % 7));
        for (int &u : used)
            u = int(generator() % 3);
        layout.append(used);
    }
    const auto db = makeDatabase(layout);
    for (int flags = 0; flags < 8; ++flags) {
        for (int total : {1, 25, 1000}) {
            const RandomDrawOptions options = drawOptions(total, flags & 1, flags & 2, flags & 4);
            const RandomDraw randomDraw(db.get(), options);
            for (quint32 seed = 0; seed < 5; ++seed) {
                RandomSource a(seed);
                RandomSource b(seed);
                QCOMPARE(randomDraw.draw(a), plainDraw(layout, options, b));
            }
        }
    }
}

void TestRandomDraw::takeRaisesUsedCounts()
{
    const auto db = makeDatabase(Layout {{0, 0}, {4}});
    const QList<RandomPick> picks {{1, 0}, {0, 1}, {7, 0}};
    const QStringList texts = RandomDraw::take(db.get(), picks);
    QCOMPARE(texts,
        QStringList(
            {QStringLiteral("Headword 1, sentence [0]."), QStringLiteral("Headword 0, sentence [1].")}));
    QCOMPARE(db->sentenceAt(1, 0)->used(), 5);
    QCOMPARE(db->sentenceAt(0, 1)->used(), 1);
    QCOMPARE(db->sentenceAt(0, 0)->used(), 0);
    QVERIFY(db->isModified());
}

// Ten fresh headwords of two sentences: the first draw takes one sentence of each, the second
// draw only the ten sentences still unused.
void TestRandomDraw::secondDrawTakesOnlyUnused()
{
    const auto db = makeDatabase(uniform(10, 2));
    const RandomDrawOptions options = drawOptions(10, false, false, false);
    RandomSource random(2024);

    const QList<RandomPick> first = RandomDraw(db.get(), options).draw(random);
    QCOMPARE(first.size(), 10);
    RandomDraw::take(db.get(), first);
    QSet<int> headwords;
    for (const RandomPick &pick : first)
        headwords.insert(pick.item);
    QCOMPARE(headwords.size(), 10);

    const RandomDraw second(db.get(), options);
    QCOMPARE(second.available(), 10);
    const QList<RandomPick> picks = second.draw(random);
    QCOMPARE(picks.size(), 10);
    for (const RandomPick &pick : picks) {
        QVERIFY(!first.contains(pick));
        QCOMPARE(db->sentenceAt(pick.item, pick.sentence)->used(), 0);
    }
    RandomDraw::take(db.get(), picks);
    QVERIFY(!RandomDraw(db.get(), options).enough());
    QCOMPARE(RandomDraw(db.get(), options).available(), 0);
}

void TestRandomDraw::missingDatabase()
{
    const RandomDraw randomDraw(nullptr, drawOptions(1, false, false, false));
    QCOMPARE(randomDraw.available(), 0);
    RandomSource random(1);
    QVERIFY(randomDraw.draw(random).isEmpty());
}

QTEST_GUILESS_MAIN(TestRandomDraw)
#include "tst_randomdraw.moc"
