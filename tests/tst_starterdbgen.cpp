// SPDX-License-Identifier: GPL-3.0-or-later
#include "starterdbgen.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

using namespace StarterDb;

Q_DECLARE_METATYPE(StarterDb::Variant)

namespace {

struct Record
{
    QString headword;
    QStringList sentences;
    QList<int> used;
};

QString sourcePath()
{
    return QStringLiteral(LEXIVANE_SOURCE_DIR "/share/db/source/starter-source.txt");
}

QString databasePath(Variant variant)
{
    return QStringLiteral(LEXIVANE_SOURCE_DIR "/share/db/") + variantFileName(variant);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString committedSource()
{
    QString source;
    QString error;
    if (!decodeSource(readBytes(sourcePath()), &source, &error))
        return QString();
    return source;
}

// The first line of a file that carries its language: "language=" and the tag, each bit of each
// character a tab (1) or a blank (0), the highest first.
QByteArray languageLineBytes(const QByteArray &tag)
{
    QByteArray line;
    for (const char c : QByteArray("language=") + tag) {
        for (int bit = 7; bit >= 0; --bit)
            line += (uchar(c) >> bit) & 1 ? '\t' : ' ';
    }
    return line + "\r\n";
}

// Reads a database file by the format rules alone, without the generator's help; `language` learns
// the tag of the language line, which must be there.
bool readDatabase(
    const QByteArray &bytes, QList<Record> *records, QString *error, QByteArray *language = nullptr)
{
    const QByteArray bom("\xEF\xBB\xBF");
    if (!bytes.startsWith(bom)) {
        *error = QStringLiteral("no UTF-8 byte-order mark");
        return false;
    }
    if (!bytes.endsWith("\r\n")) {
        *error = QStringLiteral("the last line does not end with CR LF");
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes.mid(bom.size()));
    if (decoder.hasError()) {
        *error = QStringLiteral("not valid UTF-8");
        return false;
    }
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the final CR LF
    for (const QByteArray &tag : {QByteArray("en-US"), QByteArray("en-GB"), QByteArray("en-CA")}) {
        if (!lines.isEmpty() && lines.first().toUtf8() + "\r\n" == languageLineBytes(tag)) {
            if (language)
                *language = tag;
            lines.removeFirst();
        }
    }
    static const QRegularExpression field(QStringLiteral("^\\{(-?\\d+)\\}(.*)$"));
    for (const QString &line : std::as_const(lines)) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n'))) {
            *error = QStringLiteral("bare CR or LF in \"%1\"").arg(line);
            return false;
        }
        const QStringList parts = line.split(QStringLiteral("&&&"), Qt::KeepEmptyParts);
        Record record;
        record.headword = parts.first();
        for (int i = 1; i < parts.size(); ++i) {
            const QRegularExpressionMatch match = field.match(parts.at(i));
            if (!match.hasMatch()) {
                *error = QStringLiteral("sentence field without used count: \"%1\"").arg(parts.at(i));
                return false;
            }
            record.used.append(match.captured(1).toInt());
            record.sentences.append(match.captured(2));
        }
        records->append(record);
    }
    return true;
}

QList<Record> committedDatabase(Variant variant)
{
    QList<Record> records;
    QString error;
    if (!readDatabase(readBytes(databasePath(variant)), &records, &error))
        qWarning("%s: %s", qPrintable(databasePath(variant)), qPrintable(error));
    return records;
}

// Number of key words, or -1 when a bracket is left open, nested or closes nothing.
int keyWordCount(const QString &sentence)
{
    bool open = false;
    int count = 0;
    for (const QChar c : sentence) {
        if (c == QLatin1Char('[')) {
            if (open)
                return -1;
            open = true;
        } else if (c == QLatin1Char(']')) {
            if (!open)
                return -1;
            open = false;
            ++count;
        }
    }
    return open ? -1 : count;
}

void addVariantRows()
{
    QTest::addColumn<Variant>("variant");
    QTest::newRow("American") << American;
    QTest::newRow("British") << British;
    QTest::newRow("Canadian") << Canadian;
}

} // namespace

class TestStarterDbGen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void committedDatabaseMatchesSource_data() { addVariantRows(); }
    void committedDatabaseMatchesSource();
    void committedDatabaseContent_data() { addVariantRows(); }
    void committedDatabaseContent();
    void variantsHoldTheSameEntries();
    void variantWords_data();
    void variantWords();
    void variantHeadwords_data();
    void variantHeadwords();

    void smallSourceGivesExactBytes();
    void decodeSource_data();
    void decodeSource();
    void malformedSourceIsRejected_data();
    void malformedSourceIsRejected();
};

void TestStarterDbGen::initTestCase()
{
    QVERIFY2(QFile::exists(sourcePath()), qPrintable(sourcePath()));
    QVERIFY(!committedSource().isEmpty());
}

void TestStarterDbGen::committedDatabaseMatchesSource()
{
    QFETCH(Variant, variant);
    QByteArray generated;
    QString error;
    QVERIFY2(generateDatabase(committedSource(), variant, &generated, &error), qPrintable(error));
    const QByteArray committed = readBytes(databasePath(variant));
    QVERIFY2(committed == generated,
        qPrintable(QStringLiteral("%1 differs from what the source gives; run lexivane-mkstarterdb "
                                  "(target update_starterdb)")
                       .arg(databasePath(variant))));
}

void TestStarterDbGen::committedDatabaseContent()
{
    QFETCH(Variant, variant);
    QList<Record> records;
    QString error;
    QByteArray language;
    QVERIFY2(readDatabase(readBytes(databasePath(variant)), &records, &error, &language), qPrintable(error));
    QVERIFY2(records.size() >= 300, qPrintable(QString::number(records.size())));
    // Each file says which English it is written in.
    const char *const languages[VariantCount] = {"en-US", "en-GB", "en-CA"};
    QCOMPARE(language, QByteArray(languages[variant]));

    QSet<QString> allSentences;
    for (int i = 0; i < records.size(); ++i) {
        const Record &record = records.at(i);
        const QByteArray where = record.headword.toUtf8();
        QVERIFY2(
            !record.headword.isEmpty() && record.headword == record.headword.trimmed(), where.constData());
        // The program's own order: QString::operator<, capitals before small letters.
        if (i > 0)
            QVERIFY2(records.at(i - 1).headword < record.headword, where.constData());
        QVERIFY2(record.sentences.size() >= 2 && record.sentences.size() <= 4, where.constData());
        for (int j = 0; j < record.sentences.size(); ++j) {
            const QString &sentence = record.sentences.at(j);
            const QByteArray what = where + ": " + sentence.toUtf8();
            QCOMPARE(record.used.at(j), 0);
            QVERIFY2(keyWordCount(sentence) >= 1, what.constData());
            QVERIFY2(!sentence.contains(QStringLiteral("[]")), what.constData());
            QVERIFY2(
                sentence == sentence.trimmed() && !sentence.contains(QStringLiteral("  ")), what.constData());
            QVERIFY2(!allSentences.contains(sentence), (what + " (repeated)").constData());
            allSentences.insert(sentence);
        }
    }
}

void TestStarterDbGen::variantsHoldTheSameEntries()
{
    const QString source = committedSource();
    QList<Entry> entries[VariantCount];
    QHash<QString, QStringList> sentencesOf[VariantCount];
    for (int v = 0; v < VariantCount; ++v) {
        QString error;
        QVERIFY2(parseSource(source, Variant(v), &entries[v], &error), qPrintable(error));
        const QList<Record> records = committedDatabase(Variant(v));
        QCOMPARE(records.size(), entries[v].size());
        for (const Record &record : records)
            sentencesOf[v].insert(record.headword, record.sentences);
    }
    QCOMPARE(entries[British].size(), entries[American].size());
    QCOMPARE(entries[Canadian].size(), entries[American].size());

    int differing = 0;
    for (int i = 0; i < entries[American].size(); ++i) {
        bool differs = false;
        for (int v = 0; v < VariantCount; ++v) {
            const Entry &entry = entries[v].at(i);
            const Entry &american = entries[American].at(i);
            QVERIFY2(sentencesOf[v].contains(entry.headword), qPrintable(entry.headword));
            QCOMPARE(sentencesOf[v].value(entry.headword), entry.sentences);
            QCOMPARE(entry.sentences.size(), american.sentences.size());
            for (int j = 0; j < entry.sentences.size(); ++j) {
                // The same exercise must have the same gaps whatever the spelling.
                QCOMPARE(keyWordCount(entry.sentences.at(j)), keyWordCount(american.sentences.at(j)));
            }
            if (entry.headword != american.headword || entry.sentences != american.sentences)
                differs = true;
        }
        if (differs)
            ++differing;
    }
    QVERIFY2(differing >= 25, qPrintable(QString::number(differing)));
}

void TestStarterDbGen::variantWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("inAmerican");
    QTest::addColumn<bool>("inBritish");
    QTest::addColumn<bool>("inCanadian");

    QTest::newRow("color") << "color" << true << false << false;
    QTest::newRow("colour") << "colour" << false << true << true;
    QTest::newRow("center") << "center" << true << false << false;
    QTest::newRow("centre") << "centre" << false << true << true;
    QTest::newRow("theater") << "theater" << true << false << false;
    QTest::newRow("theatre") << "theatre" << false << true << true;
    QTest::newRow("organize") << "organize" << true << false << true;
    QTest::newRow("organise") << "organise" << false << true << false;
    QTest::newRow("realized") << "realized" << true << false << true;
    QTest::newRow("realised") << "realised" << false << true << false;
    QTest::newRow("traveled") << "traveled" << true << false << false;
    QTest::newRow("travelled") << "travelled" << false << true << true;
    QTest::newRow("gray") << "gray" << true << false << false;
    QTest::newRow("grey") << "grey" << false << true << true;
    QTest::newRow("apartment") << "apartment" << true << false << true;
    QTest::newRow("truck") << "truck" << true << false << true;
    QTest::newRow("lorry") << "lorry" << false << true << false;
    QTest::newRow("autumn") << "autumn" << false << true << false;
    QTest::newRow("elevator") << "elevator" << true << false << true;
    QTest::newRow("cookie") << "cookie" << true << false << true;
    QTest::newRow("biscuit") << "biscuit" << false << true << false;
    QTest::newRow("vacation") << "vacation" << true << false << true;
    QTest::newRow("holiday") << "holiday" << false << true << false;
    QTest::newRow("mom") << "mom" << true << false << true;
    QTest::newRow("mum") << "mum" << false << true << false;
    QTest::newRow("washroom") << "washroom" << false << false << true;
    QTest::newRow("postal code") << "postal code" << false << false << true;
    QTest::newRow("kilometres") << "kilometres" << false << false << true;
}

void TestStarterDbGen::variantWords()
{
    QFETCH(QString, word);
    QFETCH(bool, inAmerican);
    QFETCH(bool, inBritish);
    QFETCH(bool, inCanadian);
    const bool expected[VariantCount] = {inAmerican, inBritish, inCanadian};
    const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)),
        QRegularExpression::CaseInsensitiveOption);
    for (int v = 0; v < VariantCount; ++v) {
        const QString text = QString::fromUtf8(readBytes(databasePath(Variant(v))));
        QVERIFY2(text.contains(whole) == expected[v], qPrintable(variantFileName(Variant(v))));
    }
}

void TestStarterDbGen::variantHeadwords_data()
{
    QTest::addColumn<QString>("american");
    QTest::addColumn<QString>("british");
    QTest::addColumn<QString>("canadian");

    QTest::newRow("color") << "color"
                           << "colour"
                           << "colour";
    QTest::newRow("organize") << "organize"
                              << "organise"
                              << "organize";
    QTest::newRow("apartment") << "apartment"
                               << "flat"
                               << "apartment";
    QTest::newRow("truck") << "truck"
                           << "lorry"
                           << "truck";
    QTest::newRow("fill out") << "fill out"
                              << "fill in"
                              << "fill out";
    QTest::newRow("zip code") << "zip code"
                              << "postcode"
                              << "postal code";
}

void TestStarterDbGen::variantHeadwords()
{
    QFETCH(QString, american);
    QFETCH(QString, british);
    QFETCH(QString, canadian);
    const QString names[VariantCount] = {american, british, canadian};
    for (int v = 0; v < VariantCount; ++v) {
        QSet<QString> headwords;
        for (const Record &record : committedDatabase(Variant(v)))
            headwords.insert(record.headword);
        for (int w = 0; w < VariantCount; ++w) {
            const bool expected = names[w] == names[v];
            QVERIFY2(headwords.contains(names[w]) == expected,
                qPrintable(variantFileName(Variant(v)) + QStringLiteral(": ") + names[w]));
        }
    }
}

void TestStarterDbGen::smallSourceGivesExactBytes()
{
    // CR LF source lines, an indented sentence, a non-ASCII headword, a capital that sorts first and
    // a variant headword that sorts to another place.
    const QString source = QString::fromUtf8("# starter\r\n"
                                             "{truck|lorry|truck}\r\n"
                                             "- The [{truck|lorry|truck}] is {gray|grey|grey}.\r\n"
                                             "mango\r\n"
                                             "  - Is the [mango] ripe?\r\n"
                                             "\r\n"
                                             "caf\xC3\xA9\r\n"
                                             "- Meet me at the [caf\xC3\xA9].\r\n"
                                             "- Two [caf\xC3\xA9s] {closed|closed|closed} and one "
                                             "[caf\xC3\xA9] opened.\r\n"
                                             "Zebra\r\n"
                                             "- [Zebra] crossings are striped.\r\n");
    const QByteArray cafe
        = "caf\xC3\xA9&&&{0}Meet me at the [caf\xC3\xA9].&&&{0}Two [caf\xC3\xA9s] closed and "
          "one [caf\xC3\xA9] opened.\r\n";
    const QByteArray head = "Zebra&&&{0}[Zebra] crossings are striped.\r\n" + cafe;
    const QByteArray mango = "mango&&&{0}Is the [mango] ripe?\r\n";
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray expected[VariantCount] = {
        bom + languageLineBytes("en-US") + head + mango + "truck&&&{0}The [truck] is gray.\r\n",
        bom + languageLineBytes("en-GB") + head + "lorry&&&{0}The [lorry] is grey.\r\n" + mango,
        bom + languageLineBytes("en-CA") + head + mango + "truck&&&{0}The [truck] is grey.\r\n",
    };
    for (int v = 0; v < VariantCount; ++v) {
        QByteArray bytes;
        QString error;
        QVERIFY2(generateDatabase(source, Variant(v), &bytes, &error), qPrintable(error));
        QCOMPARE(bytes, expected[v]);
    }
}

void TestStarterDbGen::decodeSource_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("cat\n- A [cat].\n") << true << QStringLiteral("cat\n- A [cat].\n");
    QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBF"
                                                           "cat")
                                             << true << QStringLiteral("cat");
    QTest::newRow("UTF-8 letters") << QByteArray("na\xC3\xAFve") << true << QString::fromUtf8("na\xC3\xAFve");
    QTest::newRow("Latin-1 byte") << QByteArray("caf\xE9 au lait") << false << QString();
    QTest::newRow("Latin-1 byte at the end") << QByteArray("caf\xE9") << false << QString();
    QTest::newRow("cut-off sequence") << QByteArray("caf\xC3") << false << QString();
}

void TestStarterDbGen::decodeSource()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    QString source;
    QString error;
    QCOMPARE(StarterDb::decodeSource(bytes, &source, &error), ok);
    if (ok)
        QCOMPARE(source, text);
    else
        QVERIFY(!error.isEmpty());
}

void TestStarterDbGen::malformedSourceIsRejected_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<int>("line");

    const QByteArray good("cat\n- The [cat] sat.\n");
    QTest::newRow("group left open") << good + "dog\n- A {black|black [dog].\n" << American << 4;
    QTest::newRow("two parts") << good + "{color|colour}\n- A [colour].\n" << British << 3;
    QTest::newRow("four parts") << good + "dog\n- A {a|b|c|d} [dog].\n" << Canadian << 4;
    QTest::newRow("nested group") << good + "dog\n- A {b{x|y|z}|b|b} [dog].\n" << American << 4;
    QTest::newRow("stray closing brace") << good + "dog\n- A [dog]}.\n" << American << 4;
    QTest::newRow("stray bar") << good + "dog\n- A [dog] | a cat.\n" << American << 4;
    QTest::newRow("sentence first") << QByteArray("- The [cat] sat.\ncat\n") << American << 1;
    QTest::newRow("headword without sentences") << QByteArray("cat\ndog\n- A [dog].\n") << American << 1;
    QTest::newRow("last headword without sentences") << good + "dog\n" << American << 3;
    QTest::newRow("bracket left open") << good + "dog\n- A [dog.\n" << American << 4;
    QTest::newRow("bracket open in one variant") << good + "dog\n- A {[dog]|[dog|[dog]}.\n" << British << 4;
    QTest::newRow("nested brackets") << good + "dog\n- A [big [dog]].\n" << American << 4;
    QTest::newRow("closing bracket alone") << good + "dog\n- A dog].\n" << American << 4;
    QTest::newRow("no key word") << good + "dog\n- A dog.\n" << American << 4;
    QTest::newRow("empty key word") << good + "dog\n- A [] dog.\n" << American << 4;
    QTest::newRow("field separator") << good + "dog\n- A [dog]&&&cat.\n" << American << 4;
    QTest::newRow("bracket in headword") << good + "[dog]\n- A [dog].\n" << American << 3;
    QTest::newRow("duplicate headword") << good + "cat\n- Another [cat].\n" << American << 3;
    QTest::newRow("duplicate in one variant only")
        << QByteArray("lift\n- [Lift] it.\n{elevator|lift|elevator}\n- The [{elevator|lift|elevator}].\n")
        << British << 3;
    QTest::newRow("repeated sentence") << good + "- The [cat] sat.\n" << American << 3;
    QTest::newRow("blank left by an empty part") << good + "dog\n- A {big |big|} [dog].\n" << Canadian << 4;
    QTest::newRow("tab in text") << good + "dog\n- A\t[dog].\n" << American << 4;
    QTest::newRow("empty source") << QByteArray("# nothing here\n\n") << American << 0;
}

void TestStarterDbGen::malformedSourceIsRejected()
{
    QFETCH(QByteArray, source);
    QFETCH(Variant, variant);
    QFETCH(int, line);
    const QByteArray untouched("unchanged");
    QByteArray bytes = untouched;
    QString error;
    QVERIFY(!generateDatabase(QString::fromUtf8(source), variant, &bytes, &error));
    QCOMPARE(bytes, untouched);
    QVERIFY(!error.isEmpty());
    if (line > 0)
        QVERIFY2(error.startsWith(QStringLiteral("line %1:").arg(line)), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestStarterDbGen)
#include "tst_starterdbgen.moc"
