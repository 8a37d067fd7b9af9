// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXERCISERENDER_H
#define EXERCISERENDER_H

#include "exercise/exercisemodel.h"
#include "exercise/exercisesheets.h"
#include "exercise/templatefill.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPageSize>
#include <QString>
#include <QStringList>

class QDomDocument;
class QLocale;
class QPagedPaintDevice;
class QTextDocument;

// The renderers of the exercise model, one per export kind: each turns the one model of an export
// command into what the export writes, so a sheet, its key and every other export made from the
// same model agree on the order of the questions and the words. With the answer key and the
// shuffled word list off they write exactly what the exports always wrote.
class ExerciseRender
{
    Q_DECLARE_TR_FUNCTIONS(ExerciseRender)

public:
    // The page a printed sheet is made for: Letter where the locale's paper is Letter (the United
    // States, Canada, Mexico, the Philippines and the countries of Central and South America that use
    // it), A4 everywhere else. The C locale says nothing of paper and keeps Letter, the size the
    // documents have always had.
    static QPageSize::PageSizeId pageSizeFor(const QLocale &locale);

    // A line feed, the words joined by three blanks, two line feeds, the questions one per line;
    // with the answer key, a blank line, a separator line and the key.
    // A version's sheet starts with the title (when there is one) and "Version A"; its key carries
    // them too.
    static QString clipboardText(const ExerciseModel &model);
    // Several sheets one after the other, separated by a line of equals signs, each version's key
    // after its last sheet or all keys at the end.
    static QString clipboardText(const ExerciseSheets &sheets);

    // The template with its placeholders filled (see TemplateFill::fillRtf) and its paper size set to
    // `page`; with the answer key, the key follows the questions on a page of its own.
    static QByteArray rtf(
        const QByteArray &rtfTemplate, const ExerciseModel &model, QPageSize::PageSizeId page);

    // The exercise page (see TemplateFill::fillXhtml); with the answer key, a key section follows the
    // div that holds the questions. False when the template has no content div.
    static bool xhtml(QDomDocument &page, const ExerciseModel &model);

    // The two exercise files of the Hot Potatoes suite, which carry their answers themselves.
    // `leftOut`, when given, learns how many entries without a key word had to be left out.
    static bool jmatch(QDomDocument &exercise, const ExerciseModel &model, int *leftOut = nullptr);
    static QList<TemplateFill::MatchPair> matchPairs(const ExerciseModel &model, int *leftOut = nullptr);
    static bool jcloze(QDomDocument &exercise, const ExerciseModel &model);

    // The sheet as a rich-text document for a printer or a PDF file: a heading, the word bank, the
    // questions as the clipboard numbers them, and with the answer key the key on a page of its own.
    // Long sentences wrap, and a word longer than a line is broken rather than cut off.
    // A version shows its letter under the title; the key's page carries the title and the letter.
    static void sheetDocument(QTextDocument &document, const ExerciseModel &model);
    // Several sheets in one document, each on new pages, with the keys as the sheets say.
    static void sheetDocument(QTextDocument &document, const ExerciseSheets &sheets);

    // Prints the sheet on `device` (a printer or a PDF writer) as laid out for its page.
    static void print(const ExerciseModel &model, QPagedPaintDevice *device);
    static void print(const ExerciseSheets &sheets, QPagedPaintDevice *device);

    // The sheet as a PDF file on a page of the given size.
    static QByteArray pdf(const ExerciseModel &model, QPageSize::PageSizeId page);
    static QByteArray pdf(const ExerciseSheets &sheets, QPageSize::PageSizeId page);
    // The PDF file with its document language (/Lang in the catalog) set to `language`, a BCP 47 tag,
    // by an incremental update; the file as it is for an empty tag, or one that cannot be updated.
    static QByteArray withPdfLanguage(const QByteArray &pdf, const QString &language);

    // The questions, numbered in their final order, whose gaps accept alternatives or carry clues:
    // what a format that cannot carry them names before it is written.
    static QStringList sentencesWithNotation(const ExerciseModel &model);

    // The texts that an XML or XHTML file of the model holds without some of their characters (see
    // XmlText), as the file then holds them: the title, each question as "3. " and its entry (numbered
    // in the final order), and, with `extraWords`, each extra word.
    static QStringList textsLosingCharacters(const ExerciseModel &model, bool extraWords);

    // "Answer key", and the word bank first when the sheet has one, then the key lines.
    static QStringList keyText(const ExerciseModel &model, const QStringList &sheetWords);
};

#endif // EXERCISERENDER_H
