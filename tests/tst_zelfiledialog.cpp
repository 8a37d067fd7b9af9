// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelfiledialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestZelFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { ZelFileDialog::reset(); }

    void queuedNamesAnswerInOrder();
    void recordsWhatWasAskedFor();
    void withoutQueuedNameTheRealDialogComesUp();
};

void TestZelFileDialog::queuedNamesAnswerInOrder()
{
    ZelFileDialog::setNextFileName(QStringLiteral("/a.lxv"));
    ZelFileDialog::setNextFileName(QString());
    ZelFileDialog::setNextFileName(QStringLiteral("/c.xml"));
    QCOMPARE(ZelFileDialog::pendingFileNames(), 3);
    QCOMPARE(
        ZelFileDialog::getOpenFileName(nullptr, QString(), QString(), QString()), QStringLiteral("/a.lxv"));
    QCOMPARE(ZelFileDialog::getSaveFileName(nullptr, QString(), QString(), QString()), QString());
    QCOMPARE(
        ZelFileDialog::getSaveFileName(nullptr, QString(), QString(), QString()), QStringLiteral("/c.xml"));
    QCOMPARE(ZelFileDialog::pendingFileNames(), 0);
    QCOMPARE(ZelFileDialog::requestCount(), 3);
    ZelFileDialog::reset();
    QCOMPARE(ZelFileDialog::requestCount(), 0);
}

void TestZelFileDialog::recordsWhatWasAskedFor()
{
    ZelFileDialog::setNextFileName(QStringLiteral("/x"));
    ZelFileDialog::setNextFileName(QStringLiteral("/y"));
    ZelFileDialog::getSaveFileName(
        nullptr, QStringLiteral("Save it"), QStringLiteral("/home"), QStringLiteral("A (*.a)"));
    ZelFileDialog::Request r = ZelFileDialog::lastRequest();
    QCOMPARE(r.kind, ZelFileDialog::Save);
    QCOMPARE(r.caption, QStringLiteral("Save it"));
    QCOMPARE(r.dir, QStringLiteral("/home"));
    QCOMPARE(r.filter, QStringLiteral("A (*.a)"));
    ZelFileDialog::getOpenFileName(
        nullptr, QStringLiteral("Open it"), QStringLiteral("/tmp"), QStringLiteral("B (*.b)"));
    r = ZelFileDialog::lastRequest();
    QCOMPARE(r.kind, ZelFileDialog::Open);
    QCOMPARE(r.caption, QStringLiteral("Open it"));
}

void TestZelFileDialog::withoutQueuedNameTheRealDialogComesUp()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString wanted = dir.filePath(QStringLiteral("picked.lxv"));
    QString caption;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        caption = dialog->windowTitle();
        dialog->selectFile(wanted);
        static_cast<QDialog *>(dialog)->accept();
    });
    const QString answer = ZelFileDialog::getSaveFileName(
        nullptr, QStringLiteral("Save database file"), dir.path(), QStringLiteral("Databases (*.lxv)"));
    QCOMPARE(caption, QStringLiteral("Save database file"));
    QCOMPARE(answer, wanted);
    QCOMPARE(ZelFileDialog::requestCount(), 1);
}

QTEST_MAIN(TestZelFileDialog)
#include "tst_zelfiledialog.moc"
