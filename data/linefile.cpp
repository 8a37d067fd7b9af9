// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/linefile.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace {

// Whether `bytes` ends in the middle of a UTF-8 sequence (the decoder keeps such a piece waiting
// for more input instead of reporting it).
bool endsInsideUtf8Sequence(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 4 && back <= bytes.size(); ++back) {
        const uchar c = uchar(bytes[bytes.size() - back]);
        if ((c & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for its lead
        const int length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        return length > back;
    }
    return false;
}

void handLine(LineFile::LineSink &sink, QStringView line)
{
    if (!line.isEmpty() && line.front() == QChar(0xFEFF))
        line = line.sliced(1);
    sink.line(line);
}

// Reads the lines of `file` with `decoder`, block by block. Returns false on a read error, and when
// `strict` is set and the decoder met bytes it cannot decode. A line longer than a block waits in
// the buffer until its end comes; it is neither searched nor moved again meanwhile, so one very long
// line costs no more than many short ones.
bool readLines(QFile &file, QStringDecoder &decoder, bool strict, LineFile::LineSink &sink)
{
    constexpr qint64 blockSize = 1 << 20;
    QByteArray block(blockSize, Qt::Uninitialized);
    QString text;
    qsizetype carried = 0;
    qint64 lastGot = 0;
    // A line that outgrows a block is offered to the sink piece by piece; while it takes nothing,
    // the offer comes again only once the line has doubled, so that it is not read again and again.
    bool partial = false; // the sink took some of the unfinished line
    qsizetype offerAt = blockSize;
    for (;;) {
        const qint64 got = file.read(block.data(), blockSize);
        if (got < 0)
            return false;
        const bool atEnd = got == 0;
        if (atEnd) {
            if (strict && endsInsideUtf8Sequence(QByteArrayView(block.constData(), lastGot)))
                return false;
            text.truncate(carried);
        } else {
            lastGot = got;
            const QByteArrayView bytes(block.constData(), got);
            text.resize(carried + decoder.requiredSpace(got));
            QChar *end = decoder.appendToBuffer(text.data() + carried, bytes);
            if (strict && decoder.hasError())
                return false;
            text.truncate(end - text.constData());
        }
        const QChar *const begin = text.constData();
        const qsizetype size = text.size();
        qsizetype start = 0;
        qsizetype searchFrom = carried; // the carried piece holds no line end
        for (;;) {
            qsizetype end = text.indexOf(QLatin1Char('\n'), searchFrom);
            if (end < 0) {
                if (!atEnd)
                    break;
                end = size;
            }
            qsizetype lineEnd = end;
            if (lineEnd > start && begin[lineEnd - 1] == QLatin1Char('\r'))
                --lineEnd;
            if (partial)
                sink.lineEnd(QStringView(begin + start, lineEnd - start));
            else if (start < size)
                handLine(sink, QStringView(begin + start, lineEnd - start));
            partial = false;
            offerAt = blockSize;
            start = end + 1;
            searchFrom = start;
            if (start > size)
                break;
        }
        if (atEnd)
            return true;
        if (size - start >= offerAt) {
            QStringView piece(begin + start, size - start);
            const qsizetype mark = !partial && piece.front() == QChar(0xFEFF) ? 1 : 0;
            const qsizetype taken = sink.linePiece(piece.sliced(mark), !partial);
            if (taken > 0) {
                start += mark + taken;
                partial = true;
                offerAt = blockSize;
            } else {
                offerAt = 2 * (size - start);
            }
        }
        // The unfinished last line moves to the front and waits for the next block.
        carried = size - start;
        if (carried > 0 && start > 0)
            memmove(text.data(), begin + start, carried * sizeof(QChar));
    }
}

} // namespace

bool LineFile::readFile(QFile &file, LineSink &sink)
{
    if (const auto bom = QStringConverter::encodingForData(file.peek(4))) {
        QStringDecoder decoder(*bom);
        return readLines(file, decoder, false, sink);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    if (readLines(file, utf8, true, sink))
        return true;
    if (file.error() != QFileDevice::NoError || !file.seek(0))
        return false;
    sink.restart();
    QStringDecoder latin1(QStringConverter::Latin1);
    return readLines(file, latin1, false, sink);
}

QString LineFile::breakSeparators(const QString &text)
{
    if (!holdsSeparator(text))
        return text;
    QString out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype end = i;
        while (end < text.size() && text.at(end) == QLatin1Char('&'))
            ++end;
        if (end - i >= 3) {
            for (qsizetype k = i; k < end; ++k)
                out += k > i ? QLatin1String(" &") : QLatin1String("&");
            i = end - 1;
        } else {
            out += text.at(i);
        }
    }
    return out;
}

void LineFile::appendSentenceField(QString &out, int used, const QString &text, int version)
{
    if (version >= 3) {
        // "{<count>}", formatted without a temporary string: a database has a million of them.
        char16_t digits[16];
        char16_t *p = digits + 16;
        *--p = u'}';
        unsigned n = used < 0 ? 0u - unsigned(used) : unsigned(used);
        do {
            *--p = char16_t(u'0' + n % 10);
            n /= 10;
        } while (n);
        if (used < 0)
            *--p = u'-';
        *--p = u'{';
        out.append(reinterpret_cast<const QChar *>(p), digits + 16 - p);
    } else if (used >= 1) {
        out += QLatin1Char('*');
    }
    appendLineSafe(out, text);
}

namespace {
const char LanguageKey[] = "language=";
}

QString LineFile::languageLine(const QString &tag)
{
    const QByteArray text = QByteArray(LanguageKey) + tag.toLatin1();
    QString line;
    line.reserve(text.size() * 8);
    for (const char c : text) {
        for (int bit = 7; bit >= 0; --bit)
            line += (uchar(c) >> bit) & 1 ? QLatin1Char('\t') : QLatin1Char(' ');
    }
    return line;
}

QString LineFile::readLanguageLine(QStringView line)
{
    // "language=" and a tag of no more than 64 characters.
    const qsizetype keySize = qsizetype(sizeof(LanguageKey) - 1);
    if (line.size() % 8 != 0 || line.size() <= keySize * 8 || line.size() > (keySize + 64) * 8)
        return QString();
    QByteArray text;
    for (qsizetype at = 0; at < line.size(); at += 8) {
        uchar c = 0;
        for (qsizetype bit = 0; bit < 8; ++bit) {
            const QChar mark = line.at(at + bit);
            if (mark != QLatin1Char('\t') && mark != QLatin1Char(' '))
                return QString();
            c = uchar(c << 1) | (mark == QLatin1Char('\t') ? 1 : 0);
        }
        text += char(c);
    }
    if (!text.startsWith(LanguageKey))
        return QString();
    return QString::fromLatin1(text.mid(keySize));
}

bool LineFile::writeRecords(QIODevice &device, int version, qsizetype count,
    const std::function<void(qsizetype i, QString &out)> &appendRecord, const QString &language)
{
    // Encoded a megabyte at a time: one QString of the whole file would take twice its size again.
    QStringEncoder encoder(version >= 3 ? QStringConverter::Utf8 : QStringConverter::Latin1);
    constexpr qsizetype chunk = 1 << 20;
    QString buffer;
    buffer.reserve(chunk + 4096);
    bool ok = true;
    auto flush = [&]() {
        const QByteArray bytes = encoder.encode(buffer);
        ok = ok && device.write(bytes) == bytes.size();
        buffer.resize(0);
    };

    if (version >= 3)
        buffer += QChar(0xFEFF);
    if (!language.isEmpty())
        buffer += languageLine(language) + QLatin1String("\r\n");
    for (qsizetype i = 0; i < count && ok; ++i) {
        appendRecord(i, buffer);
        buffer += QLatin1String("\r\n");
        if (buffer.size() >= chunk)
            flush();
    }
    flush();
    return ok;
}
