// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/foundsentences.h"

#include "data/brackettext.h"
#include "data/linefile.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "document/lxddocument.h"
#include "finder/sentencefinder.h"

#include <QRegularExpression>
#include <QSet>
#include <QUndoStack>

FoundSentences::Outcome FoundSentences::add(
    LxdDocument *document, const QList<Entry> &entries, const QString &stepName)
{
    Outcome outcome;
    LxdDatabase *db = document->database();
    QList<Entry> valid;
    QSet<QPair<int, QString>> held;
    for (const Entry &entry : entries) {
        const LxdItem *item = db->itemAt(entry.headword);
        QString reason;
        const QString same = SentenceFinder::comparable(entry.text);
        if (!item) {
            reason = tr("The headword is no longer in the database.");
        } else if (LineFile::holdsSeparator(entry.text)) {
            reason = tr("A sentence cannot hold \"&&&\".");
        } else if (!BracketText::complete(BracketText::status(entry.text))) {
            reason = tr("The brackets are not complete.");
        } else {
            if (!held.contains({entry.headword, QString()})) {
                held.insert({entry.headword, QString()});
                for (const LxdSentence &s : item->sentences)
                    held.insert({entry.headword, SentenceFinder::comparable(s.text())});
            }
            if (held.contains({entry.headword, same}))
                reason = tr("The headword has this sentence already.");
        }
        if (!reason.isEmpty()) {
            outcome.skipped.append(entry);
            outcome.reasons.append(reason);
            continue;
        }
        held.insert({entry.headword, same});
        valid.append(entry);
    }
    if (valid.isEmpty())
        return outcome;
    QUndoStack *stack = document->undoStack();
    stack->beginMacro(stepName);
    for (const Entry &entry : valid) {
        if (document->addSentence(entry.headword, entry.text.simplified(), 0))
            outcome.added.append(entry);
    }
    stack->endMacro();
    return outcome;
}

QStringList FoundSentences::sentencesOf(const LxdDatabase *database)
{
    QStringList out;
    for (const LxdItem *item : database->items) {
        for (const LxdSentence &s : item->sentences)
            out.append(s.text());
    }
    return out;
}

QStringList FoundSentences::wordsOf(const LxdDatabase *database)
{
    static const QRegularExpression nonWord(QStringLiteral("[^\\w']+"));
    QSet<QString> words;
    for (const QString &s : sentencesOf(database)) {
        for (const QString &w : BracketText::withoutBrackets(s).toLower().split(nonWord, Qt::SkipEmptyParts))
            words.insert(w);
    }
    for (const LxdItem *item : database->items)
        words.insert(item->headword().toLower());
    return QStringList(words.begin(), words.end());
}
