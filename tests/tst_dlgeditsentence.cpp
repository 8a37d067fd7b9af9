// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgeditsentence.h"

#include "support/modalanswerer.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {
const QString CheckMark = QString(QChar(0x2713));
const QString NoKeyWord = QStringLiteral("No gapped word.");
const QString Unmatched = QStringLiteral("Unmatched brackets!");
} // namespace

class TestDlgEditSentence : public QObject
{
    Q_OBJECT

private:
    static QPlainTextEdit *editor(DlgEditSentence &dlg)
    {
        return dlg.findChild<QPlainTextEdit *>(QStringLiteral("pteSentence"));
    }
    static QLabel *status(DlgEditSentence &dlg)
    {
        return dlg.findChild<QLabel *>(QStringLiteral("lblStatus"));
    }
    static QSpinBox *counter(DlgEditSentence &dlg)
    {
        return dlg.findChild<QSpinBox *>(QStringLiteral("spbUsed"));
    }

private slots:
    void layout();
    void statusOfText_data();
    void statusOfText();
    void statusFollowsTyping();
    void gapsReadingFollowsTyping();
    void typoWarningAndEveryGap();
    void clampsUsed_data();
    void clampsUsed();
    void normalisesSentence_data();
    void normalisesSentence();
    void selectedPromptIsReplacedByTyping();
    void tabMovesFocus();
    void okAcceptsUnmatchedText();
    void cancelAndEscapeReject();
    void reopenedDialogKeepsFocusAndPlace();
};

void TestDlgEditSentence::layout()
{
    DlgEditSentence dlg;
    QCOMPARE(dlg.objectName(), QStringLiteral("DlgEditSentence"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Add or edit a sentence"));
    QCOMPARE(dlg.size(), QSize(400, 300));

    auto *grid = qobject_cast<QGridLayout *>(dlg.layout());
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 10);

    // The captions beside their fields, and OK and Cancel under the editor.
    auto caption = [grid](int row) {
        auto *label = qobject_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget());
        return label ? label->text() : QString();
    };
    QCOMPARE(caption(0), QStringLiteral("Times used:"));
    QCOMPARE(caption(1), QStringLiteral("Sentence:"));
    QCOMPARE(caption(2), QStringLiteral("Sentence status:"));
    QCOMPARE(grid->itemAtPosition(0, 1)->widget(), counter(dlg));
    QCOMPARE(grid->itemAtPosition(1, 2)->widget(), editor(dlg));
    QCOMPARE(grid->itemAtPosition(2, 2)->widget(), status(dlg));
    auto *buttons = dlg.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QCOMPARE(grid->itemAtPosition(5, 2)->widget(), buttons); // under the line about spelling
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    QCOMPARE(counter(dlg)->minimum(), 0);
    QCOMPARE(counter(dlg)->maximum(), 100);
    QVERIFY(counter(dlg)->alignment() & Qt::AlignRight);
    QVERIFY(editor(dlg)->tabChangesFocus());

    const QFont font = status(dlg)->font();
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.weight(), QFont::Black);
    QVERIFY(!font.italic());
    QCOMPARE(font.family(), QFont().family());
}

void TestDlgEditSentence::statusOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("empty") << QString() << NoKeyWord;
    QTest::addRow("no brackets") << QStringLiteral("The cat sat.") << NoKeyWord;
    QTest::addRow("stray closing") << QStringLiteral("a ] b") << NoKeyWord;
    QTest::addRow("one key word") << QStringLiteral("The [cat] sat.") << CheckMark;
    QTest::addRow("two key words") << QStringLiteral("[a][b]") << CheckMark;
    QTest::addRow("nested opener") << QStringLiteral("[[a]]") << CheckMark;
    QTest::addRow("opener inside pair") << QStringLiteral("a [b [c] d") << CheckMark;
    QTest::addRow("empty pair") << QStringLiteral("[]") << CheckMark;
    QTest::addRow("open at end") << QStringLiteral("The [cat") << Unmatched;
    QTest::addRow("reversed") << QStringLiteral("]a[") << Unmatched;
    QTest::addRow("across lines") << QStringLiteral("The [big\ncat] sat.") << CheckMark;
    QTest::addRow("ampersands kept") << QStringLiteral("Tom && [Jerry] &") << CheckMark;
    QTest::addRow("file separator") << QStringLiteral("Tom &&& [Jerry]")
                                    << QStringLiteral("A sentence cannot hold \"&&&\".");
}

void TestDlgEditSentence::statusOfText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    DlgEditSentence dlg;
    dlg.setSentence(QStringLiteral("[x"));
    dlg.setSentence(text);
    QCOMPARE(status(dlg)->text(), expected);
    // The one text the database file cannot store cannot be accepted either.
    QCOMPARE(dlg.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled(),
        !text.contains(QLatin1String("&&&")));
}

void TestDlgEditSentence::statusFollowsTyping()
{
    DlgEditSentence dlg;
    QCOMPARE(status(dlg)->text(), NoKeyWord);
    QTest::keyClicks(editor(dlg), QStringLiteral("The ["));
    QCOMPARE(status(dlg)->text(), Unmatched);
    QTest::keyClicks(editor(dlg), QStringLiteral("c"));
    QCOMPARE(status(dlg)->text(), Unmatched);
    QTest::keyClicks(editor(dlg), QStringLiteral("]"));
    QCOMPARE(status(dlg)->text(), CheckMark);
    QTest::keyClick(editor(dlg), Qt::Key_Backspace);
    QCOMPARE(status(dlg)->text(), Unmatched);
}

static QStringList rows(DlgEditSentence &dlg)
{
    QStringList rows;
    auto *gaps = dlg.findChild<QListWidget *>(QStringLiteral("lwGaps"));
    for (int i = 0; gaps && i < gaps->count(); ++i)
        rows.append(gaps->item(i)->text());
    return rows;
}

void TestDlgEditSentence::gapsReadingFollowsTyping()
{
    DlgEditSentence dlg;
    QCOMPARE(rows(dlg), QStringList());
    QTest::keyClicks(editor(dlg), QStringLiteral("A [colour | color] she [went::go] \\[sic\\]"));
    QCOMPARE(rows(dlg), (QStringList {"Gap 1: colour (also color)", "Gap 2: went, clue: go"}));
    QCOMPARE(status(dlg)->text(), CheckMark);
}

// A slip in the notation: a warning instead of the tick, what is wrong under the gaps it names, and
// every gap in the list however many there are, with its choices.
void TestDlgEditSentence::typoWarningAndEveryGap()
{
    DlgEditSentence dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTest::keyClicks(editor(dlg),
        QStringLiteral(
            "Yesterday I [woke up] at 7, [had] breakfast, [took] the bus, [met] Ana, [saw] a film, "
            "[bought] bread. She [went:go] home and [ran~runs~ran]."));
    QVERIFY(status(dlg)->text().contains(QLatin1String("Check the gaps below.")));
    const QStringList shown = rows(dlg);
    QCOMPARE(shown.size(), 10);
    QCOMPARE(shown.mid(0, 2),
        (QStringList {"Gap 7: a single \":\"; a clue needs two, as in [went::go]",
            "Gap 8: the choice \"ran\" is an accepted answer"}));
    QCOMPARE(
        shown.mid(7), (QStringList {"Gap 6: bought", "Gap 7: went:go", "Gap 8: ran, choices: runs, ran"}));
    // OK still accepts a doubtful sentence: the status only warns.
    QVERIFY(dlg.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
    // For the help page's picture: LEXIVANE_EDITOR_PICTURE names the PNG to write.
    if (qEnvironmentVariableIsSet("LEXIVANE_EDITOR_PICTURE"))
        QVERIFY(dlg.grab().save(qEnvironmentVariable("LEXIVANE_EDITOR_PICTURE")));
    // The list scrolls to its last row rather than cutting the reading off.
    auto *gaps = dlg.findChild<QListWidget *>(QStringLiteral("lwGaps"));
    gaps->scrollToItem(gaps->item(9));
    QVERIFY(gaps->viewport()->rect().intersects(gaps->visualItemRect(gaps->item(9))));
    QVERIFY(!gaps->viewport()->rect().contains(gaps->visualItemRect(gaps->item(0))));

    editor(dlg)->setPlainText(QStringLiteral("She [went::go]."));
    QCOMPARE(status(dlg)->text(), CheckMark);
    QCOMPARE(rows(dlg), QStringList {"Gap 1: went, clue: go"});
}

void TestDlgEditSentence::clampsUsed_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("shown");
    QTest::addRow("above") << 150 << 100;
    QTest::addRow("negative") << -3 << 0;
    QTest::addRow("top") << 100 << 100;
    QTest::addRow("zero") << 0 << 0;
    QTest::addRow("inside") << 57 << 57;
}

void TestDlgEditSentence::clampsUsed()
{
    QFETCH(int, given);
    QFETCH(int, shown);
    DlgEditSentence dlg;
    dlg.setUsed(42);
    dlg.setUsed(given);
    QCOMPARE(dlg.used(), shown);
    QCOMPARE(counter(dlg)->text(), QString::number(shown));
}

void TestDlgEditSentence::normalisesSentence_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addRow("plain") << QStringLiteral("The [cat] sat.") << QStringLiteral("The [cat] sat.");
    QTest::addRow("three lines, double spaces")
        << QStringLiteral("The  [cat]\nsat  on\nthe [mat].") << QStringLiteral("The [cat] sat on the [mat].");
    QTest::addRow("CR LF") << QStringLiteral("one\r\ntwo") << QStringLiteral("one two");
    QTest::addRow("lone CR") << QStringLiteral("one\rtwo") << QStringLiteral("one two");
    QTest::addRow("line break after space") << QStringLiteral("one \ntwo") << QStringLiteral("one two");
    QTest::addRow("blank lines between") << QStringLiteral("one\n\n\ntwo") << QStringLiteral("one two");
    QTest::addRow("ends trimmed") << QStringLiteral("  \n [a] b \n ") << QStringLiteral("[a] b");
    QTest::addRow("only white space") << QStringLiteral("  \n \r\n\t ") << QString();
    QTest::addRow("single tab stays") << QStringLiteral("a\tb") << QStringLiteral("a\tb");
    QTest::addRow("tab beside space") << QStringLiteral("a \tb") << QStringLiteral("a b");
    QTest::addRow("no-break spaces") << QStringLiteral("a\u00a0\u00a0b") << QStringLiteral("a b");
    QTest::addRow("unmatched kept") << QStringLiteral("The [cat  sat") << QStringLiteral("The [cat sat");
}

void TestDlgEditSentence::normalisesSentence()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(DlgEditSentence::normalised(typed), expected);

    // Through the editor as well: what comes back is what a caller stores.
    DlgEditSentence dlg;
    dlg.setSentence(typed);
    QCOMPARE(dlg.sentence(), expected);
    QVERIFY(!dlg.sentence().isNull() || expected.isEmpty());
}

void TestDlgEditSentence::selectedPromptIsReplacedByTyping()
{
    DlgEditSentence dlg;
    dlg.setSentence(QStringLiteral("Enter your sentence here. Words in square [brackets] will be gapped."));
    dlg.selectSentence();
    QCOMPARE(status(dlg)->text(), CheckMark);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.focusWidget(), editor(dlg));
    QTest::keyClicks(editor(dlg), QStringLiteral("A [dog"));
    QCOMPARE(dlg.sentence(), QStringLiteral("A [dog"));
    QCOMPARE(status(dlg)->text(), Unmatched);
}

void TestDlgEditSentence::tabMovesFocus()
{
    DlgEditSentence dlg;
    dlg.setSentence(QStringLiteral("abc"));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.activateWindow();
    editor(dlg)->setFocus();
    QTest::keyClick(editor(dlg), Qt::Key_Tab);
    QCOMPARE(editor(dlg)->toPlainText(), QStringLiteral("abc"));
}

void TestDlgEditSentence::okAcceptsUnmatchedText()
{
    DlgEditSentence dlg;
    dlg.setUsed(3);
    dlg.setSentence(QStringLiteral("The [cat\nsat"));
    QCOMPARE(status(dlg)->text(), Unmatched);

    TestUtil::ModalAnswerer answer;
    bool okEnabled = false;
    answer.then([&okEnabled](QWidget *w) {
        auto *ok = w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        okEnabled = ok->isEnabled();
        ok->click();
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QVERIFY(okEnabled);
    QCOMPARE(answer.pending(), 0);
    QCOMPARE(dlg.sentence(), QStringLiteral("The [cat sat"));
    QCOMPARE(dlg.used(), 3);
}

void TestDlgEditSentence::cancelAndEscapeReject()
{
    DlgEditSentence dlg;
    dlg.setSentence(QStringLiteral("[a]"));
    TestUtil::ModalAnswerer answer;
    answer
        .then(
            [](QWidget *w) { w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click(); })
        .then([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QCOMPARE(answer.pending(), 0);
    QVERIFY(answer.unexpected().isEmpty());
}

// Reused for the next sentence, the dialog gives the focus to the text whatever had it before, so a
// space typed goes into the sentence; and no status or reading of the gaps makes it grow under the
// pointer.
void TestDlgEditSentence::reopenedDialogKeepsFocusAndPlace()
{
    DlgEditSentence dlg;
    dlg.setSentence(QStringLiteral("The [cat] sat."));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QPushButton *ok = dlg.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    ok->setFocus();
    QTRY_COMPARE(dlg.focusWidget(), ok);
    dlg.hide();

    dlg.setSentence(QStringLiteral("The [cat sat."));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTRY_COMPARE(dlg.focusWidget(), editor(dlg));
    QTest::keyClicks(editor(dlg), QStringLiteral(" ]"));
    QVERIFY(dlg.isVisible());
    QCOMPARE(editor(dlg)->toPlainText(), QStringLiteral("The [cat sat. ]"));

    const QRect before = dlg.geometry();
    QString manyGaps;
    for (int i = 0; i < 60; ++i)
        manyGaps += QStringLiteral("[word%1] ").arg(i);
    for (const QString &text : {manyGaps, QStringLiteral("[a"), QStringLiteral("a &&& b"), QString()}) {
        editor(dlg)->setPlainText(text);
        QCoreApplication::processEvents();
        QCOMPARE(dlg.geometry(), before);
    }
}

QTEST_MAIN(TestDlgEditSentence)
#include "tst_dlgeditsentence.moc"
