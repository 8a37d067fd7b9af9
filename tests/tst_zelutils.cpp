// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modalanswerer.h"
#include "util/zelutils.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QUrl>

class TestZelUtils : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void openFileUrlForms_data();
    void openFileUrlForms();
    void openInBrowserUsesTheDesktopOpener();
    void failureIsQuietWithoutShowErrors();
    void failureShowsWarning();

private:
    QList<QUrl> opened;
    bool accept = true;
};

void TestZelUtils::init()
{
    opened.clear();
    accept = true;
    ZelUtils::setUrlOpener([this](const QUrl &url) {
        opened.append(url);
        return accept;
    });
}

void TestZelUtils::cleanupTestCase()
{
    ZelUtils::setUrlOpener(ZelUtils::UrlOpener());
}

void TestZelUtils::openFileUrlForms_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("localFile");

    QTest::newRow("unix path") << "/home/t/help/help.htm"
                               << "file:///home/t/help/help.htm"
                               << "/home/t/help/help.htm";
    // What a drive path means as a local file is the platform's business; its URL is fixed.
    QTest::newRow("drive path") << "D:/help/help.htm"
                                << "file:///D:/help/help.htm" << QString();
    QTest::newRow("blank in name") << "/tmp/my exercise.rtf"
                                   << "file:///tmp/my exercise.rtf"
                                   << "/tmp/my exercise.rtf";
    QTest::newRow("accented name") << "/tmp/\u00e9t\u00e9.htm"
                                   << "file:///tmp/\u00e9t\u00e9.htm"
                                   << "/tmp/\u00e9t\u00e9.htm";
}

void TestZelUtils::openFileUrlForms()
{
    QFETCH(QString, path);
    QFETCH(QString, url);
    QFETCH(QString, localFile);

    QVERIFY(ZelUtils::openFile(path, true));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().scheme(), QStringLiteral("file"));
    QCOMPARE(opened.first().toString(), url);
    if (!localFile.isEmpty())
        QCOMPARE(opened.first().toLocalFile(), localFile);
}

void TestZelUtils::openInBrowserUsesTheDesktopOpener()
{
    QVERIFY(ZelUtils::openInBrowser(QStringLiteral("/srv/help/help.htm"), true));
    QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("file:///srv/help/help.htm"))}));

    accept = false;
    QVERIFY(!ZelUtils::openInBrowser(QStringLiteral("/srv/help/help.htm"), false));
}

void TestZelUtils::failureIsQuietWithoutShowErrors()
{
    accept = false;
    bool boxShown = false;
    TestUtil::ModalAnswerer answerer;
    answerer.then([&boxShown](QWidget *dialog) {
        boxShown = true;
        dialog->close();
    });
    QVERIFY(!ZelUtils::openFile(QStringLiteral("/nowhere/x.htm"), false));
    QTest::qWait(300);
    QVERIFY(!boxShown);
}

void TestZelUtils::failureShowsWarning()
{
    accept = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    TestUtil::ModalAnswerer answerer;
    answerer.then([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box) {
            dialog->close();
            return;
        }
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->buttons().count());
        box->button(QMessageBox::Ok)->click();
    });
    QVERIFY(!ZelUtils::openFile(QStringLiteral("D:/help/missing.htm"), true));
    QCOMPARE(title, QStringLiteral("File open error"));
    QCOMPARE(text,
        QStringLiteral(
            "Unable to open this file:\n D:/help/missing.htm\nPlease try opening the file manually."));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, 1);
}

QTEST_MAIN(TestZelUtils)
#include "tst_zelutils.moc"
