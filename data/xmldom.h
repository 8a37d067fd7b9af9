// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef XMLDOM_H
#define XMLDOM_H

#include <QDomElement>
#include <QList>

class LxdItem;
class LxdSentence;
class QDomDocument;

// The XML exchange document built as a tree, for the older format versions (below 3), which the
// streamed writer of XmlExport does not write: the tree encodes what ISO 8859-1 cannot hold the
// way QDomNode::save does.
namespace XmlDom {

QDomElement sentenceElement(QDomDocument &document, const LxdSentence &sentence);
QDomElement itemElement(QDomDocument &document, const LxdItem &item);
QDomElement databaseElement(
    QDomDocument &document, const QList<LxdItem *> &items, int version, const QString &language = QString());

} // namespace XmlDom

#endif // XMLDOM_H
