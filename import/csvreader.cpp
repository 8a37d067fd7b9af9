// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet text: CSV and TSV as spreadsheets, flash-card programs and word-list sites export it.
#include "import/lxdimport.h"

#include "data/brackettext.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <functional>

namespace {

constexpr char16_t Separators[] = {u'\t', u';', u','};

// Splits text into rows of fields as RFC 4180 has it: a field in double quotes may hold the
// separator, line breaks and doubled quotes; a quote inside an unquoted field is an ordinary
// character. Rows with nothing in them are dropped. The text may come in pieces of any size: a row,
// a quoted field or a CR LF may run across pieces.
class RowSplitter
{
public:
    // `row` receives each row with its number as a spreadsheet counts it, blank ones included, and
    // returns false to stop.
    using RowSink = std::function<bool(QStringList &row, int number)>;

    RowSplitter(QChar separator, RowSink sink)
        : m_separator(separator)
        , m_sink(std::move(sink))
    { }

    // False once the sink has asked to stop.
    bool feed(QStringView text)
    {
        for (const QChar c : text) {
            if (m_stopped)
                return false;
            take(c);
        }
        return !m_stopped;
    }

    // Returns the line at which a quoted field that is never closed began, or 0.
    int finish()
    {
        if (m_quoteSeen) {
            m_quoteSeen = false;
            m_quoted = false;
        }
        if (m_quoted)
            return m_quoteLine;
        if (!m_stopped && (!m_field.isEmpty() || !m_row.isEmpty()))
            endRow();
        return 0;
    }

private:
    void endRow()
    {
        m_row += m_field;
        m_field.clear();
        m_wasQuoted = false;
        const bool blank = m_row.size() == 1 && m_row.front().trimmed().isEmpty();
        ++m_number;
        if (!blank && !m_sink(m_row, m_number))
            m_stopped = true;
        m_row.clear();
    }

    void take(QChar c)
    {
        if (m_afterCr) {
            m_afterCr = false;
            if (c == QLatin1Char('\n'))
                return;
        }
        if (m_quoteSeen) {
            // A quote in a quoted field: doubled, it stands for itself; otherwise it closed the field.
            m_quoteSeen = false;
            if (c == QLatin1Char('"')) {
                m_field += c;
                return;
            }
            m_quoted = false;
        }
        if (m_quoted) {
            if (c == QLatin1Char('"')) {
                m_quoteSeen = true;
                return;
            }
            if (c == QLatin1Char('\n'))
                ++m_line;
            m_field += c;
            return;
        }
        if (c == m_separator) {
            m_row += m_field;
            m_field.clear();
            m_wasQuoted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            m_afterCr = c == QLatin1Char('\r');
            ++m_line;
            endRow();
        } else if (c == QLatin1Char('"') && m_field.trimmed().isEmpty() && !m_wasQuoted) {
            // Spaces before the opening quote are not part of the field.
            m_field.clear();
            m_quoted = true;
            m_wasQuoted = true;
            m_quoteLine = m_line;
        } else {
            m_field += c;
        }
    }

    QChar m_separator;
    RowSink m_sink;
    QStringList m_row;
    QString m_field;
    bool m_quoted = false; // inside a quoted field
    bool m_quoteSeen = false; // inside a quoted field, just after a quote
    bool m_wasQuoted = false;
    bool m_afterCr = false;
    bool m_stopped = false;
    int m_line = 1;
    int m_quoteLine = 0;
    int m_number = 0;
};

// Splits a whole text; stops after `maxRows` rows when that is not negative. Returns the line at
// which an unclosed quoted field began, or 0. `numbers` (when given) receives the number of each
// row as a spreadsheet counts it, blank ones included.
int splitRows(const QString &text, QChar separator, QList<QStringList> *rows, qsizetype maxRows = -1,
    QList<int> *numbers = nullptr)
{
    if (maxRows == 0)
        return 0;
    RowSplitter splitter(separator, [&](QStringList &row, int number) {
        rows->append(row);
        if (numbers)
            numbers->append(number);
        return maxRows < 0 || rows->size() < maxRows;
    });
    if (!splitter.feed(text))
        return 0;
    return splitter.finish();
}

QString unclosedQuote(int line)
{
    return LxdImport::tr("The quoted field that begins in line %1 is never closed.").arg(line);
}

// How many fields came in otherwise than written.
struct FieldCounts
{
    int html = 0; // as plain text
    int markedWords = 0; // sentences whose marked words became the key words
};

// A piece of an HTML field as the text it shows, its entities decoded and no-break spaces plain.
QString htmlPiece(const QString &piece)
{
    return LxdImport::decodeHtml(piece).replace(QChar::Nbsp, QLatin1Char(' '));
}

// A field of Anki's Cloze note type: each cloze deletion ("{{c1::went}}", "{{c2::went::go}}") is a key
// word, its answer in brackets and its hint as the clue; the text around it stays text, a bracket in
// it escaped. Every piece is read as `html` says before the brackets go in; a field without a cloze
// deletion comes back as it is.
QString fromCloze(const QString &field, bool html)
{
    static const QRegularExpression cloze(
        QStringLiteral("\\{\\{c\\d+::(.*?)\\}\\}"), QRegularExpression::DotMatchesEverythingOption);
    const auto plain = [html](const QString &piece) { return html ? htmlPiece(piece) : piece; };
    QString text;
    qsizetype at = 0;
    for (auto it = cloze.globalMatch(field); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        text += BracketText::escaped(plain(field.mid(at, match.capturedStart() - at)));
        const QString inside = match.captured(1);
        const qsizetype hintAt = inside.indexOf(QLatin1String("::"));
        const QString hint = hintAt < 0 ? QString() : plain(inside.mid(hintAt + 2)).trimmed();
        text += QLatin1Char('[') + BracketText::escaped(plain(hintAt < 0 ? inside : inside.left(hintAt)))
            + (hint.isEmpty() ? QString() : QLatin1String("::") + BracketText::escaped(hint))
            + QLatin1Char(']');
        at = match.capturedEnd();
    }
    if (at == 0)
        return field;
    text += BracketText::escaped(plain(field.mid(at)));
    return html ? text.simplified() : text;
}

// An HTML field that marks its key words as flash-card decks do, in bold, underlined or in italics
// ("She <b>went</b> home."): the marked words in brackets, the rest as plain text. Empty when no word
// is marked.
QString fromMarkedWords(const QString &field)
{
    static const QRegularExpression marked(QStringLiteral("<(b|strong|u|i|em)(?:\\s[^<>]*)?>(.*?)</\\1\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto plain = [](const QString &piece) { return BracketText::escaped(htmlPiece(piece)); };
    QString text;
    qsizetype at = 0;
    bool any = false;
    for (auto it = marked.globalMatch(field); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        text += plain(field.mid(at, match.capturedStart() - at));
        const QString word = LxdImport::htmlField(match.captured(2));
        if (!word.isEmpty()) {
            text += QLatin1Char('[') + BracketText::escaped(word) + QLatin1Char(']');
            any = true;
        }
        at = match.capturedEnd();
    }
    if (!any)
        return QString();
    text += plain(field.mid(at));
    return text.simplified();
}

// One row into the result, its fields as plain text when the file says they are HTML or they hold
// markup; a sentence without key words of its own takes its marked words. Counts the fields so
// converted.
void addRow(LxdImport::Result &result, const QStringList &row, const LxdImport::CsvColumns &columns,
    bool html, const QString &where, FieldCounts *counts)
{
    const auto field = [&](int column) {
        const QString text = row.value(column);
        if (column >= 0 && text.contains(QLatin1String("{{c"))) {
            const QString words = fromCloze(text, html || LxdImport::looksLikeHtml(text));
            if (words != text)
                return words;
        }
        if (column < 0 || (!html && !LxdImport::looksLikeHtml(text)))
            return column < 0 ? QString() : text;
        const QString plain = LxdImport::htmlField(text);
        if (column == columns.sentence && !plain.contains(QLatin1Char('['))) {
            const QString words = fromMarkedWords(text);
            if (!words.isEmpty()) {
                ++counts->markedWords;
                return words;
            }
        }
        if (plain != text.simplified())
            ++counts->html;
        return plain;
    };
    result.add(field(columns.headword), field(columns.sentence), where);
}

// What the report says of the reading itself: the settings lines, the markup, the encoding.
void noteReading(LxdImport::Result &result, const LxdImport::Directives &directives,
    const FieldCounts &counts, const QString &encoding)
{
    if (!directives.lines.isEmpty())
        result.converted += LxdImport::tr("Read as settings, not as rows: %1")
                                .arg(directives.lines.join(QLatin1String(", "))
                                         .replace(QLatin1Char('\t'), QLatin1Char(' ')));
    if (counts.html > 0)
        result.converted
            += LxdImport::tr("Fields that held HTML and came in as plain text: %1").arg(counts.html);
    if (counts.markedWords > 0)
        result.converted += LxdImport::tr("Sentences whose bold, underlined or italic words became the key "
                                          "words: %1")
                                .arg(counts.markedWords);
    if (encoding != QLatin1String("UTF-8"))
        result.converted += LxdImport::tr("Read as %1: the file is not UTF-8").arg(encoding);
}

// The row as the line it was: a header line is cut by the separator like any other.
QString rowLine(const QStringList &row, QChar separator)
{
    return row.join(separator);
}

// Decodes a file piece by piece as decodeText decodes it whole: by its byte-order mark, else as
// UTF-8 until a byte sequence proves that it is not, else as Windows-1252.
class FileDecoder
{
public:
    explicit FileDecoder(const QByteArray &head)
    {
        if (const auto bom = QStringConverter::encodingForData(head))
            m_encoding = *bom;
        m_decoder = QStringDecoder(m_encoding);
    }

    QString encodingName() const
    {
        return m_encoding == QStringConverter::Latin1
            ? QStringLiteral("Windows-1252")
            : QString::fromLatin1(QStringConverter::nameForEncoding(m_encoding));
    }

    // False when the bytes are not UTF-8 after all; the reading must then start again as
    // Windows-1252, one byte a character.
    bool decode(const QByteArray &bytes, QString *text)
    {
        *text = m_encoding == QStringConverter::Latin1 ? LxdImport::fromWindows1252(bytes)
                                                       : m_decoder.decode(bytes);
        if (m_decoder.hasError() && m_encoding == QStringConverter::Utf8) {
            m_encoding = QStringConverter::Latin1;
            m_decoder = QStringDecoder(m_encoding);
            return false;
        }
        if (m_first) {
            m_first = false;
            if (text->startsWith(QChar(0xFEFF)))
                text->remove(0, 1);
        }
        return true;
    }

    // What the decoder still holds at the end: an incomplete sequence is no UTF-8.
    bool finish(QString *text)
    {
        *text = m_decoder(QByteArray());
        if (m_decoder.hasError() && m_encoding == QStringConverter::Utf8) {
            m_encoding = QStringConverter::Latin1;
            m_decoder = QStringDecoder(m_encoding);
            return false;
        }
        return true;
    }

    void restart()
    {
        m_decoder = QStringDecoder(m_encoding);
        m_first = true;
    }

private:
    QStringConverter::Encoding m_encoding = QStringConverter::Utf8;
    QStringDecoder m_decoder;
    bool m_first = true;
};

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

LxdImport::Table LxdImport::readTable(const QString &text, QChar separator, bool partial)
{
    Table table;
    if (text.contains(QChar(0))) {
        table.error = tr("This is not a text file.");
        return table;
    }
    // Settings lines at the start (Anki's export) are no rows; the rows keep their line numbers. The
    // separator they name is looked for line by line, before the rows can be cut by it.
    if (separator.isNull()) {
        LxdImport::Directives named;
        for (const QStringView line :
            QStringView(text).left(4096).split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")))) {
            if (!named.read(line.toString()))
                break;
        }
        separator = named.separator;
    }
    table.separator = separator.isNull() ? detectSeparator(text) : separator;
    bool settings = true;
    RowSplitter splitter(table.separator, [&](QStringList &row, int number) {
        if (settings && table.directives.read(rowLine(row, table.separator)))
            return true;
        settings = false;
        table.rows.append(row);
        table.rowNumbers.append(number);
        return true;
    });
    splitter.feed(text);
    if (const int line = splitter.finish(); line && !partial) {
        table.rows.clear();
        table.rowNumbers.clear();
        table.error = unclosedQuote(line);
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
    FieldCounts counts;
    for (qsizetype r = columns.header ? 1 : 0; r < count; ++r) {
        if (progress && r % 1000 == 0 && !progress(int(r * 100 / count))) {
            Result cancelled;
            cancelled.error = tr("The import was cancelled.");
            return cancelled;
        }
        const QStringList &row = table.rows.at(r);
        const QString where = tr("Row %1").arg(table.rowNumbers.value(r, int(r) + 1));
        addRow(result, row, columns, table.directives.html, where, &counts);
    }
    noteReading(result, table.directives, counts, QStringLiteral("UTF-8"));
    return result;
}

LxdImport::Head LxdImport::readHead(const QString &fileName, qsizetype bytes)
{
    Head head;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        head.error = tr("The file cannot be read: %1").arg(file.errorString());
        return head;
    }
    const QByteArray start = file.read(bytes);
    if (file.error() != QFileDevice::NoError) {
        head.error = tr("The file cannot be read: %1").arg(file.errorString());
        return head;
    }
    head.whole = file.atEnd();
    FileDecoder decoder(start);
    QString rest;
    if (!decoder.decode(start, &head.text) || (head.whole && !decoder.finish(&rest))) {
        decoder.restart();
        decoder.decode(start, &head.text);
    }
    if (!head.whole) {
        // The last line is most likely cut short.
        const qsizetype end
            = std::max(head.text.lastIndexOf(QLatin1Char('\n')), head.text.lastIndexOf(QLatin1Char('\r')));
        head.text.truncate(std::max<qsizetype>(end, 0));
    }
    return head;
}

LxdImport::Result LxdImport::readCsvFile(
    const QString &fileName, QChar separator, const CsvColumns &columns, const Progress &progress)
{
    Result result;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = tr("The file cannot be read: %1").arg(file.errorString());
        return result;
    }
    const qint64 size = std::max<qint64>(file.size(), 1);
    constexpr qint64 piece = 1 << 20;
    FileDecoder decoder(file.peek(16));
    bool stopped = false;
    bool binary = false;
    Directives directives;
    FieldCounts counts;
    for (;;) {
        result = Result();
        directives = Directives();
        counts = FieldCounts();
        bool settings = true; // still among the settings lines at the start
        bool first = true;
        RowSplitter splitter(separator, [&](QStringList &row, int number) {
            if (settings && directives.read(rowLine(row, separator)))
                return true;
            settings = false;
            if (first && columns.header) {
                first = false;
                return true;
            }
            first = false;
            addRow(result, row, columns, directives.html, tr("Row %1").arg(number), &counts);
            return true;
        });
        bool again = false;
        QString text;
        while (!file.atEnd()) {
            // No larger than what is left: a buffer of the full piece would be made for every small file.
            const QByteArray bytes
                = file.read(std::min(piece, std::max<qint64>(file.size() - file.pos(), 1)));
            if (file.error() != QFileDevice::NoError) {
                result = Result();
                result.error = tr("The file cannot be read: %1").arg(file.errorString());
                return result;
            }
            if (!decoder.decode(bytes, &text)) {
                again = true;
                break;
            }
            if (text.contains(QChar(0))) {
                binary = true;
                break;
            }
            splitter.feed(text);
            if (progress && !progress(int(file.pos() * 100 / size))) {
                stopped = true;
                break;
            }
        }
        if (!again && !binary && !stopped) {
            again = !decoder.finish(&text);
            if (!again)
                splitter.feed(text);
        }
        if (again) {
            // Not UTF-8 after all: read again from the start, byte for character.
            if (!file.seek(0))
                break;
            decoder.restart();
            continue;
        }
        if (binary || stopped)
            break;
        if (const int line = splitter.finish()) {
            result = Result();
            result.error = unclosedQuote(line);
            return result;
        }
        noteReading(result, directives, counts, decoder.encodingName());
        return result;
    }
    result = Result();
    result.error = binary ? tr("This is not a text file.")
        : stopped         ? tr("The import was cancelled.")
                          : file.errorString();
    return result;
}

QString LxdImport::previewField(const QString &field, bool html)
{
    return html || looksLikeHtml(field) ? htmlField(field) : field.simplified();
}
