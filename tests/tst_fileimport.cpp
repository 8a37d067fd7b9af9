// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import in the real window, for each format: the file dialog, the spreadsheet dialog, the
// duplicate questions of the append, the report and what ends up in the database.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "dialogs/dlgimportcsv.h"
#include "document/lxddocument.h"
#include "support/dbfixtures.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include <memory>

namespace {

const QByteArray StartDatabase = "\xEF\xBB\xBF"
                                 "zebra&&&{0}A [zebra] runs.\r\n"
                                 "cat&&&{2}The [cat] sat on the mat.\r\n";

QString fixture(const QString &name)
{
    return TestUtil::sourcePath(QStringLiteral("tests/data/import/") + name);
}

} // namespace

class TestFileImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init();
    void cleanup() { fx.cleanup(); }

    void importsEachFormat_data();
    void importsEachFormat();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();
    void cancellingChangesNothing_data();
    void cancellingChangesNothing();
    void remembersTheFolder();
    void csvDialogLeavesOutTheTagsColumn();
    void csvDialogHelpOpensItsPage();
    void cancellingTheProgressChangesNothing_data();
    void cancellingTheProgressChangesNothing();
    void csvDialogPreviewsTheHeadOfALongFile();

private:
    std::unique_ptr<MainWindow> newWindow();
    static QStringList content(const MainWindow &w);
    static int sentenceTotal(const MainWindow &w);
    // Answers the spreadsheet dialog: `choice` is "header", "none" (no sentence column), both or empty.
    void answerCsvDialog(const QString &choice);

    TestUtil::WindowFixture fx;
    QString previewFirstCell;
    bool headerGuessed = false; // the header box as the dialog opened
    QStringList temporaryFiles; // in the temporary folder while the report was open
};

void TestFileImport::init()
{
    fx.init();
    previewFirstCell.clear();
    // A temporary folder of the test's own, to see that an import leaves nothing there.
    QVERIFY(QDir(fx.dir->path()).mkdir(QStringLiteral("tmp")));
    qputenv("TMPDIR", fx.path(QStringLiteral("tmp")).toLocal8Bit());
    temporaryFiles.clear();
}

std::unique_ptr<MainWindow> TestFileImport::newWindow()
{
    auto w = fx.window();
    ZelFileDialog::setNextFileName(fx.write(QStringLiteral("start.lxv"), StartDatabase));
    TestUtil::child<QAction>(w.get(), "actFileOpen")->trigger();
    return w;
}

QStringList TestFileImport::content(const MainWindow &w)
{
    QStringList lines;
    for (int i = 0; i < w.database()->itemCount(); ++i)
        lines.append(DbFixtures::fileLine(*w.database()->itemAt(i)));
    return lines;
}

int TestFileImport::sentenceTotal(const MainWindow &w)
{
    int n = 0;
    for (int i = 0; i < w.database()->itemCount(); ++i)
        n += w.database()->sentenceCount(i);
    return n;
}

void TestFileImport::answerCsvDialog(const QString &choice)
{
    fx.dialogs().then([this, choice](QWidget *dialog) {
        auto *dlg = qobject_cast<DlgImportCsv *>(dialog);
        if (!dlg) {
            dialog->close();
            return;
        }
        auto *header = dlg->findChild<QCheckBox *>(QStringLiteral("chkHeader"));
        headerGuessed = header->isChecked();
        header->setChecked(choice.contains(QLatin1String("header")));
        if (choice.contains(QLatin1String("none")))
            dlg->findChild<QComboBox *>(QStringLiteral("cboSentence"))->setCurrentIndex(0);
        const auto *preview = dlg->findChild<QTableWidget *>(QStringLiteral("twPreview"));
        if (preview->rowCount() > 0 && preview->item(0, 0))
            previewFirstCell = preview->item(0, 0)->text();
        dlg->findChild<QDialogButtonBox *>(QStringLiteral("bbxButtons"))
            ->button(QDialogButtonBox::Ok)
            ->click();
    });
}

void TestFileImport::importsEachFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("csvChoice"); // empty: no spreadsheet dialog
    QTest::addColumn<QString>("duplicates"); // "merge", "keep" or empty: no questions
    QTest::addColumn<QList<int>>("counts"); // headwords read, new; sentences read, new
    QTest::addColumn<QString>("names"); // the new headwords the report names
    QTest::addColumn<QString>("skipped"); // the report's informative text

    const QString none = QStringLiteral("Nothing was skipped.");
    const QString noKeyWord
        = QStringLiteral("Sentences without a key word, which make no gap until brackets are added: ");
    const QString utf8Names = QStringLiteral("Zoë, café, crème brûlée, naïve, piñata");
    QTest::addRow("CSV, UTF-8, header row") << "words-utf8.csv"
                                            << "header"
                                            << "" << QList<int> {5, 5, 5, 5} << utf8Names
                                            << noKeyWord + "1\nRow 7\n\nSkipped: 1\nRow 6: no headword";
    QTest::addRow("CSV, headwords only")
        << "words-utf8.csv"
        << "header none"
        << "" << QList<int> {5, 5, 0, 0} << utf8Names << "Skipped: 1\nRow 6: no headword";
    QTest::addRow("CSV, Latin-1") << "words-latin1.csv"
                                  << "-"
                                  << "" << QList<int> {3, 3, 3, 3} << "garçon, Ärger, élève"
                                  << "Converted: 1\nRead as Windows-1252: the file is not UTF-8";
    // The settings lines set the separator and are no headwords; the report names the conversions.
    QTest::addRow("Anki notes in plain text")
        << "anki.txt"
        << "-"
        << "" << QList<int> {3, 3, 3, 3} << "chat, go, maison"
        << "Converted: 3\nRead as settings, not as rows: #separator:tab, #html:true, #tags column:3, "
           "#columns:Front Back Tags\nFields that held HTML and came in as plain text: 1\n"
           "Sentences whose bold, underlined or italic words became the key words: 2";
    QTest::addRow("TSV, merged") << "words.tsv"
                                 << "-"
                                 << "merge" << QList<int> {3, 2, 5, 4} << "bird, dog"
                                 << noKeyWord + "2\nRow 3\nRow 5";
    QTest::addRow("TSV, kept") << "words.tsv"
                               << "-"
                               << "keep" << QList<int> {3, 3, 5, 5} << "bird, cat, dog"
                               << noKeyWord + "2\nRow 3\nRow 5";
    QTest::addRow("KVTML with examples") << "examples.kvtml"
                                         << ""
                                         << "" << QList<int> {3, 3, 3, 3} << "chat, pomme, école"
                                         << noKeyWord + "1\nEntry 1\n\nSkipped: 1\nEntry 3: no headword";
    // Short headwords ("one", "six") must survive the way through the database file's line form.
    QTest::addRow("KVTML from KWordQuiz")
        << "kwordquiz-example.kvtml"
        << ""
        << "" << QList<int> {9, 9, 0, 0} << "eight, five, four, nine, one, seven, six, three, two" << none;
    QTest::addRow("JCloze") << "passage.jcl"
                            << ""
                            << "" << QList<int> {1, 1, 3, 3} << "Au café"
                            << noKeyWord
            + "1\nSentence 3 (\"\"Tom & Jerry\" n'ont pas de gap.\")\n\nSkipped: 1\n"
              "Sentence 4 (\"Un trou [] vide.\"): a gap has no answer";
    QTest::addRow("JMatch") << "pairs.jmt"
                            << ""
                            << "" << QList<int> {1, 1, 3, 3} << "Früchte & Obst"
                            << "Skipped: 1\nPair 4 (\"Kirsche\"): an extra answer without a left item";
}

void TestFileImport::importsEachFormat()
{
    QFETCH(QString, file);
    QFETCH(QString, csvChoice);
    QFETCH(QString, duplicates);
    QFETCH(QList<int>, counts);
    QFETCH(QString, names);
    QFETCH(QString, skipped);
    const int newHeadwords = counts.at(1);
    const int newSentences = counts.at(3);

    auto w = newWindow();
    const QStringList before = content(*w);
    const int sentencesBefore = sentenceTotal(*w);

    if (!csvChoice.isEmpty())
        answerCsvDialog(csvChoice);
    if (!duplicates.isEmpty()) {
        fx.dialogs().press(QMessageBox::Yes);
        fx.dialogs().then([duplicates](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            const QString wanted
                = duplicates == QLatin1String("merge") ? QStringLiteral("&Merge") : QStringLiteral("&Keep");
            for (QAbstractButton *b : box->buttons()) {
                if (b->text() == wanted)
                    b->click();
            }
        });
    }
    fx.dialogs().then([this](QWidget *dialog) {
        temporaryFiles = QDir(QDir::tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        qobject_cast<QMessageBox *>(dialog)->button(QMessageBox::Ok)->click();
    });
    ZelFileDialog::setNextFileName(fixture(file));
    TestUtil::child<QAction>(w.get(), "actFileImport")->trigger();

    QCOMPARE(fx.dialogs().pending(), 0);
    // The words went in from memory: no file was written on the way, so none was asked about.
    QCOMPARE(temporaryFiles, QStringList());
    const QStringList seen = fx.dialogs().seen();
    const QString expected = QStringLiteral("Import complete|Imported from %1:\n"
                                            "Headwords: %2 (%3 new, %4 merged into headwords already there)\n"
                                            "Sentences: %5 (%6 new, %7 already there)\n"
                                            "New headwords: %8|%9")
                                 .arg(QDir::toNativeSeparators(fixture(file)))
                                 .arg(counts.at(0))
                                 .arg(newHeadwords)
                                 .arg(counts.at(0) - newHeadwords)
                                 .arg(counts.at(2))
                                 .arg(newSentences)
                                 .arg(counts.at(2) - newSentences)
                                 .arg(names, skipped);
    QCOMPARE(seen.last(), expected);
    // What the report says came in is what the database gained, and nothing was lost.
    QCOMPARE(w->database()->itemCount(), int(before.size()) + newHeadwords);
    QCOMPARE(sentenceTotal(*w), sentencesBefore + newSentences);
    const QStringList after = content(*w);
    if (duplicates != QLatin1String("merge")) {
        for (const QString &line : before)
            QVERIFY2(after.contains(line), qPrintable(line));
    } else {
        QVERIFY(after.contains(QStringLiteral("cat&&&{2}The [cat] sat on the mat.&&&{0}My [cat] is black.")));
    }
    QVERIFY(w->database()->isModified());
    QCOMPARE(TestUtil::child<QListView>(w.get(), "lvWords")->currentIndex().row(), 0);
    // One undo takes the whole import back.
    QCOMPARE(w->document()->undoStack()->count(), 1);
    w->findChild<QAction *>(QStringLiteral("actEditUndo"))->trigger();
    QCOMPARE(content(*w), before);
    if (csvChoice.contains(QLatin1String("header")))
        QCOMPARE(previewFirstCell, QStringLiteral("café"));
    // Only the file whose first row names its columns opens with the header box ticked.
    if (!csvChoice.isEmpty())
        QCOMPARE(headerGuessed, file == QLatin1String("words-utf8.csv"));
}

void TestFileImport::unreadableFileChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    QTest::addRow("CSV") << fixture("broken.csv")
                         << "The quoted field that begins in line 2 is never closed.";
    QTest::addRow("KVTML") << fixture("broken.kvtml") << "The file is not well-formed XML";
    QTest::addRow("JCloze") << fixture("broken.jcl") << "The file is not well-formed XML";
    QTest::addRow("JMatch") << fixture("broken.jmt") << "The file is not well-formed XML";
    QTest::addRow("missing file") << fixture("no-such-file.csv") << "The file cannot be read";
    QTest::addRow("nothing usable") << "empty.csv"
                                    << "It holds no headwords.";
}

void TestFileImport::unreadableFileChangesNothing()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);

    if (file == QLatin1String("empty.csv"))
        file = fx.write(file, ",\n,\n");
    auto w = newWindow();
    const QStringList before = content(*w);
    if (file.endsWith(QLatin1String("empty.csv")))
        answerCsvDialog(QString());
    fx.dialogs().press(QMessageBox::Ok);
    ZelFileDialog::setNextFileName(file);
    TestUtil::child<QAction>(w.get(), "actFileImport")->trigger();

    QCOMPARE(fx.dialogs().pending(), 0);
    const QString box = fx.dialogs().seen().last();
    QVERIFY2(box.startsWith(QLatin1String("Import failed|Nothing was imported from ")), qPrintable(box));
    QVERIFY2(box.contains(reason), qPrintable(box));
    QCOMPARE(content(*w), before);
    QVERIFY(!w->database()->isModified());
}

void TestFileImport::cancellingChangesNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::addRow("file dialog") << "file";
    QTest::addRow("spreadsheet dialog") << "csv";
    QTest::addRow("first duplicate question") << "first";
    QTest::addRow("merge or keep") << "second";
}

void TestFileImport::cancellingChangesNothing()
{
    QFETCH(QString, where);

    auto w = newWindow();
    const QStringList before = content(*w);
    if (where == QLatin1String("csv")) {
        fx.dialogs().reject();
    } else if (where != QLatin1String("file")) {
        answerCsvDialog(QString());
        if (where == QLatin1String("second"))
            fx.dialogs().press(QMessageBox::Yes);
        fx.dialogs().press(QMessageBox::Cancel);
    }
    ZelFileDialog::setNextFileName(where == QLatin1String("file") ? QString() : fixture("words.tsv"));
    TestUtil::child<QAction>(w.get(), "actFileImport")->trigger();

    QCOMPARE(fx.dialogs().pending(), 0);
    QCOMPARE(content(*w), before);
    QVERIFY(!w->database()->isModified());
}

void TestFileImport::remembersTheFolder()
{
    {
        auto w = newWindow();
        fx.dialogs().press(QMessageBox::Ok);
        ZelFileDialog::setNextFileName(fixture("pairs.jmt"));
        TestUtil::child<QAction>(w.get(), "actFileImport")->trigger();
        QCOMPARE(ZelFileDialog::lastRequest().caption, QStringLiteral("Import word list"));
        fx.dialogs().press(QMessageBox::No); // the unsaved import
        w->close();
    }
    const QString folder = QFileInfo(fixture("pairs.jmt")).canonicalPath();
    QCOMPARE(QSettings().value(QStringLiteral("mainWindow/lastImportFileDir")).toString(), folder);

    auto w = newWindow();
    ZelFileDialog::setNextFileName(QString());
    TestUtil::child<QAction>(w.get(), "actFileImport")->trigger();
    QCOMPARE(ZelFileDialog::lastRequest().dir, folder);
}

void TestFileImport::csvDialogLeavesOutTheTagsColumn()
{
    DlgImportCsv dialog(
        QStringLiteral("#separator:tab\n#html:true\n#tags column:1\n#columns:Tags\tFront\tBack\n"
                       "french\tchat\tLe [chat]<br>dort &amp; <b>r&ecirc;ve</b>.\n"));
    // The preview shows HTML fields as the import reads them.
    QCOMPARE(dialog.findChild<QTableWidget *>(QStringLiteral("twPreview"))->item(0, 2)->text(),
        QStringLiteral("Le [chat] dort & rêve."));
    for (const char *name : {"cboHeadword", "cboSentence"}) {
        const auto *box = dialog.findChild<QComboBox *>(QLatin1String(name));
        QStringList labels;
        for (int i = 0; i < box->count(); ++i)
            labels += box->itemText(i);
        QVERIFY2(
            !labels.join(QLatin1Char('|')).contains(QLatin1String("Tags")), qPrintable(labels.join('|')));
    }
    QCOMPARE(dialog.columns().headword, 1);
    QCOMPARE(dialog.columns().sentence, 2);
}

void TestFileImport::csvDialogHelpOpensItsPage()
{
    const QList<QUrl> &opened = fx.opened;
    DlgImportCsv dialog(QStringLiteral("cat,The cat.\n"));
    dialog.show();
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("bbxButtons"))
        ->button(QDialogButtonBox::Help)
        ->click();
    dialog.findChild<QComboBox *>(QStringLiteral("cboHeadword"))->setFocus();
    QTest::keyClick(&dialog, Qt::Key_F1);

    QCOMPARE(opened.size(), 2);
    for (const QUrl &url : std::as_const(opened)) {
        QCOMPARE(url.toLocalFile(), ZelUtils::dataPath(QStringLiteral("help/import.htm")));
        QVERIFY(QFileInfo::exists(url.toLocalFile()));
    }
}

void TestFileImport::cancellingTheProgressChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    // Long enough that the reading is still going when Cancel is pressed as the progress shows. The
    // readers of the other formats stop alike (tst_lxdimport); the window's part is the same for all.
    QByteArray csv;
    for (int i = 0; i < 400000; ++i) {
        const QByteArray word = "word" + QByteArray::number(i);
        csv += word + ",The [" + word + "] here.\n";
    }
    QTest::addRow("CSV") << "long.csv" << csv;
}

void TestFileImport::cancellingTheProgressChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString file = fx.write(name, bytes);
    auto w = newWindow();
    const QStringList before = content(*w);
    if (name.endsWith(QLatin1String(".csv")))
        answerCsvDialog(QString());
    bool cancelled = false;
    QTimer watch;
    watch.setInterval(2);
    connect(&watch, &QTimer::timeout, [&cancelled] {
        auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        if (progress && progress->objectName() == QLatin1String("importProgress") && progress->isVisible()
            && !cancelled) {
            QCOMPARE(progress->windowModality(), Qt::WindowModal);
            cancelled = true;
            progress->cancel();
        }
    });
    watch.start();
    ZelFileDialog::setNextFileName(file);
    TestUtil::child<QAction>(w.get(), "actFileImport")->trigger();
    watch.stop();

    QVERIFY(cancelled);
    QCOMPARE(content(*w), before);
    QVERIFY(!w->database()->isModified());
    QCOMPARE(w->document()->undoStack()->count(), 0);
    QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("Import cancelled."));
}

void TestFileImport::csvDialogPreviewsTheHeadOfALongFile()
{
    QByteArray bytes = "Headword;Example sentence\n";
    for (int i = 0; bytes.size() < 65000; ++i)
        bytes += "word" + QByteArray::number(i) + ";The [word" + QByteArray::number(i) + "], with a comma.\n";
    // A quoted field with a line break runs over the end of the head.
    bytes += "split;\"begins before the cut\n" + QByteArray(2000, 'x') + "\"\n";
    for (int i = 0; i < 20000; ++i)
        bytes += "more" + QByteArray::number(i) + ";A sentence.\n";
    const QString file = fx.write(QStringLiteral("long.csv"), bytes);

    const LxdImport::Head head = LxdImport::readHead(file);
    QVERIFY(!head.whole);
    QVERIFY(head.text.size() <= 64 * 1024);
    DlgImportCsv dialog(head.text, head.whole);
    QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("chkHeader"))->isChecked());
    QCOMPARE(dialog.separator(), QChar(u';'));
    const auto *preview = dialog.findChild<QTableWidget *>(QStringLiteral("twPreview"));
    QCOMPARE(preview->rowCount(), int(DlgImportCsv::PreviewRows));
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("The [word0], with a comma."));
    QCOMPARE(preview->horizontalHeaderItem(1)->text(), QStringLiteral("Example sentence"));
    QVERIFY(dialog.findChild<QDialogButtonBox *>(QStringLiteral("bbxButtons"))
                ->button(QDialogButtonBox::Ok)
                ->isEnabled());
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("lblRows"))
                 ->text()
                 .contains(QLatin1String("Rows to import")));
}

QTEST_MAIN(TestFileImport)
#include "tst_fileimport.moc"
