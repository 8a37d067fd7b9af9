// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "dialogs/dlgchoosedblang.h"
#include "document/lxddocument.h"
#include "exercise/exercisemodel.h"
#include "exercise/interactivepage.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelconfirm.h"
#include "util/zelutils.h"

#include <QDomDocument>
#include <QtTest>
#include <QtWidgets>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup() { fx.cleanup(); }
    void cleanupTestCase();

    void windowSpeaksTheDesktopsLanguage();
    void localePicksTranslation_data();
    void localePicksTranslation();
    void windowFitsSmallScreens_data();
    void windowFitsSmallScreens();
    void windowFitsLaptopScreens_data();
    void windowFitsLaptopScreens();
    void translationsKeepMarkersAndLayout_data();
    void translationsKeepMarkersAndLayout();

private:
    TestUtil::WindowFixture fx;
};

namespace {

QString cancelButtonText()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text();
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message message;
            message.context = context;
            messages.append(message);
        } else if (xml.name() == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

// What a translation has to keep from its source text: the placeholders, whether there is an
// accelerator, and the blanks and line ends at either end.
QString markers(const QString &text)
{
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const QRegularExpressionMatch &m : placeholder.globalMatch(text))
        found << m.captured();
    found.sort();
    QString plain = text;
    plain.remove(QLatin1String("&&"));
    found << QString::number(plain.count(QLatin1Char('&')));
    static const QRegularExpression ends(
        QStringLiteral("^(\\s*).*?(\\s*)$"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch edge = ends.match(text);
    found << edge.captured(1).toUtf8().toHex() << edge.captured(2).toUtf8().toHex();
    return found.join(QLatin1Char(' '));
}

} // namespace

void TestTranslations::cleanupTestCase()
{
    QCOMPARE(ZelUtils::installTranslations(QLocale::c()), QString());
}

void TestTranslations::windowSpeaksTheDesktopsLanguage()
{
    // main() below gave this process the environment of a German desktop, and the program asks
    // the system locale just as here.
    QVERIFY(ZelUtils::installTranslations(QLocale::system()).startsWith(QLatin1String("de")));

    MainWindow window;
    QStringList menus;
    for (QAction *menu : window.menuBar()->actions())
        menus << menu->text();
    QCOMPARE(
        menus, QStringList({"&Datei", "&Bearbeiten", "&Wörter", "S&ätze", "S&uchen", "&Ausgabe", "&Hilfe"}));
    QCOMPARE(window.findChild<QPushButton *>("btnAddWord")->text(), QString("Neues Wort"));
    QVERIFY(window.findChild<QLabel *>("lblWords")->text().startsWith(QString("Wörter")));

    // The undo entry names its step as German puts it.
    auto *undo = window.findChild<QAction *>("actEditUndo");
    QCOMPARE(undo->text(), QString("&Rückgängig"));
    window.findChild<LxdDocument *>("doc")->addHeadword(QString("Zebra"));
    QCOMPARE(undo->text(), QString("&Rückgängig: Stichwort hinzufügen"));

    DlgChooseDbLang spelling(&window);
    QCOMPARE(spelling.windowTitle(), QString("Bevorzugte Schreibweise wählen"));

    // The question boxes: the program's informative text and Qt's own buttons both in German.
    QString informative;
    QString cancel;
    ZelConfirm::setRunner([&](QMessageBox &box) {
        informative = box.informativeText();
        cancel = box.button(QMessageBox::Cancel)->text();
        return int(QMessageBox::Cancel);
    });
    QVERIFY(!ZelConfirm::ask(QString("t"), QString("x")));
    ZelConfirm::setRunner({});
    QCOMPARE(informative, QString("Möchten Sie das wirklich tun?"));
    QCOMPARE(cancel, QString("Abbrechen"));

    // Closing with unsaved changes asks under a title that says what the question is about.
    fx.boxes().press(QMessageBox::Cancel);
    window.close();
    QCOMPARE(
        fx.boxes().seen().value(0).section(QLatin1Char('|'), 0, 0), QString("Ungespeicherte Änderungen"));
}

void TestTranslations::localePicksTranslation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("cancel");

    QTest::addRow("German, Austria") << "de_AT"
                                     << "&Datei"
                                     << "Abbrechen";
    QTest::addRow("French") << "fr_FR"
                            << "&Fichier"
                            << "Annuler";
    QTest::addRow("Spanish, Mexico") << "es_MX"
                                     << "&Archivo"
                                     << "Cancelar";
    QTest::addRow("English, US") << "en_US"
                                 << "&File"
                                 << "Cancel";
    QTest::addRow("English, UK") << "en_GB"
                                 << "&File"
                                 << "Cancel";
    QTest::addRow("C") << "C"
                       << "&File"
                       << "Cancel";
    // Not translated: the program's English, and not Qt's Italian buttons beside it.
    QTest::addRow("Italian") << "it_IT"
                             << "&File"
                             << "Cancel";
}

void TestTranslations::localePicksTranslation()
{
    QFETCH(QString, locale);
    QFETCH(QString, fileMenu);
    QFETCH(QString, cancel);

    ZelUtils::installTranslations(QLocale(locale));
    QCOMPARE(MainWindow::tr("&File"), fileMenu);
    QCOMPARE(cancelButtonText(), cancel);

    // An undo step is named in the language installed last, though the names are not looked up anew
    // for every step.
    QDomDocument dom;
    LxdDatabase db;
    LxdDocument doc(&db);
    doc.addHeadword(QStringLiteral("Zebra"));
    QCOMPARE(doc.undoStack()->undoText(), QCoreApplication::translate("LxdEditCommand", "Add Headword"));

    // The web page a pupil opens names its language and speaks it without JavaScript too.
    const QByteArray page = InteractivePage::render(
        ExerciseModelBuilder::build({QStringLiteral("A [cat].")}, ExerciseOptions(), 1),
        InteractivePageSettings(),
        TestUtil::readFile(TestUtil::sourcePath(QStringLiteral("share/templates/interactive_exercise.html"))))
                                .value_or(QByteArray());
    const QString language = fileMenu == QLatin1String("&File") ? QStringLiteral("en") : locale.left(2);
    QVERIFY(page.contains("<html lang=\"" + language.toUtf8() + "\">"));
    const bool english = page.contains("This exercise checks your answers with JavaScript.");
    QCOMPARE(english, language == QLatin1String("en"));
    QVERIFY(page.contains("<noscript><p>") && !page.contains("[strNoScript]"));
}

void TestTranslations::windowFitsSmallScreens_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *locale : {"C", "de_DE", "fr_FR", "es_ES"})
        QTest::addRow("%s", locale) << QString::fromLatin1(locale);
}

// In every language the window fits a 1024-pixel classroom projector with every button's label whole
// (the export buttons take a second row there), and on a wide screen the export buttons stay one row.
void TestTranslations::windowFitsSmallScreens()
{
    QFETCH(QString, locale);
    ZelUtils::installTranslations(QLocale(locale));
    for (const int width : {1024, 1600}) {
        MainWindow window;
        window.resize(width, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(width, 700));
        QList<QRect> exportRects;
        QList<QAbstractButton *> buttons;
        for (QPushButton *button : window.findChildren<QPushButton *>())
            buttons << button;
        for (QCheckBox *box : window.findChildren<QCheckBox *>())
            buttons << box;
        for (const QAbstractButton *button : std::as_const(buttons)) {
            if (!button->isVisible())
                continue;
            const QRect rect(button->mapTo(&window, QPoint(0, 0)), button->size());
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            QVERIFY2(button->height() >= button->sizeHint().height(), qPrintable(button->text()));
            QVERIFY2(window.rect().contains(rect), qPrintable(button->text()));
            if (button->objectName().startsWith(QLatin1String("btnExport"))
                || button->objectName() == "btnPrint")
                exportRects << rect;
        }
        QCOMPARE(exportRects.size(), 11);
        QSet<int> rows;
        for (qsizetype i = 0; i < exportRects.size(); ++i) {
            rows << exportRects.at(i).top();
            for (qsizetype j = i + 1; j < exportRects.size(); ++j)
                QVERIFY(!exportRects.at(i).intersects(exportRects.at(j)));
        }
        QCOMPARE(rows.size(), width < 1200 ? 2 : 1);
    }
    ZelUtils::installTranslations(QLocale::system());
}

void TestTranslations::windowFitsLaptopScreens_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qreal>("fontScale");
    for (const char *locale : {"C", "de_DE", "fr_FR", "es_ES"}) {
        QTest::addRow("%s, desktop scaled 125%%", locale) << QString::fromLatin1(locale) << 1.0;
        QTest::addRow("%s, fonts at 125%%", locale) << QString::fromLatin1(locale) << 1.25;
    }
}

// A 1366 x 768 laptop at 125% (the whole desktop scaled, or only its fonts) and a 1280 x 720 screen
// at 100% hold the window at its least size, less a title bar and a desktop panel, in every language;
// there every button is whole and inside the window, and every option can be scrolled to.
void TestTranslations::windowFitsLaptopScreens()
{
    QFETCH(QString, locale);
    QFETCH(qreal, fontScale);
    ZelUtils::installTranslations(QLocale(locale));
    const QFont appFont = QApplication::font();
    QFont larger = appFont;
    larger.setPointSizeF(appFont.pointSizeF() * fontScale);
    QApplication::setFont(larger);
    const auto restore = qScopeGuard([appFont] {
        QApplication::setFont(appFont);
        ZelUtils::installTranslations(QLocale::system());
    });
    const QSize chrome(0, 80); // title bar and panel

    {
        MainWindow window;
        const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
        if (fontScale > 1.0) {
            QVERIFY2(
                least.boundedTo(QSize(1366, 768) - chrome) == least, qPrintable(QDebug::toString(least)));
        } else {
            QVERIFY2((least * 1.25).boundedTo(QSize(1366, 768) - chrome) == least * 1.25,
                qPrintable(QDebug::toString(least)));
            QVERIFY2(
                least.boundedTo(QSize(1280, 720) - chrome) == least, qPrintable(QDebug::toString(least)));
        }

        window.resize(least);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *options = window.findChild<QScrollArea *>(QStringLiteral("scaOptions"));
        QVERIFY(options);
        QCOMPARE(options->widget()->height(),
            qMax(options->viewport()->height(),
                options->viewport()->height() + options->verticalScrollBar()->maximum()));
        QList<QWidget *> controls;
        for (QPushButton *button : window.findChildren<QPushButton *>())
            controls << button;
        for (QCheckBox *box : window.findChildren<QCheckBox *>())
            controls << box;
        controls << window.findChild<QWidget *>(QStringLiteral("pteExtraWords"))
                 << window.findChild<QWidget *>(QStringLiteral("spbDatabaseWords"));
        for (QWidget *control : std::as_const(controls)) {
            if (!control->isVisibleTo(&window))
                continue;
            // An option lies within the options' pane, which scrolls over its whole height.
            if (options->widget()->isAncestorOf(control)) {
                const QRect inPane(control->mapTo(options->widget(), QPoint(0, 0)), control->size());
                QVERIFY2(options->widget()->rect().contains(inPane), qPrintable(control->objectName()));
            }
            const QRect rect(control->mapTo(&window, QPoint(0, 0)), control->size());
            QVERIFY2(
                control->width() >= control->minimumSizeHint().width(), qPrintable(control->objectName()));
            if (!options->widget()->isAncestorOf(control))
                QVERIFY2(window.rect().contains(rect), qPrintable(control->objectName()));
        }
    }
}

void TestTranslations::translationsKeepMarkersAndLayout_data()
{
    QTest::addColumn<QString>("path");
    for (const char *language : {"de", "fr", "es"})
        QTest::addRow("%s", language) << TestUtil::sourcePath(
            QStringLiteral("translations/lexivane_%1.ts").arg(QLatin1String(language)));
}

void TestTranslations::translationsKeepMarkersAndLayout()
{
    QFETCH(QString, path);
    const QList<Message> messages = readTs(path);
    QVERIFY2(messages.size() > 200, qPrintable(path));
    QStringList faults;
    for (const Message &m : messages) {
        const QString where = m.context + QLatin1String(": ") + m.source;
        if (!m.finished || m.translation.isEmpty())
            faults << QLatin1String("untranslated ") + where;
        else if (markers(m.translation) != markers(m.source))
            faults << QLatin1String("markers differ in ") + where;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

int main(int argc, char *argv[])
{
    // As a German desktop session starts the program.
    qputenv("LANG", "de_DE.UTF-8");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
