// SPDX-License-Identifier: GPL-3.0-or-later
// The streamed XML export against the bytes of the tree it replaces, and the one-pass import
// against reading the parsed tree, on texts and documents chosen to trip either.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmlexport.h"
#include "data/xmlfastreader.h"
#include "data/xmltext.h"
#include "support/dbfixtures.h"
#include "support/domcodec.h"
#include "support/testutil.h"

#include <QBuffer>
#include <QDomDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

// Headword, sentences and used counts in one line each, for comparing two databases.
QStringList describe(const LxdDatabase &db)
{
    QStringList lines;
    for (const LxdItem *item : db.items) {
        QString line = item->headword();
        for (const LxdSentence &s : item->sentences)
            line += QStringLiteral("|%1#%2#%3").arg(s.text()).arg(s.used()).arg(s.bracketStatus());
        lines << line;
    }
    return lines;
}

} // namespace

class TestXmlExchange : public QObject
{
    Q_OBJECT

private slots:
    void exportMatchesTheTree();
    void importMatchesTheTree_data();
    void importMatchesTheTree();
    void fastReaderMatchesStreamReader_data();
    void fastReaderMatchesStreamReader();
    void exportLeavesOutWhatXmlCannotCarry();

private:
    QTemporaryDir dir;
};

void TestXmlExchange::exportMatchesTheTree()
{
    const QStringList texts {QString(), QStringLiteral("The [cat] sat."), QStringLiteral("[cat] first"),
        QStringLiteral("last [cat]"), QStringLiteral("[a] [b]"), QStringLiteral("[a][b]x[]y]stray["),
        QStringLiteral("open [bracket"), QStringLiteral("x]]>y & <z> \"q\" 'a'"),
        QStringLiteral("line\r\nend\ttab"), QStringLiteral("ctl\x01]]\x02>[g\x03]"),
        QStringLiteral("esc \\[not\\] [k|w:clue]"), QString::fromUtf8("\xc3\xa4 \U0001F600 [\xe2\x80\x94]"),
        QStringLiteral("  spaced  "), QStringLiteral("cr\ronly ]]]>>"),
        QString(QChar(0xD83D)) + QStringLiteral("x[") + QChar(0xDE00) + QStringLiteral("]") + QChar(0xD83D)};
    QDomDocument dom;
    for (int variant = 0; variant < 4; ++variant) {
        LxdDatabase db;
        // An empty database, one headword without sentences, every text in every place, and
        // enough of them to go past the writer's block, and one record larger than it.
        const int count = variant == 0 ? 0 : variant == 3 ? 60 * int(texts.size()) : int(texts.size());
        for (int i = 0; i < count; ++i) {
            LxdItem *item = db.addItem();
            item->setHeadword(texts.at(i % texts.size()));
            for (int k = 0; variant >= 2 && k < texts.size(); ++k) {
                LxdSentence *s = item->addSentence();
                s->setText(texts.at((i + k) % texts.size()).repeated(variant == 3 ? 40 : 1));
                s->setUsed(k - 3);
            }
        }
        if (variant == 3) // one record larger than the block
            db.addItem()->addSentence()->setText(QStringLiteral("x [k]&").repeated(100000));
        dom.clear();
        dom.appendChild(DomCodec::write(dom, db, 3));
        QByteArray tree;
        {
            QTextStream stream(&tree);
            stream.setEncoding(QStringConverter::Utf8);
            dom.save(stream, 3, QDomNode::EncodingFromTextStream);
        }
        const QString file = dir.filePath(QStringLiteral("streamed.xml"));
        QVERIFY(db.saveXml(file, 3));
        QCOMPARE(TestUtil::readFile(file), tree);
    }
}

void TestXmlExchange::importMatchesTheTree_data()
{
    QTest::addColumn<QByteArray>("xml");
    const QByteArray head = "<?xml version=\"1.0\"?><lexivane-vocabulary-database version=\"3\"><items>";
    const QByteArray tail = "</items></lexivane-vocabulary-database>";
    QTest::addRow("plain") << head
            + "<item><head-word> cat </head-word><sentence><used>2</used>The <gap>cat</gap> "
              "sat.</sentence></item>"
            + tail;
    QTest::addRow("white space between gaps") << head
            + "<item><head-word>a</head-word><sentence><used>0</used><gap>a</gap> \n "
              "<gap>b</gap>\n</sentence></item>"
            + tail;
    QTest::addRow("cdata, entities, comments") << head
            + "<item><head-word>x&amp;y</head-word><!-- c --><sentence><?pi x?><![CDATA[ "
              "]]><gap>&#65;</gap><![CDATA[<b>]]></sentence></item>"
            + tail;
    QTest::addRow("two used, used last, nested gap") << head
            + "<item><head-word>u</head-word><sentence><used>4</used>t<used> 7 "
              "</used><gap>a<i>b</i>c</gap><used>x</used></sentence></item>"
            + tail;
    QTest::addRow("two head-words, the last empty") << head
            + "<item><head-word>one</head-word><head-word> "
              "</head-word><other><sentence>no</sentence></other></item>"
            + tail;
    QTest::addRow("head-word with elements")
        << head + "<item><head-word>a<b>c</b> d</head-word></item><junk/><item/>" + tail;
    QTest::addRow("second items ignored") << head
            + "<item><head-word>first</head-word></item></items><items><item><head-word>second</head-word></"
              "item>"
            + tail;
    QTest::addRow("other root") << QByteArray(
        "<other><items><item><head-word>a</head-word></item></items></other>");
    QTest::addRow("no-break space only")
        << head + "<item><head-word>n</head-word><sentence>\xc2\xa0<gap>k</gap></sentence></item>" + tail;
    QTest::addRow("separator run") << head
            + "<item><head-word>a&amp;&amp;&amp;b</head-word><sentence>x &amp;&amp;&amp; "
              "[y]</sentence></item>"
            + tail;
    QTest::addRow("not well-formed") << head + "<item><head-word>a</head-word>" + tail;
}

void TestXmlExchange::importMatchesTheTree()
{
    QFETCH(QByteArray, xml);
    const QString file = TestUtil::writeFile(dir, QStringLiteral("in.xml"), xml);

    QDomDocument dom;
    LxdDatabase byTree;
    QDomDocument parsed;
    const bool wellFormed = bool(parsed.setContent(xml));
    if (wellFormed)
        DomCodec::read(parsed.documentElement(), byTree);

    LxdDatabase streamed;
    int broken = -1;
    QCOMPARE(streamed.loadXml(file, &broken), wellFormed);
    QCOMPARE(describe(streamed), describe(byTree));
    QCOMPARE(streamed.isModified(), wellFormed);
}

void TestXmlExchange::fastReaderMatchesStreamReader_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("fast"); // whether the fast reader takes it on

    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lexivane-vocabulary-database "
                            "version=\"3\">\n<items>\n";
    const QByteArray tail = "</items>\n</lexivane-vocabulary-database>\n";
    const auto item
        = [](const QByteArray &inside) { return "<item><head-word>w</head-word>" + inside + "</item>"; };
    const auto sentence = [&](const QByteArray &inside) {
        return head + item("<sentence><used>1</used>" + inside + "</sentence>") + tail;
    };
    QTest::addRow("references") << sentence("&lt;&gt;&amp;&quot;&apos;&#65;&#x1F600;&#xd;&#13;x&#xA;")
                                << true;
    QTest::addRow("white space made of references")
        << sentence(" &amp; <gap>a</gap> &#32; <gap>b</gap>&#x20;\n<gap>c</gap> &#160;") << true;
    QTest::addRow("attributes, quotes, spaces in tags") << QByteArray(
        "<?xml version='1.0' encoding='utf-8' standalone='yes' ?>"
        "<lexivane-vocabulary-database b='x&amp;y' version = \"3\"\n><items\t>"
        "<item a=\"&#62;>\"><head-word >h</head-word\n><sentence><used >2</used\r\n>t</sentence ></item>"
        "</items></lexivane-vocabulary-database >") << true;
    QTest::addRow("empty and self-closed")
        << head + item("<sentence/><sentence><used/></sentence><head-word/>") + "<item/>" + tail << true;
    QTest::addRow("self-closed items") << QByteArray("<lexivane-vocabulary-database version=\"3\"><items/>"
                                                     "</lexivane-vocabulary-database>")
                                       << true;
    QTest::addRow("line ends") << QByteArray(
        head + item("<sentence><used>0</used>a\r\nb\rc\r</sentence>") + tail)
                                      .replace('\n', "\r\n")
                               << true;
    QTest::addRow("non-ASCII") << sentence("\xc3\xa4 \xf0\x9f\x98\x80 [\xe2\x80\x94] \xef\xbb\xbf\xc2\x85")
                               << true;
    QTest::addRow("byte-order mark") << "\xef\xbb\xbf" + sentence("x") << true;
    QTest::addRow("no declaration") << sentence("x").mid(head.indexOf('<', 1)) << true;
    QTest::addRow("comments")
        << QByteArray(sentence("a<!-- b --> <!----> c")).replace("?>\n", "?>\n<!-- a -->") + "<!-- d -->\n"
        << true;
    QTest::addRow("other root") << QByteArray(
        "<other><items><item><head-word>a</head-word></item></items></other>")
                                << true;
    QByteArray deep = "<x>", deeper = "</x>";
    QTest::addRow("nested to the guard") << sentence(deep.repeated(250) + "t" + deeper.repeated(250)) << true;
    QTest::addRow("nested past the guard")
        << sentence(deep.repeated(300) + "t" + deeper.repeated(300)) << false;
    QTest::addRow("cdata") << sentence("<![CDATA[ ]]><gap>a</gap><![CDATA[<b>]]>") << false;
    QTest::addRow("document type") << "<!DOCTYPE x [<!ENTITY e \"E\">]>" + sentence("&e;") << false;
    QTest::addRow("processing instruction") << sentence("a<?pi x?>b") << false;
    QTest::addRow("Latin-1") << QByteArray(sentence("\xe4").replace("UTF-8", "ISO-8859-1")) << false;
    QTest::addRow("namespace") << QByteArray(sentence("x").replace("version=\"3\"", "xmlns:a=\"u\""))
                               << false;
    const QList<QByteArray> broken {"", "<a>", sentence("a").chopped(3), sentence("</x>"), sentence("a]]>b"),
        sentence("&nbsp;"), sentence("&#0;"), sentence("&#xD800;"), sentence("\xff"), sentence("\xc3"),
        sentence("\xed\xa0\x80"), sentence("\x01"), sentence("<a b='1' b='2'/>"), sentence("<a b=1/>"),
        sentence("<a b='<'/>"), sentence("<!-- a -- b -->"), sentence("x") + "text",
        sentence("x") + "<again/>", " " + sentence("x"), sentence("<1/>"), sentence("& x")};
    for (qsizetype i = 0; i < broken.size(); ++i)
        QTest::addRow("broken %d", int(i)) << broken.at(i) << false;

    // A large document of the program's own, past the reader's block, one sentence longer than a
    // block and one text longer than several.
    QDomDocument dom;
    LxdDatabase db;
    const QString texts[]
        = {QStringLiteral("The [cat] sat on the [mat]."), QStringLiteral("[a] [b] & <c> \r\n"),
            QString::fromUtf8("\xc3\xa4 \xf0\x9f\x98\x80 [\xe2\x80\x94] "), QStringLiteral("last [gap]")};
    for (int i = 0; i < 6000; ++i) {
        LxdItem *it = db.addItem();
        it->setHeadword(QStringLiteral("word %1").arg(i));
        for (int k = 0; k < 4; ++k) {
            LxdSentence *s = it->addSentence();
            s->setText(texts[(i + k) % 4]);
            s->setUsed(i - k);
        }
    }
    db.addItem()->addSentence()->setText(QStringLiteral("x [long] ").repeated(200000));
    db.addItem()->addSentence()->setText(QString::fromUtf8("\xc3\xa4 plain text ").repeated(250000));
    const QString file = dir.filePath(QStringLiteral("large.xml"));
    QVERIFY(db.saveXml(file, 3));
    const QByteArray large = TestUtil::readFile(file);
    QVERIFY(large.size() > 3 * 1024 * 1024);
    QTest::addRow("large") << large << true;
}

void TestXmlExchange::fastReaderMatchesStreamReader()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, fast);

    struct Counter : XmlFastReader::Sink
    {
        void start(QLatin1String) override { }
        void end() override { }
        void text(QLatin1String) override { }
        void text(QStringView) override { }
    } counter;
    QBuffer buffer(&xml);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(XmlFastReader::read(buffer, counter, 256) == XmlFastReader::Result::Read, fast);

    const QString file = TestUtil::writeFile(dir, QStringLiteral("in.xml"), xml);
    QDomDocument dom;
    QStringList results[2];
    for (int pass = 0; pass < 2; ++pass) {
        XmlFastReader::setEnabledForTesting(pass == 1);
        LxdDatabase db;
        int broken = -1;
        const bool read = db.loadXml(file, &broken);
        QStringList lines;
        for (const LxdItem *item : db.items)
            lines << DbFixtures::fileLine(*item);
        results[pass] << QString::number(read) << QString::number(broken) << QString::number(db.isModified())
                      << QString::number(db.readVocabularyDocument()) << describe(db) << lines;
    }
    XmlFastReader::setEnabledForTesting(true);
    QCOMPARE(results[1], results[0]);
}

// The characters XML cannot carry are left out of the export, which xmllint then reads and the import
// reads back as the texts without them; the export says which texts those are.
void TestXmlExchange::exportLeavesOutWhatXmlCannotCarry()
{
    const QString bad = QStringLiteral("\x01\x0b") + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0xDC00);
    const QStringList texts {QStringLiteral("cat%1").arg(bad), QStringLiteral("The [c%1at] sat.").arg(bad),
        QStringLiteral("%1[cat]\t\U0001F600 ok").arg(bad), QStringLiteral("clean [cat] \U0001F600")};
    QDomDocument dom;
    LxdDatabase db;
    LxdDatabase cleaned;
    for (LxdDatabase *target : {&db, &cleaned}) {
        const auto text = [&](const QString &t) { return target == &db ? t : XmlText::clean(t); };
        LxdItem *item = target->addItem();
        item->setHeadword(text(texts.at(0)));
        for (int i = 1; i < texts.size(); ++i)
            item->addSentence()->setText(text(texts.at(i)));
    }
    QString first;
    QCOMPARE(XmlExport::changedTexts(db.items, &first), 3);
    QCOMPARE(first, QStringLiteral("cat"));

    const QString file = dir.filePath(QStringLiteral("cannot-carry.xml"));
    QVERIFY(db.saveXml(file, 3));
    QProcess lint;
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), file});
    QVERIFY(lint.waitForFinished());
    QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().constData());

    LxdDatabase back;
    QVERIFY(back.loadXml(file));
    QCOMPARE(describe(back), describe(cleaned));
}

QTEST_GUILESS_MAIN(TestXmlExchange)
#include "tst_xmlexchange.moc"
