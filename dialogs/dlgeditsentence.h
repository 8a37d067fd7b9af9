// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGEDITSENTENCE_H
#define DLGEDITSENTENCE_H

#include <QDialog>
#include <QStringList>

#include <memory>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class SpellChecker;
class SpellHighlighter;

// The sentence editor: one sentence with its "times used" counter. While the teacher types, the
// status line says whether the sentence has a key word in brackets, whether every bracket is closed
// and whether the notation inside a key word looks mistyped, and the list under it shows how each
// gap reads and what looks wrong; it only warns, except for a text holding "&&&", which the database file
// cannot store: then it says so and OK is disabled. The window keeps one instance and reuses it, so every
// caller sets both the counter and the text before exec().
class DlgEditSentence : public QDialog
{
    Q_OBJECT

public:
    explicit DlgEditSentence(QWidget *parent = nullptr);

    // The counter is shown clamped to 0..100.
    void setUsed(int count);
    int used() const;

    void setSentence(const QString &text);
    // The typed text flattened to one line with single spaces (see normalised()).
    QString sentence() const;
    // Selects the whole text and focuses the editor, so that typing replaces it (the prompt of a
    // new sentence).
    void selectSentence();

    // Line breaks become spaces, runs of whitespace become one space, the ends are trimmed.
    static QString normalised(const QString &text);

    static constexpr int MaxUsed = 100;

    // How the bracket rules read the gaps of `text`, one line per gap, for the list under the editor:
    // "Gap 1: colour (also color)", "Gap 2: went, choices: goes, gone, clue: go"; empty without a
    // key word.
    static QStringList gapsReading(const QString &text);

    // The words the checker finds fault with are underlined as they are typed, and the context menu
    // offers its suggestions; without a dictionary a line under the editor says which to install.
    void setSpellChecker(const std::shared_ptr<SpellChecker> &checker);

public slots:
    void showSentenceStatus();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGridLayout *grdMain = nullptr;
    QLabel *lblUsed = nullptr;
    QSpinBox *spbUsed = nullptr;
    QLabel *lblSentence = nullptr;
    QPlainTextEdit *pteSentence = nullptr;
    QLabel *lblStatusCaption = nullptr;
    QLabel *lblStatus = nullptr;
    QListWidget *lwGaps = nullptr; // every gap, then what looks mistyped
    QLabel *lblSpelling = nullptr; // why spelling is not checked, when it is not
    SpellHighlighter *spellHighlighter = nullptr;
    QDialogButtonBox *bbxButtons = nullptr;
    // Indexed by the result of LxdSentence::checkBrackets.
    QStringList statusTexts;
};

#endif // DLGEDITSENTENCE_H
