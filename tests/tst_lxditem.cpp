// SPDX-License-Identifier: GPL-3.0-or-later
// The headword record: its text, its owned and ordered sentences and the search inside them.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "support/dbfixtures.h"

#include <QtTest>

namespace {

using DbFixtures::WatchedText;

// The texts A, B and C, watched.
const QList<WatchedText> &abc()
{
    static const QList<WatchedText> texts {
        WatchedText(QStringLiteral("A")), WatchedText(QStringLiteral("B")), WatchedText(QStringLiteral("C"))};
    return texts;
}

// A free-standing headword "cat" with the sentences A, B, C.
void fillAbc(LxdItem &item)
{
    item.setHeadword(QStringLiteral("cat"));
    for (const WatchedText &text : abc())
        item.sentences.append(text.sentence());
}

QStringList texts(const LxdItem &item)
{
    QStringList out;
    for (int i = 0; i < item.sentenceCount(); ++i)
        out << item.sentenceAt(i)->text();
    return out;
}

} // namespace

class TestLxdItem : public QObject
{
    Q_OBJECT

private slots:
    void setHeadword_data();
    void setHeadword();
    void setHeadwordSortsItsDatabase();
    void addSentence();
    void moveSentence_data();
    void moveSentence();
    void deleteSentence_data();
    void deleteSentence();
    void clearing();
    void ownsSentencesHandedOver();
    void findText_data();
    void findText();
};

void TestLxdItem::setHeadword_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("changed");
    QTest::addRow("empty refused") << "" << false;
    QTest::addRow("same text refused") << "cat" << false;
    QTest::addRow("case counts") << "Cat" << true;
    QTest::addRow("spaces kept") << " dog " << true;
}

void TestLxdItem::setHeadword()
{
    QFETCH(QString, text);
    QFETCH(bool, changed);
    LxdItem item;
    fillAbc(item);
    QCOMPARE(item.setHeadword(text), changed);
    QCOMPARE(item.headword(), changed ? text : QStringLiteral("cat"));
}

void TestLxdItem::setHeadwordSortsItsDatabase()
{
    LxdDatabase db;
    LxdItem *apple = DbFixtures::addHeadword(db, QStringLiteral("apple"));
    DbFixtures::addHeadword(db, QStringLiteral("banana"));
    db.setModified(false);
    QVERIFY(apple->setHeadword(QStringLiteral("zebra")));
    QCOMPARE(db.itemAt(1), apple);
    QCOMPARE(db.headword(0), QStringLiteral("banana"));
    QVERIFY(db.isModified());
}

void TestLxdItem::addSentence()
{
    LxdDatabase db;
    LxdItem *item = DbFixtures::addHeadword(db, QStringLiteral("cat"));
    fillAbc(*item);
    db.setModified(false);
    LxdSentence *s = item->addSentence();
    QCOMPARE(item->sentenceAt(3), s);
    QCOMPARE(item->sentenceAt(4), nullptr);
    QCOMPARE(item->sentenceAt(-1), nullptr);
    QVERIFY(db.isModified());
}

void TestLxdItem::moveSentence_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("order"); // empty: refused, nothing changes
    QTest::addRow("first to last") << 0 << 2 << QStringList {"B", "C", "A"};
    QTest::addRow("last to first") << 2 << 0 << QStringList {"C", "A", "B"};
    QTest::addRow("to the count") << 0 << 3 << QStringList();
    QTest::addRow("from the count") << 3 << 0 << QStringList();
    QTest::addRow("negative") << -1 << 0 << QStringList();
}

void TestLxdItem::moveSentence()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, order);
    LxdItem item;
    fillAbc(item);
    const bool moved = !order.isEmpty();
    QCOMPARE(item.moveSentence(from, to), moved);
    QCOMPARE(texts(item), (moved ? order : QStringList {"A", "B", "C"}));
}

void TestLxdItem::deleteSentence_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("left"); // empty: refused
    QTest::addRow("first") << 0 << QStringList {"B", "C"};
    QTest::addRow("last") << 2 << QStringList {"A", "B"};
    QTest::addRow("at the count") << 3 << QStringList();
    QTest::addRow("negative") << -1 << QStringList();
}

void TestLxdItem::deleteSentence()
{
    QFETCH(int, position);
    QFETCH(QStringList, left);
    LxdItem item;
    fillAbc(item);
    const bool deleted = !left.isEmpty();
    QCOMPARE(item.deleteSentence(position), deleted);
    QCOMPARE(texts(item), (deleted ? left : QStringList {"A", "B", "C"}));
    if (deleted)
        QVERIFY(abc().at(position).released());
}

void TestLxdItem::clearing()
{
    LxdItem item;
    fillAbc(item);
    item.clearSentences();
    QVERIFY(abc().at(0).released() && abc().at(2).released());
    QCOMPARE(item.sentenceCount(), 0);
    QCOMPARE(item.headword(), QStringLiteral("cat"));

    item.addSentence();
    item.clear();
    QCOMPARE(item.sentenceCount(), 0);
    QCOMPARE(item.headword(), QString());
}

// The readers append their sentences to the list themselves; the headword lets them go as it
// lets its own go.
void TestLxdItem::ownsSentencesHandedOver()
{
    auto *item = new LxdItem;
    item->sentences << abc().at(0).sentence() << abc().at(1).sentence();
    item->addSentence();
    QVERIFY(!abc().at(1).released());
    QVERIFY(item->deleteSentence(0));
    QVERIFY(abc().at(0).released());
    delete item;
    QVERIFY(abc().at(1).released());
}

void TestLxdItem::findText_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("found");
    QTest::addRow("all sentences") << "cat" << -1 << 0;
    QTest::addRow("after the first hit") << "cat" << 0 << 2;
    QTest::addRow("after the last hit") << "cat" << 2 << -1;
    QTest::addRow("only match before") << "sat" << 0 << -1;
    QTest::addRow("brackets are text") << "G]" << -1 << 1;
    QTest::addRow("non-ASCII case") << QString::fromUtf8("ÄPFEL") << -1 << 1;
    QTest::addRow("after beyond the end") << "cat" << 7 << -1;
}

void TestLxdItem::findText()
{
    QFETCH(QString, needle);
    QFETCH(int, after);
    QFETCH(int, found);
    LxdItem item;
    for (const char *text : {"The [cat] sat", "a [dog] ate äpfel", "my CAT"})
        item.addSentence()->setText(QString::fromUtf8(text));
    QCOMPARE(item.findText(needle, after), found);
}

QTEST_GUILESS_MAIN(TestLxdItem)
#include "tst_lxditem.moc"
