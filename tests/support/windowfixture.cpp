// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowfixture.h"

#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "support/testutil.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QApplication>
#include <QResource>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace TestUtil {

void WindowFixture::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    ZelUtils::setApplicationIdentity();
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));
    ZelUtils::setUrlOpener([this](const QUrl &url) {
        opened.append(url);
        return true;
    });
}

void WindowFixture::init(bool firstRun)
{
    QSettings settings;
    settings.clear();
    if (!firstRun)
        settings.setValue(QStringLiteral("application/firstRun"), false);
    settings.sync();
    opened.clear();
    resetHooks();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void WindowFixture::cleanup()
{
    if (m_boxes) {
        QVERIFY2(
            m_boxes->unexpected().isEmpty(), qPrintable(m_boxes->unexpected().join(QLatin1String("; "))));
        QCOMPARE(m_boxes->pending(), 0);
    }
    if (m_dialogs) {
        QVERIFY2(
            m_dialogs->unexpected().isEmpty(), qPrintable(m_dialogs->unexpected().join(QLatin1String("; "))));
        QCOMPARE(m_dialogs->pending(), 0);
    }
    m_boxes.reset();
    m_dialogs.reset();
    QCOMPARE(ZelFileDialog::pendingFileNames(), 0);
    QVERIFY2(!QApplication::overrideCursor(), "the busy cursor was left on");
    resetHooks();
    dir.reset();
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), widget->metaObject()->className());
}

std::unique_ptr<MainWindow> WindowFixture::window(bool show, const QString &database)
{
    auto w = std::make_unique<MainWindow>();
    if (!database.isEmpty()) {
        LxdDatabase *db = w->findChild<LxdDatabase *>();
        if (!db || !db->loadText(database))
            qFatal("cannot read %s", qPrintable(database));
        db->setModified(false);
    }
    if (show) {
        w->resize(1100, 800);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("the window was not exposed");
    }
    return w;
}

QString WindowFixture::write(const QString &name, const QByteArray &bytes) const
{
    return writeFile(*dir, name, bytes);
}

BoxAnswerer &WindowFixture::boxes()
{
    if (!m_boxes)
        m_boxes = std::make_unique<BoxAnswerer>();
    return *m_boxes;
}

ModalAnswerer &WindowFixture::dialogs()
{
    if (!m_dialogs)
        m_dialogs = std::make_unique<ModalAnswerer>();
    return *m_dialogs;
}

ModalAnswerer &WindowFixture::nextDialogs()
{
    if (m_dialogs && (!m_dialogs->unexpected().isEmpty() || m_dialogs->pending() > 0))
        QTest::qFail("a dialog came unexpected, or an expected one did not come", __FILE__, __LINE__);
    m_dialogs.reset();
    return dialogs();
}

BoxAnswerer &WindowFixture::nextBoxes()
{
    if (m_boxes && (!m_boxes->unexpected().isEmpty() || m_boxes->pending() > 0))
        QTest::qFail("a box came unexpected, or an expected one did not come", __FILE__, __LINE__);
    m_boxes.reset();
    return boxes();
}

} // namespace TestUtil
