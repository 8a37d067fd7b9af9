// SPDX-License-Identifier: GPL-3.0-or-later
// The streamed XML export against the bytes of the tree it replaces, and the one-pass import
// against reading the parsed tree, on texts and documents chosen to trip either.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "support/testutil.h"

#include <QBuffer>
#include <QDomDocument>
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
        for (const LxdSentence *s : item->sentences)
            line += QStringLiteral("|%1#%2#%3").arg(s->text()).arg(s->used()).arg(s->bracketStatus());
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
        QStringLiteral("  spaced  ")};
    QDomDocument dom;
    for (int variant = 0; variant < 3; ++variant) {
        LxdDatabase db(&dom, nullptr);
        // An empty database, one headword without sentences, and every text in every place.
        for (int i = 0; i < (variant == 0 ? 0 : texts.size()); ++i) {
            LxdItem *item = db.addItem();
            item->setHeadword(texts.at(i));
            for (int k = 0; variant == 2 && k < texts.size(); ++k) {
                LxdSentence *s = item->addSentence();
                s->setText(texts.at((i + k) % texts.size()));
                s->setUsed(k - 3);
            }
        }
        dom.clear();
        dom.appendChild(db.toDomElement(3));
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
    LxdDatabase byTree(&dom, nullptr);
    QDomDocument parsed;
    const bool wellFormed = bool(parsed.setContent(xml));
    if (wellFormed)
        byTree.fromDomElement(parsed.documentElement());

    LxdDatabase streamed(&dom, nullptr);
    int broken = -1;
    QCOMPARE(streamed.loadXml(file, &broken), wellFormed);
    QCOMPARE(describe(streamed), describe(byTree));
    QCOMPARE(streamed.isModified(), wellFormed);
}

QTEST_GUILESS_MAIN(TestXmlExchange)
#include "tst_xmlexchange.moc"
