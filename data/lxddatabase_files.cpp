// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the database file (one headword per line) and the XML exchange document.
#include "data/lxddatabase.h"

#include "data/linefile.h"
#include "data/lxditem.h"
#include "data/lxdpendingappend.h"
#include "data/lxdsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

#include <cmath>

int LxdDatabase::applicationFormatVersion()
{
    const double version = QCoreApplication::applicationVersion().toDouble();
    return int(std::trunc(version));
}

bool LxdDatabase::saveText(const QString &fileName, int version)
{
    // Written to a temporary file and renamed over the old one only when everything is on disk,
    // so a failed save never leaves a half-written database behind.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;

    QStringEncoder encoder(version >= 3 ? QStringConverter::Utf8 : QStringConverter::Latin1);
    constexpr qsizetype chunk = 1 << 20;
    QString buffer;
    buffer.reserve(chunk + 4096);
    bool ok = true;
    auto flush = [&]() {
        const QByteArray bytes = encoder.encode(buffer);
        ok = ok && file.write(bytes) == bytes.size();
        buffer.resize(0);
    };

    if (version >= 3)
        buffer += QChar(0xFEFF);
    for (const LxdItem *item : std::as_const(items)) {
        item->appendFileText(buffer, version);
        buffer += QLatin1String("\r\n");
        if (buffer.size() >= chunk)
            flush();
        if (!ok)
            break;
    }
    flush();
    if (!ok || !file.commit())
        return false;
    setModified(false);
    return true;
}

// Reads the lines of `file` with `decoder`, block by block, handing each line (without its LF or
// CR LF) to `line`. Returns false when the decoder met bytes it cannot decode and `strict` is set.
// Whether `bytes` ends in the middle of a UTF-8 sequence (the decoder keeps such a piece waiting
// for more input instead of reporting it).
static bool endsInsideUtf8Sequence(QByteArrayView bytes)
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

template<typename LineHandler>
static bool readLines(QFile &file, QStringDecoder &decoder, bool strict, LineHandler line)
{
    constexpr qint64 blockSize = 1 << 20;
    QByteArray block(blockSize, Qt::Uninitialized);
    QString text;
    qsizetype carried = 0;
    qint64 lastGot = 0;
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
        for (;;) {
            qsizetype end = text.indexOf(QLatin1Char('\n'), start);
            if (end < 0) {
                if (!atEnd)
                    break;
                end = size;
            }
            qsizetype lineEnd = end;
            if (lineEnd > start && begin[lineEnd - 1] == QLatin1Char('\r'))
                --lineEnd;
            if (start < size)
                line(QStringView(begin + start, lineEnd - start));
            start = end + 1;
            if (start > size)
                break;
        }
        if (atEnd)
            return true;
        // The unfinished last line moves to the front and waits for the next block.
        carried = size - start;
        if (carried > 0)
            memmove(text.data(), begin + start, carried * sizeof(QChar));
    }
}

// Reads a database file line by line. Files written by this program in the current form start
// with a UTF-8 byte-order mark. Older ones have no mark and were written in ISO 8859-1; files made
// by hand usually are UTF-8 without a mark. Valid UTF-8 is taken as UTF-8, anything else as
// ISO 8859-1, which decodes every byte: `restart` is called before the second reading.
template<typename Restart, typename LineHandler>
static bool readDatabaseFile(QFile &file, Restart restart, LineHandler line)
{
    if (const auto bom = QStringConverter::encodingForData(file.peek(4))) {
        QStringDecoder decoder(*bom);
        return readLines(file, decoder, false, line);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    if (readLines(file, utf8, true, line))
        return true;
    if (file.error() != QFileDevice::NoError || !file.seek(0))
        return false;
    restart();
    QStringDecoder latin1(QStringConverter::Latin1);
    return readLines(file, latin1, false, line);
}

bool LxdDatabase::loadText(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    // The rows appear in one reset rather than one insertion each: it tells attached views the
    // same thing, far faster for a large file.
    beginModelReset();
    const qsizetype firstNew = items.size();
    const auto dropNew = [this, firstNew]() {
        for (qsizetype i = items.size() - 1; i >= firstNew; --i)
            delete items.at(i);
        items.resize(firstNew);
    };
    const bool ok = readDatabaseFile(file, dropNew, [this](QStringView line) {
        // Blank lines carry nothing; any other line is a headword, however short.
        if (line.trimmed().isEmpty())
            return;
        auto *item = new LxdItem(document, this, nullptr);
        items.append(item);
        item->readFileLine(line);
    });
    if (!ok) {
        // Unreadable, or a read error part way: nothing half-loaded stays.
        dropNew();
        endModelReset();
        return false;
    }
    endModelReset();
    wordListModel->refresh();
    // The new records were built unmarked; only those held before need clearing.
    const bool was = modified;
    modified = false;
    for (qsizetype i = 0; i < firstNew; ++i)
        items.at(i)->setModified(false);
    if (was)
        emit modifiedChanged(false);
    return true;
}

namespace {
// The text rules of the line file over UTF-8 bytes, as LineFile and LxdSentence apply them to
// decoded text: lengths are counted in UTF-16 units and trimming removes Unicode white space.
namespace Utf8Line {

// UTF-16 length of a short piece; enough to tell "two characters or fewer".
qsizetype utf16Length(QByteArrayView bytes)
{
    qsizetype n = 0;
    for (char c : bytes) {
        const uchar u = uchar(c);
        if ((u & 0xC0) != 0x80)
            ++n;
        if (u >= 0xF0)
            ++n; // a surrogate pair
    }
    return n;
}

bool atMostTwoUnits(QByteArrayView bytes)
{
    return bytes.size() <= 2 || (bytes.size() <= 8 && utf16Length(bytes) <= 2);
}

bool isAsciiSpace(uchar c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    return LineFile::trimmedUtf8(bytes);
}

qsizetype findSeparator(QByteArrayView line, qsizetype from)
{
    const qsizetype size = line.size();
    for (;;) {
        const qsizetype at = line.indexOf('&', from);
        if (at < 0 || at + 2 >= size)
            return -1;
        if (line[at + 1] == '&' && line[at + 2] == '&')
            return at;
        from = at + 1;
    }
}

bool parseUsed(QByteArrayView digits, int *out)
{
    bool ok = false;
    const int n = QString::fromUtf8(digits).toInt(&ok, 10);
    if (ok)
        *out = n;
    return ok;
}

// As LxdSentence::parseFileField.
bool parseField(QByteArrayView field, QByteArrayView *text, int *used)
{
    *used = 0;
    field = trimmed(field);
    if (atMostTwoUnits(field))
        return false;
    if (field.front() == '{') {
        const qsizetype close = field.indexOf('}');
        if (close >= 2) {
            parseUsed(field.sliced(1, close - 1), used);
            field = field.sliced(close + 1);
        }
    } else if (field.front() == '*') {
        *used = 1;
        field = field.sliced(1);
    }
    *text = field;
    return true;
}

} // namespace Utf8Line
} // namespace

QByteArrayView LineFile::trimmedUtf8(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end) {
        const uchar c = uchar(bytes[begin]);
        if (Utf8Line::isAsciiSpace(c)) {
            ++begin;
            continue;
        }
        if (c < 0x80)
            break;
        qsizetype next = begin + 1;
        while (next < end && (uchar(bytes[next]) & 0xC0) == 0x80)
            ++next;
        const QString ch = QString::fromUtf8(bytes.sliced(begin, next - begin));
        if (ch.isEmpty() || !ch.trimmed().isEmpty())
            break;
        begin = next;
    }
    while (end > begin) {
        const uchar c = uchar(bytes[end - 1]);
        if (Utf8Line::isAsciiSpace(c)) {
            --end;
            continue;
        }
        if (c < 0x80)
            break;
        qsizetype start = end - 1;
        while (start > begin && (uchar(bytes[start]) & 0xC0) == 0x80)
            --start;
        const QString ch = QString::fromUtf8(bytes.sliced(start, end - start));
        if (ch.isEmpty() || !ch.trimmed().isEmpty())
            break;
        end = start;
    }
    return bytes.sliced(begin, end - begin);
}

bool LxdDatabase::readPending(const QString &fileName)
{
    pending->items.clear();
    pending->sentences.clear();
    pending->text.clear();
    pending->bytes.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;

    const auto bom = QStringConverter::encodingForData(bytes);
    const bool utf8 = bom ? *bom == QStringConverter::Utf8 : QByteArrayView(bytes).isValidUtf8();
    if (utf8) {
        pending->bytes = std::move(bytes);
        QByteArrayView all(pending->bytes);
        if (bom)
            all = all.sliced(3);
        qsizetype start = 0;
        while (start < all.size()) {
            qsizetype end = all.indexOf('\n', start);
            if (end < 0)
                end = all.size();
            qsizetype lineEnd = end;
            if (lineEnd > start && all[lineEnd - 1] == '\r')
                --lineEnd;
            const QByteArrayView line = Utf8Line::trimmed(all.sliced(start, lineEnd - start));
            start = end + 1;
            if (line.isEmpty())
                continue;
            PendingAppend::Item item;
            item.firstSentence = pending->sentences.size();
            qsizetype sep = Utf8Line::findSeparator(line, 0);
            item.headword = QUtf8StringView(sep < 0 ? line : line.first(sep));
            while (sep >= 0) {
                const qsizetype from = sep + LineFile::separatorSize;
                sep = Utf8Line::findSeparator(line, from);
                const QByteArrayView part = sep < 0 ? line.sliced(from) : line.sliced(from, sep - from);
                if (Utf8Line::atMostTwoUnits(part))
                    continue;
                PendingAppend::Sentence &sentence = pending->sentences.emplace_back();
                QByteArrayView text;
                sentence.stored = Utf8Line::parseField(part, &text, &sentence.used);
                sentence.text = QUtf8StringView(text);
            }
            item.sentenceCount = pending->sentences.size() - item.firstSentence;
            pending->items.append(item);
        }
        return true;
    }

    if (bom) {
        QStringDecoder decoder(*bom);
        pending->text = decoder.decode(bytes);
    } else {
        pending->text = QString::fromLatin1(bytes);
    }
    const QStringView text(pending->text);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == QLatin1Char('\r'))
            --lineEnd;
        const QStringView line = text.sliced(start, lineEnd - start);
        start = end + 1;
        if (line.trimmed().isEmpty())
            continue;
        PendingAppend::Item item;
        item.firstSentence = pending->sentences.size();
        const auto expect = [](qsizetype) {}; // one list for the whole file grows by itself
        item.headword = LineFile::splitRecord(line, expect, [this](QStringView part) {
            PendingAppend::Sentence &sentence = pending->sentences.emplace_back();
            QStringView text;
            sentence.stored = LxdSentence::parseFileField(part, &text, &sentence.used);
            sentence.text = text;
        });
        item.sentenceCount = pending->sentences.size() - item.firstSentence;
        pending->items.append(item);
    }
    return true;
}

QDomElement LxdDatabase::toDomElement(int version)
{
    if (!document)
        return QDomElement();
    QDomElement itemsElement = document->createElement(QStringLiteral("items"));
    for (LxdItem *item : std::as_const(items))
        itemsElement.appendChild(item->toDomElement());
    QDomElement root = document->createElement(QStringLiteral("lexivane-vocabulary-database"));
    root.setAttribute(QStringLiteral("version"), QString::number(version));
    root.appendChild(itemsElement);
    return root;
}

QDomElement LxdDatabase::toDomElement()
{
    return toDomElement(applicationFormatVersion());
}

void LxdDatabase::fromDomElement(const QDomElement &root)
{
    setModified(true);
    const bool announce = !items.isEmpty();
    beginModelReset();
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        delete items.at(i);
    items.clear();

    if (root.tagName() == QLatin1String("lexivane-vocabulary-database")) {
        const QDomElement itemsElement = root.firstChildElement(QStringLiteral("items"));
        for (QDomElement e = itemsElement.firstChildElement(QStringLiteral("item")); !e.isNull();
             e = e.nextSiblingElement(QStringLiteral("item"))) {
            auto *item = new LxdItem(document, this, nullptr);
            item->fromDomElement(e);
            items.append(item);
        }
    }
    endModelReset();
    if (announce) {
        wordListModel->refresh();
        sentenceTableModel->refresh();
    }
}

bool LxdDatabase::saveXml(const QString &fileName, int version)
{
    if (!document)
        return false;
    document->clear();
    document->appendChild(toDomElement(version));

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream stream(&file);
    stream.setEncoding(version >= 3 ? QStringConverter::Utf8 : QStringConverter::Latin1);
    document->save(stream, 3, QDomNode::EncodingFromTextStream);
    stream.flush();
    if (stream.status() != QTextStream::Ok)
        return false;
    return file.commit();
}

bool LxdDatabase::saveXml(const QString &fileName)
{
    return saveXml(fileName, applicationFormatVersion());
}

bool LxdDatabase::loadXml(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDomDocument scratch;
    QDomDocument *target = document ? document : &scratch;
    target->clear();
    if (!target->setContent(&file))
        return false;
    file.close();
    fromDomElement(target->documentElement());
    wordListModel->refresh();
    return true;
}
