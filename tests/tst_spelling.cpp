// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "data/spellchecker.h"
#include "dialogs/dlgcheckspelling.h"
#include "dialogs/dlgeditsentence.h"
#include "dialogs/spellhighlighter.h"
#include "document/lxdsession.h"
#include "support/testutil.h"
#include "support/windowfixture.h"

#include <QtTest>
#include <QtWidgets>

// Spelling where the teacher types (the sentence editor, the headword dialogs) and over the whole
// database (Check spelling), with real widgets.
class TestSpelling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture.initTestCase(); }
    void init() { fixture.init(); }
    void cleanup() { fixture.cleanup(); }

    void editorUnderlinesAndCorrects();
    void editorSaysWhichDictionaryIsMissing();
    void checkReplacesAsOneStep();
    void windowCommandAndHeadwordDialog();
    void languageOfStarterDatabases_data();
    void languageOfStarterDatabases();

private:
    TestUtil::WindowFixture fixture;
};

// Opens a context menu with `open` and triggers its first action named `name`; returns its text.
static QString chooseFromMenu(const std::function<void()> &open, const char *name)
{
    QString chosen;
    QTimer::singleShot(0, [&chosen, name] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions()) {
            if (action->objectName() == QLatin1String(name)) {
                chosen = action->text();
                action->trigger();
                break;
            }
        }
        menu->close();
    });
    open();
    return chosen;
}

static void rightClick(QWidget *widget, const QPoint &pos)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
}

void TestSpelling::editorUnderlinesAndCorrects()
{
    DlgEditSentence dlg;
    dlg.setSpellChecker(std::make_shared<SpellChecker>(QStringLiteral("en-GB")));
    const QString text = QStringLiteral("The [colr] of the color is fine.");
    dlg.setSentence(text);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto *editor = TestUtil::child<QPlainTextEdit>(&dlg, "pteSentence");

    // The underlines as the block lays them out: the typo red, the American spelling another colour.
    QMap<int, QTextCharFormat> underlined;
    for (const QTextLayout::FormatRange &range : editor->document()->firstBlock().layout()->formats()) {
        if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
            underlined.insert(range.start, range.format);
    }
    QCOMPARE(underlined.keys(), QList<int>({5, 18}));
    const QColor typo = underlined.value(5).underlineColor();
    const QColor variant = underlined.value(18).underlineColor();
    QVERIFY(typo.red() > typo.blue());
    QVERIFY(variant.blue() > variant.red());

    // A suggestion chosen from the context menu replaces the word, as one step of the editor's undo.
    QTextCursor inWord(editor->document());
    inWord.setPosition(7);
    const QPoint pos = editor->cursorRect(inWord).center();
    const QString chosen = chooseFromMenu([&] { rightClick(editor->viewport(), pos); }, "actSuggestion");
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(editor->toPlainText(), QString(text).replace(QLatin1String("colr"), chosen));
    editor->undo();
    QCOMPARE(editor->toPlainText(), text);

    // Ignore takes the underline away.
    chooseFromMenu([&] { rightClick(editor->viewport(), pos); }, "actIgnoreWord");
    for (const QTextLayout::FormatRange &range : editor->document()->firstBlock().layout()->formats())
        QVERIFY(range.start != 5);
}

void TestSpelling::editorSaysWhichDictionaryIsMissing()
{
    DlgEditSentence dlg;
    dlg.setSpellChecker(std::make_shared<SpellChecker>(QStringLiteral("tlh")));
    dlg.setSentence(QStringLiteral("Qapla wrod"));
    auto *label = TestUtil::child<QLabel>(&dlg, "lblSpelling");
    QVERIFY(!label->isHidden());
    QVERIFY(label->text().contains(QLatin1String("hunspell-tlh")));
    dlg.setSpellChecker(std::make_shared<SpellChecker>(QStringLiteral("en-US")));
    QVERIFY(label->isHidden());
}

void TestSpelling::checkReplacesAsOneStep()
{
    LxdSession session(LxdSession::Keeping::Nothing);
    LxdDocument *doc = session.document();
    doc->addHeadword(QStringLiteral("colour"));
    doc->addSentence(0, QStringLiteral("The [colr] and the wrod colr."), 0);
    doc->addSentence(0, QStringLiteral("No colr here, a [wrod|colr]."), 3);
    doc->addSentence(0, QStringLiteral("All fine."), 0);
    session.appendOutput({QStringLiteral("A colr [wrod].")}, QString());
    const LxdDatabase *db = session.database();

    DlgCheckSpelling dlg(&session, std::make_shared<SpellChecker>(QStringLiteral("en-GB")));
    auto *words = TestUtil::child<QTreeWidget>(&dlg, "twWords");
    auto *replacement = TestUtil::child<QComboBox>(&dlg, "cmbReplacement");
    const auto select = [&](const QString &word) {
        const QList<QTreeWidgetItem *> found = words->findItems(word, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        words->setCurrentItem(found.first());
    };

    dlg.startCheck();
    QTRY_VERIFY(!dlg.isChecking());
    QCOMPARE(dlg.result().entries.size(), 2);
    QCOMPARE(dlg.result().entries.first().occurrences.size(), 4); // colr, twice in the first sentence

    // Everywhere: every sentence, one step; the words after it keep their places.
    const int steps = doc->undoStack()->count();
    select(QStringLiteral("colr"));
    replacement->setEditText(QStringLiteral("colour"));
    TestUtil::child<QPushButton>(&dlg, "btnReplaceAll")->click();
    QCOMPARE(db->sentenceAt(0, 0)->text(), QStringLiteral("The [colour] and the wrod colour."));
    QCOMPARE(db->sentenceAt(0, 1)->text(), QStringLiteral("No colour here, a [wrod|colour]."));
    QCOMPARE(db->sentenceAt(0, 1)->used(), 3);
    QCOMPARE(doc->undoStack()->count(), steps + 1);
    QCOMPARE(words->findItems(QStringLiteral("colr"), Qt::MatchExactly).size(), 0);

    // Here: one place only, at its moved position.
    select(QStringLiteral("wrod"));
    words->currentItem()->setExpanded(true);
    words->setCurrentItem(words->currentItem()->child(1));
    replacement->setEditText(QStringLiteral("word"));
    TestUtil::child<QPushButton>(&dlg, "btnReplaceHere")->click();
    QCOMPARE(db->sentenceAt(0, 1)->text(), QStringLiteral("No colour here, a [word|colour]."));
    QCOMPARE(db->sentenceAt(0, 0)->text(), QStringLiteral("The [colour] and the wrod colour."));

    doc->undoStack()->undo();
    doc->undoStack()->undo();
    QCOMPARE(db->sentenceAt(0, 0)->text(), QStringLiteral("The [colr] and the wrod colr."));
    QCOMPARE(db->sentenceAt(0, 1)->text(), QStringLiteral("No colr here, a [wrod|colr]."));

    // The output list, checked on its own; a bracket in the replacement stays a bracket of the text.
    TestUtil::child<QRadioButton>(&dlg, "rdbOutput")->setChecked(true);
    dlg.startCheck();
    QTRY_VERIFY(!dlg.isChecking());
    select(QStringLiteral("wrod"));
    replacement->setEditText(QStringLiteral("word [sic]"));
    TestUtil::child<QPushButton>(&dlg, "btnReplaceAll")->click();
    QCOMPARE(session.output()->entries(), QStringList({"A colr [word \\[sic\\]]."}));
    doc->undoStack()->undo();
    QCOMPARE(session.output()->entries(), QStringList({"A colr [wrod]."}));
}

void TestSpelling::windowCommandAndHeadwordDialog()
{
    const QString file = fixture.write(
        QStringLiteral("Pets.lxv"), "cat&&&{0}The [cat] sat on the colr mat.\ndog&&&{0}A [dog] barked.\n");
    std::unique_ptr<MainWindow> window = fixture.window(true, file);
    auto *action = TestUtil::child<QAction>(window.get(), "actCheckSpelling");
    QVERIFY(action->isEnabled());
    action->trigger();
    auto *dlg = TestUtil::child<DlgCheckSpelling>(window.get(), "DlgCheckSpelling");
    QVERIFY(dlg->isVisible());
    dlg->startCheck();
    QTRY_VERIFY(!dlg->isChecking());
    QCOMPARE(dlg->result().entries.size(), 1);
    auto *words = TestUtil::child<QTreeWidget>(dlg, "twWords");
    words->setCurrentItem(words->topLevelItem(0));
    TestUtil::child<QPushButton>(dlg, "btnGoTo")->click();
    auto *headwords = TestUtil::child<QListView>(window.get(), "lvWords");
    auto *sentences = TestUtil::child<QTableView>(window.get(), "tvSentences");
    QCOMPARE(headwords->currentIndex().row(), 0);
    QCOMPARE(sentences->selectionModel()->selectedRows().size(), 1);
    dlg->close();

    // Renaming a headword: the dialog names the unknown word as it is typed.
    QString label;
    fixture.dialogs().then([&label](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        QVERIFY(input);
        input->setTextValue(QStringLiteral("dgo"));
        label = input->labelText();
        input->reject();
    });
    TestUtil::child<QAction>(window.get(), "actRenameWord")->trigger();
    QVERIFY2(label.contains(QLatin1String(": dgo")), qPrintable(label));

    // A line field offers the suggestions on right click; the chosen one replaces the word.
    QLineEdit edit;
    SpellMenu::attach(&edit, std::make_shared<SpellChecker>(QStringLiteral("en-US")), [] {});
    edit.setText(QStringLiteral("a dgo"));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    // The field underlines the unknown word in red as it is typed; a known word stays plain.
    const auto redPixels = [&edit] {
        const QImage image = edit.grab().toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() - qMax(c.green(), c.blue()) > 60;
            }
        }
        return red;
    };
    QVERIFY(redPixels() > 0);
    edit.setText(QStringLiteral("a dog"));
    QCOMPARE(redPixels(), 0);
    edit.setText(QStringLiteral("a dgo"));
    QVERIFY(redPixels() > 0);
    int x = 0;
    while (x < edit.width() && edit.cursorPositionAt(QPoint(x, edit.height() / 2)) < 3)
        ++x;
    const QString chosen
        = chooseFromMenu([&] { rightClick(&edit, QPoint(x, edit.height() / 2)); }, "actSuggestion");
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(edit.text(), QLatin1String("a ") + chosen);
}

void TestSpelling::languageOfStarterDatabases_data()
{
    QTest::addColumn<QString>("starter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    QTest::newRow("by its name") << "BritishDB.lxv"
                                 << "BritishDB.lxv"
                                 << "en-GB";
    // The working copy of the first run, under another name: known by its sentences.
    QTest::newRow("working copy") << "CanadianDB.lxv"
                                  << "CurrentDB.lxv"
                                  << "en-CA";
    QTest::newRow("another database") << ""
                                      << "Pets.lxv"
                                      << "en-US";
}

void TestSpelling::languageOfStarterDatabases()
{
    QFETCH(QString, starter);
    QFETCH(QString, name);
    QFETCH(QString, language);
    const QString file = fixture.write(name,
        starter.isEmpty() ? QByteArray("cat&&&{0}The [cat] sat.\n")
                          : TestUtil::readFile(TestUtil::sourcePath(QStringLiteral("share/db/") + starter)));
    std::unique_ptr<MainWindow> window = fixture.window(true, file);
    TestUtil::child<QAction>(window.get(), "actCheckSpelling")->trigger();
    auto *dlg = TestUtil::child<DlgCheckSpelling>(window.get(), "DlgCheckSpelling");
    const QString shown = TestUtil::child<QLabel>(dlg, "lblDictionary")->text();
    QVERIFY2(shown.contains(QLocale(language).nativeLanguageName()), qPrintable(shown));
    dlg->close();
}

QTEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
