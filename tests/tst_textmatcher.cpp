// SPDX-License-Identifier: GPL-3.0-or-later
// The case-blind search of Find against QString::indexOf on random texts full of case traps, on
// texts shorter and longer than the block the search reads at once, and the database's search
// against a plain walk that calls QString::indexOf.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/textmatcher.h"

#include <QDomDocument>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// Letters whose case folding is not plain ASCII (the Kelvin sign folds to k, the long s to s,
// dotted and dotless i, final sigma, sharp s), brackets and a character outside the basic plane.
const QString pool = QStringLiteral("kKsSiI\u212a\u017f\u0130\u0131\u03a3\u03c3\u03c2\u00df\u00e4\u00c4[] ")
    + QString::fromUtf8("\U0001F600\U0001D400");

QString randomText(QRandomGenerator &random, int maxLength)
{
    QString text;
    const int length = random.bounded(maxLength + 1);
    while (text.size() < length)
        text += pool.at(random.bounded(pool.size()));
    return text;
}

} // namespace

class TestTextMatcher : public QObject
{
    Q_OBJECT

private slots:
    void againstIndexOf();
    void findTextAgainstPlainWalk_data();
    void findTextAgainstPlainWalk();
};

void TestTextMatcher::againstIndexOf()
{
    QRandomGenerator random(7);
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        // Long texts and long needles too: the search reads blocks past the last place a match can
        // begin, and must not report a place there, though the text after the searched part would
        // complete a match.
        const QString text = randomText(random, round % 3 ? 40 : 70);
        const QStringView haystack = QStringView(text).first(random.bounded(int(text.size()) + 1));
        QString needle;
        if (round % 2 && !text.isEmpty()) {
            // A piece of the text with its case changed: a hit the search must not miss, or one
            // that runs past the searched part.
            const int from = random.bounded(int(text.size()));
            needle = text.mid(from, 1 + random.bounded(round % 3 ? 4 : 24));
            needle = round % 4 == 1 ? needle.toUpper() : needle.toLower();
        } else {
            needle = randomText(random, round % 3 ? 3 : 12);
        }
        const qsizetype expected = haystack.indexOf(needle, 0, Qt::CaseInsensitive);
        found += expected >= 0;
        QCOMPARE(TextMatcher(needle).indexIn(haystack), expected);
    }
    QVERIFY(found > 500); // the rounds do test hits, not only misses
}

void TestTextMatcher::findTextAgainstPlainWalk_data()
{
    QTest::addColumn<int>("headwords");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("needleLength");
    QTest::addRow("small") << 60 << 300 << 2;
    // Searched in parts side by side; longer needles, so that hits fall in every part and some
    // searches find nothing.
    QTest::addRow("in parts") << LxdDatabase::findInPartsFrom + 1000 << 40 << 6;
}

void TestTextMatcher::findTextAgainstPlainWalk()
{
    QFETCH(int, headwords);
    QFETCH(int, rounds);
    QFETCH(int, needleLength);
    QRandomGenerator random(11);
    LxdDatabase db;
    for (int i = 0; i < headwords; ++i) {
        LxdItem *item = db.addItem();
        // Numbered in order: each headword joins the list at its place, as a file's would.
        item->setHeadword(QString::number(i).rightJustified(6, u'0') + randomText(random, 6));
        for (int k = random.bounded(4); k > 0; --k)
            item->addSentence()->setText(randomText(random, 30));
    }
    // The order of a full pass: a headword's text, then its sentences.
    QList<QPair<int, int>> order;
    for (int i = 0; i < db.itemCount(); ++i) {
        order.append({i, -1});
        for (int k = 0; k < db.sentenceCount(i); ++k)
            order.append({i, k});
    }
    const auto textAt = [&db](const QPair<int, int> &at) {
        return at.second < 0 ? db.headword(at.first) : db.sentenceAt(at.first, at.second)->text();
    };
    int hits = 0;
    for (int round = 0; round < rounds; ++round) {
        const QString needle = randomText(random, needleLength);
        const int start = random.bounded(int(order.size()) + 1) - 1;
        const QPair<int, int> from = start < 0 ? qMakePair(-1, -1) : order.at(start);
        // Plain walk: every place after the start to the end, then from the top round to the last
        // sentence of the start's headword.
        QList<QPair<int, int>> walk = order.mid(start + 1);
        if (start >= 0) {
            for (const QPair<int, int> &at : std::as_const(order)) {
                if (at.first > from.first)
                    break;
                walk.append(at);
            }
        }
        QPair<int, int> expected(-1, -1);
        for (const QPair<int, int> &at : std::as_const(walk)) {
            if (textAt(at).indexOf(needle, 0, Qt::CaseInsensitive) >= 0) {
                expected = at;
                break;
            }
        }
        int item = -2;
        int sentence = -2;
        db.findText(needle, &item, &sentence, from.first, from.first < 0 ? -1 : from.second);
        QCOMPARE(qMakePair(item, sentence), expected);
        hits += expected.first >= 0;
    }
    QVERIFY(hits > 0 && hits < rounds); // hits and misses both
}

QTEST_GUILESS_MAIN(TestTextMatcher)
#include "tst_textmatcher.moc"
