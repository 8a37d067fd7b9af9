// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/xmllimits.h"

#include <QHash>
#include <QLocale>
#include <QStringConverter>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>

namespace {

// What Qt's parser lets one reference expand to, nested references included; past it the document
// is not well-formed.
qint64 perReference()
{
    static const qint64 limit = QXmlStreamReader().entityExpansionLimit();
    return limit;
}

// The document as 8-bit text in which markup is ASCII: as it is, unless it is in UTF-16 or UTF-32.
QByteArray narrowed(const QByteArray &document)
{
    const std::optional<QStringConverter::Encoding> encoding
        = QStringConverter::encodingForData(document, u'<');
    if (!encoding || *encoding == QStringConverter::Utf8 || *encoding == QStringConverter::Latin1)
        return document;
    QStringDecoder decoder(*encoding);
    return QString(decoder(document)).toUtf8();
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Calls `found` with the name of each reference "&name;" in `text` that is neither a character
// reference nor one of the five predefined entities.
template<typename Found>
void forEachReference(const QByteArray &text, Found found)
{
    static const QByteArray predefined[] = {"lt", "gt", "amp", "apos", "quot"};
    const char *p = text.constData();
    const char *const e = p + text.size();
    while ((p = static_cast<const char *>(memchr(p, '&', size_t(e - p))))) {
        const char *q = ++p;
        while (q < e && *q != ';' && *q != '&' && *q != '<' && !isSpace(*q) && q - p < 256)
            ++q;
        if (q == e || *q != ';' || q == p || *p == '#')
            continue;
        const QByteArray name = QByteArray::fromRawData(p, q - p);
        if (std::find(std::begin(predefined), std::end(predefined), name) == std::end(predefined))
            found(name);
        p = q + 1;
    }
}

} // namespace

QString XmlLimits::message(Refusal refusal)
{
    switch (refusal) {
    case None:
        break;
    case TooDeep:
        return tr("The file's elements are nested more than %1 levels deep.").arg(Depth);
    case TooMuchExpansion:
        return tr("The entities and default values in the file's document type would add more than %1 "
                  "characters to it.")
            .arg(QLocale().toString(Expansion));
    case ParameterEntities:
        return tr("The file's document type declares parameter entities, which are not read.");
    case Cancelled: // the reader that offers a Cancel says so itself
        break;
    }
    return QString();
}

XmlLimits::Refusal XmlLimits::checkDocumentType(const QByteArray &document)
{
    static const QByteArray doctype = "<!DOCTYPE";
    if (!document.contains(doctype) && !document.contains('\0'))
        return None;
    const QByteArray text = narrowed(document);
    if (!text.contains(doctype))
        return None;
    for (qsizetype at = text.indexOf("<!ENTITY"); at >= 0; at = text.indexOf("<!ENTITY", at + 8)) {
        qsizetype i = at + 8;
        while (i < text.size() && isSpace(text.at(i)))
            ++i;
        if (i < text.size() && text.at(i) == '%')
            return ParameterEntities;
    }
    // Each reference expands to the parser's limit at the most. Few enough references are safe
    // whatever they name; for more, the declarations must be read, and attribute defaults in the
    // document type would already be expanded as they are.
    qint64 references = 0;
    forEachReference(text, [&references](const QByteArray &) { ++references; });
    if (references * perReference() <= Expansion)
        return None;
    return text.contains("<!ATTLIST") ? TooMuchExpansion : None;
}

qint64 XmlLimits::expansion(const QXmlStreamEntityDeclarations &declarations, const QByteArray &document)
{
    // Entities declared with a system or public identifier are never fetched, so add nothing.
    QHash<QString, QString> values;
    for (const QXmlStreamEntityDeclaration &d : declarations) {
        if (d.systemId().isEmpty() && d.publicId().isEmpty() && !values.contains(d.name().toString()))
            values.insert(d.name().toString(), d.value().toString());
    }
    if (values.isEmpty())
        return 0;
    const qint64 most = perReference();
    QHash<QString, qint64> sizes;
    // An entity being measured counts at the most while it is, so a cycle ends (the parser refuses it).
    std::function<qint64(const QString &)> sizeOf = [&](const QString &name) -> qint64 {
        const auto known = sizes.constFind(name);
        if (known != sizes.constEnd())
            return *known;
        sizes.insert(name, most);
        const QString value = values.value(name);
        qint64 size = 0;
        for (qsizetype i = 0; i < value.size() && size < most; ++i) {
            if (value.at(i) == QLatin1Char('&')) {
                const qsizetype semi = value.indexOf(QLatin1Char(';'), i + 1);
                const QString inner = semi > i + 1 ? value.mid(i + 1, semi - i - 1) : QString();
                if (values.contains(inner)) {
                    size += sizeOf(inner);
                    i = semi;
                    continue;
                }
            }
            ++size;
        }
        size = std::min(size, most);
        sizes.insert(name, size);
        return size;
    };
    QHash<QByteArray, qint64> added;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        added.insert(it.key().toUtf8(), std::max<qint64>(0, sizeOf(it.key()) - it.key().size() - 2));
    const QByteArray text = narrowed(document);
    qint64 total = 0;
    forEachReference(text, [&](const QByteArray &name) {
        // A name in another 8-bit encoding than UTF-8 is not found: it counts at the most.
        const bool ascii = std::all_of(name.cbegin(), name.cend(), [](char c) { return uchar(c) < 0x80; });
        total += added.value(name, ascii ? 0 : most);
    });
    return total;
}

XmlLimits::Watch::Watch(Bytes bytes, Stop stop)
    : m_bytes(std::move(bytes))
    , m_stop(std::move(stop))
{ }

bool XmlLimits::Watch::next(const QXmlStreamReader &reader)
{
    switch (reader.tokenType()) {
    case QXmlStreamReader::StartElement:
        if (++m_depth > Depth) {
            m_refusal = TooDeep;
            return false;
        }
        if (m_documentType) {
            // Attributes the document type fills in are text the file does not hold.
            for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                if (attribute.isDefault())
                    m_added += attribute.value().size();
            }
        }
        break;
    case QXmlStreamReader::EndElement:
        --m_depth;
        break;
    case QXmlStreamReader::DTD:
        m_documentType = true;
        if (!reader.entityDeclarations().isEmpty())
            m_added += expansion(reader.entityDeclarations(), m_bytes());
        break;
    default:
        break;
    }
    if (m_added > Expansion) {
        m_refusal = TooMuchExpansion;
        return false;
    }
    if ((++m_tokens & 1023) == 0 && m_stop && m_stop(reader.characterOffset())) {
        m_refusal = Cancelled;
        return false;
    }
    return true;
}

XmlLimits::Refusal XmlLimits::check(const QByteArray &bytes, const Stop &stop)
{
    if (const Refusal refusal = checkDocumentType(bytes); refusal != None)
        return refusal;
    QXmlStreamReader reader(bytes);
    Watch watch([&bytes] { return bytes; }, stop);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!watch.next(reader))
            return watch.refusal();
    }
    return None;
}
