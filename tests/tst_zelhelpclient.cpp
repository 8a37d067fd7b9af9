// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelhelpclient.h"
#include "util/zelutils.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A window that notes which keys reach it after the help client has had its look.
class KeyWindow : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys.append(event->key()); }
};

} // namespace

class TestZelHelpClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void helpKeys_data();
    void helpKeys();
    void otherKeysPassThrough();
    void childOfMappedControlGetsStartPage();
    void pagesAreReplaced();

private:
    QString pageOpened() const;

    QList<QUrl> opened;
    KeyWindow *window = nullptr;
    QPushButton *mapped = nullptr;
    QPushButton *unmapped = nullptr;
    QWidget *box = nullptr;
    QLineEdit *insideBox = nullptr;
};

void TestZelHelpClient::initTestCase()
{
    ZelUtils::setUrlOpener([this](const QUrl &url) {
        opened.append(url);
        return true;
    });
}

void TestZelHelpClient::init()
{
    opened.clear();
    window = new KeyWindow;
    auto *layout = new QVBoxLayout(window);
    mapped = new QPushButton(QStringLiteral("Mapped"), window);
    unmapped = new QPushButton(QStringLiteral("Unmapped"), window);
    box = new QWidget(window);
    box->setFocusPolicy(Qt::StrongFocus);
    insideBox = new QLineEdit(box);
    layout->addWidget(mapped);
    layout->addWidget(unmapped);
    layout->addWidget(box);

    auto *client = new ZelHelpClient(window);
    client->setHelpPages(
        {{mapped, QStringLiteral("lxv_main_mapped.htm")}, {box, QStringLiteral("lxv_main_box.htm")}});
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestZelHelpClient::cleanup()
{
    delete window;
    window = nullptr;
}

QString TestZelHelpClient::pageOpened() const
{
    if (opened.count() != 1)
        return QStringLiteral("%1 pages opened").arg(opened.count());
    const QString file = opened.first().toLocalFile();
    if (file != ZelUtils::dataPath(QLatin1String("help/") + file.section(QLatin1Char('/'), -1)))
        return QStringLiteral("not in the help folder: ") + file;
    return file.section(QLatin1Char('/'), -1);
}

void TestZelHelpClient::helpKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("onMapped");
    QTest::addColumn<QString>("page");
    QTest::newRow("F1 on mapped") << int(Qt::Key_F1) << int(Qt::NoModifier) << true << "lxv_main_mapped.htm";
    QTest::newRow("F1 on unmapped") << int(Qt::Key_F1) << int(Qt::NoModifier) << false << "help.htm";
    QTest::newRow("Help key on mapped")
        << int(Qt::Key_Help) << int(Qt::NoModifier) << true << "lxv_main_mapped.htm";
    QTest::newRow("Shift+F1 on mapped")
        << int(Qt::Key_F1) << int(Qt::ShiftModifier) << true << "lxv_main_mapped.htm";
}

void TestZelHelpClient::helpKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, onMapped);
    QFETCH(QString, page);

    QWidget *target = onMapped ? mapped : unmapped;
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(pageOpened(), page);
    // The key press is used up (QTest presses the modifier keys on their own, and those go through).
    QVERIFY(!window->keys.contains(key));
}

void TestZelHelpClient::otherKeysPassThrough()
{
    mapped->setFocus();
    QTest::keyClick(mapped, Qt::Key_F2);
    QVERIFY(opened.isEmpty());
    QCOMPARE(window->keys, QList<int>({Qt::Key_F2}));
}

void TestZelHelpClient::childOfMappedControlGetsStartPage()
{
    insideBox->setFocus();
    QTest::keyClick(insideBox, Qt::Key_F1);
    QCOMPARE(pageOpened(), QStringLiteral("help.htm"));

    opened.clear();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F1);
    QCOMPARE(pageOpened(), QStringLiteral("lxv_main_box.htm"));
}

void TestZelHelpClient::pagesAreReplaced()
{
    auto *client = window->findChild<ZelHelpClient *>();
    client->setHelpPages({{unmapped, QStringLiteral("lxv_main_other.htm")}});
    mapped->setFocus();
    QTest::keyClick(mapped, Qt::Key_F1);
    QCOMPARE(pageOpened(), QStringLiteral("help.htm"));
    opened.clear();
    unmapped->setFocus();
    QTest::keyClick(unmapped, Qt::Key_F1);
    QCOMPARE(pageOpened(), QStringLiteral("lxv_main_other.htm"));
}

QTEST_MAIN(TestZelHelpClient)
#include "tst_zelhelpclient.moc"
