// SPDX-License-Identifier: GPL-3.0-or-later
// The headword list kept in order edit by edit (a record moved to its place by binary search)
// against a full sort of the same texts, on random edits, through the data layer and through the
// undoable commands of the document.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdmerge.h"
#include "document/lxddocument.h"

#include <QDomDocument>
#include <QRandomGenerator>
#include <QUndoStack>
#include <QtTest>

#include <algorithm>

namespace {

// Few texts, so that equal headwords are common; capitals and a diacritic test the code-unit order.
QString randomHeadword(QRandomGenerator &random)
{
    static const QString letters = QStringLiteral("abAB\u00e4 ");
    QString text;
    const int length = 1 + random.bounded(3);
    for (int k = 0; k < length; ++k)
        text += letters.at(random.bounded(letters.size()));
    return text;
}

QStringList texts(const LxdDatabase &db)
{
    QStringList list;
    for (const LxdItem *item : db.items)
        list.append(item->headword());
    return list;
}

// Every lookup answers as a walk through the whole list would.
void checkLookups(const LxdDatabase &db, QRandomGenerator &random)
{
    for (int probe = 0; probe < 5; ++probe) {
        const QString h = randomHeadword(random);
        const int first = int(texts(db).indexOf(h));
        QCOMPARE(db.indexOfHeadword(h), first);
    }
    if (db.itemCount() > 0) {
        const int row = random.bounded(db.itemCount());
        QCOMPARE(db.indexOfItem(db.itemAt(row)), row);
    }
}

// Whether the database vouches for its order without looking: with two headwords swapped behind its
// back, one that vouches searches by halves and misses the one moved to the end; one that does not
// know looks at the whole list. Leaves the list as it was.
bool vouchesForOrder(LxdDatabase &db)
{
    const int last = db.itemCount() - 1;
    std::swap(db.items[0], db.items[last]);
    const bool vouches = db.indexOfHeadword(db.itemAt(last)->headword()) != last;
    std::swap(db.items[0], db.items[last]);
    return vouches;
}

// Incoming headwords without sentences.
struct Headwords : LxdIncoming
{
    QStringList texts;
    qsizetype headwordCount() const override { return texts.size(); }
    QStringView headword(qsizetype j) const override { return texts.at(j); }
    qsizetype sentenceCount(qsizetype) const override { return 0; }
    Sentence sentence(qsizetype, qsizetype) const override { return {}; }
};

} // namespace

class TestHeadwordOrder : public QObject
{
    Q_OBJECT

private slots:
    void dataLayerAgainstFullSort();
    void commandsAgainstFullSortAndUndo();
    void mergeKeepsOrderKnown();
};

void TestHeadwordOrder::dataLayerAgainstFullSort()
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator random(seed);
        QDomDocument dom;
        LxdDatabase db;
        // Some rounds begin with a list out of order, as a file may hold it.
        const bool unsorted = seed % 3 == 0;
        for (int k = 0; k < 30 && unsorted; ++k) {
            auto *item = new LxdItem();
            item->setHeadword(randomHeadword(random));
            db.insertItem(random.bounded(db.itemCount() + 1), item);
        }
        for (int step = 0; step < 120; ++step) {
            const int op = random.bounded(10);
            const int n = db.itemCount();
            QStringList expected = texts(db);
            if (op < 5 || n == 0) {
                const QString h = randomHeadword(random);
                db.addItem();
                db.setHeadword(db.itemCount() - 1, h);
                expected.append(h);
            } else if (op < 8) {
                const int row = random.bounded(n);
                const QString h = randomHeadword(random);
                db.setHeadword(row, h);
                if (h != expected.at(row))
                    expected[row] = h;
                else
                    expected.clear(); // the same text again: nothing is sorted
            } else {
                // Taking one out sorts nothing.
                const int row = random.bounded(n);
                expected.removeAt(row);
                db.deleteItem(row);
                QCOMPARE(texts(db), expected);
                expected.clear();
            }
            if (!expected.isEmpty()) {
                std::sort(expected.begin(), expected.end());
                QCOMPARE(texts(db), expected);
            }
            checkLookups(db, random);
        }
    }
}

void TestHeadwordOrder::commandsAgainstFullSortAndUndo()
{
    for (quint32 seed = 1; seed <= 20; ++seed) {
        QRandomGenerator random(seed);
        QDomDocument dom;
        LxdDatabase db;
        for (int k = 0; k < 20; ++k) {
            auto *item = new LxdItem();
            item->setHeadword(randomHeadword(random));
            db.insertItem(seed % 2 ? db.itemCount() : random.bounded(db.itemCount() + 1), item);
        }
        LxdDocument document(&db);
        QList<QStringList> states {texts(db)};
        for (int step = 0; step < 40; ++step) {
            const int op = random.bounded(3);
            const int n = db.itemCount();
            bool sorts = true;
            if (op == 0 || n == 0) {
                document.addHeadword(randomHeadword(random));
            } else if (op == 1) {
                sorts = document.renameHeadword(random.bounded(n), randomHeadword(random));
            } else {
                QList<int> rows;
                for (int row = 0; row < n; ++row) {
                    if (random.bounded(4) == 0)
                        rows.append(row);
                }
                document.deleteHeadwords(rows);
            }
            if (op != 2 && sorts) {
                QStringList expected = texts(db);
                std::sort(expected.begin(), expected.end());
                QCOMPARE(texts(db), expected);
            }
            checkLookups(db, random);
            states.append(texts(db));
        }
        // Undo and redo walk back and forth through exactly the same lists.
        QUndoStack *stack = document.undoStack();
        QList<QStringList> seen;
        while (stack->canUndo()) {
            seen.prepend(texts(db));
            stack->undo();
            checkLookups(db, random);
        }
        seen.prepend(texts(db));
        const qsizetype steps = seen.size();
        QCOMPARE(seen.constFirst(), states.constFirst());
        QCOMPARE(seen.constLast(), states.constLast());
        for (qsizetype k = 1; k < steps; ++k) {
            stack->redo();
            QCOMPARE(texts(db), seen.at(k));
        }
    }
}

// A merge has just put the headwords in order, so applying it leaves the order known; reverting it
// leaves it known only when the list was in order before, and lookups right either way.
void TestHeadwordOrder::mergeKeepsOrderKnown()
{
    for (const bool inOrderBefore : {true, false}) {
        LxdDatabase db;
        for (const char *text : {"b", "d", "f"}) {
            auto *item = new LxdItem();
            item->setHeadword(QLatin1String(text));
            db.insertItem(inOrderBefore ? db.itemCount() : 0, item);
        }
        const QStringList before = texts(db);
        Headwords incoming;
        incoming.texts = QStringList {"e", "a", "c"};
        LxdMerge merge(&db, incoming, LxdMergeMode::Merge);
        for (int round = 0; round < 2; ++round) {
            merge.apply();
            QCOMPARE(texts(db), (QStringList {"a", "b", "c", "d", "e", "f"}));
            QVERIFY(vouchesForOrder(db));
            merge.revert();
            QCOMPARE(texts(db), before);
            for (const QString &text : before)
                QCOMPARE(db.indexOfHeadword(text), before.indexOf(text));
            QCOMPARE(vouchesForOrder(db), inOrderBefore);
        }
    }
}

QTEST_GUILESS_MAIN(TestHeadwordOrder)
#include "tst_headwordorder.moc"
