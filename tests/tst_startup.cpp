// SPDX-License-Identifier: GPL-3.0-or-later
// The three start-up steps of the main window: the first start that prepares the user's database
// folder, the command line, and the automatic open of the most recent database.
#include "app/mainwindow.h"
#include "data/checkedwrite.h"
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "dialogs/dlgchoosedblang.h"
#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelutils.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const char *const VariantFiles[] = {"AmericanDB.lxv", "BritishDB.lxv", "CanadianDB.lxv"};
const char *const RadioNames[] = {"rbAmerican", "rbBritish", "rbCanadian"};
const QString ChooseTitle = QStringLiteral("Choose preferred spelling");

// Set in the copy of this program that runs without the British starter file.
const char *const MissingStarterChild = "LEXIVANE_TEST_MISSING_STARTER";

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString userDbDir()
{
    return documentsFolder() + QStringLiteral("/lexivanevoc/db");
}

QString currentDbPath()
{
    return userDbDir() + QStringLiteral("/CurrentDB.lxv");
}

QString shippedPath(int variant)
{
    return ZelUtils::dataPath(QStringLiteral("db/") + QLatin1String(VariantFiles[variant]));
}

QString copiedPath(int variant)
{
    return userDbDir() + QLatin1Char('/') + QLatin1String(VariantFiles[variant]);
}

// A click where the user would click: on the button's circle or text, which may not reach the middle
// of a radio button that its layout has stretched.
void clickRadio(QRadioButton *radio)
{
    QStyleOptionButton option;
    option.initFrom(radio);
    option.text = radio->text();
    const QRect clickable = radio->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, radio);
    QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, clickable.center());
}

using Content = QList<QPair<QString, QStringList>>;

// A database file in the current format: byte-order mark, one CR LF line per headword.
QByteArray databaseBytes(const Content &content)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const auto &entry : content) {
        QString line = entry.first;
        for (const QString &sentence : entry.second)
            line += QStringLiteral("&&&{0}") + sentence;
        bytes += line.toUtf8() + "\r\n";
    }
    return bytes;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

public:
    enum CloseBy { OkButton, EscapeKey, CloseBox };

private slots:
    void init();
    void cleanup() { fx.cleanup(); }

    void chooseDialog();
    void preselectionFollowsLocale_data();
    void preselectionFollowsLocale();

    void firstStartCopiesAndOpensChosenVariant_data();
    void firstStartCopiesAndOpensChosenVariant();
    void firstStartKeepsExistingFiles();
    void firstStartReportsEachFailedCopy();
    void firstStartOnAFullDiskLeavesNoPartialCopy();
    void firstStartReportsMissingStarterFile();
    void firstStartWithDatabaseArgument();
    void secondStartAsksNothingAndCopiesNothing();

    void commandLineOpensDatabases_data();
    void commandLineOpensDatabases();
    void sizeOptionAfterDatabase();
    void sizeOptionBeforeDatabase();
    void sizeOptionTakesWhatThereIs();
    void malformedSizeOptionIsIgnored_data();
    void malformedSizeOptionIsIgnored();

    void automaticOpenTakesMostRecentFile();
    void automaticOpenWithEmptyRecentList();

private:
    std::unique_ptr<MainWindow> start(const QStringList &arguments = {});
    static void setFirstRunDone();
    static int headwordCount(MainWindow &w) { return w.database()->itemCount(); }
    static QStringList outputTexts(MainWindow &w);
    QString makeDatabase(const QString &name, const Content &content);
    static void checkFirstRunDone(bool done = true);
    void missingStarterChild();
    static void checkUntitledAfterFailedOpen(MainWindow &w);
    static Content fiveHeadwords();

    // The spelling dialog answered: the radio button `click` (none: -1) clicked, then closed by `closeBy`.
    static TestUtil::ModalAnswerer::Handler choose(int click, CloseBy closeBy, QRect *geometry = nullptr);
    static QString failedCopy(const QString &source, const QString &destination);
    static QString failedWorkingCopy(int variant, const QString &reason);
    static QStringList choiceThenEveryCopyFailed(const QString &reason);

    TestUtil::WindowFixture fx;
};

Q_DECLARE_METATYPE(TestStartup::CloseBy)

void TestStartup::init()
{
    fx.init(true);
    QVERIFY(QDir(documentsFolder()).removeRecursively());
}

std::unique_ptr<MainWindow> TestStartup::start(const QStringList &arguments)
{
    MainWindow::setCommandLineForTesting(QStringList(QCoreApplication::applicationFilePath()) + arguments);
    return std::make_unique<MainWindow>();
}

void TestStartup::setFirstRunDone()
{
    QSettings().setValue(QStringLiteral("application/firstRun"), false);
}

QStringList TestStartup::outputTexts(MainWindow &w)
{
    QStringList texts;
    for (int i = 0; i < TestUtil::child<QListView>(&w, "lwOutput")->model()->rowCount(); ++i)
        texts << TestUtil::child<QListView>(&w, "lwOutput")->model()->index(i, 0).data().toString();
    return texts;
}

QString TestStartup::makeDatabase(const QString &name, const Content &content)
{
    const QString path = fx.dir->filePath(name);
    if (!writeBytes(path, databaseBytes(content)))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

// The first start is done only once the working database is there; until then every start tries again.
void TestStartup::checkFirstRunDone(bool done)
{
    QCOMPARE(QSettings().value(QStringLiteral("application/firstRun"), true), QVariant(!done));
}

// The automatic open found no file: the window stays on an empty, untitled database.
void TestStartup::checkUntitledAfterFailedOpen(MainWindow &w)
{
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Loading cancelled."));
    QVERIFY(w.currentFile().isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("Lexivane 3: Untitled[*] - database"));
    QCOMPARE(headwordCount(w), 0);
}

Content TestStartup::fiveHeadwords()
{
    return {
        {"bake", {"She [bakes] bread.", "We [baked] a cake."}},
        {"climb", {"They [climbed] the hill.", "Cats [climb] trees."}},
        {"dance", {"Let's [dance].", "He [dances] well.", "We [danced] all night."}},
        {"eat", {"We [eat] at six."}},
        {"fly", {"Birds [fly] south."}},
        {"grow", {"Trees [grow] slowly."}},
    };
}

TestUtil::ModalAnswerer::Handler TestStartup::choose(int click, CloseBy closeBy, QRect *geometry)
{
    return [click, closeBy, geometry](QWidget *widget) {
        auto *dialog = qobject_cast<DlgChooseDbLang *>(widget);
        if (!dialog) {
            widget->close();
            return;
        }
        if (geometry)
            *geometry = dialog->geometry();
        if (click >= 0)
            clickRadio(dialog->findChild<QRadioButton *>(RadioNames[click]));
        switch (closeBy) {
        case OkButton:
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            break;
        case EscapeKey:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        case CloseBox:
            dialog->close();
            break;
        }
    };
}

// How the answerer describes the message box about a failed copy.
QString TestStartup::failedCopy(const QString &source, const QString &destination)
{
    return QStringLiteral("Failed to copy database file|Unable to copy the database file %1 to %2.|")
        .arg(source, destination);
}

// The warning about the working database that could not be made from the chosen variant's copy.
QString TestStartup::failedWorkingCopy(int variant, const QString &reason)
{
    return QStringLiteral("Failed to copy database file|Unable to make the working database %1 from %2:\n%3\n"
                          "The program tries again at its next start.|")
        .arg(currentDbPath(), copiedPath(variant), reason);
}

// What the answerer sees when the spelling is chosen and then each of the three copies fails, and so
// the working database cannot be made either.
QStringList TestStartup::choiceThenEveryCopyFailed(const QString &reason)
{
    QStringList seen(ChooseTitle);
    for (int variant = 0; variant < 3; ++variant)
        seen << failedCopy(shippedPath(variant), copiedPath(variant));
    return seen << failedWorkingCopy(2, reason);
}

// --- The spelling dialog ------------------------------------------------------------------------------

void TestStartup::chooseDialog()
{
    DlgChooseDbLang dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.objectName(), QStringLiteral("DlgChooseDbLang"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose preferred spelling"));
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(),
        QStringLiteral("Choose which version of the database you would like to use.\n"
                       "The databases differ slightly in spelling and vocabulary."));

    const QList<QRadioButton *> radios = dialog.findChildren<QRadioButton *>();
    QCOMPARE(radios.size(), 3);
    QStringList texts;
    for (QRadioButton *radio : radios)
        texts << radio->text();
    QCOMPARE(texts, QStringList({"American (US)", "British (UK)", "Canadian"}));
    QVERIFY(radios[2]->isChecked());
    QCOMPARE(dialog.selectedVariant(), 2);

    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QCOMPARE(buttons->buttons().size(), 1);
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok);

    // The three exclude each other, and the answer follows the checked one.
    for (int variant : {0, 1, 2, 0}) {
        clickRadio(radios[variant]);
        QCOMPARE(dialog.selectedVariant(), variant);
        for (int other = 0; other < 3; ++other)
            QCOMPARE(radios[other]->isChecked(), other == variant);
    }
}

void TestStartup::preselectionFollowsLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("expected");
    QTest::addRow("US") << "en_US" << 0;
    QTest::addRow("UK") << "en_GB" << 1;
    QTest::addRow("Australia") << "en_AU" << 1;
    QTest::addRow("Ireland") << "en_IE" << 1;
    QTest::addRow("English Canada") << "en_CA" << 2;
    QTest::addRow("French Canada") << "fr_CA" << 2;
    QTest::addRow("Germany") << "de_DE" << 2;
    QTest::addRow("C") << "C" << 2;
}

// The spelling of the teacher's locale is offered first; Canadian where none fits.
void TestStartup::preselectionFollowsLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, expected);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    DlgChooseDbLang dialog;
    QLocale::setDefault(before);
    QCOMPARE(dialog.selectedVariant(), expected);
    const QList<QRadioButton *> radios = dialog.findChildren<QRadioButton *>();
    for (int variant = 0; variant < 3; ++variant)
        QCOMPARE(radios[variant]->isChecked(), variant == expected);
}

// --- First start ------------------------------------------------------------------------------------------

void TestStartup::firstStartCopiesAndOpensChosenVariant_data()
{
    QTest::addColumn<int>("click");
    QTest::addColumn<CloseBy>("closeBy");
    QTest::addColumn<int>("expected");
    QTest::addRow("American, OK") << 0 << OkButton << 0;
    QTest::addRow("British, OK") << 1 << OkButton << 1;
    QTest::addRow("Canadian untouched, OK") << -1 << OkButton << 2;
    QTest::addRow("British, Escape") << 1 << EscapeKey << 1;
    QTest::addRow("American, close box") << 0 << CloseBox << 0;
    QTest::addRow("Canadian untouched, close box") << -1 << CloseBox << 2;
}

void TestStartup::firstStartCopiesAndOpensChosenVariant()
{
    QFETCH(int, click);
    QFETCH(CloseBy, closeBy);
    QFETCH(int, expected);

    QRect geometry;
    fx.dialogs().then(choose(click, closeBy, &geometry));
    QTest::ignoreMessage(QtDebugMsg, "User dir does not exist.");
    auto w = start();

    QCOMPARE(fx.dialogs().seen(), QStringList(ChooseTitle));
    // The window is not shown yet; the question stands in the middle of the screen.
    const QRect screen = w->screen()->availableGeometry();
    QVERIFY(screen.contains(geometry));
    QVERIFY((geometry.center() - screen.center()).manhattanLength() <= 10);
    for (int variant = 0; variant < 3; ++variant)
        QCOMPARE(TestUtil::readFile(copiedPath(variant)), TestUtil::readFile(shippedPath(variant)));
    QCOMPARE(TestUtil::readFile(currentDbPath()), TestUtil::readFile(shippedPath(expected)));
    QCOMPARE(QDir(userDbDir()).entryList(QDir::Files).size(), 4);
    checkFirstRunDone();

    // The working database is the most recent file and is open.
    QCOMPARE(w->recentFileList().value(0), currentDbPath());
    QCOMPARE(w->currentFile(), currentDbPath());
    QCOMPARE(w->windowTitle(), QStringLiteral("Lexivane 3: CurrentDB.lxv[*] - database"));
    QVERIFY(headwordCount(*w) >= 300);
    QVERIFY(!w->database()->isModified());
    QCOMPARE(TestUtil::child<QListView>(w.get(), "lvWords")->currentIndex().row(), 0);
    const QString variantWord = QStringList({"color", "colour", "colour"}).at(expected);
    QVERIFY(w->database()->indexOfHeadword(variantWord) >= 0);
    // The spelling chosen is the database's language, which comes with the file.
    QCOMPARE(w->database()->language(), QStringList({"en-US", "en-GB", "en-CA"}).at(expected));
}

// A user folder that already holds a working database and a starter file keeps both as they are.
void TestStartup::firstStartKeepsExistingFiles()
{
    QVERIFY(QDir().mkpath(userDbDir()));
    const QByteArray mine = databaseBytes({{"cat", {"The [cat] sat."}}});
    const QByteArray edited = databaseBytes({{"colour", {"My own [colour]."}}});
    QVERIFY(writeBytes(currentDbPath(), mine));
    QVERIFY(writeBytes(copiedPath(1), edited));

    fx.dialogs().then(choose(1, OkButton));
    auto w = start();

    QCOMPARE(fx.dialogs().seen(), QStringList(ChooseTitle));
    QCOMPARE(TestUtil::readFile(currentDbPath()), mine);
    QCOMPARE(TestUtil::readFile(copiedPath(1)), edited);
    QCOMPARE(TestUtil::readFile(copiedPath(0)), TestUtil::readFile(shippedPath(0)));
    QCOMPARE(TestUtil::readFile(copiedPath(2)), TestUtil::readFile(shippedPath(2)));
    checkFirstRunDone();

    QCOMPARE(w->currentFile(), currentDbPath());
    QCOMPARE(headwordCount(*w), 1);
    QCOMPARE(w->database()->headword(0), QStringLiteral("cat"));
}

// Where the user folder cannot be made, every copy fails and says so; nothing is opened.
void TestStartup::firstStartReportsEachFailedCopy()
{
    QVERIFY(QDir().mkpath(documentsFolder()));
    QVERIFY(writeBytes(documentsFolder() + QStringLiteral("/lexivanevoc"), "not a folder"));

    fx.dialogs()
        .then(choose(-1, OkButton))
        .press(QMessageBox::Ok)
        .press(QMessageBox::Ok)
        .press(QMessageBox::Ok);
    fx.dialogs().press(QMessageBox::Ok);
    QTest::ignoreMessage(QtDebugMsg, "User dir does not exist.");
    {
        auto w = start();
        QCOMPARE(fx.dialogs().seen(), choiceThenEveryCopyFailed(QStringLiteral("Not a directory")));
        QVERIFY(!QFile::exists(currentDbPath()));
        QVERIFY(w->recentFileList().isEmpty());
        checkFirstRunDone(false);
        checkUntitledAfterFailedOpen(*w);
        w->close();
    }

    // Once the folder can be made, the next start asks again and makes the working database.
    QVERIFY(QFile::remove(documentsFolder() + QStringLiteral("/lexivanevoc")));
    fx.nextDialogs();
    fx.dialogs().then(choose(-1, OkButton));
    QTest::ignoreMessage(QtDebugMsg, "User dir does not exist.");
    auto w = start();
    QCOMPARE(fx.dialogs().seen(), QStringList(ChooseTitle));
    checkFirstRunDone();
    QCOMPARE(w->currentFile(), currentDbPath());
}

// A disk that fills up during the copies leaves no cut-short file that a later start would keep.
void TestStartup::firstStartOnAFullDiskLeavesNoPartialCopy()
{
    CheckedWrite::setFailAfterForTesting(1000);
    const auto realWrites = qScopeGuard([] { CheckedWrite::setFailAfterForTesting(-1); });
    fx.dialogs()
        .then(choose(-1, OkButton))
        .press(QMessageBox::Ok)
        .press(QMessageBox::Ok)
        .press(QMessageBox::Ok);
    fx.dialogs().press(QMessageBox::Ok);
    QTest::ignoreMessage(QtDebugMsg, "User dir does not exist.");
    auto w = start();

    QCOMPARE(fx.dialogs().seen(), choiceThenEveryCopyFailed(QStringLiteral("No such file or directory")));
    QCOMPARE(QDir(userDbDir()).entryList(QDir::Files | QDir::Hidden), QStringList());
    checkUntitledAfterFailedOpen(*w);
}

// The copy of this program made by firstStartReportsMissingStarterFile() runs this, from a folder
// whose db/ lacks the British file.
void TestStartup::missingStarterChild()
{
    const QString missing = QCoreApplication::applicationDirPath() + QStringLiteral("/db/BritishDB.lxv");
    QVERIFY(!QFile::exists(missing));
    QCOMPARE(ZelUtils::dataPath(QStringLiteral("db/BritishDB.lxv")), missing);

    fx.dialogs().then(choose(1, OkButton)).press(QMessageBox::Ok).press(QMessageBox::Ok);
    QTest::ignoreMessage(QtDebugMsg, "User dir does not exist.");
    auto w = start();

    QCOMPARE(fx.dialogs().seen(),
        QStringList({ChooseTitle, failedCopy(missing, copiedPath(1)),
            failedWorkingCopy(1, QStringLiteral("No such file or directory"))}));
    QCOMPARE(TestUtil::readFile(copiedPath(0)), TestUtil::readFile(shippedPath(0)));
    QCOMPARE(TestUtil::readFile(copiedPath(2)), TestUtil::readFile(shippedPath(2)));
    // British was chosen but could not be copied: there is no working database to open.
    QVERIFY(!QFile::exists(currentDbPath()));
    QVERIFY(!QFile::exists(copiedPath(1)));
    checkFirstRunDone(false);
    checkUntitledAfterFailedOpen(*w);
}

// The starter files are found beside the program, so a copy of this program beside a data folder
// without one of them shows what a user would see.
void TestStartup::firstStartReportsMissingStarterFile()
{
    if (qEnvironmentVariableIsSet(MissingStarterChild)) {
        missingStarterChild();
        return;
    }

    QTemporaryDir place;
    QVERIFY(place.isValid());
    const QString program = place.filePath(QStringLiteral("tst_startup"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
    QVERIFY(QDir(place.path()).mkdir(QStringLiteral("db")));
    for (int variant : {0, 2})
        QVERIFY(
            QFile::copy(shippedPath(variant), place.filePath(QStringLiteral("db/")) + VariantFiles[variant]));

    QVERIFY(QFile::copy(
        ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")), place.filePath(QStringLiteral("svgIcons.rcc"))));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(MissingStarterChild), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(program, {QStringLiteral("firstStartReportsMissingStarterFile")});
    QVERIFY2(child.waitForFinished(240000), qPrintable(child.errorString()));
    // Only the child's verdicts, which may otherwise be lost in its warnings.
    QStringList report;
    for (const QString &line : QString::fromLocal8Bit(child.readAll()).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("QWARN")) && !line.startsWith(QLatin1String("QDEBUG")))
            report << line;
    }
    const QString output = report.join(QLatin1Char('\n'));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QLatin1String("PASS   : TestStartup::firstStartReportsMissingStarterFile()")),
        qPrintable(output));
}

// The first-run set-up comes before the command line, so a database named there still becomes the
// current file, with the working database copied and second in the recent list.
void TestStartup::firstStartWithDatabaseArgument()
{
    const QString named = makeDatabase(QStringLiteral("named.lxv"), {{"ox", {"An [ox] pulls."}}});
    fx.dialogs().then(choose(-1, OkButton));
    auto w = start({named});

    QCOMPARE(fx.dialogs().seen(), QStringList(ChooseTitle));
    QVERIFY(QFile::exists(currentDbPath()));
    QCOMPARE(w->currentFile(), named);
    QCOMPARE(w->recentFileList(), QStringList({named, currentDbPath()}));
    QCOMPARE(headwordCount(*w), 1);
}

void TestStartup::secondStartAsksNothingAndCopiesNothing()
{
    fx.dialogs().then(choose(-1, OkButton));
    {
        auto w = start();
        QCOMPARE(fx.dialogs().seen(), QStringList(ChooseTitle));
        w->close();
    }
    const QDateTime copied = QFileInfo(currentDbPath()).lastModified();
    const QStringList entries = QDir(userDbDir()).entryList(QDir::Files);

    // The next start opens the working database by itself, asking nothing.
    fx.nextDialogs();
    {
        auto w = start();
        QVERIFY(fx.dialogs().seen().isEmpty());
        QCOMPARE(w->currentFile(), currentDbPath());
        QVERIFY(headwordCount(*w) >= 300);
        w->close();
    }
    QCOMPARE(QDir(userDbDir()).entryList(QDir::Files), entries);
    QCOMPARE(QFileInfo(currentDbPath()).lastModified(), copied);

    // Not even when the user folder has gone since.
    QVERIFY(QDir(documentsFolder() + QStringLiteral("/lexivanevoc")).removeRecursively());
    auto w = start();
    QVERIFY(fx.dialogs().seen().isEmpty());
    QVERIFY(!QFileInfo::exists(documentsFolder() + QStringLiteral("/lexivanevoc")));
    QVERIFY(w->recentFileList().isEmpty());
    checkUntitledAfterFailedOpen(*w);
}

// --- Command line -------------------------------------------------------------------------------------

void TestStartup::commandLineOpensDatabases_data()
{
    // Files: one.lxv, Two.LXV, three.lxvx and four (without extension) exist; missing.lxv does not.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("recent");
    QTest::addRow("one") << QStringList {"one.lxv"} << "one.lxv" << QStringList {"one.lxv"};
    QTest::addRow("extension in capitals") << QStringList {"Two.LXV"} << "Two.LXV" << QStringList {"Two.LXV"};
    QTest::addRow("the last one wins")
        << QStringList {"one.lxv", "Two.LXV"} << "Two.LXV" << QStringList {"Two.LXV", "one.lxv"};
    QTest::addRow("the last one wins, reversed")
        << QStringList {"Two.LXV", "one.lxv"} << "one.lxv" << QStringList {"one.lxv", "Two.LXV"};
    QTest::addRow("missing file skipped")
        << QStringList {"one.lxv", "missing.lxv"} << "one.lxv" << QStringList {"one.lxv"};
    QTest::addRow("other arguments skipped")
        << QStringList {"-style=fusion", "one.lxv", "--verbose"} << "one.lxv" << QStringList {"one.lxv"};
    QTest::addRow("longer extension") << QStringList {"three.lxvx"} << QString() << QStringList();
    QTest::addRow("no extension") << QStringList {"four"} << QString() << QStringList();
    QTest::addRow("only a missing file") << QStringList {"missing.lxv"} << QString() << QStringList();
}

void TestStartup::commandLineOpensDatabases()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, opened);
    QFETCH(QStringList, recent);

    setFirstRunDone();
    makeDatabase(QStringLiteral("one.lxv"), {{"one", {"[One] day."}}});
    makeDatabase(QStringLiteral("Two.LXV"), {{"two", {"[Two] cats."}}, {"twice", {"[Twice] a day."}}});
    makeDatabase(QStringLiteral("three.lxvx"), {{"three", {"[Three] dogs."}}});
    makeDatabase(QStringLiteral("four"), {{"four", {"[Four] birds."}}});
    const auto inFiles = [this](const QString &name) {
        return name.startsWith(QLatin1Char('-')) ? name : fx.dir->filePath(name);
    };
    QStringList paths;
    for (const QString &argument : std::as_const(arguments))
        paths << inFiles(argument);
    QStringList recentPaths;
    for (const QString &name : std::as_const(recent))
        recentPaths << inFiles(name);

    auto w = start(paths);
    QVERIFY(fx.dialogs().seen().isEmpty());
    QCOMPARE(w->recentFileList(), recentPaths);
    if (opened.isEmpty()) {
        checkUntitledAfterFailedOpen(*w);
        return;
    }
    QCOMPARE(w->currentFile(), inFiles(opened));
    QCOMPARE(w->database()->headword(0), QFileInfo(opened).baseName().toLower());
    QCOMPARE(TestUtil::child<QListView>(w.get(), "lvWords")->currentIndex().row(), 0);
}

// --- The size option ----------------------------------------------------------------------------------

void TestStartup::sizeOptionAfterDatabase()
{
    setFirstRunDone();
    const QString path = makeDatabase(QStringLiteral("six.lxv"), fiveHeadwords());
    auto w = start({path, QStringLiteral("-size=800x600")});

    QCOMPARE(w->currentFile(), path);
    QCOMPARE(w->minimumSize(), QSize(800, 600));
    QCOMPARE(w->maximumSize(), QSize(800, 600));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->size(), QSize(800, 600));

    // The first sentence of each of the first five headwords, the second one current and selected.
    QCOMPARE(outputTexts(*w),
        QStringList({"She [bakes] bread.", "They [climbed] the hill.", "Let's [dance].", "We [eat] at six.",
            "Birds [fly] south."}));
    QCOMPARE(TestUtil::child<QListView>(w.get(), "lwOutput")->currentIndex().row(), 1);
    QCOMPARE(TestUtil::child<QListView>(w.get(), "lwOutput")->selectionModel()->selectedIndexes(),
        QModelIndexList({TestUtil::child<QListView>(w.get(), "lwOutput")->model()->index(1, 0)}));
    QCOMPARE(TestUtil::child<QLabel>(w.get(), "lblOutput")->text(), QStringLiteral("Output (5)"));
    QVERIFY(TestUtil::child<QPushButton>(w.get(), "btnExportRTF")->isEnabled());
    QVERIFY(TestUtil::child<QPushButton>(w.get(), "btnClearOutputSentences")->isEnabled());
    // Putting sentences there for a picture does not count them as used.
    QCOMPARE(w->database()->sentenceAt(0, 0)->used(), 0);
    QVERIFY(!w->database()->isModified());

    // The second sentence of the first headword is selected.
    QVERIFY(TestUtil::child<QTableView>(w.get(), "tvSentences")
                ->selectionModel()
                ->isRowSelected(1, QModelIndex()));
    QVERIFY(!TestUtil::child<QTableView>(w.get(), "tvSentences")
                 ->selectionModel()
                 ->isRowSelected(0, QModelIndex()));

    QCOMPARE(w->styleSheet(),
        QStringLiteral("QPushButton,QListView,QTableView,QListWidget{font-size: 8pt;}QLabel{font-size: 10pt;}"
                       "QCheckBox{font-size: 8pt;}QPushButton{icon-size: 16px;}"));
    QCOMPARE(TestUtil::child<QTableView>(w.get(), "tvSentences")->horizontalHeader()->styleSheet(),
        QStringLiteral("*{font-size: 8pt;}"));
    w->close();
}

// Before any database the option finds the empty start-up database: size and looks, but no sentences.
void TestStartup::sizeOptionBeforeDatabase()
{
    setFirstRunDone();
    const QString path = makeDatabase(QStringLiteral("six.lxv"), fiveHeadwords());
    auto w = start({QStringLiteral("-size=640x480"), path});

    QCOMPARE(w->currentFile(), path);
    QCOMPARE(headwordCount(*w), 6);
    QCOMPARE(w->minimumSize(), QSize(640, 480));
    QCOMPARE(w->maximumSize(), QSize(640, 480));
    QCOMPARE(TestUtil::child<QListView>(w.get(), "lwOutput")->model()->rowCount(), 0);
    QCOMPARE(TestUtil::child<QLabel>(w.get(), "lblOutput")->text(), QStringLiteral("Output (0)"));
    QVERIFY(!TestUtil::child<QPushButton>(w.get(), "btnExportRTF")->isEnabled());
    QVERIFY(!w->styleSheet().isEmpty());
    QVERIFY(!TestUtil::child<QTableView>(w.get(), "tvSentences")->horizontalHeader()->styleSheet().isEmpty());
}

// Fewer than five headwords, one of them without sentences: the option takes the sentences there are.
void TestStartup::sizeOptionTakesWhatThereIs()
{
    setFirstRunDone();
    const QString path = makeDatabase(QStringLiteral("short.lxv"),
        {{"ant", {"An [ant] works.", "[Ants] march."}}, {"bee", {}}, {"cow", {"The [cow] moos."}}});
    auto w = start({path, QStringLiteral("-size=800x600")});

    QCOMPARE(w->currentFile(), path);
    QCOMPARE(w->minimumSize(), QSize(800, 600));
    QCOMPARE(outputTexts(*w), QStringList({"An [ant] works.", "The [cow] moos."}));
    QCOMPARE(TestUtil::child<QListView>(w.get(), "lwOutput")->currentIndex().row(), 1);
    QCOMPARE(TestUtil::child<QLabel>(w.get(), "lblOutput")->text(), QStringLiteral("Output (2)"));

    // A single sentence in all: no second row to make current, and none in the sentence table.
    const QString single = makeDatabase(QStringLiteral("single.lxv"), {{"yak", {"A [yak] eats."}}});
    auto other = start({single, QStringLiteral("-size=800x600")});
    QCOMPARE(outputTexts(*other), QStringList({"A [yak] eats."}));
    QCOMPARE(TestUtil::child<QListView>(other.get(), "lwOutput")->currentIndex().row(), -1);
    QVERIFY(!TestUtil::child<QTableView>(other.get(), "tvSentences")->selectionModel()->hasSelection());
    QCOMPARE(TestUtil::child<QLabel>(other.get(), "lblOutput")->text(), QStringLiteral("Output (1)"));
    QVERIFY(TestUtil::child<QPushButton>(other.get(), "btnClearOutputSentences")->isEnabled());
}

void TestStartup::malformedSizeOptionIsIgnored_data()
{
    QTest::addColumn<QString>("option");
    QTest::addRow("capital X") << "-size=800X600";
    QTest::addRow("no value") << "-size=";
    QTest::addRow("one number") << "-size=800";
    QTest::addRow("no width") << "-size=x600";
    QTest::addRow("no height") << "-size=800x";
    QTest::addRow("words") << "-size=widextall";
    QTest::addRow("three numbers") << "-size=800x600x400";
    QTest::addRow("second equals sign") << "-size=800x600=1";
    QTest::addRow("zero") << "-size=0x600";
    QTest::addRow("negative") << "-size=800x-600";
    QTest::addRow("too large") << "-size=99999999x600";
    QTest::addRow("capital option name") << "-Size=800x600";
    QTest::addRow("without dash") << "size=800x600";
}

void TestStartup::malformedSizeOptionIsIgnored()
{
    QFETCH(QString, option);
    setFirstRunDone();
    const QString path = makeDatabase(QStringLiteral("six.lxv"), fiveHeadwords());
    auto w = start({path, option});

    QCOMPARE(w->currentFile(), path);
    QCOMPARE(w->minimumSize(), QSize(0, 0));
    QCOMPARE(w->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(TestUtil::child<QListView>(w.get(), "lwOutput")->model()->rowCount(), 0);
    QCOMPARE(TestUtil::child<QLabel>(w.get(), "lblOutput")->text(), QStringLiteral("Output"));
    QVERIFY(w->styleSheet().isEmpty());
    QVERIFY(TestUtil::child<QTableView>(w.get(), "tvSentences")->horizontalHeader()->styleSheet().isEmpty());
    QVERIFY(!TestUtil::child<QTableView>(w.get(), "tvSentences")->selectionModel()->hasSelection());
}

// --- Automatic open ---------------------------------------------------------------------------------

void TestStartup::automaticOpenTakesMostRecentFile()
{
    setFirstRunDone();
    const QString older = makeDatabase(QStringLiteral("older.lxv"), {{"old", {"An [old] map."}}});
    const QString newer = makeDatabase(QStringLiteral("newer.lxv"), {{"new", {"A [new] map."}}});
    const QString gone = fx.dir->filePath(QStringLiteral("gone.lxv"));
    QSettings().setValue(QStringLiteral("mainWindow/recentFiles"), QStringList({gone, newer, older}));

    auto w = start();
    QVERIFY(fx.dialogs().seen().isEmpty());
    QCOMPARE(w->currentFile(), newer);
    QCOMPARE(w->database()->headword(0), QStringLiteral("new"));
    QCOMPARE(w->recentFileList(), QStringList({newer, older}));
    QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("File loaded"));
}

void TestStartup::automaticOpenWithEmptyRecentList()
{
    setFirstRunDone();
    auto w = start();
    QVERIFY(fx.dialogs().seen().isEmpty());
    QVERIFY(w->recentFileList().isEmpty());
    checkUntitledAfterFailedOpen(*w);
}

// The tests empty the documents folder and the settings store, so they never run in the real home:
// each run gets a home of its own before the application object exists.
int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QString root = home.path();
    const QList<QPair<const char *, QString>> folders
        = {{"HOME", root}, {"XDG_CONFIG_HOME", root + "/.config"}, {"XDG_DATA_HOME", root + "/.local/share"},
            {"XDG_CACHE_HOME", root + "/.cache"}, {"XDG_STATE_HOME", root + "/.local/state"}};
    for (const auto &folder : folders)
        qputenv(folder.first, QFile::encodeName(folder.second));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    ZelUtils::setApplicationIdentity();
    QResource::registerResource(ZelUtils::dataPath(QStringLiteral("svgIcons.rcc")));

    TestStartup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
