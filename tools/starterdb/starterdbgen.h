// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Builds the three starter databases (American, British and Canadian spelling) from one source text.
//
// Source format, UTF-8 (a byte-order mark is allowed), one record per line:
//   - blank lines and lines whose first non-blank character is '#' are ignored;
//   - a line beginning with "- " is an example sentence of the headword above it;
//   - any other line is a headword.
// Leading and trailing blanks are dropped. Anywhere in a headword or sentence, {a|b|c} stands for the text
// a in the American, b in the British and c in the Canadian database (exactly three parts, no nesting;
// a part may be empty). Braces and '|' have no other meaning and cannot appear as plain text.
namespace StarterDb {

enum Variant { American = 0, British = 1, Canadian = 2 };

constexpr int VariantCount = 3;

// "AmericanDB.lxv", "BritishDB.lxv" or "CanadianDB.lxv".
QString variantFileName(Variant variant);

struct Entry
{
    QString headword;
    QStringList sentences;
    int sourceLine = 0;
};

// Expands the source for one variant, in source order. Returns false and sets *error (with the line
// number) on malformed markup, a sentence without a complete key word, a bracket left open or nested,
// a headword without sentences, or a headword that occurs twice in the variant.
bool parseSource(const QString &source, Variant variant, QList<Entry> *entries, QString *error);

// Sorts as the program sorts its headwords: QString::operator<, that is by UTF-16 code unit, so every
// capital letter comes before every small one.
void sortEntries(QList<Entry> *entries);

// "en-US", "en-GB" or "en-CA": the language of the variant's sentences, which its file carries.
QString variantLanguage(Variant variant);

// The database file in format version 3: byte-order mark, the language line when `language` is given
// (as the program writes it, LineFile::languageLine), one CR LF terminated line per headword, each
// sentence as "&&&{0}" and its text. Entries are written in the order given.
QByteArray databaseBytes(const QList<Entry> &entries, const QString &language = QString());

// parseSource, sortEntries and databaseBytes in one step.
bool generateDatabase(const QString &source, Variant variant, QByteArray *bytes, QString *error);

// Decodes source file bytes as strict UTF-8, dropping a leading byte-order mark.
bool decodeSource(const QByteArray &bytes, QString *source, QString *error);

} // namespace StarterDb
