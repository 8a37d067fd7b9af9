// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the database file (one headword per line) and the XML exchange document.
#include "data/lxddatabase.h"

#include "data/checkedwrite.h"
#include "data/languagetag.h"
#include "data/linefile.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmldom.h"
#include "data/xmlexport.h"
#include "data/xmlfastreader.h"
#include "data/xmllimits.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>
#include <utility>

int LxdDatabase::applicationFormatVersion()
{
    const double version = QCoreApplication::applicationVersion().toDouble();
    return int(std::trunc(version));
}

bool LxdDatabase::saveText(const QString &fileName, int version, QString *error)
{
    const bool written = CheckedWrite::writeFile(
        fileName,
        [&](QIODevice &file, QString *) {
            return LineFile::writeRecords(
                file, version, items.size(),
                [this, version](qsizetype i, QString &out) { items.at(i)->appendFileText(out, version); },
                m_language);
        },
        error);
    if (!written)
        return false;
    setModified(false);
    return true;
}

bool LxdDatabase::loadText(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    // The rows appear in one reset rather than one insertion each: it tells attached views the
    // same thing, far faster for a large file.
    beginReset();
    const qsizetype firstNew = items.size();
    const auto dropNew = [this, firstNew]() {
        for (qsizetype i = items.size() - 1; i >= firstNew; --i)
            delete items.at(i);
        items.resize(firstNew);
    };
    struct Sink : LineFile::LineSink
    {
        LxdDatabase *db;
        const std::function<void()> &dropNew;
        LxdItem *reading = nullptr; // the record of a line that comes in pieces
        bool first = true;
        QString language;

        Sink(LxdDatabase *db, const std::function<void()> &dropNew)
            : db(db)
            , dropNew(dropNew)
        { }
        void restart() override
        {
            dropNew();
            first = true;
            language.clear();
        }
        void line(QStringView line) override
        {
            const bool firstLine = std::exchange(first, false);
            // Blank lines carry nothing; any other line is a headword, however short. The first
            // line may be the blank one that holds the database's language.
            if (line.trimmed().isEmpty()) {
                if (firstLine)
                    language = LanguageTag::normalized(LineFile::readLanguageLine(line));
                return;
            }
            auto *item = new LxdItem(db);
            db->items.append(item);
            item->readFileLine(line);
        }
        // A very long line is read as it comes, not held whole first.
        qsizetype linePiece(QStringView piece, bool firstPiece) override
        {
            first = false;
            if (!firstPiece)
                return reading->readFileLinePiece(piece, false);
            auto item = std::make_unique<LxdItem>(db);
            const qsizetype taken = item->readFileLinePiece(piece, true);
            if (taken > 0) {
                db->items.append(item.get());
                reading = item.release();
            }
            return taken;
        }
        void lineEnd(QStringView rest) override { reading->readFileLineEnd(rest); }
    };
    const std::function<void()> drop = dropNew;
    Sink sink(this, drop);
    const bool ok = LineFile::readFile(file, sink);
    if (!ok) {
        // Unreadable, or a read error part way: nothing half-loaded stays.
        dropNew();
        endReset();
        return false;
    }
    endReset();
    // An append reads into a database of its own; only a file read into an empty one says whose
    // language the database is.
    if (firstNew == 0)
        setLanguage(sink.language);
    setModified(false);
    return true;
}

// The records read from an exchange document take the place of everything held.
int LxdDatabase::adoptRead(const QList<LxdItem *> &read)
{
    setModified(true);
    beginReset();
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        delete items.at(i);
    items = read;
    for (LxdItem *item : read)
        item->m_database = this;
    m_order = Order::Unknown;
    // The database file would split a text holding "&&&" on reading; it is broken up instead.
    // (A run of three or more is looked for by its single ampersands, far quicker on a million texts.)
    const auto holdsSeparator = [](const QString &text) { return LineFile::findSeparator(text, 0) >= 0; };
    int brokenTexts = 0;
    for (LxdItem *item : std::as_const(items)) {
        if (holdsSeparator(item->m_headword)) {
            item->m_headword = LineFile::breakSeparators(item->m_headword);
            ++brokenTexts;
        }
        for (qsizetype k = 0; k < item->sentences.size(); ++k) {
            if (holdsSeparator(item->sentences.at(k).textRef())) {
                LxdSentence &sentence = item->sentences[k];
                sentence.setText(LineFile::breakSeparators(sentence.text()));
                ++brokenTexts;
            }
        }
    }
    endReset();
    return brokenTexts;
}

bool LxdDatabase::saveXml(const QString &fileName, int version, QString *error)
{
    if (version >= 3) {
        // Streamed record by record: the same bytes as the tree below, without the tree.
        return CheckedWrite::writeFile(
            fileName,
            [this, version](
                QIODevice &file, QString *) { return XmlExport::write(file, items, version, m_language); },
            error);
    }
    QDomDocument document;
    document.appendChild(XmlDom::databaseElement(document, items, version, m_language));

    return CheckedWrite::writeFile(
        fileName,
        [&](QIODevice &file, QString *) {
            QTextStream stream(&file);
            stream.setEncoding(version >= 3 ? QStringConverter::Utf8 : QStringConverter::Latin1);
            document.save(stream, 3, QDomNode::EncodingFromTextStream);
            stream.flush();
            return stream.status() == QTextStream::Ok;
        },
        error);
}

bool LxdDatabase::saveXml(const QString &fileName)
{
    return saveXml(fileName, applicationFormatVersion());
}

namespace {

// Builds records from the elements and texts of the exchange document as they come, with the
// answers that parsing it into a tree and reading the tree gave: the first "items" of the right
// document element, its "item" children, each one's "head-word" (its text trimmed, the last one
// counts) and "sentence" children, each one's text runs and "gap" children in order and its "used"
// count (the last one counts). The readers drop text that is only white space outside a CDATA
// section, as the tree drops it; an element's text is that of everything inside it.
class XmlRecordBuilder
{
public:
    XmlRecordBuilder() = default;
    ~XmlRecordBuilder() { qDeleteAll(m_items); }

    template<typename Name>
    void start(Name name);
    // An attribute of the element last started.
    template<typename Name, typename Value>
    void attribute(Name name, Value value)
    {
        if (m_open.size() == 1 && m_open.constLast() == Role::Root && name == QLatin1String("language"))
            m_language = value.toString();
    }
    void end();
    template<typename Text>
    void text(Text characters);

    QList<LxdItem *> take() { return std::exchange(m_items, {}); }
    bool isVocabulary() const { return m_vocabulary; }
    QString language() const { return m_language; }

private:
    enum class Role { Other, Root, Items, Item, HeadWord, Sentence, Gap, Used };

    QList<Role> m_open; // the role of each open element
    bool m_itemsTaken = false;
    bool m_vocabulary = false;
    QString m_language; // the document element's "language" attribute
    QList<LxdItem *> m_items;
    LxdItem *m_item = nullptr;
    QString m_headword; // of the open item
    QString m_sentence; // the text of the open sentence
    int m_used = 0;
    QString m_inner; // the text of the open head-word, gap or used element
    Role m_collecting = Role::Other;
};

template<typename Name>
void XmlRecordBuilder::start(Name name)
{
    const Role parent = m_open.isEmpty() ? Role::Other : m_open.constLast();
    Role role = Role::Other;
    if (m_open.isEmpty()) {
        if (name == QLatin1String("lexivane-vocabulary-database"))
            role = Role::Root;
        m_vocabulary = role == Role::Root;
    } else if (parent == Role::Root && !m_itemsTaken && name == QLatin1String("items")) {
        role = Role::Items;
        m_itemsTaken = true;
    } else if (parent == Role::Items && name == QLatin1String("item")) {
        role = Role::Item;
        m_item = new LxdItem();
        m_items.append(m_item);
        m_headword = QString();
    } else if (parent == Role::Item && name == QLatin1String("head-word")) {
        role = Role::HeadWord;
    } else if (parent == Role::Item && name == QLatin1String("sentence")) {
        role = Role::Sentence;
        m_sentence.resize(0); // keeps its room for the next one
        m_used = 0;
    } else if (parent == Role::Sentence && name == QLatin1String("gap")) {
        role = Role::Gap;
    } else if (parent == Role::Sentence && name == QLatin1String("used")) {
        role = Role::Used;
    }
    if (role == Role::HeadWord || role == Role::Gap || role == Role::Used) {
        m_inner.resize(0);
        m_collecting = role;
    }
    m_open.append(role);
}

void XmlRecordBuilder::end()
{
    if (m_open.isEmpty())
        return;
    const Role role = m_open.takeLast();
    switch (role) {
    case Role::HeadWord:
        m_headword = QStringView(m_inner).trimmed().toString();
        break;
    case Role::Gap:
        m_sentence += QLatin1Char('[');
        m_sentence += m_inner;
        m_sentence += QLatin1Char(']');
        break;
    case Role::Used: {
        bool ok = false;
        const int n = QStringView(m_inner).trimmed().toInt(&ok, 10);
        m_used = ok ? n : 0;
        break;
    }
    case Role::Item:
        // Set once the item is whole, as a later head-word replaces an earlier one, even an empty
        // one; the record has no database yet, so nothing is sorted.
        m_item->setHeadword(m_headword);
        break;
    case Role::Sentence: {
        // A copy of its own size: the text being built has room to spare, and is built again.
        m_item->sentences.append(LxdSentence(QStringView(m_sentence).toString(), m_used));
        break;
    }
    default:
        break;
    }
    if (role == m_collecting)
        m_collecting = Role::Other;
}

template<typename Text>
void XmlRecordBuilder::text(Text characters)
{
    if (m_collecting != Role::Other)
        m_inner += characters;
    else if (!m_open.isEmpty() && m_open.constLast() == Role::Sentence)
        m_sentence += characters;
}

// The general reading, for every document the fast reader leaves alone. False when the document
// is not well-formed or is refused by the limits of XmlLimits (`refusal` says which): a document
// nested thousands deep, or one whose entities would swell it to many times its size, is corrupt or
// hostile (the format has four levels and no document type).
bool readWithStreamReader(QIODevice *device, XmlRecordBuilder &builder, XmlLimits::Refusal *refusal)
{
    // Held whole: the document type is looked at before the parser reads it.
    const QByteArray bytes = device->readAll();
    *refusal = XmlLimits::checkDocumentType(bytes);
    if (*refusal != XmlLimits::None)
        return false;
    QXmlStreamReader reader(bytes);
    XmlLimits::Watch watch([&bytes] { return bytes; });
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (!watch.next(reader)) {
            *refusal = watch.refusal();
            return false;
        }
        switch (token) {
        case QXmlStreamReader::StartElement:
            builder.start(reader.qualifiedName());
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                builder.attribute(attribute.qualifiedName(), attribute.value());
            break;
        case QXmlStreamReader::EndElement:
            builder.end();
            break;
        case QXmlStreamReader::Characters:
            if (reader.isCDATA() || !reader.text().trimmed().isEmpty())
                builder.text(reader.text());
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

class FastSink : public XmlFastReader::Sink
{
public:
    explicit FastSink(XmlRecordBuilder &builder)
        : m_builder(builder)
    { }
    void start(QLatin1String name) override { m_builder.start(name); }
    void attribute(QLatin1String name, QStringView value) override { m_builder.attribute(name, value); }
    void end() override { m_builder.end(); }
    void text(QLatin1String ascii) override { m_builder.text(ascii); }
    void text(QStringView text) override { m_builder.text(text); }

private:
    XmlRecordBuilder &m_builder;
};

} // namespace

bool LxdDatabase::loadXml(const QString &fileName, int *brokenTexts, QString *refusal)
{
    if (brokenTexts)
        *brokenTexts = 0;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    auto builder = std::make_unique<XmlRecordBuilder>();
    FastSink sink(*builder);
    if (XmlFastReader::read(file, sink, XmlLimits::Depth) == XmlFastReader::Result::Uncertain) {
        // Read again from the start by the general parser, which knows every form and fault.
        builder = std::make_unique<XmlRecordBuilder>();
        XmlLimits::Refusal refused = XmlLimits::None;
        if (!file.seek(0) || !readWithStreamReader(&file, *builder, &refused)) {
            if (refusal)
                *refusal = XmlLimits::message(refused);
            return false;
        }
    }
    file.close();
    const int broken = adoptRead(builder->take());
    m_vocabularyDocument = builder->isVocabulary();
    setLanguage(builder->language());
    if (brokenTexts)
        *brokenTexts = broken;
    return true;
}
