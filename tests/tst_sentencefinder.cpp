// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/brackettext.h"
#include "finder/sentencefinder.h"

#include <QRegularExpression>
#include <QtTest>

class TestSentenceFinder : public QObject
{
    Q_OBJECT

private slots:
    void splitting_data();
    void splitting();
    void forms_data();
    void forms();
    void otherLanguages_data();
    void otherLanguages();
    void ranking();
    void knownSentencesAndCancel();
    void indexAgreesWithScan();
    void precisionAndRecall();
    void starterDatabase();
};

void TestSentenceFinder::splitting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("sentences");
    QTest::addRow("plain") << "One is here. Two is there! Three?"
                           << QStringList {"One is here.", "Two is there!", "Three?"};
    QTest::addRow("titles") << "Mr. Smith met Dr. Jones. They talked."
                            << QStringList {"Mr. Smith met Dr. Jones.", "They talked."};
    QTest::addRow("e.g. and etc.") << "Bring fruit, e.g. apples, pears etc. and cheese. Then go."
                                   << QStringList {
                                          "Bring fruit, e.g. apples, pears etc. and cheese.", "Then go."};
    QTest::addRow("etc. at the end") << "We sang, danced etc. Then we slept."
                                     << QStringList {"We sang, danced etc.", "Then we slept."};
    QTest::addRow("initials") << "J. R. Tolkien wrote it. Fine."
                              << QStringList {"J. R. Tolkien wrote it.", "Fine."};
    QTest::addRow("decimal") << "It costs 3.5 pounds. Cheap."
                             << QStringList {"It costs 3.5 pounds.", "Cheap."};
    QTest::addRow("closing quote") << "He said, \"Go home.\" She went."
                                   << QStringList {"He said, \"Go home.\"", "She went."};
    QTest::addRow("curly quote") << QString::fromUtf8("\u201CStop.\u201D Then he ran.")
                                 << QStringList {QString::fromUtf8("\u201CStop.\u201D"), "Then he ran."};
    QTest::addRow("line break inside")
        << "The cat sat\non the mat.\r\nIt slept." << QStringList {"The cat sat on the mat.", "It slept."};
    QTest::addRow("blank line ends") << "A heading\n\nThe text goes on."
                                     << QStringList {"A heading", "The text goes on."};
}

void TestSentenceFinder::splitting()
{
    QFETCH(QString, text);
    QTEST(SentenceFinder::splitSentences(text), "sentences");
}

static QStringList found(const QString &text, const QString &headword, const QString &language = "en")
{
    SentenceFinder::Options options;
    options.language = language;
    options.perHeadword = 0;
    QStringList out;
    for (const auto &c : SentenceFinder::find(text, {headword}, options).candidates)
        out << c.bracketed;
    out.sort();
    return out;
}

void TestSentenceFinder::forms_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("headword, possessive") << "doctor"
                                          << "The doctor came. My doctor's car is red."
                                          << QStringList {"The [doctor] came.", "My [doctor's] car is red."};
    QTest::addRow("plurals") << "box"
                             << "Two boxes. A baby. Three babies." << QStringList {"Two [boxes]."};
    QTest::addRow("-ies") << "baby"
                          << "Two babies cried." << QStringList {"Two [babies] cried."};
    QTest::addRow("doubling") << "stop"
                              << "We stopped. We are stopping. It stops. Stoped."
                              << QStringList {"We [stopped].", "We are [stopping].", "It [stops]."};
    QTest::addRow("e-drop, not hop") << "hope"
                                     << "I am hoping. She was hopping. We hoped."
                                     << QStringList {"I am [hoping].", "We [hoped]."};
    QTest::addRow("comparative") << "cheap"
                                 << "This is cheaper. The cheapest one."
                                 << QStringList {"This is [cheaper].", "The [cheapest] one."};
    QTest::addRow("irregular verb") << "go"
                                    << "She went home. He has gone. It goes. Going now."
                                    << QStringList {"She [went] home.", "He has [gone].", "It [goes].",
                                           "[Going] now."};
    QTest::addRow("irregular plural")
        << "child"
        << "The children play. A child's toy." << QStringList {"The [children] play.", "A [child's] toy."};
    QTest::addRow("contraction is no form") << "win"
                                            << "I won't go. We won." << QStringList {"We [won]."};
    QTest::addRow("phrasal together and apart")
        << "pick up"
        << "She picked up the pen. She picked it up. She picked the heavy book up. Pick them up!"
        << QStringList {"She [picked up] the pen.", "She [picked] it [up].",
               "She [picked] the heavy book [up].", "[Pick] them [up]!"};
    QTest::addRow("particle as preposition")
        << "put on"
        << "She put the cup on the table. He put his coat on." << QStringList {"He [put] his coat [on]."};
    QTest::addRow("too far apart or across a comma")
        << "pick up"
        << "She picked one two three four up. She picked, up." << QStringList {};
    QTest::addRow("three words") << "look forward to"
                                 << "We are looking forward to it. We look to it."
                                 << QStringList {"We are [looking forward to] it."};
    QTest::addRow("compound plural") << "car park"
                                     << "Both car parks were full."
                                     << QStringList {"Both [car parks] were full."};
    QTest::addRow("literal brackets escaped")
        << "cat"
        << "The [old] cat sat." << QStringList {"The \\[old\\] [cat] sat."};
}

void TestSentenceFinder::forms()
{
    QFETCH(QString, headword);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    expected.sort();
    QCOMPARE(found(text, headword), expected);
}

void TestSentenceFinder::otherLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("de") << "de"
                        << "Kind"
                        << "Die Kinder spielen. Das Kind schläft. Ein Rind."
                        << QStringList {"Die [Kinder] spielen.", "Das [Kind] schläft."};
    QTest::addRow("fr") << "fr"
                        << "chanter"
                        << "Ils chantaient fort. Elle chante."
                        << QStringList {"Ils [chantaient] fort.", "Elle [chante]."};
    QTest::addRow("es") << "es"
                        << "hablar"
                        << "Hablamos mucho. Ella habla."
                        << QStringList {"[Hablamos] mucho.", "Ella [habla]."};
}

void TestSentenceFinder::otherLanguages()
{
    QFETCH(QString, language);
    QFETCH(QString, headword);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    expected.sort();
    QCOMPARE(found(text, headword, language), expected);
}

void TestSentenceFinder::ranking()
{
    // A long text, so that words seen once count as rare.
    QString filler;
    for (int i = 0; i < 300; ++i)
        filler += "The small dog and the old man walk to the park every day. ";
    const QString text = filler
        + "It accepted the offer. Short accepted. The small dog accepted the old man and the park every day. "
          "The small dog accepted the quixotic man and the park every day. \"The man accepted the dog and "
          "the park.";
    SentenceFinder::Options options;
    const auto result = SentenceFinder::find(text, {"accept"}, options);
    QStringList order;
    for (const auto &c : result.candidates)
        order << c.bracketed;
    QCOMPARE(order.first(), "The small dog [accepted] the old man and the park every day.");
    QCOMPARE(result.candidates.first().score, 100);
    for (int i = 1; i < result.candidates.size(); ++i)
        QVERIFY2(result.candidates[i].score < 100, qPrintable(result.candidates[i].bracketed));
    auto reasonsOf = [&](const QString &start) {
        for (const auto &c : result.candidates)
            if (c.sentence.startsWith(start))
                return c.reasons.join('|');
        return QString();
    };
    QVERIFY(reasonsOf("It accepted").contains("earlier sentence"));
    QVERIFY(reasonsOf("Short").contains("Short"));
    QVERIFY(reasonsOf("The small dog accepted the quixotic").contains("quixotic"));
    QVERIFY(reasonsOf("\"The man").contains("quotation"));
}

void TestSentenceFinder::knownSentencesAndCancel()
{
    SentenceFinder::Options options;
    options.knownSentences = {"The cat [SAT] on  the mat."};
    const auto result = SentenceFinder::find("The cat sat on the mat. The cat slept.", {"cat"}, options);
    QCOMPARE(result.candidates.size(), 1);
    QCOMPARE(result.candidates[0].sentence, "The cat slept.");
    QCOMPARE(result.known, 1);

    std::atomic_bool cancel {true};
    const auto stopped = SentenceFinder::find("The cat sat.", {"cat"}, options, &cancel);
    QVERIFY(stopped.cancelled);
    QVERIFY(stopped.candidates.isEmpty());
}

// The index must find exactly what a plain scan of every sentence for every form finds.
void TestSentenceFinder::indexAgreesWithScan()
{
    const QString text
        = "The boys stopped the bus. A boy's hat flew away. Buses go by. We went to the "
          "shops and bought boxes. She is buying a box. They fly. It flies. Flying is fun. The "
          "city's cities. Children ran. A child runs. Happier days came. He was the happiest.";
    const QStringList headwords {
        "boy", "stop", "bus", "go", "box", "buy", "fly", "city", "child", "run", "happy", "shop"};
    SentenceFinder::Options options;
    options.perHeadword = 0;
    const auto result = SentenceFinder::find(text, headwords, options);
    QSet<QString> byIndex;
    for (const auto &c : result.candidates)
        byIndex.insert(headwords[c.headword] + '|' + c.sentence);
    QSet<QString> byScan;
    for (const QString &h : headwords) {
        for (const QString &s : SentenceFinder::splitSentences(text)) {
            for (const auto &form : WordForms::english(h)) {
                QRegularExpression re(
                    "(?<![\\w'])" + form.text + "('s)?(?![\\w'])", QRegularExpression::CaseInsensitiveOption);
                if (re.match(s).hasMatch())
                    byScan.insert(h + '|' + s);
            }
        }
    }
    QCOMPARE(byIndex, byScan);
    QVERIFY(byIndex.size() > 15);
}

// A passage marked by hand with the sentences a teacher would take for each headword: what the finder
// proposes must be mostly right (the sentence and the bracketed words), and it must find most of them.
void TestSentenceFinder::precisionAndRecall()
{
    QFile passage(LEXIVANE_SOURCE_DIR "/tests/data/finder/passage.txt");
    QFile marks(LEXIVANE_SOURCE_DIR "/tests/data/finder/marked.tsv");
    QVERIFY(passage.open(QIODevice::ReadOnly) && marks.open(QIODevice::ReadOnly));
    QStringList headwords;
    QHash<QString, QString> kindOf; // "headword|bracketed" -> kind
    for (const QString &line : QString::fromUtf8(marks.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('#'))
            continue;
        const QStringList fields = line.split('\t');
        if (!headwords.contains(fields[0]))
            headwords << fields[0];
        if (fields.size() == 3)
            kindOf.insert(fields[0] + '|' + fields[2], fields[1]);
    }
    SentenceFinder::Options options;
    options.perHeadword = 0;
    const auto result = SentenceFinder::find(QString::fromUtf8(passage.readAll()), headwords, options);
    QSet<QString> proposed;
    for (const auto &c : result.candidates)
        proposed.insert(headwords[c.headword] + '|' + c.bracketed);
    const QSet<QString> marked(kindOf.keyBegin(), kindOf.keyEnd());
    const double precision = double((proposed & marked).size()) / proposed.size();
    QHash<QString, QPair<int, int>> byKind; // found, marked
    for (auto it = kindOf.cbegin(); it != kindOf.cend(); ++it) {
        byKind[it.value()].second++;
        if (proposed.contains(it.key()))
            byKind[it.value()].first++;
    }
    qInfo("precision %.3f (%lld of %lld proposed)", precision, qint64((proposed & marked).size()),
        qint64(proposed.size()));
    for (const QString &wrong : proposed - marked)
        qInfo("  not taken: %s", qPrintable(wrong));
    for (auto it = byKind.cbegin(); it != byKind.cend(); ++it)
        qInfo("recall %-10s %.3f (%d of %d)", qPrintable(it.key()), double(it->first) / it->second, it->first,
            it->second);
    const int found = int((proposed & marked).size());
    QVERIFY2(precision >= 0.9, qPrintable(QString::number(precision)));
    QVERIFY2(found >= 0.8 * marked.size(), qPrintable(QString::number(found)));
    for (auto it = byKind.cbegin(); it != byKind.cend(); ++it)
        QVERIFY2(it->first >= 0.8 * it->second, qPrintable(it.key()));
}

// The starter database's own sentences, their brackets taken away: how many of them the finder
// brackets as the database does, by kind of key word.
void TestSentenceFinder::starterDatabase()
{
    QFile file(LEXIVANE_SOURCE_DIR "/share/db/BritishDB.lxv");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QHash<QString, QPair<int, int>> byKind; // found, all
    SentenceFinder::Options options;
    options.perHeadword = 0;
    for (QString line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        line.remove(QChar(0xFEFF));
        QStringList fields = line.trimmed().split("&&&");
        const QString headword = fields.takeFirst();
        QStringList texts;
        for (QString &field : fields)
            texts << field.remove(QRegularExpression("^\\{\\d+\\}"));
        QStringList plain;
        for (const QString &t : texts)
            plain << SentenceFinder::splitSentences(BracketText::withoutBrackets(t)).join(' ');
        QSet<QString> found;
        for (const auto &c : SentenceFinder::find(plain.join("\n\n"), {headword}, options).candidates)
            found.insert(c.bracketed);
        for (const QString &t : texts) {
            QStringList keys;
            for (const auto &segment : BracketText::tokenize(t))
                if (segment.kind == BracketSegment::Gap)
                    keys << segment.text().toLower();
            const QString key = keys.join(' ');
            const QString h = headword.toLower();
            const QString kind = h.contains(' ')                     ? "phrasal"
                : key == h                                           ? "headword"
                : key.startsWith(h.left(qMax(3, int(h.size()) - 1))) ? "inflection"
                                                                     : "irregular";
            byKind[kind].second++;
            if (found.contains(t))
                byKind[kind].first++;
            else
                qInfo("  missed: %s", qPrintable(t));
        }
    }
    int hits = 0;
    int all = 0;
    for (auto it = byKind.cbegin(); it != byKind.cend(); ++it) {
        qInfo("starter database: %-10s %d of %d bracketed as the database has it", qPrintable(it.key()),
            it->first, it->second);
        hits += it->first;
        all += it->second;
    }
    QVERIFY2(hits >= 0.85 * all, qPrintable(QString("%1 of %2").arg(hits).arg(all)));
}

QTEST_GUILESS_MAIN(TestSentenceFinder)
#include "tst_sentencefinder.moc"
