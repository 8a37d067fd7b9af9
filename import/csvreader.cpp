// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet text: CSV and TSV as spreadsheets, flash-card programs and word-list sites export it.
#include "import/lxdimport.h"

#include <QSet>

namespace {

constexpr char16_t Separators[] = {u'\t', u';', u','};

// Splits `text` into rows of fields as RFC 4180 has it: a field in double quotes may hold the
// separator, line breaks and doubled quotes; a quote inside an unquoted field is an ordinary
// character. Rows with nothing in them are dropped. Stops after `maxRows` rows when that is not
// negative. Returns the line at which an unclosed quoted field began, or 0.
// `numbers` (when given) receives the number of each row as a spreadsheet counts it, blank ones included.
int splitRows(const QString &text, QChar separator, QList<QStringList> *rows, qsizetype maxRows = -1,
    QList<int> *numbers = nullptr)
{
    int number = 0;
    QStringList row;
    QString field;
    bool quoted = false; // inside a quoted field
    bool wasQuoted = false;
    int line = 1;
    int quoteLine = 0;
    auto endRow = [&]() {
        row += field;
        field.clear();
        wasQuoted = false;
        const bool blank = row.size() == 1 && row.front().trimmed().isEmpty();
        ++number;
        if (!blank) {
            rows->append(row);
            if (numbers)
                numbers->append(number);
        }
        row.clear();
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (maxRows >= 0 && rows->size() >= maxRows)
            return 0;
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == separator) {
            row += field;
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRow();
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty() && !wasQuoted) {
            // Spaces before the opening quote are not part of the field.
            field.clear();
            quoted = true;
            wasQuoted = true;
            quoteLine = line;
        } else {
            field += c;
        }
    }
    if (quoted)
        return quoteLine;
    if (!field.isEmpty() || !row.isEmpty())
        endRow();
    return 0;
}

} // namespace

int LxdImport::Table::columnCount() const
{
    int n = 0;
    for (const QStringList &row : rows)
        n = std::max(n, int(row.size()));
    return n;
}

QChar LxdImport::detectSeparator(const QString &text)
{
    // The separator is the one that cuts the first rows into the same number of fields, more than
    // one. Sentences hold commas, so the rarer characters are tried first.
    constexpr qsizetype sampleRows = 20;
    QChar best = QChar(u'\t');
    qsizetype bestSplit = 0;
    for (char16_t candidate : Separators) {
        QList<QStringList> rows;
        splitRows(text, QChar(candidate), &rows, sampleRows);
        if (rows.isEmpty())
            continue;
        const qsizetype first = rows.front().size();
        bool same = first > 1;
        qsizetype split = 0;
        for (const QStringList &row : std::as_const(rows)) {
            same = same && row.size() == first;
            split += row.size() > 1 ? 1 : 0;
        }
        if (same)
            return QChar(candidate);
        if (split > bestSplit) {
            best = QChar(candidate);
            bestSplit = split;
        }
    }
    return best;
}

bool LxdImport::firstRowNamesColumns(const Table &table)
{
    static const QSet<QString> names {QStringLiteral("word"), QStringLiteral("words"),
        QStringLiteral("headword"), QStringLiteral("head word"), QStringLiteral("term"),
        QStringLiteral("vocabulary"), QStringLiteral("sentence"), QStringLiteral("sentences"),
        QStringLiteral("example"), QStringLiteral("examples"), QStringLiteral("example sentence"),
        QStringLiteral("front"), QStringLiteral("back"), QStringLiteral("wort"), QStringLiteral("wörter"),
        QStringLiteral("stichwort"), QStringLiteral("satz"), QStringLiteral("sätze"),
        QStringLiteral("beispiel"), QStringLiteral("beispielsatz"), QStringLiteral("mot"),
        QStringLiteral("mots"), QStringLiteral("phrase"), QStringLiteral("phrases"),
        QStringLiteral("exemple"), QStringLiteral("palabra"), QStringLiteral("palabras"),
        QStringLiteral("frase"), QStringLiteral("frases"), QStringLiteral("ejemplo"),
        QStringLiteral("oración")};
    if (table.rows.size() < 2 || table.rows.front().size() < 2)
        return false;
    const auto isName = [](QString field) {
        field = field.simplified().toLower();
        if (field.endsWith(QLatin1Char(':')))
            field.chop(1);
        return names.contains(field);
    };
    const QStringList &first = table.rows.front();
    return isName(first.at(0)) && isName(first.at(1));
}

LxdImport::Table LxdImport::readTable(const QString &text, QChar separator)
{
    Table table;
    if (text.contains(QChar(0))) {
        table.error = tr("This is not a text file.");
        return table;
    }
    table.separator = separator.isNull() ? detectSeparator(text) : separator;
    if (const int line = splitRows(text, table.separator, &table.rows, -1, &table.rowNumbers)) {
        table.rows.clear();
        table.rowNumbers.clear();
        table.error = tr("The quoted field that begins in line %1 is never closed.").arg(line);
    }
    return table;
}

LxdImport::Result LxdImport::readCsv(const Table &table, const CsvColumns &columns, const Progress &progress)
{
    Result result;
    result.error = table.error;
    if (!result.ok())
        return result;
    const qsizetype count = table.rows.size();
    for (qsizetype r = columns.header ? 1 : 0; r < count; ++r) {
        if (progress && r % 1000 == 0 && !progress(int(r * 100 / count))) {
            Result cancelled;
            cancelled.error = tr("The import was cancelled.");
            return cancelled;
        }
        const QStringList &row = table.rows.at(r);
        const QString where = tr("Row %1").arg(table.rowNumbers.value(r, int(r) + 1));
        const QString headword = row.value(columns.headword);
        const QString sentence = columns.sentence >= 0 ? row.value(columns.sentence) : QString();
        result.add(headword, sentence, where);
    }
    return result;
}
