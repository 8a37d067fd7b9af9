// SPDX-License-Identifier: GPL-3.0-or-later
#include "domcodec.h"

#include "data/linefile.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmldom.h"

#include <QDomDocument>

namespace DomCodec {

QDomElement write(QDomDocument &document, const LxdDatabase &db, int version)
{
    return XmlDom::databaseElement(document, db.items, version);
}

QDomElement write(QDomDocument &document, const LxdSentence &sentence)
{
    return XmlDom::sentenceElement(document, sentence);
}

LxdSentence readSentence(const QDomElement &element)
{
    if (element.tagName() != QLatin1String("sentence"))
        return LxdSentence();
    QString buffer;
    int used = 0;
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isElement()) {
            const QDomElement child = node.toElement();
            if (child.tagName() == QLatin1String("gap")) {
                buffer += QLatin1Char('[') + child.text() + QLatin1Char(']');
            } else if (child.tagName() == QLatin1String("used")) {
                bool ok = false;
                const int n = child.text().trimmed().toInt(&ok, 10);
                used = ok ? n : 0;
            }
        } else if (node.isText()) { // CDATA sections are text nodes too
            buffer += node.toText().data();
        }
    }
    return LxdSentence(buffer, used);
}

LxdItem *readItem(const QDomElement &element)
{
    auto *item = new LxdItem();
    if (element.tagName() != QLatin1String("item"))
        return item;
    QString headword;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("sentence"))
            item->sentences.append(readSentence(child));
        else if (child.tagName() == QLatin1String("head-word"))
            headword = child.text().trimmed();
    }
    item->setHeadword(headword);
    return item;
}

void read(const QDomElement &root, LxdDatabase &db)
{
    QList<LxdItem *> read;
    if (root.tagName() == QLatin1String("lexivane-vocabulary-database")) {
        const QDomElement itemsElement = root.firstChildElement(QStringLiteral("items"));
        for (QDomElement e = itemsElement.firstChildElement(QStringLiteral("item")); !e.isNull();
             e = e.nextSiblingElement(QStringLiteral("item")))
            read.append(readItem(e));
    }
    // As the program's import: a text holding "&&&", which the database file cannot store, is
    // broken up.
    for (LxdItem *item : std::as_const(read)) {
        if (LineFile::holdsSeparator(item->headwordRef()))
            item->setHeadword(LineFile::breakSeparators(item->headword()));
        for (LxdSentence &sentence : item->sentences) {
            if (LineFile::holdsSeparator(sentence.textRef()))
                sentence.setText(LineFile::breakSeparators(sentence.text()));
        }
    }
    const QList<LxdItem *> old = db.items;
    db.restoreItems(read, [&db] { db.items.clear(); });
    qDeleteAll(old);
}

} // namespace DomCodec
