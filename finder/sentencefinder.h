// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SENTENCEFINDER_H
#define SENTENCEFINDER_H

#include "finder/wordforms.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// Finds example sentences for headwords in a text the teacher has: splits the text into sentences,
// indexes its words once, looks up the forms of each headword, brackets the form found and ranks the
// sentences as a teacher would pick them. Widget-free; safe to run on a worker thread (it touches
// nothing but its arguments).
class SentenceFinder
{
    Q_DECLARE_TR_FUNCTIONS(SentenceFinder)

public:
    struct Options
    {
        QString language = QStringLiteral("en"); // "en", "de", "fr", "es"
        int perHeadword = 5; // the best this many sentences of each headword
        // The database's sentences, as stored: a sentence found among them is left out.
        QStringList knownSentences;
        // Words the pupils know (the database's): never counted as rare.
        QStringList knownWords;
    };

    struct Candidate
    {
        int headword = -1; // index into the headwords searched for
        QString sentence; // as in the text, on one line
        QString bracketed; // in the bracket notation, the found form in brackets
        WordForms::Kind kind = WordForms::Kind::Headword;
        int score = 0; // 0 to 100, higher is better
        QStringList reasons; // translated, one short text each, for a tooltip
    };

    struct Result
    {
        QList<Candidate> candidates; // per headword in the order searched, best first within each
        int sentences = 0; // in the text
        int words = 0;
        int known = 0; // found but left out: the database holds them already
        bool cancelled = false;
    };

    // `progress` gets a percentage now and then; `cancel`, when set, stops the run soon.
    static Result find(const QString &text, const QStringList &headwords, const Options &options,
        const std::atomic_bool *cancel = nullptr, const std::function<void(int)> &progress = {});

    // The text's sentences, each on one line: paragraphs end at blank lines, sentences where the
    // boundary rules say, except after abbreviations, initials and numbers.
    static QStringList splitSentences(const QString &text);

    // A sentence's text for comparing: without brackets, lower case, single spaces.
    static QString comparable(const QString &sentence);

    static QString kindName(WordForms::Kind kind);
};

#endif // SENTENCEFINDER_H
