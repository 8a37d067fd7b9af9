// SPDX-License-Identifier: GPL-3.0-or-later
// The sentence record: the bracket rules, storing a text, gapping, the used counter and the
// modified flag that rises to the headword and the database.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"

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
    void modifiedRises_data();
    void modifiedRises();
    void clearingTheFlagGoesDownOnly();
};

void TestLxdSentence::freshSentence()
{
    LxdSentence s;
    QVERIFY(!s.text().isNull() && s.text().isEmpty());
    QCOMPARE(s.used(), 0);
    QCOMPARE(s.bracketStatus(), int(LxdSentence::Unchecked));
    QVERIFY(!s.isModified());
    QVERIFY(s.toDomElement().isNull()); // no document to build in
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
    s.setModified(false);
    QCOMPARE(s.setText(text), status);
    QCOMPARE(s.text(), text);
    QCOMPARE(s.bracketStatus(), status);
    QVERIFY(s.isModified()); // always, also when nothing changed
}

void TestLxdSentence::usedCounter_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("arg");
    QTest::addColumn<int>("used");
    QTest::addColumn<bool>("modified");
    QTest::addRow("set new value") << 0 << "set" << 3 << 3 << true;
    QTest::addRow("set same value") << 5 << "set" << 5 << 5 << false;
    QTest::addRow("set negative") << 0 << "set" << -2 << -2 << true;
    QTest::addRow("zero a count") << -3 << "zero" << 0 << 0 << true;
    QTest::addRow("zero a zero") << 0 << "zero" << 0 << 0 << false;
    QTest::addRow("add one") << 2 << "add" << 1 << 3 << true;
    QTest::addRow("add nothing") << 2 << "add" << 0 << 2 << false;
}

void TestLxdSentence::usedCounter()
{
    QFETCH(int, start);
    QFETCH(QString, op);
    QFETCH(int, arg);
    QFETCH(int, used);
    QFETCH(bool, modified);
    LxdSentence s;
    s.setUsed(start);
    s.setModified(false);
    if (op == QLatin1String("set"))
        s.setUsed(arg);
    else if (op == QLatin1String("zero"))
        s.zeroUsed();
    else
        s.addUsed(arg);
    QCOMPARE(s.used(), used);
    QCOMPARE(s.isModified(), modified);
}

void TestLxdSentence::xmlFormKeepsEscapes()
{
    QDomDocument document;
    LxdSentence sentence(&document, nullptr);
    const QString text = QStringLiteral("a \\[b\\] [c\\]d|e::f] g [h");
    sentence.setText(text);
    const QDomElement element = sentence.toDomElement();
    const QDomNodeList gaps = element.elementsByTagName(QStringLiteral("gap"));
    QCOMPARE(gaps.size(), 1);
    QCOMPARE(gaps.at(0).toElement().text(), QStringLiteral("c\\]d|e::f"));

    LxdSentence back(&document, nullptr);
    back.fromDomElement(element);
    QCOMPARE(back.text(), text);
}

// A sentence in a headword in a database, all flags clear; one operation on that sentence.
void TestLxdSentence::modifiedRises_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("modified");
    QTest::addRow("setText same text") << "setText" << true;
    QTest::addRow("setText open bracket") << "setTextOpen" << true;
    QTest::addRow("setUsed same count") << "setUsedSame" << false;
    QTest::addRow("addUsed 1") << "addUsed" << true;
    QTest::addRow("setModified true") << "mark" << true;
}

void TestLxdSentence::modifiedRises()
{
    QFETCH(QString, op);
    QFETCH(bool, modified);
    LxdDatabase db;
    LxdItem *item = db.addItem();
    item->setHeadword(QStringLiteral("cat"));
    LxdSentence *s = item->addSentence();
    LxdSentence *other = item->addSentence();
    s->setText(QStringLiteral("The [cat]."));
    db.setModified(false);

    if (op == QLatin1String("setText"))
        s->setText(QStringLiteral("The [cat]."));
    else if (op == QLatin1String("setTextOpen"))
        s->setText(QStringLiteral("The [cat"));
    else if (op == QLatin1String("setUsedSame"))
        s->setUsed(0);
    else if (op == QLatin1String("addUsed"))
        s->addUsed(1);
    else
        s->setModified(true);
    QCOMPARE(s->isModified(), modified);
    QCOMPARE(item->isModified(), modified);
    QCOMPARE(db.isModified(), modified);
    QVERIFY(!other->isModified());
}

void TestLxdSentence::clearingTheFlagGoesDownOnly()
{
    LxdDatabase db;
    LxdItem *item = db.addItem();
    item->setHeadword(QStringLiteral("cat"));
    LxdSentence *a = item->addSentence();
    LxdSentence *b = item->addSentence();
    a->setText(QStringLiteral("A [x]"));
    b->setText(QStringLiteral("B [y]"));

    a->setModified(false);
    QVERIFY(!a->isModified() && b->isModified() && item->isModified() && db.isModified());
    item->setModified(false);
    QVERIFY(!b->isModified() && !item->isModified() && db.isModified());
    b->setText(QStringLiteral("B [z]"));
    db.setModified(false);
    QVERIFY(!a->isModified() && !b->isModified() && !item->isModified() && !db.isModified());
    db.setModified(true); // not passed down
    QVERIFY(!item->isModified() && !a->isModified());
}

QTEST_GUILESS_MAIN(TestLxdSentence)
#include "tst_lxdsentence.moc"
