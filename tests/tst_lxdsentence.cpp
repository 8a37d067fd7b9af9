// SPDX-License-Identifier: GPL-3.0-or-later
// The sentence record: the bracket rules, storing a text, gapping and the used counter.
#include "data/lxdsentence.h"
#include "support/domcodec.h"

#include <QtTest>

class TestLxdSentence : public QObject
{
    Q_OBJECT

private slots:
    void freshSentence();
    void checkBrackets_data();
    void checkBrackets();
    void setText_data();
    void setText();
    void usedCounter_data();
    void usedCounter();
    void xmlFormKeepsEscapes();
};

void TestLxdSentence::freshSentence()
{
    LxdSentence s;
    QVERIFY(!s.text().isNull() && s.text().isEmpty());
    QCOMPARE(s.used(), 0);
    QCOMPARE(s.bracketStatus(), int(LxdSentence::Unchecked));
    // A checked one made from a text and a count.
    const LxdSentence made(QStringLiteral("The [cat"), 4);
    QCOMPARE(made.bracketStatus(), int(LxdSentence::Unmatched));
    QCOMPARE(made.used(), 4);
}

void TestLxdSentence::checkBrackets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addRow("empty") << "" << 2;
    QTest::addRow("no brackets") << "no key words" << 2;
    QTest::addRow("two pairs") << "The [cat] sat on the [mat]." << 1;
    QTest::addRow("empty pair") << "[]" << 1;
    QTest::addRow("opener inside a pair") << "a [b [c] d" << 1;
    QTest::addRow("nested looking") << "[[a]]" << 1;
    QTest::addRow("extra closer") << "[a]]" << 1;
    QTest::addRow("lone closers") << "a ] b ]" << 2;
    QTest::addRow("closer then opener") << "]a[" << 3;
    QTest::addRow("open at the end") << "The [cat" << 3;
    QTest::addRow("pair then open") << "[a] and [b" << 3;
}

void TestLxdSentence::checkBrackets()
{
    QFETCH(QString, text);
    QFETCH(int, status);
    QCOMPARE(LxdSentence::checkBrackets(text), status);
}

void TestLxdSentence::setText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addRow("valid") << "The [cat] sat." << 1;
    QTest::addRow("same text again") << "Old [text]." << 1;
    QTest::addRow("empty") << "" << 2;
    QTest::addRow("no key word") << "The cat sat." << 2;
    // A text with a bracket left open is kept as typed: nothing the teacher wrote is lost.
    QTest::addRow("open bracket kept") << "The [cat" << 3;
}

void TestLxdSentence::setText()
{
    QFETCH(QString, text);
    QFETCH(int, status);
    LxdSentence s;
    s.setText(QStringLiteral("Old [text]."));
    QCOMPARE(s.setText(text), status);
    QCOMPARE(s.text(), text);
    QCOMPARE(s.bracketStatus(), status);
}

void TestLxdSentence::usedCounter_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("arg");
    QTest::addColumn<int>("used");
    QTest::addRow("set negative") << 0 << "set" << -2 << -2;
    QTest::addRow("zero a count") << -3 << "zero" << 0 << 0;
    QTest::addRow("add one") << 2 << "add" << 1 << 3;
}

void TestLxdSentence::usedCounter()
{
    QFETCH(int, start);
    QFETCH(QString, op);
    QFETCH(int, arg);
    QFETCH(int, used);
    LxdSentence s;
    s.setUsed(start);
    if (op == QLatin1String("set"))
        s.setUsed(arg);
    else if (op == QLatin1String("zero"))
        s.zeroUsed();
    else
        s.addUsed(arg);
    QCOMPARE(s.used(), used);
}

void TestLxdSentence::xmlFormKeepsEscapes()
{
    QDomDocument document;
    LxdSentence sentence;
    const QString text = QStringLiteral("a \\[b\\] [c\\]d|e::f] g [h");
    sentence.setText(text);
    const QDomElement element = DomCodec::write(document, sentence);
    const QDomNodeList gaps = element.elementsByTagName(QStringLiteral("gap"));
    QCOMPARE(gaps.size(), 1);
    QCOMPARE(gaps.at(0).toElement().text(), QStringLiteral("c\\]d|e::f"));

    QCOMPARE(DomCodec::readSentence(element).text(), text);
}

QTEST_GUILESS_MAIN(TestLxdSentence)
#include "tst_lxdsentence.moc"
