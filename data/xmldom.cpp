// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/xmldom.h"

#include "data/brackettext.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmltext.h"

#include <QDomDocument>

QDomElement XmlDom::sentenceElement(QDomDocument &document, const LxdSentence &sentence)
{
    QDomElement element = document.createElement(QStringLiteral("sentence"));
    QDomElement usedElement = document.createElement(QStringLiteral("used"));
    usedElement.appendChild(document.createTextNode(QString::number(sentence.used())));
    element.appendChild(usedElement);

    // The pieces keep their escapes, so the text reads back exactly as it was. The text before
    // each key word goes in even when empty; a bracket left open goes in as text with its bracket.
    const QList<BracketSegment> segments = BracketText::tokenize(sentence.textRef());
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const BracketSegment &segment = segments.at(i);
        if (segment.kind == BracketSegment::Gap) {
            QDomElement gap = document.createElement(QStringLiteral("gap"));
            gap.appendChild(document.createTextNode(XmlText::clean(segment.raw)));
            element.appendChild(gap);
        } else if (segment.kind == BracketSegment::Open) {
            element.appendChild(document.createTextNode(XmlText::clean(QLatin1Char('[') + segment.raw)));
        } else if (i + 1 < segments.size() || !segment.raw.isEmpty()) {
            element.appendChild(document.createTextNode(XmlText::clean(segment.raw)));
        }
    }
    return element;
}

QDomElement XmlDom::itemElement(QDomDocument &document, const LxdItem &item)
{
    QDomElement element = document.createElement(QStringLiteral("item"));
    QDomElement head = document.createElement(QStringLiteral("head-word"));
    head.appendChild(document.createTextNode(XmlText::clean(item.headwordRef())));
    element.appendChild(head);
    for (const LxdSentence &sentence : item.sentences)
        element.appendChild(sentenceElement(document, sentence));
    return element;
}

QDomElement XmlDom::databaseElement(
    QDomDocument &document, const QList<LxdItem *> &items, int version, const QString &language)
{
    QDomElement itemsElement = document.createElement(QStringLiteral("items"));
    for (const LxdItem *item : items)
        itemsElement.appendChild(itemElement(document, *item));
    QDomElement root = document.createElement(QStringLiteral("lexivane-vocabulary-database"));
    root.setAttribute(QStringLiteral("version"), QString::number(version));
    if (!language.isEmpty())
        root.setAttribute(QStringLiteral("language"), language);
    root.appendChild(itemsElement);
    return root;
}
