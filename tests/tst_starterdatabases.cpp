// SPDX-License-Identifier: GPL-3.0-or-later
// The three starter databases as the program ships them: each reads back whole, holds the same
// headwords and sentences as the other two, and differs from them only in its spelling variant.
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "support/testutil.h"
#include "util/zelutils.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const char *const VariantFiles[] = {"AmericanDB.lxv", "BritishDB.lxv", "CanadianDB.lxv"};

QString shippedPath(int variant)
{
    return ZelUtils::dataPath(QStringLiteral("db/") + QLatin1String(VariantFiles[variant]));
}

// A sentence with its key words blanked: the same sentence in two variants whose only difference is
// the key word itself gives the same skeleton.
QString skeleton(const QString &text)
{
    static const QRegularExpression keyWord(QStringLiteral("\\[[^\\]]*\\]"));
    QString result = text;
    return result.replace(keyWord, QStringLiteral("[]"));
}

} // namespace

class TestStarterDatabases : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void readsBackWithoutLoss_data();
    void readsBackWithoutLoss();
    void everySentenceHasCompleteKeyWords_data();
    void everySentenceHasCompleteKeyWords();
    void variantsHoldTheSameHeadwordsAndSentences_data();
    void variantsHoldTheSameHeadwordsAndSentences();
    void variantWordsDiffer_data();
    void variantWordsDiffer();
    void variantSentencesDiffer();

private:
    void addVariantRows();
    void addPairRows();

    std::unique_ptr<LxdDatabase> dbs[3];
};

void TestStarterDatabases::initTestCase()
{
    // The format version the program writes comes from its version, as in the program.
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
    QCOMPARE(LxdDatabase::applicationFormatVersion(), 3);
    for (int v = 0; v < 3; ++v) {
        dbs[v] = std::make_unique<LxdDatabase>();
        QVERIFY2(dbs[v]->loadText(shippedPath(v)), qPrintable(shippedPath(v)));
        QVERIFY(!dbs[v]->isModified());
        // The first-run choice of spelling is a choice of language, which the file carries.
        const char *const languages[] = {"en-US", "en-GB", "en-CA"};
        QCOMPARE(dbs[v]->language(), QLatin1String(languages[v]));
    }
}

void TestStarterDatabases::addVariantRows()
{
    QTest::addColumn<int>("variant");
    for (int v = 0; v < 3; ++v)
        QTest::addRow("%s", VariantFiles[v]) << v;
}

void TestStarterDatabases::readsBackWithoutLoss_data()
{
    addVariantRows();
}

void TestStarterDatabases::readsBackWithoutLoss()
{
    QFETCH(int, variant);
    const QByteArray shipped = TestUtil::readFile(shippedPath(variant));
    QVERIFY(!shipped.isEmpty());

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("copy.lxv"));
    QVERIFY(dbs[variant]->saveText(copy, LxdDatabase::applicationFormatVersion()));
    QCOMPARE(TestUtil::readFile(copy), shipped);

    // The file the program finds is the one kept in the source tree.
    QCOMPARE(shipped,
        TestUtil::readFile(
            TestUtil::sourcePath(QStringLiteral("share/db/") + QLatin1String(VariantFiles[variant]))));
}

void TestStarterDatabases::everySentenceHasCompleteKeyWords_data()
{
    addVariantRows();
}

void TestStarterDatabases::everySentenceHasCompleteKeyWords()
{
    QFETCH(int, variant);
    const LxdDatabase &db = *dbs[variant];
    QVERIFY2(db.itemCount() >= 300, qPrintable(QString::number(db.itemCount())));
    QSet<QString> headwords;
    for (int i = 0; i < db.itemCount(); ++i) {
        const QString headword = db.headword(i);
        QVERIFY2(!headwords.contains(headword), qPrintable(headword));
        headwords.insert(headword);
        QVERIFY2(db.sentenceCount(i) >= 2 && db.sentenceCount(i) <= 4, qPrintable(headword));
        for (int j = 0; j < db.sentenceCount(i); ++j) {
            const LxdSentence *sentence = db.sentenceAt(i, j);
            QVERIFY2(sentence->bracketStatus() == LxdSentence::Valid, qPrintable(sentence->text()));
            QCOMPARE(sentence->used(), 0);
        }
    }
}

void TestStarterDatabases::addPairRows()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addRow("American-British") << 0 << 1;
    QTest::addRow("American-Canadian") << 0 << 2;
    QTest::addRow("British-Canadian") << 1 << 2;
}

void TestStarterDatabases::variantsHoldTheSameHeadwordsAndSentences_data()
{
    addPairRows();
}

// Headwords spelt alike must have as many sentences in both files. Headwords spelt differently (color
// and colour, apartment and flat) are paired by their sentences, which read alike once the key words
// are blanked; each must find exactly one partner with as many sentences.
void TestStarterDatabases::variantsHoldTheSameHeadwordsAndSentences()
{
    QFETCH(int, first);
    QFETCH(int, second);
    const LxdDatabase &a = *dbs[first];
    const LxdDatabase &b = *dbs[second];
    QCOMPARE(a.itemCount(), b.itemCount());

    QHash<QString, int> rowsOfB;
    for (int i = 0; i < b.itemCount(); ++i)
        rowsOfB.insert(b.headword(i), i);

    const auto skeletons = [](const LxdDatabase &db, int row) {
        QSet<QString> result;
        for (int j = 0; j < db.sentenceCount(row); ++j)
            result.insert(skeleton(db.sentenceAt(row, j)->text()));
        return result;
    };

    QList<int> onlyInA;
    QSet<int> matchedInB;
    for (int i = 0; i < a.itemCount(); ++i) {
        const auto found = rowsOfB.constFind(a.headword(i));
        if (found == rowsOfB.constEnd()) {
            onlyInA.append(i);
            continue;
        }
        matchedInB.insert(found.value());
        QVERIFY2(a.sentenceCount(i) == b.sentenceCount(found.value()), qPrintable(a.headword(i)));
    }
    QList<int> onlyInB;
    for (int i = 0; i < b.itemCount(); ++i) {
        if (!matchedInB.contains(i))
            onlyInB.append(i);
    }
    QCOMPARE(onlyInA.size(), onlyInB.size());
    // The variants must differ somewhere, or the pairing below proves nothing.
    QVERIFY(!onlyInA.isEmpty());

    QSet<int> partnered;
    for (int i : std::as_const(onlyInA)) {
        const QSet<QString> mine = skeletons(a, i);
        QList<int> partners;
        for (int k : std::as_const(onlyInB)) {
            if (mine.intersects(skeletons(b, k)))
                partners.append(k);
        }
        QVERIFY2(partners.size() == 1, qPrintable(a.headword(i)));
        QVERIFY2(!partnered.contains(partners.first()), qPrintable(a.headword(i)));
        partnered.insert(partners.first());
        QVERIFY2(a.sentenceCount(i) == b.sentenceCount(partners.first()),
            qPrintable(a.headword(i) + QLatin1Char('/') + b.headword(partners.first())));
    }
}

void TestStarterDatabases::variantWordsDiffer_data()
{
    QTest::addColumn<QStringList>("headwords");
    QTest::addRow("-or/-our") << QStringList {"color", "colour", "colour"};
    QTest::addRow("-er/-re") << QStringList {"center", "centre", "centre"};
    QTest::addRow("-ize/-ise") << QStringList {"organize", "organise", "organize"};
    QTest::addRow("gray") << QStringList {"gray", "grey", "grey"};
    QTest::addRow("apartment") << QStringList {"apartment", "flat", "apartment"};
    QTest::addRow("truck") << QStringList {"truck", "lorry", "truck"};
    QTest::addRow("three words") << QStringList {"zip code", "postcode", "postal code"};
    QTest::addRow("restroom") << QStringList {"restroom", "toilet", "washroom"};
}

void TestStarterDatabases::variantWordsDiffer()
{
    QFETCH(QStringList, headwords);
    for (int v = 0; v < 3; ++v) {
        const LxdDatabase &db = *dbs[v];
        for (int w = 0; w < 3; ++w) {
            const bool present = (db.indexOfHeadword(headwords[w]) >= 0);
            // A variant holds its own word and none of the others' words.
            QVERIFY2(present == (headwords[w] == headwords[v]),
                qPrintable(QStringLiteral("%1 in %2").arg(headwords[w], VariantFiles[v])));
        }
        // The key words of the headword's sentences are spelt the variant's way too.
        const int row = db.indexOfHeadword(headwords[v]);
        const LxdSentence *sentence = db.sentenceAt(row, 0);
        QVERIFY(sentence);
        QVERIFY2(sentence->text().contains(headwords[v].left(4), Qt::CaseInsensitive),
            qPrintable(sentence->text()));
    }
}

// Words inside sentences follow the variant as well, under headwords that all three share.
void TestStarterDatabases::variantSentencesDiffer()
{
    const auto sentencesOf = [this](int variant, const QString &headword) {
        const LxdDatabase &db = *dbs[variant];
        const int row = db.indexOfHeadword(headword);
        QStringList texts;
        for (int j = 0; j < db.sentenceCount(row); ++j)
            texts << db.sentenceAt(row, j)->text();
        return texts.join(QLatin1Char('\n'));
    };
    const QString american = sentencesOf(0, QStringLiteral("actually"));
    const QString british = sentencesOf(1, QStringLiteral("actually"));
    const QString canadian = sentencesOf(2, QStringLiteral("actually"));
    QVERIFY(american.contains(QLatin1String("movie")) && !american.contains(QLatin1String("film")));
    QVERIFY(british.contains(QLatin1String("film")) && !british.contains(QLatin1String("movie")));
    QCOMPARE(canadian, american);
    QCOMPARE(skeleton(british).replace(QLatin1String("film"), QLatin1String("movie")), skeleton(american));

    // Across the whole database, the British file spells -our where the American one spells -or.
    int americanOur = 0;
    int britishOur = 0;
    for (int v : {0, 1}) {
        const LxdDatabase &db = *dbs[v];
        for (int i = 0; i < db.itemCount(); ++i) {
            for (int j = 0; j < db.sentenceCount(i); ++j) {
                if (db.sentenceAt(i, j)->text().contains(QLatin1String("colour")))
                    ++(v == 0 ? americanOur : britishOur);
            }
        }
    }
    QCOMPARE(americanOur, 0);
    QVERIFY(britishOur > 0);
}

QTEST_GUILESS_MAIN(TestStarterDatabases)
#include "tst_starterdatabases.moc"
