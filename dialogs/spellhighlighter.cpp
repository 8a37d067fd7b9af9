// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/spellhighlighter.h"

#include "data/languagetag.h"
#include "models/desktoplook.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

SpellHighlighter::SpellHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{ }

void SpellHighlighter::setChecker(const std::shared_ptr<SpellChecker> &checker)
{
    m_checker = checker;
    rehighlight();
}

QTextCharFormat SpellHighlighter::format(SpellChecker::Verdict verdict, const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const bool dark = base.lightnessF() < 0.5;
    // Two hues a reader tells apart, each dark on a light field and light on a dark one.
    QColor colour;
    if (verdict == SpellChecker::Variant)
        colour = dark ? QColor(130, 180, 255) : QColor(0, 85, 190);
    else
        colour = dark ? QColor(255, 120, 120) : QColor(200, 0, 0);
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(DesktopLook::readableOn(base, colour));
    return format;
}

void SpellHighlighter::highlightBlock(const QString &text)
{
    if (!m_checker || !m_checker->isReady())
        return;
    const QPalette palette = QApplication::palette();
    for (const SpellChecker::Finding &finding : m_checker->findings(text))
        setFormat(finding.word.position, finding.word.length, format(finding.verdict, palette));
}

namespace SpellMenu {

std::optional<SpellChecker::Finding> findingAt(SpellChecker &checker, QStringView text, int position)
{
    for (const SpellChecker::Finding &finding : checker.findings(text)) {
        if (position >= finding.word.position && position <= finding.word.position + finding.word.length)
            return finding;
    }
    return std::nullopt;
}

void addEntries(QMenu *menu, SpellChecker &checker, const SpellChecker::Finding &finding,
    const std::function<void(const QString &)> &replace, const std::function<void()> &changed)
{
    QAction *before = menu->actions().value(0);
    QList<QAction *> entries;
    const QString word = finding.word.word;
    if (finding.verdict == SpellChecker::Variant) {
        auto *note = new QAction(QCoreApplication::translate("SpellMenu", "%1 spelling")
                                     .arg(LanguageTag::nativeName(checker.variantOf(word))),
            menu);
        note->setEnabled(false);
        entries.append(note);
    }
    const QStringList suggestions = checker.suggestions(word);
    for (const QString &suggestion : suggestions) {
        auto *action = new QAction(suggestion, menu);
        action->setObjectName(QStringLiteral("actSuggestion"));
        QFont bold = action->font();
        bold.setBold(true);
        action->setFont(bold);
        QObject::connect(action, &QAction::triggered, menu, [replace, suggestion] { replace(suggestion); });
        entries.append(action);
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(QCoreApplication::translate("SpellMenu", "No suggestions"), menu);
        none->setEnabled(false);
        entries.append(none);
    }
    entries.append(menu->addSeparator());
    auto *add = new QAction(QCoreApplication::translate("SpellMenu", "Add to dictionary"), menu);
    add->setObjectName(QStringLiteral("actAddToDictionary"));
    QWidget *parent = menu->parentWidget();
    QObject::connect(add, &QAction::triggered, menu, [&checker, word, changed, parent] {
        QString error;
        if (!checker.addToPersonal(word, &error)) {
            QMessageBox::warning(parent, QCoreApplication::translate("SpellMenu", "Word not added"),
                QCoreApplication::translate(
                    "SpellMenu", "The word \"%1\" could not be added to your word list %2:\n%3")
                    .arg(word, QDir::toNativeSeparators(SpellChecker::personalFile(checker.language())),
                        error));
            return;
        }
        changed();
    });
    entries.append(add);
    auto *ignore = new QAction(QCoreApplication::translate("SpellMenu", "Ignore"), menu);
    ignore->setObjectName(QStringLiteral("actIgnoreWord"));
    QObject::connect(ignore, &QAction::triggered, menu, [&checker, word, changed] {
        checker.ignore(word);
        changed();
    });
    entries.append(ignore);
    if (before)
        entries.append(menu->addSeparator());
    menu->insertActions(before, entries);
}

void showFor(QPlainTextEdit *editor, SpellHighlighter *highlighter, const QPoint &pos)
{
    std::unique_ptr<QMenu> menu(editor->createStandardContextMenu(pos));
    SpellChecker *checker = highlighter->checker();
    const QTextCursor at = editor->cursorForPosition(pos);
    const QTextBlock block = at.block();
    if (checker && checker->isReady()) {
        if (const auto finding = findingAt(*checker, block.text(), at.positionInBlock())) {
            const int start = block.position() + finding->word.position;
            const int length = finding->word.length;
            addEntries(
                menu.get(), *checker, *finding,
                [editor, start, length](const QString &suggestion) {
                    QTextCursor cursor(editor->document());
                    cursor.beginEditBlock();
                    cursor.setPosition(start);
                    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
                    cursor.insertText(suggestion);
                    cursor.endEditBlock();
                },
                [highlighter] { highlighter->rehighlight(); });
        }
    }
    menu->exec(editor->viewport()->mapToGlobal(pos));
}

void underline(QLineEdit *edit, SpellChecker &checker)
{
    // A line field takes formats only as an input method's attributes, whose positions count from
    // the cursor; an event without text leaves the text and the cursor as they are.
    QList<QInputMethodEvent::Attribute> attributes;
    const QPalette palette = QApplication::palette();
    for (const SpellChecker::Finding &finding : checker.findings(edit->text()))
        attributes.append({QInputMethodEvent::TextFormat, finding.word.position - edit->cursorPosition(),
            finding.word.length, SpellHighlighter::format(finding.verdict, palette)});
    QInputMethodEvent event(QString(), attributes);
    QCoreApplication::sendEvent(edit, &event);
}

void attach(
    QLineEdit *edit, const std::shared_ptr<SpellChecker> &checker, const std::function<void()> &changed)
{
    if (!checker || !checker->isReady())
        return;
    underline(edit, *checker);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, checker] { underline(edit, *checker); });
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        edit, &QWidget::customContextMenuRequested, edit, [edit, checker, changed](const QPoint &pos) {
            std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
            const QString text = edit->text();
            if (const auto finding = findingAt(*checker, text, edit->cursorPositionAt(pos))) {
                const int start = finding->word.position;
                const int length = finding->word.length;
                addEntries(
                    menu.get(), *checker, *finding,
                    [edit, start, length](const QString &suggestion) {
                        edit->setSelection(start, length);
                        edit->insert(suggestion);
                    },
                    [edit, checker, changed] {
                        underline(edit, *checker);
                        changed();
                    });
            }
            menu->exec(edit->mapToGlobal(pos));
        });
}

QString summary(SpellChecker &checker, QStringView text)
{
    QStringList unknown;
    QStringList variants;
    for (const SpellChecker::Finding &finding : checker.findings(text)) {
        if (finding.verdict == SpellChecker::Variant)
            variants.append(finding.word.word);
        else
            unknown.append(finding.word.word);
    }
    QStringList parts;
    if (!unknown.isEmpty())
        parts.append(QCoreApplication::translate("SpellMenu", "Not in the dictionary: %1")
                         .arg(unknown.join(QLatin1String(", "))));
    if (!variants.isEmpty())
        parts.append(QCoreApplication::translate("SpellMenu", "Another spelling: %1")
                         .arg(variants.join(QLatin1String(", "))));
    return parts.join(QLatin1String("; "));
}

} // namespace SpellMenu
