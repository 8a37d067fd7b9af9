// SPDX-License-Identifier: GPL-3.0-or-later
#include "starterdbgen.h"

#include "data/linefile.h"

#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace StarterDb {

namespace {

const QString SentencePrefix = QStringLiteral("- ");
const QString FieldSeparator = QStringLiteral("&&&");

QString lineError(int line, const QString &message)
{
    return QStringLiteral("line %1: %2").arg(line).arg(message);
}

// Replaces every {american|british|canadian} group by the part for the variant.
bool expandMarkup(const QString &text, Variant variant, QString *out, QString *message)
{
    out->clear();
    bool inGroup = false;
    int part = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('{')) {
            if (inGroup) {
                *message = QStringLiteral("'{' inside a variant group");
                return false;
            }
            inGroup = true;
            part = 0;
        } else if (c == QLatin1Char('|')) {
            if (!inGroup) {
                *message = QStringLiteral("'|' outside a variant group");
                return false;
            }
            if (++part >= VariantCount) {
                *message = QStringLiteral("variant group with more than %1 parts").arg(VariantCount);
                return false;
            }
        } else if (c == QLatin1Char('}')) {
            if (!inGroup) {
                *message = QStringLiteral("'}' without '{'");
                return false;
            }
            if (part != VariantCount - 1) {
                *message = QStringLiteral("variant group with %1 parts instead of %2")
                               .arg(part + 1)
                               .arg(VariantCount);
                return false;
            }
            inGroup = false;
        } else if (!inGroup || part == int(variant)) {
            out->append(c);
        }
    }
    if (inGroup) {
        *message = QStringLiteral("variant group left open");
        return false;
    }
    return true;
}

// Text that the database file cannot carry, or that only a markup slip produces.
bool checkPlainText(const QString &text, QString *message)
{
    if (text.isEmpty()) {
        *message = QStringLiteral("empty text");
        return false;
    }
    if (text.contains(FieldSeparator)) {
        *message = QStringLiteral("text contains the field separator \"%1\"").arg(FieldSeparator);
        return false;
    }
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            *message = QStringLiteral("control character U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            return false;
        }
    }
    if (text != text.trimmed() || text.contains(QStringLiteral("  "))) {
        *message = QStringLiteral("stray blank in \"%1\"").arg(text);
        return false;
    }
    return true;
}

// Stricter than the program's own check: key words must be non-empty and brackets never nest.
bool checkKeyWords(const QString &sentence, QString *message)
{
    bool open = false;
    int start = 0;
    int pairs = 0;
    for (int i = 0; i < sentence.size(); ++i) {
        const QChar c = sentence.at(i);
        if (c == QLatin1Char('[')) {
            if (open) {
                *message = QStringLiteral("nested '[' in \"%1\"").arg(sentence);
                return false;
            }
            open = true;
            start = i + 1;
        } else if (c == QLatin1Char(']')) {
            if (!open) {
                *message = QStringLiteral("']' without '[' in \"%1\"").arg(sentence);
                return false;
            }
            if (sentence.mid(start, i - start).trimmed().isEmpty()) {
                *message = QStringLiteral("empty key word in \"%1\"").arg(sentence);
                return false;
            }
            open = false;
            ++pairs;
        }
    }
    if (open) {
        *message = QStringLiteral("bracket left open in \"%1\"").arg(sentence);
        return false;
    }
    if (pairs == 0) {
        *message = QStringLiteral("no key word in brackets in \"%1\"").arg(sentence);
        return false;
    }
    return true;
}

bool finishEntry(const Entry &entry, QString *error)
{
    if (entry.sentences.isEmpty()) {
        *error = lineError(
            entry.sourceLine, QStringLiteral("headword \"%1\" has no sentences").arg(entry.headword));
        return false;
    }
    return true;
}

} // namespace

QString variantFileName(Variant variant)
{
    switch (variant) {
    case American:
        return QStringLiteral("AmericanDB.lxv");
    case British:
        return QStringLiteral("BritishDB.lxv");
    case Canadian:
        return QStringLiteral("CanadianDB.lxv");
    }
    return QString();
}

bool parseSource(const QString &source, Variant variant, QList<Entry> *entries, QString *error)
{
    entries->clear();
    error->clear();
    QList<Entry> result;
    QSet<QString> headwords;
    const QStringList lines = source.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;

        const bool isSentence = line.startsWith(SentencePrefix);
        const QString raw = isSentence ? line.mid(SentencePrefix.size()).trimmed() : line;
        QString text;
        QString message;
        if (!expandMarkup(raw, variant, &text, &message) || !checkPlainText(text, &message)) {
            *error = lineError(lineNumber, message);
            return false;
        }

        if (isSentence) {
            if (result.isEmpty()) {
                *error = lineError(lineNumber, QStringLiteral("sentence before the first headword"));
                return false;
            }
            if (!checkKeyWords(text, &message)) {
                *error = lineError(lineNumber, message);
                return false;
            }
            if (result.last().sentences.contains(text)) {
                *error = lineError(lineNumber, QStringLiteral("sentence repeated: \"%1\"").arg(text));
                return false;
            }
            result.last().sentences.append(text);
            continue;
        }

        if (text.contains(QLatin1Char('[')) || text.contains(QLatin1Char(']'))) {
            *error = lineError(lineNumber, QStringLiteral("bracket in headword \"%1\"").arg(text));
            return false;
        }
        if (headwords.contains(text)) {
            *error = lineError(lineNumber,
                QStringLiteral("headword \"%1\" occurs twice in the %2 database")
                    .arg(text, variantFileName(variant)));
            return false;
        }
        if (!result.isEmpty() && !finishEntry(result.last(), error))
            return false;
        headwords.insert(text);
        result.append(Entry {text, QStringList(), lineNumber});
    }
    if (result.isEmpty()) {
        *error = QStringLiteral("the source holds no headwords");
        return false;
    }
    if (!finishEntry(result.last(), error))
        return false;
    *entries = result;
    return true;
}

void sortEntries(QList<Entry> *entries)
{
    std::sort(entries->begin(), entries->end(),
        [](const Entry &a, const Entry &b) { return a.headword < b.headword; });
}

QString variantLanguage(Variant variant)
{
    switch (variant) {
    case American:
        return QStringLiteral("en-US");
    case British:
        return QStringLiteral("en-GB");
    case Canadian:
        return QStringLiteral("en-CA");
    }
    return QString();
}

QByteArray databaseBytes(const QList<Entry> &entries, const QString &language)
{
    QString text;
    if (!language.isEmpty())
        text += LineFile::languageLine(language) + QStringLiteral("\r\n");
    for (const Entry &entry : entries) {
        text += entry.headword;
        for (const QString &sentence : entry.sentences)
            text += FieldSeparator + QStringLiteral("{0}") + sentence;
        text += QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

bool generateDatabase(const QString &source, Variant variant, QByteArray *bytes, QString *error)
{
    QList<Entry> entries;
    if (!parseSource(source, variant, &entries, error))
        return false;
    sortEntries(&entries);
    *bytes = databaseBytes(entries, variantLanguage(variant));
    return true;
}

bool decodeSource(const QByteArray &bytes, QString *source, QString *error)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        *error = QStringLiteral("the source is not valid UTF-8");
        return false;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    *source = text;
    return true;
}

} // namespace StarterDb
