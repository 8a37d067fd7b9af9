// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef XMLEXPORT_H
#define XMLEXPORT_H

#include <QList>
#include <QString>

class LxdItem;
class QIODevice;

namespace XmlExport {

// Writes the exchange document of `items` in UTF-8 straight into `device`, record by record, with
// the very bytes that saving the tree of XmlDom::databaseElement(document, items, version) with an indent of
// 3 gives, without building that tree. False when the device takes fewer bytes than it is given.
// A database language goes into the document element's "language" attribute, after "version".
bool write(
    QIODevice &device, const QList<LxdItem *> &items, int version, const QString &language = QString());

// How many headwords and sentences of `items` lose characters in the document because XML cannot
// carry them (see XmlText); `first`, when given, learns the first of them as the document holds it.
int changedTexts(const QList<LxdItem *> &items, QString *first = nullptr);

} // namespace XmlExport

#endif // XMLEXPORT_H
