// SPDX-License-Identifier: GPL-3.0-or-later
// What every reader shares: the result with its report, decoding bytes and HTML text, bracketing a
// headword in its sentence, cutting a passage into sentences and telling the formats apart.
#include "import/lxdimport.h"

#include "data/brackettext.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace {

struct Entity
{
    const char *name;
    char32_t code;
};

// The entities of HTML 4 that the Latin-1 range and everyday typography need, sorted by name (byte
// order). Hot Potatoes writes every other character as a numeric reference.
constexpr Entity Entities[] = {
    {"AElig", 198},
    {"Aacute", 193},
    {"Acirc", 194},
    {"Agrave", 192},
    {"Aring", 197},
    {"Atilde", 195},
    {"Auml", 196},
    {"Ccedil", 199},
    {"Dagger", 8225},
    {"ETH", 208},
    {"Eacute", 201},
    {"Ecirc", 202},
    {"Egrave", 200},
    {"Euml", 203},
    {"Iacute", 205},
    {"Icirc", 206},
    {"Igrave", 204},
    {"Iuml", 207},
    {"Ntilde", 209},
    {"OElig", 338},
    {"Oacute", 211},
    {"Ocirc", 212},
    {"Ograve", 210},
    {"Oslash", 216},
    {"Otilde", 213},
    {"Ouml", 214},
    {"Scaron", 352},
    {"THORN", 222},
    {"Uacute", 218},
    {"Ucirc", 219},
    {"Ugrave", 217},
    {"Uuml", 220},
    {"Yacute", 221},
    {"Yuml", 376},
    {"aacute", 225},
    {"acirc", 226},
    {"acute", 180},
    {"aelig", 230},
    {"agrave", 224},
    {"amp", 38},
    {"apos", 39},
    {"aring", 229},
    {"atilde", 227},
    {"auml", 228},
    {"bdquo", 8222},
    {"brvbar", 166},
    {"bull", 8226},
    {"ccedil", 231},
    {"cedil", 184},
    {"cent", 162},
    {"circ", 710},
    {"copy", 169},
    {"curren", 164},
    {"dagger", 8224},
    {"deg", 176},
    {"divide", 247},
    {"eacute", 233},
    {"ecirc", 234},
    {"egrave", 232},
    {"emsp", 8195},
    {"ensp", 8194},
    {"eth", 240},
    {"euml", 235},
    {"euro", 8364},
    {"frac12", 189},
    {"frac14", 188},
    {"frac34", 190},
    {"gt", 62},
    {"hellip", 8230},
    {"iacute", 237},
    {"icirc", 238},
    {"iexcl", 161},
    {"igrave", 236},
    {"iquest", 191},
    {"iuml", 239},
    {"laquo", 171},
    {"ldquo", 8220},
    {"lsaquo", 8249},
    {"lsquo", 8216},
    {"lt", 60},
    {"macr", 175},
    {"mdash", 8212},
    {"micro", 181},
    {"middot", 183},
    {"nbsp", 160},
    {"ndash", 8211},
    {"not", 172},
    {"ntilde", 241},
    {"oacute", 243},
    {"ocirc", 244},
    {"oelig", 339},
    {"ograve", 242},
    {"ordf", 170},
    {"ordm", 186},
    {"oslash", 248},
    {"otilde", 245},
    {"ouml", 246},
    {"para", 182},
    {"permil", 8240},
    {"plusmn", 177},
    {"pound", 163},
    {"quot", 34},
    {"raquo", 187},
    {"rdquo", 8221},
    {"reg", 174},
    {"rsaquo", 8250},
    {"rsquo", 8217},
    {"sbquo", 8218},
    {"scaron", 353},
    {"sect", 167},
    {"shy", 173},
    {"sup1", 185},
    {"sup2", 178},
    {"sup3", 179},
    {"szlig", 223},
    {"thinsp", 8201},
    {"thorn", 254},
    {"tilde", 732},
    {"times", 215},
    {"trade", 8482},
    {"uacute", 250},
    {"ucirc", 251},
    {"ugrave", 249},
    {"uml", 168},
    {"uuml", 252},
    {"yacute", 253},
    {"yen", 165},
    {"yuml", 255},
};

QString fromCode(uint code)
{
    // U+FFFE and U+FFFF are no characters of any text; the readers use them as signs of their own.
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code == 0xFFFE
        || code == 0xFFFF)
        return QString(QChar::ReplacementCharacter);
    const char32_t c = char32_t(code);
    return QString::fromUcs4(&c, 1);
}

// Replaces "&#NNN;", "&#xHHHH;" and, with `named`, "&name;" by their characters; anything else
// that starts with "&" stays as it is.
QString decodeReferences(const QString &text, bool named)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        const qsizetype semi = c == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i + 1) : -1;
        if (semi < 0 || semi - i > 12) {
            out += c;
            ++i;
            continue;
        }
        const QStringView body = QStringView(text).sliced(i + 1, semi - i - 1);
        bool decoded = false;
        if (body.size() >= 2 && body.front() == QLatin1Char('#')) {
            const bool hex = body.at(1) == QLatin1Char('x') || body.at(1) == QLatin1Char('X');
            bool ok = false;
            const uint code = body.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok) {
                out += fromCode(code);
                decoded = true;
            }
        } else if (named && !body.isEmpty()) {
            const QByteArray key = body.toLatin1();
            const auto found = std::lower_bound(std::begin(Entities), std::end(Entities), key,
                [](const Entity &e, const QByteArray &k) { return std::strcmp(e.name, k.constData()) < 0; });
            if (found != std::end(Entities) && key == found->name) {
                out += fromCode(uint(found->code));
                decoded = true;
            }
        }
        if (decoded) {
            i = semi + 1;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

constexpr qsizetype SearchedSentences = 32;

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

} // namespace

int LxdImport::Result::sentenceCount() const
{
    int n = 0;
    for (const Headword &h : headwords)
        n += int(h.sentences.size());
    return n;
}

namespace {

// A field's text with blanks simplified. A byte-order mark at its start, left over where files were
// joined, is taken off too: it is invisible, and the database file drops it at the start of a line.
QString fieldText(const QString &text)
{
    QString field = text.simplified();
    while (field.startsWith(QChar(0xFEFF)))
        field = field.sliced(1).simplified();
    return field;
}

} // namespace

bool LxdImport::Result::add(
    const QString &headword, const QString &sentence, const QString &where, bool asWritten)
{
    // The database file holds one headword a line and cuts its sentences at "&&&": texts are kept on
    // one line, and one that holds the separator cannot be stored.
    const QString h = fieldText(headword);
    const QString separator = QStringLiteral("&&&");
    if (h.isEmpty()) {
        skipped += tr("%1: no headword").arg(where);
        return false;
    }
    if (h.contains(separator)) {
        skipped += tr("%1: the headword contains \"&&&\", which a database file cannot hold").arg(where);
        return false;
    }
    int index = byHeadword.value(h, -1);
    if (index < 0) {
        index = int(headwords.size());
        headwords.append({h, {}});
        sentenceSets.append(QSet<QString>());
        byHeadword.insert(h, index);
    }
    const QString s = fieldText(sentence);
    if (s.isEmpty())
        return true;
    if (s.contains(separator)) {
        skipped += tr("%1: the sentence contains \"&&&\", which a database file cannot hold").arg(where);
        return false;
    }
    const QString text = asWritten ? s : bracketHeadword(s, h);
    // A few sentences are searched as they are; a set of them is worth its memory only for a
    // headword with many, such as a long passage, where the search would grow with each one.
    QStringList &sentences = headwords[index].sentences;
    QSet<QString> &seen = sentenceSets[index];
    if (seen.isEmpty() && sentences.size() >= SearchedSentences)
        seen = QSet<QString>(sentences.cbegin(), sentences.cend());
    if (seen.isEmpty() ? sentences.contains(text) : seen.contains(text)) {
        skipped += tr("%1: the same sentence came earlier for \"%2\"").arg(where, h);
        return false;
    }
    if (!seen.isEmpty())
        seen.insert(text);
    sentences.append(text);
    if (!BracketText::complete(BracketText::status(text)))
        withoutKeyWord += where;
    return true;
}

bool LxdImport::Directives::read(const QString &line)
{
    if (!line.startsWith(QLatin1Char('#')))
        return false;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return false;
    const QString key = line.mid(1, colon - 1).trimmed().toLower();
    const QString value = line.mid(colon + 1).trimmed();
    static const QStringList others {QStringLiteral("notetype"), QStringLiteral("deck"),
        QStringLiteral("notetype column"), QStringLiteral("deck column"), QStringLiteral("guid column"),
        QStringLiteral("tags")};
    if (key == QLatin1String("separator")) {
        static const QHash<QString, QChar> named {{QStringLiteral("tab"), QChar(u'\t')},
            {QStringLiteral("comma"), QChar(u',')}, {QStringLiteral("semicolon"), QChar(u';')},
            {QStringLiteral("space"), QChar(u' ')}, {QStringLiteral("pipe"), QChar(u'|')},
            {QStringLiteral("colon"), QChar(u':')}};
        const QChar c = named.value(value.toLower());
        if (c.isNull() && value.size() != 1)
            return false;
        separator = c.isNull() ? value.front() : c;
    } else if (key == QLatin1String("html")) {
        html = value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    } else if (key == QLatin1String("tags column")) {
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 1)
            return false;
        tagsColumn = n - 1;
    } else if (key == QLatin1String("columns")) {
        // Named with the file's own separator, which may come before or after this line.
        columns = value.split(QRegularExpression(QStringLiteral("[\t;,|]")));
        for (QString &name : columns)
            name = name.trimmed();
    } else if (!others.contains(key)) {
        return false;
    }
    lines += line;
    return true;
}

LxdImport::Format LxdImport::formatOf(const QString &fileName, const QByteArray &head)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("tsv") || suffix == QLatin1String("txt")
        || suffix == QLatin1String("tab"))
        return Csv;
    if (suffix == QLatin1String("kvtml"))
        return Kvtml;
    if (suffix == QLatin1String("jcl"))
        return JCloze;
    if (suffix == QLatin1String("jmt"))
        return JMatch;
    if (head.contains("<kvtml"))
        return Kvtml;
    if (head.contains("<hotpot-jcloze-file"))
        return JCloze;
    if (head.contains("<hotpot-jmatch-file"))
        return JMatch;
    if (head.trimmed().startsWith('<'))
        return Unknown;
    return Csv;
}

LxdImport::Format LxdImport::formatOfFile(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("The file cannot be read: %1").arg(file.errorString());
        return Unknown;
    }
    return formatOf(fileName, file.read(4096));
}

LxdImport::Result LxdImport::readFile(const QString &fileName, Format format, QChar separator,
    const CsvColumns &columns, const Progress &progress)
{
    Result result;
    if (format == Csv) {
        if (separator.isNull()) {
            // Found from the head of the file, as the column dialog finds it.
            const Head head = readHead(fileName);
            if (head.error.isEmpty())
                separator = readTable(head.text, QChar(), !head.whole).separator;
        }
        return readCsvFile(fileName, separator, columns, progress);
    }
    if (format == Unknown) {
        result.error = tr("This is not a word list that can be imported.");
        return result;
    }
    QFile file(fileName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        result.error = tr("The file cannot be read: %1").arg(file.errorString());
        return result;
    }
    const QString title = QFileInfo(fileName).completeBaseName();
    if (format == Kvtml)
        return readKvtml(bytes, progress);
    if (format == JCloze)
        return readJCloze(bytes, title, progress);
    return readJMatch(bytes, title, progress);
}

QString LxdImport::decodeText(const QByteArray &bytes, QString *encoding)
{
    QString text;
    QString used;
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom);
        text = decoder.decode(bytes);
        used = QString::fromLatin1(QStringConverter::nameForEncoding(*bom));
    } else if (QByteArrayView(bytes).isValidUtf8()) {
        text = QString::fromUtf8(bytes);
        used = QStringLiteral("UTF-8");
    } else {
        text = fromWindows1252(bytes);
        used = QStringLiteral("Windows-1252");
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (encoding)
        *encoding = used;
    return text;
}

QString LxdImport::fromWindows1252(QByteArrayView bytes)
{
    // Where Windows-1252 differs from ISO 8859-1; the five codes it leaves free stay as they are.
    static constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C,
        0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text = QString::fromLatin1(bytes.data(), bytes.size());
    for (QChar &c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(High[c.unicode() - 0x80]);
    }
    return text;
}

bool LxdImport::looksLikeHtml(const QString &field)
{
    static const QRegularExpression markup(
        QStringLiteral("<[/!]?[A-Za-z][^<>]*>|&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"));
    return (field.contains(QLatin1Char('<')) || field.contains(QLatin1Char('&')))
        && markup.match(field).hasMatch();
}

QString LxdImport::htmlField(const QString &html)
{
    QString text = decodeHtml(html);
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    return text.simplified();
}

QString LxdImport::decodeHtml(const QString &html)
{
    // Hot Potatoes keeps its texts as HTML and writes that HTML with every character outside ASCII
    // (and < > &) as a numeric reference. Those references come first; what they give is HTML
    // source, whose tags go and whose own entities are then decoded.
    QString text = decodeReferences(html, false);
    if (text.contains(QLatin1Char('<'))) {
        static const QRegularExpression lineTags(
            QStringLiteral("<\\s*(br|/p|/div|/li)\\b[^<>]*>"), QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression tags(QStringLiteral("<[/!]?[A-Za-z][^<>]*>"));
        text.replace(lineTags, QStringLiteral("\n"));
        text.remove(tags);
    }
    return decodeReferences(text, true);
}

QString LxdImport::bracketHeadword(const QString &sentence, const QString &headword)
{
    const QString h = headword.trimmed();
    if (h.isEmpty() || sentence.contains(QLatin1Char('[')) || sentence.contains(QLatin1Char(']')))
        return sentence;
    for (qsizetype at = sentence.indexOf(h, 0, Qt::CaseInsensitive); at >= 0;
         at = sentence.indexOf(h, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + h.size();
        const bool startsWord = at == 0 || !isWordChar(sentence.at(at - 1)) || !isWordChar(h.front());
        const bool endsWord
            = end == sentence.size() || !isWordChar(sentence.at(end)) || !isWordChar(h.back());
        if (startsWord && endsWord) {
            QString out = sentence;
            out.insert(end, QLatin1Char(']'));
            out.insert(at, QLatin1Char('['));
            return out;
        }
    }
    return sentence;
}

namespace {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
        || c == QChar::LineSeparator;
}

// Whether the full stop at the end of `piece` belongs to its last word: an abbreviation ("Mr.",
// "e.g."), an initial ("J. Smith"), or the number or letter that only numbers a list item ("1.").
bool stopIsPartOfWord(const QString &piece)
{
    qsizetype start = piece.size() - 1;
    while (start > 0 && (piece.at(start - 1).isLetterOrNumber() || piece.at(start - 1) == QLatin1Char('.')))
        --start;
    const QString word = piece.mid(start, piece.size() - 1 - start);
    if (word.isEmpty())
        return false;
    if (word.contains(QLatin1Char('.')) || (word.size() == 1 && word.at(0).isLetter()))
        return true;
    static const QStringList abbreviations {QStringLiteral("Mr"), QStringLiteral("Mrs"), QStringLiteral("Ms"),
        QStringLiteral("Dr"), QStringLiteral("St"), QStringLiteral("Mt"), QStringLiteral("Prof"),
        QStringLiteral("Sr"), QStringLiteral("Jr"), QStringLiteral("Nr"), QStringLiteral("Fig"),
        QStringLiteral("vs"), QStringLiteral("cf"), QStringLiteral("ca"), QStringLiteral("approx")};
    if (abbreviations.contains(word))
        return true;
    // A number alone before the stop numbers the item that follows.
    return std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); })
        && piece.trimmed().size() == word.size() + 1;
}

// Whether a new sentence begins at `i`: a capital (or a letter of a script without case) or a
// digit, perhaps after an opening quote or bracket, or a gap whose answer begins so. A clue in
// parentheses such as "(try)" begins with a small letter and stays with the sentence before.
bool startsSentence(const QString &text, qsizetype i)
{
    static const QString openers = QStringLiteral("\"'(\u00AB\u201C\u2018\u201E\u00BF\u00A1");
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < n && QStringView(u"[]\\").contains(text.at(i + 1))) {
            i += 2; // a bracket that is text opens like any other
        } else if (openers.contains(c) || c == QLatin1Char('[')) {
            ++i;
        } else {
            // U+FFFF: the JCloze reader's sign for a gap without an answer, which may begin one.
            return c.isDigit() || (c.isLetter() && !c.isLower()) || c == QChar(0xFFFF);
        }
    }
    return false;
}

// Whether the line at `i` begins with a list number: "2." or "2)".
bool startsListItem(const QString &text, qsizetype i)
{
    const qsizetype from = i;
    while (i < text.size() && text.at(i).isDigit())
        ++i;
    return i > from && i < text.size() && (text.at(i) == QLatin1Char('.') || text.at(i) == QLatin1Char(')'));
}

} // namespace

QStringList LxdImport::splitSentences(const QString &passage)
{
    QStringList out;
    QString piece;
    auto flush = [&]() {
        const QString s = piece.simplified();
        if (!s.isEmpty())
            out += s;
        piece.clear();
    };
    const QString closers = QStringLiteral("\"')\u00BB\u201D\u2019");
    bool inKeyWord = false;
    bool ended = false; // the piece ends a sentence if a new one follows
    const qsizetype n = passage.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = passage.at(i);
        if (c == QLatin1Char('\\') && i + 1 < n && QStringView(u"[]\\").contains(passage.at(i + 1))) {
            // An escaped bracket or backslash is text, wherever it stands.
            piece += c;
            piece += passage.at(++i);
            ended = false;
            continue;
        }
        if (inKeyWord) {
            piece += c;
            inKeyWord = c != QLatin1Char(']');
            continue;
        }
        if (c.isSpace()) {
            // A line break is white space within a sentence; a blank line, or a line that begins
            // with a list number, starts a new one.
            qsizetype j = i;
            int breaks = 0;
            while (j < n && passage.at(j).isSpace()) {
                if (isLineBreak(passage.at(j))
                    && !(passage.at(j) == QLatin1Char('\n') && j > 0
                        && passage.at(j - 1) == QLatin1Char('\r')))
                    ++breaks;
                ++j;
            }
            if (j < n
                && ((ended && startsSentence(passage, j)) || breaks >= 2
                    || (breaks == 1 && startsListItem(passage, j))))
                flush();
            else
                piece += QLatin1Char(' ');
            ended = false;
            i = j - 1;
            continue;
        }
        piece += c;
        ended = false;
        if (c == QLatin1Char('[')) {
            inKeyWord = true;
        } else if (c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?')
            || c == QChar(0x2026)) {
            ended = c != QLatin1Char('.') || !stopIsPartOfWord(piece);
            while (i + 1 < n && (closers.contains(passage.at(i + 1)) || passage.at(i + 1) == c))
                piece += passage.at(++i);
        }
    }
    flush();
    return out;
}
