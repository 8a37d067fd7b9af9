// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelbusycursor.h"

#include <QTest>

#include <stdexcept>

class TestZelBusyCursor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void showsWaitCursorForItsLifetime();
    void restoredWhenAnExceptionLeaves();
    void releaseIsFinal();
    void pauseRestoresAroundAQuestion();
    void pauseAfterReleaseLeavesCursorOff();
    void keepsACallersCursor();

private:
    static int depth();
    static bool waiting();
};

// How many override cursors are stacked.
int TestZelBusyCursor::depth()
{
    int n = 0;
    QList<QCursor> stack;
    while (const QCursor *cursor = QApplication::overrideCursor()) {
        stack.prepend(*cursor);
        QApplication::restoreOverrideCursor();
        ++n;
    }
    for (const QCursor &cursor : std::as_const(stack))
        QApplication::setOverrideCursor(cursor);
    return n;
}

bool TestZelBusyCursor::waiting()
{
    const QCursor *cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

void TestZelBusyCursor::cleanup()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TestZelBusyCursor::showsWaitCursorForItsLifetime()
{
    {
        ZelBusyCursor busy;
        QVERIFY(waiting());
        QVERIFY(busy.isActive());
    }
    QCOMPARE(depth(), 0);
}

void TestZelBusyCursor::restoredWhenAnExceptionLeaves()
{
    try {
        ZelBusyCursor busy;
        ZelBusyCursor::Pause pause(busy);
        busy.resume(); // a pause ended early by hand must not show the cursor twice
        throw std::runtime_error("read error");
    } catch (const std::exception &) { }
    QCOMPARE(depth(), 0);
}

void TestZelBusyCursor::releaseIsFinal()
{
    ZelBusyCursor busy;
    busy.release();
    busy.release();
    QCOMPARE(depth(), 0);
    QVERIFY(!busy.isActive());
    busy.resume();
    busy.resume();
    QCOMPARE(depth(), 1);
}

void TestZelBusyCursor::pauseRestoresAroundAQuestion()
{
    ZelBusyCursor busy;
    {
        ZelBusyCursor::Pause pause(busy);
        QCOMPARE(depth(), 0);
        {
            ZelBusyCursor::Pause nested(busy);
            QCOMPARE(depth(), 0);
        }
        QCOMPARE(depth(), 0);
    }
    QCOMPARE(depth(), 1);
    QVERIFY(waiting());
}

void TestZelBusyCursor::pauseAfterReleaseLeavesCursorOff()
{
    ZelBusyCursor busy;
    busy.release();
    {
        ZelBusyCursor::Pause pause(busy);
    }
    QCOMPARE(depth(), 0);
}

void TestZelBusyCursor::keepsACallersCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    {
        ZelBusyCursor busy;
        QVERIFY(waiting());
        ZelBusyCursor::Pause pause(busy);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    }
    QCOMPARE(depth(), 1);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
}

QTEST_MAIN(TestZelBusyCursor)
#include "tst_zelbusycursor.moc"
