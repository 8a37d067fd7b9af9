// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPELLHIGHLIGHTER_H
#define SPELLHIGHLIGHTER_H

#include "data/spellchecker.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class QMenu;
class QPalette;
class QPlainTextEdit;

// Underlines, as the text is typed, the words the dictionary does not know (red) and the words
// spelt as another variant of the language spells them (blue). Without a checker, or without a
// dictionary, nothing is underlined.
class SpellHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit SpellHighlighter(QTextDocument *document);

    void setChecker(const std::shared_ptr<SpellChecker> &checker);
    SpellChecker *checker() const { return m_checker.get(); }

    // The underline of a word with `verdict`, in a colour that reads on the palette's base.
    static QTextCharFormat format(SpellChecker::Verdict verdict, const QPalette &palette);

protected:
    void highlightBlock(const QString &text) override;

private:
    std::shared_ptr<SpellChecker> m_checker;
};

// The spelling entries of a text field's context menu: the suggestions, "Add to dictionary" and
// "Ignore", above the field's own entries.
namespace SpellMenu {

// The word of `text` under `position` that the checker finds fault with.
std::optional<SpellChecker::Finding> findingAt(SpellChecker &checker, QStringView text, int position);

// Puts the entries for `finding` at the top of `menu`. `replace` is handed the suggestion chosen;
// `changed` runs once the word was added to the teacher's list or ignored.
void addEntries(QMenu *menu, SpellChecker &checker, const SpellChecker::Finding &finding,
    const std::function<void(const QString &)> &replace, const std::function<void()> &changed);

// The context menu of a sentence editor with a highlighter: the spelling entries for the word at
// `pos`, then the editor's own. A suggestion replaces the word as one step of the editor's undo.
void showFor(QPlainTextEdit *editor, SpellHighlighter *highlighter, const QPoint &pos);

// Underlines the words of a one-line field that the checker finds fault with, as the highlighter does.
void underline(QLineEdit *edit, SpellChecker &checker);

// A one-line field gets its words underlined as they are typed and the same entries on right click;
// `changed` runs after each change to what is known (the caller shows the field's words again).
void attach(
    QLineEdit *edit, const std::shared_ptr<SpellChecker> &checker, const std::function<void()> &changed);

// One line naming the words of `text` the checker finds fault with, or an empty string: said under
// a field's label, for a reader who does not see the underline.
QString summary(SpellChecker &checker, QStringView text);

} // namespace SpellMenu

#endif // SPELLHIGHLIGHTER_H
