// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/spellchecker.h"
#include "support/testutil.h"

#include <QtTest>

// The words of a sentence as the checker reads them, hunspell's verdicts on them, the teacher's own
// words and the dictionaries the checker finds.
class TestSpellChecker : public QObject
{
    Q_OBJECT

private slots:
    void words_data();
    void words();
    void verdicts_data();
    void verdicts();
    void repeatedWordsAskOnce();
    void personalWordList();
    void missingDictionary();
    void dictionaryInAnotherEncoding();
    void starterDatabases_data();
    void starterDatabases();
};

// "word@position" for each word found.
static QString shortForm(const QList<SpellWord> &words)
{
    QStringList parts;
    for (const SpellWord &word : words)
        parts.append(word.word + u'@' + QString::number(word.position));
    return parts.join(u' ');
}

void TestSpellChecker::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");

    QTest::addRow("plain") << "The cat sat."
                           << "The@0 cat@4 sat@8";
    QTest::addRow("key words") << "The [cat] sat on the [mat]."
                               << "The@0 cat@5 sat@10 on@14 the@17 mat@22";
    QTest::addRow("alternatives and clue") << "[colour|color::a hue] here"
                                           << "colour@1 color@8 hue@17 here@22";
    QTest::addRow("choices") << "He [went~goes~gone::go]."
                             << "He@0 went@4 goes@9 gone@14 go@20";
    QTest::addRow("escapes") << "a \\[sic\\] word \\~tilde"
                             << "sic@4 word@10 tilde@17";
    QTest::addRow("apostrophes") << "can't teacher’s pupils' 'tis"
                                 << "can't@0 teacher’s@6 pupils@16 tis@25";
    QTest::addRow("hyphen") << "a well-known -dash"
                            << "well-known@2 dash@14";
    QTest::addRow("digits and single letters") << "I got B2 in 3rd x"
                                               << "got@2 in@9";
    QTest::addRow("addresses") << "see https://ex.org/colr or www.colr.org, mail a.b@colr.com now"
                               << "see@0 or@24 mail@41 now@59";
    QTest::addRow("open bracket") << "an [open wrod"
                                  << "an@0 open@4 wrod@9";
    QTest::addRow("accents and surrogates") << "café naïve 𝒜bc"
                                            << "café@0 naïve@5 𝒜bc@11";
}

void TestSpellChecker::words()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    const QList<SpellWord> found = SpellText::words(text);
    QCOMPARE(shortForm(found), words);
    for (const SpellWord &word : found)
        QCOMPARE(text.mid(word.position, word.length), word.word);
}

void TestSpellChecker::verdicts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("variant");

    QTest::addRow("British colour") << "en-GB"
                                    << "colour" << int(SpellChecker::Known) << "";
    QTest::addRow("American in British") << "en-GB"
                                         << "color" << int(SpellChecker::Variant) << "en-US";
    QTest::addRow("British in American") << "en-US"
                                         << "colour" << int(SpellChecker::Variant) << "en-GB";
    QTest::addRow("typo") << "en-GB"
                          << "colr" << int(SpellChecker::Unknown) << "";
    QTest::addRow("typographic apostrophe") << "en-US"
                                            << "don’t" << int(SpellChecker::Known) << "";
    QTest::addRow("German") << "de-DE"
                            << "Straße" << int(SpellChecker::Known) << "";
    QTest::addRow("German typo") << "de"
                                 << "Strase" << int(SpellChecker::Unknown) << "";
    QTest::addRow("French fr-FR") << "fr-FR"
                                  << "maison" << int(SpellChecker::Known) << "";
    QTest::addRow("Spanish") << "es-ES"
                             << "canción" << int(SpellChecker::Known) << "";
    QTest::addRow("no variants outside English") << "es"
                                                 << "colour" << int(SpellChecker::Unknown) << "";
}

void TestSpellChecker::verdicts()
{
    QFETCH(QString, language);
    QFETCH(QString, word);
    QFETCH(int, verdict);
    QFETCH(QString, variant);
    SpellChecker checker(language);
    QVERIFY2(checker.isReady(), qPrintable(checker.missingMessage()));
    QCOMPARE(int(checker.check(word)), verdict);
    QCOMPARE(checker.variantOf(word), variant);
    if (verdict != SpellChecker::Known)
        QVERIFY(!checker.suggestions(word).isEmpty());
}

void TestSpellChecker::repeatedWordsAskOnce()
{
    SpellChecker checker(QStringLiteral("en-GB"));
    const QList<SpellChecker::Finding> first = checker.findings(u"The colr of the [color] is colr.");
    QCOMPARE(first.size(), 3);
    QCOMPARE(first.at(1).verdict, SpellChecker::Variant);
    const int asked = checker.lookups();
    QVERIFY(asked > 0);
    // The same words again are answered from what the checker kept.
    QCOMPARE(checker.findings(u"colr the color of colr").size(), 3);
    QCOMPARE(checker.lookups(), asked);
    checker.ignore(QStringLiteral("colr"));
    QCOMPARE(checker.findings(u"colr").size(), 0);
}

void TestSpellChecker::personalWordList()
{
    const QString file = SpellChecker::personalFile(QStringLiteral("en-GB"));
    QVERIFY(file.endsWith(QLatin1String("/words-en-GB.txt")));
    QVERIFY(!QFile::exists(file)); // a fresh home
    {
        SpellChecker checker(QStringLiteral("en_gb"));
        QCOMPARE(checker.check(QStringLiteral("Lexivane")), SpellChecker::Unknown);
        QString error;
        QVERIFY2(checker.addToPersonal(QStringLiteral("lexivane"), &error), qPrintable(error));
        QCOMPARE(checker.check(QStringLiteral("Lexivane")), SpellChecker::Known);
    }
    QCOMPARE(TestUtil::readFile(file), QByteArray("lexivane\n"));
    SpellChecker again(QStringLiteral("en-GB"));
    QCOMPARE(again.check(QStringLiteral("lexivane")), SpellChecker::Known);
    QVERIFY(again.addToPersonal(QStringLiteral("Venhollow")));
    QCOMPARE(TestUtil::readFile(file), QByteArray("Venhollow\nlexivane\n"));

    // A list that cannot be written says so, and the word stays unknown.
    QFile::remove(file);
    QVERIFY(QDir().mkpath(file)); // a folder where the file should be
    QString error;
    QVERIFY(!again.addToPersonal(QStringLiteral("colr"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(again.check(QStringLiteral("colr")), SpellChecker::Unknown);
    QDir(file).removeRecursively();
}

void TestSpellChecker::missingDictionary()
{
    QTemporaryDir empty;
    qputenv("LEXIVANE_DICTIONARY_PATH", empty.path().toUtf8());
    qputenv("XDG_DATA_DIRS", empty.path().toUtf8());
    // No Klingon anywhere: the checker says which package would bring it and knows every word.
    SpellChecker checker(QStringLiteral("tlh"));
    QVERIFY(!checker.isReady());
    QVERIFY(checker.missingMessage().contains(QLatin1String("hunspell-tlh")));
    QCOMPARE(checker.check(QStringLiteral("Qapla")), SpellChecker::Known);
    QVERIFY(checker.findings(u"Qapla wrod").isEmpty());
    QCOMPARE(SpellChecker::debianPackage(QStringLiteral("en-GB")), QStringLiteral("hunspell-en-gb"));
    QCOMPARE(SpellChecker::debianPackage(QStringLiteral("de-AT")), QStringLiteral("hunspell-de-at"));
    QCOMPARE(SpellChecker::debianPackage(QStringLiteral("fr-CA")), QStringLiteral("hunspell-fr"));
    QCOMPARE(SpellChecker::dictionaryNames(QStringLiteral("fr-FR")), QStringList({"fr_FR", "fr"}));
    QCOMPARE(SpellChecker::dictionaryNames(QString()), QStringList({"en_US", "en"}));
    qunsetenv("LEXIVANE_DICTIONARY_PATH");
    qunsetenv("XDG_DATA_DIRS");
    QVERIFY(SpellChecker(QStringLiteral("en-CA")).missingMessage().isEmpty());
}

void TestSpellChecker::dictionaryInAnotherEncoding()
{
    // A dictionary in ISO 8859-1, found first through the program's own path variable.
    QTemporaryDir dir;
    TestUtil::writeFile(dir, QStringLiteral("xx_XX.aff"), "SET ISO8859-1\nTRY aeéiou\n");
    TestUtil::writeFile(dir, QStringLiteral("xx_XX.dic"), QByteArray("2\ncaf\xe9\nna\xefve\n"));
    qputenv("LEXIVANE_DICTIONARY_PATH", dir.path().toUtf8());
    SpellChecker checker(QStringLiteral("xx-XX"));
    qunsetenv("LEXIVANE_DICTIONARY_PATH");
    QVERIFY(checker.isReady());
    QCOMPARE(checker.dictionaryName(), QStringLiteral("xx_XX"));
    QCOMPARE(checker.check(QStringLiteral("café")), SpellChecker::Known);
    QCOMPARE(checker.check(QStringLiteral("naïve")), SpellChecker::Known);
    QCOMPARE(checker.check(QStringLiteral("cafe")), SpellChecker::Unknown);
    QVERIFY(checker.suggestions(QStringLiteral("cafe")).contains(QStringLiteral("café")));
    // A word the encoding cannot hold is unknown, not an error.
    QCOMPARE(checker.check(QStringLiteral("кафе")), SpellChecker::Unknown);
}

void TestSpellChecker::starterDatabases_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("own");
    QTest::newRow("American") << "AmericanDB.lxv"
                              << "en-US";
    QTest::newRow("British") << "BritishDB.lxv"
                             << "en-GB";
    QTest::newRow("Canadian") << "CanadianDB.lxv"
                              << "en-CA";
}

void TestSpellChecker::starterDatabases()
{
    QFETCH(QString, file);
    QFETCH(QString, own);
    LxdDatabase db;
    QVERIFY(db.loadText(TestUtil::sourcePath(QStringLiteral("share/db/") + file)));
    QMap<QString, QPair<int, int>> counts; // by dictionary: unknown and variant words
    QMap<QString, QStringList> unknownWords;
    for (const char *tag : {"en-US", "en-GB", "en-CA"}) {
        SpellChecker checker(QString::fromLatin1(tag));
        QPair<int, int> &count = counts[QString::fromLatin1(tag)];
        for (const LxdItem *item : db.items) {
            for (const LxdSentence &sentence : item->sentences) {
                for (const SpellChecker::Finding &finding : checker.findings(sentence.textRef())) {
                    if (finding.verdict == SpellChecker::Variant)
                        ++count.second;
                    else
                        ++count.first;
                    if (QLatin1String(tag) == own)
                        unknownWords[own].append(finding.word.word);
                }
            }
        }
        qInfo("%s with %s: %d unknown, %d of another variant", qPrintable(file), tag, count.first,
            count.second);
    }
    unknownWords[own].removeDuplicates();
    qInfo("not known to its own dictionary: %s", qPrintable(unknownWords[own].join(QLatin1String(", "))));
    // Each database is written in its own spelling: its own dictionary finds fewer words of another
    // variant in it than the other two do.
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.key() != own && it.key() != QLatin1String("en-CA"))
            QVERIFY2(counts[own].second < it.value().second, qPrintable(it.key()));
    }
    QVERIFY(counts[own].first < 40);
}

QTEST_GUILESS_MAIN(TestSpellChecker)
#include "tst_spellchecker.moc"
