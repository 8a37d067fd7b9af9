// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the desktop gives it: a small or scaled screen, a dark theme, a screen reader and
// the keyboard alone.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "dialogs/dlgcheckspelling.h"
#include "dialogs/dlgchoosedblang.h"
#include "dialogs/dlgeditsentence.h"
#include "dialogs/dlgfindsentences.h"
#include "dialogs/dlgimportcsv.h"
#include "dialogs/dlginteractivepage.h"
#include "dialogs/dlgrandomsentences.h"
#include "models/desktoplook.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelutils.h"

#include <QAccessible>
#include <QToolBar>
#include <QtTest>
#include <QtWidgets>

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup() { fx.cleanup(); }

    void firstWindowFitsTheScreen_data();
    void firstWindowFitsTheScreen();
    void firstWindowUnderAWindowManager_data();
    void firstWindowUnderAWindowManager();
    void statusColoursReadInLightAndDark_data();
    void statusColoursReadInLightAndDark();
    void everyControlHasAName();
    void tabOrderFollowsTheLayout();
    void movesByKeyboard();

private:
    void checkFits(QWidget *w, bool options);
    TestUtil::WindowFixture fx;
};

namespace {
// One headword with a sentence of each status: fine, no key word, a bracket left open, a slip.
const QByteArray SentencesDb = "\xEF\xBB\xBFgo&&&{0}She [went] home.&&&{0}The cat sat.&&&{0}She [went home."
                               "&&&{0}She [went:go] home.\r\n";

// The screens main() gives the offscreen platform, by name: a 1366 x 768 laptop at 100%, 125% and 150%,
// and a 1920 x 1080 one at 150%.
QScreen *screenNamed(const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(53, 53, 53));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    palette.setColor(QPalette::Text, QColor(230, 230, 230));
    palette.setColor(QPalette::Button, QColor(53, 53, 53));
    palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return palette;
}
} // namespace

void TestAccessibility::firstWindowFitsTheScreen_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("screen");
    for (const char *locale : {"C", "de_DE", "fr_FR", "es_ES"}) {
        for (const char *screen : {"laptop100", "laptop125", "laptop150", "full150"})
            QTest::addRow("%s %s", locale, screen)
                << QString::fromLatin1(locale) << QString::fromLatin1(screen);
    }
}

// On a first run the whole window, frame included, lies within the free area of the screen it
// opens on, and the seven options an exercise is made with show without scrolling.
void TestAccessibility::firstWindowFitsTheScreen()
{
    QFETCH(QString, locale);
    QFETCH(QString, screen);
    QScreen *where = screenNamed(screen);
    QVERIFY(where);
    if (screen == QLatin1String("laptop125"))
        QCOMPARE(where->availableGeometry().size(), QSize(1093, 614));
    ZelUtils::installTranslations(QLocale(locale));
    const auto restore = qScopeGuard([] { ZelUtils::installTranslations(QLocale::system()); });

    auto w = fx.window(false);
    w->setScreen(where);
    w->move(where->availableGeometry().topLeft());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->screen(), where);
    checkFits(w.get(), screen != QLatin1String("laptop150"));
}

void TestAccessibility::firstWindowUnderAWindowManager_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *locale : {"C", "de_DE", "fr_FR", "es_ES"})
        QTest::newRow(locale) << QString::fromLatin1(locale);
}

// The same on a real X server, where a window manager frames the window and keeps a panel's strip
// free (tests/under-window-manager.sh), so the frame and the free area are the desktop's own.
void TestAccessibility::firstWindowUnderAWindowManager()
{
    if (!qEnvironmentVariableIsSet("LEXIVANE_TEST_WINDOW_MANAGER"))
        QSKIP("needs an X server with a window manager: tests/under-window-manager.sh runs it");
    QFETCH(QString, locale);
    ZelUtils::installTranslations(QLocale(locale));
    const auto restore = qScopeGuard([] { ZelUtils::installTranslations(QLocale::system()); });
    auto w = fx.window(false);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTRY_VERIFY2_WITH_TIMEOUT(w->frameGeometry().height() > w->geometry().height(),
        qPrintable(QDebug::toString(w->frameGeometry()) + QDebug::toString(w->geometry())), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(w->screen()->availableGeometry().contains(w->frameGeometry()), 3000);
    QVERIFY(w->screen()->availableGeometry().height() < w->screen()->geometry().height());
    checkFits(w.get(), true);
}

// The whole window, frame included, within the free area of its screen, its foot buttons inside
// it and, where `options` is set, the seven options visible without scrolling.
void TestAccessibility::checkFits(QWidget *w, bool options)
{
    QVERIFY2(w->screen()->availableGeometry().contains(w->frameGeometry()),
        qPrintable(
            QDebug::toString(w->frameGeometry()) + QDebug::toString(w->screen()->availableGeometry())));
    for (const char *name : {"btnBackupDb", "btnQuit"}) {
        auto *button = TestUtil::child<QWidget>(w, name);
        QVERIFY(w->rect().contains(QRect(button->mapTo(w, QPoint(0, 0)), button->size())));
    }
    if (!options)
        return;
    auto *pane = TestUtil::child<QScrollArea>(w, "scaOptions");
    for (const char *name : {"chkIncludeQNums", "chkGapWords", "chkBracketWords", "chkJumbleOrder",
             "chkIncludeWordList", "chkAnswerKey", "chkShuffleWordList"}) {
        auto *box = TestUtil::child<QCheckBox>(w, name);
        const QRect inView(box->mapTo(pane->viewport(), QPoint(0, 0)), box->size());
        QVERIFY2(pane->viewport()->rect().contains(inView), name);
    }
}

void TestAccessibility::statusColoursReadInLightAndDark_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addRow("light") << false;
    QTest::addRow("dark") << true;
}

// Every sentence's text keeps 4.5:1 against its background in a light and a dark palette, the
// tints stay visible there, and so do the sentence editor's warnings.
void TestAccessibility::statusColoursReadInLightAndDark()
{
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    const auto restore = qScopeGuard([before] { QApplication::setPalette(before); });
    const QColor base = QApplication::palette().color(QPalette::Base);
    QCOMPARE(base.lightnessF() < 0.5, dark);

    auto w = fx.window(false, fx.write(QStringLiteral("go.lxv"), SentencesDb));
    LxdbSentenceTableModel *table = w->sentenceTableModel();
    table->wordSelectionChanged(w->wordListModel()->index(0, 0));
    QCOMPARE(table->rowCount(), 4);
    QSet<QRgb> tints;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QModelIndex cell = table->index(row, 2);
        // What the view paints where the model names no colour: the palette's.
        const QVariant backgroundRole = table->data(cell, Qt::BackgroundRole);
        const QVariant textRole = table->data(cell, Qt::ForegroundRole);
        const QColor background = backgroundRole.isValid() ? backgroundRole.value<QColor>() : base;
        const QColor text
            = textRole.isValid() ? textRole.value<QColor>() : QApplication::palette().color(QPalette::Text);
        QVERIFY2(DesktopLook::contrastRatio(background, text) >= 4.5, qPrintable(cell.data().toString()));
        if (row > 0)
            QVERIFY2(DesktopLook::contrastRatio(background, base) > 1.1,
                qPrintable(cell.data().toString() + QLatin1Char(' ') + background.name()));
        tints << background.rgb();
    }
    QCOMPARE(tints.size(), 4);

    auto *editor = w->findChild<DlgEditSentence *>();
    QVERIFY(editor);
    editor->setSentence(QStringLiteral("[went::go]"));
    auto *gaps = TestUtil::child<QListWidget>(editor, "lwGaps");
    QVERIFY(gaps->count() > 0);
    const QColor listBase = gaps->palette().color(QPalette::Base);
    for (int row = 0; row < gaps->count(); ++row) {
        const QColor text = gaps->item(row)->foreground().style() == Qt::NoBrush
            ? gaps->palette().color(QPalette::Text)
            : gaps->item(row)->foreground().color();
        QVERIFY2(DesktopLook::contrastRatio(listBase, text) >= 4.5, qPrintable(gaps->item(row)->text()));
    }
}

namespace {
// The controls below `top` that take the keyboard's focus and that a screen reader could not name,
// or whose tooltip it could not read.
QStringList namelessControls(QWidget *top)
{
    QStringList faults;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        // A spin box's line edit is part of the spin box, which is the control named.
        if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus || widget->window() != top
            || qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        const QString name = face ? face->text(QAccessible::Name).trimmed() : QString();
        const QString what = top->objectName() + QLatin1Char('/') + widget->objectName() + QLatin1Char(' ')
            + QLatin1String(widget->metaObject()->className());
        if (name.isEmpty())
            faults << QLatin1String("no name: ") + what;
        else if (!widget->toolTip().isEmpty() && widget->toolTip() != name
            && face->text(QAccessible::Description).isEmpty())
            faults << QLatin1String("no description: ") + what;
    }
    return faults;
}
} // namespace

// A screen reader names every control that takes the keyboard's focus, in the window and in its
// dialogs; where a tooltip says more, it reads that too.
void TestAccessibility::everyControlHasAName()
{
    auto w = fx.window(true, fx.write(QStringLiteral("go.lxv"), SentencesDb));
    QStringList faults = namelessControls(w.get());
    DlgImportCsv csv(QStringLiteral("word;sentence\ngo;She [went] home.\n"), true, w.get());
    DlgInteractivePage page(w.get());
    DlgChooseDbLang spelling(w.get());
    LxdDatabase findIn;
    LxdDocument findDocument(&findIn);
    DlgFindSentences finder(&findDocument, {}, QStringLiteral("en"), w.get());
    TestUtil::child<QAction>(w.get(), "actCheckSpelling")->trigger();
    const QList<QDialog *> dialogs {w->findChild<DlgEditSentence *>(), w->findChild<DlgRandomSentences *>(),
        &csv, &page, &spelling, &finder, w->findChild<DlgCheckSpelling *>()};
    for (QDialog *dialog : dialogs) {
        QVERIFY(dialog);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        faults << namelessControls(dialog);
        dialog->hide();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    // The two lists' arrows do different things, so their names differ too.
    QSet<QString> arrows;
    for (const char *toolbar : {"tbrDbUpDown", "tbrOutputUpDown"}) {
        for (QAction *action : TestUtil::child<QToolBar>(w.get(), toolbar)->actions())
            arrows.insert(
                TestUtil::child<QToolBar>(w.get(), toolbar)->widgetForAction(action)->accessibleName());
    }
    QCOMPARE(arrows.size(), 4);
}

// Tab goes through the window as it reads: the headwords with their buttons, the sentences with
// theirs, the options, the output list with its buttons, then the foot of the window.
void TestAccessibility::tabOrderFollowsTheLayout()
{
    auto w = fx.window(true, fx.write(QStringLiteral("go.lxv"), SentencesDb));
    const QStringList expected {QStringLiteral("lvWords"), QStringLiteral("btnAddWord"),
        QStringLiteral("tvSentences"), QStringLiteral("btnAddSentence"), QStringLiteral("chkIncludeQNums"),
        QStringLiteral("chkAnswerKey"), QStringLiteral("ledExerciseTitle"), QStringLiteral("lwOutput"),
        QStringLiteral("btnBackupDb"), QStringLiteral("btnQuit")};
    // A headword chosen, so that its sentences' buttons can take the focus too.
    auto *start = TestUtil::child<QListView>(w.get(), "lvWords");
    QTest::mouseClick(
        start->viewport(), Qt::LeftButton, {}, start->visualRect(start->model()->index(0, 0)).center());
    QTRY_COMPARE(QApplication::focusWidget(), start);
    QStringList visited {start->objectName()};
    for (int k = 0; k < 200; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        if (name == start->objectName())
            break;
        visited << name;
    }
    QStringList order;
    for (const QString &name : std::as_const(visited)) {
        if (expected.contains(name) && !order.contains(name))
            order << name;
    }
    QVERIFY2(order == expected, qPrintable(visited.join(QLatin1Char(' '))));
}

// The arrows beside the sentences and the output list have keys: Alt+Down and Alt+Up in the list.
void TestAccessibility::movesByKeyboard()
{
    auto w = fx.window(true, fx.write(QStringLiteral("go.lxv"), SentencesDb));
    auto *words = TestUtil::child<QListView>(w.get(), "lvWords");
    words->setCurrentIndex(words->model()->index(0, 0));
    auto *table = TestUtil::child<QTableView>(w.get(), "tvSentences");
    QCOMPARE(table->model()->rowCount(), 4);
    const auto text = [table](int row) { return table->model()->index(row, 2).data().toString(); };
    const QString first = text(0);
    table->setFocus();
    table->selectRow(0);
    QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(text(1), first);
    QTest::keyClick(table, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(text(0), first);
}

int main(int argc, char *argv[])
{
    // Four screens side by side, the scale of each set by its dots per inch as a desktop scales.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "laptop100", "x": 0, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "laptop125", "x": 1366, "y": 0, "width": 1366, "height": 768, "logicalDpi": 120, "logicalBaseDpi": 96},
        {"name": "laptop150", "x": 2732, "y": 0, "width": 1366, "height": 768, "logicalDpi": 144, "logicalBaseDpi": 96},
        {"name": "full150", "x": 4098, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 144, "logicalBaseDpi": 96}
    ]})");
    file.close();
    if (!qEnvironmentVariableIsSet("LEXIVANE_TEST_WINDOW_MANAGER"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TestAccessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
