// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "dialogs/dlgchoosedblang.h"
#include "util/zelconfirm.h"
#include "util/zelutils.h"

#include <QtTest>
#include <QtWidgets>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void windowSpeaksTheDesktopsLanguage();
    void localePicksTranslation_data();
    void localePicksTranslation();
};

namespace {

QString cancelButtonText()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text();
}

} // namespace

void TestTranslations::initTestCase()
{
    ZelUtils::setApplicationIdentity();
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("application/firstRun"), false);
}

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
    QCOMPARE(menus, QStringList({"&Datei", "&Wörter", "S&ätze", "S&uchen", "&Ausgabe", "&Hilfe"}));
    QCOMPARE(window.findChild<QPushButton *>("btnAddWord")->text(), QString("Neues Wort"));
    QVERIFY(window.findChild<QLabel *>("lblWords")->text().startsWith(QString("Wörter")));

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
