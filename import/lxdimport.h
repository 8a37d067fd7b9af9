// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDIMPORT_H
#define LXDIMPORT_H

#include "data/lxdmergeplan.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// Word lists made with other tools, read into headwords with sentences: spreadsheet text (CSV and
// TSV), KVTML (KDE's vocabulary programs) and Hot Potatoes JCloze and JMatch exercises. Readers only
// read; what they found goes into the database by the append's own merge, straight from memory.
class LxdImport
{
    Q_DECLARE_TR_FUNCTIONS(LxdImport)

public:
    enum Format { Unknown, Csv, Kvtml, JCloze, JMatch };

    struct Headword
    {
        QString headword;
        QStringList sentences;
    };

    // What a reader found, what it passed over and why, or why it could not read the file at all.
    // The headwords come into the database as they are: every sentence new, used 0.
    struct Result : LxdIncoming
    {
        QString error; // empty when the file was read
        QList<Headword> headwords;
        QStringList skipped; // one line each: where, and why
        // What came in otherwise than the file has it (decoded, converted, read as settings), one
        // line each, for the teacher to check.
        QStringList converted;
        QStringList withoutKeyWord; // where each sentence without a key word came from

        bool ok() const { return error.isEmpty(); }
        int sentenceCount() const;

        qsizetype headwordCount() const override { return headwords.size(); }
        QStringView headword(qsizetype j) const override { return headwords.at(j).headword; }
        qsizetype sentenceCount(qsizetype j) const override { return headwords.at(j).sentences.size(); }
        Sentence sentence(qsizetype j, qsizetype k) const override
        {
            return {headwords.at(j).sentences.at(k), 0, true};
        }

        // Adds a sentence (may be empty: the headword alone) to the headword of that text, which is
        // made on first use: rows of one headword in a list come together. `where` names the place
        // in the file for the report. A sentence without brackets gets its headword bracketed
        // (bracketHeadword) unless it is added `asWritten`. False when it was skipped.
        bool add(
            const QString &headword, const QString &sentence, const QString &where, bool asWritten = false);

    private:
        QHash<QString, int> byHeadword;
        QList<QSet<QString>> sentenceSets; // beside `headwords`: the sentences of one that has many
    };

    // The header lines with which Anki's "Notes in Plain Text" export begins ("#separator:tab",
    // "#html:true", "#tags column:3", "#columns:Front\tBack"): settings for reading the rows.
    struct Directives
    {
        QChar separator; // null: not named
        bool html = false;
        int tagsColumn = -1; // 0-based
        QStringList columns; // the names the file gives its columns
        QStringList lines; // the header lines as read
        // Reads `line` when it is such a header line (the known keys only).
        bool read(const QString &line);
    };

    // A spreadsheet read as text: its rows of fields, the separator found and how it was decoded.
    struct Table
    {
        QList<QStringList> rows;
        QList<int> rowNumbers; // as a spreadsheet numbers them, blank rows counted
        QChar separator;
        QString error;
        Directives directives;
        int columnCount() const;
    };

    struct CsvColumns
    {
        int headword = 0;
        int sentence = 1; // -1: headwords only
        bool header = false; // the first row names the columns
    };

    // Called now and then with the share done, 0 to 100; returning false stops the reader, whose
    // result is then an error.
    using Progress = std::function<bool(int percent)>;

    // Which reader a file needs, from its name and, when that does not tell, its first bytes.
    static Format formatOf(const QString &fileName, const QByteArray &head);
    // The same for a file on disk; Unknown, with the reason in `error`, when it cannot be read.
    static Format formatOfFile(const QString &fileName, QString *error);
    // Reads a whole file with the reader `format` names: `separator` (null: found from the file) and
    // `columns` for a spreadsheet; the Hot Potatoes readers name a headword after the file when the
    // exercise has no title.
    // LxdImportRun does the same on a thread of its own.
    static Result readFile(const QString &fileName, Format format, QChar separator, const CsvColumns &columns,
        const Progress &progress = {});

    // Bytes to text: by a byte-order mark, else UTF-8 when they are valid UTF-8, else Windows-1252
    // (ISO 8859-1 with printable characters in 0x80-0x9F, as Excel and Windows write). `encoding`,
    // when given, receives the name of the one used.
    static QString decodeText(const QByteArray &bytes, QString *encoding = nullptr);
    static QString fromWindows1252(QByteArrayView bytes);

    // Splits spreadsheet text into rows of fields (RFC 4180 quoting, any line end). A null
    // separator is found from the text: tab, semicolon or comma. A `partial` text is the head of a
    // longer file: a quoted field still open at its end only ends the table there.
    static Table readTable(const QString &text, QChar separator = QChar(), bool partial = false);
    static QChar detectSeparator(const QString &text);
    // Whether the first row names the columns: its first two fields are both usual column names
    // ("Headword" and "Sentence", "Wort" and "Satz", ...) and there is a row after it. A real
    // headword with a real sentence hardly ever reads as two names, and the teacher sees the guess
    // in the dialog before anything is imported.
    static bool firstRowNamesColumns(const Table &table);
    static Result readCsv(const Table &table, const CsvColumns &columns, const Progress &progress = {});

    // The start of a spreadsheet file for the column dialog, decoded as the whole file will be and
    // cut after its last complete line; `whole` when that is all there is.
    struct Head
    {
        QString text;
        bool whole = true;
        QString error; // the file cannot be read
    };
    static Head readHead(const QString &fileName, qsizetype bytes = 64 * 1024);
    // Reads the whole spreadsheet file a piece at a time, never holding all of its text at once.
    static Result readCsvFile(
        const QString &fileName, QChar separator, const CsvColumns &columns, const Progress &progress = {});

    // The XML readers refuse a file past the limits of XmlLimits (nesting, entity expansion), with
    // the reason as the error, and stop within a moment of `progress` asking them to.
    static Result readKvtml(const QByteArray &bytes, const Progress &progress = {});
    // `fallbackTitle` names the headword when the exercise has no title of its own.
    static Result readJCloze(
        const QByteArray &bytes, const QString &fallbackTitle, const Progress &progress = {});
    static Result readJMatch(
        const QByteArray &bytes, const QString &fallbackTitle, const Progress &progress = {});

    // HTML text to plain text: character references and entities decoded, tags removed.
    static QString decodeHtml(const QString &html);
    // A field of a flash-card program as plain text on one line: tags removed, entities decoded,
    // line breaks and no-break spaces as blanks.
    static QString htmlField(const QString &html);
    // A spreadsheet field as the column dialog shows it: on one line, as plain text when the file says
    // its fields are HTML or the field holds markup.
    static QString previewField(const QString &field, bool html);
    // Whether a field holds HTML markup or an entity.
    static bool looksLikeHtml(const QString &field);

    // A sentence without brackets gets the first whole-word, case-insensitive occurrence of its
    // headword bracketed; any other sentence comes back as it is.
    static QString bracketHeadword(const QString &sentence, const QString &headword);

    // Cuts a passage into sentences: after . ! ? (and closing quotes) where white space and a new
    // sentence follow, at a blank line and before a line that begins with a list number; never
    // inside a key word in brackets, at an abbreviation ("Mr.") or at a single line break.
    static QStringList splitSentences(const QString &passage);
};

#endif // LXDIMPORT_H
